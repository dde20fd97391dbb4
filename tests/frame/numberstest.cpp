#include "common/xlsxbuilder.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/textlib.h"

#include <cmath>
#include <gtest/gtest.h>
#include <clocale>
#include <cmath>
#include <string>

namespace {
struct ReadRow {
    const char* name;
    const char* text;
    double expected;
};
void PrintTo(const ReadRow& r, std::ostream* os) { *os << r.name; }
class LeadingNumber : public ::testing::TestWithParam<ReadRow> {};
TEST_P(LeadingNumber, Reads)
{
    EXPECT_DOUBLE_EQ(readLeadingNumber(QString::fromLatin1(GetParam().text)), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, LeadingNumber,
                         ::testing::Values(ReadRow{"commaEnds", "12,5", 12}, ReadRow{"dExponent", "1D3", 1000},
                                           ReadRow{"hex", "&H1F", 31}, ReadRow{"octal", "&O17", 15},
                                           ReadRow{"leadingBlanks", " \t\n 4.5x", 4.5},
                                           ReadRow{"noNumber", "abc", 0}, ReadRow{"empty", "", 0},
                                           ReadRow{"sign", "-2.5e-1", -0.25}, ReadRow{"pointFirst", ".4", 0.4},
                                           ReadRow{"exponentWithoutDigits", "3E", 3},
                                           ReadRow{"unit", "2 cm", 2}),
                         [](const auto& i) { return std::string(i.param.name); });

// Users run under a German locale: its decimal comma must change nothing.
TEST(LeadingNumberUnderGermanLocale, ReadsThePointAsDecimalPoint)
{
    testutil::GermanLocale german;
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"-.25x"), -0.25);
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"+2.5E1"), 25);
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"2,5"), 2);
    EXPECT_EQ(plainNumber(1.5), QStringLiteral("1.5"));
    // Out of range as the C library reads it: infinity, or zero.
    EXPECT_TRUE(std::isinf(readLeadingNumber(u"1E999")));
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"1E-999"), 0);
}

TEST(IntegerConversion, HalfToEvenAndOverflow)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_THROW(toInt16(32767.5), OverflowError);
    EXPECT_THROW(toInt16(-32769), OverflowError);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), OverflowError);
}

struct PlainRow {
    const char* name;
    double value;
    bool single;
    const char* expected;
};
void PrintTo(const PlainRow& r, std::ostream* os) { *os << r.name; }
class PlainNumber : public ::testing::TestWithParam<PlainRow> {};
TEST_P(PlainNumber, Writes)
{
    EXPECT_EQ(plainNumber(GetParam().value, GetParam().single), QString::fromLatin1(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, PlainNumber,
    ::testing::Values(PlainRow{"belowOne", 0.4, false, ".4"}, PlainRow{"negativeBelowOne", -0.4, false, "-.4"},
                      PlainRow{"integer", 12, false, "12"}, PlainRow{"noTrailingZeros", 2.50, false, "2.5"},
                      PlainRow{"large", 1e15, false, "1E+15"}, PlainRow{"zero", 0, false, "0"},
                      PlainRow{"singleDigits", 1.0 / 3.0, true, ".3333333"},
                      PlainRow{"doubleDigits", 1.0 / 3.0, false, ".333333333333333"},
                      PlainRow{"singleLarge", 12345678, true, "1.234568E+07"},
                      PlainRow{"small", 0.00001, false, "1E-05"}, PlainRow{"singleOfTenth", 0.1, true, ".1"}),
    [](const auto& i) { return std::string(i.param.name); });

// The C library under the locale of the program's users, where "," is the
// decimal point; the number layer must read and write as under C.
class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        mOld = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            FAIL() << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, mOld.c_str()); }
    std::string mOld;
};

TEST_F(GermanLocale, NumbersReadAndWriteWithAPoint)
{
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"2,75"), 2.0);
    EXPECT_DOUBLE_EQ(readLeadingNumber(u"-3.25E2"), -325.0);
    EXPECT_EQ(plainNumber(2.75), QStringLiteral("2.75"));
    EXPECT_EQ(plainSingle(0.1), QStringLiteral(".1"));
    EXPECT_EQ(plainNumber(12345678.5), QStringLiteral("12345678.5"));
    EXPECT_EQ(fixedNumber(2.75, 1), QStringLiteral("2.8"));
}

struct FixedRow {
    const char* name;
    double value;
    int decimals;
    const char* expected;
};
void PrintTo(const FixedRow& r, std::ostream* os) { *os << r.name; }
class FixedNumber : public ::testing::TestWithParam<FixedRow> {};
TEST_P(FixedNumber, Writes)
{
    EXPECT_EQ(fixedNumber(GetParam().value, GetParam().decimals), QString::fromLatin1(GetParam().expected));
}
// 2.675 is 2.67499999999999982236431605997495353221893310546875 in binary: it
// rounds down; 0.125 is exact and ties to even, as printf rounds.
INSTANTIATE_TEST_SUITE_P(
    Cases, FixedNumber,
    ::testing::Values(FixedRow{"twoDecimals", 2.675, 2, "2.67"}, FixedRow{"tieToEven", 0.125, 2, "0.12"},
                      FixedRow{"noDecimals", 2.5, 0, "2"}, FixedRow{"negative", -1.05, 1, "-1.1"},
                      FixedRow{"noGrouping", 1234567.891, 1, "1234567.9"}, FixedRow{"padsZeros", 3, 3, "3.000"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(LeadingNumberRange, TooLargeIsInfiniteTooSmallIsZero)
{
    EXPECT_EQ(readLeadingNumber(u"1E999"), HUGE_VAL);
    EXPECT_EQ(readLeadingNumber(u"-1E999"), -HUGE_VAL);
    EXPECT_EQ(readLeadingNumber(u"1E-999"), 0.0);
    EXPECT_EQ(readLeadingNumber(u"+7"), 7.0);
}

TEST(ParseString, TokensAndEnd)
{
    int pos = 1;
    const QString text = "a,b,,c";
    EXPECT_EQ(ParseString(pos, text, ","), "a");
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(ParseString(pos, text, ","), "b");
    EXPECT_EQ(ParseString(pos, text, ","), "");
    EXPECT_EQ(ParseString(pos, text, ","), "c");
    EXPECT_EQ(pos, 0);
    pos = 1;
    const QString names = QString("k1") + QChar(0) + "k2" + QChar(0);
    EXPECT_EQ(ParseString(pos, names, QString(QChar(0))), "k1");
    EXPECT_EQ(ParseString(pos, names, QString(QChar(0))), "k2");
    EXPECT_EQ(ParseString(pos, names, QString(QChar(0))), "");
    EXPECT_EQ(pos, 0);
}

TEST(TextLib, BlanksOnlyAreTrimmed)
{
    // Tabs and line ends belong to the text (unlike QString::trimmed).
    EXPECT_EQ(withoutLeadingBlanks("  \tA1 "), QStringLiteral("\tA1 "));
    EXPECT_EQ(withoutTrailingBlanks(" A1\r  "), QStringLiteral(" A1\r"));
    EXPECT_EQ(withoutTrailingBlanks("   "), QString());
}
} // namespace
