#include "component_file/frmratetables.h"
#include "frame/qtcaptions.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Alignment of the data of each column (the title cells are centred, but "Name Bac").
Qt::Alignment dataAlignment(int col)
{
    switch (col) {
    case 0: case 1: case 2: case 6: return Qt::AlignCenter;
    case 3: case 5: case 8: case 9: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

RateTableWindow::RateTableWindow(RateTableModel& model, bool editor, QWidget* owner)
    : QDialog(owner), mModel(model), mEdit(editor ? static_cast<AwsEditModel*>(&model) : nullptr)
{
    setObjectName(editor ? QStringLiteral("frmAWSedit") : QStringLiteral("frmYKedit"));
    setModal(false);
    const int offset = editor ? 1708 : 1765;
    setWindowTitle(editor ? QStringLiteral("0 AWS") : QStringLiteral("0 YK"));
    LoadCaption(this, offset);

    auto* top = new QVBoxLayout(this);
    mGrid = new QTableWidget(this);
    mGrid->setObjectName(editor ? QStringLiteral("gAws") : QStringLiteral("gYk"));
    mGrid->setColumnCount(RateTableModel::Cols);
    mGrid->setHorizontalHeaderLabels(mModel.titles);
    mGrid->verticalHeader()->hide();
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    mGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    const QFontMetrics fm(font());
    const int r = fm.horizontalAdvance(u'R');
    for (int c = 0; c < RateTableModel::Cols; ++c) {
        mGrid->setColumnWidth(c, (mModel.widthKeys[size_t(c)] + 1) * r + 2 * mGrid->lineWidth());
        if (QTableWidgetItem* h = mGrid->horizontalHeaderItem(c))
            h->setTextAlignment(c == 7 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    }
    mGrid->verticalHeader()->setDefaultSectionSize(qRound(1.2 * fm.height()));
    if (!editor) {
        // Nothing is selected visibly: every cell in the button face colour.
        QPalette p = mGrid->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        p.setColor(QPalette::Highlight, p.color(QPalette::Button));
        p.setColor(QPalette::HighlightedText, p.color(QPalette::ButtonText));
        mGrid->setPalette(p);
    }
    mGrid->installEventFilter(this);
    mGrid->viewport()->installEventFilter(this);
    top->addWidget(mGrid, 1);

    mStatus = new QLabel(this);
    mStatus->setObjectName(QStringLiteral("lblStatus"));
    top->addWidget(mStatus);

    auto* topRow = new QHBoxLayout;
    mGroup = new QComboBox(this);
    mGroup->setObjectName(QStringLiteral("cboGruppe"));
    mGroup->setEditable(true);
    mGroup->addItems(mModel.groups);
    topRow->addWidget(mGroup);
    const QStringList captions = editor ? QStringList{"1 #gr", "2 #save", "3 #can", "4 #load"}
                                        : QStringList{"1 #gr", "2 #can", "3 #load"};
    QList<QObject*> controls;
    for (const QString& c : captions) {
        auto* b = new QPushButton(c, this);
        b->setAutoDefault(false);
        mCmd << b;
        controls << b;
        topRow->addWidget(b);
    }
    LoadCaptions(controls, offset);
    for (QPushButton* b : std::as_const(mCmd)) {
        const QString key = b->property("tag").toString();
        b->setObjectName(QStringLiteral("cmd_") + key);
        connect(b, &QPushButton::clicked, this, [this, key] { command(key); });
    }
    top->addLayout(topRow);

    connect(mGroup, &QComboBox::editTextChanged, this, [this](const QString& t) {
        if (!mSyncing)
            mModel.groupText = t;
    });
    connect(mGrid, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (mSyncing || row < 0)
            return;
        if (mEdit) {
            // Only AR min and AR max can become current.
            if (col < RateTableModel::ColArmin) {
                mSyncing = true;
                mGrid->setCurrentCell(row, RateTableModel::ColArmin);
                mSyncing = false;
                col = RateTableModel::ColArmin;
            }
            mEdit->cellMoved(row + 1, col);
        }
    });
    connect(mGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (mSyncing)
            return;
        if (mEdit) {
            mEdit->scroll(v + 1);
            refresh();
        } else {
            mModel.TopRow = v + 1;
        }
    });
    mModel.statusShown = [this] {
        mStatus->setText(mModel.status);
        mStatus->repaint();
    };
    resize(900, 560);
    refresh();
}

QPushButton* RateTableWindow::button(const QString& key) const
{
    for (QPushButton* b : mCmd)
        if (b->property("tag").toString() == key)
            return b;
    return nullptr;
}

void RateTableWindow::refresh()
{
    mSyncing = true;
    mStatus->setText(mModel.status);
    if (mGroup->currentText() != mModel.groupText)
        mGroup->setEditText(mModel.groupText);
    const int n = mModel.rowCount();
    if (mGrid->rowCount() != n)
        mGrid->setRowCount(n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 0; c < RateTableModel::Cols; ++c) {
            QTableWidgetItem* it = mGrid->item(r - 1, c);
            if (!it) {
                it = new QTableWidgetItem;
                it->setTextAlignment(mEdit || c >= RateTableModel::ColArmin ? dataAlignment(c)
                                                                             : Qt::AlignLeft | Qt::AlignVCenter);
                if (mEdit && c < RateTableModel::ColArmin) {
                    it->setFlags(Qt::ItemIsEnabled);
                    it->setBackground(palette().color(QPalette::Button));
                    it->setForeground(palette().color(QPalette::ButtonText));
                }
                mGrid->setItem(r - 1, c, it);
            }
            if (it->text() != mModel.cell(r, c))
                it->setText(mModel.cell(r, c));
        }
    }
    if (mEdit && n > 0)
        mGrid->setCurrentCell(mModel.Row - 1, mModel.Col);
    mGrid->verticalScrollBar()->setValue(mModel.TopRow - 1);
    mSyncing = false;
}

void RateTableWindow::command(const QString& key)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (mEdit)
        mEdit->cmdClick(key);
    else
        static_cast<YkViewModel&>(mModel).MenuYK(key, false);
    QApplication::restoreOverrideCursor();
    refresh();
    endIfDone();
}

void RateTableWindow::endIfDone()
{
    if (mModel.Tag == QLatin1String("1"))
        mWait.end();
}

void RateTableWindow::run()
{
    show();
    mGrid->setFocus();
    if (mModel.Tag == QLatin1String("1"))
        return;
    mWait.run();
    hide();
}

void RateTableWindow::reject()
{
    if (!button(QStringLiteral("can")))
        return;
    command(QStringLiteral("can"));
}

void RateTableWindow::closeEvent(QCloseEvent* event)
{
    // The close box is the close button: unsaved edits of the user list are
    // offered for saving first, and a refused save keeps the window open.
    if (mModel.Tag != QLatin1String("1"))
        command(QStringLiteral("can"));
    if (mModel.Tag == QLatin1String("1"))
        event->accept();
    else
        event->ignore();
}

void RateTableWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitPage();
}

void RateTableWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitPage();
}

void RateTableWindow::fitPage()
{
    const int h = mGrid->verticalHeader()->defaultSectionSize();
    if (h > 0)
        mModel.SeitenZeilen = std::max(1, mGrid->viewport()->height() / h);
}

bool RateTableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!mEdit)
        return QDialog::eventFilter(watched, event); // the viewer changes nothing
    if (watched == mGrid->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QModelIndex ix = mGrid->indexAt(me->position().toPoint());
        // The fixed columns take no click; AR min and AR max do.
        if (ix.isValid() && ix.column() >= RateTableModel::ColArmin) {
            mEdit->click(ix.row() + 1, ix.column());
            refresh();
        }
        return true;
    }
    if (watched == mGrid && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        int code = 0;
        switch (ke->key()) {
        case Qt::Key_Delete: code = AwsEditModel::KeyDelete; break;
        case Qt::Key_PageUp: code = AwsEditModel::KeyPageUp; break;
        case Qt::Key_PageDown: code = AwsEditModel::KeyPageDown; break;
        case Qt::Key_End: code = AwsEditModel::KeyEnd; break;
        case Qt::Key_Home: code = AwsEditModel::KeyHome; break;
        case Qt::Key_Left: code = AwsEditModel::KeyLeft; break;
        case Qt::Key_Up: code = AwsEditModel::KeyUp; break;
        case Qt::Key_Right: code = AwsEditModel::KeyRight; break;
        case Qt::Key_Down: code = AwsEditModel::KeyDown; break;
        default: break;
        }
        if (code != 0) {
            const bool pass = mEdit->keyDown(code);
            refresh();
            return !pass;
        }
        QChar c;
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            c = QChar(13);
        else if (ke->key() == Qt::Key_Escape && !mEdit->EditAktiv)
            return QDialog::eventFilter(watched, event); // the window's cancel
        else if (ke->key() == Qt::Key_Escape)
            c = QChar(27);
        else if (ke->key() == Qt::Key_Backspace)
            c = QChar(8);
        else if (!ke->text().isEmpty())
            c = ke->text().at(0);
        else
            return QDialog::eventFilter(watched, event);
        mEdit->keyPress(c);
        refresh();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void registerRateTableWindows(QtInteraction& ui)
{
    QtInteraction* qt = &ui;
    for (const QuestionKind kind : {QuestionKind::RateTableEdit, QuestionKind::RateTableView}) {
        const bool editor = kind == QuestionKind::RateTableEdit;
        ui.registerHandler(kind, [qt, editor](const Question& q) {
            RateTableModel* model = modelOf<RateTableModel>(q);
            if (!model)
                return Answer::cancel();
            RateTableWindow window(*model, editor, qt->owner());
            window.run();
            Answer a;
            a.applied = true;
            return a;
        });
    }
}
