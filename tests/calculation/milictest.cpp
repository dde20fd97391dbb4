#include "calculation/mil.h"
#include "calculation/milfixture.h"

using miltest::pi;
using miltest::txt;

namespace {

struct IcRow {
    const char* name;
    QString q;
    QString s;
    QString r;   // operating conditions before the call
    QString expectedR;
    QString expectedF;
};
void PrintTo(const IcRow& row, std::ostream* os) { *os << row.name; }

class Microcircuit : public miltest::MilFixture, public ::testing::WithParamInterface<IcRow> {
protected:
    Microcircuit()
    {
        for (const char* m : {"1DIG", "1LIN01", "1VHSIC", "1DIGGAAS", "1MEM"})
            record(QString::fromLatin1(m), QStringLiteral("Ar=10,Qc=1Q,Ec=1E"));
        record(QStringLiteral("1NOENV"), QStringLiteral("Ar=10,Qc=1Q,Ec=1X"));
        record(QStringLiteral("1NOQ"), QStringLiteral("Ar=10,Qc=1QX,Ec=1E"));
        record(QStringLiteral("1ZERO"), QStringLiteral("Ar=0,Qc=1Q,Ec=1E"));
        table(QStringLiteral("1Q"), QStringLiteral("B=1,CSH=2,CSP=10"));
        table(QStringLiteral("1QX"), QStringLiteral("B=1"));
        table(QStringLiteral("1E"), QStringLiteral("Gb=.5,Gf=2"));
        table(QStringLiteral("1X"), QStringLiteral("Gf=2"));
    }
};

// Through FitMil, so that the multiple factor and the Fitm rule take part. The
// model name stands in the component data: no Bacm key is written.
TEST_P(Microcircuit, ComputesRateAndReports)
{
    const IcRow& row = GetParam();
    work(row.q, row.s, row.r);
    FitMil();
    EXPECT_EQ(txt(R()), txt(pi(row.expectedR.toUtf8().constData())));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

const QString Dip16 = QStringLiteral("Tec=1002,Gec=DIP,Pin=16,");

// C2 (non-hermetic) = 0.36 x 16^1.08 = 7.19038; piE 0.5; default class CSP: piQ 10.
// piT = 0.1 exp((Ea/8.617e-5)(1/298 - 1/(Tj+273))).
INSTANTIATE_TEST_SUITE_P(
    Table, Microcircuit,
    ::testing::Values(
        // 10 x (10 x 0.1 + 0.5 x 7.19038) = 45.952
        IcRow{"monolithicAt25", "Bac=1410," + Dip16 + "Bacm=1DIG", "Tei=0", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=45.952", ""},
        // piT(85) = 0.1 exp(4641.98 x 5.6241e-4) = 1.36085; 10 x (13.6085 + 3.59519) = 172.037
        IcRow{"monolithicAt85", "Bac=1410," + Dip16 + "Bacm=1DIG", "Tei=60", "Tj=85",
              "Tj=85,C1m=10,Eam=.4,πtm=1.36,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=172.037", ""},
        IcRow{"junctionFromTref", "Bac=1410," + Dip16 + "Bacm=1DIG", "", "Tj=0/0,Tref=25",
              "Tj=0/0,Tref=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=45.952", ""},
        // 3 x 45.952 = 137.856
        IcRow{"partialUseFactor", "Bac=1410," + Dip16 + "Vf=3,Bacm=1DIG", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=137.856", ""},
        // Kfm multiplies the die only: 10 x (2 x 10 x 0.1 + 3.59519) = 55.952
        IcRow{"multipleFactorOnDieOnly", "Bac=1410," + Dip16 + "Bacm=1DIG", "Kfm=2", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=55.952", ""},
        // Ea 0.65 although Bac2 11 gives 0.6: piT(85) = 6.95730; 10 x (69.5730 + 3.59519) = 731.682
        IcRow{"linearModelEnergy", "Bac=1110," + Dip16 + "Bacm=1LIN01", "", "Tj=85",
              "Tj=85,C1m=10,Eam=.65,πtm=6.96,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=731.682", ""},
        // GaAs reference 423 K: piT(150) = 0.1
        IcRow{"gaasAt150", "Bac=1410," + Dip16 + "Bacm=1DIGGAAS", "", "Tj=150",
              "Tj=150,C1m=10,Eam=1.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=45.952", ""},
        // digital GaAs has 1.4 eV: piT(125) = 0.1 exp(1.4/8.617e-5 x (1/423 - 1/398))
        // = 0.1 exp(-2.41263) = .0089568; 10 x (.089568 + 3.59519) = 36.848
        IcRow{"gaasDigitalEnergy", "Bac=1410," + Dip16 + "Bacm=1DIGGAAS", "", "Tj=125",
              "Tj=125,C1m=10,Eam=1.4,πtm=0.01,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=36.848", ""},
        // hermetic, unknown housing: 0.28 x 16^1.08 = 5.59252; class B/CSH: 1 x (1 + 2.79626) = 3.796,
        // 2 x 3.79626 = 7.593
        IcRow{"hermeticUnknownHousing", "Bac=1410,Tec=1001,Gec=XYZ,Pin=16,Bacm=1DIG", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=5.59,Qkvm=B/CSH,πqm=1/2,πem=0.5,Fitm=3.796/7.593", ",Warn=GecMil"},
        // no package rate: 10 x (10 x 0.1) = 10
        IcRow{"technologyWithoutPackageRate", "Bac=1410,Tec=1004,Gec=DIP,Pin=16,Bacm=1DIG", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=0,Qkvm=CSP,πqm=10,πem=0.5,Fitm=10", ",Warn=C2Mil"},
        IcRow{"bareChip", "Bac=1410,Tec=1002,Gec=chip,Pin=16,Bacm=1DIG", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1", ",Err=ChipMil"},
        IcRow{"chipTechnology", "Bac=1410,Tec=1003,Gec=DIP,Pin=16,Bacm=1DIG", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1", ",Err=ChipMil"},
        IcRow{"noRecord", "Bac=1410," + Dip16 + "Bacm=1NONE", "", "Tj=25", "Tj=25", ",Err=BacMil"},
        IcRow{"zeroDieRate", "Bac=1410," + Dip16 + "Bacm=1ZERO", "", "Tj=25", "Tj=25", ",Err=BacMil"},
        // Mended: a missing environment or quality entry stops the model with a code
        // instead of giving the factor 0.
        IcRow{"missingEnvironmentEntry", "Bac=1410," + Dip16 + "Bacm=1NOENV", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10", ",Err=EnvMil"},
        IcRow{"missingQualityEntry", "Bac=1410," + Dip16 + "Bacm=1NOQ", "", "Tj=25",
              "Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP", ",Err=QualMil"},
        // VHSIC, K1 200K without chip data: area 80/200 mm2, feature 0.8/1.0 um;
        // piCD = 80 x 0.64/21 x (2/1)^2 + 0.36 = 10.1124, 200 x 0.64/21 x (2/0.8)^2 + 0.36 = 38.4552;
        // C2 = 1.3 x (2.2 + 0.0172 x 16) = 3.21776; Ea 0.35 although Bac2 is 11;
        // 0.55 x 10 x 0.1 x 10.1124 + 0.5 x 3.21776 x 10 + 65 = 86.651, with 38.4552: 102.239
        IcRow{"vhsicDefaults", "Bac=1110," + Dip16 + "K1=200K,Bacm=1VHSIC", "", "Tj=25",
              "Tj=25,C1m=10,Achipv=80/200,Sacv=0.8/1,πcdm=10.11/38.46,Eam=.35,πtm=0.1,C2m=3.22,Eosvm=65,"
              "Qkvm=CSP,πqm=10,πem=0.5,πmfgv=0.55,Fitm=86.651/102.239",
              ""},
        // EEPROM (Bac 116x, Ea 0.6), 16K bits at Tj 60: B1 = 1, A1 = 6.817e-3 x cycles; piT(60) = 1.16564;
        // 10 x (11.6564 + 3.59519 + 0.6817) = 159.333, with 68.17: 834.216
        IcRow{"eepromDefaults", "Bac=1160," + Dip16 + "K1=16K,Bacm=1MEM", "", "Tj=60",
              "Tj=60,C1m=10,Eam=.6,πtm=1.17,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Pcycv=100/10K,Syltv=10K,"
              "Arcycm=0.7/68.2,Fitm=159.333/834.216",
              ""}),
    [](const auto& i) { return std::string(i.param.name); });

// Mended: the cycles and the life are read, not moved out of the stress data, so a
// second calculation of the same component gives the same rate.
TEST_F(Microcircuit, EepromCyclesStayInStressData)
{
    // A1 = 6.817e-3 x 5000 = 34.085; 10 x (11.6564 + 3.59519 + 34.085) = 493.366
    work("Bac=1160," + Dip16 + "K1=16K,Bacm=1MEM", "Pcyc=5000,Sylt=10000", "Tj=60");
    FitMil();
    EXPECT_EQ(txt(S()), txt("Pcyc=5000,Sylt=10000"));
    EXPECT_EQ(txt(R()), txt(pi("Tj=60,C1m=10,Eam=.6,πtm=1.17,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Pcyc=5000,Sylt=10000,"
                      "Arcycm=34.1,Fitm=493.366")));

    R() = "Tj=60";
    FitMil();
    EXPECT_TRUE(R().endsWith(",Fitm=493.366")) << R().toStdString();
}

TEST_F(Microcircuit, SecondRunWritesDocumentedValuesOnce)
{
    work("Bac=1410," + Dip16 + "Bacm=1DIG", "", "Tj=25");
    FitMil();
    FitMil();
    EXPECT_EQ(txt(R()), txt(pi("Tj=25,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=45.952,"
                      "C1m=10,πem=0.5,Fitm=45.952")));
}

} // namespace
