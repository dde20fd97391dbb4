#include "frame/frminfo.h"
#include "frame/inifile.h"
#include "frame/launcher.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace {

constexpr int PictureWidth = 800;
constexpr int PictureHeight = 576;

int px(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / 1440.0));
}

// The program's picture: its name and a failure-rate curve over the life of a
// device (early failures, useful life, wear-out).
QPixmap tarnPicture()
{
    QPixmap pm(PictureWidth, PictureHeight);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, PictureWidth, 110, QColor(0, 60, 120));
    QFont title(QStringLiteral("Arial"), 48, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, PictureWidth, 110), Qt::AlignCenter, QStringLiteral("TARN"));

    const QRect plot(110, 170, 580, 300);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    QPainterPath curve;
    curve.moveTo(plot.left() + 5, plot.top() + 20);
    curve.cubicTo(plot.left() + 60, plot.bottom() - 40, plot.left() + 120, plot.bottom() - 70,
                  plot.left() + 200, plot.bottom() - 70);
    curve.lineTo(plot.right() - 160, plot.bottom() - 70);
    curve.cubicTo(plot.right() - 80, plot.bottom() - 70, plot.right() - 30, plot.bottom() - 120,
                  plot.right() - 10, plot.top() + 20);
    p.setPen(QPen(QColor(200, 30, 30), 4));
    p.drawPath(curve);
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    p.drawText(QRect(plot.left() - 100, plot.top() - 40, 200, 30), Qt::AlignCenter, QString(QChar(0x03BB)) +
                                                                                       QStringLiteral(" [fit]"));
    p.drawText(QRect(plot.right() - 40, plot.bottom() + 5, 80, 30), Qt::AlignCenter, QStringLiteral("t"));
    p.setFont(QFont(QStringLiteral("Arial"), 16));
    p.drawText(QRect(0, plot.bottom() + 40, PictureWidth, 40), Qt::AlignCenter,
               QStringLiteral("YK 70412  \u00b7  MIL-HDBK-217F  \u00b7  MTBF"));
    return pm;
}

// The centre's picture, with its line in the interface language.
QPixmap centrePicture(bool german)
{
    QPixmap pm(PictureWidth, PictureHeight);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 110, 60));
    p.drawEllipse(QPoint(PictureWidth / 2, 220), 150, 150);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), 60, QFont::Bold));
    p.drawText(QRect(0, 70, PictureWidth, 300), Qt::AlignCenter, QStringLiteral("DLV"));
    p.setPen(QColor(0, 70, 40));
    p.setFont(QFont(QStringLiteral("Arial"), 22, QFont::Bold));
    p.drawText(QRect(0, 400, PictureWidth, 50), Qt::AlignCenter,
               german ? QStringLiteral("Zentrum für Qualität und Zuverlässigkeit")
                      : QStringLiteral("Centre for Quality and Reliability"));
    return pm;
}

QLabel* pictureBox(QWidget* parent, const char* name, const QPixmap& pm)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(pm);
    l->setGeometry(0, 0, PictureWidth, PictureHeight);
    return l;
}

} // namespace

frmInfo::frmInfo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    const int dpi = logicalDpiY();
    setFixedSize(std::max(PictureWidth, px(12000, dpi)), px(9495, dpi));

    TarnBild = pictureBox(this, "TarnBild", tarnPicture());
    QEBildD = pictureBox(this, "QEBildD", centrePicture(true));
    QEBildE = pictureBox(this, "QEBildE", centrePicture(false));
    const int left = (width() - PictureWidth) / 2;
    for (QLabel* l : {TarnBild, QEBildD, QEBildE})
        l->move(left, 0);

    const int top = px(8880, dpi);
    const int buttonHeight = std::max(24, height() - top - 8);
    cmdweb = new QPushButton(this);
    cmdweb->setObjectName(QStringLiteral("cmdweb"));
    cmdweb->setAutoDefault(false);
    cmdweb->setGeometry(px(240, dpi), top, px(4095, dpi), buttonHeight);
    cmdclose = new QPushButton(this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setGeometry(width() - px(240, dpi) - px(2175, dpi), top, px(2175, dpi), buttonHeight);
    cmdclose->setDefault(true);
    connect(cmdweb, &QPushButton::clicked, this, &frmInfo::webClicked);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::accept);
}

int frmInfo::showAbout(QWidget* owner, const QString& tag)
{
    frmInfo box(owner);
    box.setTag(tag);
    return box.exec();
}

void frmInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

QString frmInfo::iniTarget() const
{
    const QString key = mTag == QLatin1String("QE") ? QStringLiteral("WebSite") : QStringLiteral("HotlineMail");
    return GetProfileStr(QStringLiteral("fewe"), key, 128, prog().IniFile).trimmed();
}

void frmInfo::activate()
{
    if (QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->geometry().center());
        move(r.topLeft());
    }
    const int lang = prog().LangNr;
    cmdclose->setText(ResStr(1502, 0, lang));
    if (mTag == QLatin1String("TARN")) {
        cmdweb->setText(ResStr(1507, 0, lang));
        TarnBild->show();
        QEBildD->hide();
        QEBildE->hide();
    } else if (mTag == QLatin1String("QE")) {
        cmdweb->setText(ResStr(1506, 0, lang));
        QEBildD->setVisible(lang == 1);
        QEBildE->setVisible(lang != 1);
        TarnBild->hide();
    } else {
        return;
    }
    // A missing key reads "leer": that is no address to open.
    const QString target = iniTarget();
    cmdweb->setEnabled(!target.isEmpty() && target != Leer);
}

void frmInfo::webClicked()
{
    const QString target = iniTarget();
    if (target.isEmpty() || target == Leer)
        return;
    if (mTag == QLatin1String("QE"))
        launcher().openUrl(target);
    else if (mTag == QLatin1String("TARN"))
        launcher().openUrl(QStringLiteral("mailto:") + target);
}
