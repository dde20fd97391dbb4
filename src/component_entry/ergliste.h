#pragma once
#include <QString>

// Result listings of a single component (WorkStr 1, 3, 6, 7, 8): the errors,
// warnings and intermediate results, then the table of minimum, maximum and
// mean failure rate per method. Both append listing records.
void ErgFehlList();
void ErgTabelle(const QString& Norm);
