#include "calculation/mil.h"
#include "calculation/shippeddb.h"
#include "frame/paramstring.h"

#include <cmath>

// One part of every MIL-HDBK-217F family, computed by FitMil from the shipped
// model records and factor tables, against the handbook formula evaluated here
// with the handbook's constants (per 10^6 hours x 1000 = fit) written out.
// Reference conditions, environment Gf; ICs and semiconductors at Tj 55 degC,
// passive and electromechanical parts at Tb 60 degC, ambient 40 degC.
namespace {

using std::exp;
using std::pow;

// pi_T of microcircuits: .1 exp(Ea/k (1/298 - 1/(Tj+273))), k = 8.617E-5 eV/K.
double icTemperature(double ea, double tj) { return .1 * exp(ea / 8.617e-5 * (1 / 298.0 - 1 / (tj + 273))); }
// pi_T of discrete semiconductors: exp(-Ct (1/(Tj+273) - 1/298)).
double arrhenius(double ct, double tj) { return exp(-ct * (1 / (tj + 273) - 1 / 298.0)); }

struct MilCase {
    const char* name;
    QString q;
    QString s;
    const char* model; // the model the failure-rate list gives the class
    double expectedMin;
    double expectedMax;
};
void PrintTo(const MilCase& c, std::ostream* os) { *os << c.name; }

class ShippedMil : public ShippedDb, public ::testing::WithParamInterface<MilCase> {};

TEST_P(ShippedMil, RateFollowsTheHandbook)
{
    const MilCase& c = GetParam();
    const QString r = c.q.startsWith(u"Bac=1") || c.q.startsWith(u"Bac=2") || c.q.startsWith(u"Bac=3")
                          ? QStringLiteral("Tur=40,Tj=55")
                          : QStringLiteral("Tur=40,Tb=60");
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=2,Envm=Gf"), c.q, c.s, r);
    FitMil();
    const QString& result = p().WorkStr[8];
    EXPECT_EQ(p().WorkStr[7].toStdString(), "");
    EXPECT_EQ(::GetParam(result, QStringLiteral("Bacm")).toStdString(), c.model);
    const ParamPair fit = GetParamPair(result, QStringLiteral("Fitm"));
    ASSERT_FALSE(fit.textMin.isEmpty()) << result.toStdString();
    // Fitm is written with three decimals
    EXPECT_NEAR(fit.valueMin, c.expectedMin, 5e-4 + 1e-6 * c.expectedMin);
    EXPECT_NEAR(fit.valueMax, c.expectedMax, 5e-4 + 1e-6 * c.expectedMax);
}

// Resistor: lambda_b = A exp(B ((T+273)/NT)^G) exp(((S/NS) ((T+273)/273)^J)^H), RN:
// A .325, B 1, NT 343, G 3, NS 1, J 1, H 1; S = 250 mW / 500 mW; T ambient 40.
const double filmResistor = .325 * exp(pow(313.0 / 343, 3)) * exp(.5 * (313.0 / 273));
// Capacitor: lambda_b = A ((S/NS)^H + 1) exp(B ((T+273)/NT)^G). CK: A .99, NS .3,
// H 3, B 1, G 1, NT 358; CSR: A .05, NS .4, H 3, B 2.6, G 9, NT 398; S .5.
const double ceramic = .99 * (pow(.5 / .3, 3) + 1) * exp(313.0 / 358);
const double tantalum = .05 * (pow(.5 / .4, 3) + 1) * exp(2.6 * pow(313.0 / 398, 9));
// Monolithic microcircuit: (C1 pi_T + C2 pi_E) pi_Q; C2 non-hermetic .36 Np^1.08,
// hermetic DIP .28 Np^1.08; pi_E Gf 2; pi_Q CSP 10, B 1 to CSH 10.
const double cmosLogic = 20 * icTemperature(.35, 55) + 2 * .36 * pow(16, 1.08);    // MOS 101-1000 gates
const double linear = 10 * icTemperature(.65, 55) + 2 * .28 * pow(8, 1.08);         // 1-100 transistors
const double staticRam = 15.6 * icTemperature(.6, 55) + 2 * .36 * pow(28, 1.08);    // MOS SRAM 16K-64K
// Discrete semiconductors: lambda_b pi_T pi_A pi_R pi_S pi_Q pi_E, pi_E Gf 6,
// pi_Q JANTX 1 to plastic 8.
const double diode = 3.8 * arrhenius(3091, 55) * .054 * 6;                          // S .3: pi_S .054
const double bipolar = .74 * arrhenius(2114, 55) * .7 * pow(.5, .37) * (.045 * exp(3.1 * .5)) * 6;
const double mosfet = 12 * arrhenius(1925, 55) * 4 * 6;                              // 10 W: pi_A 4
const double led = .23 * arrhenius(2790, 55) * 2;                                    // pi_E Gf 2
// Relay: lambda_b = A exp(((T+273)/T0)^P), A 5.55, T0 352, P 15.7 at Tb 60; pi_L
// resistive S .3: exp((.3/.8)^2); pi_C 2 contacts 2 x 2/3; pi_CYC .1 to 1; pi_F 4;
// pi_Q P .3 to U .6; pi_E Gf 2.
const double relayBase = 5.55 * exp(pow(333.0 / 352, 15.7)) * exp(pow(.3 / .8, 2)) * (2 * 2 / 3.0) * 4 * 2;
// Switch: lambda_b .45 pi_L pi_C 1 pi_CYC 1 pi_Q 1 pi_E Gf 3.
const double toggle = .45 * exp(pow(.3 / .8, 2)) * 3;
// Connector: lambda_b = A exp(-B/(T+273) + ((T+273)/T0)^P), material B: A 431,
// B 2073.6, T0 423, P 4.66; pi_P = exp(((N-1)/10)^.51064) with 10 pins; pi_E Gf 1.
const double connector = 431 * exp(-2073.6 / 313 + pow(313.0 / 423, 4.66)) * exp(pow(.9, .51064));
// IC socket: .42 pi_P (16 pins) pi_E Gf 3.
const double socket = .42 * exp(pow(1.5, .51064)) * 3;
// Coil rated 105 degC: lambda_b = .379 exp(((THS+273)/352)^14), THS = 40 + 1.1 x 20;
// pi_Q 1; pi_E Gf 6.
const double coil = .379 * exp(pow(335.0 / 352, 14)) * 6;
// Crystal: .013 f^.23 per 10^6 h at 10 MHz; pi_Q 1; pi_E Gf 3.
const double crystal = 13 * pow(10, .23) * 3;

INSTANTIATE_TEST_SUITE_P(
    Families, ShippedMil,
    ::testing::Values(
        // pi_Q R .1 to MIL 5; pi_E Gf 4
        MilCase{"filmResistor", "Bac=4210,Tec=0000,Nmax=500", "Nmw=250", "4RN", .1 * filmResistor * 4,
                5 * filmResistor * 4},
        // pi_CV 1 under reference conditions; pi_Q R .1 to MIL 3; pi_E Gf 2
        MilCase{"ceramicCapacitor", "Bac=4110,Tec=2000,Umax=50", "Ub=25", "4CK", .1 * ceramic * 2, 3 * ceramic * 2},
        // pi_SR .2 under reference conditions; pi_Q R .1 to L 1.5; pi_E Gf 2
        MilCase{"tantalumCapacitor", "Bac=4120,Tec=1000,Umax=20", "Ub=10", "4CFCS", .1 * tantalum * .2 * 2,
                1.5 * tantalum * .2 * 2},
        MilCase{"digitalIc", "Bac=1410,Tec=4002,K1=1000g,Gec=DIP,Pin=16", "", "1DIGMOS1K", 10 * cmosLogic,
                10 * cmosLogic},
        MilCase{"linearIc", "Bac=1610,Tec=1001,K1=50t,Gec=DIK1,Pin=8", "", "1LIN100", linear, 10 * linear},
        MilCase{"memory", "Bac=1140,Tec=4002,K1=64Kb,Gec=CCP,Pin=28", "", "1MEMSRAM64K", 10 * staticRam,
                10 * staticRam},
        MilCase{"generalPurposeDiode", "Bac=2510,Tec=0000,Umax=100", "Ub=30", "2DIOLFGPA", diode, 8 * diode},
        // switching application .7; 500 mW: pi_R = .5^.37; S .5: pi_S = .045 exp(3.1 x .5)
        MilCase{"bipolarTransistor", "Bac=2110,Tec=1000,Umax=20,Nmax=500", "Ub=10,Drift=0", "2TRLFBIP", bipolar,
                8 * bipolar},
        MilCase{"fieldEffectTransistor", "Bac=2110,Tec=2000,Nmax=10000", "", "2TRLFMOSFET", mosfet, 8 * mosfet},
        MilCase{"led", "Bac=3210,Tec=0000", "", "3LED", led, 8 * led},
        MilCase{"relay", "Bac=5310,Tec=1210,Vf=2", "", "5RELGP", relayBase * .1 * .3, relayBase * 1 * .6},
        MilCase{"switch", "Bac=5410,Tec=0000,Vf=1", "", "5SWTOG", toggle, toggle},
        MilCase{"connector", "Bac=5210,Tec=1000,Vf=10", "", "5CONB", connector, connector},
        MilCase{"socket", "Bac=5240,Tec=1000,Vf=16", "", "5ICSOCKET", socket, socket},
        MilCase{"inductor", "Bac=4320,Tec=0000", "", "4ICOIL", coil, coil},
        MilCase{"crystal", "Bac=4610,Tec=0000,Fnen=10", "", "4QCRYSTAL", crystal, crystal}));

// The summary position of a sub-list has its MIL-HDBK-217F model, so that the
// reports do not show the MIL result of every list as incomplete.
TEST_F(ShippedDb, SummaryPositionHasAMilRate)
{
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=2,Envm=Gb"), QStringLiteral("Bac=5112"), {},
                 QStringLiteral("Tur=40,Tb=40"));
    FitMil();
    EXPECT_EQ(p().WorkStr[7].toStdString(), "");
    // reflow solder .069 per connection, pi_E Gb 1
    EXPECT_EQ(GetParam(p().WorkStr[8], QStringLiteral("Fitm")).toStdString(), "0.069");
}

// Relays have no environment factor for cannon launch in the handbook: the model
// stops with its code rather than count a factor of 0.
TEST_F(ShippedDb, RelayInAnEnvironmentWithoutFactorReportsTheCode)
{
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=2,Envm=Cl"), QStringLiteral("Bac=5310,Tec=1210,Vf=1"),
                 {}, QStringLiteral("Tur=40,Tb=60"));
    FitMil();
    EXPECT_TRUE(p().WorkStr[7].contains(QStringLiteral("Err=EnvMil"))) << p().WorkStr[7].toStdString();
    EXPECT_TRUE(GetParam(p().WorkStr[8], QStringLiteral("Fitm")).isEmpty());
}

} // namespace
