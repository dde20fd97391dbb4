#pragma once
#include <QString>
#include <functional>

// Fixed-width texts for lists, reports and listing records, and the parsers of
// typed values. Their exact output at the limits matters: report columns and the
// 120-character listing records are built from them.

// Pads text with the first character of fill, or cuts it, to |width| characters:
// left-aligned for a positive width, right-aligned for a negative one. Width 0
// removes every occurrence of fill (a single character) from text, in the
// caller's variable too.
QString FormStr(QString& text, int width, const QString& fill);
inline QString FormStr(const QString& text, int width, const QString& fill)
{
    QString copy = text;
    return FormStr(copy, width, fill);
}

// Fixed point with "," as decimal point, blanks between thousands groups
// (1 234 567,89), trailing decimal zeros removed; right-aligned in
// width + decimals + 1 characters (width alone for 0 decimals). When the whole
// part does not fit its width the decimals are dropped and the text grows.
QString FormZahl(double value, int width, int decimals);

// Fixed point with "." as decimal point. With a width, right-aligned and the
// decimal points of a column one under the other (trailing zeros become blanks);
// a negative decimals count writes value / 10^|decimals| as an integer. A value
// too wide for its width gives the overflow mark "Üblauf!".
QString FormWert(double width, int decimals, double value);

// A min/max pair "min/max", or one value when both are equal (FormWert, width 0).
QString FormBerS(float minimum, float maximum, int decimals);
QString FormBerD(double minimum, double maximum, int decimals);

// Breaks text after at most width characters, preferring the last of the break
// characters: text keeps the first line, rest receives the remainder. A text that
// contains "|" never counts as fitting.
void TextUmbruch(QString& text, int width, const QString& breakCharacters, QString& rest);

// Printed width of a text in the unit of the width that SplitToWidth is given
// (the print layer measures with the printer's current font).
using TextWidthMeasure = std::function<double(const QString&)>;

// The first part of text that fits width, broken behind one of separators where
// possible; text keeps the remainder. Throws InvalidArgumentError when not even
// the first character fits.
QString SplitToWidth(QString& text, double width, const QString& separators, const TextWidthMeasure& measure);

// A number with an optional trailing "%" ("50%" -> 50); -1 for an empty text.
double ValProz(const QString& text);

// A value or a range "min/max" with unit prefixes k, K, m, M (thousand, million)
// and G (thousand million); a final b, g or t (bits, ...) is dropped from the whole
// text. text is trimmed (and loses that final letter) in the caller's variable.
void ValBereich(QString& text, double& minimum, double& maximum);

// Number with an optional unit, converted through the units list EinhListe into
// twips (a number without unit is taken in the Cf key DefUnit). False (value 0)
// when no number stands at the start or the unit is not in the list.
bool ValUnit(const QString& text, double& value);
