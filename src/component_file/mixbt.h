#pragma once
#include <QList>
#include <QString>
#include <optional>

// Merging component records into the internal component file.
//   "be.mixbl":  one file of records: a block file (one record per line), or,
//                with an import profile, a text file in another column layout
//   "be.mixdat": every block of another component file (chosen by the user)
// Every record is checked, looked up against the internal index and added with
// AddBt; what is refused is written to "MixBT.log" in Tp2 (and to the message
// list in an interactive run). blockFile and profile are given by the batch
// switch "/mb"; the menu passes neither (the user chooses the file).
// Nothing is written when the internal file or its index cannot be read. Every
// record must pass recordRefusal. True when the run went through and no record
// was refused (records found in the file already are no failure).
// When a merge closes a durable change. Records in a scattered order touch most
// blocks and index pages, so every change costs about a rewrite of what it
// staged: a change is closed when the bytes it stages reach `bytes` (48 MB, which
// holds a component file of several 100,000 records whole), so that a merge
// of any size commits its data about once and its cost per record stays flat.
// The staged contents are held in memory (as text, two bytes a character), which
// the bound limits as well. `records` and `millis` (0: none) cut changes after a
// number of records or a time; a merge uses neither, tests take them to make
// small changes.
struct MergeBatch {
    qint64 bytes = 48 * 1024 * 1024;
    int records = 0;
    int millis = 0;
};
MergeBatch& mergeBatch();

bool MixBt(const QString& MixMode, const std::optional<QString>& BlAdr = std::nullopt,
           const std::optional<QString>& BlFormat = std::nullopt);

// An import profile: an entry of ini section "Sonder-Formate", a parameter
// string with Kopfz (header lines to skip), Leerz (marker of lines to ignore),
// StartCol (first character of the data), Trenn (field separator) and the list
// of column names ("Typ", "Yk", "An", "Bac", "Tec", any data key, or "Extra..."
// for ready record text).
struct ImportColumn {
    QString name;
    QString value;
};
struct ImportProfile {
    int headerLines = 0;
    QString skipMarker;
    int startColumn = 1;
    QString separator;
    QList<ImportColumn> columns;
};
inline constexpr int MaxImportColumns = 50;

// Reads a profile from the ini file; false when there is no such entry or it
// names no column.
bool readImportProfile(const QString& name, ImportProfile& profile);

// Turns one line (trimmed, filtered and cut at the start column) into a record:
// Typ, Yk, An, then ",Q", Bac, Tec, then the other columns in order; "Extra"
// columns are appended unchanged. A value of a named column that holds "," or "="
// would become items of its own: the line is refused (empty result, refused
// receives the column name and value).
QString UmfoSonderFormat(const QString& line, QList<ImportColumn>& columns, const QString& separator,
                         QString* refused = nullptr);
