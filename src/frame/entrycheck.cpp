#include "frame/entrycheck.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <cmath>

namespace {

CheckedValue refused(const QString& why)
{
    CheckedValue r;
    r.refusal = why;
    return r;
}

QString quoted(QStringView text)
{
    return u'"' + text.trimmed().toString() + u'"';
}

// One value, or two of the same kind written "a/b"; the value of a pair is its
// first part, as the readers take it.
CheckedValue pairOf(QStringView text, ValueCheck part)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return part(text);
    const CheckedValue low = part(text.left(slash));
    if (!low.ok())
        return low;
    const CheckedValue high = part(text.mid(slash + 1));
    if (!high.ok())
        return high;
    return low;
}

struct ParameterKind {
    const char* abbreviation;
    ValueCheck check;
};

// Every stored parameter that holds a number. Texts (designations, housing,
// material, lifetime as written) and menu codes (quality classes, load kinds,
// drift) are not here.
const ParameterKind kParameters[] = {
    {"Stck", checkQuantity},
    {"Pin", checkCount},
    {"Hisch", checkCount},
    {"Vf", checkMagnitude},
    {"Vfi", checkMagnitude},
    {"Tu", checkTemperature},
    {"Tumax", checkTemperature},
    {"Tjmax", checkTemperature},
    {"Tbmax", checkTemperature},
    {"Dtu", checkNumber},
    {"Ub", checkNumber},
    {"Ib", checkNumber},
    {"Umax", checkNumber},
    {"Unen", checkNumber},
    {"Imax", checkNumber},
    {"Inen", checkNumber},
    {"Vl", checkMagnitude},
    {"Ntyp", checkMagnitude},
    {"Nmax", checkMagnitude},
    {"Nmw", checkMagnitude},
    {"Rtk", checkMagnitude},
    {"Achip", checkMagnitude},
    {"Sac", checkMagnitude},
    {"Fnen", checkMagnitude},
    {"Sh", checkMagnitude},
    {"Shy", checkMagnitude},
    {"Pcyc", checkMagnitude},
    {"Sylt", checkMagnitude},
    {"Vue", checkMagnitude},
    {"Vie", checkMagnitude},
    {"Vne", checkMagnitude},
    {"Tei", checkTemperatureRisePair},
    {"Rte", checkMagnitudePair},
    {"Zf", checkPercentage},
    {"Degr", checkPercentage},
    {"Asic", checkPercentagePair},
    {"Kf", checkFactor},
    {"Kfm", checkFactor},
    {"Chpf", checkFactor},
    {"Chpfg", checkFactor},
    {"{pi}qem", checkFactor},
    {"Are", checkRate},
    {"Ari", checkRate},
    {"Arem", checkRate},
    {"Arx", checkRate},
};

} // namespace

CheckedValue checkCount(QStringView text)
{
    CheckedValue r = checkNumber(text);
    if (r.ok() && r.value < 0)
        return refused(txt("%1 ist negativ; eine Anzahl ist 0 oder mehr", "%1 is negative; a count is 0 or more")
                           .arg(quoted(text)));
    if (r.ok() && r.value != std::floor(r.value))
        return refused(txt("%1 ist keine ganze Zahl; eine Anzahl wird gezählt", "%1 is not a whole number; a count is counted")
                           .arg(quoted(text)));
    return r;
}

CheckedValue checkMagnitude(QStringView text)
{
    CheckedValue r = checkNumber(text);
    if (r.ok() && r.value < 0)
        return refused(txt("%1 ist negativ; der Wert ist 0 oder mehr", "%1 is negative; the value is 0 or more")
                           .arg(quoted(text)));
    return r;
}

CheckedValue checkMagnitudePair(QStringView text)
{
    return pairOf(text, checkMagnitude);
}

CheckedValue checkTemperatureRisePair(QStringView text)
{
    return pairOf(text, checkTemperatureRise);
}

CheckedValue checkPercentagePair(QStringView text)
{
    return pairOf(text, checkPercentage);
}

ValueCheck parameterCheck(QStringView abbreviation)
{
    QString key = abbreviation.trimmed().toString();
    key.replace(PiMark, QStringLiteral("{pi}"));
    key.replace(PiChar, QStringLiteral("{pi}"));
    for (const ParameterKind& k : kParameters)
        if (key == QLatin1String(k.abbreviation))
            return k.check;
    return nullptr;
}

QChar numericFieldKey(QChar typed)
{
    if (typed == u',' && prog().LangNr != 2)
        return QChar(u'.');
    return typed;
}

void showRefusal(const QString& refusal)
{
    MsgBoxRes(QStringLiteral("426"), Mb::OKOnly | Mb::Exclamation, prog().LangNr, {AnsiToOem(refusal)});
}
