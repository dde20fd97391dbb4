#include "common/testutil.h"
#include "frame/workslots.h"
#include "listing/listingfiles.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "prediction/druckbtprog.h"
#include "printing/pageinterpreter.h"
#include "printing/printfixture.h"
#include "printing/printjob.h"
#include "report/listing.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// The printout of a single-component listing: the records are written into the
// print listing "t.tmp" as the listings write them, printed on the fixed-metric
// printer, and the page stream is compared as text with a checked-in file under
// tests/fixtures/prediction/ (TARN_UPDATE_GOLDEN=1 rewrites the file).
namespace {

// The page stream as text: one line per drawing record of every page.
class DumpTarget : public DrawTarget {
public:
    void setFontName(const QString& name) override
    {
        mName = name;
        out += QStringLiteral("font %1\n").arg(name);
    }
    QString fontName() const override { return mName; }
    void setFontSize(double points) override { out += QStringLiteral("size %1\n").arg(points); }
    void setFontBold(bool bold) override { out += bold ? QStringLiteral("bold\n") : QStringLiteral("regular\n"); }
    void setFontUnderline(bool u) override { out += u ? QStringLiteral("underline\n") : QStringLiteral("plain\n"); }
    void setDrawStyle(int) override {}
    void setDrawWidth(int) override {}
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        out += QStringLiteral("line %1,%2 %3,%4\n").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void text(int32_t x, int32_t y, const QString& t) override
    {
        out += QStringLiteral("text %1,%2 %3\n").arg(x).arg(y).arg(t);
    }
    QString out;

private:
    QString mName;
};

QString dumpPages()
{
    DumpTarget t;
    const int n = pageCount(PageSource::Pages);
    for (int k = 1; k <= n; ++k) {
        t.out += QStringLiteral("=== page %1\n").arg(k);
        drawPageRecords(t, readPage(PageSource::Pages, k), 1.0);
    }
    return t.out;
}

void expectGolden(const QString& actual, const QString& name)
{
    const QString path = testutil::fixturesDir() + QStringLiteral("/prediction/") + name;
    if (qEnvironmentVariableIsSet("TARN_UPDATE_GOLDEN"))
        testutil::writeFile(path, actual.toUtf8());
    EXPECT_EQ(actual.toStdString(), QString::fromUtf8(testutil::readFile(path)).toStdString()) << name.toStdString();
}

// One record of the print listing as the listing writers make it.
void rec(const QString& letter, const QString& text)
{
    prog().WorkStr[Slot::Record] = (letter + text + EndeZeichen).leftJustified(ListRecordLength, u' ', true);
    ErgLf(0, 1);
}
void empty()
{
    rec(QStringLiteral("*"), QString());
}
void plain(const QString& text)
{
    rec(QStringLiteral("*"), text);
}

class PrintoutTest : public PrintFixture {
protected:
    PrintoutTest()
    {
        Program& p = sp.program();
        p.LangNr = 2;
        p.LangDruck = 2;
        recreateListingFiles();
        ErgLf(0, -1);
        linesPerPage = measureLinesPerPage();
        EXPECT_TRUE(PrInit());
    }
    ~PrintoutTest() override { closePageFiles(); }

    // Plain lines that fit on a page under the 9-point listing font.
    static int measureLinesPerPage()
    {
        EXPECT_TRUE(PrInit());
        PrKopf(QStringLiteral("t"), QStringLiteral("r"));
        PrFont(9, false, false);
        int n = 0;
        while (!PrPlatz(1) && n < 1000) {
            PrLf();
            ++n;
        }
        closePageFiles();
        return n;
    }

    QString print()
    {
        bool arch = false;
        DruckBtProg(arch);
        return dumpPages();
    }

    // The text records of one page, in order.
    static QStringList textsOf(const QString& dump, int page)
    {
        QStringList out;
        const QStringList pages = dump.split(QRegularExpression(QStringLiteral("=== page \\d+\n")));
        for (const QString& l : pages.value(page).split(u'\n'))
            if (l.startsWith(QLatin1String("text ")))
                out << l.mid(l.indexOf(u' ', 5) + 1);
        return out;
    }

    int linesPerPage = 0;
};

TEST_F(PrintoutTest, LeadingEmptyLinesAreSkippedAndTheFontFollowsTheRecordType)
{
    empty();
    empty();
    rec(QStringLiteral("G"), QStringLiteral("Heading in ten points"));
    plain(QStringLiteral("Plain again"));
    rec(QStringLiteral("U"), QStringLiteral("Underlined"));
    rec(QStringLiteral("I"), QStringLiteral("Info bold"));
    // OEM 132 is a-umlaut; the pi marker stays pi.
    plain(QString(QChar(132)) + QStringLiteral("nderung ") + PiMark + QStringLiteral("T = 1.2"));
    const QString dump = print();
    ASSERT_EQ(pageCount(PageSource::Pages), 1);
    const QStringList texts = textsOf(dump, 1);
    // Page head (title, right-hand text), then the records from the first non-empty one.
    ASSERT_GE(texts.size(), 5);
    EXPECT_TRUE(texts.contains(QStringLiteral("TARN 1.0      Failure Rate Prediction"))) << dump.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Component")));
    const qsizetype heading = texts.indexOf(QStringLiteral("Heading in ten points"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(texts.value(heading + 1), QStringLiteral("Plain again"));
    // The umlaut converted, the pi marker drawn as pi (the Symbol font's "p").
    EXPECT_TRUE(dump.contains(QStringLiteral("\u00e4nderung\nfont Symbol\ntext 2106,2131 p\nfont Courier New\n")))
        << dump.toStdString();
    // "G" 10 pt bold directly before its text, "*" 9 pt plain before the next one.
    const qsizetype g = dump.indexOf(QLatin1String("Heading in ten points"));
    const QString beforeG = dump.left(g);
    EXPECT_GT(beforeG.lastIndexOf(QLatin1String("size 10")), beforeG.lastIndexOf(QLatin1String("size 9")));
    const qsizetype p = dump.indexOf(QLatin1String("Plain again"));
    const QString between = dump.mid(g, p - g);
    EXPECT_TRUE(between.contains(QLatin1String("size 9")) && between.contains(QLatin1String("regular")))
        << between.toStdString();
    expectGolden(dump, QStringLiteral("druckbtprog-fonts.txt"));
}

// Frames and tables of the listings print with the ANSI stand-ins of the
// box-drawing characters.
TEST_F(PrintoutTest, BoxDrawingCharactersPrintAsTheirStandIns)
{
    const auto oem = [](std::initializer_list<int> codes) {
        QString s;
        for (const int c : codes)
            s += QChar(char16_t(c));
        return s;
    };
    rec(QStringLiteral("H"), oem({218, 196, 194, 196, 191}));
    rec(QStringLiteral("H"), oem({179}) + QStringLiteral("a") + oem({179}) + QStringLiteral("b") + oem({179}));
    rec(QStringLiteral("H"), oem({192, 196, 193, 196, 217}));
    const QString dump = print();
    const QStringList texts = textsOf(dump, 1);
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{"+---+", QStringLiteral("\u00a6a\u00a6b\u00a6"), "+---+"}));
}

TEST_F(PrintoutTest, OnlyEmptyLinesPrintNoPage)
{
    empty();
    empty();
    empty();
    print();
    EXPECT_EQ(pageCount(PageSource::Pages), 0);
}

TEST_F(PrintoutTest, AnEmptyLineAtThePageEndOpensTheNextPageAndDropsTheEmptyLinesBehindIt)
{
    for (int i = 1; i <= linesPerPage; ++i)
        plain(QStringLiteral("Line %1").arg(i));
    empty();
    empty();
    empty();
    plain(QStringLiteral("After the gap"));
    const QString dump = print();
    ASSERT_EQ(pageCount(PageSource::Pages), 2);
    EXPECT_TRUE(textsOf(dump, 1).contains(QStringLiteral("Line %1").arg(linesPerPage)));
    // Page 2: its head, then the empty line in its first row, then the text.
    const QStringList second = textsOf(dump, 2);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(second.back(), QStringLiteral("After the gap"));
    expectGolden(dump, QStringLiteral("druckbtprog-pageend.txt"));
}

TEST_F(PrintoutTest, ABlockThatDoesNotFitMovesWholeToTheNextPage)
{
    for (int i = 1; i <= linesPerPage - 4; ++i)
        plain(QStringLiteral("Line %1").arg(i));
    for (int i = 1; i <= 5; ++i)
        rec(QStringLiteral("U"), QStringLiteral("Block %1").arg(i));
    const QString dump = print();
    ASSERT_EQ(pageCount(PageSource::Pages), 2);
    for (const QString& t : textsOf(dump, 1))
        EXPECT_FALSE(t.startsWith(QLatin1String("Block"))) << t.toStdString();
    const QStringList second = textsOf(dump, 2);
    EXPECT_EQ(second.mid(second.size() - 5),
              (QStringList{"Block 1", "Block 2", "Block 3", "Block 4", "Block 5"}));
    expectGolden(dump, QStringLiteral("druckbtprog-block.txt"));
}

// A table block ("H+"): a rule in the rows of its first, third and last records,
// which print no text; the OEM bar 179 separates the columns (166 once converted).
void table()
{
    const QString bar(QChar(179));
    rec(QStringLiteral("H"), QStringLiteral("H+"));
    rec(QStringLiteral("H"), QStringLiteral("Method") + bar + QStringLiteral("Minimum") + bar + QStringLiteral("Maximum"));
    rec(QStringLiteral("H"), QStringLiteral("H+"));
    rec(QStringLiteral("H"), QStringLiteral("YK 70412") + bar + QStringLiteral("2.382") + bar + QStringLiteral("7.147"));
    rec(QStringLiteral("H"), QStringLiteral("MIL") + bar + QStringLiteral("7.313") + bar + QStringLiteral("7.313"));
    rec(QStringLiteral("H"), QStringLiteral("H+"));
}

// A framed line ("F-"): rules above and below the framed text.
void framed()
{
    rec(QStringLiteral("F"), QStringLiteral("F-------------"));
    rec(QStringLiteral("F"), QStringLiteral("Typ = HC-R1") + PiMark);
    rec(QStringLiteral("F"), QStringLiteral("F-------------"));
}

// The rule heights relative to the text lines of a page: y of each rule minus y
// of the text line above it, in the order drawn (the page head excluded).
QList<int> ruleOffsets(const QString& dump, int page)
{
    QList<int> out;
    const QStringList pages = dump.split(QRegularExpression(QStringLiteral("=== page \\d+\n")));
    const QRegularExpression textRe(QStringLiteral("^text \\d+,(\\d+) "));
    const QRegularExpression lineRe(QStringLiteral("^line \\d+,(\\d+) \\d+,(\\d+)$"));
    int lastText = -1;
    int rules = 0;
    for (const QString& l : pages.value(page).split(u'\n')) {
        const auto t = textRe.match(l);
        if (t.hasMatch())
            lastText = t.captured(1).toInt();
        const auto r = lineRe.match(l);
        if (r.hasMatch() && ++rules > 2) // the head and foot rules come first
            out << r.captured(1).toInt() - lastText;
    }
    return out;
}

TEST_F(PrintoutTest, TablesPrintTheirColumnsWithTwoBlanksAndNoTextInTheirRuleRows)
{
    plain(QStringLiteral("Before"));
    table();
    plain(QStringLiteral("After"));
    const QString dump = print();
    const QStringList texts = textsOf(dump, 1);
    EXPECT_EQ(texts.mid(texts.indexOf(QStringLiteral("Before"))),
              (QStringList{"Before", "Method  Minimum  Maximum", "YK 70412  2.382  7.147", "MIL  7.313  7.313", "After"}));
    EXPECT_EQ(ruleOffsets(dump, 1).size(), 3);
    expectGolden(dump, QStringLiteral("druckbtprog-table.txt"));
}

TEST_F(PrintoutTest, TheRulesOfFramedLinesAndTablesSitUnderTheirLinesOnTheSecondPageToo)
{
    framed();
    table();
    const QString first = print();
    closePageFiles();
    ASSERT_TRUE(PrInit());
    ErgLf(0, -1);
    for (int i = 1; i <= linesPerPage - 2; ++i)
        plain(QStringLiteral("Line %1").arg(i));
    framed();
    table();
    const QString second = print();
    ASSERT_EQ(pageCount(PageSource::Pages), 2);
    // Same offsets from the lines on page 2 as on a page of their own.
    EXPECT_EQ(ruleOffsets(second, 2), ruleOffsets(first, 1));
    EXPECT_EQ(ruleOffsets(first, 1).size(), 5);
    // The framed text keeps its pi.
    EXPECT_TRUE(second.contains(QStringLiteral("Typ = HC-R1\nfont Symbol\n"))) << second.toStdString();
    expectGolden(second, QStringLiteral("druckbtprog-rules-page2.txt"));
}

} // namespace
