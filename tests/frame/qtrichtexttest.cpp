#include "frame/markers.h"
#include "frame/qtrichtext.h"

#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

struct PiRow {
    const char* name;
    QString text;
    int selectionStart;
    int selectionLength;
    QString expected;
    int caret;
};
void PrintTo(const PiRow& r, std::ostream* os) { *os << r.name; }
class InsertPiInto : public ::testing::TestWithParam<PiRow> {};
TEST_P(InsertPiInto, ReplacesSelection)
{
    QTextEdit box;
    SetRtbText(&box, GetParam().text);
    QTextCursor c(box.document());
    c.setPosition(GetParam().selectionStart);
    c.setPosition(GetParam().selectionStart + GetParam().selectionLength, QTextCursor::KeepAnchor);
    box.setTextCursor(c);
    InsertPi(&box);
    EXPECT_EQ(box.toPlainText(), GetParam().expected);
    EXPECT_EQ(box.textCursor().position(), GetParam().caret);
    EXPECT_FALSE(box.textCursor().hasSelection());
}
INSTANTIATE_TEST_SUITE_P(
    Cases, InsertPiInto,
    ::testing::Values(PiRow{"caretBehindText", QStringLiteral("2"), 1, 0, QStringLiteral("2") + PiChar, 2},
                      PiRow{"selectionReplaced", QStringLiteral("abc"), 1, 1, QStringLiteral("a") + PiChar + "c", 2},
                      PiRow{"emptyBox", QString(), 0, 0, QString(PiChar), 1}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(InsertPiInto, LongTextIsCutToThousandCharacters)
{
    QTextEdit box;
    SetRtbText(&box, QString(1200, u'x'));
    QTextCursor c(box.document());
    c.setPosition(0);
    box.setTextCursor(c);
    InsertPi(&box);
    EXPECT_EQ(box.toPlainText(), PiChar + QString(1000, u'x'));
}

TEST(RtbText, UnicodeInAndOutWithLength)
{
    QTextEdit box;
    const QString text = QStringLiteral("R = 2") + PiChar + QStringLiteral(" f L");
    SetRtbText(&box, text);
    int n = 1000;
    EXPECT_EQ(GetRtbText(&box, n), text);
    EXPECT_EQ(n, 10);
    n = 3;
    EXPECT_EQ(GetRtbText(&box, n), QStringLiteral("R ="));
    EXPECT_EQ(n, 3);
}

} // namespace
