#include "dialogue/chapterfile.h"
#include "diatestutil.h"
#include "frame/markers.h"

#include <gtest/gtest.h>

using namespace dtest;

namespace {

// ---- finding a chapter

struct ChapterRow {
    const char* name;
    QStringList fileLines;
    QString kap;
    ChapterStatus status;
    QStringList lines;
};
void PrintTo(const ChapterRow& r, std::ostream* os) { *os << r.name; }
class ChapterSearch : public ::testing::TestWithParam<ChapterRow> {};

TEST_P(ChapterSearch, FindsLines)
{
    const ChapterRow& row = GetParam();
    DiaDir d;
    QByteArray bytes;
    for (const QString& l : row.fileLines)
        bytes += toBytes(l) + "\r\n";
    d.write(QStringLiteral("f.dia"), bytes);
    const Chapter ch = readChapter(QStringLiteral("f.dia"), row.kap);
    EXPECT_EQ(ch.status, row.status);
    EXPECT_EQ(ch.lines, row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChapterSearch,
    ::testing::Values(
        ChapterRow{"plain", {"x", head("a"), "*one ", "*two ", head("b"), "*three "}, "a", ChapterStatus::Found,
                   {"*one ", "*two "}},
        ChapterRow{"lastChapterRunsToEnd", {head("a"), "*one ", head("b"), "*three "}, "b", ChapterStatus::Found,
                   {"*three "}},
        ChapterRow{"endsAtQuestionMarkAlone", {head("a"), "*one ", "?", "*after "}, "a", ChapterStatus::Found, {"*one "}},
        ChapterRow{"headWithTrailingBlank", {head("a") + " ", "*one "}, "a", ChapterStatus::ChapterMissing, {}},
        ChapterRow{"otherCase", {head("A"), "*one "}, "a", ChapterStatus::ChapterMissing, {}},
        ChapterRow{"headOnLastLine", {"*x ", head("a")}, "a", ChapterStatus::ChapterMissing, {}},
        ChapterRow{"firstHeadWins", {head("a"), "*1 ", head("a"), "*2 "}, "a", ChapterStatus::Found, {"*1 "}},
        ChapterRow{"emptyNameFromFirstLine", {"*pre ", head("a"), "*one "}, "", ChapterStatus::Found, {"*pre "}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ChapterFile, MissingFileIsReported)
{
    DiaDir d;
    EXPECT_EQ(readChapter(QStringLiteral("none.dia"), QStringLiteral("a")).status, ChapterStatus::FileMissing);
}

TEST(ChapterFile, LinesKeepTheirBytes)
{
    DiaDir d;
    QByteArray bytes = toBytes(head("k")) + "\r\n*\x81" "ber\xC4\xC4 \r\n"; // OEM u-umlaut and box line
    d.write(QStringLiteral("f.dia"), bytes);
    const Chapter ch = readChapter(QStringLiteral("f.dia"), QStringLiteral("k"));
    ASSERT_EQ(ch.lines.size(), 1);
    EXPECT_EQ(toBytes(ch.lines[0]), QByteArray("*\x81" "ber\xC4\xC4 "));
}

// ---- taking a line apart

struct LineRow {
    const char* name;
    QString raw;
    bool valid;
    QString text; // after flag and carets
};
void PrintTo(const LineRow& r, std::ostream* os) { *os << r.name; }
class LineSplit : public ::testing::TestWithParam<LineRow> {};

TEST_P(LineSplit, GivesText)
{
    const LineRow& row = GetParam();
    const auto l = splitDiaLine(row.raw);
    ASSERT_EQ(l.has_value(), row.valid);
    if (l) {
        EXPECT_EQ(finishDiaText(l->text, l->flag, TrennZeichen), row.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSplit,
    ::testing::Values(LineRow{"ordinary", "*Hallo.", true, "Hallo"},
                      LineRow{"blankBeforeFlagStays", "*Hallo .", true, "Hallo "},
                      LineRow{"trailingBlanksRemovedFirst", "*Hallo.   ", true, "Hallo"},
                      LineRow{"emptyRow", "* ", false, ""}, // trailing blank removed: one character left
                      LineRow{"emptyRowWithFlag", "*.", true, ""},
                      LineRow{"emptyLine", "", false, ""},
                      LineRow{"blanksOnly", "    ", false, ""},
                      LineRow{"caretAtEndDropped", "*ab^.", true, "ab"},
                      LineRow{"caretBetween", "*a^b.", true, "a b"},
                      LineRow{"caretsKeepIndent", "*^^^x.", true, "   x"},
                      LineRow{"hyphenFlag", "*Bauele" + Hy, true, "Bauele-"},
                      LineRow{"textPageFlagIsNotHyphenHere", "*Bauele" + Folge, true, "Bauele"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(ChapterFile, RetReplacedOnlyOnce)
{
    EXPECT_EQ(replaceRet(QStringLiteral("*RET$ und RET$."), QStringLiteral("B")), QStringLiteral("*B und RET$."));
    EXPECT_EQ(replaceRet(QStringLiteral("*none."), QStringLiteral("B")), QStringLiteral("*none."));
}

struct KeyListRow {
    const char* name;
    QString text;
    QString keys;
};
void PrintTo(const KeyListRow& r, std::ostream* os) { *os << r.name; }
class KeyList : public ::testing::TestWithParam<KeyListRow> {};
TEST_P(KeyList, FromText) { EXPECT_EQ(keyListOf(GetParam().text), GetParam().keys); }
INSTANTIATE_TEST_SUITE_P(Cases, KeyList,
                         ::testing::Values(KeyListRow{"enterOnly", "Weiter mit <ENTER>", ",13,"},
                                           KeyListRow{"escape", "Abbruch mit <ESC>", ",13,27,"},
                                           KeyListRow{"all", "<F1> <ESC> <TAB>", ",13,9,27,59,"}),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- markers and the button row

TEST(ChapterFile, ActionMarkerKeepsTextBehind)
{
    const DiaMarker m = findActionMarker(QStringLiteral("ab") + Mk + QStringLiteral("A1x Norm"));
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.pos, 3);
    EXPECT_EQ(m.key, u'1');
    EXPECT_EQ(m.rest, QStringLiteral(" Norm"));
}

TEST(ChapterFile, ClosedMarkerNeedsItsEnd)
{
    EXPECT_FALSE(findClosedMarker(Mk + QStringLiteral("E0xx1 no end"), QChar(u'E')).found);
    const DiaMarker m = findClosedMarker(QStringLiteral("Typ ") + Mk + QStringLiteral("E0xxx1") + Cl + QStringLiteral(" mm"),
                                         QChar(u'E'));
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.pos, 5);
    EXPECT_EQ(m.key, u'0');
    EXPECT_EQ(m.end, 12);
    EXPECT_EQ(m.rest, QStringLiteral(" mm"));
}

TEST(ChapterFile, ButtonRowSegments)
{
    const QList<RowButton> b = parseButtonRow(QStringLiteral("Weiter mit <ENTER>") + Seg + QStringLiteral("Hilfe mit <F1>") +
                                              Seg + QStringLiteral("nur Text") + Seg +
                                              QStringLiteral(" Neu anlegen with <CREATE>") + Seg +
                                              QStringLiteral("Abbruch mit <ESC>"));
    ASSERT_EQ(b.size(), 3);
    EXPECT_EQ(b[0].caption, QStringLiteral("Weiter"));
    EXPECT_EQ(b[0].keyName, QStringLiteral("ENTER"));
    EXPECT_EQ(b[1].caption, QStringLiteral("Neu anlegen"));
    EXPECT_EQ(b[1].keyName, QStringLiteral("CREATE"));
    EXPECT_EQ(b[2].caption, QStringLiteral("Abbruch"));
}

TEST(ChapterFile, TextPageRecordIs120Characters)
{
    EXPECT_EQ(textPageRecord(QString()), QString(120, u' '));
    const QString longLine = u'*' + QString(129, u'x');
    EXPECT_EQ(textPageRecord(longLine), longLine.left(120));
    EXPECT_EQ(textPageRecord(QStringLiteral("*a^b^ ^.")).left(8), QStringLiteral("*a b   ."));
}

} // namespace
