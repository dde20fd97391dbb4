#include "frame/frminfobox.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"
#include "frame/qtmodal.h"
#include "frame/restext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

frmInfoBox::frmInfoBox(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmInfoBox"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    const int dpi = logicalDpiY();
    mDesignWidth = int(std::lround(8535.0 * dpi / 1440));
    setFixedSize(mDesignWidth, int(std::lround(1980.0 * dpi / 1440)));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    Msg = new QLabel(this);
    Msg->setObjectName(QStringLiteral("Msg"));
    Msg1 = new QLabel(this);
    Msg1->setObjectName(QStringLiteral("Msg1"));
    Cnt = new QLabel(this);
    Cnt->setObjectName(QStringLiteral("Cnt"));
    CmBreak = new QPushButton(ResStr(1501, 0, prog().LangNr), this);
    CmBreak->setObjectName(QStringLiteral("CmBreak"));
    CmBreak->setAutoDefault(false);
    CmBreak->hide();
    connect(CmBreak, &QPushButton::clicked, this, [this] { mBreak = true; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Msg);
    layout->addWidget(Msg1);
    layout->addWidget(Cnt);
    layout->addWidget(CmBreak, 0, Qt::AlignHCenter);
    centre();
}

void frmInfoBox::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (CmBreak->isVisible())
        CmBreak->click();
}

void frmInfoBox::centre()
{
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->geometry().center());
        move(r.topLeft());
    }
}

void frmInfoBox::Begin(const QString& text, const QString& titel, bool cbreak)
{
    Msg->setText(text);
    setWindowTitle(titel);
    // A long title widens the box rather than being cut in its title bar.
    setFixedWidth(std::max(mDesignWidth, titleBarWidth(this, 900)));
    Cnt->clear();
    centre();
    CmBreak->setVisible(cbreak);
    mBreak = false;
    show();
    repaint();
}

void frmInfoBox::Counter(const QString& text)
{
    Cnt->setText(text);
    Cnt->repaint();
}

void frmInfoBox::EnableBreak(bool)
{
    CmBreak->show();
}

void frmInfoBox::Finish()
{
    // Unloaded: the next Begin finds the box as freshly loaded.
    hide();
    Msg->clear();
    Msg1->clear();
    Cnt->clear();
    CmBreak->hide();
    CmBreak->setText(ResStr(1501, 0, prog().LangNr));
}

void frmInfoBox::setMsg1(const QString& text)
{
    Msg1->setText(text);
    Msg1->repaint();
}

void frmInfoBox::setMsg(const QString& text)
{
    Msg->setText(text);
    Msg->repaint();
}

void frmInfoBox::setBreakCaption(const QString& text)
{
    CmBreak->setText(text);
}

void frmInfoBox::yield()
{
    QCoreApplication::processEvents();
}

void frmInfoBox::waitForBreak()
{
    if (mBreak)
        return;
    CmBreak->show();
    waitForSignal(CmBreak, &QPushButton::clicked, this);
}
