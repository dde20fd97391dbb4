#include "calculation/calcinterface.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

void abortOnDbError(const QString& procedureText, const DbError& error)
{
    MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, prog().LangNr,
              {procedureText, QString::number(error.nativeCode()), AnsiToOem(error.message())});
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
