#pragma once
#include <QString>
#include <QStringList>

// The running copies of one installation share its work directories tp1 and tp2.
// Every copy holds a shared lock on "instance.lck" in the program directory for
// its lifetime. At start-up a copy that can take the lock exclusively is alone:
// it empties tp1 and tp2 (and removes the folders that copies which ended
// without cleaning up left there). A copy that finds another one running leaves
// tp1 and tp2 alone and works in folders of its own below them, which it removes
// at its end.
class InstanceLock {
public:
    // Takes the lock in the current directory (the program directory), empties
    // or creates the work folders. Throws TarnError when a work folder cannot be
    // emptied.
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The work directories of this copy, relative design paths: "tp1" and "tp2"
    // when it is alone, or folders of its own below them.
    QString tp1() const { return mTp1; }
    QString tp2() const { return mTp2; }
    bool alone() const { return mAlone; }

private:
    int mFd = -1;
    bool mAlone = true;
    QString mTp1, mTp2;
    QString mOwnFolder; // the name of the own folders below tp1 and tp2, or empty
    QStringList mOwnFolders; // their absolute paths
};

// Takes the hold of this running copy in the current directory (the program
// directory), replacing an earlier one; the Program keeps it (start-up's lasts
// until the program ends). Throws as the constructor.
const InstanceLock& claimWorkDirectories();
// The hold of this running copy, or null before start-up took it.
const InstanceLock* instanceLock();
