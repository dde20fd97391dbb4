#include "prediction/frmnormwahl.h"
#include "frame/qtinteraction.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmNormWahl::frmNormWahl(const Question& q, QWidget* owner) : QDialog(owner)
{
    setWindowTitle(q.text);
    auto* layout = new QVBoxLayout(this);
    const NormChoiceParams& params = paramsOf<NormChoiceParams>(q);
    DatNam = new QLabel(params.label, this);
    DatNam->setWordWrap(true);
    layout->addWidget(DatNam);
    auto* frame = new QGroupBox(params.frame, this);
    auto* options = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        RefOpt[i] = new QRadioButton(q.choices.value(i), frame);
        RefOpt[i]->setObjectName(QStringLiteral("RefOpt%1").arg(i));
        RefOpt[i]->setVisible(params.marks.contains(QString::number(i + 1)));
        options->addWidget(RefOpt[i]);
    }
    layout->addWidget(frame);
    auto* row = new QHBoxLayout;
    ok = new QPushButton(params.ok, this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setEnabled(false);
    can = new QPushButton(params.cancel, this);
    can->setObjectName(QStringLiteral("can"));
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(can);
    layout->addLayout(row);
    for (QRadioButton* r : RefOpt)
        connect(r, &QRadioButton::toggled, this, [this] { ok->setEnabled(true); });
    connect(ok, &QPushButton::clicked, this, [this] {
        mAnswer = Answer::button(0);
        for (int i = 0; i < 3; ++i)
            if (RefOpt[i]->isChecked() && !RefOpt[i]->isHidden()) {
                mAnswer = Answer::button(i + 1);
                break;
            }
        accept();
    });
    connect(can, &QPushButton::clicked, this, &frmNormWahl::reject);
    setMinimumWidth(std::max(titleBarWidth(this), sizeHint().width()));
}

void frmNormWahl::reject()
{
    mAnswer = Answer::cancel();
    QDialog::reject();
}

void registerNormWahlWindow(QtInteraction& qtUi)
{
    QtInteraction* ui = &qtUi;
    ui->registerHandler(QuestionKind::NormChoice, [ui](const Question& q) {
        frmNormWahl window(q, ui->owner());
        window.exec();
        return window.result();
    });
}
