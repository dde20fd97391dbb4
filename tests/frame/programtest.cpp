#include "frame/program.h"

#include <gtest/gtest.h>

// State that nobody installed must not be made up behind the caller's back: a
// tool or test that forgot to install a Program would otherwise share one hidden
// object with every other such caller and pass by accident.
TEST(ProgramDeathTest, ReachingTheStateWithoutAnInstalledProgramAborts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            installProgram(nullptr);
            prog();
        },
        "without an installed Program");
}

TEST(ProgramTest, ScopesNestAndRestoreTheProgramBefore)
{
    Program& outer = prog();
    {
        ProgramScope scope;
        EXPECT_EQ(&prog(), &scope.program());
        EXPECT_NE(&prog(), &outer);
        prog().WorkStr[0] = QStringLiteral("inner");
    }
    EXPECT_EQ(&prog(), &outer);
    EXPECT_NE(outer.WorkStr[0], QStringLiteral("inner"));
}
