#include "dialogue/screen.h"
#include "dialogue/oemtext.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "diatestutil.h"
#include "frame/errors.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <gtest/gtest.h>

using namespace dtest;

namespace {

QString GetParamOf(const QString& list, const char* key) { return ::GetParam(list, QString::fromLatin1(key)); }

// Expected texts name interface texts as "{id}" (German), in the OEM form in
// which a screen holds its texts.
QString texts(QString s)
{
    for (const int id : {1501, 1504, 1505})
        s.replace(QStringLiteral("{%1}").arg(id), AnsiToOem(ResStr(0, id, 1)));
    return s;
}

QString pieces(const DiaModel& m)
{
    QStringList out;
    for (const DrawnText& t : m.texts)
        out << QStringLiteral("%1,%2,%3:%4").arg(t.col).arg(t.row).arg(t.attr).arg(t.text);
    return out.join(u'|');
}

class Screen : public ::testing::Test {
protected:
    DiaScreen input(const QStringList& lines, const QString& startBis = QString(), int entries = 10,
                    std::optional<int> addButt = std::nullopt, const QString& ret = QString())
    {
        DiaScreen s;
        QStringList anEin;
        for (int i = 0; i < entries; ++i)
            anEin << QString();
        s.buildInput(lines, startBis, anEin, ret, addButt);
        return s;
    }
    testutil::ScriptedProgram sp;
};

// ---- drawing

struct PrifRow {
    const char* name;
    QString s;
    int col;
    QString drawn;
    int colAfter;
};
void PrintTo(const PrifRow& r, std::ostream* os) { *os << r.name; }
class Prif : public ::testing::TestWithParam<PrifRow> {};

TEST_P(Prif, DrawsPieces)
{
    DiaScreen s;
    int col = GetParam().col;
    s.PRIF(col, 4, GetParam().s, QChar(u'd'));
    EXPECT_EQ(pieces(s), GetParam().drawn);
    EXPECT_EQ(col, GetParam().colAfter);
}

const QString S16 = QString(QChar(char16_t(16)));
const QString S17 = QString(QChar(char16_t(17)));
INSTANTIATE_TEST_SUITE_P(
    Cases, Prif,
    ::testing::Values(PrifRow{"plain", "abc", 3, "3,4,d:abc", 3},
                      // "ab" at 3, the span " cd " at 3 + 3 - 1 = 5, "ef" at 5 + 3 + 2 = 10
                      PrifRow{"span", "ab" + S16 + "cd" + S17 + "ef", 3, "3,4,d:ab|5,4,h: cd |10,4,d:ef", 5},
                      PrifRow{"spanWithoutClose", "ab" + S16 + "cd ef", 3, "3,4,d:ab|5,4,h: cd ef ", 5},
                      PrifRow{"twoSpans", S16 + "a" + S17 + "b" + S16 + "c" + S17, 2, "2,4,d:|2,4,h: a |6,4,d:b|7,4,h: c ",
                              2}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ScreenText, TreeLinesUmlautsAndPiReadAsTheyMean)
{
    // The OEM codes of a tree line, an umlaut and the pi marker.
    const QString line = QString(QChar(195)) + QChar(196) + QStringLiteral(" L") + QChar(132) +
                         QStringLiteral("nge ") + QChar(179) + u' ' + PiMark + QStringLiteral("{p}");
    EXPECT_EQ(screenText(line), QStringLiteral("\u251c\u2500 L\u00e4nge \u2502 \u03c0\u03c0"));
}

TEST(ScreenColours, KoloRTakesTheFirstLetter)
{
    DiaScreen s;
    s.KoloR(QStringLiteral("w"));
    EXPECT_EQ(s.scheme, u'W');
    s.KoloR(QStringLiteral("bright"));
    EXPECT_EQ(s.scheme, u'B');
    s.KoloR(QStringLiteral("x"));
    EXPECT_EQ(s.scheme, u'B');
    EXPECT_EQ(schemeColours(QChar(u'B')).fg, 15);
    EXPECT_EQ(schemeColours(QChar(u'B')).bg, 3);
}

TEST_F(Screen, AttributeColoursFromConfigurationOrReadableDefault)
{
    sp.program().Cf = QStringLiteral("De=dd\\,Atd=30,Ati=");
    EXPECT_EQ(attributeColours(QChar(u'd')).fg, 14); // 30 = 14 + 1 x 16
    EXPECT_EQ(attributeColours(QChar(u'd')).bg, 1);
    // Mended: a missing key no longer draws black on black.
    for (const QChar a : QStringLiteral("fusht")) {
        const CellColours c = attributeColours(a);
        EXPECT_NE(c.fg, c.bg) << QString(a).toStdString();
    }
    // A key given as empty is the configuration's own choice.
    EXPECT_EQ(attributeColours(QChar(u'i')).fg, 0);
    EXPECT_EQ(attributeColours(QChar(u'i')).bg, 0);
}

TEST_F(Screen, LineTypesDrawAtTheirRows)
{
    const DiaScreen s = input({"ITitel der Seite.", "*Zeile eins.", "* ", "*.", "JInvers.", "FBetont.",
                               "L196.", "UMarke.", "XIgnored.", "*Ende" + Hy});
    EXPECT_EQ(s.caption, QStringLiteral("Titel der Seite"));
    EXPECT_EQ(pieces(s), QStringLiteral("3,2,d:Zeile eins|2,4,i: Invers |3,4,f:Betont|2,5,f:") +
                             QString(77, QChar(char16_t(196))) + QStringLiteral("|3,6,u:Marke|3,6,d:Ende-"));
}

TEST_F(Screen, TitleOnLaterRowIsPaddedTo78)
{
    const DiaScreen s = input({"*a.", "ITitel."});
    ASSERT_EQ(s.texts.size(), 2);
    EXPECT_EQ(s.texts[1].text, (QStringLiteral("Titel ")).leftJustified(78));
    EXPECT_EQ(s.texts[1].attr, u'i');
    EXPECT_EQ(s.texts[1].col, 2);
}

// ---- input screen controls

TEST_F(Screen, ActionKeysAndHelpLines)
{
    const DiaScreen s = input({"*^^" + Mk + "Ax. Norm.", "*" + Mk + "Ah. hidden help.", "*" + Mk + "A2. second."});
    EXPECT_EQ(s.keyTypes, QStringLiteral(",X=A,2=A"));
    ASSERT_EQ(s.actions.size(), 2);
    EXPECT_EQ(s.actions[0].col, 5); // marker at text position 3
    EXPECT_EQ(s.actions[0].key, u'x');
    EXPECT_EQ(s.actions[1].row, 4); // the help line took row 3
    EXPECT_EQ(pieces(s), QStringLiteral("9,2,d: Norm|7,4,d: second"));
}

TEST_F(Screen, TogglesStartFromTheCallersList)
{
    DiaScreen s = input({"BL=aus/ein,Q=nur eine,D=a/b/c.", "*" + Mk + "BX__" + Cl + " X.", "*" + Mk + "BY__" + Cl + " Y.",
                         "*" + Mk + "BL__" + Cl + " L.", "*" + Mk + "BQ__" + Cl + " Q.", "*" + Mk + "BD__" + Cl + " D.",
                         "*" + Mk + "BM__" + Cl + " M."},
                        QStringLiteral("X=@1,Y=@0,L=01,D=0"));
    ASSERT_EQ(s.toggles.size(), 6);
    EXPECT_EQ(s.keyTypes, QStringLiteral(",X=B,Y=B,L=B2,Q=B1,D=B3,M=B"));
    EXPECT_EQ(s.toggleIndex, QStringLiteral(",X=0,Y=1,L=2,Q=3,D=4,M=5"));
    EXPECT_EQ(s.edited, QStringLiteral("X=1,Y=0,L=1,D=0,Q=0,M=0"));
    EXPECT_TRUE(s.toggles[0].exclusive);
    EXPECT_TRUE(s.toggles[1].exclusive);
    EXPECT_EQ(s.toggles[2].kind, ToggleControl::Label);
    EXPECT_EQ(s.toggles[2].labelText(), QStringLiteral(" L ein"));
    EXPECT_EQ(s.toggles[3].caption, QStringLiteral(" &nur eine"));
    EXPECT_EQ(s.toggles[4].kind, ToggleControl::Raw);
    // The unsupported toggle shows its marker as it stands.
    EXPECT_TRUE(pieces(s).contains(Mk + QStringLiteral("BD__") + Cl + QStringLiteral(" D")));

    // Switching Y on switches the other exclusive box off.
    s.clickCheckBox(1);
    EXPECT_EQ(GetParamOf(s.edited, "X"), QStringLiteral("0"));
    EXPECT_EQ(GetParamOf(s.edited, "Y"), QStringLiteral("1"));
    // The label flips on its key and shows the other option.
    s.pressKey(QChar(u'L'));
    EXPECT_EQ(s.toggles[2].labelText(), QStringLiteral(" L aus"));
    EXPECT_EQ(GetParamOf(s.edited, "L"), QStringLiteral("0"));
    EXPECT_EQ(s.keyResult, QStringLiteral("L"));
    EXPECT_FALSE(s.ended());
    // Exclusive marks bind only the marked boxes: M goes on beside Y.
    s.pressKey(QChar(u'M'));
    EXPECT_EQ(GetParamOf(s.edited, "Y"), QStringLiteral("1"));
    EXPECT_EQ(GetParamOf(s.edited, "M"), QStringLiteral("1"));
}

TEST_F(Screen, EntryFieldsAndTheirStartTexts)
{
    DiaScreen s;
    const QString e179 = QString(QChar(char16_t(179)));
    QStringList anEin{e179, "abc" + e179, QString(QChar(char16_t(178))), "keep", "plain"};
    s.buildInput({"*Typ " + Mk + "E0xxxx1" + Cl + " mm.", "*" + Mk + "E1xx1" + Cl + ".", "*" + Mk + "E2xx1" + Cl + ".",
                  "*" + Mk + "E3xxx2" + Cl + ".", "*" + Mk + "E4x1" + Cl + "."},
                 QString(), anEin, QString(), std::nullopt);
    EXPECT_EQ(s.mode, QStringLiteral("E"));
    ASSERT_EQ(s.fields.size(), 4); // height 2 makes no field
    EXPECT_EQ(s.fields[0].text, QString());
    EXPECT_EQ(s.fields[0].col, 7);   // marker at text position 5
    EXPECT_EQ(s.fields[0].width, 7); // five characters between digit and end, plus 2
    EXPECT_EQ(s.fields[1].text, QStringLiteral("abc"));
    EXPECT_EQ(s.fields[2].text, QString());
    EXPECT_EQ(s.fields[3].index, 4);
    s.pressEnter();
    ASSERT_TRUE(s.ended());
    EXPECT_EQ(s.entryCopy[3], QStringLiteral("keep")); // the field of height 2 hands back its start text
}

TEST_F(Screen, EntryDigitBeyondTheArrayIsAnError)
{
    EXPECT_THROW(input({"*" + Mk + "E5x1" + Cl + "."}, QString(), 3), TarnError);
}

TEST_F(Screen, TypingFilter)
{
    DiaScreen s = input({"*" + Mk + "E0x1" + Cl + "."});
    QChar m;
    EXPECT_FALSE(s.typeAllowed(QChar(u'='), &m));
    EXPECT_FALSE(s.typeAllowed(QChar(u','), &m));
    EXPECT_TRUE(s.typeAllowed(QChar(u'a'), &m));
    EXPECT_TRUE(s.typeAllowed(QChar(char16_t(0xE4)), &m)); // a-umlaut enters as OEM 132
    EXPECT_EQ(m.unicode(), 132);
    EXPECT_FALSE(s.typeAllowed(QChar(char16_t(0xFE)), &m)); // ANSI 254 is the end mark
    EXPECT_FALSE(s.typeAllowed(QChar(char16_t(0xC3)), &m)); // ANSI 195 is the continuation mark
    EXPECT_FALSE(s.typeAllowed(QChar(char16_t(9)), &m));
    DiaScreen v = input({"*" + Mk + "E0x1" + Cl + "."}, QStringLiteral("VarS=1"));
    EXPECT_TRUE(v.typeAllowed(QChar(u'='), &m));
}

// ---- buttons

QString buttonList(const DiaModel& m)
{
    QStringList out;
    for (const ScreenButton& b : m.buttons)
        out << QStringLiteral("%1:%2:%3%4%5")
                   .arg(b.place)
                   .arg(b.caption, b.tag, b.isDefault ? QStringLiteral("*") : QString(),
                        b.isCancel ? QStringLiteral("!") : QString());
    return out.join(u' ');
}

struct ButtonRow {
    const char* name;
    QString row;
    std::optional<int> addButt;
    QString buttons;
};
void PrintTo(const ButtonRow& r, std::ostream* os) { *os << r.name; }
class InputButtons : public ::testing::TestWithParam<ButtonRow> {
protected:
    testutil::ScriptedProgram sp;
};

TEST_P(InputButtons, Made)
{
    DiaScreen s;
    s.buildInput({"*Text.", "S" + GetParam().row + "."}, QString(), {}, QString(), GetParam().addButt);
    EXPECT_EQ(buttonList(s), texts(GetParam().buttons));
}

const QString Go = QStringLiteral("Weiter mit <ENTER>");
INSTANTIATE_TEST_SUITE_P(
    Cases, InputButtons,
    ::testing::Values(
        ButtonRow{"rowOnly", Go + Seg + "Neu with <CREATE>", std::nullopt, "1:&Weiter:ENTER* 2:Neu:CREATE"},
        ButtonRow{"cancelFromRowOnce", Go + Seg + "Abbruch mit <ESC>", 1, "1:&Weiter:ENTER* 3:{1501}:ESC!"},
        ButtonRow{"cancelAdded", Go, 1, "1:&Weiter:ENTER* 3:{1501}:ESC!"},
        ButtonRow{"backAndHelp", Go, 6, "1:&Weiter:ENTER* 4:{1505}:HELP 2:{1504}:BACK"},
        ButtonRow{"invalidAddButt", Go, 8, "1:&Weiter:ENTER*"},
        ButtonRow{"f1MakesNone", "Hilfe mit <F1>", std::nullopt, ""},
        ButtonRow{"english", "Continue with <ENTER>" + Seg + "Cancel with <ESC>", std::nullopt,
                  "1:Con&tinue:ENTER* 3:{1501}:ESC!"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Screen, NoButtonRowNoExtraButtons)
{
    const DiaScreen s = input({"*Text."}, QString(), 0, 7);
    EXPECT_TRUE(s.buttons.isEmpty());
}

TEST_F(Screen, ButtonLayoutSharesTheWidestWidth)
{
    DiaScreen s;
    s.buildInput({"S" + Go + Seg + "Abbruch mit <ESC>."}, QString(), {}, QString(), std::nullopt);
    ASSERT_EQ(s.buttons.size(), 2);
    // W = the longer caption + 2 cells; G = (80 - 4 W) / 5; places 1 and 3
    const int w = int(std::max<qsizetype>(7, ResStr(0, 1501, 1).size())) + 2;
    const int g = (80 - 4 * w) / 5;
    EXPECT_EQ(s.buttons[0].width, w);
    EXPECT_EQ(s.buttons[0].left, g);
    EXPECT_EQ(s.buttons[1].left, g + 2 * (w + g));
    EXPECT_EQ(s.buttons[1].top, 22.5);
}

// ---- key-choice screen

TEST_F(Screen, KeyChoiceKeysAndHintBar)
{
    DiaScreen s;
    s.buildKeyChoice({"ITitel.", "*" + Mk + "A1. eins.", "*" + Mk + "Ab. zwei.", "*" + Mk + "Ah. Hilfe.",
                      "SBitte Taste mit Kennzeichen dr" + QString(QChar(char16_t(129))) + "cken."},
                     std::nullopt);
    EXPECT_EQ(s.mode, QStringLiteral("Q"));
    EXPECT_EQ(s.keyString, QStringLiteral("1B"));
    EXPECT_TRUE(s.buttons.isEmpty());
    ASSERT_FALSE(s.texts.isEmpty());
    const DrawnText& hint = s.texts.back();
    EXPECT_EQ(hint.attr, u's');
    EXPECT_EQ(hint.row, 5); // rows 2, 3 and the help line's row 4
    EXPECT_EQ(hint.text.left(27), QStringLiteral("Gew") + QChar(char16_t(129)) + QStringLiteral("nschte Variante w") +
                                      QChar(char16_t(132)) + QStringLiteral("hlen "));
    EXPECT_EQ(hint.text.size(), 78);
    s.pressKey(QChar(u'b'));
    EXPECT_FALSE(s.ended());
    s.pressEscape(); // without buttons Escape does nothing
    EXPECT_FALSE(s.ended());
    s.pressKey(QChar(u'B'));
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.resultWord, QStringLiteral("B"));
}

TEST_F(Screen, KeyChoiceExtraButtons)
{
    DiaScreen s;
    s.buildKeyChoice({"*" + Mk + "A1. eins.", "SPress the corresponding key."}, 3);
    EXPECT_EQ(buttonList(s), texts(QStringLiteral("2:{1504}:DIKBACK 3:{1501}:DIKESC!")));
    s.pressEscape();
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.resultWord, QStringLiteral("ABBRUCH"));
}

// ---- ending an input screen

TEST_F(Screen, EscapeOnlyWhenTheLastLineNamesIt)
{
    DiaScreen late = input({"*Text.", "*Abbruch mit <ESC>.", "*" + Mk + "A1. eins."});
    late.pressEscape();
    EXPECT_FALSE(late.ended());

    DiaScreen last = input({"*" + Mk + "A1. eins.", "*Abbruch mit <ESC>."});
    last.pressEscape();
    EXPECT_TRUE(last.ended());
    EXPECT_EQ(last.resultWord, QStringLiteral("ABBRUCH"));
}

TEST_F(Screen, ActionKeysAnswerInUpperCase)
{
    DiaScreen s = input({"*" + Mk + "Ax. Weiter."});
    s.pressKey(QChar(u'x'));
    EXPECT_FALSE(s.ended());
    s.pressKey(QChar(u'X'));
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.keyResult, QStringLiteral("X"));
    EXPECT_EQ(s.resultWord, QString());
}

TEST_F(Screen, CloseBoxWaitsForAKey)
{
    DiaScreen s = input({"*" + Mk + "BT__" + Cl + " T.", "*" + Mk + "A1. eins."});
    EXPECT_FALSE(s.closeBox());
    s.pressKey(QChar(u'T'));
    EXPECT_TRUE(s.closeBox());
    EXPECT_EQ(s.resultWord, QString());
    EXPECT_EQ(s.keyResult, QStringLiteral("T"));
}

TEST_F(Screen, ScreenWithoutWayOutClosesAsCancel)
{
    // Mended: nothing on this screen could end it; the close box cancels.
    DiaScreen s = input({"*Nur Text."});
    EXPECT_TRUE(s.closeBox());
    EXPECT_EQ(s.resultWord, QStringLiteral("ABBRUCH"));
}

TEST_F(Screen, EnterWithoutTogglesReachesTheDefaultButton)
{
    DiaScreen s = input({"*Text.", "SAnlegen with <CREATE>."});
    s.pressEnter();
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.resultWord, QStringLiteral("CREATE"));
}

} // namespace
