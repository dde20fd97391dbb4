#include "frame/interaction.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "printing/printjob.h"
#include "report/anteilgruppen.h"
#include "report/reportfixture.h"

#include <gtest/gtest.h>

using namespace testutil;

namespace {



// Groups of a run of 24 components: the norm total 400 fit (mean) splits 200 /
// 80 / 80 / 40 over the groups 1, 2, 4 and 13; group 5 has a quantity but no
// rate. MIL-HDBK-217F: 100 / 50 of 150 in the groups 1 and 2.
class GroupShares : public ReportFixture {
protected:
    GroupShares()
    {
        Program& p = prog();
        p.Cf += ",Gnd1=Integrierte Schaltungen,Gne1=Integrated circuits,Gne2=Transistors,Gne4=Resistors,"
                "Gne5=Connectors,Gne13=Cables,Gnd2=Transistoren";
        p.WorkStr[Slot::GlPar] = "Norm=12,Spnorm=1";
        resetGroupTable();
        ReportState& s = reportState();
        auto set = [&](int g, double quantity, int m, double lo, double hi) {
            s.GrpSum[size_t(g)][0][0] = quantity;
            s.GrpSum[size_t(g)][size_t(m)] = {(lo + hi) / 2, lo, hi};
        };
        set(1, 10, 1, 100, 300);
        set(2, 4, 1, 40, 120);
        set(4, 2, 1, 60, 100);
        set(13, 3, 1, 20, 60);
        s.GrpSum[5][0][0] = 5;
        set(1, 10, 3, 50, 150);
        set(2, 4, 3, 25, 75);
        s.FitSum[1] = {400, 220, 580};
        s.FitSum[3] = {150, 75, 225};
        s.FitSumOk = s.FitSum;
    }
    QString res = ",Anzposq=0,Anzposb=7,Nfein=0,Sumstc=24";
};

TEST_F(GroupShares, TablesOfBothMethodsAndRowsOfTheStoredOne)
{
    HeadlessInfoList& list = sp.ui().headlessList();
    list.lines.clear();
    prog().WorkStr[Slot::SylkHead].clear();
    AnteilGruppen(res, true, true, false);
    PrNeueSeite();

    // Group 2 and 4 have equal shares and keep group order; group 13 writes no
    // quantity cell; group 5 (no rate) is left out; the sum row counts all 24
    // components and one empty row follows.
    EXPECT_EQ(sylkCells(prog().WorkStr[Slot::SylkHead]),
              QStringList({"1,1=\"Mean failure rates of the component groups:  EN/IEC 61709  (YK 70412)\"",
                           "2,1=\"Quantity\"", "2,2=\"Component Group\"", "2,3=\"\"", "2,4=\"fit\"",
                           "2,5=\"Percent.\"",
                           "3,1=10", "3,2=\"Integrated circuits\"", "3,4=200", "3,5=50",
                           "4,1=4", "4,2=\"Transistors\"", "4,4=80", "4,5=20",
                           "5,1=2", "5,2=\"Resistors\"", "5,4=80", "5,5=20",
                           "6,2=\"Cables\"", "6,4=40", "6,5=10",
                           "7,1=24", "7,2=\"Sum\"", "7,4=400", "7,5=100"}));
    EXPECT_EQ(reportState().SlkY, 9);
    EXPECT_EQ(reportState().SlkX, 1);

    EXPECT_EQ(list.lines.first(), "Evaluating the share on the total failure rate for component groups");
    EXPECT_TRUE(list.lines.contains(",Cables,40,10%"));
    EXPECT_TRUE(list.lines.contains("24,Sum,150,100%"));

    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "groups-pages.txt");
    EXPECT_TRUE(pages.contains("Mean failure rates of the component groups:  MIL-HDBK-217F\n"));
    // 100 of 150: the whole part right-aligned at 7000 twips, the decimal part
    // from there on, then the sign at 7230 (left edge 1134).
    EXPECT_TRUE(pages.contains(" 66\n"));
    EXPECT_TRUE(pages.contains("text 8134,") && pages.contains(" ,7\n"));
    EXPECT_TRUE(pages.contains("text 8364,") && pages.contains(" %\n"));
}

TEST_F(GroupShares, MaximumValuesUseTheMaximumTotals)
{
    reportState().MaxWerte = true;
    prog().WorkStr[Slot::SylkHead].clear();
    AnteilGruppen(res, false, true, false);
    const QStringList c = sylkCells(prog().WorkStr[Slot::SylkHead]);
    ASSERT_GE(c.size(), 10);
    EXPECT_EQ(c[0], "1,1=\"Failure rates of the component groups:  EN/IEC 61709  (YK 70412)\"");
    // 300 of 580 fit.
    EXPECT_EQ(c.mid(6, 4), QStringList({"3,1=10", "3,2=\"Integrated circuits\"", "3,4=300", "3,5=51.7241379310345"}));
    EXPECT_TRUE(c.contains("7,4=580"));
    PrNeueSeite();
    EXPECT_EQ(dumpPages(), ""); // nothing printed
}

TEST_F(GroupShares, GermanNamesAndSumText)
{
    prog().LangDruck = 1;
    prog().WorkStr[Slot::SylkHead].clear();
    AnteilGruppen(res, false, true, false);
    const QStringList c = sylkCells(prog().WorkStr[Slot::SylkHead]);
    EXPECT_TRUE(c.contains("3,2=\"Integrierte Schaltungen\""));
    EXPECT_TRUE(c.contains("7,2=\"Summe\""));
}

TEST_F(GroupShares, GroupsWithoutRateStillCountForThePageBreak)
{
    // Five groups have a quantity (group 5 has no rate and no row): a table needs
    // 13 lines. Stop where 12 would still fit but 13 do not.
    while (!PrPlatz(13))
        PrLf(0.25);
    ASSERT_FALSE(PrPlatz(12));
    PrText("filler");
    AnteilGruppen(res, true, false, false);
    PrNeueSeite();
    const QString pages = dumpPages();
    const qsizetype second = pages.indexOf("=== page 2");
    ASSERT_GT(second, 0);
    // The first table opens the next page under a repeated page head.
    EXPECT_FALSE(pages.left(second).contains("Mean failure rates"));
    EXPECT_TRUE(pages.mid(second).contains("Mean failure rates of the component groups:  EN/IEC 61709"));
    EXPECT_TRUE(pages.mid(second).contains("Reliability Lab"));
}

struct FaultCase {
    const char* name;
    bool normOk;
    bool milOk;
    bool rowsWritten;
    int tablesPrinted;
};
void PrintTo(const FaultCase& r, std::ostream* os) { *os << r.name; }
class GroupFaults : public GroupShares, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(GroupFaults, OnlyMethodsFreeOfErrorsAreShown)
{
    ReportState& s = reportState();
    if (!GetParam().normOk)
        s.FitSumOk[1] = {};
    if (!GetParam().milOk)
        s.FitSumOk[3] = {};
    HeadlessInfoList& list = sp.ui().headlessList();
    list.lines.clear();
    prog().WorkStr[Slot::SylkHead].clear();
    AnteilGruppen(res, true, true, false);
    PrNeueSeite();
    EXPECT_EQ(!prog().WorkStr[Slot::SylkHead].isEmpty(), GetParam().rowsWritten);
    EXPECT_EQ(dumpPages().count("Mean failure rates of the component groups"), GetParam().tablesPrinted);
    if (GetParam().tablesPrinted == 0) {
        EXPECT_EQ(list.lines, QStringList({"Evaluating the share on the total failure rate for component groups"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GroupFaults,
                         ::testing::Values(FaultCase{"errorsInEveryMethod", false, false, false, 0},
                                           FaultCase{"storedMethodFaulty", false, true, false, 1},
                                           FaultCase{"otherMethodFaulty", true, false, true, 1},
                                           FaultCase{"bothClean", true, true, true, 2}),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
