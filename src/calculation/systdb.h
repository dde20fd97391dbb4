#pragma once
#include <QString>

// One field of the first row of Table whose KeyColumn equals KeyValue, read from
// the system database; the empty text when no row matches or the field is Null.
// A database error shows message 473 and throws (the run is cancelled).
QString DalesXls(const QString& Table, const QString& KeyColumn, const QString& KeyValue, const QString& Field);
