#pragma once
#include <QString>

// The values of a Q-list position line that the calculation reads as numbers:
// the quantity "Stck" and the stress values of the S section. What is wrong with
// the first bad value, as "key: reason" in the user's language (the reason quotes
// the value as written); empty when every value present is sound. A comment
// behind "!" is not read. A line without a quantity is not judged here: that is
// the missing-quantity message's case.
QString positionValueProblem(const QString& line);
