#include "qlist/qlprintfixture.h"
#include "qlist/qldb.h"
#include "qlist_ui/qldblist.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <set>

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

QString five(long n)
{
    return QStringLiteral("%1").arg(n, 5, 10, QChar(u'0'));
}

// A browser without a window over database A, a page of ten rows.
class Browser : public QlPrintFixture {
protected:
    Browser() { list.PageSize = 10; }
    ~Browser() override
    {
        list.tag = QStringLiteral("1");
        list.Form_Unload();
    }
    ScriptedInteraction& ui = program.ui();

    // n rows "T<n>" in one transaction (the browser reads them, never their files).
    void generate(long n, long from = 0)
    {
        auto db = direct();
        db->execute(QStringLiteral("BEGIN"));
        for (long i = from; i < from + n; ++i)
            db->execute(QStringLiteral("insert into qldb (ln,typ,deleted) values (?,?,'0')"),
                        {five(i), QStringLiteral("T%1").arg(i)});
        db->execute(QStringLiteral("COMMIT"));
    }
    void load(int sort = 4, const QString& filter = QString())
    {
        list.Form_Load();
        if (sort != 4 || !filter.isEmpty()) {
            list.SortByOpt_Click(sort);
            list.EdFilter_Change(filter);
            list.CmdUpdate_Click();
        }
    }
    // The number cell of grid row r.
    QString numberAt(int r) const
    {
        const QStringList& cells = list.grid.at(std::size_t(r));
        return cells.isEmpty() ? QString() : cells[0];
    }
    QldbList list;
};

TEST_F(Browser, ShortListEndsOnTheLastRecord)
{
    generate(5);
    load();
    EXPECT_EQ(list.RecCount, 5);
    EXPECT_EQ(list.vsMax, 0); // maximum equals minimum
    EXPECT_EQ(numberAt(5), QStringLiteral("4"));
    EXPECT_TRUE(list.grid[6].isEmpty());
    EXPECT_TRUE(list.grid[10].isEmpty());
    list.Grid_KeyDown(35); // End
    EXPECT_EQ(list.TopRec, 0);
    EXPECT_EQ(list.currentRow, 5);
}

TEST_F(Browser, LongListScalesTheScrollBarAndNeverGoesBeforeTheFirstRecord)
{
    const long n = 32767 + 10 + 300;
    generate(n);
    QElapsedTimer t;
    t.start();
    load();
    EXPECT_EQ(list.RecCount, n);
    EXPECT_GE(list.ScaleFak, 2);
    EXPECT_LE(list.vsMax, QldbList::MaxScroll);
    // The end of the bar shows the last records, without running past them.
    list.VS_Change(list.vsMax);
    EXPECT_GE(list.TopRec + list.PageSize, n - list.ScaleFak);
    EXPECT_LT(list.TopRec, n);
    // Laid out again (as the window is when shown), the end shows the very last.
    list.Form_Resize(11);
    list.VS_Change(list.vsMax);
    bool lastShown = false;
    for (int r = 1; r <= 10; ++r)
        lastShown = lastShown || numberAt(r) == QString::number(n - 1);
    EXPECT_TRUE(lastShown);
    // Paging a thousand times stays quick: only a page is read each time.
    for (int i = 0; i < 1000; ++i)
        list.Grid_KeyDown(i % 2 ? 34 : 33);
    EXPECT_LT(t.elapsed(), 20000);

    // Up on the first row steps back by ScaleFak records...
    list.VS_Change(2);
    ASSERT_EQ(list.TopRec, 2 * list.ScaleFak);
    list.currentRow = 1;
    list.Grid_KeyDown(38);
    EXPECT_EQ(list.TopRec, list.ScaleFak);
    EXPECT_EQ(list.currentRow, list.ScaleFak);
    // ...and from below ScaleFak the page starts at record 0, the cursor on row 1.
    list.TopRec = 1;
    list.DisplayPage();
    list.currentRow = 1;
    list.Grid_KeyDown(38);
    EXPECT_EQ(list.TopRec, 0);
    EXPECT_EQ(list.currentRow, 1);
    EXPECT_EQ(numberAt(1), QStringLiteral("0"));
    list.Grid_KeyDown(38);
    EXPECT_EQ(list.TopRec, 0);
}

TEST_F(Browser, PagingKeysStopAtBothEnds)
{
    generate(25);
    load();
    list.Grid_KeyDown(34);
    list.Grid_KeyDown(34);
    EXPECT_EQ(list.TopRec, 20);
    list.Grid_KeyDown(34); // last page: nothing
    EXPECT_EQ(list.TopRec, 20);
    EXPECT_EQ(numberAt(5), QStringLiteral("24"));
    EXPECT_TRUE(list.grid[6].isEmpty());
    list.TopRec = 3;
    list.DisplayPage();
    list.Grid_KeyDown(33); // below PageSize: to the first record
    EXPECT_EQ(list.TopRec, 0);
    // Down on the last row moves the page by one record and redraws that row.
    list.currentRow = 10;
    list.Grid_KeyDown(40);
    EXPECT_EQ(list.TopRec, 1);
    EXPECT_EQ(numberAt(1), QStringLiteral("1"));
    EXPECT_EQ(numberAt(10), QStringLiteral("10"));
    list.Grid_KeyDown(36); // Home
    EXPECT_EQ(list.TopRec, 0);
    EXPECT_EQ(list.currentRow, 1);
}

TEST_F(Browser, AllNumbersStartAtTheFilterNumber)
{
    generate(150);
    load(4, QStringLiteral("100"));
    EXPECT_EQ(list.TopRec, 100);
    EXPECT_EQ(numberAt(1), QStringLiteral("100"));
}

TEST_F(Browser, DeletionRequeriesTheListAndTheCaptionFollows)
{
    for (int i = 0; i < 4; ++i)
        addList(five(i), {QStringLiteral("Typ=NETZ%1").arg(i), QStringLiteral("Be=Netzteil")});
    load(0, QStringLiteral("NETZ"));
    ASSERT_EQ(list.RecCount, 4);
    EXPECT_TRUE(list.caption.endsWith(QStringLiteral("  ") + QStringLiteral(" 4/ 4"))) << list.caption.toStdString();
    list.currentRow = 2;
    list.Grid_SelChange();
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::Yes));
    list.MenuQLDB(QStringLiteral("del"));
    EXPECT_EQ(list.RecCount, 3);
    EXPECT_EQ(numberAt(1), QStringLiteral("0"));
    EXPECT_EQ(numberAt(2), QStringLiteral("2"));
    EXPECT_TRUE(list.caption.endsWith(QStringLiteral(" 4/ 3"))) << list.caption.toStdString();

    // In the list of all numbers the deleted one shows "*" as its type, and no
    // command acts on it.
    list.SortByOpt_Click(4);
    list.EdFilter_Change(QString());
    list.CmdUpdate_Click();
    EXPECT_EQ(list.grid[2], QStringList({"1", "*"}));
    list.currentRow = 2;
    EXPECT_EQ(list.Selection(), QString());
}

TEST_F(Browser, SelectionIsTheHeadListOfTheCurrentRow)
{
    addRow(QStringLiteral("00000"), QStringLiteral("XYZ"), QStringLiteral("123456-12345-1234"), QStringLiteral("01"));
    addRow(QStringLiteral("00001"), {}, {}, {}, QStringLiteral("U7"));
    load();
    list.currentRow = 1;
    EXPECT_EQ(list.Selection(), QStringLiteral("Ln=00000,Typ=XYZ,Yk=123456-12345-1234-01"));
    list.currentRow = 2;
    EXPECT_EQ(list.Selection(), QStringLiteral("Ln=00001,Yk=-,An=U7"));
    list.currentRow = 3; // beyond the last record
    EXPECT_EQ(list.Selection(), QString());
}

TEST_F(Browser, TitleDoubleClickTogglesTheColumnWidth)
{
    generate(3);
    load();
    const int full = list.columnChars[1];
    EXPECT_EQ(full, 21);
    list.Grid_DblClick(0, 1);
    EXPECT_EQ(list.columnChars[1], 1);
    list.Grid_DblClick(0, 1);
    EXPECT_EQ(list.columnChars[1], full);
    list.Grid_DblClick(0, 0); // the number column stays
    EXPECT_EQ(list.columnChars[0], 6);
}

TEST_F(Browser, EmptyDatabaseSaysNoSearchResult)
{
    ui.expect(Msg, QStringLiteral("235"), Answer::button(Mb::OK));
    load();
    EXPECT_EQ(list.RecCount, 0);
    EXPECT_FALSE(list.recordCommandsEnabled);
    list.Grid_SelChange();
    EXPECT_TRUE(list.recordCommandsEnabled);
}

// A database error while a page is read closes the browser with its message; the
// program goes on.
TEST_F(Browser, DatabaseErrorWhileFetchingClosesTheBrowser)
{
    generate(20);
    load();
    ASSERT_EQ(list.tag, QStringLiteral("0"));
    direct()->execute(QStringLiteral("drop table qldb"));
    ui.expect(Msg, QStringLiteral("473"), Answer::button(Mb::OK));
    list.Grid_KeyDown(34);
    EXPECT_EQ(list.tag, QStringLiteral("1"));
}

TEST_F(Browser, UnloadFreesTheSlotOnce)
{
    generate(2);
    load();
    const int slot = list.DbSlot;
    ASSERT_GE(slot, 1);
    EXPECT_FALSE(list.Form_Unload()); // refused while the browser waits
    EXPECT_EQ(qlDbState().DbTab[slot].inUse, 0);
    EXPECT_TRUE(list.Form_Unload());
}

TEST_F(Browser, FontSizeStaysWithinOneAndHundredPoints)
{
    generate(2);
    load();
    list.fontSize = 1;
    list.MenuQLDB(QStringLiteral("fnt<"));
    EXPECT_EQ(list.fontSize, 1);
    list.fontSize = 100;
    list.MenuQLDB(QStringLiteral("fnt>"));
    EXPECT_EQ(list.fontSize, 100);
    list.MenuQLDB(QStringLiteral("fnt<"));
    EXPECT_EQ(list.fontSize, 99);
}

// ---- directory printouts

class Directory : public Browser {
protected:
    Directory()
    {
        // 9900 twips at 90 twips a character (7.5 pt on the fixed-metric printer).
        prog().Raender[2] = 9900;
    }
    void print(const QString& key)
    {
        expectPreview();
        list.MenuQLDB(key);
    }
    int linesAfterHead() const
    {
        int n = 0;
        for (const QString& t : printed)
            n += t.startsWith(QLatin1String("    ")) ? 1 : 0;
        return n;
    }
    static QStringList entries(const QStringList& texts, const QString& pattern)
    {
        QStringList out;
        for (const QString& t : texts)
            if (t.contains(QRegularExpression(pattern)))
                out << t;
        return out;
    }
};

TEST_F(Directory, LongFormReadsTheSecondBlockAtRecord200)
{
    generate(205);
    load();
    print(QStringLiteral("long"));
    const QStringList lines = entries(printed, QStringLiteral("^ *\\d+ Typ=T\\d+$"));
    ASSERT_EQ(lines.size(), 205);
    for (int i = 0; i < 205; ++i)
        ASSERT_EQ(lines[i], QString::number(i).rightJustified(5) + QStringLiteral(" Typ=T") + QString::number(i));
}

TEST_F(Directory, LongFormLinesOfDeletedAndStandlessRecords)
{
    addRow(QStringLiteral("00000"), QStringLiteral("a b  "), QStringLiteral("12 345"), QStringLiteral("  "), QStringLiteral("x7"));
    addRow(QStringLiteral("00001"), {}, {}, {}, {}, QStringLiteral("1"));
    addRow(QStringLiteral("00002"), {}, QStringLiteral("123456-12345-1234"), QStringLiteral(" 3"));
    load();
    print(QStringLiteral("long"));
    EXPECT_TRUE(printed.contains(QStringLiteral("    0 Typ=A B, Yk=12345-, An=X7")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    1 FREI")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    2 Yk=123456-12345-1234-3")));
}

TEST_F(Directory, ShortFormOfAllNumbersShowsDeletedAndFreeEntries)
{
    addRow(QStringLiteral("00000"), QStringLiteral("NETZ"));
    addRow(QStringLiteral("00001"), {}, {}, {}, {}, QStringLiteral("1"));
    addRow(QStringLiteral("00002"), {}, {}, {}, {});
    addRow(QStringLiteral("00003"), {}, QStringLiteral("123456-12345-1234"), QStringLiteral(" 3"));
    addRow(QStringLiteral("00004"), {}, {}, {}, QStringLiteral("U7"));
    load();
    print(QStringLiteral("short"));
    EXPECT_TRUE(printed.contains(QStringLiteral("    0   t NETZ")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    1   t *")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    2     FREI")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    3   s 123456-12345-1234- 3")));
    EXPECT_TRUE(printed.contains(QStringLiteral("    4   a U7")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Ln"))); // head: the sort title, never the filter
}

TEST_F(Directory, HeadShowsTheFilterExceptForNumberViews)
{
    generate(3);
    load(0, QStringLiteral("T"));
    print(QStringLiteral("short"));
    EXPECT_TRUE(printed.contains(QStringLiteral("Typ   \"T\""))) << printed.join(u'|').toStdString();
    EXPECT_TRUE(printed.join(u'|').contains(QStringLiteral("Q-List Database A    Index short")))
        << printed.join(u'|').toStdString();
    list.SortByOpt_Click(3);
    list.EdFilter_Change(QStringLiteral("1"));
    list.CmdUpdate_Click();
    print(QStringLiteral("long"));
    EXPECT_TRUE(printed.contains(QStringLiteral("Ln")));
    EXPECT_FALSE(printed.join(u'|').contains(QStringLiteral("\"00001\"")));
}

// Where the entries of the short form stand: 110 characters a line and entries of
// 29 give 110 \ 32 = 3 columns with a gap of (110 - 3 x 29) \ 2 = 11, so columns at
// 0, 40 and 80; a page holds 3 x PrZeilen entries.
TEST_F(Directory, ShortFormColumnsAndPages)
{
    generate(400);
    load(0, QString());
    struct Placed : DrawTarget {
        void setFontName(const QString& n) override { name = n; }
        QString fontName() const override { return name; }
        void setFontSize(double) override {}
        void setFontBold(bool) override {}
        void setFontUnderline(bool) override {}
        void setDrawStyle(int) override {}
        void setDrawWidth(int) override {}
        void line(int32_t, int32_t, int32_t, int32_t) override {}
        void text(int32_t x, int32_t y, const QString& t) override { items.push_back({x, y, t}); }
        struct Item { int32_t x, y; QString t; };
        std::vector<Item> items;
        QString name;
    };
    std::vector<std::vector<Placed::Item>> pages;
    int columns = 0, lines = 0, linksX = 0;
    program.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&](const Question&) {
        for (int k = 1; k <= pageCount(PageSource::Pages); ++k) {
            Placed p;
            drawPageRecords(p, readPage(PageSource::Pages, k), 1.0);
            pages.push_back(p.items);
        }
        return Answer::cancel();
    });
    list.MenuQLDB(QStringLiteral("short"));
    columns = printState().PrSpalten;
    lines = printState().PrZeilen;
    linksX = printState().PrLinks;
    ASSERT_EQ(columns, 110);
    ASSERT_GT(lines, 0);
    const int perPage = 3 * lines;
    ASSERT_EQ(int(pages.size()), (400 + perPage - 1) / perPage);
    // Sorted by type: T0, T1, T10, T100, ... ; find the x of each entry of page 1.
    std::set<int32_t> xs;
    int onFirst = 0;
    for (const auto& it : pages[0])
        if (it.t.contains(QLatin1String("   T"))) {
            xs.insert(it.x);
            ++onFirst;
        }
    EXPECT_EQ(onFirst, perPage);
    const int cw = 90; // 7.5 pt on the fixed-metric printer
    ASSERT_EQ(xs.size(), 3u);
    const int32_t x0 = *xs.begin();
    EXPECT_EQ(xs, std::set<int32_t>({x0, x0 + 40 * cw, x0 + 80 * cw}));
    (void)linksX;
}

} // namespace
