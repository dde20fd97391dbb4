#pragma once
#include <QString>

// A position line: "Stck=" quantity, the identity items, then the sections ",Q,",
// ",Z,", ",S,", ",F,", ",R,", ",B,". The split writes the shared work strings
// WorkStr 2 (identity), 3 (Q), 4 (Z), 5 (B), 6 (S), 7 (F), 8 (R); every reader of
// the current position reads them there, so a caller that splits another line in
// between must save them first.

// Splits Pos (unchanged) into Stc ("Stck=" and the quantity, never empty) and the
// work strings 2 to 8 (all set, absent parts empty).
void PosTrenn(const QString& Pos, QString& Stc);

// Joins Stc and the work strings 2 to 8 into Pos in canonical order; removes one
// leading comma from each of the slots 3 to 8 (the slots stay changed).
void PosFueg(const QString& Stc, QString& Pos);

// A new position line: "Stck=" and quantityAndIdentity (the quantity, then the
// identity items with their leading comma), ",Sl=" sl when given, ",Qm=Qsl" for
// a sub-list, and "! " comment when the comment holds more than blanks.
QString positionLine(const QString& quantityAndIdentity, const QString& sl, bool subList, const QString& comment);

// Sets the inherited keys Rw (when "1") and Chpfg (when not empty) in the S section
// of the line buffer WorkStr 20. With both empty the buffer is left as it is.
void PosRwSetz(const QString& Rw, const QString& Chpfg);
