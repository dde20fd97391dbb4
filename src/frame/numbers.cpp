#include "frame/numbers.h"
#include "frame/errors.h"

#include <charconv>
#include <cmath>
#include <system_error>

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
        if (text[i] == u'-') // from_chars takes no plus sign
            buf += '-';
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
    // from_chars never looks at the locale: "1.5" stays 1.5 under a German one.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(buf.constData(), buf.constData() + buf.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double: infinity with the number's sign; too small: 0.
        const bool negative = buf.startsWith('-');
        qsizetype ePos = buf.indexOf('e');
        const bool tiny = ePos >= 0 && buf.mid(ePos + 1).startsWith('-');
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
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
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    QString s = QString::fromLatin1(buf, res.ptr - buf).toUpper();
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

QString fixedNumber(double value, int decimals)
{
    char buf[400]; // the widest double in fixed form has 309 digits before the point
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, qMax(0, decimals));
    if (res.ec != std::errc())
        return plainNumber(value);
    return QString::fromLatin1(buf, res.ptr - buf);
}
