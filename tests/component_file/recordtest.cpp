#include "common/testutil.h"
#include "frame/workslots.h"
#include "component_file/btrecord.h"
#include "frame/itemnumber.h"
#include "frame/codepage.h"
#include "frame/program.h"

#include <gtest/gtest.h>

namespace {

struct SplitRow {
    const char* name;
    QString record;
    QString identity, q, z, b;
};
void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }
class BtdTrennTable : public ::testing::TestWithParam<SplitRow> {};

TEST_P(BtdTrennTable, FillsWorkStrings)
{
    testutil::ScriptedProgram sp;
    const SplitRow& row = GetParam();
    for (int i = 2; i <= 5; ++i)
        sp.program().WorkStr[i] = QStringLiteral("old");
    BtdTrenn(row.record);
    EXPECT_EQ(sp.program().WorkStr[Slot::Ident], row.identity);
    EXPECT_EQ(sp.program().WorkStr[Slot::Q], row.q);
    EXPECT_EQ(sp.program().WorkStr[Slot::Z], row.z);
    EXPECT_EQ(sp.program().WorkStr[Slot::B], row.b);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BtdTrennTable,
    ::testing::Values(
        SplitRow{"noMarkers", "Typ=A,Yk=B", "Typ=A,Yk=B", "", "", ""},
        SplitRow{"typeDataText", "Typ=R1,Q,Bac=4111,B,Widerstand", "Typ=R1", "Bac=4111", "", "Widerstand"},
        SplitRow{"allSections", "Typ=R1,Q,Bac=41,Z,Bac=11,B,x", "Typ=R1", "Bac=41", "Bac=11", "x"},
        // Only the first occurrence of each marker splits: a description holding
        // ",Z," is cut there in a record without sub-components.
        SplitRow{"markerInDescription", "Typ=R1,Q,Bac=41,B,a,Z,b", "Typ=R1", "Bac=41", "b", "a"},
        SplitRow{"startsWithMarker", ",Q,Bac=41", "", "Bac=41", "", ""},
        SplitRow{"empty", "", "", "", "", ""},
        // An OEM umlaut (code 129, u-umlaut) in the description is shown as ANSI.
        SplitRow{"oemDescription", QStringLiteral("Typ=R,Q,Bac=41,B,Gr") + QChar(129) + QStringLiteral("n"), "Typ=R",
                 "Bac=41", "", QStringLiteral("Grün")}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ZerlegBtBlock, SplitsLinesKeepsBlankLineAsEmptyRecordAndConsumesText)
{
    testutil::ScriptedProgram sp;
    QString text = QStringLiteral("  Typ=A,Q,Bac=11 \r\nTyp=B,Q,Bac=11\r\n   \r\n\r\nTyp=C,Q,Bac=11");
    QStringList records;
    int count = 0;
    sp.program().BtSatzNr = 7;
    ZerlegBtBlock(text, records, count);
    EXPECT_TRUE(text.isEmpty());
    ASSERT_EQ(count, 4);
    EXPECT_EQ(records.mid(1), (QStringList{"Typ=A,Q,Bac=11", "Typ=B,Q,Bac=11", "", "Typ=C,Q,Bac=11"}));
    EXPECT_EQ(sp.program().BtSatzNr, 1);
}

struct KeyRow {
    const char* name;
    QString record;
    bool dropLong;
    QStringList keys;
    bool tooLong;
    QString zulang;
};
void PrintTo(const KeyRow& r, std::ostream* os) { *os << r.name; }
class UmfoBtTsaTable : public ::testing::TestWithParam<KeyRow> {};

QString key(const QString& d, char kind, char flag = 'G')
{
    return d.leftJustified(18, u' ') + QChar(kind) + QChar(flag);
}

TEST_P(UmfoBtTsaTable, FormsKeysInKindOrder)
{
    testutil::ScriptedProgram sp;
    const KeyRow& row = GetParam();
    TsaTable t;
    QString zulang;
    EXPECT_EQ(UmfoBtTsa(row.record, 1, t, row.dropLong, &zulang), row.tooLong);
    QStringList got;
    for (int i = 1; i <= t.AnzTsa[1]; ++i)
        got << t.Tsa[1][i];
    EXPECT_EQ(got, row.keys);
    EXPECT_EQ(zulang, row.zulang);
}

const QString type19 = QStringLiteral("ABCDEFGHIJKLMNOPQRS");

INSTANTIATE_TEST_SUITE_P(
    Cases, UmfoBtTsaTable,
    ::testing::Values(
        KeyRow{"typesBeforeUserNumbers", "An=U1,Typ=T1,Typ=T2,Q,Bac=11", false,
               {key("T1", 'T'), key("T2", 'T'), key("U1", 'A')}, false, ""},
        // Item numbers enter in the normal form, blanks and all.
        KeyRow{"itemNumberNormalised", "Yk=a12-b3-c4,Typ=X,Q,Bac=11", false,
               {key("X", 'T'), key(SachNrForm("A12-B3-C4"), 'S')}, false, ""},
        KeyRow{"longTypeKeptCut", "Typ=" + type19 + ",Q,Bac=11", false, {key(type19.left(18), 'T')}, true,
               ",Typ=" + type19},
        KeyRow{"longTypeDropped", "Typ=" + type19 + ",An=U,Q,Bac=11", true, {key("U", 'A')}, true, ",Typ=" + type19},
        // Items of the data section are no designations.
        KeyRow{"onlyIdentityPart", "Typ=A,Q,Bac=11,Typ=Z", false, {key("A", 'T')}, false, ""},
        KeyRow{"keyInsideOtherKeyIsNoItem", "XTyp=A,Typ=B,Q,Bac=11", false, {key("B", 'T')}, false, ""},
        // A rejected item number gives no key: every such record would share one.
        KeyRow{"invalidItemNumberNoKey", "Yk=123456,Typ=A,Q,Bac=11", false, {key("A", 'T')}, false, ""},
        KeyRow{"empty", "", false, {}, false, ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(UmfoBtTsa, SecondColumnFlagsNewKeys)
{
    testutil::ScriptedProgram sp;
    TsaTable t;
    UmfoBtTsa(QStringLiteral("Typ=A,Q,Bac=11"), 2, t, false);
    ASSERT_EQ(t.AnzTsa[2], 1);
    EXPECT_EQ(t.Tsa[2][1], key("A", 'T', 'N'));
}

TEST(UmfoBtTsa, MoreThanTwentyDesignationsGoToTheErrorHandlerAndGiveNoKeys)
{
    testutil::ScriptedProgram sp;
    sp.ui().expect(QuestionKind::Error, QStringLiteral("*"), Answer::button(2));
    QString record;
    for (int i = 0; i < 21; ++i)
        record += QStringLiteral("Typ=T%1,").arg(i);
    record += QStringLiteral("Q,Bac=11");
    TsaTable t;
    UmfoBtTsa(record, 1, t, false);
    EXPECT_EQ(t.AnzTsa[1], -1);
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST(RecordHasKey, ComparesParsedIdentityItemsExactly)
{
    testutil::ScriptedProgram sp;
    const QString k = QStringLiteral("R1").leftJustified(18) + u'T';
    EXPECT_TRUE(recordHasKey(QStringLiteral("An=9,Typ=R1,Q,Bac=41"), k));
    EXPECT_FALSE(recordHasKey(QStringLiteral("XTyp=R1,Typ=R2,Q,Bac=41"), k));
    EXPECT_FALSE(recordHasKey(QStringLiteral("Typ=R2,Q,Bac=41,B,see Typ=R1,"), k));
    EXPECT_FALSE(recordHasKey(QStringLiteral("Typ=R10,Q,Bac=41"), k));
    EXPECT_TRUE(recordHasKey(QStringLiteral("Yk=A12-B3-C4,Q,Bac=41"), SachNrForm("A12-B3-C4").leftJustified(18) + u'S'));
}

} // namespace
