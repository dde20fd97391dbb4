#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The component editor frmBtEdit without its widgets: the record view of one
// component (three designation fields, the block field, three data grids, the
// description, the name, the record scroll bar), the command buttons with their
// states, and the commands of the dispatcher MenuBT. The window (frmbtedit.cpp)
// shows this state and forwards the user's actions to the events below.
//
// Questions through ui():
//   kind "btedit", key "frmBtEdit": the editor is shown (Show0); Question::model
//     points to the model. The window answers applied = true once Tag is not "0";
//     a script drives the model through its events (Exit, Form_QueryUnload).
//   kind "btdesc", key "frmBtEdit": the description entry of a new component
//     waits; the window answers once BTBeWait is cleared. An answer it did not
//     apply is played on the model: its text becomes the description.
//   kind "btpopup", key "up0": the parameter popup of a grid. choices are the
//     visible captions, PopupParams::tags their tags; the answer's text is the tag
//     clicked ("edit", "del", "trans" or a parameter item "key,value"), a cancel
//     closes the menu without a click.
// Every change of the state is told with ui().componentEditorChanged(key
// "update"); "hide" and "show" follow the window's visibility during commands.

class BtEditModel;
struct SearchTerm;

// What the editor needs of the failure-rate calculation and of the Q-list
// editor: a link of the program (frame/links.h); the editor does not call them
// itself.
struct BtEditLinks {
    // The name of the component of WorkStr slots 3 and 4 in a language.
    std::function<QString(int language)> componentName;
    // The MIL-HDBK-217F parameter list of a class ("Bac=..,Tec=..").
    std::function<QString(const QString& bacTec)> milParameters;
    // The open Q-list editor takes a designation as a new position line (mode
    // "add"); true when a line was added. Set while a Q-list editor is open.
    std::function<bool(const QString& designation)> NeuPosEingabe;
    // The search and the result list of the editor (left empty until they are
    // built: their buttons then stay disabled).
    std::function<void(BtEditModel& editor, const QString& key)> searchStart;
    std::function<void(BtEditModel& editor)> displayPage;
};

class BtEditModel {
public:
    static constexpr int CmdCount = 16;
    static constexpr int RecordViewWidth = 10320;

    struct Command {
        QString key;
        QString caption;
        QString toolTip;
        bool enabled = true;
        bool visible = true;
    };
    struct Grid {
        QStringList rows;  // shown texts (PiChar for the pi marker)
        int row = -1;      // current row, -1 none
        bool enabled = true;
        bool highlighted = false; // the copy's designations being changed
    };
    struct ScrollBar {
        int minimum = 1, maximum = 1, value = 1;
        bool enabled = false, visible = false;
    };
    struct ListGrid {
        QStringList rows;   // index list: row 0 the head, rows 1..IdxRows "designation<TAB>block"
        int row = 0;        // current row
        bool visible = false;
        int fixedRows = 0;
    };
    enum Frame { Frame1, Frame2, FrameBT, FrameCmd, FrameGr, FrameSuDat, FrameList, FrameCount };
    enum Field { BtType = 0, BtItem = 1, BtUser = 2, Description = 3, Block = 4 };

    BtEditModel();

    // The window as a whole: its title and width, the frames, the control that
    // takes the focus and the busy cursor.
    struct WindowState {
        QString Tag = QStringLiteral("0");
        QString caption;
        bool shown = false; // the window is visible (hidden while a command runs)
        int width = RecordViewWidth;
        std::array<bool, FrameCount> frameEnabled{};
        std::array<bool, FrameCount> frameVisible{};
        std::array<QString, FrameCount> frameCaption;
        QString focus; // the control that takes the focus: "Cmd0", "Cmd2", "BTBe", "BEGrid"
        bool cursorBusy = false; // the hourglass of a running scan
    };
    // The record view: the designation fields, the block field and the file
    // choice, the three grids, the description, the name and the record scroll bar.
    struct RecordView {
        std::array<QString, 8> Label1; // 0..2 designation captions, 3..5 grid titles, 6 description, 7 block
        std::array<bool, 8> labelEnabled{};
        bool descriptionPrompt = false; // Label1(6) shows message 294 (bold, teal)
        QString descriptionPromptText;
        std::array<QString, 3> BT; // designation fields, OEM code page
        QString BTBlock;
        bool BTBlockEnabled = true;
        std::array<int, 3> InExOpt{}; // which option button is set: InExOpt[i] != 0
        std::array<Grid, 4> VarBox;   // 1..3
        int focusGrid = 0;            // the grid that has the focus (1..3), 0 none
        QString BTBe;                 // description as shown (Unicode)
        bool BTBeEnabled = true;
        bool BTBeHighlighted = false;
        QString BEName;
        bool BENameEnabled = true;
        QString QslLine;
        ScrollBar BtIScroll;
        QString blockToolTip, designationToolTip;
    };
    using Commands = std::array<Command, CmdCount>;
    // The search area: the search fields with the group, the kind of search and
    // the list form.
    struct SearchArea {
        std::array<QString, 3> txAusg; // search fields; 2 is the group
        std::array<QString, 3> txAusgToolTip;
        int EingabeBereich = 0;        // 1 designation area, 2 search area
        std::array<bool, 3> chkSuch{}; // expression, block, all
        bool FrameAusformVisible = false;
        int ListForm = 0; // 0 text block, 1 five data blocks per component
    };
    // The result list beside the record view, with its scroll bar, filter and
    // progress texts.
    struct ResultList {
        int ListArt = 0; // 1 index list, 2 data-search list
        int ListBiBe = 0;
        QString ListKopfText, SuchBegriffText, ListGruppe, IdxKeyName;
        qint32 AnzGeprueft = 0;
        std::vector<std::pair<QString, QString>> IdxList; // entry k at k - 1: designation (18), block
        qint32 IdxCount = 0, IdxTop = 0;
        int IdxRows = 20, IdxScale = 1, IdxBusy = 0, IdxMouseRow = 0;
        int pageRowsFit = 20; // data rows the window's grid shows
        ScrollBar VS;
        int VSLargeChange = 1;
        ListGrid BEGrid;
        std::array<QString, 2> Label3;
        QString Info, Cnt;
        bool FrameSVisible = false;
        QString EdFilter;
        bool applyFilter = false; // the next redraw looks for the filter text ("filt")
        // The current row (kept by syncListCell): the designation cell of the
        // name-index list with its kind (0 type, 1 item number, 2 user number),
        // and the record of the data-search list.
        QString listCell;
        int IdxKeyKind = 0;
        QString datListRow;
    };
    // The record shown, its block and its file, and what the running command
    // has come to.
    struct RecordState {
        QStringList BlockRecords{QString()};
        int RecCount = 0;
        int RecIdx = 0;
        QString AktBlAdr;
        int AktBiBe = 0;
        QString BtNrText, KopfText, NeuBtText;
        int InExWahl = 0;
        bool BtDateiOk = false;
        QString AktMSuch;
        QString TransBez;
        bool TransOk = false;
        bool PosAdded = false;
        QString BackBlAdr;
        int BackBiBe = 0;
        int BackRecIdx = 0;
        QString SaveResult;
        bool BTBeWait = false;
        QString ParamKey;
        bool SuchStop = false;
        bool closeAfterEntry = false; // the window was closed during the description entry
    };

    // What the window shows and the tests look at. Only the commands and events
    // below change it.
    const WindowState& window() const { return mWindow; }
    const RecordView& view() const { return mView; }
    const Commands& commands() const { return mCmd; }
    const SearchArea& search() const { return mSearch; }
    const ResultList& list() const { return mList; }
    const RecordState& record() const { return mRecord; }

    // ---- start of the editor (Show0)
    // Loads the editor for the Q-list line shown above the record; false (Tag
    // "1") when the component file cannot be opened.
    bool loadForShow(const QString& qslLine);
    // Adr as Show0 takes it: its designation is opened, or kept in the field
    // when the editor was called to pick one (mode "replace" or "add").
    void startWith(const QString& Adr, const QString& MSuch);

    // ---- load and the public methods
    void Form_Load();
    void MenuBT(const QString& cmdStr);
    void EnableCmd(QString Numbers, bool MEnabled);
    void EnableFrames(bool MEnabled);
    QString OpenBT(int BiBe, int MListBE, bool M_AddBez, bool M_FindMeldung);
    static QString BtBlockNr(const QString& Badr);
    // The printed lines of a description: broken at " -.)" to the columns of the
    // print area, the pi marker in its stored form.
    static QStringList descriptionPrintLines(const QString& description, int columns);
    // The group field's text for a result of the group menu.
    static QString groupFieldText(QString result);
    void BTNamenChange();
    bool CheckSaveBT(int MeldNr);
    QString RunAddBez(const QString& RefBez, int RefBezNr, const QString& NeuBez, int NeuBezNr, int DatInEx,
                      bool M_Ic);

    // ---- record display
    void ShowBT(int i);
    void BTKopfZeile(std::optional<int> i = std::nullopt, std::optional<QString> blockAddress = std::nullopt,
                     std::optional<int> kind = std::nullopt);
    void ReloadBtBlock();
    void ClearBT();
    // The record text composed from the grids and the description, as stored.
    QString composeRecord() const;

    // ---- events
    void cmd_Click(int index) { MenuBT(mCmd[index].key); }
    void InExOpt_Click(int index);
    // The close box: false refuses the close. Ends a waiting description entry.
    bool Form_QueryUnload();
    void BtIScroll_Change(int value);
    void ShowBTParam(int g, bool n = false);
    void up0cmd_Click(const QString& tag);
    void up_Click(const QString& tag);
    void VarBox_MouseDownRight(int g);
    void VarBox_DblClick(int g, bool onRow);
    void VarBox_KeyDown(int g, int keyCode);
    void VarBox_KeyPress(int g, QChar key);
    // A key typed into a field: the character to insert (OEM for the designation
    // fields), or nothing; beep tells whether it was refused with a beep. Enter in
    // a designation field runs "open"; in the description it ends the wait.
    std::optional<QChar> keyPress(int field, QChar key, bool& beep);
    // Pasted text passes the same filter as typed keys.
    QString filterPaste(int field, const QString& text, bool& beep) const;
    void BT_Change(int i, const QString& text);
    void BT_GotFocus(int i);
    void BTBe_Change(const QString& text) { mView.BTBe = text; }
    // The user changed the record view outside the commands (text pasted into
    // the description): the record can be saved.
    void recordEdited();
    void BTBlock_Change(const QString& text);
    void BTBlock_GotFocus();
    void VarBox_GotFocus(int g);
    void VarBox_RowChange(int g, int row);
    // The control to focus after the last action, once: empty when none.
    QString takeFocus();

    // ---- search and result lists (btsearch.cpp, btlist.cpp)
    void syncListCell(); // listCell / datListRow from the current row
    // Called where a scan gives the event loop a turn.
    void setYield(std::function<void()> yield) { mOnYield = std::move(yield); }

    void SearchStart(const QString& cmdStr);
    QString ListTitel(const QString& grp, int BiBe, int padding);
    void DisplayPage(std::optional<int> first = std::nullopt, std::optional<int> last = std::nullopt);
    void AdjustScroller();
    void ResizeGrid();
    void VS_Change(int value);
    // Returns true when the key was consumed.
    bool BEGrid_KeyDown(int keyCode, int shift);
    void BEGrid_KeyPress(int keyAscii);
    void BEGrid_DblClick();
    void BEGrid_Click();
    void BEGrid_GotFocus();
    void BEGrid_RowColChange(int row);
    void BEGrid_MouseDownRight();
    // The index-list row under a mouse press (1 the first data row).
    void BEGrid_MouseDown(int row);
    void EdFilter_Change(const QString& text);
    void chkSuch_Click(int index);
    void chkAnzeige_Click(int index) { mSearch.ListForm = index; }
    void txAusg_Change(int index, const QString& text);
    void txAusg_GotFocus(int index);
    // The list output of the pop-up: "lst.print", "lst.file" or "lst.open".
    void up1cmd_Click(const QString& tag);
    void AusgabeListe(const QString& Ausgabe, int ModusDruck);
    static QString BEHead(int BiBe, const QString& bdir);
    void AusgabeBT(QString& btd);
    // The printed lines of one record (all of them, however many), wrapped at columns.
    static QStringList recordPrintLines(QString& btd, int form, int columns);
    // The selection line of the list head.
    QString selectionLine(int ModusDruck) const;
    // The lines of the list file, the head line first.
    QStringList listFileLines(int ModusDruck) const;

    // ---- the window
    void refresh() const;
    void hideWindow();
    void showWindow();

    // ---- states the tests set where no event of the window leads to them
    // The grid's rows as the popup's edits would leave them.
    void setGridRowsForTest(int g, const QStringList& rows);
    // A block in place as a read of the component file leaves it: records from
    // 1, their count, the file kind and the block's address, the record index.
    void setBlockForTest(const QStringList& records, int count, int kind, const QString& address, int index = 0);
    // The search area that the next search reads (1 designations, 2 search fields).
    void setInputAreaForTest(int area);
    // A name-index listing of the kind (0 type, 1 item number, 2 user number,
    // named keyName) in the file kind, its first page laid out for rows rows.
    void setIndexListForTest(std::vector<std::pair<QString, QString>> entries, int kind, const QString& keyName,
                             int fileKind, int rows);
    // The search expression and group the list head names.
    void setSelectionForTest(const QString& searchText, const QString& group);
    // A data-search list of the file kind holding rows.
    void setDataListForTest(const QStringList& rows, int fileKind);

private:
    struct DataSearch;
    std::optional<DataSearch> blockSearch(const QString& bdir, const QString& Such, int BiBe);
    std::optional<DataSearch> expressionSearch(QString& Such, const QString& Gr);
    void showScanStart(const QString& searchText);
    void listBlock(QString blockText, qint32& count);
    bool scanBlockFile(const QString& file, const QString& bdir, int BiBe, const std::vector<SearchTerm>& terms,
                       qint32& count);
    bool scanGroups(const QString& bdir, int BiBe, const DataSearch& d, QString& Gr, qint32& count);
    void showScanResult(bool cancelled, qint32 count, qint32& found);
    bool ViewBEDatList(const QString& bdir, QString& Such, QString& Gr, int BiBe, qint32& found, bool MBlock);
    void ViewBEIndexList(const QString& bdir, const QString& kind, QString& prefix, const QString& grp, int BiBe,
                         qint32& found);
    void listCommonEnd();
    void positionText();
    void openListPopup();
    void cmdPrint();
    void cmdProg();
    void cmdGroup();
    void cmdOpen();
    void cmdSaveDelete(const QString& key);
    void cmdCopy();
    void cmdCopyInt();
    void cmdNew();
    void cmdBack();
    void NeuBTSetup();
    QString writeForAdd();
    const QString& abkList(int g) const;

    WindowState mWindow;
    RecordView mView;
    Commands mCmd;
    SearchArea mSearch;
    ResultList mList;
    RecordState mRecord;
    std::function<void()> mOnYield;
};

namespace frmBtEdit {
// Loads the editor and shows it; returns when it closes. Adr: designation in 18
// characters, kind digit (0 type, 1 item number, 2 user number), file digit.
// MSuch: empty, "replace" or "add". With a designation taken in mode "replace",
// Adr receives it (18 characters and "00", "10" or "20"). Result: PosAdded.
// QslLine: the Q-list line whose component is chosen, shown above the record
// (the stress-data entry passes it with "replace").
bool Show0(QString& Adr, const QString& MSuch = QString(), const QString& QslLine = QString());
bool Show0();
} // namespace frmBtEdit
