#pragma once
#include <QString>

// The head of a Q-list file: line 1 the key list (Typ=, Yk=, An=, Tec=, Code=,
// Anlage=, ...), line 2 "Be=" and the description. Both readers leave line 2 in
// the line buffer WorkStr 20 and throw TarnError when the file cannot be read.

// Fills QslRec 1..9 from the file at path (number from the path's last digits).
// With errors given, it receives the faults of the identity (malformed item number,
// type or user number over 20 characters), one per line, empty when none. False
// (after message 113) when a head line holds "'", true otherwise; the record is
// filled either way.
bool KopfToRec(const QString& path, QString* errors = nullptr);

// identity = the items Typ=, Yk=, An= of line 1 that are present, in this order;
// rest = the other items of line 1, a comma and line 2 (line 2 alone when line 1
// has no other items).
void KopfTrenn(const QString& path, QString& identity, QString& rest);
