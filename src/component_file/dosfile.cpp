#include "component_file/dosfile.h"
#include "component_file/btjournal.h"
#include "frame/codepage.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The open files of this layer, like an operating system's file table: handle to
// descriptor, or to the staged content of a change in progress (descriptor -1).
// Handles start at 1.
struct OpenFile {
    int fd = -1;
    QByteArray staged;
    qint64 position = 0;
};
} // namespace

// Held by the Program, so that a run (or a test) starts with no files open.
struct DosFileTable {
    std::map<int, OpenFile> open;
    int next = 1;
    int lastError = 0;
};

namespace {

DosFileTable& table()
{
    Program& p = prog();
    if (!p.DosFiles)
        p.DosFiles = std::make_shared<DosFileTable>();
    return *p.DosFiles;
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
    DosFileTable& t = table();
    handle = -1;
    // A file changed by the open change is read as it will be.
    if (const StagedFile* staged = stagedFile(file)) {
        if (staged->removed) {
            t.lastError = DosErr::FileNotFound;
            return;
        }
        handle = t.next++;
        t.open[handle] = OpenFile{-1, staged->bytes, 0};
        t.lastError = 0;
        return;
    }
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
    t.open[handle] = OpenFile{fd, QByteArray(), 0};
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
    DosFileTable& t = table();
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
    DosFileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end())
        return -1;
    if (it->second.fd < 0)
        return it->second.staged.size();
    struct stat st {};
    if (::fstat(it->second.fd, &st) != 0) {
        t.lastError = codeOf(errno);
        return -1;
    }
    return qint64(st.st_size);
}

void FGet(int handle, QString& text)
{
    DosFileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end()) {
        t.lastError = DosErr::AccessRefused;
        return;
    }
    QByteArray buf(text.size(), '\0');
    qsizetype got = 0;
    if (it->second.fd < 0) {
        OpenFile& f = it->second;
        got = qMin<qsizetype>(buf.size(), f.staged.size() - f.position);
        std::memcpy(buf.data(), f.staged.constData() + f.position, size_t(got));
        f.position += got;
    }
    while (it->second.fd >= 0 && got < buf.size()) {
        const ssize_t r = ::read(it->second.fd, buf.data() + got, size_t(buf.size() - got));
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
    DosFileTable& t = table();
    const auto it = t.open.find(handle);
    if (it == t.open.end())
        return;
    if (it->second.fd >= 0)
        ::close(it->second.fd); // releases the flock of this open
    t.open.erase(it);
}

bool writeFileAtomic(const QString& file, const QByteArray& bytes)
{
    if (changeOpen()) {
        stageWrite(file, bytes);
        table().lastError = 0;
        return true;
    }
    // Written beside the target and renamed over it; flushed first, when the
    // flush policy asks for it, so that the rename never exposes a file whose
    // data has not reached the disk.
    const QString target = nativePath(file);
    static const QString suffix = QStringLiteral(".tmp") + QString::number(::getpid());
    const QString temp = target + suffix;
    if (!writeRaw(temp, bytes, true) || !renameRaw(temp, target)) {
        QFile::remove(temp);
        table().lastError = DosErr::AccessRefused;
        return false;
    }
    table().lastError = 0;
    return true;
}

bool writeTextAtomic(const QString& file, const QString& text, bool readsBack)
{
    if (changeOpen()) {
        stageText(file, text, readsBack);
        table().lastError = 0;
        return true;
    }
    return writeFileAtomic(file, toAnsi(text));
}

bool writeFileDirect(const QString& file, const QByteArray& bytes)
{
    if (changeOpen()) {
        stageWrite(file, bytes);
        table().lastError = 0;
        return true;
    }
    // Overwritten in place, not truncated first: a truncated and rewritten file
    // makes some file systems flush it on close.
    crashpoint::reached();
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
    if (const StagedFile* staged = stagedFile(file)) {
        if (staged->removed)
            return false;
        bytes = staged->bytes;
        return true;
    }
    QFile f(nativePath(file));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}

bool removeFile(const QString& file)
{
    if (changeOpen()) {
        stageRemove(file);
        return true;
    }
    const QString native = nativePath(file);
    return !QFileInfo::exists(native) || removeRaw(native);
}

qint64 fileSize(const QString& file)
{
    if (qint64 length = 0; unitLength(file, length))
        return length;
    const QFileInfo info(nativePath(file));
    return info.exists() ? info.size() : -1;
}
