#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/paths.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The open files of this layer, like an operating system's file table: handle to
// descriptor. Handles start at 1.
struct FileTable {
    std::map<int, int> open;
    int next = 1;
    int lastError = 0;
};

FileTable& table()
{
    static FileTable t;
    return t;
}

int codeOf(int err)
{
    switch (err) {
    case ENOENT: return DosErr::FileNotFound;
    case ENOTDIR: return DosErr::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return DosErr::AccessRefused;
    case EWOULDBLOCK: return DosErr::Locked;
    default: return 1000 + err;
    }
}

QByteArray local(const QString& file)
{
    return QFile::encodeName(nativePath(file));
}

} // namespace

void FOpenAll(const QString& file, int access, int share, int& handle)
{
    FileTable& t = table();
    handle = -1;
    const int mode = access == 0 ? O_RDONLY : access == 1 ? O_WRONLY : O_RDWR;
    const int fd = ::open(local(file).constData(), mode | O_CLOEXEC);
    if (fd < 0) {
        t.lastError = codeOf(errno);
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        t.lastError = DosErr::AccessRefused;
        return;
    }
    int lock = 0;
    if (share == 1 || share == 3)
        lock = LOCK_EX;
    else if (share == 2)
        lock = LOCK_SH;
    if (lock != 0 && ::flock(fd, lock | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        t.lastError = codeOf(err);
        return;
    }
    handle = t.next++;
    t.open[handle] = fd;
    t.lastError = 0;
}

int DOSError()
{
    return table().lastError;
}

int WhichError()
{
    return table().lastError;
}

QString ErrorMsg(int code)
{
    switch (code) {
    case 0: return QStringLiteral("No error");
    case DosErr::FileNotFound: return QStringLiteral("File not found");
    case DosErr::AccessRefused: return QStringLiteral("Path/File access error");
    case DosErr::PathNotFound: return QStringLiteral("Path not found");
    case DosErr::Locked: return QStringLiteral("File is locked by another user");
    default:
        if (code > 1000)
            return QString::fromLocal8Bit(std::strerror(code - 1000));
        return QStringLiteral("Error %1").arg(code);
    }
}

bool FCreate(const QString& file)
{
    FileTable& t = table();
    const int fd = ::open(local(file).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        t.lastError = codeOf(errno);
        return false;
    }
    ::close(fd);
    t.lastError = 0;
    return true;
}

qint64 FLof(int handle)
{
    FileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end())
        return -1;
    struct stat st {};
    if (::fstat(it->second, &st) != 0) {
        t.lastError = codeOf(errno);
        return -1;
    }
    return qint64(st.st_size);
}

void FGet(int handle, QString& text)
{
    FileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end()) {
        t.lastError = DosErr::AccessRefused;
        return;
    }
    QByteArray buf(text.size(), '\0');
    qsizetype got = 0;
    while (got < buf.size()) {
        const ssize_t r = ::read(it->second, buf.data() + got, size_t(buf.size() - got));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            t.lastError = codeOf(errno);
            return;
        }
        if (r == 0)
            break;
        got += r;
    }
    const QString read = fromAnsi(buf.left(got));
    text.replace(0, read.size(), read);
    t.lastError = 0;
}

void FClose(int handle)
{
    FileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end())
        return;
    ::close(it->second); // releases the flock of this open
    t.open.erase(it);
}

bool writeFileAtomic(const QString& file, const QByteArray& bytes)
{
    QSaveFile f(nativePath(file));
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly)) {
        table().lastError = DosErr::AccessRefused;
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        table().lastError = DosErr::AccessRefused;
        return false;
    }
    table().lastError = 0;
    return true;
}

bool writeFileDirect(const QString& file, const QByteArray& bytes)
{
    // Overwritten in place, not truncated first: a truncated and rewritten file
    // makes some file systems flush it on close.
    QFile f(nativePath(file));
    if (!f.open(QIODevice::ReadWrite) || f.write(bytes) != bytes.size() ||
        (f.size() > bytes.size() && !f.resize(bytes.size()))) {
        table().lastError = DosErr::AccessRefused;
        return false;
    }
    table().lastError = 0;
    return true;
}

bool readWholeFile(const QString& file, QByteArray& bytes)
{
    QFile f(nativePath(file));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}
