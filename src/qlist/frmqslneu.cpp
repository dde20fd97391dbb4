#include "qlist/frmqslneu.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmQslNeuWindow::frmQslNeuWindow(QslNeuModel& model, QWidget* owner) : QDialog(owner), mModel(model)
{
    setObjectName(QStringLiteral("frmQslNeu"));
    setWindowTitle(mModel.title);
    setModal(false);
    const QFont courier(QStringLiteral("Courier New"));
    auto* top = new QVBoxLayout(this);
    const int frameOf[QslNeuModel::FieldCount] = {0, 0, 0, 1, 1, 1, 1, 0};
    std::array<QGridLayout*, 2> grids{};
    for (int f = 0; f < 2; ++f) {
        mFrame[f] = new QGroupBox(mModel.frames[f], this);
        grids[f] = new QGridLayout(mFrame[f]);
        top->addWidget(mFrame[f]);
    }
    std::array<int, 2> rows{};
    for (int i : QslNeuModel::TabOrder) {
        QGroupBox* frame = mFrame[frameOf[i]];
        mLabel[i] = new QLabel(mModel.labels[i], frame);
        QWidget* edit = nullptr;
        if (i == QslNeuModel::Be) {
            mBe = new QPlainTextEdit(frame);
            mBe->setFont(courier);
            mBe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            mBe->setTabChangesFocus(true);
            mBe->setFixedHeight(70);
            edit = mBe;
        } else {
            mEdit[i] = new QLineEdit(frame);
            mEdit[i]->setFont(courier);
            if (QslNeuModel::MaxLength[i] > 0)
                mEdit[i]->setMaxLength(QslNeuModel::MaxLength[i]);
            edit = mEdit[i];
        }
        edit->setObjectName(QStringLiteral("EQSL%1").arg(i));
        edit->installEventFilter(this);
        mLabel[i]->setBuddy(edit);
        auto* key = new QLabel(QString::fromLatin1(QslNeuModel::Keys[i]), frame);
        key->setObjectName(QStringLiteral("EQSLKey%1").arg(i));
        key->hide(); // carries the field's key, never shown
        QGridLayout* g = grids[frameOf[i]];
        g->addWidget(mLabel[i], rows[frameOf[i]], 0);
        g->addWidget(edit, rows[frameOf[i]], 1);
        ++rows[frameOf[i]];
    }
    auto* buttons = new QHBoxLayout;
    mCmd = new QPushButton(mModel.commandCaption, this);
    mCmd->setObjectName(QStringLiteral("CmdQSL"));
    mExit = new QPushButton(mModel.exitCaption, this);
    mExit->setObjectName(QStringLiteral("CmdExit"));
    buttons->addStretch();
    buttons->addWidget(mCmd);
    buttons->addWidget(mExit);
    top->addLayout(buttons);

    const bool lnVisible = mModel.lnVisible();
    mLabel[QslNeuModel::Ln]->setVisible(lnVisible);
    mEdit[QslNeuModel::Ln]->setVisible(lnVisible);
    mFrame[1]->setVisible(mModel.extrasVisible());
    // Tab order of the fields, as the model lists it.
    QWidget* previous = nullptr;
    for (int i : QslNeuModel::TabOrder) {
        QWidget* w = i == QslNeuModel::Be ? static_cast<QWidget*>(mBe) : mEdit[i];
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    fromModel();
    connect(mCmd, &QPushButton::clicked, this, [this] { command(); });
    connect(mExit, &QPushButton::clicked, this, [this] {
        mModel.CmdExit_Click();
        hide();
        endIfDone();
    });
    adjustSize();
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->geometry().center());
        move(r.topLeft());
    }
}

int frmQslNeuWindow::indexOf(QObject* o) const
{
    for (int i = 0; i < QslNeuModel::FieldCount; ++i)
        if (o == mEdit[i] || (i == QslNeuModel::Be && o == mBe))
            return i;
    return -1;
}

QString frmQslNeuWindow::textOf(int index) const
{
    return index == QslNeuModel::Be ? mBe->toPlainText() : mEdit[index]->text();
}

void frmQslNeuWindow::setTextOf(int index, const QString& text)
{
    if (index == QslNeuModel::Be)
        mBe->setPlainText(text);
    else
        mEdit[index]->setText(text);
}

void frmQslNeuWindow::toModel()
{
    for (int i = 0; i < QslNeuModel::FieldCount; ++i)
        mModel.fields[i] = unicodeTextToOem(textOf(i));
}

void frmQslNeuWindow::fromModel()
{
    for (int i = 0; i < QslNeuModel::FieldCount; ++i)
        setTextOf(i, oemTextToUnicode(mModel.fields[i]));
}

void frmQslNeuWindow::command()
{
    QWidget* focus = QApplication::focusWidget();
    toModel();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hide();
    const int field = mModel.CmdQSL_Click();
    QApplication::restoreOverrideCursor();
    if (mModel.tag != QLatin1String("0")) {
        endIfDone();
        return;
    }
    fromModel();
    show();
    raise();
    activateWindow();
    if (field >= 0)
        focus = field == QslNeuModel::Be ? static_cast<QWidget*>(mBe) : mEdit[field];
    if (focus)
        focus->setFocus();
}

void frmQslNeuWindow::run()
{
    if (mModel.tag != QLatin1String("0"))
        return;
    show();
    // Shown modeless: the event loop runs until an action ends the dialog.
    mWait.run();
    hide();
}

void frmQslNeuWindow::endIfDone()
{
    if (mModel.tag != QLatin1String("0"))
        mWait.end();
}

void frmQslNeuWindow::closeEvent(QCloseEvent* event)
{
    toModel();
    if (!mModel.Form_Unload())
        event->ignore();
    else
        QDialog::closeEvent(event);
    endIfDone();
}

void frmQslNeuWindow::reject()
{
    // Escape and the close box end the dialog like the close button.
    mModel.CmdExit_Click();
    hide();
    endIfDone();
}

bool frmQslNeuWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int i = indexOf(watched);
    if (i >= 0) {
        if (event->type() == QEvent::FocusIn) {
            if (i == QslNeuModel::Be)
                mBe->moveCursor(QTextCursor::End);
            else
                QTimer::singleShot(0, mEdit[i], [e = mEdit[i]] { e->end(false); });
        } else if (event->type() == QEvent::FocusOut) {
            mModel.fields[i] = unicodeTextToOem(textOf(i));
            mModel.fieldLeft(i);
            setTextOf(i, oemTextToUnicode(mModel.fields[i]));
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            // Navigation keys have no text and keep their meaning; Ctrl with a
            // letter is its control code, whatever text the platform gives it.
            QString text = key->text();
            if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
                text = QString(QChar(char16_t(key->key() - Qt::Key_A + 1)));
            // Escape is the dialog's cancel, whichever field has the focus.
            if (text.isEmpty() || key->key() == Qt::Key_Escape)
                return QDialog::eventFilter(watched, event);
            // Delete produces no typed character of its own: it edits as usual.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
                return QDialog::eventFilter(watched, event);
            bool beep = false;
            const std::optional<QChar> c = mModel.keyTyped(text.at(0), beep);
            if (beep)
                QApplication::beep();
            if (!c)
                return true;
            const char16_t u = c->unicode();
            if (u == 3 || u == 8)
                return QDialog::eventFilter(watched, event); // copy and backspace as usual
            if (u < 32 && u != PiMarkCode)
                return true;
            const QString insert(oemToUnicode(*c));
            if (i == QslNeuModel::Be) {
                if (mBe->toPlainText().size() < QslNeuModel::MaxLength[i])
                    mBe->insertPlainText(insert);
            } else {
                mEdit[i]->insert(insert);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void registerQslNeuWindow(QtInteraction& ui)
{
    registerModelWindow<frmQslNeuWindow, QslNeuModel>(ui, QuestionKind::NewQsl);
}
