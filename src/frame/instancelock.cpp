#include "frame/instancelock.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <memory>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString OwnPrefix = QStringLiteral("inst");

// An open-file-description lock on the first byte: held by this open, not by the
// process, and converted from exclusive to shared in one step, so that no other
// copy sees the installation unlocked in between.
bool lockByte(int fd, short type, bool wait)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 1;
    for (;;) {
        if (::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &fl) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

void emptyFolder(const QString& name)
{
    QDir d(nativePath(name));
    if (!d.exists()) {
        QDir().mkpath(nativePath(name));
        return;
    }
    for (const QString& f : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (!d.remove(f))
            throw TarnError(QStringLiteral("Permission denied: %1").arg(d.filePath(f)), ErrNo::PermissionDenied);
    // Folders of copies that ended without removing them.
    for (const QString& f : d.entryList({OwnPrefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(d.filePath(f)).removeRecursively();
}

} // namespace

InstanceLock::InstanceLock()
{
    mTp1 = QStringLiteral("tp1");
    mTp2 = QStringLiteral("tp2");
    mFd = ::open("instance.lck", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // Without a lock (a folder that cannot hold the file) the copy counts as
    // alone, as before.
    mAlone = mFd < 0 || lockByte(mFd, F_WRLCK, false);
    if (mAlone) {
        emptyFolder(mTp1);
        emptyFolder(mTp2);
        if (mFd >= 0)
            lockByte(mFd, F_RDLCK, true);
        return;
    }
    // Another copy runs (or is just starting: wait until it holds its shared lock).
    lockByte(mFd, F_RDLCK, true);
    mOwnFolder = OwnPrefix + QString::number(QCoreApplication::applicationPid());
    mTp1 += u'\\' + mOwnFolder;
    mTp2 += u'\\' + mOwnFolder;
    for (const QString& d : {mTp1, mTp2}) {
        const QString native = QDir(nativePath(d)).absolutePath();
        QDir(native).removeRecursively(); // a folder of an earlier copy with the same number
        QDir().mkpath(native);
        mOwnFolders.append(native);
    }
}

InstanceLock::~InstanceLock()
{
    for (const QString& own : std::as_const(mOwnFolders))
        QDir(own).removeRecursively();
    if (mFd >= 0)
        ::close(mFd);
}

const InstanceLock& claimWorkDirectories()
{
    std::shared_ptr<InstanceLock>& hold = prog().Instance;
    hold.reset();
    hold = std::make_shared<InstanceLock>();
    return *hold;
}

const InstanceLock* instanceLock()
{
    return prog().Instance.get();
}
