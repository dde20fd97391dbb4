#include "common/answers.h"
#include "dialogue/beprogein.h"
#include "dialogue/menufile.h"
#include "dialogue/menutestutil.h"
#include "frame/errors.h"
#include "frame/restext.h"

#include <gtest/gtest.h>

using namespace frmBEProgEin;

namespace {

const QString kPara = QStringLiteral("\u00A7");

QStringList rowTexts(const MenuRows& m)
{
    QStringList out;
    for (std::size_t i = 1; i < m.rows.size(); ++i)
        out << m.rows[i].text;
    return out;
}

// ---------------------------------------------------------------- file format

TEST(MenuFile, ItemRowsPadTheCodeToSixColumns)
{
    const MenuRows m = buildMenuRows({QStringLiteral("I     Titel"), QStringLiteral("A12   Widerstand"),
                                      QStringLiteral("A1234Kondensator")},
                                     {});
    ASSERT_EQ(m.last(), 4);
    EXPECT_EQ(m.rows[1].text, QStringLiteral("Titel"));
    EXPECT_EQ(m.rows[2].text, QStringLiteral("--------"));
    EXPECT_EQ(m.rows[3].text, QStringLiteral("12    Widerstand"));
    EXPECT_EQ(m.rows[3].hotKey, QStringLiteral("1"));
    EXPECT_EQ(m.rows[4].text, QStringLiteral("1234  Kondensator"));
    EXPECT_EQ(m.hotKeys, QStringLiteral(",1,1"));
    EXPECT_EQ(menuRowCode(QStringLiteral("     ") + m.rows[3].text), QStringLiteral("12"));
    EXPECT_EQ(m.rows[0].state, QStringLiteral("0"));
    EXPECT_EQ(m.rows[1].state, QStringLiteral("0"));
    EXPECT_EQ(m.rows[3].state, QString());
}

struct SubmenuRow {
    const char* name;
    const char* chapter;
    QString line;
    const char* submenu;
    QString text;
};
void PrintTo(const SubmenuRow& r, std::ostream* os) { *os << r.name; }

class MenuSubmenuMark : public ::testing::TestWithParam<SubmenuRow> {};

TEST_P(MenuSubmenuMark, OpensTheNamedChapter)
{
    const SubmenuRow& r = GetParam();
    const MenuRows m = buildMenuRows({QStringLiteral("I     T"), r.line}, {});
    ASSERT_EQ(m.last(), 3);
    EXPECT_EQ(m.rows[3].submenu, QString::fromLatin1(r.submenu));
    EXPECT_EQ(m.rows[3].text, r.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MenuSubmenuMark,
    ::testing::Values(
        SubmenuRow{"atEnd", "res", QStringLiteral("AW    Draht ") + kPara + u'>', ">", QStringLiteral("W     Draht    >")},
        SubmenuRow{"named", "res", QStringLiteral("AW    Draht ") + kPara + QStringLiteral(">= drw , mehr"), "drw",
                   QStringLiteral("W     Draht    >")},
        SubmenuRow{"inTheMiddleIsNoSubmenu", "res", QStringLiteral("AW    Draht ") + kPara + QStringLiteral("> x"), "",
                   QStringLiteral("W     Draht ") + kPara + QStringLiteral("> x")}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(MenuFile, CommentRuleContinuationAndSpaceRows)
{
    const MenuRows m = buildMenuRows({QStringLiteral("I     T"), QStringLiteral("A1    Eins"), QStringLiteral("F     mehr"),
                                      QStringLiteral("A2    Zwei"), QStringLiteral("C"), QStringLiteral("C     Kopf"),
                                      QStringLiteral("F     und"), QStringLiteral("A3    Drei"), QStringLiteral("Z6    Gruppe"),
                                      QStringLiteral("Zx    Flach"), QStringLiteral("X"), QStringLiteral("L"),
                                      QStringLiteral("Q1    unbekannt"), QStringLiteral("A4")},
                                     {});
    const QStringList expected{QStringLiteral("T"),
                               QStringLiteral("--------"),
                               QStringLiteral("1     Eins"),
                               QString(16, u' ') + QStringLiteral("mehr"),
                               QStringLiteral("   "), // the blank row an F line asks for
                               QStringLiteral("2     Zwei"),
                               QStringLiteral("Kopf"), // a bare "C" is ignored
                               QString(16, u' ') + QStringLiteral("und"),
                               QStringLiteral("--------"), // C and F pending: only the rule
                               QStringLiteral("3     Drei"),
                               QStringLiteral("--------"),
                               QStringLiteral("      Gruppe"),
                               QStringLiteral("--------"),
                               QStringLiteral("Flach"),
                               QStringLiteral("   "),
                               QStringLiteral("--------")};
    EXPECT_EQ(rowTexts(m), expected);
    EXPECT_EQ(m.rows[4].state, QStringLiteral("-"));
    EXPECT_EQ(m.rows[7].state, QStringLiteral("0"));
}

struct StandardTail {
    const char* name;
    int addButt;
    QStringList tail;
    const char* hotKeys;
};
void PrintTo(const StandardTail& r, std::ostream* os) { *os << r.name; }

class MenuStandardItems : public ::testing::TestWithParam<StandardTail> {};

TEST_P(MenuStandardItems, FollowTheChapterRows)
{
    const StandardTail& r = GetParam();
    const StandardItems items{r.addButt, QStringLiteral("&Hilfe"), QStringLiteral("&Zur\u00fcck"),
                              QStringLiteral("&Abbrechen")};
    const MenuRows m = buildMenuRows({QStringLiteral("I     T"), QStringLiteral("A1    Eins")}, items);
    EXPECT_EQ(rowTexts(m).mid(3), r.tail);
    EXPECT_EQ(m.hotKeys, QString::fromLatin1(r.hotKeys));
}

const QString R = QStringLiteral("--------");
INSTANTIATE_TEST_SUITE_P(
    AddButt, MenuStandardItems,
    ::testing::Values(StandardTail{"all", 7,
                                   {R, QStringLiteral("&Hilfe"), R, QStringLiteral("&Zur\u00fcck"),
                                    QStringLiteral("&Abbrechen")},
                                   ",1,H,Z,A"},
                      StandardTail{"backCancel", 3, {R, QStringLiteral("&Zur\u00fcck"), QStringLiteral("&Abbrechen")},
                                   ",1,Z,A"},
                      StandardTail{"cancel", 1, {R, QStringLiteral("&Abbrechen")}, ",1,A"},
                      StandardTail{"help", 4, {R, QStringLiteral("&Hilfe"), R}, ",1,H"},
                      StandardTail{"none", 0, {}, ",1"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(MenuFile, ChapterHeadsAreTrimmedButCaseSensitive)
{
    mtest::MenuDir d;
    d.write(QStringLiteral("m.pop"), mtest::ansiFile({QStringLiteral("A1    vorne"), QStringLiteral("  @Kap  "),
                                                      QStringLiteral("A2    zwei"), QStringLiteral("@next"),
                                                      QStringLiteral("A3    drei"), QStringLiteral("@last")}));
    const MenuChapter c = readMenuChapter(QStringLiteral("m.pop"), QStringLiteral("Kap"));
    ASSERT_TRUE(c.found);
    EXPECT_EQ(c.lines, QStringList{QStringLiteral("A2    zwei")});
    EXPECT_FALSE(readMenuChapter(QStringLiteral("m.pop"), QStringLiteral("kap")).found);
    EXPECT_FALSE(readMenuChapter(QStringLiteral("m.pop"), QStringLiteral("last")).found);
    EXPECT_EQ(readMenuChapter(QStringLiteral("m.pop"), QString()).lines, QStringList{QStringLiteral("A1    vorne")});
    EXPECT_THROW(readMenuChapter(QStringLiteral("none.pop"), QStringLiteral("Kap")), TarnError);
}

// ---------------------------------------------------------------- interpreter

class MenuInterpreter : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog().LangDir = QStringLiteral("dd\\");
        QStringList lines{QStringLiteral("@hg"),
                          QStringLiteral("I     Bauelemente-Klasse"),
                          QStringLiteral("A1    Integrierte Schaltungen ") + kPara + u'>',
                          QStringLiteral("A2    Diskrete Halbleiter"),
                          QStringLiteral("F     Dioden und Transistoren"),
                          QStringLiteral("A3    Optoelektronik ") + kPara + QStringLiteral(">=opto, weitere"),
                          QStringLiteral("C     Passive"),
                          QStringLiteral("A4    Widerst\u00e4nde"),
                          QStringLiteral("A41   Netzwerke"),
                          QStringLiteral("A a   klein"),
                          QStringLiteral("@1"),
                          QStringLiteral("I     Integrierte Schaltungen"),
                          QStringLiteral("A1    Digital"),
                          QStringLiteral("A5    Linear"),
                          QStringLiteral("@opto"),
                          QStringLiteral("I     Optoelektronik"),
                          QStringLiteral("A1    LED"),
                          QStringLiteral("@long"),
                          QStringLiteral("I     Lang")};
        for (int i = 10; i < 50; ++i)
            lines << QStringLiteral("A%1    Eintrag %1").arg(i);
        lines << QStringLiteral("@end");
        QByteArray bytes;
        for (const QString& l : lines)
            bytes += toAnsi(l) + "\r\n";
        d.write(QStringLiteral("dd/btx/bac.pop"), bytes);
    }

    int ask(const QString& kap, QString& kz, int addButt = 1, int popNr = 0)
    {
        int top = 0;
        return BEBacTecWahl(QStringLiteral("dd\\btx\\bac"), kap, QString(), kz, QStringLiteral("Bac="), popNr, top,
                            addButt);
    }

    static Answer row(int n) { return answers::row(n); }
    static Answer key(const char* k) { return answers::menuKey(k[0]); }

    testutil::ScriptedProgram sp;
    mtest::MenuDir d;
};

TEST_F(MenuInterpreter, TwoLevelsJoinTheCodesAndBackRestoresTheSidePanel)
{
    auto& ui = sp.ui();
    ui.expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::word(QStringLiteral("1")));
    ui.expect(QuestionKind::Menu, QStringLiteral("btx\\bac#1"), [](const Question&) {
        EXPECT_EQ(state().QbSdTxt[1].value(0), QStringLiteral("Bac=1"));
        EXPECT_EQ(state().Vortext[0].text, QStringLiteral("1     Integrierte Schaltungen "));
        return Answer::word(QStringLiteral("BACK"));
    });
    ui.expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), [](const Question&) {
        EXPECT_EQ(state().QbSdTxt[1].value(0), QStringLiteral("Bac="));
        return Answer::word(QStringLiteral("1"));
    });
    ui.expect(QuestionKind::Menu, QStringLiteral("btx\\bac#1"), Answer::word(QStringLiteral("5")));
    QString kz;
    int top = 0;
    EXPECT_EQ(BEBacTecWahl(QStringLiteral("dd\\btx\\bac"), QStringLiteral("hg"), QString(), kz, QStringLiteral("Bac="), 0,
                           top, 1),
              0);
    EXPECT_EQ(kz, QStringLiteral("15"));
    EXPECT_EQ(top, 400);
    EXPECT_TRUE(ui.allUsed());
    // After the call no menu is shown.
    EXPECT_EQ(state().ZeilenAnz, 1);
    EXPECT_FALSE(state().TastWarten);
    EXPECT_EQ(state().Menu.size(), 2u);
    EXPECT_FALSE(state().Menu[1].visible);
    EXPECT_EQ(state().Vortext.size(), 1u);
}

TEST_F(MenuInterpreter, APathAnswersTheSubmenusToo)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::word(QStringLiteral("15")));
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz), 0);
    EXPECT_EQ(kz, QStringLiteral("15"));
}

TEST_F(MenuInterpreter, NamedSubmenuAndCancelInsideKeepsTheOuterCodes)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::word(QStringLiteral("3")));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#opto"), Answer::cancel());
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz), 1);
    EXPECT_EQ(kz, QStringLiteral("3"));
}

TEST_F(MenuInterpreter, AContinuationRowChoosesTheItemAbove)
{
    // Rows: 1 title, 2 rule, 3 item 1, 4 item 2, 5 its continuation.
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), row(5));
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz), 0);
    EXPECT_EQ(kz, QStringLiteral("2"));
}

TEST_F(MenuInterpreter, RowsThatCannotBeChosenShowTheMenuAgain)
{
    // The title row cannot be clicked; the comment row "Passive" (8) is clicked
    // but not chosen.
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), row(1));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), row(8));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), [](const Question& q) {
        EXPECT_EQ(q.choices.value(7).trimmed(), QStringLiteral("Passive"));
        return Answer::word(QStringLiteral("4"));
    });
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz), 0);
    EXPECT_EQ(kz, QStringLiteral("4"));
    EXPECT_TRUE(sp.ui().allUsed());
}

struct HotKeyRow {
    const char* name;
    const char* typed;
    int mode;
    const char* kz;
    int extraQuestions; // the menu was shown again (or kept waiting) that often
};
void PrintTo(const HotKeyRow& r, std::ostream* os) { *os << r.name; }

class MenuHotKeys : public MenuInterpreter, public ::testing::WithParamInterface<HotKeyRow> {};

TEST_P(MenuHotKeys, ChooseTheLowestRowOfTheKey)
{
    const HotKeyRow& r = GetParam();
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), key(r.typed));
    for (int i = 0; i < r.extraQuestions; ++i)
        sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::word(QStringLiteral("2")));
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz, 7), r.mode);
    if (r.mode == 0) {
        EXPECT_EQ(kz, QString::fromLatin1(r.kz));
    }
    EXPECT_TRUE(sp.ui().allUsed());
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuHotKeys,
                         ::testing::Values(HotKeyRow{"sharedKeyTakesTheLowerItem", "4", 0, "41", 0},
                                           HotKeyRow{"plainItem", "2", 0, "2", 0},
                                           HotKeyRow{"lowerCaseBack", "z", 2, "", 0},
                                           HotKeyRow{"cancel", "A", 1, "", 0},
                                           HotKeyRow{"help", "h", 4, "", 0},
                                           HotKeyRow{"smallCodeOnlyByMouse", "a", 1, "", 0},
                                           HotKeyRow{"notAHotKeyKeepsWaiting", "Q", 0, "2", 1},
                                           HotKeyRow{"commaShowsTheMenuAgain", ",", 0, "2", 1}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(MenuInterpreter, MissingChapterEndsWithoutAsking)
{
    QString kz = QStringLiteral("old");
    EXPECT_EQ(ask(QStringLiteral("nix"), kz), 0);
    EXPECT_TRUE(kz.isEmpty());
    EXPECT_EQ(ask(QStringLiteral("end"), kz), 0); // head on the last line
    EXPECT_TRUE(sp.ui().asked.isEmpty());
}

TEST_F(MenuInterpreter, SubmenuColumnsMoveRightByLevel)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), [](const Question&) {
        EXPECT_EQ(state().Menu[3].left, 2000);
        return Answer::word(QStringLiteral("1"));
    });
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#1"), [](const Question&) {
        EXPECT_EQ(state().Menu[3].left, 2800);
        EXPECT_TRUE(state().Vortext.count(2));
        EXPECT_EQ(state().Vortext[2].left, 2000);
        return Answer::word(QStringLiteral("1"));
    });
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz, 1, 2), 0);
    EXPECT_EQ(kz, QStringLiteral("11"));
    EXPECT_FALSE(state().Vortext.count(2)); // removed after the choice
}

TEST_F(MenuInterpreter, MoreThanThirtyRowsCanBeChosen)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#long"), [](const Question& q) {
        EXPECT_EQ(q.choices.size(), 44); // title, rule, 40 items, rule, Cancel
        return Answer::word(QStringLiteral("49"));
    });
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("long"), kz), 0);
    EXPECT_EQ(kz, QStringLiteral("49"));
}

TEST_F(MenuInterpreter, ACancelWithoutCancelRowEndsTheMenu)
{
    // A batch run cannot choose; the menu must not be shown forever.
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::cancel());
    QString kz;
    EXPECT_EQ(ask(QStringLiteral("hg"), kz, 0), 1);
}

TEST_F(MenuInterpreter, AnAnswerNamingNoItemIsAFaultyScript)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#hg"), Answer::word(QStringLiteral("9")));
    QString kz;
    EXPECT_THROW(ask(QStringLiteral("hg"), kz), TarnError);
}

// ---------------------------------------------------------------- window state

TEST(SelectionMenuWindow, SidePanelSkipsEmptyItemsAndKeepsPi)
{
    testutil::ScriptedProgram sp;
    AnzQbSdTxt(1, QStringLiteral("Bac=1234,,") + QChar(0x03C0) + QStringLiteral("t=2"));
    EXPECT_EQ(state().QbSdTxt[1].value(0), QStringLiteral("Bac=1234"));
    EXPECT_EQ(state().QbSdTxt[1].value(1), QChar(0x03C0) + QStringLiteral("t=2"));
    EXPECT_TRUE(state().QbSdTxt[1].value(2).isEmpty());
    AnzQbSdTxt(1, QStringLiteral("x"));
    EXPECT_TRUE(state().QbSdTxt[1].value(1).isEmpty());
    EXPECT_THROW(AnzQbSdTxt(3, QStringLiteral("x")), TarnError);
}

TEST(SelectionMenuWindow, EventsCountOnlyWhileAMenuWaits)
{
    testutil::ScriptedProgram sp;
    State& s = state();
    s.HotKeys = QStringLiteral(",1,Z");
    s.Tag = QStringLiteral("0");
    s.Form_KeyPress(u'z');
    EXPECT_EQ(s.Tag, QStringLiteral("0")); // no menu waits
    s.TastWarten = true;
    s.Form_KeyPress(u'q');
    EXPECT_EQ(s.Tag, QStringLiteral("0"));
    s.Form_KeyPress(u'z');
    EXPECT_EQ(s.Tag, QStringLiteral("1"));
    EXPECT_EQ(s.TastWahl, QStringLiteral("Z"));
    s.Tag = QStringLiteral("0");
    s.Menu_Click(2);
    EXPECT_EQ(s.Tag, QStringLiteral("0"));
    s.Menu_Click(3);
    EXPECT_EQ(s.WahlZeile, 3);
    EXPECT_TRUE(State::Form_QueryUnload());
}

} // namespace
