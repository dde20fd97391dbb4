#include "dialogue/beprogein.h"
#include "dialogue/frmbeprogein.h"
#include "dialogue/menutestutil.h"
#include "frame/editvar.h"
#include "frame/frmedit.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace frmBEProgEin;

namespace {

const QString kPara = QStringLiteral("\u00A7");

// The real windows, driven with key and mouse events while the logic waits.
class SelectionMenuWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSelectionMenuWindows(qtUi);
        registerEditWindow(qtUi);
        sp.program().ui = &qtUi;
        prog().LangDir = QStringLiteral("dd\\");
        d.write(QStringLiteral("dd/btx/bac.pop"),
                mtest::ansiFile({QStringLiteral("@hg"), QStringLiteral("I     Bauelemente-Klasse"),
                                 QStringLiteral("A1    Integrierte Schaltungen ") + kPara + u'>',
                                 QStringLiteral("A2    Diskrete Halbleiter"),
                                 QStringLiteral("F     Dioden und Transistoren"),
                                 QStringLiteral("C     Passive Bauelemente"), QStringLiteral("A4    Widerst\u00e4nde"),
                                 QStringLiteral("A41   Netzwerke"), QStringLiteral("@1"),
                                 QStringLiteral("I     Integrierte Schaltungen"), QStringLiteral("A1    Digital"),
                                 QStringLiteral("A5    Linear"), QStringLiteral("X"), QStringLiteral("Z3    Speicher"),
                                 QStringLiteral("A6    ROM")}));
    }
    void TearDown() override { Unload(); }

    // Runs f once the window waits (the next turn of the event loop).
    static void later(std::function<void()> f) { QTimer::singleShot(0, std::move(f)); }

    testutil::ScriptedProgram sp;
    QtInteraction qtUi;
    mtest::MenuDir d;
};

TEST_F(SelectionMenuWindowTest, KeysAndClicksChooseThroughTheWindow)
{
    Load();
    AnzQbSdTxt(2, QStringLiteral("Tu=40,Ub=5"));
    later([] {
        frmBEProgEinWindow* w = selectionMenuWindow();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(w->panel(2)->item(1, 0)->text(), QStringLiteral("Ub=5"));
        QLabel* title = w->menuLabel(1);
        EXPECT_TRUE(title->font().bold());
        QTest::mouseClick(title, Qt::LeftButton); // the title cannot be chosen
        EXPECT_EQ(state().Tag, QStringLiteral("0"));
        QTest::mouseClick(w->menuLabel(3), Qt::LeftButton); // "1": opens the submenu
        later([] {
            frmBEProgEinWindow* w2 = selectionMenuWindow();
            EXPECT_EQ(w2->panel(1)->item(0, 0)->text(), QStringLiteral("Bac=1"));
            ASSERT_NE(w2->headingBox(0), nullptr);
            EXPECT_TRUE(w2->headingBox(0)->text().contains(QStringLiteral("Integrierte")));
            // The submenu column stands one step right of the outer one.
            EXPECT_GT(w2->menuLabel(3)->x(), w2->headingBox(0)->x());
            w2->grab().save(QStringLiteral("/tmp/frmbeprogein.png"));
            QTest::keyClick(w2, Qt::Key_5);
        });
    });
    QString kz;
    int top = 0;
    EXPECT_EQ(BEBacTecWahl(QStringLiteral("dd\\btx\\bac"), QStringLiteral("hg"), QString(), kz, QStringLiteral("Bac="),
                           0, top, 3),
              0);
    EXPECT_EQ(kz, QStringLiteral("15"));
    EXPECT_FALSE(selectionMenuWindow()->close()); // the close box never closes it
    Unload();
    QApplication::processEvents();
    EXPECT_EQ(selectionMenuWindow(), nullptr);
}

// The keys of every menu besides its hot keys: the arrow keys move over the
// rows that can be chosen (not the headings, rules and continuation lines),
// Enter chooses the row reached, Escape is the Cancel row (or Back without one).
struct MenuKeysRow {
    const char* name;
    std::vector<Qt::Key> keys;
    int addButt;
    int result; // 0 chosen, 1 Cancel, 2 Back
    const char* kz;
};

class SelectionMenuKeys : public SelectionMenuWindowTest, public ::testing::WithParamInterface<MenuKeysRow> {};

TEST_P(SelectionMenuKeys, ArrowsEnterAndEscape)
{
    Load();
    const std::vector<Qt::Key> keys = GetParam().keys;
    later([keys] {
        frmBEProgEinWindow* w = selectionMenuWindow();
        ASSERT_NE(w, nullptr);
        for (Qt::Key k : keys)
            QTest::keyClick(w, k);
    });
    QString kz;
    int top = 0;
    EXPECT_EQ(BEBacTecWahl(QStringLiteral("dd\\btx\\bac"), QStringLiteral("hg"), QString(), kz,
                           QStringLiteral("Bac="), 0, top, GetParam().addButt),
              GetParam().result);
    if (GetParam().result == 0) {
        EXPECT_EQ(kz, QString::fromLatin1(GetParam().kz));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SelectionMenuKeys,
    ::testing::Values(
        MenuKeysRow{"downTwiceThenEnter", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 3, 0, "2"},
        // From "2" the next row down passes the continuation line, the heading
        // and the rule to "4".
        MenuKeysRow{"downSkipsWhatCannotBeChosen", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, 3, 0,
                    "4"},
        MenuKeysRow{"upFromTheTopReachesCancel", {Qt::Key_Up, Qt::Key_Return}, 3, 1, ""},
        MenuKeysRow{"escapeIsCancel", {Qt::Key_Escape}, 3, 1, ""},
        MenuKeysRow{"escapeIsBackWithoutCancel", {Qt::Key_Escape}, 2, 2, ""}),
    [](const auto& i) { return std::string(i.param.name); });

// The designation list of the single-component prediction: Escape leaves it as
// the menus' Cancel does.
TEST_F(SelectionMenuWindowTest, EscapeLeavesTheDesignationList)
{
    state().Selbox = QStringList{QStringLiteral("BC847"), QStringLiteral("BC848")};
    Load();
    Question q;
    q.key = QStringLiteral("Selbox");
    state().selboxVisible = true;
    later([] {
        frmBEProgEinWindow* w = selectionMenuWindow();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->selbox()->isVisible());
        QTest::keyClick(w->selbox(), Qt::Key_Escape);
    });
    const Answer a = qtUi.askSelection(q, state());
    EXPECT_TRUE(a.cancelled);
}

TEST_F(SelectionMenuWindowTest, ValueDialogFiltersKeysAndChecksTheMask)
{
    later([] {
        auto* dlg = qobject_cast<frmEditWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        EXPECT_FALSE(dlg->cmdBck()->isVisible());
        dlg->edText()->clear();
        QTest::keyClicks(dlg->edText(), QStringLiteral("ab,c=d"));
        EXPECT_EQ(dlg->edText()->text(), QStringLiteral("abcd"));
        QTest::keyClick(dlg->edText(), Qt::Key_Escape); // no back button: nothing happens
        EXPECT_TRUE(dlg->isVisible());
        dlg->cmdOk()->click();
    });
    QString result;
    EXPECT_EQ(frmEdit::EditVar(QStringLiteral("Typ"), QStringLiteral("x"), result, QStringLiteral("Typ=#10C"), nullptr,
                               false, false),
              0);
    EXPECT_EQ(result, QStringLiteral("Typ=ABCD"));
}

} // namespace
