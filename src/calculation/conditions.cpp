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

// What the later steps read of the position: its class code, the given pin and
// multiple counts, and the ambient limits.
struct Position {
    QString bac, pin, vf;
    double tumax = 0;
    double tu = 0;
};

// Copies the position's codes and limits into the run slots the rate models read.
Position loadRunValues(Program& p)
{
    const QString& q = p.WorkStr[Slot::Q];
    const QString& stress = p.WorkStr[Slot::S];
    const QString& r = p.WorkStr[Slot::R];
    Position pos;
    pos.bac = GetParam(q, QStringLiteral("Bac"));
    pos.pin = GetParam(q, QStringLiteral("Pin"));
    pos.vf = GetParam(q, QStringLiteral("Vf"));
    p.RunStr[RunSlot::Tu] = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Tu"));
    p.RunStr[RunSlot::Bac] = pos.bac;
    p.RunStr[RunSlot::Bac2] = pos.bac.left(2);
    p.RunStr[RunSlot::Bac3] = pos.bac.left(3);
    p.RunStr[RunSlot::Bac1] = pos.bac.left(1);
    p.RunStr[RunSlot::Pin] = pos.pin;
    p.RunStr[RunSlot::Vf] = pos.vf;
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
    pos.tumax = number(q, "Tumax");
    pos.tu = toSingle(readLeadingNumber(p.RunStr[RunSlot::Tu]));
    return pos;
}

void markSecondaryPath(QString& r, const QString& bac, const QStringList& prefixes)
{
    for (const QString& prefix : prefixes) {
        if (bac.left(prefix.size()) == prefix) {
            r += QStringLiteral(",Nbw=true");
            return;
        }
    }
}

// Ambient temperature of the position (Tur) with the rises passed down to it;
// the rises add up in Dtr.
double ambientTemperature(Program& p, QString& r, double tu)
{
    const auto& val = p.RunVal;
    const double tur = toSingle(tu + val[RunNum::Dtu] + val[RunNum::Dtr]);
    appendResult(QStringLiteral("Tur"), plainSingle(tur));
    if (val[RunNum::Dtu] != 0 && val[RunNum::Dtr] != 0)
        SetParam(r, QStringLiteral("Dtr"), plainSingle(val[RunNum::Dtu] + val[RunNum::Dtr]));
    return tur;
}

// The position's operating share multiplies the one passed down to it.
void combineOperatingShare(QString& r, const QString& stress)
{
    QString zfr = GetParam(r, QStringLiteral("Zfr"));
    QString zf = GetParam(stress, QStringLiteral("Zf"));
    if (zfr.isEmpty())
        zfr = QStringLiteral("100%");
    if (zf.isEmpty())
        zf = QStringLiteral("100%");
    SetParam(r, QStringLiteral("Zfr"), plainSingle(ValProz(zf) * ValProz(zfr) / 100) + u'%');
}

// Voltage and current over their maxima stop the position; over the nominal
// current or the ambient maximum only warn. False when the position stops.
bool withinRatings(const Program& p, double tumax, double tur)
{
    const auto& val = p.RunVal;
    if (val[RunNum::Umax] > 0 && val[RunNum::Ub] > val[RunNum::Umax]) {
        appendErr(QStringLiteral("Umax"));
        return false;
    }
    if (val[RunNum::Imax] > 0 && val[RunNum::Ib] > val[RunNum::Imax]) {
        appendErr(QStringLiteral("Imax"));
        return false;
    }
    if (val[RunNum::Inen] > 0 && val[RunNum::Ib] > val[RunNum::Inen])
        appendWarn(QStringLiteral("Inen"));
    if (tumax != 0 && tur > tumax)
        appendWarn(QStringLiteral("Tu"));
    return true;
}

void connectionResult(Program& p, const Position& pos)
{
    if (pos.pin.isEmpty())
        p.RunStr[RunSlot::Pin] = plainSingle(connectionCount(pos.bac, pos.vf, number(p.WorkStr[Slot::Q], "Hisch")));
    if (!p.RunStr[RunSlot::Pin].isEmpty())
        appendResult(QStringLiteral("Nev"), p.RunStr[RunSlot::Pin]);
}

// Rise of the component over its surroundings under operating conditions,
// derived from the reference temperature of its base rate.
MinMax riseRange(double tref)
{
    double riseMin = toSingle(tref - 40 - 10);
    if (riseMin <= 5)
        riseMin = 5;
    return MinMax{riseMin, toSingle(tref - 40 + 15)};
}

// Passive and electromechanical components: body temperature Tb, from the given
// rise or from the reference temperature of the base rate.
void bodyTemperature(Program& p, double tur, bool reference)
{
    const QString& q = p.WorkStr[Slot::Q];
    const QString tei = GetParam(p.WorkStr[Slot::S], QStringLiteral("Tei"));
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
    if (p.RunVal[RunNum::Tbmax] > 0 && tb.max > p.RunVal[RunNum::Tbmax])
        appendWarn(QStringLiteral("Tb"));
}

// Junction from the reference temperature of the base rate, when neither a
// rise nor a power dissipation is given.
void junctionFromReference(Program& p, double tur, bool reference)
{
    auto& val = p.RunVal;
    double tref = 0;
    if (LesSin(p.WorkStr[Slot::Q], 0, QStringLiteral("Tref"), tref, {}, {}, {}, 1) == QLatin1String("ABBRUCH"))
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

// Semiconductors and integrated circuits: junction temperature Tj, from the
// given rise, the power dissipation or the reference temperature.
void junctionTemperature(Program& p, double tur, bool reference)
{
    const QString& stress = p.WorkStr[Slot::S];
    const double tjmax = p.RunVal[RunNum::Tjmax];
    if (!GetParam(stress, QStringLiteral("Tei")).isEmpty()) {
        const ParamPair t = GetParamPair(stress, QStringLiteral("Tei"));
        const MinMax tj{toSingle(tur + t.valueMin), toSingle(tur + t.valueMax)};
        appendResult(QStringLiteral("Tj"), range(tj.min, tj.max));
        if (tj.max > tjmax)
            appendWarn(QStringLiteral("Tj"));
        return;
    }
    QString fromPower;
    LesRth(fromPower);
    if (readPair(QStringLiteral("Tj=") + fromPower, QStringLiteral("Tj")).max > p.RunVal[RunNum::Tjmax])
        appendWarn(QStringLiteral("Tj"));
    if (!fromPower.isEmpty()) {
        appendResult(QStringLiteral("Tj"), fromPower);
        return;
    }
    junctionFromReference(p, tur, reference);
}
} // namespace

void PosBelastung(int SecondaryPathFlag, const QStringList& SecondaryPrefixes)
{
    Program& p = prog();
    QString& r = p.WorkStr[Slot::R];

    // 1. Codes and limits of the position into the run slots
    const Position pos = loadRunValues(p);
    // 2. Secondary path
    if (SecondaryPathFlag != 0)
        markSecondaryPath(r, pos.bac, SecondaryPrefixes);
    // 3. Ambient temperature and operating share
    const double tur = ambientTemperature(p, r, pos.tu);
    combineOperatingShare(r, p.WorkStr[Slot::S]);
    // 4. Ratings
    if (!withinRatings(p, pos.tumax, tur))
        return;
    // 5. Connections
    connectionResult(p, pos);
    if (p.RunVal[RunNum::Tjmax] == 0)
        p.RunVal[RunNum::Tjmax] = 150;
    // 6. Body or junction temperature by the component's class
    const bool reference = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ref");
    const QChar first = pos.bac.isEmpty() ? QChar() : pos.bac[0];
    if (first == u'4' || first == u'5')
        bodyTemperature(p, tur, reference);
    else if (first == u'1' || first == u'2' || first == u'3')
        junctionTemperature(p, tur, reference);
}
