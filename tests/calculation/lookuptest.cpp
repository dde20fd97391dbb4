#include "calculation/calcfixture.h"
#include "calculation/calcinterface.h"
#include "calculation/systdb.h"
#include "frame/database.h"
#include "frame/workslots.h"

#include <gtest/gtest.h>

namespace {

// ---- LesSin: every value handed back as text, so that one table shows the row
// chosen; all four variables start as "x" to show which ones are written.
struct LesSinRow {
    const char* name;
    QString data;
    QString columns;
    std::optional<int> mode;
    QString result;
    QStringList values; // Value1..Value4 afterwards
    QString codes;      // slot 7 afterwards
};
void PrintTo(const LesSinRow& r, std::ostream* os) { *os << r.name; }

class LesSinTable : public CalcTest, public ::testing::WithParamInterface<LesSinRow> {};

TEST_P(LesSinTable, FindsRow)
{
    const LesSinRow& row = GetParam();
    QString v[4] = {"x", "x", "x", "x"};
    EXPECT_EQ(LesSin(row.data, 0, row.columns, v[0], v[1], v[2], v[3], row.mode), row.result);
    EXPECT_EQ(QStringList({v[0], v[1], v[2], v[3]}), row.values);
    EXPECT_EQ(work(7), row.codes);
}

const QString kRates = QStringLiteral("Armin,Armax,Tref,Dcode");
const QStringList kUntouched = {"x", "x", "x", "x"};

INSTANTIATE_TEST_SUITE_P(
    Cases, LesSinTable,
    ::testing::Values(
        // Tec 3120 of group 11 is read as 4120; K1 2k is 2000, the band of K1 2000.
        LesSinRow{"group11Tec3ReadAs4", "Bac=1112,Tec=3120,K1=2k", kRates, {}, "", {"20", "40", "60", "D1112"}, ""},
        LesSinRow{"k1PairUsesMaximum", "Bac=1112,Tec=3120,K1=100/400", kRates, {}, "", {"10", "20", "55", "D1112"}, ""},
        LesSinRow{"k1AboveAllLenient", "Bac=1112,Tec=3120,K1=9k", kRates, 1, "K1max=8000",
                  {"40", "80", "65", "D1112"}, ""},
        LesSinRow{"k1AboveAllStrict", "Bac=1112,Tec=3120,K1=9k", kRates, {}, "ABBRUCH", kUntouched, ",Err=Kom1SAw"},
        LesSinRow{"k1AboveAllStrictBacm", "Bac=1112,Tec=3120,K1=9k", "Bacm", {}, "ABBRUCH", kUntouched,
                  ",Err=BacMil"},
        LesSinRow{"class1WithoutK1", "Bac=1112,Tec=3120", kRates, 1, "ABBRUCH", kUntouched, ",Err=Kom"},
        LesSinRow{"class1WithoutK1Existence", "Bac=1112,Tec=3120", "", 2, "", kUntouched, ""},
        // The row of K1 1000 has no norm data code and is passed over.
        LesSinRow{"emptyDcodeSkipped", "Bac=1113,Tec=4120,K1=500", kRates, {}, "", {"3", "4", "52", "D1113"}, ""},
        // For the MIL model name the row needs a Bacm, not a data code.
        LesSinRow{"bacmCriterion", "Bac=1113,Tec=4120,K1=500", "Bacm", {}, "", {"MOSDIG", "", "", ""}, ""},
        LesSinRow{"group58Tec1234Is1004", "Bac=5811,Tec=1234", "Tref", {}, "", {"50", "", "", ""}, ""},
        LesSinRow{"exactTechnologyPreferred", "Bac=4211,Tec=1231", "Tref", {}, "", {"75", "", "", ""}, ""},
        LesSinRow{"firstRowWithoutExactOne", "Bac=4211,Tec=1232", "Tref", {}, "", {"70", "", "", ""}, ""},
        LesSinRow{"unknownClass", "Bac=4999", kRates, 1, "ABBRUCH", kUntouched, ",Err=BacFit"},
        LesSinRow{"unknownClassExistence", "Bac=4999", "", 2, "ABBRUCH", kUntouched, ",Err=BacFit"},
        // A quote in a code is a value like any other.
        LesSinRow{"quoteInClassCode", "Bac=42'1,Tec=1231", kRates, {}, "ABBRUCH", kUntouched, ",Err=BacFit"},
        LesSinRow{"parameterOfClass", "Bac=4211,Tec=1235", "Parameter", 3, "", {"Ub,Umax,Pin", "x", "x", "x"}, ""},
        LesSinRow{"parameterOfUnknownClass", "Bac=4999", "Parameter", 3, "", {"", "x", "x", "x"}, ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(CalcTest, LesSinNullFieldEmptiesTextKeepsNumber)
{
    QString text = "x";
    double number = 12;
    EXPECT_EQ(LesSin("Bac=4311", 0, "Tref", text), "");
    EXPECT_EQ(text, "");
    EXPECT_EQ(LesSin("Bac=4311", 0, "Tref,Armin", number), "");
    EXPECT_EQ(number, 12);
}

TEST_F(CalcTest, LesSinReadsUserListOnlyWhenAsked)
{
    openUserList("INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES ('41110000', 0, 7, 9, 45, 'U');\n"
                 "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES ('49990000', 0, 1, 1, 40, 'U');\n");
    double lo = 0, hi = 0;
    EXPECT_EQ(LesSin("Bac=4111", 1, "Armin,Armax", lo, hi), "");
    EXPECT_EQ(lo, 7);
    EXPECT_EQ(hi, 9);
    EXPECT_EQ(LesSin("Bac=4111", 0, "Armin,Armax", lo, hi), "");
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 2);
    // The existence check always asks the system database.
    EXPECT_EQ(LesSin("Bac=4999", 1, "", {}, {}, {}, {}, 2), "ABBRUCH");
    EXPECT_EQ(work(7), ",Err=BacFit");
}

// A database error shows message 473 and cancels the run instead of ending the program.
TEST_F(CalcTest, DatabaseErrorShows473AndAborts)
{
    sp.ui().always(QuestionKind::Message, "473", Answer::button(Mb::OK));
    p().SystDb = buildDatabase("broken.sqlite", "DROP TABLE ARMILQRM;\nDROP TABLE SINDAT;");
    double v = 0;
    EXPECT_THROW(LesSin("Bac=4111", 0, "Tref", v), CalculationAborted);
    EXPECT_THROW(DalesXls("SINDAT", "Dcode", "D4111", "Daten"), CalculationAborted);
    // No user list open although the caller asks for it.
    EXPECT_THROW(LesSin("Bac=4111", 1, "Tref", v), CalculationAborted);
    int shown = 0;
    for (const Question& q : sp.ui().asked)
        shown += q.key == "473";
    EXPECT_EQ(shown, 3);
}

TEST_F(CalcTest, DalesXlsReadsOneField)
{
    EXPECT_EQ(DalesXls("SINNAME", "BacTec", "4111000", "N2"), "Film resistor");
    EXPECT_EQ(DalesXls("SINNAME", "BacTec", "4111000", "N1"), "Schichtwiderstand");
    EXPECT_EQ(DalesXls("SINNAME", "BacTec", "nope", "N1"), "");
    EXPECT_EQ(DalesXls("SINNAME", "BacTec", "x' OR '1'='1", "N1"), "");
}

// ---- LesRth

struct RthRow {
    const char* name;
    QString q;
    QString s;
    QString glPar;
    QString result;
    QString results; // slot 8 afterwards (it starts as ",Tur=40")
    QString codes;
};
void PrintTo(const RthRow& r, std::ostream* os) { *os << r.name; }

class LesRthTable : public CalcTest, public ::testing::WithParamInterface<RthRow> {};

TEST_P(LesRthTable, JunctionTemperature)
{
    const RthRow& row = GetParam();
    setPosition(row.q, row.s, ",Tur=40", row.glPar);
    QString result = "x";
    LesRth(result);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(work(8), row.results);
    EXPECT_EQ(work(7), row.codes);
}

// Air-flow factor with Par1 = Par2 = 1: f(w) = (0.59 w + 1.11) / (w + 0.7), f0 = 1.11 / 0.7 = 1.585714.
//   w = 10: f = 7.01 / 10.7 = 0.655140; factor = 1.655140 / 2.585714 = 0.640109
//   w = 2:  f = 2.29 / 2.7 = 0.848148;  factor = 1.848148 / 2.585714 = 0.714753
INSTANTIATE_TEST_SUITE_P(
    Cases, LesRthTable,
    ::testing::Values(
        // 40 + 200 x 50 / 1000; the housing table is not read (NOSUCH would warn).
        RthRow{"stressResistance", "Bac=1112,Gec=NOSUCH", "Rtk=50,Nmw=200", "", "50", ",Tur=40", ""},
        // Row of 14 pins: 40 + 100 x 80 / 1000 = 48, 40 + 100 x 95 / 1000 = 49.5.
        RthRow{"pinRow14Serves16AndDip16IsDip", "Gec=DIP16,Pin=16", "Nmw=100", "", "48/49.5", ",Tur=40,Rtv=80/95", ""},
        RthRow{"pinBelowTable", "Gec=DIP,Pin=6", "Nmw=100", "", "", ",Tur=40", ",Warn=RtrDat,Warn=RtrRef"},
        RthRow{"noPinNoStatement", "Gec=DIP", "Nmw=100", "", "", ",Tur=40", ",Warn=RtrDat,Warn=RtrRef"},
        // Sort 2: the first row whatever the pin count: 40 + 300/350 x 100 / 1000.
        RthRow{"sortAboveOneFirstRow", "Gec=SOT23,Pin=6", "Nmw=100", "", "70/75", ",Tur=40,Rtv=300/350", ""},
        RthRow{"extraHousing", "Gec=SPEC,Pin=6", "Nmw=100", "", "", ",Tur=40", ""},
        RthRow{"gridpIsPgap", "Gec=GRIDP,Pin=100", "Nmw=100", "", "43/44", ",Tur=40,Rtv=30/40", ""},
        // Vl 15 counts as 10: 80 x 0.640109 = 51.209, 95 x 0.640109 = 60.810;
        // Tj = 40 + 100 x 51.209 / 1000 = 45.12, 40 + 100 x 60.810 / 1000 = 46.08.
        RthRow{"airFlowAtMost10", "Gec=DIP,Pin=14", "Nmw=100", "Tu=40,Vl=15", "45.1/46.1",
               ",Tur=40,Rtv=80/95,Rtr=51.2/60.8", ""},
        // 80 x 0.714753 = 57.18, 95 x 0.714753 = 67.90; Tj 45.72 and 46.79.
        RthRow{"airFlow2", "Gec=DIP,Pin=14", "Nmw=100", "Vl=2", "45.7/46.8", ",Tur=40,Rtv=80/95,Rtr=57.2/67.9", ""},
        RthRow{"noParamNoCorrection", "Gec=PGAP,Pin=68", "Nmw=100", "Vl=5", "43/44", ",Tur=40,Rtv=30/40", ""},
        RthRow{"par2ZeroFactor1", "Gec=SOT23,Pin=3", "Nmw=100", "Vl=5", "70/75", ",Tur=40,Rtv=300/350,Rtr=300/350",
               ""},
        // Rte stays in force, the table's Param still corrects: 50 x 0.640109 = 32.005;
        // Tj = 40 + 100 x 32.005 / 1000 = 43.2.
        RthRow{"rteOverTable", "Gec=DIP,Pin=14,Rte=50", "Nmw=100", "Vl=10", "43.2", ",Tur=40,Rtr=32", ""},
        // Ntyp when Nmw is 0, its first value: 40 + 200 x 50 / 1000.
        RthRow{"typicalPower", "Ntyp=200/300,Rte=50", "", "", "50", ",Tur=40", ""},
        RthRow{"noPower", "Gec=DIP,Pin=14", "", "", "", ",Tur=40", ""},
        RthRow{"quoteInHousing", "Gec=DI'X,Pin=14", "Nmw=100", "", "", ",Tur=40", ",Warn=RtrDat,Warn=RtrRef"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(CalcTest, LesRthSetsRawPinCount)
{
    setPosition("Gec=DIP,Pin=14", "Nmw=100", ",Tur=40");
    p().RunStr[RunSlot::Pin] = "40";
    QString r;
    LesRth(r);
    EXPECT_EQ(p().RunStr[RunSlot::Pin], "14");
    setPosition("Gec=SOT23", "Nmw=100", ",Tur=40");
    LesRth(r);
    EXPECT_EQ(p().RunStr[RunSlot::Pin], "");
}

} // namespace
