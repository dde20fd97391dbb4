#include "calculation/mil.h"
#include "calculation/milshared.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <cmath>

using namespace mil;

namespace {

const QString HybridArray = QStringLiteral("1HYBTRARRAY");

// Activation energy (eV) of the die by class group and technology.
double activationEnergy(const QString& model, const QString& bac2, const QString& tec2)
{
    double ea = 0.5;
    static const QStringList fourTenths = {QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("13"),
                                           QStringLiteral("17"), QStringLiteral("20"), QStringLiteral("21"),
                                           QStringLiteral("22"), QStringLiteral("23"), QStringLiteral("25")};
    if (bac2 == u"11")
        ea = 0.6;
    else if (bac2 == u"16")
        ea = 0.65;
    else if (fourTenths.contains(tec2))
        ea = 0.4;
    else if (tec2 == u"14" || tec2 == u"16")
        ea = 0.45;
    else if (tec2 == u"12")
        ea = 0.5;
    else if ((tec2 >= u"30" && tec2 <= u"39") || (tec2 >= u"40" && tec2 <= u"49"))
        ea = 0.35;
    else if (tec2 >= u"50" && tec2 <= u"59")
        ea = 0.5;
    else if (tec2 >= u"60" && tec2 <= u"69")
        ea = 1.5;
    // Digital GaAs dies have 1.4 eV; GaAs MMICs (technology 6x) keep 1.5 eV.
    if (model.startsWith(u"1DIGGAAS"))
        ea = 1.4;
    else if (model.startsWith(u"1LIN"))
        ea = 0.65;
    else if (model.startsWith(u"1V"))
        ea = 0.35;
    return toSingle(ea);
}

// Package failure rate of the monolithic model by hermeticity and package kind.
double monolithicPackageRate(QChar tecLast, const QString& gec, int np)
{
    if (tecLast == u'1') {
        if (gec == u"DIK1" || gec == u"CCK" || gec == u"PGAK")
            return 0.28 * std::pow(np, 1.08);
        if (gec == u"DIK" || gec == u"DIK2")
            return 0.09 * std::pow(np, 1.51);
        if (gec == u"FPK")
            return 0.03 * std::pow(np, 1.82);
        if (gec.startsWith(u"TO"))
            return 0.03 * std::pow(np, 2.01);
        appendWarn(QStringLiteral("GecMil"));
        return 0.28 * std::pow(np, 1.08);
    }
    if (tecLast == u'2')
        return 0.36 * std::pow(np, 1.08);
    appendWarn(QStringLiteral("C2Mil"));
    return 0;
}

double vhsicPackageType(const QString& gec)
{
    if (gec == u"DIK" || gec == u"DIK1" || gec == u"DIK2")
        return 1;
    if (gec == u"DIP")
        return 1.3;
    if (gec == u"PGAK")
        return 2.2;
    if (gec == u"PGAP")
        return 2.9;
    if (gec == u"CCK")
        return 4.7;
    if (gec == u"CCP")
        return 6.1;
    appendWarn(QStringLiteral("Gec2Mil"));
    return 6.1;
}

MinMax complexityRange()
{
    QString k1 = GetParam(componentData(), QStringLiteral("K1"));
    MinMax r;
    if (!k1.isEmpty())
        ValBereich(k1, r.min, r.max);
    return r;
}

// Die density factor of VHSIC parts from chip area (mm^2) and feature size (um);
// the handbook's area in cm^2 / 0.21 is the area in mm^2 / 21.
MinMax dieDensityFactor()
{
    const MinMax k1 = complexityRange();
    const bool large = k1.max > 100000;
    const double achip = single(GetParam(componentData(), QStringLiteral("Achip")));
    const double sac = single(GetParam(componentData(), QStringLiteral("Sac")));
    const MinMax area = achip == 0 ? (large ? MinMax{80, 200} : MinMax{40, 100}) : MinMax{achip, achip};
    const MinMax feature = sac == 0 ? (large ? MinMax{0.8, 1.0} : MinMax{1.0, 1.25}) : MinMax{sac, sac};
    MinMax cd;
    cd.min = toSingle(area.min * 0.64 / 21 * std::pow(2 / feature.max, 2) + 0.36);
    cd.max = toSingle(area.max * 0.64 / 21 * std::pow(2 / feature.min, 2) + 0.36);
    if (achip == 0 && !resultHasValue(QStringLiteral("Achipv")))
        appendResult(QStringLiteral("Achipv"), FormBerS(area.min, area.max, 1));
    if (sac == 0 && !resultHasValue(QStringLiteral("Sacv")))
        appendResult(QStringLiteral("Sacv"), FormBerS(feature.min, feature.max, 2));
    appendFactor(QStringLiteral("cdm"), FormBerS(cd.min, cd.max, 2));
    return cd;
}

// Read/write cycling rate of EEPROMs (Flotox term A1 x B1). The cycles and the
// system life are read from the stress data and documented in R; they stay in the
// stress data so that a second calculation of the same component gives the same.
MinMax cyclingRate(double tjMax)
{
    const MinMax k1 = complexityRange();
    MinMax cycles;
    const QString pcyc = GetParam(stressData(), QStringLiteral("Pcyc"));
    if (!pcyc.isEmpty()) {
        cycles.min = cycles.max = number(pcyc);
        SetParam(rSection(), QStringLiteral("Pcyc"), pcyc);
    } else {
        cycles = {100, 10000};
        appendResult(QStringLiteral("Pcycv"), QStringLiteral("100/10K"));
    }
    double life = 10000;
    const QString sylt = GetParam(stressData(), QStringLiteral("Sylt"));
    if (!sylt.isEmpty()) {
        life = single(sylt);
        SetParam(rSection(), QStringLiteral("Sylt"), sylt);
    } else {
        appendResult(QStringLiteral("Syltv"), QStringLiteral("10K"));
    }
    const double a1Min = 6.817 * 0.001 * cycles.min * life / 10000;
    const double a1Max = 6.817 * 0.001 * cycles.max * life / 10000;
    const double b1 = std::sqrt(k1.max / 16000) * std::exp(-(15000 / 8.63) * (1 / (tjMax + 273) - 1.0 / 333));
    const MinMax rate{toSingle(a1Min * b1), toSingle(a1Max * b1)};
    appendResult(QStringLiteral("Arcycm"), FormBerS(rate.min, rate.max, 1));
    return rate;
}

} // namespace

void MilIC(const QString& model, double& FitMin, double& FitMax, double Kfm)
{
    const bool hybrid = model == HybridArray;
    const bool vhsic = model.startsWith(u"1V");
    const QString& q = componentData();
    const QString bac = GetParam(q, QStringLiteral("Bac"));
    const QString bac3 = bac.left(3);

    const QString rec = modelRecord(model);
    const double c1 = number(GetParam(rec, QStringLiteral("Ar")));
    if (!(c1 > 0)) {
        appendErr(QStringLiteral("BacMil"));
        return;
    }
    appendResult(QStringLiteral("C1m"), FormBerD(c1, c1, 2));
    MinMax cd{1, 1};
    if (vhsic)
        cd = dieDensityFactor();
    const QString qc = GetParam(rec, QStringLiteral("Qc"));
    const QString ec = GetParam(rec, QStringLiteral("Ec"));

    double vf = 0;
    MinMax tj, piT;
    double c2 = 0;
    double eos = 0;
    if (hybrid) {
        MilHL(model, FitMin, FitMax, Kfm);
        if (fSection().contains(QStringLiteral("Err=Vf")))
            return;
    } else {
        vf = partialUseFactor();
        tj = temperaturePair(QStringLiteral("Tj"));
        const QString tec = GetParam(q, QStringLiteral("Tec"));
        const double ea = activationEnergy(model, bac.left(2), tec.left(2));
        // GaAs dies are rated at 150 degC, silicon at 25 degC.
        const double tr = model.startsWith(u"1DIGGAAS") ? 423 : 298;
        auto temperatureFactor = [&](double t) {
            return 0.1 * std::exp((ea / 8.617) * 100000 * (1 / tr - 1 / (t + 273)));
        };
        piT = {temperatureFactor(tj.min), temperatureFactor(tj.max)};
        const QString t = FormBerD(piT.min, piT.max, 2);
        if (t != u"1") {
            if (!resultHasValue(QStringLiteral("Eam")))
                appendResult(QStringLiteral("Eam"), plainNumber(ea, true));
            if (!factorHasValue(QStringLiteral("tm")))
                appendFactor(QStringLiteral("tm"), t);
        }
        const QString gec = GetParam(q, QStringLiteral("Gec")).toUpper();
        const QChar tecLast = tec.isEmpty() ? QChar() : tec.back();
        if (gec == u"CHIP" || tecLast == u'3') {
            appendErr(QStringLiteral("ChipMil"));
            return;
        }
        const int np = toInt16(number(GetParam(q, QStringLiteral("Pin"))));
        c2 = vhsic ? vhsicPackageType(gec) * (2.2 + 0.0172 * np) : monolithicPackageRate(tecLast, gec, np);
        if (!resultHasValue(QStringLiteral("C2m")))
            appendResult(QStringLiteral("C2m"), FormBerD(c2, c2, 2));
        if (vhsic) {
            eos = 65;
            if (!resultHasValue(QStringLiteral("Eosvm")))
                appendResult(QStringLiteral("Eosvm"), FormBerS(65, 65, 1));
        }
    }

    double qMin = 1, qMax = 1;
    if (!MilQFakt(model, qc, qMin, qMax))
        return;
    double piE = 1;
    if (!environmentFactor(ec, 2, piE))
        return;
    MinMax cyc;
    if (bac3 == u"116")
        cyc = cyclingRate(tj.max);

    if (hybrid) {
        FitMin = (1 + 0.2 * piE) * FitMin * qMin * Kfm;
        FitMax = (1 + 0.2 * piE) * FitMax * qMax * Kfm;
        return;
    }
    if (vf == 0)
        vf = 1;
    // Kfm multiplies the die term only: the package, overstress and cycling terms
    // belong to the one housing.
    if (vhsic) {
        if (!factorHasValue(QStringLiteral("mfgv")))
            appendFactor(QStringLiteral("mfgv"), QStringLiteral("0.55"));
        FitMin = vf * (0.55 * c1 * piT.min * cd.min * Kfm + piE * c2 * qMin + eos);
        FitMax = vf * (0.55 * c1 * piT.max * cd.max * Kfm + piE * c2 * qMax + eos);
        return;
    }
    FitMin = vf * qMin * (c1 * piT.min * Kfm + piE * c2 + cyc.min);
    FitMax = vf * qMax * (c1 * piT.max * Kfm + piE * c2 + cyc.max);
}
