#include "common/testutil.h"
#include "frame/itemnumber.h"

#include <gtest/gtest.h>

using namespace testutil;

namespace {

const QString kBlock1Letter = QStringLiteral("Fehler!  Block 1 muß mit einem Buchstaben beginnen");

struct SachNrRow {
    const char* name;
    int language;
    QString number;
    QString expected;
};
void PrintTo(const SachNrRow& r, std::ostream* os) { *os << r.name; }
class SachNr : public ::testing::TestWithParam<SachNrRow> {};
TEST_P(SachNr, Normalises)
{
    ScriptedProgram sp;
    sp.program().LangNr = GetParam().language;
    const QString result = SachNrForm(GetParam().number);
    EXPECT_EQ(result, GetParam().expected);
    if (!isItemNumberError(result)) {
        EXPECT_EQ(result.size(), 17);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, SachNr,
    ::testing::Values(
        SachNrRow{"full", 1, "k12345-b1234-c123", "K12345-B1234-C123"},
        SachNrRow{"shortBlocksRightAligned", 1, "A12-B3-C4", "A   12-B   3-C  4"},
        SachNrRow{"oneBlock", 1, "A12345", "A12345           "},
        SachNrRow{"blanksAfterLetterAndDash", 1, "  a 12- b 3", "A   12-B   3     "},
        SachNrRow{"starsAndPlus", 1, "+1*-*", "+   1*-*         "},
        SachNrRow{"standDropped", 1, "A12345-B1234-C123-01", "A12345-B1234-C123"},
        SachNrRow{"empty", 1, "   ", "                 "},
        SachNrRow{"noLetter", 1, "123456", kBlock1Letter},
        SachNrRow{"noLetterEnglish", 2, "123456", "Error!  Block 1 must start with a character"},
        SachNrRow{"letterInDigits", 1, "A12X45", "Fehler!  Block 1 darf außer am Blockanfang nur Ziffern enthalten"},
        SachNrRow{"letterInDigitsBlock3", 2, "A1-B2-C3Z",
                  "Error!  Block 3 must not have numerals except in first position"},
        SachNrRow{"blockTooLong", 1, "A1234567-B1", "Fehler!  Block 1 darf nicht länger als 6 Zeichen sein"},
        // As designed the last block was cut to A12345, which can be another
        // component's number; it is refused like any other long block.
        SachNrRow{"lastBlockTooLongIsRefused", 1, "A1234567", "Fehler!  Block 1 darf nicht länger als 6 Zeichen sein"},
        SachNrRow{"thirdBlockTooLongIsRefused", 2, "A1-B2-C12345",
                  "Error!  Block 3 must not be longer than 4 characters"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(SachNr, ArgumentUnchanged)
{
    ScriptedProgram sp;
    const QString number = QStringLiteral(" a1-b2");
    SachNrForm(number);
    EXPECT_EQ(number, QStringLiteral(" a1-b2"));
}

struct YkRow {
    const char* name;
    int language;
    QString number;
    bool standCheck;
    QString yk;
    QString stand;
};
void PrintTo(const YkRow& r, std::ostream* os) { *os << r.name; }
class Yk : public ::testing::TestWithParam<YkRow> {};
TEST_P(Yk, Splits)
{
    ScriptedProgram sp;
    sp.program().LangNr = GetParam().language;
    QString yk = QStringLiteral("old"), stand = QStringLiteral("old");
    YkNorm(GetParam().number, yk, stand, GetParam().standCheck);
    EXPECT_EQ(yk, GetParam().yk);
    EXPECT_EQ(stand, GetParam().stand);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Yk,
    ::testing::Values(
        YkRow{"withStand", 1, "A12345-B1234-C123-01", false, "A12345-B1234-C123", "01"},
        YkRow{"withoutStand", 1, "A12345-B1234-C123", false, "A12345-B1234-C123", "  "},
        YkRow{"oneCharacterStand", 1, "a12345-b1234-c123-1", false, "A12345-B1234-C123", " 1"},
        YkRow{"shortBlocks", 1, "A1-B2-C3", false, "A    1-B   2-C  3", "  "},
        YkRow{"emptyMiddleBlockKept", 1, "A1--C3", false, "A    1-     -C  3", "  "},
        YkRow{"trailingDashRemoved", 1, "A1-", false, "A    1           ", "  "},
        YkRow{"noTests", 1, "123-4", false, "1   23-4         ", "  "},
        YkRow{"blockTooLong", 1, "A1234567-B1", false, "Fehler!  Block 1 darf nicht länger als 6 Zeichen sein", ""},
        YkRow{"longStandChecked", 2, "A12345-B1234-C123-ABC", true,
              "Error!  Block 4 must not be longer than 2 characters", ""},
        YkRow{"longStandCut", 2, "A12345-B1234-C123-ABC", false, "A12345-B1234-C123", "AB"},
        YkRow{"empty", 1, "   ", false, "", ""}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
