#include "common/testutil.h"
#include "frame/inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

// The program's batch runs, started as a user's script starts them: the exit
// status, the lines of "<switch>.err" and what is left of the job file.
namespace {

struct BatchRow {
    const char* name;
    const char* batchSwitch;  // "pr", "mb"
    QByteArray jobs;          // the job file; empty: none
    std::function<void(testutil::TempInstallation&)> damage;
    int exitCode;
    QStringList errHas;       // texts that must stand in one line of the .err file each
    QByteArray jobsLeft;      // the job file afterwards; empty: deleted
    bool resultWritten;       // a result file of the three-position Q-list
};
void PrintTo(const BatchRow& r, std::ostream* os) { *os << r.name; }

class BatchExit : public ::testing::TestWithParam<BatchRow> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_TRUE(QFile::copy(testutil::tarnBinary(), inst.programFile()));
        QDir(inst.path("results")).removeRecursively();
    }
    int run(const QString& sw)
    {
        QProcess tarn;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TARN_FIXED_CLOCK"), QStringLiteral("2024-03-07T10:00:00"));
        env.remove(QStringLiteral("DISPLAY"));
        tarn.setProcessEnvironment(env);
        tarn.setWorkingDirectory(inst.dir());
        tarn.start(inst.programFile(), {u'/' + sw});
        EXPECT_TRUE(tarn.waitForFinished(180000));
        EXPECT_EQ(tarn.exitStatus(), QProcess::NormalExit);
        return tarn.exitCode();
    }
    testutil::TempInstallation inst;
};

void setIni(testutil::TempInstallation& inst, const char* section, const char* key, const char* value)
{
    ASSERT_TRUE(WriteProfileStr(QString::fromLatin1(section), QString::fromLatin1(key), QString::fromLatin1(value),
                                inst.path("System/tarn.ini")));
}

TEST_P(BatchExit, StatusLogAndJobFile)
{
    const BatchRow& row = GetParam();
    const QString sw = QString::fromLatin1(row.batchSwitch);
    const QString jobFile = inst.path(sw + ".dat");
    if (!row.jobs.isEmpty())
        testutil::writeFile(jobFile, row.jobs);
    if (row.damage)
        row.damage(inst);

    EXPECT_EQ(run(sw), row.exitCode);

    const QStringList err = QString::fromLatin1(testutil::readFile(inst.path(sw + ".err"))).split("\r\n");
    for (const QString& expected : row.errHas) {
        bool found = false;
        for (const QString& line : err)
            found = found || line.contains(expected);
        EXPECT_TRUE(found) << "no line with \"" << expected.toStdString() << "\" in\n"
                           << err.join('\n').toStdString();
    }
    if (row.jobsLeft.isEmpty())
        EXPECT_FALSE(QFile::exists(jobFile));
    else
        EXPECT_EQ(testutil::readFile(jobFile), row.jobsLeft);
    EXPECT_EQ(QFile::exists(inst.path("results/A0000000.slk")), row.resultWritten);
}

// The leaf page of the demo index (52 records fit one leaf).
const char* kLeaf = "bt/int/i/00/00";
// The demo Q-list 0 of database A: R-10K 4 times, C-100N twice, T-BC847 once.
const char* kQlist0 = "qsl/A0/00/00";

void replaceIn(const QString& path, const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = testutil::readFile(path);
    ASSERT_TRUE(bytes.contains(from)) << path.toStdString();
    testutil::writeFile(path, bytes.replace(from, to));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BatchExit,
    ::testing::Values(
        BatchRow{"allJobsDone", "pr", "0,Standard\r\n", {}, 0, {"Meldung pdf: "}, "", true},
        BatchRow{"noJobFile", "pr", "", {}, 2, {"Meldung batch: ", "pr.dat"}, "", false},
        BatchRow{"semicolonSeparator", "pr", "0;Standard\r\n", {}, 1,
                 {"Meldung zeile: ", "[pr.dat: 0;Standard]"}, "0;Standard\r\n", false},
        BatchRow{"lineWithoutProfile", "pr", "0,\r\n", {}, 1, {"Meldung zeile: ", "[pr.dat: 0,]"}, "0,\r\n", false},
        BatchRow{"profileNotStored", "pr", "0,Missing\r\n", {}, 1, {"Meldung profil: ", "[pr.dat: 0,Missing]"},
                 "0,Missing\r\n", false},
        // A good line after a bad one runs; only the bad one stays.
        BatchRow{"goodLineAfterABadOne", "pr", "0;Standard\r\n0,Standard\r\n", {}, 1,
                 {"[pr.dat: 0;Standard]", "Meldung pdf: "}, "0;Standard\r\n", true},
        BatchRow{"indexPageCut", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) {
                     QFile f(i.path(kLeaf));
                     ASSERT_TRUE(f.resize(1000));
                 },
                 1, {"Meldung btdefekt: ", QDir::toNativeSeparators(QStringLiteral("i/00/00"))}, "0,Standard\r\n",
                 false},
        BatchRow{"indexPageZeroed", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { testutil::writeFile(i.path(kLeaf), QByteArray(2400, '\0')); },
                 1, {"Meldung btdefekt: "}, "0,Standard\r\n", false},
        BatchRow{"componentFileMissing", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { QDir(i.path("bt/int")).removeRecursively(); }, 1,
                 {"Meldung btdefekt: "}, "0,Standard\r\n", false},
        BatchRow{"iniNumberOutOfRange", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { setIni(i, "fewe", "QslDruck", "99999999999"); }, 2,
                 {"QslDruck=99999999999", "Meldung start: "}, "0,Standard\r\n", false},
        BatchRow{"systemDatabaseMissing", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { QFile::remove(i.path("System/SYST_DB.sqlite")); }, 2,
                 {"SYST_DB", "Meldung start: "}, "0,Standard\r\n", false},
        BatchRow{"iniWithoutBin", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) {
                     ASSERT_TRUE(WriteProfileStr("fewe", QString("Bin"), std::nullopt, i.path("System/tarn.ini")));
                 },
                 2, {"Meldung konfig: ", "Bin"}, "0,Standard\r\n", false},
        // An archive that should keep the run but cannot be read fails the job
        // before it computes, naming the archive's folder.
        BatchRow{"archiveUnreadable", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) {
                     ASSERT_TRUE(QDir().mkpath(i.path("archiv")));
                     testutil::writeFile(i.path("archiv/ArchivSuch.sqlite"), QByteArray(4096, 'x'));
                 },
                 1, {"Meldung archiv: ", "archiv", "[pr.dat: 0,Standard]"}, "0,Standard\r\n", false},
        BatchRow{"mergeOfAMissingBlockFile", "mb", "nowhere.blk\r\n", {}, 1,
                 {"nowhere.blk", "[mb.dat: nowhere.blk]"}, "nowhere.blk\r\n", false},
        BatchRow{"mergeWithAnUnknownImportProfile", "mb", "System/vg,NoSuchProfile\r\n", {}, 1,
                 {"NoSuchProfile"}, "System/vg,NoSuchProfile\r\n", false},
        // Job files written here: a byte-order mark, lone CRs, UTF-8 names.
        BatchRow{"jobFileWithoutAJob", "pr", " \r\n", {}, 1, {"Meldung batch: ", "pr.dat"}, " \r\n", false},
        BatchRow{"byteOrderMarkAndCarriageReturns", "pr", "\xEF\xBB\xBF\r0,Standard\r", {}, 0, {"Meldung pdf: "}, "",
                 true},
        BatchRow{"mergeOfABlockFileWithUmlauts", "mb", "Bl\xC3\xB6" "cke.blk\n",
                 [](testutil::TempInstallation& i) {
                     testutil::writeFile(i.path(QStringLiteral("Bl\u00F6cke.blk")),
                                         "Typ=NEW-PART,Q,Bac=4210,Tec=0000,Pin=2\r\n");
                 },
                 0, {}, "", false},
        // Values that cannot be read fail the job and say which and where.
        BatchRow{"mergeOfAFactorWithADecimalComma", "mb", "new.blk\r\n",
                 [](testutil::TempInstallation& i) {
                     testutil::writeFile(i.path("new.blk"), "Typ=NEW-PART,Q,Bac=4210,Tec=0000,Pin=2,K1=0,5\r\n");
                 },
                 1, {"K1: \"0,5\"", "[mb.dat: new.blk]"}, "new.blk\r\n", false},
        BatchRow{"quantityWithLetters", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { replaceIn(i.path(kQlist0), "Stck=4,", "Stck=abc,"); }, 1,
                 {"Meldung Wert: ", "Stck: \"abc\"", "[pr.dat: 0,Standard]"}, "0,Standard\r\n", false},
        BatchRow{"positionWithoutQuantity", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { replaceIn(i.path(kQlist0), "Stck=2,", ""); }, 1,
                 {"Meldung 63: ", "Typ=C-100N"}, "0,Standard\r\n", false},
        BatchRow{"ambientWithADecimalComma", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) { replaceIn(i.path("System/tarn.ini"), "Tu=40,", "Tu=40,5,"); }, 1,
                 {"Meldung profil: ", "Tu: \"40,5\""}, "0,Standard\r\n", false},
        BatchRow{"profileWithoutControlList", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) {
                     ASSERT_TRUE(WriteProfileStr("profil-sy", QString("Standard"), std::nullopt,
                                                 i.path("System/tarn.ini")));
                 },
                 1, {"Meldung profil: ", "[profil-sy]"}, "0,Standard\r\n", false},
        BatchRow{"specialListMissing", "pr", "0,Standard\r\n",
                 [](testutil::TempInstallation& i) {
                     setIni(i, "Sonder-AR", "ARListe", "System\\nothere.xlsx");
                     replaceIn(i.path("System/tarn.ini"), "Re=Ber,File=Std", "Re=Ber,File=Std,ARSoList=-1");
                 },
                 1, {"Meldung SonderAR: ", "nothere.xlsx"}, "0,Standard\r\n", false}),
    [](const auto& i) { return std::string(i.param.name); });

// A merge into a component file whose index cannot be read writes nothing: not a
// block, not an index page, not the header.
TEST_F(BatchExit, MergeIntoADamagedIndexWritesNothing)
{
    testutil::writeFile(inst.path("new.blk"), "Typ=NEW-PART,Q,Bac=4210,Tec=0000,Pin=2\r\n");
    testutil::writeFile(inst.path("mb.dat"), "new.blk\r\n");
    testutil::writeFile(inst.path(kLeaf), QByteArray(2400, 'x'));
    const QByteArray abi = testutil::readFile(inst.path("bt/int/abi"));
    const QStringList blocksBefore = QDir(inst.path("bt/int/b4/21")).entryList(QDir::Files);
    QByteArray blockBytes;
    for (const QString& b : blocksBefore)
        blockBytes += testutil::readFile(inst.path("bt/int/b4/21/" + b));

    EXPECT_EQ(run("mb"), 1);

    EXPECT_EQ(testutil::readFile(inst.path(kLeaf)), QByteArray(2400, 'x'));
    EXPECT_EQ(testutil::readFile(inst.path("bt/int/abi")), abi);
    QByteArray blockBytesAfter;
    for (const QString& b : QDir(inst.path("bt/int/b4/21")).entryList(QDir::Files))
        blockBytesAfter += testutil::readFile(inst.path("bt/int/b4/21/" + b));
    EXPECT_EQ(blockBytesAfter, blockBytes);
    EXPECT_TRUE(QString::fromLatin1(testutil::readFile(inst.path("mb.err"))).contains("Meldung btdefekt: "));
}

// All hundred result-file numbers of the Q-list used: the job fails before its
// output and says which names, where and why.
TEST_F(BatchExit, NoFreeResultFileNumberIsNamed)
{
    QDir().mkpath(inst.path("results"));
    for (int k = 0; k <= 99; ++k)
        testutil::writeFile(inst.path(QStringLiteral("results/A00000%1.slk").arg(k, 2, 10, QChar(u'0'))), "earlier");
    testutil::writeFile(inst.path("pr.dat"), "0,Standard\r\n");
    EXPECT_EQ(run("pr"), 1);
    EXPECT_EQ(testutil::readFile(inst.path("pr.dat")), QByteArray("0,Standard\r\n"));
    const QString err = QString::fromLatin1(testutil::readFile(inst.path("pr.err")));
    const QStringList named = err.split("\r\n").filter("Meldung ergname: ");
    ASSERT_EQ(named.size(), 1) << err.toStdString();
    EXPECT_TRUE(named[0].contains("A00000??.slk")) << named[0].toStdString();
    EXPECT_TRUE(named[0].contains(QFileInfo(inst.path("results")).absoluteFilePath())) << named[0].toStdString();
    EXPECT_TRUE(named[0].contains("keine freie Nummer")) << named[0].toStdString();
    EXPECT_TRUE(QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files).isEmpty());
}

// Temporary output files of a copy that was killed go at the next start; those
// of a copy still running (here: this test) stay.
TEST_F(BatchExit, TemporaryFilesOfAKilledRunGoAtTheNextStart)
{
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted(10000));
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(10000));
    const QString dead = QStringLiteral("results/.A0000000.slk.%1-0a1b2c3d.part").arg(endedPid);
    const QString live =
        QStringLiteral("results/.A0000001.slk.%1-0a1b2c3d.part").arg(QCoreApplication::applicationPid());
    QDir().mkpath(inst.path("results"));
    testutil::writeFile(inst.path(dead), "half");
    testutil::writeFile(inst.path(live), "half");
    EXPECT_EQ(run("fl"), 2); // no job file: the start alone
    EXPECT_FALSE(QFile::exists(inst.path(dead)));
    EXPECT_TRUE(QFile::exists(inst.path(live)));
}

} // namespace
