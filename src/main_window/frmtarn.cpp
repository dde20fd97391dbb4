#include "main_window/frmtarn.h"
#include "frame/frminfo.h"
#include "main_window/frmkonfiguration.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"
#include "frame/restext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionOffset = 1557;

// The start picture: drawn, not loaded, so the installation needs no bitmap.
QPixmap startPicture()
{
    QPixmap pm(800, 576);
    pm.fill(QColor(0, 0, 128));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont big(QStringLiteral("Arial"), 72, QFont::Bold);
    p.setFont(big);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(0, 140, 800, 140), Qt::AlignCenter, QStringLiteral("TARN"));
    QFont small(QStringLiteral("Arial"), 18);
    p.setFont(small);
    p.setPen(QColor(200, 210, 255));
    p.drawText(QRect(0, 300, 800, 40), Qt::AlignCenter,
               prog().LangNr == 2 ? QStringLiteral("Reliability prediction of electronic equipment")
                                  : QStringLiteral("Zuverlässigkeitsprognose elektronischer Baugruppen"));
    // A bathtub curve as a reminder of what failure rates are about.
    p.setPen(QPen(QColor(255, 200, 0), 4));
    QPainterPath curve;
    curve.moveTo(150, 380);
    curve.cubicTo(200, 520, 260, 500, 400, 500);
    curve.cubicTo(540, 500, 600, 520, 650, 380);
    p.drawPath(curve);
    return pm;
}

QString localized(const QString& designCaption)
{
    const DesignCaption d = parseDesignCaption(designCaption);
    if (!d.numbered)
        return designCaption;
    return ResStr(kCaptionOffset, d.number, prog().LangNr).trimmed();
}
} // namespace

frmTARN::frmTARN(QWidget* parent) : QMainWindow(parent), mDispatcher(*this)
{
    setObjectName(QStringLiteral("frmTARN"));
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette pal = central->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    central->setPalette(pal);
    auto* layout = new QVBoxLayout(central);
    mPicture = new QLabel(central);
    mPicture->setPixmap(startPicture());
    mPicture->setAlignment(Qt::AlignCenter);
    layout->addWidget(mPicture);
    setCentralWidget(central);
    mStatus = new QLabel(this);
    mStatus->setFont(QFont(QStringLiteral("Arial"), 9));
    statusBar()->addWidget(mStatus, 1);

    buildMenus();
    MMenuIni();
    mStatusText = QStringLiteral("   ") + ResText(QStringLiteral("172"), prog().LangNr, true);
    mStatus->setText(mStatusText);
    prog().MenuRunning = false;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->availableGeometry();
        setGeometry(g.x(), g.y() + g.height() * 4 / 100, g.width(), g.height() * 92 / 100);
    }
}

void frmTARN::buildMenus()
{
    QMap<int, QMenu*> arrays; // item array -> its menu
    auto addCommand = [this](QAction* a, const QString& key, const QString& designCaption) {
        connect(a, &QAction::triggered, this, [this, key] { mDispatcher.MenuTARN(key); });
        mActions.insert(key, a);
        mDesignCaptions.insert(a, designCaption);
    };
    for (const MenuEntry& e : menuTree()) {
        const DesignCaption d = parseDesignCaption(e.designCaption);
        if (e.array == 0) {
            if (e.submenu < 0) {
                // A command standing on the menu bar itself ("calc.bt").
                QAction* a = menuBar()->addAction(e.designCaption);
                addCommand(a, d.key, e.designCaption);
                mBarActions << a;
            } else {
                QMenu* m = menuBar()->addMenu(e.designCaption);
                mDesignCaptions.insert(m->menuAction(), e.designCaption);
                mBarActions << m->menuAction();
                arrays.insert(e.submenu, m);
            }
            continue;
        }
        QMenu* target = arrays.value(e.array);
        if (e.designCaption == QLatin1String("-")) {
            target->addSeparator();
        } else if (e.submenu > 0) {
            // A submenu title carries its number as key and runs the protocol like any item.
            QMenu* sub = target->addMenu(e.designCaption);
            arrays.insert(e.submenu, sub);
            addCommand(sub->menuAction(), d.key, e.designCaption);
        } else {
            QAction* a = target->addAction(e.designCaption);
            if (!e.shortcut.isEmpty())
                a->setShortcut(QKeySequence(e.shortcut));
            addCommand(a, d.key, e.designCaption);
        }
    }
}

void frmTARN::MMenuIni()
{
    ErrPtnr::CallStack(QStringLiteral("[frmTARN] Private Sub MMenuIni(IniDir$)"));
    ErrPtnr::CallStackParam(QStringLiteral("IniDir"), prog().LangDir);
    // Standard buttons and file dialogs speak the interface language.
    installQtTranslations(prog().LangNr);
    setWindowTitle(ExpandText(ResStr(kCaptionOffset, 0, prog().LangNr)));
    for (auto it = mDesignCaptions.constBegin(); it != mDesignCaptions.constEnd(); ++it)
        it.key()->setText(localized(it.value()));
}

bool frmTARN::pictureVisible() const
{
    return !mPicture->isHidden();
}

void frmTARN::setMenusEnabled(bool enabled)
{
    for (QAction* a : mBarActions)
        a->setEnabled(enabled);
}

void frmTARN::setStatusLine(const QString& text)
{
    mStatus->setText(text);
}

void frmTARN::hidePicture()
{
    mPicture->hide();
}

void frmTARN::focusMain()
{
    activateWindow();
    if (!prog().MenuRunning)
        mStatus->setText(mStatusText);
}

void frmTARN::showConfiguration()
{
    frmKonfiguration::Show0(this);
}

void frmTARN::relocalize()
{
    MMenuIni();
    mStatusText = QStringLiteral("   ") + ResText(QStringLiteral("172"), prog().LangNr, true);
}

void frmTARN::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void frmTARN::showAbout(const QString& tag)
{
    frmInfo::showAbout(this, tag);
}

void frmTARN::closeEvent(QCloseEvent* event)
{
    // Closing is refused while a command runs.
    if (mDispatcher.menuBusy()) {
        event->ignore();
        return;
    }
    ErrPtnr::CallStack(QStringLiteral("[frmTARN] Private Sub Form_Unload(Cancel As Integer)"));
    ErrPtnr::CallStackParam(QStringLiteral("Cancel"), 0);
    event->accept();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
}

void frmTARN::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = windowState() & Qt::WindowMinimized;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w == this || !w->isVisible())
                continue;
            if (minimized)
                w->showMinimized();
            else if (mWasMinimized)
                w->showNormal();
        }
        if (minimized)
            mWasMinimized = true;
    }
    QMainWindow::changeEvent(event);
}
