#include "common/testlinks.h"
#include "main_window/konfiguration.h"
#include "frame/links.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct NeverWiredLinks {
    std::function<void()> call;
};

// The test process runs with the program's set installed: a second installation
// beside it would let two sets answer for the same links, so it must not pass.
TEST(LinksDeathTest, ASecondInstallationWhileOneLivesAborts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            LinkSet other;
            const LinkSet::Installation second(other);
        },
        "second set of links");
}

// A link the program's wiring forgot is named, not silently taken as unbound.
TEST(LinksDeathTest, ALinkThatWasNotWiredAbortsNamingItsType)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(links<NeverWiredLinks>(), "NeverWiredLinks");
}

// A test's replacement is read at the next use, the links it leaves alone stay
// the program's, and the program's set comes back at the end.
TEST(Links, AReplacedLinkIsReadAtOnceAndTheProgramsSetComesBack)
{
    ASSERT_EQ(LinkSet::installed(), &programLinks());
    {
        ReplacedLinks replaced;
        int printed = 0;
        replaced.edit<KonfigPrinting>().PrTestSeite = [&printed] { ++printed; };
        links<KonfigPrinting>().PrTestSeite();
        EXPECT_EQ(printed, 1);
        EXPECT_TRUE(links<KonfigPrinting>().checkPrintArea);
    }
    EXPECT_EQ(LinkSet::installed(), &programLinks());
}

} // namespace
