#include "report/sonderformat.h"
#include "frame/workslots.h"
#include "frame/errptnr.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <vector>

namespace {

struct Column {
    QString name;
    int width = 0;
};

// The column items of the format, left to right; the control keys are not
// columns. A format other than "ASCII" has no columns.
std::vector<Column> columnsOf(QString format)
{
    std::vector<Column> columns;
    const QString kind = GetParam(format, QStringLiteral("Format"));
    SetParam(format, QStringLiteral("NichtDruck,NichtKopf,FehlFile,Format"), QString());
    if (kind != QLatin1String("ASCII"))
        return columns;
    for (const QString& item : format.split(u',')) {
        if (item.isEmpty())
            break;
        const qsizetype eq = item.indexOf(u'=');
        Column c;
        c.name = eq < 0 ? item : item.left(eq);
        // A width that is not a number (or an item without "=") is an empty
        // column; a negative one as well, so that nothing is right-aligned.
        c.width = eq < 0 ? 0 : std::max(0, int(readLeadingNumber(item.mid(eq + 1))));
        columns.push_back(c);
    }
    return columns;
}

QString resultKeyOf(int16_t spNorm)
{
    switch (spNorm) {
    case 1: return QStringLiteral("Fit");
    case 2: return QStringLiteral("Fita");
    case 3: return QStringLiteral("Fitm");
    default: return QString();
    }
}

} // namespace

void AusSonderFilePos(const QString& Stc, int16_t SpNorm, QString SoFormStr, const QString& Modus)
{
    ErrPtnr::CallStack(QStringLiteral("[XERGFILE] Public Sub AusSonderFilePos(Stc$, SpNorm%, ByVal SoFormStr$, Modus$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), Stc);
    ErrPtnr::CallStackParam(QStringLiteral("SpNorm"), int(SpNorm));
    ErrPtnr::CallStackParam(QStringLiteral("SoFormStr"), SoFormStr);
    ErrPtnr::CallStackParam(QStringLiteral("Modus"), Modus);

    ErrPtnr::guarded(QStringLiteral("XERGFILE"), QStringLiteral("AusSonderFilePos"), false, [&] {
        Program& p = prog();
        const std::vector<Column> columns = columnsOf(SoFormStr);

        double mean = 0;
        const QString key = resultKeyOf(SpNorm);
        if (!key.isEmpty()) {
            const ParamPair pair = GetParamPair(p.WorkStr[Slot::R], key);
            mean = (pair.valueMin + pair.valueMax) / 2.0 * readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
        }

        const QString posList = p.WorkStr[Slot::Ident] + QLatin1Char(',') + Stc;
        const QStringList identity{QStringLiteral("Typ"), QStringLiteral("Yk"), QStringLiteral("An"),
                                   QStringLiteral("Sl")};
        bool named = false;
        for (const QString& k : identity)
            named = named || !GetParam(posList, k).isEmpty();
        if (!named)
            return true;

        // A name is taken when it is part of this list (a fragment such as "Ty"
        // too); it then shows the value of the key of that name.
        static const QString accepted = QStringLiteral("Typ,Yk,An,Stck,Sl");
        QString out;
        for (const Column& c : columns) {
            if (c.name == QLatin1String("Ar")) {
                // Fixed point, whatever the regional settings.
                out += QString::number(mean, 'f', 2) + QStringLiteral("\r\n");
            } else if (!c.name.isEmpty() && accepted.contains(c.name)) {
                out += GetParam(posList, c.name).leftJustified(c.width, u' ', true);
            }
        }
        p.WorkStr[Slot::SylkHead] += out;
        return true;
    });
}
