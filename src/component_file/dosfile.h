#pragma once
#include <QByteArray>
#include <QString>

// The file functions the component file is built on: open with an access and a
// share mode, read, length, close, and the error of the last operation. Share
// modes are real advisory locks (flock) on the opened file, so two running copies
// of the program see each other's opens:
//   access: 0 read, 1 write, 2 read and write
//   share:  0 compatibility and 4 deny none (no lock), 1 exclusive and
//           3 deny read (exclusive lock), 2 deny write (shared lock)
// Paths are design paths ("\" separators); text is Windows-1252 on disk.

namespace DosErr {
inline constexpr int FileNotFound = 53;
inline constexpr int AccessRefused = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int Locked = 86; // another opener holds a conflicting share mode
}

// Opens an existing file; handle receives the handle, or -1 when the open failed
// (DOSError and WhichError tell why). Never creates the file.
void FOpenAll(const QString& file, int access, int share, int& handle);
// 0 when the last file operation succeeded.
int DOSError();
// The code of the last failure (DosErr codes, other values unexpected).
int WhichError();
// A text for an error code.
QString ErrorMsg(int code);
// Creates an empty file (an existing one is left as it is); false on failure.
bool FCreate(const QString& file);
// Length of the open file in bytes; -1 for an unknown handle.
qint64 FLof(int handle);
// Reads as many bytes as text is long from the current position into text (ANSI);
// a shorter file leaves the rest of text as it was.
void FGet(int handle, QString& text);
// Closes the file and releases its lock; unknown handles are ignored.
void FClose(int handle);

// Whole-file writes. writeFileAtomic writes a temporary file and renames it over
// the target, so a failure at any point leaves the old file intact.
// writeFileDirect writes in place (for files nobody else reads yet). While a
// change of the component file is open (btjournal.h), both only stage the new
// content, and the reads of this layer (FOpenAll, readWholeFile, fileSize) see
// the staged contents.
bool writeFileAtomic(const QString& file, const QByteArray& bytes);
bool writeFileDirect(const QString& file, const QByteArray& bytes);
// writeFileAtomic of text (Windows-1252); while a change is open the text is
// staged as it is and turned into bytes at the commit.
// readsBack: the caller knows that the text reads back the same from its
// Windows-1252 bytes (textReadsBack), which spares the check.
bool writeTextAtomic(const QString& file, const QString& text, bool readsBack = false);
// Reads a whole file without any lock; false when it cannot be read.
bool readWholeFile(const QString& file, QByteArray& bytes);
// Deletes a file (staged while a change is open); true when it is gone.
bool removeFile(const QString& file);
// The length of a file, -1 when it does not exist.
qint64 fileSize(const QString& file);
