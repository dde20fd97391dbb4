#include "frame/durablefile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// ---- flushes ----

class RealDiskFlush : public DiskFlush {
public:
    bool flushFile(int fd) override { return ::fdatasync(fd) == 0; }
    bool flushFileSystem(const QString& nativeFolder) override
    {
        const int fd = ::open(QFile::encodeName(nativeFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool ok = ::syncfs(fd) == 0;
        ::close(fd);
        return ok;
    }
};

RealDiskFlush gRealFlush;
DiskFlush* gFlush = &gRealFlush;

// ---- crash points ----

int gCrashAt = 0;
int gOperations = 0;

// Reports whether this operation is the armed one; the caller then cuts its
// write and ends the process.
bool atCrashPoint()
{
    ++gOperations;
    return gCrashAt > 0 && gOperations == gCrashAt;
}

[[noreturn]] void crashNow()
{
    ::_exit(crashpoint::ExitCode);
}

// ---- the database files under watch ----
//
// A file system layer of SQLite's own kind that passes everything to the
// default one and counts the operations that change what is on disk.

sqlite3_vfs* gBaseVfs = nullptr;
sqlite3_vfs gWatchVfs;
sqlite3_io_methods gWatchMethods;

struct WatchedFile {
    sqlite3_file base;
    sqlite3_file* real; // the base layer's file, right behind this struct
};

sqlite3_file* realOf(sqlite3_file* f)
{
    return reinterpret_cast<WatchedFile*>(f)->real;
}

int watchClose(sqlite3_file* f)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods ? r->pMethods->xClose(r) : SQLITE_OK;
}
int watchRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xRead(r, buffer, amount, offset);
}
int watchWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    sqlite3_file* r = realOf(f);
    if (atCrashPoint()) {
        r->pMethods->xWrite(r, buffer, amount / 2, offset);
        crashNow();
    }
    return r->pMethods->xWrite(r, buffer, amount, offset);
}
int watchTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    crashpoint::reached();
    sqlite3_file* r = realOf(f);
    return r->pMethods->xTruncate(r, size);
}
int watchSync(sqlite3_file* f, int flags)
{
    crashpoint::reached();
    sqlite3_file* r = realOf(f);
    return r->pMethods->xSync(r, flags);
}
int watchFileSize(sqlite3_file* f, sqlite3_int64* size)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xFileSize(r, size);
}
int watchLock(sqlite3_file* f, int level)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xLock(r, level);
}
int watchUnlock(sqlite3_file* f, int level)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xUnlock(r, level);
}
int watchCheckReservedLock(sqlite3_file* f, int* out)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xCheckReservedLock(r, out);
}
int watchFileControl(sqlite3_file* f, int op, void* arg)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xFileControl(r, op, arg);
}
int watchSectorSize(sqlite3_file* f)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xSectorSize(r);
}
int watchDeviceCharacteristics(sqlite3_file* f)
{
    sqlite3_file* r = realOf(f);
    return r->pMethods->xDeviceCharacteristics(r);
}

int watchOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* w = reinterpret_cast<WatchedFile*>(f);
    w->real = reinterpret_cast<sqlite3_file*>(w + 1);
    w->real->pMethods = nullptr;
    const int rc = gBaseVfs->xOpen(gBaseVfs, name, w->real, flags, outFlags);
    // Version 1 of the methods: no shared memory and no memory mapping, so every
    // change of a file goes through the counted calls.
    w->base.pMethods = w->real->pMethods ? &gWatchMethods : nullptr;
    return rc;
}
int watchDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    crashpoint::reached();
    return gBaseVfs->xDelete(gBaseVfs, name, syncDir);
}

} // namespace

DiskFlush& diskFlush()
{
    return *gFlush;
}

DiskFlush* setDiskFlush(DiskFlush* policy)
{
    DiskFlush* previous = gFlush;
    gFlush = policy ? policy : &gRealFlush;
    return previous;
}

void crashpoint::arm(int n)
{
    gCrashAt = n;
}

void crashpoint::reset()
{
    gCrashAt = 0;
    gOperations = 0;
}

int crashpoint::count()
{
    return gOperations;
}

void crashpoint::reached()
{
    if (atCrashPoint())
        crashNow();
}

void crashpoint::watchDatabases()
{
    if (gBaseVfs)
        return;
    gBaseVfs = sqlite3_vfs_find(nullptr);
    if (!gBaseVfs)
        return;
    gWatchVfs = *gBaseVfs;
    gWatchVfs.pNext = nullptr;
    gWatchVfs.zName = "tarn-watch";
    gWatchVfs.szOsFile = int(sizeof(WatchedFile)) + gBaseVfs->szOsFile;
    gWatchVfs.xOpen = &watchOpen;
    gWatchVfs.xDelete = &watchDelete;
    gWatchMethods = sqlite3_io_methods{};
    gWatchMethods.iVersion = 1;
    gWatchMethods.xClose = &watchClose;
    gWatchMethods.xRead = &watchRead;
    gWatchMethods.xWrite = &watchWrite;
    gWatchMethods.xTruncate = &watchTruncate;
    gWatchMethods.xSync = &watchSync;
    gWatchMethods.xFileSize = &watchFileSize;
    gWatchMethods.xLock = &watchLock;
    gWatchMethods.xUnlock = &watchUnlock;
    gWatchMethods.xCheckReservedLock = &watchCheckReservedLock;
    gWatchMethods.xFileControl = &watchFileControl;
    gWatchMethods.xSectorSize = &watchSectorSize;
    gWatchMethods.xDeviceCharacteristics = &watchDeviceCharacteristics;
    sqlite3_vfs_register(&gWatchVfs, 1);
}

bool writeRaw(const QString& nativeFile, const QByteArray& bytes, bool flush)
{
    const bool crash = atCrashPoint();
    const int fd = ::open(QFile::encodeName(nativeFile).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // At a crash point the write is cut in half: a torn write.
    const qsizetype length = crash ? bytes.size() / 2 : bytes.size();
    qsizetype done = 0;
    while (done < length) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(length - done));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        done += w;
    }
    if (crash)
        crashNow();
    if (flush) {
        crashpoint::reached();
        if (!diskFlush().flushFile(fd)) {
            ::close(fd);
            return false;
        }
    }
    return ::close(fd) == 0;
}

bool renameRaw(const QString& nativeFrom, const QString& nativeTo)
{
    crashpoint::reached();
    return ::rename(QFile::encodeName(nativeFrom).constData(), QFile::encodeName(nativeTo).constData()) == 0;
}

bool removeRaw(const QString& nativeFile)
{
    crashpoint::reached();
    return ::unlink(QFile::encodeName(nativeFile).constData()) == 0 || errno == ENOENT;
}

bool flushFolderRaw(const QString& nativeFolder)
{
    crashpoint::reached();
    return diskFlush().flushFileSystem(nativeFolder);
}

QByteArray contentSum(const QByteArray& bytes)
{
    quint64 h = 14695981039346656037ULL; // FNV-1a, 64 bits
    for (const char c : bytes) {
        h ^= quint8(c);
        h *= 1099511628211ULL;
    }
    return QByteArray::number(h, 16).rightJustified(16, '0');
}

// ---- writer marks ----

namespace {

// True when the name still leads to the open file: a holder that removed it
// between our open and our lock leaves us a file nobody else will look at.
bool sameFile(int fd, const QString& nativeFile)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(QFile::encodeName(nativeFile).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

int lockedOrClosed(int fd, const QString& nativeFile)
{
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !sameFile(fd, nativeFile)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool WriterMark::create(const QString& nativeFile)
{
    release();
    // Close-on-exec: a program started meanwhile must not keep the lock alive
    // after this run has gone.
    mFd = lockedOrClosed(
        ::open(QFile::encodeName(nativeFile).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666), nativeFile);
    return mFd >= 0;
}

bool WriterMark::takeOver(const QString& nativeFile)
{
    release();
    mFd = lockedOrClosed(::open(QFile::encodeName(nativeFile).constData(), O_RDWR | O_CLOEXEC), nativeFile);
    return mFd >= 0;
}

void WriterMark::release()
{
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
}
