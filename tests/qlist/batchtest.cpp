#include "common/testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// The batch check ("/fl") and printout ("/dr") of the demo Q-lists, run by the
// program itself in a temporary installation without a display or a printer.
namespace {

class QlBatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_TRUE(QFile::copy(testutil::tarnBinary(), inst.programFile()));
        QDir(inst.path("results")).removeRecursively();
        QDir(inst.path("archiv")).removeRecursively();
    }
    int run(const QString& sw, const QByteArray& dat)
    {
        testutil::writeFile(inst.path(sw.mid(1) + ".dat"), dat);
        QProcess tarn;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DISPLAY"));
        tarn.setProcessEnvironment(env);
        tarn.setWorkingDirectory(inst.dir());
        tarn.start(inst.programFile(), {sw});
        EXPECT_TRUE(tarn.waitForFinished(120000));
        return tarn.exitCode();
    }
    QStringList log(const QString& name) const
    {
        return QString::fromLatin1(testutil::readFile(inst.path(name))).split("\r\n", Qt::SkipEmptyParts);
    }
    QStringList pdfs() const { return QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files); }
    testutil::TempInstallation inst;
};

TEST_F(QlBatch, CheckOfTheErrorExamplePrintsItsMissingComponentAsPdf)
{
    // Demo Q-list 7 lacks one component on purpose; the three-position
    // example is complete and prints nothing.
    EXPECT_EQ(run("/fl", "7\r\n 0 \r\n"), 0);
    EXPECT_FALSE(QFile::exists(inst.path("fl.dat")));
    ASSERT_EQ(pdfs().size(), 1);
    const QByteArray pdf = testutil::readFile(inst.path("results/" + pdfs()[0]));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const QStringList err = log("fl.err");
    ASSERT_EQ(err.size(), 1) << err.join('\n').toStdString();
    EXPECT_TRUE(err[0].startsWith("Meldung pdf: ") && err[0].contains(pdfs()[0])) << err[0].toStdString();
}

TEST_F(QlBatch, UnknownNumberIsLoggedAndTheNextQslIsPrinted)
{
    // The unknown number fails the run and stays in the input file for a
    // second try; the Q-list after it is still printed.
    EXPECT_EQ(run("/dr", "77\r\n0\r\n"), 1);
    ASSERT_TRUE(QFile::exists(inst.path("dr.dat")));
    const QStringList left = log("dr.dat");
    EXPECT_EQ(left, QStringList({"77"})) << left.join('|').toStdString();
    ASSERT_EQ(pdfs().size(), 1);
    EXPECT_TRUE(testutil::readFile(inst.path("results/" + pdfs()[0])).startsWith("%PDF"));
    const QStringList err = log("dr.err");
    ASSERT_EQ(err.size(), 3) << err.join('\n').toStdString();
    EXPECT_TRUE(err[0].startsWith("Meldung 162: Ln=00077")) << err[0].toStdString();
    EXPECT_TRUE(err[1].startsWith("Meldung batch: ") && err[1].contains("[dr.dat: 77]")) << err[1].toStdString();
    EXPECT_TRUE(err[2].startsWith("Meldung pdf: ") && err[2].contains(pdfs()[0])) << err[2].toStdString();
}

} // namespace
