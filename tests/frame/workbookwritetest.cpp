#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "frame/workbook.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace
