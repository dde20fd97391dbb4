#include "common/testutil.h"
#include "component_file/btlock.h"
#include "component_file/dosfile.h"
#include "frame/program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <thread>

namespace {

class LockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lockWait() = LockWait{};
        lockWait().pauseMs = 1;
        sp.program().LangNr = 1;
        dir = tmp.path();
        data = dir + QStringLiteral("/data");
        testutil::writeFile(data, "0123456789");
    }
    void TearDown() override { lockWait() = LockWait{}; }

    bool read(int flags, QString& text, int& lock, int minimum = 0)
    {
        int handle = -1;
        return OpenBtFile(flags, text, data, dir, 1, 0, 2, 2, true, minimum, lock, handle);
    }

    QTemporaryDir tmp;
    testutil::ScriptedProgram sp;
    QString dir, data;
};

TEST_F(LockTest, FirstReaderCreatesTheLockFileAndReleasesTheLock)
{
    QString text;
    int lock = -1;
    ASSERT_TRUE(read(59, text, lock));
    EXPECT_EQ(text, QStringLiteral("0123456789"));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/lockfile")));
    // Released: a writer gets the lock at once.
    const int writer = takeWriteLock(dir, 1);
    EXPECT_GT(writer, 0);
    FClose(writer);
}

TEST_F(LockTest, ReadersShareTheLockAWriterExcludesThem)
{
    int lockA = -1, h = -1, m = 0;
    QString none;
    ASSERT_TRUE(OpenBtFile(32, none, QString(), dir, 1, 0, 2, 2, false, m, lockA, h));
    QString text;
    int lockB = -1;
    EXPECT_TRUE(read(59, text, lockB)) << "a second reader shares the lock";
    int calls = 0;
    lockWait().pendingEvents = [&](int) {
        ++calls;
        ui().infoBox().setBreak(true);
    };
    sp.ui().onUnexpected = nullptr;
    EXPECT_EQ(takeWriteLock(dir, 1), -1) << "a writer waits for the readers";
    EXPECT_EQ(calls, 1);
    FClose(lockA);
}

TEST_F(LockTest, ReaderBlockedByWriterSeesTheWaitBoxAtTheFourthAttemptAndCancels)
{
    const int writer = takeWriteLock(dir, 1);
    ASSERT_GT(writer, 0);
    QList<int> attempts;
    bool boxShownAtFirstCall = false;
    lockWait().pendingEvents = [&](int attempt) {
        if (attempts.isEmpty())
            boxShownAtFirstCall = sp.ui().headlessBox().visible && sp.ui().headlessBox().breakVisible;
        attempts << attempt;
        if (attempt == 6)
            ui().infoBox().setBreak(true);
    };
    QString text = QStringLiteral("keep");
    int lock = -1;
    EXPECT_FALSE(read(59, text, lock));
    EXPECT_EQ(lock, -1);
    ASSERT_FALSE(attempts.isEmpty());
    EXPECT_EQ(attempts.first(), 4);
    EXPECT_EQ(attempts.last(), 6);
    EXPECT_TRUE(boxShownAtFirstCall);
    EXPECT_EQ(sp.ui().beeps, 1);
    EXPECT_FALSE(sp.ui().headlessBox().visible) << "the wait box is closed";
    FClose(writer);
    // The cancelled reader left no lock behind.
    EXPECT_TRUE(read(59, text, lock));
}

TEST_F(LockTest, ARefusalThatEndsWithinThreeAttemptsShowsNoBox)
{
    // Another program holds the lock and lets go during the reader's second pause.
    testutil::writeFile(dir + QStringLiteral("/lockfile"), "");
    const int fd = ::open(QFile::encodeName(dir + QStringLiteral("/lockfile")).constData(), O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    int turns = 0;
    lockWait().pendingEvents = [&](int) { ++turns; };
    lockWait().pauseMs = 20;
    std::thread release([fd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        ::close(fd);
    });
    QString text;
    int lock = -1;
    EXPECT_TRUE(read(59, text, lock));
    release.join();
    EXPECT_EQ(turns, 0);
    EXPECT_EQ(sp.ui().beeps, 0);
}

TEST_F(LockTest, UnattendedRunGivesUpAfterBoundedAttempts)
{
    BatchInteraction batch;
    sp.program().ui = &batch;
    lockWait().unattendedAttempts = 6;
    int lastAttempt = 0;
    lockWait().pendingEvents = [&](int attempt) { lastAttempt = attempt; };
    const int writer = takeWriteLock(dir, 1);
    QString text;
    int lock = -1;
    EXPECT_FALSE(read(59, text, lock));
    EXPECT_EQ(lastAttempt, 6);
    ASSERT_FALSE(batch.logged.isEmpty());
    EXPECT_TRUE(batch.logged.last().startsWith(QStringLiteral("Meldung 155")));
    FClose(writer);
    sp.program().ui = &sp.ui();
}

TEST_F(LockTest, HoldingReadLeavesTheCallersLockAlone)
{
    const int writer = takeWriteLock(dir, 1);
    QString text;
    int lock = writer, handle = -1, m = 0;
    ASSERT_TRUE(OpenBtFile(26, text, data, dir, 1, 0, 0, 0, true, m, lock, handle));
    EXPECT_EQ(text, QStringLiteral("0123456789"));
    EXPECT_EQ(lock, writer);
    // Still held: another writer is refused.
    lockWait().pendingEvents = [](int) { ui().infoBox().setBreak(true); };
    sp.ui().onUnexpected = nullptr;
    EXPECT_EQ(takeWriteLock(dir, 1), -1);
    FClose(writer);
}

TEST_F(LockTest, MinimumLengthLargerThanTheFileFailsAndReleasesTheLock)
{
    QString text;
    int lock = -1;
    int minimum = 11;
    int handle = -1;
    EXPECT_FALSE(OpenBtFile(59, text, data, dir, 1, 0, 2, 2, true, minimum, lock, handle));
    EXPECT_EQ(minimum, -1);
    const int writer = takeWriteLock(dir, 1);
    EXPECT_GT(writer, 0);
    FClose(writer);
}

TEST_F(LockTest, PartialReadTakesAsManyCharactersAsTheTextHolds)
{
    QString text(4, u'x');
    int lock = -1, handle = -1, m = 0;
    ASSERT_TRUE(OpenBtFile(59, text, data, dir, 1, 0, 2, 2, false, m, lock, handle));
    EXPECT_EQ(text, QStringLiteral("0123"));
}

TEST_F(LockTest, MissingDataFileGivesMessage155AndReleasesTheLock)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("155"), Answer::button(1));
    QString text;
    int lock = -1, handle = -1, m = 0;
    EXPECT_FALSE(OpenBtFile(59, text, dir + QStringLiteral("/missing"), dir, 1, 0, 2, 2, true, m, lock, handle));
    EXPECT_TRUE(sp.ui().allUsed());
    const int writer = takeWriteLock(dir, 1);
    EXPECT_GT(writer, 0);
    FClose(writer);
}

// A lock file that cannot be created (here a link into a missing folder, as a
// read-only share behaves for everybody): a reader goes on without a lock after a
// bounded number of tries, a writer is refused.
TEST_F(LockTest, LockFileThatCannotBeCreatedIsReadWithoutLockAndRefusesAWriter)
{
    ASSERT_TRUE(QFile::link(dir + QStringLiteral("/nowhere/lockfile"), dir + QStringLiteral("/lockfile")));
    QString text;
    int lock = -1;
    EXPECT_TRUE(read(59, text, lock));
    EXPECT_EQ(text, QStringLiteral("0123456789"));
    EXPECT_EQ(lock, -1) << "nothing left to close";
    sp.ui().expect(QuestionKind::Message, QStringLiteral("155"), Answer::button(1));
    EXPECT_EQ(takeWriteLock(dir, 1), -1);
    EXPECT_TRUE(sp.ui().allUsed());
}

} // namespace
