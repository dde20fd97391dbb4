#include "compfilefixture.h"
#include "frame/workslots.h"
#include "component_file/btinh.h"
#include "component_file/btreads.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/btsuch.h"
#include "component_file/dosfile.h"
#include "frame/itemnumber.h"
#include "frame/codepage.h"

namespace {

class LookupTest : public CompFileTest {
protected:
    // A block file written as another program would, and index entries for it.
    void putBlock(const QString& root, const QString& address, const QByteArray& text)
    {
        const QString file = blockFilePath(root, address);
        testutil::writeFile(QString(file).replace(u'\\', u'/'), text);
    }
    void index(const QString& key, const QString& address)
    {
        const int lock = takeWriteLock(sp.program().BinDir, 1);
        ASSERT_GT(lock, 0);
        int n = 0;
        QString found;
        ASSERT_TRUE(InsInh(key.leftJustified(19) + address, n, found));
        forgetCachedPages(1);
        FClose(lock);
    }
    static QString key(const QString& d, char kind) { return d.leftJustified(18) + QChar(kind); }
    // An external component file with its own index.
    void makeExternal(const std::function<void()>& fill)
    {
        ext = tmp.filePath(QStringLiteral("ext"));
        QDir().mkpath(ext);
        sp.program().BinDir = ext;
        QString h;
        ASSERT_TRUE(InitInh(ext, h));
        sp.program().SinDir.clear();
        fill();
        sp.program().Cf += QStringLiteral(",Bex=") + ext;
        ASSERT_TRUE(InitBtDatei());
    }
    int search(const QString& identity, QString& record, int kind = 0)
    {
        sp.program().WorkStr[Slot::Ident] = identity;
        QString file, text;
        const int r = SuchBtTsa(kind, file, text, record);
        EXPECT_EQ(sp.program().WorkStr[Slot::Ident], identity) << "the identity part stays";
        return r;
    }
    QString ext;
};

TEST_F(LookupTest, ItemNumberNotIndexedTypeIndexedGivesTheTypesRecord)
{
    putBlock(bin, "41000", "Typ=R1,Q,Bac=4111\r\n\r\n");
    index(key("R1", 'T'), "41000");
    QString record;
    EXPECT_EQ(search(QStringLiteral("Yk=A1-B2-C3,Typ=r1"), record), 1);
    EXPECT_EQ(record, QStringLiteral("Typ=R1,Q,Bac=4111"));
}

TEST_F(LookupTest, ItemNumbersComeBeforeUserNumbersAndTypes)
{
    putBlock(bin, "41000", "Typ=R1,Q,Bac=4111\r\nYk=A1-B2-C3,Q,Bac=4112\r\nAn=U7,Q,Bac=4113\r\n\r\n");
    index(key("R1", 'T'), "41000");
    index(key(SachNrForm("A1-B2-C3"), 'S'), "41000");
    index(key("U7", 'A'), "41000");
    QString record;
    EXPECT_EQ(search(QStringLiteral("Typ=R1,An=U7,Yk=a1-b2-c3"), record), 1);
    EXPECT_EQ(record, QStringLiteral("Yk=A1-B2-C3,Q,Bac=4112"));
    EXPECT_EQ(search(QStringLiteral("Typ=R1,An=U7"), record), 1);
    EXPECT_EQ(record, QStringLiteral("An=U7,Q,Bac=4113"));
}

struct NoKeyRow {
    const char* name;
    QString identity;
    int result;
    QString record;
};
void PrintTo(const NoKeyRow& r, std::ostream* os) { *os << r.name; }
class LookupWithoutHit : public LookupTest, public ::testing::WithParamInterface<NoKeyRow> {};

TEST_P(LookupWithoutHit, GivesResultAndRecord)
{
    QString record = QStringLiteral("old");
    EXPECT_EQ(search(GetParam().identity, record), GetParam().result);
    EXPECT_EQ(record, GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupWithoutHit,
    ::testing::Values(NoKeyRow{"onlyInvalidItemNumber", "Yk=123456", -3, "FehlerYk"},
                      // The later look-up of the user number empties the record.
                      NoKeyRow{"invalidItemNumberAndUnknownUserNumber", "Yk=123456,An=X9", 1, ""},
                      NoKeyRow{"nothingIndexed", "Typ=NOPE", 1, ""},
                      NoKeyRow{"noDesignation", "Sl=3", -3, ""}),
    [](const auto& i) { return std::string(i.param.name); });

// A designation that stands inside another record's text (a description or a
// longer key) never decides: only the record whose own item matches is returned.
TEST_F(LookupTest, RecordIsFoundByItsOwnIdentityItemsOnly)
{
    putBlock(bin, "41000",
             "Typ=R2,Q,Bac=4111,B,wie Typ=R1, aber 1%\r\nXTyp=R1,Typ=R3,Q,Bac=4111\r\nTyp=R1,Q,Bac=4112\r\n\r\n");
    index(key("R1", 'T'), "41000");
    QString file, text, record;
    int position = 0;
    EXPECT_EQ(HolBtInh(0, key("R1", 'T'), file, text, record, &position), 1);
    EXPECT_EQ(record, QStringLiteral("Typ=R1,Q,Bac=4112"));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(sp.program().BtSatzAnz, 3);
    EXPECT_EQ(sp.program().BtSatz[3], record);
    EXPECT_TRUE(text.isEmpty()) << "the block text went into the record list";
    EXPECT_EQ(file, blockFilePath(bin, "41000"));
}

TEST_F(LookupTest, IndexNamingABlockWithoutTheRecordStopsTheSearch)
{
    putBlock(bin, "41000", "Typ=OTHER,Q,Bac=4111\r\n\r\n");
    putBlock(bin, "41001", "Typ=GOOD,Q,Bac=4111\r\n\r\n");
    index(key("GONE", 'T'), "41000");
    index(key("GOOD", 'T'), "41001");
    QString file, text, record;
    // Each time the user learns which block is damaged.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), Answer::button(1));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), Answer::button(1));
    EXPECT_EQ(HolBtInh(0, key("GONE", 'T'), file, text, record), -2);
    EXPECT_EQ(search(QStringLiteral("Typ=GONE,Typ=GOOD"), record), -2);
    EXPECT_TRUE(record.isEmpty());
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(LookupTest, ExternalFileIsSearchedWhenTheInternalIndexDoesNotNameTheKey)
{
    makeExternal([&] {
        putBlock(ext, "12000", "Typ=C5,Q,Bac=1211\r\n\r\n");
        index(key("C5", 'T'), "12000");
    });
    QString file, text, record;
    EXPECT_EQ(HolBtInh(0, key("C5", 'T'), file, text, record), 2);
    EXPECT_EQ(record, QStringLiteral("Typ=C5,Q,Bac=1211"));
    EXPECT_EQ(HolBtInh(1, key("C5", 'T'), file, text, record), -1);
    EXPECT_EQ(HolBtInh(2, key("C5", 'T'), file, text, record), 2);
}

TEST_F(LookupTest, UnreadableInternalBlockFallsBackToTheExternalFile)
{
    makeExternal([&] { putBlock(ext, "12000", "Typ=C5,Q,Bac=1211\r\n\r\n"); });
    // The internal block "file" is a folder: it exists but cannot be read.
    QDir().mkpath(QString(blockFilePath(bin, "12000")).replace(u'\\', u'/'));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("155"), Answer::button(1));
    EXPECT_EQ(LiesBtBlock(QStringLiteral("B12000"), 0), 2);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(sp.program().BtSatzAnz, 1);
    EXPECT_EQ(sp.program().BtSatz[1], QStringLiteral("Typ=C5,Q,Bac=1211"));
}

TEST_F(LookupTest, ReadingABlockKeepsLinesUntrimmed)
{
    putBlock(bin, "41000", "Typ=A,Q,Bac=4111  \r\n\r\n  Typ=B,Q,Bac=4111\r\nTyp=C,Q,Bac=4111");
    EXPECT_EQ(LiesBtBlock(QStringLiteral("41000"), 1), 1);
    EXPECT_EQ(sp.program().BtSatzAnz, 3);
    EXPECT_EQ(sp.program().BtSatzNr, 1);
    EXPECT_EQ(sp.program().BtSatz.mid(1),
              (QStringList{"Typ=A,Q,Bac=4111  ", "  Typ=B,Q,Bac=4111", "Typ=C,Q,Bac=4111"}));
}

TEST_F(LookupTest, MissingAndEmptyBlocksGiveMessage27)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("27"), Answer::button(1));
    EXPECT_EQ(LiesBtBlock(QStringLiteral("41009"), 0), -1);
    putBlock(bin, "41000", "\r\n\r\n");
    sp.ui().expect(QuestionKind::Message, QStringLiteral("27"), Answer::button(1));
    EXPECT_EQ(LiesBtBlock(QStringLiteral("41000"), 0), -2);
    EXPECT_TRUE(sp.ui().allUsed());
}

// What a position's identity holds besides its designations (quantity,
// designators, comments) never changes the component found; a run may reuse a
// record for every identity with the same search keys.
struct SameSearchRow {
    const char* name;
    QString a, b;
    bool same;
};
void PrintTo(const SameSearchRow& r, std::ostream* os) { *os << r.name; }
class SearchKeys : public ::testing::TestWithParam<SameSearchRow> {
protected:
    testutil::ScriptedProgram sp;
};

TEST_P(SearchKeys, DependOnTheDesignationsOnly)
{
    const QStringList a = componentSearchKeys(GetParam().a);
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a == componentSearchKeys(GetParam().b), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchKeys,
    ::testing::Values(SameSearchRow{"designators", "Typ=R1,Sl=R1 R2", "Typ=R1,Sl=C7", true},
                      SameSearchRow{"quantityAndCase", "Stck=2,Typ=r1", "Typ=R1", true},
                      SameSearchRow{"otherType", "Typ=R1,Sl=R1", "Typ=R2,Sl=R1", false},
                      SameSearchRow{"itemNumberFirst", "Typ=R1,Yk=A1-B2-C3", "Typ=R1", false},
                      SameSearchRow{"orderOfKinds", "An=U7,Typ=R1", "Typ=R1,An=U7", true},
                      SameSearchRow{"orderWithinAKind", "Typ=R1,Typ=R2", "Typ=R2,Typ=R1", false},
                      SameSearchRow{"rejectedItemNumber", "Yk=123456,Typ=R1", "Typ=R1", false}),
    [](const auto& i) { return std::string(i.param.name); });

class KeptReadsTest : public LookupTest {
protected:
    void SetUp() override
    {
        LookupTest::SetUp();
        putBlock(bin, "41000", "Typ=R1,Q,Bac=4111\r\nTyp=R2,Q,Bac=4112\r\n\r\n");
        index(key("R1", 'T'), "41000");
        index(key("R2", 'T'), "41000");
    }
    // The block as another program might leave it while a run reads.
    void overwriteBlock() { putBlock(bin, "41000", "Typ=OTHER,Q,Bac=4111\r\n\r\n"); }
};

// Within a run the block is read once: later look-ups do not see the disk; once
// the run ends, the disk decides again.
TEST_F(KeptReadsTest, ARunReadsEachBlockOnce)
{
    QString record;
    {
        const ComponentReadScope keep;
        ASSERT_EQ(search(QStringLiteral("Typ=R1"), record), 1);
        overwriteBlock();
        EXPECT_EQ(search(QStringLiteral("Typ=R2,Sl=C3"), record), 1);
        EXPECT_EQ(record, QStringLiteral("Typ=R2,Q,Bac=4112"));
        EXPECT_GT(keptCharacters(), 0);
    }
    EXPECT_EQ(keptCharacters(), 0);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), Answer::button(1));
    EXPECT_EQ(search(QStringLiteral("Typ=R2"), record), -2);
    EXPECT_TRUE(sp.ui().allUsed());
}

// A change of the file made by the same program during the run is seen by
// every later look-up: the kept pages and blocks are forgotten.
TEST_F(KeptReadsTest, AChangeOfTheFileIsSeenByTheRun)
{
    const ComponentReadScope keep;
    QString record;
    ASSERT_EQ(search(QStringLiteral("Typ=R1"), record), 1);
    QString address;
    int index = 0, source = 0, count = 0;
    QStringList records;
    ASSERT_EQ(AddBt(address, index, source, QStringLiteral("Typ=R9,Q,Bac=4113"), records, count, true),
              QStringLiteral("ok"));
    EXPECT_EQ(search(QStringLiteral("Typ=R9"), record), 1);
    EXPECT_EQ(record, QStringLiteral("Typ=R9,Q,Bac=4113"));
    EXPECT_EQ(search(QStringLiteral("Typ=R2"), record), 1);
    EXPECT_EQ(record, QStringLiteral("Typ=R2,Q,Bac=4112"));
}

// Beyond its bound a run keeps nothing more and reads from the disk.
TEST_F(KeptReadsTest, NothingIsKeptBeyondTheBound)
{
    // Room for the two index pages below the top page, not for the block.
    const ComponentReadScope keep(2 * 2400 + 10);
    QString record;
    ASSERT_EQ(search(QStringLiteral("Typ=R1"), record), 1);
    EXPECT_LE(keptCharacters(), 2 * 2400 + 10);
    overwriteBlock();
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), Answer::button(1));
    EXPECT_EQ(search(QStringLiteral("Typ=R2"), record), -2);
    EXPECT_TRUE(sp.ui().allUsed());
}

} // namespace
