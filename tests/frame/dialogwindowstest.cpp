#include "common/testutil.h"
#include "frame/editvar.h"
#include "frame/frmedit.h"
#include "frame/frminfolist.h"

#include <QFontInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The close box of the value-input dialog: the cancel button, the back button
// where the cancel button deletes the row, and nothing where that is all there is.
struct EditCloseRow {
    const char* name;
    bool cancelDeletes;
    bool backVisible;
    int tag;         // the button the close box pressed; -1 none (the dialog stays)
};

class EditCloseBox : public ::testing::TestWithParam<EditCloseRow> {};

TEST_P(EditCloseBox, DoesWhatCancelDoes)
{
    testutil::ScriptedProgram sp;
    frmEdit::EditModel m;
    m.title = QStringLiteral("Wert");
    m.name = QStringLiteral("Pin:");
    m.input = QStringLiteral("4");
    m.okCaption = QStringLiteral("&Ok");
    m.cancelCaption = GetParam().cancelDeletes ? QStringLiteral("&Löschen") : QStringLiteral("&Abbrechen");
    m.backCaption = QStringLiteral("&Zurück");
    m.backVisible = GetParam().backVisible;
    m.cancelDeletes = GetParam().cancelDeletes;
    m.tag = -1;
    frmEditWindow w(m, nullptr);
    bool stayed = false;
    QTimer::singleShot(0, &w, [&] {
        w.close();
        stayed = w.isVisible();
        if (stayed)
            w.cmdOk()->click(); // end the dialog for the test
    });
    w.run();
    if (GetParam().tag < 0) {
        EXPECT_TRUE(stayed);
        EXPECT_EQ(m.tag, 0);
    } else {
        EXPECT_FALSE(stayed);
        EXPECT_EQ(m.tag, GetParam().tag);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EditCloseBox,
                         ::testing::Values(EditCloseRow{"cancelButton", false, false, 1},
                                           EditCloseRow{"cancelButtonBesideBack", false, true, 1},
                                           EditCloseRow{"deleteButtonBesideBack", true, true, 2},
                                           EditCloseRow{"deleteButtonAlone", true, false, -1}),
                         [](const auto& i) { return std::string(i.param.name); });

// The message list: while it shows its button, the close box presses it (the
// run's Ok, or its Cancel); otherwise the run still writes to it and it stays.
TEST(InfoListCloseBox, PressesTheButtonShown)
{
    testutil::ScriptedProgram sp;
    frmInfoList list;
    list.Begin(QStringLiteral("Lauf"));
    list.Add(QStringLiteral("Zeile"));
    list.close();
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(list.Canceled());
    list.Wait(2); // a cancel button that the run polls
    list.close();
    EXPECT_TRUE(list.Canceled());
    list.Begin(QStringLiteral("Lauf"));
    QTimer::singleShot(0, &list, [&] { list.close(); });
    EXPECT_EQ(list.Wait(0).toString(), QStringLiteral("1")); // the Ok a waiting run gets
    list.Finish();
}

} // namespace

namespace {
// A list whose lines stand in columns is shown in a font of fixed pitch, so the
// columns line up on the screen; the next run's list starts proportional again.
TEST(InfoListFont, FixedPitchUntilTheNextBegin)
{
    testutil::ScriptedProgram sp;
    frmInfoList list;
    list.Begin(QStringLiteral("be.add"));
    const QFont normal = list.grid()->font();
    list.setFixedPitch(true);
    list.Add(QStringLiteral("BC847               A12-B1-C1           ok      in"));
    list.Add(QStringLiteral("WIDE-DESIGNATION-1  A12-B1-C2           nv"));
    EXPECT_TRUE(QFontInfo(list.grid()->font()).fixedPitch());
    const QFontMetrics fm(list.grid()->font());
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("iiii")), fm.horizontalAdvance(QStringLiteral("WWWW")));
    list.Begin(QStringLiteral("next"));
    EXPECT_EQ(list.grid()->font(), normal);
    list.Finish();
}

// A title longer than the list's own width widens the list instead of being cut.
TEST(InfoListTitle, LongTitleWidensTheList)
{
    testutil::ScriptedProgram sp;
    frmInfoList list;
    list.Begin(QStringLiteral("x"));
    const int own = list.width();
    const QString title = QStringLiteral("Hinzuf\u00fcgen von Anwender-Sachnummern aus der Arbeitsmappe Bauteile-2026.xlsx");
    list.Begin(title);
    EXPECT_GT(list.width(), own);
    EXPECT_GE(list.width(), QFontMetrics(list.font()).horizontalAdvance(title));
    EXPECT_EQ(list.grid()->columnWidth(0), list.grid()->width());
    list.Finish();
}
} // namespace
