#include "prediction/ausgabewahl.h"
#include "frame/workslots.h"
#include "dialogue/dia.h"
#include "frame/instancelock.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/runparams.h"

namespace {

QString paraFile()
{
    return prog().LangDir + QStringLiteral("qsl\\para");
}

bool toggleOn(const QString& startBis, int i)
{
    // Toggles of a group of alternatives are preset with a leading "@".
    return GetParam(startBis, QString::number(i)).remove(u'@') == QLatin1String("1");
}

// "0" x length with the digit i at position i for every toggle i that is on.
QString digits(const QString& startBis, int length)
{
    QString s(length, u'0');
    for (int i = 1; i <= length; ++i)
        if (toggleOn(startBis, i))
            s[i - 1] = QChar(u'0' + i);
    return s;
}

void screen(const QString& chapter, QString& startBis, QString& Ret, QString& kz)
{
    DiaDIN(paraFile(), chapter, kz, startBis, diaFields(), Ret);
}

} // namespace

void AusgabeWahl(QString& Ret, bool MErgDat)
{
    Program& p = prog();
    QString& sy = SyPar();
    QStringList& f = diaFields();
    Ret.clear();
    for (QString& t : f)
        t.clear();
    QString kz;

    // Printed sections.
    QString startBis = QStringLiteral("1=1,2=1,3=1,4=0,5=0,6=0,7=0,8=0");
    screen(QStringLiteral("teil"), startBis, Ret, kz);
    const QString qpdr = digits(startBis, 8);
    sy += QStringLiteral(",Qpdr=") + qpdr;

    // The section of the calculation files writes into the second scratch
    // directory, which must then be the program's own relative one.
    // (With another copy of the installation running, this copy's own folder.)
    if (qpdr[6] == u'7') {
        const QString tp2 = instanceLock() ? instanceLock()->tp2() : QStringLiteral("tp2");
        p.WorkStr[Slot::Tp2] = tp2;
        SetParam(p.Cf, QStringLiteral("Tp2"), tp2);
    }

    if (qpdr[5] == u'6') {
        f[0] = QStringLiteral("5");
        startBis.clear();
        screen(QStringLiteral("prozqs"), startBis, Ret, kz);
        sy += QStringLiteral(",Qs%=") + f[0];
    }
    if (qpdr[3] == u'4') {
        f[0] = QStringLiteral("5");
        startBis.clear();
        kz.clear();
        screen(QStringLiteral("prozbt"), startBis, Ret, kz);
        sy += QStringLiteral(",Bt%=") + f[0];
    }
    if (qpdr.mid(2, 3) != QLatin1String("000")) {
        QString qpbt(5, u'0');
        if (qpdr[2] != u'0') {
            startBis = QStringLiteral("1=1,2=1,3=1,4=1,5=0");
            screen(QStringLiteral("btqrm"), startBis, Ret, kz);
            qpbt = digits(startBis, 5);
        } else {
            startBis = QStringLiteral("1=1,2=1,3=1,4=1");
            screen(QStringLiteral("btlist"), startBis, Ret, kz);
            qpbt = digits(startBis, 4) + u'0';
        }
        sy += QStringLiteral(",Qpbt=") + qpbt;
    }

    // Result-file sections.
    if (MErgDat) {
        for (QString& t : f)
            t.clear();
        startBis = QStringLiteral("1=1,2=1,3=@1,4=@0,7=@0");
        screen(QStringLiteral("teilsp"), startBis, Ret, kz);
        sy += QStringLiteral(",Qpsp=") + digits(startBis, 7);
    }

    // Language, conditions, maximum values, storing.
    startBis = p.LangNr == 2 ? QStringLiteral("1=1,2=0") : QStringLiteral("1=0,2=0");
    while (true) {
        kz.clear();
        screen(QStringLiteral("var"), startBis, Ret, kz);
        if (Ret == QLatin1String("ABBRUCH") || kz.toUpper() != QLatin1String("H"))
            break;
        MsgNoHelp();
    }
    if (Ret == QLatin1String("ABBRUCH"))
        return;
    sy += toggleOn(startBis, 1) ? QStringLiteral(",Ld=2") : QStringLiteral(",Ld=1");
    sy += toggleOn(startBis, 2) ? QStringLiteral(",Re=Ber") : QStringLiteral(",Re=Ref");
    if (toggleOn(startBis, 3))
        sy += QStringLiteral(",Mmax=-1");
    if (toggleOn(startBis, 4))
        Ret = QStringLiteral("SPEICH");
}
