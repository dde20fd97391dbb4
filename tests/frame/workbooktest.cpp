#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "frame/workbook.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
