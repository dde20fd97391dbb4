#include "frame/formatters.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "position_line/posline.h"
#include "report/poslist.h"
#include "report/reportfixture.h"
#include "report/totals.h"

#include <gtest/gtest.h>

using namespace testutil;

namespace {

class Totals : public ReportFixture {
protected:
    void qpo(const QString& lines) { writeFile(tp2 + "/qpo", ("Lnr=A1,Typ=TOP\r\n" + lines).toLatin1()); }
    QString res;
    ErrCounts Errg;
};

TEST_F(Totals, NestedQuantitiesMultiplyDownToTheComponent)
{
    useQpo("nested.qpo");
    ASSERT_TRUE(TotalSum(res, Errg, false, true));
    const ReportState& s = reportState();
    // R1: 4 x 3 x 2 = 24 units of 2/4 fit = 48/96; C1: 10 -> 58/106, mean 82.
    EXPECT_DOUBLE_EQ(s.FitSum[1][1], 58);
    EXPECT_DOUBLE_EQ(s.FitSum[1][2], 106);
    EXPECT_DOUBLE_EQ(s.FitSum[1][0], 82);
    EXPECT_DOUBLE_EQ(s.FitSumOk[1][0], 82);
    EXPECT_EQ(res, ",Anzposq=2,Anzposb=2,Nfein=0,Sumstc=25");
    EXPECT_DOUBLE_EQ(s.GrpSum[1][0][0], 24); // class group 41 -> group 1
    EXPECT_DOUBLE_EQ(s.GrpSum[1][1][2], 96);
    EXPECT_DOUBLE_EQ(s.GrpSum[2][0][0], 1);
}

TEST_F(Totals, AfterTheEndLineTheEnclosingMultiplierCountsAgain)
{
    qpo("Lnr=A2,Stck=5,Typ=S,Qm=Qsl,Aufl=ja\r\nStck=1,Typ=A,Q,Bac=4111,R,Fit=1\r\nLnr=A2,Qm=Ende\r\n"
        "Stck=1,Typ=B,Q,Bac=4111,R,Fit=1\r\n");
    ASSERT_TRUE(TotalSum(res, Errg, false, false));
    EXPECT_DOUBLE_EQ(reportState().FitSum[1][0], 6);
}

struct ErrRow {
    const char* name;
    QString lines;
    std::array<int, 5> errg; // -1..3
    std::array<bool, 4> complete;
};
void PrintTo(const ErrRow& r, std::ostream* os) { *os << r.name; }
class TotalsErrors : public Totals, public ::testing::WithParamInterface<ErrRow> {};

TEST_P(TotalsErrors, CountedPerCodeAndMethodsKeptOutOfTheCompleteTotals)
{
    qpo(GetParam().lines);
    ASSERT_TRUE(TotalSum(res, Errg, false, false));
    EXPECT_EQ(Errg.n, GetParam().errg);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(reportState().FitSumOk[size_t(k)][0] > 0, GetParam().complete[size_t(k)]) << "method " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TotalsErrors,
    ::testing::Values(
        ErrRow{"twoCodesOneLine", "Stck=1,Typ=A,Q,Bac=4111,F,Err=NullFitSin,Err=Bac,R,Fit=1,Fita=1,Fitm=1\r\n",
               {0, 1, 1, 0, 0}, {false, false, false, false}},
        ErrRow{"milOnly", "Stck=1,Typ=A,Q,Bac=4111,F,Err=BacMil,R,Fit=1,Fita=1,Fitm=1\r\n", {0, 0, 0, 0, 1},
               {false, true, true, false}},
        ErrRow{"normAndUserList", "Stck=1,Typ=A,Q,Bac=4111,F,Err=Kom1SAw,R,Fit=1,Fita=1,Fitm=1\r\n", {0, 0, 1, 1, 0},
               {false, false, false, true}},
        ErrRow{"missingSublist", "Stck=1,Typ=X,Qm=Qsl,F,Err=QslFehlt\r\nStck=1,Typ=A,Q,Bac=4111,R,Fit=1\r\n",
               {1, 0, 0, 0, 0}, {false, false, false, false}},
        // A circle of sub-lists is counted as the missing sub-list it stands for.
        ErrRow{"subListCircle",
               "Stck=1,Typ=X,Qm=Qsl,F,Err=QslZyklus,Zyklus=X (A1) > X (A1)\r\nStck=1,Typ=A,Q,Bac=4111,R,Fit=1\r\n",
               {1, 0, 0, 0, 0}, {false, false, false, false}},
        ErrRow{"warningsNotCounted", "Stck=1,Typ=A,Q,Bac=4111,F,Warn=Stand,R,Fit=1\r\n", {0, 0, 0, 0, 0},
               {false, true, false, false}},
        ErrRow{"lockedLineIgnored", "Stck=-1,Typ=A,Q,Bac=4111,F,Err=Bac,R,Fit=1\r\nStck=1,Typ=B,R,Fit=1\r\n",
               {0, 0, 0, 0, 0}, {false, true, false, false}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Totals, MinimumDecidesAndSummaryCountsOnTheMainPathWithItsConnectionCount)
{
    qpo("Stck=1,Typ=A,Q,Bac=4111,R,Fit=0/5\r\n"
        "Lnr=A2,Stck=2,Typ=S,Qm=Qsl,Aufl=ja\r\n"
        "Stck=3,Typ=B,Q,Bac=4111,R,Fit=1,Nbw=true\r\n"
        "Stck=3,Q,Bac=5112,R,Fit=4,Stck_Hw=1\r\n"
        "Lnr=A2,Qm=Ende\r\n"
        "Stck=1,Typ=C,S,Arx=1\r\n"
        "Stck=1,Typ=D,S,Arx=1,Ub=5\r\n");
    ASSERT_TRUE(TotalSum(res, Errg, true, false));
    const ReportState& s = reportState();
    // A (0/5) adds nothing; B 6 x 1 off the main path; summary 6 x 4 in the
    // total, 2 x 1 x 4 on the main path.
    EXPECT_DOUBLE_EQ(s.FitSum[1][0], 30);
    EXPECT_DOUBLE_EQ(s.FitSumHw[1], 8);
    // The summary position (class group 51) is not in Sumstc: 1 + 6 + 1 + 1.
    EXPECT_EQ(GetParam(res, "Sumstc"), "9");
    EXPECT_EQ(GetParam(res, "Anzposb"), "5");
    EXPECT_EQ(GetParam(res, "Nfein"), "1");
}

TEST_F(Totals, DeepNestingHasNoFixedLimit)
{
    QString lines;
    for (int level = 1; level <= 9; ++level)
        lines += QStringLiteral("Lnr=A%1,Stck=2,Typ=S%1,Qm=Qsl,Aufl=ja\r\n").arg(level);
    lines += "Stck=1,Typ=R,Q,Bac=4111,R,Fit=1\r\n";
    for (int level = 9; level >= 1; --level)
        lines += QStringLiteral("Lnr=A%1,Qm=Ende\r\n").arg(level);
    qpo(lines);
    ASSERT_TRUE(TotalSum(res, Errg, false, false));
    EXPECT_DOUBLE_EQ(reportState().FitSum[1][0], 512);
}

TEST_F(Totals, GroupOutsideTheTableIsReportedAndNoKeysAreAppended)
{
    prog().Cf += ",G47=77";
    qpo("Stck=1,Typ=A,Q,Bac=4711,R,Fit=1\r\n");
    sp.ui().expect(QuestionKind::Error, "XAQP.TotalSum", Answer::button(2));
    EXPECT_FALSE(TotalSum(res, Errg, false, true));
    EXPECT_TRUE(res.isEmpty());
}

TEST_F(Totals, PositionListCondensesTheNestedBlockPerUnit)
{
    useQpo("nested.qpo");
    ASSERT_TRUE(PosList(false));
    const QStringList pol = QString::fromLatin1(readFile(tp2 + "/pol")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(pol.size(), 2);
    QString stc;
    PosTrenn(pol[0], stc);
    EXPECT_EQ(prog().WorkStr[Slot::R], "Pos=1,Fein=0,Fit=12/24");
    EXPECT_EQ(GetParam(stc, "Stck"), "4");
    EXPECT_EQ(pol[1], "Stck=1,Typ=C1,Q,Bac=4211,R,Fit=10");
    EXPECT_DOUBLE_EQ(reportState().FitSum[1][1], 0);
}

TEST_F(Totals, PositionListWarningsAndMainPathSums)
{
    qpo("Lnr=A2,Stck=3,Typ=S,Qm=Qsl,Aufl=ja,F,Err=Own\r\n"
        "Stck=1,Typ=X,Qm=Qsl,S,Ub=5,F,Err=QslFehlt\r\n"
        "Stck=2,Typ=B,Q,Bac=4111,F,Err=NullFitSin,Err=Bac,R,Fit=1/3\r\n"
        "Stck=-1,Typ=L,Q,Bac=4111,R,Fit=100\r\n"
        "Stck=1,Typ=C,Q,Bac=4111,F,Err=BacMil,R,Fit=2,Nbw=true\r\n"
        "Lnr=A2,Qm=Ende\r\n"
        "Stck=1,Typ=Y,Qm=Qsl,F,Err=QslFehlt\r\n");
    ASSERT_TRUE(PosList(true));
    const QStringList pol = QString::fromLatin1(readFile(tp2 + "/pol")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(pol.size(), 2);
    QString stc;
    PosTrenn(pol[0], stc);
    EXPECT_EQ(prog().WorkStr[Slot::F], "Err=Own,Warn=FepQsl,Warn=FepAll,Warn=FepSin,Warn=FepMil");
    // B: 2 x 1/3 = 2/6, main path 2 x 2 = 4; C: 2 off the main path.
    EXPECT_EQ(prog().WorkStr[Slot::R], "Pos=3,Fein=1,Fit=4/8,Fit_Hw=4");
    EXPECT_EQ(pol[1], "Stck=1,Typ=Y,Qm=Qsl,F,Err=QslFehlt");
}

struct FitRow {
    const char* name;
    QString stc;
    QString r;
    bool maxOnly;
    std::array<QString, 4> expected;
};
void PrintTo(const FitRow& r, std::ostream* os) { *os << r.name; }
class FitTexts : public ::testing::TestWithParam<FitRow> {
protected:
    ScriptedProgram sp;
};

TEST_P(FitTexts, Lines)
{
    const FitRow& r = GetParam();
    prog().WorkStr[Slot::R] = r.r;
    reportState().MaxWerte = r.maxOnly;
    std::array<QString, 4> lines = {"", "keep1", "keep2", "keep3"};
    FitText(r.stc, lines);
    EXPECT_EQ(lines, r.expected);
}

// A line: label and value left-aligned in 18, the position total right-aligned
// in the 13 characters of FormZahl(total, 11, 1), then " fit".
QString fitLine(const QString& text, const QString& whole, const QString& fraction)
{
    return text.leftJustified(18, u' ', true) + (whole + fraction).rightJustified(13) + " fit";
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitTexts,
    ::testing::Values(
        // (1.5 + 2.5) / 2 x 2 = 4
        FitRow{"rangeTwoDecimals", "Stck=2", "Fit=1.5/2.5", false, {"", fitLine("YK  1.5/2.5", "4", ""), "keep2", "keep3"}},
        FitRow{"noResult", "Stck=1", "Nev=1", false, {"", "keep1", "keep2", "keep3"}},
        FitRow{"milOnlyFirstEntry", "Stck=1", "Fitm=0.5", false, {"", fitLine("MIL 0.5", "0", ",5"), "keep2", "keep3"}},
        FitRow{"minimumZeroNoLine", "Stck=1", "Fit=0/3", false, {"", "keep1", "keep2", "keep3"}},
        FitRow{"maximumWithMaxOnly", "Stck=1", "Fit=0/3", true, {"", fitLine("YK  3", "3", ""), "keep2", "keep3"}},
        // 9.9995 has 2 decimals (shown 10), 10 one, 1000 none.
        FitRow{"decimalsByMagnitude", "Stck=1", "Fit=9.9995,Fita=10,Fitm=1000", false,
               {"", fitLine("YK  10", "10", ""), fitLine("AWS 10", "10", ""), fitLine("MIL 1000", "1 000", "")}},
        // The minimum below 1 gives 3 decimals; "YK  0.123/98765.432" is cut to 18.
        // Total (0.1234 + 98765.4321) / 2 = 49382.78.
        FitRow{"longTextCut", "Stck=1", "Fit=0.1234/98765.4321", false,
               {"", "YK  0.123/98765.43" + QString("49 382").rightJustified(11) + ",8 fit", "keep2", "keep3"}}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
