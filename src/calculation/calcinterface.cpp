#include "calculation/calcinterface.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QTextCodec>
#include <cfenv>
#include <cmath>

void abortOnDbError(const QString& procedureText, const DbError& error)
{
    MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, prog().LangNr,
              {procedureText, QString::number(error.nativeCode()), ansiToOemText(error.message())});
    throw CalculationAborted(error.message());
}

MinMax readPair(const QString& list, const QString& key)
{
    const ParamPair p = GetParamPair(list, key);
    return {p.valueMin, p.valueMax};
}

bool hasMethod(const QString& digits, QChar digit)
{
    return digits.contains(digit);
}

QStringList errCodes(const QString& codes)
{
    QStringList out;
    static const QString tag = QStringLiteral("Err=");
    qsizetype from = 0;
    while (true) {
        const qsizetype p = codes.indexOf(tag, from);
        if (p < 0)
            return out;
        const qsizetype start = p + tag.size();
        qsizetype end = codes.indexOf(u',', start);
        if (end < 0)
            end = codes.size();
        QString code = codes.mid(start, end - start);
        if (code.endsWith(EndeZeichen))
            code.chop(1);
        out << code.trimmed();
        from = start;
    }
}

QStringList splitSubComponents(const QString& z)
{
    QStringList entries;
    QString rest = z;
    while (true) {
        // The search starts at the third character, behind the first entry's key.
        const qsizetype p = rest.indexOf(QLatin1String("Bac="), 2);
        if (p < 0)
            break;
        entries << rest.left(p - 1); // without the "," before "Bac="
        rest = rest.mid(p);
    }
    entries << rest;
    return entries;
}

namespace {
// One number of a range: at most `decimals` decimals, the scaled fraction
// rounded to the nearest integer (a half to the even neighbour), trailing
// zeros dropped, no "-0".
QString formValue(double value, int decimals)
{
    const bool negative = value < 0;
    const double a = std::fabs(value);
    double whole = std::trunc(a);
    const double scale = std::pow(10.0, decimals);
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    double fraction = std::nearbyint((a - whole) * scale);
    std::fesetround(oldMode);
    if (fraction >= scale) {
        fraction = 0;
        whole += 1;
    }
    const QString digits = whole < 1e15 ? QString::number(whole, 'f', 0) : plainNumber(whole);
    QString frac;
    if (decimals > 0 && fraction != 0) {
        frac = QString::number(fraction, 'f', 0).rightJustified(decimals, u'0');
        while (frac.endsWith(u'0'))
            frac.chop(1);
        frac.prepend(u'.');
    }
    const bool showSign = negative && !(whole == 0 && frac.isEmpty());
    return (showSign ? QStringLiteral("-") : QString()) + digits + frac;
}
} // namespace

QString rangeTextD(double min, double max, int decimals)
{
    if (min == max)
        return formValue(min, decimals);
    return formValue(min, decimals) + u'/' + formValue(max, decimals);
}

QString rangeTextS(double min, double max, int decimals)
{
    return rangeTextD(toSingle(min), toSingle(max), decimals);
}

double percentValue(const QString& text)
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
double rangeBound(const QString& text)
{
    double v = readLeadingNumber(text);
    if (!text.isEmpty()) {
        const QChar last = text.back();
        if (last == u'K' || last == u'k')
            v *= 1e3;
        else if (last == u'M' || last == u'm')
            v *= 1e6;
        else if (last == u'G')
            v *= 1e9;
    }
    return toSingle(v);
}

QString chopTrailingBlanks(QString s)
{
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}
} // namespace

void readRange(QString& text, double& min, double& max)
{
    min = 0;
    max = 0;
    text = text.trimmed();
    bool digit = false;
    for (QChar c : text)
        digit = digit || (c >= u'0' && c <= u'9');
    if (!digit)
        return;
    if (text.size() > 1 && (text.back() == u'b' || text.back() == u'g' || text.back() == u't'))
        text.chop(1);
    QString lower, upper;
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0) {
        lower = chopTrailingBlanks(text.left(slash));
        upper = chopTrailingBlanks(text.mid(slash + 1));
    } else {
        lower = upper = chopTrailingBlanks(text);
    }
    min = rangeBound(lower);
    max = lower == upper ? min : rangeBound(upper);
}

void appendResult(const QString& key, const QString& value)
{
    prog().WorkStr[Slot::R] += u',' + key + u'=' + value;
}

void appendFactor(const QString& letters, const QString& value)
{
    prog().WorkStr[Slot::R] += u',' + piKey(letters) + u'=' + value;
}

void appendErr(const QString& code)
{
    prog().WorkStr[Slot::F] += QStringLiteral(",Err=") + code;
}

void appendWarn(const QString& code)
{
    prog().WorkStr[Slot::F] += QStringLiteral(",Warn=") + code;
}

QString ansiToOemText(const QString& text)
{
    static QTextCodec* const oem = QTextCodec::codecForName("IBM 850");
    if (!oem)
        return text;
    return fromBytes(oem->fromUnicode(text));
}
