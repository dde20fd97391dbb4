#pragma once
#include "frame/infolistring.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QMap>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// Everything that asks or tells the user goes through one Interaction:
//   QtInteraction        - real windows (tarn_widgets)
//   BatchInteraction     - no person: OK/No to messages (logged), cancel to choices
// and the tests bring one that answers from a script. Typed helpers (messageBox,
// ...) all funnel into ask(), so batch and scripted answers need only one entry
// point; the Qt side overrides or registers windows.

class DiaModel;
namespace frmEdit {
struct EditModel;
}
class PreviewState;
class QslNeuModel;
class QldbList;
class RateTableModel;
class BtEditModel;
class QslEditModel;
class BeBezModel;
namespace frmBEProgEin {
class State;
}
namespace ErrPtnr {
struct ErrorDialogContent;
}

// The kinds of question the core asks, each with its word ("msg", "screen",
// "edit", "dir", ...) that batch logs write. Each has a typed method in
// Interaction; windows register by the kind, and a test holds the list against
// the windows of the widget library. The enum, questionKinds() and the words
// are all made from this one list.
#define TARN_QUESTION_KINDS(X)                                                    \
    X(Message, "msg")             /* message box by message id */                 \
    X(Screen, "screen")           /* character-screen dialogue */                 \
    X(TextPage, "textpage")       /* text page of the language directory */        \
    X(Menu, "menu")               /* selection menu of the menu window */          \
    X(Selection, "select")        /* selection box of the menu window */           \
    X(MenuWindow, "menuwindow")   /* menu window changed (told, not asked) */      \
    X(Value, "edit")              /* value-input dialog */                         \
    X(OpenFile, "open")           /* file to open */                               \
    X(SaveFile, "save")           /* file to save */                               \
    X(Directory, "dir")           /* folder chooser */                             \
    X(DirectoryOrFile, "dirfile") /* the program's own folder/file chooser */      \
    X(Preview, "preview")         /* print preview */                              \
    X(Profile, "profile")         /* prediction profile name */                    \
    X(Error, "error")             /* error dialog of the error handler */          \
    X(NormChoice, "normwahl")     /* one of the offered methods */                 \
    X(Input, "input")             /* one line of text */                           \
    X(NewQsl, "qslneu")           /* head of a new Q-list */                       \
    X(QlDbList, "qldblist")       /* the Q-list browser */                         \
    X(RateTableEdit, "awsedit")   /* user rate list, editable */                   \
    X(RateTableView, "ykedit")    /* norm rate table, viewed */                    \
    X(ComponentEditor, "btedit")  /* component editor */                           \
    X(ComponentText, "btdesc")    /* component description page */                \
    X(ComponentPopup, "btpopup")  /* component editor's value list */              \
    X(QslEditor, "qsledit")       /* Q-list editor */                              \
    X(QslPopup, "qslpopup")       /* parameter popup of a Q-list line */           \
    X(DesignationMatch, "bebez")  /* batch designation matching of a workbook */

enum class QuestionKind {
#define TARN_QUESTION_KIND_ENUMERATOR(name, word) name,
    TARN_QUESTION_KINDS(TARN_QUESTION_KIND_ENUMERATOR)
#undef TARN_QUESTION_KIND_ENUMERATOR
};

// Every kind above, in that order.
const std::vector<QuestionKind>& questionKinds();
// The word of a kind: batch logs write it.
QString questionKindWord(QuestionKind kind);

// Button sets, icons and answers of the message box; a button set, an icon and a
// default button add up to the one code that callers pass.
namespace Mb {
inline constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
inline constexpr int Critical = 16, QuestionIcon = 32, Exclamation = 48, Information = 64;
inline constexpr int DefaultButton2 = 256, DefaultButton3 = 512;
inline constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
} // namespace Mb

// The headless model a window works on (dialogue screens, menus, editors), as
// the typed methods of Interaction take it; none for questions without one.
using QuestionModel = std::variant<std::monostate, DiaModel*, frmBEProgEin::State*, frmEdit::EditModel*,
                                   PreviewState*, ErrPtnr::ErrorDialogContent*, QslNeuModel*, QldbList*,
                                   RateTableModel*, BtEditModel*, QslEditModel*, BeBezModel*>;

// What a question carries besides its key, text and model, one struct per kind
// that needs more; the typed methods of Interaction take them.

// Message: the box's title, when it is not the program's name.
struct MessageParams {
    QString title;
};
// Screen and TextPage: the screen type of the dialogue ("DIN", "DIK", ...).
struct ScreenParams {
    QString screen;
};
// Value: the value as the field shows it before the edit.
struct ValueParams {
    QString value;
};
// OpenFile, SaveFile and Directory: the folder the chooser opens in, the name
// it proposes and the filter ("Text (*.txt)|*.txt|All (*.*)|*.*"). Open asks for
// an existing file, save confirms the overwriting of one: the kind says which.
struct FileParams {
    QString dir;
    QString file;
    QString filter;
};
// DirectoryOrFile: the program's own chooser, its start path and its mode.
struct DirectoryOrFileParams {
    QString path;
    bool showFiles = false;
    bool followDirectory = false;
    int mode = 0;
};
// Error: the run-time error, the answers allowed (bits) and the protocol written.
struct ErrorParams {
    int number = 0;
    int line = 0;
    int allowed = 0;
    QString protocol;
    QString protocolFile;
};
// NormChoice: the marks of the offered methods and the window's texts.
struct NormChoiceParams {
    QStringList marks;
    QString frame, ok, cancel, label;
};
// Input: the dialog's title and the text it proposes.
struct InputParams {
    QString title;
    QString proposal;
};
// Profile: the window's texts, whether a new name may be typed, and its length.
struct ProfileParams {
    QString caption, ok, cancel, hint;
    bool editable = false;
    int maxLength = 0;
};
// ComponentPopup and QslPopup: the tags of the rows offered (Question::choices
// are their captions), and for the component editor the parameter rows of a class.
struct PopupParams {
    QStringList tags;
    QStringList paramCaptions;
    QStringList paramTags;
};

using QuestionParams =
    std::variant<std::monostate, MessageParams, ScreenParams, ValueParams, FileParams, DirectoryOrFileParams,
                 ErrorParams, NormChoiceParams, InputParams, ProfileParams, PopupParams>;

struct Question {
    QuestionKind kind = QuestionKind::Message; // set by the typed methods of Interaction
    QString key;           // message id, "file#chapter", menu name, ...
    QString text;          // what a person would read; logged by batch runs
    int buttons = 0;       // message box buttons and icon
    QStringList choices;   // offered items, where there is a list
    QuestionParams params; // read it with paramsOf<P>()
    QuestionModel model;   // read it with modelOf<M>() or requireModel<M>()

    bool hasModel() const { return !std::holds_alternative<std::monostate>(model); }
};

// Parameters of another type than the window expects mean the question was
// built wrong; like a wrong model, this ends the program.
[[noreturn]] void wrongQuestionParams(const Question& q);

// The parameters of a question as type P; the defaults when it carries none.
template <class P>
const P& paramsOf(const Question& q)
{
    static const P none{};
    if (std::holds_alternative<std::monostate>(q.params))
        return none;
    if (const P* p = std::get_if<P>(&q.params))
        return *p;
    wrongQuestionParams(q);
}

// A question whose model is not of the type its window expects was built wrong;
// going on would work on the wrong object, so this ends the program, naming the
// kind and both types (expected: the index of the type in QuestionModel).
[[noreturn]] void wrongQuestionModel(const Question& q, std::size_t expected);

template <class M>
constexpr std::size_t questionModelIndex()
{
    return QuestionModel(static_cast<M*>(nullptr)).index();
}

// The model of a question as type M: null when the question carries none, a
// fatal error when it carries a model of another type.
template <class M>
M* modelOf(const Question& q)
{
    if (!q.hasModel())
        return nullptr;
    if (M* const* m = std::get_if<M*>(&q.model))
        return *m;
    wrongQuestionModel(q, questionModelIndex<M>());
}

// The same for a window that cannot work without its model: none is fatal too.
template <class M>
M& requireModel(const Question& q)
{
    M* m = modelOf<M>(q);
    if (!m)
        wrongQuestionModel(q, questionModelIndex<M>());
    return *m;
}

struct Answer {
    bool cancelled = false;
    int code = 0;        // button code or result number
    QString text;        // result word, path, chosen item
    QStringList values;  // field values
    QMap<QChar, int> toggles;   // a screen's toggles by their letter, set before its keys
    QString keys;               // keys pressed on a screen, in order
    std::optional<int> scroll;  // the line a text page was scrolled to
    std::optional<int> row;     // the row chosen in a menu or selection box
    std::optional<QChar> menuKey; // the key pressed in a menu
    bool toPdf = false;         // the preview was left by its PDF button
    bool applied = false; // the window already worked on Question::model

    static Answer cancel()
    {
        Answer a;
        a.cancelled = true;
        a.code = Mb::Cancel;
        a.text = QStringLiteral("ABBRUCH");
        return a;
    }
    static Answer button(int code)
    {
        Answer a;
        a.code = code;
        return a;
    }
    static Answer word(const QString& t)
    {
        Answer a;
        a.text = t;
        return a;
    }
};

// The message-list window of long runs (one per program: every run writes into it).
class InfoList {
public:
    virtual ~InfoList() = default;
    virtual void Add(const QString& text) = 0;
    virtual void Begin(const QString& titel = QString()) = 0;
    virtual void Clear(bool auchFixed = false) = 0;
    virtual void Finish() = 0;
    virtual void FixLines(int lines = -1) = 0; // -1: the lines written so far
    virtual void Update(const QString& text, bool zeilevor = false) = 0;
    // aufwas: a text (wait button with that caption), 0 ("&Ok", wait), 2 (cancel
    // button, no wait), -1 (hide, no wait), other integers (return 0 at once).
    // A wait returns the tag "1" of the button pressed; Canceled then stays true
    // until the next Begin.
    virtual QVariant Wait(const QVariant& aufwas, bool autoSchliessen = false) = 0;
    virtual bool Canceled() const = 0;
    // Lines whose fields stand in columns (a log of designations and results)
    // are shown in a font of fixed pitch until the next Begin.
    virtual void setFixedPitch(bool on) { (void)on; }
};

// The progress box with its optional cancel button.
class InfoBox {
public:
    virtual ~InfoBox() = default;
    virtual void Begin(const QString& text, const QString& titel = QStringLiteral("TARN"), bool cbreak = false) = 0;
    virtual void Counter(const QString& text) = 0;
    virtual void EnableBreak(bool yes = true) = 0;
    virtual void Finish() = 0;
    virtual bool breakRequested() const = 0; // set by the break button; the run polls it
    virtual void setBreak(bool value) = 0;
    virtual void setMsg1(const QString& text) = 0; // the second line, set by callers directly
    virtual void setMsg(const QString& text) { (void)text; } // the outcome line
    virtual void setBreakCaption(const QString& text) { (void)text; }
    // Waits until the break button was pressed (at once when it was before).
    virtual void waitForBreak() { setBreak(true); }
    // Called often by a long run while the box shows, so that a press of the
    // break button is seen; without a display there is nothing to handle.
    virtual void yield() {}
};

// Headless list and box: the same rows and flags as the windows, without a
// display. Nobody can press a button, so a waiting Wait returns as if pressed;
// a cancel can be scripted after a number of lines.
class HeadlessInfoList : public InfoList {
public:
    explicit HeadlessInfoList(int fitRow = 24) : ring(fitRow) {}
    void Add(const QString& text) override;
    void Begin(const QString& titel = QString()) override;
    void Clear(bool auchFixed = false) override;
    void Finish() override;
    void FixLines(int lines = -1) override;
    void Update(const QString& text, bool zeilevor = false) override;
    QVariant Wait(const QVariant& aufwas, bool autoSchliessen = false) override;
    bool Canceled() const override { return pressed != 0; }
    void setFixedPitch(bool on) override { fixedPitch = on; }

    InfoListRing ring;
    QStringList lines;          // every line written, in order (Add, and Update of the newest)
    // False where nobody reads lines afterwards: a long run writes a line per
    // position, and the record would grow with the list all run long.
    bool keepLines = true;
    QString title;
    bool visible = false;
    bool buttonVisible = false;
    bool fixedPitch = false;
    QString buttonCaption, buttonTag;
    int pressed = 0;
    int cancelAfterAdds = -1;   // >= 0: Canceled() turns true after that many Add calls
    std::function<void(const QString&)> echo; // batch runs print the lines
private:
    int mAdds = 0;
};

class HeadlessInfoBox : public InfoBox {
public:
    void Begin(const QString& text, const QString& titel = QStringLiteral("TARN"), bool cbreak = false) override;
    void Counter(const QString& text) override { counter = text; }
    void EnableBreak(bool) override { breakVisible = true; }
    void Finish() override;
    bool breakRequested() const override { return mBreak; }
    void setBreak(bool value) override { mBreak = value; }
    void setMsg1(const QString& text) override { msg1 = text; }
    void setMsg(const QString& text) override { message = text; }
    void setBreakCaption(const QString& text) override { breakCaption = text; }
    // Nobody can press the button: a wait returns as if it was pressed. What the
    // box showed while it waited stays in waited (message, msg1, counter).
    void waitForBreak() override
    {
        waited = {message, msg1, counter};
        mBreak = true;
    }
    // A script presses the break button from here, as a person would while the
    // run gives the windows their turn.
    void yield() override
    {
        if (onYield)
            onYield();
    }
    std::function<void()> onYield;

    QString message, msg1, title, counter, breakCaption;
    QStringList waited;
    bool visible = false, breakVisible = false;

private:
    bool mBreak = false;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // The one generic entry point.
    virtual Answer ask(const Question& q) = 0;
    // Tells the window of a kind that its model changed (loaded, updated,
    // unloaded); nothing is answered, and nothing happens without a display.
    virtual void notify(const Question& q) { (void)q; }

    // One method per kind of question. Each default hands the question to ask()
    // with its kind, parameters and model set, so that batch runs, test scripts
    // and the windows registered by kind answer it unchanged; the caller fills
    // in key, text and choices.
    virtual Answer askScreen(Question q, DiaModel& model, ScreenParams params);
    virtual Answer askTextPage(Question q, DiaModel& model, ScreenParams params);
    virtual Answer askMenu(Question q, frmBEProgEin::State& model);
    virtual Answer askSelection(Question q, frmBEProgEin::State& model);
    virtual void menuWindowChanged(Question q, frmBEProgEin::State& model);
    virtual Answer askValue(Question q, frmEdit::EditModel& model, ValueParams params);
    virtual Answer askOpenFile(Question q, FileParams params);
    virtual Answer askSaveFile(Question q, FileParams params);
    virtual Answer askDirectory(Question q, FileParams params);
    virtual Answer askDirectoryOrFile(Question q, DirectoryOrFileParams params);
    virtual Answer askPreview(Question q, PreviewState& model);
    virtual Answer askProfile(Question q, ProfileParams params);
    virtual Answer askError(Question q, ErrPtnr::ErrorDialogContent& model, ErrorParams params);
    virtual Answer askNormChoice(Question q, NormChoiceParams params);
    virtual Answer askInput(Question q, InputParams params);
    virtual Answer askNewQsl(Question q, QslNeuModel& model);
    virtual Answer askQlDbList(Question q, QldbList& model);
    virtual Answer askRateTable(Question q, RateTableModel& model, bool editable);
    virtual Answer askComponentEditor(Question q, BtEditModel& model);
    virtual void componentEditorChanged(Question q, BtEditModel& model);
    virtual Answer askComponentText(Question q, BtEditModel& model);
    virtual Answer askComponentPopup(Question q, BtEditModel& model, PopupParams params);
    virtual Answer askQslEditor(Question q, QslEditModel& model);
    virtual Answer askQslPopup(Question q, QslEditModel& model, PopupParams params);
    virtual Answer askDesignationMatch(Question q, BeBezModel& model);

    // Message box: returns the button code (Mb::OK ...).
    virtual int messageBox(const QString& id, const QString& text, int buttons, const QString& title = QString());
    virtual void beep() {}
    // False where no person can answer (batch runs).
    virtual bool isInteractive() const { return true; }

    virtual InfoList& infoList() { return mInfoList; }
    virtual InfoBox& infoBox() { return mInfoBox; }

protected:
    HeadlessInfoList mInfoList;
    HeadlessInfoBox mInfoBox;
};

// Answers without a person and never blocks. Every message is appended to the
// log file (the batch run's ".err" file, a native path) with its id and text.
class BatchInteraction : public Interaction {
public:
    explicit BatchInteraction(QString logFile = QString());
    Answer ask(const Question& q) override;
    bool isInteractive() const override { return false; }
    void setLogFile(const QString& path) { mLogFile = path; }
    const QString& logFile() const { return mLogFile; }
    void log(const QString& line);
    QStringList logged; // also kept in memory

private:
    QString mLogFile;
};
