#include "calculation/mil.h"
#include "calculation/milfixture.h"

using miltest::pi;
using miltest::txt;

namespace {

class MilDriver : public miltest::MilFixture {
protected:
    MilDriver()
    {
        record(QStringLiteral("1DIG"), QStringLiteral("Ar=10,Qc=1Q,Ec=1E"));
        table(QStringLiteral("1Q"), QStringLiteral("CSP=10"));
        table(QStringLiteral("1E"), QStringLiteral("Gb=.5"));
    }
};

struct ShortCutRow {
    const char* name;
    QString q;
    QString s;
    QString f;
    QString expectedR;
    QString expectedF;
};
void PrintTo(const ShortCutRow& row, std::ostream* os) { *os << row.name; }
class IndividualRate : public MilDriver, public ::testing::WithParamInterface<ShortCutRow> {};

TEST_P(IndividualRate, GivesKfmTimesVfTimesArem)
{
    const ShortCutRow& row = GetParam();
    normRow(QStringLiteral("49990000"), 0, QString()); // a class without model
    work(row.q, row.s, QString(), QStringLiteral("Norm=2,Envm=Gb"), QStringLiteral("Re=Ber"), row.f);
    FitMil();
    EXPECT_EQ(txt(R()), txt(row.expectedR));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

INSTANTIATE_TEST_SUITE_P(
    Table, IndividualRate,
    ::testing::Values(
        // 3 x 2 x 5 = 30, 3 x 2 x 10 = 60; the model name of Q is not written
        ShortCutRow{"stressData", "Bac=4111,Bacm=4RC,Vf=2", "Arem=5/10,Kfm=3", "", ",Fitm=30/60", ""},
        ShortCutRow{"componentData", "Bac=4111,Bacm=4RC,Arem=4,Kfm=2", "", "", ",Fitm=8", ""},
        ShortCutRow{"stressBeforeComponent", "Bac=4111,Bacm=4RC,Arem=4,Kfm=2", "Arem=1,Kfm=5", "", ",Fitm=5", ""},
        // 3 x 1.5 = 4.5: the count keeps its fraction
        ShortCutRow{"vfiBeforeVf", "Bac=4111,Bacm=4RC,Vf=2", "Vfi=1.5,Arem=3", "", ",Fitm=4.5", ""},
        ShortCutRow{"displayCountIgnored", "Bac=3221,Bacm=3X,Vf=4", "Arem=2", "", ",Fitm=2", ""},
        ShortCutRow{"relayCountIgnored", "Bac=5530,Bacm=5X,Vf=4", "Arem=2", "", ",Fitm=2", ""},
        ShortCutRow{"class51KeepsCount", "Bac=5110,Bacm=5X,Vf=4", "Arem=2", "", ",Fitm=8", ""},
        ShortCutRow{"class56KeepsCount", "Bac=5610,Bacm=5X,Vf=4", "Arem=2", "", ",Fitm=8", ""},
        ShortCutRow{"hybridCountIgnored", "Bac=1410,Bacm=1HYBTRARRAY,Vf=4", "Arem=2", "", ",Fitm=2", ""},
        ShortCutRow{"zeroRateWritten", "Bac=4111,Bacm=4RC", "Arem=0", "", ",Fitm=0", ""},
        // the look-up finds no model and writes BacMil; the individual rate removes it
        ShortCutRow{"classWithoutModel", "Bac=4999", "Arem=2", "", ",Fitm=2", ""},
        ShortCutRow{"classWithoutModelKeepsWarnings", "Bac=4999", "Arem=2", ",Warn=Tb", ",Fitm=2", ",Warn=Tb"},
        ShortCutRow{"nullFitCodesDoNotBlock", "Bac=4111,Bacm=4RC", "Arem=2", ",Err=NullFitSin,Err=NullFitAws",
                    ",Fitm=2", ",Err=NullFitSin,Err=NullFitAws"},
        ShortCutRow{"warningsDoNotBlock", "Bac=4111,Bacm=4RC", "Arem=2", ",Warn=Tu", ",Fitm=2", ",Warn=Tu"},
        ShortCutRow{"otherErrorBlocks", "Bac=4111,Bacm=4RC", "Arem=2", ",Err=Btd", "", ",Err=Btd"},
        ShortCutRow{"errorAfterNullFitBlocks", "Bac=4111,Bacm=4RC", "Arem=2", ",Err=NullFitSin,Err=Vf", "",
                    ",Err=NullFitSin,Err=Vf"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(MilDriver, NullFitCodesLetTheModelsRun)
{
    work("Bac=1410,Tec=1002,Gec=DIP,Pin=16,Bacm=1DIG", "", "Tj=25", QStringLiteral("Norm=2,Envm=Gb"),
         QStringLiteral("Re=Ber"), ",Err=NullFitSin");
    FitMil();
    EXPECT_TRUE(R().endsWith(",Fitm=45.952")) << R().toStdString();
    EXPECT_EQ(txt(F()), txt(",Err=NullFitSin"));
}

TEST_F(MilDriver, ModelNameOfComponentDataIsUpperCased)
{
    work("Bac=1410,Tec=1002,Gec=DIP,Pin=16,Bacm=1dig", "", "Tj=25");
    FitMil();
    EXPECT_TRUE(R().endsWith(",Fitm=45.952")) << R().toStdString();
    EXPECT_FALSE(R().contains("Bacm="));
}

TEST_F(MilDriver, ModelOfTheTableIsWritten)
{
    normRow(QStringLiteral("14101002"), 1000, QStringLiteral("1DIG"));
    work("Bac=1410,Tec=1002,Gec=DIP,Pin=16,K1=200", "", "Tj=25");
    FitMil();
    EXPECT_EQ(txt(F()), txt(""));
    EXPECT_EQ(txt(R()), txt(pi("Tj=25,Bacm=1DIG,C1m=10,Eam=.4,πtm=0.1,C2m=7.19,Qkvm=CSP,πqm=10,πem=0.5,Fitm=45.952")));
}

TEST_F(MilDriver, MicrocircuitWithoutComplexityHasNoModel)
{
    normRow(QStringLiteral("14101002"), 1000, QStringLiteral("1DIG"));
    work("Bac=1410,Tec=1002,Gec=DIP,Pin=16", "", "Tj=25");
    FitMil();
    EXPECT_EQ(txt(R()), txt("Tj=25"));
    EXPECT_EQ(txt(F()), txt(",Err=Kom"));
}

TEST_F(MilDriver, UnknownFamilyGivesNoRate)
{
    work("Bac=4111,Bacm=9XYZ", "", "Tj=25");
    FitMil();
    EXPECT_EQ(txt(R()), txt("Tj=25"));
    EXPECT_EQ(txt(F()), txt(""));
}

TEST_F(MilDriver, LinearDiodeOfTheTableTakesTheAnalogModel)
{
    record(QStringLiteral("2DIOLFS"), QStringLiteral("Ar=3.8,Qc=2Q,Ec=2E"));
    record(QStringLiteral("2DIOLFGPA"), QStringLiteral("Ar=1,Qc=2Q,Ec=2E"));
    table(QStringLiteral("2E"), QStringLiteral("Gb=1"));
    normRow(QStringLiteral("21110000"), 0, QStringLiteral("2DIOLFS"));
    work("Bac=2111", "Drift=1", "Tj=25", QStringLiteral("Norm=2,Envm=Gb,πq2em=1"));
    FitMil();
    // the analog model's rate: 1 x .7^2.43 = .420
    EXPECT_EQ(txt(R()), txt(pi("Tj=25,Bacm=2DIOLFGPA,C1m=1,Vuv=.7,πsm=0.42,Fitm=0.42")));
}

TEST_F(MilDriver, ModelPairOfTheTableIsWrittenWithSlash)
{
    normRow(QStringLiteral("21110000"), 0, QStringLiteral(" 2DIOLFS/2DIOLFPRF "));
    work("Bac=2111", "Drift=1", "Tj=25");
    FitMil();
    EXPECT_TRUE(R().startsWith("Tj=25,Bacm=2DIOLFGPA/2DIOLFPRF")) << R().toStdString();
}

// A passive lower model and an electromechanical upper model: the smaller of the
// lower values and the greater of the upper values.
TEST_F(MilDriver, TwoFamiliesGiveTheWiderRange)
{
    record(QStringLiteral("4X"), QStringLiteral("Ar=6.5,Pq=1,Ec=4E"));
    record(QStringLiteral("5X"), QStringLiteral("Ar=2,Ec=5E"));
    table(QStringLiteral("4E"), QStringLiteral("Gb=1"));
    table(QStringLiteral("5E"), QStringLiteral("Gb=1"));
    work("Bac=5110,Vf=4,Bacm=4X/5X", "", "Tj=25");
    FitMil();
    // 4 x 6.5 = 26 and 4 x 2 = 8
    EXPECT_EQ(txt(R()), txt("Tj=25,Arm=6.5,Arm=2,Fitm=8/26"));
}

} // namespace
