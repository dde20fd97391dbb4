#pragma once
#include <QString>

// Checks one position line of a Q-list file before it is saved: the text of the
// first fault found (a message of the user's language, or the item-number
// normaliser's error text followed by ":  " and the number), empty when sound.
// allowed is the list of abbreviations allowed in the S section (ini "Qslstress",
// items "key" or "key=mask", pi mark written "{pi}"); an abbreviation must be one
// whole item of it. Splits the line with PosTrenn (the work strings change).
QString PosPruef(const QString& line, const QString& allowed);
