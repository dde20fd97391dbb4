#include "calculation/calcinterface.h"
#include "frame/workslots.h"
#include "common/testutil.h"

#include <gtest/gtest.h>

namespace {

TEST(CalcInterface, ErrCodesInOrder)
{
    EXPECT_EQ(errCodes(",Err=Btd,Warn=Tj,Err=Bac"), QStringList({"Btd", "Bac"}));
    EXPECT_EQ(errCodes(",Warn=Inen"), QStringList());
}

TEST(CalcInterface, FactorKeyStartsWithPiMark)
{
    testutil::ScriptedProgram sp;
    appendFactor("t", "1.5");
    appendResult("Fit", "2");
    appendErr("Vf");
    appendWarn("Tj");
    EXPECT_EQ(sp.program().WorkStr[Slot::R], QStringLiteral(",") + QChar(227) + "t=1.5,Fit=2");
    EXPECT_EQ(sp.program().WorkStr[Slot::F], ",Err=Vf,Warn=Tj");
}

} // namespace
