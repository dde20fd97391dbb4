#include "calculation/calcinterface.h"
#include "calculation/mil.h"
#include "calculation/milfixture.h"
#include "frame/paramstring.h"

using miltest::pi;
using miltest::txt;

namespace {

struct EmRow {
    const char* name;
    QString q;
    QString s;
    QString r; // operating conditions before the call
    QString expectedR;
    QString expectedF;
    QString methods = QStringLiteral("Norm=2,Envm=Gb");
};
void PrintTo(const EmRow& row, std::ostream* os) { *os << row.name; }

class Electromechanical : public miltest::MilFixture, public ::testing::WithParamInterface<EmRow> {
protected:
    Electromechanical()
    {
        record(QStringLiteral("5ICSOCKET"), QStringLiteral("Ar=.42,Ec=5E"));
        record(QStringLiteral("5CONN"), QStringLiteral("C1=20,Ct=1592,T0=358,Pot=4.72,Ec=5E"));
        record(QStringLiteral("5REL"), QStringLiteral("C1=5.9,T0=352,Pot=15.7,Pf=3,Pq=1,Ec=5E"));
        record(QStringLiteral("5SW"), QStringLiteral("Ar1=1,Ar2=.5,Pq=1,Ec=5E"));
        record(QStringLiteral("5SWA"), QStringLiteral("Ar=2,Pq=2,Ec=5E"));
        record(QStringLiteral("5EL"), QStringLiteral("Ar=2,Ec=5E"));
        record(QStringLiteral("5RELP"), QStringLiteral("C1=5.9,T0=352,Pot=15.7,Pf=1/3,Pq=1,Ec=5E"));
        record(QStringLiteral("5SWQ"), QStringLiteral("Ar1=1,Ar2=.5,Ar1L=10,Ar2L=2,Qc=5Q,Ec=5E"));
        table(QStringLiteral("5Q"), QStringLiteral("MIL=1,LOWER=1"));
        table(QStringLiteral("5E"), QStringLiteral("Gb=1,Gf=3"));
        // load data of relays and switches in the norm records
        normRow(QStringLiteral("55200000"), 0, QStringLiteral("5REL"), QStringLiteral("R55"));
        normRow(QStringLiteral("54100000"), 0, QStringLiteral("5SW"), QStringLiteral("S54"));
        normData(QStringLiteral("R55"), QStringLiteral("Labvb=2,Klvb=R"));
        normData(QStringLiteral("S54"), QStringLiteral("Labvb=2,Klvb=R"));
    }
};

TEST_P(Electromechanical, ComputesRateAndReports)
{
    const EmRow& row = GetParam();
    work(row.q, row.s, row.r, row.methods);
    FitMil();
    EXPECT_EQ(txt(R()), txt(pi(row.expectedR.toUtf8().constData())));
    EXPECT_EQ(txt(F()), txt(row.expectedF));
}

const QString Cond = QStringLiteral("Tur=40,Tb=60");

INSTANTIATE_TEST_SUITE_P(
    Table, Electromechanical,
    ::testing::Values(
        // piP = exp(((11 - 1)/10)^.51064) = e; .42 x e = 1.142
        EmRow{"socketElevenPins", "Bac=5210,Bacm=5ICSOCKET,Vf=11", "", Cond, Cond + ",Arm=.42,πpm=2.72,Fitm=1.142", ""},
        EmRow{"socketOnePin", "Bac=5210,Bacm=5ICSOCKET,Vf=1", "", Cond, Cond + ",Arm=.42,πpm=1,Fitm=0.42", ""},
        EmRow{"socketWithoutCount", "Bac=5210,Bacm=5ICSOCKET", "", Cond, Cond + ",Arm=.42", ",Err=Vf"},
        // lambda_b = 20 exp(-1592/313 + (313/358)^4.72) = .210119; piP = exp(.3^.51064) = 1.71730 -> .361
        EmRow{"connector", "Bac=5220,Bacm=5CONN,Vf=4", "", Cond, Cond + ",Arm=0.21,πpm=1.72,Fitm=0.361", ""},
        // the pin factor of the mated pair already documented: .210119 x 2.5 = .525
        EmRow{"connectorPinFactorGiven", "Bac=5220,Bacm=5CONN,Vf=4", "", Cond + ",πpm=2.5",
              Cond + ",πpm=2.5,Arm=0.21,Fitm=0.525", ""},
        EmRow{"connectorWithoutCount", "Bac=5220,Bacm=5CONN", "", Cond, Cond + ",Arm=0.21", ",Err=Vf"},
        // lambda_b = 5.9 exp((333/352)^15.7) = 8.96576; count 2 + Hisch 1 = 3: 3PST, piC 2; class 55: R below
        // exp((.5/.8)^2) = 1.47790, C above exp((.5/.2)^2) = 518.013; Sh empty: piCYC .1/1; piF 3:
        // 1.47790 x 8.96576 x 2 x .1 x 3 = 7.95, 518.0128 x 8.965761 x 2 x 1 x 3 = 27866.276
        EmRow{"relayContactsFromClass", "Bac=5520,Bacm=5REL,Hisch=1,Imax=2", "Ib=1", Cond,
              Cond + ",Arm=8.97,πfm=3,πcm=2,Labv=2,Klv=R,πlm=1.48/518.01,πcycm=0.1/1,Fitm=7.95/27866.276", ""},
        // two contacts: DPST 1.5 or SPDT 1.75; 1.47790 x 8.96576 x 1.5 x .1 x 3 = 5.963,
        // 518.0128 x 8.965761 x 1.75 x .1 x 3 = 2438.299
        EmRow{"relayTwoContacts", "Bac=5520,Bacm=5REL,Vf=2,Imax=2", "Ib=1,Sh=.5", Cond,
              Cond + ",Arm=8.97,πfm=3,πcm=1.5/1.75,Labv=2,Klv=R,πlm=1.48/518.01,πcycm=0.1,Fitm=5.963/2438.299", ""},
        EmRow{"relaySlowSwitching", "Bac=5520,Bacm=5REL,Vf=1,Imax=2", "Ib=1,Sh=.5", Cond,
              Cond + ",Arm=8.97,πfm=3,Labv=2,Klv=R,πlm=1.48/518.01,πcycm=0.1,Fitm=3.975/1393.314", ""},
        // construction unknown: piF 1 to 3; 1.47790 x 8.96576 x .1 x 1 = 1.325, maximum as above
        EmRow{"relayConstructionRange", "Bac=5520,Bacm=5RELP,Vf=1,Imax=2", "Ib=1,Sh=.5", Cond,
              Cond + ",Arm=8.97,πfm=1/3,Labv=2,Klv=R,πlm=1.48/518.01,πcycm=0.1,Fitm=1.325/1393.314", ""},
        EmRow{"relayWithoutCount", "Bac=5310,Bacm=5REL,Hisch=1", "", Cond, Cond + ",Arm=8.97,πfm=3", ",Err=Vf"},
        // 1 + .5 x 4 = 3, piC 1 (the count is in the base rate); no current: S .3 (resistive),
        // exp((.3/.8)^2) = 1.15099: 3.453
        EmRow{"switchTwoTermRate", "Bac=5410,Bacm=5SW,Vf=4", "", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,Fitm=3.453", ""},
        // 3 x 1.150993 x 20 = 69.060, x 50 = 172.649
        EmRow{"switchCycling", "Bac=5410,Bacm=5SW,Vf=4", "Sh=20/50", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,πcycm=20/50,Fitm=69.06/172.649", ""},
        // 2 x 1.15099 x piC (3PST 2) x piQ 2 = 9.208
        EmRow{"switchSingleRate", "Bac=5410,Bacm=5SWA,Vf=3", "", Cond,
              Cond + ",Arm=2,πcm=2,Labv=2,Klv=R,Viv=0.3,πlm=1.15,πqm=2,Fitm=9.208", ""},
        // two contacts of a switch: DPST 1.5 or SPDT 1.7; 2 x 1.15099 x 2 = 4.604 x 1.5 = 6.906,
        // x 1.7 = 7.827
        EmRow{"switchTwoContacts", "Bac=5410,Bacm=5SWA,Vf=2", "", Cond,
              Cond + ",Arm=2,πcm=1.5/1.7,Labv=2,Klv=R,Viv=0.3,πlm=1.15,πqm=2,Fitm=6.906/7.827", ""},
        // lower quality has base rates of its own: 10 + 2 x 4 = 18; x 1.150993 = 20.718
        EmRow{"switchLowerQuality", "Bac=5410,Bacm=5SWQ,Vf=4,Qkm=Lower", "", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,Arm=18,Fitm=20.718", ""},
        EmRow{"switchQualityRange", "Bac=5410,Bacm=5SWQ,Vf=4,Qkm=MIL/Lower", "", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,Arm=3/18,Fitm=3.453/20.718", ""},
        EmRow{"switchDefaultQuality", "Bac=5410,Bacm=5SWQ,Vf=4", "", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,Qkvm=MIL,Fitm=3.453", ""},
        // a factor given as a number multiplies the MIL-SPEC rate: 3.453 x 2 = 6.906
        EmRow{"switchQualityFactorGiven", "Bac=5410,Bacm=5SWQ,Vf=4,πqem=2", "", Cond,
              Cond + ",Ar1m=1,Ar2m=.5,Labv=2,Klv=R,Viv=0.3,πlm=1.15,Fitm=6.906", ""},
        EmRow{"switchWithoutCount", "Bac=5410,Bacm=5SW", "", Cond, Cond + ",Ar1m=1,Ar2m=.5", ",Err=Vf"},
        EmRow{"perElementWithoutCount", "Bac=5110,Bacm=5EL", "", Cond, Cond + ",Arm=2,πem=3,Fitm=6", "",
              QStringLiteral("Norm=2,Envm=Gf")},
        EmRow{"perElementCount", "Bac=5610,Bacm=5EL,Vf=3", "", Cond, Cond + ",Arm=2,Fitm=6", ""},
        EmRow{"otherClassComputesNothing", "Bac=5710,Bacm=5EL,Vf=3", "", Cond, Cond, ""},
        EmRow{"noRecord", "Bac=5110,Bacm=5NONE", "", Cond, Cond, ",Err=BacMil"}),
    [](const auto& i) { return std::string(i.param.name); });

struct ContactRow {
    const char* name;
    const char* count;
    double relayMin, relayMax;   // contact-form factor of relays
    double switchMin, switchMax; // and of switches
};
void PrintTo(const ContactRow& row, std::ostream* os) { *os << row.name; }

// The contact-form factor by the number of contacts: a relay and a switch of the
// count against the same part with a single contact (SPST, factor 1).
class ContactForms : public miltest::MilFixture, public ::testing::WithParamInterface<ContactRow> {
protected:
    ContactForms()
    {
        record(QStringLiteral("5REL"), QStringLiteral("C1=5.9,T0=352,Pot=15.7,Pf=3,Pq=1,Ec=5E"));
        record(QStringLiteral("5SWA"), QStringLiteral("Ar=2,Pq=1,Ec=5E"));
        table(QStringLiteral("5E"), QStringLiteral("Gb=1"));
        normRow(QStringLiteral("53100000"), 0, QStringLiteral("5REL"), QStringLiteral("R53"));
        normRow(QStringLiteral("54100000"), 0, QStringLiteral("5SWA"), QStringLiteral("S54"));
        normData(QStringLiteral("R53"), QStringLiteral("Labvb=2,Klvb=R"));
        normData(QStringLiteral("S54"), QStringLiteral("Labvb=2,Klvb=R"));
    }
    MinMax rate(const QString& bac, const QString& model, const QString& count)
    {
        work("Bac=" + bac + ",Bacm=" + model + ",Vf=" + count, QStringLiteral("Sh=20"), QStringLiteral("Tur=40,Tb=60"));
        FitMil();
        EXPECT_EQ(txt(F()), "");
        const ParamPair fit = GetParamPair(R(), QStringLiteral("Fitm"));
        return {fit.valueMin, fit.valueMax};
    }
};

TEST_P(ContactForms, FactorOfTheFormsWithThatCount)
{
    const ContactRow& row = GetParam();
    const QString n = QString::fromLatin1(row.count);
    const MinMax relay1 = rate(QStringLiteral("5310"), QStringLiteral("5REL"), QStringLiteral("1"));
    const MinMax relay = rate(QStringLiteral("5310"), QStringLiteral("5REL"), n);
    EXPECT_NEAR(relay.min / relay1.min, row.relayMin, 1e-3);
    EXPECT_NEAR(relay.max / relay1.max, row.relayMax, 1e-3);
    const MinMax switch1 = rate(QStringLiteral("5410"), QStringLiteral("5SWA"), QStringLiteral("1"));
    const MinMax sw = rate(QStringLiteral("5410"), QStringLiteral("5SWA"), n);
    EXPECT_NEAR(sw.min / switch1.min, row.switchMin, 1e-3);
    EXPECT_NEAR(sw.max / switch1.max, row.switchMax, 1e-3);
}

// Forms (poles x throws): SPST 1, DPST 2, SPDT 2, 3PST 3, 4PST 4, DPDT 4, 3PDT 6, 4PDT 8,
// 6PDT 12 contacts; relays SPST 1.00, DPST 1.50, SPDT 1.75, 3PST 2.00, 4PST 2.50, DPDT
// 3.00, 3PDT 4.25, 4PDT 5.50, 6PDT 8.00, switches the same but SPDT 1.7 and 3PDT 4.2.
INSTANTIATE_TEST_SUITE_P(
    Table, ContactForms,
    ::testing::Values(ContactRow{"single", "1", 1.0, 1.0, 1.0, 1.0},
                      ContactRow{"twoFormsOfTwo", "2", 1.5, 1.75, 1.5, 1.7},
                      ContactRow{"three", "3", 2.0, 2.0, 2.0, 2.0},
                      ContactRow{"twoFormsOfFour", "4", 2.5, 3.0, 2.5, 3.0},
                      // no form of 5: the forms of 4 and of 6
                      ContactRow{"fiveBetweenFourAndSix", "5", 2.5, 4.25, 2.5, 4.2},
                      ContactRow{"six", "6", 4.25, 4.25, 4.2, 4.2},
                      ContactRow{"sevenBetweenSixAndEight", "7", 4.25, 5.5, 4.2, 5.5},
                      ContactRow{"eight", "8", 5.5, 5.5, 5.5, 5.5},
                      ContactRow{"tenBetweenEightAndTwelve", "10", 5.5, 8.0, 5.5, 8.0},
                      ContactRow{"twelve", "12", 8.0, 8.0, 8.0, 8.0},
                      ContactRow{"beyondTheLargestForm", "16", 8.0, 8.0, 8.0, 8.0},
                      ContactRow{"brokenCountBetweenOneAndTwo", "1.5", 1.0, 1.75, 1.0, 1.7}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
