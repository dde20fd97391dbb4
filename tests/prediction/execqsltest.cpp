#include "frame/numbers.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "prediction/execqsl.h"
#include "prediction/predfixture.h"

namespace {

// Rates at reference conditions are the table rates of the class:
//   system table  2311 2/5, 4111 1/2 (Vf 0), 2411 0, 5112 0.1
//   user list     2311 1/3, 4111 2,          2411 3/4, 5112 0.2/0.3
// Connections per piece (Nev): 2 x Vf for group 2, 2 for a 41 resistor, Pin when given.
const char* const UserList = "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES "
                             "('23110000', 0, 1, 3, 55, 'D2311'), ('41110000', 0, 2, 2, 70, 'D4111'), "
                             "('24110000', 0, 3, 4, 40, 'D2411'), ('51120000', 0, .2, .3, 40, 'D5112');";

class ExecQslTest : public PassTest {
protected:
    void SetUp() override
    {
        PassTest::SetUp();
        openUserList(QString::fromLatin1(UserList));
        p().WorkStr[Slot::SyPar] = QStringLiteral("Re=Ref");
        p().WorkStr[Slot::GlPar] = QStringLiteral("Norm=13000,Tu=40,Env=Gb");
    }
    QString run(bool lean = false, bool mainPath = false)
    {
        bool weighting = false;
        mMainPath = mainPath;
        return ExecQsl(lean, mMainPath, weighting);
    }
    // Sum of quantity x the rate pair under key over the position lines.
    std::pair<double, double> total(const QString& key)
    {
        double lo = 0, hi = 0;
        for (const QString& l : qpo().mid(1)) {
            const ParamPair r = GetParamPair(l, key);
            const double n = readLeadingNumber(GetParam(l, QStringLiteral("Stck")));
            lo += n * r.valueMin;
            hi += n * r.valueMax;
        }
        return {lo, hi};
    }
    bool mMainPath = false;
};

TEST_F(ExecQslTest, ThreePositionsAndTheirSummaryPosition)
{
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=3,Typ=R1,Q,Bac=2311,Vf=1", "Stck=2,Typ=R2,Q,Bac=4111,Vf=0",
              "Stck=1,Typ=U1,Q,Bac=2411,Vf=1"});
    EXPECT_EQ(run(), QString());
    // Summary: 3 x 2 + 2 x 2 + 1 x 2 = 12 connections; Tref 40 is not below Tu 40: no Tb.
    EXPECT_EQ(qpo(), QStringList({
                         "Lnr=A00001,Typ=BOARD,B,Demo",
                         "Stck=3,Typ=R1,Q,Bac=2311,Vf=1,R,Tur=40,Zfr=100%,Nev=2,Tref=55,Ara=1/3,Ar=2/5,Fit=2/5,Fita=1/3",
                         "Stck=2,Typ=R2,Q,Bac=4111,Vf=0,R,Tur=40,Zfr=100%,Nev=2,Tref=70,Ara=2,Ar=1/2,Vuv=.5,Fit=1/2,Fita=2",
                         "Stck=1,Typ=U1,Q,Bac=2411,Vf=1,F,Err=NullFitSin,R,Tur=40,Zfr=100%,Nev=2,Tref=40,Ara=3/4,Fita=3/4",
                         "Stck=12,Q,Bac=5112,R,Ara=0.2/0.3,Ar=0.1,Tref=40,Fit=0.1,Fita=0.2/0.3",
                     }));
    // Norm:      3 x 2/5 + 2 x 1/2 + 1 x 0 + 12 x 0.1       =  9.2 / 20.2
    // User list: 3 x 1/3 + 2 x 2   + 1 x 3/4 + 12 x 0.2/0.3 = 12.4 / 20.6
    const auto norm = total(QStringLiteral("Fit"));
    const auto user = total(QStringLiteral("Fita"));
    EXPECT_NEAR(norm.first, 9.2, 1e-6); // pairs are read in single precision
    EXPECT_NEAR(norm.second, 20.2, 1e-6); // pairs are read in single precision
    EXPECT_NEAR(user.first, 12.4, 1e-6); // pairs are read in single precision
    EXPECT_NEAR(user.second, 20.6, 1e-6); // pairs are read in single precision
}

TEST_F(ExecQslTest, SubListsPassTheirRiseAndFactorDownAndCountTheirOwnConnections)
{
    p().WorkStr[Slot::GlPar] += QStringLiteral(",Zf=80%");
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=1,Typ=R1,Q,Bac=4111,Vf=0",
              "Lnr=A00002,Stck=4,Typ=SUB,Qm=Qsl,S,Dtu=10,Zf=50%,B,Sub", "Stck=1,Typ=R2,Q,Bac=4111,Vf=0",
              "Lnr=A00003,Stck=2,Typ=SUBSUB,Qm=Qsl,S,Dtu=5,B,Subsub", "Stck=5,Typ=R3,Q,Bac=4111,Vf=0",
              "Lnr=A00003,Qm=Ende", "Lnr=A00002,Qm=Ende"});
    EXPECT_EQ(run(), QString());
    const QStringList l = qpo();
    ASSERT_EQ(l.size(), 11);
    // The Q-list's own position: factor 80 %, no rise.
    EXPECT_EQ(GetParam(l[1], "Zfr"), "80%");
    EXPECT_EQ(GetParam(l[1], "Dtr"), "");
    // Sub-list: rise 10, factor 50 % of 80 % = 40 %.
    EXPECT_EQ(GetParam(l[3], "Dtr"), "10");
    EXPECT_EQ(GetParam(l[3], "Zfr"), "40%");
    // Nested: rise 10 + 5, factor kept.
    EXPECT_EQ(GetParam(l[5], "Dtr"), "15");
    EXPECT_EQ(GetParam(l[5], "Zfr"), "40%");
    // Summaries count the level's own positions, not multiplied by the sub-list quantity:
    // nested 5 x 2 = 10, sub-list 1 x 2 = 2, Q-list 1 x 2 = 2.
    EXPECT_TRUE(l[6].startsWith("Stck=10,Q,Bac=5112")) << l[6].toStdString();
    EXPECT_EQ(l[7], "Lnr=A00003,Qm=Ende");
    EXPECT_TRUE(l[8].startsWith("Stck=2,Q,Bac=5112")) << l[8].toStdString();
    EXPECT_EQ(l[9], "Lnr=A00002,Qm=Ende");
    EXPECT_TRUE(l[10].startsWith("Stck=2,Q,Bac=5112")) << l[10].toStdString();
}

TEST_F(ExecQslTest, NestingDeeperThanSixLevels)
{
    QStringList lines{"Lnr=A00001,Typ=BOARD,B,Demo"};
    for (int i = 1; i <= 8; ++i)
        lines << QStringLiteral("Lnr=A%1,Stck=1,Typ=S%2,Qm=Qsl,S,Dtu=1,B,x").arg(i + 1, 5, 10, QChar(u'0')).arg(i);
    lines << "Stck=1,Typ=R1,Q,Bac=4111,Vf=0";
    for (int i = 8; i >= 1; --i)
        lines << QStringLiteral("Lnr=A%1,Qm=Ende").arg(i + 1, 5, 10, QChar(u'0'));
    writeQpo(lines);
    EXPECT_EQ(run(), QString());
    const QStringList l = qpo();
    EXPECT_EQ(GetParam(l[9], "Dtr"), "8"); // eight rises of 1
    EXPECT_TRUE(l[10].startsWith("Stck=2,Q,Bac=5112"));
    EXPECT_EQ(l.size(), 1 + 8 + 1 + 1 + 8); // head, references, position, one summary, ends
}

TEST_F(ExecQslTest, FractionalConnectionsAreSummedBeforeRounding)
{
    // 0.5 + 0.5 connections make one; rounding each addition would have made none.
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=.5,Typ=R1,Q,Bac=4111,Vf=0,Pin=1",
              "Stck=.5,Typ=R2,Q,Bac=4111,Vf=0,Pin=1"});
    EXPECT_EQ(run(), QString());
    EXPECT_TRUE(qpo().last().startsWith("Stck=1,Q,Bac=5112")) << qpo().last().toStdString();
}


TEST_F(ExecQslTest, IllegalQmIsDroppedAndAMissingSubListOpensNoLevel)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("70"), Answer::button(Mb::OK));
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Lnr=A00009,Stck=1,Typ=GONE,Qm=Qsl,S,Dtu=20,F,Err=QslFehlt",
              "Stck=1,Typ=R1,Q,Bac=4111,Vf=0", "Stck=1,Typ=X,Qm=Odd", "Stck=-1,Typ=Text only"});
    EXPECT_EQ(run(), QString());
    const QStringList l = qpo();
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[1], "Lnr=A00009,Stck=1,Typ=GONE,Qm=Qsl,S,Dtu=20,F,Err=QslFehlt");
    EXPECT_EQ(GetParam(l[2], "Dtr"), ""); // the missing sub-list gave no rise
    EXPECT_EQ(l[3], "Stck=-1,Typ=Text only");
    EXPECT_TRUE(l[4].startsWith("Stck=2,Q,Bac=5112"));
    EXPECT_TRUE(sp.ui().allUsed());
}

// A reference that would put a list inside itself is left unexpanded: like a
// missing sub-list it opens no level, so the positions after it stay in the
// list they belong to and every list gets its own summary.
TEST_F(ExecQslTest, ASubListCircleOpensNoLevel)
{
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Lnr=A00003,Stck=1,Typ=IO,Qm=Qsl,S,Dtu=10,B,io",
              "Stck=1,Typ=R1,Q,Bac=4111,Vf=0",
              "Stck=1,Typ=BOARD,Qm=Qsl,S,Dtu=20,F,Err=QslZyklus,Zyklus=BOARD (A1) > IO (A3) > BOARD (A1)",
              "Stck=1,Typ=R2,Q,Bac=4111,Vf=0", "Lnr=A00003,Qm=Ende", "Stck=1,Typ=R3,Q,Bac=4111,Vf=0"});
    EXPECT_EQ(run(), QString());
    const QStringList l = qpo();
    ASSERT_EQ(l.size(), 9) << l.join(u'\n').toStdString();
    EXPECT_EQ(l[3], "Stck=1,Typ=BOARD,Qm=Qsl,S,Dtu=20,F,Err=QslZyklus,Zyklus=BOARD (A1) > IO (A3) > BOARD (A1)");
    EXPECT_EQ(GetParam(l[2], "Dtr"), "10");
    EXPECT_EQ(GetParam(l[4], "Dtr"), "10"); // still inside IO, without the circle's rise
    EXPECT_TRUE(l[5].contains(",Q,Bac=5112")) << l[5].toStdString(); // IO's summary
    EXPECT_EQ(l[6], "Lnr=A00003,Qm=Ende");
    EXPECT_EQ(GetParam(l[7], "Dtr"), ""); // back on the board
    EXPECT_TRUE(l[8].contains(",Q,Bac=5112")) << l[8].toStdString(); // the board's summary
}

TEST_F(ExecQslTest, PositionWithAnErrorIsNeitherComputedNorCounted)
{
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=3,Typ=NOPE,F,Err=Btd,R,Tjr=1"});
    EXPECT_EQ(run(), QString());
    EXPECT_EQ(qpo(), QStringList({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=3,Typ=NOPE,F,Err=Btd"}));
}

TEST_F(ExecQslTest, LeanModeDropsIntermediateKeysExceptOnSummaries)
{
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=1,Typ=R1,Q,Bac=2311,Vf=1"});
    EXPECT_EQ(run(true), QString());
    const QStringList l = qpo();
    EXPECT_EQ(l[1], "Stck=1,Typ=R1,Q,Bac=2311,Vf=1,R,Tur=40,Zfr=100%,Tref=55,Ara=1/3,Fit=2/5,Fita=1/3");
    EXPECT_EQ(GetParam(l[2], "Ar"), "0.1");
}

TEST_F(ExecQslTest, MainPathWithoutClassListIsSwitchedOff)
{
    p().WorkStr[Slot::SyPar] += QStringLiteral(",HwNw=-1");
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=1,Typ=R1,Q,Bac=2311,Vf=1"});
    EXPECT_EQ(run(false, true), QString());
    EXPECT_FALSE(mMainPath);
    EXPECT_EQ(p().WorkStr[Slot::SyPar], QStringLiteral("Re=Ref"));
    EXPECT_FALSE(qpo().last().contains("Stck_Hw"));
}

TEST_F(ExecQslTest, MainPathCountsOnlyPositionsOnIt)
{
    testutil::writeFile(p().IniFile, "[Hauptweg]\r\nNw=BAC\r\nSource=Neben\r\nNeben=41,,5\r\n");
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=3,Typ=R1,Q,Bac=2311,Vf=1", "Stck=2,Typ=R2,Q,Bac=4111,Vf=0"});
    EXPECT_EQ(run(false, true), QString());
    EXPECT_TRUE(mMainPath);
    EXPECT_TRUE(qpo()[2].contains(",Nbw=true"));
    // All: 3 x 2 + 2 x 2 = 10; main path without the 41 resistors: 6.
    EXPECT_TRUE(qpo().last().startsWith("Stck=10,Q,Bac=5112"));
    EXPECT_TRUE(qpo().last().endsWith(",Stck_Hw=6"));
}

TEST_F(ExecQslTest, CancelAtASubListEndKeepsWhatWasWritten)
{
    // The list reports the cancel after its three opening lines.
    sp.ui().headlessList().cancelAfterAdds = 3;
    writeQpo({"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=1,Typ=R1,Q,Bac=4111,Vf=0",
              "Lnr=A00002,Stck=1,Typ=SUB,Qm=Qsl,B,Sub", "Stck=1,Typ=R2,Q,Bac=4111,Vf=0", "Lnr=A00002,Qm=Ende",
              "Stck=1,Typ=R3,Q,Bac=4111,Vf=0"});
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    const QStringList l = qpo();
    ASSERT_EQ(l.size(), 7);
    EXPECT_EQ(l[5], "Lnr=A00002,Qm=Ende");
    EXPECT_TRUE(l[6].startsWith("Stck=2,Q,Bac=5112")); // the Q-list's connections so far
}

TEST_F(ExecQslTest, DatabaseErrorEndsTheRunAndKeepsThePositionFile)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    p().SystDb.reset();
    const QStringList before{"Lnr=A00001,Typ=BOARD,B,Demo", "Stck=1,Typ=R1,Q,Bac=2311,Vf=1"};
    writeQpo(before);
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(qpo(), before);
    EXPECT_FALSE(QFile::exists(dir.filePath("qpoh")));
    EXPECT_TRUE(sp.ui().allUsed());
}

} // namespace
