#pragma once
#include <QString>

// Q-lists entering a database from outside, moving between databases and leaving
// the system as files. mode: 0 spreadsheet workbook, 1 one Q-list text file, 2
// every file of a folder (all into the current database), 3 the Q-list of head
// into another database, 4 a copy within the current database, 5 an export of its
// file into a text file. head names the source of modes 3 to 5 by Ln, Typ, Yk or
// An. Returns "Ln=" + the new 5-digit number (modes 0 and 1), "ok" (modes 2 to 5
// done) or "no" (cancelled, or nothing stored).
QString QslImport(int mode, const QString& head = QString());

// Stores the Q-list file source as a new Q-list of database letter under a
// number from allocateQslNumber. None of its designations Typ, Yk, An may be
// taken there: a clash is refused with message 107 in mode 2 and otherwise offered
// for renaming (screen "edsuch" of "qsl\kopie"; in mode 4 the first clash of a
// designation is its own source, renamed without a message). The new file is
// written whole before its record; on any refusal or failure nothing is left in
// the database or the folder. target and number receive the new file and number.
bool QslInDb(int mode, const QString& source, QString& target, const QString& letter, QString& number);
