#include "qlist/positionvalues.h"
#include "frame/paramstring.h"
#include "frame/valuecheck.h"

#include <QStringList>

namespace {

using Check = CheckedValue (*)(QStringView);

// The stress values that the calculation reads as numbers, each with the check
// of its kind. Tei may be a pair "minimum/maximum".
struct StressKey {
    const char* key;
    Check check;
    bool pair;
};
constexpr StressKey kStressKeys[] = {
    {"Zf", checkPercentage, false},       {"Degr", checkPercentage, false},
    {"Tei", checkTemperatureRise, true},  {"Dtu", checkNumber, false},
    {"Ub", checkNumber, false},           {"Ib", checkNumber, false},
};

QString problem(const QString& key, const QString& refusal)
{
    return key + QStringLiteral(": ") + refusal;
}

} // namespace

QString positionValueProblem(const QString& text)
{
    // A comment behind "!" is no part of the values.
    const QString line = text.left(text.indexOf(u'!'));
    const QString stck = QStringLiteral("Stck");
    if (!GetParam(line, stck).isEmpty()) {
        const CheckedValue quantity = checkQuantity(typedParamValue(line, stck));
        if (!quantity.ok())
            return problem(stck, quantity.refusal);
        // A locked position is not computed: its other values are not read.
        if (quantity.value < 0)
            return QString();
    }
    // The stress values of a component stand in its S section (a key of the
    // same name in another section is not a stress); a sub-list reference
    // carries its temperature difference and time share among its own items.
    QString section;
    const qsizetype s = line.indexOf(QLatin1String(",S,"));
    if (s >= 0) {
        section = line.mid(s + 3);
        for (const char* marker : {",Q,", ",Z,", ",B,", ",F,", ",R,"}) {
            const qsizetype end = section.indexOf(QLatin1String(marker));
            if (end >= 0)
                section.truncate(end);
        }
    } else if (!GetParam(line, QStringLiteral("Qm")).isEmpty()) {
        section = line;
    }
    for (const StressKey& k : kStressKeys) {
        const QString key = QString::fromLatin1(k.key);
        if (findParamKey(section, key) < 0)
            continue;
        const QString typed = typedParamValue(section, key);
        const QStringList parts = k.pair ? typed.split(u'/') : QStringList{typed};
        for (const QString& part : parts) {
            const CheckedValue v = k.check(part);
            if (!v.ok())
                return problem(key, v.refusal);
        }
    }
    return QString();
}
