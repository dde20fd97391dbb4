#include "common/testutil.h"
#include "frame/database.h"
#include "frame/inifile.h"

#include <QDir>
#include <QFile>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
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
        // A fresh installation: no results or archive of earlier runs in the build.
        QDir(inst.path("results")).removeRecursively();
        QDir(inst.path("archiv")).removeRecursively();
        QFile::remove(inst.path("pr.err"));
        // The report appends the computed position file to the file of key Res.
        ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), QString("qpo-copy.txt"), inst.path("System/tarn.ini")));
    }
    int run(const QByteArray& prDat, const QString& locale = QString())
    {
        testutil::writeFile(inst.path("pr.dat"), prDat);
        QProcess tarn;
        start(tarn, QStringLiteral("/pr"), locale);
        EXPECT_TRUE(tarn.waitForFinished(120000));
        return tarn.exitCode();
    }
    void start(QProcess& tarn, const QString& batchSwitch, const QString& locale = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The printed date is written in the report's language whatever the
        // platform's date format (held to C here, English, while the report is
        // German); numbers follow the locale of the run (the second CI pass
        // runs under German).
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LC_TIME"), QStringLiteral("C"));
        if (!locale.isEmpty()) {
            env.insert(QStringLiteral("LANG"), locale);
            for (const char* category : {"LC_NUMERIC", "LC_CTYPE", "LC_MONETARY"})
                env.insert(QString::fromLatin1(category), locale);
        }
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TARN_FIXED_CLOCK"), QStringLiteral("2024-03-07T10:00:00"));
        env.remove(QStringLiteral("DISPLAY"));
        tarn.setProcessEnvironment(env);
        tarn.setWorkingDirectory(inst.dir());
        tarn.start(inst.programFile(), {batchSwitch});
    }
    QStringList lines(const QString& relative)
    {
        QStringList l = QString::fromLatin1(testutil::readFile(inst.path(relative))).split(QStringLiteral("\r\n"));
        // The copy of the position file ends in blank lines.
        while (!l.isEmpty() && l.back().trimmed().isEmpty())
            l.removeLast();
        return l;
    }
    testutil::TempInstallation inst;
};

// Pages of a PDF file: its page objects.
int pdfPages(const QString& file)
{
    const QByteArray pdf = testutil::readFile(file);
    return int(pdf.count("/Type /Page\n")) + int(pdf.count("/Type /Page\r")) + int(pdf.count("/Type /Page>"));
}

TEST_F(BatchPrediction, DemoBoardUnderTheStandardProfile)
{
    EXPECT_EQ(run("1,Standard\r\n"), 0);
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));

    // The result file, named after the database letter, the number and a counter.
    // TARN_UPDATE_GOLDEN=1 rewrites the expected file from this run.
    const QString expected = testutil::fixturesDir() + "/prediction/demoboard-standard.slk";
    if (qEnvironmentVariableIsSet("TARN_UPDATE_GOLDEN"))
        testutil::writeFile(expected, testutil::readFile(inst.path("results/A0000100.slk")));
    EXPECT_EQ(testutil::readFile(inst.path("results/A0000100.slk")), testutil::readFile(expected));

    // No printer: the direct printout is a PDF in the result directory, and the
    // batch log says where.
    const QStringList pdfs = QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    // The total page with the group shares, the user-specific evaluation, the
    // ranking lists, the position detail report with the Q-data fill-in lines
    // and the component list by groups.
    EXPECT_EQ(pdfPages(inst.path("results/" + pdfs[0])), 9);
    const QStringList err = lines("pr.err");
    ASSERT_EQ(err.size(), 1);
    EXPECT_TRUE(err[0].startsWith("Meldung pdf: ") && err[0].contains(pdfs[0])) << err[0].toStdString();

    // Routing DAT1 with a result file archives the result file.
    {
        const auto db = Database::open(inst.path("archiv/ArchivSuch.sqlite"), true);
        Snapshot rows = db->snapshot("SELECT * FROM [ArchivSuche]");
        ASSERT_EQ(rows.recordCount(), 1);
        EXPECT_EQ(rows.text("Typ"), "slk");
    }

    const QStringList qpo = lines("qpo-copy.txt");
    ASSERT_FALSE(qpo.isEmpty());
    EXPECT_TRUE(qpo.first().startsWith("Lnr=A1,Typ=DEMOBOARD,"));
    // Positions: board 25, power 17, filter 6, inputs/outputs 10, relays 6 and
    // three channels of 12 = 100, less the printed circuit board (class 69).
    int positions = 0, ends = 0;
    for (const QString& l : qpo) {
        positions += !l.contains("Qm=") && !l.contains("Bac=5112") && l != qpo.first();
        ends += l.contains("Qm=Ende");
    }
    EXPECT_EQ(positions, 99);
    EXPECT_EQ(ends, 7);
    // The demo components fit the models of their classes: every position is
    // predicted by the norm, the user list and MIL-HDBK-217F without a fault.
    for (const QString& l : qpo) {
        EXPECT_FALSE(l.contains("Typ=PCB-4L"));
        if (l == qpo.first() || l.contains("Qm="))
            continue;
        EXPECT_FALSE(l.contains(",F,")) << l.toStdString();
        for (const char* key : {",Fit=", ",Fita=", ",Fitm="})
            EXPECT_TRUE(l.contains(key)) << key << " missing: " << l.toStdString();
    }

    // A second run of the same Q-list writes the next result file.
    EXPECT_EQ(run("1,Standard\r\n"), 0);
    EXPECT_TRUE(QFile::exists(inst.path("results/A0000101.slk")));
}

// A profile of its own: the methods of "Standard" with other output choices.
void addProfile(const QString& ini, const QString& name, const QString& output)
{
    const QString methods = GetProfileStr("profil-gl", QString("Standard"), 1024, ini);
    ASSERT_TRUE(WriteProfileStr("profil-gl", name, methods, ini));
    ASSERT_TRUE(WriteProfileStr("profil-sy", name, output, ini));
}

TEST_F(BatchPrediction, FeedbackFormAlone)
{
    addProfile(inst.path("System/tarn.ini"), "Rueck",
               "Pw=ProQs,Qpdr=00000008,Qs%=5,Bt%=5,Qpbt=1,Qpsp=0000000,Ld=2,Re=Ber,File=Std");
    EXPECT_EQ(run("1,Rueck\r\n"), 0);
    // No result file; the printout is the form: the positions with their
    // fill-in lines (the board's 26 and two sub-Q-lists) and the form page.
    EXPECT_TRUE(QDir(inst.path("results")).entryList({"*.slk"}, QDir::Files).isEmpty());
    const QStringList pdfs = QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    const int pages = pdfPages(inst.path("results/" + pdfs[0]));
    EXPECT_GE(pages, 3);
    if (qEnvironmentVariableIsSet("TARN_REPORT_PDF"))
        QFile::copy(inst.path("results/" + pdfs[0]), qEnvironmentVariable("TARN_REPORT_PDF") + "-form.pdf");
}

TEST_F(BatchPrediction, LeanEvaluationWithItsTextFiles)
{
    const QString ini = inst.path("System/tarn.ini");
    addProfile(ini, "Bewert", "Pw=ProQs,Qpdr=00000070,Qs%=5,Bt%=5,Qpbt=1,Qpsp=0000007,Ld=2,Re=Ber,File=Std");
    ASSERT_TRUE(WriteProfileStr("fewe", QString("Resbs2pro"), QString("True"), ini));
    EXPECT_EQ(run("1,Bewert\r\n"), 0);
    const QByteArray slk = testutil::readFile(inst.path("results/A0000100.slk"));
    ASSERT_FALSE(slk.isEmpty());
    // The demo board's two sub-Q-lists, classified by the demo's "bew.an"
    // (B 500 to 1000 fit, C 1000 to 5000 fit):
    //   POWER: (187.96 + 1651.46) / 2 = 919.71 fit, 10^9 / 919.71 = 1 087 299 h,
    //          / 8760 = 124.1 years; 25 positions, none with own data.
    //   IO:    (199.71 + 1864.54) / 2 = 1032.125 fit, 968 875 h, 110.6 years.
    EXPECT_TRUE(slk.contains("\"POWER\""));
    EXPECT_TRUE(slk.contains("C;K919.71\r\n"));
    EXPECT_TRUE(slk.contains("C;K1032.125\r\n"));
    EXPECT_TRUE(slk.contains("C;K\"B\"\r\n"));
    EXPECT_TRUE(slk.contains("C;K\"25/0\"\r\n"));
    // The evaluation's column widths.
    EXPECT_TRUE(slk.contains("F;W2 2 18\r\n"));
    EXPECT_TRUE(slk.contains("F;W8 8 9\r\n"));
    EXPECT_TRUE(slk.contains("F;W10 10 5\r\n"));

    const QStringList bs2 = lines("results/A0000100.bs2");
    ASSERT_GE(bs2.size(), 2);
    EXPECT_EQ(bs2.mid(bs2.size() - 2), QStringList({"POWER               |                    |B|   1087299|25/0",
                                                    "IO                  |                    |C|    968875|57/0"}));
    const QStringList pro = lines("results/A0000100.pro");
    ASSERT_GE(pro.size(), 2);
    EXPECT_EQ(pro.mid(pro.size() - 2), QStringList({"POWER               |         920|       124,1",
                                                    "IO                  |        1032|       110,6"}));
    const QStringList pdfs = QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    if (qEnvironmentVariableIsSet("TARN_REPORT_PDF"))
        QFile::copy(inst.path("results/" + pdfs[0]), qEnvironmentVariable("TARN_REPORT_PDF") + "-lean.pdf");
}

TEST_F(BatchPrediction, ASecondStartLeavesTheWorkFilesOfARunningPredictionAlone)
{
    testutil::writeFile(inst.path("pr.dat"), "1,Standard\r\n");
    QProcess first;
    start(first, QStringLiteral("/pr"));
    // The second copy starts while the first one works in tp1 and tp2.
    const QDir tp1(inst.path("tp1")), tp2(inst.path("tp2"));
    QDeadlineTimer deadline(60000);
    while (first.state() != QProcess::NotRunning && !deadline.hasExpired() &&
           tp1.entryList(QDir::Files).isEmpty() && tp2.entryList(QDir::Files).isEmpty())
        QThread::msleep(1);
    ASSERT_NE(first.state(), QProcess::NotRunning) << "the prediction ended before it wrote a work file";
    QProcess second;
    start(second, QStringLiteral("/fl"));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_TRUE(QFile::exists(inst.path("fl.err")));
    ASSERT_TRUE(first.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0);

    EXPECT_EQ(testutil::readFile(inst.path("results/A0000100.slk")),
              testutil::readFile(testutil::fixturesDir() + "/prediction/demoboard-standard.slk"));
    EXPECT_EQ(QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files).size(), 1);
    EXPECT_EQ(lines("pr.err").size(), 1) << lines("pr.err").join("\n").toStdString();
    // The second copy worked in folders of its own and removed them.
    EXPECT_TRUE(tp1.entryList({"inst*"}, QDir::Dirs).isEmpty());
    EXPECT_TRUE(tp2.entryList({"inst*"}, QDir::Dirs).isEmpty());
}

TEST_F(BatchPrediction, ProfilesThatCannotRunAreLoggedAndTheRestRuns)
{
    // Two jobs fail: the run says so, and only they stay in the job file.
    EXPECT_EQ(run("1,Missing\r\n1,newprof.ql\r\n0,Standard\r\n"), 1);
    EXPECT_EQ(testutil::readFile(inst.path("pr.dat")), QByteArray("1,Missing\r\n1,newprof.ql\r\n"));
    const QStringList err = lines("pr.err");
    ASSERT_EQ(err.size(), 5) << err.join("\n").toStdString();
    EXPECT_TRUE(err[0].startsWith("Meldung profil: ")) << err[0].toStdString();
    EXPECT_TRUE(err[0].contains("\"Missing\""));
    EXPECT_TRUE(err[1].startsWith("Meldung batch: ")) << err[1].toStdString();
    EXPECT_TRUE(err[1].endsWith("[pr.dat: 1,Missing]")) << err[1].toStdString();
    EXPECT_TRUE(err[2].startsWith("Meldung newprof: ")) << err[2].toStdString();
    EXPECT_TRUE(err[3].startsWith("Meldung batch: ")) << err[3].toStdString();
    EXPECT_TRUE(err[3].endsWith("[pr.dat: 1,newprof.ql]")) << err[3].toStdString();
    EXPECT_TRUE(err[4].startsWith("Meldung pdf: ")) << err[4].toStdString();
    // The third line ran: the three-position Q-list and its summary.
    const QStringList qpo = lines("qpo-copy.txt");
    ASSERT_EQ(qpo.size(), 5);
    EXPECT_TRUE(qpo[0].startsWith("Lnr=A0,Typ=DEMO3,"));
    EXPECT_TRUE(qpo[4].contains(",Q,Bac=5112")) << qpo[4].toStdString();
}

// A circle of sub-lists below the Q-list (IO 3 -> CHANNEL 6 -> IO 3, met in each
// of IO's three channels): each reference is an entry of the error list with
// the circle's path, every other position is computed as without it, and the
// batch job fails and stays in the job file.
TEST_F(BatchPrediction, SubListCircleIsListedWithItsPathAndFailsTheJob)
{
    // Without the circle first: the positions it must leave as they are.
    EXPECT_EQ(run("1,Standard\r\n"), 0);
    const QStringList plain = lines("qpo-copy.txt");
    ASSERT_FALSE(plain.isEmpty());
    QFile::remove(inst.path("qpo-copy.txt"));
    QFile::remove(inst.path("pr.err"));

    // The channel list gets a reference back to the list it is part of.
    QFile channel(inst.path("qsl/A0/00/06"));
    ASSERT_TRUE(channel.open(QIODevice::Append));
    channel.write("*Stck=1,Typ=IO,Qm=Qsl\xFE\r\n");
    channel.close();
    // "Standard" with its result file and error list in files of a given name.
    addProfile(inst.path("System/tarn.ini"), "Kreis",
               "Pw=ProQs,Qpdr=12345670,Qs%=5,Bt%=5,Qpbt=12345,Qpsp=1234567,Ld=1,Re=Ber,File=Std|kreis.slk");

    EXPECT_EQ(run("1,Kreis\r\n"), 1);
    EXPECT_EQ(testutil::readFile(inst.path("pr.dat")), QByteArray("1,Kreis\r\n"));
    const QString path = QStringLiteral("IO (A3) > CHANNEL (A6) > IO (A3)");
    const QStringList err = lines("pr.err");
    EXPECT_EQ(err.filter(QRegularExpression("^Meldung QslZyklus: .*" + QRegularExpression::escape(path))).size(), 1)
        << err.join("\n").toStdString();
    ASSERT_FALSE(err.isEmpty());
    EXPECT_TRUE(err.last().startsWith("Meldung batch: ") && err.last().endsWith("[pr.dat: 1,Kreis]"))
        << err.join("\n").toStdString();

    // The three references stay as entries; without them, every position and
    // every summary is the one of the run without the circle.
    QStringList qpo = lines("qpo-copy.txt");
    const QStringList circles = qpo.filter("Err=QslZyklus");
    EXPECT_EQ(circles.size(), 3);
    for (const QString& c : circles)
        EXPECT_EQ(c, "Stck=1,Typ=IO,Qm=Qsl,F,Err=QslZyklus,Zyklus=" + path);
    qpo.removeIf([](const QString& l) { return l.contains("Err=QslZyklus"); });
    EXPECT_EQ(qpo, plain);

    // The output is there, and its error list names the circle each time.
    EXPECT_TRUE(QFile::exists(inst.path("results/kreis.slk")));
    const QString fehl = QString::fromLatin1(testutil::readFile(inst.path("results/kreis.slk_Fehl")));
    EXPECT_EQ(fehl.count("Zyklus=" + path), 3) << fehl.toStdString();
    EXPECT_EQ(fehl.count(QString::fromUtf8("Unter-Qsl enthält sich selbst")), 3) << fehl.toStdString();
}

// Under the locale of the users, where the C library writes "2,75" and reads
// "1.5" as 1, the result file is the same, byte for byte, as under C.
TEST_F(BatchPrediction, GermanLocaleWritesTheSameResultFile)
{
    EXPECT_EQ(run("1,Standard\r\n", QStringLiteral("C")), 0);
    const QByteArray underC = testutil::readFile(inst.path("results/A0000100.slk"));
    ASSERT_FALSE(underC.isEmpty());
    EXPECT_EQ(run("1,Standard\r\n", QStringLiteral("de_DE.UTF-8")), 0);
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));
    EXPECT_EQ(testutil::readFile(inst.path("results/A0000101.slk")), underC);
    const QStringList pdfs = QDir(inst.path("results")).entryList({"*.pdf"}, QDir::Files);
    EXPECT_EQ(pdfs.size(), 2) << "a printout of each run";
}

// Outputs of one installation: result files, PDFs and archive rows.
struct Outputs {
    int slk = 0, pdf = 0, parts = 0;
    QStringList archived; // the file types of the archive rows
};
Outputs outputsOf(const testutil::TempInstallation& inst)
{
    Outputs o;
    const QDir results(inst.path("results"));
    o.slk = int(results.entryList({"*.slk"}, QDir::Files).size());
    o.pdf = int(results.entryList({"*.pdf"}, QDir::Files).size());
    o.parts = int(results.entryList({"*.part"}, QDir::Files | QDir::Hidden).size());
    if (QFile::exists(inst.path("archiv/ArchivSuch.sqlite"))) {
        const auto db = Database::open(inst.path("archiv/ArchivSuch.sqlite"), true);
        const Snapshot rows = db->snapshot("SELECT [Typ] FROM [ArchivSuche] ORDER BY [Ref]");
        for (const QVariantList& row : rows.rows())
            o.archived << row[0].toString();
    }
    return o;
}

// Three copies of the program run the same job file on one installation at
// the same time (and in the same second of the clock): every prediction keeps
// its result file, its PDF and its archive row.
TEST_F(BatchPrediction, ThreeCopiesAtOnceKeepEveryOutput)
{
    const int jobs = 3, copies = 3;
    QByteArray prDat;
    for (int k = 0; k < jobs; ++k)
        prDat += "0,Standard\r\n";
    testutil::writeFile(inst.path("pr.dat"), prDat);
    std::vector<std::unique_ptr<QProcess>> running;
    for (int c = 0; c < copies; ++c) {
        running.push_back(std::make_unique<QProcess>());
        start(*running.back(), QStringLiteral("/pr"));
    }
    for (auto& tarn : running) {
        ASSERT_TRUE(tarn->waitForFinished(300000));
        EXPECT_EQ(tarn->exitCode(), 0) << lines("pr.err").join("\n").toStdString();
    }
    const Outputs o = outputsOf(inst);
    EXPECT_EQ(o.slk, jobs * copies);
    EXPECT_EQ(o.pdf, jobs * copies);
    EXPECT_EQ(o.archived, QStringList(jobs * copies, QStringLiteral("slk")));
    EXPECT_EQ(o.parts, 0);
    // Every result file is whole, and they are the same run after run.
    const QDir results(inst.path("results"));
    const QStringList slk = results.entryList({"*.slk"}, QDir::Files);
    ASSERT_FALSE(slk.isEmpty());
    const QByteArray first = testutil::readFile(results.filePath(slk.first()));
    EXPECT_TRUE(first.endsWith("E\r\n"));
    for (const QString& f : slk)
        EXPECT_EQ(testutil::readFile(results.filePath(f)), first) << f.toStdString();
    EXPECT_TRUE(lines("pr.err").filter(QRegularExpression("^Meldung (?!pdf: )")).isEmpty())
        << lines("pr.err").join("\n").toStdString();
    std::printf("[ three copies ] %d predictions: %d result files, %d PDFs, %d archive rows\n", jobs * copies, o.slk,
                o.pdf, int(o.archived.size()));
}

// The printed sections and the result-file switches of a profile, under the
// installation's archive routing DAT1 (the result file when there is one, else
// the printout): every combination runs cleanly and archives what it made.
struct ProfileRow {
    const char* name;
    const char* output; // the profile's control list
    int slk, pdf;
    QStringList archived;
};
void PrintTo(const ProfileRow& r, std::ostream* os) { *os << r.name; }
class ProfileArchive : public BatchPrediction, public ::testing::WithParamInterface<ProfileRow> {};

TEST_P(ProfileArchive, RunsCleanlyAndArchivesWhatItMade)
{
    const ProfileRow& row = GetParam();
    addProfile(inst.path("System/tarn.ini"), "Probe", QString::fromLatin1(row.output));
    EXPECT_EQ(run("0,Probe\r\n"), 0) << lines("pr.err").join("\n").toStdString();
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));
    const Outputs o = outputsOf(inst);
    EXPECT_EQ(o.slk, row.slk);
    EXPECT_EQ(o.pdf, row.pdf);
    EXPECT_EQ(o.archived, row.archived);
    EXPECT_EQ(o.parts, 0);
    EXPECT_TRUE(lines("pr.err").filter(QRegularExpression("^Meldung (?!pdf: )")).isEmpty())
        << lines("pr.err").join("\n").toStdString();
}

const QStringList kSlk{QStringLiteral("slk")};
const QStringList kPdf{QStringLiteral("pdf")};

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileArchive,
    ::testing::Values(
        ProfileRow{"everySectionAndFile", "Pw=ProQs,Qpdr=12345670,Qs%=5,Bt%=5,Qpbt=12345,Qpsp=1234567,File=Std", 1, 1,
                   kSlk},
        ProfileRow{"reportWithoutFile", "Pw=ProQs,Qpdr=12345670,Qs%=5,Bt%=5,Qpbt=12345,Qpsp=1234567", 0, 1, kPdf},
        ProfileRow{"reportWithEveryFileSectionOff",
                   "Pw=ProQs,Qpdr=12345670,Qs%=5,Bt%=5,Qpbt=12345,Qpsp=0000000,File=Std", 0, 1, kPdf},
        ProfileRow{"feedbackFormAlone", "Pw=ProQs,Qpdr=00000008,Qs%=5,Bt%=5,Qpbt=1,Qpsp=0000000,Ld=2", 0, 1, {}},
        ProfileRow{"feedbackFormWithFileSwitchButNoSection",
                   "Pw=ProQs,Qpdr=00000008,Qs%=5,Bt%=5,Qpbt=1,Qpsp=0000000,Ld=2,File=Std", 0, 1, {}},
        ProfileRow{"feedbackFormAndFile", "Pw=ProQs,Qpdr=00000008,Qs%=5,Bt%=5,Qpbt=1,Qpsp=1234567,File=Std", 1, 1,
                   kSlk},
        ProfileRow{"fileAndNoPrintedSection", "Pw=ProQs,Qpdr=00000000,Qs%=5,Bt%=5,Qpbt=1,Qpsp=1234567,File=Std", 1, 1,
                   kSlk},
        ProfileRow{"namedFile", "Pw=ProQs,Qpdr=12345670,Qs%=5,Bt%=5,Qpbt=12345,Qpsp=1234567,File=Std|named.slk", 1,
                   1, kSlk}),
    [](const auto& i) { return std::string(i.param.name); });

// A flat Q-list with more positions than the result file has rows is refused
// before anything is computed: no result file, no printout, the job stays.
TEST_F(BatchPrediction, AListLongerThanTheResultFileIsRefusedAtOnce)
{
    QFile list(inst.path("qsl/A0/00/00"));
    ASSERT_TRUE(list.open(QIODevice::Append));
    QByteArray extra;
    for (int k = 0; k < 32767; ++k)
        extra += "*Stck=1,Typ=R-10K\xFE\r\n";
    list.write(extra);
    list.close();
    EXPECT_EQ(run("0,Standard\r\n"), 1);
    EXPECT_EQ(testutil::readFile(inst.path("pr.dat")), QByteArray("0,Standard\r\n"));
    const QStringList err = lines("pr.err");
    ASSERT_FALSE(err.isEmpty());
    EXPECT_TRUE(err[0].startsWith("Meldung sylkzeilen: ") && err[0].contains("32770") && err[0].contains("32767"))
        << err.join("\n").toStdString();
    const Outputs o = outputsOf(inst);
    EXPECT_EQ(o.slk + o.pdf, 0);
    EXPECT_FALSE(QFile::exists(inst.path("qpo-copy.txt"))) << "the report ran";
}

// An installation in a folder whose name holds a backslash works as any other.
TEST_F(BatchPrediction, AnInstallationPathWithABackslashWorks)
{
    QTemporaryDir outer;
    const QString moved = outer.filePath(QStringLiteral("TARN\\Demo"));
    ASSERT_TRUE(QDir().rename(inst.dir(), moved));
    testutil::writeFile(moved + "/pr.dat", "0,Standard\r\n");
    QProcess tarn;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("DISPLAY"));
    tarn.setProcessEnvironment(env);
    tarn.setWorkingDirectory(outer.path());
    tarn.start(moved + QStringLiteral("/tarn"), {QStringLiteral("/pr")});
    EXPECT_TRUE(tarn.waitForFinished(120000));
    const int code = tarn.exitCode();
    const QString err = QString::fromLatin1(testutil::readFile(moved + "/pr.err"));
    const QStringList slk = QDir(moved + "/results").entryList({"*.slk"}, QDir::Files);
    const QStringList pdf = QDir(moved + "/results").entryList({"*.pdf"}, QDir::Files);
    const bool archived = QFile::exists(moved + "/archiv/ArchivSuch.sqlite");
    ASSERT_TRUE(QDir().rename(moved, inst.dir()));
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(slk, QStringList{QStringLiteral("A0000000.slk")});
    EXPECT_EQ(pdf.size(), 1);
    EXPECT_TRUE(archived);
    EXPECT_FALSE(QFile::exists(inst.path("pr.dat")));
    EXPECT_EQ(outputsOf(inst).archived, kSlk);
}

} // namespace
