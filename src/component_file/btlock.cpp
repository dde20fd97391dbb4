#include "component_file/btlock.h"
#include "component_file/btjournal.h"
#include "component_file/btmessages.h"
#include "component_file/dosfile.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

LockWait& lockWait()
{
    static LockWait w;
    return w;
}

namespace {

QString accessText(int access)
{
    const bool en = prog().LangNr == 2;
    switch (access) {
    case 0: return en ? QStringLiteral("Read access") : QStringLiteral("Lese-Zugriff");
    case 1: return en ? QStringLiteral("Write access") : QStringLiteral("Schreib-Zugriff");
    default: return en ? QStringLiteral("Read/write access") : QStringLiteral("Lese-Schreib-Zugriff");
    }
}

QString fileText(int kind)
{
    const bool en = prog().LangNr == 2;
    QString k;
    switch (kind) {
    case BtKind::Internal: k = en ? QStringLiteral("internal") : QStringLiteral("interne"); break;
    case BtKind::External: k = en ? QStringLiteral("external") : QStringLiteral("externe"); break;
    default: k = en ? QStringLiteral("other") : QStringLiteral("andere"); break;
    }
    return k + (en ? QStringLiteral(" component file") : QStringLiteral(" BE-Datei"));
}

void runPendingEvents(int attempt)
{
    if (lockWait().pendingEvents)
        lockWait().pendingEvents(attempt);
    else
        ui().infoBox().yield();
}

// The pause between two attempts; window events keep running from the fourth
// attempt on so that a cancel is seen at once.
bool pauseOrCancel(int attempt, bool boxShown)
{
    QDeadlineTimer until(lockWait().pauseMs);
    while (!until.hasExpired()) {
        if (boxShown) {
            runPendingEvents(attempt);
            if (ui().infoBox().breakRequested())
                return false;
        }
        const qint64 left = until.remainingTime();
        QThread::msleep(quint64(std::clamp<qint64>(left, 0, 50)));
    }
    return true;
}

} // namespace

int OpenFileRetry(int which, const QString& file, int access, int share, const QString& accessTxt,
                  const QString& fileTxt)
{
    const QString shown = which == 32 ? fileTxt : file + QStringLiteral("    (") + fileTxt + u')';
    const int language = prog().LangNr;
    int result = -1;
    bool boxShown = false;
    int createTries = 0;
    for (int attempt = 1;; ++attempt) {
        int handle = -1;
        FOpenAll(file, access, share, handle);
        if (DOSError() == 0) {
            if (handle == -1)
                MsgBoxRes(QStringLiteral("154"), 0, language, oemArgs({shown}));
            result = handle;
            break;
        }
        const int code = WhichError();
        if (code == DosErr::Locked) {
            if (attempt >= 4) {
                if (!boxShown) {
                    ui().infoBox().Begin(ResText(QStringLiteral("152"), language, true, {accessTxt}),
                                         ResText(QStringLiteral("151"), language, true, oemArgs({shown})));
                    ui().beep();
                    ui().infoBox().EnableBreak(true);
                    boxShown = true;
                }
                runPendingEvents(attempt);
                if (ui().infoBox().breakRequested()) {
                    result = -1;
                    break;
                }
                // Nobody can press cancel in a batch run: give up after a while
                // instead of hanging the job.
                if (!ui().isInteractive() && attempt >= lockWait().unattendedAttempts) {
                    MsgBoxRes(QStringLiteral("155"), 0, language, oemArgs({shown, ErrorMsg(code)}));
                    result = -1;
                    break;
                }
            }
            if (!pauseOrCancel(attempt, boxShown)) {
                result = -1;
                break;
            }
            continue;
        }
        if (which == 32 && code == DosErr::FileNotFound) {
            // A missing lock file is created; one that cannot be created (a
            // read-only folder) must not be retried for ever. A reader then goes
            // on without a lock: nobody can write there either.
            if (++createTries <= lockWait().createAttempts && FCreate(file))
                continue;
            if (access == 0) {
                result = NoLockHandle;
                break;
            }
            MsgBoxRes(QStringLiteral("155"), 0, language, oemArgs({shown, ErrorMsg(WhichError())}));
            result = -1;
            break;
        }
        if (which == 32 && code == DosErr::AccessRefused && access == 0) {
            result = NoLockHandle;
            break;
        }
        if (code == DosErr::AccessRefused && access == 0 && share >= 1 && share <= 3) {
            result = -75;
            break;
        }
        MsgBoxRes(QStringLiteral("155"), 0, language, oemArgs({shown, ErrorMsg(code)}));
        result = -1;
        break;
    }
    if (boxShown)
        ui().infoBox().Finish();
    return result;
}

bool OpenBtFile(int flags, QString& text, const QString& dataFile, const QString& directory, int kind, int access,
                int dataShare, int lockShare, bool whole, int& minLength, int& lockHandle, int& dataHandle)
{
    const QString accTxt = accessText(access);
    const QString fTxt = fileText(kind);
    const QString dir = directory.trimmed();
    const QString lockFile = dir + QStringLiteral("\\lockfile");
    bool lockOpened = false;
    int rest = flags;
    if (rest >= 32) {
        rest -= 32;
        if (!dir.isEmpty()) {
            lockHandle = OpenFileRetry(32, lockFile, access, lockShare, accTxt, fTxt);
            if (lockHandle == -75)
                lockHandle = OpenFileRetry(32, lockFile, access, 4, accTxt, fTxt);
            if (lockHandle < 0) {
                lockHandle = -1;
                return false;
            }
            lockOpened = true;
        }
    }
    auto closeLock = [&] {
        if (lockHandle > 0)
            FClose(lockHandle);
        lockHandle = -1;
    };
    if (rest >= 16) {
        rest -= 16;
        dataHandle = OpenFileRetry(16, dataFile, access, dataShare, accTxt, fTxt);
        if (dataHandle == -75)
            dataHandle = OpenFileRetry(16, dataFile, access, 4, accTxt, fTxt);
        if (dataHandle < 0) {
            dataHandle = -1;
            if (lockOpened)
                closeLock();
            return false;
        }
    }
    if (rest >= 8) {
        rest -= 8;
        text.fill(u' ');
        const qint64 length = FLof(dataHandle);
        if (minLength > 0 && length < minLength)
            minLength = -1;
        if (minLength < 0) {
            FClose(dataHandle);
            dataHandle = -1;
            if (lockOpened)
                closeLock();
            return false;
        }
        if (whole)
            text = QString(int(length), u' ');
        FGet(dataHandle, text);
        if (DOSError() != 0) {
            FClose(dataHandle);
            dataHandle = -1;
            if (lockOpened)
                closeLock();
            return false;
        }
    }
    if (rest >= 4)
        rest -= 4;
    if (rest >= 2) {
        rest -= 2;
        FClose(dataHandle);
        dataHandle = -1;
    }
    if (rest >= 1)
        closeLock();
    return true;
}

bool lockedReadWhole(const QString& dataFile, const QString& directory, int kind, QString& text, int minLength)
{
    int lock = -1, data = -1;
    int minimum = minLength;
    text.clear();
    const bool ok = OpenBtFile(BtFlags::LockedRead, text, dataFile, directory, kind, 0, 2, 2, true, minimum, lock, data);
    if (!ok)
        text.clear();
    return ok;
}

int takeWriteLock(const QString& directory, int kind)
{
    int lock = -1, data = -1, minimum = 0;
    QString none;
    if (!OpenBtFile(BtFlags::TakeLock, none, QString(), directory, kind, 2, 1, 1, false, minimum, lock, data))
        return -1;
    // A change that a crash left half done is finished before anything else.
    if (recoverChange(directory.trimmed()) == Recovery::Failed) {
        FClose(lock);
        btMessage(QStringLiteral("btjournal"),
                  QStringLiteral("Eine unterbrochene Änderung der Bauteile-Datei @1 kann nicht abgeschlossen werden "
                                 "(siehe journal.log). Die Datei wird nicht geändert."),
                  QStringLiteral("An interrupted change of the component file @1 cannot be finished (see "
                                 "journal.log). The file is not changed."),
                  {directory.trimmed()});
        return -1;
    }
    return lock;
}
