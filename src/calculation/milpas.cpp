#include "calculation/mil.h"
#include "calculation/milshared.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <cmath>

using namespace mil;

namespace {

QString recordText(const QString& rec, const char* key) { return GetParam(rec, QString::fromLatin1(key)); }
double recordNumber(const QString& rec, const char* key) { return number(recordText(rec, key)); }

// Capacitors: lambda_b = A [(S/NS)^H + 1] exp[B ((T+273)/NT)^G] at the ambient
// temperature, with the rated temperature as NT.
MinMax capacitor(const QString& model, const QString& rec, double vf)
{
    if (vf == 0)
        vf = 1;
    const double c1 = recordNumber(rec, "C1");
    const double sref = recordNumber(rec, "Sref");
    MinMax tr = readPair(rec, QStringLiteral("Tr"));
    const double ps = recordNumber(rec, "Ps");
    const double ct = recordNumber(rec, "Ct");
    const double pt = recordNumber(rec, "Pt");
    const bool ref = referenceConditions();

    MinMax s;
    if (!voltageStressRatio(s)) {
        s = ref ? MinMax{0.5, 0.5} : MinMax{0.1, 0.9};
        appendResult(QStringLiteral("Vuv"), ref ? QStringLiteral(".5") : QStringLiteral(".1/.9"));
    }
    const double tbmax = number(GetParam(componentData(), QStringLiteral("Tbmax")));
    if (tbmax != 0)
        tr = {tbmax, tbmax};
    else
        appendResult(QStringLiteral("Tbmaxv"), recordText(rec, "Tr"));

    const double tu = ambientTemperature();
    auto baseRate = [&](double stress, double rated) {
        return c1 * (power(divide(stress, sref), ps) + 1) * std::exp(ct * power((tu + 273) / (rated + 273), pt));
    };
    const MinMax lambdaB{baseRate(s.min, tr.max), baseRate(s.max, tr.min)};
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB.min, lambdaB.max, 2));

    // Capacitance and series-resistance factors are unknown outside reference
    // conditions: the handbook's range for the family is used.
    const MinMax piCV = ref ? MinMax{1, 1} : MinMax{0.5, 2.2};
    if (!piCV.isOne())
        appendFactor(QStringLiteral("cvm"), FormBerS(piCV.min, piCV.max, 2));
    // Series resistance of solid tantalum capacitors, by the circuit resistance per
    // volt: 0.33 up to 0.1 ohm/V down to 0.066 above 0.8 ohm/V; reference
    // conditions take the band 0.2 to 0.4 ohm/V. (The ten times larger table
    // belongs to the later model with a constant base rate, not to this formula.)
    MinMax piSR{1, 1};
    if (model == u"4CFCS")
        piSR = ref ? MinMax{0.2, 0.2} : MinMax{0.066, 0.33};
    if (!piSR.isOne())
        appendFactor(QStringLiteral("srm"), FormBerS(piSR.min, piSR.max, 2));
    return {vf * lambdaB.min * toSingle(piSR.min) * toSingle(piCV.min),
            vf * lambdaB.max * toSingle(piCV.max) * toSingle(piSR.max)};
}

// Resistor networks: fixed rate with the temperature factor at the case
// temperature assumed for networks, ambient + 27.5.
bool resistorNetwork(const QString& rec, double vf, MinMax& fit)
{
    const QString arText = recordText(rec, "Ar");
    const double ar = number(arText);
    const double ct = recordNumber(rec, "Ct");
    appendResult(QStringLiteral("Arm"), arText);
    const double tcr = ambientTemperature() + 55.0 / 2;
    appendResult(QStringLiteral("Tcr"), FormBerD(tcr, tcr, 1));
    const double piT = std::exp(-ct * (1 / (tcr + 273) - 1.0 / 298));
    const QString t = FormBerD(piT, piT, 2);
    if (t != u"1") {
        if (!resultHasValue(QStringLiteral("Ctm")))
            appendResult(QStringLiteral("Ctm"), plainNumber(ct));
        if (!factorHasValue(QStringLiteral("tm")))
            appendFactor(QStringLiteral("tm"), t);
    }
    if (vf == 0) {
        appendErr(QStringLiteral("Vf"));
        return false;
    }
    fit = {vf * ar * piT, vf * ar * piT};
    return true;
}

// Resistors: lambda_b = A exp[B ((T+273)/NT)^G] x exp[((S/NS) ((T+273)/273)^J)^H].
// With an entered temperature rise the body temperature replaces the stress term.
MinMax resistor(const QString& rec, double vf, const MinMax& tb)
{
    if (vf == 0)
        vf = 1;
    const double c1 = recordNumber(rec, "C1");
    const double ct = recordNumber(rec, "Ct");
    const double tbRec = recordNumber(rec, "Tb");
    const double pt = recordNumber(rec, "Pt");
    const double sref = recordNumber(rec, "Sref");
    const double ps1 = recordNumber(rec, "Ps1");
    const double ps2 = recordNumber(rec, "Ps2");
    const double tu = ambientTemperature();
    auto thermal = [&](double t) { return c1 * std::exp(ct * power((t + 273) / (tbRec + 273), pt)); };

    MinMax lambdaB;
    if (!GetParam(stressData(), QStringLiteral("Tei")).isEmpty()) {
        lambdaB = {thermal(tb.min), thermal(tb.max)};
    } else {
        const double vne = number(GetParam(stressData(), QStringLiteral("Vne")));
        const double nmw = number(GetParam(stressData(), QStringLiteral("Nmw")));
        const double nmax = number(GetParam(componentData(), QStringLiteral("Nmax")));
        MinMax s;
        if (vne > 0) {
            s = {vne, vne};
        } else if (nmw > 0 && nmax > 0) {
            s = {nmw / nmax, nmw / nmax};
        } else {
            const bool ref = referenceConditions();
            s = ref ? MinMax{0.5, 0.5} : MinMax{0.1, 0.9};
            appendResult(QStringLiteral("Vnv"), ref ? QStringLiteral(".5") : QStringLiteral(".1/.9"));
        }
        auto stress = [&](double ratio) {
            return std::exp(power(divide(ratio, sref) * power((tu + 273) / 273, ps1), ps2));
        };
        lambdaB = {thermal(tu) * stress(s.min), thermal(tu) * stress(s.max)};
    }
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB.min, lambdaB.max, 2));
    double piR = 1;
    if (GetParam(componentData(), QStringLiteral("Bac")) == u"4220") {
        piR = toSingle(1.6);
        appendFactor(QStringLiteral("rrm"), plainNumber(piR, true));
    }
    return {vf * lambdaB.min * piR, vf * lambdaB.max * piR};
}

struct InductiveBand {
    double upTo; // highest rated temperature of the band, degC
    double a;
    double nt;
    double g;
};

// Transformer and coil constants by rated temperature (x 1000 for fit). Each band
// reaches up to the start of the next, so every rating, 126 degC or 85.5 degC
// included, has its constants.
const InductiveBand TransformerBands[] = {
    {85, 1.8, 329, 15.6}, {105, 2.0, 352, 14}, {130, 1.8, 364, 8.7},
    {155, 2.0, 400, 10},  {170, 1.25, 398, 3.8}, {INFINITY, 1.59, 477, 8.4},
};
const InductiveBand CoilBands[] = {
    {85, 0.335, 329, 15.6}, {105, 0.379, 352, 14}, {125, 0.319, 364, 8.7}, {INFINITY, 0.35, 409, 10},
};

template <size_t N>
const InductiveBand& bandOf(const InductiveBand (&bands)[N], double rated)
{
    for (const InductiveBand& b : bands)
        if (rated <= b.upTo)
            return b;
    return bands[N - 1];
}

// Inductive devices: lambda_b = A exp(((T_HS + 273)/NT)^G) at the hot spot, which
// lies 1.1 times the body temperature rise above the ambient.
MinMax inductive(const QString& model, double vf, const MinMax& tb)
{
    if (vf == 0)
        vf = 1;
    double rated = number(GetParam(componentData(), QStringLiteral("Tbmax")));
    if (rated == 0) {
        rated = model == u"4ITRPOWER" ? 130 : 105;
        appendResult(QStringLiteral("Tbmaxv"), plainNumber(rated));
    }
    const double tu = ambientTemperature();
    const MinMax hotSpot{tu + 1.1 * (tb.min - tu), tu + 1.1 * (tb.max - tu)};
    const InductiveBand& band = model == u"4ICOIL" ? bandOf(CoilBands, rated) : bandOf(TransformerBands, rated);
    auto rate = [&](double ths) { return band.a * std::exp(power((ths + 273) / band.nt, band.g)); };
    const MinMax lambdaB{rate(hotSpot.min), rate(hotSpot.max)};
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB.min, lambdaB.max, 2));
    return {vf * lambdaB.min, vf * lambdaB.max};
}

// Fixed base rate (thermistors and the other parts); quartz crystals grow with
// the frequency as f^0.23.
MinMax fixedRate(const QString& model, const QString& rec, double vf)
{
    if (vf == 0)
        vf = 1;
    QString text = recordText(rec, "Ar");
    double ar = number(text);
    if (model.startsWith(u"4Q")) {
        double fnen = number(GetParam(componentData(), QStringLiteral("Fnen")));
        if (fnen == 0) {
            fnen = 40;
            appendResult(QStringLiteral("Fnenv"), QStringLiteral("40"));
        }
        ar *= power(fnen, 0.23);
        text = FormBerD(ar, ar, 2);
    }
    appendResult(QStringLiteral("Arm"), text);
    return {vf * ar, vf * ar};
}

} // namespace

void MilPas(const QString& model, double& FitMin, double& FitMax, double Kfm)
{
    const MinMax tb = temperaturePair(QStringLiteral("Tb"));
    const QString rec = modelRecord(model);
    if (rec.isEmpty()) {
        appendErr(QStringLiteral("BacMil"));
        return;
    }
    const QString qc = GetParam(rec, QStringLiteral("Qc"));
    const QString ec = GetParam(rec, QStringLiteral("Ec"));
    const double vf = partialUseFactor();

    MinMax fit;
    if (model.startsWith(u"4C"))
        fit = capacitor(model, rec, vf);
    else if (model.startsWith(u"4RTH"))
        fit = fixedRate(model, rec, vf);
    else if (model == u"4RZ") {
        if (!resistorNetwork(rec, vf, fit))
            return;
    } else if (model.startsWith(u"4R"))
        fit = resistor(rec, vf, tb);
    else if (model.startsWith(u"4I"))
        fit = inductive(model, vf, tb);
    else
        fit = fixedRate(model, rec, vf);

    double qMin = 0, qMax = 0;
    if (!recordQualityFactor(rec, model, qc, false, qMin, qMax))
        return;
    double piE = 1;
    if (!environmentFactor(ec, 1, piE))
        return;
    FitMin = qMin * fit.min * piE * Kfm;
    FitMax = qMax * fit.max * piE * Kfm;
}
