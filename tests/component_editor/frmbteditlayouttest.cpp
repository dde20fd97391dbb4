#include "bteditfixture.h"
#include "component_editor/btsearch.h"
#include "component_editor/frmbtedit.h"

#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// The component editor on a laptop screen (1366 x 768, less the title bar and
// the border): after a search with its result list it needs no more than the
// screen has, and the search area and the list are reachable there. Before, the
// window needed 839 pixels of height, and 1635 of width once the list opened.
class EditorOnALaptop : public BtEditTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        BtEditTest::SetUp();
        useProgramSearch();
        sp.program().LangNr = GetParam();
    }
};

TEST_P(EditorOnALaptop, SearchAreaAndResultListFit)
{
    const QSize room(1366 - 16, 768 - 64);
    for (int i = 0; i < 30; ++i)
        store(QStringLiteral("Typ=D%1,Q,Bac=141,Gec=SOT23,B,diode").arg(i, 2, 10, QLatin1Char('0')));
    BtEditModel m;
    loaded(m);
    frmBtEditWindow w(m, nullptr);
    w.show();
    EXPECT_LE(w.minimumSizeHint().height(), room.height()) << "before a search";

    m.chkSuch_Click(0);
    m.txAusg_Change(0, QStringLiteral("Bac=14"));
    m.MenuBT(QStringLiteral("search in"));
    w.fromModel();
    ASSERT_TRUE(m.list().BEGrid.visible);
    ASSERT_EQ(m.list().BEGrid.rows.size(), 30);
    const QSize needed = w.minimumSizeHint();
    EXPECT_LE(needed.width(), room.width());
    EXPECT_LE(needed.height(), room.height());

    w.resize(room);
    w.layout()->activate();
    // The result list beside the record view, with its rows readable.
    QTableWidget* list = w.listGrid();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(w.rect().contains(QRect(list->mapTo(&w, QPoint(0, 0)), list->size())));
    EXPECT_GE(list->height(), 10 * list->rowHeight(0));
    // The search expression and the block field are within the window, or the
    // record view scrolls to them.
    for (int field = 0; field < 2; ++field) {
        QLineEdit* edit = w.searchField(field);
        w.recordArea()->ensureWidgetVisible(edit);
        const QRect shown(edit->mapTo(w.recordArea()->viewport(), QPoint(0, 0)), edit->size());
        EXPECT_TRUE(w.recordArea()->viewport()->rect().contains(shown)) << "search field " << field;
        EXPECT_GE(edit->width(), 120) << "search field " << field;
    }
    // Not a sideways scroll bar: the record view keeps its whole width.
    EXPECT_GE(w.recordArea()->viewport()->width(), w.recordArea()->widget()->minimumSizeHint().width());
    const QString dir = qEnvironmentVariable("TARN_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(dir + QStringLiteral("/btedit-search-%1.png").arg(GetParam() == 2 ? "en" : "de"));
    w.hide();
}

INSTANTIATE_TEST_SUITE_P(Languages, EditorOnALaptop, ::testing::Values(1, 2),
                         [](const auto& i) { return i.param == 2 ? std::string("English") : std::string("German"); });

} // namespace
