#include "common/testutil.h"
#include "frame/outputfiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <atomic>
#include <set>
#include <gtest/gtest.h>

namespace {

// The process id of a process that has ended.
qint64 endedProcess()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    EXPECT_TRUE(p.waitForStarted(10000));
    const qint64 pid = p.processId();
    EXPECT_TRUE(p.waitForFinished(10000));
    return pid;
}

TEST(OutputFiles, ANameIsTakenOnceAmongThreadsRacingForIt)
{
    QTemporaryDir dir;
    // Eight writers each take five names of one stem, all at the same time:
    // every name goes to exactly one of them.
    std::atomic<int> taken{0};
    std::vector<std::vector<QString>> names(8);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t t = 0; t < names.size(); ++t) {
        threads.push_back(std::unique_ptr<QThread>(QThread::create([&, t] {
            for (int k = 0; k < 100 && names[t].size() < 5; ++k) {
                const QString name = dir.filePath(QStringLiteral("A%1.slk").arg(k, 2, 10, QChar(u'0')));
                if (reserveFile(name)) {
                    names[t].push_back(name);
                    ++taken;
                }
            }
        })));
    }
    for (auto& t : threads)
        t->start();
    for (auto& t : threads)
        t->wait();
    std::set<QString> all;
    for (const auto& list : names)
        all.insert(list.begin(), list.end());
    EXPECT_EQ(taken.load(), 40);
    EXPECT_EQ(all.size(), 40u);
}

TEST(OutputFiles, ATakenNameSaysWhyOnlyWhenItCannotBeMade)
{
    QTemporaryDir dir;
    QString error = QStringLiteral("old");
    EXPECT_TRUE(reserveFile(dir.filePath(QStringLiteral("x.slk")), &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("x.slk"))).size(), 0);
    EXPECT_FALSE(reserveFile(dir.filePath(QStringLiteral("x.slk")), &error));
    EXPECT_TRUE(error.isEmpty()) << "an existing file is simply taken";
    EXPECT_FALSE(reserveFile(dir.filePath(QStringLiteral("missing/x.slk")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(OutputFiles, AReservationIsGivenBackOnlyWhileItIsEmpty)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("a.slk"));
    const QString written = dir.filePath(QStringLiteral("b.slk"));
    ASSERT_TRUE(reserveFile(empty));
    ASSERT_TRUE(reserveFile(written));
    testutil::writeFile(written, "E\r\n");
    releaseReservedFile(empty);
    releaseReservedFile(written);
    EXPECT_FALSE(QFile::exists(empty));
    EXPECT_TRUE(QFile::exists(written));
}

TEST(OutputFiles, AFileAppearsWholeOnCommitAndNotAtAllWithout)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("r.slk"));
    ASSERT_TRUE(reserveFile(target));
    {
        OutputFile out(target);
        ASSERT_TRUE(out.open());
        ASSERT_TRUE(out.write(QByteArray(100000, 'x')));
        // Nothing under the final name while it is written, and the temporary
        // file is hidden and carries this process.
        EXPECT_EQ(QFileInfo(target).size(), 0);
        const QStringList parts = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        ASSERT_EQ(parts.filter(QStringLiteral(".part")).size(), 1) << parts.join(' ').toStdString();
        const QString part = parts.filter(QStringLiteral(".part")).first();
        EXPECT_TRUE(part.startsWith(QStringLiteral(".r.slk.") + QString::number(QCoreApplication::applicationPid()) + u'-'))
            << part.toStdString();
        ASSERT_TRUE(out.commit());
    }
    EXPECT_EQ(testutil::readFile(target), QByteArray(100000, 'x'));
    {
        OutputFile dropped(dir.filePath(QStringLiteral("d.slk")));
        ASSERT_TRUE(dropped.open());
        dropped.write("half");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("r.slk")});
}

TEST(OutputFiles, TemporaryFilesOfEndedWritersGoAndThoseOfRunningOnesStay)
{
    QTemporaryDir dir;
    const qint64 ended = endedProcess();
    ASSERT_GT(ended, 0);
    const qint64 running = QCoreApplication::applicationPid();
    struct Row {
        QString name;
        bool stays;
        bool old;
    };
    const std::vector<Row> rows{
        {QStringLiteral(".A0000100.slk.%1-0a1b2c3d.part").arg(ended), false, false},
        {QStringLiteral(".TARN_20240307_100000.pdf.%1-00000001.part").arg(ended), false, false},
        {QStringLiteral(".A0000101.slk.%1-0a1b2c3d.part").arg(running), true, true},
        // Names without a writer are judged by their age.
        {QStringLiteral(".A0000102.pdf.part"), false, true},
        {QStringLiteral(".A0000103.pdf.part"), true, false},
        // Files that are no temporary files of the program.
        {QStringLiteral("A0000104.slk"), true, true},
        {QStringLiteral(".hidden.txt"), true, true},
    };
    for (const Row& r : rows) {
        testutil::writeFile(dir.filePath(r.name), "x");
        if (r.old) {
            QFile f(dir.filePath(r.name));
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        }
    }
    removeStalePartFiles(dir.path());
    for (const Row& r : rows)
        EXPECT_EQ(QFile::exists(dir.filePath(r.name)), r.stays) << r.name.toStdString();
}

} // namespace
