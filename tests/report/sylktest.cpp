#include "common/testutil.h"
#include "frame/errors.h"
#include "report/reportstate.h"
#include "report/sylk.h"

#include <gtest/gtest.h>
#include <optional>

using namespace testutil;

namespace {

struct CellRow {
    const char* name;
    QString line;
    int rowAdd, colAdd, fmt;
    QString align;
    std::optional<int> rowPre, colPre;
    int startY, startX;
    QString expected;
    int endY, endX;
};
void PrintTo(const CellRow& r, std::ostream* os) { *os << r.name; }

class SylkCells : public ::testing::TestWithParam<CellRow> {
protected:
    ScriptedProgram sp;
};

TEST_P(SylkCells, RecordsAndCursor)
{
    const CellRow& r = GetParam();
    reportState().SlkY = int16_t(r.startY);
    reportState().SlkX = int16_t(r.startX);
    EXPECT_EQ(SylkZeile(r.line, r.rowAdd, r.colAdd, r.fmt, r.align, r.rowPre, r.colPre), r.expected);
    EXPECT_EQ(reportState().SlkY, r.endY);
    EXPECT_EQ(reportState().SlkX, r.endX);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SylkCells,
    ::testing::Values(
        CellRow{"oneDecimalPicture2", "12,5", 1, 0, 1, "", {}, {}, 3, 2, "F;P2;FF1G;Y3;X2\r\nC;K12.5\r\n", 4, 2},
        // Semicolons become blanks; only the first comma of a cell becomes a point.
        CellRow{"bareCellsAlongRow", "a;b\t1,2,3", 1, -1, -1, "", {}, {}, 5, 1,
                "C;Y5;X1;Ka b\r\nC;Y5;X2;K1.2,3\r\n", 6, 1},
        CellRow{"textDefaultAlign", "Text", 1, 0, 9, "", {}, {}, 1, 1, "F;P10;FG0G;Y1;X1\r\nC;K\"Text\"\r\n", 2, 1},
        CellRow{"textCentred", "fit", 0, 1, 9, "C", {}, 2, 1, 1, "F;P10;FG0C;Y1;X3\r\nC;K\"fit\"\r\n", 1, 4},
        CellRow{"blankLineOnlyMoves", "   ", 2, -1, 9, "", 5, 5, 3, 4, "", 5, 1},
        // Leading tabs are empty cells, not blanks to trim: the value keeps its column.
        CellRow{"leadingTabsKeepColumns", "\t\tC", 1, -1, -1, "", {}, {}, 1, 1,
                "C;Y1;X1;K\r\nC;Y1;X2;K\r\nC;Y1;X3;KC\r\n", 2, 1},
        CellRow{"trailingTabNoEmptyCell", "x\t", 0, 1, -1, "", {}, {}, 1, 1, "C;Y1;X1;Kx\r\n", 1, 2},
        CellRow{"picture4NoDecimals", "1234", 0, 0, 3, "", {}, {}, 2, 3, "F;P4;FF0G;Y2;X3\r\nC;K1234\r\n", 2, 3},
        CellRow{"picture5OneDecimal", "1392,1", 0, 0, 4, "", {}, {}, 2, 5, "F;P5;FF1G;Y2;X5\r\nC;K1392.1\r\n", 2, 5},
        CellRow{"rowPreAndNegativeColPre", "n", 0, 0, -1, "", 1, -1, 4, 7, "C;Y5;X1;Kn\r\n", 5, 1},
        // A quote inside a text stays one record: a semicolon behind it became a blank.
        CellRow{"quoteAndSemicolonInText", "Typ \"A\";x", 1, 0, 9, "", {}, {}, 1, 1,
                "F;P10;FG0G;Y1;X1\r\nC;K\"Typ \"A\" x\"\r\n", 2, 1}),
    [](const auto& i) { return std::string(i.param.name); });

class SylkFrame : public ::testing::Test {
protected:
    SylkFrame()
    {
        head = dir.filePath("slk-kopf.txt");
        cells = dir.filePath("ergfile");
        result = dir.filePath("out.slk");
        writeFile(head, "ID;PTEST\r\nP;PGeneral\r\n");
    }
    ScriptedProgram sp;
    QTemporaryDir dir;
    QString head, cells, result;
    SlkWidths widths{};
};

TEST_F(SylkFrame, CursorMaxComesFromRowsEndingWithAColumnMoveAndFromWrittenCells)
{
    QString rows;
    rows += SylkZeile("a\tb\tc", 1, -1, -1); // the row's own columns reach 3
    rows += SylkZeile("x", 1, 0, 9);
    writeFile(cells, rows.toLatin1());
    writeSylkFrame(result, head, cells, widths);
    // Counting only the rows' last columns would give 1 (rows ending in column 1
    // don't raise it), which leaves columns 2 and 3 outside the bounds.
    EXPECT_TRUE(readFile(result).contains("B;Y3;X3;D0 0 25 9\r\n"));
}

TEST_F(SylkFrame, WholeFrameInOrder)
{
    writeFile(cells, SylkZeile("1", 1, 0, 3).toLatin1());
    mergeSlkWidths(widths, "4,16,13,10,8");
    writeSylkFrame(result, head, cells, widths);
    EXPECT_EQ(readFile(result), QByteArray("ID;PTEST\r\nP;PGeneral\r\n"
                                           "B;Y2;X1;D0 0 25 9\r\n"
                                           "F;W1 1 4\r\nF;W2 2 16\r\nF;W3 3 13\r\nF;W4 4 10\r\nF;W5 5 8\r\n"
                                           "F;W6 256 11\r\n"
                                           "F;P4;FF0G;Y1;X1\r\nC;K1\r\n"
                                           "E\r\n"));
}

TEST_F(SylkFrame, NoFirstWidthWritesOnlyTheDefault)
{
    writeFile(cells, "");
    widths[2] = 7; // not reached: the widths stop at the first zero
    writeSylkFrame(result, head, cells, widths);
    const QByteArray out = readFile(result);
    EXPECT_TRUE(out.contains("F;W1 256 11\r\n"));
    EXPECT_FALSE(out.contains("F;W2"));
}

TEST_F(SylkFrame, MissingHeadFileThrowsAndLeavesNoResultFile)
{
    writeFile(cells, "C;Y1;X1;K1\r\n");
    EXPECT_THROW(writeSylkFrame(result, dir.filePath("none.txt"), cells, widths), TarnError);
    EXPECT_FALSE(QFile::exists(result));
}

TEST_F(SylkFrame, UnwritableResultKeepsThePreviousFile)
{
    writeFile(result, "old");
    writeFile(cells, "C;Y1;X1;K1\r\n");
    EXPECT_THROW(writeSylkFrame(result, head, dir.filePath("missing-cells"), widths), TarnError);
    EXPECT_EQ(readFile(result), "old");
}

struct WidthRow {
    const char* name;
    std::vector<QString> lists;
    std::vector<int> expected; // columns 1..n
};
void PrintTo(const WidthRow& r, std::ostream* os) { *os << r.name; }
class SlkWidthMerge : public ::testing::TestWithParam<WidthRow> {};

TEST_P(SlkWidthMerge, RaisesOnly)
{
    SlkWidths w{};
    for (const QString& l : GetParam().lists)
        mergeSlkWidths(w, l);
    for (size_t k = 0; k < GetParam().expected.size(); ++k)
        EXPECT_EQ(w[k + 1], GetParam().expected[k]) << "column " << k + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlkWidthMerge,
    ::testing::Values(WidthRow{"totalThenGroups", {"4,16,13,10,8", "5,16,13,9,7"}, {5, 16, 13, 10, 8}},
                      WidthRow{"emptyAndTextKeepTheirColumn", {"3,4,5", ",x,1"}, {3, 4, 5}},
                      WidthRow{"zeroAndNegativeIgnored", {"0,-4,2"}, {0, 0, 2}}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
