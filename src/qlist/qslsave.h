#pragma once
#include <QString>
#include <QStringList>

// Saving a Q-list: its file and its row in the Q-list database are one unit. A
// run killed at any point leaves both as they were or both as saved, so the
// Q-list is always found by the type, item number and user number of its head.
//
// The save writes, in the database folder, a journal "qslsave-<run>-<n>.journal"
// that names the Q-list file, the new content's hidden file beside it, the
// content's length and check sum and the row; then the new content; then, in
// one database transaction, the row and the rename of the new content over the
// Q-list file; then it removes the journal. The run holds a lock on its journal
// until then. A journal whose run is gone is finished by the next start (or the
// next save into that database): the new content still beside the file means
// the transaction never counted, and the content goes; the file holding the new
// content means the rename was done, and the row is written (again).

// Stores lines as the Q-list file designPath and QslRec as its row in the
// Q-list database of folder. Returns what NewRec_Db returned (1, or -1 stored
// without its identity) when both are stored; 0 when neither was (the database
// could not be opened or was locked; a message said so). Throws TarnError when
// the files cannot be written; the Q-list is then as it was.
int saveQslWithRecord(const QString& folder, const QString& designPath, const QStringList& lines);

// Finishes or undoes the saves left half done in the Q-list database of folder
// by runs that are gone. Returns how many it settled.
int recoverQslSaves(const QString& folder);
// The same for every Q-list database below the Q-list root (WorkStr VqlDir).
void recoverAllQslSaves();
