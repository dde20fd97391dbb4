#include "common/testutil.h"
#include "printing/previewstate.h"

namespace {

class Preview : public ::testing::Test {
protected:
    testutil::ScriptedProgram sp;
};

TEST_F(Preview, MoreThanTwentyPagesAskBeforePrinting)
{
    PreviewState s(21, true, false);
    s.command(QStringLiteral(">"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::No));
    s.command(QStringLiteral("pr mit"));
    EXPECT_FALSE(s.decided());
    EXPECT_EQ(s.AktSeite, 2);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::Yes));
    s.command(QStringLiteral("pr mit"));
    EXPECT_TRUE(s.confirmed());
    EXPECT_TRUE(s.ArchivJa);
    EXPECT_FALSE(s.NurArchiv);
}

TEST_F(Preview, TwentyPagesPrintWithoutQuestion)
{
    PreviewState s(20, false, false);
    s.command(QStringLiteral("pr mit"));
    EXPECT_TRUE(s.confirmed());
}

TEST_F(Preview, ArchiveChoices)
{
    PreviewState archiveOnly(3, true, false);
    archiveOnly.command(QStringLiteral("arch"));
    EXPECT_TRUE(archiveOnly.confirmed());
    EXPECT_TRUE(archiveOnly.NurArchiv);

    PreviewState withoutArchive(3, true, false);
    withoutArchive.command(QStringLiteral("pr ohne"));
    EXPECT_TRUE(withoutArchive.confirmed());
    EXPECT_FALSE(withoutArchive.ArchivJa);
}

TEST_F(Preview, ArchiveAnsweredNoThenPrintKeepsArchiveOnlyOff)
{
    PreviewState s(25, true, false);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::No));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::Yes));
    s.command(QStringLiteral("arch"));
    s.command(QStringLiteral("pr mit"));
    EXPECT_TRUE(s.confirmed());
    EXPECT_FALSE(s.NurArchiv);
}

TEST_F(Preview, PagingStaysWithinTheJob)
{
    PreviewState s(3, false, false);
    EXPECT_FALSE(s.command(QStringLiteral("<")));
    EXPECT_EQ(s.AktSeite, 1);
    s.command(QStringLiteral(">>"));
    EXPECT_EQ(s.AktSeite, 3);
    EXPECT_FALSE(s.command(QStringLiteral(">")));
    EXPECT_EQ(s.AktSeite, 3);
    s.command(QStringLiteral("<<"));
    EXPECT_EQ(s.AktSeite, 1);
}

TEST_F(Preview, CancelAndCloseAreNotConfirmed)
{
    PreviewState cancelled(3, false, true);
    cancelled.pdfTicked = true;
    cancelled.command(QStringLiteral("can"));
    EXPECT_TRUE(cancelled.decided());
    EXPECT_FALSE(cancelled.confirmed());
    EXPECT_TRUE(cancelled.pdfTicked);

    PreviewState closed(3, false, false);
    closed.close();
    EXPECT_FALSE(closed.confirmed());
}

} // namespace
