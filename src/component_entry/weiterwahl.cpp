#include "component_entry/weiterwahl.h"
#include "frame/workslots.h"
#include "component_entry/entrysteps.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {

QString ask(const QString& chapter)
{
    QString kz;
    entry::menu(QStringLiteral("btx\\div"), chapter, kz, QString(), 2, 0);
    return kz;
}

void clearSlots(int from, int to)
{
    for (int i = from; i <= to; ++i)
        prog().WorkStr[size_t(i)].clear();
}

} // namespace

QString WeiterWahl()
{
    Program& p = prog();
    const QString r = ask(QStringLiteral("ret"));
    if (r == QLatin1String("1")) {
        clearSlots(Slot::SyPar, Slot::R);
        return QStringLiteral("ABBRUCH");
    }
    if (r == QLatin1String("2")) {
        clearSlots(Slot::Ident, Slot::R);
        return QStringLiteral("KB");
    }
    if (r != QLatin1String("3") && r != QLatin1String("4"))
        return QString();
    const QString a = ask(QStringLiteral("beaprof"));
    QString& gl = p.WorkStr[Slot::GlPar];
    if (a == QLatin1String("1"))
        SetParam(gl, QStringLiteral("Env,Envm"), QString());
    else if (a == QLatin1String("2"))
        SetParam(gl, QStringLiteral("Tu,Vl"), QString());
    else if (a == QLatin1String("3"))
        gl = QStringLiteral("Norm=") + GetParam(gl, QStringLiteral("Norm"));
    if (r == QLatin1String("3")) {
        clearSlots(Slot::F, Slot::R);
        return QStringLiteral("GL");
    }
    clearSlots(Slot::S, Slot::R);
    return QStringLiteral("SD");
}
