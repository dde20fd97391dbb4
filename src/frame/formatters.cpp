#include "frame/formatters.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/textlib.h"

#include <cmath>

namespace {
const QString kOverflowMark = QStringLiteral("Üblauf!");

QString padLeft(const QString& text, int width)
{
    return text.size() < width ? QString(width - text.size(), u' ') + text : text;
}

// Whole part, fraction scaled to decimals (nearest, half to even) and the carry
// when the fraction rounds up to a whole unit (2.999 with 2 decimals is 3 and 0).
struct FixedPoint {
    double whole;
    int32_t fraction;
};
FixedPoint splitFixed(double magnitude, int decimals)
{
    if (decimals < 0)
        throw InvalidArgumentError(QStringLiteral("Negative number of decimals"));
    FixedPoint p{std::trunc(magnitude), 0};
    const double scale = std::pow(10.0, decimals);
    p.fraction = toInt32((magnitude - p.whole) * scale);
    if (p.fraction == scale) {
        p.fraction = 0;
        p.whole += 1;
    }
    return p;
}

QString wholeDigits(double whole)
{
    return plainNumber(whole);
}
} // namespace

QString FormStr(QString& text, int width, const QString& fill)
{
    if (width == 0) {
        if (fill.size() == 1)
            text.remove(fill[0], Qt::CaseSensitive);
        return text;
    }
    const qsizetype n = width < 0 ? -qsizetype(width) : width;
    if (n <= text.size())
        return text.left(n);
    if (fill.isEmpty())
        throw InvalidArgumentError(QStringLiteral("Empty fill character"));
    const QString padding(n - text.size(), fill[0]);
    return width > 0 ? text + padding : padding + text;
}

QString FormZahl(double value, int width, int decimals)
{
    QString sign = value < 0 ? QStringLiteral("-") : QString();
    FixedPoint p = splitFixed(std::fabs(value), decimals);
    QString d = wholeDigits(p.whole);
    // At most three group blanks: 1 234 567 890.
    if (d.size() > 3)
        d.insert(d.size() - 3, u' ');
    if (d.size() > 7)
        d.insert(d.size() - 7, u' ');
    if (d.size() > 11)
        d.insert(d.size() - 11, u' ');
    if (d == QLatin1String("0") && p.fraction == 0)
        sign.clear();
    d = padLeft(sign + d, width);
    if (d.size() > width)
        p.fraction = 0;
    QString text = d;
    if (p.fraction > 0) {
        QString f = QString::number(p.fraction).rightJustified(decimals, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        text += u',' + f;
    }
    return padLeft(text, decimals == 0 ? width : width + decimals + 1);
}

QString FormWert(double width, int decimals, double value)
{
    const int padTo = width > 0 ? toInt16(width) : 0;
    if (decimals < 0) {
        const int32_t n = toInt32(value / std::pow(10.0, -decimals));
        const QString t = QString::number(n);
        if (width > 0)
            return t.size() > width ? kOverflowMark : padLeft(t, padTo);
        return t;
    }
    QString sign = value < 0 ? QStringLiteral("-") : QString();
    const FixedPoint p = splitFixed(std::fabs(value), decimals);
    const QString digits = wholeDigits(p.whole);
    if (width > 0) {
        const double room = decimals == 0 ? width - sign.size() : width - sign.size() - 1 - decimals;
        if (digits.size() > room)
            return kOverflowMark;
    }
    QString fraction;
    if (decimals > 0) {
        if (p.fraction != 0) {
            fraction = QString::number(p.fraction).rightJustified(decimals, u'0');
            qsizetype zeros = 0;
            while (zeros < fraction.size() && fraction[fraction.size() - 1 - zeros] == u'0')
                ++zeros;
            fraction.chop(zeros);
            // With a width the points of a column stay aligned: zeros become blanks.
            if (width > 0)
                fraction += QString(zeros, u' ');
            fraction.prepend(u'.');
        } else if (width > 0) {
            fraction = QString(decimals + 1, u' ');
        }
    }
    if (p.whole == 0 && (decimals == 0 || p.fraction == 0))
        sign.clear();
    const QString text = sign + digits + fraction;
    return width > 0 ? padLeft(text, padTo) : text;
}

QString FormBerD(double minimum, double maximum, int decimals)
{
    if (minimum == maximum)
        return FormWert(0, decimals, minimum);
    return FormWert(0, decimals, minimum) + u'/' + FormWert(0, decimals, maximum);
}

QString FormBerS(float minimum, float maximum, int decimals)
{
    return FormBerD(double(minimum), double(maximum), decimals);
}

void TextUmbruch(QString& text, int width, const QString& breakCharacters, QString& rest)
{
    if (width < 0)
        throw InvalidArgumentError(QStringLiteral("Negative line width"));
    if (width > text.size() && !text.contains(u'|')) {
        rest.clear();
        return;
    }
    if (text.size() > width && text[width] == u' ') {
        rest = text.mid(width + 1);
        text.truncate(width);
        return;
    }
    qsizetype p = width;
    for (qsizetype pos = qMin<qsizetype>(width, text.size()); pos >= 1; --pos) {
        if (breakCharacters.contains(text[pos - 1])) {
            p = pos;
            break;
        }
    }
    rest = text.mid(p);
    qsizetype lead = 0;
    while (lead < rest.size() && rest[lead] == u' ')
        ++lead;
    rest.remove(0, lead);
    text.truncate(p);
    while (text.endsWith(u' '))
        text.chop(1);
}

QString SplitToWidth(QString& text, double width, const QString& separators, const TextWidthMeasure& measure)
{
    text = text.trimmed();
    if (measure(text) <= width) {
        const QString all = text;
        text.clear();
        return all;
    }
    QString s = text;
    while (!s.isEmpty() && measure(s) > width)
        s.chop(1);
    const qsizetype c = s.size();
    if (c == 0)
        throw InvalidArgumentError(QStringLiteral("Not one character fits the width"));
    for (qsizetype n = c; n >= 2; --n) {
        if (separators.contains(s[n - 1])) {
            const QString first = text.left(n).trimmed();
            text = text.mid(n).trimmed();
            return first;
        }
    }
    text = text.mid(c).trimmed();
    return s;
}

double ValProz(const QString& text)
{
    QString t = text;
    while (t.endsWith(u' '))
        t.chop(1);
    if (t.isEmpty())
        return -1;
    if (t.endsWith(u'%'))
        t.chop(1);
    return toSingle(readLeadingNumber(t));
}

namespace {
double prefixedValue(const QString& text)
{
    double factor = 1;
    if (!text.isEmpty()) {
        switch (text.back().unicode()) {
        case u'K': case u'k': factor = 1e3; break;
        case u'M': case u'm': factor = 1e6; break;
        case u'G': factor = 1e9; break;
        default: break;
        }
    }
    return toSingle(readLeadingNumber(text) * factor);
}
} // namespace

void ValBereich(QString& text, double& minimum, double& maximum)
{
    minimum = 0;
    maximum = 0;
    text = text.trimmed();
    bool digit = false;
    for (const QChar c : text)
        digit = digit || (c >= u'0' && c <= u'9');
    if (!digit)
        return;
    if (text.size() > 1 && (text.endsWith(u'b') || text.endsWith(u'g') || text.endsWith(u't')))
        text.chop(1);
    QString low, high;
    const qsizetype p = text.indexOf(u'/');
    if (p >= 0) {
        low = withoutTrailingBlanks(text.left(p));
        high = withoutTrailingBlanks(text.mid(p + 1));
    } else {
        low = high = withoutTrailingBlanks(text);
    }
    minimum = prefixedValue(low);
    maximum = low == high ? minimum : prefixedValue(high);
}

bool ValUnit(const QString& text, double& value)
{
    value = 0;
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool dot = false;
    while (i < t.size() && ((t[i] >= u'0' && t[i] <= u'9') || (t[i] == u'.' && !dot))) {
        if (t[i] == u'.')
            dot = true;
        ++i;
    }
    const QString number = t.left(i);
    if (number.isEmpty())
        return false;
    QString unit = t.mid(i).trimmed().toLower();
    if (unit.isEmpty())
        unit = GetParam(prog().Cf, QStringLiteral("DefUnit"));
    const ParamPair f = GetParamPair(prog().EinhListe, unit);
    if (f.textMin.isEmpty())
        return false;
    const double a = f.valueMin;
    const double b = f.valueMax;
    if (b == 0)
        return false;
    value = readLeadingNumber(number) * a / b;
    return true;
}
