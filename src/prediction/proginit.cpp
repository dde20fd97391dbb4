#include "prediction/proginit.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "prediction/runparams.h"
#include "report/listing.h"

#include "component_file/btdatei.h"
#include "component_file/btlock.h"

bool ProgInit()
{
    Program& p = prog();
    {
        QString header;
        int minimum = 1, lock = -1;
        int data = -2; // stays -2 when only the lock file could not be taken
        if (!OpenBtFile(BtFlags::LockedRead, header, p.BinDir + QStringLiteral("\\abi"), p.BinDir, BtKind::Internal,
                        0, 2, 2, true, minimum, lock, data)) {
            // The header is only checked here; the start-up goes on either way.
            if (data == -1 || minimum == -1)
                MsgBoxRes(QStringLiteral("73"), Mb::OKOnly, p.LangNr, oemArgs({p.BinDir}));
        }
    }
    if (!InitBtDatei())
        return false;
    recreateListingFiles();
    GlPar().clear();
    return true;
}
