#include "compfilefixture.h"
#include "component_file/btinh.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "frame/markers.h"
#include "frame/paramstring.h"

#include <QRandomGenerator>
#include <set>

namespace {

using testutil::readFile;

QByteArray fixture(const QString& rel)
{
    return readFile(testutil::fixturesDir() + QStringLiteral("/component_file/") + rel);
}

QString typeKey(const QString& t)
{
    return t.leftJustified(18, u' ') + u'T';
}

class IndexTest : public CompFileTest {
protected:
    void SetUp() override
    {
        CompFileTest::SetUp();
        lock = takeWriteLock(bin, 1);
        ASSERT_GT(lock, 0);
    }
    void TearDown() override
    {
        FClose(lock);
        CompFileTest::TearDown();
    }
    bool insert(const QString& key, const QString& block, int& n)
    {
        QString found;
        return InsInh(key + block, n, found);
    }
    int find(const QString& key, QString& entry, int kind = 1)
    {
        int n = 0;
        EXPECT_TRUE(SuchInh(key, 2, n, entry, kind, 26));
        return n;
    }
    int lock = -1;
};

TEST_F(IndexTest, FreshIndexIsWrittenByteForByte)
{
    EXPECT_EQ(readFile(path("abi")), fixture("fresh_index/abi"));
    EXPECT_EQ(readFile(path("i/hi")), fixture("fresh_index/hi"));
    EXPECT_EQ(readFile(path("i/ss/00")), fixture("fresh_index/ss00"));
    EXPECT_EQ(readFile(path("i/00/00")), fixture("fresh_index/leaf0000"));
}

TEST_F(IndexTest, FreshHeaderWithoutGroupKeys)
{
    sp.program().Cf = QStringLiteral("Bin=") + bin;
    EXPECT_EQ(freshHeader(), QStringLiteral("Ss=00,Ib=0000"));
}

TEST_F(IndexTest, InitInhReplacesAnOldIndex)
{
    int n = 0;
    ASSERT_TRUE(insert(typeKey("OLD"), "11000", n));
    QDir().mkpath(path("i/07"));
    testutil::writeFile(path("i/07/00"), "stale");
    QString header;
    ASSERT_TRUE(InitInh(bin, header));
    EXPECT_FALSE(QFileInfo::exists(path("i/07")));
    EXPECT_EQ(readFile(path("i/00/00")), fixture("fresh_index/leaf0000"));
    QString entry;
    EXPECT_LT(find(typeKey("OLD"), entry), 0);
}

TEST_F(IndexTest, DirListOfTheIndexFolderNamesPageFoldersNotPages)
{
    QStringList list{QStringLiteral("keep")};
    int count = -1;
    DirList(bin + QStringLiteral("\\i"), QStringLiteral("Dir"), list, count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(list.mid(1), (QStringList{"00", "ss"}));
    DirList(bin + QStringLiteral("\\i"), QStringLiteral("File"), list, count);
    EXPECT_EQ(list.mid(1), (QStringList{"hi"}));
    DirList(bin + QStringLiteral("\\nowhere"), QStringLiteral("Dir"), list, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(list.mid(1), (QStringList{"hi"})) << "a missing folder leaves the list alone";
}

TEST_F(IndexTest, SearchInAFreshIndexFindsTheFreeEntryOfLeafZero)
{
    QString entry;
    int n = 0;
    ASSERT_TRUE(SuchInh(typeKey("ANY"), 0, n, entry, 1, 26));
    EXPECT_EQ(n, -1);
    EXPECT_EQ(entry, QString(19, EndeZeichen) + QStringLiteral("00000"));
    EXPECT_EQ(find(typeKey("ANY"), entry), -1);
    EXPECT_EQ(entry, QString(24, EndeZeichen));
}

TEST_F(IndexTest, HundredthInsertSplitsFiftyFiftyAsDesigned)
{
    // Inserted from the highest down, so every insert goes to the front.
    for (int i = 99; i >= 0; --i) {
        int n = 0;
        ASSERT_TRUE(insert(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), "11000", n)) << i;
        ASSERT_LT(n, 0);
    }
    EXPECT_EQ(readFile(path("i/00/00")), fixture("split_at_100/leaf0000"));
    EXPECT_EQ(readFile(path("i/00/01")), fixture("split_at_100/leaf0001"));
    EXPECT_EQ(readFile(path("i/ss/00")), fixture("split_at_100/ss00"));
    EXPECT_EQ(readFile(path("i/hi")), fixture("split_at_100/hi"));
    EXPECT_EQ(readFile(path("abi")), fixture("split_at_100/abi"));
}

TEST_F(IndexTest, KeyIndexedAlreadyChangesNothing)
{
    int n = 0;
    ASSERT_TRUE(insert(typeKey("A"), "11000", n));
    const QByteArray before = readFile(path("i/00/00"));
    QString found;
    EXPECT_FALSE(InsInh(typeKey("A") + "12000", n, found));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(found, typeKey("A") + "11000");
    EXPECT_EQ(readFile(path("i/00/00")), before);
}

TEST_F(IndexTest, KeyEqualToAnUpperEntryDescendsIntoThatChild)
{
    for (int i = 0; i < 100; ++i) {
        int n = 0;
        ASSERT_TRUE(insert(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), "11000", n));
    }
    // T049 is the highest key of the new page 0001 and the key of its upper entry.
    QString entry;
    int n = 0;
    ASSERT_TRUE(SuchInh(typeKey("T049"), 1, n, entry, 1, 26));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(entry.right(5), QStringLiteral("00001"));
    EXPECT_GT(find(typeKey("T049"), entry), 0);
    EXPECT_EQ(entry, typeKey("T049") + "11000");
}

TEST_F(IndexTest, RemovingTheHighestKeyKeepsTheUpperEntryForLaterKeys)
{
    for (int i = 0; i < 100; ++i) {
        int n = 0;
        ASSERT_TRUE(insert(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), "11000", n));
    }
    bool removed = false;
    ASSERT_TRUE(EntfInh(typeKey("T049"), &removed));
    EXPECT_TRUE(removed);
    QString entry;
    EXPECT_LT(find(typeKey("T049"), entry), 0);
    // Re-inserted, it goes back to page 0001, whose upper entry still names it.
    int n = 0;
    ASSERT_TRUE(insert(typeKey("T049"), "12000", n));
    EXPECT_EQ(sp.program().IbDateiInt.right(5), QStringLiteral("00\\01"));
}

TEST_F(IndexTest, SplitNeedingPageNumber100CreatesItsFolder)
{
    QString h = header();
    SetParam(h, QStringLiteral("Ib"), QStringLiteral("0099"));
    ASSERT_TRUE(writeHeader(bin, h));
    for (int i = 0; i < 100; ++i) {
        int n = 0;
        ASSERT_TRUE(insert(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), "11000", n));
    }
    EXPECT_EQ(readFile(path("i/01/00")), fixture("split_at_100/leaf0001"));
    EXPECT_EQ(GetParam(header(), QStringLiteral("Ib")), QStringLiteral("0100"));
}

TEST_F(IndexTest, SurplusPageStopsTheSplitAndLosesNoEntry)
{
    for (int i = 0; i < 99; ++i) {
        int n = 0;
        ASSERT_TRUE(insert(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), "11000", n));
    }
    const QByteArray leaf = readFile(path("i/00/00"));
    testutil::writeFile(path("i/00/01"), "surplus");
    sp.ui().expect(QuestionKind::Message, QStringLiteral("84"), Answer::button(1));
    int n = 0;
    EXPECT_FALSE(insert(typeKey("T099"), "11000", n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(readFile(path("i/00/00")), leaf) << "the old page is untouched";
    EXPECT_EQ(header(), QString::fromLatin1(fixture("fresh_index/abi")));
    QString entry;
    for (int i = 0; i < 99; ++i)
        EXPECT_GT(find(typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))), entry), 0);
}

TEST_F(IndexTest, FullLeafPageIsRefusedBeforeTheInsert)
{
    // A page left full (100 entries) by an earlier failed split.
    QString page;
    for (int i = 0; i < 100; ++i)
        page += typeKey(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0'))) + "11000";
    testutil::writeFile(path("i/00/00"), page.toLatin1());
    forgetCachedPages(1);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("82"), Answer::button(1));
    int n = 0;
    EXPECT_FALSE(insert(typeKey("T0505"), "11000", n));
    EXPECT_EQ(readFile(path("i/00/00")), page.toLatin1());
}

TEST_F(IndexTest, KeyAboveTheFreeMarkerIsNotInserted)
{
    int n = 0;
    EXPECT_FALSE(insert(typeKey(QStringLiteral("A") + QChar(0x20AC)), "11000", n));
    EXPECT_EQ(readFile(path("i/00/00")), fixture("fresh_index/leaf0000"));
}

struct PageRow {
    const char* name;
    int used;     // entries K000.. in the page
    QString key;
    int n;
};
void PrintTo(const PageRow& r, std::ostream* os) { *os << r.name; }
class SearchPageTable : public ::testing::TestWithParam<PageRow> {};

TEST_P(SearchPageTable, FindsPositionOrInsertPosition)
{
    const PageRow& row = GetParam();
    QString page;
    for (int i = 0; i < row.used; ++i)
        page += QStringLiteral("K%1").arg(i * 2, 3, 10, QChar(u'0')).leftJustified(18) + u'T' + "11000";
    page += QString(2400 - page.size(), EndeZeichen);
    QString entry;
    EXPECT_EQ(searchPage(page, row.key, entry), row.n);
    if (row.n != 0)
        EXPECT_EQ(entry, page.mid((std::abs(row.n) - 1) * 24, 24));
    else
        EXPECT_TRUE(entry.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchPageTable,
    ::testing::Values(PageRow{"emptyPage", 0, QStringLiteral("K000").leftJustified(18) + u'T', -1},
                      PageRow{"first", 10, QStringLiteral("K000").leftJustified(18) + u'T', 1},
                      PageRow{"last", 100, QStringLiteral("K198").leftJustified(18) + u'T', 100},
                      PageRow{"between", 10, QStringLiteral("K003").leftJustified(18) + u'T', -3},
                      PageRow{"prefixMatches", 10, QStringLiteral("K004"), 3},
                      PageRow{"behindFullPage", 100, QStringLiteral("K999").leftJustified(18) + u'T', 0},
                      PageRow{"caseIsBinary", 10, QStringLiteral("k000").leftJustified(18) + u'T', -11}),
    [](const auto& i) { return std::string(i.param.name); });

// Many random designations: every one is found, every page stays sorted, the
// header counters name the last pages; removing half keeps the rest findable.
TEST_F(IndexTest, RandomDesignationsStayFindableAndSorted)
{
    QRandomGenerator rng(4711);
    std::set<QString> keys;
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-/. abcxyz");
    while (keys.size() < 20000) {
        QString d;
        const int len = 1 + int(rng.bounded(18));
        for (int i = 0; i < len; ++i)
            d += alphabet[int(rng.bounded(int(alphabet.size())))];
        d = d.trimmed();
        if (d.isEmpty())
            continue;
        const char kinds[] = {'T', 'S', 'A'};
        keys.insert(d.leftJustified(18) + QChar(kinds[rng.bounded(3)]));
    }
    std::vector<QString> order(keys.begin(), keys.end());
    std::shuffle(order.begin(), order.end(), std::mt19937(17));
    for (const QString& k : order) {
        int n = 0;
        ASSERT_TRUE(insert(k, "11000", n)) << k.toStdString();
    }
    for (const QString& k : order) {
        QString entry;
        ASSERT_GT(find(k, entry), 0) << k.toStdString();
    }

    // Pages on disk: sorted, no key twice, every leaf key in a leaf.
    const QString h = header();
    const int lastLeaf = GetParam(h, QStringLiteral("Ib")).toInt();
    const int lastSs = GetParam(h, QStringLiteral("Ss")).toInt();
    EXPECT_GT(lastLeaf, 200);
    EXPECT_GT(lastSs, 0);
    size_t leafEntries = 0;
    for (int leaf = 0; leaf <= lastLeaf; ++leaf) {
        const QString p = QStringLiteral("i/%1/%2").arg(leaf / 100, 2, 10, QChar(u'0')).arg(leaf % 100, 2, 10, QChar(u'0'));
        const QString page = QString::fromLatin1(readFile(path(p)));
        ASSERT_EQ(page.size(), 2400) << p.toStdString();
        QString previous;
        for (int e = 0; e < 100; ++e) {
            const QString entry = page.mid(e * 24, 24);
            if (entry == QString(24, EndeZeichen))
                break;
            EXPECT_LT(previous, entry) << p.toStdString();
            previous = entry;
            ++leafEntries;
        }
    }
    EXPECT_EQ(leafEntries, keys.size());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("i/%1/%2").arg((lastLeaf + 1) / 100, 2, 10, QChar(u'0'))
                                            .arg((lastLeaf + 1) % 100, 2, 10, QChar(u'0')))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("i/ss/%1").arg(lastSs + 1, 2, 10, QChar(u'0')))));

    for (size_t i = 0; i < order.size(); i += 2) {
        bool removed = false;
        ASSERT_TRUE(EntfInh(order[i], &removed));
        ASSERT_TRUE(removed);
    }
    for (size_t i = 0; i < order.size(); ++i) {
        QString entry;
        if (i % 2 == 0)
            EXPECT_LT(find(order[i], entry), 0);
        else
            ASSERT_GT(find(order[i], entry), 0) << order[i].toStdString();
    }
}

} // namespace
