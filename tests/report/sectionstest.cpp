#include "frame/codepage.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "report/druckkopf.h"
#include "report/gesamt.h"
#include "report/paramtext.h"
#include "report/printroutines.h"
#include "report/reportfixture.h"
#include "report/sylk.h"

#include <QLocale>
#include <QScopeGuard>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

// The text cells of SYLK records, in order.
QStringList cellTexts(const QString& records)
{
    QStringList out;
    for (const QString& r : records.split("\r\n", Qt::SkipEmptyParts))
        if (r.startsWith("C;"))
            out << r.mid(r.indexOf(";K") + 2);
    return out;
}

class Sections : public ReportFixture {
protected:
    QStringList records(int from = 1)
    {
        QStringList out;
        for (int r = from; r <= ErgZeilenC(); ++r)
            out << readListingRecord(7, r);
        return out;
    }
    static int ErgZeilenC() { return prog().ErgZeilenC; }
};

QString record(const QString& letterAndText)
{
    return (letterAndText + EndeZeichen).leftJustified(120);
}

TEST_F(Sections, ParamTextHeadOfASingleComponentListing)
{
    prog().WorkStr[Slot::GlPar] = "Norm=13,Env=Gb,Tu=40";
    ParamText("E", false, false);
    const QStringList r = records();
    ASSERT_GE(r.size(), 5);
    EXPECT_EQ(r[0], record("I" + AnsiToOem("TARN  HANDBOOK AND GLOBAL DATA")));
    EXPECT_EQ(r[1], record("*"));
    EXPECT_EQ(r[2], record("*Norm: YK  AWS  "));
    EXPECT_EQ(r[3], record("*"));
    EXPECT_EQ(r[4], record("UEnvironment :"));
    EXPECT_EQ(prog().RunStr[RunSlot::Methods], "13");
}

struct RowCase {
    const char* name;
    QString gl;
    QStringList rows;
};
void PrintTo(const RowCase& r, std::ostream* os) { *os << r.name; }
class ParamRows : public Sections, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ParamRows, FileRowsOfTheStoredMethod)
{
    prog().WorkStr[Slot::GlPar] = GetParam().gl;
    prog().WorkStr[Slot::SylkHead].clear();
    ParamText("QD", false, true);
    EXPECT_EQ(cellTexts(prog().WorkStr[Slot::SylkHead]), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParamRows,
    ::testing::Values(
        RowCase{"normWithDustAndFan", "Norm=1,Spnorm=1,Env=YKStGf,Tu=55,Vl=2,Zf=50%",
                {"\"The results are valid under following conditions:\"",
                 "\"YKA: E2  Stationary use, partially or non-weather-protected according to IEC 61709\"",
                 "\"YKA: Environment with extreme levels of dust and harmful substances (YK 70412)\"",
                 "\"Tu:  55°C mean component ambient temperature   fan operation Va=2 m/s\"",
                 "\"YKA: Intermittent operation 50% of system operation time\""}},
        // The stored method MIL: no norm environment row; the classes and factors are.
        RowCase{"milRows", QString("Norm=2,Spnorm=3,Env=Gb,Tu=40,Vl=0,Zf=50%,Qk2m=B,") + PiMark + "q1em=2",
                {"\"The results are valid under following conditions:\"",
                 "\"Tu:  40°C mean component ambient temperature\"",
                 "\"MIL: Continuous operation 8760 h per year\"",
                 "\"MIL: Qk2m = B         Global Quality Class according MIL for DH + OE\"",
                 "\"MIL: Piq1em = 2    Global Quality Factor according MIL for IC\""}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Sections, ParamTextMessageListLines)
{
    prog().WorkStr[Slot::GlPar] = "Norm=1,Env=Gb,Tu=40,Zf=100%";
    HeadlessInfoList& list = sp.ui().headlessList();
    list.lines.clear();
    ParamText("ZC", false, false);
    EXPECT_EQ(list.lines, QStringList({" YKA: Nonmobile operation ground benign",
                                       " Tu:  40°C mean component ambient temperature",
                                       " Zf:  Continuous operation 8760 h per year"}));
}

struct HeadCase {
    const char* name;
    QString sy;
    QString head;
    QString designation;
};
void PrintTo(const HeadCase& r, std::ostream* os) { *os << r.name; }
class HeadDesignation : public Sections, public ::testing::WithParamInterface<HeadCase> {};

TEST_P(HeadDesignation, FromControlListThenQpoHead)
{
    prog().WorkStr[Slot::SyPar] = GetParam().sy;
    writeFile(tp2 + "/qpo", (GetParam().head + "\r\n").toLatin1());
    QString kind;
    DruckKopf(kind, true, true, false);
    EXPECT_EQ(kind, "214");
    EXPECT_EQ(printState().PrKopfRechts, GetParam().designation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeadDesignation,
    ::testing::Values(HeadCase{"typWinsInControlList", "Qyk=k1 ,Qtyp=t1", "Typ=X", "T1"},
                      HeadCase{"ykOfTheHeadLine", "Qyk=k1,Qtyp=t1", "Lnr=A1,Yk=y9,Typ=X", "Y9"},
                      HeadCase{"anOnlyWhenEmpty", "", "Lnr=A1,An=a5,Typ=X", "a5"},
                      HeadCase{"noLnrKeepsTheControlList", "Qan=n2", "Yk=y9", "N2"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Sections, HeadRowsWithoutPrinting)
{
    prog().WorkStr[Slot::GlPar] = "Spnorm=0";
    writeFile(tp2 + "/qpo", "Lnr=a4,Typ=T,Anlage=Hall,B,Be=Board\r\n");
    QString kind = "Fehl";
    QString out;
    DruckKopf(kind, false, true, false, &out);
    EXPECT_EQ(kind, "215");
    // No method title: its 4 and 8 blanks stay.
    EXPECT_EQ(cellTexts(prog().WorkStr[Slot::SylkHead]),
              QStringList({"\"Reliability Lab        TARN 1.0      Missing Items            7 Mar 2024\"",
                           "\"T        Lnr: A4       Install:   Hall\"", "\"Board\""}));
    EXPECT_TRUE(out.startsWith("RELIABILITY LAB"));
    EXPECT_EQ(reportState().SlkY, 6); // rows 1, 3, 4, 5 and one more down
    EXPECT_EQ(dumpPages(), "");
}

class FileTotals : public Sections {
protected:
    QStringList run()
    {
        prog().WorkStr[Slot::SylkHead].clear();
        SectionFlags sections{};
        sections[1] = true;
        AusFileSumme(res, Errg, sections, false, widths, mainPath, false, false);
        return cellTexts(prog().WorkStr[Slot::SylkHead]);
    }
    QString res = ",Anzposq=0,Anzposb=1,Nfein=0,Sumstc=1";
    ErrCounts Errg;
    SlkWidths widths{};
    bool mainPath = false;
};

TEST_F(FileTotals, MaximumValuesWithMainPath)
{
    ReportState& s = reportState();
    s.MaxWerte = true;
    s.FitSum[1] = {1000000, 500000, 1500000};
    s.FitSumHw[1] = 100;
    mainPath = true;
    const QStringList cells = run();
    // Maximum 1 500 000 fit: 666.67 h, below 4000 h, so no years cell; main path
    // 100 fit: 10^7 h, 1141.55 a.
    EXPECT_EQ(cells.mid(0, 12), QStringList({"\"Total Results:\"", "\"FR max\"", "\"MTBF min\"", "\"MTBF min\"",
                                             "\"fit\"", "\"hours\"", "\"years\"", "\"total\"", "1500000",
                                             "666.666666666667", "\"main path\"", "100"}));
    EXPECT_EQ(cells[12], "10000000");
    EXPECT_EQ(cells[13], "1141.55251141553");
    EXPECT_EQ(widths[1], 4);
    EXPECT_EQ(widths[5], 8);
}

TEST_F(FileTotals, MissingSublistGivesIncompletenessAndPartialSumBlocks)
{
    reportState().FitSum[1] = {82, 58, 106};
    Errg[-1] = 1;
    res = ",Anzposq=3,Anzposb=2,Nfein=0,Sumstc=1";
    const QStringList cells = run();
    EXPECT_EQ(cells.mid(0, 4),
              QStringList({"\"Failure rate prediction is not complete !\"",
                           "\"Not included:   1 secondary Q-list(s) out of 3\"", "\"Total sum for all items included:\"",
                           "\"EN/IEC 61709  (YK 70412)   Failure Rate:          58 -         106 fit     MTBF:     1 076,9 "
                           "-     1 968,2 a\""}));
    EXPECT_EQ(widths[1], 0); // no table
}

TEST(PrintRoutines, ZellTextCutsAndIndents)
{
    QString text = "Resistor, carbon film, 0.25 W";
    QString rest;
    // Broken behind the last comma or blank within 10; the trailing comma goes.
    EXPECT_EQ(ZellText(1, 10, text, rest, ""), "Resistor   ");
    EXPECT_EQ(rest, "carbon film, 0.25 W");
    // Lines 2 and 3 are filled to width + 1 and get the suffix; from line 4 on not.
    EXPECT_EQ(ZellText(2, 20, text, rest, "|"), "           carbon    |");
    EXPECT_EQ(ZellText(4, 20, text, rest, "|"), "           film");
    EXPECT_EQ(ZellText(4, 20, text, rest, "|"), "           0.25 W");
    EXPECT_EQ(ZellText(4, 20, text, rest, "|"), "");
}

TEST(PrintRoutines, SortListeByTwoKeys)
{
    QStringList lines = {"", "N=a,Pros=1,Fit=5", "N=b,Pros=3,Fit=1", "N=c,Pros=1,Fit=9", "N=d,Pros=3,Fit=2"};
    SortListe(lines, 4, "-Pros", "+Fit");
    EXPECT_EQ(lines, QStringList({"", "N=b,Pros=3,Fit=1", "N=d,Pros=3,Fit=2", "N=a,Pros=1,Fit=5",
                                  "N=c,Pros=1,Fit=9"}));
    SortListe(lines, 1, "+Pros", "+Fit");
    EXPECT_EQ(lines[1], "N=b,Pros=3,Fit=1");
}

TEST_F(Sections, DruckBlockPrintsABlankEntryAsHalfALineAndEmptiesTheBlock)
{
    PrFont(7.5, true, false, "Courier New");
    ReportBlock block = {"", "first", "  ", "third"};
    int16_t count = 3;
    const double y = printState().currentY;
    DruckBlock(block, count, false);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(block[1].isEmpty());
    // Half a line before, one line each for entries 1 and 3, half a line for 2.
    EXPECT_DOUBLE_EQ(printState().currentY - y, 3.0 * printState().PrZeilenHoehe);
}

TEST_F(Sections, HeadingWithLegendAsksForItsLinesAndStartsANewPage)
{
    reportState().SonderArVersion = "007";
    prog().YkBewFaktor = 1.5;
    // The program runs under the user's locale (the test main fixes another).
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    double lines = 5;
    DruckUeberschrift("POS", lines, false, true, true, true);
    EXPECT_EQ(lines, 7);
    PrintState& s = printState();
    s.currentY = s.PrUnten - s.PrZeilenHoehe;
    double zero = 0;
    DruckUeberschrift("POS", zero, false, true, true, true);
    EXPECT_EQ(zero, 0); // never breaks the page
    lines = 1;
    DruckUeberschrift("BE", lines, false, false, false, false);
    PrNeueSeite();
    EXPECT_EQ(pageCount(PageSource::Pages), 2);
    EXPECT_TRUE(dumpPages().contains("Items using base failure rates from the extra failure rate list version 007"));
    // The factor is written with "." whatever the machine's locale (the suite
    // also runs under a German one).
    EXPECT_TRUE(dumpPages().contains("weighted by factor 1.5")) << dumpPages().toStdString();
}

} // namespace
