#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "workbook/workbook.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

using namespace testutil;

namespace {

class WorkbookTest : public ::testing::Test {
protected:
    QString xlsx(const std::vector<XlsxSheet>& sheets, const QString& name = QStringLiteral("book.xlsx"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeXlsx(path, sheets));
        return path;
    }
    ScriptedProgram program;
    QTemporaryDir dir;
};

TEST_F(WorkbookTest, XlsxAndXlsOfTheSameCellsReadAlike)
{
    QString error;
    const auto a = Workbook::open(xlsx(partsListWorkbook()), &error);
    ASSERT_TRUE(a) << error.toStdString();
    const auto b = Workbook::open(partsListXls(), &error);
    ASSERT_TRUE(b) << error.toStdString();

    const QStringList names{QStringLiteral("Stueckliste"), QStringLiteral("VERS"), QStringLiteral("AR")};
    EXPECT_EQ(a->sheetNames(), names);
    EXPECT_EQ(b->sheetNames(), names);
    for (const QString& name : names) {
        const Worksheet* x = a->sheet(name);
        const Worksheet* y = b->sheet(name);
        ASSERT_TRUE(x && y) << name.toStdString();
        EXPECT_EQ(x->lastRow(), y->lastRow()) << name.toStdString();
        EXPECT_EQ(x->lastColumn(), y->lastColumn()) << name.toStdString();
        for (int r = 1; r <= x->lastRow() + 1; ++r)
            for (int c = 1; c <= x->lastColumn() + 1; ++c)
                EXPECT_EQ(x->text(r, c), y->text(r, c)) << name.toStdString() << " " << r << "/" << c;
    }

    // What the cells of the .xlsx are stored as: inline and rich text (without
    // the phonetic run), a cell without reference, numbers as text.
    const Worksheet* s = a->firstSheet();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->name(), QStringLiteral("Stueckliste"));
    EXPECT_EQ(s->text(1, 4), QStringLiteral("Demo-Platine"));
    EXPECT_EQ(s->text(2, 4), QStringLiteral("Prüfplatine für Tests"));
    EXPECT_EQ(s->text(4, 3), QStringLiteral("T"));
    EXPECT_EQ(s->text(4, 2), QStringLiteral("2"));
    EXPECT_EQ(s->text(5, 2), QStringLiteral("1.5"));
    EXPECT_EQ(s->text(1, 1), QString());
    EXPECT_EQ(s->lastRow(), 13);
    EXPECT_EQ(s->lastColumn(), 9);
    EXPECT_EQ(a->sheet(QStringLiteral("vers"))->text(3, 1), QStringLiteral("12"));
    EXPECT_EQ(a->sheet(QStringLiteral("AR"))->text(2, 2), QStringLiteral("0.5"));
    EXPECT_EQ(a->sheet(QStringLiteral("AR$")), nullptr);
}

struct CellRow {
    const char* name;
    const char* stored;
    const char* text;
};
void PrintTo(const CellRow& r, std::ostream* os) { *os << r.name; }

class CellText : public ::testing::TestWithParam<CellRow> {};

TEST_P(CellText, IsTheSameInAnyLocale)
{
    ScriptedProgram program;
    GermanLocale german;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.xlsx"));
    ASSERT_TRUE(writeXlsx(path, {{QStringLiteral("S"), {{QString::fromUtf8(GetParam().stored)}}}}));
    const auto book = Workbook::open(path);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->firstSheet()->text(1, 1), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellText,
    ::testing::Values(CellRow{"integer", "n:3", "3"}, CellRow{"fraction", "n:1.5", "1.5"},
                      CellRow{"half", "n:0.5", "0.5"}, CellRow{"negative", "n:-2.25", "-2.25"},
                      // Excel writes 0.01 with its binary noise; the shortest form reads back the same.
                      CellRow{"storedWithNoise", "n:1.0000000000000001E-2", "0.01"},
                      CellRow{"dateSerial", "n:45000", "45000"}, CellRow{"large", "n:1E+20", "1e+20"},
                      CellRow{"zero", "n:0", "0"}, CellRow{"true", "b:1", "TRUE"}, CellRow{"false", "b:0", "FALSE"},
                      CellRow{"formulaText", "f:R-10K", "R-10K"}, CellRow{"sharedText", "s: a,b ", " a,b "},
                      CellRow{"inlineText", "i:2,5", "2,5"}, CellRow{"escapedControl", "s:a_x000D_b", "a\rb"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(WorkbookTest, UsedRangeHasNoRowLimit)
{
    XlsxSheet s{QStringLiteral("S"), {{"s:a"}}, {{40000, {"", "n:1"}}}};
    const auto book = Workbook::open(xlsx({s}));
    ASSERT_TRUE(book);
    EXPECT_EQ(book->firstSheet()->lastRow(), 40000);
    EXPECT_EQ(book->firstSheet()->text(40000, 2), QStringLiteral("1"));
}

TEST_F(WorkbookTest, FilesThatAreNoWorkbookAreNamedInTheMessage)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {{"text.xls", "Typ=ABC\r\nBe=x\r\n"},
                          {"broken.xlsx", QByteArray("PK\x03\x04", 4) + QByteArray(64, 'x')},
                          {"empty.xlsx", QByteArray()}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        writeFile(path, c.bytes);
        QString error;
        EXPECT_FALSE(Workbook::open(path, &error)) << c.name;
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    }
    QString error;
    const QString missing = dir.filePath(QStringLiteral("missing.xlsx"));
    EXPECT_FALSE(Workbook::open(missing, &error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
}

// ---- hostile packages

const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

QByteArray sheetXml(const QByteArray& data)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"") + kMain +
           "\"><sheetData>" + data + "</sheetData></worksheet>";
}

struct ReferenceRow {
    const char* name;
    const char* ref;
    int row, column; // 0: refused
};
void PrintTo(const ReferenceRow& r, std::ostream* os) { *os << r.name; }

class CellReference : public ::testing::TestWithParam<ReferenceRow> {
protected:
    ScriptedProgram program;
    QTemporaryDir dir;
};

TEST_P(CellReference, IsReadOrRefusedWithoutOverflow)
{
    const ReferenceRow& r = GetParam();
    const QString path = dir.filePath(QStringLiteral("ref.xlsx"));
    ASSERT_TRUE(writeXlsxWithSheetXml(
        path, sheetXml(QByteArray("<row><c r=\"") + r.ref + "\" t=\"inlineStr\"><is><t>here</t></is></c></row>")));
    QString error;
    const auto book = Workbook::open(path, &error);
    if (r.row == 0) {
        EXPECT_FALSE(book);
        EXPECT_TRUE(error.contains(QStringLiteral("ungültige Zelladresse"))) << error.toStdString();
        return;
    }
    ASSERT_TRUE(book) << error.toStdString();
    EXPECT_EQ(book->firstSheet()->text(r.row, r.column), QStringLiteral("here"));
    EXPECT_EQ(book->firstSheet()->lastRow(), r.row);
    EXPECT_EQ(book->firstSheet()->lastColumn(), r.column);
}

INSTANTIATE_TEST_SUITE_P(
    References, CellReference,
    ::testing::Values(ReferenceRow{"first", "A1", 1, 1}, ReferenceRow{"lowerCase", "ab12", 12, 28},
                      ReferenceRow{"lastCell", "XFD1048576", 1048576, 16384},
                      ReferenceRow{"columnPastTheLast", "XFE1", 0, 0},
                      // Eight letters overflowed the column number.
                      ReferenceRow{"eightLetters", "ZZZZZZZZ1", 0, 0}, ReferenceRow{"fourLetters", "AAAA1", 0, 0},
                      ReferenceRow{"rowPastTheLast", "A1048577", 0, 0},
                      ReferenceRow{"rowBeyondAnInt", "A99999999999", 0, 0}, ReferenceRow{"rowZero", "A0", 0, 0},
                      ReferenceRow{"noRow", "AB", 0, 0}, ReferenceRow{"noColumn", "12", 0, 0},
                      ReferenceRow{"letterAfterDigits", "A1B", 0, 0}, ReferenceRow{"signedRow", "A+1", 0, 0},
                      ReferenceRow{"umlaut", "\xC3\x84" "1", 0, 0}),
    [](const auto& i) { return std::string(i.param.name); });

// A package whose sheet part says it inflates to 1 GiB: refused before a byte
// of it is inflated.
TEST_F(WorkbookTest, SheetThatInflatesBeyondTheLimitIsRefusedAtOnce)
{
    const QString path = dir.filePath(QStringLiteral("bomb.xlsx"));
    ASSERT_TRUE(writeXlsxWithSheetXml(path, sheetXml("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>")));
    QByteArray zip = readFile(path);
    const QByteArray name("xl/worksheets/sheet1.xml");
    // The uncompressed size in the local header (offset 22) and in the central directory (offset 24).
    for (const auto& [signature, sizeAt, nameAt] :
         {std::tuple{QByteArray("PK\x03\x04"), 22, 30}, std::tuple{QByteArray("PK\x01\x02"), 24, 46}}) {
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4))
            if (zip.mid(at + nameAt, name.size()) == name)
                qToLittleEndian<quint32>(0x40000000, zip.data() + at + sizeAt);
    }
    writeFile(path, zip);
    QElapsedTimer timer;
    timer.start();
    QString error;
    EXPECT_FALSE(Workbook::open(path, &error));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(error.contains(QStringLiteral("xl/worksheets/sheet1.xml ist entpackt größer als 128 MB")))
        << error.toStdString();
}

TEST_F(WorkbookTest, InflatedPartsOverTheLimitsAreRefused)
{
    // 3 MB of blanks between the rows: well-formed, so only the size can stop it.
    const QString path = dir.filePath(QStringLiteral("big.xlsx"));
    ASSERT_TRUE(writeXlsxWithSheetXml(path, sheetXml("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>" +
                                                     QByteArray(3 << 20, ' '))));
    QString error;
    ASSERT_TRUE(Workbook::open(path, &error)) << error.toStdString();
    WorkbookLimits part;
    part.partBytes = 1 << 20;
    EXPECT_FALSE(Workbook::open(path, &error, part));
    EXPECT_TRUE(error.contains(QStringLiteral("entpackt größer als 1 MB"))) << error.toStdString();
    WorkbookLimits package;
    package.packageBytes = 2 << 20;
    EXPECT_FALSE(Workbook::open(path, &error, package));
    EXPECT_TRUE(error.contains(QStringLiteral("Arbeitsmappe ist entpackt größer als 2 MB"))) << error.toStdString();
}

TEST_F(WorkbookTest, CellsSheetsAndPartsOverTheLimitsAreRefused)
{
    const QString path = xlsx({{QStringLiteral("A"), {{"n:1", "n:2"}}}, {QStringLiteral("B"), {{"n:3"}}}});
    QString error;
    WorkbookLimits cells;
    cells.cells = 2;
    EXPECT_FALSE(Workbook::open(path, &error, cells));
    EXPECT_TRUE(error.contains(QStringLiteral("mehr als 2 Zellen"))) << error.toStdString();
    WorkbookLimits sheets;
    sheets.sheets = 1;
    EXPECT_FALSE(Workbook::open(path, &error, sheets));
    EXPECT_TRUE(error.contains(QStringLiteral("mehr als 1 Tabellenbl"))) << error.toStdString();
    WorkbookLimits parts;
    parts.parts = 3;
    EXPECT_FALSE(Workbook::open(path, &error, parts));
    EXPECT_TRUE(error.contains(QStringLiteral("mehr als 3 Teile"))) << error.toStdString();
    EXPECT_TRUE(Workbook::open(path, &error)) << error.toStdString();
}

TEST_F(WorkbookTest, RowNumbersPastTheLastRowAreRefused)
{
    const QString path = dir.filePath(QStringLiteral("rows.xlsx"));
    for (const char* row : {"1048577", "-1", "99999999999", "x"}) {
        ASSERT_TRUE(writeXlsxWithSheetXml(path, sheetXml(QByteArray("<row r=\"") + row + "\"><c><v>1</v></c></row>")));
        QString error;
        EXPECT_FALSE(Workbook::open(path, &error)) << row;
        EXPECT_TRUE(error.contains(QStringLiteral("ungültige Zeilennummer"))) << error.toStdString();
    }
}

} // namespace
