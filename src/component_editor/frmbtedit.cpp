#include "component_editor/frmbtedit.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"
#include "frame/qtrichtext.h"
#include "frame/restext.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTableWidget>
#include <QHeaderView>
#include <QVBoxLayout>
#include <limits>

namespace {

// Twips of the window layout to pixels at 96 dpi.
int px(int twips) { return twips / 15; }

// The whole description: it is never cut (a record too long for its block is
// refused when it is saved).
QString descriptionText(QTextEdit* box)
{
    int length = std::numeric_limits<int>::max();
    return GetRtbText(box, length);
}

// The description box: pasted text passes the model's key filter.
class DescriptionBox : public QTextEdit {
public:
    DescriptionBox(BtEditModel& model, QWidget* parent) : QTextEdit(parent), mModel(model) {}

protected:
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source || !source->hasText())
            return;
        bool beep = false;
        const QString text = mModel.filterPaste(BtEditModel::Description, source->text(), beep);
        if (beep)
            QApplication::beep();
        if (!text.isEmpty()) {
            insertPlainText(text);
            mModel.recordEdited();
        }
    }

private:
    BtEditModel& mModel;
};

// The component's name: wrapped onto two lines, which it always keeps. A label
// that takes its height from its width would make the scrolling record view
// as tall as all its boxes would like to be.
class NameLabel : public QLabel {
public:
    explicit NameLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }
    bool hasHeightForWidth() const override { return false; }
    QSize minimumSizeHint() const override { return {0, 2 * fontMetrics().lineSpacing() + 2}; }
    QSize sizeHint() const override { return {QLabel::sizeHint().width(), minimumSizeHint().height()}; }
};

QHash<BtEditModel*, QPointer<frmBtEditWindow>>& windows()
{
    static QHash<BtEditModel*, QPointer<frmBtEditWindow>> w;
    return w;
}
} // namespace

frmBtEditWindow::frmBtEditWindow(BtEditModel& model, QWidget* owner) : QDialog(owner), mModel(model)
{
    setObjectName(QStringLiteral("frmBtEdit"));
    setModal(false);
    // A search over the component file gives the window its turn now and then,
    // so that the stop key is seen while it runs.
    mModel.setYield([] { QCoreApplication::processEvents(); });
    const QFont courier(QStringLiteral("Courier New"));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    // The record view, the commands and the search area scroll together where
    // the screen is lower than they are: on a laptop screen the search stays
    // reachable and the result list keeps its place beside them.
    mRecordArea = new QScrollArea(this);
    mRecordArea->setObjectName(QStringLiteral("RecordArea"));
    mRecordArea->setFrameShape(QFrame::NoFrame);
    mRecordArea->setWidgetResizable(true);
    mRecordArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* recordPane = new QWidget;
    auto* top = new QVBoxLayout(recordPane);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(4);
    outer->addWidget(mRecordArea, 3);

    mQslLine = new QTextEdit(this);
    mQslLine->setObjectName(QStringLiteral("QslLine"));
    mQslLine->setReadOnly(true);
    mQslLine->setFixedHeight(40);
    QFont arial(QStringLiteral("Arial"), 8);
    arial.setBold(true);
    mQslLine->setFont(arial);
    top->addWidget(mQslLine);

    // Identification and file choice.
    auto* head = new QHBoxLayout;
    mFrame[BtEditModel::Frame1] = new QGroupBox(this);
    auto* g1 = new QGridLayout(mFrame[BtEditModel::Frame1]);
    for (int i = 0; i < 3; ++i) {
        mLabel[i] = new QLabel(mFrame[BtEditModel::Frame1]);
        mBT[i] = new QLineEdit(mFrame[BtEditModel::Frame1]);
        mBT[i]->setObjectName(QStringLiteral("BT%1").arg(i));
        mBT[i]->setFont(courier);
        mBT[i]->installEventFilter(this);
        mLabel[i]->setBuddy(mBT[i]);
        g1->addWidget(mLabel[i], i, 0);
        g1->addWidget(mBT[i], i, 1);
        connect(mBT[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            bool beep = false;
            const QString filtered = mModel.filterPaste(i, text, beep);
            if (beep) {
                QApplication::beep();
                mBT[i]->setText(filtered);
            }
            mModel.BT_Change(i, unicodeTextToOem(mBT[i]->text()));
            afterAction();
        });
    }
    mLabel[7] = new QLabel(mFrame[BtEditModel::Frame1]);
    mBlock = new QLineEdit(mFrame[BtEditModel::Frame1]);
    mBlock->setObjectName(QStringLiteral("BTBlock"));
    mBlock->setMaxLength(5);
    mBlock->installEventFilter(this);
    mLabel[7]->setBuddy(mBlock);
    g1->addWidget(mLabel[7], 3, 0);
    g1->addWidget(mBlock, 3, 1);
    connect(mBlock, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool beep = false;
        const QString filtered = mModel.filterPaste(BtEditModel::Block, text, beep);
        if (filtered != text)
            mBlock->setText(filtered);
        mModel.BTBlock_Change(filtered);
        afterAction();
    });
    head->addWidget(mFrame[BtEditModel::Frame1], 3);

    mFrame[BtEditModel::Frame2] = new QGroupBox(this);
    auto* g2 = new QVBoxLayout(mFrame[BtEditModel::Frame2]);
    auto* inEx = new QButtonGroup(this);
    const char* const inExCaptions[] = {"Int.+ Ext.", "Int.", "Ext."};
    for (int i = 0; i < 3; ++i) {
        mInEx[i] = new QRadioButton(QString::fromLatin1(inExCaptions[i]), mFrame[BtEditModel::Frame2]);
        mInEx[i]->setObjectName(QStringLiteral("InExOpt%1").arg(i));
        inEx->addButton(mInEx[i], i);
        g2->addWidget(mInEx[i]);
    }
    connect(inEx, &QButtonGroup::idClicked, this, [this](int id) {
        mModel.InExOpt_Click(id);
        afterAction();
    });
    mFrame[BtEditModel::FrameGr] = new QGroupBox(this);
    auto* gGr = new QHBoxLayout(mFrame[BtEditModel::FrameGr]);
    mGroup = new QLineEdit(mFrame[BtEditModel::FrameGr]);
    mGroup->setObjectName(QStringLiteral("txAusg2"));
    mGroup->setMaxLength(4);
    gGr->addWidget(mGroup);
    auto* side = new QVBoxLayout;
    side->addWidget(mFrame[BtEditModel::Frame2]);
    side->addWidget(mFrame[BtEditModel::FrameGr]);
    head->addLayout(side, 1);
    top->addLayout(head);

    // The record view.
    mFrame[BtEditModel::FrameBT] = new QGroupBox(this);
    auto* gBT = new QGridLayout(mFrame[BtEditModel::FrameBT]);
    // Small minimums: with the search area below, the window must still fit a
    // laptop screen 768 pixels high; the boxes grow with the window.
    const int heights[] = {0, 40, 64, 40};
    for (int g = 1; g <= 3; ++g) {
        mLabel[g + 2] = new QLabel(mFrame[BtEditModel::FrameBT]);
        mGrid[g] = new QListWidget(mFrame[BtEditModel::FrameBT]);
        mGrid[g]->setObjectName(QStringLiteral("VarBox%1").arg(g));
        mGrid[g]->setFont(courier);
        mGrid[g]->setSelectionMode(QAbstractItemView::SingleSelection);
        mGrid[g]->setMinimumHeight(heights[g]);
        mGrid[g]->installEventFilter(this);
        mGrid[g]->viewport()->installEventFilter(this);
        mLabel[g + 2]->setBuddy(mGrid[g]);
        gBT->addWidget(mLabel[g + 2], (g - 1) * 2, 0);
        gBT->addWidget(mGrid[g], (g - 1) * 2 + 1, 0);
        connect(mGrid[g], &QListWidget::currentRowChanged, this, [this, g](int row) {
            if (!mUpdating)
                mModel.VarBox_RowChange(g, row);
        });
    }
    mLabel[6] = new QLabel(mFrame[BtEditModel::FrameBT]);
    mBe = new DescriptionBox(mModel, mFrame[BtEditModel::FrameBT]);
    mBe->setObjectName(QStringLiteral("BTBe"));
    mBe->setFont(QFont(QStringLiteral("Courier New"), 10));
    mBe->setAcceptRichText(false);
    mBe->setFixedHeight(56);
    mBe->installEventFilter(this);
    mLabel[6]->setBuddy(mBe);
    gBT->addWidget(mLabel[6], 6, 0);
    gBT->addWidget(mBe, 7, 0);
    connect(mBe, &QTextEdit::textChanged, this, [this] {
        if (mUpdating)
            return;
        mModel.BTBe_Change(descriptionText(mBe));
        // Pasted text takes the box's font.
        mBe->setCurrentFont(QFont(QStringLiteral("Courier New"), 10));
    });
    mName = new NameLabel(mFrame[BtEditModel::FrameBT]);
    mName->setObjectName(QStringLiteral("BEName"));
    gBT->addWidget(mName, 8, 0);
    mScroll = new QScrollBar(Qt::Vertical, mFrame[BtEditModel::FrameBT]);
    mScroll->setObjectName(QStringLiteral("BtIScroll"));
    gBT->addWidget(mScroll, 0, 1, 8, 1);
    connect(mScroll, &QScrollBar::valueChanged, this, [this](int value) {
        if (mUpdating)
            return;
        mModel.BtIScroll_Change(value);
        afterAction();
    });
    top->addWidget(mFrame[BtEditModel::FrameBT], 1);

    // Commands.
    mFrame[BtEditModel::FrameCmd] = new QGroupBox(this);
    auto* gCmd = new QGridLayout(mFrame[BtEditModel::FrameCmd]);
    mFrame[BtEditModel::FrameSuDat] = new QGroupBox(this);
    auto* gSu = new QHBoxLayout(mFrame[BtEditModel::FrameSuDat]);
    mFrame[BtEditModel::FrameList] = new QGroupBox(this);
    auto* gList = new QHBoxLayout(mFrame[BtEditModel::FrameList]);
    for (int i = 0; i < BtEditModel::CmdCount; ++i) {
        QWidget* parent = mFrame[BtEditModel::FrameCmd];
        if (i == 12)
            parent = mFrame[BtEditModel::FrameGr];
        else if (i == 13 || i == 14)
            parent = mFrame[BtEditModel::FrameSuDat];
        else if (i == 10 || i == 11 || i == 15)
            parent = mFrame[BtEditModel::FrameList];
        mCmd[i] = new QPushButton(parent);
        mCmd[i]->setObjectName(QStringLiteral("Cmd%1").arg(i));
        mCmd[i]->setAutoDefault(false);
        connect(mCmd[i], &QPushButton::clicked, this, [this, i] {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            mModel.cmd_Click(i);
            QApplication::restoreOverrideCursor();
            afterAction();
        });
    }
    const int cmdOrder[] = {2, 3, 0, 7, 4, 5, 8, 6, 9, 1};
    int k = 0;
    for (int i : cmdOrder) {
        gCmd->addWidget(mCmd[i], k / 5, k % 5);
        ++k;
    }
    gGr->addWidget(mCmd[12]);
    connect(mGroup, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString digits;
        for (QChar c : text)
            if (c.isDigit())
                digits += c;
        if (digits != text)
            mGroup->setText(digits);
        mModel.txAusg_Change(2, digits);
        afterAction();
    });

    // The search area: expression, block, the kind of search and the list form.
    auto* suGrid = new QGridLayout;
    // The examples stand in the empty fields and in their tool tips, not beside
    // them: the search area with its list format is then no wider than the
    // record view, and the result list still finds room on a laptop screen.
    const char* const examples[] = {"Bac=11,Gec=SOT | Bac=7,Are=? | Bac=141,Tec=14,Gec=DIP | Bac=2,Text=Diode",
                                    "14003 | 12038"};
    const QString examplePrefix = prog().LangNr == 2 ? QStringLiteral("e.g.  ") : QStringLiteral("z. B.  ");
    auto* kinds = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        mChkSuch[i] = new QRadioButton(mFrame[BtEditModel::FrameSuDat]);
        mChkSuch[i]->setObjectName(QStringLiteral("chkSuch%1").arg(i));
        kinds->addButton(mChkSuch[i], i);
        suGrid->addWidget(mChkSuch[i], i, 0);
        if (i < 2) {
            mAusg[i] = new QLineEdit(mFrame[BtEditModel::FrameSuDat]);
            mAusg[i]->setObjectName(QStringLiteral("txAusg%1").arg(i));
            mAusg[i]->installEventFilter(this);
            suGrid->addWidget(mAusg[i], i, 1);
            // An expression is typed here, so its field gets room for one.
            mAusg[i]->setMinimumWidth(i == 0 ? 260 : 120);
            mExample[i] = examplePrefix + QString::fromLatin1(examples[i]);
            mAusg[i]->setPlaceholderText(mExample[i]);
            connect(mAusg[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
                QString kept;
                for (QChar c : text)
                    if (i == 0 ? (c != EndeZeichen && c != FolgeZeichen) : c.isDigit())
                        kept += c;
                if (kept != text)
                    mAusg[i]->setText(kept);
                mModel.txAusg_Change(i, kept);
                afterAction();
            });
        }
    }
    mAusg[2] = mGroup;
    mAusg[1]->setMaxLength(5);
    connect(kinds, &QButtonGroup::idClicked, this, [this](int id) {
        mModel.chkSuch_Click(id);
        afterAction();
        if (id < 2)
            mAusg[id]->setFocus();
    });
    mFrameAusform = new QGroupBox(mFrame[BtEditModel::FrameSuDat]);
    mFrameAusform->setObjectName(QStringLiteral("FrameAusform"));
    auto* form = new QVBoxLayout(mFrameAusform);
    auto* forms = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        mChkAnzeige[i] = new QRadioButton(mFrameAusform);
        mChkAnzeige[i]->setObjectName(QStringLiteral("chkAnzeige%1").arg(i));
        forms->addButton(mChkAnzeige[i], i);
        form->addWidget(mChkAnzeige[i]);
    }
    mChkAnzeige[0]->setChecked(true);
    connect(forms, &QButtonGroup::idClicked, this, [this](int id) { mModel.chkAnzeige_Click(id); });
    suGrid->addWidget(mFrameAusform, 0, 3, 3, 1);
    auto* suButtons = new QVBoxLayout;
    suButtons->addWidget(mCmd[13]);
    suButtons->addWidget(mCmd[14]);
    suGrid->addLayout(suButtons, 0, 4, 3, 1);
    suGrid->setColumnStretch(1, 1);
    gSu->addLayout(suGrid);

    // The list view: title and position, the grid with its bar, the filter.
    auto* vList = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        mLabel3[i] = new QLabel(mFrame[BtEditModel::FrameList]);
        mLabel3[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        mLabel3[i]->setFont(courier);
        vList->addWidget(mLabel3[i]);
    }
    auto* gridRow = new QHBoxLayout;
    mList = new QTableWidget(mFrame[BtEditModel::FrameList]);
    mList->setObjectName(QStringLiteral("BEGrid"));
    mList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mList->verticalHeader()->hide();
    // One line per component: a long record is cut at the list's edge, not
    // broken over several lines.
    mList->setWordWrap(false);
    mList->installEventFilter(this);
    mList->viewport()->installEventFilter(this);
    gridRow->addWidget(mList, 1);
    mVS = new QScrollBar(Qt::Vertical, mFrame[BtEditModel::FrameList]);
    mVS->setObjectName(QStringLiteral("VS"));
    gridRow->addWidget(mVS);
    vList->addLayout(gridRow, 1);
    connect(mVS, &QScrollBar::valueChanged, this, [this](int value) {
        if (mUpdating)
            return;
        mModel.VS_Change(value);
        afterAction();
    });
    connect(mList, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (mUpdating || row < 0)
            return;
        mModel.BEGrid_RowColChange(mModel.list().BEGrid.fixedRows == 1 ? row + 1 : row);
        listFromModel();
    });
    connect(mList, &QTableWidget::cellClicked, this, [this](int, int) {
        mModel.BEGrid_Click();
        afterAction();
    });
    mInfo = new QLabel(mFrame[BtEditModel::FrameList]);
    mInfo->setObjectName(QStringLiteral("Info"));
    mCnt = new QLabel(mFrame[BtEditModel::FrameList]);
    mCnt->setObjectName(QStringLiteral("Cnt"));
    auto* progress = new QHBoxLayout;
    progress->addWidget(mInfo, 1);
    progress->addWidget(mCnt);
    vList->addLayout(progress);
    mFrameS = new QGroupBox(mFrame[BtEditModel::FrameList]);
    mFrameS->setObjectName(QStringLiteral("FrameS"));
    auto* gS = new QHBoxLayout(mFrameS);
    mFilter = new QLineEdit(mFrameS);
    mFilter->setObjectName(QStringLiteral("EdFilter"));
    mFilter->setFont(courier);
    gS->addWidget(mFilter, 1);
    gS->addWidget(mCmd[11]);
    connect(mFilter, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString kept;
        for (QChar c : text)
            if (c != u'=' && c != u',' && c != EndeZeichen && c != FolgeZeichen)
                kept += c;
        if (kept != text) {
            QApplication::beep();
            mFilter->setText(kept);
        }
        mModel.EdFilter_Change(kept);
        afterAction();
    });
    vList->addWidget(mFrameS);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(mCmd[15]);
    listButtons->addWidget(mCmd[10]);
    vList->addLayout(listButtons);
    gList->addLayout(vList);
    top->addWidget(mFrame[BtEditModel::FrameCmd]);
    top->addWidget(mFrame[BtEditModel::FrameSuDat]);
    mRecordArea->setWidget(recordPane);
    outer->addWidget(mFrame[BtEditModel::FrameList], 2);
    // The frames' own margins are kept small: every pixel of height counts on a
    // screen 768 pixels high.
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        if (QLayout* l = frame->layout()) {
            l->setContentsMargins(6, 2, 6, 4);
            l->setSpacing(3);
        }

    fromModel();
    resize(boundedToScreen(QSize(px(BtEditModel::RecordViewWidth), 720)));
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

QSize frmBtEditWindow::boundedToScreen(QSize size) const
{
    // Room is left for the title bar and the border that the window manager adds.
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(16, 64));
    return size.expandedTo(minimumSizeHint());
}

void frmBtEditWindow::fitRecordArea()
{
    // The record view never scrolls sideways: its area is as wide as it needs.
    QWidget* pane = mRecordArea->widget();
    if (!pane)
        return;
    pane->layout()->activate();
    const int wanted = pane->minimumSizeHint().width() + mRecordArea->verticalScrollBar()->sizeHint().width();
    if (mRecordArea->minimumWidth() != wanted)
        mRecordArea->setMinimumWidth(wanted);
}

// The list opens to the right of the record view and widens the window: move
// it left (and up) as far as needed so that the whole window stays on the screen.
void frmBtEditWindow::keepOnScreen()
{
    QScreen* s = screen();
    if (!s || !isVisible() || !layout())
        return;
    layout()->activate();
    const QRect avail = s->availableGeometry();
    QRect r = frameGeometry();
    if (avail.contains(r))
        return;
    if (r.right() > avail.right())
        r.moveRight(avail.right());
    if (r.bottom() > avail.bottom())
        r.moveBottom(avail.bottom());
    if (r.left() < avail.left())
        r.moveLeft(avail.left());
    if (r.top() < avail.top())
        r.moveTop(avail.top());
    move(r.topLeft());
}

void frmBtEditWindow::fromModel()
{
    mUpdating = true;
    const BtEditModel& m = mModel;
    setWindowTitle(m.window().caption);
    for (int i = 0; i < BtEditModel::CmdCount; ++i) {
        mCmd[i]->setText(m.commands()[i].caption);
        mCmd[i]->setToolTip(m.commands()[i].toolTip);
        mCmd[i]->setEnabled(m.commands()[i].enabled);
        mCmd[i]->setVisible(m.commands()[i].visible);
    }
    for (int f = 0; f < BtEditModel::FrameCount; ++f) {
        if (!mFrame[f])
            continue;
        mFrame[f]->setEnabled(m.window().frameEnabled[f]);
        mFrame[f]->setTitle(m.window().frameCaption[f]);
        const bool listArea = f == BtEditModel::FrameList && m.window().width <= BtEditModel::RecordViewWidth;
        mFrame[f]->setVisible(m.window().frameVisible[f] && !listArea);
    }
    for (int i = 0; i < 8; ++i) {
        if (!mLabel[i])
            continue;
        mLabel[i]->setText(m.view().Label1[i]);
        mLabel[i]->setEnabled(m.view().labelEnabled[i]);
    }
    if (m.view().descriptionPrompt) {
        mLabel[6]->setText(QStringLiteral("<b><font color='#008080'>%1</font></b>")
                               .arg(m.view().descriptionPromptText.toHtmlEscaped()));
    }
    for (int i = 0; i < 3; ++i) {
        if (unicodeTextToOem(mBT[i]->text()) != m.view().BT[i])
            mBT[i]->setText(oemTextToUnicode(m.view().BT[i]));
        mBT[i]->setToolTip(m.view().designationToolTip);
        mInEx[i]->setChecked(m.view().InExOpt[i] != 0);
    }
    if (mBlock->text() != m.view().BTBlock)
        mBlock->setText(m.view().BTBlock);
    mBlock->setEnabled(m.view().BTBlockEnabled);
    mBlock->setToolTip(m.view().blockToolTip);
    mLabel[7]->setToolTip(m.view().blockToolTip);
    mGroup->setText(m.search().txAusg[2]);
    mGroup->setToolTip(m.search().txAusgToolTip[2]);
    for (int g = 1; g <= 3; ++g) {
        const BtEditModel::Grid& grid = m.view().VarBox[g];
        QStringList now;
        for (int r = 0; r < mGrid[g]->count(); ++r)
            now << mGrid[g]->item(r)->text();
        if (now != grid.rows) {
            mGrid[g]->clear();
            mGrid[g]->addItems(grid.rows);
        }
        mGrid[g]->setCurrentRow(grid.row);
        mGrid[g]->setEnabled(grid.enabled);
        mGrid[g]->setStyleSheet(grid.highlighted ? QStringLiteral("QListWidget { background: rgb(0,192,192); }")
                                                 : QString());
    }
    if (mBe->toPlainText() != m.view().BTBe)
        SetRtbText(mBe, m.view().BTBe);
    mBe->setEnabled(m.view().BTBeEnabled);
    mBe->setStyleSheet(m.view().BTBeHighlighted ? QStringLiteral("QTextEdit { background: rgb(0,192,192); }")
                                                : QString());
    mName->setText(m.view().BEName);
    mName->setEnabled(m.view().BENameEnabled);
    SetRtbText(mQslLine, m.view().QslLine);
    mQslLine->setVisible(!m.view().QslLine.isEmpty());
    mScroll->setRange(m.view().BtIScroll.minimum, m.view().BtIScroll.maximum);
    mScroll->setValue(m.view().BtIScroll.value);
    mScroll->setEnabled(m.view().BtIScroll.enabled);
    mScroll->setVisible(m.view().BtIScroll.visible);
    for (int i = 0; i < 2; ++i)
        if (mAusg[i]->text() != m.search().txAusg[i])
            mAusg[i]->setText(m.search().txAusg[i]);
    for (int i = 0; i < 3; ++i) {
        mAusg[i]->setToolTip(i < 2 ? m.search().txAusgToolTip[i] + u'\n' + mExample[i] : m.search().txAusgToolTip[i]);
        mChkSuch[i]->setChecked(m.search().chkSuch[i]);
        mChkSuch[i]->setText(ResStr(1661, 30 + i, prog().LangNr));
    }
    mChkAnzeige[0]->setText(ResStr(1661, 33, prog().LangNr));
    mChkAnzeige[1]->setText(ResStr(1661, 34, prog().LangNr));
    mFrameAusform->setTitle(ResStr(1661, 29, prog().LangNr));
    mFrameAusform->setVisible(m.search().FrameAusformVisible);
    mFrameS->setTitle(ResStr(1661, 23, prog().LangNr));
    listFromModel();
    fitRecordArea();
    if (m.window().width > BtEditModel::RecordViewWidth && width() < px(m.window().width))
        resize(boundedToScreen(QSize(px(m.window().width), height())));
    else if (m.window().width <= BtEditModel::RecordViewWidth && width() > px(BtEditModel::RecordViewWidth))
        resize(boundedToScreen(QSize(px(BtEditModel::RecordViewWidth), height())));
    keepOnScreen();
    if (m.window().cursorBusy && !mBusyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        mBusyCursor = true;
    } else if (!m.window().cursorBusy && mBusyCursor) {
        QApplication::restoreOverrideCursor();
        mBusyCursor = false;
    }
    mUpdating = false;
}

void frmBtEditWindow::listFromModel()
{
    const bool wasUpdating = mUpdating;
    mUpdating = true;
    const BtEditModel& m = mModel;
    mLabel3[0]->setText(m.list().Label3[0]);
    mLabel3[1]->setText(m.list().Label3[1]);
    mInfo->setText(m.list().Info);
    mCnt->setText(m.list().Cnt);
    const bool index = m.list().BEGrid.fixedRows == 1;
    if (!m.list().BEGrid.visible) {
        // A hidden list is filled when it is shown: a search that finds many
        // components refreshes the window every few hits, and filling every
        // row each time grew with the square of the hits.
    } else if (index) {
        const QStringList head = m.list().BEGrid.rows.value(0).split(u'\t');
        mList->setColumnCount(2);
        mList->setHorizontalHeaderLabels({head.value(0), head.value(1)});
        mList->horizontalHeader()->show();
        mList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        mList->setFont(QFont(QStringLiteral("Courier New"), 9));
        const int rows = std::max(0, int(m.list().BEGrid.rows.size()) - 1);
        mList->setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            const QStringList cells = m.list().BEGrid.rows[r + 1].split(u'\t');
            for (int c = 0; c < 2; ++c) {
                const QString text = oemTextToUnicode(cells.value(c));
                QTableWidgetItem* item = mList->item(r, c);
                if (!item)
                    mList->setItem(r, c, new QTableWidgetItem(text));
                else if (item->text() != text)
                    item->setText(text);
            }
        }
        mList->setColumnWidth(0, 160);
        mList->setColumnWidth(1, 70);
        if (m.list().BEGrid.row >= 1 && m.list().BEGrid.row <= rows)
            mList->setCurrentCell(m.list().BEGrid.row - 1, 0);
    } else {
        mList->setColumnCount(1);
        mList->horizontalHeader()->hide();
        mList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mList->setFont(QFont(QStringLiteral("Arial"), 8));
        const int rows = int(m.list().BEGrid.rows.size());
        mList->setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            const QString text = oemTextToUnicode(m.list().BEGrid.rows[r]);
            QTableWidgetItem* item = mList->item(r, 0);
            if (!item)
                mList->setItem(r, 0, new QTableWidgetItem(text));
            else if (item->text() != text)
                item->setText(text);
        }
        mList->horizontalHeader()->setStretchLastSection(true);
        if (m.list().BEGrid.row >= 0 && m.list().BEGrid.row < rows)
            mList->setCurrentCell(m.list().BEGrid.row, 0);
    }
    mList->setVisible(m.list().BEGrid.visible);
    mVS->setRange(m.list().VS.minimum, m.list().VS.maximum);
    mVS->setPageStep(std::max(1, m.list().VSLargeChange));
    mVS->setValue(m.list().VS.value);
    mVS->setVisible(m.list().VS.visible && index);
    mFrameS->setVisible(m.list().FrameSVisible);
    if (mFilter->text() != oemTextToUnicode(m.list().EdFilter))
        mFilter->setText(oemTextToUnicode(m.list().EdFilter));
    mUpdating = wasUpdating;
}

void frmBtEditWindow::afterAction()
{
    fromModel();
    const QString focus = mModel.takeFocus();
    if (!focus.isEmpty()) {
        QWidget* w = nullptr;
        if (focus == QLatin1String("BTBe"))
            w = mBe;
        else if (focus == QLatin1String("BEGrid"))
            w = mList;
        else if (focus.startsWith(QLatin1String("Cmd")))
            w = mCmd[focus.mid(3).toInt()];
        if (w && w->isVisible() && w->isEnabled())
            w->setFocus();
    }
    if (!mModel.record().BTBeWait)
        mDescWait.end();
    if (mModel.window().Tag != QLatin1String("0"))
        mWait.end();
}

void frmBtEditWindow::run()
{
    if (mModel.window().Tag != QLatin1String("0"))
        return;
    fromModel();
    show();
    mWait.run();
    hide();
}

void frmBtEditWindow::waitForDescription()
{
    fromModel();
    show();
    raise();
    mBe->setFocus();
    if (!mModel.record().BTBeWait)
        return;
    mDescWait.run();
}

void frmBtEditWindow::closeEvent(QCloseEvent* event)
{
    // The editor ends through its Tag; the window itself stays until Show0 ends.
    event->ignore();
    mModel.Form_QueryUnload();
    afterAction();
}

void frmBtEditWindow::reject()
{
    // Escape does not close the editor: only "Exit" and the close box do.
}

int frmBtEditWindow::gridOf(QObject* o) const
{
    for (int g = 1; g <= 3; ++g)
        if (o == mGrid[g] || o == mGrid[g]->viewport())
            return g;
    return 0;
}

int frmBtEditWindow::fieldOf(QObject* o) const
{
    for (int i = 0; i < 3; ++i)
        if (o == mBT[i])
            return i;
    if (o == mBe)
        return BtEditModel::Description;
    if (o == mBlock)
        return BtEditModel::Block;
    return -1;
}

bool frmBtEditWindow::listEvent(QObject* watched, QEvent* event)
{
    BtEditModel& m = mModel;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == mList) {
            m.BEGrid_GotFocus();
            afterAction();
        } else if (watched == mAusg[0] || watched == mAusg[1]) {
            m.txAusg_GotFocus(watched == mAusg[0] ? 0 : 1);
            fromModel();
        }
        return false;
    case QEvent::MouseButtonPress: {
        if (watched != mList->viewport())
            return false;
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::RightButton) {
            mList->setFocus();
            m.BEGrid_MouseDownRight();
            afterAction();
            return true;
        }
        const int row = mList->rowAt(int(me->position().y()));
        m.BEGrid_MouseDown(row < 0 ? mList->rowCount() : row + 1);
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (watched != mList->viewport())
            return false;
        {
            auto* me = static_cast<QMouseEvent*>(event);
            const int row = mList->rowAt(int(me->position().y()));
            if (row >= 0) {
                mUpdating = true;
                mList->setCurrentCell(row, 0);
                mUpdating = false;
                m.BEGrid_RowColChange(m.list().BEGrid.fixedRows == 1 ? row + 1 : row);
                m.BEGrid_MouseDown(row + 1);
            }
            m.BEGrid_DblClick();
            afterAction();
        }
        return true;
    case QEvent::KeyPress: {
        if (watched != mList)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        int code = 0;
        switch (key->key()) {
        case Qt::Key_PageUp: code = 33; break;
        case Qt::Key_PageDown: code = 34; break;
        case Qt::Key_End: code = 35; break;
        case Qt::Key_Home: code = 36; break;
        case Qt::Key_Up: code = 38; break;
        case Qt::Key_Down: code = 40; break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m.BEGrid_KeyPress(13);
            afterAction();
            return true;
        default:
            return false;
        }
        int shift = 0;
        if (key->modifiers() & Qt::ShiftModifier)
            shift |= 1;
        if (key->modifiers() & Qt::ControlModifier)
            shift |= 2;
        if (key->modifiers() & Qt::AltModifier)
            shift |= 4;
        const bool consumed = m.BEGrid_KeyDown(code, shift);
        afterAction();
        return consumed;
    }
    default:
        return false;
    }
}

bool frmBtEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (mList && (watched == mList || watched == mList->viewport() || watched == mAusg[0] || watched == mAusg[1]))
        if (listEvent(watched, event))
            return true;
    const int g = gridOf(watched);
    if (g > 0) {
        switch (event->type()) {
        case QEvent::FocusIn:
            mModel.VarBox_GotFocus(g);
            break;
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            mModel.VarBox_GotFocus(g);
            if (me->button() == Qt::RightButton && watched == mGrid[g]->viewport()) {
                mGrid[g]->setFocus();
                mModel.VarBox_MouseDownRight(g);
                afterAction();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (watched == mGrid[g]->viewport()) {
                auto* me = static_cast<QMouseEvent*>(event);
                QListWidgetItem* item = mGrid[g]->itemAt(me->position().toPoint());
                if (item)
                    mModel.VarBox_RowChange(g, mGrid[g]->row(item));
                mModel.VarBox_DblClick(g, item != nullptr);
                afterAction();
                return true;
            }
            break;
        case QEvent::KeyPress: {
            if (watched != mGrid[g])
                break;
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
                break;
            if (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete) {
                mModel.VarBox_KeyDown(g, key->key() == Qt::Key_Insert ? 45 : 46);
                afterAction();
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                mModel.VarBox_KeyPress(g, QChar(u'\r'));
                afterAction();
                return true;
            }
            const QString text = key->text();
            if (!text.isEmpty() && text[0].isPrint()) {
                mModel.VarBox_KeyPress(g, text[0]);
                afterAction();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QDialog::eventFilter(watched, event);
    }
    const int field = fieldOf(watched);
    if (field < 0)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        if (field <= 2)
            mModel.BT_GotFocus(field);
        else if (field == BtEditModel::Block)
            mModel.BTBlock_GotFocus();
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QString text = key->text();
    if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        text = QString(QChar(char16_t(key->key() - Qt::Key_A + 1)));
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        text = QStringLiteral("\r");
    // Navigation keys carry no text and keep their meaning.
    if (text.isEmpty() || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
        return QDialog::eventFilter(watched, event);
    bool beep = false;
    const std::optional<QChar> c = mModel.keyPress(field, text.at(0), beep);
    if (beep)
        QApplication::beep();
    if (!c) {
        afterAction();
        return true;
    }
    const char16_t u = c->unicode();
    if (u == 3 || u == 8 || u == 22 || u == 24)
        return QDialog::eventFilter(watched, event); // copy, backspace, paste, cut as usual
    if (field == BtEditModel::Description) {
        if (u == 13)
            mBe->insertPlainText(QStringLiteral("\n"));
        else if (*c == PiChar)
            InsertPi(mBe);
        else
            mBe->insertPlainText(QString(*c));
        mModel.BTBe_Change(descriptionText(mBe));
        afterAction();
        return true;
    }
    if (field == BtEditModel::Block)
        return QDialog::eventFilter(watched, event);
    mBT[field]->insert(QString(oemToUnicode(*c)));
    mModel.BT_Change(field, unicodeTextToOem(mBT[field]->text()));
    afterAction();
    return true;
}

void registerBtEditWindow(QtInteraction& ui)
{
    QtInteraction* qt = &ui;
    ui.registerHandler(QuestionKind::ComponentEditor, [qt](const Question& q) {
        BtEditModel* model = modelOf<BtEditModel>(q);
        if (!model)
            return Answer::cancel();
        QPointer<frmBtEditWindow>& w = windows()[model];
        if (q.key == QLatin1String("load")) {
            if (!w)
                w = new frmBtEditWindow(*model, qt->owner());
            w->show();
        } else if (q.key == QLatin1String("unload")) {
            delete w.data();
            windows().remove(model);
        } else if (w) {
            if (q.key == QLatin1String("hide"))
                w->hide();
            else if (q.key == QLatin1String("show"))
                w->show();
            else if (q.key == QLatin1String("update"))
                w->fromModel();
            else if (q.key == QLatin1String("frmBtEdit"))
                w->run();
        } else {
            windows().remove(model);
        }
        Answer a;
        a.applied = true;
        return a;
    });
    ui.registerHandler(QuestionKind::ComponentText, [](const Question& q) {
        BtEditModel* model = modelOf<BtEditModel>(q);
        QPointer<frmBtEditWindow> w;
        if (model)
            w = windows().value(model);
        if (!w)
            return Answer::cancel();
        w->waitForDescription();
        Answer a;
        a.applied = true;
        return a;
    });
    ui.registerHandler(QuestionKind::ComponentPopup, [qt](const Question& q) {
        const PopupParams& params = paramsOf<PopupParams>(q);
        const QStringList& tags = params.tags;
        const QStringList& paramCaptions = params.paramCaptions;
        const QStringList& paramTags = params.paramTags;
        QHash<QAction*, QString> tagOf;
        QMenu menu(qt->owner());
        menu.setObjectName(QStringLiteral("up0"));
        auto addParameters = [&](QMenu* to) {
            for (int k = 0; k < paramCaptions.size(); ++k)
                tagOf[to->addAction(paramCaptions[k])] = paramTags.value(k);
        };
        if (tags.size() == 1 && tags[0] == QLatin1String("new")) {
            // Opened for a new item (Insert, a right click): the parameter items
            // themselves, under the caption of "Neu (Einf)", so that the arrow
            // keys, Enter and the mouse choose one at once.
            QAction* head = menu.addAction(q.choices.value(0));
            head->setEnabled(false);
            menu.addSeparator();
            addParameters(&menu);
            const QList<QAction*> all = menu.actions();
            if (all.size() > 2)
                menu.setActiveAction(all[2]);
        } else {
            for (int i = 0; i < tags.size() && i < q.choices.size(); ++i) {
                if (tags[i] == QLatin1String("new")) {
                    QMenu* sub = menu.addMenu(q.choices[i]);
                    sub->setObjectName(QStringLiteral("up"));
                    addParameters(sub);
                } else {
                    if (tags[i] == QLatin1String("trans") && i > 0)
                        menu.addSeparator();
                    tagOf[menu.addAction(q.choices[i])] = tags[i];
                }
            }
        }
        // At the mouse; opened by a key while the mouse is elsewhere, below the
        // grid's current row.
        QPoint at = QCursor::pos();
        if (auto* view = qobject_cast<QAbstractItemView*>(QApplication::focusWidget())) {
            if (!view->rect().contains(view->mapFromGlobal(at))) {
                const QRect row = view->visualRect(view->currentIndex());
                at = view->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
            }
        }
        QAction* chosen = menu.exec(at);
        if (!chosen || !tagOf.contains(chosen))
            return Answer::cancel();
        return Answer::word(tagOf.value(chosen));
    });
}
