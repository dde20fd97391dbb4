#pragma once
#include <QString>
#include <QStringView>

// One check per kind of value, used wherever such a value is read: the batch run,
// the readers of Q-lists, profiles, special lists and component records, the save
// checks and the windows. Each check takes the text as typed or read and gives
// either the value or a refusal that says what is wrong with the value (in the
// user's language, quoting the text); the caller adds where the value came from
// (file, line, key).
//
// The accepted text is a plain number: blanks around it, an optional sign, digits
// with an optional "." and digits (".5" and "5." too), an optional exponent ("E"
// or "D", optional sign, digits). Anything else is refused, never cut short:
// - letters or other characters ("abc", "12x", "5 V"), and an empty text;
// - a decimal comma ("40,5", "1.000,5"): numbers in this program's files are
//   written with a decimal point and no thousands separator, and "1,500" could
//   mean either 1.5 or 1500, so the value is refused and the refusal shows the
//   number with a point where that reading is plain ("40,5" -> write 40.5);
// - numbers that do not fit the single-precision fields the values are kept in
//   (above about 3.4E+38 in size, "1E400" included);
// - values outside the range of their kind, given with each check.

struct CheckedValue {
    double value = 0.0; // the value read; 0 when refused
    QString refusal;    // empty when the value is accepted
    bool ok() const { return refusal.isEmpty(); }
};

// Quantity of a Q-list position ("Stck"): a number of pieces, 0 or more; a
// fraction is allowed (a share of a part). -1 is accepted as the mark of a locked
// position; any other negative number is refused.
CheckedValue checkQuantity(QStringView text);

// Temperature in degrees Celsius: not below absolute zero (-273.15).
CheckedValue checkTemperature(QStringView text);

// Percentage: 0 to 100, optionally followed by "%".
CheckedValue checkPercentage(QStringView text);

// Factor (weighting, multiplier): 0 or more.
CheckedValue checkFactor(QStringView text);

// Failure rate in fit: 0 or more.
CheckedValue checkRate(QStringView text);

// Temperature rise of a component over its surroundings (self-heating), in
// kelvin: 0 or more.
CheckedValue checkTemperatureRise(QStringView text);

// Signed measured value: electrical stress (voltage, current, power) or a
// temperature difference; any sign.
CheckedValue checkNumber(QStringView text);

// The value of key in the parameter string list as it was written. A decimal
// comma splits "Tu=40,5" into the item "Tu=40" and a bare item "5", and GetParam
// then reads "40"; the bare items that follow the value and begin with a digit
// are taken back, so that the check sees "40,5" and refuses it. Empty when the
// key is absent.
QString typedParamValue(const QString& list, const QString& key);
