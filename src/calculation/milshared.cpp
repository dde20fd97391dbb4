#include "calculation/milshared.h"
#include "calculation/mil.h"
#include "calculation/systdb.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <cmath>

namespace mil {

bool referenceConditions() { return GetParam(controlList(), QStringLiteral("Re")) == u"Ref"; }
bool operatingConditions() { return GetParam(controlList(), QStringLiteral("Re")) == u"Ber"; }

QString factorKey(const QString& letters) { return QString(PiMark) + letters; }

void appendResult(const QString& key, const QString& value)
{
    rSection() += u',' + key + u'=' + value;
}

void appendFactor(const QString& letters, const QString& value) { appendResult(factorKey(letters), value); }

bool resultHasValue(const QString& key) { return !GetParam(rSection(), key).isEmpty(); }
bool factorHasValue(const QString& letters) { return resultHasValue(factorKey(letters)); }

void appendError(const QString& code) { fSection() += QStringLiteral(",Err=") + code; }
void appendWarning(const QString& code) { fSection() += QStringLiteral(",Warn=") + code; }

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

Pair temperaturePair(const QString& key)
{
    ParamPair p = GetParamPair(rSection(), key);
    if (p.valueMax == 0)
        p = GetParamPair(rSection(), QStringLiteral("Tref"));
    return {p.valueMin, p.valueMax};
}

double ambientTemperature() { return single(GetParam(rSection(), QStringLiteral("Tur"))); }

bool environmentFactor(const QString& ec, int decimals, double& piE)
{
    const QString envm = GetParam(methodList(), QStringLiteral("Envm"));
    const QString table = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), ec, QStringLiteral("Param"));
    const QString entry = envm.isEmpty() ? QString() : GetParam(table, envm);
    if (entry.isEmpty()) {
        appendError(MissingEnvironmentCode);
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

bool voltageStressRatio(Pair& ratio)
{
    const double umax = number(GetParam(componentData(), QStringLiteral("Umax")));
    const double ub = number(GetParam(stressData(), QStringLiteral("Ub")));
    const double vue = number(GetParam(stressData(), QStringLiteral("Vue")));
    if (vue > 0) {
        ratio = {vue, vue};
        return true;
    }
    if (ub > 0 && umax == 0 && !fSection().contains(QStringLiteral("Warn=UbUmax")))
        appendWarning(QStringLiteral("UbUmax"));
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

bool normTableColumn(const QString& column, bool lenient, QString& value)
{
    // Key of the failure-rate list: Bac and Tec with the substitutions of the
    // class groups whose rows do not differ in those characters.
    const QString data = componentData();
    const QString bac = GetParam(data, QStringLiteral("Bac"));
    QString tec = GetParam(data, QStringLiteral("Tec"));
    if (tec.isEmpty())
        tec = QStringLiteral("0000");
    QString k1 = GetParam(data, QStringLiteral("K1"));
    double k1Min = 0, k1Max = 0;
    if (!k1.isEmpty())
        milfmt::ValBereich(k1, k1Min, k1Max);
    QString key = bac + tec;
    auto setChar = [&key](int pos, QChar c) {
        if (pos <= key.size())
            key[pos - 1] = c;
    };
    const QString group = bac.left(2);
    if (group == u"11" && (tec.startsWith(u'3') || tec.startsWith(u'5')))
        setChar(5, u'4');
    else if (group == u"53") {
        setChar(4, u'0');
        setChar(7, u'0');
    } else if (group == u"54")
        setChar(5, u'0');
    else if (group == u"58") {
        setChar(6, u'0');
        setChar(7, u'0');
    }
    if (bac.startsWith(u'1') && k1Max == 0) {
        appendError(QStringLiteral("Kom"));
        return false;
    }
    const bool bacm = column == u"Bacm";
    const QString filter = bacm ? QStringLiteral("Bacm") : QStringLiteral("Dcode");
    const Snapshot s = prog().SystDb->snapshot(
        QStringLiteral("SELECT [BacTec],[K1],[%1] FROM [ARMILQRM] WHERE JETLIKE([BacTec], ?) ORDER BY [BacTec],[K1]")
            .arg(column),
        {key.left(7) + u'?'});
    if (s.recordCount() == 0) {
        appendError(QStringLiteral("BacFit"));
        return false;
    }
    const long long k1Bound = std::llround(k1Max);
    int chosen = -1;
    if (k1Max != 0) {
        for (int r = 0; r < s.recordCount() && chosen < 0; ++r) {
            const QVariantList& row = s.rows()[r];
            if (row[1].toDouble() >= k1Bound && !row[2].toString().isEmpty())
                chosen = r;
        }
        if (chosen < 0) {
            if (!lenient) {
                appendError(bacm ? QStringLiteral("BacMil") : QStringLiteral("Kom1SAw"));
                return false;
            }
            chosen = s.recordCount() - 1;
        }
    } else {
        chosen = 0;
        if (s.recordCount() > 1 && key.size() >= 8 && key[7] != u'0')
            for (int r = 0; r < s.recordCount(); ++r)
                if (s.rows()[r][0].toString() == key.left(8)) {
                    chosen = r;
                    break;
                }
    }
    value = s.rows()[chosen][2].toString();
    if (bacm && value.trimmed().isEmpty()) {
        appendError(QStringLiteral("BacMil"));
        return false;
    }
    return true;
}

} // namespace mil
