#pragma once
#include "frame/valuecheck.h"

#include <QChar>
#include <QString>
#include <QStringView>

// What the windows need beside the value checks: the kinds of value that only an
// entry field asks, the check of each stored parameter by its abbreviation, the
// decimal comma of the German keyboard and the message of a refused entry.

// A check of one kind of value (one of valuecheck.h or below).
using ValueCheck = CheckedValue (*)(QStringView);

// A count of things (pins, auxiliary contacts): a whole number, 0 or more.
CheckedValue checkCount(QStringView text);

// A size that cannot be negative: power, thermal resistance, area, air speed,
// switching rate, ratio, number of units in use (a fraction is allowed).
CheckedValue checkMagnitude(QStringView text);

// A size that cannot be negative, or a minimum/maximum pair of them written
// "a/b" (thermal resistance).
CheckedValue checkMagnitudePair(QStringView text);

// A self-heating (temperature rise, see checkTemperatureRise), or a
// minimum/maximum pair of them written "a/b".
CheckedValue checkTemperatureRisePair(QStringView text);

// A percentage, or a pair of percentages written "a/b" (position in a range).
CheckedValue checkPercentagePair(QStringView text);

// The check of a parameter that a Q-list line or a component record stores, by
// its abbreviation (the pi mark written as the mark or as "{pi}"); null for the
// parameters that hold texts or codes.
ValueCheck parameterCheck(QStringView abbreviation);

// What a key typed into a numeric field enters: under the German interface the
// decimal comma of the keyboard is the decimal point; under the English one the
// comma stays, so that the check shows it rather than dropping it.
QChar numericFieldKey(QChar typed);

// Tells the user why an entry was refused (message 426); refusal as a check gave it.
void showRefusal(const QString& refusal);
