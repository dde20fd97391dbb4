#include "calculation/calcfixture.h"
#include "calculation/calcinterface.h"
#include "calculation/conditions.h"
#include "calculation/norm.h"

#include <gtest/gtest.h>

namespace {

// Expected texts write the factor marker as the Greek letter.
QString withPiMark(QString text)
{
    return text.replace(QChar(0x03C0), PiMark);
}

const QString kUserList = QStringLiteral(
    "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES ('23110000', 0, 1.5, 2.5, 55, 'D2311');\n"
    "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES ('24110000', 0, 3, 4, 40, 'D2411');\n"
    "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES ('25110000', 0, 0, 0, 40, 'D2511');\n");

// One position through PosBelastung and FitNorm, as the run calls them; the
// table checks what FitNorm adds to the R and F sections.
struct NormRow {
    const char* name;
    QString syPar;
    QString glPar;
    QString q;
    QString s;
    QString z;
    QString codesBefore; // codes of an earlier pass, added after PosBelastung
    int weighting;
    double ykBew;
    QString appended; // to slot 8 by FitNorm
    QString codes;    // to slot 7 by FitNorm
};
void PrintTo(const NormRow& r, std::ostream* os) { *os << r.name; }

class FitNormTable : public CalcTest, public ::testing::WithParamInterface<NormRow> {
protected:
    void SetUp() override
    {
        CalcTest::SetUp();
        openUserList(kUserList);
    }
};

TEST_P(FitNormTable, Computes)
{
    const NormRow& row = GetParam();
    setPosition(row.q, row.s, QString(), row.glPar, row.syPar);
    work(4) = row.z;
    PosBelastung(0);
    work(7) += row.codesBefore;
    const QString r = work(8), f = work(7);
    p().YkBewFaktor = row.ykBew;
    FitNorm(row.weighting);
    EXPECT_EQ(work(8).toStdString(), (r + withPiMark(row.appended)).toStdString());
    EXPECT_EQ(work(7), f + row.codes);
    // The calculation never changes the input sections.
    EXPECT_EQ(work(3), row.q);
    EXPECT_EQ(work(4), row.z);
    EXPECT_EQ(work(6), row.s);
}

const QString Ref = QStringLiteral("Re=Ref");
const QString Ber = QStringLiteral("Re=Ber");
const QString Norm1 = QStringLiteral("Norm=1,Tu=40,Env=Gb");
const QString Norm13 = QStringLiteral("Norm=13,Tu=40,Env=Gb");

// Temperature factor of class 2311 (A .9, Ea1 .3, Ea2 .6, Tref 55), g(x) = .9 e^(.3x) + .1 e^(.6x),
// z(T) = 11605 (1/313 - 1/(T + 273)):
//   z(55) = 1.69557, g = 1.773504;  z(45) = .582960, g = 1.213985;  z(70) = 2.43567, g = 3.081051
//   pi_t = 1.213985 / 1.773504 = .684508 and 3.081051 / 1.773504 = 1.737270
//   pi_tob at Tur 40: z = 0, g = 1: 1 / 1.773504 = .563901
INSTANTIATE_TEST_SUITE_P(
    Cases, FitNormTable,
    ::testing::Values(
        // 2 x Kf 2 x Vf 3 = 12, 8 x 2 x 3 = 48; the chip factor stays in the stress data.
        NormRow{"individualRate", Ber, "Norm=1,Tu=40", "Bac=4111,Vf=3", "Are=2/8,Kf=2,Chpf=1.5,Tei=5", "", "", 0, 0,
                ",Fit=12/48", ""},
        // Prefix 212 counts Vf 1; an individual rate is never weighted.
        NormRow{"individualRate212", Ber, Norm13, "Bac=2121,Vf=5", "Are=10,Tei=5", "", "", 1, .8, ",Fit=10,Fita=10",
                ""},
        NormRow{"individualRateVfZero", Ber, Norm1, "Bac=4111,Vf=0", "Are=3,Tei=5", "", "", 0, 0, ",Fit=3", ""},
        // Tj = Tref: no temperature factor.
        NormRow{"tableReference", Ref, Norm1, "Bac=2311,Vf=1", "", "", "", 0, 0, ",Ar=2/5,Fit=2/5", ""},
        // Tj 45/70: 2 x .684508 x 4 = 5.476, 5 x 1.737270 x 4 = 34.745.
        NormRow{"tableOperating", Ber, "Norm=1,Tu=40,Env=IEGm", "Bac=2311,Vf=1", "", "", "", 0, 0,
                ",Ar=2/5,A=.9,Ea1=.3,Ea2=.6,πt=0.68/1.74,πe=4,Fit=5.476/34.745", ""},
        // (.5 x 2 x .684508 + .5 x .1 x 2 x .563901) x 4 = 2.964;
        // (.5 x 5 x 1.737270 + .5 x .1 x 5 x .563901) x 4 = 17.937.
        NormRow{"tableOperatingHalfTime", Ber, "Norm=1,Tu=40,Env=IEGm", "Bac=2311,Vf=1", "Zf=50%", "", "", 0, 0,
                ",Ar=2/5,A=.9,Ea1=.3,Ea2=.6,πt=0.68/1.74,Rf=.1,πtob=0.56,πe=4,Fit=2.964/17.937", ""},
        // 2 x .8, 5 x .8
        NormRow{"weighted", Ref, Norm1, "Bac=2311,Vf=1", "", "", "", 1, .8, ",Ar=2/5,ARBew=0.8,Fit=1.6/4", ""},
        NormRow{"weightedByZero", Ref, Norm1, "Bac=2311,Vf=1", "", "", "", 1, 0, ",Ar=2/5,ARBew=0", ""},
        NormRow{"userListOnlyNeverWeighted", Ref, "Norm=3,Tu=40,Env=Gb", "Bac=2311,Vf=1", "", "", "", 1, .8,
                ",Ara=1.5/2.5,Fita=1.5/2.5", ""},
        // Chip form (fourth Tec character 3) without factor: 2 x 20/40.
        NormRow{"chipDefault", Ref, Norm1, "Bac=1112,Tec=4123,K1=2k", "", "", "", 0, 0, ",Ar=20/40,Chpfv=2,Fit=40/80",
                ""},
        // 1.5 x 20/40; the factor taken over is recorded in R, the stress data keeps Chpfg.
        NormRow{"chipFromChpfg", Ref, Norm1, "Bac=1112,Tec=4123,K1=2k", "Chpfg=1.5", "", "", 0, 0,
                ",Ar=20/40,Chpf=1.5,Fit=30/60", ""},
        NormRow{"normZeroUserListFound", Ref, Norm13, "Bac=2411", "", "", "", 0, 0, ",Ara=3/4,Fita=3/4",
                ",Err=NullFitSin"},
        NormRow{"bothZero", Ref, Norm13, "Bac=2511", "", "", "", 0, 0, "", ",Err=NullFitSin,Err=NullFitAws"},
        NormRow{"vfMissingClass531", Ref, Norm1, "Bac=5312,Tec=1234", "", "", "", 0, 0, ",Ar=1/2", ",Err=Vf"},
        // Vf 0 counts 1 for 411; the stress model documents the reference ratio.
        NormRow{"vfZeroClass411", Ref, Norm1, "Bac=4111,Vf=0", "", "", "", 0, 0, ",Ar=1/2,Vuv=.5,Fit=1/2", ""},
        NormRow{"qualityLL", Ref, Norm1, "Bac=4111,Qks=LL", "", "", "", 0, 0, ",Ar=1/2,Vuv=.5,πq=.5,Fit=0.5/1", ""},
        // Tei given: the position has no Tref yet, the model records it.
        // Operating conditions without a quality class: .5 to 1.5; v = .3/.7 with C3 1.4, C2 8, Vref .5:
        // exp(1.4 (.3^8 - .5^8)) = exp(-.005377) = .994638, exp(1.4 (.7^8 - .5^8)) = exp(.075238) = 1.078141.
        // 1 x .994638 x .5 = .497, 2 x 1.078141 x 1.5 = 3.234
        NormRow{"qualityRangeOperating", Ber, Norm1, "Bac=4111", "Tei=0", "", "", 0, 0,
                ",Ar=1/2,Tref=70,Vuv=.3/.7,πs=0.99/1.08,Qkvs=GP/LL,πqv=.5/1.5,Fit=0.497/3.234", ""},
        // Mended: a quality class without factor in the record is reported.
        NormRow{"qualityMissing", Ref, Norm1, "Bac=4121,Qks=GP", "", "", "", 0, 0, ",Ar=1,πq=", ",Err=QualSAw"},
        // Relay 5811, Tec 1234: environment key Gm followed by the second Tec character.
        NormRow{"relayEnvironment", Ref, "Norm=1,Tu=40,Env=IEGm", "Bac=5811,Tec=1234", "", "", "", 0, 0,
                ",Ar=6/8,πe=2/3,Fit=12/24", ""},
        // Mended: an environment without factor in the record is reported.
        NormRow{"relayEnvironmentMissing", Ref, "Norm=1,Tu=40,Env=IEGf", "Bac=5811,Tec=1234", "", "", "", 0, 0,
                ",Ar=6/8,πe=0", ",Err=EnvSAw"},
        // No switching rate under operating conditions: 1 to 5.
        NormRow{"relaySwitchingRate", Ber, Norm1, "Bac=5811,Tec=1234", "", "", "", 0, 0,
                ",Ar=6/8,Shyref=10,πsh=1/5,Fit=6/40", ""},
        // Shy 25 against 10: 2.5.
        NormRow{"relaySwitchingRateGiven", Ber, Norm1, "Bac=5811,Tec=1234", "Shy=25", "", "", 0, 0,
                ",Ar=6/8,Shyref=10,πsh=2.5,Fit=15/20", ""},
        // 1/2 x Vf 2 x la 1.2 = 2.4/4.8
        NormRow{"switchReference", Ref, Norm1, "Bac=5312,Tec=1234,Vf=2", "", "", "", 0, 0,
                ",Ar=1/2,Labv=R,Klv=A,πla=1.2,Fit=2.4/4.8", ""},
        // Akr under operating conditions: N to S, 1 to 3: 2.4 / 4.8 x 3 = 14.4.
        NormRow{"switchOperatingAkr", Ber, Norm1, "Bac=5312,Tec=1234,Vf=2", "Tei=5", "", "", 0, 0,
                ",Ar=1/2,Tref=40,Labv=R,Klv=A,πla=1.2,πakr=1/3,Fit=2.4/14.4", ""},
        // Mended: no Pa in the record is reported.
        NormRow{"switchAkrMissing", Ref, Norm1, "Bac=5322,Tec=1234,Vf=2", "", "", "", 0, 0,
                ",Ar=1/2,Labv=R,Klv=A,πla=1,πakr=0", ",Err=AkrSAw"},
        // 1 + 2 extra contacts x .5
        NormRow{"extraContacts", Ref, Norm1, "Bac=5511,Hisch=2", "", "", "", 0, 0, ",Ar=1,Fit=2", ""},
        NormRow{"blockedByLaterCode", Ref, Norm1, "Bac=2311,Vf=1", "", "", ",Err=Btd,Err=Bac", 0, 0, "", ""},
        NormRow{"earlierVfCodeDoesNotBlock", Ref, Norm1, "Bac=2311,Vf=1", "", "", ",Err=Vf", 0, 0, ",Ar=2/5,Fit=2/5",
                ""},
        // 2/5 + Are 1/2 x Vf 2 + 2/5 of the second entry = 6/14
        NormRow{"subComponents", Ref, Norm1, "Bac=2311,Vf=1", "", "Bac=4111,Are=1/2,Vf=2,Bac=2311,Vf=1", "", 0, 0,
                ",Ar=2/5,Ar=2/5,Fit=6/14", ""},
        // Arx 10 stands alone for the norm; the user list adds its sub-component 1.5/2.5.
        NormRow{"arxWithSubComponents", Ref, Norm13, "Bac=2311,Vf=1", "Arx=10", "Bac=2311,Vf=1", "", 1, .8,
                ",Ara=1.5/2.5,Ar=2/5,Ara=1.5/2.5,Fit=10,Fita=3/5", ""},
        NormRow{"subComponentWithoutRateStops", Ref, Norm1, "Bac=2311,Vf=1", "", "Bac=4999", "", 0, 0, ",Ar=2/5",
                ",Err=BacFit"},
        // Mended: a tenth sub-component is reported instead of failing the run.
        NormRow{"tenthSubComponent", Ref, Norm1, "Bac=2311,Vf=1", "",
                "Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1,"
                "Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1,Bac=4111,Are=1",
                "", 0, 0, ",Ar=2/5", ",Err=Sub10SAw"}),
    [](const auto& i) { return std::string(i.param.name); });

// A look-up failure of the database cancels the run; nothing is written.
TEST_F(CalcTest, FitNormWithoutUserListAborts)
{
    sp.ui().expect(QuestionKind::Message, "473", Answer::button(Mb::OK));
    setPosition("Bac=2311,Vf=1", "", ",Tur=40,Tref=55", "Norm=13,Env=Gb", "Re=Ref");
    EXPECT_THROW(FitNorm(0), CalculationAborted);
    EXPECT_EQ(work(8), ",Tur=40,Tref=55");
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(CalcTest, NineSubComponentsAreAdded)
{
    setPosition("Bac=2311,Vf=1", "", ",Tur=40,Tref=55", "Norm=1,Env=Gb", "Re=Ref");
    QString z = "Bac=4111,Are=1";
    for (int i = 1; i < 9; ++i)
        z += ",Bac=4111,Are=1";
    work(4) = z;
    FitNorm(0);
    EXPECT_TRUE(work(8).endsWith(",Fit=11/14")) << work(8).toStdString(); // 2/5 + 9 x 1
    EXPECT_EQ(work(7), "");
}

// ---- temperature factor

struct TempRow {
    const char* name;
    bool piecewise;
    int classDigit;
    QString r; // slot 8
    double tref, tref2, tlimit;
    double rf, z;
    double piMin, piMax, piTob; // piTob -1: left unchanged
    QString appended;
};
void PrintTo(const TempRow& r, std::ostream* os) { *os << r.name; }

class TempFactor : public CalcTest, public ::testing::WithParamInterface<TempRow> {};

TEST_P(TempFactor, Computes)
{
    const TempRow& row = GetParam();
    work(8) = row.r;
    double lo = 0, hi = 0, tob = -1;
    if (row.piecewise)
        TempFakt2(row.classDigit, row.tref, row.tref2, row.tlimit, lo, hi, tob, .9, .3, .6, row.rf, row.z);
    else
        TempFakt(row.classDigit, row.tref, row.tlimit, lo, hi, tob, .9, .3, .6, row.rf, row.z);
    EXPECT_NEAR(lo, row.piMin, 1e-4 * row.piMin);
    EXPECT_NEAR(hi, row.piMax, 1e-4 * row.piMax);
    EXPECT_NEAR(tob, row.piTob, 1e-4);
    EXPECT_EQ(work(8), row.r + withPiMark(row.appended));
}

// g as above; g(z(40)) = 1, g(z(55)) = 1.773504, g(z(25)) = .546784.
INSTANTIATE_TEST_SUITE_P(
    Cases, TempFactor,
    ::testing::Values(
        TempRow{"atReference", false, 1, ",Tur=40,Tj=40", 40, 0, 25, 1, 100, 1, 1, -1, ""},
        // Below the lower limit 25 the model holds at 25: .546784 / 1.773504 = .308332.
        TempRow{"belowLimit", false, 2, ",Tur=40,Tj=10", 55, 0, 25, 1, 100, .308332, .308332, -1,
                ",A=.9,Ea1=.3,Ea2=.6,πt=0.31"},
        // Without Tj the Tref of the position: factor 1.
        TempRow{"noTjUsesTref", false, 3, ",Tur=40,Tref=55", 55, 0, 25, 1, 100, 1, 1, -1, ""},
        // Class digit 0: 0 degrees C without limit: g(z(0)) = .180237 / 1.773504 = .101628.
        TempRow{"otherClassAtZero", false, 0, ",Tur=40,Tj=70", 55, 0, 25, 1, 100, .101628, .101628, -1,
                ",A=.9,Ea1=.3,Ea2=.6,πt=0.1"},
        // Non-operating share at Tur 25 below the limit 25: .308332; Rf 1 not written.
        TempRow{"nonOperating", false, 4, ",Tur=20,Tb=55", 55, 0, 25, 1, 80, 1, 1, .308332, ",πtob=0.31"},
        // Below Tref2 0: g(11605 (1/253 - 1/273)) = g(3.360383) = 3.217412.
        TempRow{"belowTref2", true, 4, ",Tur=40,Tb=-20", 40, 0, 25, .5, 100, 3.217412, 3.217412, -1,
                ",A=.9,Ea1=.3,Ea2=.6,Tref2=0,πt=3.22"},
        // 10 lies between Tref2 and the limit: computed with 25, .546784.
        TempRow{"betweenTref2AndLimit", true, 4, ",Tur=40,Tb=10/-20", 40, 0, 25, .5, 50, .546784, 3.217412, 1,
                ",A=.9,Ea1=.3,Ea2=.6,Tref2=0,πt=0.55/3.22,Rf=.5,πtob=1"}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- stress factor

struct StressRow {
    const char* name;
    int cls;
    QString re;
    QString data;
    QString stress;
    QString record;
    bool ok;
    double sMin, sMax;
    QString appended;
    QString codes;
};
void PrintTo(const StressRow& r, std::ostream* os) { *os << r.name; }

class StressFactor : public CalcTest, public ::testing::WithParamInterface<StressRow> {};

TEST_P(StressFactor, Computes)
{
    const StressRow& row = GetParam();
    work(0) = "Re=" + row.re;
    double lo = 0, hi = 0;
    EXPECT_EQ(FaktorSpannungStrom(row.data, row.stress, row.cls, row.record, lo, hi), row.ok);
    if (row.ok) {
        EXPECT_NEAR(lo, row.sMin, 1e-6 * row.sMin);
        EXPECT_NEAR(hi, row.sMax, 1e-6 * row.sMax);
    }
    EXPECT_EQ(work(8), withPiMark(row.appended));
    EXPECT_EQ(work(7), row.codes);
}

const QString kRatio = QStringLiteral("C3=1.4,C2=8,Vref=.5,Vber=.3/.7");
const QString kLamp = QStringLiteral("1=.8/1,2=1/2,3=1.2/5");

// s = exp(C3 (v^8 - .5^8)), .5^8 = .00390625:
//   v .01: exp(1.4 x -.00390625) = .994546;  v .9: .9^8 = .430467, exp(1.4 x .426561) = 1.816997
//   v 1:   exp(1.4 x .99609375) = 4.033084;  v .3/.7: exp(1.4 x -.003841) = .994638, exp(1.4 x .053742) = 1.078141
INSTANTIATE_TEST_SUITE_P(
    Cases, StressFactor,
    ::testing::Values(
        StressRow{"ratio001", 41, "Ber", "", "Vue=.01", kRatio, true, .994546, .994546, ",πs=0.99", ""},
        StressRow{"ratioAtReference", 41, "Ber", "", "Vue=.5", kRatio, true, 1, 1, "", ""},
        StressRow{"ratio09", 16, "Ber", "", "Vue=.9", kRatio, true, 1.816997, 1.816997, ",πs=1.82", ""},
        StressRow{"ratio1", 31, "Ber", "", "Vue=1", kRatio, true, 4.033084, 4.033084, ",πs=4.03", ""},
        // Ub 10 of Umax 20: v = .5.
        StressRow{"ratioFromRating", 21, "Ber", "Umax=20", "Ub=10", kRatio, true, 1, 1, "", ""},
        StressRow{"noRatingWarnsAndDefaults", 41, "Ber", "", "Ub=10", kRatio, true, .994638, 1.078141,
                  ",Vuv=.3/.7,πs=0.99/1.08", ",Warn=UbUmax"},
        StressRow{"referenceDefault", 41, "Ref", "", "", kRatio, true, 1, 1, ",Vuv=.5", ""},
        StressRow{"otherModeNoDefault", 41, "", "", "", kRatio, true, .994546, .994546, ",πs=0.99", ""},
        StressRow{"noC3NoFactor", 41, "Ber", "", "Vue=.9", "C2=8", true, 1, 1, "", ""},
        // exp(.1 (12 - 10)) = 1.221403, exp(.1 (15 - 10)) = 1.648721
        StressRow{"voltageDefault", 14, "Ber", "", "", "C1=.1,C2=1,Uref=10,Uber=12/15", true, 1.221403, 1.648721,
                  ",Ubv=12/15,πs=1.22/1.65", ""},
        // exp(2 (.4 - .5)) = .818731, exp(2 (.6 - .5)) = 1.221403
        StressRow{"currentRatioDefault", 32, "Ber", "", "Ib=1", "C4=2,C5=1,Viref=.5,Viber=.4/.6", true, .818731,
                  1.221403, ",Viv=.4/.6,πs=0.82/1.22", ",Warn=IbImax"},
        StressRow{"lampStep", 37, "Ber", "", "Vue=1.1", kLamp, true, 5, 5, ",πs=5", ""},
        StressRow{"lampAtBound", 37, "Ber", "Unen=10", "Ub=10", kLamp, true, 2, 2, ",πs=2", ""},
        StressRow{"lampBeyondTable", 37, "Ber", "", "Vue=1.3", kLamp, false, 0, 0, "", ",Err=UlampSAw"},
        // Ratio .2 raised to .5: exp(1 x (.5 - 1)) = .606531
        StressRow{"relayCurrentFloor", 58, "Ber", "", "Vie=.2", "C4=1,C5=1,Viref=1", true, .606531, .606531,
                  ",πs=0.61", ""},
        // Ratio .05 raised to .1: exp(.1 - 1) = .406570
        StressRow{"class59CurrentFloor", 59, "Ber", "", "Vie=.05", "C4=1,C5=1,Viref=1", true, .406570, .406570,
                  ",πs=0.41", ""},
        StressRow{"class55AtReferenceVoltage", 55, "Ber", "", "Ub=12", "C1=.1,C2=1,Uref=12", true, 1, 1,
                  ",Uref=12,πs=1", ""},
        StressRow{"class55CurrentWarning", 55, "Ber", "", "Ib=2", "C4=1,C5=1,Viref=1", true, 1, 1, "",
                  ",Warn=IbInen"},
        StressRow{"otherClass", 42, "Ber", "", "Vue=.9", kRatio, true, 1, 1, "", ""}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- contact load

struct LoadRow {
    const char* name;
    QString re;
    QString stress;
    double laMin, laMax;
    QString appended;
    QString codes;
};
void PrintTo(const LoadRow& r, std::ostream* os) { *os << r.name; }

class ContactLoad : public CalcTest, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(ContactLoad, Computes)
{
    const LoadRow& row = GetParam();
    work(0) = "Re=" + row.re;
    double lo = -1, hi = -1;
    FaktorKontaktlast(row.stress, "Labv=R,Klv=a,Labvb=R/L,Klvb=a/b,Acdcvb=/ac,RA=1.5,RB=2,LBAC=6,RBAC=4", lo, hi);
    EXPECT_FLOAT_EQ(lo, row.laMin);
    EXPECT_FLOAT_EQ(hi, row.laMax);
    EXPECT_EQ(work(8), withPiMark(row.appended));
    EXPECT_EQ(work(7), row.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContactLoad,
    ::testing::Values(
        // Load type R and class b (upper-cased): key RB.
        LoadRow{"givenLoad", "Ref", "Lab=R,Kl=b", 2, 2, ",πla=2", ""},
        LoadRow{"givenWithCurrentKind", "Ref", "Lab=R,Kl=b,Acdc=ac", 4, 4, ",πla=4", ""},
        LoadRow{"referenceDefaults", "Ref", "", 1.5, 1.5, ",Labv=R,Klv=a,πla=1.5", ""},
        // Keys RA and LBAC; the current kind is documented only when both texts are given.
        LoadRow{"operatingDefaults", "Ber", "", 1.5, 6, ",Labv=R/L,Klv=a/b,πla=1.5/6", ""},
        LoadRow{"missingLoad", "Ref", "Lab=X,Kl=a", 0, 0, ",πla=0", ",Err=KolastSAw"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
