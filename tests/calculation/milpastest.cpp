#include "calculation/mil.h"
#include "calculation/milfixture.h"

using miltest::pi;
using miltest::txt;

namespace {

struct PasRow {
    const char* name;
    QString q;
    QString s;
    QString control;
    QString expectedR; // after the operating conditions "Tur=40,Tb=60"
    QString expectedF;
    QString methods = QStringLiteral("Norm=2,Envm=Gb");
};
void PrintTo(const PasRow& row, std::ostream* os) { *os << row.name; }

class Passive : public miltest::MilFixture, public ::testing::WithParamInterface<PasRow> {
protected:
    Passive()
    {
        record(QStringLiteral("4CK"), QStringLiteral("C1=.99,Sref=.4,Ps=3,Ct=1,Pt=1,Tr=85,Pq=1,Ec=4E"));
        record(QStringLiteral("4CFCS"), QStringLiteral("C1=.99,Sref=.4,Ps=3,Ct=1,Pt=1,Tr=85/125,Pq=1,Ec=4E"));
        record(QStringLiteral("4RC"),
               QStringLiteral("C1=4.5E-6,Ct=12,Tb=70,Pt=1,Sref=.6,Ps1=1,Ps2=1,Pq=1,Ec=4E"));
        record(QStringLiteral("4RZ"), QStringLiteral("Ar=.06,Ct=4061,Pq=1,Ec=4E"));
        record(QStringLiteral("4QCRYSTAL"), QStringLiteral("Ar=13,Pq=1,Ec=4E"));
        record(QStringLiteral("4RTHBEAD"), QStringLiteral("Ar=6.5,Pq=1,Ec=4E"));
        record(QStringLiteral("4XPAIR"), QStringLiteral("Ar=10,Pq=.5/2,Ec=4E"));
        record(QStringLiteral("4XTABLE"), QStringLiteral("Ar=10,Qc=4Q1,Ec=4E"));
        record(QStringLiteral("4XTHREE"), QStringLiteral("Ar=10,Pq=3,Ec=4E"));
        table(QStringLiteral("4E"), QStringLiteral("Gb=1,Gf=4"));
        table(QStringLiteral("4Q1"), QStringLiteral("R=.1,MIL=5"));
    }
};

TEST_P(Passive, ComputesRateAndReports)
{
    const PasRow& row = GetParam();
    work(row.q, row.s, QStringLiteral("Tur=40,Tb=60"), row.methods, row.control);
    FitMil();
    EXPECT_EQ(txt(R()), txt(pi(("Tur=40,Tb=60" + row.expectedR).toUtf8().constData())));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

const QString Ref = QStringLiteral("Re=Ref");
const QString Ber = QStringLiteral("Re=Ber");

INSTANTIATE_TEST_SUITE_P(
    Table, Passive,
    ::testing::Values(
        // lambda_b = .99 ((S/.4)^3 + 1) exp((40+273)/(85+273)); S .5: .99 x 2.953125 x 2.39726 = 7.008
        PasRow{"capacitorReference", "Bac=4511,Bacm=4CK", "", Ref, ",Vuv=.5,Tbmaxv=85,Arm=7.01,Fitm=7.008", ""},
        // S .1/.9: 2.41031/29.4058, piCV .5/2.2: 1.205/64.693
        PasRow{"capacitorOperating", "Bac=4511,Bacm=4CK", "", Ber,
               ",Vuv=.1/.9,Tbmaxv=85,Arm=2.41/29.41,πcvm=0.5/2.2,Fitm=1.205/64.693", ""},
        // rated 125 from the component: exp(313/398); .99 x 2.953125 x 2.19559 = 6.419
        PasRow{"capacitorRatedTemperature", "Bac=4511,Bacm=4CK,Tbmax=125", "", Ref, ",Vuv=.5,Arm=6.42,Fitm=6.419",
               ""},
        PasRow{"capacitorVoltageWithoutRating", "Bac=4511,Bacm=4CK", "Ub=10", Ref,
               ",Vuv=.5,Tbmaxv=85,Arm=7.01,Fitm=7.008", ",Warn=UbUmax"},
        // S 5/10 = .5 as under reference conditions
        PasRow{"capacitorVoltageRatio", "Bac=4511,Bacm=4CK,Umax=10", "Ub=5", Ber,
               ",Tbmaxv=85,Arm=7.01,πcvm=0.5/2.2,Fitm=3.504/15.419", ""},
        // series resistance 0.066 (above 0.8 ohm/V) to 0.33 (up to 0.1 ohm/V); minimum: S .1 at
        // rated 125 -> 2.20757 x .066 x .5 = .073; maximum: S .9 at 85 -> 29.4060 x 2.2 x .33 = 21.349
        PasRow{"seriesResistanceFactor", "Bac=4521,Bacm=4CFCS", "", Ber,
               ",Vuv=.1/.9,Tbmaxv=85/125,Arm=2.21/29.41,πcvm=0.5/2.2,πsrm=0.07/0.33,Fitm=0.073/21.349", ""},
        // reference conditions: the band 0.2 to 0.4 ohm/V, 0.2; S .5 at 85 (the maximum)
        // 7.00838 x .2 = 1.402, at 125 (the minimum) .99 x 2.953125 x 2.19559 = 6.41903 x .2 = 1.284
        PasRow{"seriesResistanceReference", "Bac=4521,Bacm=4CFCS", "", Ref,
               ",Vuv=.5,Tbmaxv=85/125,Arm=6.42/7.01,πsrm=0.2,Fitm=1.284/1.402", ""},
        // lambda_b = 4.5e-6 exp(12 x 313/343) exp((.25/.6) x 313/273) = .413
        PasRow{"resistorPowerRatio", "Bac=4111,Bacm=4RC,Nmax=1", "Nmw=.25", Ber, ",Arm=0.41,Fitm=0.413", ""},
        // entered rise: body temperature 60, no stress term: 4.5e-6 exp(12 x 333/343) = .516
        PasRow{"resistorBodyTemperature", "Bac=4111,Bacm=4RC,Nmax=1", "Nmw=.25,Tei=20", Ber, ",Arm=0.52,Fitm=0.516",
               ""},
        // default ratio .5: .666602; class 4220: x 1.6 = 1.067
        PasRow{"resistorDefaultRatioAndClassFactor", "Bac=4220,Bacm=4RC", "", Ref,
               ",Vnv=.5,Arm=0.67,πrrm=1.6,Fitm=1.067", ""},
        // Tcr = 40 + 27.5; piT = exp(4061 x (1/298 - 1/340.5)) = 5.47909; 8 x .06 x 5.47909 = 2.63
        PasRow{"resistorNetwork", "Bac=4611,Bacm=4RZ,Vf=8", "", Ber, ",Arm=.06,Tcr=67.5,Ctm=4061,πtm=5.48,Fitm=2.63",
               ""},
        PasRow{"resistorNetworkWithoutCount", "Bac=4611,Bacm=4RZ", "", Ber, ",Arm=.06,Tcr=67.5,Ctm=4061,πtm=5.48",
               ",Err=Vf"},
        // 13 x 40^.23 = 30.368
        PasRow{"crystalDefaultFrequency", "Bac=4911,Bacm=4QCRYSTAL", "", Ber, ",Fnenv=40,Arm=30.37,Fitm=30.368", ""},
        // 13 x 10^.23 = 22.077
        PasRow{"crystalFrequency", "Bac=4911,Bacm=4QCRYSTAL,Fnen=10", "", Ber, ",Arm=22.08,Fitm=22.077", ""},
        PasRow{"thermistorFixedRate", "Bac=4711,Bacm=4RTHBEAD,Vf=2", "", Ber, ",Arm=6.5,Fitm=13", ""},
        // the record's second quality value is not used: .5 x 10
        PasRow{"recordQualityPair", "Bac=4911,Bacm=4XPAIR", "", Ber, ",Arm=10,πqm=0.5,Fitm=5", ""},
        PasRow{"qualityFromTable", "Bac=4911,Bacm=4XTABLE", "", Ber, ",Arm=10,Qkvm=R/MIL,πqm=0.1/5,Fitm=1/50", ""},
        // 3 x 10 x 4
        PasRow{"environment", "Bac=4911,Bacm=4XTHREE", "", Ber, ",Arm=10,πqm=3,πem=4,Fitm=120", "",
               QStringLiteral("Norm=2,Envm=Gf")},
        PasRow{"missingEnvironment", "Bac=4911,Bacm=4XTHREE", "", Ber, ",Arm=10,πqm=3", ",Err=EnvMil",
               QStringLiteral("Norm=2,Envm=Sf")},
        PasRow{"noRecord", "Bac=4911,Bacm=4NONE", "", Ber, "", ",Err=BacMil"}),
    [](const auto& i) { return std::string(i.param.name); });

struct CoilRow {
    const char* name;
    QString model;
    QString tbmax;
    double expected; // lambda_b at the hot spot 40 + 1.1 x (60 - 40) = 62 degC
    QString expectedR;
};
void PrintTo(const CoilRow& row, std::ostream* os) { *os << row.name; }
class InductiveBands : public miltest::MilFixture, public ::testing::WithParamInterface<CoilRow> {};

// Mended: the hot spot lies 1.1 times the rise above the ambient (not 1.1 times the
// body temperature), and every rated temperature has its band.
TEST_P(InductiveBands, BaseRateAtHotSpot)
{
    const CoilRow& row = GetParam();
    record(row.model, QStringLiteral("Pq=1,Ec=4E"));
    table(QStringLiteral("4E"), QStringLiteral("Gb=1"));
    work("Bac=4811,Tbmax=" + row.tbmax, "", QStringLiteral("Tur=40,Tb=60"));
    double fitMin = 0, fitMax = 0;
    MilPas(row.model, fitMin, fitMax, 1);
    EXPECT_NEAR(fitMin, row.expected, 1e-4);
    EXPECT_NEAR(fitMax, row.expected, 1e-4);
    EXPECT_EQ(txt(R()), txt("Tur=40,Tb=60" + row.expectedR));
    EXPECT_EQ(txt(F()), "");
}

// lambda_b = A exp(((62 + 273)/NT)^G)
INSTANTIATE_TEST_SUITE_P(
    Table, InductiveBands,
    ::testing::Values(
        // 1.8 exp((335/364)^8.7) = 2.92536 (1.1 x Tb = 66 degC would give 3.08407)
        CoilRow{"powerTransformerDefault130", "4ITRPOWER", "", 2.92536, ",Tbmaxv=130,Arm=2.93"},
        // .379 exp((335/352)^14) = .624909
        CoilRow{"coilDefault105", "4ICOIL", "", 0.624909, ",Tbmaxv=105,Arm=0.62"},
        // 1.8 exp((335/329)^15.6) = 6.77663
        CoilRow{"transformer85", "4ITRAUDIO", "85", 6.77663, ",Arm=6.78"},
        // 85.5 lies in the band 86 to 105: 2.0 exp((335/352)^14) = 3.29767
        CoilRow{"transformerBetweenWholeDegrees", "4ITRAUDIO", "85.5", 3.29767, ",Arm=3.3"},
        // 1.59 exp((335/477)^8.4) = 1.67383
        CoilRow{"transformerAbove170", "4ITRAUDIO", "171", 1.67383, ",Arm=1.67"},
        // .319 exp((335/364)^8.7) = .518440
        CoilRow{"coil125", "4ICOIL", "125", 0.518440, ",Arm=0.52"},
        // .35 exp((335/409)^10) = .400948
        CoilRow{"coil126", "4ICOIL", "126", 0.400948, ",Arm=0.4"},
        CoilRow{"coil125AndAHalf", "4ICOIL", "125.5", 0.400948, ",Arm=0.4"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
