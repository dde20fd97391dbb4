#include "frame/interaction.h"
#include "frame/workslots.h"
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

// Nor are answers: a Program whose installer set no interaction must not be
// answered by a hidden batch interaction (a batch run without its log, a window
// start without its windows).
TEST(ProgramDeathTest, AskingAProgramWithoutAnInteractionAborts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            ProgramScope scope;
            scope.program().ui = nullptr;
            ui();
        },
        "without an interaction");
}

// A scope answers without a person, with an interaction of its own: what one
// test's batch answers logged is not seen by the next.
TEST(ProgramTest, AScopeAnswersWithABatchInteractionOfItsOwn)
{
    Interaction* outer = &ui();
    {
        ProgramScope scope;
        auto* batch = dynamic_cast<BatchInteraction*>(&ui());
        ASSERT_NE(batch, nullptr);
        EXPECT_NE(static_cast<Interaction*>(batch), outer);
        EXPECT_EQ(ui().messageBox(QStringLiteral("1"), QStringLiteral("x"), Mb::YesNo), Mb::No);
        EXPECT_EQ(batch->logged.size(), 1);
    }
    ProgramScope next;
    auto* batch = dynamic_cast<BatchInteraction*>(&ui());
    ASSERT_NE(batch, nullptr);
    EXPECT_TRUE(batch->logged.isEmpty());
}

TEST(ProgramTest, ScopesNestAndRestoreTheProgramBefore)
{
    Program& outer = prog();
    {
        ProgramScope scope;
        EXPECT_EQ(&prog(), &scope.program());
        EXPECT_NE(&prog(), &outer);
        prog().WorkStr[Slot::SyPar] = QStringLiteral("inner");
    }
    EXPECT_EQ(&prog(), &outer);
    EXPECT_NE(outer.WorkStr[Slot::SyPar], QStringLiteral("inner"));
}
