#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/paramstring.h"

#include <gtest/gtest.h>

namespace {
const QString E = QString(EndeZeichen);

struct GetRow {
    const char* name;
    QString list;
    QString key;
    QString expected;
};

void PrintTo(const GetRow& r, std::ostream* os) { *os << r.name; }
class GetParamTable : public ::testing::TestWithParam<GetRow> {};

TEST_P(GetParamTable, ReadsValue)
{
    const GetRow& row = GetParam();
    EXPECT_EQ(::GetParam(row.list, row.key), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetParamTable,
    ::testing::Values(
        GetRow{"simple", "Typ=ABC,Yk=12", "Yk", "12"},
        GetRow{"trimmed", "A=1,Typ= X ,B=2", "Typ", "X"},
        GetRow{"firstWins", "Typ=1,Typ=2", "Typ", "1"},
        // Mended: a key inside another key is passed over, the next whole key counts.
        GetRow{"insideOtherKeyMended", "XTyp=1,Typ=2", "Typ", "2"},
        GetRow{"suffixMended", "Fit=1,it=2", "it", "2"},
        GetRow{"prefixOfLongerKey", "Fita=3,Fit=4", "Fit", "4"},
        GetRow{"caseSensitive", "A=1,typ=2", "Typ", ""},
        GetRow{"equalsInValue", "A=x=y,B=1", "A", "x=y"},
        GetRow{"emptyValue", "A=1,B=", "B", ""},
        GetRow{"endMark", "A=1,B=5" + E, "B", "5"},
        GetRow{"endMarkNotLast", "A=1,B=5" + E + "x", "B", "5" + E + "x"},
        GetRow{"leadingBlank", " Typ=1", "Typ", ""},
        GetRow{"braceKey", "x{Bez= a, b }y", "{Bez", "a, b"},
        GetRow{"missing", "A=1", "B", ""},
        GetRow{"sectionMarkers", "Typ=R1,Q,Bac=4111,S,Ub=5", "Bac", "4111"}),
    [](const auto& i) { return std::string(i.param.name); });

struct SetRow {
    const char* name;
    QString list;
    QString keys;
    QString value;
    QString expected;
};

void PrintTo(const SetRow& r, std::ostream* os) { *os << r.name; }
class SetParamTable : public ::testing::TestWithParam<SetRow> {};

TEST_P(SetParamTable, Writes)
{
    const SetRow& row = GetParam();
    QString list = row.list;
    ::SetParam(list, row.keys, row.value);
    EXPECT_EQ(list, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetParamTable,
    ::testing::Values(SetRow{"replace", "A=1,B=2,C=3", "B", "9", "A=1,B=9,C=3"},
                      SetRow{"removeMiddle", "A=1,B=2,C=3", "B", "", "A=1,C=3"},
                      SetRow{"removeLast", "A=1,B=2,C=3", "C", "", "A=1,B=2"},
                      SetRow{"removeFirst", "A=1,B=2,C=3", "A", "", "B=2,C=3"},
                      SetRow{"append", "A=1,B=2,C=3", "D", "4", "A=1,B=2,C=3,D=4"},
                      SetRow{"appendEmptyNoChange", "A=1,B=2,C=3", "D", "", "A=1,B=2,C=3"},
                      SetRow{"emptyList", "", "A", "1", ",A=1"},
                      SetRow{"removeOnly", "A=1", "A", "", ""},
                      SetRow{"twoKeys", "A=1,B=2,C=3", "A,C", "", "B=2"},
                      SetRow{"emptyKeyStops", "A=1,B=2,C=3", "A,,C", "", "B=2,C=3"},
                      // Mended: the whole key A is set, not the A inside XA.
                      SetRow{"insideOtherKeyMended", "XA=1,A=2", "A", "5", "XA=1,A=5"},
                      SetRow{"endMarkDropped", "A=1,B=2" + E, "B", "3", "A=1,B=3"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ParamPair, Forms)
{
    ParamPair p = GetParamPair("Fit=2.5/7", "Fit");
    EXPECT_EQ(p.textMin, "2.5");
    EXPECT_EQ(p.textMax, "7");
    EXPECT_DOUBLE_EQ(p.valueMin, 2.5);
    EXPECT_DOUBLE_EQ(p.valueMax, 7);
    p = GetParamPair("Fit=4", "Fit");
    EXPECT_EQ(p.textMin, "4");
    EXPECT_EQ(p.textMax, "4");
    p = GetParamPair("Fit=/5", "Fit");
    EXPECT_EQ(p.textMin, "");
    EXPECT_EQ(p.textMax, "5");
    EXPECT_EQ(p.valueMin, 0);
    EXPECT_EQ(p.valueMax, 5);
    p = GetParamPair("A=1", "Fit");
    EXPECT_TRUE(p.textMin.isEmpty() && p.textMax.isEmpty());
    EXPECT_EQ(p.valueMin, 0);
    p = GetParamPair("Fit=1,5", "Fit");
    EXPECT_EQ(p.valueMin, 1);
    EXPECT_EQ(p.valueMax, 1);
    // Single precision, as stored.
    EXPECT_EQ(GetParamPair("Fit=0.1", "Fit").valueMin, double(0.1f));
}

TEST(ParamPair, IntegersRoundHalfToEvenAndOverflow)
{
    int16_t a = 0, b = 0;
    GetParamPairInt("Ag=2.5/3.5", "Ag", a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 4);
    EXPECT_THROW(GetParamPairInt("Ag=40000", "Ag", a, b), OverflowError);
}

TEST(ListItem, Items)
{
    EXPECT_EQ(ListItem("a,,c", 2), "");
    EXPECT_EQ(ListItem("a,b,c", 3), "c");
    EXPECT_EQ(ListItem("a,b,c", 4), "");
    EXPECT_EQ(ListItem("a,b,c", 0), "");
    EXPECT_EQ(ListItem("a,b,", 2), "b");
    EXPECT_EQ(ListItem("a,b,", 3), "");
    EXPECT_EQ(ListItem("", 1), "");
}

TEST(InListe, WholeTokensCaseSensitive)
{
    EXPECT_TRUE(InListe("Bac,Tec,Gec", "Tec", ","));
    EXPECT_FALSE(InListe("Bac,Tec", "tec", ","));
    EXPECT_FALSE(InListe("Rw,Ub", "R", ","));
    EXPECT_FALSE(InListe("Bac,,Tec", "Tec", ",")); // the first empty token ends the search
}

TEST(NrKeyOfCol, LettersAndCut)
{
    QString l = "Sx";
    EXPECT_EQ(NrKeyOfCol(l), "Yk=");
    EXPECT_EQ(l, "S");
    l = "T";
    EXPECT_EQ(NrKeyOfCol(l), "Typ=");
    l = "t";
    EXPECT_EQ(NrKeyOfCol(l), "An=");
    l = "";
    EXPECT_EQ(NrKeyOfCol(l), "An=");
}

TEST(GetParam, BraceWithoutCloseIsInvalidArgument)
{
    EXPECT_THROW(GetParam("{Bez=abc", "{Bez"), InvalidArgumentError);
}

TEST(GetParam, PositionBeyondLimitOverflows)
{
    const QString list = QString(32800, u'x') + ",K=1";
    EXPECT_THROW(GetParam(list, "K"), OverflowError);
}
} // namespace
