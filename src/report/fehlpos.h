#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

// The error list of a Q-list report. FehlPos scans qpo for positions with error
// codes and for sub-list references with the warning "Stand", writes the entries
// to Tp2 "fehl" (each closed by "EndPos"), shows them in the message list and
// prints them (AusFehlPos), writes them to the plain-text error file
// (AusFileAsciiFehlPos) or asks. Returns "ABBRUCH" when the user declines to go
// on with the report, otherwise an empty text.
QString FehlPos(bool ADruck, const QString& ProgFehlFile);
void AusFehlPos();
void AusFileAsciiFehlPos(const QString& ProgFehlFile);

// Appends the error and warning lines of the current position (F section in
// WorkStr(7)) to lines at count + 1, count + 2, ... (index from 1).
void FehlText(QStringList& lines, int16_t& count);

// The text of an error or warning code in the print language ("ERWA").
QString errorCodeText(const QString& code);
