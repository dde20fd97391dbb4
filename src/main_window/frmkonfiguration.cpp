#include "main_window/frmkonfiguration.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kOffset = 1532;
QString cap(int n)
{
    return ResStr(kOffset, n, prog().LangNr);
}
} // namespace

frmKonfiguration::frmKonfiguration(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmKonfiguration"));
    setWindowTitle(cap(0));
    auto* top = new QVBoxLayout(this);

    auto* langBox = new QGroupBox(cap(5), this);
    auto* langLayout = new QHBoxLayout(langBox);
    mLang[1] = new QRadioButton(cap(7), langBox);
    mLang[2] = new QRadioButton(cap(8), langBox);
    langLayout->addWidget(mLang[1]);
    langLayout->addWidget(mLang[2]);
    top->addWidget(langBox);

    auto* dirBox = new QGroupBox(cap(6), this);
    auto* dirs = new QGridLayout(dirBox);
    const struct { int field; int caption; } dirRows[] = {{1, 1}, {2, 2}, {4, 16}, {5, 17}, {3, 4}};
    int row = 0;
    for (const auto& r : dirRows) {
        dirs->addWidget(new QLabel(cap(r.caption), dirBox), row, 0);
        mBe[r.field] = new QLineEdit(dirBox);
        dirs->addWidget(mBe[r.field], row, 1);
        ++row;
    }
    dirs->addWidget(new QLabel(cap(3), dirBox), row, 0);
    mQsl = new QLineEdit(dirBox);
    mQsl->setMaxLength(1);
    mQsl->setFixedWidth(40);
    mQsl->installEventFilter(this);
    dirs->addWidget(mQsl, row, 1, Qt::AlignLeft);
    top->addWidget(dirBox);

    auto* druckBox = new QGroupBox(cap(20), this);
    auto* druck = new QHBoxLayout(druckBox);
    for (int i = 1; i <= 3; ++i) {
        mQslDruck[i] = new QRadioButton(cap(20 + i), druckBox);
        druck->addWidget(mQslDruck[i]);
    }
    top->addWidget(druckBox);

    auto* pageBox = new QGroupBox(cap(15), this);
    auto* page = new QGridLayout(pageBox);
    page->addWidget(new QLabel(cap(12), pageBox), 0, 0);
    mPaper = new QComboBox(pageBox);
    page->addWidget(mPaper, 0, 1, 1, 3);
    for (int i = 0; i < 4; ++i) {
        mRand[i] = new QLineEdit(pageBox);
        mRand[i]->setFixedWidth(80);
    }
    for (int i = 0; i < 3; ++i)
        mUnit[i] = new QLabel(pageBox);
    page->addWidget(new QLabel(cap(10), pageBox), 1, 0);
    page->addWidget(mRand[0], 1, 1);
    page->addWidget(mUnit[0], 1, 2);
    page->addWidget(new QLabel(cap(11), pageBox), 2, 0);
    page->addWidget(mRand[1], 2, 1);
    page->addWidget(mUnit[1], 2, 2);
    page->addWidget(new QLabel(cap(14), pageBox), 3, 0);
    page->addWidget(mRand[2], 3, 1);
    page->addWidget(new QLabel(QStringLiteral("x"), pageBox), 3, 2);
    page->addWidget(mRand[3], 3, 3);
    page->addWidget(mUnit[2], 3, 4);
    top->addWidget(pageBox);

    auto* titleBox = new QGroupBox(cap(18), this);
    auto* titleLayout = new QHBoxLayout(titleBox);
    mBe[0] = new QLineEdit(titleBox);
    mBe[0]->setMaxLength(30);
    titleLayout->addWidget(mBe[0]);
    top->addWidget(titleBox);

    auto* buttons = new QHBoxLayout;
    mTest = new QPushButton(cap(19), this);
    mPrinter = new QPushButton(cap(24), this);
    mSave = new QPushButton(cap(9), this);
    mOk = new QPushButton(ResStr(1500, 0, prog().LangNr), this);
    mCancel = new QPushButton(ResStr(1501, 0, prog().LangNr), this);
    for (QPushButton* b : {mTest, mPrinter, mSave, mOk, mCancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    // Enter takes the configuration over, as OK does; it never prints a test page.
    mOk->setDefault(true);
    top->addLayout(buttons);

    connect(mPaper, &QComboBox::currentIndexChanged, this, [this](int pos) {
        if (mLoading || pos < 0)
            return;
        toModel();
        mModel.paperChosen(pos);
        mRand[2]->setText(mModel.rand[2]);
        mRand[3]->setText(mModel.rand[3]);
    });
    for (int i = 2; i <= 3; ++i)
        connect(mRand[i], &QLineEdit::textEdited, this, [this] {
            mModel.typedInPrintSize();
            mLoading = true;
            mPaper->setCurrentIndex(2);
            mLoading = false;
        });
    connect(mOk, &QPushButton::clicked, this, [this] {
        if (takeOver())
            accept();
    });
    connect(mSave, &QPushButton::clicked, this, [this] {
        toModel();
        if (takeOver())
            mModel.SaveKonfig();
    });
    connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mTest, &QPushButton::clicked, this, &frmKonfiguration::testPage);
    connect(mPrinter, &QPushButton::clicked, this, &frmKonfiguration::printerSetup);

    LoadKonfig();
}

void frmKonfiguration::LoadKonfig()
{
    mLoading = true;
    mModel.LoadKonfig();
    for (QLabel* l : mUnit)
        l->setText(mModel.defUnit);
    mLang[mModel.lang]->setChecked(true);
    mQslDruck[mModel.qslDruck]->setChecked(true);
    for (int i = 0; i < 6; ++i)
        mBe[i]->setText(mModel.be[i]);
    mQsl->setText(mModel.qsl);
    mPaper->clear();
    mPaper->addItems(mModel.paperList);
    mPaper->setCurrentIndex(mModel.paper);
    for (int i = 0; i < 4; ++i)
        mRand[i]->setText(mModel.rand[i]);
    mLoading = false;
}

void frmKonfiguration::toModel()
{
    mModel.lang = mLang[2]->isChecked() ? 2 : 1;
    for (int i = 1; i <= 3; ++i)
        if (mQslDruck[i]->isChecked())
            mModel.qslDruck = i;
    for (int i = 0; i < 6; ++i)
        mModel.be[i] = mBe[i]->text();
    mModel.qsl = mQsl->text();
    mModel.paper = mPaper->currentIndex();
    for (int i = 0; i < 4; ++i)
        mModel.rand[i] = mRand[i]->text();
}

bool frmKonfiguration::takeOver()
{
    toModel();
    const KonfigModel::Result r = mModel.CopyKonfigToCf();
    if (r.check == KonfigModel::Check::BadMargin)
        mRand[r.field]->setFocus();
    return r.check == KonfigModel::Check::Ok;
}

bool frmKonfiguration::eventFilter(QObject* watched, QEvent* event)
{
    // The letter field only ever holds one capital letter; every key is swallowed.
    if (watched == mQsl && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Escape ||
            k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            return false;
        if (!k->text().isEmpty() && mModel.typedInQsl(k->text().at(0)))
            mQsl->setText(mModel.qsl);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmKonfiguration::testPage()
{
    // The test page is printed with the margins as typed; the margins in effect
    // stay as they were.
    Program& p = prog();
    const std::array<double, 4> kept = p.Raender;
    for (int i = 0; i < 4; ++i) {
        double v = 0;
        if (!KonfigModel::readMargin(mRand[i]->text(), v)) {
            p.Raender = kept;
            mRand[i]->setFocus();
            return;
        }
        p.Raender[i] = v;
    }
    mTest->setEnabled(false);
    if (const auto& testPage = links<KonfigPrinting>().PrTestSeite)
        testPage();
    mTest->setEnabled(true);
    p.Raender = kept;
}

void frmKonfiguration::printerSetup()
{
    QPrinter printer;
    QPageSetupDialog dlg(&printer, this);
    dlg.exec();
}

void frmKonfiguration::Show0(QWidget* owner)
{
    ErrPtnr::CallStack(QStringLiteral("[frmKonfiguration] Sub Show0()"));
    try {
        frmKonfiguration dlg(owner);
        dlg.exec();
    } catch (const std::exception& e) {
        ErrPtnr::OnError(QStringLiteral("frmKonfiguration"), QStringLiteral("Show0"), e);
    }
}
