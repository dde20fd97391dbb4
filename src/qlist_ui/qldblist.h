#pragma once
#include "qlist/qldbselect.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// What the browser asks of its window. Without a window (tests) nothing happens.
class QldbListView {
public:
    virtual ~QldbListView() = default;
    // The window hides while a command shows windows of its own.
    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    // Lays the window out again (after a change of the font size): the window
    // measures how many rows fit and calls Form_Resize with that number.
    virtual void relayout() = 0;
    // The state changed: show it.
    virtual void refresh() = 0;
};

// The browser of the Q-lists of the current database (letter WorkStr 16) without
// its widgets: the filtered and sorted record set, the page the grid shows, the
// scroll range, the enabled commands and the command dispatcher. The window shows
// this state and forwards the user's actions; the tests drive it directly.
class QldbList {
public:
    // The columns of a fetched row, in the order of the query.
    enum Column { LN = 0, TYP, YK, STAND, AN, TEC, CODE, ANL, BE, DELETED };
    static constexpr int MaxScroll = 32767;
    // Records read per block by the directory printouts.
    static constexpr int PrintBlock = 200;

    QldbListView* view = nullptr;
    QString tag = QStringLiteral("0"); // not "0": the window ends

    // ---- window state
    int DbSlot = 0;
    long TotalRec = 0;
    std::shared_ptr<QldbRows> Rs;
    std::vector<QVariantList> PageRows;
    QString FilterText;
    int SortArt = 0;
    QString ColSet = QStringLiteral("12356789");
    long RecCount = 0;
    long TopRec = 0;
    int PageSize = 1;
    int ScaleFak = 1;
    int Busy = 0;
    QString CaptionPrefix;
    int SelDone = 0;
    bool FilterChanged = false, SortChanged = false;

    // ---- what the controls show
    QString filterBox;            // the filter box's text (OEM codes)
    bool cmdUpdateEnabled = false;
    bool printDirEnabled = true;
    bool recordCommandsEnabled = false; // edit, del, print, checkprint, checkfile and the Prediction items
    bool gridVisible = false;
    bool scrollVisible = true;
    QString infoText, cntText;    // the progress labels (OEM codes); empty: hidden
    QString caption;              // OEM codes, as every text the window shows
    // Grid: row 0 holds the column titles, rows 1..PageSize the records; each row
    // holds its cells (fewer cells: the others are empty).
    std::vector<QStringList> grid;
    int currentRow = 1;
    std::array<int, 8> columnChars{}; // shown width of each column in characters
    int vsMax = MaxScroll, vsValue = 0, vsLargeChange = 1;
    double fontSize = 9;          // the grid's font, points

    // The command keys whose items are disabled until the first selection.
    static const QStringList RecordCommands;
    // The design caption of control n (interface text 1635 + n) localised, with
    // its tool tip when it names one.
    static QString captionText(int n);
    static std::optional<QString> captionToolTip(int n);
    // Captions and tool tips of the sort options.
    static QString sortCaption(int kind);
    static QString sortToolTip(int kind);
    static QString filterToolTip();
    // Full width of grid column c in characters.
    static int fullColumnChars(int c);

    // ---- loading and closing
    void Form_Load();
    // The close box and the close commands: frees the slot; false while the
    // browser still waits (the unload is refused once, then the tag ends it).
    bool Form_Unload();
    void Form_Activate() { Busy = 0; }

    // ---- filter and sort
    // A key typed into the filter box: the character to insert or nothing (beep).
    std::optional<QChar> filterKey(QChar c, bool& beep) const;
    void EdFilter_Change(const QString& text);
    void SortByOpt_Click(int index);
    void CmdUpdate_Click();

    // ---- record set, page and grid
    void LoadQslList();
    // Rows unten.. oben-1 of Rs into ergebnis; re-queries first when the database
    // changed. False when a database error closed the browser.
    bool GetPage_DB(int globDBfile, long unten, long oben, std::vector<QVariantList>& ergebnis, long& globtRec);
    void DisplayPage(int first = 1, int last = -1);
    void AdjustScroller();
    // The rows that fit the grid are measured by the window.
    void Form_Resize(int rowsThatFit);
    void VS_Change(int value);
    // PgDn 34, PgUp 33, Down 40, Up 38, Home 36, End 35; true when handled.
    bool Grid_KeyDown(int keyCode);
    void Grid_SelChange();
    void Grid_DblClick(int mouseRow, int mouseCol);
    void setCurrentRow(int row) { currentRow = row; }

    // ---- records and commands
    QString Selection();
    static void GetOne(int p, std::array<QString, 10>& FD, const std::vector<QVariantList>& ergebnis, QString& res);
    void MenuQLDB(const QString& what);
    void PrintFilterKurz();
    void PrintFilterLang();

    // The row text of the record decoded in QslRecAlt (cells, from the LN column).
    QStringList rowCells() const;
    // The entries of the printouts for the record decoded in QslRecAlt.
    QString shortEntryText(int printColumns) const;
    QString longLine() const;

private:
    QString sortTitle() const;
    void printHead(const QString& message, const QString& sortTitle);
    bool readBlock(long d, std::vector<QVariantList>& block, std::array<QString, 10>& rec);
    void fatalClose();
    QString folder() const;
};

namespace frmQldbList {
// Shows the browser of the current database and returns when it has been closed.
void Show0();
} // namespace frmQldbList
