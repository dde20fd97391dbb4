#include "component_editor/frmbtedit.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
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
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Twips of the design to pixels at 96 dpi.
int px(int twips) { return twips / 15; }

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
            mModel.Cmd[0].enabled = true;
        }
    }

private:
    BtEditModel& mModel;
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
    const QFont courier(QStringLiteral("Courier New"));
    auto* top = new QVBoxLayout(this);

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
    const int heights[] = {0, 70, 160, 100};
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
                mModel.VarBox[g].row = row;
        });
    }
    mLabel[6] = new QLabel(mFrame[BtEditModel::FrameBT]);
    mBe = new DescriptionBox(mModel, mFrame[BtEditModel::FrameBT]);
    mBe->setObjectName(QStringLiteral("BTBe"));
    mBe->setFont(QFont(QStringLiteral("Courier New"), 10));
    mBe->setAcceptRichText(false);
    mBe->setFixedHeight(70);
    mBe->installEventFilter(this);
    mLabel[6]->setBuddy(mBe);
    gBT->addWidget(mLabel[6], 6, 0);
    gBT->addWidget(mBe, 7, 0);
    connect(mBe, &QTextEdit::textChanged, this, [this] {
        if (mUpdating)
            return;
        mModel.BTBe_Change(mBe->toPlainText());
        // Pasted text takes the box's font.
        mBe->setCurrentFont(QFont(QStringLiteral("Courier New"), 10));
    });
    mName = new QLabel(mFrame[BtEditModel::FrameBT]);
    mName->setObjectName(QStringLiteral("BEName"));
    mName->setWordWrap(true);
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
    gSu->addWidget(mCmd[13]);
    gSu->addWidget(mCmd[14]);
    gList->addWidget(mCmd[11]);
    gList->addWidget(mCmd[15]);
    gList->addWidget(mCmd[10]);
    top->addWidget(mFrame[BtEditModel::FrameCmd]);
    top->addWidget(mFrame[BtEditModel::FrameSuDat]);
    top->addWidget(mFrame[BtEditModel::FrameList]);

    fromModel();
    resize(px(BtEditModel::RecordViewWidth), 720);
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

void frmBtEditWindow::fromModel()
{
    mUpdating = true;
    const BtEditModel& m = mModel;
    setWindowTitle(m.caption);
    for (int i = 0; i < BtEditModel::CmdCount; ++i) {
        mCmd[i]->setText(m.Cmd[i].caption);
        mCmd[i]->setToolTip(m.Cmd[i].toolTip);
        mCmd[i]->setEnabled(m.Cmd[i].enabled);
        mCmd[i]->setVisible(m.Cmd[i].visible);
    }
    for (int f = 0; f < BtEditModel::FrameCount; ++f) {
        if (!mFrame[f])
            continue;
        mFrame[f]->setEnabled(m.frameEnabled[f]);
        mFrame[f]->setTitle(m.frameCaption[f]);
        const bool listArea = f == BtEditModel::FrameList && m.width <= BtEditModel::RecordViewWidth;
        mFrame[f]->setVisible(m.frameVisible[f] && !listArea);
    }
    for (int i = 0; i < 8; ++i) {
        if (!mLabel[i])
            continue;
        mLabel[i]->setText(m.Label1[i]);
        mLabel[i]->setEnabled(m.labelEnabled[i]);
    }
    if (m.descriptionPrompt) {
        mLabel[6]->setText(QStringLiteral("<b><font color='#008080'>%1</font></b>")
                               .arg(m.descriptionPromptText.toHtmlEscaped()));
    }
    for (int i = 0; i < 3; ++i) {
        if (unicodeTextToOem(mBT[i]->text()) != m.BT[i])
            mBT[i]->setText(oemTextToUnicode(m.BT[i]));
        mBT[i]->setToolTip(m.designationToolTip);
        mInEx[i]->setChecked(m.InExOpt[i] != 0);
    }
    if (mBlock->text() != m.BTBlock)
        mBlock->setText(m.BTBlock);
    mBlock->setEnabled(m.BTBlockEnabled);
    mBlock->setToolTip(m.blockToolTip);
    mLabel[7]->setToolTip(m.blockToolTip);
    mGroup->setText(m.txAusg[2]);
    mGroup->setToolTip(m.txAusgToolTip[2]);
    for (int g = 1; g <= 3; ++g) {
        const BtEditModel::Grid& grid = m.VarBox[g];
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
    if (mBe->toPlainText() != m.BTBe)
        mBe->setPlainText(m.BTBe);
    mBe->setEnabled(m.BTBeEnabled);
    mBe->setStyleSheet(m.BTBeHighlighted ? QStringLiteral("QTextEdit { background: rgb(0,192,192); }") : QString());
    mName->setText(m.BEName);
    mName->setEnabled(m.BENameEnabled);
    mQslLine->setPlainText(m.QslLine);
    mQslLine->setVisible(!m.QslLine.isEmpty());
    mScroll->setRange(m.BtIScroll.minimum, m.BtIScroll.maximum);
    mScroll->setValue(m.BtIScroll.value);
    mScroll->setEnabled(m.BtIScroll.enabled);
    mScroll->setVisible(m.BtIScroll.visible);
    mUpdating = false;
}

void frmBtEditWindow::afterAction()
{
    fromModel();
    if (!mModel.focus.isEmpty()) {
        QWidget* w = nullptr;
        if (mModel.focus == QLatin1String("BTBe"))
            w = mBe;
        else if (mModel.focus.startsWith(QLatin1String("Cmd")))
            w = mCmd[mModel.focus.mid(3).toInt()];
        mModel.focus.clear();
        if (w && w->isVisible() && w->isEnabled())
            w->setFocus();
    }
    if (mDescLoop && !mModel.BTBeWait)
        mDescLoop->quit();
    if (mLoop && mModel.Tag != QLatin1String("0"))
        mLoop->quit();
}

void frmBtEditWindow::run()
{
    if (mModel.Tag != QLatin1String("0"))
        return;
    fromModel();
    show();
    QEventLoop loop;
    mLoop = &loop;
    loop.exec();
    mLoop = nullptr;
    hide();
}

void frmBtEditWindow::waitForDescription()
{
    fromModel();
    show();
    raise();
    mBe->setFocus();
    if (!mModel.BTBeWait)
        return;
    QEventLoop loop;
    mDescLoop = &loop;
    loop.exec();
    mDescLoop = nullptr;
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

bool frmBtEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int g = gridOf(watched);
    if (g > 0) {
        switch (event->type()) {
        case QEvent::FocusIn:
            mModel.focusGrid = g;
            break;
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            mModel.focusGrid = g;
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
                    mModel.VarBox[g].row = mGrid[g]->row(item);
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
        else if (field == BtEditModel::Block) {
            mModel.txAusg[0].clear();
            mModel.txAusg[1].clear();
        }
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
        else
            mBe->insertPlainText(QString(*c));
        mModel.BTBe_Change(mBe->toPlainText());
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
    ui.registerHandler(QStringLiteral("btedit"), [qt](const Question& q) {
        auto* model = static_cast<BtEditModel*>(q.model);
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
    ui.registerHandler(QStringLiteral("btdesc"), [](const Question& q) {
        auto* model = static_cast<BtEditModel*>(q.model);
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
    ui.registerHandler(QStringLiteral("btpopup"), [qt](const Question& q) {
        QMenu menu(qt->owner());
        const QStringList tags = q.data.value(QStringLiteral("tags")).toStringList();
        const QStringList paramCaptions = q.data.value(QStringLiteral("paramCaptions")).toStringList();
        const QStringList paramTags = q.data.value(QStringLiteral("paramTags")).toStringList();
        QHash<QAction*, QString> tagOf;
        for (int i = 0; i < tags.size() && i < q.choices.size(); ++i) {
            if (tags[i] == QLatin1String("new")) {
                QMenu* sub = menu.addMenu(q.choices[i]);
                for (int k = 0; k < paramCaptions.size(); ++k)
                    tagOf[sub->addAction(paramCaptions[k])] = paramTags.value(k);
                // Opened with the new items shown, as the design sends "n".
                if (tags.size() == 1)
                    menu.setActiveAction(sub->menuAction());
            } else {
                if (tags[i] == QLatin1String("trans") && i > 0)
                    menu.addSeparator();
                tagOf[menu.addAction(q.choices[i])] = tags[i];
            }
        }
        QAction* chosen = menu.exec(QCursor::pos());
        if (!chosen || !tagOf.contains(chosen))
            return Answer::cancel();
        return Answer::word(tagOf.value(chosen));
    });
}
