#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>

// The program's own number rules for user and file text; never use the locale or
// QString::toDouble on such text.

// Leading-number rule: leading blanks, tabs and line feeds are skipped, then an
// optional sign, digits, optional "." and digits, optional exponent ("E" or "D",
// optional sign, digits). Reading stops at the first other character; no number
// gives 0. "&H" and "&O" introduce hexadecimal and octal integers. "12,5" reads 12.
double readLeadingNumber(QStringView text);

// Conversion to an integer: nearest, a half to the even neighbour; out of range
// throws OverflowError.
int16_t toInt16(double value);
int32_t toInt32(double value);

// Plain number text: "." as decimal point, no leading blank, no zero before the
// point (".4", "-.4"), no trailing zeros, 7 significant digits for single precision
// and 15 for double; exponent form ("1E+15", "1E-05") where the digits do not suffice.
QString plainNumber(double value, bool singlePrecision = false);
inline QString plainSingle(double value) { return plainNumber(value, true); }

// Fixed point with "." as decimal point and exactly decimals digits behind it
// (nearest, as printf rounds the binary value), no grouping: 2.75 with 1 decimal
// is "2.8", with 0 decimals "3".
QString fixedNumber(double value, int decimals);

// Round to single precision, as a value stored in a single-precision variable.
inline double toSingle(double value) { return static_cast<double>(static_cast<float>(value)); }
