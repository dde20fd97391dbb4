#include "component_entry/classparameters.h"
#include "calculation/systdb.h"
#include "component_file/btrecord.h"
#include "component_file/btsuch.h"
#include "frame/keptworkslots.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/workslots.h"

#include <exception>

QString ClassParameterList(const QString& identity, QString& bac, QString& tec)
{
    Program& p = prog();
    const KeptWorkSlots kept(Slot::Ident, Slot::R);
    QString list;
    try {
        p.WorkStr[Slot::Ident] = identity;
        QString blockFile, blockText, record;
        if (SuchBtTsa(p.BexDir.isEmpty() ? 1 : 0, blockFile, blockText, record) != 0 && !record.isEmpty() &&
            record != QLatin1String("FehlerYk")) {
            BtdTrenn(record);
            p.WorkStr[Slot::Ident] = identity;
            bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
            tec = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Tec"));
            LesSin(QStringLiteral("Bac=") + bac + QStringLiteral(",Tec=") +
                       (tec.isEmpty() ? QStringLiteral("0000") : tec),
                   0, QStringLiteral("Parameter"), list, {}, {}, {}, 3);
        }
    } catch (const std::exception&) {
        list.clear(); // no class markers rather than no popup
    }
    return list;
}
