#include "calculation/mil.h"
#include "calculation/milfixture.h"

using miltest::pi;
using miltest::txt;

namespace {

struct QualityRow {
    const char* name;
    QString model;
    QString qc;
    QString q;
    QString s;
    QString methods;
    double expectedMin;
    double expectedMax;
    QString expectedR;
    QString expectedF;
};
void PrintTo(const QualityRow& row, std::ostream* os) { *os << row.name; }

class QualityFactor : public miltest::MilFixture, public ::testing::WithParamInterface<QualityRow> {
protected:
    QualityFactor()
    {
        table(QStringLiteral("1Q"), QStringLiteral("B=1,CSH=2,CSP=10"));
        table(QStringLiteral("2Q"), QStringLiteral("JANTX=1,Lower=5,Plastic=8"));
        table(QStringLiteral("4Q4"), QStringLiteral("R=.1,L=1.5"));
        table(QStringLiteral("4Q1"), QStringLiteral("R=.1,MIL=5"));
        table(QStringLiteral("5Q"), QStringLiteral("R=.3,P=1,U=2,M=3,L=4,MIL=1"));
        table(QStringLiteral("2QHF"), QStringLiteral("JANTX=1,JAN=2,LOWER=5"));
        table(QStringLiteral("4Q7"), QStringLiteral("MIL=1,LOWER=3"));
    }
};

TEST_P(QualityFactor, TakesMostSpecificSource)
{
    const QualityRow& row = GetParam();
    work(row.q, row.s, QString(), row.methods);
    double qMin = -1, qMax = -1;
    const bool ok = MilQFakt(row.model, row.qc, qMin, qMax);
    EXPECT_EQ(ok, row.expectedF.isEmpty());
    EXPECT_FLOAT_EQ(qMin, row.expectedMin);
    EXPECT_FLOAT_EQ(qMax, row.expectedMax);
    EXPECT_EQ(txt(R()), txt(pi(row.expectedR.toUtf8().constData())));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

const QString Run = QStringLiteral("Norm=2");

INSTANTIATE_TEST_SUITE_P(
    Table, QualityFactor,
    ::testing::Values(
        QualityRow{"stressFactorWinsOverEveryClass", "1DIG", "1Q", "Bac=1410,Qkm=CSP,πqem=7",
                   "πqem=2/3,Qkm=B", Run + ",Qk1m=CSH", 2, 3, "", ""},
        QualityRow{"stressClass", "1DIG", "1Q", "Bac=1410,πqem=7", "Qkm=csh", Run, 2, 2, ",πqm=2", ""},
        QualityRow{"componentFactor", "1DIG", "1Q", "Bac=1410,πqem=4,Qkm=B", "", Run, 4, 4, "", ""},
        QualityRow{"componentClassPair", "1DIG", "1Q", "Bac=1410,Qkm=B/CSP", "", Run, 1, 10, ",πqm=1/10", ""},
        QualityRow{"runFactor", "1DIG", "1Q", "Bac=1410", "", Run + ",πq1em=3,Qk1m=B", 3, 3, "", ""},
        QualityRow{"runClassOfTheFamily", "1DIG", "1Q", "Bac=1410", "", Run + ",Qk2m=B,Qk1m=CSH", 2, 2, ",πqm=2",
                   ""},
        QualityRow{"optoUsesSemiconductorKey", "3LED", "2Q", "Bac=3110", "", Run + ",Qk2m=Lower", 5, 5, ",πqm=5",
                   ""},
        QualityRow{"classOneIsNotReported", "1DIG", "1Q", "Bac=1410,Qkm=B", "", Run, 1, 1, "", ""},
        QualityRow{"defaultHermeticMicrocircuit", "1DIG", "1Q", "Bac=1410,Tec=1001", "", Run, 1, 2,
                   ",Qkvm=B/CSH,πqm=1/2", ""},
        QualityRow{"defaultPlasticMicrocircuit", "1DIG", "1Q", "Bac=1410,Tec=1002", "", Run, 10, 10,
                   ",Qkvm=CSP,πqm=10", ""},
        QualityRow{"defaultSemiconductorTechnology0", "2DIOLFS", "2Q", "Bac=2111,Tec=2110", "", Run, 1, 8,
                   ",Qkvm=JANTX/Plastic,πqm=1/8", ""},
        QualityRow{"emptyTechnologyCountsAs0000", "2DIOLFS", "2Q", "Bac=2111", "", Run, 1, 8,
                   ",Qkvm=JANTX/Plastic,πqm=1/8", ""},
        QualityRow{"defaultSemiconductorTechnology1", "2DIOLFS", "2Q", "Bac=2111,Tec=2111", "", Run, 1, 5,
                   ",Qkvm=JANTX/Lower,πqm=1/5", ""},
        QualityRow{"defaultSemiconductorOther", "3LED", "2Q", "Bac=3111,Tec=2112", "", Run, 8, 8,
                   ",Qkvm=Plastic,πqm=8", ""},
        // a table without plastic level: plastic parts take its lowest level
        QualityRow{"defaultPlasticWithoutPlasticLevel", "2TRHFBIP", "2QHF", "Bac=2211,Tec=2110", "", Run, 1, 5,
                   ",Qkvm=JANTX/Lower,πqm=1/5", ""},
        QualityRow{"defaultOtherWithoutPlasticLevel", "2TRHFBIP", "2QHF", "Bac=2211,Tec=2112", "", Run, 5, 5,
                   ",Qkvm=Lower,πqm=5", ""},
        QualityRow{"explicitPlasticWithoutPlasticLevel", "2TRHFBIP", "2QHF", "Bac=2211,Qkm=Plastic", "", Run, -1, -1,
                   "", ",Err=QualMil"},
        // resistor networks have only MIL-SPEC and lower quality
        QualityRow{"defaultResistorNetwork", "4RZ", "4Q7", "Bac=4250", "", Run, 1, 1, ",Qkvm=MIL", ""},
        QualityRow{"defaultResistorTable4Q4", "4RC", "4Q4", "Bac=4111", "", Run, .1f, 1.5,
                   ",Qkvm=R/L,πqm=0.1/1.5", ""},
        QualityRow{"defaultPassiveOther", "4RC", "4Q1", "Bac=4111", "", Run, .1f, 5, ",Qkvm=R/MIL,πqm=0.1/5", ""},
        QualityRow{"defaultConnector", "5CON", "5Q", "Bac=5210", "", Run, 1, 1, ",Qkvm=MIL", ""},
        QualityRow{"defaultRelayTec13", "5REL", "5Q", "Bac=5510,Tec=1300", "", Run, .3f, 1, ",Qkvm=R/P,πqm=0.3/1",
                   ""},
        QualityRow{"defaultRelayTec12", "5REL", "5Q", "Bac=5310,Tec=1200", "", Run, 1, 2, ",Qkvm=P/U,πqm=1/2", ""},
        QualityRow{"defaultRelayTec22", "5REL", "5Q", "Bac=5310,Tec=2200", "", Run, 2, 3, ",Qkvm=U/M,πqm=2/3", ""},
        QualityRow{"defaultRelayTec31", "5REL", "5Q", "Bac=5510,Tec=3100", "", Run, 3, 4, ",Qkvm=M/L,πqm=3/4", ""},
        QualityRow{"defaultRelayOther", "5REL", "5Q", "Bac=5510,Tec=4100", "", Run, 4, 1, ",Qkvm=L/MIL,πqm=4/1",
                   ""},
        QualityRow{"familyWithoutDefault", "7X", "1Q", "Bac=1410", "", Run, -1, -1, "", ""},
        // Mended: a class without entry stops the model with a code, not a factor 0.
        QualityRow{"classMissingInTable", "1DIG", "1Q", "Bac=1410,Qkm=S", "", Run, -1, -1, "", ",Err=QualMil"},
        QualityRow{"tableMissing", "1DIG", "1QQ", "Bac=1410,Qkm=B", "", Run, -1, -1, "", ",Err=QualMil"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(QualityFactor, DefaultClassAndFactorAreReportedOnce)
{
    work("Bac=1410,Tec=1001", "");
    double qMin = 0, qMax = 0;
    MilQFakt("1DIG", "1Q", qMin, qMax);
    MilQFakt("1DIG", "1Q", qMin, qMax);
    EXPECT_EQ(txt(R()), txt(pi(",Qkvm=B/CSH,πqm=1/2")));
}

struct LoadRow {
    const char* name;
    QString q;
    QString s;
    QString control;
    double expectedMin;
    double expectedMax;
    QString expectedR;
};
void PrintTo(const LoadRow& row, std::ostream* os) { *os << row.name; }

class LoadFactor : public miltest::MilFixture, public ::testing::WithParamInterface<LoadRow> {
protected:
    LoadFactor()
    {
        normRow(QStringLiteral("55100000"), 0, QStringLiteral("5REL"), QStringLiteral("R55"));
        normData(QStringLiteral("R55"), QStringLiteral("Labv=2,Klv=R,Labvb=2,Klvb=R"));
        // class 53 is looked up with characters 4 and 7 set to 0
        normRow(QStringLiteral("53100000"), 0, QStringLiteral("5REL"), QStringLiteral("R53"));
        normData(QStringLiteral("R53"), QStringLiteral("Labv=1,Klv=R,Labvb=2/3,Klvb=L"));
    }
};

TEST_P(LoadFactor, IsExpOfSquaredStressOverDivisor)
{
    const LoadRow& row = GetParam();
    work(row.q, row.s, QString(), QStringLiteral("Norm=2"), row.control);
    double lMin = -1, lMax = -1;
    MilLastFakt(lMin, lMax);
    EXPECT_NEAR(lMin, row.expectedMin, 5e-4);
    EXPECT_NEAR(lMax, row.expectedMax, 5e-2);
    EXPECT_EQ(txt(R()), txt(pi(row.expectedR.toUtf8().constData())));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFactor,
    ::testing::Values(
        // relay class 55: R below, C above; S = 1/2: exp((.5/.8)^2) = 1.47790, exp((.5/.2)^2) = 518.013
        LoadRow{"relay55WithCurrents", "Bac=5510,Imax=2", "Ib=1", "Re=Ref", 1.47790, 518.013,
                ",Labv=2,Klv=R,πlm=1.48/518.01"},
        // lamp load without current: S = .7, exp((.7/.4)^2) = 21.3809
        LoadRow{"lampLoadWithoutCurrent", "Bac=5314", "", "Re=Ber", 21.3809, 21.3809,
                ",Labv=2/3,Klv=L,Viv=0.7,πlm=21.38"},
        // given types: F .3 -> exp((.3/.8)^2) = 1.15099, C .3 -> exp((.3/.2)^2) = 9.48774
        LoadRow{"stressDataTypes", "Bac=5314", "Kl=F/C,Lab=2", "Re=Ber", 1.15099, 9.48774,
                ",Viv=0.3,πlm=1.15/9.49"},
        LoadRow{"loadKindOne", "Bac=5314", "", "Re=Ref", 1.33, 1.33, ",Labv=1,Klv=R"},
        LoadRow{"unknownTypeTakesPreviousBound", "Bac=5314", "Kl=R/X,Lab=2", "Re=Ber", 1.15099, 1.15099,
                ",Viv=0.3,πlm=1.15"},
        LoadRow{"noDataCodeLeavesValues", "Bac=5999", "Kl=R,Lab=2", "Re=Ber", -1, -1, ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(LoadFactor, CurrentWithoutRatingWarns)
{
    work("Bac=5314", "Ib=1,Kl=R,Lab=2", QString(), QStringLiteral("Norm=2"), QStringLiteral("Re=Ber"));
    double lMin = 0, lMax = 0;
    MilLastFakt(lMin, lMax);
    EXPECT_NEAR(lMin, 1.15099, 5e-4); // default S .3 for a resistive load
    EXPECT_TRUE(F().startsWith(",Warn=IbImax")) << F().toStdString();
}

} // namespace
