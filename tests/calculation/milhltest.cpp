#include "calculation/mil.h"
#include "calculation/milfixture.h"

using miltest::pi;
using miltest::txt;

namespace {

struct HlRow {
    const char* name;
    QString q;
    QString s;
    QString r;
    QString expectedR;
    QString expectedF;
    QString methods = QStringLiteral("Norm=2,Envm=Gb,πq2em=1");
};
void PrintTo(const HlRow& row, std::ostream* os) { *os << row.name; }

class Semiconductor : public miltest::MilFixture, public ::testing::WithParamInterface<HlRow> {
protected:
    Semiconductor()
    {
        const QString tail = QStringLiteral(",Qc=2Q,Ec=2E");
        record(QStringLiteral("2DIOLFS"), "Ar=3.8,Ct=3091" + tail);
        record(QStringLiteral("2DIOLFGPA"), "Ar=1,Ct=3091" + tail);
        record(QStringLiteral("2TRLFBIP"), "Ar=.74,Ct=2114" + tail);
        record(QStringLiteral("2TRLFMOSFET"), "Ar=12" + tail);
        record(QStringLiteral("2THYR"), "Ar=2.2" + tail);
        record(QStringLiteral("2TRHFHPBIPAU"), "Ar=10,Ct=2903" + tail);
        record(QStringLiteral("2TRHFHPBIPAL"), "Ar=10,Ct=5794" + tail);
        record(QStringLiteral("2DIOHFPIN"), "Ar=8.1,Ct=2100" + tail);
        record(QStringLiteral("2DIOHFVAR"), "Ar=2.5" + tail);
        record(QStringLiteral("2NOENV"), QStringLiteral("Ar=1,Qc=2Q,Ec=2X"));
        record(QStringLiteral("3DISP"), "Ar=10,Ar2=5" + tail);
        record(QStringLiteral("3LASERDIOGA"), QStringLiteral("Ar=3230,Ct=4635,Ec=2E"));
        record(QStringLiteral("3LAMPS"), QStringLiteral("Ar=.074,Ec=2E"));
        record(QStringLiteral("3FIBERCON"), QStringLiteral("Ar=100,Ec=2E"));
        record(QStringLiteral("1HYBTRARRAY"), QStringLiteral("Ar=.74,Ct=2114,Qc=1Q,Ec=1E"));
        table(QStringLiteral("2E"), QStringLiteral("Gb=1,Gf=6"));
        table(QStringLiteral("1E"), QStringLiteral("Gb=.5"));
        table(QStringLiteral("1Q"), QStringLiteral("CSP=10"));
    }
};

TEST_P(Semiconductor, ComputesRateAndReports)
{
    const HlRow& row = GetParam();
    work(row.q, row.s, row.r, row.methods);
    FitMil();
    EXPECT_EQ(txt(R()), txt(pi(row.expectedR.toUtf8().constData())));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

// piT = exp(-Ct (1/(Tj+273) - 1/298)) is 1 at 25 degC; piQ 1 from the run, piE 1 in Gb.
INSTANTIATE_TEST_SUITE_P(
    Table, Semiconductor,
    ::testing::Values(
        // S = 3/10 = .3: piS .054; 3.8 x .054 = .205
        HlRow{"diodeLowStress", "Bac=2111,Bacm=2DIOLFS,Umax=10", "Ub=3", "Tj=25", "Tj=25,C1m=3.8,πsm=0.05,Fitm=0.205",
              ""},
        // S = .5: .5^2.43 = .185565; 3.8 x .185565 = .705
        HlRow{"diodeHalfStress", "Bac=2111,Bacm=2DIOLFS,Umax=10", "Ub=5", "Tj=25",
              "Tj=25,C1m=3.8,πsm=0.19,Fitm=0.705", ""},
        // no voltage data: S .7, .7^2.43 = .420328; 3.8 x .420328 = 1.597
        HlRow{"defaultRatio", "Bac=2111,Bacm=2DIOLFS", "", "Tj=25", "Tj=25,C1m=3.8,Vuv=.7,πsm=0.42,Fitm=1.597", ""},
        HlRow{"ratioOfEarlierRun", "Bac=2111,Bacm=2DIOLFS", "", "Tj=25,Vuv=.3", "Tj=25,Vuv=.3,C1m=3.8,πsm=0.05,Fitm=0.205",
              ""},
        HlRow{"voltageWithoutRating", "Bac=2111,Bacm=2DIOLFS", "Ub=10", "Tj=25",
              "Tj=25,C1m=3.8,Vuv=.7,πsm=0.42,Fitm=1.597", ",Warn=UbUmax"},
        // piT(100) = exp(3091 x (1/298 - 1/373)) = 8.04958; .2052 x 8.04958 = 1.652
        HlRow{"junctionRange", "Bac=2111,Bacm=2DIOLFS,Umax=10", "Ub=3", "Tj=25/100",
              "Tj=25/100,C1m=3.8,Ctm=3091,πtm=1/8.05,πsm=0.05,Fitm=0.205/1.652", ""},
        // Drift 1 is the linear application: the diode model itself does not change
        HlRow{"diodeModelOfComponentData", "Bac=2111,Bacm=2DIOLFS,Umax=10", "Ub=3,Drift=1", "Tj=25",
              "Tj=25,C1m=3.8,πsm=0.05,Fitm=0.205", ""},
        // piS = .045 exp(3.1 x .7) = .394123; Nmax 0, Tec1 1, Bac3 213: piR .77/1.3; flag empty: piA .7/1.5;
        // .74 x .394123 x .77 x .7 = .157, .74 x .394123 x 1.3 x 1.5 = .569
        HlRow{"bipolarRatingByClass", "Bac=2131,Tec=1000,Bacm=2TRLFBIP", "", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=0.77/1.3,πam=0.7/1.5,Fitm=0.157/0.569", ""},
        // .74 x .394123 x .43 x 1.5 = .188, x 3 x 1.5 = 1.312
        HlRow{"bipolarRatingDefault", "Bac=2131,Tec=2000,Bacm=2TRLFBIP", "Drift=1", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=0.43/3,πam=1.5,Fitm=0.188/1.312", ""},
        HlRow{"bipolarLowPower", "Bac=2111,Bacm=2TRLFBIP,Nmax=100", "Drift=0", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=0.43,πam=0.7,Fitm=0.088", ""},
        // (5000/1000)^.37 = 1.81392; .74 x .394123 x 1.81392 x .7 = .370
        HlRow{"bipolarPower", "Bac=2111,Bacm=2TRLFBIP,Nmax=5000", "Drift=0", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=1.81,πam=0.7,Fitm=0.37", ""},
        // Mended: models without a voltage factor neither read the voltage ratio nor
        // document its default.
        HlRow{"thyristorWithoutCurrentRating", "Bac=2411,Bacm=2THYR", "", "Tj=25",
              "Tj=25,C1m=2.2,πprm=1/6.3,Fitm=2.2/13.86", ""},
        HlRow{"thyristorOperatingVoltageWithoutRating", "Bac=2411,Bacm=2THYR", "Ub=10", "Tj=25",
              "Tj=25,C1m=2.2,πprm=1/6.3,Fitm=2.2/13.86", ""},
        // 16^.4 = 3.03143; 2.2 x 3.03143 = 6.669
        HlRow{"thyristorCurrentRating", "Bac=2411,Bacm=2THYR,Imax=16", "", "Tj=25",
              "Tj=25,C1m=2.2,πprm=3.03,Fitm=6.669", ""},
        // Mended: the microwave power transistor has its temperature factor, referred
        // to 100 degC: gold 0.1 exp(-2903 (1/(Tj+273) - 1/373)) = 0.1 at Tj 100. Its
        // application (pulsed 0.06 x duty % + 0.40 to continuous wave 7.6) and matching
        // network (input and output 1.0 to none 4.0) are not in the data: the pairs
        // 0.4/7.6 and 1/4, not 1; 10 x 0.1 x 0.4 x 1 = 0.4, 10 x 0.1 x 7.6 x 4 = 30.4
        HlRow{"microwavePowerAtReferenceTemperature", "Bac=2211,Bacm=2TRHFHPBIPAU", "", "Tj=100",
              "Tj=100,C1m=10,Ctm=2903,πtm=0.1,πam=0.4/7.6,πmm=1/4,Fitm=0.4/30.4", ""},
        // Tj 25: 0.1 exp(-2903 (1/298 - 1/373)) = 0.1 exp(-1.95874) = .0141043; 10 x that =
        // .141043: x 0.4 = .056, x 7.6 x 4 = 4.287
        HlRow{"microwavePowerCool", "Bac=2211,Bacm=2TRHFHPBIPAU", "", "Tj=25",
              "Tj=25,C1m=10,Ctm=2903,πtm=0.01,πam=0.4/7.6,πmm=1/4,Fitm=0.056/4.287", ""},
        // aluminium 0.38 exp(-5794 (1/(Tj+273) - 1/373)) at Tj 150: 0.38 exp(5794 x 3.16899e-4)
        // = 0.38 x 6.27211 = 2.38340; 10 x that = 23.834: x 0.4 = 9.534, x 7.6 x 4 = 724.554
        HlRow{"microwavePowerAluminium", "Bac=2211,Bacm=2TRHFHPBIPAL", "", "Tj=150",
              "Tj=150,C1m=10,Ctm=5794,πtm=2.38,πam=0.4/7.6,πmm=1/4,Fitm=9.534/724.554", ""},
        // PIN diode pi_R by rated power: up to 10 W 0.5, to 100 W 1.3, to 1000 W 2.0,
        // to 3000 W 2.4
        HlRow{"pinDiodeSmall", "Bac=2261,Bacm=2DIOHFPIN,Nmax=1000", "", "Tj=25", "Tj=25,C1m=8.1,πprm=0.5,Fitm=4.05",
              ""},
        HlRow{"pinDiode10W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=10000", "", "Tj=25", "Tj=25,C1m=8.1,πprm=0.5,Fitm=4.05",
              ""},
        // above 10 W: 8.1 x 1.3 = 10.53
        HlRow{"pinDiodeAbove10W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=10001", "", "Tj=25",
              "Tj=25,C1m=8.1,πprm=1.3,Fitm=10.53", ""},
        HlRow{"pinDiode100W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=100000", "", "Tj=25", "Tj=25,C1m=8.1,πprm=1.3,Fitm=10.53",
              ""},
        // 8.1 x 2.0 = 16.2
        HlRow{"pinDiode1000W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=1000000", "", "Tj=25",
              "Tj=25,C1m=8.1,πprm=2,Fitm=16.2", ""},
        // 8.1 x 2.4 = 19.44; the table ends at 3000 W and keeps its last factor above
        HlRow{"pinDiode3000W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=3000000", "", "Tj=25",
              "Tj=25,C1m=8.1,πprm=2.4,Fitm=19.44", ""},
        HlRow{"pinDiodeAbove3000W", "Bac=2261,Bacm=2DIOHFPIN,Nmax=5000000", "", "Tj=25",
              "Tj=25,C1m=8.1,πprm=2.4,Fitm=19.44", ""},
        // Mended: without a rating the pair spans the whole table, 0.5 to 2.4 (not 2.0)
        HlRow{"pinDiodeWithoutRating", "Bac=2261,Bacm=2DIOHFPIN", "", "Tj=25",
              "Tj=25,C1m=8.1,πprm=0.5/2.4,Fitm=4.05/19.44", ""},
        // Mended: varactor and step-recovery diodes by use, voltage control 0.5 to
        // multiplier 2.5, which no class says: 2.5 x 0.5 = 1.25, 2.5 x 2.5 = 6.25
        HlRow{"varactorApplicationUnknown", "Bac=2231,Bacm=2DIOHFVAR", "", "Tj=25",
              "Tj=25,C1m=2.5,πam=0.5/2.5,Fitm=1.25/6.25", ""},
        HlRow{"noRecord", "Bac=2111,Bacm=2NONE", "", "Tj=25", "Tj=25", ",Err=BacMil"},
        // Mended: a missing environment entry is an error, not a factor 0.
        HlRow{"missingEnvironmentEntry", "Bac=2111,Bacm=2NOENV", "", "Tj=25", "Tj=25", ",Err=EnvMil"},
        // display 3223: k = 70/35 = 2, lambda_b = 2 x 10 + 5 = 25
        HlRow{"displayCharacters", "Bac=3223,Bacm=3DISP,Vf=70", "", "Tj=25", "Tj=25,C1m=10,C2m=5,Fitm=25", ""},
        // display 3220: k = 70/35 .. 70/7 = 2 .. 10: 25 .. 105
        HlRow{"displayRange", "Bac=3220,Bacm=3DISP,Vf=70", "", "Tj=25", "Tj=25,C1m=10,C2m=5,Fitm=25/105", ""},
        HlRow{"displayWithoutCount", "Bac=3223,Bacm=3DISP", "", "Tj=25", "Tj=25,C1m=10,C2m=5", ",Err=Vf"},
        // fibre-optic connector with 3 as second Tec character: Vf 2 x 4 = 8; 8 x 100 x 6 (Gf)
        HlRow{"fibreConnectorCount", "Bac=3411,Tec=1300,Vf=2,Bacm=3FIBERCON", "", "Tj=25",
              "Tj=25,πem=6,Arm=100,Vfm=8,Fitm=4800", "", QStringLiteral("Norm=2,Envm=Gf")},
        // no current: I .1/10, piI = .1^.68 = .208930, 10^.68 = 4.78630; continuous
        // wave piA 4.4 (4.4 in single precision): 3230 x 4.4 x piI = 2969.308 / 68022.913
        HlRow{"laserWithoutCurrent", "Bac=3311,Bacm=3LASERDIOGA", "", "Tj=25",
              "Tj=25,Arm=3230,Ibv=0.1/10,πim=0.21/4.79,πam=4.4,Degrv=50,πpdm=1,Fitm=2969.308/68022.913",
              ",Warn=IbLaserMil"},
        // Mended: piP = 1 / (2 (1 - Pr/Ps)), not Pr/Ps / 50 %. 2^.68 = 1.60214, Pr/Ps 75 %:
        // piP 2; 3230 x 1.602139 x 4.4 x 2 = 45539.22
        HlRow{"laserDegradation", "Bac=3311,Bacm=3LASERDIOGA", "Ib=2,Degr=75", "Tj=25",
              "Tj=25,Arm=3230,πim=1.6,πam=4.4,πpdm=2,Fitm=45539.22", ""},
        // 60 %: piP 1 / (2 x .4) = 1.25; 3230 x 4.4 x 1.25 = 17765
        HlRow{"laserDegradationPercent", "Bac=3311,Bacm=3LASERDIOGA", "Ib=1,Degr=60%", "Tj=25",
              "Tj=25,Arm=3230,πam=4.4,πpdm=1.25,Fitm=17765", ""},
        // beyond the handbook's 95 %: 95 % is used, piP 10; 3230 x 4.4 x 10 = 142120 (.003
        // from 4.4 in single precision)
        HlRow{"laserDegradationBeyondTheTable", "Bac=3311,Bacm=3LASERDIOGA", "Ib=1,Degr=100", "Tj=25",
              "Tj=25,Arm=3230,πam=4.4,Degrv=95,πpdm=10,Fitm=142120.003", ""},
        HlRow{"laserCurrentFromRating", "Bac=3311,Bacm=3LASERDIOGA,Imax=10", "Vie=.1", "Tj=25",
              "Tj=25,Arm=3230,πam=4.4,Degrv=50,πpdm=1,Fitm=14212", ""},
        // Mended: pulsed at 25 % duty cycle: piA = .25^.5 = .5; 3230 x .5 = 1615
        HlRow{"laserPulsed", "Bac=3311,Bacm=3LASERDIOGA", "Ib=1,Zf=25%", "Tj=25",
              "Tj=25,Arm=3230,πam=0.5,Degrv=50,πpdm=1,Fitm=1615", ""},
        // lambda_b = .074 x 28^1.29 = 5.44585; mended: piU .72 enters the rate;
        // 5.44585 x .72 = 3.921, x 3.3 = 12.939
        HlRow{"lampDefaults", "Bac=3711,Bacm=3LAMPS", "Zf=50", "Tj=25",
              "Tj=25,Arm=.074,Unenv=28,Arm=5.4,πum=0.72,πam=1/3.3,Fitm=3.921/12.939", ""},
        // .074 x 12^1.29 = 1.82547; d.c. 3.3: 6.024
        HlRow{"lampRatedVoltageDc", "Bac=3711,Bacm=3LAMPS,Unen=12", "Acdc=D", "Tj=25",
              "Tj=25,Arm=.074,Arm=1.8,πam=3.3,Fitm=6.024", ""},
        // Mended: shares between the whole-number bands get the lower band's factor
        HlRow{"lampShareBetweenBands", "Bac=3711,Bacm=3LAMPS,Unen=12", "Acdc=A,Zf=9.5", "Tj=25",
              "Tj=25,Arm=.074,Arm=1.8,πum=0.1,Fitm=0.183", ""},
        HlRow{"lampVoltageTooHigh", "Bac=3711,Bacm=3LAMPS,Unen=50", "", "Tj=25", "Tj=25,Arm=.074", ",Err=UlampMil"},
        // array rate .74 x .394123 x .43 x 4 = .501639 and x 3 x 4 = 3.49981, then
        // (1 + .2 x .5) x rate x 10 (class CSP): 5.518 / 38.498
        HlRow{"hybridArray", "Bac=1510,Tec=2002,Vf=4,Bacm=1HYBTRARRAY", "", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=0.43/3,Qkvm=CSP,πqm=10,πem=0.5,Fitm=5.518/38.498", "",
              QStringLiteral("Norm=2,Envm=Gb")},
        HlRow{"hybridArrayWithoutCount", "Bac=1510,Tec=2002,Bacm=1HYBTRARRAY", "", "Tj=25",
              "Tj=25,C1m=0.74,Vuv=.7,πsm=0.39,πprm=0.43/3", ",Err=Vf", QStringLiteral("Norm=2,Envm=Gb")}),
    [](const auto& i) { return std::string(i.param.name); });

struct ApplicationRow {
    const char* name;
    QString bac;
    QString nmax;
    QString drift;
    QString expected; // value of the application factor key, empty when not reported
};
void PrintTo(const ApplicationRow& row, std::ostream* os) { *os << row.name; }
class FetApplicationTable : public miltest::MilFixture, public ::testing::WithParamInterface<ApplicationRow> {};

TEST_P(FetApplicationTable, ByPowerRating)
{
    const ApplicationRow& row = GetParam();
    record(QStringLiteral("2TRLFMOSFET"), QStringLiteral("Ar=12,Qc=2Q,Ec=2E"));
    table(QStringLiteral("2E"), QStringLiteral("Gb=1"));
    work("Bac=" + row.bac + ",Bacm=2TRLFMOSFET,Nmax=" + row.nmax, "Drift=" + row.drift, "Tj=25",
         QStringLiteral("Norm=2,Envm=Gb,πq2em=1"));
    FitMil();
    const QString key = pi(",πam=");
    if (row.expected.isEmpty())
        EXPECT_FALSE(R().contains(key)) << R().toStdString();
    else
        EXPECT_TRUE(R().contains(key + row.expected + ",")) << R().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, FetApplicationTable,
    ::testing::Values(ApplicationRow{"band250000", "2151", "250000", "", "10"},
                      ApplicationRow{"band249999", "2151", "249999", "", "8"},
                      ApplicationRow{"band50000", "2151", "50000", "", "8"},
                      ApplicationRow{"band49999", "2151", "49999", "", "4"},
                      ApplicationRow{"band2000", "2151", "2000", "", "2"},
                      ApplicationRow{"lowPowerByFlag", "2151", "1500", "", "0.7/1.5"},
                      ApplicationRow{"lowPowerLinear", "2151", "1500", "1", "1.5"},
                      ApplicationRow{"belowOne", "2151", "0.5", "", ""},
                      ApplicationRow{"betweenBands", "2151", "1999.5", "", ""},
                      ApplicationRow{"noRatingClass211", "2111", "0", "0", "0.7"},
                      ApplicationRow{"noRatingClass214", "2141", "0", "", "2/8"},
                      ApplicationRow{"noRatingOtherClass", "2151", "0", "", "1/8"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
