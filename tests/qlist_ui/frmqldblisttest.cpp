#include "qlist/qldbtest.h"
#include "frame/markers.h"
#include "qlist_ui/frmqldblist.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

class BrowserWindow : public QlRootFixture {
protected:
    BrowserWindow()
    {
        prog().LangNr = 2;
        for (int i = 0; i < 30; ++i)
            addRow(QStringLiteral("%1").arg(i, 5, 10, QChar(u'0')), QStringLiteral("NETZ%1").arg(i));
    }
    QldbList model;
};

TEST_F(BrowserWindow, FilterRefusesSeparatorsAndCtrlPInsertsPiMark)
{
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.filter()->setFocus();
    QTest::keyClicks(w.filter(), QStringLiteral("a,b=c"));
    QTest::keyClick(w.filter(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(model.filterBox, QStringLiteral("abc") + PiMark);
    EXPECT_TRUE(w.cmdUpdate()->isEnabled());
    EXPECT_FALSE(w.printDirectoryMenu()->menuAction()->isEnabled());
    w.close();
}

TEST_F(BrowserWindow, TitleReadsRightInGerman)
{
    // The title is an interface text (ANSI) shown beside texts of the OEM code page.
    prog().LangNr = 1;
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("QSL-Datenbank   A        Eintr\u00e4ge:")))
        << w.windowTitle().toStdString();
    w.close();
}

TEST_F(BrowserWindow, SortChoiceAndUpdateSwitchTheDirectoryPrintout)
{
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_FALSE(w.cmdUpdate()->isEnabled());
    EXPECT_TRUE(w.printDirectoryMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(w.sortOption(4)->isChecked());
    QTest::mouseClick(w.sortOption(0), Qt::LeftButton);
    EXPECT_TRUE(w.cmdUpdate()->isEnabled());
    EXPECT_FALSE(w.printDirectoryMenu()->menuAction()->isEnabled());
    QTest::mouseClick(w.cmdUpdate(), Qt::LeftButton);
    EXPECT_FALSE(w.cmdUpdate()->isEnabled());
    EXPECT_TRUE(w.printDirectoryMenu()->menuAction()->isEnabled());
    // Code, Anl and Be have no directory printout. The rows have no code: the
    // list stays as it was after "no search result".
    program.ui().always(QuestionKind::Message, QStringLiteral("235"), Answer::button(Mb::OK));
    for (int kind : {5, 6, 7}) {
        QTest::mouseClick(w.sortOption(kind), Qt::LeftButton);
        QTest::mouseClick(w.cmdUpdate(), Qt::LeftButton);
        EXPECT_FALSE(w.printDirectoryMenu()->menuAction()->isEnabled()) << kind;
    }
    w.close();
}

TEST_F(BrowserWindow, FirstSelectionEnablesTheRecordCommands)
{
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_FALSE(w.action(QStringLiteral("edit"))->isEnabled());
    EXPECT_FALSE(w.action(QStringLiteral("standardprof.ql"))->isEnabled());
    EXPECT_FALSE(w.predictionSubmenu()->menuAction()->isEnabled());
    EXPECT_TRUE(w.action(QStringLiteral("new"))->isEnabled());
    ASSERT_GE(w.grid()->rowCount(), 3);
    const QRect cell = w.grid()->visualItemRect(w.grid()->item(2, 1));
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(model.currentRow, 3);
    for (const QString& key : QldbList::RecordCommands)
        EXPECT_TRUE(w.action(key)->isEnabled()) << key.toStdString();
    EXPECT_TRUE(w.predictionSubmenu()->menuAction()->isEnabled());
    EXPECT_EQ(model.Selection(), QStringLiteral("Ln=00002,Typ=NETZ2,Yk=-"));
    w.close();
}

TEST_F(BrowserWindow, PageFollowsTheGridHeightAndTheKeys)
{
    frmQldbListWindow w(model, nullptr);
    w.resize(900, 400);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.relayout();
    ASSERT_GT(model.PageSize, 2);
    EXPECT_EQ(w.grid()->rowCount(), model.PageSize);
    w.grid()->setFocus();
    QTest::keyClick(w.grid(), Qt::Key_PageDown);
    EXPECT_EQ(model.TopRec, model.PageSize);
    EXPECT_EQ(w.grid()->item(0, 0)->text(), QString::number(model.PageSize));
    QTest::keyClick(w.grid(), Qt::Key_End);
    EXPECT_EQ(model.TopRec, 30 - model.PageSize);
    EXPECT_EQ(w.scroller()->value(), model.vsValue);
    w.close();
}

TEST_F(BrowserWindow, FontCommandsStopAtTheirLimits)
{
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    model.fontSize = 1;
    w.action(QStringLiteral("fnt<"))->trigger();
    EXPECT_EQ(model.fontSize, 1);
    model.fontSize = 100;
    w.action(QStringLiteral("fnt>"))->trigger();
    EXPECT_EQ(model.fontSize, 100);
    w.close();
}

TEST_F(BrowserWindow, CloseBoxFreesTheSlot)
{
    frmQldbListWindow w(model, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int slot = model.DbSlot;
    ASSERT_GE(slot, 1);
    ASSERT_EQ(qlDbState().DbTab[slot].inUse, 1);
    w.close();
    EXPECT_EQ(qlDbState().DbTab[slot].inUse, 0);
    EXPECT_EQ(model.tag, QStringLiteral("1"));
}

} // namespace
