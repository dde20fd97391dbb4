#include "calculation/mil.h"
#include "calculation/milshared.h"
#include "calculation/systdb.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace mil;

namespace {

bool blockedByErrorCode()
{
    // The norm and user-list "no rate" codes do not concern this method; any other
    // error code stops it.
    QString codes = fSection();
    QString code = GetParam(codes, QStringLiteral("Err"));
    while (code == u"NullFitAws" || code == u"NullFitSin") {
        SetParam(codes, QStringLiteral("Err"), QString());
        code = GetParam(codes, QStringLiteral("Err"));
    }
    return !code.isEmpty();
}

void removeBacMilCode()
{
    QString& f = fSection();
    const QString code = QStringLiteral("Err=BacMil");
    const qsizetype at = f.indexOf(code);
    if (at < 0)
        return;
    if (f == code)
        f.clear();
    else if (at == 0)
        f.remove(0, code.size() + 1);
    else if (at + code.size() == f.size())
        f.remove(at - 1, code.size() + 1);
    else
        f.remove(at, code.size() + 1);
}

void splitPair(const QString& text, QString& lower, QString& upper)
{
    const qsizetype slash = text.indexOf(u'/');
    lower = slash < 0 ? text : text.left(slash);
    upper = slash < 0 ? text : text.mid(slash + 1);
}

void callFamily(const QString& model, double& fitMin, double& fitMax, double kfm)
{
    switch (model.isEmpty() ? u'\0' : model.front().unicode()) {
    case u'1': MilIC(model, fitMin, fitMax, kfm); break;
    case u'2':
    case u'3': MilHL(model, fitMin, fitMax, kfm); break;
    case u'4': MilPas(model, fitMin, fitMax, kfm); break;
    case u'5': MilEM(model, fitMin, fitMax, kfm); break;
    default: break;
    }
}

QString valueOfStressOrComponent(const QString& key)
{
    const QString s = GetParam(stressData(), key);
    return s.isEmpty() ? GetParam(componentData(), key) : s;
}

} // namespace

void FitMil()
{
    const QString bac = GetParam(componentData(), QStringLiteral("Bac"));
    const QString prefix3 = bac.left(3);
    const QString prefix2 = bac.left(2);

    if (blockedByErrorCode())
        return;

    QString lower, upper;
    splitPair(GetParam(componentData(), QStringLiteral("Bacm")), lower, upper);
    lower = lower.toUpper();
    upper = upper.toUpper();
    bool hasModel = true;
    if (lower.isEmpty()) {
        QString names;
        hasModel = LesSin(componentData(), 0, QStringLiteral("Bacm"), names) != u"ABBRUCH";
        if (hasModel) {
            splitPair(names.trimmed(), lower, upper);
            hasModel = !(lower.isEmpty() && upper.isEmpty());
        }
        const QString drift = GetParam(stressData(), QStringLiteral("Drift"));
        if (hasModel) {
            // Diodes in linear application use the general-purpose analog model.
            if (drift == u"1") {
                if (lower == u"2DIOLFS")
                    lower = QStringLiteral("2DIOLFGPA");
                if (upper == u"2DIOLFS")
                    upper = QStringLiteral("2DIOLFGPA");
            }
            appendResult(QStringLiteral("Bacm"), lower == upper ? lower : lower + u'/' + upper);
        }
    }

    const QString kfmText = valueOfStressOrComponent(QStringLiteral("Kfm"));
    const double kfm = kfmText.isEmpty() ? 1.0 : number(kfmText);

    const QString aremKey = QStringLiteral("Arem");
    if (!valueOfStressOrComponent(aremKey).isEmpty()) {
        const QString& source = GetParam(stressData(), aremKey).isEmpty() ? componentData() : stressData();
        const ParamPair arem = GetParamPair(source, aremKey);
        double vf = partialUseFactor();
        // The count is part of the individual rate of displays, connectors, relays,
        // switches and hybrid arrays.
        if (prefix3 == u"322" || (prefix2 > u"51" && prefix2 < u"56") || lower == u"1HYBTRARRAY"
            || upper == u"1HYBTRARRAY" || vf == 0)
            vf = 1;
        appendResult(QStringLiteral("Fitm"), FormBerD(kfm * vf * arem.valueMin, kfm * vf * arem.valueMax, 3));
        removeBacMilCode();
        return;
    }
    if (!hasModel)
        return;

    double l1 = 0, u1 = 0;
    callFamily(lower, l1, u1, kfm);
    double l2 = l1, u2 = u1;
    if (upper != lower)
        callFamily(upper, l2, u2, kfm);
    const double fitMin = std::min(l1, l2);
    const double fitMax = std::max(u1, u2);
    if (fitMin > 0)
        appendResult(QStringLiteral("Fitm"), FormBerD(fitMin, fitMax, 3));
}

namespace {
// The digit of the family in the method list's keys of quality factors and classes.
QString familyDigitOf(QChar family)
{
    if (family == u'1')
        return QStringLiteral("1");
    if (family == u'2' || family == u'3')
        return QStringLiteral("2");
    if (family == u'4')
        return QStringLiteral("4");
    if (family == u'5')
        return QStringLiteral("5");
    return QString();
}

// Where the quality comes from: a factor given as a number, or else the class
// (empty when no source names one).
struct QualitySource {
    std::optional<MinMax> factor;
    QString klass;
};

// The most specific source: stress data, component data, then the method list.
QualitySource qualitySource(const QString& q, const QString& s, const QString& familyDigit)
{
    const QString qem = piKey(QStringLiteral("qem"));
    auto givenPair = [&](const QString& list) {
        const ParamPair p = GetParamPair(list, qem);
        return QualitySource{MinMax{p.valueMin, p.valueMax}, QString()};
    };
    if (!GetParam(s, qem).isEmpty())
        return givenPair(s);
    QString klass = GetParam(s, QStringLiteral("Qkm"));
    if (klass.isEmpty()) {
        if (!GetParam(q, qem).isEmpty())
            return givenPair(q);
        klass = GetParam(q, QStringLiteral("Qkm"));
    }
    if (klass.isEmpty() && !familyDigit.isEmpty()) {
        const QString runFactor = GetParam(methodList(), piKey(u'q' + familyDigit + QStringLiteral("em")));
        if (!runFactor.isEmpty()) {
            const double f = single(runFactor);
            return QualitySource{MinMax{f, f}, QString()};
        }
        klass = GetParam(methodList(), QStringLiteral("Qk") + familyDigit + u'm');
    }
    return QualitySource{std::nullopt, klass};
}

// Default classes: the usual quality of parts bought without a screening
// requirement, by family and hermetic or plastic technology. Empty for a family
// without a default.
QString defaultClass(QChar family, const QString& Qc, const QString& table, const QString& bac2, const QString& tec)
{
    const QChar tecLast = tec.back();
    const QString tec2 = tec.left(2);
    if (family == u'1')
        return tecLast == u'1' ? QStringLiteral("B/CSH") : QStringLiteral("CSP");
    if (family == u'2' || family == u'3') {
        QString klass = tecLast == u'0'   ? QStringLiteral("JANTX/Plastic")
                        : tecLast == u'1' ? QStringLiteral("JANTX/Lower")
                                          : QStringLiteral("Plastic");
        // A table without a plastic level (high-frequency transistors) counts
        // plastic parts as its lowest level.
        if (GetParam(table, QStringLiteral("PLASTIC")).isEmpty())
            klass.replace(QStringLiteral("Plastic"), QStringLiteral("Lower"));
        return klass;
    }
    if (family == u'4') {
        // Resistor networks (4Q7) have no established-reliability levels.
        return Qc == u"4Q3"                      ? QStringLiteral("M/MIL")
               : Qc == u"4Q4"                    ? QStringLiteral("R/L")
               : Qc == u"4Q7"                    ? QStringLiteral("MIL")
               : (Qc == u"4Q8" || Qc == u"4Q11") ? QStringLiteral("S/MIL")
                                                 : QStringLiteral("R/MIL");
    }
    if (family == u'5') {
        if (bac2 != u"53" && bac2 != u"55")
            return QStringLiteral("MIL");
        if (tec2 == u"13")
            return QStringLiteral("R/P");
        if (tec2 == u"11" || tec2 == u"12" || tec2 == u"14")
            return QStringLiteral("P/U");
        if (tec2 == u"21" || tec2 == u"22")
            return QStringLiteral("U/M");
        if (tec2 == u"31" || tec2 == u"32")
            return QStringLiteral("M/L");
        return QStringLiteral("L/MIL");
    }
    return QString();
}

// The factor pair of the class (one class, or "lower/upper") in the model's
// quality table; false, with the code appended, when an entry is missing.
bool factorOfClass(const QString& table, const QString& klass, double& qMin, double& qMax, QString* classPair)
{
    QString lower, upper;
    splitPair(klass.toUpper(), lower, upper);
    const QString entryMin = GetParam(table, lower);
    const QString entryMax = GetParam(table, upper);
    if (lower.isEmpty() || upper.isEmpty() || entryMin.isEmpty() || entryMax.isEmpty()) {
        appendErr(MissingQualityCode);
        return false;
    }
    qMin = single(entryMin);
    qMax = single(entryMax);
    if (classPair)
        *classPair = lower + u'/' + upper;
    if (!(qMin == 1 && qMax == 1) && !factorHasValue(QStringLiteral("qm")))
        appendFactor(QStringLiteral("qm"), FormBerS(qMin, qMax, 2));
    return true;
}
} // namespace

bool MilQFakt(const QString& model, const QString& Qc, double& qMin, double& qMax, QString* classPair)
{
    if (classPair)
        classPair->clear();
    const QString& q = componentData();
    QString tec = GetParam(q, QStringLiteral("Tec"));
    if (tec.isEmpty())
        tec = QStringLiteral("0000");
    const QChar family = model.isEmpty() ? QChar() : model.front();

    // 1. A factor or a class from the most specific source
    const QualitySource source = qualitySource(q, stressData(), familyDigitOf(family));
    if (source.factor) {
        qMin = source.factor->min;
        qMax = source.factor->max;
        return true;
    }
    // 2. The model's quality table; the family's default class where none is named
    const QString table =
        DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), Qc, QStringLiteral("Param")).toUpper();
    QString klass = source.klass;
    if (klass.isEmpty()) {
        klass = defaultClass(family, Qc, table, GetParam(q, QStringLiteral("Bac")).left(2), tec);
        if (klass.isEmpty())
            return true;
        if (!resultHasValue(QStringLiteral("Qkvm")))
            appendResult(QStringLiteral("Qkvm"), klass);
    }
    // 3. The factor of the class
    return factorOfClass(table, klass, qMin, qMax, classPair);
}

void MilLastFakt(double& lMin, double& lMax)
{
    const bool ref = referenceConditions();
    const bool ber = operatingConditions();
    const QString bac2 = GetParam(componentData(), QStringLiteral("Bac")).left(2);
    const double imax = number(GetParam(componentData(), QStringLiteral("Imax")));
    const double ib = number(GetParam(stressData(), QStringLiteral("Ib")));

    QString dcode;
    if (LesSin(componentData(), 0, QStringLiteral("Dcode"), dcode, {}, {}, {}, 1) == u"ABBRUCH")
        return;
    const QString record = DalesXls(QStringLiteral("SINDAT"), QStringLiteral("Dcode"), dcode, QStringLiteral("Daten"));

    // Load kind and load type: the stress data, else the defaults of the norm
    // record for the mode, documented once under Labv/Klv.
    auto readPair = [&](const QString& key, const QString& refKey, const QString& berKey, QString& lo, QString& hi) {
        const ParamPair given = GetParamPair(stressData(), key);
        lo = given.textMin;
        hi = given.textMax;
        if (!hi.isEmpty())
            return;
        const ParamPair def = ref ? GetParamPair(record, refKey) : ber ? GetParamPair(record, berKey) : ParamPair{};
        lo = def.textMin;
        hi = def.textMax;
        if (!resultHasValue(refKey))
            appendResult(refKey, lo == hi ? lo : lo + u'/' + hi);
    };
    QString kindMin, kindMax, typeMin, typeMax;
    readPair(QStringLiteral("Lab"), QStringLiteral("Labv"), QStringLiteral("Labvb"), kindMin, kindMax);
    readPair(QStringLiteral("Kl"), QStringLiteral("Klv"), QStringLiteral("Klvb"), typeMin, typeMax);
    if (bac2 == u"55") {
        typeMin = QStringLiteral("R");
        typeMax = QStringLiteral("C");
    }
    if (kindMin == u"1") {
        lMin = lMax = toSingle(1.33);
        return;
    }

    double factor[2] = {0, 0};
    double ratio[2] = {0, 0};
    const QString types[2] = {typeMin, typeMax};
    for (int b = 0; b < 2; ++b) {
        const QString& t = types[b];
        double s = 0, d = 0;
        const bool known = t == u"R" || t == u"F" || t == u"L" || t == u"C";
        if (ib > 0 && imax > 0) {
            s = ib / imax;
        } else {
            if (ib > 0 && imax == 0)
                appendWarn(QStringLiteral("IbImax"));
            s = t == u"L" ? 0.7 : 0.3;
        }
        if (t == u"R" || t == u"F")
            d = 0.8;
        else if (t == u"L")
            d = 0.4;
        else if (t == u"C")
            d = 0.2;
        if (known) {
            factor[b] = toSingle(std::exp(std::pow(s / d, 2)));
            ratio[b] = s;
        } else {
            factor[b] = b == 0 ? 0 : factor[0];
            ratio[b] = b == 0 ? 0 : ratio[0];
        }
    }
    lMin = factor[0];
    lMax = factor[1];
    if (ib == 0 || imax == 0)
        appendResult(QStringLiteral("Viv"), FormBerS(ratio[0], ratio[1], 2));
    appendFactor(QStringLiteral("lm"), FormBerS(lMin, lMax, 2));
}
