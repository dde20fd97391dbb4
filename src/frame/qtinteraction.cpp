#include "frame/qtinteraction.h"
#include "frame/frmerrptnr.h"
#include "frame/frminfobox.h"
#include "frame/frminfolist.h"
#include "frame/paths.h"
#include "frame/restext.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>

namespace {

// The window a message belongs to: the dialog or window the user works in,
// so that the box stands over it and the keyboard comes back to it.
QWidget* windowInUse(QWidget* fallback)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return fallback;
}

// Puts the keyboard back where it was before a box took it.
class FocusKeeper {
public:
    FocusKeeper() : mWidget(QApplication::focusWidget()), mWindow(mWidget ? mWidget->window() : nullptr) {}
    ~FocusKeeper()
    {
        if (mWindow && mWindow->isVisible())
            mWindow->activateWindow();
        if (mWidget && mWidget->isVisible() && mWidget->isEnabled())
            mWidget->setFocus(Qt::OtherFocusReason);
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> mWidget;
    QPointer<QWidget> mWindow;
};

} // namespace

int titleBarWidth(const QWidget* window, int maxWidth)
{
    // The window manager draws the title in a bold font of its own, often
    // larger than the window's: a third more than the window's bold font.
    QFont bold = window->font();
    bold.setBold(true);
    const int wanted = QFontMetrics(bold).horizontalAdvance(window->windowTitle()) * 4 / 3 + 120;
    int limit = maxWidth;
    if (const QScreen* s = window->screen())
        limit = std::min(limit, s->availableGeometry().width() - 40);
    return std::min(wanted, limit);
}

bool installQtTranslations(int langNr)
{
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed.data();
    }
    // The interface language decides, not the system locale: a German
    // interface under C.UTF-8 still gets German standard buttons.
    const QLocale locale = languageLocale(langNr);
    if (langNr == 2)
        return true; // Qt's own texts are English
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    installed = t;
    return true;
}

QtInteraction::QtInteraction()
{
    registerHandler(QuestionKind::Error, [this](const Question& q) { return frmErrPtnr::ask(q, mOwner); });
    // A directory (the folder of another component file to merge, "be.mixdat"):
    // the text is the dialog's title, the parameters' folder the one it opens in.
    registerHandler(QuestionKind::Directory, [this](const Question& q) {
        FocusKeeper keep;
        const QString start = paramsOf<FileParams>(q).dir;
        const QString dir = QFileDialog::getExistingDirectory(windowInUse(mOwner), q.text,
                                                              start.isEmpty() ? QString() : nativePath(start));
        return dir.isEmpty() ? Answer::cancel() : Answer::word(QDir::toNativeSeparators(dir));
    });
}

QtInteraction::~QtInteraction()
{
    // Windows without an owner are ours to delete; the others go with their owner.
    if (mList && !mList->parent())
        delete mList.data();
    if (mBox && !mBox->parent())
        delete mBox.data();
}

InfoList& QtInteraction::infoList()
{
    if (!mList)
        mList = new frmInfoList(mOwner);
    return *mList;
}

InfoBox& QtInteraction::infoBox()
{
    if (!mBox)
        mBox = new frmInfoBox(mOwner);
    return *mBox;
}

const QtInteraction::Handler* QtInteraction::handlerOf(QuestionKind kind) const
{
    const auto it = mHandlers.find(kind);
    return it != mHandlers.end() ? &it->second : nullptr;
}

namespace {
// Dialogs that stand over the window the user works in and end with an answer:
// when one closes, the keyboard goes back to that window (the Q-list editor
// after its find, copy, export and list commands), not to the main window that
// owns every dialog. Windows that stay open or come back for the next question
// (the selection menus, the editors) are not among them.
bool returnsFocus(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Screen:
    case QuestionKind::TextPage:
    case QuestionKind::Value:
    case QuestionKind::OpenFile:
    case QuestionKind::SaveFile:
    case QuestionKind::Directory:
    case QuestionKind::DirectoryOrFile:
    case QuestionKind::Preview:
    case QuestionKind::Profile:
    case QuestionKind::Error:
    case QuestionKind::NormChoice:
    case QuestionKind::Input:
    case QuestionKind::NewQsl:
    case QuestionKind::DesignationMatch:
        return true;
    default:
        return false;
    }
}
} // namespace

Answer QtInteraction::ask(const Question& q)
{
    if (const Handler* handler = handlerOf(q.kind)) {
        if (!returnsFocus(q.kind))
            return (*handler)(q);
        FocusKeeper keep;
        return (*handler)(q);
    }
    if (q.kind == QuestionKind::Message)
        return Answer::button(messageBox(q.key, q.text, q.buttons));
    // A question without a window of its own: show it as a message, then cancel.
    FocusKeeper keep;
    QMessageBox::information(windowInUse(mOwner), QStringLiteral("TARN"), q.text.isEmpty() ? questionKindWord(q.kind) + u' ' + q.key : q.text);
    return Answer::cancel();
}

void QtInteraction::notify(const Question& q)
{
    if (const Handler* handler = handlerOf(q.kind))
        (*handler)(q);
}

bool QtInteraction::answers(QuestionKind kind) const
{
    return kind == QuestionKind::Message || handlerOf(kind);
}

void QtInteraction::registerHandler(QuestionKind kind, Handler handler)
{
    mHandlers.insert_or_assign(kind, std::move(handler));
}

int QtInteraction::messageBox(const QString& id, const QString& text, int buttons, const QString& title)
{
    if (const Handler* handler = handlerOf(QuestionKind::Message)) {
        Question q;
        q.kind = QuestionKind::Message;
        q.key = id;
        q.text = text;
        q.buttons = buttons;
        return (*handler)(q).code;
    }
    FocusKeeper keep;
    QMessageBox box(windowInUse(mOwner));
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("TARN") : title);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shown);
    switch (buttons & 0x70) {
    case Mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case Mb::QuestionIcon: box.setIcon(QMessageBox::Question); break;
    case Mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Mb::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct B { QMessageBox::StandardButton sb; int code; };
    std::vector<B> set;
    switch (buttons & 7) {
    case Mb::OKCancel: set = {{QMessageBox::Ok, Mb::OK}, {QMessageBox::Cancel, Mb::Cancel}}; break;
    case Mb::AbortRetryIgnore:
        set = {{QMessageBox::Abort, Mb::Abort}, {QMessageBox::Retry, Mb::Retry}, {QMessageBox::Ignore, Mb::Ignore}};
        break;
    case Mb::YesNoCancel:
        set = {{QMessageBox::Yes, Mb::Yes}, {QMessageBox::No, Mb::No}, {QMessageBox::Cancel, Mb::Cancel}};
        break;
    case Mb::YesNo: set = {{QMessageBox::Yes, Mb::Yes}, {QMessageBox::No, Mb::No}}; break;
    case Mb::RetryCancel: set = {{QMessageBox::Retry, Mb::Retry}, {QMessageBox::Cancel, Mb::Cancel}}; break;
    default: set = {{QMessageBox::Ok, Mb::OK}}; break;
    }
    QMessageBox::StandardButtons all;
    for (const B& b : set)
        all |= b.sb;
    box.setStandardButtons(all);
    const int def = (buttons & Mb::DefaultButton3) ? 2 : (buttons & Mb::DefaultButton2) ? 1 : 0;
    if (def < int(set.size()))
        box.setDefaultButton(set[def].sb);
    const auto r = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const B& b : set)
        if (b.sb == r)
            return b.code;
    return (buttons & 7) == Mb::OKOnly ? Mb::OK : Mb::Cancel;
}

void QtInteraction::beep()
{
    QApplication::beep();
}
