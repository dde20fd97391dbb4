#include "frame/frmedit.h"
#include "frame/editvar.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmEditWindow::frmEditWindow(frmEdit::EditModel& model, QWidget* owner)
    : QDialog(owner), mModel(model), mOwner(owner)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(model.title);
    setModal(true);

    auto* name = new QLabel(model.name, this);
    name->setObjectName(QStringLiteral("VarName"));
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name->setMinimumWidth(120);
    mEdit = new QLineEdit(model.input, this);
    mEdit->setObjectName(QStringLiteral("edText"));
    if (model.maxLength > 0)
        mEdit->setMaxLength(model.maxLength);
    mEdit->setContextMenuPolicy(Qt::NoContextMenu); // pasting would bypass the key filter
    mEdit->installEventFilter(this);
    mUnit = new QLabel(model.unit, this);
    mUnit->setObjectName(QStringLiteral("VarN"));
    mUnit->setVisible(!model.unit.isEmpty());

    auto* help = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* row = new QLabel(model.help[i], this);
        row->setObjectName(QStringLiteral("Hilfe%1").arg(i));
        row->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row->setMinimumHeight(row->fontMetrics().height() + 2);
        help->addWidget(row);
    }

    mOk = new QPushButton(model.okCaption, this);
    mCan = new QPushButton(model.cancelCaption, this);
    mBck = new QPushButton(model.backCaption, this);
    mOk->setDefault(true);
    mCan->setAutoDefault(false);
    mBck->setAutoDefault(false);
    mBck->setVisible(model.backVisible);
    connect(mOk, &QPushButton::clicked, this, [this] { press(0); });
    connect(mCan, &QPushButton::clicked, this, [this] { press(1); });
    connect(mBck, &QPushButton::clicked, this, [this] { press(2); });

    auto* input = new QHBoxLayout;
    input->addWidget(name);
    input->addWidget(mEdit, 1);
    input->addWidget(mUnit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mOk);
    buttons->addWidget(mCan);
    buttons->addWidget(mBck);
    auto* all = new QVBoxLayout(this);
    all->addLayout(help);
    all->addLayout(input);
    all->addLayout(buttons);
    resize(std::max(520, titleBarWidth(this)), sizeHint().height());
}

void frmEditWindow::run()
{
    // Over the owner by its size alone, low in its free height unless centred.
    const QSize ownerSize = mOwner ? mOwner->size() : (screen() ? screen()->availableSize() : QSize(1024, 768));
    const double share = mModel.center ? 0.35 : 0.85;
    move((ownerSize.width() - width()) / 2, int((ownerSize.height() - height()) * share));
    mPressed = false;
    exec();
    mModel.input = mEdit->text();
}

void frmEditWindow::press(int tag)
{
    mModel.tag = tag;
    mPressed = true;
    done(tag == 0 ? Accepted : Rejected);
}

void frmEditWindow::reject()
{
    // Escape is the back button, and only while it is shown.
    if (mBck->isVisible())
        press(2);
}

void frmEditWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the cancel button. Where that button deletes the row, the
    // close box is the back button, and without one it does nothing: closing a
    // window never deletes.
    if (mPressed)
        return;
    event->ignore();
    if (!mModel.cancelDeletes)
        press(1);
    else if (mBck->isVisible())
        press(2);
}

void frmEditWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    mEdit->setFocus();
}

bool frmEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mEdit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            QApplication::beep();
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1) {
            const QChar k = frmEdit::keyInto(mModel, text.at(0));
            if (k.isNull()) {
                QApplication::beep();
                return true;
            }
            if (k != text.at(0)) {
                mEdit->insert(QString(k));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void registerEditWindow(QtInteraction& ui)
{
    QtInteraction* qt = &ui;
    ui.registerHandler(QuestionKind::Value, [qt](const Question& q) {
        frmEdit::EditModel* model = modelOf<frmEdit::EditModel>(q);
        if (!model)
            return Answer::cancel();
        QWidget* owner = qobject_cast<QWidget*>(model->owner);
        frmEditWindow window(*model, owner ? owner : qt->owner());
        window.run();
        Answer a;
        a.applied = true;
        return a;
    });
}
