#include "calculation/calcinterface.h"
#include "calculation/norm.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <cmath>

namespace {
constexpr int DivisionByZero = 11;

// Temperature on the Arrhenius scale; the constants are the norm's own, not the
// more precise physical ones.
double arrheniusZ(double celsius)
{
    if (celsius + 273 == 0)
        throw TarnError(QStringLiteral("Division by zero"), DivisionByZero);
    return 11605 * (1.0 / 313 - 1.0 / (celsius + 273));
}

struct TwoTerm {
    double A, Ea1, Ea2;
    double operator()(double x) const
    {
        const double v = A * std::exp(Ea1 * x) + (1 - A) * std::exp(Ea2 * x);
        if (!std::isfinite(v))
            throw OverflowError();
        return v;
    }
};

QString reMode()
{
    return GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Re"));
}

double num(const QString& list, const QString& key)
{
    return toSingle(readLeadingNumber(GetParam(list, key)));
}
double num(const QString& list, const char* key)
{
    return num(list, QLatin1String(key));
}

// The component temperature pair of slot 8 for the class digit; Tref where the
// position has none.
MinMax componentTemperature(int classDigit, bool otherClassesUseTref)
{
    const QString& r = prog().WorkStr[Slot::R];
    QString key;
    if (classDigit >= 1 && classDigit <= 3)
        key = QStringLiteral("Tj");
    else if (classDigit == 4 || classDigit == 5)
        key = QStringLiteral("Tb");
    else if (!otherClassesUseTref)
        return {0, 0};
    ParamPair t;
    if (!key.isEmpty())
        t = GetParamPair(r, key);
    if (key.isEmpty() || t.textMin.isEmpty())
        t = GetParamPair(r, QStringLiteral("Tref"));
    return {t.valueMin, t.valueMax};
}

void writeTemperatureKeys(double A, double Ea1, double Ea2, const QString& tref2Text, double piMin, double piMax)
{
    if (A != 0)
        appendResult(QStringLiteral("A"), plainSingle(A));
    if (Ea1 != 0)
        appendResult(QStringLiteral("Ea1"), plainSingle(Ea1));
    if (Ea2 != 0)
        appendResult(QStringLiteral("Ea2"), plainSingle(Ea2));
    if (!tref2Text.isEmpty())
        appendResult(QStringLiteral("Tref2"), tref2Text);
    appendFactor(QStringLiteral("t"), factorFormD(piMin, piMax, 2));
}

void writeNonOperatingKeys(double Rf, double piTob)
{
    if (Rf != 1)
        appendResult(QStringLiteral("Rf"), plainSingle(Rf));
    appendFactor(QStringLiteral("tob"), factorFormD(piTob, piTob, 2));
}
} // namespace

void TempFakt(int ClassDigit, double Tref, double Tlimit, double& PiTMin, double& PiTMax, double& PiTob, double A,
              double Ea1, double Ea2, double Rf, double z)
{
    const TwoTerm g{A, Ea1, Ea2};
    const double tur = num(prog().WorkStr[Slot::R], "Tur");
    MinMax t = componentTemperature(ClassDigit, false);
    if (ClassDigit >= 1 && ClassDigit <= 5) {
        // The norm's model does not hold below its lower limit.
        if (t.min <= Tlimit)
            t.min = Tlimit;
        if (t.max <= Tlimit)
            t.max = Tlimit;
    }
    const double reference = g(arrheniusZ(Tref));
    PiTMin = g(arrheniusZ(t.min)) / reference;
    PiTMax = g(arrheniusZ(t.max)) / reference;
    if (!(PiTMin == 1 && PiTMax == 1))
        writeTemperatureKeys(A, Ea1, Ea2, QString(), PiTMin, PiTMax);
    if (z == 100)
        return;
    PiTob = g(arrheniusZ(tur > Tlimit ? tur : Tlimit)) / reference;
    writeNonOperatingKeys(Rf, PiTob);
}

void TempFakt2(int ClassDigit, double Tref, double Tref2, double Tlimit, double& PiTMin, double& PiTMax,
               double& PiTob, double A, double Ea1, double Ea2, double Rf, double z)
{
    const TwoTerm g{A, Ea1, Ea2};
    const double tur = num(prog().WorkStr[Slot::R], "Tur");
    // Between Tref2 and the lower limit the model holds at the limit; below
    // Tref2 the second branch takes over.
    auto bounded = [&](double t) { return (t >= Tref2 && t <= Tlimit) ? Tlimit : t; };
    const double reference = g(arrheniusZ(Tref));
    auto factor = [&](double t) {
        if (t < Tref2) {
            if (t + 273 == 0 || Tref2 + 273 == 0)
                throw TarnError(QStringLiteral("Division by zero"), DivisionByZero);
            return g(11605 * (1.0 / (t + 273) - 1.0 / (Tref2 + 273)));
        }
        return g(arrheniusZ(t)) / reference;
    };
    MinMax t = componentTemperature(ClassDigit, true);
    t.min = bounded(t.min);
    t.max = bounded(t.max);
    PiTMin = factor(t.min);
    PiTMax = factor(t.max);
    if (!(PiTMin == 1 && PiTMax == 1))
        writeTemperatureKeys(A, Ea1, Ea2, (t.min < Tref2 || t.max < Tref2) ? plainSingle(Tref2) : QString(), PiTMin,
                             PiTMax);
    if (z == 100)
        return;
    PiTob = factor(bounded(tur));
    writeNonOperatingKeys(Rf, PiTob);
}

namespace {
// A ratio of operating value to rating, given directly, computed, or the
// record's default for the mode (documented under vKey).
MinMax stressRatio(double given, double operating, double rating, const QString& warning, const QString& record,
                   const char* refKey, const char* berKey, const QString& vKey)
{
    if (given > 0)
        return {given, given};
    if (rating > 0 && operating > 0) {
        const double v = toSingle(operating / rating);
        return {v, v};
    }
    if (operating > 0 && rating == 0)
        appendWarn(warning);
    const QString mode = reMode();
    if (mode == QLatin1String("Ref")) {
        const ParamPair d = GetParamPair(record, QLatin1String(refKey));
        if (!d.textMin.isEmpty())
            appendResult(vKey, d.textMin);
        return {d.valueMin, d.valueMax};
    }
    if (mode == QLatin1String("Ber")) {
        const ParamPair d = GetParamPair(record, QLatin1String(berKey));
        if (!d.textMin.isEmpty())
            appendResult(vKey, d.textMin + u'/' + d.textMax);
        return {d.valueMin, d.valueMax};
    }
    return {0, 0};
}

double expFactor(double c, double x, double exponent, double reference)
{
    const double v = std::exp(c * (std::pow(x, exponent) - std::pow(reference, exponent)));
    if (!std::isfinite(v))
        throw OverflowError();
    return v;
}

// Current part of the relay and switch classes: the ratio to the nominal
// current, at least floor.
double currentPart(const QString& data, const QString& stress, const QString& record, double floor)
{
    const double ib = num(stress, "Ib");
    const double inen = num(data, "Inen");
    double i = num(stress, "Vie");
    if (i == 0) {
        if (ib > 0 && inen == 0)
            appendWarn(QStringLiteral("IbInen"));
        if (inen > 0 && ib > 0)
            i = toSingle(ib / inen);
    }
    const double viref = num(record, "Viref");
    if (i == 0)
        i = viref;
    if (i < floor)
        i = floor;
    const double c4 = num(record, "C4");
    return c4 > 0 ? expFactor(c4, i, num(record, "C5"), viref) : 1;
}
} // namespace

bool FaktorSpannungStrom(const QString& data, const QString& stress, int Class, const QString& record, double& sMin,
                         double& sMax)
{
    sMin = sMax = 1;
    bool alwaysWrite = false;
    const double ub = num(stress, "Ub");
    switch (Class) {
    case 14: {
        MinMax u{ub, ub};
        if (ub == 0) {
            const QString mode = reMode();
            if (mode == QLatin1String("Ref"))
                u = readPair(record, QStringLiteral("Uref"));
            else if (mode == QLatin1String("Ber"))
                u = readPair(record, QStringLiteral("Uber"));
        }
        if (u.min > 0)
            appendResult(QStringLiteral("Ubv"),
                         plainSingle(u.min) + (u.min != u.max ? u'/' + plainSingle(u.max) : QString()));
        const double c1 = num(record, "C1"), c2 = num(record, "C2"), uref = num(record, "Uref");
        sMin = expFactor(c1, u.min, c2, uref);
        sMax = expFactor(c1, u.max, c2, uref);
        break;
    }
    case 16:
    case 21:
    case 31:
    case 41: {
        const MinMax v = stressRatio(num(stress, "Vue"), ub, num(data, "Umax"), QStringLiteral("UbUmax"), record,
                                     "Vref", "Vber", QStringLiteral("Vuv"));
        const double c3 = num(record, "C3");
        if (c3 > 0) {
            const double c2 = num(record, "C2"), vref = num(record, "Vref");
            sMin = expFactor(c3, v.min, c2, vref);
            sMax = expFactor(c3, v.max, c2, vref);
        }
        break;
    }
    case 32: {
        const MinMax i = stressRatio(num(stress, "Vie"), num(stress, "Ib"), num(data, "Imax"), QStringLiteral("IbImax"),
                                     record, "Viref", "Viber", QStringLiteral("Viv"));
        const double c4 = num(record, "C4");
        if (c4 > 0) {
            const double c5 = num(record, "C5"), viref = num(record, "Viref");
            sMin = expFactor(c4, i.min, c5, viref);
            sMax = expFactor(c4, i.max, c5, viref);
        }
        break;
    }
    case 37: {
        const MinMax v = stressRatio(num(stress, "Vue"), ub, num(data, "Unen"), QStringLiteral("UbUnen"), record,
                                     "Vref", "Vber", QStringLiteral("Vuv"));
        // Step table: entries "1", "2", ... of bound/factor, ascending bounds.
        auto step = [&](double ratio, double& s) {
            for (int k = 1;; ++k) {
                const ParamPair e = GetParamPair(record, QString::number(k));
                if (e.valueMin == 0) {
                    appendErr(QStringLiteral("UlampSAw"));
                    return false;
                }
                if (e.valueMin >= ratio) {
                    s = e.valueMax;
                    return true;
                }
            }
        };
        if (!step(v.min, sMin) || !step(v.max, sMax))
            return false;
        break;
    }
    case 55:
    case 58: {
        const double c1 = num(record, "C1"), c2 = num(record, "C2"), uref = num(record, "Uref");
        double u = uref;
        if (ub != 0) {
            appendResult(QStringLiteral("Uref"), GetParam(record, QStringLiteral("Uref")));
            alwaysWrite = true;
            u = ub;
        }
        double sv = expFactor(c1, u, c2, uref);
        if (sv < 1)
            sv = 1;
        sMin = sMax = currentPart(data, stress, record, Class == 58 ? 0.5 : 0) * sv;
        break;
    }
    case 59:
        sMin = sMax = currentPart(data, stress, record, 0.1);
        break;
    default:
        return true;
    }
    if (sMin != 1 || sMax != 1 || alwaysWrite)
        appendFactor(QStringLiteral("s"), factorFormD(sMin, sMax, 2));
    return true;
}

void FaktorKontaktlast(const QString& stress, const QString& record, double& laMin, double& laMax)
{
    const QString mode = reMode();
    const bool ref = mode == QLatin1String("Ref");
    const bool ber = mode == QLatin1String("Ber");
    struct Texts {
        QString lower, upper;
    };
    // The user's value, else the record's default for the mode (documented).
    auto choose = [&](const char* key, const char* refKey, const char* berKey, const QString& docKey,
                      bool documentOnlyWhenBoth) {
        const QString given = GetParam(stress, QLatin1String(key));
        if (!given.isEmpty())
            return Texts{given, given};
        if (!ref && !ber)
            return Texts{};
        const ParamPair d = GetParamPair(record, QLatin1String(ref ? refKey : berKey));
        if (!documentOnlyWhenBoth || (!d.textMin.isEmpty() && !d.textMax.isEmpty()))
            appendResult(docKey, d.textMin + (d.textMin != d.textMax ? u'/' + d.textMax : QString()));
        return Texts{d.textMin, d.textMax};
    };
    const Texts lab = choose("Lab", "Labv", "Labvb", QStringLiteral("Labv"), false);
    const Texts kl = choose("Kl", "Klv", "Klvb", QStringLiteral("Klv"), false);
    const Texts acdc = choose("Acdc", "Acdcv", "Acdcvb", QStringLiteral("Acdcv"), true);
    const QString lowerKey = lab.lower + kl.lower.toUpper() + acdc.lower.toUpper();
    const QString upperKey = lab.upper + kl.upper.toUpper() + acdc.upper.toUpper();
    laMin = lowerKey.isEmpty() ? 0 : num(record, lowerKey);
    laMax = upperKey.isEmpty() ? 0 : num(record, upperKey);
    if (laMin == 0)
        appendErr(QStringLiteral("KolastSAw"));
    appendFactor(QStringLiteral("la"), factorFormS(laMin, laMax, 1));
}
