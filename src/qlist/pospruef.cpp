#include "qlist/pospruef.h"
#include "frame/entrycheck.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/workslots.h"
#include "frame/restext.h"
#include "position_line/posline.h"
#include "qlist/positionvalues.h"

namespace {
QString fault(int id, const QStringList& args)
{
    return ResText(QString::number(id), prog().LangNr, true, args);
}

// Whole-item test: "R" is not allowed because "Rw" is.
bool abbreviationAllowed(const QString& allowed, const QString& abbreviation)
{
    for (const QString& item : allowed.split(u',')) {
        if (item.isEmpty())
            return false; // an empty item ends the list
        if (item.section(u'=', 0, 0) == abbreviation)
            return true;
    }
    return false;
}

// Removes every item of key that SetParam finds.
void removeAll(QString& list, const QString& key)
{
    for (;;) {
        const QString before = list;
        SetParam(list, key, QString());
        if (list == before)
            return;
    }
}
} // namespace

QString PosPruef(const QString& line, const QString& allowed)
{
    auto& w = prog().WorkStr;
    QString stc;
    PosTrenn(line, stc);
    if (stc == QLatin1String("Stck="))
        return fault(63, {line});
    // The prediction reads the same values with the same checks: a line saved
    // here is one the run can compute.
    if (const QString problem = positionValueProblem(line); !problem.isEmpty())
        return problem + QStringLiteral("   ") + line;
    if (!w[Slot::Q].isEmpty() || !w[Slot::F].isEmpty() || !w[Slot::R].isEmpty() || !w[Slot::B].isEmpty())
        return fault(62, {line});
    if (GetParam(line, QStringLiteral("Typ")).isEmpty() && GetParam(line, QStringLiteral("Yk")).isEmpty() &&
        GetParam(line, QStringLiteral("An")).isEmpty())
        return fault(464, {line});

    const QString identity = w[Slot::Ident];
    QString copy = identity;
    const bool sublist = !GetParam(copy, QStringLiteral("Qm")).isEmpty();
    SetParam(copy, QStringLiteral("Qm"), QString());
    SetParam(copy, QStringLiteral("Sl"), QString());
    removeAll(copy, QStringLiteral("Typ"));
    removeAll(copy, QStringLiteral("An"));
    while (findParamKey(copy, QStringLiteral("Yk")) >= 0) {
        const QString number = GetParam(copy, QStringLiteral("Yk"));
        SetParam(copy, QStringLiteral("Yk"), QString());
        QString normal;
        if (sublist) {
            QString stand;
            YkNorm(number, normal, stand);
        } else {
            normal = SachNrForm(number);
        }
        if (isItemNumberError(normal))
            return normal + QStringLiteral(":  ") + number;
    }
    if (!copy.isEmpty())
        return fault(72, {identity});

    const QString stress = w[Slot::S];
    if (stress.isEmpty())
        return QString();
    for (const QString& item : stress.split(u',')) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq < 0)
            return fault(465, {identity});
        if (eq == 0)
            return fault(466, {identity});
        QString abbreviation = item.left(eq);
        abbreviation.replace(PiMark, QStringLiteral("{pi}"));
        if (!abbreviationAllowed(allowed, abbreviation))
            return fault(467, {abbreviation, identity});
        // Every other stored number must be one of its kind too (the values the
        // calculation reads were checked above, as the run checks them).
        if (const ValueCheck check = parameterCheck(abbreviation)) {
            const CheckedValue v = check(item.mid(eq + 1));
            if (!v.ok())
                return abbreviation + QStringLiteral(": ") + v.refusal + QStringLiteral("   ") + line;
        }
    }
    QString result;
    const QString zf = GetParam(stress, QStringLiteral("Zf"));
    if (!zf.isEmpty() && !zf.endsWith(u'%'))
        result = fault(468, {identity});
    const QString degr = GetParam(stress, QStringLiteral("Degr"));
    if (!degr.isEmpty() && !degr.endsWith(u'%'))
        result = fault(469, {identity});
    return result;
}
