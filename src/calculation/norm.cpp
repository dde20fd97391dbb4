#include "calculation/norm.h"
#include "calculation/calcinterface.h"
#include "calculation/systdb.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <cmath>
#include <optional>

namespace {
double num(const QString& list, const QString& key)
{
    return toSingle(readLeadingNumber(GetParam(list, key)));
}

int prefixNumber(const QString& bac, int length)
{
    return toInt16(readLeadingNumber(bac.left(length)));
}

QChar charAt(const QString& text, int position) // from 1; a blank beyond the end
{
    return position >= 1 && position <= text.size() ? text[position - 1] : QChar(u' ');
}

QString record(const QString& dcode)
{
    return DalesXls(QStringLiteral("SINDAT"), QStringLiteral("Dcode"), dcode, QStringLiteral("Daten"));
}

QString reMode()
{
    return GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Re"));
}

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}

// Multiple factor of a record: nearest integer, 1 for the class prefix 212.
int multipleFactor(const QString& text, const QString& bac)
{
    int vf = toInt16(readLeadingNumber(text));
    if (bac.left(3) == QLatin1String("212"))
        vf = 1;
    return vf;
}
} // namespace

namespace {
// What every step of the factor model reads of one component record: its class
// and technology codes, the reference-or-operating mode of the run and the norm
// parameter record its base rate came from.
struct ComponentModel {
    QString data;   // the record (main component or one sub-component entry)
    QString stress; // its stress data; empty for a sub-component
    QString bac, tec, prefix1;
    int class1 = 0, class2 = 0, class3 = 0, classAll = 0;
    QString re;
    QString dcode; // key of the norm parameter record
    QString rec;   // that record
    double tref = 0;
};

ComponentModel componentModel(const QString& data, const QString& stress)
{
    ComponentModel c;
    c.data = data;
    c.stress = stress;
    c.bac = GetParam(data, QStringLiteral("Bac"));
    c.tec = GetParam(data, QStringLiteral("Tec"));
    c.prefix1 = c.bac.left(1);
    c.class1 = prefixNumber(c.bac, 1);
    c.class2 = prefixNumber(c.bac, 2);
    c.class3 = prefixNumber(c.bac, 3);
    c.classAll = prefixNumber(c.bac, 4);
    c.re = reMode();
    return c;
}

// Base rates of the norm table and the user list; tref and dcode come from the
// look-up that ran last (the norm's when both run).
struct TableRates {
    MinMax norm, aws;
    double tref = 0;
    QString dcode;
    bool weightable = false;
};

std::optional<TableRates> tableRates(const QString& data, bool doNorm, bool doAws)
{
    const QString rates = QStringLiteral("Armin,Armax,Tref,Dcode");
    TableRates t;
    if (doAws) {
        const QString res = LesSin(data, 1, rates, t.aws.min, t.aws.max, t.tref, t.dcode, 1);
        if (res == QLatin1String("ABBRUCH"))
            return std::nullopt;
        // A complexity above every row has no user-list rate.
        if (res.contains(QLatin1String("max=")))
            t.aws = {};
        if (t.aws.min > 0)
            appendResult(QStringLiteral("Ara"), factorFormS(t.aws, 2));
    }
    if (doNorm) {
        const QString res = LesSin(data, 0, rates, t.norm.min, t.norm.max, t.tref, t.dcode, 1);
        if (res == QLatin1String("ABBRUCH"))
            return std::nullopt;
        if (res.contains(QLatin1String("max=")))
            t.norm = {};
        if (t.norm.min > 0) {
            appendResult(QStringLiteral("Ar"), factorFormS(t.norm, 2));
            t.weightable = true;
        }
    }
    return t;
}

// Individual rates given with the component replace the table rates: "Arx" of
// the stress data the norm's (never weighted), "Ari" of the stress data or of
// the record both.
TableRates withIndividualRates(TableRates t, const ComponentModel& c, bool doNorm, bool doAws)
{
    if (!GetParam(c.stress, QStringLiteral("Arx")).isEmpty()) {
        if (doNorm)
            t.norm = readPair(c.stress, QStringLiteral("Arx"));
        t.weightable = false;
        return t;
    }
    const QString& source = GetParam(c.stress, QStringLiteral("Ari")).isEmpty() ? c.data : c.stress;
    if (!GetParam(source, QStringLiteral("Ari")).isEmpty()) {
        const MinMax ari = readPair(source, QStringLiteral("Ari"));
        if (doNorm) {
            t.norm = ari;
            t.weightable = false;
        }
        if (doAws)
            t.aws = ari;
    }
    return t;
}

// False when no method that runs has a base rate left (codes NullFitSin,
// NullFitAws).
bool anyBaseRate(const TableRates& t, bool doNorm, bool doAws)
{
    const bool normZero = t.norm.min == 0 && t.norm.max == 0;
    if (doNorm && normZero) {
        appendErr(QStringLiteral("NullFitSin"));
        if (!doAws)
            return false;
    }
    if (doAws && t.aws.min == 0 && t.aws.max == 0) {
        appendErr(QStringLiteral("NullFitAws"));
        if (!doNorm || normZero)
            return false;
    }
    return true;
}

// Chip factor of integrated circuits in chip form. The stress data stays as the
// user entered it; a factor taken over from Chpfg is recorded in R.
double chipFactor(const ComponentModel& c, QString& r)
{
    if (c.prefix1 != QLatin1String("1") || charAt(c.tec, 4) != u'3')
        return 1;
    const QString chpfg = GetParam(c.stress, QStringLiteral("Chpfg"));
    const QString chpf = GetParam(c.stress, QStringLiteral("Chpf"));
    if (!chpfg.isEmpty()) {
        SetParam(r, QStringLiteral("Chpf"), chpfg);
        return toSingle(readLeadingNumber(chpfg));
    }
    if (!chpf.isEmpty())
        return toSingle(readLeadingNumber(chpf));
    SetParam(r, QStringLiteral("Chpfv"), QStringLiteral("2"));
    return 2;
}

// Asic: a base pair moves inside its own range by the percentages pc.
MinMax withinAsicRange(const MinMax& base, const MinMax& pc)
{
    return {toSingle(base.min + (base.max - base.min) * pc.min / 100),
            toSingle(base.min + (base.max - base.min) * pc.max / 100)};
}

// Multiple factor; none (code Vf) for the classes that need one.
std::optional<int> multipleOf(const ComponentModel& c)
{
    const QString vfi = GetParam(c.stress, QStringLiteral("Vfi"));
    const int vf = multipleFactor(vfi.isEmpty() ? GetParam(c.data, QStringLiteral("Vf")) : vfi, c.bac);
    if (vf != 0)
        return vf;
    const int k = c.class3;
    if (k == 322 || k == 425 || inRange(k, 521, 524) || inRange(k, 531, 536) || inRange(k, 541, 545) || k == 554) {
        appendErr(QStringLiteral("Vf"));
        return std::nullopt;
    }
    return 1;
}

// Parameters of the temperature model: from the component's own record, or for
// the classes 53 and 58 from the class's temperature record.
struct TemperatureModel {
    double A = 0, Ea1 = 0, Ea2 = 0, Rf = 0, Tlimit = 25, Tref2 = 0;
    bool piecewise = false; // a second reference temperature Tref2
};

TemperatureModel temperatureModel(const ComponentModel& c)
{
    TemperatureModel m;
    auto tlimitOf = [](const QString& rc) {
        return rc.contains(QLatin1String("Tlimit=")) ? num(rc, QStringLiteral("Tlimit")) : 25.0;
    };
    auto rfOf = [](const QString& code) { return num(record(code), QStringLiteral("Rf")); };
    if (c.class2 != 53 && c.class2 != 58) {
        m.A = num(c.rec, QStringLiteral("A"));
        m.Ea1 = num(c.rec, QStringLiteral("Ea1"));
        m.Ea2 = num(c.rec, QStringLiteral("Ea2"));
        if (c.class3 == 544 || c.class3 == 545) {
            const QChar t1 = charAt(c.tec, 1);
            if (t1 == u'3')
                m.Rf = rfOf(QStringLiteral("540R2"));
            else if (t1 == u'0' || t1 == u'4')
                m.Rf = rfOf(QStringLiteral("540R1"));
        } else {
            m.Rf = num(c.rec, QStringLiteral("Rf"));
        }
        m.Tlimit = tlimitOf(c.rec);
        if (c.rec.contains(QLatin1String("Tref2="))) {
            m.Tref2 = num(c.rec, QStringLiteral("Tref2"));
            m.piecewise = true;
        }
    } else {
        const QString temperatureRecord = record(c.bac.left(2) + (charAt(c.tec, 3) == u'2' ? "0T2" : "0T1"));
        m.A = num(temperatureRecord, QStringLiteral("A"));
        m.Ea1 = num(temperatureRecord, QStringLiteral("Ea1"));
        m.Ea2 = num(temperatureRecord, QStringLiteral("Ea2"));
        m.Tlimit = tlimitOf(temperatureRecord);
        if (inRange(c.class3, 531, 533)) {
            const QChar t1 = charAt(c.tec, 1);
            m.Rf = rfOf(t1 >= u'1' && t1 <= u'3' ? QStringLiteral("530R2") : QStringLiteral("530R1"));
        } else if (c.class3 == 535 || c.class3 == 536) {
            m.Rf = num(c.rec, QStringLiteral("Rf"));
        }
    }
    if (c.dcode == QLatin1String("00000") && m.Rf == 0)
        m.Rf = 1;
    return m;
}

struct TemperatureFactor {
    MinMax piT{1, 1};  // operating
    double piTob = 0;  // the non-operating share
};

TemperatureFactor temperatureFactor(const ComponentModel& c, const TemperatureModel& m, double z)
{
    TemperatureFactor t;
    if (m.piecewise)
        TempFakt2(c.class1, c.tref, m.Tref2, m.Tlimit, t.piT.min, t.piT.max, t.piTob, m.A, m.Ea1, m.Ea2, m.Rf, z);
    else
        TempFakt(c.class1, c.tref, m.Tlimit, t.piT.min, t.piT.max, t.piTob, m.A, m.Ea1, m.Ea2, m.Rf, z);
    return t;
}

// Voltage and current stress; none when the lamp table has no entry.
std::optional<MinMax> stressFactor(const ComponentModel& c)
{
    MinMax s{1, 1};
    if (!FaktorSpannungStrom(c.data, c.stress, c.class2, c.rec, s.min, s.max))
        return std::nullopt;
    return s;
}

MinMax driftFactor(const ComponentModel& c)
{
    const int k = c.class3;
    if (!(c.classAll == 1312 || c.class2 == 16 || (k == 211 && charAt(c.tec, 1) == u'1') || k == 212 || k == 213 ||
          k == 221 || k == 222))
        return {1, 1};
    const QString drift = GetParam(c.stress, QStringLiteral("Drift"));
    if (drift == QLatin1String("0")) {
        appendFactor(QStringLiteral("d"), QStringLiteral("1"));
    } else if (drift == QLatin1String("1")) {
        appendFactor(QStringLiteral("d"), QStringLiteral("2"));
        return {2, 2};
    } else if (drift == QLatin1String("0/1") || c.re == QLatin1String("Ber")) {
        appendFactor(QStringLiteral("d"), QStringLiteral("1/2"));
        return {1, 2};
    }
    return {1, 1};
}

// Quality class of resistors (class 41); applied to the classes 4x.
MinMax qualityFactor(const ComponentModel& c)
{
    if (c.class2 != 41)
        return {1, 1};
    const ParamPair pqs = GetParamPair(c.rec, QStringLiteral("Pqs"));
    QString qks = GetParam(c.stress, QStringLiteral("Qks"));
    if (qks.isEmpty())
        qks = GetParam(c.data, QStringLiteral("Qks"));
    if (qks == QLatin1String("LL") || qks == QLatin1String("GP")) {
        const bool ll = qks == QLatin1String("LL");
        const double f = ll ? pqs.valueMin : pqs.valueMax;
        appendFactor(QStringLiteral("q"), ll ? pqs.textMin : pqs.textMax);
        if (f == 0)
            appendErr(QStringLiteral("QualSAw"));
        return {f, f};
    }
    if (pqs.valueMin != 0 && pqs.valueMin != pqs.valueMax && c.re == QLatin1String("Ber")) {
        appendResult(QStringLiteral("Qkvs"), QStringLiteral("GP/LL"));
        appendFactor(QStringLiteral("qv"), pqs.textMin + u'/' + pqs.textMax);
        return {pqs.valueMin, pqs.valueMax};
    }
    return {1, 1};
}

// Environment of the method list ("Gb" is the reference).
MinMax environmentFactor(const ComponentModel& c, const QString& env)
{
    MinMax e{1, 1};
    if (env == QLatin1String("Gb"))
        return e;
    const QString family = env.left(2);
    const QString name = env.mid(2);
    const int k = c.class2;
    if (k == 53 || k == 54 || k == 58 || k == 59) {
        QString key = name;
        if (k == 53 || k == 54)
            key += charAt(c.tec, 1);
        else if (k == 58)
            key += charAt(c.tec, 2);
        e = readPair(record(c.bac.left(2) + u'E' + family), key);
        if (e.min == 0 || e.max == 0)
            appendErr(QStringLiteral("EnvSAw"));
    } else if (name == QLatin1String("Gf") || name == QLatin1String("StGf")) {
        e = {2, 2};
    } else if (name == QLatin1String("Gm") || name == QLatin1String("StGm")) {
        e = {4, 4};
    }
    if (!e.isOne())
        appendFactor(QStringLiteral("e"), factorFormS(e, 1));
    return e;
}

// Contact load of relays and switches.
MinMax contactLoadFactor(const ComponentModel& c)
{
    MinMax la{1, 1};
    if (inRange(c.class3, 531, 536) || c.class3 == 544 || c.class3 == 545)
        FaktorKontaktlast(c.stress, c.rec, la.min, la.max);
    return la;
}

// Switching frequency relative to the record's reference (classes 55, 58, 59).
MinMax switchingFactor(const ComponentModel& c)
{
    MinMax sh{1, 1};
    QString shRef, shValue, shKey;
    if (c.class2 == 58) {
        shRef = GetParam(c.rec, QStringLiteral("Shy"));
        shValue = GetParam(c.stress, QStringLiteral("Shy"));
        shKey = QStringLiteral("Shyref");
    } else if (c.class2 == 55 || c.class2 == 59) {
        shRef = c.class2 == 55 ? QStringLiteral("1") : GetParam(c.rec, QStringLiteral("Sh"));
        shValue = GetParam(c.stress, QStringLiteral("Sh"));
        shKey = QStringLiteral("Shref");
    }
    if (shRef.isEmpty())
        return sh;
    const double reference = toSingle(readLeadingNumber(shRef));
    if (reference == 0)
        throw TarnError(QStringLiteral("Division by zero"), 11);
    const double ratio = toSingle(readLeadingNumber(shValue) / reference);
    if (ratio > 0)
        sh.min = sh.max = ratio < 1 ? 1 : ratio;
    else if (c.re == QLatin1String("Ref"))
        return sh;
    else
        sh = {1, 5};
    appendResult(shKey, shRef);
    appendFactor(QStringLiteral("sh"), factorFormS(sh, 1));
    return sh;
}

// The Akr code of relays (classes 531..533): N the record's lower, S its upper factor.
MinMax akrFactor(const ComponentModel& c)
{
    MinMax akr{1, 1};
    if (!inRange(c.class3, 531, 533))
        return akr;
    const MinMax pa = readPair(c.rec, QStringLiteral("Pa"));
    QString lower = GetParam(c.stress, QStringLiteral("Akr")).toUpper();
    QString upper = lower;
    if (lower.isEmpty()) {
        lower = upper = QStringLiteral("N");
        if (c.re == QLatin1String("Ber"))
            upper = QStringLiteral("S");
    }
    akr.min = lower == QLatin1String("N") ? pa.min : pa.max;
    akr.max = upper == QLatin1String("N") ? pa.min : pa.max;
    if (akr.min == 0 || akr.max == 0)
        appendErr(QStringLiteral("AkrSAw"));
    if (!akr.isOne())
        appendFactor(QStringLiteral("akr"), factorFormS(akr, 1));
    return akr;
}

// Every factor of the model except the base rate.
struct Factors {
    double ch = 1, Kf = 1, z = 100, Rf = 0;
    int vf = 1;
    TemperatureFactor temperature;
    MinMax s{1, 1}, d{1, 1}, q{1, 1}, e{1, 1}, la{1, 1}, sh{1, 1}, akr{1, 1};
};

// The rate of one method from its base pair: the operating share at the
// operating factors plus the resting share at the non-operating temperature.
MinMax rateOf(const MinMax& table, bool userList, const ComponentModel& c, const Factors& f)
{
    MinMax rate;
    const MinMax base{toSingle(f.ch * table.min), toSingle(f.ch * table.max)};
    if (base.min > 0) {
        const double piT[2] = {f.temperature.piT.min, f.temperature.piT.max};
        const double s[2] = {f.s.min, f.s.max};
        const double b[2] = {base.min, base.max};
        const double dd[2] = {f.d.min, f.d.max};
        double out[2];
        for (int k = 0; k < 2; ++k) {
            const double operating = b[k] * f.vf * piT[k] * s[k] * dd[k] * f.Kf;
            const double resting = b[k] * f.vf * f.temperature.piTob * dd[k];
            out[k] = (f.z / 100) * operating + ((100 - f.z) / 100) * f.Rf * resting;
        }
        rate = {out[0], out[1]};
        if (c.prefix1 == QLatin1String("4")) {
            rate.min *= f.q.min;
            rate.max *= f.q.max;
        } else if (c.prefix1 == QLatin1String("5")) {
            rate.min *= f.la.min * f.sh.min * f.akr.min;
            rate.max *= f.la.max * f.sh.max * f.akr.max;
            if (c.class2 == 55) {
                // Additional contacts at the rate of class 5550 each.
                const int n = toInt16(readLeadingNumber(GetParam(c.data, QStringLiteral("Hisch"))));
                double extra = 0;
                LesSin(QStringLiteral("Bac=5550,Tec=0000"), userList ? 1 : 0, QStringLiteral("Armin"), extra);
                if (rate.min != 0)
                    rate.min += n * extra;
                if (rate.max != 0)
                    rate.max += n * extra;
            }
        }
    }
    rate.min *= f.e.min;
    rate.max *= f.e.max;
    return rate;
}
} // namespace

FitRates FitFaktoren(const QString& data, const QString& stress, double Kf, bool DoNorm, bool DoAws)
{
    Program& p = prog();
    QString& r = p.WorkStr[Slot::R];
    ComponentModel c = componentModel(data, stress);

    // 1. Base rates
    const std::optional<TableRates> table = tableRates(data, DoNorm, DoAws);
    if (!table)
        return {};
    c.tref = table->tref;
    c.dcode = table->dcode;
    c.rec = record(c.dcode);
    TableRates base = withIndividualRates(*table, c, DoNorm, DoAws);
    // A model that ends early gives no rates; whether the norm rate came from
    // the norm table is still told.
    const FitRates none{{}, {}, base.weightable};
    if (!anyBaseRate(base, DoNorm, DoAws))
        return none;

    Factors f;
    f.Kf = Kf;
    // 2. Chip factor
    f.ch = chipFactor(c, r);
    // 3. Asic
    if (!GetParam(data, QStringLiteral("Asic")).isEmpty()) {
        const MinMax pc = readPair(data, QStringLiteral("Asic"));
        base.norm = withinAsicRange(base.norm, pc);
        base.aws = withinAsicRange(base.aws, pc);
    }
    // 4.
    if ((base.norm.min > 0 || base.aws.min > 0) && findParamKey(r, QStringLiteral("Tref")) < 0)
        appendResult(QStringLiteral("Tref"), plainSingle(c.tref));
    // 5. Multiple factor
    const std::optional<int> vf = multipleOf(c);
    if (!vf)
        return none;
    f.vf = *vf;
    // 6. Operating share
    const QString zfr = GetParam(r, QStringLiteral("Zfr"));
    f.z = ValProz(zfr.isEmpty() ? QStringLiteral("100%") : zfr);
    // 7., 8. Temperature
    const TemperatureModel model = temperatureModel(c);
    f.Rf = model.Rf;
    f.temperature = temperatureFactor(c, model, f.z);
    // 9. Stress
    const std::optional<MinMax> s = stressFactor(c);
    if (!s)
        return none;
    f.s = *s;
    // 10.-12. Drift, quality, environment
    f.d = driftFactor(c);
    f.q = qualityFactor(c);
    f.e = environmentFactor(c, GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Env")));
    // 13. Electromechanical factors
    if (c.prefix1 == QLatin1String("5")) {
        f.la = contactLoadFactor(c);
        f.sh = switchingFactor(c);
        f.akr = akrFactor(c);
    }
    // 14. Product, norm then user list
    FitRates out;
    out.norm = rateOf(base.norm, false, c, f);
    out.aws = rateOf(base.aws, true, c, f);
    out.weightable = base.weightable;
    return out;
}

void FitNorm(int ApplyWeighting)
{
    Program& p = prog();
    const QString& q = p.WorkStr[Slot::Q];
    const QString& stress = p.WorkStr[Slot::S];
    const QString bac = GetParam(q, QStringLiteral("Bac"));
    const QString methods = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    bool doNorm = hasMethod(methods, u'1');
    const bool doAws = hasMethod(methods, u'3');

    static const QStringList blocking = {QStringLiteral("Bac"), QStringLiteral("Bt"), QStringLiteral("Umax"),
                                         QStringLiteral("Imax"), QStringLiteral("Inen")};
    for (const QString& code : errCodes(p.WorkStr[Slot::F]))
        if (blocking.contains(code))
            return;

    const QString kfText = GetParam(stress, QStringLiteral("Kf"));
    const double kf = kfText.isEmpty() ? 1 : toSingle(readLeadingNumber(kfText));
    const QString arx = GetParam(stress, QStringLiteral("Arx"));
    QString are = GetParam(stress, QStringLiteral("Are"));
    if (are.isEmpty())
        are = GetParam(q, QStringLiteral("Are"));

    // An individual base rate given with a record: rate x Kf x Vf, no other factor.
    auto individual = [&](const QString& rateText, const QString& vfText, const QString& recordBac, bool norm,
                          bool aws) {
        const ParamPair m = GetParamPair(QStringLiteral("Are=") + rateText, QStringLiteral("Are"));
        int vf = multipleFactor(vfText, recordBac);
        if (vf == 0)
            vf = 1;
        const MinMax rate{m.valueMin * kf * vf, m.valueMax * kf * vf};
        FitRates out;
        if (norm)
            out.norm = rate;
        if (aws)
            out.aws = rate;
        return out;
    };

    FitRates total;
    if (!are.isEmpty() && arx.isEmpty()) {
        const QString vfi = GetParam(stress, QStringLiteral("Vfi"));
        total = individual(are, vfi.isEmpty() ? GetParam(q, QStringLiteral("Vf")) : vfi, bac, doNorm, doAws);
    } else {
        total = FitFaktoren(q, stress, kf, doNorm, doAws);

        const QString& z = p.WorkStr[Slot::Z];
        if (!z.isEmpty() && z.contains(QLatin1String("Bac="))) {
            // An individual rate of the main component covers its sub-components
            // for the norm; the user list still adds them.
            if (!arx.isEmpty())
                doNorm = false;
            const QStringList entries = splitSubComponents(z);
            if (entries.size() > 9) {
                appendErr(QStringLiteral("Sub10SAw"));
                return;
            }
            for (const QString& entry : entries) {
                FitRates sub;
                const QString entryAre = GetParam(entry, QStringLiteral("Are"));
                if (!entryAre.isEmpty()) {
                    sub = individual(entryAre, GetParam(entry, QStringLiteral("Vf")),
                                     GetParam(entry, QStringLiteral("Bac")), doNorm, doAws);
                } else {
                    sub = FitFaktoren(entry, QString(), kf, doNorm, doAws);
                    if ((doNorm && sub.norm.min == 0) || (doAws && sub.aws.min == 0))
                        return;
                }
                total.norm.min += sub.norm.min;
                total.norm.max += sub.norm.max;
                total.aws.min += sub.aws.min;
                total.aws.max += sub.aws.max;
            }
        }
    }

    MinMax norm = total.norm;
    if (ApplyWeighting != 0 && total.weightable) {
        const double factor = toSingle(p.YkBewFaktor);
        SetParam(p.WorkStr[Slot::R], QStringLiteral("ARBew"), factorFormS(factor, factor, 2));
        norm.min *= factor;
        norm.max *= factor;
    }
    if (norm.min > 0)
        appendResult(QStringLiteral("Fit"), rateForm(norm));
    if (total.aws.min > 0)
        appendResult(QStringLiteral("Fita"), rateForm(total.aws));
}
