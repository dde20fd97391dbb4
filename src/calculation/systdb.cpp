#include "calculation/systdb.h"
#include "calculation/calcinterface.h"
#include "frame/database.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/textlib.h"

#include <cmath>

namespace {
// Table and column names come from the code, never from data; refuse anything
// else rather than paste it into a statement.
bool isPlainName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}

Database& systemDb()
{
    Database* db = prog().SystDb.get();
    if (!db)
        throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
    return *db;
}

Database& userListDb()
{
    Database* db = prog().AwsDb.get();
    if (!db)
        throw DbError(QStringLiteral("Object variable not set: AwsDb"), 91);
    return *db;
}

// Mid$(text, position, 1) = c, where the text is long enough.
void setCharAt(QString& text, int position, QChar c)
{
    if (position >= 1 && position <= text.size())
        text[position - 1] = c;
}

bool isNullOrEmptyText(const QVariant& v)
{
    return v.isNull() || v.toString().isEmpty();
}

} // namespace

// The characters before the first wildcard must begin every matching key. Where
// they are characters that match only themselves (ASCII, no letter: class and
// technology codes are digits), a range on the indexed key column narrows the
// rows first, and JETLIKE still decides on the rest, so the rows are those of
// the scan. Any other pattern is scanned.
QString bacTecCondition(const QString& pattern, QVariantList& params)
{
    qsizetype fixed = 0;
    while (fixed < pattern.size()) {
        const char16_t c = pattern[fixed].unicode();
        if (c < 0x20 || c >= 0x7F || c == u'*' || c == u'?' || c == u'#' || c == u'[' ||
            QChar::isLetter(char32_t(c)))
            break;
        ++fixed;
    }
    if (fixed == 0) {
        params << pattern;
        return QStringLiteral("JETLIKE([BacTec], ?)");
    }
    const QString low = pattern.left(fixed);
    QString high = low;
    high[fixed - 1] = QChar(char16_t(high[fixed - 1].unicode() + 1));
    params << low << high << pattern;
    return QStringLiteral("[BacTec] >= ? AND [BacTec] < ? AND JETLIKE([BacTec], ?)");
}


QString DalesXls(const QString& Table, const QString& KeyColumn, const QString& KeyValue, const QString& Field)
{
    try {
        if (!isPlainName(Table) || !isPlainName(KeyColumn) || !isPlainName(Field))
            throw DbError(QStringLiteral("Invalid name in query"), 3075);
        const Snapshot s = systemDb().snapshot(
            QStringLiteral("SELECT [%1] FROM [%2] WHERE [%3] = ?").arg(Field, Table, KeyColumn), {KeyValue});
        if (s.recordCount() == 0)
            return QString();
        return s.text(0);
    } catch (const DbError& e) {
        abortOnDbError(QStringLiteral("  XHAP: DalesXls !   "), e);
    }
}

// ---- LesSin

void LesSinValue::assignNull()
{
    if (mText)
        mText->clear();
}

void LesSinValue::assign(const QVariant& value)
{
    if (value.isNull()) {
        assignNull();
        return;
    }
    const bool numeric = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
                         value.typeId() == QMetaType::LongLong;
    if (mText)
        *mText = numeric ? plainNumber(value.toDouble()) : value.toString();
    if (mNumber)
        *mNumber = toSingle(numeric ? value.toDouble() : readLeadingNumber(value.toString()));
}

void LesSinValue::clear()
{
    if (mText)
        mText->clear();
    if (mNumber)
        *mNumber = 0;
}

namespace {
QString abortMark()
{
    return QStringLiteral("ABBRUCH");
}

// Upper bound of the complexity K1 of the component data; 0 when none is given.
double complexityBound(const QString& componentData)
{
    QString k1 = GetParam(componentData, QStringLiteral("K1"));
    double k1max = 0;
    if (!k1.isEmpty()) {
        double lo = 0;
        ValBereich(k1, lo, k1max);
    }
    return k1max;
}

// Some groups share their rates across technology variants: the
// distinguishing characters of the key are neutralised.
QString sharedRateKey(const QString& bac, const QString& tec)
{
    QString key = bac + tec;
    switch (int(readLeadingNumber(bac.left(2)))) {
    case 11:
        if (tec.startsWith(u'3') || tec.startsWith(u'5'))
            setCharAt(key, 5, u'4');
        break;
    case 53:
        setCharAt(key, 4, u'0');
        setCharAt(key, 7, u'0');
        break;
    case 54:
        setCharAt(key, 5, u'0');
        break;
    case 58:
        setCharAt(key, 6, u'0');
        setCharAt(key, 7, u'0');
        break;
    default:
        break;
    }
    return key;
}

// The parameter text of the class, from the list of classes held in memory.
void classParameter(const QString& pattern, LesSinValue& value)
{
    value.clear();
    Snapshot* list = prog().BacTecListe.get();
    if (!list)
        throw DbError(QStringLiteral("Object variable not set: BacTecListe"), 91);
    const int bacTec = list->fieldIndex(QStringLiteral("BacTec"));
    if (list->findFirst([&](const Snapshot& s) { return jetLikeMatch(s.text(bacTec), pattern); })) {
        const QVariant parameter = list->value(QStringLiteral("Parameter"));
        if (!parameter.isNull())
            value.assign(parameter.toString());
    }
}

bool classExists(const QString& pattern)
{
    QVariantList params;
    const QString where = bacTecCondition(pattern, params);
    const Snapshot s =
        systemDb().snapshot(QStringLiteral("SELECT [BacTec],[K1] FROM [ARMILQRM] WHERE ") + where, params);
    return s.recordCount() != 0;
}

// What a look-up selects and which of its columns it hands back.
struct RateQuery {
    QString select;
    QString filledColumn; // the column that must not be empty for a row to serve
    QStringList columns;
};

RateQuery rateQuery(const QString& columns)
{
    RateQuery q;
    if (columns == QLatin1String("Bacm")) {
        q.select = QStringLiteral("SELECT [BacTec],[K1],[Bacm]");
        q.filledColumn = QStringLiteral("Bacm");
        q.columns << QStringLiteral("Bacm");
    } else if (columns == QLatin1String("QRM")) {
        q.select = QStringLiteral("SELECT [BacTec],[K1],[Dcode],[QRM]");
        q.filledColumn = QStringLiteral("Dcode");
        q.columns << QStringLiteral("QRM");
    } else {
        q.select = QStringLiteral("SELECT [BacTec],[K1],[Armin],[Armax],[Tref],[Dcode]");
        q.filledColumn = QStringLiteral("Dcode");
        int pos = 1;
        while (q.columns.size() < 4) {
            const QString item = ParseString(pos, columns, QStringLiteral(","));
            if (!item.isEmpty())
                q.columns << item;
            if (pos == 0)
                break;
        }
    }
    return q;
}

// The first row whose complexity reaches the bound and whose filled column has
// a value. Without one, a strict look-up ends (nullopt, code appended); a
// lenient one takes the last row and tells its complexity.
std::optional<QString> rowByComplexity(Snapshot& s, double k1max, const QString& filledColumn,
                                       const QString& columns, std::optional<int> mode)
{
    // The criterion names the complexity as a whole number.
    const double bound = std::nearbyint(k1max);
    const int k1Field = s.fieldIndex(QStringLiteral("K1"));
    const int filled = s.fieldIndex(filledColumn);
    const bool found = s.findFirst([&](const Snapshot& r) {
        const QVariant k = r.value(k1Field);
        return !k.isNull() && k.toDouble() >= bound && !isNullOrEmptyText(r.value(filled));
    });
    if (found)
        return QString();
    if (!mode) {
        appendErr(columns == QLatin1String("Bacm") ? QStringLiteral("BacMil") : QStringLiteral("Kom1SAw"));
        return std::nullopt;
    }
    s.moveLast();
    const QVariant k = s.value(k1Field);
    return QStringLiteral("K1max=") + (k.isNull() ? QString() : plainNumber(k.toDouble()));
}

// Without a complexity, the row of exactly the key where the key names one
// variant and there is a choice; else the first row.
void rowByKey(Snapshot& s, const QString& key)
{
    s.moveFirst();
    if (s.recordCount() > 1 && !(key.size() >= 8 && key[7] == u'0')) {
        const int bacTec = s.fieldIndex(QStringLiteral("BacTec"));
        if (!s.findFirst([&](const Snapshot& r) { return r.text(bacTec).compare(key, Qt::CaseInsensitive) == 0; }))
            s.moveFirst();
    }
}

// Strict and lenient look-ups of the rate list; see LesSin.
QString lookUpRates(const QString& key, double k1max, int useUserList, const QString& columns,
                    LesSinValue* const (&values)[4], std::optional<int> mode)
{
    const RateQuery query = rateQuery(columns);
    Database& db = useUserList != 0 ? userListDb() : systemDb();
    QVariantList params;
    const QString where = bacTecCondition(key.left(7) + u'?', params);
    Snapshot s = db.snapshot(
        query.select + QStringLiteral(" FROM [ARMILQRM] WHERE ") + where + QStringLiteral(" ORDER BY [BacTec],[K1]"),
        params);
    if (s.recordCount() == 0) {
        appendErr(QStringLiteral("BacFit"));
        return abortMark();
    }

    QString result;
    if (k1max != 0) {
        const std::optional<QString> found = rowByComplexity(s, k1max, query.filledColumn, columns, mode);
        if (!found)
            return abortMark();
        result = *found;
    } else {
        rowByKey(s, key);
    }

    for (int k = 0; k < 4; ++k) {
        if (k < query.columns.size())
            values[k]->assign(s.value(query.columns[k]));
        else
            values[k]->clear();
    }

    if (columns == QLatin1String("Bacm") && s.text(QStringLiteral("Bacm")).trimmed().isEmpty()) {
        appendErr(QStringLiteral("BacMil"));
        return abortMark();
    }
    return result;
}
} // namespace

QString LesSin(const QString& ComponentData, int UseUserList, const QString& Columns, LesSinValue Value1,
               LesSinValue Value2, LesSinValue Value3, LesSinValue Value4, std::optional<int> Mode)
{
    try {
        const QString bac = GetParam(ComponentData, QStringLiteral("Bac"));
        QString tec = GetParam(ComponentData, QStringLiteral("Tec"));
        if (tec.isEmpty())
            tec = QStringLiteral("0000");
        const double k1max = complexityBound(ComponentData);
        const QString key = sharedRateKey(bac, tec);
        const QString pattern = key.left(7) + u'?';

        if (Mode == 3) {
            classParameter(pattern, Value1);
            return QString();
        }
        if (bac.startsWith(u'1') && k1max == 0 && Mode != 2) {
            appendErr(QStringLiteral("Kom"));
            return abortMark();
        }
        if (Mode == 2) {
            if (classExists(pattern))
                return QString();
            appendErr(QStringLiteral("BacFit"));
            return abortMark();
        }
        LesSinValue* const values[4] = {&Value1, &Value2, &Value3, &Value4};
        return lookUpRates(key, k1max, UseUserList, Columns, values, Mode);
    } catch (const DbError& e) {
        abortOnDbError(QStringLiteral("  XHAP: LesSin !   "), e);
    }
}

// ---- LesRth

void LesRth(QString& Result)
{
    Program& p = prog();
    const QString& q = p.WorkStr[Slot::Q];
    const QString& stress = p.WorkStr[Slot::S];
    Result.clear();
    try {
        const double tur = toSingle(readLeadingNumber(GetParam(p.WorkStr[Slot::R], QStringLiteral("Tur"))));
        const double nmw = GetParamPair(stress, QStringLiteral("Nmw")).valueMin;
        const double ntyp = GetParamPair(q, QStringLiteral("Ntyp")).valueMin;
        if (nmw == 0 && ntyp == 0)
            return;
        const QString gec = GetParam(q, QStringLiteral("Gec")).toUpper();
        const QString pin = GetParam(q, QStringLiteral("Pin"));
        p.RunStr[RunSlot::Pin] = pin;

        MinMax r = readPair(stress, QStringLiteral("Rtk"));
        if (r.min == 0) {
            r = readPair(q, QStringLiteral("Rte"));
            const bool rteGiven = r.min != 0;

            QString key = gec;
            if (key.startsWith(QLatin1String("DIP")))
                key = QStringLiteral("DIP");
            else if (key.startsWith(QLatin1String("DIK")))
                key = QStringLiteral("DIK");
            if (key == QLatin1String("GRIDK"))
                key = QStringLiteral("PGAK");
            else if (key == QLatin1String("GRIDP"))
                key = QStringLiteral("PGAP");

            MinMax table;
            QString coefficients;
            Database& db = systemDb();
            const Snapshot kind =
                db.snapshot(QStringLiteral("SELECT Art, Sort FROM GECRTH WHERE Gec = ?"), {key});
            if (kind.recordCount() > 0) {
                // Special housings carry no thermal data at all.
                if (kind.text(QStringLiteral("Art")) == QLatin1String("EXTRA"))
                    return;
                const int sort = toInt16(readLeadingNumber(kind.text(QStringLiteral("Sort"))));
                Snapshot rows;
                bool haveStatement = true;
                if (sort > 1)
                    rows = db.snapshot(QStringLiteral("SELECT Rthjamin, Rthjamax, Param FROM GECRTH WHERE Gec = ?"),
                                       {key});
                else if (!pin.isEmpty())
                    rows = db.snapshot(QStringLiteral("SELECT Rthjamin, Rthjamax, Param FROM GECRTH "
                                                      "WHERE Gec = ? AND Pin <= ? ORDER BY Pin DESC"),
                                       {key, readLeadingNumber(pin)});
                else
                    haveStatement = false;
                if (haveStatement && rows.recordCount() > 0) {
                    if (!rteGiven) {
                        table.min = toSingle(rows.value(QStringLiteral("Rthjamin")).toDouble());
                        table.max = toSingle(rows.value(QStringLiteral("Rthjamax")).toDouble());
                    }
                    coefficients = rows.text(QStringLiteral("Param"));
                }
            }

            if (table.min != 0) {
                appendResult(QStringLiteral("Rtv"), FormBerS(table.min, table.max, 1));
                r = readPair(p.WorkStr[Slot::R], QStringLiteral("Rtv"));
            } else if (!rteGiven) {
                appendWarn(QStringLiteral("RtrDat"));
                appendWarn(QStringLiteral("RtrRef"));
            }
            if (r.min == 0)
                return;

            const double vl = readLeadingNumber(GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Vl")));
            if (vl > 0 && !coefficients.isEmpty()) {
                const double w = std::min(vl, 10.0);
                const double par1 = readLeadingNumber(GetParam(coefficients, QStringLiteral("Par1")));
                const double par2 = readLeadingNumber(GetParam(coefficients, QStringLiteral("Par2")));
                const double fw = (0.59 * w + 1.11) / (w + 0.7);
                const double f0 = 1.11 / 0.7;
                const double still = f0 * par2 + par1;
                // Both coefficients 0 describe no air-flow dependence: no correction.
                if (still != 0) {
                    const double factor = (fw * par2 + par1) / still;
                    r.min = toSingle(r.min * factor);
                    r.max = toSingle(r.max * factor);
                    appendResult(QStringLiteral("Rtr"), FormBerS(r.min, r.max, 1));
                }
            }
        }

        const double power = nmw != 0 ? nmw : ntyp;
        const double tjMin = toSingle(tur + power * r.min / 1000);
        const double tjMax = toSingle(tur + power * r.max / 1000);
        Result = FormBerS(tjMin, tjMax, 1);
    } catch (const DbError& e) {
        abortOnDbError(QStringLiteral("  XHAP: LesRth !   "), e);
    }
}
