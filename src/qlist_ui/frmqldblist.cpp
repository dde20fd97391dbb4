#include "qlist_ui/frmqldblist.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Texts of the model hold OEM codes; the window shows the characters they mean.
QString shown(const QString& oem)
{
    QString s = oem;
    for (QChar& c : s)
        c = c == PiMark ? PiChar : oemToUnicode(c);
    return s;
}
QString stored(const QString& text)
{
    QString s = text;
    for (QChar& c : s) {
        if (c == PiChar) {
            c = PiMark;
            continue;
        }
        const QChar o = unicodeToOem(c);
        c = o.isNull() ? QChar(u'?') : o;
    }
    return s;
}
} // namespace

frmQldbListWindow::frmQldbListWindow(QldbList& model, QWidget* owner) : QDialog(owner), mModel(model)
{
    setObjectName(QStringLiteral("frmQldbList"));
    setModal(false);
    mModel.view = this;
    auto* top = new QVBoxLayout(this);

    // Menus: every item passes its key to the dispatcher.
    auto* bar = new QMenuBar(this);
    top->setMenuBar(bar);
    QMenu* window = bar->addMenu(QldbList::captionText(1));
    addCommand(window, 2, QStringLiteral("fnt<"));
    addCommand(window, 3, QStringLiteral("fnt>"));
    window->addSeparator();
    addCommand(window, 4, QStringLiteral("exit"));
    QMenu* qsl = bar->addMenu(QldbList::captionText(5));
    addCommand(qsl, 6, QStringLiteral("new"));
    addCommand(qsl, 7, QStringLiteral("edit"));
    addCommand(qsl, 8, QStringLiteral("del"));
    addCommand(qsl, 9, QStringLiteral("print"));
    qsl->addSeparator();
    addCommand(qsl, 10, QStringLiteral("checkprint"));
    addCommand(qsl, 25, QStringLiteral("checkfile"));
    mPredictionMenu = bar->addMenu(QldbList::captionText(11));
    addCommand(mPredictionMenu, 12, QStringLiteral("standardprof.ql"));
    addCommand(mPredictionMenu, 13, QStringLiteral("selectprof.ql"));
    mPredictionMenu->addSeparator();
    addCommand(mPredictionMenu, 14, QStringLiteral("newprof.ql"));
    mResultMenu = mPredictionMenu->addMenu(QldbList::captionText(15));
    addCommand(mResultMenu, 16, QStringLiteral("newprofspstd.ql"));
    addCommand(mResultMenu, 17, QStringLiteral("newprofspwahl.ql"));
    mPrintMenu = bar->addMenu(QldbList::captionText(18));
    addCommand(mPrintMenu, 19, QStringLiteral("short"));
    addCommand(mPrintMenu, 20, QStringLiteral("long"));

    // Filter, sort options and buttons.
    auto* controls = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    mFilter = new QLineEdit(this);
    mFilter->setObjectName(QStringLiteral("EdFilter"));
    QFont filterFont(QStringLiteral("Courier New"));
    filterFont.setPointSizeF(9.75);
    filterFont.setBold(true);
    mFilter->setFont(filterFont);
    mFilter->setToolTip(QldbList::filterToolTip());
    mFilter->installEventFilter(this);
    mUpdate = new QPushButton(QldbList::captionText(21), this);
    mUpdate->setObjectName(QStringLiteral("CmdUpdate"));
    if (auto tip = QldbList::captionToolTip(21))
        mUpdate->setToolTip(*tip);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(mUpdate);
    filterRow->addWidget(mFilter, 1);
    left->addLayout(filterRow);
    for (int i = 0; i < 2; ++i) {
        mTextLab[i] = new QLabel(QldbList::captionText(23 + i), this);
        mTextLab[i]->setObjectName(QStringLiteral("TextLab%1").arg(i + 1));
        if (auto tip = QldbList::captionToolTip(23 + i))
            mTextLab[i]->setToolTip(*tip);
        left->addWidget(mTextLab[i]);
    }
    controls->addLayout(left, 1);
    mSortFrame = new QGroupBox(QldbList::captionText(22), this);
    mSortFrame->setObjectName(QStringLiteral("SortFrame"));
    if (auto tip = QldbList::captionToolTip(22))
        mSortFrame->setToolTip(*tip);
    auto* sortGrid = new QGridLayout(mSortFrame);
    for (int k = 0; k < 8; ++k) {
        mSort[k] = new QRadioButton(QldbList::sortCaption(k), mSortFrame);
        mSort[k]->setObjectName(QStringLiteral("SortByOpt%1").arg(k));
        mSort[k]->setToolTip(QldbList::sortToolTip(k));
        sortGrid->addWidget(mSort[k], k / 4, k % 4);
        connect(mSort[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on && !mSyncing) {
                mModel.SortByOpt_Click(k);
                refresh();
            }
        });
    }
    controls->addWidget(mSortFrame);
    mExit = new QPushButton(QldbList::captionText(4), this);
    mExit->setObjectName(QStringLiteral("CmdExit"));
    if (auto tip = QldbList::captionToolTip(4))
        mExit->setToolTip(*tip);
    controls->addWidget(mExit, 0, Qt::AlignTop);
    top->addLayout(controls);

    mInfo = new QLabel(this);
    mInfo->setObjectName(QStringLiteral("Info"));
    mCnt = new QLabel(this);
    mCnt->setObjectName(QStringLiteral("Cnt"));
    auto* infoRow = new QHBoxLayout;
    infoRow->addWidget(mInfo);
    infoRow->addWidget(mCnt);
    infoRow->addStretch();
    top->addLayout(infoRow);
    mInfo->hide();
    mCnt->hide();

    // The grid shows one page; the scroll bar beside it pages through the set.
    auto* gridRow = new QHBoxLayout;
    mGrid = new QTableWidget(this);
    mGrid->setObjectName(QStringLiteral("Grid"));
    mGrid->setColumnCount(8);
    mGrid->verticalHeader()->hide();
    mGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mGrid->horizontalHeader()->setHighlightSections(false);
    mGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mGrid->installEventFilter(this);
    mGrid->viewport()->installEventFilter(this);
    gridRow->addWidget(mGrid, 1);
    mVS = new QScrollBar(Qt::Vertical, this);
    mVS->setObjectName(QStringLiteral("VS"));
    gridRow->addWidget(mVS);
    top->addLayout(gridRow, 1);

    connect(mVS, &QScrollBar::valueChanged, this, [this](int v) {
        if (mSyncing)
            return;
        mModel.VS_Change(v);
    });
    connect(mGrid, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (mSyncing || row < 0)
            return;
        mModel.setCurrentRow(row + 1);
        mModel.Grid_SelChange();
        refresh();
    });
    connect(mGrid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { mModel.Grid_DblClick(row + 1, column); });
    connect(mGrid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { mModel.Grid_DblClick(0, column); });
    connect(mFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (mSyncing)
            return;
        mModel.EdFilter_Change(stored(text));
        refresh();
    });
    connect(mUpdate, &QPushButton::clicked, this, [this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        mModel.CmdUpdate_Click();
        QApplication::restoreOverrideCursor();
        refresh();
    });
    connect(mExit, &QPushButton::clicked, this, [this] { command(QStringLiteral("exit")); });

    resize(900, 560);
    mModel.Form_Load();
    mLoaded = true;
    if (mModel.tag == QLatin1String("0")) {
        if (QScreen* s = screen()) {
            QRect r = frameGeometry();
            r.moveCenter(s->availableGeometry().center());
            move(r.topLeft());
        }
    }
    refresh();
}

QAction* frmQldbListWindow::addCommand(QMenu* menu, int n, const QString& key)
{
    QAction* a = menu->addAction(QldbList::captionText(n));
    a->setObjectName(key);
    a->setProperty("tag", key);
    connect(a, &QAction::triggered, this, [this, key] { command(key); });
    mActions.insert(key, a);
    return a;
}

void frmQldbListWindow::command(const QString& key)
{
    mModel.MenuQLDB(key);
    refresh();
    endIfDone();
}

int frmQldbListWindow::charWidth() const
{
    return QFontMetrics(mGrid->font()).horizontalAdvance(u'R');
}

void frmQldbListWindow::relayout()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(mModel.fontSize);
    mGrid->setFont(f);
    mGrid->horizontalHeader()->setFont(f);
    const int pitch = QFontMetrics(f).height() + 4;
    mGrid->verticalHeader()->setDefaultSectionSize(pitch);
    mGrid->verticalHeader()->setMinimumSectionSize(1);
    const int available = mGrid->viewport()->height() > 0 ? mGrid->viewport()->height()
                                                          : mGrid->height() - mGrid->horizontalHeader()->height();
    // The title row is the header; rows that fit below it are the page.
    const int rows = std::max(1, available / pitch) + 1;
    mModel.Form_Resize(rows);
    refresh();
}

void frmQldbListWindow::refresh()
{
    if (!mLoaded && mModel.tag != QLatin1String("0"))
        return;
    mSyncing = true;
    setWindowTitle(shown(mModel.caption));
    mInfo->setVisible(!mModel.infoText.isEmpty());
    mInfo->setText(shown(mModel.infoText));
    mCnt->setVisible(!mModel.cntText.isEmpty());
    mCnt->setText(mModel.cntText);

    const int rows = std::max(0, int(mModel.grid.size()) - 1);
    mGrid->setRowCount(rows);
    QStringList titles = mModel.grid.empty() ? QStringList() : mModel.grid[0];
    while (titles.size() < 8)
        titles << QString();
    mGrid->setHorizontalHeaderLabels(titles);
    for (int r = 1; r <= rows; ++r) {
        const QStringList& cells = mModel.grid[std::size_t(r)];
        for (int c = 0; c < 8; ++c) {
            QTableWidgetItem* item = mGrid->item(r - 1, c);
            if (!item) {
                item = new QTableWidgetItem;
                mGrid->setItem(r - 1, c, item);
            }
            item->setText(c < cells.size() ? shown(cells[c]) : QString());
            item->setTextAlignment(c == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            if (c == 0)
                item->setBackground(palette().button());
        }
    }
    const int w = charWidth();
    for (int c = 0; c < 8; ++c)
        mGrid->setColumnWidth(c, mModel.columnChars[c] * w + 1);
    if (mModel.currentRow >= 1 && mModel.currentRow <= rows)
        mGrid->setCurrentCell(mModel.currentRow - 1, std::max(1, mGrid->currentColumn()));
    mGrid->setVisible(mModel.gridVisible || rows > 0);

    mVS->setRange(0, mModel.vsMax);
    mVS->setValue(mModel.vsValue);
    mVS->setPageStep(mModel.vsLargeChange);
    mVS->setVisible(mModel.scrollVisible);

    if (mFilter->text() != shown(mModel.filterBox))
        mFilter->setText(shown(mModel.filterBox));
    for (int k = 0; k < 8; ++k)
        mSort[k]->setChecked(k == mModel.SortArt);
    mUpdate->setEnabled(mModel.cmdUpdateEnabled);
    mPrintMenu->menuAction()->setEnabled(mModel.printDirEnabled);
    for (const QString& key : QldbList::RecordCommands)
        if (QAction* a = mActions.value(key))
            a->setEnabled(mModel.recordCommandsEnabled);
    mResultMenu->menuAction()->setEnabled(mModel.recordCommandsEnabled);
    mSyncing = false;
}

void frmQldbListWindow::hideWindow()
{
    hide();
}

void frmQldbListWindow::showWindow()
{
    if (mModel.tag == QLatin1String("0"))
        show();
}

void frmQldbListWindow::run()
{
    if (mModel.tag != QLatin1String("0"))
        return;
    show();
    relayout();
    mGrid->setFocus();
    if (mModel.tag == QLatin1String("0"))
        mWait.run();
    hide();
}

void frmQldbListWindow::endIfDone()
{
    if (mModel.tag != QLatin1String("0"))
        mWait.end();
}

void frmQldbListWindow::closeEvent(QCloseEvent* event)
{
    // The first unload frees the slot and is refused while the browser waits;
    // the end of the wait then closes the window.
    if (!mModel.Form_Unload())
        event->ignore();
    else
        QDialog::closeEvent(event);
    endIfDone();
}

void frmQldbListWindow::reject()
{
    command(QStringLiteral("exit"));
}

void frmQldbListWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (mLoaded && mModel.tag == QLatin1String("0") && !isMinimized())
        relayout();
}

bool frmQldbListWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        mModel.Form_Activate();
    const bool handled = QDialog::event(e);
    if (e->type() != QEvent::Paint)
        endIfDone();
    return handled;
}

bool frmQldbListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mGrid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        int code = 0;
        switch (key->key()) {
        case Qt::Key_PageDown: code = 34; break;
        case Qt::Key_PageUp: code = 33; break;
        case Qt::Key_Down: code = 40; break;
        case Qt::Key_Up: code = 38; break;
        case Qt::Key_Home: code = 36; break;
        case Qt::Key_End: code = 35; break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            command(QStringLiteral("edit"));
            return true;
        default: break;
        }
        if (code != 0) {
            const int before = mModel.currentRow;
            const long top = mModel.TopRec;
            mModel.Grid_KeyDown(code);
            if (before != mModel.currentRow || top != mModel.TopRec)
                mModel.Grid_SelChange();
            refresh();
            endIfDone();
            return true;
        }
    }
    if (watched == mFilter && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        QString text = key->text();
        if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
            text = QString(QChar(char16_t(key->key() - Qt::Key_A + 1)));
        if (text.isEmpty() || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter)
            return QDialog::eventFilter(watched, event);
        bool beep = false;
        const std::optional<QChar> c = mModel.filterKey(text.at(0), beep);
        if (beep)
            QApplication::beep();
        if (!c)
            return true;
        const char16_t u = c->unicode();
        if (u == 3 || u == 8)
            return QDialog::eventFilter(watched, event);
        if (u < 32)
            return true;
        mFilter->insert(shown(QString(*c)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void registerQldbListWindow(QtInteraction& ui)
{
    registerModelWindow<frmQldbListWindow, QldbList>(ui, QuestionKind::QlDbList);
}
