#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "prediction/specialratelist.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

class SpecialRateListTest : public ::testing::Test {
protected:
    QString xlsx(const std::vector<XlsxSheet>& sheets)
    {
        const QString path = dir.filePath(QStringLiteral("list.xlsx"));
        QFile::remove(path);
        EXPECT_TRUE(writeXlsx(path, sheets));
        return path;
    }
    ScriptedProgram program;
    QTemporaryDir dir;
};

class FixtureList : public SpecialRateListTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FixtureList, GivesTheVersionAndTheRatesByDesignationAndKind)
{
    GermanLocale german;
    const QString path = QString::fromLatin1(GetParam()) == QLatin1String("xls") ? partsListXls()
                                                                               : xlsx(partsListWorkbook());
    QString error;
    const std::optional<SpecialRateList> list = readSpecialRateList(path, &error);
    ASSERT_TRUE(list) << error.toStdString();
    // Versions 1, 12 and 3: the highest by value, in three characters.
    EXPECT_EQ(list->version, QStringLiteral("012"));
    // Each designation is found under its own kind only; the first row of a pair
    // wins; a decimal comma becomes a point; a number cell keeps its fraction.
    EXPECT_EQ(list->rate(QStringLiteral("R-10K"), QStringLiteral("T")), QStringLiteral("0.5"));
    EXPECT_EQ(list->rate(QStringLiteral("R-10K"), QStringLiteral("A")), QStringLiteral("9"));
    EXPECT_EQ(list->rate(QStringLiteral("R-10K"), QStringLiteral("S")), std::nullopt);
    EXPECT_EQ(list->rate(QStringLiteral("4711"), QStringLiteral("S")), QStringLiteral("0.5"));
    // An apostrophe is a character like any other.
    EXPECT_EQ(list->rate(QStringLiteral("O'BRIEN"), QStringLiteral("A")), QStringLiteral("2"));
    // The list was always searched without regard to case.
    EXPECT_EQ(list->rate(QStringLiteral("r-10k"), QStringLiteral("t")), QStringLiteral("0.5"));
    EXPECT_EQ(list->rate(QStringLiteral("C-100N"), QStringLiteral("T")), std::nullopt);
    EXPECT_EQ(list->rates.size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Formats, FixtureList, ::testing::Values("xlsx", "xls"),
                         [](const auto& i) { return std::string(i.param); });

struct VersionRow {
    const char* name;
    std::vector<QStringList> rows; // of sheet VERS
    const char* version;           // "" for none
};
void PrintTo(const VersionRow& r, std::ostream* os) { *os << r.name; }

class Version : public SpecialRateListTest, public ::testing::WithParamInterface<VersionRow> {};

TEST_P(Version, IsTheHighestInThreeCharacters)
{
    const QString path = xlsx({{QStringLiteral("VERS"), GetParam().rows},
                               {QStringLiteral("AR"), {{"s:Bezeichnung", "s:AR", "s:TSA"}}}});
    const std::optional<SpecialRateList> list = readSpecialRateList(path, nullptr);
    ASSERT_TRUE(list);
    if (*GetParam().version)
        EXPECT_EQ(list->version, QString::fromLatin1(GetParam().version));
    else
        EXPECT_EQ(list->version, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, Version,
    ::testing::Values(VersionRow{"numbersByValue", {{"s:Version"}, {"n:1"}, {"n:12"}, {"n:3"}}, "012"},
                      VersionRow{"oneVersion", {{"s:Version"}, {"n:7"}}, "007"},
                      VersionRow{"longVersionKeepsItsRightEnd", {{"s:Version"}, {"n:2024"}}, "024"},
                      VersionRow{"textsByText", {{"s:Version"}, {"s:A1"}, {"s:B"}}, "00B"},
                      VersionRow{"emptyCellsAreNoVersion", {{"s:Version"}, {"s:  "}, {""}, {"n:4"}}, "004"},
                      VersionRow{"columnNameInAnyCase", {{"s:x", "s:VERSION"}, {"n:9", "n:5"}}, "005"},
                      VersionRow{"none", {{"s:Version"}}, ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(SpecialRateListTest, ListsThatCannotBeReadNameTheFile)
{
    const std::vector<XlsxSheet> noAr{{QStringLiteral("VERS"), {{"s:Version"}, {"n:1"}}}};
    const std::vector<XlsxSheet> noKind{{QStringLiteral("VERS"), {{"s:Version"}}},
                                        {QStringLiteral("AR"), {{"s:Bezeichnung", "s:AR"}}}};
    for (const auto& sheets : {noAr, noKind}) {
        const QString path = xlsx(sheets);
        QString error;
        EXPECT_FALSE(readSpecialRateList(path, &error));
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    }
    const QString text = dir.filePath(QStringLiteral("list.txt"));
    writeFile(text, "Bezeichnung;AR;TSA\r\n");
    QString error;
    EXPECT_FALSE(readSpecialRateList(text, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(text))) << error.toStdString();
}

} // namespace
