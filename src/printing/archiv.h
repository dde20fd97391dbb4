#pragma once
#include <QString>

// The archive keeps chosen printouts (as PDF) and result files in two SQLite
// databases in the folder of key ArchivDir of section "archive": the search
// database "ArchivSuch.sqlite" (table ArchivSuche, one row per document) and the
// data database "Archiv<ArchivNr>.sqlite" (table Daten, the file itself under
// the search row's Ref). Both, and their folder, are created when missing.

// Reads the archive settings and opens both databases; called once at start-up
// when ArchivFlag is "1". A database that cannot be opened gives message 473
// and leaves the archive off.
void ArchivStart();

// The archive designation of a document: kind, "Yk"/"An"/"Typ", the designation
// and the number field (Qz + Q-list number without leading zeros, or "-"),
// joined by ","; empty when the kind is not archived or the head names nothing
// usable.
QString ArchivBez(const QString& head, const QString& kind, const QString& Qz, const QString& Lnr);

// Stores a file under a designation; type "pdf" or "slk". False when the archive
// is not open or the file holds 100 bytes or less (nothing is stored then).
// Database errors throw DbError.
bool ArchivSpeichern(const QString& designation, const QString& file, const QString& type);

// Stores the PDF of the archived print job: the given PDF file, or one made from
// the archive pages when pdf is empty. Title: in the designation, out the path
// of the PDF archived (empty when none was made). Message 487 on failure.
void ArchivPdf(QString& Title, QString& pdf);
