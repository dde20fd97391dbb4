#pragma once
#include "frame/infolistring.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// Everything that asks or tells the user goes through one Interaction:
//   QtInteraction        - real windows (tarn_widgets)
//   BatchInteraction     - no person: OK/No to messages (logged), cancel to choices
//   ScriptedInteraction  - tests: answers from a script, fails on the unexpected
// Typed helpers (messageBox, ...) all funnel into ask(), so batch and scripted
// answers need only one entry point; the Qt side overrides or registers windows.

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

// The kinds of question the core asks. Each has a typed method in Interaction;
// windows register by the kind, and the list is held against the windows of the
// widget library by a test. Keep the order: it is the order of questionKinds().
enum class QuestionKind {
    Message,          // message box by message id
    Screen,           // character-screen dialogue
    TextPage,         // text page of the language directory
    Menu,             // selection menu of the menu window
    Selection,        // selection box of the menu window
    MenuWindow,       // menu window changed (told, not asked)
    Value,            // value-input dialog
    OpenFile,         // file to open
    SaveFile,         // file to save
    Directory,        // folder chooser
    DirectoryOrFile,  // the program's own folder/file chooser
    Preview,          // print preview
    Profile,          // prediction profile name
    Error,            // error dialog of the error handler
    NormChoice,       // one of the offered methods
    Input,            // one line of text
    NewQsl,           // head of a new Q-list
    QlDbList,         // the Q-list browser
    RateTableEdit,    // user rate list, editable
    RateTableView,    // norm rate table, viewed
    ComponentEditor,  // component editor
    ComponentText,    // component description page
    ComponentPopup,   // component editor's value list
    QslEditor,        // Q-list editor
    QslPopup,         // parameter popup of a Q-list line
    DesignationMatch, // batch designation matching of a workbook
};

// Every kind above, in that order.
const std::vector<QuestionKind>& questionKinds();
// The word of a kind ("msg", "screen", "edit", "dir", ...): batch logs write it,
// test scripts may name a kind by it.
QString questionKindWord(QuestionKind kind);
// The kind a word names; empty for a word that names none.
std::optional<QuestionKind> questionKindOfWord(const QString& word);

// Button sets, icons and answers of the message box, numbered as the design uses them.
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

struct Question {
    QuestionKind kind = QuestionKind::Message; // set by the typed methods of Interaction
    QString key;           // message id, "file#chapter", menu name, ...
    QString text;          // what a person would read; logged by batch runs
    int buttons = 0;       // message box buttons and icon
    QStringList choices;   // offered items, where there is a list
    QVariantMap data;      // anything else the window needs
    QuestionModel model;   // read it with modelOf<M>() or requireModel<M>()

    bool hasModel() const { return !std::holds_alternative<std::monostate>(model); }
};

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
    QVariantMap data;
    bool applied = false; // the window already worked on Question::model

    static Answer cancel() { return Answer{true, Mb::Cancel, QStringLiteral("ABBRUCH"), {}, {}, false}; }
    static Answer button(int code) { return Answer{false, code, {}, {}, {}, false}; }
    static Answer word(const QString& t) { return Answer{false, 0, t, {}, {}, false}; }
};

// The message-list window of long runs (one per program, like the design's form).
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
    virtual bool breakRequested() const = 0; // the design's public flag "break"
    virtual void setBreak(bool value) = 0;
    virtual void setMsg1(const QString& text) = 0; // the second line, set by callers directly
    virtual void setMsg(const QString& text) { (void)text; } // the outcome line
    virtual void setBreakCaption(const QString& text) { (void)text; }
    // Waits until the break button was pressed (at once when it was before).
    virtual void waitForBreak() { setBreak(true); }
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
    // with its kind and model set, so that batch runs, test scripts and the
    // windows registered by kind answer it unchanged; the caller fills in key,
    // text, choices and data.
    virtual Answer askScreen(Question q, DiaModel& model);
    virtual Answer askTextPage(Question q, DiaModel& model);
    virtual Answer askMenu(Question q, frmBEProgEin::State& model);
    virtual Answer askSelection(Question q, frmBEProgEin::State& model);
    virtual void menuWindowChanged(Question q, frmBEProgEin::State& model);
    virtual Answer askValue(Question q, frmEdit::EditModel& model);
    virtual Answer askOpenFile(Question q);
    virtual Answer askSaveFile(Question q);
    virtual Answer askDirectory(Question q);
    virtual Answer askDirectoryOrFile(Question q);
    virtual Answer askPreview(Question q, PreviewState& model);
    virtual Answer askProfile(Question q);
    virtual Answer askError(Question q, ErrPtnr::ErrorDialogContent& model);
    virtual Answer askNormChoice(Question q);
    virtual Answer askInput(Question q);
    virtual Answer askNewQsl(Question q, QslNeuModel& model);
    virtual Answer askQlDbList(Question q, QldbList& model);
    virtual Answer askRateTable(Question q, RateTableModel& model, bool editable);
    virtual Answer askComponentEditor(Question q, BtEditModel& model);
    virtual void componentEditorChanged(Question q, BtEditModel& model);
    virtual Answer askComponentText(Question q, BtEditModel& model);
    virtual Answer askComponentPopup(Question q, BtEditModel& model);
    virtual Answer askQslEditor(Question q, QslEditModel& model);
    virtual Answer askQslPopup(Question q, QslEditModel& model);
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

// Answers from a script keyed by kind and key; anything unexpected is reported
// through onUnexpected (tests make it a failure) and answered with cancel.
class ScriptedInteraction : public Interaction {
public:
    using Responder = std::function<Answer(const Question&)>;
    // One answer for the next matching question (first match in script order).
    void expect(QuestionKind kind, const QString& key, Answer a);
    // A computed answer (may work on Question::model), used once.
    void expect(QuestionKind kind, const QString& key, Responder r);
    // An answer for every matching question, after the one-shot expectations.
    void always(QuestionKind kind, const QString& key, Answer a);
    // The same with the kind named by its word ("msg", "screen", ...); a word
    // that names no kind is a fatal fault of the script.
    void expect(const QString& word, const QString& key, Answer a) { expect(kindOf(word), key, std::move(a)); }
    void expect(const QString& word, const QString& key, Responder r) { expect(kindOf(word), key, std::move(r)); }
    void always(const QString& word, const QString& key, Answer a) { always(kindOf(word), key, std::move(a)); }

    Answer ask(const Question& q) override;
    void beep() override { ++beeps; }

    bool allUsed() const { return mScript.empty(); }
    QStringList unused() const;

    QList<Question> asked;
    int beeps = 0;
    std::function<void(const QString&)> onUnexpected;

    HeadlessInfoList& headlessList() { return mInfoList; }
    HeadlessInfoBox& headlessBox() { return mInfoBox; }

private:
    static QuestionKind kindOf(const QString& word);
    struct Entry {
        QuestionKind kind;
        QString key;
        Responder responder;
        bool standing = false;
    };
    std::vector<Entry> mScript;
    std::vector<Entry> mStanding;
};
