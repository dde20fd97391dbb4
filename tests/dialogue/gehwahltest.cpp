#include "common/answers.h"
#include "common/scriptedinteraction.h"
#include "dialogue/beprogein.h"
#include "frame/workslots.h"
#include "dialogue/menutestutil.h"
#include "frame/database.h"
#include "frame/editvar.h"
#include "frame/restext.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace frmBEProgEin;

namespace {

// A small housing table: SO with two housings and pin tables, TO with a housing
// without pin table, CHIP and DIK as kinds without housings of their own.
class HousingChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog().LangDir = QStringLiteral("dd\\");
        QDir().mkpath(d.dir.filePath(QStringLiteral("dd/btx")));
        QFile::copy(testutil::sourceDir() + QStringLiteral("/data/install/dd/btx/vftbzf.dia"),
                    d.dir.filePath(QStringLiteral("dd/btx/vftbzf.dia")));
        {
            auto db = Database::create(QStringLiteral("SYST_DB.sqlite"));
            db->executeScript(QStringLiteral(
                "CREATE TABLE GECRTH (Gec TEXT COLLATE NOCASE, Art TEXT COLLATE NOCASE, Arttext TEXT, Sort INTEGER,\n"
                " Pin INTEGER, Rthjamin REAL, Rthjamax REAL, Param TEXT, Her TEXT, Comment1 TEXT, Comment2 TEXT);\n"
                "INSERT INTO GECRTH VALUES ('SO', 'SO', 'Small Outline', 1, 0, 0, 0, '', '', '', '');\n"
                "INSERT INTO GECRTH VALUES ('SO8', 'SO', 'Small Outline', 1, 8, 160, 200, '', 'HerSO8', 'acht', 'eight');\n"
                "INSERT INTO GECRTH VALUES ('SO14', 'SO', 'Small Outline', 1, 14, 120, 150, '', 'HerSO14', 'vierzehn', '');\n"
                "INSERT INTO GECRTH VALUES ('SO14', 'SO', 'Small Outline', 1, 16, 110, 140, '', 'HerSO14', 'vierzehn', '');\n"
                "INSERT INTO GECRTH VALUES ('TO220', 'TO', NULL, 2, 0, 60, 70, '', 'HerTO', 'Leistung', '');\n"
                "INSERT INTO GECRTH VALUES ('CHIP', 'CHIP', 'Chip', 3, 0, 0, 0, '', 'HerChip', '', '');\n"
                "INSERT INTO GECRTH VALUES ('DIK', 'DIK', 'Chip in Kunststoff', 3, 0, 0, 0, '', 'HerDik', '', '');\n"));
        }
        sp.program().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
        other = ResText(QStringLiteral("493"), 1, true);
    }

    void menu(const char* which, Answer a)
    {
        sp.ui().expect(QuestionKind::Menu, QStringLiteral("GECRTH#") + QString::fromLatin1(which), std::move(a));
    }
    void menu(const char* which, ScriptedInteraction::Responder r)
    {
        sp.ui().expect(QuestionKind::Menu, QStringLiteral("GECRTH#") + QString::fromLatin1(which), std::move(r));
    }
    static Answer w(const QString& text) { return Answer::word(text); }
    static Answer key(const char* k) { return answers::menuKey(k[0]); }
    static Answer row(int n) { return answers::row(n); }

    testutil::ScriptedProgram sp;
    mtest::MenuDir d;
    QString other;
    QString Gec = QStringLiteral("old"), Pin = QStringLiteral("99"), Her = QStringLiteral("alt");
};

TEST_F(HousingChoice, KindMenuListsKindsBySortWithSeparators)
{
    menu("Art", [](const Question& q) {
        const QStringList expected{ResText(QStringLiteral("484"), 1, true), QStringLiteral("--------"),
                                   QStringLiteral("SO"), QStringLiteral("--------"), QStringLiteral("TO"),
                                   QStringLiteral("--------"), QStringLiteral("CHIP"), QStringLiteral("DIK"),
                                   QStringLiteral("--------"), ResStr(1504, 0, 1), ResStr(1501, 0, 1)};
        EXPECT_EQ(q.choices, expected);
        EXPECT_EQ(state().Menu1[3].caption, QStringLiteral("Small Outline"));
        EXPECT_TRUE(state().Menu1[5].caption.isEmpty()); // Arttext Null
        EXPECT_TRUE(state().Spalte2);
        return Answer::word(QStringLiteral("BACK"));
    });
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, 0), 2);
    EXPECT_EQ(Gec, QStringLiteral("old"));
    EXPECT_FALSE(state().Spalte2);
}

TEST_F(HousingChoice, FreeHousingNumberIsAppendedToTheKind)
{
    menu("Art", w(QStringLiteral("SO")));
    menu("Gec", [this](const Question& q) {
        EXPECT_TRUE(q.choices.contains(QStringLiteral("SO8")));
        EXPECT_EQ(q.choices.value(q.choices.size() - 4), other + QStringLiteral(" SO-Nr."));
        return w(other + QStringLiteral(" SO-Nr."));
    });
    sp.ui().expect(QuestionKind::Value, QStringLiteral("SO-Nr."), w(QStringLiteral("14")));
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, 0), 0);
    EXPECT_EQ(Gec, QStringLiteral("SO14"));
    EXPECT_TRUE(Pin.isEmpty());
    EXPECT_TRUE(Her.isEmpty());
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(HousingChoice, PinMenuGivesPinAndHer)
{
    menu("Art", w(QStringLiteral("SO")));
    menu("Gec", w(QStringLiteral("SO14")));
    menu("Pin", [](const Question& q) {
        EXPECT_EQ(q.choices.value(0), ResText(QStringLiteral("511"), 1, true, {QStringLiteral("SO14")}));
        EXPECT_EQ(q.choices.value(3), QStringLiteral("14"));
        EXPECT_EQ(q.choices.value(4), QStringLiteral("16"));
        EXPECT_EQ(state().Menu1[4].caption, QStringLiteral("120"));
        return w(QStringLiteral("16"));
    });
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 0);
    EXPECT_EQ(Gec, QStringLiteral("SO14"));
    EXPECT_EQ(Pin, QStringLiteral("16"));
    EXPECT_EQ(Her, QStringLiteral("HerSO14"));
}

TEST_F(HousingChoice, BackFromThePinMenuStartsAgainWithPinAndHerCleared)
{
    menu("Art", w(QStringLiteral("SO")));
    menu("Gec", w(QStringLiteral("SO8")));
    menu("Pin", w(QStringLiteral("BACK")));
    menu("Art", [this](const Question&) {
        EXPECT_TRUE(Pin.isEmpty());
        EXPECT_TRUE(Her.isEmpty());
        return w(QStringLiteral("CHIP"));
    });
    // CHIP: no housings, no pin table, and no pin count asked.
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 0);
    EXPECT_EQ(Gec, QStringLiteral("CHIP"));
    EXPECT_TRUE(Pin.isEmpty());
    EXPECT_EQ(Her, QStringLiteral("HerChip"));
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(HousingChoice, WithoutPinTableTheCountIsTypedAndMustBeANumber)
{
    menu("Art", w(QStringLiteral("TO")));
    menu("Gec", w(QStringLiteral("TO220")));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), w(QStringLiteral("3a")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("425"), Answer::button(Mb::OK));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), [](const Question& q) {
        EXPECT_EQ(modelOf<frmEdit::EditModel>(q)->input, QStringLiteral("3a"));
        return w(QStringLiteral("3"));
    });
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 0);
    EXPECT_EQ(Gec, QStringLiteral("TO220"));
    EXPECT_EQ(Pin, QStringLiteral("3"));
    EXPECT_EQ(Her, QStringLiteral("HerTO"));
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(HousingChoice, TypedHousingNumberIsOnlyEverABoundValue)
{
    // A quote in the typed number would break a pasted statement.
    menu("Art", w(QStringLiteral("SO")));
    menu("Gec", w(other + QStringLiteral(" SO-Nr.")));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("SO-Nr."), w(QStringLiteral("1' OR 'x'='x")));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), Answer::cancel());
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 1);
    EXPECT_EQ(Gec, QStringLiteral("old"));
}

TEST_F(HousingChoice, ChipHousingAsksItsKind)
{
    menu("Art", w(QStringLiteral("DIK")));
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\vftbzf#dikmil"), [](const Question&) {
        EXPECT_EQ(state().QbSdTxt[1].value(1), QStringLiteral("Gec=DIK"));
        return w(QStringLiteral("3"));
    });
    sp.program().WorkStr[Slot::Q] = QStringLiteral("Bac=1110");
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), w(QStringLiteral("2")));
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 0);
    EXPECT_EQ(Gec, QStringLiteral("DIK3"));
    EXPECT_EQ(Her, QStringLiteral("HerDik"));

    menu("Art", w(QStringLiteral("DIK")));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), w(QStringLiteral("2")));
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\vftbzf#dikmil"), w(QStringLiteral("0")));
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, -1), 0);
    EXPECT_EQ(Gec, QStringLiteral("DIK"));
}

struct KeyRow {
    const char* name;
    int lang;
    const char* typed;
    int result;
};
void PrintTo(const KeyRow& r, std::ostream* os) { *os << r.name; }

class HousingKeys : public HousingChoice, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(HousingKeys, ChooseBackOrCancel)
{
    sp.program().LangNr = GetParam().lang;
    menu("Art", key(GetParam().typed));
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, 0), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Keys, HousingKeys,
                         ::testing::Values(KeyRow{"germanBack", 1, "z", 2}, KeyRow{"germanCancel", 1, "A", 1},
                                           KeyRow{"englishBack", 2, "b", 2}, KeyRow{"englishCancel", 2, "c", 1}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(HousingChoice, SeparatorsTitlesAndCommaOnlyRepeatTheMenu)
{
    menu("Art", row(2)); // the separator above SO
    menu("Art", key(","));
    menu("Art", row(1));   // the title: no choice, keeps waiting
    menu("Art", Answer::cancel());
    EXPECT_EQ(BEGehWahl(Gec, Pin, Her, 0), 1);
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(HousingChoice, RunWahlGecsonstGivesTheCodeOrAWord)
{
    menu("Art", w(QStringLiteral("SO")));
    menu("Gec", w(QStringLiteral("SO8")));
    EXPECT_EQ(RunWahlGecsonst(0), QStringLiteral("SO8"));
    EXPECT_FALSE(state().loaded);
    menu("Art", w(QStringLiteral("BACK")));
    EXPECT_EQ(RunWahlGecsonst(0), QStringLiteral("BACK"));
    menu("Art", Answer::cancel());
    EXPECT_EQ(RunWahlGecsonst(0), QStringLiteral("ABBRUCH"));
}

} // namespace
