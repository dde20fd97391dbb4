#include "frame/interaction.h"
#include "frame/workslots.h"
#include "frame/program.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

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

namespace {
// A state that notes when it goes; the log outlives the Program.
template <int N>
struct NotedState {
    explicit NotedState(std::vector<int>* log) : gone(log) {}
    ~NotedState() { gone->push_back(N); }
    std::vector<int>* gone;
};
} // namespace

// A state made later may use one made earlier while it goes (a print job that
// closes a file of a session), so they go in the reverse order of their making;
// a fresh Program starts every folder's state afresh.
TEST(ProgramTest, SubsystemStatesAreKeptPerProgramAndGoInReverseOrder)
{
    std::vector<int> gone;
    {
        ProgramScope scope;
        SubsystemStates& states = scope.program().Subsystems;
        states.held<NotedState<2>>() = std::make_shared<NotedState<2>>(&gone);
        states.held<NotedState<1>>() = std::make_shared<NotedState<1>>(&gone);
        states.held<NotedState<3>>() = std::make_shared<NotedState<3>>(&gone);
        EXPECT_EQ(states.held<NotedState<1>>()->gone, &gone); // found again, not made anew
        {
            ProgramScope inner;
            EXPECT_FALSE(inner.program().Subsystems.held<NotedState<1>>());
        }
        EXPECT_TRUE(gone.empty());
    }
    EXPECT_EQ(gone, (std::vector<int>{3, 1, 2}));
}
