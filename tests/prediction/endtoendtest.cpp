#include "common/testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// The batch prediction of the demo Q-list, run by the program itself in a
// temporary copy of the installation, without a display and without a printer.
namespace {

class BatchPrediction : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_TRUE(QFile::copy(testutil::tarnBinary(), inst.programFile()));
    }
    int run(const QByteArray& prDat)
    {
        testutil::writeFile(inst.path("pr.dat"), prDat);
        QProcess tarn;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TARN_FIXED_CLOCK"), QStringLiteral("2024-03-07T10:00:00"));
        env.remove(QStringLiteral("DISPLAY"));
        tarn.setProcessEnvironment(env);
        tarn.setWorkingDirectory(inst.dir());
        tarn.start(inst.programFile(), {QStringLiteral("/pr")});
        EXPECT_TRUE(tarn.waitForFinished(120000));
        return tarn.exitCode();
    }
    QStringList lines(const QString& relative)
    {
        QStringList l = QString::fromLatin1(testutil::readFile(inst.path(relative))).split(QStringLiteral("\r\n"));
        if (!l.isEmpty() && l.back().isEmpty())
            l.removeLast();
        return l;
    }
    testutil::TempInstallation inst;
};

TEST_F(BatchPrediction, DemoBoardUnderTheStandardProfile)
{
    EXPECT_EQ(run("1,Standard\r\n"), 0);
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));
    EXPECT_FALSE(QFile::exists(inst.path("pr.err"))) << testutil::readFile(inst.path("pr.err")).toStdString();

    const QStringList qpo = lines("tp2/qpo");
    ASSERT_FALSE(qpo.isEmpty());
    EXPECT_TRUE(qpo.first().startsWith("Lnr=A1,Typ=DEMOBOARD,"));
    // Positions: board 26, power 17, filter 6, inputs/outputs 10, relays 6 and
    // three channels of 12 = 101, less the printed circuit board (class 69).
    int positions = 0, ends = 0;
    for (const QString& l : qpo) {
        positions += !l.contains("Qm=") && !l.contains("Bac=5112") && l != qpo.first();
        ends += l.contains("Qm=Ende");
    }
    EXPECT_EQ(positions, 100);
    EXPECT_EQ(ends, 7);
    for (const QString& l : qpo) {
        if (l.contains("Typ=IC-MISSING"))
            EXPECT_TRUE(l.contains(",F,Err=Btd")) << l.toStdString();
        EXPECT_FALSE(l.contains("Typ=PCB-4L"));
    }
}

TEST_F(BatchPrediction, ProfilesThatCannotRunAreLoggedAndTheRestRuns)
{
    EXPECT_EQ(run("1,Missing\r\n1,newprof.ql\r\n0,Standard\r\n"), 0);
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));
    const QStringList err = lines("pr.err");
    ASSERT_EQ(err.size(), 2) << err.join("\n").toStdString();
    EXPECT_TRUE(err[0].startsWith("Meldung profil: ")) << err[0].toStdString();
    EXPECT_TRUE(err[0].contains("\"Missing\""));
    EXPECT_TRUE(err[1].startsWith("Meldung newprof: ")) << err[1].toStdString();
    // The third line ran: the three-position Q-list and its summary.
    const QStringList qpo = lines("tp2/qpo");
    ASSERT_EQ(qpo.size(), 5);
    EXPECT_TRUE(qpo[0].startsWith("Lnr=A0,Typ=DEMO3,"));
    EXPECT_TRUE(qpo[4].contains(",Q,Bac=5112")) << qpo[4].toStdString();
}

} // namespace
