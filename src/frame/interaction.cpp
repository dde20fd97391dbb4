#include "frame/interaction.h"
#include "frame/codepage.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDateTime>
#include <QFile>

const std::vector<QuestionKind>& questionKinds()
{
    static const std::vector<QuestionKind> all = {
#define TARN_QUESTION_KIND_LISTED(name, word) QuestionKind::name,
        TARN_QUESTION_KINDS(TARN_QUESTION_KIND_LISTED)
#undef TARN_QUESTION_KIND_LISTED
    };
    return all;
}

QString questionKindWord(QuestionKind kind)
{
    static const char* const words[] = {
#define TARN_QUESTION_KIND_WORD(name, word) word,
        TARN_QUESTION_KINDS(TARN_QUESTION_KIND_WORD)
#undef TARN_QUESTION_KIND_WORD
    };
    const auto i = std::size_t(kind);
    return i < std::size(words) ? QString::fromLatin1(words[i]) : QString();
}

namespace {
// The model types of QuestionModel, in its order, for the fatal message.
const char* questionModelName(std::size_t index)
{
    static const char* const names[] = {"no model",       "DiaModel",          "frmBEProgEin::State",
                                        "frmEdit::EditModel", "PreviewState", "ErrPtnr::ErrorDialogContent",
                                        "QslNeuModel",    "QldbList",          "RateTableModel",
                                        "BtEditModel",    "QslEditModel",      "BeBezModel"};
    static_assert(std::size(names) == std::variant_size_v<QuestionModel>);
    return index < std::size(names) ? names[index] : "?";
}

template <class P>
Question withParams(Question q, QuestionKind kind, P params)
{
    q.kind = kind;
    q.params = std::move(params);
    return q;
}

template <class M>
Question withKind(Question q, QuestionKind kind, M& model)
{
    q.kind = kind;
    q.model = &model;
    return q;
}

template <class M, class P>
Question withKind(Question q, QuestionKind kind, M& model, P params)
{
    q.kind = kind;
    q.model = &model;
    q.params = std::move(params);
    return q;
}
} // namespace

void wrongQuestionModel(const Question& q, std::size_t expected)
{
    qFatal("TARN: question \"%s %s\" carries %s where its window expects %s",
           qPrintable(questionKindWord(q.kind)), qPrintable(q.key), questionModelName(q.model.index()),
           questionModelName(expected));
}

void wrongQuestionParams(const Question& q)
{
    qFatal("TARN: question \"%s %s\" carries parameters of another kind (index %d)",
           qPrintable(questionKindWord(q.kind)), qPrintable(q.key), int(q.params.index()));
}

Answer Interaction::askScreen(Question q, DiaModel& model, ScreenParams params)
{
    return ask(withKind(std::move(q), QuestionKind::Screen, model, std::move(params)));
}

Answer Interaction::askTextPage(Question q, DiaModel& model, ScreenParams params)
{
    return ask(withKind(std::move(q), QuestionKind::TextPage, model, std::move(params)));
}

Answer Interaction::askMenu(Question q, frmBEProgEin::State& model)
{
    return ask(withKind(std::move(q), QuestionKind::Menu, model));
}

Answer Interaction::askSelection(Question q, frmBEProgEin::State& model)
{
    return ask(withKind(std::move(q), QuestionKind::Selection, model));
}

void Interaction::menuWindowChanged(Question q, frmBEProgEin::State& model)
{
    notify(withKind(std::move(q), QuestionKind::MenuWindow, model));
}

Answer Interaction::askValue(Question q, frmEdit::EditModel& model, ValueParams params)
{
    return ask(withKind(std::move(q), QuestionKind::Value, model, std::move(params)));
}

Answer Interaction::askOpenFile(Question q, FileParams params)
{
    return ask(withParams(std::move(q), QuestionKind::OpenFile, std::move(params)));
}

Answer Interaction::askSaveFile(Question q, FileParams params)
{
    return ask(withParams(std::move(q), QuestionKind::SaveFile, std::move(params)));
}

Answer Interaction::askDirectory(Question q, FileParams params)
{
    return ask(withParams(std::move(q), QuestionKind::Directory, std::move(params)));
}

Answer Interaction::askDirectoryOrFile(Question q, DirectoryOrFileParams params)
{
    return ask(withParams(std::move(q), QuestionKind::DirectoryOrFile, std::move(params)));
}

Answer Interaction::askPreview(Question q, PreviewState& model)
{
    return ask(withKind(std::move(q), QuestionKind::Preview, model));
}

Answer Interaction::askProfile(Question q, ProfileParams params)
{
    return ask(withParams(std::move(q), QuestionKind::Profile, std::move(params)));
}

Answer Interaction::askError(Question q, ErrPtnr::ErrorDialogContent& model, ErrorParams params)
{
    return ask(withKind(std::move(q), QuestionKind::Error, model, std::move(params)));
}

Answer Interaction::askNormChoice(Question q, NormChoiceParams params)
{
    return ask(withParams(std::move(q), QuestionKind::NormChoice, std::move(params)));
}

Answer Interaction::askInput(Question q, InputParams params)
{
    return ask(withParams(std::move(q), QuestionKind::Input, std::move(params)));
}

Answer Interaction::askNewQsl(Question q, QslNeuModel& model)
{
    return ask(withKind(std::move(q), QuestionKind::NewQsl, model));
}

Answer Interaction::askQlDbList(Question q, QldbList& model)
{
    return ask(withKind(std::move(q), QuestionKind::QlDbList, model));
}

Answer Interaction::askRateTable(Question q, RateTableModel& model, bool editable)
{
    return ask(withKind(std::move(q), editable ? QuestionKind::RateTableEdit : QuestionKind::RateTableView, model));
}

Answer Interaction::askComponentEditor(Question q, BtEditModel& model)
{
    return ask(withKind(std::move(q), QuestionKind::ComponentEditor, model));
}

void Interaction::componentEditorChanged(Question q, BtEditModel& model)
{
    notify(withKind(std::move(q), QuestionKind::ComponentEditor, model));
}

Answer Interaction::askComponentText(Question q, BtEditModel& model)
{
    return ask(withKind(std::move(q), QuestionKind::ComponentText, model));
}

Answer Interaction::askComponentPopup(Question q, BtEditModel& model, PopupParams params)
{
    return ask(withKind(std::move(q), QuestionKind::ComponentPopup, model, std::move(params)));
}

Answer Interaction::askQslEditor(Question q, QslEditModel& model)
{
    return ask(withKind(std::move(q), QuestionKind::QslEditor, model));
}

Answer Interaction::askQslPopup(Question q, QslEditModel& model, PopupParams params)
{
    return ask(withKind(std::move(q), QuestionKind::QslPopup, model, std::move(params)));
}

Answer Interaction::askDesignationMatch(Question q, BeBezModel& model)
{
    return ask(withKind(std::move(q), QuestionKind::DesignationMatch, model));
}

int Interaction::messageBox(const QString& id, const QString& text, int buttons, const QString& title)
{
    Question q;
    q.kind = QuestionKind::Message;
    q.key = id;
    q.text = text;
    q.buttons = buttons;
    if (!title.isEmpty())
        q.params = MessageParams{title};
    const Answer a = ask(q);
    if (a.code != 0)
        return a.code;
    const int set = buttons & 7;
    if (set == Mb::OKOnly)
        return Mb::OK;
    return a.cancelled ? ((set == Mb::YesNo) ? Mb::No : Mb::Cancel) : Mb::OK;
}

// ---- headless list and box

void HeadlessInfoList::Add(const QString& text)
{
    ring.add(text);
    if (keepLines)
        lines << text;
    if (echo)
        echo(text);
    ++mAdds;
    if (cancelAfterAdds >= 0 && mAdds >= cancelAfterAdds)
        pressed = 1;
}

void HeadlessInfoList::Begin(const QString& titel)
{
    title = titel.isEmpty() ? ExpandText(QStringLiteral("TARN @V")) : titel;
    visible = true;
    pressed = 0;
    mAdds = 0;
    fixedPitch = false;
    ring.clear(true);
}

void HeadlessInfoList::Clear(bool auchFixed)
{
    ring.clear(auchFixed);
}

void HeadlessInfoList::Finish()
{
    // Unloading forgets rows and flags; the next use starts as freshly loaded.
    visible = false;
    buttonVisible = false;
    pressed = 0;
    ring.reset();
}

void HeadlessInfoList::FixLines(int count)
{
    ring.fixLines(count);
}

void HeadlessInfoList::Update(const QString& text, bool zeilevor)
{
    if (ring.update(text)) {
        if (!lines.isEmpty())
            lines.back() = text;
        if (echo)
            echo(text);
    }
    if (zeilevor)
        Add(QString());
}

QVariant HeadlessInfoList::Wait(const QVariant& aufwas, bool autoSchliessen)
{
    const WaitKind kind = waitKindOf(aufwas);
    switch (kind) {
    case WaitKind::Hide:
        buttonVisible = false;
        return QVariant();
    case WaitKind::OtherInt:
        buttonTag = QStringLiteral("0");
        return 0;
    case WaitKind::Other: return 0;
    default: break;
    }
    ring.settle();
    buttonCaption = kind == WaitKind::Text ? aufwas.toString()
                    : kind == WaitKind::Ok ? QStringLiteral("&Ok")
                                           : ResStr(1501, 0, prog().LangNr);
    buttonTag = kind == WaitKind::Cancel ? QStringLiteral("2") : QStringLiteral("1");
    buttonVisible = true;
    if (kind == WaitKind::Cancel)
        return QVariant();
    // No person to press the button: the wait ends as if it was pressed.
    pressed = 1;
    buttonVisible = false;
    if (autoSchliessen)
        Finish();
    return QStringLiteral("1");
}

void HeadlessInfoBox::Begin(const QString& text, const QString& titel, bool cbreak)
{
    message = text;
    title = titel;
    counter.clear();
    breakVisible = cbreak;
    mBreak = false;
    visible = true;
}

void HeadlessInfoBox::Finish()
{
    visible = false;
    breakVisible = false;
    msg1.clear();
}

// ---- batch

BatchInteraction::BatchInteraction(QString logFile) : mLogFile(std::move(logFile))
{
    // A batch job has no window to show the list's lines again; what it must
    // keep goes to its log.
    mInfoList.keepLines = false;
}

void BatchInteraction::log(const QString& line)
{
    logged << line;
    if (mLogFile.isEmpty())
        return;
    // A native path (made from the program's own location), taken as it
    // stands: a backslash in a folder name is no separator here.
    QFile f(mLogFile);
    if (f.open(QIODevice::Append)) {
        f.write(toAnsi(line));
        f.write("\r\n");
    }
}

Answer BatchInteraction::ask(const Question& q)
{
    QString text = q.text;
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    if (q.kind == QuestionKind::Message) {
        log(QStringLiteral("Meldung %1: %2").arg(q.key, text));
        switch (q.buttons & 7) {
        case Mb::OKOnly: return Answer::button(Mb::OK);
        case Mb::YesNo:
        case Mb::YesNoCancel: return Answer::button(Mb::No);
        case Mb::AbortRetryIgnore: return Answer::button(Mb::Abort);
        default: return Answer::cancel();
        }
    }
    log(QStringLiteral("Abbruch (%1 %2): %3").arg(questionKindWord(q.kind), q.key, text));
    return Answer::cancel();
}
