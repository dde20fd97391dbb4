#include "common/testutil.h"
#include "frame/errors.h"
#include "frame/formatters.h"

#include <gtest/gtest.h>

using namespace testutil;

namespace {

auto rowName = [](const auto& i) { return std::string(i.param.name); };

struct FormStrRow {
    const char* name;
    QString text;
    int width;
    QString fill;
    QString expected;
    QString textAfter;
};
void PrintTo(const FormStrRow& r, std::ostream* os) { *os << r.name; }
class FormStrCase : public ::testing::TestWithParam<FormStrRow> {};
TEST_P(FormStrCase, PadsCutsOrRemoves)
{
    QString t = GetParam().text;
    EXPECT_EQ(FormStr(t, GetParam().width, GetParam().fill), GetParam().expected);
    EXPECT_EQ(t, GetParam().textAfter);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormStrCase,
    ::testing::Values(
        FormStrRow{"leftAligned", "Typ1", 6, " ", "Typ1  ", "Typ1"},
        FormStrRow{"rightAligned", "Typ1", -6, " ", "  Typ1", "Typ1"},
        FormStrRow{"cut", "Typ1", 3, " ", "Typ", "Typ1"},
        FormStrRow{"cutNegative", "Typ1", -3, " ", "Typ", "Typ1"},
        FormStrRow{"exactWidth", "Typ1", -4, "0", "Typ1", "Typ1"},
        FormStrRow{"zeroPadded", "123", -5, "0", "00123", "123"},
        FormStrRow{"firstFillCharacterOnly", "ab", 4, "xy", "abxx", "ab"},
        FormStrRow{"widthZeroRemovesFill", "1020", 0, "0", "12", "12"},
        FormStrRow{"widthZeroLongFillNeverMatches", "1020", 0, "02", "1020", "1020"}),
    rowName);

struct ZahlRow {
    const char* name;
    double value;
    int width;
    int decimals;
    QString expected;
};
void PrintTo(const ZahlRow& r, std::ostream* os) { *os << r.name; }
class FormZahlCase : public ::testing::TestWithParam<ZahlRow> {};
TEST_P(FormZahlCase, Formats)
{
    EXPECT_EQ(FormZahl(GetParam().value, GetParam().width, GetParam().decimals), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormZahlCase,
    ::testing::Values(
        // 12 + 2 + 1 = 15 characters; "1 234 567" padded to 12, ",89" behind.
        ZahlRow{"groups", 1234567.891, 12, 2, "   1 234 567,89"},
        ZahlRow{"tenDigitsThreeGroups", 1234567890, 13, 0, "1 234 567 890"},
        ZahlRow{"trailingZeroRemoved", 2.5, 4, 2, "    2,5"},
        ZahlRow{"wholeNumber", 2, 4, 2, "      2"},
        ZahlRow{"fractionCarries", 2.999, 4, 2, "      3"},
        ZahlRow{"halfToEvenDown", 3.5, 4, 0, "   3"},
        ZahlRow{"halfDroppedAtZeroDecimals", 2.5, 4, 0, "   2"},
        ZahlRow{"aboveHalfCarries", 2.6, 4, 0, "   3"},
        ZahlRow{"scaledHalfToEven", 2.25, 4, 1, "   2,2"},
        ZahlRow{"scaledHalfUp", 2.75, 4, 1, "   2,8"},
        ZahlRow{"noNegativeZero", -0.001, 4, 2, "      0"},
        ZahlRow{"tooWideDropsDecimals", -1234.5, 3, 1, "-1 234"},
        ZahlRow{"negativeFraction", -0.25, 2, 2, "-0,25"},
        ZahlRow{"leadingZerosOfFraction", 1.05, 1, 2, "1,05"}),
    rowName);

struct WertRow {
    const char* name;
    double width;
    int decimals;
    double value;
    QString expected;
};
void PrintTo(const WertRow& r, std::ostream* os) { *os << r.name; }
class FormWertCase : public ::testing::TestWithParam<WertRow> {};
TEST_P(FormWertCase, Formats)
{
    EXPECT_EQ(FormWert(GetParam().width, GetParam().decimals, GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormWertCase,
    ::testing::Values(
        WertRow{"aligned", 8, 2, 5.25, "    5.25"},
        WertRow{"trailingZeroBecomesBlank", 8, 2, 5.5, "    5.5 "},
        WertRow{"wholeShowsBlanksForPoint", 8, 2, 5, "    5   "},
        WertRow{"noWidthRemovesZeros", 0, 2, 5.5, "5.5"},
        WertRow{"noWidthWhole", 0, 2, 5, "5"},
        WertRow{"overflow", 4, 2, 123.4, "Üblauf!"},           // 3 + 1 + 2 = 6 > 4
        WertRow{"overflowCountsSign", 4, 2, -12.5, "Üblauf!"}, // 1 + 2 + 1 + 2 = 6 > 4
        WertRow{"justFits", 6, 2, 123.4, "123.4 "},
        WertRow{"thousands", 6, -3, 12345, "    12"},
        WertRow{"thousandsHalfToEvenDown", 0, -3, 12500, "12"},
        WertRow{"thousandsHalfToEvenUp", 0, -3, 13500, "14"},
        WertRow{"thousandsOverflow", 1, -3, 12345, "Üblauf!"},
        WertRow{"negativeBelowHalfIsZero", 0, 0, -0.4, "0"},
        WertRow{"negativeAboveHalf", 0, 0, -0.6, "-1"},
        WertRow{"negativeWithFraction", 0, 2, -0.05, "-0.05"},
        WertRow{"fractionCarries", 7, 2, 9.999, "  10   "}),
    rowName);

TEST(FormBer, PairOrSingleValue)
{
    EXPECT_EQ(FormBerS(2, 2, 1), QStringLiteral("2"));
    EXPECT_EQ(FormBerD(0.5, 1.25, 2), QStringLiteral("0.5/1.25"));
    // The single 0.1 widened to double is 0.100000001490116...: two decimals give .1.
    EXPECT_EQ(FormBerS(0.1f, 0.35f, 2), QStringLiteral("0.1/0.35"));
}

struct BerRow {
    const char* name;
    double minimum;
    double maximum;
    int decimals;
    bool single;
    QString expected;
};
void PrintTo(const BerRow& r, std::ostream* os) { *os << r.name; }
class FormBerCase : public ::testing::TestWithParam<BerRow> {};
TEST_P(FormBerCase, Formats)
{
    const BerRow& r = GetParam();
    EXPECT_EQ(r.single ? FormBerS(float(r.minimum), float(r.maximum), r.decimals) : FormBerD(r.minimum, r.maximum, r.decimals),
              r.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormBerCase,
    ::testing::Values(BerRow{"trailingZerosDropped", 12, 48, 3, false, "12/48"},
                      // The scaled fraction .5 goes to the even neighbour 0.
                      BerRow{"halfFractionToEven", 2.5, 2.5, 0, false, "2"},
                      BerRow{"roundsUpIntoWhole", .9996, .9996, 3, false, "1"},
                      BerRow{"noMinusZero", -.4, -.4, 0, false, "0"},
                      BerRow{"negative", -.6, -.6, 0, false, "-1"},
                      // 0.1 in single precision widens to 0.100000001...
                      BerRow{"singleWidened", .1, .1, 2, true, "0.1"},
                      // Bounds are compared before rounding: a pair stays a pair.
                      BerRow{"equalAfterRoundingStillPair", 1.001, 1.002, 2, false, "1/1"}),
    rowName);

TEST(Formatters, IntegerOverflowIsRaised)
{
    EXPECT_THROW(FormWert(0, -1, 3e10), OverflowError);
    EXPECT_THROW(FormWert(40000, 0, 1), OverflowError);
    EXPECT_THROW(FormZahl(0.5, 4, 12), OverflowError);
}

struct BreakRow {
    const char* name;
    QString text;
    int width;
    QString breaks;
    QString line;
    QString rest;
};
void PrintTo(const BreakRow& r, std::ostream* os) { *os << r.name; }
class Umbruch : public ::testing::TestWithParam<BreakRow> {};
TEST_P(Umbruch, Breaks)
{
    QString t = GetParam().text;
    QString rest = QStringLiteral("old");
    TextUmbruch(t, GetParam().width, GetParam().breaks, rest);
    EXPECT_EQ(t, GetParam().line);
    EXPECT_EQ(rest, GetParam().rest);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Umbruch,
    ::testing::Values(BreakRow{"fits", "0123456789", 20, " ", "0123456789", ""},
                      BreakRow{"barNeverFits", "ab cd|ef g", 20, " ", "ab cd|ef", "g"},
                      BreakRow{"blankJustBehindWidth", "abc def", 3, " ", "abc", "def"},
                      BreakRow{"blankBehindWidthNotTrimmed", "abc  def ", 3, " ", "abc", " def "},
                      BreakRow{"hyphenStaysOnFirstLine", "ab-cdef", 4, " -", "ab-", "cdef"},
                      BreakRow{"noBreakCharacterCutsAtWidth", "abcdefgh", 4, " ", "abcd", "efgh"},
                      BreakRow{"lastBreakCharacterWins", "a b,c d,efgh", 8, ", ", "a b,c d,", "efgh"},
                      BreakRow{"outerBlanksOfBreakRemoved", "ab  cd  efgh", 5, " ", "ab", "cd  efgh"},
                      BreakRow{"exactLengthIsBroken", "abcd", 4, " ", "abcd", ""}),
    rowName);

// Fixed metrics: every character is 10 units wide, "W" 25.
double fixedWidth(const QString& s)
{
    double w = 0;
    for (const QChar c : s)
        w += c == u'W' ? 25 : 10;
    return w;
}

struct SplitRow {
    const char* name;
    QString text;
    double width;
    QString part;
    QString rest;
};
void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }
class Split : public ::testing::TestWithParam<SplitRow> {};
TEST_P(Split, ToPrintedWidth)
{
    QString t = GetParam().text;
    EXPECT_EQ(SplitToWidth(t, GetParam().width, QStringLiteral(". -"), fixedWidth), GetParam().part);
    EXPECT_EQ(t, GetParam().rest);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Split,
    ::testing::Values(SplitRow{"fitsWhole", "  Gehäuse  ", 100, "Gehäuse", ""},
                      SplitRow{"atLastSeparator", "Kondensator Tantal fest", 150, "Kondensator", "Tantal fest"},
                      SplitRow{"separatorKept", "ICs-Speicher", 60, "ICs-", "Speicher"},
                      SplitRow{"noSeparatorCutAtWidth", "Widerstandsnetzwerk", 50, "Wid", "erstandsnetzwerk"},
                      SplitRow{"separatorAtFirstPositionIgnored", "-abcdef", 30, "-ab", "cdef"},
                      SplitRow{"measuredNotCounted", "WWWW WW", 60, "WW", "WW WW"},
                      SplitRow{"oneCharacterFits", "Wx", 30, "W", "x"}),
    rowName);

TEST(Split, NothingFitsIsAnError)
{
    QString t = QStringLiteral("Wort");
    EXPECT_THROW(SplitToWidth(t, 5, QStringLiteral(". -"), fixedWidth), InvalidArgumentError);
}

struct ProzRow {
    const char* name;
    QString text;
    double expected;
};
void PrintTo(const ProzRow& r, std::ostream* os) { *os << r.name; }
class Proz : public ::testing::TestWithParam<ProzRow> {};
TEST_P(Proz, Reads)
{
    EXPECT_DOUBLE_EQ(ValProz(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, Proz,
                         ::testing::Values(ProzRow{"percent", "50%", 50}, ProzRow{"commaEnds", "12,5%", 12},
                                           ProzRow{"onlyPercent", "%", 0}, ProzRow{"letters", "abc", 0},
                                           ProzRow{"empty", "", -1}, ProzRow{"blanks", "   ", -1},
                                           ProzRow{"trailingBlanks", "7.5%  ", 7.5}, ProzRow{"onePercentOnly", "5%%", 5}),
                         rowName);

struct BereichRow {
    const char* name;
    QString text;
    double minimum;
    double maximum;
    QString textAfter;
};
void PrintTo(const BereichRow& r, std::ostream* os) { *os << r.name; }
class Bereich : public ::testing::TestWithParam<BereichRow> {};
TEST_P(Bereich, Reads)
{
    QString t = GetParam().text;
    double lo = -1, hi = -1;
    ValBereich(t, lo, hi);
    EXPECT_DOUBLE_EQ(lo, GetParam().minimum);
    EXPECT_DOUBLE_EQ(hi, GetParam().maximum);
    EXPECT_EQ(t, GetParam().textAfter);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Bereich,
    ::testing::Values(BereichRow{"range", "10k/2M", 10000, 2000000, "10k/2M"},
                      BereichRow{"commaEnds", "4,7", 4, 4, "4,7"},
                      BereichRow{"giga", "1G", 1e9, 1e9, "1G"},
                      BereichRow{"lowerGIsDropped", "1g", 1, 1, "1"},
                      BereichRow{"noDigit", "abc", 0, 0, "abc"},
                      BereichRow{"empty", "  ", 0, 0, ""},
                      BereichRow{"trimmed", " 64Kb/1Mb ", 64, 1000000, "64Kb/1M"},
                      BereichRow{"missingMinimum", "/5m", 0, 5000000, "/5m"},
                      BereichRow{"missingMaximum", "5k/", 5000, 0, "5k/"},
                      BereichRow{"singleLetterKept", "t", 0, 0, "t"}),
    rowName);

class Units : public ::testing::Test {
protected:
    void SetUp() override
    {
        sp.program().EinhListe = QStringLiteral("mm=1440/25.4,cm=1440/2.54,in=1440,bad=5/0");
        sp.program().Cf = QStringLiteral("DefUnit=cm");
    }
    ScriptedProgram sp;
};

TEST_F(Units, NumberWithUnit)
{
    double v = -1;
    EXPECT_TRUE(ValUnit(QStringLiteral(" 12.5 mm "), v));
    EXPECT_NEAR(v, 12.5 * 1440 / 25.4, 1e-3);
}

TEST_F(Units, NumberWithoutUnitUsesDefUnit)
{
    double v = -1;
    EXPECT_TRUE(ValUnit(QStringLiteral("7"), v));
    EXPECT_NEAR(v, 7 * 1440 / 2.54, 1e-3);
}

TEST_F(Units, RefusedTexts)
{
    double v = -1;
    EXPECT_FALSE(ValUnit(QStringLiteral("12.5.3 cm"), v)); // unit ".3 cm" is not in the list
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(ValUnit(QStringLiteral("-5 mm"), v));
    EXPECT_FALSE(ValUnit(QStringLiteral("mm"), v));
    EXPECT_FALSE(ValUnit(QStringLiteral("3 ft"), v));
    EXPECT_FALSE(ValUnit(QStringLiteral("3 bad"), v)); // a zero divisor is refused, not divided by
}

} // namespace
