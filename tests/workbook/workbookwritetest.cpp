#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "workbook/workbook.h"

#include <QDir>
#include <QFileInfo>
#include <QStringConverter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <quazip.h>
#include <quazipfile.h>

namespace {

std::map<QString, QByteArray> partsOf(const QString& path)
{
    std::map<QString, QByteArray> parts;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return parts;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile f(&zip);
        if (f.open(QIODevice::ReadOnly))
            parts[zip.getCurrentFileName()] = f.readAll();
    }
    return parts;
}

class WorkbookWriteTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    testutil::ScriptedProgram sp;
};

// Only the cells written change: the shared strings, the other sheet and every
// other part stay as they were; cells are replaced in place or added in order.
TEST_F(WorkbookWriteTest, XlsxKeepsEveryPartItDoesNotChange)
{
    const QString book = dir.filePath(QStringLiteral("w.xlsx"));
    ASSERT_TRUE(testutil::writeXlsx(book, {{QStringLiteral("Notes"), {{"s:keep", "n:1.5"}}},
                                           {QStringLiteral("Tabelle1"),
                                            {{"s:a", "s:b", "s:c"}, {"s:R1", "s:N1", "s:x", "", "i:old"}, {"s:R2"}}}}));
    const auto before = partsOf(book);
    QString error;
    ASSERT_TRUE(writeXlsxCells(book, book, QStringLiteral("Tabelle1"),
                               {{{2, 3}, QStringLiteral("ok")}, {{2, 4}, QStringLiteral("in")},
                                {{2, 5}, QStringLiteral(" ")}, {{3, 3}, QStringLiteral("nv")},
                                {{5, 2}, QStringLiteral("new <row> & \"more\"")}},
                               &error))
        << error.toStdString();
    const auto after = partsOf(book);
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (const auto& [name, bytes] : before) {
        ASSERT_TRUE(after.count(name)) << name.toStdString();
        if (after.at(name) != bytes)
            ++changed;
    }
    EXPECT_EQ(changed, 1); // the sheet part of Tabelle1
    const std::optional<Workbook> w = Workbook::open(book, &error);
    ASSERT_TRUE(w) << error.toStdString();
    const Worksheet* t = w->sheet(QStringLiteral("Tabelle1"));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text(2, 1), QStringLiteral("R1"));
    EXPECT_EQ(t->text(2, 3), QStringLiteral("ok"));
    EXPECT_EQ(t->text(2, 4), QStringLiteral("in"));
    EXPECT_EQ(t->text(2, 5), QStringLiteral(" "));
    EXPECT_EQ(t->text(3, 1), QStringLiteral("R2"));
    EXPECT_EQ(t->text(3, 3), QStringLiteral("nv"));
    EXPECT_EQ(t->text(5, 2), QStringLiteral("new <row> & \"more\""));
    EXPECT_EQ(w->sheet(QStringLiteral("Notes"))->text(1, 2), QStringLiteral("1.5"));
    EXPECT_FALSE(QFileInfo::exists(book + QStringLiteral(".~tmp")));
}

// A binary workbook is read, never written: the cells go to a new .xlsx with
// all its sheets, and the .xls keeps its bytes.
TEST_F(WorkbookWriteTest, XlsResultsGoToANewXlsx)
{
    const QString xls = dir.filePath(QStringLiteral("parts.xls"));
    ASSERT_TRUE(QFile::copy(testutil::partsListXls(), xls));
    const QByteArray before = testutil::readFile(xls);
    const std::optional<Workbook> source = Workbook::open(xls);
    ASSERT_TRUE(source);
    const QString target = dir.filePath(QStringLiteral("parts.xlsx"));
    QString error;
    ASSERT_TRUE(writeXlsxCells(xls, target, QStringLiteral("Stueckliste"), {{{1, 1}, QStringLiteral("changed")}},
                               &error))
        << error.toStdString();
    EXPECT_EQ(testutil::readFile(xls), before);
    const std::optional<Workbook> w = Workbook::open(target, &error);
    ASSERT_TRUE(w) << error.toStdString();
    EXPECT_EQ(w->sheetNames(), source->sheetNames());
    for (const auto& s : source->sheets) {
        const Worksheet* copy = w->sheet(s->name());
        ASSERT_NE(copy, nullptr);
        for (int r = 1; r <= s->lastRow(); ++r)
            for (int c = 1; c <= s->lastColumn(); ++c)
                if (!(s->name() == QLatin1String("Stueckliste") && r == 1 && c == 1)) {
                    EXPECT_EQ(copy->text(r, c), s->text(r, c)) << s->name().toStdString() << r << "," << c;
                }
    }
    EXPECT_EQ(w->sheet(QStringLiteral("Stueckliste"))->text(1, 1), QStringLiteral("changed"));
}

// ---- new and changed cells in the sheet's own namespace

struct LayoutRow {
    const char* name;
    QByteArray sheet;                     // the sheet part as a spreadsheet program wrote it
    WorkbookCells write;                  // the cells written into it
    std::map<std::pair<int, int>, QString> expected; // every cell a namespace-aware reader finds afterwards
    std::vector<QByteArray> kept;         // pieces of the part that must stay byte for byte
};
void PrintTo(const LayoutRow& r, std::ostream* os) { *os << r.name; }

class SheetLayout : public ::testing::TestWithParam<LayoutRow> {
protected:
    QTemporaryDir dir;
    testutil::ScriptedProgram sp;
};

const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const QByteArray kOpen = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
const QByteArray kOpenX = "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
const QByteArray kRows = "<row r=\"1\" spans=\"1:3\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c>"
                         "<c r=\"C1\" s=\"3\"><f>1+1</f><v>2</v></c></row>"
                         "<row r=\"3\"><c r=\"A3\"><v>1</v></c></row>";
const QByteArray kTail = "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
                         "footer=\"0.3\"/></worksheet>";

TEST_P(SheetLayout, NewCellsAreInTheSheetsNamespaceAndTheRestStays)
{
    const LayoutRow& row = GetParam();
    const QString book = dir.filePath(QStringLiteral("layout.xlsx"));
    ASSERT_TRUE(testutil::writeXlsxWithSheetXml(book, row.sheet));
    QString error;
    ASSERT_TRUE(writeXlsxCells(book, book, QStringLiteral("Tabelle1"), row.write, &error)) << error.toStdString();
    EXPECT_EQ(testutil::namespacedCells(book, QStringLiteral("Tabelle1")), row.expected);
    const QByteArray part = partsOf(book)[QStringLiteral("xl/worksheets/sheet1.xml")];
    for (const QByteArray& piece : row.kept)
        EXPECT_TRUE(part.contains(piece)) << piece.toStdString() << "\nnot in\n" << part.toStdString();
    // The program's own reading finds the same.
    const std::optional<Workbook> w = Workbook::open(book, &error);
    ASSERT_TRUE(w) << error.toStdString();
    EXPECT_EQ(w->firstSheet()->cells(), WorkbookCells(row.expected.begin(), row.expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SheetLayout,
    ::testing::Values(
        // As spreadsheet programs write it: the default namespace.
        LayoutRow{"defaultNamespace",
                  kHead + kOpen + "<dimension ref=\"A1:C3\"/><sheetData>" + kRows + "</sheetData>" + kTail,
                  {{{1, 2}, "between"}, {{1, 3}, "ok"}, {{1, 5}, "x"}, {{2, 1}, "row of its own"}, {{3, 1}, ""},
                   {{4, 2}, "after"}},
                  {{{1, 1}, "a"}, {{1, 2}, "between"}, {{1, 3}, "ok"}, {{1, 5}, "x"}, {{2, 1}, "row of its own"},
                   {{4, 2}, "after"}},
                  {kHead, "<dimension ref=\"A1:C3\"/>", "<row r=\"1\" spans=\"1:3\"><c r=\"A1\" t=\"inlineStr\">",
                   "<c r=\"C1\" s=\"3\" t=\"inlineStr\">", kTail}},
        LayoutRow{"prefixed",
                  kHead + kOpenX + "<x:sheetData><x:row r=\"1\"><x:c r=\"B1\"><x:v>5</x:v></x:c></x:row></x:sheetData>" +
                      "</x:worksheet>",
                  {{{1, 1}, "ok"}, {{1, 3}, "in"}, {{2, 1}, "x"}},
                  {{{1, 1}, "ok"}, {{1, 2}, "5"}, {{1, 3}, "in"}, {{2, 1}, "x"}},
                  {"<x:c r=\"B1\"><x:v>5</x:v></x:c>", "</x:row></x:sheetData></x:worksheet>"}},
        LayoutRow{"rowWithoutCells",
                  kHead + kOpen + "<sheetData><row r=\"2\" ht=\"20\" customHeight=\"1\"/></sheetData></worksheet>",
                  {{{2, 3}, "nv"}},
                  {{{2, 3}, "nv"}},
                  {"<row r=\"2\" ht=\"20\" customHeight=\"1\">"}},
        // Cells that hold only a format: one takes a result and keeps its format.
        LayoutRow{"formattedEmptyCells",
                  kHead + kOpen + "<sheetData><row r=\"1\"><c r=\"A1\" s=\"4\"/><c r=\"B1\" s=\"5\"/></row>" +
                      "</sheetData></worksheet>",
                  {{{1, 1}, "ok"}},
                  {{{1, 1}, "ok"}},
                  {"<row r=\"1\"><c r=\"A1\" s=\"4\" t=\"inlineStr\">", "</c><c r=\"B1\" s=\"5\"/></row>"}},
        LayoutRow{"emptySheet", kHead + kOpen + "<sheetData/>" + kTail, {{{2, 3}, "ok"}, {{2, 4}, "in"}},
                  {{{2, 3}, "ok"}, {{2, 4}, "in"}}, {kTail}},
        // Rows and cells that leave their numbers out count on from the one before.
        LayoutRow{"placesWithoutReferences",
                  kHead + kOpen + "<sheetData><row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>" +
                      "</sheetData></worksheet>",
                  {{{1, 2}, "two"}, {{2, 2}, "B2"}},
                  {{{1, 1}, "1"}, {{1, 2}, "two"}, {{2, 1}, "3"}, {{2, 2}, "B2"}},
                  {"<row><c><v>1</v></c>", "<row><c><v>3</v></c>"}},
        // A byte-order mark, comments and a processing instruction stay where they are.
        LayoutRow{"markAndComments",
                  "\xEF\xBB\xBF" + kHead + "<!-- made by hand -->" + kOpen + "<sheetData><!-- rows -->" +
                      "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Größe</t></is></c></row></sheetData>" +
                      "<?keep this?></worksheet>",
                  {{{1, 2}, "Maß & <Zahl>"}},
                  {{{1, 1}, "Größe"}, {{1, 2}, "Maß & <Zahl>"}},
                  {"\xEF\xBB\xBF" + kHead + "<!-- made by hand -->", "<sheetData><!-- rows -->", "<?keep this?>"}}),
    [](const auto& i) { return std::string(i.param.name); });

// A text that XML cannot hold as it stands comes back as it was written.
TEST_F(WorkbookWriteTest, TextsWithControlCharactersAndEscapesComeBack)
{
    const QString book = dir.filePath(QStringLiteral("t.xlsx"));
    ASSERT_TRUE(testutil::writeXlsx(book, {{QStringLiteral("Tabelle1"), {{"s:a"}}}}));
    const QString tricky = QStringLiteral("a\rb\x01c_x0041_d\te");
    QString error;
    ASSERT_TRUE(writeXlsxCells(book, book, QStringLiteral("Tabelle1"), {{{1, 2}, tricky}}, &error))
        << error.toStdString();
    const std::optional<Workbook> w = Workbook::open(book, &error);
    ASSERT_TRUE(w) << error.toStdString();
    EXPECT_EQ(w->firstSheet()->text(1, 2), tricky);
}

// The part as written must read back from its bytes: a declaration of an
// encoding no reader knows, beside a byte-order mark that says UTF-16, is
// refused rather than written.
TEST_F(WorkbookWriteTest, PartThatWouldNotReadBackIsRefused)
{
    QByteArray sheet = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-14\"?>").toUtf8() + kOpen +
                       "<sheetData><row r=\"3\"><c r=\"A3\"><v>9</v></c></row></sheetData></worksheet>";
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    sheet = utf16(QString::fromUtf8(sheet));
    try {
        rewriteSheetXml(sheet, {{{1, 1}, QStringLiteral("ok")}});
        ADD_FAILURE() << "written";
    } catch (const WorkbookFailure& f) {
        EXPECT_TRUE(f.reason.contains(QStringLiteral("UTF-14"))) << f.reason.toStdString();
    }
}

// A sheet part that declares a document type could expand entities into cells
// the writer never saw: it is refused, and the workbook stays as it was.
TEST_F(WorkbookWriteTest, SheetWithADocumentTypeIsNotRewritten)
{
    const QString book = dir.filePath(QStringLiteral("dtd.xlsx"));
    ASSERT_TRUE(testutil::writeXlsxWithSheetXml(
        book, "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY e \"x\">]>" + kOpen +
                  "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>&e;</t></is></c></row></sheetData>"
                  "</worksheet>"));
    const QByteArray before = testutil::readFile(book);
    QString error;
    EXPECT_FALSE(writeXlsxCells(book, book, QStringLiteral("Tabelle1"), {{{1, 2}, QStringLiteral("ok")}}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Dokumenttyp"))) << error.toStdString();
    EXPECT_EQ(testutil::readFile(book), before);
}

} // namespace
