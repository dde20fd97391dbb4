// The numeric fields of the installation's input screens, typed into in the
// window as the user types: a value that is no number of the field's kind is
// refused with a message and the user is put back into that field; the decimal
// comma of the German keyboard is a decimal point, never dropped.
#include "common/testutil.h"
#include "dialogue/dia.h"
#include "dialogue/frmdia.h"
#include "dialogue/screen.h"
#include "frame/program.h"
#include "frame/tarnstart.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TypedCase {
    const char* name;
    int lang; // 1 German (dd), 2 English (de)
    const char* file;
    const char* chapter;
    int field;         // its digit
    const char* typed; // as keys
    const char* shown; // the field's text after typing
    const char* refusal; // part of the message; nullptr when the screen ends
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedEntry : public ::testing::TestWithParam<TypedCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        prog().LangNr = GetParam().lang;
        prog().LangDir = GetParam().lang == 2 ? QStringLiteral("de\\") : QStringLiteral("dd\\");
        screen = loadInputScreen(prog().LangDir + QString::fromLatin1(GetParam().file),
                                 QString::fromLatin1(GetParam().chapter));
        ASSERT_TRUE(screen.has_value());
        window.start(*screen);
        QApplication::setActiveWindow(&window);
    }

    testutil::TempInstallation inst;
    testutil::ScriptedProgram sp;
    std::optional<DiaScreen> screen;
    frmDiaWindow window;
};

TEST_P(TypedEntry, RefusedInPlaceOrTaken)
{
    const TypedCase& c = GetParam();
    QLineEdit* field = window.entryField(c.field);
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClicks(field, QString::fromUtf8(c.typed));
    EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));

    QString message;
    if (c.refusal)
        sp.ui().expect(QuestionKind::Message, QStringLiteral("426"), [&](const Question& q) {
            message = q.text;
            return Answer::button(Mb::OK);
        });
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(sp.ui().allUsed());
    if (!c.refusal) {
        ASSERT_TRUE(screen->ended());
        EXPECT_EQ(screen->entryCopy[c.field], QString::fromUtf8(c.shown));
        return;
    }
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.refusal))) << message.toStdString();
    EXPECT_FALSE(screen->ended());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), QString::fromUtf8(c.shown)) << "typing replaces the refused text";

    // Corrected, the same screen ends with the value.
    QTest::keyClicks(field, QStringLiteral("7"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(screen->ended());
    EXPECT_EQ(screen->entryCopy[c.field], QStringLiteral("7"));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, TypedEntry,
    ::testing::Values(
        TypedCase{"temperatureWithALetter", 1, "btx\\glob", "tuvl", 0, "4o", "4o", "\"4o\" ist keine Zahl"},
        TypedCase{"temperatureBelowAbsoluteZero", 2, "btx\\glob", "tuvl", 0, "-300", "-300", "below absolute zero"},
        TypedCase{"coolingAirWithGermanComma", 1, "btx\\glob", "tuvl", 1, "2,5", "2.5", nullptr},
        TypedCase{"piFactorWithGermanComma", 1, "btx\\milq", "piqegl", 0, "1,5", "1.5", nullptr},
        TypedCase{"piFactorWithCommaInEnglish", 2, "btx\\milq", "piqegl", 2, "1,5", "1,5",
                  "write it with a point: 1.5"},
        TypedCase{"timeFactorWithLetters", 2, "btx\\glob", "zfgl", 0, "abc", "abc", "\"abc\" is not a number"},
        TypedCase{"timeFactorAboveHundred", 1, "btx\\glob", "zfgl", 0, "150", "150", "mehr als 100"},
        TypedCase{"selfHeatingNegative", 2, "btx\\hl", "teie", 1, "-5", "-5", "is negative"},
        TypedCase{"positionOffsetWithLetters", 2, "qsl\\kopfpos", "dtu", 1, "abc", "abc", "is not a number"},
        TypedCase{"negativeQuantityOfANewPosition", 1, "qsl\\kopfpos", "neube", 1, "-2", "-2", "negativ"},
        TypedCase{"textFieldKeepsItsCommaRule", 1, "qsl\\kopfpos", "neube", 2, "R1,R2", "R1R2", nullptr}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(EntryFieldKinds, EveryCheckedFieldIsOnItsScreenInBothLanguages)
{
    // A field of the table that a chapter does not have would never be checked.
    testutil::TempInstallation inst;
    testutil::ScriptedProgram sp;
    ASSERT_TRUE(inst.ok());
    ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
    const char* screens[][2] = {{"btx\\glob", "tuvl"},    {"btx\\glob", "zfgl"},    {"btx\\milq", "piqegl"},
                                {"btx\\milq", "piqe"},    {"btx\\hl", "tumaxe"},    {"btx\\hl", "tjmaxe"},
                                {"btx\\hl", "teie"},      {"btx\\hl", "nmw"},       {"btx\\div", "ntyp"},
                                {"btx\\div", "nmax"},     {"btx\\div", "hisch"},    {"btx\\div", "degr"},
                                {"btx\\div", "tei"},      {"btx\\div", "sh"},       {"btx\\kom", "asac"},
                                {"btx\\kom", "asice"},    {"btx\\tsabrth", "rth"},  {"btx\\tsabrth", "rtk"},
                                {"btx\\uif", "ubmax"},    {"btx\\uif", "unen"},     {"btx\\uif", "ibmax"},
                                {"btx\\uif", "fnen"},     {"btx\\uif", "inen"},     {"btx\\uif", "ub"},
                                {"btx\\uif", "ib"},       {"btx\\vftbzf", "vf"},    {"btx\\vftbzf", "tbmax"},
                                {"btx\\vftbzf", "are"},   {"btx\\vftbzf", "ari"},   {"btx\\vftbzf", "zfe"},
                                {"btx\\vftbzf", "vfi"},   {"qsl\\kopfpos", "dtu"},  {"qsl\\kopfpos", "neube"},
                                {"qsl\\para", "prozqs"},  {"qsl\\para", "prozbt"}};
    for (const char* lang : {"dd\\", "de\\"})
        for (const auto& sc : screens) {
            prog().LangDir = QString::fromLatin1(lang);
            const QString key = QString::fromLatin1(sc[0]) + u'#' + QString::fromLatin1(sc[1]);
            const auto s = loadInputScreen(QString::fromLatin1(lang) + QString::fromLatin1(sc[0]),
                                           QString::fromLatin1(sc[1]));
            ASSERT_TRUE(s.has_value()) << lang << key.toStdString();
            int checked = 0;
            for (int d = 0; d < 10; ++d)
                if (entryFieldCheck(key, d)) {
                    ++checked;
                    const int at = s->fieldOfIndex(d);
                    ASSERT_GE(at, 0) << lang << key.toStdString() << " has no field " << d;
                    EXPECT_TRUE(s->fields[at].check) << lang << key.toStdString() << " field " << d;
                }
            EXPECT_GT(checked, 0) << key.toStdString();
        }
}

} // namespace
