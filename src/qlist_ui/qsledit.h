#pragma once
#include "qlist/fehlqsbt.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// What the Q-list editor asks of its window. Without a window (tests) nothing
// happens.
class QslEditView {
public:
    virtual ~QslEditView() = default;
    // The window hides while a command shows windows of its own.
    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    // The state changed: show it.
    virtual void refresh() = 0;
};

// The window of the Q-list editor that is open (the one of Program::QslEdit);
// null when none is open or it has no window.
QslEditView* openQslEditorView();

// Commands of the editor that other parts of the program carry out: a link of
// the program (frame/links.h). Unbound, the command says that it is not
// available.
struct QslEditLinks {
    // Writes the component data of all positions of the Q-list desc ("Ln=" and
    // the number) to a file.
    std::function<void(const QString& desc)> ExecQslBEList;
    // The class parameter list of the component that the identity part names
    // (column "Parameter" of its failure-rate row) with its class code Bac and
    // technology code Tec; empty when the component is not found. Unbound, the
    // popup shows no class markers.
    std::function<QString(const QString& identity, QString& bac, QString& tec)> classParameters;
    // The start-up work of every prediction (ProgInit); unbound it is run as is.
    std::function<bool()> progInit;
};

// The Q-list line editor frmQslEdit without its widgets: the rows of one Q-list
// file, the current row and the block selected with it, the line editor's text,
// the highlight, the caption, the menu states and the dispatcher MenuQSL with
// saving, the line blocks, the search and the parameter popup. The window
// (frmqsledit.cpp) shows this state and forwards the user's actions.
//
// Questions through ui():
//   kind "qsledit", key "frmQslEdit": the editor is shown (Run); Question::model
//     points to the model. The window answers applied = true once Tag is not "0".
//   kind "qslpopup", key "up": the parameter popup of a line; choices are the
//     item captions, PopupParams::tags their tags; the answer's text is the tag chosen,
//     a cancel dismisses the popup.
//   kind "input", key "1514": the search text (InputParams::proposal the last one).
class QslEditModel : public QslEditGrid {
public:
    // Rows moved by Shift+Up/Down and the page keys, and kept in view by scrolling.
    static constexpr int PageRows = 17;

    QslEditModel();
    ~QslEditModel() override;
    QslEditModel(const QslEditModel&) = delete;
    QslEditModel& operator=(const QslEditModel&) = delete;

    QslEditView* view = nullptr;

    // ---- window state
    QString Tag = QStringLiteral("0"); // not "0": the window ends
    QString QslLn;
    bool QslChanged = false;
    QString AktbtOrig;
    QString AktbtText; // the line editor's text
    bool AktbtLoaded = false;
    int HighlRow = 1;
    bool RowSettled = true;
    QString FindText;
    QString CaptPrefix;
    int VisRows = 17;
    bool ProgOk = true;
    QString caption;

    // ---- the grid: rows as shown (PiChar for the pi marker)
    QStringList rows;
    int row = 0;         // current row
    int RowSel = 0;      // other end of the selected block
    int topRow = 0;      // first visible row
    int colouredRow = 1; // the row that carries the highlight colours

    // ---- the line editor's selection (caret = selStart + selLength)
    int selStart = 0;
    int selLength = 0;

    // ---- menu states
    bool cutEnabled = false, copyEnabled = false, btPasteEnabled = true, pasteEnabled = true;

    // The design caption of control n (interface text 1601 + n) localised,
    // without its tool-tip suffix; the tool tip it names, if any.
    static QString captionText(int n);
    static QString captionToolTip(int n);
    static QString toolTipText(int k); // interface text 1770 + k

    // ---- opening
    // Run steps 2 to 11: reads the file of Ln; false when the window is not to be
    // shown (empty number, a deleted Q-list, no usable component file).
    bool Open(const QString& Ln);
    QString path() const;

    // ---- row change and highlight
    bool UpdateHighlCaptAktbt(bool MColorCapt, bool MAktbtNeu, bool MNotAktSel = false);
    void ResetHighl();
    void renewCaption();
    bool lineChanged() const { return AktbtOrig != AktbtText; }

    // ---- the line editor
    // The editor shows text, the caret at its end (SetRtbText).
    void setAktBT(const QString& text);
    // Every change of the line editor's text (typed, pasted or set).
    void AktBT_Change(const QString& text, int start, int length);
    void AktBT_Select(int start, int length);
    // Key down: true when the key is consumed. shift: bit 1 Shift, bit 2 Ctrl.
    bool AktBT_KeyDown(int keyCode, int shift);
    enum class Typed { Insert, Drop, Beep, Pi };
    // A character typed into the line editor: whether it goes in.
    Typed AktBT_KeyPress(int code);
    // After Shift+Insert or Ctrl+V: line breaks just before the caret go.
    void AktBT_KeyUp(int keyCode, int shift);

    // ---- the grid's events (row is the row under the mouse)
    void BT_Click(int mouseRow);
    void BT_DblClick(int mouseRow);
    void BT_RightClick(int mouseRow);
    void BT_RowColChange(int newRow, int newRowSel);
    void BT_Scroll(int newTop);

    // ---- commands
    void MenuQSL(const QString& what);
    // Checks and writes the Q-list; false after a stop at a check.
    bool SaveQsl();
    void GetQslHead(std::array<QString, 10>& head);
    void ParamPopup();

    // ---- QslEditGrid
    int rowCount() const override { return int(rows.size()); }
    int currentRow() const override { return row; }
    void setCurrentRow(int r) override { row = r; }
    QString currentText() const override { return rows.value(row); }
    void setTag(const QString& tag) override { Tag = tag; }
    void appendRow(const QString& text) override;

    // The text a row holds after it came from the line editor or the clipboard:
    // line breaks become blanks (one row stays one file line).
    static QString rowText(const QString& text);
    // Pasted text without the continuation and end marks, which no line holds.
    static QString withoutMarks(const QString& text);

private:
    bool takeClickedRow(int mouseRow);
    void storeLine(int r, const QString& text);
    bool settleChangedLine(const QString& what, bool group, bool& saveNow);
    void printCommand(const QString& desc);
    void groupCommand(const QString& what, const QString& desc, bool saveNow);
    void importCommand();
    void stressCommand(bool dialogue);
    void blockCommand(const QString& what);
    void pasteCommand(const QString& what);
    void textCommand(const QString& what);
    void search(bool next);
    bool stop(const QString& id, const QStringList& args, int r);
    void runHidden(const std::function<void()>& command);
    void changed();
    bool moveUp(int shift);
    bool moveDown(int shift);
};

namespace frmQslEdit {
// Shows the Q-list Ln (5 digits) of the current database for editing and returns
// when the window has been closed.
void Run(const QString& Ln);
} // namespace frmQslEdit
