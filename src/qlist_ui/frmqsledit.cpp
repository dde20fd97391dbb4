#include "qlist_ui/frmqsledit.h"
#include "frame/codepage.h"
#include "frame/qtinteraction.h"
#include "frame/qtrichtext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <limits>

namespace {
QFont fixedFont()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(8);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

QString caption(int n)
{
    return QslEditModel::captionText(n).trimmed();
}

// The whole line: what is typed is never cut.
QString lineText(QTextEdit* line)
{
    int length = std::numeric_limits<int>::max();
    return GetRtbText(line, length);
}

int shiftBits(Qt::KeyboardModifiers m)
{
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0);
}
} // namespace

frmQslEditWindow::frmQslEditWindow(QslEditModel& model, QWidget* owner) : QDialog(owner), mModel(model)
{
    setObjectName(QStringLiteral("frmQslEdit"));
    setModal(false);
    mModel.view = this;
    auto* top = new QVBoxLayout(this);

    auto* bar = new QMenuBar(this);
    top->setMenuBar(bar);
    QMenu* edit = bar->addMenu(caption(1));
    addCommand(edit, 2, QStringLiteral("ln.paste"), QKeySequence(Qt::CTRL | Qt::Key_F3));
    edit->addSeparator();
    addCommand(edit, 3, QStringLiteral("bt.cut"), QKeySequence(Qt::Key_F1));
    addCommand(edit, 4, QStringLiteral("bt.copy"), QKeySequence(Qt::Key_F2));
    addCommand(edit, 5, QStringLiteral("bt.paste"), QKeySequence(Qt::Key_F3));
    edit->addSeparator();
    addCommand(edit, 6, QStringLiteral("bt.del"), QKeySequence(Qt::CTRL | Qt::Key_F6));
    edit->addSeparator();
    addCommand(edit, 7, QStringLiteral("cut"));
    addCommand(edit, 8, QStringLiteral("copy"));
    addCommand(edit, 9, QStringLiteral("paste"));
    edit->addSeparator();
    addCommand(edit, 10, QStringLiteral("find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    addCommand(edit, 11, QStringLiteral("findnext"), QKeySequence(Qt::CTRL | Qt::Key_W));
    edit->addSeparator();
    addCommand(edit, 12, QStringLiteral("cancel"), QKeySequence(Qt::Key_F5));

    QMenu* qsl = bar->addMenu(caption(13));
    addCommand(qsl, 14, QStringLiteral("save"), QKeySequence(Qt::Key_F8));
    addCommand(qsl, 15, QStringLiteral("print"), QKeySequence(Qt::Key_F7));
    qsl->addSeparator();
    addCommand(qsl, 16, QStringLiteral("checkprint"), QKeySequence(Qt::Key_F6));
    addCommand(qsl, 32, QStringLiteral("checkfile"), QKeySequence(Qt::Key_F4));
    qsl->addSeparator();
    addCommand(qsl, 33, QStringLiteral("belist"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    qsl->addSeparator();
    addCommand(qsl, 8, QStringLiteral("4kopie"), QKeySequence(Qt::Key_F9));
    QMenu* exportMenu = qsl->addMenu(caption(17));
    addCommand(exportMenu, 18, QStringLiteral("5kopie"), QKeySequence(Qt::Key_F11));
    addCommand(exportMenu, 19, QStringLiteral("3kopie"), QKeySequence(Qt::Key_F12));
    qsl->addSeparator();
    addCommand(qsl, 20, QStringLiteral("del"), QKeySequence(Qt::CTRL | Qt::Key_F5));

    QMenu* prediction = bar->addMenu(caption(21));
    addCommand(prediction, 22, QStringLiteral("standardprof.ql"));
    addCommand(prediction, 23, QStringLiteral("selectprof.ql"));
    prediction->addSeparator();
    addCommand(prediction, 24, QStringLiteral("newprof.ql"));
    QMenu* resultMenu = prediction->addMenu(caption(25));
    addCommand(resultMenu, 26, QStringLiteral("newprofspstd.ql"));
    addCommand(resultMenu, 27, QStringLiteral("newprofspwahl.ql"));

    mGrid = new QTableWidget(this);
    mGrid->setObjectName(QStringLiteral("BT"));
    mGrid->setColumnCount(1);
    mGrid->horizontalHeader()->hide();
    mGrid->verticalHeader()->hide();
    mGrid->horizontalHeader()->setStretchLastSection(true);
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    mGrid->setWordWrap(false);
    mGrid->setFont(fixedFont());
    mGrid->verticalHeader()->setDefaultSectionSize(QFontMetrics(fixedFont()).height() + 4);
    mGrid->setToolTip(QslEditModel::toolTipText(7) + QslEditModel::toolTipText(8));
    mGrid->installEventFilter(this);
    mGrid->viewport()->installEventFilter(this);
    top->addWidget(mGrid, 1);

    mLine = new QTextEdit(this);
    mLine->setObjectName(QStringLiteral("AktBT"));
    mLine->setAcceptRichText(false);
    mLine->setLineWrapMode(QTextEdit::NoWrap);
    mLine->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mLine->setFont(fixedFont());
    mLine->setFixedHeight(QFontMetrics(fixedFont()).height() * 2 + 8);
    mLine->setToolTip(QslEditModel::toolTipText(5));
    mLine->setTabChangesFocus(false);
    mLine->installEventFilter(this);
    top->addWidget(mLine);

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* key;
        int n;
    } kButtons[] = {{"import", 31}, {"edit", 30}, {"new", 28}, {"dias", 29}, {"cancel", 12}, {"save", 14}};
    for (const auto& b : kButtons) {
        const QString key = QString::fromLatin1(b.key);
        auto* button = new QPushButton(caption(b.n), this);
        button->setObjectName(QStringLiteral("cmd_") + key);
        button->setToolTip(QslEditModel::captionToolTip(b.n));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, key] { command(key); });
        mButtons.insert(key, button);
        buttons->addWidget(button);
    }
    top->addLayout(buttons);

    connect(mLine, &QTextEdit::textChanged, this, [this] {
        if (mSyncing)
            return;
        const QTextCursor c = mLine->textCursor();
        mModel.AktBT_Change(lineText(mLine), c.selectionStart(), c.selectionEnd() - c.selectionStart());
        if (mModel.AktbtText != mLine->toPlainText())
            refresh();
        else
            mActions.value(QStringLiteral("cut"))->setEnabled(mModel.cutEnabled);
    });
    connect(mLine, &QTextEdit::selectionChanged, this, [this] {
        if (mSyncing)
            return;
        syncSelection();
        mActions.value(QStringLiteral("cut"))->setEnabled(mModel.cutEnabled);
        mActions.value(QStringLiteral("copy"))->setEnabled(mModel.copyEnabled);
    });
    connect(mGrid, &QTableWidget::currentCellChanged, this, [this](int r, int, int, int) {
        if (mSyncing || r < 0)
            return;
        int other = r;
        for (const QTableWidgetSelectionRange& range : mGrid->selectedRanges())
            if (range.topRow() <= r && r <= range.bottomRow())
                other = range.topRow() == r ? range.bottomRow() : range.topRow();
        mModel.BT_RowColChange(r, other);
        refresh();
    });
    connect(mGrid, &QTableWidget::itemSelectionChanged, this, [this] {
        if (mSyncing)
            return;
        const int r = mModel.row;
        for (const QTableWidgetSelectionRange& range : mGrid->selectedRanges())
            if (range.topRow() <= r && r <= range.bottomRow())
                mModel.RowSel = range.topRow() == r ? range.bottomRow() : range.topRow();
    });
    connect(mGrid, &QTableWidget::cellClicked, this, [this](int r, int) {
        mModel.BT_Click(r);
        refresh();
        mLine->setFocus();
    });
    connect(mGrid, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        mModel.BT_DblClick(r);
        refresh();
        endIfDone();
    });
    connect(mGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (mSyncing)
            return;
        mModel.BT_Scroll(v);
        refresh();
    });

    resize(900, 520);
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    refresh();
}

frmQslEditWindow::~frmQslEditWindow()
{
    mModel.view = nullptr;
}

QAction* frmQslEditWindow::addCommand(QMenu* menu, int n, const QString& key, const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption(n));
    a->setObjectName(key);
    a->setProperty("tag", key);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    connect(a, &QAction::triggered, this, [this, key] { command(key); });
    if (!mActions.contains(key))
        mActions.insert(key, a);
    return a;
}

void frmQslEditWindow::syncSelection()
{
    const QTextCursor c = mLine->textCursor();
    mModel.AktBT_Select(c.selectionStart(), c.selectionEnd() - c.selectionStart());
}

void frmQslEditWindow::command(const QString& key)
{
    syncSelection();
    mModel.MenuQSL(key);
    refresh();
    // A command's dialog (find, copy, export, the list file) belongs to the
    // main window; the keyboard comes back here, to the line being edited.
    if (isVisible()) {
        raise();
        activateWindow();
        mLine->setFocus();
    }
    endIfDone();
}

void frmQslEditWindow::refresh()
{
    mSyncing = true;
    setWindowTitle(mModel.caption);
    const int n = int(mModel.rows.size());
    if (mGrid->rowCount() != n)
        mGrid->setRowCount(n);
    const QBrush highlight = palette().highlight();
    const QBrush highlightText = palette().base();
    for (int r = 0; r < n; ++r) {
        QTableWidgetItem* item = mGrid->item(r, 0);
        if (!item) {
            item = new QTableWidgetItem;
            mGrid->setItem(r, 0, item);
        }
        if (item->text() != mModel.rows[r])
            item->setText(mModel.rows[r]);
        if (r == mModel.colouredRow) {
            item->setBackground(highlight);
            item->setForeground(highlightText);
        } else {
            item->setData(Qt::BackgroundRole, QVariant());
            item->setData(Qt::ForegroundRole, QVariant());
        }
    }
    if (mModel.row >= 0 && mModel.row < n) {
        if (mGrid->currentRow() != mModel.row)
            mGrid->setCurrentCell(mModel.row, 0, QItemSelectionModel::NoUpdate);
        const int first = std::min(mModel.row, mModel.RowSel), last = std::max(mModel.row, mModel.RowSel);
        bool same = false;
        const auto ranges = mGrid->selectedRanges();
        if (ranges.size() == 1 && ranges[0].topRow() == first && ranges[0].bottomRow() == last)
            same = true;
        if (!same) {
            mGrid->clearSelection();
            if (last < n)
                mGrid->setRangeSelected(QTableWidgetSelectionRange(first, 0, last, 0), true);
        }
    }
    if (mGrid->verticalScrollBar()->value() != mModel.topRow)
        mGrid->verticalScrollBar()->setValue(mModel.topRow);
    if (mLine->toPlainText() != mModel.AktbtText)
        SetRtbText(mLine, mModel.AktbtText);
    QTextCursor c = mLine->textCursor();
    const int len = int(mModel.AktbtText.size());
    const int s = std::clamp(mModel.selStart, 0, len);
    const int e = std::clamp(mModel.selStart + mModel.selLength, 0, len);
    if (c.selectionStart() != s || c.selectionEnd() != e) {
        c.setPosition(s);
        c.setPosition(e, QTextCursor::KeepAnchor);
        mLine->setTextCursor(c);
    }
    mLine->setFont(fixedFont());
    mActions.value(QStringLiteral("cut"))->setEnabled(mModel.cutEnabled);
    mActions.value(QStringLiteral("copy"))->setEnabled(mModel.copyEnabled);
    mActions.value(QStringLiteral("paste"))->setEnabled(mModel.pasteEnabled);
    mActions.value(QStringLiteral("bt.paste"))->setEnabled(mModel.btPasteEnabled);
    mSyncing = false;
}

void frmQslEditWindow::hideWindow()
{
    hide();
}

void frmQslEditWindow::showWindow()
{
    if (mModel.Tag == QLatin1String("0"))
        show();
}

void frmQslEditWindow::run()
{
    if (mModel.Tag != QLatin1String("0"))
        return;
    show();
    mLine->setFocus();
    mModel.renewCaption();
    refresh();
    if (mModel.Tag == QLatin1String("0"))
        mWait.run();
    hide();
}

void frmQslEditWindow::endIfDone()
{
    if (mModel.Tag != QLatin1String("0")) {
        if (mWait.running())
            mWait.end();
        else
            hide();
    }
}

void frmQslEditWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the close command: unsaved changes are asked about, and
    // Cancel keeps the window open.
    if (mModel.Tag == QLatin1String("0"))
        command(QStringLiteral("cancel"));
    if (mModel.Tag == QLatin1String("0"))
        event->ignore();
    else
        QWidget::closeEvent(event); // QDialog's would reject(), which Escape must not do
}

void frmQslEditWindow::reject()
{
    // Escape is a character of the line editor (it beeps), not a way out.
}

bool frmQslEditWindow::lineKeyPress(QKeyEvent* key)
{
    const int shift = shiftBits(key->modifiers());
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // One Enter stores a changed line and moves one row; Ctrl+Enter drops the
        // edit and reloads the line.
        if (ctrl)
            mModel.AktBT_KeyPress(10);
        else
            mModel.AktBT_KeyDown(13, shift);
        refresh();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int code = key->key() == Qt::Key_Up ? 38 : key->key() == Qt::Key_Down ? 40
                       : key->key() == Qt::Key_PageUp ? 33 : 34;
        syncSelection();
        mModel.AktBT_KeyDown(code, shift);
        refresh();
        return true;
    }
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
        return false;
    default:
        break;
    }
    // The clipboard keys of the box itself; a paste is cleaned when the key is up.
    if (ctrl && (key->key() == Qt::Key_V || key->key() == Qt::Key_C || key->key() == Qt::Key_X ||
                 key->key() == Qt::Key_A || key->key() == Qt::Key_Z || key->key() == Qt::Key_Insert))
        return false;
    if (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Left ||
        key->key() == Qt::Key_Right || key->key() == Qt::Key_Home || key->key() == Qt::Key_End)
        return false;
    int code = 0;
    if (ctrl && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
        code = key->key() - Qt::Key_A + 1;
    } else {
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        const QChar c = text.at(0);
        if (c.unicode() < 32) {
            code = c.unicode();
        } else {
            const QByteArray b = toAnsi(QString(c));
            code = (b.size() == 1 && (b[0] != '?' || c == u'?')) ? uchar(b[0]) : 0;
        }
    }
    syncSelection();
    // Key codes as the row moves know them: letters and digits keep theirs; any
    // other key must not pass for a page or arrow key ("!" is 33 in Qt).
    const int k = key->key();
    const int vbKey = (k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) ? k : 200;
    mModel.AktBT_KeyDown(vbKey, shift);
    switch (mModel.AktBT_KeyPress(code)) {
    case QslEditModel::Typed::Insert:
        return false;
    case QslEditModel::Typed::Pi:
        InsertPi(mLine);
        return true;
    case QslEditModel::Typed::Beep:
        QApplication::beep();
        refresh();
        return true;
    case QslEditModel::Typed::Drop:
        refresh();
        return true;
    }
    return true;
}

bool frmQslEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mLine && event->type() == QEvent::KeyPress) {
        if (lineKeyPress(static_cast<QKeyEvent*>(event)))
            return true;
    }
    if (watched == mLine && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Insert ? 45 : key->key() == Qt::Key_V ? 86 : 0;
        if (code != 0) {
            syncSelection();
            mModel.AktBT_KeyUp(code, shiftBits(key->modifiers()));
            refresh();
        }
    }
    if (watched == mGrid && event->type() == QEvent::FocusIn) {
        // The grid hands the focus on to the line editor, the caret at its end.
        if (isVisible()) {
            QTextCursor c = mLine->textCursor();
            c.movePosition(QTextCursor::End);
            mLine->setTextCursor(c);
            syncSelection();
            mLine->setFocus();
        }
    }
    if (watched == mGrid->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int r = mGrid->rowAt(int(mouse->position().y()));
            if (r >= 0) {
                mModel.BT_RightClick(r);
                refresh();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void registerQslEditWindow(QtInteraction& ui)
{
    registerModelWindow<frmQslEditWindow, QslEditModel>(ui, QuestionKind::QslEditor);
    QtInteraction* qt = &ui;
    ui.registerHandler(QuestionKind::QslPopup, [qt](const Question& q) {
        QMenu menu(qt->owner());
        menu.setFont(fixedFont());
        const QStringList& tags = paramsOf<PopupParams>(q).tags;
        QHash<QAction*, QString> tagOf;
        for (int i = 0; i < q.choices.size(); ++i)
            tagOf[menu.addAction(q.choices[i])] = tags.value(i);
        QAction* chosen = menu.exec(QCursor::pos());
        if (!chosen || !tagOf.contains(chosen))
            return Answer::cancel();
        return Answer::word(tagOf.value(chosen));
    });
}
