#pragma once
#include <QString>

// YK item numbers: three blocks, each a letter followed by digits, of 6, 5 and 4
// characters, joined by "-" (17 characters in all), upper case, the digits of a
// block right-aligned behind its letter ("A    12-B   3-C  4"); an optional
// two-character stand follows in its own column. A bad number comes back as the
// text of message 288, 289 or 290 in LangNr in place of the number; callers test
// for the beginnings "Fehler!" and "Error!".

// Strict check of a typed number: the 17-character normal form or an error text.
// Text behind block 3 (such as a stand) is dropped. A block longer than its width
// is an error (message 290): cutting it could turn the number into another one.
QString SachNrForm(const QString& number);

// Splits a stored or imported number into its 17-character block part yk (or the
// error text of message 290) and its stand, right-aligned in 2 characters (empty on
// error). Letters and digits are not tested and empty blocks between "-" are kept.
// With standCheck a stand longer than 2 characters is an error; without it the
// stand is cut to 2.
void YkNorm(const QString& number, QString& yk, QString& stand, bool standCheck = false);

// Whether a normaliser returned an error text in place of a number.
bool isItemNumberError(const QString& value);
