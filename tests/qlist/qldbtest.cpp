#include "qldbtest.h"
#include "frame/errors.h"
#include "frame/itemnumber.h"

namespace {

class QlDb : public QlRootFixture {
protected:
    int open()
    {
        const int slot = Open_Db(folder(), 0);
        EXPECT_GT(slot, 0);
        return slot;
    }
    void setRec(const QStringList& fields)
    {
        for (int i = 1; i <= 9; ++i)
            prog().QslRec[i] = i - 1 < fields.size() ? fields[i - 1] : QString();
    }
    Snapshot row(const QString& ln)
    {
        Snapshot s = direct()->snapshot(QStringLiteral("select * from qldb where ln=?"), {ln});
        return s;
    }
    ScriptedInteraction& ui = program.ui();
};

TEST_F(QlDb, NewDatabaseOpensEmptyWithoutDensityWarning)
{
    long count = -1;
    const int slot = Open_Db(folder(), count, 1);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(ui.asked.isEmpty());
}

TEST_F(QlDb, GapInNumbersWarnsButStaysOpen)
{
    for (int i = 0; i <= 9; ++i)
        if (i != 4)
            addRow(LnFormat(i));
    ui.expect(QuestionKind::Message, QStringLiteral("139"), Answer::button(Mb::OK));
    long count = 0;
    const int slot = Open_Db(folder(), count, 1);
    EXPECT_GT(slot, 0);
    EXPECT_EQ(count, 9);
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QlDb, ThirtyFirstOpenRefusedAndFreedSlotReused)
{
    for (int i = 1; i <= 30; ++i)
        ASSERT_EQ(Open_Db(folder(), 0), i);
    ui.expect(QuestionKind::Message, QStringLiteral("150"), Answer::button(Mb::OK));
    EXPECT_EQ(Open_Db(folder(), 0), 0);
    Close_Db(7);
    Close_Db(12);
    EXPECT_EQ(Open_Db(folder(), 0), 7);
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QlDb, OpenedDatabaseIsClosedHoweverItsScopeIsLeft)
{
    auto inUse = [] {
        int n = 0;
        for (const QlDbSlot& s : qlDbState().DbTab)
            n += s.inUse;
        return n;
    };
    EXPECT_THROW(
        {
            const OpenQlDb db(folder(), 0);
            QString status;
            ReadRec_Db(db.slot(), 1, prog().QslRec, status); // no row 00000: throws
        },
        DbError);
    EXPECT_EQ(inUse(), 0);

    // A guard handed on closes once, from where it ends up; one that could not
    // open leaves the slots of others alone.
    const int other = open();
    {
        OpenQlDb first(folder(), 0);
        const int slot = first.slot();
        OpenQlDb moved(std::move(first));
        EXPECT_EQ(moved.slot(), slot);
        EXPECT_FALSE(first);
        ui.expect(QuestionKind::Message, QStringLiteral("48"), Answer::button(Mb::OK));
        const OpenQlDb missing(folder(QStringLiteral("Z")), 0);
        EXPECT_FALSE(missing);
    }
    EXPECT_EQ(inUse(), 1);
    EXPECT_EQ(qlDbState().DbTab[other].inUse, 1);
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QlDb, MissingFolderGivesMessageAndFreesSlot)
{
    ui.expect(QuestionKind::Message, QStringLiteral("48"), Answer::button(Mb::OK));
    EXPECT_EQ(Open_Db(folder(QStringLiteral("Q")), 0), 0);
    EXPECT_EQ(qlDbState().DbTab[1].inUse, 0);
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QlDb, FolderWithoutDatabaseIsNotCreatedByOpen)
{
    QDir(root.path()).mkpath(QStringLiteral("dbase_B"));
    ui.expect(QuestionKind::Message, QStringLiteral("48"), Answer::button(Mb::OK));
    EXPECT_EQ(Open_Db(folder(QStringLiteral("B")), 0), 0);
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("dbase_B/qldb.sqlite"))));
}

TEST_F(QlDb, ExclusiveOpenKeepsOthersOutUntilClosed)
{
    addRow(QStringLiteral("00000"));
    auto other = direct();
    other->execute(QStringLiteral("PRAGMA busy_timeout=50"));
    long count = 0;
    const int slot = Open_Db(folder(), count, 1, true);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(count, 1);
    EXPECT_THROW(other->snapshot(QStringLiteral("select count(*) from qldb")), DbError);
    Close_Db(slot);
    EXPECT_EQ(other->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toInt(), 1);
}

TEST_F(QlDb, ManyQListsWithoutIdentityStoreSideBySide)
{
    const int slot = open();
    for (int i = 0; i < 5; ++i) {
        setRec({LnFormat(i), "", "", "", "", "SMD", "", "", "no identity"});
        EXPECT_EQ(NewRec_Db(slot), 1);
    }
    EXPECT_EQ(direct()->snapshot(QStringLiteral("select count(*) from qldb where typ is null and an is null and yk is null"))
                  .value(0).toInt(), 5);
    EXPECT_TRUE(qlDbState().DbAenderung);
}

TEST_F(QlDb, RecordIsPaddedAndStandNormalised)
{
    const int slot = open();
    setRec({"00003", "abc", "A12345-B1234-C123", "0", "", "SMD", "17", "K5", "Supply"});
    EXPECT_EQ(NewRec_Db(slot), 1);
    Snapshot s = row(QStringLiteral("00003"));
    EXPECT_EQ(s.text(QStringLiteral("TYP")), QStringLiteral("abc").leftJustified(20));
    EXPECT_EQ(s.text(QStringLiteral("STAND")), QStringLiteral("  "));
    EXPECT_EQ(s.text(QStringLiteral("BE")).size(), 148);
    EXPECT_TRUE(s.value(QStringLiteral("AN")).isNull());
    EXPECT_EQ(s.text(QStringLiteral("DELETED")), QStringLiteral("0"));
    EXPECT_EQ(prog().QslRec[6], QStringLiteral("SMD"));
    EXPECT_EQ(prog().QslRec[4], QStringLiteral("  "));

    setRec({"00004", "X", "", "0"});
    EXPECT_EQ(NewRec_Db(slot), 1);
    EXPECT_TRUE(row(QStringLiteral("00004")).value(QStringLiteral("STAND")).isNull());
}

TEST_F(QlDb, QuoteInValueIsStored)
{
    const int slot = open();
    setRec({"00000", "O'Neil", "", "", "", "", "", "", "it's"});
    EXPECT_EQ(NewRec_Db(slot), 1);
    EXPECT_EQ(row(QStringLiteral("00000")).text(QStringLiteral("BE")).trimmed(), QStringLiteral("it's"));
}

TEST_F(QlDb, DuplicateTypeStoresRowWithoutIdentity)
{
    const int slot = open();
    setRec({"00000", "BOARD"});
    ASSERT_EQ(NewRec_Db(slot), 1);
    setRec({"00001", "board", "A1-B1-C1", "A1", "U1", "SMD", "17", "K5", "Second"});
    EXPECT_EQ(NewRec_Db(slot), -1);
    Snapshot s = row(QStringLiteral("00001"));
    for (const char* c : {"TYP", "YK", "STAND", "AN"})
        EXPECT_TRUE(s.value(QString::fromLatin1(c)).isNull()) << c;
    EXPECT_EQ(s.text(QStringLiteral("TEC")), QStringLiteral("SMD"));
    EXPECT_EQ(s.text(QStringLiteral("CODE")).trimmed(), QStringLiteral("17"));
    EXPECT_EQ(s.text(QStringLiteral("ANL")).trimmed(), QStringLiteral("K5"));
    EXPECT_EQ(s.text(QStringLiteral("BE")).trimmed(), QStringLiteral("Second"));
}

TEST_F(QlDb, DeleteKeepsRowMarkedDeleted)
{
    const int slot = open();
    setRec({"00012", "X", "A1-B1-C1", "A1", "U", "SMD", "1", "2", "d"});
    ASSERT_EQ(NewRec_Db(slot), 1);
    setRec({"00012", "*"});
    EXPECT_EQ(NewRec_Db(slot), 1);
    Snapshot s = row(QStringLiteral("00012"));
    ASSERT_FALSE(s.eof());
    EXPECT_EQ(s.text(QStringLiteral("DELETED")), QStringLiteral("1"));
    for (const char* c : {"TYP", "YK", "STAND", "AN", "TEC", "CODE", "ANL", "BE"})
        EXPECT_TRUE(s.value(QString::fromLatin1(c)).isNull()) << c;

    std::array<QString, 10> rec;
    rec[5] = QStringLiteral("kept");
    QString status;
    ReadRec_Db(slot, 13, rec, status);
    EXPECT_EQ(rec[1], QStringLiteral("00012"));
    EXPECT_EQ(rec[2], QStringLiteral("*"));
    EXPECT_EQ(rec[5], QStringLiteral("kept"));
    EXPECT_EQ(status, QStringLiteral("T"));
}

TEST_F(QlDb, ReadRecordGivesFieldsNullsEmpty)
{
    const int slot = open();
    setRec({"00000", "T1", "", "", "", "SMD", "", "", "Be"});
    ASSERT_EQ(NewRec_Db(slot), 1);
    std::array<QString, 10> rec;
    rec.fill(QStringLiteral("x"));
    QString status;
    ReadRec_Db(slot, 1, rec, status, 2, 6);
    EXPECT_EQ(rec[1], QStringLiteral("x"));
    EXPECT_EQ(rec[2].trimmed(), QStringLiteral("T1"));
    EXPECT_EQ(rec[3], QString());
    EXPECT_EQ(rec[6], QStringLiteral("SMD"));
    EXPECT_EQ(rec[7], QStringLiteral("x"));
    EXPECT_THROW(ReadRec_Db(slot, 99, rec, status), DbError);
}

TEST_F(QlDb, FailedInsertKeepsOldRow)
{
    const int slot = open();
    setRec({"00000", "OLD", "", "", "", "", "", "", "old"});
    ASSERT_EQ(NewRec_Db(slot), 1);
    // A trigger makes every insert of this description fail after the delete ran.
    direct()->execute(QStringLiteral("create trigger refuse before insert on qldb when new.be like 'boom%' "
                                     "begin select raise(abort, 'refused'); end"));
    Close_Db(slot);
    const int again = open();
    setRec({"00000", "NEW", "", "", "", "", "", "", "boom"});
    ui.expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    EXPECT_THROW(NewRec_Db(again), ProgramEndRequested);
    EXPECT_EQ(row(QStringLiteral("00000")).text(QStringLiteral("TYP")).trimmed(), QStringLiteral("OLD"));
}

TEST_F(QlDb, LockedDatabaseRefusesWriteAndKeepsRow)
{
    const int slot = open();
    setRec({"00000", "OLD"});
    ASSERT_EQ(NewRec_Db(slot), 1);
    dbOfSlot(slot).execute(QStringLiteral("PRAGMA busy_timeout=50"));
    auto other = direct();
    other->execute(QStringLiteral("BEGIN IMMEDIATE"));
    setRec({"00000", "NEW"});
    ui.expect(QuestionKind::Message, QStringLiteral("429"), Answer::button(Mb::OK));
    EXPECT_EQ(NewRec_Db(slot), -1);
    ui.expect(QuestionKind::Message, QStringLiteral("429"), Answer::button(Mb::OK));
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QString());
    other->execute(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(row(QStringLiteral("00000")).text(QStringLiteral("TYP")).trimmed(), QStringLiteral("OLD"));
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QlDb, SaveRecordOpensWritesAndCloses)
{
    setRec({"00000", "S1"});
    EXPECT_EQ(SaveRec_Db(QStringLiteral("A"), folder()), 1);
    EXPECT_EQ(qlDbState().DbTab[1].inUse, 0);
    EXPECT_FALSE(row(QStringLiteral("00000")).eof());
}

// ---- numbers

TEST_F(QlDb, FirstNumberCreatesFolders)
{
    const int slot = open();
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QStringLiteral("00000"));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("A0/00"))).isDir());
    EXPECT_EQ(row(QStringLiteral("00000")).text(QStringLiteral("DELETED")), QStringLiteral("0"));
}

TEST_F(QlDb, LowestDeletedNumberIsReusedWithoutFolders)
{
    for (int i = 0; i <= 41; ++i)
        addRow(LnFormat(i), {}, {}, {}, {}, (i == 7 || i == 30) ? QStringLiteral("1") : QStringLiteral("0"));
    const int slot = open();
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QStringLiteral("00007"));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("A0"))));
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QStringLiteral("00030"));
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QStringLiteral("00042"));
}

TEST_F(QlDb, HundredOpensNextSubFolder)
{
    for (int i = 0; i <= 99; ++i)
        addRow(LnFormat(i));
    const int slot = open();
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QStringLiteral("00100"));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("A0/01"))).isDir());
}

TEST_F(QlDb, TwoUsersNeverGetOneNumber)
{
    addRow(QStringLiteral("00000"));
    const int first = open();
    const int second = open();
    const QString a = allocateQslNumber(QStringLiteral("A"), first);
    const QString b = allocateQslNumber(QStringLiteral("A"), second);
    EXPECT_EQ(a, QStringLiteral("00001"));
    EXPECT_EQ(b, QStringLiteral("00002"));
}

TEST_F(QlDb, FullDatabaseRefusesNumberWithoutEndingProgram)
{
    addRow(QStringLiteral("99998"));
    const int slot = open();
    // A look-up still works.
    EXPECT_EQ(SuchLn_Db(QStringLiteral("A"), slot, 1, QStringLiteral("99998"), QStringLiteral("2")).found,
              QStringLiteral("99998"));
    ui.expect(QuestionKind::Message, QStringLiteral("141"), Answer::button(Mb::OK));
    EXPECT_EQ(allocateQslNumber(QStringLiteral("A"), slot), QString());
    EXPECT_TRUE(ui.allUsed());
    EXPECT_TRUE(row(QStringLiteral("99999")).eof());
}

// ---- look-ups

TEST_F(QlDb, LookUpByNumberTypeAndUserNumber)
{
    addRow(QStringLiteral("00000"), QStringLiteral("BOARD").leftJustified(20), {}, {}, QStringLiteral("U-7").leftJustified(20));
    addRow(QStringLiteral("00001"), {}, {}, {}, {}, QStringLiteral("1"));
    const int slot = open();
    const QString A = QStringLiteral("A");
    SuchLnResult r = SuchLn_Db(A, slot, 2, QStringLiteral("  board"), QStringLiteral("0"));
    EXPECT_EQ(r.found, QStringLiteral("00000"));
    EXPECT_EQ(r.position, 1);
    EXPECT_EQ(SuchLn_Db(A, slot, 4, QStringLiteral("U-7"), QStringLiteral("0")).found, QStringLiteral("00000"));
    EXPECT_EQ(SuchLn_Db(A, slot, 1, QStringLiteral("00001"), QStringLiteral("2")).found, QStringLiteral("00001"));
    EXPECT_EQ(SuchLn_Db(A, slot, 2, QStringLiteral("NONE"), QStringLiteral("0")).found, QString());
    EXPECT_EQ(SuchLn_Db(A, slot, 5, QStringLiteral("BOARD"), QStringLiteral("0")).found, QString());
    // A designation with a quote is a value like any other.
    EXPECT_EQ(SuchLn_Db(A, slot, 2, QStringLiteral("x' or '1'='1"), QStringLiteral("0")).found, QString());
}

TEST_F(QlDb, MalformedItemNumberGivesError)
{
    const int slot = open();
    ui.expect(QuestionKind::Message, QStringLiteral("140"), Answer::button(Mb::OK));
    EXPECT_EQ(SuchLn_Db(QStringLiteral("A"), slot, 7, QStringLiteral("A1234567-B1"), QStringLiteral("0")).found,
              QStringLiteral("ERROR"));
    EXPECT_TRUE(ui.allUsed());
}

struct StandRow {
    const char* name;
    QString key, mode;
    QString found, shown, stands, note;
};
void PrintTo(const StandRow& r, std::ostream* os) { *os << r.name; }

// Item number A12345-B1234-C123 stored with the stands blank (00000), A1 (00001)
// and B0 (00002); Z12345-B1-C1 only with A1 (00003) and B1 (00004).
class StandSearch : public QlRootFixture, public ::testing::WithParamInterface<StandRow> {};

TEST_P(StandSearch, FindsByRank)
{
    QString yk, stand;
    const QString A = QStringLiteral("A");
    YkNorm(QStringLiteral("A12345-B1234-C123"), yk, stand);
    addRow(QStringLiteral("00000"), {}, yk, QStringLiteral("  "));
    addRow(QStringLiteral("00001"), {}, yk, QStringLiteral("A1"));
    addRow(QStringLiteral("00002"), {}, yk, QStringLiteral("B0"));
    YkNorm(QStringLiteral("Z12345-B1-C1"), yk, stand);
    addRow(QStringLiteral("00003"), {}, yk, QStringLiteral("A1"));
    addRow(QStringLiteral("00004"), {}, yk, QStringLiteral("B1"));
    const int slot = Open_Db(folder(), 0);
    const StandRow& row = GetParam();
    const SuchLnResult r = SuchLn_Db(A, slot, 7, row.key, row.mode);
    EXPECT_EQ(r.found, row.found);
    EXPECT_EQ(r.shown, row.shown);
    EXPECT_EQ(r.stands, row.stands);
    EXPECT_EQ(r.standNote, row.note);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StandSearch,
    ::testing::Values(
        StandRow{"exactStand", "A12345-B1234-C123-A1", "0", "00001", "", "", ""},
        StandRow{"lowerCaseExact", "a12345-b1234-c123-a1", "2", "00001", "", "", ""},
        StandRow{"missingStandModeZeroTakesHighest", "A12345-B1234-C123-A2", "0", "00002", "A12345-B1234-C123-B0", "0, A1, B0", "Stand"},
        StandRow{"missingStandModeOneFindsNothing", "A12345-B1234-C123-A2", "1", "", "A12345-B1234-C123-B0", "", ""},
        StandRow{"missingStandModeTwoFindsNothing", "A12345-B1234-C123-A2", "2", "", "", "", ""},
        StandRow{"noStandFindsStoredWithout", "A12345-B1234-C123", "1", "00000", "", "", ""},
        StandRow{"noStandExactOnly", "A12345-B1234-C123", "2", "00000", "", "", ""},
        StandRow{"noStandTakesHighest", "Z12345-B1-C1", "0", "00004", "Z12345-B1-C1-B1", "A1, B1", ""},
        StandRow{"starStandCountsAsNone", "Z12345-B1-C1-*", "1", "00004", "Z12345-B1-C1-B1", "A1, B1", ""},
        StandRow{"unknownNumber", "Y1-B1-C1", "0", "", "Y1-B1-C1", "", ""}),
    [](const auto& i) { return std::string(i.param.name); });

struct RankRow {
    const char* name;
    QString stand;
    int rank;
};
void PrintTo(const RankRow& r, std::ostream* os) { *os << r.name; }
class StandRankTable : public ::testing::TestWithParam<RankRow> {};
TEST_P(StandRankTable, Ranks) { EXPECT_EQ(standRank(GetParam().stand), GetParam().rank); }
INSTANTIATE_TEST_SUITE_P(Cases, StandRankTable,
                         ::testing::Values(RankRow{"blankBlank", "  ", 0}, RankRow{"blankDigit", " 3", 3},
                                           RankRow{"letterDigit", "A2", 12}, RankRow{"letterZero", "B0", 20},
                                           RankRow{"lastLetter", "Z9", 269}, RankRow{"digits", "01", 10},
                                           RankRow{"digitsHigh", "27", 270}, RankRow{"other", "#1", 0}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(StandMaxTest, OnlyStrictlyHigherReplaces)
{
    QString best = QStringLiteral("B0"), number = QStringLiteral("00001");
    StandMax(best, QStringLiteral("20"), number, QStringLiteral("00002")); // 200 > 20
    EXPECT_EQ(number, QStringLiteral("00002"));
    StandMax(best, QStringLiteral("T0"), number, QStringLiteral("00003")); // 200 == 200
    EXPECT_EQ(number, QStringLiteral("00002"));
}

} // namespace
