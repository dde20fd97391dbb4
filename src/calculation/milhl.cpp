#include "calculation/mil.h"
#include "calculation/milshared.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <algorithm>
#include <cmath>

using namespace mil;

namespace {

const QString HybridArray = QStringLiteral("1HYBTRARRAY");

bool isOneOf(const QString& model, std::initializer_list<const char16_t*> names)
{
    for (const char16_t* n : names)
        if (model == QStringView(n))
            return true;
    return false;
}

bool diodeVoltageModel(const QString& m)
{
    return isOneOf(m, {u"2DIOLFGPA", u"2DIOLFS", u"2DIOLFPRF", u"2DIOLFPRS", u"2DIOLFPRH"});
}
bool bipolarModel(const QString& m) { return isOneOf(m, {u"2TRLFBIP", u"2TRHFBIP", u"1HYBTRARRAY"}); }
bool microwavePowerModel(const QString& m) { return isOneOf(m, {u"2TRHFHPBIPAU", u"2TRHFHPBIPAL"}); }
// Models whose voltage factor depends on the voltage-stress ratio; the others
// neither read the ratio nor document its default.
bool voltageStressModel(const QString& m) { return diodeVoltageModel(m) || bipolarModel(m) || m == u"2TRLFTHYR"; }
bool laserModel(const QString& m) { return isOneOf(m, {u"3LASERDIOGA", u"3LASERDIOIN"}); }
bool fixedRateModel(const QString& m)
{
    return isOneOf(m, {u"3CRT", u"3VIDICONSB", u"3VIDICONSI", u"3NEONLAMPS", u"3FIBERCON", u"3FIBERCABLE"});
}

struct Record {
    QString text;
    double c1 = 0;
    double c2 = 0;
    double ct = 0;
    QString arText;
    QString ctText;
};

// Arrhenius factor of the junction temperature, reported with the record's Ct.
// High-power microwave transistors are referred to 100 degC instead of 25 degC and
// scaled by their metallisation: gold 0.1, aluminium 0.38.
MinMax temperatureFactor(const QString& model, const Record& rec)
{
    double scale = 1;
    double reference = 298;
    if (model == u"2TRHFHPBIPAU" || model == u"2TRHFHPBIPAL") {
        scale = model == u"2TRHFHPBIPAU" ? 0.1 : 0.38;
        reference = 373;
    }
    const MinMax tj = temperaturePair(QStringLiteral("Tj"));
    MinMax piT;
    piT.min = scale * std::exp(-rec.ct * (1 / (tj.min + 273) - 1 / reference));
    piT.max = scale * std::exp(-rec.ct * (1 / (tj.max + 273) - 1 / reference));
    if (!piT.isOne()) {
        appendResult(QStringLiteral("Ctm"), rec.ctText);
        appendFactor(QStringLiteral("tm"), FormBerD(piT.min, piT.max, 2));
    }
    return piT;
}

// Application factor by the application flag: switching 0.7, linear 1.5.
MinMax applicationByFlag()
{
    const QString drift = GetParam(stressData(), QStringLiteral("Drift"));
    if (drift == u"0")
        return {0.7, 0.7};
    if (drift == u"1")
        return {1.5, 1.5};
    return {0.7, 1.5};
}

MinMax applicationFactor(const QString& model, double nmax, const QString& bac3)
{
    // Varactor and step-recovery diodes: voltage control 0.5, multiplier 2.5; no
    // class of the list says which use it serves.
    if (model == u"2DIOHFVAR")
        return {0.5, 2.5};
    // Microwave power transistors: continuous wave 7.6, pulsed 0.06 x duty cycle in
    // % + 0.40. The component data carry neither, so the pair spans pulsed operation
    // at a vanishing duty cycle to continuous wave.
    if (microwavePowerModel(model))
        return {0.40, 7.6};
    if (model == u"2TRLFBIP")
        return applicationByFlag();
    if (model == u"2TRLFMOSFET" || model == u"2TRLFJFET") {
        // power rating bands of field-effect transistors, rating in mW
        if (nmax >= 250000)
            return {10, 10};
        if (nmax >= 50000 && nmax <= 249999)
            return {8, 8};
        if (nmax >= 5000 && nmax <= 49999)
            return {4, 4};
        if (nmax >= 2000 && nmax <= 4999)
            return {2, 2};
        if (nmax >= 1 && nmax <= 1999)
            return applicationByFlag();
        if (nmax == 0) {
            if (bac3 == u"211")
                return applicationByFlag();
            if (bac3 == u"214")
                return {2, 8};
            return {1, 8};
        }
    }
    return {1, 1};
}

MinMax ratingFactor(const QString& model, double nmax, double imax, const QString& bac3, const QString& tec)
{
    if (bipolarModel(model)) {
        if (nmax == 0) {
            if (model == u"2TRHFBIP")
                return {0.43, 1.0};
            if (tec.startsWith(u'1')) {
                if (bac3 == u"211" || bac3 == u"212")
                    return {0.43, 1.0};
                if (bac3 == u"213")
                    return {0.77, 1.3};
                if (bac3 == u"214")
                    return {1.3, 3.0};
            }
            return {0.43, 3.0};
        }
        if (nmax <= 100)
            return {0.43, 0.43};
        const double r = std::pow(nmax / 1000, 0.37);
        return {r, r};
    }
    if (model == u"2DIOHFPIN") {
        // PIN diodes by rated power in W: up to 10 W 0.5, to 100 W 1.3, to 1000 W
        // 2.0, above (the table ends at 3000 W) 2.4.
        if (nmax > 0) {
            const double watts = nmax / 1000;
            const double r = watts <= 10 ? 0.5 : watts <= 100 ? 1.3 : watts <= 1000 ? 2.0 : 2.4;
            return {r, r};
        }
        return {0.5, 2.4};
    }
    if (model == u"2THYR") {
        if (imax != 0) {
            const double r = power(imax, 0.4);
            return {r, r};
        }
        return {1.0, 6.3};
    }
    return {1, 1};
}

double voltageFactor(const QString& model, double s)
{
    if (diodeVoltageModel(model))
        return s <= 0.3 ? 0.054 : power(s, 2.43);
    if (bipolarModel(model))
        return 0.045 * std::exp(3.1 * s);
    if (model == u"2TRLFTHYR")
        return s <= 0.3 ? 0.1 : power(s, 1.9);
    return 1;
}

void fixedRate(const Record& rec, int vf, double piE, double kfm, double& fitMin, double& fitMax)
{
    appendResult(QStringLiteral("Arm"), rec.arText);
    if (GetParam(componentData(), QStringLiteral("Bac")).left(3) == u"341") {
        // fibre-optic parts: the count grows with the technology's number of ends
        const int n = toInt16(number(GetParam(componentData(), QStringLiteral("Tec")).mid(1, 1)));
        if (n == 2)
            vf *= 2;
        else if (n == 3)
            vf *= 4;
        else if (n == 4)
            vf *= 8;
        else if (n == 5)
            vf *= 12;
        if (vf > 1)
            appendResult(QStringLiteral("Vfm"), QString::number(vf));
    }
    fitMin = fitMax = rec.c1 * vf * piE * kfm;
}

void laserDiode(const QString& model, const Record& rec, int vf, double piE, double kfm, double& fitMin,
                double& fitMax)
{
    appendResult(QStringLiteral("Arm"), rec.arText);
    const MinMax piT = temperatureFactor(model, rec);
    const double imax = number(GetParam(componentData(), QStringLiteral("Imax")));
    const double ib = number(GetParam(stressData(), QStringLiteral("Ib")));
    const double vie = number(GetParam(stressData(), QStringLiteral("Vie")));
    MinMax current;
    if (ib > 0) {
        current = {ib, ib};
    } else if (imax > 0) {
        if (vie > 0) {
            current = {vie * imax, vie * imax};
        } else {
            current = {0.1 * imax, imax};
            appendResult(QStringLiteral("Ibv"), FormBerS(current.min, current.max, 2));
        }
    } else {
        current = {0.1, 10};
        appendResult(QStringLiteral("Ibv"), FormBerS(0.1, 10, 2));
        appendWarn(QStringLiteral("IbLaserMil"));
    }
    const MinMax piI{toSingle(power(current.min, 0.68)), toSingle(power(current.max, 0.68))};
    if (!piI.isOne())
        appendFactor(QStringLiteral("im"), FormBerS(piI.min, piI.max, 2));
    // Application: continuous wave 4.4; pulsed sqrt(duty cycle), the duty cycle
    // being the share of operating time in percent. No share (or 100 %) is
    // continuous operation.
    const double duty = ValProz(GetParam(stressData(), QStringLiteral("Zf")));
    const double piA = toSingle(duty > 0 && duty < 100 ? std::sqrt(duty / 100) : 4.4);
    appendFactor(QStringLiteral("am"), FormBerS(piA, piA, 2));
    // Power degradation: required over rated optical power Pr/Ps in percent, 50 %
    // when not given; pi_P = 1 / (2 (1 - Pr/Ps)). The handbook ends at 95 %, where
    // the factor is 10: a larger entry counts as 95 % rather than as an infinite
    // or negative rate.
    double degr = ValProz(GetParam(stressData(), QStringLiteral("Degr")));
    if (degr <= 0) {
        degr = 50;
        appendResult(QStringLiteral("Degrv"), QStringLiteral("50"));
    } else if (degr > 95) {
        degr = 95;
        appendResult(QStringLiteral("Degrv"), QStringLiteral("95"));
    }
    const double piP = toSingle(1 / (2 * (1 - degr / 100)));
    appendFactor(QStringLiteral("pdm"), FormBerS(piP, piP, 2));
    fitMin = rec.c1 * vf * piT.min * piI.min * piA * piP * piE * kfm;
    fitMax = rec.c1 * vf * piT.max * piI.max * piA * piP * piE * kfm;
}

// Incandescent lamps: lambda_b = A x Vr^1.29, times utilisation, application
// (a.c./d.c.) and environment factors.
void lamp(const Record& rec, int vf, double piE, double kfm, double& fitMin, double& fitMax)
{
    appendResult(QStringLiteral("Arm"), rec.arText);
    const double unen = number(GetParam(componentData(), QStringLiteral("Unen")));
    if (unen > 40) {
        appendErr(QStringLiteral("UlampMil"));
        return;
    }
    double vr = unen;
    if (unen == 0) {
        vr = 28;
        appendResult(QStringLiteral("Unenv"), QStringLiteral("28"));
    }
    const double lambdaB = rec.c1 * std::pow(vr, 1.29);
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB, lambdaB, 1));
    // Share of illuminated hours in percent; no share given means always on. The
    // bands follow each other without gaps.
    const double zf = ValProz(GetParam(stressData(), QStringLiteral("Zf")));
    double piU = 1;
    if (zf > 0 && zf < 10)
        piU = 0.1;
    else if (zf >= 10 && zf <= 90)
        piU = 0.72;
    if (piU != 1)
        appendFactor(QStringLiteral("um"), FormBerS(piU, piU, 2));
    const QString acdc = GetParam(stressData(), QStringLiteral("Acdc"));
    const MinMax piA = acdc == u"A" ? MinMax{1, 1} : acdc == u"D" ? MinMax{3.3, 3.3} : MinMax{1, 3.3};
    if (!piA.isOne())
        appendFactor(QStringLiteral("am"), FormBerS(piA.min, piA.max, 2));
    fitMin = lambdaB * vf * toSingle(piU) * toSingle(piA.min) * piE * kfm;
    fitMax = lambdaB * vf * toSingle(piU) * toSingle(piA.max) * piE * kfm;
}

Record readRecord(const QString& model)
{
    Record rec;
    rec.text = modelRecord(model);
    rec.arText = GetParam(rec.text, QStringLiteral("Ar"));
    rec.ctText = GetParam(rec.text, QStringLiteral("Ct"));
    rec.c1 = number(rec.arText);
    rec.c2 = number(GetParam(rec.text, QStringLiteral("Ar2")));
    rec.ct = number(rec.ctText);
    return rec;
}

bool ownRateModel(const QString& model)
{
    return laserModel(model) || model == u"3LAMPS" || fixedRateModel(model);
}

// Laser diodes, lamps and the parts of a fixed rate have models of their own.
void ownRate(const QString& model, const Record& rec, int vf, double piE, double kfm, double& fitMin,
             double& fitMax)
{
    if (vf == 0)
        vf = 1;
    if (laserModel(model))
        laserDiode(model, rec, vf, piE, kfm, fitMin, fitMax);
    else if (model == u"3LAMPS")
        lamp(rec, vf, piE, kfm, fitMin, fitMax);
    else
        fixedRate(rec, vf, piE, kfm, fitMin, fitMax);
}

// The record's constants; false (code BacMil) when it has no base rate.
bool reportBaseRate(const Record& rec)
{
    if (!(rec.c1 > 0)) {
        appendErr(QStringLiteral("BacMil"));
        return false;
    }
    appendResult(QStringLiteral("C1m"), FormBerD(rec.c1, rec.c1, 2));
    if (rec.c2 > 0)
        appendResult(QStringLiteral("C2m"), FormBerD(rec.c2, rec.c2, 2));
    return true;
}

// Voltage factor from the voltage-stress ratio; without one, from the ratio
// passed down to the position, else 0.7.
double voltageStressFactor(const QString& model)
{
    if (!voltageStressModel(model))
        return 1;
    MinMax ratio;
    if (!voltageStressRatio(ratio)) {
        const double vuv = number(GetParam(rSection(), QStringLiteral("Vuv")));
        ratio = {vuv, vuv};
        if (vuv == 0) {
            ratio = {0.7, 0.7};
            appendResult(QStringLiteral("Vuv"), plainNumber(0.7, true));
        }
    }
    const double piS = toSingle(voltageFactor(model, ratio.min));
    if (piS != 1)
        appendFactor(QStringLiteral("sm"), FormBerS(piS, piS, 2));
    return piS;
}

// A factor pair in single precision, reported under its key unless it is one.
MinMax reportedFactor(const MinMax& factor, const QString& key)
{
    const MinMax f{toSingle(factor.min), toSingle(factor.max)};
    if (!f.isOne())
        appendFactor(key, FormBerS(f.min, f.max, 2));
    return f;
}

// The rate of vf devices. Displays: the base rate grows with the number of
// characters, counted from the segments (7 per character, or 35 for dot matrices).
void deviceRate(const QString& bac, const Record& rec, int vf, const MinMax& factors, double& fitMin, double& fitMax)
{
    if (bac.left(3) != u"322") {
        if (vf == 0)
            vf = 1;
        fitMin = rec.c1 * vf * factors.min;
        fitMax = rec.c1 * vf * factors.max;
        return;
    }
    if (vf == 0) {
        appendErr(QStringLiteral("Vf"));
        return;
    }
    MinMax k;
    if (bac == u"3220")
        k = {vf / 35.0, vf / 7.0};
    else if (bac == u"3221" || bac == u"3222")
        k = {vf / 7.0, vf / 7.0};
    else if (bac == u"3223" || bac == u"3224")
        k = {vf / 35.0, vf / 35.0};
    fitMin = (rec.c1 * k.min + rec.c2) * factors.min;
    fitMax = (rec.c1 * k.max + rec.c2) * factors.max;
}

} // namespace

void MilHL(const QString& model, double& FitMin, double& FitMax, double Kfm)
{
    const bool hybrid = model == HybridArray;
    const QString& q = componentData();
    const QString bac = GetParam(q, QStringLiteral("Bac"));
    const QString bac3 = bac.left(3);
    const QString tec = GetParam(q, QStringLiteral("Tec"));

    const Record rec = readRecord(model);
    // a count of devices: the nearest whole number
    const int vf = toInt16(partialUseFactor());

    QString qc;
    double piE = 1;
    if (!hybrid) {
        // 1. Environment; models of their own; base rate
        qc = GetParam(rec.text, QStringLiteral("Qc"));
        const QString ec = GetParam(rec.text, QStringLiteral("Ec"));
        if (!ec.isEmpty() && !environmentFactor(ec, 1, piE))
            return;
        if (ownRateModel(model)) {
            ownRate(model, rec, vf, piE, Kfm, FitMin, FitMax);
            return;
        }
        if (!reportBaseRate(rec))
            return;
    }
    // 2. Temperature, voltage stress, rating
    const MinMax piT = temperatureFactor(model, rec);
    const double piS = voltageStressFactor(model);
    const double nmax = single(GetParam(q, QStringLiteral("Nmax")));
    const double imax = single(GetParam(q, QStringLiteral("Imax")));
    const MinMax piR = reportedFactor(ratingFactor(model, nmax, imax, bac3, tec), QStringLiteral("prm"));

    if (hybrid) {
        if (vf == 0) {
            appendErr(QStringLiteral("Vf"));
            return;
        }
        FitMin = rec.c1 * piT.min * piS * piR.min * vf;
        FitMax = rec.c1 * piT.max * piS * piR.max * vf;
        return;
    }

    // 3. Application; matching network of microwave power transistors: input
    // and output 1.0, input only 2.0, none 4.0; the component data do not say which.
    const MinMax piA = reportedFactor(applicationFactor(model, nmax, bac3), QStringLiteral("am"));
    const MinMax piM =
        reportedFactor(microwavePowerModel(model) ? MinMax{1.0, 4.0} : MinMax{1, 1}, QStringLiteral("mm"));

    // 4. Quality
    double qMin = 1, qMax = 1;
    if (!MilQFakt(model, qc, qMin, qMax))
        return;

    // 5. Rate
    const MinMax factors{piT.min * piA.min * piR.min * piM.min * piS * qMin * piE * Kfm,
                         piT.max * piA.max * piR.max * piM.max * piS * qMax * piE * Kfm};
    deviceRate(bac, rec, vf, factors, FitMin, FitMax);
}
