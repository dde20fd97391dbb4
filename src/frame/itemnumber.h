#pragma once
#include <QString>

// Item numbers ("YK"): three blocks of widths 6, 5 and 4, each a letter followed by
// digits, joined by "-", optionally followed by "-" and a two-character stand.
// A bad number never throws: the normalisers return the error message text in the
// place of the number; callers recognise it with isItemNumberError.

// The strict 17-character form of a typed number (no stand), or messages 288-290.
QString SachNrForm(const QString& number);

// Splits a stored or imported number into its 17-character block part and its
// 2-character stand (right-aligned, two blanks when there is none). A block longer
// than its width puts message 290 into yk and leaves stand empty; with standCheck a
// stand longer than 2 characters does the same (block 4, width 2).
void YkNorm(const QString& number, QString& yk, QString& stand, bool standCheck = false);

// True for the error texts of the normalisers ("Fehler!" / "Error!").
bool isItemNumberError(const QString& text);
