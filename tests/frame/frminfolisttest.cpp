#include "frame/restext.h"
#include "common/testutil.h"
#include "frame/frminfobox.h"
#include "frame/frminfolist.h"
#include "frame/qtinteraction.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

class FrmInfoListTest : public ::testing::Test {
protected:
    ScriptedProgram sp;
    frmInfoList list;
};

TEST_F(FrmInfoListTest, GridShowsTheRingAndShadesTheNewestLine)
{
    list.Begin(QStringLiteral("Run"));
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.windowTitle(), "Run");
    const int fit = list.ring().fitRow();
    for (int i = 0; i <= fit + 1; ++i)
        list.Add(QStringLiteral("line %1").arg(i));
    QTableWidget* grid = list.grid();
    ASSERT_EQ(grid->rowCount(), fit + 1);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("line %1").arg(fit + 1));
    EXPECT_EQ(grid->item(0, 0)->background().color(), QColor(224, 224, 224));
    EXPECT_NE(grid->item(fit, 0)->background().color(), QColor(224, 224, 224));
    EXPECT_EQ(grid->item(1, 0)->text(), "");
    // The rows that fit are as many as the grid's height holds.
    EXPECT_LE((fit + 1) * grid->rowHeight(0), grid->height());
    EXPECT_GT((fit + 2) * grid->rowHeight(0), grid->height());
}

TEST_F(FrmInfoListTest, FixedHeaderLinesStayOnScreen)
{
    list.Begin();
    list.Add(QStringLiteral("Header"));
    list.FixLines();
    for (int i = 0; i < 3 * list.ring().fitRow(); ++i)
        list.Add(QStringLiteral("line %1").arg(i));
    EXPECT_EQ(list.grid()->item(0, 0)->text(), "Header");
}

TEST_F(FrmInfoListTest, ClickOnTheCancelButtonSetsCanceled)
{
    list.Begin();
    list.Add(QString());
    EXPECT_FALSE(list.Wait(2).isValid());
    QPushButton* button = list.waitButton();
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), ResStr(1501, 0, prog().LangNr)); // text 1501 in the interface language
    EXPECT_FALSE(list.Canceled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(list.Canceled());
    EXPECT_FALSE(button->isVisible());
    list.Begin();
    EXPECT_FALSE(list.Canceled());
}

TEST_F(FrmInfoListTest, WaitReturnsWhenTheButtonIsClickedAndMayClose)
{
    list.Begin();
    list.Add(QStringLiteral("done"));
    QString caption;
    QTimer::singleShot(0, &list, [&] {
        caption = list.waitButton()->text();
        QTest::mouseClick(list.waitButton(), Qt::LeftButton);
    });
    QTimer::singleShot(5000, &list, [&] { list.Finish(); }); // a hang fails instead of blocking
    EXPECT_EQ(list.Wait(QStringLiteral("&Weiter"), true), QVariant(QStringLiteral("1")));
    EXPECT_EQ(caption, "&Weiter");
    EXPECT_FALSE(list.isVisible());
}

TEST_F(FrmInfoListTest, WaitWithoutAutoCloseKeepsTheWindowAndCanceledTrue)
{
    list.Begin();
    list.Add(QString());
    QTimer::singleShot(0, &list, [&] { QTest::keyClick(list.waitButton(), Qt::Key_Space); });
    QTimer::singleShot(5000, &list, [&] { list.Finish(); });
    EXPECT_EQ(list.Wait(0), QVariant(QStringLiteral("1")));
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(list.waitButton()->isVisible());
    EXPECT_TRUE(list.Canceled());
}

TEST_F(FrmInfoListTest, OnlyFinishClosesTheWindow)
{
    list.Begin();
    list.close();
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_TRUE(list.isVisible());
    list.Finish();
    EXPECT_FALSE(list.isVisible());
}

TEST(FrmInfoBoxTest, CancelClickSetsBreakUntilTheNextBegin)
{
    ScriptedProgram sp;
    frmInfoBox box;
    box.Begin(QStringLiteral("Copying"), QStringLiteral("TARN"), true);
    box.Counter(QStringLiteral("3 / 10"));
    EXPECT_EQ(box.message()->text(), "Copying");
    EXPECT_EQ(box.counter()->text(), "3 / 10");
    ASSERT_TRUE(box.breakButton()->isVisible());
    QTest::mouseClick(box.breakButton(), Qt::LeftButton);
    EXPECT_TRUE(box.breakRequested());
    EXPECT_TRUE(box.isVisible()); // the run decides when the box goes
    box.Begin(QStringLiteral("Next"));
    EXPECT_FALSE(box.breakRequested());
    EXPECT_FALSE(box.breakButton()->isVisible());
    EXPECT_EQ(box.counter()->text(), "");
    box.EnableBreak(false); // the value is not examined
    EXPECT_TRUE(box.breakButton()->isVisible());
    box.Finish();
    EXPECT_FALSE(box.isVisible());
}

TEST(QtInteractionTest, OffersTheProgressWindows)
{
    QtInteraction qt;
    EXPECT_NE(dynamic_cast<frmInfoList*>(&qt.infoList()), nullptr);
    EXPECT_NE(dynamic_cast<frmInfoBox*>(&qt.infoBox()), nullptr);
    EXPECT_EQ(&qt.infoList(), &qt.infoList());
}

} // namespace
