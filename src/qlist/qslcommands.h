#pragma once
#include <QString>
#include <functional>

// The commands on one Q-list of the current database (letter WorkStr 16), named by
// a head list of the keys Ln, Typ, Yk, An (identity) and Tec, Code, Anlage, Be.

// Creates the Q-list: the next free number, its record and its file (two plain
// head lines), then opens it in the editor. Returns the new 5-digit number; or
// "Typ", "Yk" or "An" when that designation is taken (message 157) or, for "Yk",
// malformed (message 140), and nothing is created. Empty when nothing could be
// created for another reason (no identity key, database not opened, no number).
QString NeueQsl(const QString& head);

// What the Q-list commands need of the Q-list editor, above this folder: a link
// of the program (frame/links.h).
struct QslCommandLinks {
    // Shows Q-list Ln (5 digits) of the current database in the editor and
    // returns when it has been closed. Unbound, a Q-list found is not shown.
    std::function<void(const QString& Ln)> openEditor;
};

// Finds the Q-list by Ln, Typ, Yk, An (the first key that finds one) and opens it
// in the editor. Returns its number, or empty (message 162 when none was found).
QString OeffneQsl(const QString& head);

// Finds the Q-list like OeffneQsl (exact matches only) and, after the user confirms
// (message 160), marks its record deleted and rewrites its file as "*Typ=FREI".
// Returns "T" when deleted, otherwise empty.
QString LoeschQsl(const QString& head);

// Asks the letter of a new Q-list database (screen "neuqz" of "qsl\isam") until it
// names a letter without a database, then creates the database folder, its index
// database and the first number folders. The letter becomes the current letter.
// param receives "ABBRUCH" on cancel, else the button code of message 3.
void NeuQslDb(QString& param);

// Rebuilds the index database of the current letter from its Q-list files,
// scanning the numbers upwards until the first missing file. Faulty heads go to
// "NeuInhQsl.err", records stored without their identity to "NeuInhDoppelQsl.err"
// (both in the current directory, begun at their first entry).
void NeuDbInh();

// The report file names of NeuDbInh.
inline constexpr const char* QslRebuildErrorLog = "NeuInhQsl.err";
inline constexpr const char* QslRebuildDuplicateLog = "NeuInhDoppelQsl.err";
