#include "component_entry/milqkwahl.h"
#include "frame/workslots.h"
#include "dialogue/dia.h"
#include "frame/paramstring.h"
#include "frame/program.h"

void MilQkWahl(const QString& Family, QString& Ret)
{
    QString chapter, keys;
    if (Family == QLatin1String("1")) {
        chapter = QStringLiteral("qkl1");
        keys = QStringLiteral("1=S,2=B,3=B-1,4=CSH,5=CSP,6=Com");
    } else if (Family == QLatin1String("2") || Family == QLatin1String("3")) {
        // Family 3 has no list of its own: it shares the discrete semiconductors'.
        chapter = QStringLiteral("qkl2");
        keys = QStringLiteral("1=JANTXV,2=JANTX,3=JAN,4=Lower,5=Plastic");
    } else if (Family == QLatin1String("4")) {
        chapter = QStringLiteral("qkl4");
        keys = QStringLiteral("1=S,2=R,3=P,4=M,5=MIL,6=Lower");
    } else if (Family == QLatin1String("5")) {
        chapter = QStringLiteral("qkl5");
        keys = QStringLiteral("1=MIL,2=Lower");
    } else {
        return;
    }
    Program& p = prog();
    QString kz;
    DiaDIK(p.LangDir + QStringLiteral("btx\\milq"), chapter, kz);
    p.RunStr[RunSlot::Scratch] = keys;
    Ret = kz.isEmpty() ? QString() : GetParam(keys, kz);
}
