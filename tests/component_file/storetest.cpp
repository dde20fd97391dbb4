#include "common/testutil.h"
#include "frame/workslots.h"
#include "compfilefixture.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/btsuch.h"
#include "component_file/dosfile.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/paramstring.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

namespace {

using testutil::readFile;

class StoreTest : public CompFileTest {
protected:
    QString add(const QString& record, bool quiet = false)
    {
        address.clear();
        index = 0;
        return AddBt(address, index, source, record, records, count, quiet);
    }
    QString change(const QString& block, int at, const QString& record)
    {
        address = block;
        index = at;
        return AddBt(address, index, source, record, records, count, false);
    }
    int indexed(const QString& designation, char kind, QString* block = nullptr)
    {
        int n = 0;
        QString entry;
        EXPECT_TRUE(SuchInh(designation.leftJustified(18) + QChar(kind), 2, n, entry, 1, 59));
        if (block && n > 0)
            *block = entry.right(5);
        return n;
    }
    QByteArray block(const QString& a) { return readFile(QString(blockFilePath(bin, a)).replace(u'\\', u'/')); }

    QString address;
    int index = 0, source = 0, count = 0;
    QStringList records;
};

TEST_F(StoreTest, AddWritesBlockIndexAndOutputs)
{
    EXPECT_EQ(add(QStringLiteral("  Typ=R1,An=U1,Q,Bac=4111,Tec=01  ")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("41000"));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(source, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(records[1], QStringLiteral("Typ=R1,An=U1,Q,Bac=4111,Tec=01"));
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,An=U1,Q,Bac=4111,Tec=01\r\n\r\n"));
    QString where;
    EXPECT_GT(indexed("R1", 'T', &where), 0);
    EXPECT_EQ(where, QStringLiteral("41000"));
    EXPECT_GT(indexed("U1", 'A'), 0);

    EXPECT_EQ(add(QStringLiteral("Typ=R2,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,An=U1,Q,Bac=4111,Tec=01\r\nTyp=R2,Q,Bac=4111\r\n\r\n"));
}

TEST_F(StoreTest, GroupMissingInTheHeaderIsAppendedWithBlockZero)
{
    EXPECT_EQ(add(QStringLiteral("Typ=D1,Q,Bac=1311")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("13000"));
    EXPECT_EQ(header(), QStringLiteral("Ss=00,Ib=0000,11=000,12=000,41=000,13=000"));
}

TEST_F(StoreTest, FullBlockSendsTheRecordToTheNextBlock)
{
    // 12,790 characters in block 41000: a record of 10 or more does not fit.
    const QString filler = QStringLiteral("Typ=F,Q,Bac=4111,B,") + QString(12790 - 23, u'x');
    testutil::writeFile(QString(blockFilePath(bin, "41000")).replace(u'\\', u'/'), (filler + "\r\n\r\n").toLatin1());
    EXPECT_EQ(add(QStringLiteral("Typ=R9,Q,Bac=41")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("41001"));
    EXPECT_EQ(GetParam(header(), QStringLiteral("41")), QStringLiteral("001"));
    EXPECT_EQ(block("41001"), QByteArray("Typ=R9,Q,Bac=41\r\n\r\n"));
    // A short record still fits the old block, but additions only go forward.
    EXPECT_EQ(add(QStringLiteral("Typ=R,Q,Bac=41")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("41001"));
}

TEST_F(StoreTest, NextBlockNumberX00GetsItsFolder)
{
    QString h = header();
    SetParam(h, QStringLiteral("41"), QStringLiteral("099"));
    ASSERT_TRUE(writeHeader(bin, h));
    testutil::writeFile(QString(blockFilePath(bin, "41099")).replace(u'\\', u'/'), QByteArray(12795, 'x'));
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("41100"));
    EXPECT_TRUE(QFileInfo::exists(path("b4/11/00")));
}

TEST_F(StoreTest, FullGroupIsReportedNotLoopedOver)
{
    QString h = header();
    SetParam(h, QStringLiteral("41"), QStringLiteral("999"));
    ASSERT_TRUE(writeHeader(bin, h));
    testutil::writeFile(QString(blockFilePath(bin, "41999")).replace(u'\\', u'/'), QByteArray(12795, 'x'));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btgroupfull"), Answer::button(1));
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("no"));
    EXPECT_LT(indexed("R1", 'T'), 0);
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(StoreTest, DuplicateIsRefusedWithMessage92OrQuietly)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    const QByteArray leaf = readFile(path("i/00/00"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("92"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("'R1                T'  in  B41000"))) << q.text.toStdString();
        return Answer::button(1);
    });
    EXPECT_EQ(add(QStringLiteral("Typ=X,An=Y,Typ=R1,Q,Bac=1211")), QStringLiteral("dop"));
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=1211"), true), QStringLiteral("dop"));
    EXPECT_FALSE(QFileInfo::exists(path("b1/20/00")));
    EXPECT_EQ(readFile(path("i/00/00")), leaf);
    EXPECT_LT(indexed("X", 'T'), 0);
}

TEST_F(StoreTest, DesignationOfTheExternalFileOnlyIsNoDuplicate)
{
    const QString ext = tmp.filePath(QStringLiteral("ext"));
    QDir().mkpath(ext);
    sp.program().BinDir = ext;
    QString h;
    ASSERT_TRUE(InitInh(ext, h));
    sp.program().SinDir.clear();
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    sp.program().Cf += QStringLiteral(",Bex=") + ext;
    ASSERT_TRUE(InitBtDatei());
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_TRUE(QFileInfo::exists(path("b4/10/00")));
}

TEST_F(StoreTest, PiIsStoredAsTheMarkerOnAddAndOnReplace)
{
    const QString pi(PiChar);
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111,") + pi + QStringLiteral("T=1")), QStringLiteral("ok"));
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,Q,Bac=4111,\xe3T=1\r\n\r\n"));
    ASSERT_EQ(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,") + pi + QStringLiteral("T=2")),
              QStringLiteral("ok"));
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,Q,Bac=4111,\xe3T=2\r\n\r\n"));
}

TEST_F(StoreTest, ReplaceWithTheSameDesignationsLeavesTheIndexAlone)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Yk=A1-B1-C1,Q,Bac=4111")), QStringLiteral("ok"));
    const QByteArray leaf = readFile(path("i/00/00"));
    EXPECT_EQ(change("41000", 1, QStringLiteral("Yk=A1-B1-C1,Typ=R1,Q,Bac=4112")), QStringLiteral("ok"));
    EXPECT_EQ(readFile(path("i/00/00")), leaf);
    EXPECT_EQ(block("41000"), QByteArray("Yk=A1-B1-C1,Typ=R1,Q,Bac=4112\r\n\r\n"));
}

TEST_F(StoreTest, ReplaceChangingATypeMovesItsKey)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,An=U1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(change("41000", 1, QStringLiteral("Typ=R2,An=U1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_LT(indexed("R1", 'T'), 0);
    QString where;
    EXPECT_GT(indexed("R2", 'T', &where), 0);
    EXPECT_EQ(where, QStringLiteral("41000"));
    EXPECT_GT(indexed("U1", 'A'), 0);
}

TEST_F(StoreTest, DeletingTheOnlyRecordDeletesBlockAndKeys)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,An=U1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(change("41000", 1, QString()), QStringLiteral("ok"));
    EXPECT_FALSE(QFileInfo::exists(path("b4/10/00")));
    EXPECT_LT(indexed("R1", 'T'), 0);
    EXPECT_LT(indexed("U1", 'A'), 0);
    EXPECT_EQ(count, 0);
    // The group's current block comes back with the next addition.
    EXPECT_EQ(add(QStringLiteral("Typ=R3,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(address, QStringLiteral("41000"));
}

TEST_F(StoreTest, NothingToDoGivesNo)
{
    EXPECT_EQ(add(QString()), QStringLiteral("no"));
    EXPECT_EQ(header(), QStringLiteral("Ss=00,Ib=0000,11=000,12=000,41=000"));
}

// Another user added a record to the block after this caller read it: the
// replacement is made in the block as it is now, and the other record stays.
TEST_F(StoreTest, ReplaceUsesTheBlockAsItIsUnderTheLock)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    QStringList mine = records;
    int mineCount = count;
    ASSERT_EQ(add(QStringLiteral("Typ=R2,Q,Bac=4111")), QStringLiteral("ok")); // the other user
    records = mine;
    count = mineCount;
    EXPECT_EQ(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,Tec=7")), QStringLiteral("ok"));
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,Q,Bac=4111,Tec=7\r\nTyp=R2,Q,Bac=4111\r\n\r\n"));
    EXPECT_EQ(count, 2);
}

TEST_F(StoreTest, ReplacingARecordThatAnotherUserChangedIsRefused)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    QStringList stale = records;
    ASSERT_EQ(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,Tec=1")), QStringLiteral("ok"));
    records = stale;
    count = 1;
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btchanged"), Answer::button(1));
    EXPECT_EQ(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,Tec=2")), QStringLiteral("no"));
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,Q,Bac=4111,Tec=1\r\n\r\n"));
}

TEST_F(StoreTest, AChangeBrokenOffByAnErrorLeavesNoUnitOpenAndTheLockFree)
{
    ASSERT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    QStringList stale = records;
    ASSERT_EQ(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,Tec=1")), QStringLiteral("ok"));
    records = stale;
    count = 1;
    // The message about the stale record comes while the file is locked.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btchanged"), [](const Question&) -> Answer {
        throw TarnError(QStringLiteral("the message failed"));
    });
    EXPECT_THROW(change("41000", 1, QStringLiteral("Typ=R1,Q,Bac=4111,Tec=2")), TarnError);
    EXPECT_FALSE(changeOpen());
    EXPECT_EQ(block("41000"), QByteArray("Typ=R1,Q,Bac=4111,Tec=1\r\n\r\n"));
    // The next change takes the lock and is stored.
    EXPECT_EQ(add(QStringLiteral("Typ=R2,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_GT(indexed("R2", 'T'), 0);
}

TEST_F(StoreTest, DesignationAboveTheFreeMarkerIsRefused)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btchar"), Answer::button(1));
    EXPECT_EQ(add(QStringLiteral("Typ=A") + QChar(0x2013) + QStringLiteral("B,Q,Bac=4111")), QStringLiteral("no"));
    EXPECT_FALSE(QFileInfo::exists(path("b4/10/00")));
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(StoreTest, RecordWithoutGroupIsRefused)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btgroup"), Answer::button(1));
    EXPECT_EQ(add(QStringLiteral("Typ=A,Q,Tec=1")), QStringLiteral("no"));
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(StoreTest, AddedRecordIsFoundByTheLookUp)
{
    ASSERT_EQ(add(QStringLiteral("Yk=K12345-B1234-C123,Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    sp.program().WorkStr[Slot::Ident] = QStringLiteral("Yk=k12345-b1234-c123");
    QString file, text, record;
    EXPECT_EQ(SuchBtTsa(0, file, text, record), 1);
    EXPECT_EQ(record, QStringLiteral("Yk=K12345-B1234-C123,Typ=R1,Q,Bac=4111"));
}

// Run by the test below in two processes of its own.
TEST(ConcurrentAdd, DISABLED_AddOneRecordWhenGoAppears)
{
    const QString dir = qEnvironmentVariable("TARN_TEST_DIR");
    ASSERT_FALSE(dir.isEmpty());
    ProgramScope scope;
    BatchInteraction batch;
    scope.program().ui = &batch;
    scope.program().Cf = QStringLiteral("Tp2=tp2,Bin=") + dir + QStringLiteral(",G41=1");
    lockWait().pauseMs = 10;
    lockWait().unattendedAttempts = 3000;
    ASSERT_TRUE(InitBtDatei());
    testutil::writeFile(dir + QStringLiteral("/ready.") + qEnvironmentVariable("TARN_TEST_ID"), "");
    while (!QFileInfo::exists(dir + QStringLiteral("/go")))
        QThread::usleep(200);
    QString address;
    int index = 0, source = 0, count = 0;
    QStringList records;
    const QString r = AddBt(address, index, source, QStringLiteral("Typ=SAME,Q,Bac=4111"), records, count, true);
    testutil::writeFile(dir + QStringLiteral("/result.") + qEnvironmentVariable("TARN_TEST_ID"), r.toLatin1());
}

TEST_F(StoreTest, TwoProcessesAddingTheSameDesignationGiveOneOkAndOneDop)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (const char* id : {"a", "b"}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = testutil::childTestEnvironment();
        env.insert("TARN_TEST_DIR", bin);
        env.insert("TARN_TEST_ID", id);
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests", "--gtest_filter=ConcurrentAdd.DISABLED_AddOneRecordWhenGoAppears"});
        children.push_back(std::move(p));
    }
    QDeadlineTimer ready(60000);
    while (!(QFileInfo::exists(path("ready.a")) && QFileInfo::exists(path("ready.b"))) && !ready.hasExpired())
        QThread::msleep(1);
    testutil::writeFile(path("go"), "");
    for (auto& p : children) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardOutput().toStdString();
    }
    QStringList results{QString::fromLatin1(readFile(path("result.a"))), QString::fromLatin1(readFile(path("result.b")))};
    results.sort();
    EXPECT_EQ(results, (QStringList{"dop", "ok"}));
    EXPECT_EQ(block("41000"), QByteArray("Typ=SAME,Q,Bac=4111\r\n\r\n"));
    EXPECT_GT(indexed("SAME", 'T'), 0);
}

} // namespace
