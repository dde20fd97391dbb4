#include "component_editor/frmbebez.h"
#include "frame/qtinteraction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

frmBEBezWindow::frmBEBezWindow(BeBezModel& model, QWidget* owner) : QDialog(owner), mModel(model)
{
    setObjectName(QStringLiteral("frmBEBez"));
    setWindowTitle(model.caption);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(model.DatNam, this);
    name->setObjectName(QStringLiteral("DatNam"));
    name->setWordWrap(true);
    layout->addWidget(name);

    auto group = [&](int frame, const QString& objectName) {
        auto* box = new QGroupBox(model.frameCaption[frame], this);
        box->setObjectName(objectName);
        layout->addWidget(box);
        return box;
    };
    QGroupBox* ref = group(1, QStringLiteral("Frame1"));
    auto* refLayout = new QVBoxLayout(ref);
    auto* refGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        RefOpt[i] = new QRadioButton(model.RefOpt[i], ref);
        RefOpt[i]->setObjectName(QStringLiteral("RefOpt%1").arg(i));
        refGroup->addButton(RefOpt[i], i);
        refLayout->addWidget(RefOpt[i]);
    }
    QGroupBox* neu = group(2, QStringLiteral("Frame2"));
    auto* neuLayout = new QVBoxLayout(neu);
    auto* neuGroup = new QButtonGroup(this);
    for (int i = 1; i < 3; ++i) {
        NeuOpt[i] = new QRadioButton(model.NeuOpt[i], neu);
        NeuOpt[i]->setObjectName(QStringLiteral("NeuOpt%1").arg(i));
        neuGroup->addButton(NeuOpt[i], i);
        neuLayout->addWidget(NeuOpt[i]);
    }
    QGroupBox* db = group(3, QStringLiteral("Frame3"));
    auto* dbLayout = new QHBoxLayout(db);
    auto* dbGroup = new QButtonGroup(this);
    const char* const files[] = {"Int.+ Ext.", "Int.", "Ext."};
    for (int i = 0; i < 3; ++i) {
        InExOpt[i] = new QRadioButton(QString::fromLatin1(files[i]), db);
        InExOpt[i]->setObjectName(QStringLiteral("InExOpt%1").arg(i));
        dbGroup->addButton(InExOpt[i], i);
        dbLayout->addWidget(InExOpt[i]);
    }
    InExOpt[std::clamp(model.DatInEx, 0, 2)]->setChecked(true);
    QGroupBox* ic = group(4, QStringLiteral("Frame4"));
    auto* icLayout = new QVBoxLayout(ic);
    for (int i = 1; i < 3; ++i) {
        ICOpt[i] = new QCheckBox(model.ICOptText[i], ic);
        ICOpt[i]->setObjectName(QStringLiteral("ICOpt%1").arg(i));
        ICOpt[i]->setChecked(model.ICOpt[i]);
        icLayout->addWidget(ICOpt[i]);
        // At most one of the two boxes is set.
        connect(ICOpt[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (on)
                ICOpt[3 - i]->setChecked(false);
        });
    }
    if (model.RefGewaehlt && model.RefBezNr >= 0 && model.RefBezNr < 3)
        RefOpt[model.RefBezNr]->setChecked(true);
    if (model.NeuGewaehlt && model.NeuBezNr >= 1 && model.NeuBezNr < 3)
        NeuOpt[model.NeuBezNr]->setChecked(true);
    connect(refGroup, &QButtonGroup::idClicked, this, [this](int id) { mModel.RefOpt_Click(id); });
    connect(neuGroup, &QButtonGroup::idClicked, this, [this](int id) { mModel.NeuOpt_Click(id); });
    connect(dbGroup, &QButtonGroup::idClicked, this, [this](int id) { mModel.InExOpt_Click(id); });

    auto* row = new QHBoxLayout;
    start = new QPushButton(model.cmdStart, this);
    start->setObjectName(QStringLiteral("cmd2"));
    start->setDefault(true);
    close = new QPushButton(model.cmdClose, this);
    close->setObjectName(QStringLiteral("cmd1"));
    row->addStretch();
    row->addWidget(start);
    row->addWidget(close);
    layout->addLayout(row);
    connect(start, &QPushButton::clicked, this, [this] {
        for (int i = 1; i < 3; ++i)
            mModel.ICOpt[i] = ICOpt[i]->isChecked();
        mStarted = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void registerBEBezWindow(QtInteraction& ui)
{
    QtInteraction* qt = &ui;
    ui.registerHandler(QuestionKind::DesignationMatch, [qt](const Question& q) {
        BeBezModel* model = modelOf<BeBezModel>(q);
        if (!model)
            return Answer::cancel();
        frmBEBezWindow window(*model, qt->owner());
        window.exec();
        if (!window.started())
            return Answer::cancel();
        return Answer::word(QStringLiteral("ok"));
    });
}
