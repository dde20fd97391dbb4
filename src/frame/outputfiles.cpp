#include "frame/outputfiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString PartSuffix = QStringLiteral(".part");

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// The writer's process id in a name ".<file>.<pid>-<random>.part"; 0 when the
// name carries none (a file of an older program).
qint64 writerOf(const QString& partName)
{
    const QString core = partName.chopped(PartSuffix.size());
    const qsizetype dot = core.lastIndexOf(u'.');
    const qsizetype dash = core.lastIndexOf(u'-');
    if (dot < 0 || dash < dot)
        return 0;
    bool ok = false;
    const qint64 pid = core.mid(dot + 1, dash - dot - 1).toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool processRuns(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

bool reserveFile(const QString& nativeFile, QString* error)
{
    const int fd = ::open(QFile::encodeName(nativeFile).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (error)
            *error = errno == EEXIST ? QString() : systemError(errno);
        return false;
    }
    ::close(fd);
    if (error)
        error->clear();
    return true;
}

void releaseReservedFile(const QString& nativeFile)
{
    const QFileInfo info(nativeFile);
    if (info.exists() && info.isFile() && info.size() == 0)
        QFile::remove(nativeFile);
}

QString privatePartName(const QString& nativeFile)
{
    const QFileInfo info(nativeFile);
    const QString unique = QStringLiteral("%1-%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    return info.dir().filePath(u'.' + info.fileName() + u'.' + unique + PartSuffix);
}

void removeStalePartFiles(const QString& nativeDir)
{
    const QDir dir(nativeDir);
    const QStringList parts =
        dir.entryList({QStringLiteral(".*") + PartSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QString& name : parts) {
        const qint64 pid = writerOf(name);
        // A name without a writer is judged by its age: no run writes a file
        // for a day.
        const bool gone = pid > 0 ? !processRuns(pid) : QFileInfo(dir.filePath(name)).lastModified() < longAgo;
        if (gone)
            QFile::remove(dir.filePath(name));
    }
}

OutputFile::OutputFile(QString nativeFile) : mFile(std::move(nativeFile)) {}

OutputFile::~OutputFile()
{
    if (mFd >= 0) {
        ::close(mFd);
        QFile::remove(mPart);
    }
}

bool OutputFile::open()
{
    mPart = privatePartName(mFile);
    mFd = ::open(QFile::encodeName(mPart).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (mFd < 0) {
        mError = systemError(errno);
        return false;
    }
    return true;
}

bool OutputFile::write(const QByteArray& bytes)
{
    if (mFd < 0 || !mError.isEmpty())
        return false;
    mBuffer += bytes;
    return mBuffer.size() < (1 << 16) || flush();
}

bool OutputFile::flush()
{
    const char* data = mBuffer.constData();
    qsizetype left = mBuffer.size();
    while (left > 0) {
        const ssize_t n = ::write(mFd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            mError = systemError(errno);
            return false;
        }
        data += n;
        left -= n;
    }
    mBuffer.clear();
    return true;
}

bool OutputFile::commit()
{
    if (mFd < 0)
        return false;
    const bool synced = mError.isEmpty() && flush() && ::fsync(mFd) == 0;
    if (!synced && mError.isEmpty())
        mError = systemError(errno);
    ::close(mFd);
    mFd = -1;
    if (synced &&
        ::rename(QFile::encodeName(mPart).constData(), QFile::encodeName(mFile).constData()) == 0)
        return true;
    if (mError.isEmpty())
        mError = systemError(errno);
    QFile::remove(mPart);
    return false;
}
