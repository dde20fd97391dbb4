#include "prediction/frmprogprofil.h"
#include "frame/qtinteraction.h"
#include "prediction/frmnormwahl.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmProgProfil::frmProgProfil(const Question& q, QWidget* owner) : QDialog(owner)
{
    const ProfileParams& params = paramsOf<ProfileParams>(q);
    setWindowTitle(params.caption.trimmed());
    mEditable = params.editable;
    auto* layout = new QVBoxLayout(this);
    const QFont arial(QStringLiteral("Arial"));
    // The caption says what the choice is for (delete, run, save); the title
    // bar cuts it on a narrow dialog, so it also stands in the window.
    auto* heading = new QLabel(windowTitle(), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont bold = arial;
    bold.setBold(true);
    heading->setFont(bold);
    heading->setWordWrap(true);
    heading->setVisible(!heading->text().isEmpty());
    layout->addWidget(heading);
    meldtxt = new QLabel(params.hint, this);
    meldtxt->setFont(arial);
    meldtxt->setVisible(!meldtxt->text().isEmpty());
    layout->addWidget(meldtxt);
    if (mEditable) {
        Namencbo = new QComboBox(this);
        Namencbo->setObjectName(QStringLiteral("Namencbo"));
        Namencbo->setFont(arial);
        Namencbo->setEditable(true);
        Namencbo->addItems(q.choices);
        Namencbo->setCurrentIndex(-1);
        Namencbo->lineEdit()->setMaxLength(params.maxLength + 1);
        layout->addWidget(Namencbo);
    } else {
        Namenlst = new QListWidget(this);
        Namenlst->setObjectName(QStringLiteral("Namenlst"));
        Namenlst->setFont(arial);
        Namenlst->addItems(q.choices);
        connect(Namenlst, &QListWidget::itemDoubleClicked, this, [this] { finish(false); });
        layout->addWidget(Namenlst);
    }
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(params.ok, this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(params.cancel, this);
    cancel->setObjectName(QStringLiteral("can"));
    cancel->setAutoDefault(false);
    // Enter confirms a choice, but never deletes a profile the user did not
    // point at: for deleting, Enter is the cancel button.
    const bool deleting = q.key == QLatin1String("delete");
    (deleting ? cancel : ok)->setDefault(true);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] { finish(false); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(true); });
    if (Namencbo)
        Namencbo->setFocus();
    else if (deleting)
        Namenlst->setCurrentRow(-1);
    // Wide enough for the whole caption in the title bar.
    setMinimumWidth(std::max(titleBarWidth(this), std::min(sizeHint().width(), 700)));
}

void frmProgProfil::finish(bool cancelled)
{
    mAnswer = cancelled ? Answer::cancel() : Answer::word(QString());
    if (!cancelled) {
        if (Namencbo)
            mAnswer.text = Namencbo->currentText();
        else if (Namenlst->currentItem())
            mAnswer.text = Namenlst->currentItem()->text();
    }
    done(cancelled ? QDialog::Rejected : QDialog::Accepted);
}

void frmProgProfil::closeEvent(QCloseEvent* e)
{
    // The close box is the cancel button: closing the window never runs,
    // stores or deletes the profile that happens to be selected.
    e->ignore();
    finish(true);
}

void frmProgProfil::reject()
{
    finish(true); // Escape is the cancel button
}

void registerPredictionWindows(QtInteraction& qtUi)
{
    QtInteraction* ui = &qtUi;
    ui->registerHandler(QuestionKind::Profile, [ui](const Question& q) {
        frmProgProfil window(q, ui->owner());
        window.exec();
        return window.result();
    });
    registerNormWahlWindow(qtUi);
}
