#include "frame/pending.h"
#include "frame/interaction.h"
#include "frame/program.h"

void notYetConnected(const QString& what)
{
    ui().messageBox(QStringLiteral("0"),
                    prog().LangNr == 2 ? QStringLiteral("%1: not available in this version.").arg(what)
                                       : QStringLiteral("%1: in dieser Version nicht verfügbar.").arg(what),
                    0x40);
}
