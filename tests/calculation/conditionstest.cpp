#include "calculation/calcfixture.h"
#include "calculation/calcinterface.h"
#include "calculation/conditions.h"
#include "frame/paramstring.h"
#include "frame/workslots.h"

#include <gtest/gtest.h>

namespace {

struct ConditionRow {
    const char* name;
    QString syPar;
    QString glPar;
    QString q;
    QString s;
    QString r;        // as the run hands it over
    QString results;  // slot 8 afterwards
    QString codes;    // slot 7 afterwards
};
void PrintTo(const ConditionRow& r, std::ostream* os) { *os << r.name; }

class PosBelastungTable : public CalcTest, public ::testing::WithParamInterface<ConditionRow> {};

TEST_P(PosBelastungTable, Evaluates)
{
    const ConditionRow& row = GetParam();
    setPosition(row.q, row.s, row.r, row.glPar, row.syPar);
    PosBelastung(0);
    EXPECT_EQ(work(8), row.results);
    EXPECT_EQ(work(7), row.codes);
    // The input sections stay as they were.
    EXPECT_EQ(work(3), row.q);
    EXPECT_EQ(work(6), row.s);
}

const QString Ber = QStringLiteral("Re=Ber");
const QString Ref = QStringLiteral("Re=Ref");
const QString Tu40 = QStringLiteral("Norm=1,Tu=40");

INSTANTIATE_TEST_SUITE_P(
    Cases, PosBelastungTable,
    ::testing::Values(
        // Tur = 40 + 5 + 10 = 55; Dtr = 5 + 10; Tj = 55 + 10 / 55 + 20.
        ConditionRow{"junctionFromTei", Ber, Tu40, "Bac=3111,Pin=14", "Dtu=5,Tei=10/20", ",Dtr=10",
                     ",Dtr=15,Tur=55,Zfr=100%,Nev=14,Tj=65/75", ""},
        ConditionRow{"junctionAboveTjmax", Ber, Tu40, "Bac=3111,Pin=14,Tjmax=70", "Dtu=5,Tei=10/20", ",Dtr=10",
                     ",Dtr=15,Tur=55,Zfr=100%,Nev=14,Tj=65/75", ",Warn=Tj"},
        // Tjmax 0 compares with 150: 40 + 120 / 40 + 130.
        ConditionRow{"tjmaxZeroIs150", Ber, Tu40, "Bac=3111,Pin=2", "Tei=120/130", "",
                     ",Tur=40,Zfr=100%,Nev=2,Tj=160/170", ",Warn=Tj"},
        ConditionRow{"dtuWithoutDtr", Ber, Tu40, "Bac=3111,Pin=2", "Dtu=5,Tei=1", "", ",Tur=45,Zfr=100%,Nev=2,Tj=46",
                     ""},
        // 50 % of a passed-down 80 %.
        ConditionRow{"operatingShare", Ber, Tu40, "Bac=3111,Pin=2", "Zf=50%,Tei=1", ",Zfr=80%",
                     ",Zfr=40%,Tur=40,Nev=2,Tj=41", ""},
        ConditionRow{"ubAboveUmaxEnds", Ber, Tu40, "Bac=4111,Umax=25", "Ub=30,Tei=5", "", ",Tur=40,Zfr=100%",
                     ",Err=Umax"},
        ConditionRow{"umaxZeroNoTest", Ber, Tu40, "Bac=4111,Umax=0", "Ub=30,Tei=5", "", ",Tur=40,Zfr=100%,Nev=2,Tb=45",
                     ""},
        ConditionRow{"ibAboveImaxAndInen", Ber, Tu40, "Bac=4111,Imax=1,Inen=.5", "Ib=2,Tei=5", "", ",Tur=40,Zfr=100%",
                     ",Err=Imax"},
        ConditionRow{"ibAboveInenOnly", Ber, Tu40, "Bac=4111,Imax=3,Inen=.5", "Ib=2,Tei=5", "",
                     ",Tur=40,Zfr=100%,Nev=2,Tb=45", ",Warn=Inen"},
        ConditionRow{"ambientAboveTumax", Ber, Tu40, "Bac=0000,Tumax=35", "", "", ",Tur=40,Zfr=100%,Nev=0", ",Warn=Tu"},
        // Tref 70 under operating conditions: rise 70 - 50 = 20 to 70 - 25 = 45, Tb 60 to 85.
        ConditionRow{"bodyOperating", Ber, Tu40, "Bac=4111", "", "", ",Tur=40,Zfr=100%,Nev=2,Tref=70,Teiv=20/45,Tb=60/85",
                     ""},
        // Reference conditions: Tb = 40 + 70 - 40 = 70, equal to Tref: not written.
        ConditionRow{"bodyReference", Ref, Tu40, "Bac=4111", "", "", ",Tur=40,Zfr=100%,Nev=2,Tref=70", ""},
        ConditionRow{"bodyAboveTbmax", Ber, Tu40, "Bac=4111,Tbmax=80", "", "",
                     ",Tur=40,Zfr=100%,Nev=2,Tref=70,Teiv=20/45,Tb=60/85", ",Warn=Tb"},
        // Tref 50: rise 0 is raised to 5, the upper rise is 25.
        ConditionRow{"lowRiseRaisedTo5", Ber, Tu40, "Bac=5811,Tec=1234", "", "",
                     ",Tur=40,Zfr=100%,Nev=0,Tref=50,Teiv=5/25,Tb=45/65", ""},
        // Group 21 without pins: 3 connections; Tj = 40 + 200 x 50 / 1000.
        ConditionRow{"junctionFromPower", Ber, Tu40, "Bac=2111", "Rtk=50,Nmw=200", "",
                     ",Tur=40,Zfr=100%,Nev=3,Tj=50", ""},
        // Tref 60 of the K1 band 2000: rise 10 to 35.
        ConditionRow{"junctionFromTref", Ber, Tu40, "Bac=1112,Tec=3120,K1=2k", "", "",
                     ",Tur=40,Zfr=100%,Nev=40,Tref=60,Teiv=10/35,Tj=50/75,Tjr=50/75", ""},
        // Tref 55 raises Tjmax 50 to 55; Tj = 60 + 55 - 40 = 75 lies above it.
        ConditionRow{"junctionReferenceAboveTjmax", Ref, "Tu=60", "Bac=3111,Tjmax=50", "", "",
                     ",Tur=60,Zfr=100%,Nev=3,Tref=55,Tj=75,Tjr=75", ",Warn=Tj"},
        ConditionRow{"junctionReferenceAtTref", Ref, Tu40, "Bac=3111", "", "", ",Tur=40,Zfr=100%,Nev=3,Tref=55", ""},
        // No housing data and no Tref row: the look-up's code ends the evaluation.
        ConditionRow{"lookupCodeEnds", Ber, Tu40, "Bac=1112", "", "", ",Tur=40,Zfr=100%,Nev=40", ",Err=Kom"}),
    [](const auto& i) { return std::string(i.param.name); });

struct CountRow {
    const char* name;
    QString q;
    QString nev;
};
void PrintTo(const CountRow& r, std::ostream* os) { *os << r.name; }

class ConnectionCount : public CalcTest, public ::testing::WithParamInterface<CountRow> {};

TEST_P(ConnectionCount, ByClass)
{
    setPosition(GetParam().q, "Tei=1");
    PosBelastung(0);
    EXPECT_EQ(::GetParam(work(8), "Nev"), GetParam().nev);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionCount,
    ::testing::Values(CountRow{"pinsGiven", "Bac=1112,Pin=14", "14"}, CountRow{"integratedCircuit", "Bac=1112", "40"},
                      CountRow{"group2TwiceVf", "Bac=2211,Vf=4", "8"},
                      CountRow{"group2VfNearestEven", "Bac=2211,Vf=2.5", "4"},
                      CountRow{"group21", "Bac=2111", "3"}, CountRow{"class252", "Bac=2521", "4"},
                      CountRow{"class256", "Bac=2561", "0"}, CountRow{"group2Other", "Bac=2211", "2"},
                      CountRow{"class3123", "Bac=3123", "8"}, CountRow{"class3122", "Bac=3122", "2"},
                      CountRow{"class312Vf", "Bac=3122,Vf=5", "5"}, CountRow{"class322", "Bac=3221", "28"},
                      CountRow{"class363", "Bac=3631", "28"}, CountRow{"class3Other", "Bac=3711", "2"},
                      CountRow{"class425NoVf", "Bac=4251", "0"}, CountRow{"class431", "Bac=4311", "6"},
                      CountRow{"group52", "Bac=5211,Vf=9", "9"}, CountRow{"group53", "Bac=5311,Vf=3", "8"},
                      CountRow{"group54", "Bac=5411,Vf=3", "6"},
                      // 2 x (Hisch 2 + 1) + 2
                      CountRow{"class551", "Bac=5511,Hisch=2", "8"}, CountRow{"group59", "Bac=5911", "0"},
                      CountRow{"group5Other", "Bac=5711", "2"}, CountRow{"otherClass", "Bac=7111", "0"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(CalcTest, PosBelastungFillsRunSlots)
{
    setPosition("Bac=3111,Umax=25,Imax=2,Inen=1,Tbmax=90,Vf=3", "Dtu=5,Ub=12,Ib=.5,Tei=1", ",Dtr=2", "Tu=30");
    PosBelastung(0);
    EXPECT_EQ(p().RunStr[RunSlot::Tu], "30");
    EXPECT_EQ(p().RunStr[RunSlot::Bac], "3111");
    EXPECT_EQ(p().RunStr[RunSlot::Bac2], "31");
    EXPECT_EQ(p().RunStr[RunSlot::Bac3], "311");
    EXPECT_EQ(p().RunStr[RunSlot::Bac1], "3");
    EXPECT_EQ(p().RunStr[RunSlot::Pin], "3");
    EXPECT_EQ(p().RunStr[RunSlot::Vf], "3");
    const auto& v = p().RunVal;
    EXPECT_EQ(v[RunNum::Dtu], 5);
    EXPECT_EQ(v[RunNum::Umax], 25);
    EXPECT_EQ(v[RunNum::Ub], 12);
    EXPECT_EQ(v[RunNum::Imax], 2);
    EXPECT_EQ(v[RunNum::Inen], 1);
    EXPECT_EQ(v[RunNum::Ib], .5);
    EXPECT_EQ(v[RunNum::Tjmax], 150);
    EXPECT_EQ(v[RunNum::Tbmax], 90);
    EXPECT_EQ(v[RunNum::Dtr], 2);
}

TEST_F(CalcTest, PosBelastungMarksSecondaryPath)
{
    setPosition("Bac=4111", "Tei=1");
    PosBelastung(1, {"3", "41"});
    EXPECT_EQ(work(8), ",Nbw=true,Tur=40,Zfr=100%,Nev=2,Tb=41");
    setPosition("Bac=4111", "Tei=1");
    PosBelastung(0, {"41"});
    EXPECT_FALSE(work(8).contains("Nbw"));
    setPosition("Bac=4111", "Tei=1");
    PosBelastung(1, {"42", "5"});
    EXPECT_FALSE(work(8).contains("Nbw"));
}

} // namespace
