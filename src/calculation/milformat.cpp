#include "calculation/milformat.h"
#include "frame/errors.h"
#include "frame/numbers.h"

#include <cmath>

namespace milfmt {

namespace {
// Nearest integer, a half to the even neighbour (the program's integer rule).
double roundHalfEven(double v)
{
    return std::nearbyint(v); // default rounding mode: to nearest, ties to even
}

QString wholeDigits(double i)
{
    if (i >= 1e15)
        return plainNumber(i);
    return QString::number(static_cast<qint64>(i));
}
} // namespace

QString FormWert0(int decimals, double value)
{
    const bool negative = value < 0;
    const double a = std::fabs(value);
    double i = std::trunc(a);
    const double scale = std::pow(10.0, decimals);
    double f = roundHalfEven((a - i) * scale);
    if (f >= scale) {
        f = 0;
        i += 1;
    }
    if (i > 2147483647.0)
        throw OverflowError();
    QString fraction;
    if (decimals > 0 && f != 0) {
        fraction = QString::number(static_cast<qint64>(f)).rightJustified(decimals, u'0');
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        fraction.prepend(u'.');
    }
    QString sign = negative ? QStringLiteral("-") : QString();
    if (i == 0 && fraction.isEmpty())
        sign.clear();
    return sign + wholeDigits(i) + fraction;
}

QString FormBerD(double minimum, double maximum, int decimals)
{
    if (minimum == maximum)
        return FormWert0(decimals, minimum);
    return FormWert0(decimals, minimum) + u'/' + FormWert0(decimals, maximum);
}

QString FormBerS(double minimum, double maximum, int decimals)
{
    return FormBerD(toSingle(minimum), toSingle(maximum), decimals);
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
double multiplied(const QString& t)
{
    const double v = readLeadingNumber(t);
    if (t.isEmpty())
        return v;
    switch (t.back().unicode()) {
    case u'K':
    case u'k': return v * 1e3;
    case u'M':
    case u'm': return v * 1e6;
    case u'G': return v * 1e9;
    default: return v;
    }
}
QString trimmedRight(QString t)
{
    while (t.endsWith(u' '))
        t.chop(1);
    return t;
}
} // namespace

void ValBereich(QString& text, double& minimum, double& maximum)
{
    minimum = 0;
    maximum = 0;
    text = text.trimmed();
    bool digit = false;
    for (QChar c : text)
        digit = digit || c.isDigit();
    if (!digit)
        return;
    if (text.size() > 1 && (text.endsWith(u'b') || text.endsWith(u'g') || text.endsWith(u't')))
        text.chop(1);
    QString a, b;
    const qsizetype p = text.indexOf(u'/');
    if (p >= 0) {
        a = trimmedRight(text.left(p));
        b = trimmedRight(text.mid(p + 1));
    } else {
        a = b = trimmedRight(text);
    }
    minimum = toSingle(multiplied(a));
    maximum = a == b ? minimum : toSingle(multiplied(b));
}

} // namespace milfmt
