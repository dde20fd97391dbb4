#pragma once
#include <QString>

// Number texts of the MIL-HDBK-217F models. These follow the program's common
// formatter rules (width 0 forms only, which is all the models write) until the
// shared formatters are available to the calculation; then they forward to them.
namespace milfmt {

// Fixed-point text with "." and no width: trailing fraction zeros removed, no "-0".
QString FormWert0(int decimals, double value);
// Pair text: one value when both ends are equal, else minimum "/" maximum.
QString FormBerS(double minimum, double maximum, int decimals); // single-precision ends
QString FormBerD(double minimum, double maximum, int decimals);
// Number with an optional trailing "%"; -1 for an empty text.
double ValProz(const QString& text);
// Value or range with the multipliers K/k, M/m, G and a final unit letter b, g, t.
void ValBereich(QString& text, double& minimum, double& maximum);

} // namespace milfmt
