#include "report/listing.h"
#include "frame/workslots.h"
#include "report/reportstate.h"
#include "frame/paramstring.h"
#include "frame/program.h"

void InitDruck()
{
    Program& p = prog();
    p.LangDir = GetParam(p.Cf, QStringLiteral("De")).toLower();
    if (p.LangDir == QLatin1String("dd\\"))
        p.LangNr = 1;
    else if (p.LangDir == QLatin1String("de\\"))
        p.LangNr = 2;
    p.WorkStr[Slot::AwsDir] = GetParam(p.Cf, QStringLiteral("Aws"));
    p.WorkStr[Slot::Tp1] = GetParam(p.Cf, QStringLiteral("Tp1"));
    p.WorkStr[Slot::Tp2] = GetParam(p.Cf, QStringLiteral("Tp2"));
    resetGroupTable();
    recreateListingFiles();
}

