#include "calculation/conditions.h"
#include "calculation/calcinterface.h"
#include "calculation/systdb.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {
double number(const QString& list, const char* key)
{
    return toSingle(readLeadingNumber(GetParam(list, QLatin1String(key))));
}

int bac3Of(const QString& bac)
{
    return int(readLeadingNumber(bac.left(3)));
}

// Connections of a component without a pin count, by its class code.
double connectionCount(const QString& bac, const QString& vfText, double hisch)
{
    const bool vfGiven = !vfText.isEmpty();
    const double vf = vfGiven ? toInt16(readLeadingNumber(vfText)) : 0;
    const QString group = bac.left(2);
    const int bac3 = bac3Of(bac);
    switch (bac.isEmpty() ? u'\0' : bac[0].unicode()) {
    case u'1':
        return 40;
    case u'2':
        if (vfGiven)
            return 2 * vf;
        if (group == QLatin1String("21"))
            return 3;
        if (group == QLatin1String("25")) {
            switch (bac3) {
            case 251:
            case 253:
                return 2;
            case 252:
                return 4;
            case 254:
            case 255:
                return 3;
            default:
                return 0;
            }
        }
        return 2;
    case u'3':
        switch (bac3) {
        case 311:
            return 3;
        case 312:
            if (vfGiven)
                return vf;
            return bac == QLatin1String("3123") ? 8 : 2;
        case 322:
            return 28;
        case 324:
        case 326:
            return 12;
        case 331:
            return 4;
        default:
            return bac3 >= 361 && bac3 <= 364 ? 28 : 2;
        }
    case u'4':
        switch (bac3) {
        case 425:
            return vf;
        case 427:
            return 3;
        case 431:
            return 6;
        case 433:
            return 4;
        case 462:
            return 6;
        default:
            return 2;
        }
    case u'5':
        if (group == QLatin1String("51"))
            return 0;
        if (group == QLatin1String("52"))
            return vf;
        if (group == QLatin1String("53"))
            return 2 * vf + 2;
        if (group == QLatin1String("54"))
            return 2 * vf;
        if (group == QLatin1String("55")) {
            const int k = bac3 == 551 ? 1 : bac3 == 552 ? 2 : bac3 == 553 ? 3 : 0;
            return 2 * (hisch + k) + 2;
        }
        if (group == QLatin1String("58") || group == QLatin1String("59"))
            return 0;
        return 2;
    default:
        return 0;
    }
}

QString range(double min, double max)
{
    return FormBerS(min, max, 1);
}
} // namespace

void PosBelastung(int SecondaryPathFlag, const QStringList& SecondaryPrefixes)
{
    Program& p = prog();
    const QString& methods = p.WorkStr[Slot::GlPar];
    const QString& q = p.WorkStr[Slot::Q];
    const QString& stress = p.WorkStr[Slot::S];
    QString& r = p.WorkStr[Slot::R];

    const QString bac = GetParam(q, QStringLiteral("Bac"));
    const QString pin = GetParam(q, QStringLiteral("Pin"));
    const QString vf = GetParam(q, QStringLiteral("Vf"));
    p.RunStr[RunSlot::Tu] = GetParam(methods, QStringLiteral("Tu"));
    p.RunStr[RunSlot::Bac] = bac;
    p.RunStr[RunSlot::Bac2] = bac.left(2);
    p.RunStr[RunSlot::Bac3] = bac.left(3);
    p.RunStr[RunSlot::Bac1] = bac.left(1);
    p.RunStr[RunSlot::Pin] = pin;
    p.RunStr[RunSlot::Vf] = vf;
    auto& val = p.RunVal;
    val[RunNum::Dtu] = number(stress, "Dtu");
    val[RunNum::Umax] = number(q, "Umax");
    val[RunNum::Ub] = number(stress, "Ub");
    val[RunNum::Imax] = number(q, "Imax");
    val[RunNum::Inen] = number(q, "Inen");
    val[RunNum::Ib] = number(stress, "Ib");
    val[RunNum::Tjmax] = number(q, "Tjmax");
    val[RunNum::Tbmax] = number(q, "Tbmax");
    val[RunNum::Dtr] = number(r, "Dtr");
    const double tumax = number(q, "Tumax");
    const double tu = toSingle(readLeadingNumber(p.RunStr[RunSlot::Tu]));

    if (SecondaryPathFlag != 0) {
        for (const QString& prefix : SecondaryPrefixes) {
            if (bac.left(prefix.size()) == prefix) {
                r += QStringLiteral(",Nbw=true");
                break;
            }
        }
    }

    const double tur = toSingle(tu + val[RunNum::Dtu] + val[RunNum::Dtr]);
    appendResult(QStringLiteral("Tur"), plainSingle(tur));

    if (val[RunNum::Dtu] != 0 && val[RunNum::Dtr] != 0)
        SetParam(r, QStringLiteral("Dtr"), plainSingle(val[RunNum::Dtu] + val[RunNum::Dtr]));

    QString zfr = GetParam(r, QStringLiteral("Zfr"));
    QString zf = GetParam(stress, QStringLiteral("Zf"));
    if (zfr.isEmpty())
        zfr = QStringLiteral("100%");
    if (zf.isEmpty())
        zf = QStringLiteral("100%");
    SetParam(r, QStringLiteral("Zfr"), plainSingle(ValProz(zf) * ValProz(zfr) / 100) + u'%');

    if (val[RunNum::Umax] > 0 && val[RunNum::Ub] > val[RunNum::Umax]) {
        appendErr(QStringLiteral("Umax"));
        return;
    }
    if (val[RunNum::Imax] > 0 && val[RunNum::Ib] > val[RunNum::Imax]) {
        appendErr(QStringLiteral("Imax"));
        return;
    }
    if (val[RunNum::Inen] > 0 && val[RunNum::Ib] > val[RunNum::Inen])
        appendWarn(QStringLiteral("Inen"));
    if (tumax != 0 && tur > tumax)
        appendWarn(QStringLiteral("Tu"));

    if (pin.isEmpty())
        p.RunStr[RunSlot::Pin] = plainSingle(connectionCount(bac, vf, number(q, "Hisch")));
    if (!p.RunStr[RunSlot::Pin].isEmpty())
        appendResult(QStringLiteral("Nev"), p.RunStr[RunSlot::Pin]);

    if (val[RunNum::Tjmax] == 0)
        val[RunNum::Tjmax] = 150;

    const QString tei = GetParam(stress, QStringLiteral("Tei"));
    const bool reference = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ref");
    // Rise of the component over its surroundings under operating conditions,
    // derived from the reference temperature of its base rate.
    auto riseRange = [](double tref) {
        double riseMin = toSingle(tref - 40 - 10);
        if (riseMin <= 5)
            riseMin = 5;
        return MinMax{riseMin, toSingle(tref - 40 + 15)};
    };
    const QChar first = bac.isEmpty() ? QChar() : bac[0];

    if (first == u'4' || first == u'5') {
        MinMax tb;
        if (!tei.isEmpty()) {
            tb.min = tb.max = toSingle(tur + readLeadingNumber(tei));
            appendResult(QStringLiteral("Tb"), range(tb.min, tb.max));
        } else {
            double tref = 0;
            if (LesSin(q, 0, QStringLiteral("Tref"), tref) == QLatin1String("ABBRUCH"))
                return;
            appendResult(QStringLiteral("Tref"), plainSingle(tref));
            if (reference) {
                tb.min = tb.max = toSingle(tur + (tref - 40));
            } else {
                const MinMax rise = riseRange(tref);
                appendResult(QStringLiteral("Teiv"), range(rise.min, rise.max));
                tb = {toSingle(tur + rise.min), toSingle(tur + rise.max)};
            }
            if (tb.min != tref || tb.max != tref)
                appendResult(QStringLiteral("Tb"), range(tb.min, tb.max));
        }
        if (val[RunNum::Tbmax] > 0 && tb.max > val[RunNum::Tbmax])
            appendWarn(QStringLiteral("Tb"));
        return;
    }

    if (first == u'1' || first == u'2' || first == u'3') {
        if (!tei.isEmpty()) {
            const ParamPair t = GetParamPair(stress, QStringLiteral("Tei"));
            const MinMax tj{toSingle(tur + t.valueMin), toSingle(tur + t.valueMax)};
            appendResult(QStringLiteral("Tj"), range(tj.min, tj.max));
            if (tj.max > val[RunNum::Tjmax])
                appendWarn(QStringLiteral("Tj"));
            return;
        }
        QString fromPower;
        LesRth(fromPower);
        if (readPair(QStringLiteral("Tj=") + fromPower, QStringLiteral("Tj")).max > val[RunNum::Tjmax])
            appendWarn(QStringLiteral("Tj"));
        if (!fromPower.isEmpty()) {
            appendResult(QStringLiteral("Tj"), fromPower);
            return;
        }
        double tref = 0;
        if (LesSin(q, 0, QStringLiteral("Tref"), tref, {}, {}, {}, 1) == QLatin1String("ABBRUCH"))
            return;
        appendResult(QStringLiteral("Tref"), plainSingle(tref));
        if (tref > val[RunNum::Tjmax])
            val[RunNum::Tjmax] = tref;
        MinMax tj;
        if (reference) {
            tj.min = tj.max = toSingle(tur + tref - 40);
            if (tj.max > val[RunNum::Tjmax])
                appendWarn(QStringLiteral("Tj"));
        } else {
            const MinMax rise = riseRange(tref);
            appendResult(QStringLiteral("Teiv"), range(rise.min, rise.max));
            tj = {toSingle(tur + rise.min), toSingle(tur + rise.max)};
        }
        if (tj.min != tref || tj.max != tref) {
            appendResult(QStringLiteral("Tj"), range(tj.min, tj.max));
            appendResult(QStringLiteral("Tjr"), range(tj.min, tj.max));
        }
    }
}
