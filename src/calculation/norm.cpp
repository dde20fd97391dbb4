#include "calculation/norm.h"
#include "calculation/calcinterface.h"
#include "calculation/systdb.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <cmath>

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

void FitFaktoren(const QString& data, const QString& stress, double Kf, double& NormMin, double& NormMax,
                 double& AwsMin, double& AwsMax, bool DoNorm, bool DoAws, bool& Weightable)
{
    Program& p = prog();
    QString& r = p.WorkStr[Slot::R];
    NormMin = NormMax = AwsMin = AwsMax = 0;
    Weightable = false;

    const QString bac = GetParam(data, QStringLiteral("Bac"));
    QString tec = GetParam(data, QStringLiteral("Tec"));
    const QString prefix1 = bac.left(1);
    const int class1 = prefixNumber(bac, 1);
    const int class2 = prefixNumber(bac, 2);
    const int class3 = prefixNumber(bac, 3);
    const int classAll = prefixNumber(bac, 4);
    const QString re = reMode();
    const QString rates = QStringLiteral("Armin,Armax,Tref,Dcode");

    // 1. Base rates
    MinMax norm, aws;
    double tref = 0;
    QString dcode;
    if (DoAws) {
        const QString res = LesSin(data, 1, rates, aws.min, aws.max, tref, dcode, 1);
        if (res == QLatin1String("ABBRUCH"))
            return;
        // A complexity above every row has no user-list rate.
        if (res.contains(QLatin1String("max=")))
            aws = {};
        if (aws.min > 0)
            appendResult(QStringLiteral("Ara"), factorFormS(aws, 2));
    }
    if (DoNorm) {
        const QString res = LesSin(data, 0, rates, norm.min, norm.max, tref, dcode, 1);
        if (res == QLatin1String("ABBRUCH"))
            return;
        if (res.contains(QLatin1String("max=")))
            norm = {};
        if (norm.min > 0) {
            appendResult(QStringLiteral("Ar"), factorFormS(norm, 2));
            Weightable = true;
        }
    }
    const QString rec = record(dcode);

    // Individual rates given with the component.
    if (!GetParam(stress, QStringLiteral("Arx")).isEmpty()) {
        if (DoNorm)
            norm = readPair(stress, QStringLiteral("Arx"));
        Weightable = false;
    } else {
        const QString& source = GetParam(stress, QStringLiteral("Ari")).isEmpty() ? data : stress;
        if (!GetParam(source, QStringLiteral("Ari")).isEmpty()) {
            const MinMax ari = readPair(source, QStringLiteral("Ari"));
            if (DoNorm) {
                norm = ari;
                Weightable = false;
            }
            if (DoAws)
                aws = ari;
        }
    }
    const bool normZero = norm.min == 0 && norm.max == 0;
    if (DoNorm && normZero) {
        appendErr(QStringLiteral("NullFitSin"));
        if (!DoAws)
            return;
    }
    if (DoAws && aws.min == 0 && aws.max == 0) {
        appendErr(QStringLiteral("NullFitAws"));
        if (!DoNorm || normZero)
            return;
    }

    // 2. Chip factor of integrated circuits in chip form. The stress data stays
    // as the user entered it; a factor taken over from Chpfg is recorded in R.
    double ch = 1;
    if (prefix1 == QLatin1String("1") && charAt(tec, 4) == u'3') {
        const QString chpfg = GetParam(stress, QStringLiteral("Chpfg"));
        const QString chpf = GetParam(stress, QStringLiteral("Chpf"));
        if (!chpfg.isEmpty()) {
            ch = toSingle(readLeadingNumber(chpfg));
            SetParam(r, QStringLiteral("Chpf"), chpfg);
        } else if (!chpf.isEmpty()) {
            ch = toSingle(readLeadingNumber(chpf));
        } else {
            ch = 2;
            SetParam(r, QStringLiteral("Chpfv"), QStringLiteral("2"));
        }
    }

    // 3. Asic: both base pairs move inside their own range.
    if (!GetParam(data, QStringLiteral("Asic")).isEmpty()) {
        const MinMax pc = readPair(data, QStringLiteral("Asic"));
        for (MinMax* pair : {&norm, &aws}) {
            const MinMax old = *pair;
            pair->min = toSingle(old.min + (old.max - old.min) * pc.min / 100);
            pair->max = toSingle(old.min + (old.max - old.min) * pc.max / 100);
        }
    }

    // 4.
    if ((norm.min > 0 || aws.min > 0) && findParamKey(r, QStringLiteral("Tref")) < 0)
        appendResult(QStringLiteral("Tref"), plainSingle(tref));

    // 5. Multiple factor
    const QString vfi = GetParam(stress, QStringLiteral("Vfi"));
    int vf = multipleFactor(vfi.isEmpty() ? GetParam(data, QStringLiteral("Vf")) : vfi, bac);
    if (vf == 0) {
        if (class3 == 322 || class3 == 425 || inRange(class3, 521, 524) || inRange(class3, 531, 536) ||
            inRange(class3, 541, 545) || class3 == 554) {
            appendErr(QStringLiteral("Vf"));
            return;
        }
        vf = 1;
    }

    // 6. Operating share
    QString zfr = GetParam(r, QStringLiteral("Zfr"));
    const double z = ValProz(zfr.isEmpty() ? QStringLiteral("100%") : zfr);

    // 7. Temperature parameters
    double A = 0, Ea1 = 0, Ea2 = 0, Rf = 0, Tlimit = 25, Tref2 = 0;
    bool piecewise = false;
    auto tlimitOf = [&](const QString& rc) {
        return rc.contains(QLatin1String("Tlimit=")) ? num(rc, QStringLiteral("Tlimit")) : 25.0;
    };
    auto rfOf = [&](const QString& code) { return num(record(code), QStringLiteral("Rf")); };
    if (class2 != 53 && class2 != 58) {
        A = num(rec, QStringLiteral("A"));
        Ea1 = num(rec, QStringLiteral("Ea1"));
        Ea2 = num(rec, QStringLiteral("Ea2"));
        if (class3 == 544 || class3 == 545) {
            const QChar t1 = charAt(tec, 1);
            if (t1 == u'3')
                Rf = rfOf(QStringLiteral("540R2"));
            else if (t1 == u'0' || t1 == u'4')
                Rf = rfOf(QStringLiteral("540R1"));
        } else {
            Rf = num(rec, QStringLiteral("Rf"));
        }
        Tlimit = tlimitOf(rec);
        if (rec.contains(QLatin1String("Tref2="))) {
            Tref2 = num(rec, QStringLiteral("Tref2"));
            piecewise = true;
        }
    } else {
        const QString temperatureRecord = record(bac.left(2) + (charAt(tec, 3) == u'2' ? "0T2" : "0T1"));
        A = num(temperatureRecord, QStringLiteral("A"));
        Ea1 = num(temperatureRecord, QStringLiteral("Ea1"));
        Ea2 = num(temperatureRecord, QStringLiteral("Ea2"));
        Tlimit = tlimitOf(temperatureRecord);
        if (inRange(class3, 531, 533)) {
            const QChar t1 = charAt(tec, 1);
            Rf = rfOf(t1 >= u'1' && t1 <= u'3' ? QStringLiteral("530R2") : QStringLiteral("530R1"));
        } else if (class3 == 535 || class3 == 536) {
            Rf = num(rec, QStringLiteral("Rf"));
        }
    }
    if (dcode == QLatin1String("00000") && Rf == 0)
        Rf = 1;

    // 8. Temperature factor
    double piTMin = 1, piTMax = 1, piTob = 0;
    if (piecewise)
        TempFakt2(class1, tref, Tref2, Tlimit, piTMin, piTMax, piTob, A, Ea1, Ea2, Rf, z);
    else
        TempFakt(class1, tref, Tlimit, piTMin, piTMax, piTob, A, Ea1, Ea2, Rf, z);

    // 9. Stress factor
    double sMin = 1, sMax = 1;
    if (!FaktorSpannungStrom(data, stress, class2, rec, sMin, sMax))
        return;

    // 10. Drift
    MinMax d{1, 1};
    if (classAll == 1312 || class2 == 16 || (class3 == 211 && charAt(tec, 1) == u'1') || class3 == 212 ||
        class3 == 213 || class3 == 221 || class3 == 222) {
        const QString drift = GetParam(stress, QStringLiteral("Drift"));
        if (drift == QLatin1String("0")) {
            appendFactor(QStringLiteral("d"), QStringLiteral("1"));
        } else if (drift == QLatin1String("1")) {
            d = {2, 2};
            appendFactor(QStringLiteral("d"), QStringLiteral("2"));
        } else if (drift == QLatin1String("0/1") || re == QLatin1String("Ber")) {
            d = {1, 2};
            appendFactor(QStringLiteral("d"), QStringLiteral("1/2"));
        }
    }

    // 11. Quality (resistors)
    MinMax q{1, 1};
    if (class2 == 41) {
        const ParamPair pqs = GetParamPair(rec, QStringLiteral("Pqs"));
        QString qks = GetParam(stress, QStringLiteral("Qks"));
        if (qks.isEmpty())
            qks = GetParam(data, QStringLiteral("Qks"));
        if (qks == QLatin1String("LL") || qks == QLatin1String("GP")) {
            const bool ll = qks == QLatin1String("LL");
            const double f = ll ? pqs.valueMin : pqs.valueMax;
            q = {f, f};
            appendFactor(QStringLiteral("q"), ll ? pqs.textMin : pqs.textMax);
            if (f == 0)
                appendErr(QStringLiteral("QualSAw"));
        } else if (pqs.valueMin != 0 && pqs.valueMin != pqs.valueMax && re == QLatin1String("Ber")) {
            q = {pqs.valueMin, pqs.valueMax};
            appendResult(QStringLiteral("Qkvs"), QStringLiteral("GP/LL"));
            appendFactor(QStringLiteral("qv"), pqs.textMin + u'/' + pqs.textMax);
        }
    }

    // 12. Environment
    MinMax e{1, 1};
    const QString env = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Env"));
    if (env != QLatin1String("Gb")) {
        const QString family = env.left(2);
        const QString name = env.mid(2);
        if (class2 == 53 || class2 == 54 || class2 == 58 || class2 == 59) {
            QString key = name;
            if (class2 == 53 || class2 == 54)
                key += charAt(tec, 1);
            else if (class2 == 58)
                key += charAt(tec, 2);
            e = readPair(record(bac.left(2) + u'E' + family), key);
            if (e.min == 0 || e.max == 0)
                appendErr(QStringLiteral("EnvSAw"));
        } else if (name == QLatin1String("Gf") || name == QLatin1String("StGf")) {
            e = {2, 2};
        } else if (name == QLatin1String("Gm") || name == QLatin1String("StGm")) {
            e = {4, 4};
        }
        if (!e.isOne())
            appendFactor(QStringLiteral("e"), factorFormS(e, 1));
    }

    // 13. Electromechanical factors
    MinMax la{1, 1}, sh{1, 1}, akr{1, 1};
    if (prefix1 == QLatin1String("5")) {
        if (inRange(class3, 531, 536) || class3 == 544 || class3 == 545)
            FaktorKontaktlast(stress, rec, la.min, la.max);

        QString shRef, shValue, shKey;
        if (class2 == 58) {
            shRef = GetParam(rec, QStringLiteral("Shy"));
            shValue = GetParam(stress, QStringLiteral("Shy"));
            shKey = QStringLiteral("Shyref");
        } else if (class2 == 55 || class2 == 59) {
            shRef = class2 == 55 ? QStringLiteral("1") : GetParam(rec, QStringLiteral("Sh"));
            shValue = GetParam(stress, QStringLiteral("Sh"));
            shKey = QStringLiteral("Shref");
        }
        if (!shRef.isEmpty()) {
            const double reference = toSingle(readLeadingNumber(shRef));
            if (reference == 0)
                throw TarnError(QStringLiteral("Division by zero"), 11);
            const double ratio = toSingle(readLeadingNumber(shValue) / reference);
            bool write = true;
            if (ratio > 0) {
                sh.min = sh.max = ratio < 1 ? 1 : ratio;
            } else if (re == QLatin1String("Ref")) {
                write = false;
            } else {
                sh = {1, 5};
            }
            if (write) {
                appendResult(shKey, shRef);
                appendFactor(QStringLiteral("sh"), factorFormS(sh, 1));
            }
        }

        if (inRange(class3, 531, 533)) {
            const MinMax pa = readPair(rec, QStringLiteral("Pa"));
            QString lower = GetParam(stress, QStringLiteral("Akr")).toUpper();
            QString upper = lower;
            if (lower.isEmpty()) {
                lower = upper = QStringLiteral("N");
                if (re == QLatin1String("Ber"))
                    upper = QStringLiteral("S");
            }
            akr.min = lower == QLatin1String("N") ? pa.min : pa.max;
            akr.max = upper == QLatin1String("N") ? pa.min : pa.max;
            if (akr.min == 0 || akr.max == 0)
                appendErr(QStringLiteral("AkrSAw"));
            if (!akr.isOne())
                appendFactor(QStringLiteral("akr"), factorFormS(akr, 1));
        }
    }

    // 14. Product, norm then user list
    auto product = [&](const MinMax& table, bool userList) {
        MinMax rate;
        const MinMax base{toSingle(ch * table.min), toSingle(ch * table.max)};
        if (base.min > 0) {
            const double piT[2] = {piTMin, piTMax};
            const double s[2] = {sMin, sMax};
            const double b[2] = {base.min, base.max};
            const double dd[2] = {d.min, d.max};
            double out[2];
            for (int k = 0; k < 2; ++k) {
                const double operating = b[k] * vf * piT[k] * s[k] * dd[k] * Kf;
                const double resting = b[k] * vf * piTob * dd[k];
                out[k] = (z / 100) * operating + ((100 - z) / 100) * Rf * resting;
            }
            rate = {out[0], out[1]};
            if (prefix1 == QLatin1String("4")) {
                rate.min *= q.min;
                rate.max *= q.max;
            } else if (prefix1 == QLatin1String("5")) {
                rate.min *= la.min * sh.min * akr.min;
                rate.max *= la.max * sh.max * akr.max;
                if (class2 == 55) {
                    // Additional contacts at the rate of class 5550 each.
                    const int n = toInt16(readLeadingNumber(GetParam(data, QStringLiteral("Hisch"))));
                    double extra = 0;
                    LesSin(QStringLiteral("Bac=5550,Tec=0000"), userList ? 1 : 0, QStringLiteral("Armin"), extra);
                    if (rate.min != 0)
                        rate.min += n * extra;
                    if (rate.max != 0)
                        rate.max += n * extra;
                }
            }
        }
        rate.min *= e.min;
        rate.max *= e.max;
        return rate;
    };
    const MinMax normRate = product(norm, false);
    const MinMax awsRate = product(aws, true);
    NormMin = normRate.min;
    NormMax = normRate.max;
    AwsMin = awsRate.min;
    AwsMax = awsRate.max;
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

    double normMin = 0, normMax = 0, awsMin = 0, awsMax = 0;
    bool weightable = false;
    // An individual base rate given with a record: rate x Kf x Vf, no other factor.
    auto individual = [&](const QString& rateText, const QString& vfText, const QString& recordBac, bool norm,
                          bool aws, double& nMin, double& nMax, double& aMin, double& aMax) {
        const ParamPair m = GetParamPair(QStringLiteral("Are=") + rateText, QStringLiteral("Are"));
        int vf = multipleFactor(vfText, recordBac);
        if (vf == 0)
            vf = 1;
        if (norm) {
            nMin = m.valueMin * kf * vf;
            nMax = m.valueMax * kf * vf;
        }
        if (aws) {
            aMin = m.valueMin * kf * vf;
            aMax = m.valueMax * kf * vf;
        }
    };

    if (!are.isEmpty() && arx.isEmpty()) {
        const QString vfi = GetParam(stress, QStringLiteral("Vfi"));
        individual(are, vfi.isEmpty() ? GetParam(q, QStringLiteral("Vf")) : vfi, bac, doNorm, doAws, normMin, normMax,
                   awsMin, awsMax);
    } else {
        FitFaktoren(q, stress, kf, normMin, normMax, awsMin, awsMax, doNorm, doAws, weightable);

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
                double nMin = 0, nMax = 0, aMin = 0, aMax = 0;
                const QString entryAre = GetParam(entry, QStringLiteral("Are"));
                if (!entryAre.isEmpty()) {
                    individual(entryAre, GetParam(entry, QStringLiteral("Vf")), GetParam(entry, QStringLiteral("Bac")),
                               doNorm, doAws, nMin, nMax, aMin, aMax);
                } else {
                    bool unused = false;
                    FitFaktoren(entry, QString(), kf, nMin, nMax, aMin, aMax, doNorm, doAws, unused);
                    if ((doNorm && nMin == 0) || (doAws && aMin == 0))
                        return;
                }
                normMin += nMin;
                normMax += nMax;
                awsMin += aMin;
                awsMax += aMax;
            }
        }
    }

    if (ApplyWeighting != 0 && weightable) {
        const double factor = toSingle(p.YkBewFaktor);
        SetParam(p.WorkStr[Slot::R], QStringLiteral("ARBew"), factorFormS(factor, factor, 2));
        normMin *= factor;
        normMax *= factor;
    }
    if (normMin > 0)
        appendResult(QStringLiteral("Fit"), rateForm(normMin, normMax));
    if (awsMin > 0)
        appendResult(QStringLiteral("Fita"), rateForm(awsMin, awsMax));
}
