#include "frame/database.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/paths.h"
#include "printfixture.h"
#include "printing/archiv.h"
#include "printing/printoutput.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Page count of a PDF file, read back with pdfinfo (0 when it cannot be read).
int pdfPages(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return 0;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

QString pdfText(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// Keeps a copy of a PDF for a person to look at when TARN_KEEP_PDF names a folder.
void keepForLooking(const QString& file, const QString& name)
{
    const QString dir = qEnvironmentVariable("TARN_KEEP_PDF");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile::remove(QDir(dir).filePath(name));
    QFile::copy(file, QDir(dir).filePath(name));
}

class Output : public PrintFixture {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void usePdfPrinter(const QString& file) { printState().device = std::make_unique<PdfPrintDevice>(file); }
};

TEST_F(Output, DirectPrintoutOnAPdfPrinterWritesEveryPage)
{
    if (!havePoppler())
        FAIL() << "pdfinfo not installed (scripts/install-deps.sh installs poppler-utils)";
    const QString pdf = path(QStringLiteral("job.pdf"));
    usePdfPrinter(pdf);
    ASSERT_TRUE(PrInit());
    writeNumberedPages(3);
    QString title;
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(pdfPages(pdf), 3);
    EXPECT_TRUE(pdfText(pdf).contains(QLatin1String("Page 3")));
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
    EXPECT_EQ(state().PrSeitenZahl, 0);
    EXPECT_EQ(state().PrSeite, 0);
}

class EmptyJob : public Output, public ::testing::WithParamInterface<int> {};

TEST_P(EmptyJob, ReturnsFalseAndShowsNothing)
{
    ASSERT_TRUE(PrInit());
    PrNeueSeite(); // nothing written: no page
    QString title = QStringLiteral("QSL,An,X,-");
    EXPECT_FALSE(PrAusgabe(title, GetParam()));
    EXPECT_EQ(title, QStringLiteral("QSL,An,X,-"));
    EXPECT_EQ(printer->begun, 0);
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
}

INSTANTIATE_TEST_SUITE_P(Modes, EmptyJob, ::testing::Values(-1, 1, 0), [](const auto& i) {
    return i.param < 0 ? std::string("discard") : i.param == 1 ? std::string("direct") : std::string("preview");
});

TEST_F(Output, DiscardDropsThePagesAndKeepsTheTitle)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    QString title = QStringLiteral("keep");
    EXPECT_TRUE(PrAusgabe(title, -1));
    EXPECT_EQ(title, QStringLiteral("keep"));
    EXPECT_EQ(printer->begun, 0);
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
}

TEST_F(Output, APdfThatCannotBeWrittenIsCancelledWithAMessage)
{
    testutil::writeFile(path(QStringLiteral("blocker")), "not a folder");
    usePdfPrinter(path(QStringLiteral("blocker/job.pdf")));
    ASSERT_TRUE(PrInit());
    writeNumberedPages(1);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("487"), Answer::button(Mb::OK));
    QString title;
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_EQ(title, QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(state().outputFailed) << "a run must not count this printout as done";
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
}

TEST_F(Output, WithoutPrinterTheDirectPrintoutGoesToAPdfInTheResultFolder)
{
    printState().device = nullptr; // no printer installed: the default device
    sp.program().Cf = QStringLiteral(",ResDir=") + path(QStringLiteral("results"));
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("pdf"), Answer::button(Mb::OK));
    QString title;
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_TRUE(title.isEmpty());
    const QStringList made = QDir(path(QStringLiteral("results"))).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(made.size(), 1);
    const QString file = QDir(path(QStringLiteral("results"))).filePath(made.first());
    EXPECT_TRUE(isPdfFile(file));
    ASSERT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(sp.ui().asked.back().text.contains(QDir::toNativeSeparators(file)));
    ASSERT_TRUE(havePoppler()) << "pdfinfo not installed (scripts/install-deps.sh installs poppler-utils)";
    EXPECT_EQ(pdfPages(file), 2);
}

TEST_F(Output, PreviewPrintCommandPrintsOnTheCurrentPrinter)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), Answer::word(QStringLiteral("pr mit")));
    QString title;
    EXPECT_TRUE(PrAusgabe(title));
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(printer->ended, 1);
    EXPECT_EQ(printer->newPages, 1);
    EXPECT_FALSE(sp.ui().headlessList().title.isEmpty()); // "Printing 2 pages"
    EXPECT_FALSE(sp.ui().headlessList().visible);
}

TEST_F(Output, CancelledPreviewPrintsNothing)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), Answer::cancel());
    QString title;
    EXPECT_TRUE(PrAusgabe(title));
    EXPECT_EQ(title, QStringLiteral("ABBRUCH"));
    EXPECT_FALSE(state().outputFailed) << "a cancel is the user's choice, no failure";
    EXPECT_EQ(printer->begun, 0);
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
}

TEST_F(Output, PdfFromThePreviewProposesTheNextFreeNameAndRemembersTheFolder)
{
    if (!havePoppler())
        FAIL() << "pdfinfo not installed (scripts/install-deps.sh installs poppler-utils)";
    Program& p = sp.program();
    p.PdfPrint = QStringLiteral("Acrobat PDFWriter");
    p.ErgLnr = QStringLiteral("00042");
    p.WorkStr[Slot::Qz] = QStringLiteral("A");
    const QString results = path(QStringLiteral("results"));
    const QString chosen = path(QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    p.Cf = QStringLiteral(",ResDir=") + results;
    testutil::writeFile(results + QStringLiteral("/A0004200.pdf"), "x");
    testutil::writeFile(results + QStringLiteral("/A0004201.pdf"), "x");

    Answer printToPdf = Answer::word(QStringLiteral("pr mit"));
    printToPdf.toPdf = true;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(PrInit());
        writeNumberedPages(2);
        sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), printToPdf);
        sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("pdfdatei"), [&](const Question& q) {
            EXPECT_EQ(paramsOf<FileParams>(q).dir, round == 0 ? results : chosen);
            EXPECT_EQ(paramsOf<FileParams>(q).file,
                      round == 0 ? QStringLiteral("A0004202.pdf") : QStringLiteral("A0004200.pdf"));
            // Titled and filtered for PDF; a name typed without ".pdf" gets it.
            EXPECT_EQ(q.text, QStringLiteral("PDF-Datei wählen"));
            EXPECT_EQ(paramsOf<FileParams>(q).filter, QStringLiteral("PDF (*.pdf)|*.pdf"));
            return Answer::word(chosen + (round == 0 ? QStringLiteral("/out0.pdf") : QStringLiteral("/out1")));
        });
        QString title;
        EXPECT_TRUE(PrAusgabe(title));
        EXPECT_TRUE(title.isEmpty());
        EXPECT_TRUE(state().PdfErzeugt);
        EXPECT_EQ(state().PdfDir, chosen);
        EXPECT_EQ(pdfPages(chosen + QStringLiteral("/out%1.pdf").arg(round)), 2);
        EXPECT_EQ(printer->begun, 0); // never on paper
    }
}

// The PDF of a run is offered under the first number that has no PDF, whatever
// result files the Q-list has: an earlier run that printed on paper left
// result files but no PDF.
TEST_F(Output, PdfFromThePreviewProposesTheFirstNumberWithoutAPdf)
{
    Program& p = sp.program();
    p.ErgLnr = QStringLiteral("00001");
    p.WorkStr[Slot::Qz] = QStringLiteral("A");
    const QString results = path(QStringLiteral("results"));
    p.Cf = QStringLiteral(",ResDir=") + results;
    testutil::writeFile(results + QStringLiteral("/A0000100.slk"), "earlier run");
    testutil::writeFile(results + QStringLiteral("/A0000101.slk"), "this run");

    Answer printToPdf = Answer::word(QStringLiteral("pr mit"));
    printToPdf.toPdf = true;
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), printToPdf);
    QString offered;
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("pdfdatei"), [&](const Question& q) {
        offered = paramsOf<FileParams>(q).file;
        return Answer::cancel();
    });
    QString title;
    PrAusgabe(title);
    EXPECT_EQ(offered, QStringLiteral("A0000100.pdf"));
    // Only proposed: the name is not taken before the user saves under it.
    EXPECT_FALSE(QFileInfo::exists(results + QStringLiteral("/A0000100.pdf")));
}

TEST_F(Output, CancelledSaveDialogCancelsThePdf)
{
    sp.program().PdfPrint = QStringLiteral("TARN Postscript");
    ASSERT_TRUE(PrInit());
    writeNumberedPages(1);
    Answer printToPdf = Answer::word(QStringLiteral("pr mit"));
    printToPdf.toPdf = true;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), printToPdf);
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("pdfdatei"), Answer::cancel());
    QString title;
    EXPECT_TRUE(PrAusgabe(title));
    EXPECT_EQ(title, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(printer->begun, 0);
}

TEST_F(Output, TestPageIsOnePagePrintedAtOnce)
{
    state().ArchivAktiv = true; // never archived, never previewed
    PrTestSeite();
    EXPECT_EQ(printer->begun, 1);
    EXPECT_EQ(printer->newPages, 0);
    EXPECT_EQ(printer->ended, 1);
    EXPECT_FALSE(QFileInfo::exists(pageFilePath()));
    EXPECT_FALSE(QFileInfo::exists(archPageFilePath()));
}

TEST_F(Output, TestPageAndPiTextAsPdf)
{
    if (!havePoppler())
        FAIL() << "pdftotext not installed (scripts/install-deps.sh installs poppler-utils)";
    const QString testPage = path(QStringLiteral("testpage.pdf"));
    usePdfPrinter(testPage);
    PrTestSeite();
    ASSERT_EQ(pdfPages(testPage), 1);
    const QString text = pdfText(testPage);
    EXPECT_TRUE(text.contains(QLatin1String("Titel")));
    EXPECT_TRUE(text.contains(QLatin1String("Rechts")));
    EXPECT_TRUE(text.contains(QLatin1String("10 Pt")));
    EXPECT_TRUE(text.contains(QLatin1String("7.5 Pt")));
    keepForLooking(testPage, QStringLiteral("testpage.pdf"));

    const QString piJob = path(QStringLiteral("pi.pdf"));
    usePdfPrinter(piJob);
    ASSERT_TRUE(PrInit());
    PrKopf(QStringLiteral("Pi ") + PiMark + QStringLiteral(" in the head"), QStringLiteral("Right"));
    PrTextZS(2, 0);
    PrText("Factor ", PiMark, "T = 1.5");
    PrLf();
    PrText(PiMark, PiMark, " twice at the start");
    PrNeueSeite();
    QString title;
    ASSERT_TRUE(PrAusgabe(title, 1));
    const QString piText = pdfText(piJob);
    EXPECT_TRUE(piText.contains(QChar(0x03C0))) << piText.toStdString();
    EXPECT_FALSE(piText.contains(PiMark)) << piText.toStdString();
    keepForLooking(piJob, QStringLiteral("pi.pdf"));
}

// ---- result file names

struct NameRow {
    const char* name;
    QString number;
    int present; // files with the counters 00 .. present-1 exist
    bool found;
    QString proposal;
};
void PrintTo(const NameRow& r, std::ostream* os) { *os << r.name; }
class ResultName : public ::testing::TestWithParam<NameRow> {
protected:
    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
};

TEST_P(ResultName, ProposesTheFirstFreeName)
{
    const NameRow& row = GetParam();
    sp.program().WorkStr[Slot::Qz] = QStringLiteral("A");
    for (int k = 0; k < row.present; ++k)
        testutil::writeFile(dir.filePath(QStringLiteral("A%1%2.pdf").arg(row.number.left(5).rightJustified(5, u'0')).arg(k, 2, 10, QChar(u'0'))), "x");
    QString directory = dir.path();
    QString name = QStringLiteral("old");
    EXPECT_EQ(WahlErgDatei(directory, row.number, QStringLiteral(".pdf"), name, -1), row.found);
    EXPECT_EQ(name, row.proposal);
    EXPECT_EQ(directory, row.found ? dir.path() + u'\\' + row.proposal : dir.path());
}

// Taking a name (the result file of a run) makes the file, empty, so that a
// copy of the program running at the same time passes on to the next number;
// when none is free the run is told the stem, the folder and why.
TEST_P(ResultName, TakesTheFirstFreeNameByMakingIt)
{
    const NameRow& row = GetParam();
    sp.program().WorkStr[Slot::Qz] = QStringLiteral("A");
    const QString stem = QStringLiteral("A%1").arg(row.number.left(5).rightJustified(5, u'0'));
    for (int k = 0; k < row.present; ++k)
        testutil::writeFile(dir.filePath(stem + QStringLiteral("%1.slk").arg(k, 2, 10, QChar(u'0'))), "x");
    QString told;
    if (!row.found)
        sp.ui().expect(QuestionKind::Message, QStringLiteral("ergname"), [&](const Question& q) {
            told = q.text;
            return Answer::button(Mb::OK);
        });
    QString directory = dir.path();
    QString name;
    EXPECT_EQ(WahlErgDatei(directory, row.number, QStringLiteral(".slk"), name, 1), row.found);
    const QString proposal = QString(row.proposal).replace(QStringLiteral(".pdf"), QStringLiteral(".slk"));
    EXPECT_EQ(name, proposal);
    if (row.found) {
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(proposal)));
        EXPECT_EQ(QFileInfo(dir.filePath(proposal)).size(), 0);
        // The next run of the same Q-list gets the next number.
        QString again = dir.path(), next;
        if (row.present < 99) {
            EXPECT_TRUE(WahlErgDatei(again, row.number, QStringLiteral(".slk"), next, 1));
            EXPECT_NE(next, proposal);
        }
    } else {
        EXPECT_TRUE(told.contains(stem + QStringLiteral("??.slk"))) << told.toStdString();
        EXPECT_TRUE(told.contains(QFileInfo(dir.path()).absoluteFilePath())) << told.toStdString();
        EXPECT_TRUE(told.contains(QStringLiteral("keine freie Nummer"))) << told.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultName,
    ::testing::Values(NameRow{"firstFree", "00042", 0, true, "A0004200.pdf"},
                      NameRow{"twoTaken", "00042", 2, true, "A0004202.pdf"},
                      NameRow{"shortNumberPadded", "42", 1, true, "A0004201.pdf"},
                      NameRow{"longNumberCut", "1234567", 0, true, "A1234500.pdf"},
                      NameRow{"lastCounter", "00042", 99, true, "A0004299.pdf"},
                      NameRow{"allTaken", "00042", 100, false, ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ResultNameDialog, ConfirmedPathOrUnchangedOnCancel)
{
    testutil::ScriptedProgram sp;
    QString directory = QStringLiteral("/start");
    QString unused;
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("ergdatei"), Answer::cancel());
    EXPECT_FALSE(WahlErgDatei(directory, QStringLiteral("Title"), QStringLiteral("A.pdf"), unused, 0));
    EXPECT_EQ(directory, QStringLiteral("/start"));
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("ergdatei"), [](const Question& q) {
        EXPECT_EQ(q.text, QStringLiteral("Title"));
        return Answer::word(QStringLiteral("/chosen/B.pdf"));
    });
    EXPECT_TRUE(WahlErgDatei(directory, QStringLiteral("Title"), QStringLiteral("A.pdf"), unused, 0));
    EXPECT_EQ(directory, QStringLiteral("/chosen/B.pdf"));
}

// ---- archive

class Archive : public Output {
protected:
    void SetUp() override
    {
        sp.program().IniFile = path(QStringLiteral("tarn.ini"));
        writeIni(path(QStringLiteral("archiv/new")));
    }
    void writeIni(const QString& archivDir)
    {
        testutil::writeFile(sp.program().IniFile,
                            QStringLiteral("[archive]\r\nArchivFlag=1\r\nArchivArt=PROGQL,QSL\r\nArchivNr=3\r\n"
                                           "ProgTyp=PRT\r\nArchivDir=%1\r\n")
                                .arg(archivDir)
                                .toLatin1());
    }
    QString document(const QString& name, int size, char fill)
    {
        const QString file = path(name);
        testutil::writeFile(file, QByteArray(size, fill));
        return file;
    }
    std::vector<QVariantList> rows(const QString& sql)
    {
        return state().ArchivSuchDb->snapshot(sql).rows();
    }
};

TEST_F(Archive, StartCreatesTheFolderAndDatabases)
{
    ArchivStart();
    EXPECT_TRUE(state().ArchivAktiv);
    EXPECT_EQ(state().ArchivNr, 3);
    EXPECT_EQ(state().ProgTyp, QStringLiteral("PRT"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("archiv/new/ArchivSuch.sqlite"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("archiv/new/Archiv3.sqlite"))));
}

TEST_F(Archive, AFailedOpenTurnsTheArchiveOff)
{
    testutil::writeFile(path(QStringLiteral("plainfile")), "x");
    writeIni(path(QStringLiteral("plainfile")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    ArchivStart();
    EXPECT_FALSE(state().ArchivAktiv);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_FALSE(ArchivSpeichern(QStringLiteral("QSL,An,X1,A12"), document(QStringLiteral("d"), 200, 'd'),
                                 QStringLiteral("pdf")));
}

TEST_F(Archive, TheDatabaseErrorKeepsItsUmlautsInTheMessage)
{
    // The error description is ANSI text; the message shows OEM arguments.
    testutil::writeFile(path(QStringLiteral("Prüfung")), "x");
    writeIni(path(QStringLiteral("Prüfung")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("Prüfung"))) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    ArchivStart();
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(Archive, TwoStoresInTheSameSecondGiveTwoRowsWithTheirFiles)
{
    ArchivStart();
    const QString first = document(QStringLiteral("first.pdf"), 101, 'a');
    const QString second = document(QStringLiteral("second.pdf"), 5000, 'b');
    ASSERT_TRUE(ArchivSpeichern(QStringLiteral("QSL,An,X1,A12"), first, QStringLiteral("pdf")));
    ASSERT_TRUE(ArchivSpeichern(QStringLiteral("QSL,An,X1,A12"), second, QStringLiteral("pdf")));
    const auto search = rows(QStringLiteral("SELECT [Ref],[Bezeichnung],[Art],[Doku],[Lnr],[Typ],[Tab] FROM "
                                            "[ArchivSuche] ORDER BY [Ref]"));
    ASSERT_EQ(search.size(), 2u);
    EXPECT_EQ(search[0][1].toString(), QStringLiteral("X1"));
    EXPECT_EQ(search[0][2].toString(), QStringLiteral("An"));
    EXPECT_EQ(search[0][3].toString(), QStringLiteral("QSL"));
    EXPECT_EQ(search[0][4].toString(), QStringLiteral("A12"));
    EXPECT_EQ(search[0][5].toString(), QStringLiteral("pdf"));
    EXPECT_EQ(search[0][6].toInt(), 3);
    for (int i = 0; i < 2; ++i) {
        const auto data = state().ArchivDatDb->snapshot(QStringLiteral("SELECT [Datei] FROM [Daten] WHERE [Ref]=?"),
                                                         {search[i][0]}).rows();
        ASSERT_EQ(data.size(), 1u);
        EXPECT_EQ(data[0][0].toByteArray(), testutil::readFile(i == 0 ? first : second));
    }
}

TEST_F(Archive, AFileOfAHundredBytesIsNotStored)
{
    ArchivStart();
    EXPECT_FALSE(ArchivSpeichern(QStringLiteral("QSL,An,X1,A12"), document(QStringLiteral("small"), 100, 's'),
                                 QStringLiteral("pdf")));
    EXPECT_TRUE(rows(QStringLiteral("SELECT * FROM [ArchivSuche]")).empty());
}

TEST_F(Archive, PredictionRowsCarryMethodsAndLists)
{
    ArchivStart();
    Program& p = sp.program();
    p.WorkStr[Slot::GlPar] = QStringLiteral("Tu=40,Vl=2.5,Norm=13,Spnorm=3");
    p.WorkStr[Slot::SyPar] = QStringLiteral("Qpdr=110110011,Qpsp=1010101");
    const QString file = document(QStringLiteral("r"), 200, 'r');
    ASSERT_TRUE(ArchivSpeichern(QStringLiteral("PROGQL,Yk,X,A7"), file, QStringLiteral("pdf")));
    ASSERT_TRUE(ArchivSpeichern(QStringLiteral("PROGQL,Yk,X,A7"), file, QStringLiteral("slk")));
    const auto r = rows(QStringLiteral("SELECT [Tu],[Vl],[Norm],[Listen] FROM [ArchivSuche] ORDER BY [Ref]"));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_DOUBLE_EQ(r[0][0].toDouble(), 40);
    EXPECT_DOUBLE_EQ(r[0][1].toDouble(), 2.5);
    EXPECT_EQ(r[0][2].toString(), QStringLiteral("S,A"));
    EXPECT_EQ(r[0][3].toString(), QStringLiteral("1101100"));
    EXPECT_EQ(r[1][2].toString(), QStringLiteral("M"));
    EXPECT_EQ(r[1][3].toString(), QStringLiteral("1010101"));
}

struct BezRow {
    const char* name;
    QString head;
    QString kind;
    QString qz;
    QString lnr;
    QString expected;
};
void PrintTo(const BezRow& r, std::ostream* os) { *os << r.name; }
class Designation : public Archive, public ::testing::WithParamInterface<BezRow> {};

TEST_P(Designation, OfADocument)
{
    state().ArchivArt = QStringLiteral("PROGQL,PROGBE,QSL");
    const BezRow& r = GetParam();
    EXPECT_EQ(ArchivBez(r.head, r.kind, r.qz, r.lnr), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Designation,
    ::testing::Values(BezRow{"anBeforeTyp", "Typ=ABC,An=X1", "QSL", "A", "00012", "QSL,An,X1,A12"},
                      BezRow{"kindNotArchived", "An=X1", "LIST", "A", "1", ""},
                      BezRow{"singleComponent", "Typ=R1", "PROGBE", "", "", "PROGBE,Typ,R1,-"},
                      BezRow{"itemNumber", "Yk=a12-345-6789-1", "PROGQL", "B", "7",
                             "PROGQL,Yk,A   12-3  45-6789- 1,B7"},
                      // The item number in the stored form of the Q-list and component files.
                      BezRow{"shortItemNumberPaddedAtTheEnd", "Yk=A12", "PROGBE", "", "", "PROGBE,Yk,A   12           -  ,-"},
                      BezRow{"longStandCut", "Yk=A1-B2-C3-ABC", "QSL", "A", "1", "QSL,Yk,A    1-B   2-C  3-AB,A1"},
                      BezRow{"badItemNumberWinsOverAn", "Yk=A1234567-1,An=X1", "QSL", "A", "1", ""},
                      BezRow{"nothingToName", "Tec=1", "QSL", "A", "1", ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Archive, AnArchivedJobIsStoredAsPdfOfItsArchivePages)
{
    ArchivStart();
    ASSERT_TRUE(PrInit());
    PrKopf(QStringLiteral("Archived"), QString());
    PrText("kept in the archive");
    PrNeueSeite(false, true);
    PrText("not in the archive");
    PrNeueSeite(false, false);
    QString title = QStringLiteral("QSL,An,X1,A12");
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_EQ(title, state().ArchivPdfTemp);
    // Made in the work folder of this copy of the program.
    const QString temp = nativePath(state().ArchivPdfTemp);
    EXPECT_EQ(QFileInfo(temp).absolutePath(), QFileInfo(sp.program().WorkStr[Slot::Tp1]).absoluteFilePath());
    ASSERT_TRUE(isPdfFile(temp));
    if (havePoppler()) {
        EXPECT_EQ(pdfPages(temp), 1);
        EXPECT_TRUE(pdfText(temp).contains(QLatin1String("kept in the archive")));
    }
    const auto data = state().ArchivDatDb->snapshot(QStringLiteral("SELECT [Datei] FROM [Daten]")).rows();
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0][0].toByteArray(), testutil::readFile(temp));
    EXPECT_EQ(printer->ended, 1); // and printed on the printer
}

// A printout that wrote no page for the archive (the feedback form alone) has
// no document to keep: nothing is stored, and that is no failure.
TEST_F(Archive, AJobWithoutArchivePagesStoresNothingAndFailsNothing)
{
    ArchivStart();
    ASSERT_TRUE(PrInit());
    PrText("printed only");
    PrNeueSeite(false, false);
    QString title = QStringLiteral("PROGQL,Typ,FORM,A1");
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_TRUE(title.isEmpty());
    EXPECT_FALSE(state().outputFailed);
    EXPECT_TRUE(rows(QStringLiteral("SELECT [Ref] FROM [ArchivSuche]")).empty());
    EXPECT_EQ(printer->ended, 1);
}

} // namespace
