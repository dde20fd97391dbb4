#include "common/testutil.h"
#include "frame/database.h"
#include "frame/editvar.h"
#include "frame/restext.h"

#include <gtest/gtest.h>

using namespace frmEdit;

namespace {

// ---------------------------------------------------------------- CheckMask

struct MaskRow {
    const char* name;
    QString value;
    const char* mask;
    bool ok;
    QString result;     // the normalised value (the value itself on failure)
    const char* message; // the message shown, "" for none
};
void PrintTo(const MaskRow& r, std::ostream* os) { *os << r.name; }

class CheckMaskTable : public ::testing::TestWithParam<MaskRow> {};

TEST_P(CheckMaskTable, NormalisesOrRefuses)
{
    const MaskRow& r = GetParam();
    testutil::ScriptedProgram sp;
    sp.program().Cf = QStringLiteral(",Vers=1,12G=1,41G=4");
    if (*r.message)
        sp.ui().expect(QuestionKind::Message, QString::fromLatin1(r.message), Answer::button(Mb::OK));
    QString result;
    EXPECT_EQ(CheckMask(r.value, QString::fromLatin1(r.mask), result), r.ok);
    EXPECT_EQ(result.toStdString(), r.result.toStdString());
    EXPECT_TRUE(sp.ui().allUsed()) << "message " << r.message << " not shown";
}

INSTANTIATE_TEST_SUITE_P(
    Masks, CheckMaskTable,
    ::testing::Values(
        MaskRow{"classWithGroupKey", QStringLiteral("1234"), "B", true, QStringLiteral("1234"), ""},
        MaskRow{"classWithoutGroupKey", QStringLiteral("9934"), "B", false, QStringLiteral("9934"), "79"},
        MaskRow{"classThreeDigits", QStringLiteral("123"), "B", false, QStringLiteral("123"), "78"},
        MaskRow{"classWithLetter", QStringLiteral("12a4"), "B", false, QStringLiteral("12a4"), "78"},
        MaskRow{"classEmpty", QString(), "B", false, QString(), "78"},
        MaskRow{"technology", QStringLiteral("0099"), "T", true, QStringLiteral("0099"), ""},
        MaskRow{"technologyNeedsNoGroup", QStringLiteral("9934"), "T", true, QStringLiteral("9934"), ""},
        // 12.5 -> 12 (half to the even neighbour), 13.5 -> 14
        MaskRow{"percentHalfToEven", QStringLiteral("12.5%"), "P", true, QStringLiteral("12%"), ""},
        MaskRow{"percentHalfUp", QStringLiteral(" 13.5 "), "P", true, QStringLiteral("14%"), ""},
        MaskRow{"percentComma", QStringLiteral("12,5"), "P", false, QStringLiteral("12,5"), "425"},
        MaskRow{"percentBelowOne", QStringLiteral("0.4"), "P", false, QStringLiteral("0.4"), "425"},
        MaskRow{"percentTwoDots", QStringLiteral("1.2.3"), "P", false, QStringLiteral("1.2.3"), "425"},
        MaskRow{"percentEmpty", QString(), "P", false, QString(), "425"},
        MaskRow{"percentHuge", QStringLiteral("99999999999"), "P", false, QStringLiteral("99999999999"), "425"},
        MaskRow{"itemNumber", QStringLiteral("a12345 - b1234"), "S", true, QStringLiteral("A12345-B1234"), ""},
        MaskRow{"itemNumberBad", QStringLiteral("123"), "S", false, QStringLiteral("123"), "67"},
        MaskRow{"itemNumberEmpty", QString(), "S", true, QString(), ""},
        MaskRow{"lengthAndLower", QStringLiteral("AbC"), "#10c", true, QStringLiteral("abc"), ""},
        MaskRow{"upperThenClass", QStringLiteral("1234"), "CB", true, QStringLiteral("1234"), ""},
        MaskRow{"caseBeforeLaterLetters", QStringLiteral("xY"), "cXC", true, QStringLiteral("XY"), ""},
        MaskRow{"noMask", QStringLiteral(" any "), "", true, QStringLiteral(" any "), ""}),
    [](const auto& i) { return std::string(i.param.name); });

struct CharRow {
    const char* name;
    QString text;
    bool digit;
};
void PrintTo(const CharRow& r, std::ostream* os) { *os << r.name; }

class CharacterTests : public ::testing::TestWithParam<CharRow> {};

TEST_P(CharacterTests, ClassifyEveryCharacter)
{
    const CharRow& r = GetParam();
    EXPECT_EQ(IsDigit(r.text), r.digit);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterTests,
                         ::testing::Values(CharRow{"empty", QString(), true},
                                           CharRow{"digits", QStringLiteral("0129"), true},
                                           CharRow{"exponent", QStringLiteral("-1.5E+2"), false},
                                           CharRow{"words", QStringLiteral("Ab cZ"), false},
                                           CharRow{"umlaut", QStringLiteral("\u00e4"), false},
                                           CharRow{"comma", QStringLiteral("1,5"), false}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(EditKeyFilter, RefusesListSeparatorsMarkersAndControlKeys)
{
    for (QChar c : {QChar(u','), QChar(u'='), QChar(195), QChar(254), QChar(22), QChar(1)})
        EXPECT_FALSE(acceptsKey(c)) << int(c.unicode());
    for (QChar c : {QChar(u'a'), QChar(u' '), QChar(u'%'), QChar(8), QChar(13), QChar(27), QChar(3), QChar(0xe4),
                    QChar(0x20AC)})
        EXPECT_TRUE(acceptsKey(c)) << int(c.unicode());
}

// ---------------------------------------------------------------- EditVar

class EditVarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QStringList fields{QStringLiteral("Abk"), QStringLiteral("Z0D"), QStringLiteral("Z0E"),
                                 QStringLiteral("Z1D"), QStringLiteral("Z1E"), QStringLiteral("Z2D"),
                                 QStringLiteral("Z2E"), QStringLiteral("Einheit"), QStringLiteral("Pop")};
        std::vector<QVariantList> rows{
            {QStringLiteral("Tu"), QStringLiteral("Umgebungstemperatur"), QStringLiteral("Ambient temperature"),
             QStringLiteral(" Luft um das Ger\u00e4t "), QStringLiteral("Air"), QString(), QString(),
             QStringLiteral("\u00b0C"), QString()},
            {QStringLiteral("Qs"), QStringLiteral("Querschnitt"), QStringLiteral("Cross section"), QString(),
             QString(), QString(), QString(), QStringLiteral("mm2"), QString()},
            {QStringLiteral("Ir"), QStringLiteral("Reststrom"), QStringLiteral("Leakage"), QString(), QString(),
             QString(), QString(), QStringLiteral("{m}A"), QString()}};
        sp.program().AbkRs = std::make_unique<Snapshot>(fields, rows);
    }

    // Answers the dialog of name with a responder that records the model.
    void answer(const QString& name, Answer a)
    {
        sp.ui().expect(QuestionKind::Value, name, [this, a](const Question& q) {
            shown = *modelOf<EditModel>(q);
            return a;
        });
    }

    testutil::ScriptedProgram sp;
    EditModel shown;
};

TEST_F(EditVarTest, NameAndValueFromAPair)
{
    answer(QStringLiteral("Tu"), Answer::word(QStringLiteral("45")));
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("="), QStringLiteral("Tu=40"), result, QString(), nullptr, false), 0);
    EXPECT_EQ(result, QStringLiteral("Tu=45"));
    EXPECT_EQ(shown.input, QStringLiteral("40"));
    EXPECT_EQ(shown.title, QStringLiteral("Umgebungstemperatur"));
    EXPECT_EQ(shown.name, QStringLiteral("Tu:"));
    EXPECT_EQ(shown.help[0], QStringLiteral("Luft um das Ger\u00e4t"));
    EXPECT_EQ(shown.help[3], ResText(QStringLiteral("177"), 1, true, {QString()}));
    EXPECT_EQ(shown.unit, QStringLiteral("\u00b0C"));
    EXPECT_EQ(shown.cancelCaption, ResStr(1501, 0, 1));
    EXPECT_FALSE(shown.backVisible);
}

TEST_F(EditVarTest, ANameAloneHasAnEmptyValueAndEmptyOkGivesNoResult)
{
    answer(QStringLiteral("Tu"), Answer::word(QString()));
    QString result = QStringLiteral("stale");
    EXPECT_EQ(EditVar(QStringLiteral("="), QStringLiteral("Tu"), result, QString(), nullptr, false), 0);
    EXPECT_TRUE(shown.input.isEmpty());
    EXPECT_TRUE(result.isEmpty());
}

TEST_F(EditVarTest, AngleBracketsMakeAFreeEntry)
{
    answer(QString(), Answer::word(QStringLiteral("x")));
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("<neu>"), QString(), result, QString(), nullptr, false), 0);
    EXPECT_EQ(shown.title, ResText(QStringLiteral("476"), 1, true));
    EXPECT_EQ(shown.help[3], ResText(QStringLiteral("174"), 1, true, {ResText(QStringLiteral("175"), 1, false)}));
    EXPECT_TRUE(shown.name.isEmpty());
}

TEST_F(EditVarTest, AFailedMaskAsksAgainWithTheTypedValue)
{
    sp.program().Cf = QStringLiteral(",12G=1");
    answer(QStringLiteral("Bac"), Answer::word(QStringLiteral("123")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("78"), Answer::button(Mb::OK));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Bac"), [](const Question& q) {
        EXPECT_EQ(modelOf<EditModel>(q)->input, QStringLiteral("123"));
        return Answer::word(QStringLiteral("1234"));
    });
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("Bac"), QStringLiteral("4111"), result, QStringLiteral("Tec=T,Bac=#4B"), nullptr,
                      false),
              0);
    EXPECT_EQ(result, QStringLiteral("Bac=1234"));
    EXPECT_EQ(shown.maxLength, 4);
    EXPECT_EQ(shown.title, ResText(QStringLiteral("476"), 1, true)); // no record for Bac
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(EditVarTest, CancelDeleteAndBackLeaveTheResultEmpty)
{
    answer(QStringLiteral("Tu"), Answer::cancel());
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("Tu"), QStringLiteral("40"), result, QString(), nullptr, true), 1);
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(shown.cancelCaption, ResStr(1503, 0, 1));
    EXPECT_EQ(shown.help[3], ResText(QStringLiteral("173"), 1, true));

    answer(QStringLiteral("Tu"), Answer::word(QStringLiteral("BACK")));
    EXPECT_EQ(EditVar(QStringLiteral("Tu"), QStringLiteral("40"), result, QString(), nullptr, false, true), 2);
    EXPECT_TRUE(result.isEmpty());
    EXPECT_TRUE(shown.backVisible);
    EXPECT_EQ(shown.backCaption, ResStr(1504, 0, 1));
}

TEST_F(EditVarTest, PercentShownWithoutItsSignAndStoredWithIt)
{
    answer(QStringLiteral("Zfr"), Answer::word(QStringLiteral("12.5")));
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("Zfr"), QStringLiteral(" 80% "), result, QStringLiteral("Zfr=P"), nullptr, false), 0);
    EXPECT_EQ(shown.input, QStringLiteral("80"));
    EXPECT_EQ(result, QStringLiteral("Zfr=12%"));
}

struct UnitRow {
    const char* name;
    const char* abk;
    QString unit;
};
void PrintTo(const UnitRow& r, std::ostream* os) { *os << r.name; }

class EditVarUnits : public EditVarTest, public ::testing::WithParamInterface<UnitRow> {};

TEST_P(EditVarUnits, ShowTheSymbols)
{
    const QString abk = QString::fromLatin1(GetParam().abk);
    answer(abk, Answer::cancel());
    QString result;
    EditVar(abk, QString(), result, QString(), nullptr, false);
    EXPECT_EQ(shown.unit, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Units, EditVarUnits,
                         ::testing::Values(UnitRow{"degreesAsStored", "Tu", QStringLiteral("\u00b0C")},
                                           UnitRow{"squareMillimetres", "Qs", QStringLiteral("mm\u00b2")},
                                           UnitRow{"micro", "Ir", QStringLiteral("\u00b5A")}),
                         [](const auto& i) { return std::string(i.param.name); });

// A parameter of a record or line editor (a parameter list is given) that holds
// a number: what is typed, and what the value dialog makes of it.
struct NumberRow {
    const char* name;
    int lang;
    const char* parameter;
    const char* typed;
    const char* result;  // the "name=value" given back; nullptr when refused
    const char* refusal; // part of message 426 when refused
};
void PrintTo(const NumberRow& r, std::ostream* os) { *os << r.name; }

class EditVarNumbers : public EditVarTest, public ::testing::WithParamInterface<NumberRow> {};

TEST_P(EditVarNumbers, RefusedAndAskedAgainOrTaken)
{
    const NumberRow& r = GetParam();
    sp.program().LangNr = r.lang;
    const QString parameter = QString::fromLatin1(r.parameter);
    answer(parameter, Answer::word(QString::fromUtf8(r.typed)));
    QString message;
    if (r.refusal) {
        sp.ui().expect(QuestionKind::Message, QStringLiteral("426"), [&](const Question& q) {
            message = q.text;
            return Answer::button(Mb::OK);
        });
        sp.ui().expect(QuestionKind::Value, parameter, [&](const Question& q) {
            EXPECT_EQ(modelOf<EditModel>(q)->input, QString::fromUtf8(r.typed)) << "the text as typed is kept";
            return Answer::cancel();
        });
    }
    QString result;
    EditVar(parameter, QString(), result, QStringLiteral("Stck,Tu,Dtu,Tei,Zf=P,{pi}qem,Typ=#20"), nullptr, false);
    EXPECT_TRUE(sp.ui().allUsed());
    if (r.refusal) {
        EXPECT_TRUE(result.isEmpty());
        EXPECT_TRUE(message.contains(QString::fromUtf8(r.refusal))) << message.toStdString();
    } else {
        EXPECT_EQ(result, QString::fromUtf8(r.result));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, EditVarNumbers,
    ::testing::Values(NumberRow{"quantityLetters", 1, "Stck", "abc", nullptr, "\"abc\" ist keine Zahl"},
                      NumberRow{"temperatureLetter", 2, "Tu", "4o", nullptr, "\"4o\" is not a number"},
                      NumberRow{"temperatureBelowAbsoluteZero", 2, "Tu", "-300", nullptr, "absolute zero"},
                      NumberRow{"offsetLetters", 1, "Dtu", "abc", nullptr, "keine Zahl"},
                      NumberRow{"offsetNegative", 1, "Dtu", "-5", "Dtu=-5", nullptr},
                      NumberRow{"selfHeatingNegative", 2, "Tei", "-5", nullptr, "is negative"},
                      NumberRow{"selfHeatingPair", 2, "Tei", "0/30", "Tei=0/30", nullptr},
                      NumberRow{"percentageAboveHundred", 2, "Zf", "150", nullptr, "more than 100"},
                      NumberRow{"percentageThroughItsMask", 1, "Zf", "50", "Zf=50%", nullptr},
                      NumberRow{"piFactorGermanComma", 1, "{pi}qem", "1,5", "{pi}qem=1.5", nullptr},
                      NumberRow{"piFactorEnglishComma", 2, "{pi}qem", "1,5", nullptr, "write it with a point: 1.5"},
                      NumberRow{"textDropsTheComma", 1, "Typ", "A,B", "Typ=AB", nullptr}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(EditVarTest, TypedTextPassesTheKeyFilterAndTheLengthLimit)
{
    answer(QStringLiteral("Typ"), Answer::word(QStringLiteral("AB,C=DEFGH")));
    QString result;
    EXPECT_EQ(EditVar(QStringLiteral("Typ"), QString(), result, QStringLiteral("Typ=#4C"), nullptr, false), 0);
    EXPECT_EQ(result, QStringLiteral("Typ=ABCD"));
}

} // namespace
