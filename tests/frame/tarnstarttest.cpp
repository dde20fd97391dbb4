#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/database.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "frame/launcher.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/tarnstart.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        setLauncher(&launcher);
        ini = inst.path("System/tarn.ini");
    }
    void TearDown() override { setLauncher(nullptr); }

    void writeIni(const QByteArray& text) { writeFile(ini, text); }
    StartResult start(const QString& cmd = QString()) { return Main(inst.programFile(), cmd); }

    TempInstallation inst;
    ScriptedProgram sp;
    RecordingLauncher launcher;
    QString ini;
};

const QByteArray kIni = "[fewe]\nDe=DE\nAws=aws\nBin=C:\\bt\nBex=ext\nLpt=LPT1\nTsa=tas\nQslDruck=2.5\n"
                        "ResDir=res\nFont=Courier\nPaf=0\nRes=out.txt\nVql=qsl\nQz=b\nHwNw=1\nRand0=2 cm\n"
                        "Rand1=1\n[einheiten]\nUnits=cm=1440/2.54,in=1440\n[usertitel]\n"
                        "Titel=A forty character title 1234567890123\n[colorcodes]\nCrt=AtN=7\n"
                        "[Sonder-AR]\nYKBewertung=0.8\n[userini]\nc1=helper --start\n";

TEST_F(StartupTest, BuildsCfAndState)
{
    writeIni(kIni);
    writeFile(inst.path("System/vg"), ",Vers=7.2\n,DefUnit=mm\n");
    const StartResult r = start();
    EXPECT_EQ(r.action, StartAction::ShowMain);
    Program& p = prog();
    EXPECT_EQ(p.LangDir, "de\\");
    EXPECT_EQ(p.LangNr, 2);
    EXPECT_EQ(p.LangDruck, 2);
    // The exact line of cf.sys: Cf after "vg", before Crt, DefUnit and margins.
    const QByteArray cfsys = readFile(inst.path("System/cf.sys"));
    EXPECT_EQ(cfsys, QByteArray("De=de\\,L=2,Aws=aws,Tp1=tp1,Tp2=tp2,Tqs=tp1\\tqs,Bin=C:\\bt,Bex=ext,Sin=C:\\bt\\i\\ss,"
                                "Sex=ext\\i\\ss,Lpt=LPT1,Tsa=TAS,QslDruck=2,ResDir=res,Font=Courier,Paf=0,Res=out.txt,"
                                "Vql=qsl,Qz=B,Vers=7.2,DefUnit=mm\r\n"));
    EXPECT_EQ(p.WorkStr[Slot::Qz], "B");
    EXPECT_EQ(p.QslDruckNr, 2); // 2.5 to the even neighbour
    EXPECT_TRUE(p.HwNwKonfig);
    // The ini's DefUnit replaces the one from vg in place; the margins follow.
    EXPECT_TRUE(p.Cf.endsWith(",Vers=7.2,DefUnit=cm,AtN=7,Rand0=2 cm,Rand1=1")) << p.Cf.toStdString();
    // The unit factors are single precision, as GetParamPair reads them.
    EXPECT_DOUBLE_EQ(p.Raender[0], 2 * 1440 / double(2.54f));
    EXPECT_DOUBLE_EQ(p.Raender[1], 1440 / double(2.54f));
    EXPECT_EQ(p.Raender[2], 0);
    EXPECT_EQ(p.TitelAnw, QString("A forty character title 123456"));
    EXPECT_EQ(p.TitelAnw.size(), 30);
    EXPECT_EQ(p.ProgTitel, "TARN 7.2");
    EXPECT_DOUBLE_EQ(p.YkBewFaktor, double(0.8f));
    EXPECT_TRUE(p.YkBewKonfig);
    EXPECT_FALSE(p.SonderArKonfig);
    EXPECT_EQ(launcher.commands, QStringList{"helper --start"});
    EXPECT_EQ(GetProfileStr("fewe", QString("Missing"), 128, p.IniFile), "leer");
    EXPECT_EQ(GetParam(p.Cf, "Missing"), "");
    ASSERT_TRUE(p.SystDb);
    ASSERT_TRUE(p.AbkRs);
    ASSERT_TRUE(p.BacTecListe);
    EXPECT_GT(p.BacTecListe->recordCount(), 0);
    EXPECT_EQ(p.QslFeldTab[9].column, "BE");
    EXPECT_EQ(p.QlSuchArt[7], 20);
}

TEST_F(StartupTest, WorkDirectoriesEmptiedSubfoldersKept)
{
    writeIni(kIni);
    writeFile(inst.path("tp1/old.txt"), "x");
    writeFile(inst.path("tp1/sub/keep.txt"), "y");
    writeFile(inst.path("tp2/old2"), "z");
    start();
    EXPECT_FALSE(QFile::exists(inst.path("tp1/old.txt")));
    EXPECT_FALSE(QFile::exists(inst.path("tp2/old2")));
    EXPECT_TRUE(QFile::exists(inst.path("tp1/sub/keep.txt")));
    EXPECT_FALSE(QDir(inst.path("tp1/tqs")).exists());
}

TEST_F(StartupTest, LanguageFallbacks)
{
    struct Row { QByteArray de; QString dir; int nr; };
    // Mended: an unknown or missing De gives German, not a directory at the root.
    for (const Row& r : {Row{"De=dd\n", "dd\\", 1}, Row{"De=fr\n", "dd\\", 1}, Row{"", "dd\\", 1}}) {
        writeIni("[fewe]\n" + r.de);
        start();
        EXPECT_EQ(prog().LangDir, r.dir) << r.de.constData();
        EXPECT_EQ(prog().LangNr, r.nr);
    }
}

TEST_F(StartupTest, MissingIniStartsWithDefaults)
{
    QFile::remove(ini);
    start();
    EXPECT_EQ(prog().LangNr, 1);
    EXPECT_EQ(GetParam(prog().Cf, "DefUnit"), "cm");
    EXPECT_EQ(prog().TitelAnw, QString(30, u' '));
    EXPECT_EQ(GetParam(prog().Cf, "Bin"), "");
    EXPECT_EQ(GetParam(prog().Cf, "Sin"), "\\i\\ss");
}

TEST_F(StartupTest, MissingVgIsReportedOnce)
{
    writeIni(kIni);
    QFile::remove(inst.path("System/vg"));
    sp.ui().expect(QuestionKind::Error, "TarnStart.Main", Answer::button(1));
    const StartResult r = start();
    EXPECT_EQ(r.action, StartAction::ShowMain);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(GetParam(prog().Cf, "Vers"), "");
}

TEST_F(StartupTest, MissingSystemDatabaseEndsWhenLeft)
{
    writeIni(kIni);
    QFile::remove(inst.path("System/SYST_DB.sqlite"));
    sp.ui().expect(QuestionKind::Error, "TarnStart.Main", Answer::button(2));
    EXPECT_EQ(start().action, StartAction::End);
}

TEST_F(StartupTest, CommandLineSwitches)
{
    writeIni(kIni);
    EXPECT_EQ(start("/FL").action, StartAction::Batch);
    EXPECT_EQ(start(" /configneu ").action, StartAction::ConfigThenMain);
    EXPECT_EQ(start("/fl now").action, StartAction::ShowMain);
    EXPECT_EQ(start("/help").action, StartAction::ShowMain);
    EXPECT_EQ(start("/pr").batchSwitch, "/pr");
}

TEST(ProgramDirectory, RootsAndPaths)
{
    EXPECT_EQ(programDirectoryOf("C:\\tarn.exe"), "C:\\");
    EXPECT_EQ(programDirectoryOf("C:\\prog\\tarn.exe"), "C:\\prog");
    EXPECT_EQ(programDirectoryOf("/opt/tarn/tarn"), "/opt/tarn");
    EXPECT_EQ(programDirectoryOf("tarn"), "tarn");
    // No length limit on the path.
    const QString longDir = "/" + QString(300, u'a');
    EXPECT_EQ(programDirectoryOf(longDir + "/tarn"), longDir);
}

// The batch runs of the real program, in a temporary installation.
class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_TRUE(QFile::copy(tarnBinary(), inst.programFile()));
        QFile::setPermissions(inst.programFile(), QFile::permissions(inst.programFile()) | QFile::ExeOwner);
    }
    int run(const QString& sw)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(inst.dir());
        p.start(inst.programFile(), {sw});
        if (!p.waitForFinished(60000))
            return -1;
        return p.exitCode();
    }
    TempInstallation inst;
};

TEST_F(BatchRunTest, MissingBatchFileWritesErrFile)
{
    // Without a job file the run cannot start.
    EXPECT_EQ(run("/fl"), 2);
    EXPECT_EQ(readFile(inst.path("fl.err")),
              QByteArray("Meldung batch: Die Input-Datei  fl.dat  ist nicht vorhanden !\r\n"));
    EXPECT_FALSE(QFile::exists(inst.path("fl.dat")));
    EXPECT_FALSE(QFile::exists(inst.path("pr.err")));
}

TEST_F(BatchRunTest, BatchFileIsDeletedAfterTheRun)
{
    writeFile(inst.path("fl.dat"), "@,\n0\n");
    EXPECT_EQ(run("/FL"), 0);
    EXPECT_FALSE(QFile::exists(inst.path("fl.dat")));
}

// A job that fails stays in the job file, with the "@," line that governs it;
// the completed ones go.
TEST_F(BatchRunTest, FailedJobStaysInTheBatchFile)
{
    writeFile(inst.path("fl.dat"), "@,\n0\n12\n");
    EXPECT_EQ(run("/fl"), 1);
    EXPECT_EQ(readFile(inst.path("fl.dat")), QByteArray("@,\r\n12\r\n"));
    const QString err = QString::fromLatin1(readFile(inst.path("fl.err")));
    EXPECT_TRUE(err.contains("qsl\\A0\\00\\12")) << err.toStdString();
    EXPECT_TRUE(err.contains("[fl.dat: 12]")) << err.toStdString();
}
} // namespace
