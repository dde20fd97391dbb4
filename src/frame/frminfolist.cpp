#include "frame/frminfolist.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"
#include "frame/restext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <cmath>

namespace {
int twipsToPixels(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / 1440.0));
}
} // namespace

frmInfoList::frmInfoList(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmInfoList"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    const int dpi = logicalDpiY();
    mDesignWidth = twipsToPixels(6570, dpi);
    setFixedSize(mDesignWidth, twipsToPixels(7725, dpi));

    TT = new QTableWidget(this);
    TT->setObjectName(QStringLiteral("TT"));
    TT->setColumnCount(1);
    TT->horizontalHeader()->hide();
    TT->verticalHeader()->hide();
    TT->setShowGrid(false);
    TT->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TT->setSelectionMode(QAbstractItemView::NoSelection);
    TT->setFocusPolicy(Qt::NoFocus);
    TT->setGeometry(0, 0, twipsToPixels(6495, dpi), twipsToPixels(7095, dpi));
    TT->setColumnWidth(0, TT->width());

    cmdWait = new QPushButton(this);
    cmdWait->setObjectName(QStringLiteral("cmdWait"));
    const int top = TT->height() + 6;
    cmdWait->setGeometry((width() - 160) / 2, top, 160, height() - top - 6);
    cmdWait->hide();
    connect(cmdWait, &QPushButton::clicked, this, &frmInfoList::buttonClicked);

    // The row height follows the font; the ring gets as many rows as fit.
    const int rowHeight = std::max(1, int(std::lround(1.2 * fontMetrics().height())));
    TT->verticalHeader()->setMinimumSectionSize(1);
    TT->verticalHeader()->setDefaultSectionSize(rowHeight);
    mRing.setFitRow(std::max(0, TT->height() / rowHeight - 1));
    mRing.reset();
    render();
}

frmInfoList::~frmInfoList()
{
    mWait.end();
}

void frmInfoList::render()
{
    const QStringList& rows = mRing.rows();
    if (TT->rowCount() != rows.size())
        TT->setRowCount(int(rows.size()));
    const QBrush plain = palette().brush(QPalette::Button);
    const QBrush newest(QColor(224, 224, 224));
    for (int r = 0; r < rows.size(); ++r) {
        QTableWidgetItem* item = TT->item(r, 0);
        if (!item) {
            item = new QTableWidgetItem;
            TT->setItem(r, 0, item);
        }
        if (item->text() != rows[r])
            item->setText(rows[r]);
        item->setBackground(mRing.shaded(r) ? newest : plain);
    }
}

void frmInfoList::yield()
{
    // Lets the user's click on the cancel button arrive while the run goes on.
    QCoreApplication::processEvents();
}

void frmInfoList::Add(const QString& text)
{
    mRing.add(text);
    render();
    yield();
}

void frmInfoList::Begin(const QString& titel)
{
    setWindowTitle(titel.isEmpty() ? ExpandText(QStringLiteral("TARN @V")) : titel);
    // A long title widens the list rather than being cut in its title bar.
    const int wide = std::max(mDesignWidth, titleBarWidth(this, 900));
    if (width() != wide) {
        setFixedWidth(wide);
        TT->setFixedWidth(wide - (mDesignWidth - TT->width()));
        TT->setColumnWidth(0, TT->width());
        cmdWait->move((wide - cmdWait->width()) / 2, cmdWait->y());
    }
    mPressed = 0;
    show();
    if (QScreen* s = screen())
        move(s->geometry().right() + 1 - frameGeometry().width(), s->geometry().top());
    setFixedPitch(false);
    Clear(true);
    repaint();
}

void frmInfoList::setFixedPitch(bool on)
{
    QFont f = font();
    if (on) {
        f = QFont(QStringLiteral("Courier New"), 9);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    TT->setFont(f);
}

void frmInfoList::Clear(bool auchFixed)
{
    mRing.clear(auchFixed);
    render();
    repaint();
}

void frmInfoList::Finish()
{
    mWait.end();
    hide();
    // Unloaded: the next use starts like a freshly loaded window.
    mPressed = 0;
    mTag.clear();
    cmdWait->hide();
    mRing.reset();
    render();
}

void frmInfoList::FixLines(int lines)
{
    mRing.fixLines(lines);
}

void frmInfoList::Update(const QString& text, bool zeilevor)
{
    if (mRing.update(text))
        render();
    if (zeilevor)
        Add(QString());
    else
        yield();
}

QVariant frmInfoList::Wait(const QVariant& aufwas, bool autoSchliessen)
{
    const WaitKind kind = waitKindOf(aufwas);
    QString caption;
    switch (kind) {
    case WaitKind::Text: caption = aufwas.toString(); mTag = QStringLiteral("1"); break;
    case WaitKind::Ok: caption = QStringLiteral("&Ok"); mTag = QStringLiteral("1"); break;
    case WaitKind::Cancel: caption = ResStr(1501, 0, prog().LangNr); mTag = QStringLiteral("2"); break;
    case WaitKind::Hide: cmdWait->hide(); return QVariant();
    case WaitKind::OtherInt: mTag = QStringLiteral("0"); return 0;
    case WaitKind::Other: return 0;
    }
    mRing.settle();
    render();
    cmdWait->setText(caption);
    cmdWait->show();
    raise();
    activateWindow();
    if (kind == WaitKind::Cancel)
        return QVariant();

    mPressed = 0;
    if (isVisible())
        mWait.run();
    cmdWait->hide();
    const QString result = mPressed != 0 ? mTag : QString();
    if (autoSchliessen)
        Finish();
    return result;
}

void frmInfoList::buttonClicked()
{
    mPressed = 1;
    if (mTag == QLatin1String("2"))
        cmdWait->hide();
    mWait.end();
}

void frmInfoList::closeEvent(QCloseEvent* event)
{
    // Only Finish closes the list; the run still writes to it. While the list
    // shows its button (Ok or Cancel), the close box does what the button does.
    event->ignore();
    if (cmdWait->isVisible())
        buttonClicked();
}
