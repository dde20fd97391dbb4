#pragma once
#include <QString>

// Finds a Q-list of database letter by the first designation given: number, type,
// item number with stand, user number. Mode "Pro" reads them from the control list
// (WorkStr 0: Qlnr, Qtyp, Qyk, Qan; an item number whose stand is not stored finds
// the highest stored stand); any other mode from designation (Ln, Typ, Yk, An).
// On return designation holds the found number (empty: none, "ERROR": malformed
// item number). status: empty when found and usable (path set to its file),
// "ABBRUCH" when not found or the database could not be opened, "FEHL", "LEER" or
// "FREI" for a missing, empty or deleted file (message 101; path emptied). Without
// any designation: empty status, no message, path untouched.
void QslSuch(const QString& mode, const QString& letter, QString& designation, QString& path, QString& status);
