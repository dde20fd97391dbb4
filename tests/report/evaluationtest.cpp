#include "frame/paramstring.h"
#include "frame/workslots.h"
#include "report/bewertung.h"
#include "report/reportfixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

// ---- Classes of "bew.an" ---------------------------------------------------

struct ClassCase {
    double mean;
    const char* expected;
};

TEST(EvaluationClasses, LowExcludedHighIncludedFirstMatchWins)
{
    // Leading blanks and empty lines go; a line may hold several items; "<" and
    // ">" in front of a bound are ignored; C overlaps B and comes later.
    const std::vector<BewKlasse> classes =
        readClasses(QStringLiteral("A=0/100\r\n\r\n   B=100/1000,C=>500/<5000\r\n,,\r\nD=7000\r\n"));
    ASSERT_EQ(classes.size(), 4u);
    const ClassCase cases[] = {
        {100, "A"},   {100.5, "B"}, {0, ""},     {-3, ""},  {1000, "B"}, {1000.5, "C"},
        {5000, "C"},  {5001, ""},   {7000, ""}, // one value alone is both bounds: Low < m fails
        {0.001, "A"},
    };
    for (const ClassCase& c : cases)
        EXPECT_EQ(classOf(classes, c.mean), QString::fromLatin1(c.expected)) << c.mean;
}

TEST(EvaluationClasses, ItemWithoutNameStillTakesItsRange)
{
    const std::vector<BewKlasse> classes = readClasses(QStringLiteral("10/20,=20/30,X=30/40"));
    ASSERT_EQ(classes.size(), 3u);
    EXPECT_EQ(classOf(classes, 15), "");
    EXPECT_EQ(classOf(classes, 25), "");
    EXPECT_EQ(classOf(classes, 35), "X");
}

TEST(EvaluationFiles, BaseNameEndsAtTheFirstPointOfTheFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"results/A0000100.slk", "results/A0000100"},
        {"erg.v2.slk", "erg"},
        {"/tmp/run/res.final.slk", "/tmp/run/res"},
        // A point in a folder name stays: the files go beside the result file.
        {"C:\\runs.2024\\A1.slk", "C:\\runs.2024\\A1"},
        {"C:\\runs.2024\\erg.v2.slk", "C:\\runs.2024\\erg"},
        {"/tmp/run.v2/result", "/tmp/run.v2/result"},
        {"plain", "plain"},
    };
    for (const auto& [name, base] : cases)
        EXPECT_EQ(evaluationBase(QString::fromLatin1(name)), QString::fromLatin1(base)) << name;
}

TEST(EvaluationFiles, Resbs2proIsATruthValueAndOffOtherwise)
{
    for (const char* on : {"True", "true", "1", "-1", "2"})
        EXPECT_TRUE(resbs2proOn(QString::fromLatin1(on))) << on;
    // "leer" is what the ini reader gives for a missing key.
    for (const char* off : {"False", "0", "", "leer", "ja", "1x"})
        EXPECT_FALSE(resbs2proOn(QString::fromLatin1(off))) << off;
}

// ---- The section -----------------------------------------------------------

class Evaluation : public ReportFixture {
protected:
    Evaluation()
    {
        Program& p = prog();
        p.WorkStr[Slot::AwsDir] = dir.path();
        writeFile(tp2 + "/qpo", "Lnr=A1,Typ=BOARD,Code=BD\r\n");
        writeFile(dir.filePath("bew.an"), "A=0/100\r\n  B=100/1000,C=>1000/<1000000\r\n\r\n");
        ergName = dir.filePath("out.v1/erg.v2.slk");
        QDir().mkpath(dir.filePath("out.v1"));
        ergfile.setFileName(dir.filePath("ergfile"));
        ergfile.open(QIODevice::WriteOnly);
    }

    void writePol(const QByteArray& lines) { writeFile(tp2 + "/pol", lines); }
    void onWithTextFiles() { writeFile(prog().IniFile, "[fewe]\r\nResbs2pro=True\r\n"); }
    void run(bool print = true, bool file = true)
    {
        BewertungQsl(print, file, ergName, false, false, false, ergfile);
        ergfile.close();
        PrNeueSeite();
    }
    // The lines of a text file behind its column head (the line given).
    QStringList linesFrom(const QString& file, const QString& firstLine)
    {
        QStringList all = QString::fromLatin1(readFile(file)).split("\r\n");
        const qsizetype at = all.indexOf(firstLine);
        EXPECT_GE(at, 0) << firstLine.toStdString();
        all = all.mid(at < 0 ? 0 : at);
        while (!all.isEmpty() && all.back().isEmpty())
            all.removeLast();
        return all;
    }

    QString ergName;
    QFile ergfile;
};

const QByteArray kPol =
    // 1: the hand-checked row: mean (1000 + 3000) / 2 = 2000 fit, MTBF 10^9 / 2000
    //    = 500 000 h = 500 000 / 8760 = 57.08 years.
    "Stck=1,Typ=PSU,Yk=A   12-B   3-C  4,Qm=Qsl,Lnr=A2,B,Code=P1,R,Fit=1000/3000,Pos=12,Fein=3\r\n"
    // A component line of the top level is no sub-Q-list.
    "Stck=2,Typ=R1,Q,Bac=4111,R,Fit=2/4\r\n"
    // 2: locked, whatever its codes say.
    "Stck=-1,Typ=OLD,Qm=Qsl,Lnr=A5,F,Err=QslFehlt,R,Fit=10\r\n"
    // 3: both codes: the database message wins.
    "Stck=1,Typ=GONE,Qm=Qsl,Lnr=A6,F,Err=QslFehlt,Warn=FepAll\r\n"
    // 4: 5 fit: 2*10^8 h, too long for the column; years 2*10^8 / 8760 = 22 831.05.
    //    "Rw=1": Pos on both sides.
    "Stck=1,Typ=TINY,An=an-7,Qm=Qsl,Lnr=A7,B,Rw=1,R,Fit=5,Pos=4,Fein=1\r\n"
    // 5: no failure rate: no class and no MTBF.
    "Stck=1,Typ=ZERO,Qm=Qsl,Lnr=A8,R,Fit=0,Pos=2,Fein=0\r\n";

QString pad(const char* text, int width)
{
    return QString::fromLatin1(text).leftJustified(width, u' ');
}

TEST_F(Evaluation, RowsOnPaperInTheResultFileAndInTheTextFiles)
{
    onWithTextFiles();
    writePol(kPol);
    run();

    // Paper: number in 10, designation in 22, code in 14, then the values.
    const QString pages = dumpPages();
    const QString row1 = "         1 " + pad("A12-B3-C4", 22) + pad("P1", 14) +
                         "   1 000     3 000     2 000   C     500 000      57,1  12/3";
    const QString row2 = "         2 " + pad("OLD", 22) + pad("", 14) + "  Q-list locked";
    const QString row3 = "         3 " + pad("GONE", 22) + pad("", 14) + "  Q-list not found in database";
    const QString row4 = "         4 " + pad("AN-7", 22) + pad("", 14) + "       5         5         5   A  " +
                         QString(10, u' ') + "  22 831,1  4/4";
    const QString row5 = "         5 " + pad("ZERO", 22) + pad("", 14) + "       0         0         0     " +
                         QString(20, u' ') + "  2/0";
    for (const QString& row : {row1, row2, row3, row4, row5})
        EXPECT_TRUE(pages.contains(" " + row + "\n")) << row.toStdString();
    EXPECT_TRUE(pages.contains("Classification of Q-lists according to YK failure rates:"));
    EXPECT_TRUE(pages.contains("     Fein: Number of positions with individual temperature or stress data"));

    // The result file: title, two head rows, one row per sub-Q-list.
    const QStringList cells = sylkCells(QString::fromLatin1(readFile(ergfile.fileName())) + prog().WorkStr[Slot::SylkHead]);
    const QStringList rows = cells.filter(QRegularExpression("^[4-8],"));
    EXPECT_EQ(rows, QStringList({
                        "4,1=1", "4,2=\"A   12-B   3-C  4\"", "4,3=\"P1\"", "4,4=1000", "4,5=3000", "4,6=2000",
                        "4,7=\"C\"", "4,8=500000", "4,9=57.0776255707763", "4,10=\"12/3\"",
                        "5,1=2", "5,2=\"OLD\"", "5,4=\"Parts list missing\"",
                        "6,1=3", "6,2=\"GONE\"", "6,4=\"Q-list not found in database\"",
                        // The hours cell of 2*10^8 stays empty.
                        "7,1=4", "7,2=\"AN-7\"", "7,4=5", "7,5=5", "7,6=5", "7,7=\"A\"", "7,9=22831.0502283105",
                        "7,10=\"4/4\"",
                        "8,1=5", "8,2=\"ZERO\"", "8,4=0", "8,5=0", "8,6=0", "8,10=\"2/0\"",
                    }));
    EXPECT_EQ(cells.first(), "1,1=\"Classification of Q-lists according to YK failure rates:\"");
    EXPECT_TRUE(cells.contains("10,1=\"Bt:   Total number of component positions\""));
    // An empty row after the last explanation.
    EXPECT_EQ(reportState().SlkY, 14);

    // ".bs2" and ".pro" beside the result file, although its folder has a point,
    // named after the result file up to the first point of its name.
    const QString base = dir.filePath("out.v1/erg");
    EXPECT_EQ(linesFrom(base + ".bs2", "ITEM NO             |CODE                |C|MTBF HRS. |CP/FEIN"),
              QStringList({
                  "ITEM NO             |CODE                |C|MTBF HRS. |CP/FEIN",
                  "                    |                    | |          |",
                  "A   12-B   3-C  4   |P1                  |C|    500000|12/3",
                  "OLD                 |                    |-|",
                  "GONE                |                    |",
                  // The hours the paper leaves out are a number here.
                  "AN-7                |                    |A| 200000000|4/4",
                  "ZERO                |                    |||2/0",
              }));
    EXPECT_EQ(linesFrom(base + ".pro", "ITEM NO             |FAILURE RATE|  MTBF YRS"),
              QStringList({
                  "ITEM NO             |FAILURE RATE|  MTBF YRS",
                  "                    |            |",
                  "A   12-B   3-C  4   |        2000|        57,1",
                  "OLD                 |            |",
                  "GONE                |            |",
                  "AN-7                |           5|     22831,1",
                  "ZERO                |           0|",
              }));
    // The report head stands above the table, in capitals.
    EXPECT_TRUE(readFile(base + ".bs2").startsWith("RELIABILITY LAB"));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.bs2")));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.v1/erg.v2.bs2")));
}

TEST_F(Evaluation, MainPathAddsItsColumn)
{
    writePol("Stck=1,Typ=PSU,Qm=Qsl,Lnr=A2,R,Fit=10/30,Fit_Hw=12.5,Pos=1,Fein=0\r\n");
    BewertungQsl(false, true, ergName, false, true, false, ergfile);
    ergfile.close();
    const QStringList cells = sylkCells(prog().WorkStr[Slot::SylkHead] + QString::fromLatin1(readFile(ergfile.fileName())));
    EXPECT_TRUE(cells.contains("2,11=\"FR Main P.\"")) << cells.join(" | ").toStdString();
    EXPECT_TRUE(cells.contains("4,10=\"1/0\""));
    EXPECT_TRUE(cells.contains("4,11=12.5"));
    EXPECT_EQ(dumpPages(), "");
}

TEST_F(Evaluation, WithoutSubQListsANoticeAndTextFilesWithHeadAndNoticeOnly)
{
    prog().LangDruck = 1;
    onWithTextFiles();
    writePol("Stck=2,Typ=R1,Q,Bac=4111,R,Fit=2/4\r\n");
    run();
    EXPECT_TRUE(dumpPages().contains("           Keine untergeordneten Q-St\u00fccklisten gefunden\n"));
    const QStringList cells = sylkCells(prog().WorkStr[Slot::SylkHead]);
    // Title in row 1, the notice one row further down.
    EXPECT_EQ(cells, QStringList({"1,1=\"Klassifizierung der Q-St\u00fccklisten nach YK-Ausfallraten:\"",
                                  "3,1=\"Keine untergeordneten Q-St\u00fccklisten gefunden\""}));
    for (const char* ext : {".bs2", ".pro"}) {
        const QStringList lines = QString::fromLatin1(readFile(dir.filePath("out.v1/erg") + ext)).split("\r\n");
        ASSERT_GE(lines.size(), 2);
        // The head lines, then only the notice without umlauts.
        EXPECT_EQ(lines[lines.size() - 2], "KEINE UNTERGEORDNETEN Q-STUECKLISTEN GEFUNDEN") << ext;
        EXPECT_EQ(lines.last(), "");
        EXPECT_FALSE(lines.join("").contains("SACHNUMMER")) << ext;
    }
}

TEST_F(Evaluation, TextFilesOnlyWithTheKeyOn)
{
    writePol(kPol);
    for (const char* ini : {"", "[fewe]\r\nResbs2pro=False\r\n", "[fewe]\r\nResbs2pro=ja\r\n"}) {
        writeFile(prog().IniFile, ini);
        BewertungQsl(false, true, ergName, false, false, false, ergfile);
        EXPECT_FALSE(QFile::exists(dir.filePath("out.v1/erg.bs2"))) << ini;
        EXPECT_FALSE(QFile::exists(dir.filePath("out.v1/erg.pro"))) << ini;
    }
}

TEST_F(Evaluation, PaperOnlyLeavesTheResultFileCursorAlone)
{
    writePol(kPol);
    reportState().SlkY = 20;
    reportState().SlkX = 1;
    run(true, false);
    EXPECT_EQ(reportState().SlkY, 20);
    EXPECT_EQ(reportState().SlkX, 1);
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].isEmpty());
    EXPECT_TRUE(readFile(ergfile.fileName()).isEmpty());
    EXPECT_TRUE(dumpPages().contains("57,1  12/3\n"));
}

TEST_F(Evaluation, MissingClassFileIsReportedAndNothingIsMade)
{
    QFile::remove(dir.filePath("bew.an"));
    writePol(kPol);
    sp.ui().expect(QuestionKind::Message, "146", Answer::button(Mb::OK));
    run();
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(dumpPages(), "");
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].isEmpty());
}

} // namespace
