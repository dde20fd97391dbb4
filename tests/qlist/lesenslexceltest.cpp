#include "common/xlsxbuilder.h"
#include "frame/workslots.h"
#include "qldbtest.h"
#include "frame/errptnr.h"
#include "qlist/lesenslexcel.h"
#include "qlist/qslimport.h"
#include "qlist/qtqslimport.h"
#include "component_editor/bebez.h"

#include <QFileDialog>
#include <QListView>
#include <QTest>

using namespace testutil;

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

// Lines as ANSI bytes, each ended with CR LF.
QByteArray ansiLines(const std::vector<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

// A report line: before and after in 40 columns each.
QByteArray change(const QByteArray& before, const QByteArray& after)
{
    return before.leftJustified(40, ' ', true) + after.leftJustified(40, ' ', true);
}

// German message 546 in the ANSI code page: "ä" is byte E4.
const QByteArray kReportHead = QByteArray("Original-Bezeichnung") + QByteArray(20, ' ') + "ge\xE4nderte Bezeichnung";

class LesenSLExcelTest : public QlListsFixture {
protected:
    LesenSLExcelTest()
    {
        prog().LangNr = 1;
        prog().LangDir = QStringLiteral("dd\\");
        QDir::setCurrent(testutil::distDir());
    }
    // A one-sheet workbook of rows from row 1 on.
    QString book(const std::vector<QStringList>& rows, const QString& name = QStringLiteral("list.xlsx"))
    {
        const QString path = root.filePath(name);
        EXPECT_TRUE(writeXlsx(path, {{QStringLiteral("Tabelle1"), rows}}));
        return path;
    }
    // Head rows of a list "An=LIST", followed by rows from row 3 on.
    QString listOf(std::vector<QStringList> rows)
    {
        rows.insert(rows.begin(), {{"", "", "s:A", "s:list"}, {"", "", "", "s:desc"}});
        return book(rows);
    }
    QString temp() const { return root.filePath(QStringLiteral("importtemp")); }
    QString report() const { return root.filePath(QStringLiteral("importfehl.txt")); }
    QStringList tempLines() const
    {
        QStringList lines = QString::fromLatin1(readFile(temp())).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }
    ScriptedInteraction& ui = program.ui();
    void expectDone() { EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString(); }
};

// ---- the fixture workbook, as .xlsx and as .xls

class FixtureWorkbook : public LesenSLExcelTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FixtureWorkbook, GivesTheQlistFileAndTheReportByteForByte)
{
    GermanLocale german;
    QString path = partsListXls();
    if (QString::fromLatin1(GetParam()) == QLatin1String("xlsx")) {
        path = root.filePath(QStringLiteral("p.xlsx"));
        ASSERT_TRUE(writeXlsx(path, partsListWorkbook()));
    }
    ASSERT_TRUE(LesenSLExcel(path));
    expectDone();
    EXPECT_EQ(path, prog().WorkStr[Slot::Tp2] + QStringLiteral("\\importtemp"));
    EXPECT_EQ(readFile(temp()),
              ansiLines({
                  // Row 1: kind "t", the designation upper-cased, Tec cut to 3.
                  "Typ=DEMO-PLATINE,Tec=SMD,Code=CODE-1,Anlage=Anlage 7",
                  "Be=Pr\xFC"
                  "fplatine f\xFC"
                  "r Tests",
                  // Text row: cells 2 and 4, each after two blanks, trimmed as a whole.
                  "Versorgung    Teil 1",
                  // Comment: cell 7, two blanks, cell 8, two blanks, cell 9 (not trimmed).
                  "Stck=2,Typ=R-10K,Sl=R1! oben    ",
                  // A number cell keeps its fraction under a decimal-comma locale.
                  "Stck=1.5,Yk=4711!   mitte  ",
                  // Text "0.5" is written without its leading zero; the commas of the
                  // designation and of the Sl value become points.
                  "Stck=.5,An=R1.R2,Sl=R1.R2",
                  // Text "2,5" reads 2; 19 characters of kind T are cut to 18.
                  "Stck=2,Typ=ABCDEFGHIJKLMNOPQR",
                  // Text "abc" reads 0; a sub-list keeps 19 characters (limit 20).
                  "Stck=0,An=ABCDEFGHIJKLMNOPQRS,Qm=Qsl",
                  // Kind S: cut to 17.
                  "Stck=3,Yk=ABCDEFGHIJKLMNOPQ",
                  "Stck=4,Typ=BEZEICHNUNG FEHLT! a  b  c",
                  "Ende der Liste    f\xFC"
                  "r \xDC",
                  // Row 14 ("E") ends the list; row 15 is not read.
              }));
    EXPECT_EQ(readFile(report()), ansiLines({kReportHead, "", change("R1,R2", "R1.R2"), change("R1,R2", "R1.R2"),
                                             change("ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQR"),
                                             change("ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQ")}));
}

INSTANTIATE_TEST_SUITE_P(Formats, FixtureWorkbook, ::testing::Values("xlsx", "xls"),
                         [](const auto& i) { return std::string(i.param); });

TEST_F(LesenSLExcelTest, CommaAndCutOfOneDesignationGiveTwoReportLines)
{
    prog().LangNr = 2;
    QString path = listOf({{"", "n:1", "s:S", "s:A,B,C,D,E,F,G,H,I,J"}});
    ASSERT_TRUE(LesenSLExcel(path));
    EXPECT_EQ(tempLines().value(2), QStringLiteral("Stck=1,Yk=A.B.C.D.E.F.G.H.I"));
    EXPECT_EQ(readFile(report()),
              ansiLines({QByteArray("Original designation") + QByteArray(20, ' ') + "modified designation", "",
                         change("A,B,C,D,E,F,G,H,I,J", "A.B.C.D.E.F.G.H.I.J"),
                         change("A.B.C.D.E.F.G.H.I.J", "A.B.C.D.E.F.G.H.I")}));
}

// ---- head checks

struct HeadRow {
    const char* name;
    const char* kind;
    const char* designation;
    const char* message; // "" when the head is accepted
    const char* head;    // the head line when accepted
};
void PrintTo(const HeadRow& r, std::ostream* os) { *os << r.name; }

class HeadCheck : public LesenSLExcelTest, public ::testing::WithParamInterface<HeadRow> {};

TEST_P(HeadCheck, RefusesOrWritesTheHeadLine)
{
    const HeadRow& r = GetParam();
    writeFile(temp(), "older\r\n");
    QString path = book({{"", "", QString::fromUtf8(r.kind), QString::fromUtf8(r.designation)},
                         {"", "", "", "s:desc"},
                         {"", "n:1", "s:T", "s:R1"}});
    const QString given = path;
    const bool refused = *r.message != 0;
    if (refused)
        ui.expect(Msg, QString::fromLatin1(r.message), Answer::button(Mb::OK));
    EXPECT_EQ(LesenSLExcel(path), !refused);
    expectDone();
    if (refused) {
        // Nothing written, the path given stays, the older work file stays.
        EXPECT_EQ(path, given);
        EXPECT_EQ(readFile(temp()), QByteArray("older\r\n"));
        return;
    }
    EXPECT_EQ(tempLines(), (QStringList{QString::fromUtf8(r.head), QStringLiteral("Be=desc"),
                                        QStringLiteral("Stck=1,Typ=R1")}));
}

INSTANTIATE_TEST_SUITE_P(
    Heads, HeadCheck,
    ::testing::Values(HeadRow{"emptyDesignation", "s:T", "s:   ", "543", ""},
                      HeadRow{"comma", "s:T", "s:A,B", "544", ""},
                      HeadRow{"longerThan20", "s:T", "s:ABCDEFGHIJKLMNOPQRSTU", "545", ""},
                      HeadRow{"exactly20", "s:T", "s:abcdefghijklmnopqrst", "", "Typ=ABCDEFGHIJKLMNOPQRST"},
                      // Block 1 of an item number holds at most 6 characters.
                      HeadRow{"badItemNumber", "s:s", "s:ABCDEFGH", "120", ""},
                      // The item number as typed, upper-cased: not its normalised form.
                      HeadRow{"goodItemNumber", "s: s ", "s:a12-b3", "", "Yk=A12-B3"},
                      HeadRow{"emptyKindIsUserNumber", "", "s:abc", "", "An=ABC"},
                      HeadRow{"numberDesignation", "s:A", "n:4711", "", "An=4711"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(LesenSLExcelTest, BadItemNumberMessageNamesTheNumber)
{
    QString path = book({{"", "", "s:S", "s:abcdefgh-1"}});
    ui.expect(Msg, QStringLiteral("120"), Answer::button(Mb::OK));
    EXPECT_FALSE(LesenSLExcel(path));
    ASSERT_EQ(ui.asked.size(), 1);
    EXPECT_TRUE(ui.asked[0].text.endsWith(QStringLiteral(":  Yk=ABCDEFGH-1"))) << ui.asked[0].text.toStdString();
    EXPECT_TRUE(ui.asked[0].text.startsWith(QStringLiteral("Fehler!"))) << ui.asked[0].text.toStdString();
}

// ---- rows from row 3 on

struct RowsRow {
    const char* name;
    std::vector<QStringList> rows; // from row 3 on
    QStringList lines;             // the lines after the two head lines
};
void PrintTo(const RowsRow& r, std::ostream* os) { *os << r.name; }

class DataRows : public LesenSLExcelTest, public ::testing::WithParamInterface<RowsRow> {};

TEST_P(DataRows, BecomeTheseLines)
{
    GermanLocale german;
    QString path = listOf(GetParam().rows);
    ASSERT_TRUE(LesenSLExcel(path));
    QStringList expected{QStringLiteral("An=LIST"), QStringLiteral("Be=desc")};
    expected += GetParam().lines;
    EXPECT_EQ(tempLines(), expected);
}

const QString k60a = QString(60, u'a');
const QString k60b = QString(60, u'b');

INSTANTIATE_TEST_SUITE_P(
    Rows, DataRows,
    ::testing::Values(
        RowsRow{"otherMarkInRow3EndsAtOnce", {{"s:Z", "n:1", "s:T", "s:R1"}, {"", "n:1", "s:T", "s:R2"}}, {}},
        RowsRow{"emptyQuantityEndsEvenBeforeLaterPositions",
                {{"", "n:1", "s:T", "s:R1"}, {"", "s:  ", "s:T", "s:R2"}, {"", "n:3", "s:T", "s:R3"}},
                {"Stck=1,Typ=R1"}},
        RowsRow{"quantityTexts",
                {{"", "s:2", "s:T", "s:A"},
                 {"", "s:1.5", "s:T", "s:B"},
                 {"", "s:0.5", "s:T", "s:C"},
                 {"", "s:abc", "s:T", "s:D"},
                 {"", "s:2,5", "s:T", "s:E"},
                 {"", "n:1.5", "s:T", "s:F"},
                 {"", "n:0.25", "s:T", "s:G"}},
                {"Stck=2,Typ=A", "Stck=1.5,Typ=B", "Stck=.5,Typ=C", "Stck=0,Typ=D", "Stck=2,Typ=E", "Stck=1.5,Typ=F",
                 "Stck=.25,Typ=G"}},
        RowsRow{"designationLimits",
                {{"", "n:1", "s:T", "s:ABCDEFGHIJKLMNOPQRS"},
                 {"", "n:1", "s:A", "s:ABCDEFGHIJKLMNOPQRS"},
                 {"", "n:1", "s:S", "s:ABCDEFGHIJKLMNOPQRS"},
                 {"", "n:1", "s:S", "s:ABCDEFGHIJKLMNOPQRS", "", "s:Q"},
                 {"", "n:1", "s:T", "s:abcdefghijklmnopqrstuvw", "", "s: q "}},
                {"Stck=1,Typ=ABCDEFGHIJKLMNOPQR", "Stck=1,An=ABCDEFGHIJKLMNOPQR", "Stck=1,Yk=ABCDEFGHIJKLMNOPQ",
                 "Stck=1,Yk=ABCDEFGHIJKLMNOPQRS,Qm=Qsl", "Stck=1,Typ=abcdefghijklmnopqrst,Qm=Qsl"}},
        RowsRow{"commentCutTo100BlankLeftOut",
                {{"", "n:1", "s:T", "s:R1", "", "", QStringLiteral("s:") + k60a, QStringLiteral("s:") + k60b},
                 {"", "n:1", "s:T", "s:R2", "", "", "s:   ", "", "s: "}},
                {QStringLiteral("Stck=1,Typ=R1! ") + k60a + QStringLiteral("  ") + k60b.left(38),
                 "Stck=1,Typ=R2"}},
        RowsRow{"textRows",
                {{"s:X", "s: a ", "", "s:b"}, {"s: x "}, {"s:X", "", "", "", "", "", "", "", "s:end"}},
                {"a    b", "", "end"}},
        RowsRow{"designationMissing", {{"", "n:1", "s:T", "s:  "}}, {"Stck=1,Typ=BEZEICHNUNG FEHLT"}},
        RowsRow{"noEndRowEndsAfterLastUsedRow", {{"", "n:1", "s:T", "s:R1"}, {"", "n:2", "s:T", "s:R2"}},
                {"Stck=1,Typ=R1", "Stck=2,Typ=R2"}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(LesenSLExcelTest, ListsBeyondRow32767AreReadWhole)
{
    std::vector<QStringList> rows{{"", "", "s:A", "s:list"}, {"", "", "", "s:desc"}};
    for (int r = 3; r <= 32770; ++r)
        rows.push_back({"", "n:1", "s:T", QStringLiteral("s:R%1").arg(r)});
    QString path = book(rows);
    ASSERT_TRUE(LesenSLExcel(path));
    const QStringList lines = tempLines();
    ASSERT_EQ(lines.size(), 32770);
    EXPECT_EQ(lines.back(), QStringLiteral("Stck=1,Typ=R32770"));
}

TEST_F(LesenSLExcelTest, ReportStaysUntouchedWhenNothingChanges)
{
    writeFile(report(), "older report\r\n");
    QString path = listOf({{"", "n:1", "s:T", "s:R1", "s:S1"}});
    ASSERT_TRUE(LesenSLExcel(path));
    EXPECT_EQ(readFile(report()), QByteArray("older report\r\n"));
    EXPECT_EQ(tempLines().value(2), QStringLiteral("Stck=1,Typ=R1,Sl=S1"));
}

// A workbook that cannot be opened goes to the error handler of the import,
// which names the file and the reason; the answer "leave" gives false.
struct UnreadableRow {
    const char* name;
    QByteArray bytes; // the file; empty: no file at all
    int number;       // the error number the handler shows
    const char* reasonHas;
};
void PrintTo(const UnreadableRow& r, std::ostream* os) { *os << r.name; }

class UnreadableWorkbook : public LesenSLExcelTest, public ::testing::WithParamInterface<UnreadableRow> {};

TEST_P(UnreadableWorkbook, GoesToTheErrorHandlerAndWritesNothing)
{
    const UnreadableRow& row = GetParam();
    const QString bad = root.filePath(QStringLiteral("list.xls"));
    if (!row.bytes.isEmpty())
        writeFile(bad, row.bytes);
    QString path = bad;
    ui.expect(QuestionKind::Error, QStringLiteral("EQSL.LesenSLExcel"), Answer::button(ErrPtnr::LeaveProcedure));
    EXPECT_FALSE(LesenSLExcel(path));
    expectDone();
    const Question& asked = ui.asked.value(0);
    EXPECT_EQ(paramsOf<ErrorParams>(asked).number, row.number);
    EXPECT_TRUE(asked.text.contains(QDir::toNativeSeparators(bad))) << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains(QString::fromUtf8(row.reasonHas))) << asked.text.toStdString();
    EXPECT_EQ(path, bad);
    EXPECT_FALSE(QFile::exists(temp()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableWorkbook,
    ::testing::Values(UnreadableRow{"missing", QByteArray(), 53, "kann nicht geöffnet werden"},
                      UnreadableRow{"textFile", "Typ=ABC\r\n", 321, "keine Arbeitsmappe"},
                      UnreadableRow{"brokenPackage", QByteArray("PK\x03\x04", 4) + QByteArray(64, 'x'), 321,
                                    "kein lesbares ZIP-Archiv"},
                      UnreadableRow{"brokenBinary", QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(600, '\0'),
                                    321, "beschädigt"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(LesenSLExcelTest, UnwritableWorkFileGivesFalseThroughTheErrorHandler)
{
    // A folder of the work file's name cannot be replaced by the file.
    QDir(root.path()).mkpath(QStringLiteral("importtemp"));
    QString path = listOf({{"", "n:1", "s:T", "s:R1"}});
    const QString given = path;
    ui.expect(QuestionKind::Error, QStringLiteral("EQSL.LesenSLExcel"), Answer::button(ErrPtnr::LeaveProcedure));
    EXPECT_FALSE(LesenSLExcel(path));
    EXPECT_EQ(path, given);
}

// ---- the import of a workbook into the current database

TEST_F(LesenSLExcelTest, ImportStoresTheWorkbookUnderTheNextNumber)
{
    addList(QStringLiteral("00000"), {QStringLiteral("Typ=FIRST"), QStringLiteral("Be=first")});
    prog().WorkStr[Slot::ProgramDir] = testutil::distDir();
    const QString path = root.filePath(QStringLiteral("p.xlsx"));
    ASSERT_TRUE(writeXlsx(path, partsListWorkbook()));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("0kopie"), [&](const Question& q) {
        EXPECT_EQ(paramsOf<FileParams>(q).dir, testutil::distDir());
        QDir::setCurrent(root.path());
        return Answer::word(path);
    });
    EXPECT_EQ(QslImport(0), QStringLiteral("Ln=00001"));
    expectDone();
    const QByteArray stored = readFile(QslPfad(QStringLiteral("A"), QStringLiteral("00001")).replace(u'\\', u'/'));
    EXPECT_TRUE(stored.startsWith("Typ=DEMO-PLATINE,Tec=SMD,Code=CODE-1,Anlage=Anlage 7\r\n")) << stored.toStdString();
    EXPECT_TRUE(stored.contains("Stck=1.5,Yk=4711")) << stored.toStdString();
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(testutil::distDir()).canonicalPath());
}

TEST_F(LesenSLExcelTest, ImportOfARefusedHeadStoresNothing)
{
    QString path = book({{"", "", "s:T", "s:A,B"}});
    ui.expect(QuestionKind::OpenFile, QStringLiteral("0kopie"), Answer::word(path));
    ui.expect(Msg, QStringLiteral("544"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(0), QStringLiteral("no"));
    expectDone();
    EXPECT_FALSE(QFile::exists(QslPfad(QStringLiteral("A"), QStringLiteral("00000")).replace(u'\\', u'/')));
}

// ---- the file dialogs that choose a workbook

// The files a file dialog shows in dir under the first of the filters that a
// question of the program carries.
QStringList filesShown(const QString& designFilter, const QString& dir)
{
    QFileDialog dialog(nullptr, QStringLiteral("t"), dir, qtFileFilter(designFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return {QStringLiteral("no list")};
    QStringList shown;
    // The dialog's model reads the folder in the background.
    for (int wait = 0; wait < 100 && shown.isEmpty(); ++wait) {
        QTest::qWait(20);
        const QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
            shown << model->index(r, 0, view->rootIndex()).data().toString();
    }
    shown.sort();
    return shown;
}

TEST_F(LesenSLExcelTest, WorkbookDialogsShowBothKindsOfWorkbook)
{
    QTemporaryDir files;
    for (const char* name : {"alt.xls", "neu.xlsx", "notiz.txt"})
        writeFile(QDir(files.path()).filePath(QString::fromLatin1(name)), "x");
    const QStringList workbooks{QStringLiteral("alt.xls"), QStringLiteral("neu.xlsx")};

    // The parts-list import and the batch matching of designations.
    QStringList filters;
    ui.expect(QuestionKind::OpenFile, QStringLiteral("0kopie"), [&](const Question& q) {
        filters << paramsOf<FileParams>(q).filter;
        return Answer::cancel();
    });
    EXPECT_EQ(QslImport(0), QStringLiteral("no"));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("be.add"), [&](const Question& q) {
        filters << paramsOf<FileParams>(q).filter;
        return Answer::cancel();
    });
    frmBEBez::Run();
    expectDone();
    ASSERT_EQ(filters.size(), 2);
    for (const QString& filter : filters)
        EXPECT_EQ(filesShown(filter, files.path()), workbooks) << filter.toStdString();
    EXPECT_EQ(qtFileFilter(filters.front()), QStringLiteral("Excel-Dateien (*.xls *.xlsx);;Alle Dateien (*.*)"));
}

} // namespace
