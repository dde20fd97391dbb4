#include "dialogue/dia.h"
#include "dialogue/frmdia.h"
#include "diatestutil.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dtest;

namespace {

QStringList tenEntries()
{
    QStringList l;
    for (int i = 0; i < 10; ++i)
        l << QString();
    return l;
}

class DiaWindow : public ::testing::Test {
protected:
    testutil::ScriptedProgram sp;
    frmDiaWindow w;
};

TEST_F(DiaWindow, TypesIntoAnEntryFieldAndEndsOnEnter)
{
    DiaScreen s;
    s.buildInput({"*Typ " + Mk + "E0xxxxxxxx1" + Cl + ".", "*Bem " + Mk + "E3xxxxxxxx1" + Cl + "."}, QString(),
                 tenEntries(), QString(), std::nullopt);
    w.start(s);
    QLineEdit* typ = w.entryField(0);
    ASSERT_NE(typ, nullptr);
    EXPECT_TRUE(w.entryField(3) != nullptr);
    // "=" and "," are refused; the umlaut is held as its OEM byte.
    QTest::keyClicks(typ, QStringLiteral("R1=,"));
    QTest::sendKeyEvent(QTest::Click, typ, Qt::Key_Adiaeresis, QString(QChar(char16_t(0xE4))), Qt::NoModifier);
    QTest::keyClicks(typ, QStringLiteral("x"));
    QTest::keyClick(typ, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(typ, Qt::Key_Return);
    ASSERT_TRUE(s.ended());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(s.resultWord, QString());
    EXPECT_EQ(s.entryCopy[0], QStringLiteral("R1") + QChar(char16_t(132)) + u'x' + QChar(char16_t(0x03C0)));
}

TEST_F(DiaWindow, CheckBoxesAndKeysOfAnInputScreen)
{
    DiaScreen s;
    s.buildInput({"BL=aus/ein.", "*" + Mk + "BX__" + Cl + " X.", "*" + Mk + "BY__" + Cl + " Y.", "*" + Mk + "BL__" + Cl + " L.",
                  "*" + Mk + "A9. Ende."},
                 QStringLiteral("X=@1,Y=@0"), {}, QString(), std::nullopt);
    w.start(s);
    ASSERT_NE(w.checkBox(1), nullptr);
    EXPECT_TRUE(w.checkBox(0)->isChecked());
    QTest::mouseClick(w.checkBox(1), Qt::LeftButton);
    EXPECT_FALSE(w.checkBox(0)->isChecked());
    EXPECT_EQ(s.edited, QStringLiteral("X=0,Y=1,L=0"));
    // A click on the label toggle sends its key.
    const ToggleControl& label = s.toggles[2];
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(int((label.col + 1) * w.cellWidth()), label.row * w.cellHeight() + 2));
    EXPECT_EQ(s.toggles[2].value, 1);
    // Closing is now allowed: a key was pressed.
    QTest::keyClick(&w, Qt::Key_9);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.keyResult, QStringLiteral("9"));
}

TEST_F(DiaWindow, CloseBoxRefusedBeforeAnyKey)
{
    DiaScreen s;
    s.buildKeyChoice({"*" + Mk + "A1. eins."}, std::nullopt);
    w.start(s);
    w.close();
    EXPECT_FALSE(s.ended());
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.resultWord, QStringLiteral("1"));
}

// The screen's own buttons take their captions from the interface texts, which
// are stored in the ANSI code page, while the window shows screen texts from the
// OEM code page: the captions must read right all the same.
struct ButtonCaptions {
    const char* name;
    int language;
    const char* help;
    const char* back;
    const char* cancel;
};

class DiaWindowButtons : public DiaWindow, public ::testing::WithParamInterface<ButtonCaptions> {};

TEST_P(DiaWindowButtons, HelpBackAndCancelReadInTheInterfaceLanguage)
{
    sp.program().LangNr = GetParam().language;
    DiaScreen s;
    s.buildKeyChoice({"*" + Mk + "A1. eins.", "SPress the corresponding key."}, 7);
    w.start(s);
    QStringList captions;
    for (int i = 0; w.button(i); ++i)
        captions << w.button(i)->text();
    captions.sort();
    QStringList expected{QString::fromUtf8(GetParam().help), QString::fromUtf8(GetParam().back),
                         QString::fromUtf8(GetParam().cancel)};
    expected.sort();
    EXPECT_EQ(captions, expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, DiaWindowButtons,
                         ::testing::Values(ButtonCaptions{"german", 1, "&Hilfe", "&Zurück", "&Abbrechen"},
                                           ButtonCaptions{"english", 2, "&Help", "&Back", "&Cancel"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(DiaWindow, TextPageScrollsAndEndsOnItsButtons)
{
    TextPage page;
    QStringList records;
    for (int i = 1; i <= 30; ++i)
        records << QStringLiteral("*Zeile %1.").arg(i).leftJustified(120);
    page.setup(records, true);
    w.start(page);
    ASSERT_TRUE(w.scrollBar()->isVisible());
    EXPECT_EQ(w.scrollBar()->maximum(), 10);
    w.scrollBar()->setValue(10);
    EXPECT_EQ(page.firstShown, 11);
    EXPECT_EQ(page.texts.front().text, QStringLiteral("Zeile 11"));
    QTest::mouseClick(w.button(1), Qt::LeftButton);
    EXPECT_TRUE(page.ended());
    EXPECT_EQ(page.resultWord, QStringLiteral("ABBRUCH"));
}

TEST(DiaWindowFlow, DinThroughTheRegisteredWindow)
{
    testutil::ScriptedProgram sp;
    DiaDir d;
    sp.program().LangDir = QStringLiteral("dd\\");
    d.write(QStringLiteral("dd/qsl/x.dia"), oemFile({head("neu"), "IBuchstabe.", "*Buchstabe " + Mk + "E1x1" + Cl + ".",
                                                     "SWeiter mit <ENTER>" + Seg + "Abbruch mit <ESC>."}));
    QtInteraction qt;
    registerDialogueWindows(qt);
    sp.program().ui = &qt;
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<frmDiaWindow*>(QApplication::activeModalWidget());
        if (!window) {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<frmDiaWindow*>(top); f && f->isVisible())
                    window = f;
        }
        ASSERT_NE(window, nullptr);
        QTest::keyClicks(window->entryField(1), QStringLiteral("q"));
        QTest::keyClick(window->entryField(1), Qt::Key_Return);
    });
    QString kz, startBis, ret;
    QStringList anEin{QString(), QStringLiteral("a")};
    EXPECT_EQ(frmDia::DIN(QStringLiteral("dd\\qsl\\x"), QStringLiteral("neu"), kz, startBis, anEin, ret), 0);
    EXPECT_EQ(anEin[1], QStringLiteral("aq"));
    EXPECT_EQ(ret, QString());
}

} // namespace
