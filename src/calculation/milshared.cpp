#include "calculation/milshared.h"
#include "calculation/mil.h"
#include "calculation/systdb.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <cmath>

namespace mil {

bool referenceConditions() { return GetParam(controlList(), QStringLiteral("Re")) == u"Ref"; }
bool operatingConditions() { return GetParam(controlList(), QStringLiteral("Re")) == u"Ber"; }

bool resultHasValue(const QString& key) { return !GetParam(rSection(), key).isEmpty(); }
bool factorHasValue(const QString& letters) { return resultHasValue(piKey(letters)); }

double number(const QString& text) { return readLeadingNumber(text); }
double single(const QString& text) { return toSingle(readLeadingNumber(text)); }

QString modelRecord(const QString& model)
{
    return DalesXls(QStringLiteral("MILFITNAME"), QStringLiteral("Bacm"), model, QStringLiteral("Fit"));
}

double partialUseFactor()
{
    const QString vfi = GetParam(stressData(), QStringLiteral("Vfi"));
    return number(vfi.isEmpty() ? GetParam(componentData(), QStringLiteral("Vf")) : vfi);
}

MinMax temperaturePair(const QString& key)
{
    const MinMax t = readPair(rSection(), key);
    return t.max == 0 ? readPair(rSection(), QStringLiteral("Tref")) : t;
}

double ambientTemperature() { return single(GetParam(rSection(), QStringLiteral("Tur"))); }

bool environmentFactor(const QString& ec, int decimals, double& piE)
{
    const QString envm = GetParam(methodList(), QStringLiteral("Envm"));
    const QString table = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), ec, QStringLiteral("Param"));
    const QString entry = envm.isEmpty() ? QString() : GetParam(table, envm);
    if (entry.isEmpty()) {
        appendErr(MissingEnvironmentCode);
        return false;
    }
    piE = single(entry);
    if (piE != 1)
        appendFactor(QStringLiteral("em"), FormBerS(piE, piE, decimals));
    return true;
}

bool recordQualityFactor(const QString& rec, const QString& model, const QString& qc, bool reportRecordText,
                         double& qMin, double& qMax)
{
    const ParamPair pq = GetParamPair(rec, QStringLiteral("Pq"));
    qMin = qMax = pq.valueMin; // a second value of the record is not used
    if (qMin == 0)
        return MilQFakt(model, qc, qMin, qMax);
    if (qMin != 1)
        appendFactor(QStringLiteral("qm"),
                     reportRecordText ? GetParam(rec, QStringLiteral("Pq")) : FormBerS(qMin, qMin, 2));
    return true;
}

bool voltageStressRatio(MinMax& ratio)
{
    const double umax = number(GetParam(componentData(), QStringLiteral("Umax")));
    const double ub = number(GetParam(stressData(), QStringLiteral("Ub")));
    const double vue = number(GetParam(stressData(), QStringLiteral("Vue")));
    if (vue > 0) {
        ratio = {vue, vue};
        return true;
    }
    if (ub > 0 && umax == 0 && !fSection().contains(QStringLiteral("Warn=UbUmax")))
        appendWarn(QStringLiteral("UbUmax"));
    if (umax > 0 && ub > 0) {
        ratio = {ub / umax, ub / umax};
        return true;
    }
    return false;
}

double divide(double numerator, double denominator)
{
    if (denominator == 0)
        throw TarnError(QStringLiteral("Division by zero"), 11);
    return numerator / denominator;
}

double power(double base, double exponent)
{
    if (base < 0 && exponent != std::trunc(exponent))
        throw InvalidArgumentError();
    return std::pow(base, exponent);
}

} // namespace mil
