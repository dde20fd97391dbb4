#include "common/testutil.h"
#include "frame/workslots.h"
#include "component_file/frmratetables.h"
#include "frame/database.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The editor window typed into like a user: digits and a point go into the
// current AR min cell, Enter moves to AR max, the save button writes the value.
TEST(RateTableWindow, TypingAndSavingInTheEditorWindow)
{
    testutil::TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    testutil::ScriptedProgram sp;
    sp.program().WorkStr[Slot::AwsDir] = inst.path(QStringLiteral("System"));
    sp.program().LangNr = 1;
    AwsEditModel model;
    model.FormLoad();
    ASSERT_EQ(model.Tag, QStringLiteral("0"));
    {
        RateTableWindow w(model, true, nullptr);
        w.show();
        QTableWidget* grid = w.grid();
        grid->setFocus();
        EXPECT_EQ(grid->rowCount(), 90);
        EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), QStringLiteral("AR max"));
        EXPECT_EQ(grid->currentColumn(), 8);
        QTest::keyClicks(grid, QStringLiteral("2.5"));
        EXPECT_EQ(grid->item(0, 8)->text(), QStringLiteral("2,5"));
        QTest::keyClick(grid, Qt::Key_Return);
        EXPECT_EQ(grid->currentColumn(), 9);
        EXPECT_TRUE(model.Geaendert);
        // Letters change nothing.
        QTest::keyClicks(grid, QStringLiteral("ab"));
        EXPECT_EQ(grid->item(0, 9)->text(), QStringLiteral("9"));
        QPushButton* save = w.button(QStringLiteral("save"));
        ASSERT_NE(save, nullptr);
        QTest::mouseClick(save, Qt::LeftButton);
        EXPECT_FALSE(model.Geaendert);
        w.close();
        EXPECT_EQ(model.Tag, QStringLiteral("1"));
    }
    model.close();
    auto db = Database::open(inst.path(QStringLiteral("System/ARAWS.sqlite")), true);
    const Snapshot s = db->snapshot(
        QStringLiteral("SELECT [Armin],[Armax] FROM [ARMILQRM] WHERE [BacTec] = ? AND [K1] = ?"),
        {QStringLiteral("11101000"), 16000.0});
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_DOUBLE_EQ(s.value(0).toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(s.value(1).toDouble(), 9.0);
}

} // namespace

namespace {

// The viewer shows the norm table; typing into its grid changes nothing.
TEST(RateTableWindow, ViewerGridIgnoresTyping)
{
    testutil::TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    testutil::ScriptedProgram sp;
    sp.program().WorkStr[Slot::SystemDir] = inst.path(QStringLiteral("System"));
    sp.program().LangNr = 1;
    YkViewModel model;
    model.FormLoad();
    ASSERT_EQ(model.Tag, QStringLiteral("0"));
    {
        RateTableWindow w(model, false, nullptr);
        w.show();
        QTableWidget* grid = w.grid();
        grid->setFocus();
        grid->setCurrentCell(0, 8);
        const QString before = grid->item(0, 8)->text();
        QTest::keyClicks(grid, QStringLiteral("12"));
        QTest::keyClick(grid, Qt::Key_Delete);
        EXPECT_EQ(grid->item(0, 8)->text(), before);
        EXPECT_EQ(model.cell(1, 8), before);
        EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("Bit"));
        EXPECT_EQ(w.button(QStringLiteral("save")), nullptr);
        QTest::mouseClick(w.button(QStringLiteral("can")), Qt::LeftButton);
        EXPECT_EQ(model.Tag, QStringLiteral("1"));
    }
    model.close();
}

} // namespace

namespace {

// Escape is the cancel button of both windows; in the editor it first undoes
// the cell being typed into, and only a second Escape leaves.
TEST(RateTableWindow, EscapeCancelsTheViewerAndTheEditorWhenNotEditing)
{
    testutil::TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    testutil::ScriptedProgram sp;
    sp.program().WorkStr[Slot::AwsDir] = inst.path(QStringLiteral("System"));
    sp.program().WorkStr[Slot::SystemDir] = inst.path(QStringLiteral("System"));
    sp.program().LangNr = 1;
    {
        YkViewModel viewer;
        viewer.FormLoad();
        RateTableWindow w(viewer, false, nullptr);
        w.show();
        w.grid()->setFocus();
        QTest::keyClick(w.grid(), Qt::Key_Escape);
        EXPECT_EQ(viewer.Tag, QStringLiteral("1"));
        viewer.close();
    }
    AwsEditModel editor;
    editor.FormLoad();
    {
        RateTableWindow w(editor, true, nullptr);
        w.show();
        QTableWidget* grid = w.grid();
        grid->setFocus();
        const QString before = grid->item(0, 8)->text();
        QTest::keyClicks(grid, QStringLiteral("7"));
        ASSERT_TRUE(editor.EditAktiv);
        QTest::keyClick(grid, Qt::Key_Escape);
        EXPECT_EQ(grid->item(0, 8)->text(), before);
        EXPECT_EQ(editor.Tag, QStringLiteral("0"));
        QTest::keyClick(grid, Qt::Key_Escape);
        EXPECT_EQ(editor.Tag, QStringLiteral("1"));
        EXPECT_TRUE(sp.ui().allUsed());
    }
    editor.close();
}

} // namespace
