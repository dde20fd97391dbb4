#include "calculation/mil.h"
#include "calculation/milshared.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <algorithm>
#include <cmath>

using namespace mil;

namespace {

double recordNumber(const QString& rec, const char* key) { return number(GetParam(rec, QString::fromLatin1(key))); }

// Pin factor of connectors and sockets with n active pins: exp(((n-1)/10)^0.51064).
double pinFactor(double vf) { return std::exp(power((vf - 1) / 10, 0.51064)); }

enum class ContactDevice { Relay, Switch };

// Contact forms by their number of contacts (poles x throws) with the factor of
// relays and of switches; the two tables differ only in SPDT and 3PDT.
struct ContactForm {
    double contacts;
    double relay;
    double switchFactor;
};
const ContactForm ContactForms[] = {
    {1, 1.00, 1.0},  // SPST
    {2, 1.50, 1.5},  // DPST
    {2, 1.75, 1.7},  // SPDT
    {3, 2.00, 2.0},  // 3PST
    {4, 2.50, 2.5},  // 4PST
    {4, 3.00, 3.0},  // DPDT
    {6, 4.25, 4.2},  // 3PDT
    {8, 5.50, 5.5},  // 4PDT
    {12, 8.00, 8.0}, // 6PDT
};

// Contact-form factor of n contacts. The data gives the count, not the form: where
// two forms have that count (DPST and SPDT both have 2) the pair of their factors
// is taken, and a count no form has takes the pair of the forms next below and next
// above it. Up to one contact is a single contact; beyond the largest form its
// factor stays.
MinMax contactForm(double n, ContactDevice device)
{
    auto factor = [&](const ContactForm& f) { return device == ContactDevice::Relay ? f.relay : f.switchFactor; };
    double below = 1, above = 12;
    for (const ContactForm& f : ContactForms) {
        if (f.contacts <= n)
            below = f.contacts;
        if (f.contacts >= n && f.contacts < above)
            above = f.contacts;
    }
    MinMax piC{INFINITY, -INFINITY};
    for (const ContactForm& f : ContactForms) {
        if (f.contacts == below || f.contacts == above) {
            piC.min = std::min(piC.min, factor(f));
            piC.max = std::max(piC.max, factor(f));
        }
    }
    piC = {toSingle(piC.min), toSingle(piC.max)};
    if (!piC.isOne())
        appendFactor(QStringLiteral("cm"), FormBerS(piC.min, piC.max, 2));
    return piC;
}

struct Common {
    QString rec;
    QString qc;
    QString ec;
    double vf = 0;
    double kfm = 1;
    QString model;
};

bool socket(const Common& c, MinMax& fit)
{
    const QString arText = GetParam(c.rec, QStringLiteral("Ar"));
    const double ar = number(arText);
    appendResult(QStringLiteral("Arm"), arText);
    if (c.vf == 0) {
        appendErr(QStringLiteral("Vf"));
        return false;
    }
    const double piP = pinFactor(c.vf);
    appendFactor(QStringLiteral("pm"), FormBerD(piP, piP, 2));
    double piE = 1;
    if (!environmentFactor(c.ec, 1, piE))
        return false;
    fit.min = fit.max = ar * piP * piE * c.kfm;
    return true;
}

// Connectors: lambda_b = A exp(-B/(T+273) + ((T+273)/T0)^P) at the ambient temperature.
bool connector(const Common& c, MinMax& fit)
{
    const double c1 = recordNumber(c.rec, "C1");
    const double t0 = recordNumber(c.rec, "T0");
    const double ct = recordNumber(c.rec, "Ct");
    const double pot = recordNumber(c.rec, "Pot");
    const double tu = ambientTemperature();
    const double lambdaB = c1 * std::exp(-ct / (tu + 273) + power(divide(tu + 273, t0), pot));
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB, lambdaB, 2));
    if (c.vf == 0) {
        appendErr(QStringLiteral("Vf"));
        return false;
    }
    // A pin factor already documented for the position (mated pair) is used as is.
    double piP = single(GetParam(rSection(), piKey(QStringLiteral("pm"))));
    if (piP == 0) {
        piP = pinFactor(c.vf);
        appendFactor(QStringLiteral("pm"), FormBerD(piP, piP, 2));
    }
    double piE = 1;
    if (!environmentFactor(c.ec, 1, piE))
        return false;
    fit.min = fit.max = lambdaB * piP * piE * c.kfm;
    return true;
}

// Relays: lambda = lambda_b piL piC piCYC piF piQ piE, lambda_b = A exp(((T+273)/T0)^P)
// at the body temperature.
bool relay(const Common& c, const QString& bac3, const MinMax& tb, MinMax& fit)
{
    const double c1 = recordNumber(c.rec, "C1");
    const double t0 = recordNumber(c.rec, "T0");
    const double pot = recordNumber(c.rec, "Pot");
    // Construction and application factor; a pair where the kind covers several
    // rows of the handbook's table (construction unknown).
    const QString pfText = GetParam(c.rec, QStringLiteral("Pf"));
    const MinMax pf = readPair(c.rec, QStringLiteral("Pf"));
    auto base = [&](double t) { return c1 * std::exp(power(divide(t + 273, t0), pot)); };
    const MinMax lambdaB{base(tb.min), base(tb.max)};
    appendResult(QStringLiteral("Arm"), FormBerD(lambdaB.min, lambdaB.max, 2));
    appendFactor(QStringLiteral("fm"), pfText);

    double vf = c.vf;
    if (vf == 0) {
        // contact count of the relay classes with extra contacts Hisch
        const double hisch = number(GetParam(componentData(), QStringLiteral("Hisch")));
        if (bac3 == u"551")
            vf = 1 + hisch;
        else if (bac3 == u"552")
            vf = 2 + hisch;
        else if (bac3 == u"553")
            vf = 3 + hisch;
        else if (bac3 == u"554")
            vf = hisch;
        else {
            appendErr(QStringLiteral("Vf"));
            return false;
        }
    }
    const MinMax piC = contactForm(vf, ContactDevice::Relay);
    double lMin = 0, lMax = 0;
    MilLastFakt(lMin, lMax);

    // Cycling factor from the switching rate (operations per hour), at least 0.1.
    MinMax sh{1, 10};
    if (!GetParam(stressData(), QStringLiteral("Sh")).isEmpty())
        sh = readPair(stressData(), QStringLiteral("Sh"));
    const MinMax piCyc{toSingle(std::max(sh.min / 10, 0.1)), toSingle(std::max(sh.max / 10, 0.1))};
    appendFactor(QStringLiteral("cycm"), FormBerS(piCyc.min, piCyc.max, 2));

    double qMin = 0, qMax = 0;
    if (!recordQualityFactor(c.rec, c.model, c.qc, true, qMin, qMax))
        return false;
    double piE = 1;
    if (!environmentFactor(c.ec, 1, piE))
        return false;
    fit.min = lMin * lambdaB.min * piC.min * piCyc.min * pf.min * qMin * piE * c.kfm;
    fit.max = lMax * lambdaB.max * piC.max * piCyc.max * pf.max * qMax * piE * c.kfm;
    return true;
}

// Base rate of a switch with n contacts, lambda_b1 + n lambda_b2, for a quality
// class: the handbook gives lower-quality switches base rates of their own (record
// keys ArL, or Ar1L and Ar2L) instead of a quality factor.
double switchBaseRate(const QString& rec, const QString& klass, double n)
{
    const bool lower = klass == u"LOWER";
    const QString suffix = lower ? QStringLiteral("L") : QString();
    const QString ar = GetParam(rec, QStringLiteral("Ar") + suffix);
    if (!GetParam(rec, QStringLiteral("Ar")).isEmpty())
        return number(ar);
    return number(GetParam(rec, QStringLiteral("Ar1") + suffix)) + n * number(GetParam(rec, QStringLiteral("Ar2") + suffix));
}

// Switches: lambda_b = lambda_b1 + n lambda_b2 with n contacts.
bool switchModel(const Common& c, MinMax& fit)
{
    const QString arText = GetParam(c.rec, QStringLiteral("Ar"));
    double a1 = 0, a2 = 0;
    if (!arText.isEmpty()) {
        a1 = number(arText);
        appendResult(QStringLiteral("Arm"), arText);
    } else {
        const QString ar1 = GetParam(c.rec, QStringLiteral("Ar1"));
        const QString ar2 = GetParam(c.rec, QStringLiteral("Ar2"));
        a1 = number(ar1);
        a2 = number(ar2);
        appendResult(QStringLiteral("Ar1m"), ar1);
        appendResult(QStringLiteral("Ar2m"), ar2);
    }
    if (c.vf == 0) {
        appendErr(QStringLiteral("Vf"));
        return false;
    }
    // the contact count already enters the two-term base rate
    const MinMax piC = a2 == 0 ? contactForm(c.vf, ContactDevice::Switch) : MinMax{1, 1};
    double lMin = 0, lMax = 0;
    MilLastFakt(lMin, lMax);

    MinMax sh = readPair(stressData(), QStringLiteral("Sh"));
    if (sh.min == 0)
        sh.min = 1;
    if (sh.max == 0)
        sh.max = 1;
    const MinMax piCyc{std::max(sh.min, 1.0), std::max(sh.max, 1.0)};
    if (!piCyc.isOne())
        appendFactor(QStringLiteral("cycm"), FormBerS(piCyc.min, piCyc.max, 2));

    double qMin = 0, qMax = 0;
    MinMax lambdaB{a1 + a2 * c.vf, a1 + a2 * c.vf};
    const double pq = number(GetParam(c.rec, QStringLiteral("Pq")));
    if (pq != 0) {
        if (!recordQualityFactor(c.rec, c.model, c.qc, true, qMin, qMax))
            return false;
    } else {
        // The class chooses the base-rate column; a factor given as a number
        // multiplies the MIL-SPEC rate.
        QString classes;
        if (!MilQFakt(c.model, c.qc, qMin, qMax, &classes))
            return false;
        if (!classes.isEmpty()) {
            const QString lower = classes.section(u'/', 0, 0);
            const QString upper = classes.section(u'/', 1, 1);
            lambdaB = {switchBaseRate(c.rec, lower, c.vf), switchBaseRate(c.rec, upper, c.vf)};
            // the quality table holds 1 for every class, so the rates may be ordered
            if (lambdaB.min > lambdaB.max)
                std::swap(lambdaB.min, lambdaB.max);
            if (lower == u"LOWER" || upper == u"LOWER")
                appendResult(QStringLiteral("Arm"), FormBerD(lambdaB.min, lambdaB.max, 3));
        }
    }
    double piE = 1;
    if (!environmentFactor(c.ec, 1, piE))
        return false;
    fit.min = lambdaB.min * piCyc.min * lMin * piC.min * qMin * piE * c.kfm;
    fit.max = lambdaB.max * piCyc.max * lMax * piC.max * qMax * piE * c.kfm;
    return true;
}

bool perElement(const Common& c, MinMax& fit)
{
    const QString arText = GetParam(c.rec, QStringLiteral("Ar"));
    const double ar = number(arText);
    appendResult(QStringLiteral("Arm"), arText);
    const double vf = c.vf == 0 ? 1 : c.vf;
    double piE = 1;
    if (!environmentFactor(c.ec, 1, piE))
        return false;
    fit.min = fit.max = vf * ar * piE * c.kfm;
    return true;
}

} // namespace

void MilEM(const QString& model, double& FitMin, double& FitMax, double Kfm)
{
    const QString bac = GetParam(componentData(), QStringLiteral("Bac"));
    const QString bac2 = bac.left(2);
    const QString bac3 = bac.left(3);
    const MinMax tb = temperaturePair(QStringLiteral("Tb"));

    Common c;
    c.model = model;
    c.kfm = Kfm;
    c.rec = modelRecord(model);
    if (c.rec.isEmpty()) {
        appendErr(QStringLiteral("BacMil"));
        return;
    }
    c.qc = GetParam(c.rec, QStringLiteral("Qc"));
    c.ec = GetParam(c.rec, QStringLiteral("Ec"));
    c.vf = partialUseFactor();

    MinMax fit;
    bool ok = false;
    if (bac2 == u"52")
        ok = model == u"5ICSOCKET" ? socket(c, fit) : connector(c, fit);
    else if (bac2 == u"53" || bac2 == u"55")
        ok = relay(c, bac3, tb, fit);
    else if (bac2 == u"54")
        ok = switchModel(c, fit);
    else if (bac2 == u"51" || bac2 == u"56")
        ok = perElement(c, fit);
    if (!ok)
        return;
    FitMin = fit.min;
    FitMax = fit.max;
}
