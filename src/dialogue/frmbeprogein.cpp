#include "dialogue/frmbeprogein.h"
#include "dialogue/beprogein.h"
#include "frame/qtinteraction.h"
#include "frame/qtmodal.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <cmath>

using frmBEProgEin::HeadingBox;
using frmBEProgEin::MenuLabel;
using frmBEProgEin::State;

namespace {

// The window is laid out in twips, as its menus are; the screen has 15 twips
// to a pixel.
int px(double twips)
{
    return int(std::lround(twips / 15.0));
}

QFont windowFont(bool bold = false, double size = 8.25)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

// A row caption as the label shows it: blanks kept, and the letter behind "&"
// underlined as the hot key of Help, Back and Cancel.
QString labelText(const QString& caption)
{
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&' && i + 1 < caption.size()) {
            html += QStringLiteral("<u>") + QString(caption.at(++i)).toHtmlEscaped() + QStringLiteral("</u>");
        } else if (c == u' ') {
            html += QStringLiteral("&nbsp;");
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}

QPointer<frmBEProgEinWindow>& currentWindow()
{
    static QPointer<frmBEProgEinWindow> window;
    return window;
}

} // namespace

frmBEProgEinWindow::frmBEProgEinWindow(State& state, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), mState(state), mMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmBEProgEin"));
    setFont(windowFont());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    mArea = new QScrollArea(this);
    mArea->setFrameShape(QFrame::NoFrame);
    mArea->setWidgetResizable(false);
    mArea->viewport()->setAutoFillBackground(false);
    mArea->setFocusPolicy(Qt::NoFocus);
    mCanvas = new QWidget;
    mCanvas->setMouseTracking(true);
    mCanvas->installEventFilter(this);
    mArea->setWidget(mCanvas);

    for (QTableWidget** p : {&mPanel1, &mPanel2}) {
        auto* t = new QTableWidget(frmBEProgEin::PanelRows, 1, this);
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::NoSelection);
        t->setFocusPolicy(Qt::NoFocus);
        t->setMouseTracking(true);
        t->viewport()->installEventFilter(this);
        *p = t;
    }

    mSelbox = new QListWidget(mCanvas);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSizeF(9.75);
    mSelbox->setFont(courier);
    mSelbox->hide();
    mSelbox->setEnabled(false);
    mSelbox->installEventFilter(this);
    mSelbox->viewport()->installEventFilter(this);

    placeWindow();
    refresh();
}

QLabel* frmBEProgEinWindow::headingBox(int index) const
{
    for (QLabel* l : mHeadings)
        if (l->property("box").toInt() == index)
            return l;
    return nullptr;
}

void frmBEProgEinWindow::placeWindow()
{
    QRect main(0, 0, 1000, 700);
    if (mMainWindow)
        main = mMainWindow->geometry();
    const int W = main.width(), H = main.height(), T = main.top();
    if (mState.smallSize) {
        const int w = int(0.7 * W), h = int(0.7 * H);
        setGeometry((W - w) / 2, T + int(0.15 * H), w, h);
    } else {
        const int w = int(0.98 * W), h = int(0.95 * H);
        setGeometry((W - w) / 2, T + int(0.035 * H), w, h);
    }
    mSmallApplied = mState.smallSize;
    placePanels();
}

void frmBEProgEinWindow::placePanels()
{
    const int w = width(), h = height();
    const int pw = int(0.15 * w), ph = int(0.46 * h);
    const int left = int(0.99 * w) - pw;
    const int top1 = int(0.035 * h);
    mPanel1->setGeometry(left, top1, pw, ph);
    mPanel2->setGeometry(left, top1 + ph + int(0.005 * h), pw, ph);
    for (QTableWidget* t : {mPanel1, mPanel2}) {
        t->setColumnWidth(0, pw);
        t->verticalHeader()->setDefaultSectionSize(std::max(12, (ph - 4) / frmBEProgEin::PanelRows));
    }
    const bool panels = !mState.smallSize;
    mPanel1->setVisible(panels);
    mPanel2->setVisible(panels);
    mArea->setGeometry(0, 0, panels ? left - 4 : w, h);
}

void frmBEProgEinWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePanels();
}

void frmBEProgEinWindow::refresh()
{
    if (mSmallApplied != mState.smallSize)
        placeWindow();
    if (!mState.caption.isEmpty())
        setWindowTitle(mState.caption);

    // Side panels.
    for (int t = 1; t <= 2; ++t) {
        QTableWidget* table = panel(t);
        const QStringList& rows = mState.QbSdTxt[t];
        table->setRowCount(std::max<int>(frmBEProgEin::PanelRows, int(rows.size())));
        for (int r = 0; r < table->rowCount(); ++r)
            table->setItem(r, 0, new QTableWidgetItem(rows.value(r)));
    }

    // Heading boxes.
    qDeleteAll(mHeadings);
    mHeadings.clear();
    for (const auto& [index, box] : mState.Vortext) {
        if (!box.visible || box.text.isEmpty())
            continue;
        auto* l = new QLabel(box.text, mCanvas);
        l->setProperty("box", index);
        l->setFont(windowFont(box.bold, box.fontSize == 8 ? 8.25 : box.fontSize));
        l->setFrameShape(QFrame::Box);
        const QFontMetricsF fm(l->font());
        l->setGeometry(px(box.left), px(box.top), int(std::ceil(fm.horizontalAdvance(box.text))) + 6,
                       int(std::ceil(fm.height() * 1.2)));
        l->setMouseTracking(true);
        l->installEventFilter(this);
        l->show();
        mHeadings << l;
    }

    // The designation list sits under its heading.
    if (mState.selboxVisible) {
        const QLabel* head = headingBox(0);
        const int top = head ? head->geometry().bottom() + 8 : 40;
        mSelbox->setGeometry(px(240), top, std::max(300, mArea->width() / 2), std::max(120, mArea->height() / 2));
        mSelbox->clear();
        mSelbox->addItems(mState.Selbox);
        mSelbox->setCurrentRow(-1);
        mSelbox->show();
        mSelbox->setEnabled(true);
    } else {
        mSelbox->clear();
        mSelbox->hide();
        mSelbox->setEnabled(false);
    }

    layoutColumns();
}

void frmBEProgEinWindow::layoutColumns()
{
    auto sync = [this](QList<QLabel*>& labels, const std::vector<MenuLabel>& model, int column) {
        while (labels.size() > int(model.size()))
            delete labels.takeLast();
        while (labels.size() < int(model.size())) {
            auto* l = new QLabel(mCanvas);
            l->setProperty("row", int(labels.size()));
            l->setProperty("column", column);
            l->setAutoFillBackground(true);
            l->setMouseTracking(true);
            l->installEventFilter(this);
            labels << l;
        }
        for (int i = 0; i < labels.size(); ++i) {
            const MenuLabel& m = model[i];
            QLabel* l = labels[i];
            l->setProperty("caption", m.caption);
            l->setTextFormat(Qt::RichText);
            l->setText(labelText(m.caption));
            l->setFont(windowFont(m.bold));
            l->setVisible(m.visible);
        }
    };
    sync(mMenu, mState.Menu, 0);
    sync(mMenu1, mState.Menu1, 1);

    // The column is as wide as its widest caption plus five blanks, the title
    // measured in bold.
    auto widthOf = [](const QList<QLabel*>& labels, const QString& pad) {
        double w = 0;
        for (int i = 1; i < labels.size(); ++i)
            if (!labels[i]->property("caption").toString().isEmpty())
                w = std::max(w, QFontMetricsF(windowFont(i == 1)).horizontalAdvance(labels[i]->property("caption").toString() + pad));
        return int(std::ceil(w));
    };
    const bool twoColumns = mState.Spalte2;
    const int leftWidth = widthOf(mMenu, twoColumns ? QStringLiteral("  ") : QStringLiteral("     "));
    const int rightWidth = twoColumns ? widthOf(mMenu1, QStringLiteral("     ")) : 0;
    int bottom = 0, right = 0;
    for (int i = 0; i < mMenu.size(); ++i) {
        const MenuLabel& m = mState.Menu[i];
        mMenu[i]->setGeometry(px(m.left), px(m.top), leftWidth, px(m.height));
        if (twoColumns && i < mMenu1.size()) {
            mMenu1[i]->setGeometry(px(m.left) + leftWidth, px(m.top), rightWidth, px(m.height));
            mMenu1[i]->setVisible(mState.Menu1[i].visible);
        } else if (i < mMenu1.size()) {
            mMenu1[i]->hide();
        }
        if (m.visible) {
            bottom = std::max(bottom, px(m.top + m.height));
            right = std::max(right, px(m.left) + leftWidth + rightWidth);
        }
    }
    for (QLabel* h : mHeadings) {
        bottom = std::max(bottom, h->geometry().bottom());
        right = std::max(right, h->geometry().right());
    }
    if (mSelbox->isVisible()) {
        bottom = std::max(bottom, mSelbox->geometry().bottom());
        right = std::max(right, mSelbox->geometry().right());
    }
    // Long menus scroll rather than run off the window.
    mCanvas->resize(std::max(right + 20, mArea->width() - 2), std::max(bottom + 20, mArea->height() - 2));
    mKeyRow = 0;
    highlight(0);
}

void frmBEProgEinWindow::highlight(int row)
{
    const QColor normal = palette().color(QPalette::Button);
    const QColor lit = palette().color(QPalette::Highlight);
    for (int i = 0; i < mMenu.size(); ++i) {
        const bool on = row >= 3 && i == row && i <= mState.ZeilenAnz;
        for (QLabel* l : {mMenu.value(i), mState.Spalte2 ? mMenu1.value(i) : nullptr}) {
            if (!l)
                continue;
            QPalette p = l->palette();
            p.setColor(QPalette::Window, i == 0 ? palette().color(QPalette::Window) : on ? lit : normal);
            p.setColor(QPalette::WindowText, on ? palette().color(QPalette::HighlightedText)
                                                : palette().color(QPalette::ButtonText));
            l->setPalette(p);
        }
    }
}

void frmBEProgEinWindow::checkChoice()
{
    if (mState.Tag != QLatin1String("0"))
        emit choiceMade();
}

void frmBEProgEinWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        mState.escapePressed();
        checkChoice();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (mState.TastWarten) {
            const int row = mState.nextChoosableRow(mKeyRow, event->key() == Qt::Key_Down ? 1 : -1);
            if (row >= 0) {
                mKeyRow = row;
                highlight(row);
            }
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mState.TastWarten && mState.choosable(mKeyRow)) {
            mState.Menu_Click(mKeyRow);
            checkChoice();
        }
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint()) {
        mState.Form_KeyPress(text.at(0));
        checkChoice();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmBEProgEinWindow::closeEvent(QCloseEvent* event)
{
    // Only the program unloads the window (it deletes it, without closing).
    // The close box does what Escape does: it leaves the designation list, or
    // chooses the menu's Cancel (or Back) row.
    event->ignore();
    if (mSelbox->isVisible()) {
        mSelectionCancelled = true;
        emit selectionMade();
        return;
    }
    mState.escapePressed();
    checkChoice();
}

bool frmBEProgEinWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (mSelbox && (watched == mSelbox || watched == mSelbox->viewport())) {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (key == Qt::Key_Escape) {
            // Escape leaves the list without a designation, as the menus' Cancel does.
            mSelectionCancelled = true;
            emit selectionMade();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            mState.Selbox_KeyPress(13);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // Let the list select the item under the mouse first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    mState.Selbox_MouseUp();
                    mState.selboxIndex = mSelbox->currentRow();
                    emit selectionMade();
                },
                Qt::QueuedConnection);
            return false;
        } else {
            return false;
        }
        mState.selboxIndex = mSelbox->currentRow();
        emit selectionMade();
        return true;
    }
    auto* label = qobject_cast<QLabel*>(watched);
    const bool isRow = label && label->property("row").isValid();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (isRow) {
            mState.Menu_Click(label->property("row").toInt());
            checkChoice();
            return true;
        }
        break;
    case QEvent::MouseMove:
        // Leaving the column (onto the window, a panel or a heading) clears the
        // highlight. The row under the mouse is also the one Enter chooses.
        mKeyRow = isRow ? label->property("row").toInt() : 0;
        highlight(mKeyRow);
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmBEProgEinWindow::waitForChoice()
{
    if (mState.Tag != QLatin1String("0"))
        return;
    activateWindow();
    setFocus();
    waitForSignal(this, &frmBEProgEinWindow::choiceMade, this);
}

void frmBEProgEinWindow::waitForSelection()
{
    mSelectionCancelled = false;
    activateWindow();
    mSelbox->setFocus();
    waitForSignal(this, &frmBEProgEinWindow::selectionMade, this);
}

frmBEProgEinWindow* selectionMenuWindow()
{
    return currentWindow().data();
}

void registerSelectionMenuWindows(QtInteraction& ui)
{
    QtInteraction* qt = &ui;
    auto ensure = [qt](const Question& q) {
        QPointer<frmBEProgEinWindow>& w = currentWindow();
        if (!w) {
            State& s = requireModel<State>(q);
            QWidget* owner = qobject_cast<QWidget*>(s.owner);
            w = new frmBEProgEinWindow(s, owner ? owner : qt->owner());
            w->setAttribute(Qt::WA_DeleteOnClose);
        }
        w->refresh();
        w->show();
        return w.data();
    };
    ui.registerHandler(QuestionKind::MenuWindow, [ensure](const Question& q) {
        if (q.key == QLatin1String("unload")) {
            if (QPointer<frmBEProgEinWindow>& w = currentWindow())
                w->deleteLater(), w = nullptr;
        } else if (q.key == QLatin1String("load") || currentWindow()) {
            ensure(q);
        }
        return Answer();
    });
    ui.registerHandler(QuestionKind::Menu, [ensure](const Question& q) {
        QPointer<frmBEProgEinWindow> w = ensure(q);
        w->waitForChoice();
        if (!w)
            return Answer::cancel(); // the window went away with the program
        Answer a;
        a.applied = true;
        return a;
    });
    ui.registerHandler(QuestionKind::Selection, [ensure](const Question& q) {
        if (requireModel<State>(q).Selbox.isEmpty())
            return Answer::cancel();
        QPointer<frmBEProgEinWindow> w = ensure(q);
        w->waitForSelection();
        if (!w || w->selectionCancelled())
            return Answer::cancel();
        Answer a;
        a.applied = true;
        return a;
    });
}
