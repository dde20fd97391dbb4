#include "frame/formatters.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

bool ValUnit(const QString& text, double& value)
{
    value = 0;
    const QString t = text.trimmed();
    int i = 0;
    bool dot = false;
    while (i < t.size() && (t[i].isDigit() || (t[i] == u'.' && !dot))) {
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
