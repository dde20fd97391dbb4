#pragma once
#include <QByteArray>
#include <QString>

// Writing files so that a run killed at any moment leaves every store readable,
// and the test hooks that prove it.

// How written data reaches the disk. The real policy flushes; tests that do not
// test durability run without flushes.
class DiskFlush {
public:
    virtual ~DiskFlush() = default;
    // Makes the data of one open file durable.
    virtual bool flushFile(int fd) = 0;
    // Makes everything written so far to the file system that holds the folder
    // durable, new and renamed files included.
    virtual bool flushFileSystem(const QString& nativeFolder) = 0;
};
class NoDiskFlush : public DiskFlush {
public:
    bool flushFile(int) override { return true; }
    bool flushFileSystem(const QString&) override { return true; }
};
DiskFlush& diskFlush();
// Installs a policy (nullptr: the real one again); returns the previous one.
DiskFlush* setDiskFlush(DiskFlush* policy);

// Test-only crash points: counts every write, flush and rename of the durable
// file layer (and, once databases are watched, every write, truncation, flush
// and deletion that SQLite does on a database or its journals) and, once armed,
// ends the process at once (_exit, no clean-up) at the n-th of them. A write at
// the crash point is cut in half first.
namespace crashpoint {
inline constexpr int ExitCode = 86;
void arm(int n); // 0 disarms
void reset();    // disarms and sets the count to 0
int count();
// Called by the layer before each operation; does not return at the armed one.
void reached();
// From now on, databases opened in this process count their writes as crash
// points (a file system layer under SQLite). Call it before the databases are
// opened.
void watchDatabases();
}

// Writes bytes to a file in place (created or truncated), counting as one write
// of the layer; with flush, the file is flushed before it is closed (one more
// operation). False on failure.
bool writeRaw(const QString& nativeFile, const QByteArray& bytes, bool flush = false);
// Renames, counting as one rename of the layer.
bool renameRaw(const QString& nativeFrom, const QString& nativeTo);
// Removes a file, counting as one rename of the layer (a name goes).
bool removeRaw(const QString& nativeFile);
// Makes everything written to the file system of the folder durable, counting
// as one operation of the layer.
bool flushFolderRaw(const QString& nativeFolder);

// A check sum of contents as 16 hexadecimal digits (FNV-1a, 64 bits).
QByteArray contentSum(const QByteArray& bytes);

// A file whose writer still runs: the writer holds an exclusive lock on it for
// as long as its work is unfinished. Whoever finds such a file can tell whether
// the writer is gone (the lock can be taken) and then take over.
class WriterMark {
public:
    WriterMark() = default;
    ~WriterMark() { release(); }
    WriterMark(const WriterMark&) = delete;
    WriterMark& operator=(const WriterMark&) = delete;

    // Creates the file (it must not exist) and holds it. False on failure.
    bool create(const QString& nativeFile);
    // Holds an existing file when its writer is gone; false while it runs (or
    // when the file went meanwhile).
    bool takeOver(const QString& nativeFile);
    bool held() const { return mFd >= 0; }
    // Lets the file go (it stays on disk unless the holder removed it).
    void release();

private:
    int mFd = -1;
};
