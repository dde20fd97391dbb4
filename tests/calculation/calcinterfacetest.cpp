#include "calculation/calcinterface.h"
#include "common/testutil.h"

#include <gtest/gtest.h>

namespace {

struct RangeRow {
    const char* name;
    double min;
    double max;
    int decimals;
    bool single;
    QString expected;
};
void PrintTo(const RangeRow& r, std::ostream* os) { *os << r.name; }

class RangeText : public ::testing::TestWithParam<RangeRow> {};

TEST_P(RangeText, Formats)
{
    const RangeRow& r = GetParam();
    EXPECT_EQ(r.single ? rangeTextS(r.min, r.max, r.decimals) : rangeTextD(r.min, r.max, r.decimals), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeText,
    ::testing::Values(RangeRow{"equalBoundsOneNumber", 2, 2, 1, true, "2"},
                      RangeRow{"pair", .5, 1.25, 2, false, "0.5/1.25"},
                      RangeRow{"trailingZerosDropped", 12, 48, 3, false, "12/48"},
                      // The scaled fraction .5 goes to the even neighbour 0.
                      RangeRow{"halfFractionToEven", 2.5, 2.5, 0, false, "2"},
                      RangeRow{"roundsUpIntoWhole", .9996, .9996, 3, false, "1"},
                      RangeRow{"noMinusZero", -.4, -.4, 0, false, "0"},
                      RangeRow{"negative", -.6, -.6, 0, false, "-1"},
                      // 0.1 in single precision widens to 0.100000001...
                      RangeRow{"singleWidened", .1, .1, 2, true, "0.1"},
                      RangeRow{"equalAfterRoundingStillPair", 1.001, 1.002, 2, false, "1/1"}),
    [](const auto& i) { return std::string(i.param.name); });

struct ReadRangeRow {
    const char* name;
    QString text;
    double min;
    double max;
    QString textAfter;
};
void PrintTo(const ReadRangeRow& r, std::ostream* os) { *os << r.name; }

class ReadRange : public ::testing::TestWithParam<ReadRangeRow> {};

TEST_P(ReadRange, Reads)
{
    QString text = GetParam().text;
    double lo = -1, hi = -1;
    readRange(text, lo, hi);
    EXPECT_EQ(lo, GetParam().min);
    EXPECT_EQ(hi, GetParam().max);
    EXPECT_EQ(text, GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadRange,
    ::testing::Values(ReadRangeRow{"multipliers", "10k/2M", 10000, 2000000, "10k/2M"},
                      ReadRangeRow{"commaEndsNumber", "4,7", 4, 4, "4,7"},
                      ReadRangeRow{"capitalGiga", "1G", 1e9, 1e9, "1G"},
                      ReadRangeRow{"gatesUnitRemoved", "1g", 1, 1, "1"},
                      // Only the final unit letter goes: the lower text keeps its b.
                      ReadRangeRow{"unitOnlyAtEnd", " 64Kb/1Mb ", 64, 1e6, "64Kb/1M"},
                      ReadRangeRow{"noDigits", "abc", 0, 0, "abc"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(CalcInterface, PercentValue)
{
    EXPECT_EQ(percentValue("50%"), 50);
    EXPECT_EQ(percentValue("12,5%"), 12);
    EXPECT_EQ(percentValue("%"), 0);
    EXPECT_EQ(percentValue("  "), -1);
}

TEST(CalcInterface, ErrCodesInOrder)
{
    EXPECT_EQ(errCodes(",Err=Btd,Warn=Tj,Err=Bac"), QStringList({"Btd", "Bac"}));
    EXPECT_EQ(errCodes(",Warn=Inen"), QStringList());
}

TEST(CalcInterface, FactorKeyStartsWithPiMark)
{
    testutil::ScriptedProgram sp;
    appendFactor("t", "1.5");
    appendResult("Fit", "2");
    appendErr("Vf");
    appendWarn("Tj");
    EXPECT_EQ(sp.program().WorkStr[8], QStringLiteral(",") + QChar(227) + "t=1.5,Fit=2");
    EXPECT_EQ(sp.program().WorkStr[7], ",Err=Vf,Warn=Tj");
}

} // namespace
