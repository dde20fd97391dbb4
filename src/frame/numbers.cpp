#include "frame/numbers.h"
#include "frame/errors.h"

#include <charconv>
#include <cmath>
#include <cstdio>

double readLeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    if (i + 1 < n && text[i] == u'&') {
        const QChar kind = text[i + 1].toUpper();
        int base = kind == u'H' ? 16 : (kind == u'O' ? 8 : 0);
        if (base != 0) {
            qsizetype j = i + 2;
            double v = 0;
            while (j < n) {
                const char16_t c = QChar(text[j]).toUpper().unicode();
                const int d = (c >= u'0' && c <= u'9') ? c - u'0' : (c >= u'A' && c <= u'F') ? c - u'A' + 10 : -1;
                if (d < 0 || d >= base)
                    break;
                v = v * base + d;
                ++j;
            }
            return v;
        }
    }
    QByteArray buf;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        buf += char(text[i].unicode());
        ++i;
    }
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    bool any = false;
    while (isDigit(i)) {
        buf += char(text[i].unicode());
        ++i;
        any = true;
    }
    if (i < n && text[i] == u'.') {
        buf += '.';
        ++i;
        while (isDigit(i)) {
            buf += char(text[i].unicode());
            ++i;
            any = true;
        }
    }
    if (!any)
        return 0.0;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype j = i + 1;
        QByteArray exp = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exp += char(text[j].unicode());
            ++j;
        }
        if (isDigit(j)) {
            while (isDigit(j)) {
                exp += char(text[j].unicode());
                ++j;
            }
            buf += exp;
        }
    }
    // from_chars never looks at the locale; strtod would stop at the "." under a
    // decimal-comma locale and read 1.5 as 1.
    const char* first = buf.constData();
    const char* last = first + buf.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto r = std::from_chars(first, last, value);
    if (r.ec == std::errc::result_out_of_range) {
        // As strtod: too large gives infinity, too small zero.
        const bool tiny = buf.contains("e-");
        value = tiny ? 0.0 : HUGE_VAL;
        if (buf.startsWith('-'))
            value = -value;
    }
    return value;
}

static double roundHalfEven(double value)
{
    return std::nearbyint(value); // default rounding mode is to nearest, ties to even
}

int16_t toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw OverflowError();
    return static_cast<int16_t>(r);
}

int32_t toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw OverflowError();
    return static_cast<int32_t>(r);
}

QString plainNumber(double value, bool singlePrecision)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    const int digits = singlePrecision ? 7 : 15;
    if (singlePrecision)
        value = toSingle(value);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, value);
    QString s = QString::fromLatin1(buf);
    // snprintf writes the decimal point of the C locale ("," under German);
    // the program's numbers always have ".".
    for (QChar& c : s)
        if (!c.isDigit() && c != u'-' && c != u'+' && c != u'E')
            c = u'.';
    // Split mantissa and exponent, strip trailing zeros of the mantissa.
    QString mant = s, exp;
    const qsizetype e = s.indexOf(u'E');
    if (e >= 0) {
        mant = s.left(e);
        exp = s.mid(e);
    }
    if (mant.contains(u'.')) {
        while (mant.endsWith(u'0'))
            mant.chop(1);
        if (mant.endsWith(u'.'))
            mant.chop(1);
    }
    if (mant.startsWith(QLatin1String("0.")))
        mant.remove(0, 1);
    else if (mant.startsWith(QLatin1String("-0.")))
        mant.remove(1, 1);
    return mant + exp;
}
