#include "component_entry/klassendialoge.h"
#include "frame/workslots.h"
#include "component_entry/entrysteps.h"
#include "dialogue/dia.h"
#include "frame/editvar.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <cmath>

namespace {

const QString kKom = QStringLiteral("btx\\kom");
const QString kDiv = QStringLiteral("btx\\div");

QString bacOfList()
{
    return GetParam(prog().WorkStr[Slot::Q], QStringLiteral("Bac"));
}

bool isDigitText(const QString& s)
{
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The free entry of a complexity: asked until valid; unit is appended.
int freeComplexity(const QString& chapter, const QString& unit, QString& K1)
{
    Program& p = prog();
    entry::panel(p.WorkStr[Slot::Q]);
    for (;;) {
        QString ret;
        const int r = entry::screen(kKom, chapter, QStringLiteral("1"), ret);
        if (r == 1 || r == 2)
            return r;
        const QString typed = entry::field(1).toUpper().trimmed();
        entry::felder()[1] = typed;
        const QString valid = validComplexity(typed);
        if (!valid.isEmpty()) {
            K1 = valid + unit;
            return 0;
        }
    }
}

} // namespace

QString validComplexity(const QString& typed)
{
    const QString e = typed.toUpper().trimmed();
    const qsizetype n = e.size();
    if (n == 0 || readLeadingNumber(e) <= 0)
        return QString();
    auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (n == 1)
        return digit(e[0]) ? e : QString();
    for (qsizetype i = 0; i < n - 1; ++i)
        if (!digit(e[i]) && e[i] != u'.')
            return QString();
    const QChar last = e[n - 1];
    if (!digit(last) && last != u'K' && last != u'M' && last != u'G')
        return QString();
    return e;
}

int KomplexWahl(QString& K1)
{
    K1.clear();
    const QString d2 = bacOfList().left(2);
    if (d2 == QLatin1String("11"))
        return freeComplexity(QStringLiteral("bite"), QStringLiteral("b"), K1);

    QString chapter, list, freeChapter, unit;
    int addButt = 3;
    if (d2 == QLatin1String("12") || d2 == QLatin1String("13")) {
        chapter = QStringLiteral("groblsi");
        list = QStringLiteral("1=10/100g,2=100/1Kg,3=1K/10Kg,4=10K/100Kg,5=100K/1Mg,6=1M/10Mg,7=10M/100Mg");
        freeChapter = QStringLiteral("gate");
        unit = QStringLiteral("g");
        addButt = 7;
    } else if (d2 == QLatin1String("14")) {
        chapter = QStringLiteral("grobssi");
        list = QStringLiteral("1=1/10g,2=10/100g,3=100/1Kg");
        freeChapter = QStringLiteral("gate");
        unit = QStringLiteral("g");
    } else if (d2 == QLatin1String("16")) {
        chapter = QStringLiteral("kom6");
        list = QStringLiteral("1=2/30t,2=30/300t,3=300/3Kt,4=3Kt/30Kt,5=30Kt/300Kt");
        freeChapter = QStringLiteral("tre");
        unit = QStringLiteral("t");
    } else {
        return 0;
    }

    for (;;) {
        QString kz;
        const int m = entry::menu(kKom, chapter, kz, QStringLiteral("K1="), 2, addButt);
        if (m == 1 || m == 2)
            return m;
        if (m == 4) {
            QString ret;
            DiaBTX(entry::langFile(QStringLiteral("btx1\\kom211.txt")), QString(), 0, ret, true);
            continue;
        }
        if (kz == QLatin1String("9"))
            return freeComplexity(freeChapter, unit, K1);
        K1 = GetParam(list, kz);
        return 0;
    }
}

int NtypWahl(const QString& Bac, QString& Ntyp)
{
    Ntyp.clear();
    const QString d2 = Bac.left(2);
    if (d2 == QLatin1String("11") || d2 == QLatin1String("16"))
        return 0;
    for (;;) {
        QString kz;
        const int m = entry::menu(kDiv, QStringLiteral("ndat"), kz, QStringLiteral("Ntyp"), 2, 3);
        if (m == 1 || m == 2)
            return m;
        if (kz != QLatin1String("1") && kz != QLatin1String("2"))
            return 0;
        QString ret;
        const int r = entry::screen(kDiv, kz == QLatin1String("1") ? QStringLiteral("ntyp") : QStringLiteral("nmax"),
                                    QStringLiteral("1"), ret);
        if (r == 1)
            return 1;
        if (r == 2)
            continue;
        const QString typed = entry::rtrim(entry::field(1));
        if (kz == QLatin1String("1")) {
            Ntyp = typed;
        } else {
            // The power is written as a whole number of mW, rounded half to
            // even; large maxima must not overflow a 16-bit count.
            const double typical = readLeadingNumber(typed) * 0.75;
            Ntyp = QString::number(static_cast<long long>(std::nearbyint(typical)));
        }
        return 0;
    }
}

int RthGeh(QString& Rte)
{
    Rte.clear();
    const QString list = prog().WorkStr[Slot::Q];
    const QString bac = GetParam(list, QStringLiteral("Bac"));
    const QString gec = GetParam(list, QStringLiteral("Gec")).toUpper();
    const bool classAsks = bac.left(2) == QLatin1String("21") || bac.left(1) == QLatin1String("1");
    const bool realHousing =
        gec != QLatin1String("???") && gec != QLatin1String("CHIP") && gec != QLatin1String("XXX");
    if (!classAsks || !realHousing)
        return 0;
    QString ret;
    const int r = entry::screen(QStringLiteral("btx\\tsabrth"), QStringLiteral("rth"), QStringLiteral("1"), ret);
    if (r == 0)
        Rte = entry::rtrim(entry::field(1));
    return r;
}

bool classNeedsPins(const QString& Bac)
{
    const QString d1 = Bac.left(1), d2 = Bac.left(2), d3 = Bac.left(3);
    auto in = [&](const char* from, const char* to) {
        return d3 >= QLatin1String(from) && d3 <= QLatin1String(to);
    };
    auto oneOf = [&](std::initializer_list<const char*> list) {
        for (const char* c : list)
            if (d3 == QLatin1String(c))
                return true;
        return false;
    };
    if (d1 == QLatin1String("3")) {
        if (oneOf({"311", "313", "314", "315", "321", "323", "331"}) || in("340", "349") || in("371", "377"))
            return false;
        if (d3 == QLatin1String("312"))
            return Bac == QLatin1String("3123");
        return Bac != QLatin1String("3251");
    }
    if (d1 == QLatin1String("4"))
        return !(in("411", "415") || in("421", "424") || oneOf({"426", "432"}) || in("451", "454") ||
                 oneOf({"461", "463"}));
    if (d1 == QLatin1String("5"))
        return !(d2 == QLatin1String("51") || d2 == QLatin1String("52") || oneOf({"563", "564"}));
    return true;
}

int BacKlasse(QString& Pin)
{
    if (!classNeedsPins(bacOfList()))
        return 0;
    for (;;) {
        Pin.clear();
        QString ret;
        if (frmEdit::EditVar(QStringLiteral("Pin"), QString(), ret, QString(), nullptr, false) == 1)
            return 1;
        Pin = GetParam(ret, QStringLiteral("Pin"));
        if (Pin.isEmpty() || isDigitText(Pin))
            return 0;
        MsgBoxRes(QStringLiteral("99"), 0, prog().LangNr, {Pin});
    }
}
