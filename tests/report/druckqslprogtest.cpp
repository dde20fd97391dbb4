#include "frame/paramstring.h"
#include "frame/workslots.h"
#include "printing/printdevice.h"
#include "printing/printoutput.h"
#include "report/druckqslprog.h"
#include "report/fehlpos.h"
#include "report/reportfixture.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testutil;

namespace {


QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

class Report : public ReportFixture {
protected:
    Report() : result(dir.filePath("result.slk")), ergFile(result) {}

    void run(bool batch = true)
    {
        DruckQslProg(batch, ergFile, errorFile, false, nurFehl, false, false);
    }
    // Presses the cancel button of the message list when a line containing text
    // is shown.
    void cancelAt(const QString& text)
    {
        HeadlessInfoList& list = sp.ui().headlessList();
        list.echo = [&list, text](const QString& line) {
            if (line.contains(text))
                list.pressed = 1;
        };
    }

    QString result;
    QString ergFile;
    QString errorFile;
    bool nurFehl = false;
};

TEST_F(Report, NestedExampleResultFileAndPages)
{
    useQpo("nested.qpo");
    ergFile = "  " + result + " ";
    run();
    EXPECT_EQ(ergFile, result); // trimmed in place
    const QByteArray slk = readFile(result);
    expectGolden(slk, "nested.slk");
    // Mean 82 fit, MTBF 10^9 / 82 h, in years / 8760.
    // Head rows 1, 3, 4, a row left free, the table from row 6: the value row 8
    // holds the fit in column 3, the hours in 4, the years in 5.
    EXPECT_TRUE(slk.contains("F;P4;FF0G;Y8;X3\r\nC;K82\r\n"));
    EXPECT_TRUE(slk.contains("F;P4;FF0G;Y8;X4\r\nC;K12195121.9512195\r\n"));
    EXPECT_TRUE(slk.contains("F;P5;FF1G;Y8;X5\r\nC;K1392.13720904332\r\n"));
    EXPECT_TRUE(slk.endsWith("E\r\n"));

    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "nested-pages.txt");
    EXPECT_TRUE(pages.contains(" 82\n"));
    EXPECT_TRUE(pages.contains(" 12 195 122\n"));
    EXPECT_TRUE(pages.contains(" 1 392,1\n"));

    // Only the files still open stay: the print job's page file and the listings.
    EXPECT_EQ(filesIn(tp1), QStringList({"c.tmp", "pages", "t.tmp"}));
    EXPECT_TRUE(filesIn(tp2).isEmpty());
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::SyPar], "Pw"), "Hmenu");
    EXPECT_FALSE(nurFehl);
}

TEST_F(Report, GroupSharesAndPositionsInFileAndPrint)
{
    useQpo("nested.qpo");
    prog().Cf += ",Gne1=Resistors,Gne2=Capacitors";
    SetParam(prog().WorkStr[Slot::SyPar], "Qpdr", "12300000");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpsp", "1230000");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpbt", "13");
    run();
    const QByteArray slk = readFile(result);
    expectGolden(slk, "nested-sections.slk");
    // The resistors: 24 pieces at 3 fit mean, 72 of 82 fit; the capacitor 10.
    EXPECT_TRUE(slk.contains("\"Resistors\""));
    EXPECT_TRUE(slk.contains("C;K87.8048780487805\r\n"));
    EXPECT_TRUE(slk.contains("\"Qsl   A2\""));
    // Widths of the group rows and the position table (first column 5).
    EXPECT_TRUE(slk.contains("F;W1 1 5\r\n"));
    EXPECT_TRUE(slk.contains("F;W14 14 9\r\n"));
    EXPECT_TRUE(slk.endsWith("E\r\n"));
    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "nested-sections-pages.txt");
    EXPECT_TRUE(pages.contains("Mean failure rates of the component groups:"));
    EXPECT_TRUE(pages.contains("Failure rates for all positions of the Quality-list:"));
}

TEST_F(Report, EvaluationSectionInFileAndPrintWithItsWidths)
{
    useQpo("nested.qpo");
    prog().Cf += ",Aws=" + dir.path(); // the user-list directory, set by the report's start-up
    writeFile(dir.filePath("bew.an"), "A=0/10\r\nB=10/100\r\n");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpdr", "10000070");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpsp", "1000007");
    run();
    const QByteArray slk = readFile(result);
    // The one sub-Q-list SUB1 holds three SUB2 of two R1 at 2/4 fit: 12/24 fit a
    // unit, mean 18 fit (class B), MTBF 10^9 / 18 = 55 555 556 h = 6 341.96 years.
    const QStringList cells = sylkCells(QString::fromLatin1(slk));
    for (const char* c : {"=\"SUB1\"", "=12", "=24", "=18", "=\"B\"", "=55555555.5555556", "=6341.95839675292"})
        EXPECT_EQ(cells.filter(QRegularExpression("^\\d+,\\d+" + QRegularExpression::escape(c) + "$")).size(), 1)
            << c;
    // The widths of the evaluation rows raise those of the total rows.
    for (const char* w : {"F;W1 1 4\r\n", "F;W2 2 18\r\n", "F;W3 3 13\r\n", "F;W4 4 10\r\n", "F;W8 8 9\r\n",
                          "F;W9 9 7\r\n", "F;W10 10 5\r\n"})
        EXPECT_TRUE(slk.contains(w)) << w;
    const QString pages = dumpPages();
    EXPECT_TRUE(pages.contains(" 55 555 556   6 342,0  1/0\n")) << pages.toStdString();
}

TEST_F(Report, FeedbackFormAloneHasNoHeadNorTotal)
{
    useQpo("nested.qpo");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpdr", "00000008");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpsp", "0000000");
    run();
    EXPECT_FALSE(QFile::exists(result));
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::SyPar], "Qpbt"), "12345");
    PrNeueSeite();
    const QString pages = dumpPages();
    EXPECT_FALSE(pages.contains("12 195 122"));
    EXPECT_EQ(pages.count("QPR:"), 1);                  // SUB1
    EXPECT_EQ(pages.count(QString(11, u' ') + "QRM:"), 1); // C1
    EXPECT_TRUE(pages.contains("Return this quality data feedback to:"));
    // The form's page head is the first page head of the printout.
    EXPECT_TRUE(pages.section("=== page 2", 0, 0).contains("Quality Data Feedback"));
}

TEST_F(Report, CancelBeforeTheTotalWritesNothingAndCleansUp)
{
    useQpo("nested.qpo");
    cancelAt("Adding the failure rates");
    run();
    EXPECT_FALSE(QFile::exists(result));
    EXPECT_EQ(filesIn(tp1), QStringList({"c.tmp", "pages", "t.tmp"})); // "ergfile" went with the clean-up
    EXPECT_TRUE(filesIn(tp2).isEmpty());
    PrNeueSeite();
    EXPECT_FALSE(dumpPages().contains("12 195 122"));
}

TEST_F(Report, CancelAfterTheTotalKeepsThePrintedPageButWritesNoResultFile)
{
    useQpo("nested.qpo");
    cancelAt("Individual application data");
    run();
    EXPECT_FALSE(QFile::exists(result));
    EXPECT_TRUE(filesIn(tp2).isEmpty());
    PrNeueSeite(); // the run closes the job as after a complete report
    EXPECT_TRUE(dumpPages().contains(" 12 195 122\n"));
}

TEST_F(Report, FailedFrameLeavesNoResultFileAndSaysSo)
{
    useQpo("nested.qpo");
    writeFile(result, "previous");
    prog().WorkStr[Slot::SystemDir] = dir.filePath("no-system");
    sp.ui().expect(QuestionKind::Error, "XHAP.DruckQslProg", Answer::button(2));
    sp.ui().expect(QuestionKind::Message, "ergfile", Answer::button(Mb::OK));
    run();
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(readFile(result), "previous"); // never half-written
    EXPECT_TRUE(filesIn(tp2).isEmpty());     // the clean-up ran
}

TEST_F(Report, UnknownSpecialFormatIsReportedAndSylkIsWritten)
{
    useQpo("nested.qpo");
    SetParam(prog().WorkStr[Slot::SyPar], "Soform", "Nowhere");
    errorFile = dir.filePath("errors.txt");
    sp.ui().expect(QuestionKind::Message, "soform", Answer::button(Mb::OK));
    run();
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(readFile(result).startsWith("ID;"));
    EXPECT_TRUE(readFile(result).endsWith("E\r\n"));
    EXPECT_EQ(errorFile, dir.filePath("errors.txt"));
}

TEST_F(Report, SpecialFormatCopiesTheCollectedLinesWithoutFrame)
{
    useQpo("nested.qpo");
    writeFile(prog().IniFile, "[Sonder-Formate]\r\nTab=NichtDruck=1,FehlFile=0,Col=Typ\r\n");
    SetParam(prog().WorkStr[Slot::SyPar], "Soform", "Tab");
    errorFile = dir.filePath("errors.txt");
    run();
    const QByteArray out = readFile(result);
    EXPECT_FALSE(out.startsWith("ID;"));
    EXPECT_FALSE(out.contains("\r\nE\r\n"));
    EXPECT_TRUE(out.startsWith("F;P10;FG0G;Y1;X1\r\n"));
    EXPECT_TRUE(errorFile.isEmpty()); // the format does not want the error file
    EXPECT_FALSE(dumpPages().contains("12 195 122")); // no total page
}

TEST_F(Report, NoResultFileWithoutFileSectionsOrName)
{
    useQpo("nested.qpo");
    SetParam(prog().WorkStr[Slot::SyPar], "Qpsp", "0000000");
    run();
    EXPECT_FALSE(QFile::exists(result));
    SetParam(prog().WorkStr[Slot::SyPar], "Qpsp", "1000000");
    ergFile.clear();
    useQpo("nested.qpo");
    run();
    EXPECT_TRUE(filesIn(dir.path()).filter(".slk").isEmpty());
}

TEST_F(Report, DeclinedErrorListStopsTheReportAndAppendsQpoToTheResFile)
{
    useQpo("faulty.qpo");
    const QString resFile = dir.filePath("runs.res");
    prog().Cf += ",Res=" + resFile;
    sp.ui().expect(QuestionKind::Message, "12", Answer::button(Mb::No));
    sp.ui().expect(QuestionKind::Message, "13", Answer::button(Mb::No));
    run(false);
    EXPECT_TRUE(nurFehl);
    EXPECT_FALSE(QFile::exists(result));
    const QByteArray qpo = readFile(fixturesDir() + "/report/faulty.qpo");
    EXPECT_EQ(readFile(resFile), qpo + "  \r\n  \r\n");
    EXPECT_TRUE(filesIn(tp2).isEmpty());
}

class ErrorList : public ReportFixture {};

TEST_F(ErrorList, EntriesWithContextAndCodeTexts)
{
    useQpo("faulty.qpo");
    const QString errors = dir.filePath("errors.txt");
    EXPECT_EQ(FehlPos(true, errors), "");
    const QStringList fehl = QString::fromLatin1(readFile(tp2 + "/fehl")).split("\r\n", Qt::SkipEmptyParts);
    const QString bullet = QString(QChar(149)) + " ";
    const QString raquo = QString(QChar(187)) + " ";
    EXPECT_EQ(fehl, QStringList({
                        // Top level: no context line; English lines read "Pcs=".
                        "Pcs=2,Typ=R5,Q,Bac=4111,F,Err=NullFitSin,Err=Bac,R,Fit=0",
                        bullet + "No base failure rate in the norm table",
                        bullet + "Class code Bac missing or not allowed",
                        "EndPos",
                        "Pcs=1,Typ=C9,Q,Bac=4211,F,Err=BacMil,R,Fit=5",
                        "  Part of Ql: PSU P77 ",
                        bullet + "No MIL-HDBK-217F model for the component",
                        "EndPos",
                        // A missing sub-list is a faulty position and opens no level.
                        "Lnr=A9,Stck=2,Typ=FAN,Qm=Qsl,F,Err=QslFehlt",
                        "  Part of Ql: PSU P77 ",
                        bullet + "Sub-Q-list not found",
                        "EndPos",
                        "Stck=1,Typ=OLD,Qm=Qsl,Lnr=A5,F,Warn=Stand,B,Be=Old",
                        raquo + "Another issue state than requested was used",
                        "EndPos",
                        "Pcs=1,Typ=LONG,Q,Bac=4111,S,Ub=5,Ib=2,Tei=40,Nmw=3,Degr=0.5,Lab=1,Kl=2,Acdc=1,Sh=1,F,Err=BacFit,R,Fit=1",
                        bullet + "Class and technology not in the failure-rate table",
                        "EndPos",
                    }));
    // Batch mode with a file: one line per entry, its lines joined by five blanks.
    const QStringList file = QString::fromLatin1(readFile(errors)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(file.size(), 5);
    EXPECT_EQ(file[1], "Pcs=1,Typ=C9,Q,Bac=4211,F,Err=BacMil,R,Fit=5     Part of Ql: PSU P77     " + bullet +
                           "No MIL-HDBK-217F model for the component");
    EXPECT_EQ(dumpPages(), ""); // nothing printed
}

// A reference that would put a list inside itself is an entry with the path of
// the circle; it opens no level, so the entries after it name the list they
// are in.
TEST_F(ErrorList, ACircleIsAnEntryAndOpensNoLevel)
{
    writeFile(tp2 + "/qpo", "Lnr=A1,Typ=BOARD,B,Be=Board\r\n"
                            "Lnr=A3,Stck=1,Typ=IO,Qm=Qsl,Aufl=ja,B,Be=io\r\n"
                            "Stck=1,Typ=IO,Qm=Qsl,F,Err=QslZyklus,Zyklus=IO (A3) > IO (A3)\r\n"
                            "Stck=1,Typ=C9,Q,Bac=4211,F,Err=BacMil,R,Fit=5\r\n"
                            "Lnr=A3,Qm=Ende\r\n"
                            "Stck=1,Typ=C8,Q,Bac=4211,F,Err=BacMil,R,Fit=5\r\n");
    EXPECT_EQ(FehlPos(true, dir.filePath("e.txt")), "");
    const QStringList fehl = QString::fromLatin1(readFile(tp2 + "/fehl")).split("\r\n", Qt::SkipEmptyParts);
    const QString bullet = QString(QChar(149)) + " ";
    EXPECT_EQ(fehl, QStringList({"Pcs=1,Typ=IO,Qm=Qsl,F,Err=QslZyklus,Zyklus=IO (A3) > IO (A3)",
                                 "  Part of Ql: IO  ", bullet + "Sub-Q-list contains itself (a circle of sub-lists)",
                                 "EndPos", "Pcs=1,Typ=C9,Q,Bac=4211,F,Err=BacMil,R,Fit=5", "  Part of Ql: IO  ",
                                 bullet + "No MIL-HDBK-217F model for the component", "EndPos",
                                 "Pcs=1,Typ=C8,Q,Bac=4211,F,Err=BacMil,R,Fit=5",
                                 bullet + "No MIL-HDBK-217F model for the component", "EndPos"}));
}

TEST_F(ErrorList, GermanLinesKeepStck)
{
    prog().LangDruck = 1;
    useQpo("faulty.qpo");
    EXPECT_EQ(FehlPos(true, dir.filePath("e.txt")), "");
    const QString fehl = QString::fromLatin1(readFile(tp2 + "/fehl"));
    EXPECT_TRUE(fehl.startsWith("Stck=2,Typ=R5"));
    EXPECT_TRUE(fehl.contains("  Enthalten in QL: PSU P77 "));
}

TEST_F(ErrorList, CleanListAsksNothing)
{
    useQpo("nested.qpo");
    EXPECT_EQ(FehlPos(false, QString()), "");
    EXPECT_TRUE(readFile(tp2 + "/fehl").isEmpty());
}

TEST_F(ErrorList, PrintedListWrapsLongLinesAndShowsTheHead)
{
    useQpo("faulty.qpo");
    sp.ui().expect(QuestionKind::Message, "12", Answer::button(Mb::Yes));
    sp.ui().expect(QuestionKind::Message, "13", Answer::button(Mb::Yes));
    EXPECT_EQ(FehlPos(false, QString()), "");
    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "faulty-errorlist-pages.txt");
    EXPECT_TRUE(pages.contains("Missing Items"));
    EXPECT_TRUE(pages.contains("  Part of Ql: PSU P77"));
    // The 102-character line is cut behind the last comma within 86 characters.
    EXPECT_TRUE(pages.contains(" Pcs=1,Typ=LONG,Q,Bac=4111,S,Ub=5,Ib=2,Tei=40,Nmw=3,Degr=0.5,Lab=1,Kl=2,Acdc=1,Sh=1,F,\n"));
    EXPECT_TRUE(pages.contains(" Err=BacFit,R,Fit=1\n"));
}

TEST_F(Report, PdfOfTheReport)
{
    // The same report on the PDF printer; TARN_REPORT_PDF keeps a copy to look at.
    closePageFiles();
    const QString pdf = dir.filePath("report.pdf");
    printState().device = std::make_unique<PdfPrintDevice>(pdf);
    PrInit();
    useQpo("nested.qpo");
    run();
    QString title;
    EXPECT_TRUE(PrAusgabe(title, 1));
    EXPECT_TRUE(isPdfFile(pdf));
    if (qEnvironmentVariableIsSet("TARN_REPORT_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("TARN_REPORT_PDF"));
}

} // namespace

namespace {
// The report's language: the profile's "Ld" where it names one, else the
// language of the user, so that the shipped "Standard" profile prints English
// for an English user.
struct LanguageRow {
    const char* name;
    const char* ld; // the control list's Ld item, "" for none
    int user;       // LangNr
    int printed;    // LangDruck of the report
    const char* title;
};

class ReportLanguage : public Report, public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(ReportLanguage, FollowsTheProfileElseTheUser)
{
    Program& p = prog();
    p.WorkStr[Slot::SyPar] = QStringLiteral("Pw=ProQs") + QString::fromLatin1(GetParam().ld) +
                   QStringLiteral(",Qz=A,Qpdr=10000000,Qpsp=1000000,Re=Ref,HwNw=0");
    // The user's language is the configured language directory, which the
    // report start reads again.
    ::SetParam(p.Cf, QStringLiteral("De"), GetParam().user == 2 ? QStringLiteral("de\\") : QStringLiteral("dd\\"));
    p.LangNr = GetParam().user;
    p.LangDruck = 3 - GetParam().user; // what an earlier run left
    useQpo("nested.qpo");
    run();
    EXPECT_EQ(p.LangDruck, GetParam().printed);
    EXPECT_TRUE(dumpPages().contains(QString::fromUtf8(GetParam().title)));
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ReportLanguage,
    ::testing::Values(LanguageRow{"noLdEnglishUser", "", 2, 2, "Failure Rate Prediction"},
                      LanguageRow{"noLdGermanUser", "", 1, 1, "Ausfallraten-Prognose"},
                      LanguageRow{"germanProfileEnglishUser", ",Ld=1", 2, 1, "Ausfallraten-Prognose"},
                      LanguageRow{"englishProfileGermanUser", ",Ld=2", 1, 2, "Failure Rate Prediction"}),
    [](const auto& i) { return std::string(i.param.name); });
} // namespace
