#pragma once
#include <QString>
#include <functional>

// Locked access to a component file. Every read of a header, index page or block
// under lock, and every change, first opens "lockfile" in the component file's
// directory: shared by readers (share mode 2), exclusively by a writer (share
// mode 1). The data file is opened only while the lock file is held.

// Steps of OpenBtFile, added: 32 open the lock file, 16 open the data file, 8 read
// it, 4 nothing, 2 close the data file, 1 close the lock file. In use: 59 (a read
// under the lock), 26 (a read by a caller that holds the lock), 32 (take the lock
// and keep it; the caller closes it with FClose).
namespace BtFlags {
inline constexpr int LockFile = 32, OpenData = 16, ReadData = 8, Nothing = 4, CloseData = 2, CloseLock = 1;
inline constexpr int LockedRead = 59, ReadHoldingLock = 26, TakeLock = 32;
}

// Kind of component file (for the texts only): 0 other, 1 internal, 2 external.
namespace BtKind {
inline constexpr int Other = 0, Internal = 1, External = 2;
}

// The lock handle of a read that goes without a lock: the lock file is missing
// and cannot be created, or cannot be opened, in a folder the user may only read
// (an external component file on a read-only share). FClose ignores it.
inline constexpr int NoLockHandle = 0;

// How long and how often a refused open is tried again. The pause is a
// second; tests shorten it. A run without a person to press cancel
// (batch) gives up after unattendedAttempts; a person can always cancel.
struct LockWait {
    int pauseMs = 1000;
    int unattendedAttempts = 30;
    int createAttempts = 3; // a lock file that cannot be created
    // Runs while waiting, from the fourth attempt on, so the cancel button of the
    // wait box works; receives the attempt number. Default: pending window events.
    std::function<void(int attempt)> pendingEvents;
};
LockWait& lockWait();

// Opens file (which: 32 the lock file, 16 a data file) and retries while it is
// refused; from the fourth attempt a wait box with a cancel button is shown.
// Returns the handle, -1 on failure or cancel, -75 when a read open was refused
// with error 75 (the caller may try share mode 4), NoLockHandle for a lock file
// that a reader cannot open or create.
int OpenFileRetry(int which, const QString& file, int access, int share, const QString& accessText,
                  const QString& fileText);

// A whole access step by step, by flags. The lock file is the trimmed directory
// & "\lockfile" (no lock with an empty directory). With whole set the whole data
// file is read into text; otherwise exactly as many characters as text holds. A
// minimum length above 0 fails the read of a shorter file (the minimum becomes -1).
bool OpenBtFile(int flags, QString& text, const QString& dataFile, const QString& directory, int kind, int access,
                int dataShare, int lockShare, bool whole, int& minLength, int& lockHandle, int& dataHandle);

// Shorthands for the common steps.
// A complete read under the shared lock (flags 59); text receives the whole file.
bool lockedReadWhole(const QString& dataFile, const QString& directory, int kind, QString& text, int minLength = 0);
// Takes the lock of directory exclusively for writing (flags 32) and finishes a
// change that a crash left half done there; -1 on failure.
int takeWriteLock(const QString& directory, int kind);
