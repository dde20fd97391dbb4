#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "frame/valuecheck.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Check = CheckedValue (*)(QStringView);

struct CheckRow {
    const char* name;
    Check check;
    const char* text;
    double value;        // expected when accepted
    const char* refusal; // English refusal expected; nullptr when accepted
};
void PrintTo(const CheckRow& r, std::ostream* os) { *os << r.name; }

class ValueCheck : public ::testing::TestWithParam<CheckRow> {
protected:
    testutil::ScriptedProgram sp;
};

TEST_P(ValueCheck, AcceptsOrSaysWhatIsWrong)
{
    const CheckRow& row = GetParam();
    sp.program().LangNr = 2;
    const CheckedValue got = row.check(QString::fromUtf8(row.text));
    if (row.refusal == nullptr) {
        EXPECT_TRUE(got.ok()) << got.refusal.toStdString();
        EXPECT_DOUBLE_EQ(got.value, row.value);
    } else {
        EXPECT_FALSE(got.ok()) << "accepted as " << got.value;
        EXPECT_EQ(got.refusal, QString::fromUtf8(row.refusal));
        EXPECT_EQ(got.value, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueCheck,
    ::testing::Values(
        CheckRow{"quantityWhole", checkQuantity, "3", 3, nullptr},
        CheckRow{"quantityFraction", checkQuantity, ".5", 0.5, nullptr},
        CheckRow{"quantityZero", checkQuantity, "0", 0, nullptr},
        CheckRow{"quantityLockMark", checkQuantity, "-1", -1, nullptr},
        CheckRow{"quantityBlanksAround", checkQuantity, " 2 ", 2, nullptr},
        CheckRow{"quantityNegative", checkQuantity, "-3", 0,
                 "\"-3\" is negative; a quantity is 0 or more (-1 locks the position)"},
        CheckRow{"quantityLetters", checkQuantity, "abc", 0, "\"abc\" is not a number"},
        CheckRow{"quantityEmpty", checkQuantity, "", 0, "value missing"},
        CheckRow{"quantityBlank", checkQuantity, "  ", 0, "value missing"},
        CheckRow{"quantityDecimalComma", checkQuantity, "1,5", 0,
                 "\"1,5\" has a decimal comma; write it with a point: 1.5"},
        CheckRow{"quantityTrailingLetters", checkQuantity, "12x", 0, "\"12x\" is not a number"},
        CheckRow{"quantityBeyondSingle", checkQuantity, "1e308", 0, "\"1e308\" is too large"},
        CheckRow{"temperatureDecimalPoint", checkTemperature, "40.5", 40.5, nullptr},
        CheckRow{"temperatureAbsoluteZero", checkTemperature, "-273.15", -273.15, nullptr},
        CheckRow{"temperatureDecimalComma", checkTemperature, "40,5", 0,
                 "\"40,5\" has a decimal comma; write it with a point: 40.5"},
        CheckRow{"temperatureBelowAbsoluteZero", checkTemperature, "-500", 0,
                 "\"-500\" is below absolute zero (-273.15 °C)"},
        CheckRow{"temperatureLetters", checkTemperature, "abc", 0, "\"abc\" is not a number"},
        CheckRow{"temperatureExponentWithoutDigits", checkTemperature, "3E", 0, "\"3E\" is not a number"},
        CheckRow{"percentageWithSign", checkPercentage, "80%", 80, nullptr},
        CheckRow{"percentageHundred", checkPercentage, "100", 100, nullptr},
        CheckRow{"percentageAboveHundred", checkPercentage, "150%", 0, "\"150%\" is more than 100 %"},
        CheckRow{"percentageNegative", checkPercentage, "-5%", 0,
                 "\"-5%\" is negative; a percentage is 0 to 100"},
        CheckRow{"percentageSignAlone", checkPercentage, "%", 0, "\"%\" is not a number"},
        CheckRow{"factorPoint", checkFactor, "0.5", 0.5, nullptr},
        CheckRow{"factorDecimalComma", checkFactor, "0,5", 0,
                 "\"0,5\" has a decimal comma; write it with a point: 0.5"},
        CheckRow{"factorNegative", checkFactor, "-2", 0, "\"-2\" is negative; a factor is 0 or more"},
        CheckRow{"rateExponent", checkRate, "1.5E+03", 1500, nullptr},
        CheckRow{"rateOldExponent", checkRate, "2D2", 200, nullptr},
        CheckRow{"rateNegative", checkRate, "-5", 0, "\"-5\" is negative; a failure rate is 0 or more"},
        CheckRow{"rateBeyondSingle", checkRate, "1e308", 0, "\"1e308\" is too large"},
        CheckRow{"rateGroupingAndComma", checkRate, "1.000,5", 0,
                 "\"1.000,5\" has a comma; write numbers with a decimal point and no thousands separator"},
        CheckRow{"numberNegativeStress", checkNumber, "-12", -12, nullptr},
        CheckRow{"numberBeyondDouble", checkNumber, "1e400", 0, "\"1e400\" is too large"},
        CheckRow{"numberWithUnit", checkNumber, "5 V", 0, "\"5 V\" is not a number"},
        CheckRow{"numberHexIsNoPlainNumber", checkNumber, "&H1F", 0, "\"&H1F\" is not a number"}),
    [](const auto& i) { return std::string(i.param.name); });

// The refusal is shown to a German user in German, and the decimal point of the
// suggestion stays a point under a German locale.
TEST(ValueCheckGerman, RefusesInTheUsersLanguage)
{
    testutil::ScriptedProgram sp;
    testutil::GermanLocale german;
    sp.program().LangNr = 1;
    EXPECT_EQ(checkTemperature(u"40,5").refusal, QString::fromUtf8("\"40,5\" hat ein Dezimalkomma; mit Punkt schreiben: 40.5"));
    EXPECT_DOUBLE_EQ(checkTemperature(u"40.5").value, 40.5);
}

} // namespace
