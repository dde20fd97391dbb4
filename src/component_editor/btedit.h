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
//     a script works on the model itself and sets Tag.
//   kind "btdesc", key "frmBtEdit": the description entry of a new component
//     waits; the window answers once BTBeWait is cleared. An answer it did not
//     apply is played on the model: its text becomes the description.
//   kind "btpopup", key "up0": the parameter popup of a grid. choices are the
//     visible captions, data["tags"] their tags; the answer's text is the tag
//     clicked ("edit", "del", "trans" or a parameter item "key,value"), a cancel
//     closes the menu without a click.
// Every change of the state is told with ui().componentEditorChanged(key
// "update"); "hide" and "show" follow the window's visibility during commands.

class BtEditModel;

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
    enum Frame { Frame1, Frame2, FrameBT, FrameCmd, FrameGr, FrameSuDat, FrameList, FrameCount };
    enum Field { BtType = 0, BtItem = 1, BtUser = 2, Description = 3, Block = 4 };

    BtEditModel();

    // ---- window state
    QString Tag = QStringLiteral("0");
    QString caption;
    bool shown = false;       // the window is visible (hidden while a command runs)
    int width = RecordViewWidth;
    std::array<Command, CmdCount> Cmd;
    std::array<bool, FrameCount> frameEnabled{};
    std::array<bool, FrameCount> frameVisible{};
    std::array<QString, FrameCount> frameCaption;
    std::array<QString, 8> Label1; // 0..2 designation captions, 3..5 grid titles, 6 description, 7 block
    std::array<bool, 8> labelEnabled{};
    bool descriptionPrompt = false; // Label1(6) shows message 294 (bold, teal)
    QString descriptionPromptText;
    std::array<QString, 3> BtKey{QStringLiteral("Typ"), QStringLiteral("Yk"), QStringLiteral("An")};
    std::array<QString, 3> BT;      // designation fields, OEM code page
    QString BTBlock;
    bool BTBlockEnabled = true;
    std::array<int, 3> InExOpt{};   // which option button is set: InExOpt[i] != 0
    std::array<Grid, 4> VarBox;     // 1..3
    QString BTBe;                   // description as shown (Unicode)
    bool BTBeEnabled = true;
    bool BTBeHighlighted = false;
    QString BEName;
    bool BENameEnabled = true;
    QString QslLine;
    ScrollBar BtIScroll;
    std::array<QString, 3> txAusg;  // search fields; 2 is the group
    std::array<QString, 3> txAusgToolTip;
    QString blockToolTip, designationToolTip;
    QString focus;                  // the control that takes the focus: "Cmd0", "Cmd2", "BTBe"
    int focusGrid = 0;              // the grid that has the focus (1..3), 0 none

    // ---- record state
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
    int ListBiBe = 0;
    QString BackBlAdr;
    int BackBiBe = 0;
    int BackRecIdx = 0;
    QString SaveResult;
    bool BTBeWait = false;
    QString ParamKey;
    bool SuchStop = false;
    bool closeAfterEntry = false; // the window was closed during the description entry
    // The current row of the result lists (filled by the list views): the
    // designation cell of the name-index list with its kind (0 type, 1 item
    // number, 2 user number), and the record of the data-search list.
    QString listCell;
    int IdxKeyKind = 0;
    QString datListRow;

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
    void cmd_Click(int index) { MenuBT(Cmd[index].key); }
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
    void BTBe_Change(const QString& text) { BTBe = text; }
    void BTBlock_Change(const QString& text);

    // ---- search and result lists (btsearch.cpp, btlist.cpp)
    struct ListGrid {
        QStringList rows;   // index list: row 0 the head, rows 1..IdxRows "designation<TAB>block"
        int row = 0;        // current row
        bool visible = false;
        int fixedRows = 0;
    };
    int EingabeBereich = 0;            // 1 designation area, 2 search area
    std::array<bool, 3> chkSuch{};     // expression, block, all
    bool FrameAusformVisible = false;
    int ListArt = 0;                   // 1 index list, 2 data-search list
    int ListForm = 0;                  // 0 text block, 1 five data blocks per component
    QString ListKopfText, SuchBegriffText, ListGruppe, IdxKeyName;
    qint32 AnzGeprueft = 0;
    std::vector<std::pair<QString, QString>> IdxList; // entry k at k - 1: designation (18), block
    qint32 IdxCount = 0, IdxTop = 0;
    int IdxRows = 20, IdxScale = 1, IdxBusy = 0, IdxMouseRow = 0;
    int pageRowsFit = 20;              // data rows the window's grid shows (set by the window)
    ScrollBar VS;
    int VSLargeChange = 1;
    ListGrid BEGrid;
    std::array<QString, 2> Label3;
    QString Info, Cnt;
    bool FrameSVisible = false;
    QString EdFilter;
    bool cursorBusy = false;           // the hourglass of a running scan
    bool applyFilter = false;          // the next redraw looks for the filter text ("filt")
    std::function<void()> onYield;     // called where a scan gives the event loop a turn
    void syncListCell();               // listCell / datListRow from the current row

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
    void EdFilter_Change(const QString& text);
    void chkSuch_Click(int index);
    void chkAnzeige_Click(int index) { ListForm = index; }
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

private:
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
