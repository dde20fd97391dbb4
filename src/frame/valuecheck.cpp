#include "frame/valuecheck.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <cfloat>
#include <cmath>

namespace {

// True when text (already without surrounding blanks) is a plain number: optional
// sign, digits with an optional point, optional exponent with digits.
bool isPlainNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    while (isDigit(i)) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (isDigit(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (!isDigit(i))
            return false;
        while (isDigit(i))
            ++i;
    }
    return i == n;
}

QString quoted(QStringView text)
{
    return u'"' + text.trimmed().toString() + u'"';
}

// The number text, or a refusal for anything that is not a plain number that fits
// a single-precision field.
CheckedValue readPlain(QStringView typed, QStringView number)
{
    CheckedValue r;
    if (number.isEmpty()) {
        r.refusal = typed.trimmed().isEmpty() ? txt("Wert fehlt", "value missing")
                                              : txt("%1 ist keine Zahl", "%1 is not a number").arg(quoted(typed));
        return r;
    }
    if (number.contains(u',')) {
        QString withPoint = number.toString();
        withPoint.replace(u',', u'.');
        if (number.count(u',') == 1 && !number.contains(u'.') && isPlainNumber(withPoint))
            r.refusal = txt("%1 hat ein Dezimalkomma; mit Punkt schreiben: %2",
                            "%1 has a decimal comma; write it with a point: %2")
                            .arg(quoted(typed), withPoint);
        else
            r.refusal = txt("%1 hat ein Komma; Zahlen mit Dezimalpunkt und ohne Tausendertrennung schreiben",
                            "%1 has a comma; write numbers with a decimal point and no thousands separator")
                            .arg(quoted(typed));
        return r;
    }
    if (!isPlainNumber(number)) {
        r.refusal = txt("%1 ist keine Zahl", "%1 is not a number").arg(quoted(typed));
        return r;
    }
    const double value = readLeadingNumber(number);
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX)) {
        r.refusal = txt("%1 ist zu groß", "%1 is too large").arg(quoted(typed));
        return r;
    }
    r.value = value;
    return r;
}

CheckedValue readPlain(QStringView typed)
{
    return readPlain(typed, typed.trimmed());
}

CheckedValue refuse(const char* de, const char* en, QStringView typed)
{
    CheckedValue r;
    r.refusal = txt(de, en).arg(quoted(typed));
    return r;
}

} // namespace

CheckedValue checkQuantity(QStringView text)
{
    CheckedValue r = readPlain(text);
    if (r.ok() && r.value < 0 && r.value != -1)
        return refuse("%1 ist negativ; eine Stückzahl ist 0 oder mehr (-1 sperrt die Position)",
                      "%1 is negative; a quantity is 0 or more (-1 locks the position)", text);
    return r;
}

CheckedValue checkTemperature(QStringView text)
{
    CheckedValue r = readPlain(text);
    if (r.ok() && r.value < -273.15)
        return refuse("%1 liegt unter dem absoluten Nullpunkt (-273.15 °C)",
                      "%1 is below absolute zero (-273.15 °C)", text);
    return r;
}

CheckedValue checkPercentage(QStringView text)
{
    QStringView number = text.trimmed();
    if (number.endsWith(u'%'))
        number = number.chopped(1).trimmed();
    CheckedValue r = readPlain(text, number);
    if (r.ok() && r.value < 0)
        return refuse("%1 ist negativ; ein Prozentsatz liegt zwischen 0 und 100",
                      "%1 is negative; a percentage is 0 to 100", text);
    if (r.ok() && r.value > 100)
        return refuse("%1 ist mehr als 100 %", "%1 is more than 100 %", text);
    return r;
}

CheckedValue checkFactor(QStringView text)
{
    CheckedValue r = readPlain(text);
    if (r.ok() && r.value < 0)
        return refuse("%1 ist negativ; ein Faktor ist 0 oder mehr", "%1 is negative; a factor is 0 or more", text);
    return r;
}

CheckedValue checkRate(QStringView text)
{
    CheckedValue r = readPlain(text);
    if (r.ok() && r.value < 0)
        return refuse("%1 ist negativ; eine Ausfallrate ist 0 oder mehr",
                      "%1 is negative; a failure rate is 0 or more", text);
    return r;
}

CheckedValue checkTemperatureRise(QStringView text)
{
    CheckedValue r = readPlain(text);
    if (r.ok() && r.value < 0)
        return refuse("%1 ist negativ; eine Eigenerwärmung ist 0 oder mehr",
                      "%1 is negative; a self-heating is 0 or more", text);
    return r;
}

CheckedValue checkNumber(QStringView text)
{
    return readPlain(text);
}

QString typedParamValue(const QString& list, const QString& key)
{
    const qsizetype at = findParamKey(list, key);
    if (at < 0)
        return QString();
    QString value = GetParam(list, key);
    qsizetype comma = list.indexOf(u',', at + key.size() + 1);
    while (comma >= 0) {
        const qsizetype next = list.indexOf(u',', comma + 1);
        QStringView item = QStringView(list).mid(comma + 1, next < 0 ? -1 : next - comma - 1);
        if (item.endsWith(EndeZeichen))
            item.chop(1);
        item = item.trimmed();
        if (item.isEmpty() || item.contains(u'=') || !(item[0] >= u'0' && item[0] <= u'9'))
            break;
        value += u',' + item.toString();
        comma = next;
    }
    return value;
}
