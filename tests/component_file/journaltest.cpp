#include "compfilecheck.h"
#include "frame/workslots.h"
#include "compfilefixture.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/mixbt.h"
#include "frame/codepage.h"
#include "frame/restext.h"

#include <QDirIterator>
#include <map>

#include <functional>

namespace {

using testutil::readFile;

// Counts the flushes and lets a test look at the files at each of them, or make
// one of them fail.
class WatchedFlush : public DiskFlush {
public:
    bool flushFile(int) override
    {
        ++files;
        return true;
    }
    bool flushFileSystem(const QString&) override
    {
        ++fileSystems;
        if (onFlush)
            onFlush();
        return fileSystems != failAt;
    }
    int files = 0;
    int fileSystems = 0;
    int failAt = 0;
    std::function<void()> onFlush;
};

class JournalTest : public CompFileTest {
protected:
    void SetUp() override
    {
        CompFileTest::SetUp();
        previous = setDiskFlush(&flush);
        sp.program().WorkStr[Slot::ProgramDir] = tmp.path();
        batchBefore = mergeBatch();
        mergeBatch().millis = 600000; // batches by their number of records only
    }
    void TearDown() override
    {
        setDiskFlush(previous);
        mergeBatch() = batchBefore;
        CompFileTest::TearDown();
    }
    QString add(const QString& record)
    {
        QString a;
        int i = 0, s = 0, c = 0;
        QStringList r;
        return AddBt(a, i, s, record, r, c, true);
    }
    bool indexed(const QString& designation)
    {
        int n = 0;
        QString entry;
        EXPECT_TRUE(SuchInh(designation.leftJustified(18) + u'T', 2, n, entry, 1, 59));
        return n > 0;
    }
    int insertedLines()
    {
        const QString prefix = ResText(QStringLiteral("512"), 1, true, {QString()});
        int n = 0;
        for (const QByteArray& line : readFile(tmp.filePath(QStringLiteral("tp2/MixBT.log"))).split('\n'))
            if (QString::fromLatin1(line).startsWith(prefix))
                ++n;
        return n;
    }
    QString mergeFile(int records)
    {
        QByteArray text;
        for (int i = 0; i < records; ++i)
            text += QStringLiteral("Typ=M%1,An=U%1,Q,Bac=4111,Tec=01").arg(i, 3, 10, QChar(u'0')).toLatin1() + "\r\n";
        testutil::writeFile(tmp.filePath(QStringLiteral("merge.txt")), text);
        return tmp.filePath(QStringLiteral("merge.txt"));
    }

    WatchedFlush flush;
    DiskFlush* previous = nullptr;
    MergeBatch batchBefore;
};

TEST_F(JournalTest, ASingleAddIsOneChangeMadeDurableBeforeItIsReported)
{
    flush.onFlush = [&] {
        // At the first flush the new contents lie beside their targets, named
        // in the journal; nothing is in place yet.
        if (flush.fileSystems == 1) {
            const QByteArray journal = readFile(path(QStringLiteral("journal")));
            EXPECT_TRUE(journal.contains("\tb4/10/00\tb4/10/00.jnew\t")) << journal.toStdString();
            EXPECT_TRUE(journal.contains("W\ti/00/00\t")) << "the leaf page";
            EXPECT_TRUE(QFile::exists(path(QStringLiteral("b4/10/00.jnew"))));
            EXPECT_FALSE(QFile::exists(path(QStringLiteral("b4/10/00"))));
        }
    };
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(flush.fileSystems, 2) << "durable, then its renames durable before the journal goes";
    EXPECT_EQ(flush.files, 0);
    EXPECT_TRUE(indexed(QStringLiteral("R1")));
    EXPECT_EQ(checkComponentFile(bin), QStringList());
}

TEST_F(JournalTest, AChangeThatCannotBeMadeDurableIsNotReportedAndLeavesNothing)
{
    const QByteArray leaf = readFile(path(QStringLiteral("i/00/00")));
    const QByteArray abi = readFile(path(QStringLiteral("abi")));
    flush.failAt = 1;
    EXPECT_EQ(add(QStringLiteral("Typ=R1,Q,Bac=4111")), QStringLiteral("no"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b4/10/00"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("journal"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b4/10/00.jnew"))));
    EXPECT_EQ(readFile(path(QStringLiteral("i/00/00"))), leaf);
    EXPECT_EQ(readFile(path(QStringLiteral("abi"))), abi);
    EXPECT_FALSE(indexed(QStringLiteral("R1")));
    // The writer's page cache holds no trace of the dropped change either.
    EXPECT_EQ(add(QStringLiteral("Typ=R2,Q,Bac=4111")), QStringLiteral("ok"));
    EXPECT_EQ(checkComponentFile(bin), QStringList());
}

TEST_F(JournalTest, AMergeReportsARecordOnlyWhenItsBatchIsDurable)
{
    mergeBatch().records = 80;
    std::vector<int> reportedAtFlush;
    flush.onFlush = [&] { reportedAtFlush.push_back(insertedLines()); };
    MixBt(QStringLiteral("be.mixbl"), mergeFile(200), QString());
    // Three batches (80, 80, 40), each durable with its first flush.
    EXPECT_EQ(reportedAtFlush, (std::vector<int>{0, 0, 80, 80, 160, 160}));
    EXPECT_EQ(insertedLines(), 200);
    EXPECT_EQ(allRecords(bin).size(), 200);
    EXPECT_EQ(checkComponentFile(bin), QStringList());
}

// A merge closes a change when what it stages reaches the bound, whatever the
// number of records or the time: the bytes of each change (the sizes its
// journal names) reach the bound, and pass it by no more than one record's
// step stages (a block, a split's pages, the header).
TEST_F(JournalTest, AMergeClosesAChangeWhenItsStagedBytesReachTheBound)
{
    mergeBatch().millis = 0;
    mergeBatch().records = 0;
    const qint64 bound = 20000;
    mergeBatch().bytes = bound;
    std::vector<qint64> changeBytes;
    flush.onFlush = [&] {
        if (flush.fileSystems % 2 == 0)
            return; // the second flush of a change
        qint64 bytes = 0;
        for (const QByteArray& line : readFile(path(QStringLiteral("journal"))).split('\n')) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() == 5 && f[0] == "W")
                bytes += f[3].toLongLong();
        }
        changeBytes.push_back(bytes);
    };
    MixBt(QStringLiteral("be.mixbl"), mergeFile(1000), QString());
    ASSERT_GE(changeBytes.size(), 2u);
    // One record's step stages at most a whole block, the pages on its path and the header.
    const qint64 step = BlockLimit + 3 * 2400 + 1000;
    for (size_t i = 0; i < changeBytes.size(); ++i) {
        if (i + 1 < changeBytes.size()) {
            EXPECT_GE(changeBytes[i], bound) << "change " << i;
        }
        EXPECT_LT(changeBytes[i], bound + step) << "change " << i;
    }
    EXPECT_EQ(insertedLines(), 1000);
    EXPECT_EQ(allRecords(bin).size(), 1000);
    EXPECT_EQ(checkComponentFile(bin), QStringList());

    // Under the merge's own bound these records are one change.
    mergeBatch() = MergeBatch{};
    const int before = flush.fileSystems;
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("Typ=N%1,Q,Bac=4111").arg(i, 3, 10, QChar(u'0')).toLatin1() + "\r\n";
    testutil::writeFile(tmp.filePath(QStringLiteral("more.txt")), text);
    MixBt(QStringLiteral("be.mixbl"), tmp.filePath(QStringLiteral("more.txt")), QString());
    EXPECT_EQ(flush.fileSystems - before, 2);
    EXPECT_EQ(allRecords(bin).size(), 1300);
}

TEST_F(JournalTest, ABatchThatCannotBeMadeDurableReportsItsRecordsNotInserted)
{
    mergeBatch().records = 80;
    flush.failAt = 3; // the durable point of the second batch
    MixBt(QStringLiteral("be.mixbl"), mergeFile(200), QString());
    EXPECT_EQ(insertedLines(), 120);
    const QByteArray log = readFile(tmp.filePath(QStringLiteral("tp2/MixBT.log")));
    EXPECT_TRUE(log.contains("Nicht eingef\xfcgt (no):   Typ=M080,An=U080,Q,Bac=4111,Tec=01\r\n"));
    EXPECT_TRUE(log.contains("Nicht eingef\xfcgt (no):   Typ=M159,An=U159,Q,Bac=4111,Tec=01\r\n"));
    const QStringList records = allRecords(bin);
    EXPECT_EQ(records.size(), 120);
    EXPECT_TRUE(records.contains(QStringLiteral("Typ=M079,An=U079,Q,Bac=4111,Tec=01")));
    EXPECT_FALSE(records.contains(QStringLiteral("Typ=M080,An=U080,Q,Bac=4111,Tec=01")));
    EXPECT_TRUE(records.contains(QStringLiteral("Typ=M160,An=U160,Q,Bac=4111,Tec=01")));
    EXPECT_EQ(checkComponentFile(bin), QStringList());
}

// Every file of a component file folder by its relative path (the lock file and
// the repair log are no content).
std::map<QString, QByteArray> folderContents(const QString& dir)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString f = it.next();
        const QString rel = f.mid(dir.size() + 1);
        if (rel != QLatin1String("lockfile") && rel != QLatin1String("journal.log"))
            files[rel] = readFile(f);
    }
    return files;
}

// A merge keeps the blocks and index pages of its batch in memory and writes them
// at the end of the batch; the files must come out exactly as from the same
// records added one by one, splits, duplicates and refused records included.
TEST_F(JournalTest, AMergeBatchWritesTheSameFilesAsTheSameRecordsAddedOneByOne)
{
    mergeBatch().records = 150;
    QStringList records;
    for (int i = 0; i < 400; ++i) {
        const int n = (i * 7919) % 400; // scattered, so that pages split all over
        records << QStringLiteral("Typ=S%1,An=A%1,Q,Bac=4111,Tec=01,Be=Kondensator 10 \u00b5F \u20ac %2")
                       .arg(n, 3, 10, QChar(u'0'))
                       .arg(QString(n % 50, u'x'));
    }
    records.insert(37, records[12]);                                   // a duplicate
    records.insert(90, QStringLiteral("Typ=S090B,An=A012,Q,Bac=4111"));  // a duplicate designation
    records.insert(200, QStringLiteral("Typ=Bad1,Q,Bac=0911"));         // no valid group
    sp.ui().always(QuestionKind::Message, QStringLiteral("btgroup"), Answer{});
    sp.ui().always(QuestionKind::Message, QStringLiteral("mixbt"), Answer{});
    QByteArray text;
    for (const QString& r : std::as_const(records))
        text += toAnsi(r) + "\r\n";
    testutil::writeFile(tmp.filePath(QStringLiteral("merge.txt")), text);
    MixBt(QStringLiteral("be.mixbl"), tmp.filePath(QStringLiteral("merge.txt")), QString());
    EXPECT_EQ(checkComponentFile(bin), QStringList());
    EXPECT_EQ(allRecords(bin).size(), 400);

    const QString single = tmp.filePath(QStringLiteral("single"));
    QDir().mkpath(single);
    sp.program().Cf = QStringLiteral("L=1,Tp1=tp1,Tp2=tp2,Bin=") + single + QStringLiteral(",G11=1,G12=1,G41=1");
    QString header;
    ASSERT_TRUE(InitInh(single, header));
    ASSERT_TRUE(InitBtDatei());
    int stored = 0;
    for (const QString& r : std::as_const(records))
        if (add(r) == QLatin1String("ok"))
            ++stored;
    EXPECT_EQ(stored, 400);

    const auto merged = folderContents(bin);
    const auto added = folderContents(single);
    EXPECT_GT(merged.size(), 10u) << "pages split";
    EXPECT_EQ(merged.size(), added.size());
    for (const auto& [file, bytes] : added) {
        const auto it = merged.find(file);
        if (it == merged.end()) {
            ADD_FAILURE() << "missing after the merge: " << file.toStdString();
        } else {
            EXPECT_EQ(it->second, bytes) << file.toStdString();
        }
    }
}

// Within a change, staged text reads back as its bytes will: characters without
// a byte of their own come back as they would from the disk.
TEST_F(JournalTest, StagedTextReadsBackAsItsBytesWill)
{
    const struct {
        const char16_t* text;
        QByteArray bytes;
    } cases[] = {
        {u"Typ=R1,Q", "Typ=R1,Q"},
        {u"\u00e4\u00f6\u00fc \u00b5 \u20ac", "\xe4\xf6\xfc \xb5 \x80"},
        {u"a\u0080b", "a\x80" "b"},     // a control code that the code page gives another meaning
        {u"x\u4e2dy\u0081", "x?y\x81"}, // no byte at all; an undefined code stays
        // The same inside longer texts, at each place of a group of four characters.
        {u"Kondensator \u0080 10 \u00b5F", "Kondensator \x80 10 \xb5" "F"},
        {u"abcde\u009cfgh\u00fe\u00fe", "abcde\x9c" "fgh\xfe\xfe"},
        {u"abcdef\u4e2dghij", "abcdef?ghij"},
        {u"abcdefg\u009fhijkl", "abcdefg\x9fhijkl"},
    };
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("b4/10/00"));
        openChange(bin);
        const int mark = changeMark();
        stageText(file, QString::fromUtf16(c.text));
        const QString* seen = unitText(file);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(*seen, fromAnsi(c.bytes));
        qint64 length = 0;
        EXPECT_TRUE(unitLength(file, length));
        EXPECT_EQ(length, c.bytes.size());
        stageText(file, QStringLiteral("later"));
        rollbackChange(mark + 1);
        EXPECT_EQ(*unitText(file), fromAnsi(c.bytes)) << "a rolled back write is gone";
        EXPECT_TRUE(commitChange());
        EXPECT_EQ(readFile(file), c.bytes);
    }
}

// The checker of the crash tests finds each kind of damage it is there for.
struct Damage {
    const char* name;
    std::function<void(const QString& bin)> apply;
    const char* problem;
};

class CheckerTable : public CompFileTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(CheckerTable, FindsTheDamage)
{
    for (int i = 0; i < 120; ++i) {
        QString a;
        int k = 0, s = 0, c = 0;
        QStringList r;
        ASSERT_EQ(AddBt(a, k, s, QStringLiteral("Typ=D%1,Q,Bac=4111").arg(i, 3, 10, QChar(u'0')), r, c, true),
                  QStringLiteral("ok"));
    }
    ASSERT_EQ(checkComponentFile(bin), QStringList());
    GetParam().apply(bin);
    const QStringList problems = checkComponentFile(bin);
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_TRUE(problems.join(u'\n').contains(QLatin1String(GetParam().problem))) << problems.join(u'\n').toStdString();
}

void patch(const QString& file, qsizetype at, const QByteArray& bytes)
{
    QByteArray b = readFile(file);
    b.replace(at, bytes.size(), bytes);
    testutil::writeFile(file, b);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, CheckerTable,
    ::testing::Values(
        Damage{"RecordWithoutIndexEntry",
               [](const QString& bin) {
                   QByteArray b = readFile(bin + "/b4/10/00");
                   b.insert(0, "Typ=LOST,Q,Bac=4111\r\n");
                   testutil::writeFile(bin + "/b4/10/00", b);
               },
               "record not in the index"},
        Damage{"RecordStoredTwice",
               [](const QString& bin) {
                   QByteArray b = readFile(bin + "/b4/10/00");
                   b.insert(0, "Typ=D005,Q,Bac=4111\r\n");
                   testutil::writeFile(bin + "/b4/10/00", b);
               },
               "stored in more than one record"},
        Damage{"EntryPointingAtAnotherBlock", [](const QString& bin) { patch(bin + "/i/00/00", 19, "41001"); },
               "is indexed as 41001"},
        Damage{"EntriesOutOfOrder", [](const QString& bin) { patch(bin + "/i/00/00", 0, "D999"); }, "out of order"},
        Damage{"LeafCounterBelowItsPages",
               [](const QString& bin) {
                   QByteArray abi = readFile(bin + "/abi");
                   abi.replace("Ib=0001", "Ib=0000");
                   testutil::writeFile(bin + "/abi", abi);
               },
               "beyond the header's counter"},
        Damage{"HalfDoneChange", [](const QString& bin) { testutil::writeFile(bin + "/journal", "x"); },
               "a journal is left"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
