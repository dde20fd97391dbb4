#include "report/reportstate.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <memory>

ReportState& reportState()
{
    std::shared_ptr<ReportState>& held = prog().Subsystems.held<ReportState>();
    if (!held)
        held = std::make_shared<ReportState>();
    return *held;
}

void resetGroupTable()
{
    int16_t first = 0, groups = 0;
    GetParamPairInt(prog().Cf, QStringLiteral("Ag"), first, groups);
    reportState().GrpSum.assign(size_t(groups < 0 ? 0 : groups) + 1, MethodTotals{});
}
