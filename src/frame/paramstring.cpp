#include "frame/paramstring.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/textlib.h"

#include <QStringList>

namespace {
constexpr qsizetype MaxListPosition = 32767;

void checkPosition(qsizetype zeroBased)
{
    if (zeroBased + 1 > MaxListPosition)
        throw OverflowError();
}
} // namespace

qsizetype findParamKey(const QString& list, const QString& key)
{
    if (key.isEmpty())
        return -1;
    // The key followed by "=", searched without building that text: this runs
    // for every item of every position of a prediction.
    const bool brace = key.startsWith(u'{');
    const qsizetype after = key.size();
    qsizetype from = 0;
    while (true) {
        const qsizetype p = list.indexOf(QStringView(key), from);
        if (p < 0)
            return -1;
        if (p + after < list.size() && list[p + after] == u'=' && (brace || p == 0 || list[p - 1] == u',')) {
            checkPosition(p);
            return p;
        }
        from = p + 1;
    }
}

QString GetParam(const QString& list, const QString& key)
{
    const qsizetype p = findParamKey(list, key);
    if (p < 0)
        return QString();
    const qsizetype valueStart = p + key.size() + 1;
    qsizetype end;
    if (key.startsWith(u'{')) {
        end = list.indexOf(u'}', p + 1);
        if (end < 0)
            throw InvalidArgumentError();
    } else {
        end = list.indexOf(u',', p + 1);
        if (end < 0) {
            end = list.size();
            if (!list.isEmpty() && list.back() == EndeZeichen)
                --end;
        }
    }
    checkPosition(end);
    if (end < valueStart)
        return QString();
    return list.mid(valueStart, end - valueStart).trimmed();
}

void SetParam(QString& list, const QString& keys, const QString& value)
{
    int pos = 1;
    while (true) {
        const QString key = ParseString(pos, keys, QStringLiteral(","));
        if (key.trimmed().isEmpty())
            return;
        const qsizetype p = findParamKey(list, key);
        if (p >= 0) {
            const QString head = list.left(p);
            const qsizetype comma = list.indexOf(u',', p + 1);
            const QString tail = comma < 0 ? QString() : list.mid(comma);
            if (!value.isEmpty()) {
                list = head + key + u'=' + value + tail;
            } else if (tail.size() < 2) {
                list = head;
                if (list.endsWith(u','))
                    list.chop(1);
            } else {
                list = head + tail.mid(1);
            }
        } else if (!value.isEmpty()) {
            list += u',' + key + u'=' + value;
        }
        if (pos == 0)
            return;
    }
}

ParamPair GetParamPair(const QString& list, const QString& key)
{
    ParamPair r;
    const QString v = GetParam(list, key);
    const qsizetype slash = v.indexOf(u'/');
    if (slash >= 0) {
        r.textMin = v.left(slash);
        r.textMax = v.mid(slash + 1);
    } else {
        r.textMin = v;
        r.textMax = v;
    }
    r.valueMin = toSingle(readLeadingNumber(r.textMin));
    r.valueMax = toSingle(readLeadingNumber(r.textMax));
    return r;
}

void GetParamPairInt(const QString& list, const QString& key, int16_t& valueMin, int16_t& valueMax)
{
    const QString v = GetParam(list, key);
    const qsizetype slash = v.indexOf(u'/');
    const QString a = slash >= 0 ? v.left(slash) : v;
    const QString b = slash >= 0 ? v.mid(slash + 1) : v;
    valueMin = toInt16(readLeadingNumber(a));
    valueMax = toInt16(readLeadingNumber(b));
}

QString ListItem(const QString& list, int n)
{
    if (n <= 0 || list.isEmpty())
        return QString();
    const QStringList items = list.split(u',');
    // A final "," does not open a further item.
    const qsizetype count = list.endsWith(u',') ? items.size() - 1 : items.size();
    if (n > count)
        return QString();
    return items[n - 1];
}

bool InListe(const QString& list, const QString& item, const QString& separators)
{
    int pos = 1;
    while (true) {
        const QString token = ParseString(pos, list, separators);
        if (token.isEmpty())
            return false;
        if (token == item)
            return true;
        if (pos == 0)
            return false;
    }
}

QString NrKeyOfCol(QString& letter)
{
    if (letter.size() > 1)
        letter = letter.left(1);
    if (letter == QLatin1String("T"))
        return QStringLiteral("Typ=");
    if (letter == QLatin1String("S"))
        return QStringLiteral("Yk=");
    return QStringLiteral("An=");
}
