#include "frame/errptnr.h"
#include "printing/printfixture.h"
#include "printing/printoutput.h"
#include "printing/protocolprint.h"

#include <gtest/gtest.h>

namespace {

class ProtocolPrint : public PrintFixture {
protected:
    // Prints the lines and answers the preview by keeping its pages and cancelling.
    QStringList printed(const QStringList& lines)
    {
        QStringList pages;
        sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&pages](const Question&) {
            pages = pageTexts();
            return Answer::cancel();
        });
        ProtocolPrintout printout;
        QString error;
        EXPECT_TRUE(printout.printLines(lines, &error));
        EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(u' ').toStdString();
        return pages;
    }
};

TEST(ProtocolPrintLine, TabsStandAtEveryEighthColumn)
{
    EXPECT_EQ(protocolPrintLine(QStringLiteral("          Modul:\tXHAP ")), QStringLiteral("          Modul:        XHAP "));
    EXPECT_EQ(protocolPrintLine(QStringLiteral("ab\tc\t")), QStringLiteral("ab      c       "));
    EXPECT_EQ(protocolPrintLine(QStringLiteral("12345678\tx")), QStringLiteral("12345678        x"));
}

struct HeadRow {
    const char* name;
    int language;
    const char* head;
};

class ProtocolPrintHead : public ProtocolPrint, public ::testing::WithParamInterface<HeadRow> {};

TEST_P(ProtocolPrintHead, PagesAreHeadedInTheInterfaceLanguage)
{
    sp.program().LangNr = GetParam().language;
    const QStringList pages = printed({QStringLiteral("F E H L E R P R O T O K O L L vom ErrorPartner "),
                                       QStringLiteral("          Fehler-Nr:\t53 (Datei nicht gefunden) ")});
    EXPECT_EQ(pages.value(0), QStringLiteral("=== page 1"));
    EXPECT_TRUE(pages.contains(QStringLiteral("TARN 1.0      ") + QString::fromUtf8(GetParam().head)))
        << pages.join(u'|').toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("F E H L E R P R O T O K O L L vom ErrorPartner")));
    EXPECT_TRUE(pages.contains(QStringLiteral("          Fehler-Nr:    53 (Datei nicht gefunden)")));
}

INSTANTIATE_TEST_SUITE_P(Languages, ProtocolPrintHead,
                         ::testing::Values(HeadRow{"german", 1, "Fehlerprotokoll"},
                                           HeadRow{"english", 2, "Error protocol"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(ProtocolPrint, ALongProtocolGoesOnOverPagesEachWithItsHead)
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("line %1 ").arg(i);
    const QStringList pages = printed(lines);
    EXPECT_GE(pages.count(QStringLiteral("TARN 1.0      Fehlerprotokoll")), 2);
    EXPECT_TRUE(pages.contains(QStringLiteral("line 1")));
    EXPECT_TRUE(pages.contains(QStringLiteral("line 150")));
}

TEST_F(ProtocolPrint, ContinuationLinesFitThePrintArea)
{
    // A continuation line reaches 93 columns (20 blanks and a word of 73 with its
    // blank); the print area holds fewer at 10 pt.
    const QStringList lines = ErrPtnr::PrintLines(QStringLiteral("a ") + QString(72, u'x') + QStringLiteral("\r\n"));
    ASSERT_EQ(lines.value(1).size(), 93);
    ASSERT_TRUE(PrInit());
    ASSERT_LT(state().PrSpalten, 93);
    closePageFiles();

    double widest = 0, area = 0;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&](const Question&) {
        // While the preview shows, the protocol's job is the one in hand.
        const PrintState& s = printState();
        widest = currentPrinter().textWidth(s.font, lines.value(1));
        area = s.PrRechts - s.PrLinks;
        return Answer::cancel();
    });
    ProtocolPrintout printout;
    QString error;
    EXPECT_TRUE(printout.printLines(lines, &error));
    EXPECT_GT(widest, 0);
    EXPECT_LE(widest, area);
}

TEST_F(ProtocolPrint, AJobInHandGoesOnUnharmedAfterwards)
{
    ASSERT_TRUE(PrInit());
    PrKopf(QStringLiteral("Report"), QString());
    PrText("first report page");
    PrNeueSeite();
    PrText("second report page, half written");

    const QStringList protocol = printed({QStringLiteral("the protocol line ")});
    EXPECT_TRUE(protocol.contains(QStringLiteral("the protocol line")));
    EXPECT_FALSE(protocol.contains(QStringLiteral("first report page")));

    // The report's job is back where it was: its page, its buffer, its files.
    PrNeueSeite();
    const QStringList report = pageTexts();
    EXPECT_EQ(pageCount(PageSource::Pages), 2);
    EXPECT_TRUE(report.contains(QStringLiteral("first report page")));
    EXPECT_TRUE(report.contains(QStringLiteral("second report page, half written")));
    EXPECT_FALSE(report.contains(QStringLiteral("the protocol line")));
    EXPECT_FALSE(QFile::exists(pageFilePath() + QStringLiteral(".held")));
}

TEST_F(ProtocolPrint, ToAPdfFileThroughThePreview)
{
    const QString pdf = dir.filePath(QStringLiteral("protocol.pdf"));
    Answer toPdf = Answer::word(QStringLiteral("pr mit"));
    toPdf.toPdf = true;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), toPdf);
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("pdfdatei"), Answer::word(pdf));
    ProtocolPrintout printout;
    QString error;
    EXPECT_TRUE(printout.printLines({QStringLiteral("x ")}, &error));
    EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(u' ').toStdString();
    EXPECT_TRUE(testutil::readFile(pdf).startsWith("%PDF"));
    EXPECT_EQ(printer->begun, 0); // never on paper
}

} // namespace
