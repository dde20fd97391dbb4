#include "frame/errors.h"
#include "printing/pagestream.h"

#include <gtest/gtest.h>

namespace {

struct LongRow {
    const char* name;
    int32_t value;
    QByteArray bytes;
};
void PrintTo(const LongRow& r, std::ostream* os) { *os << r.name; }
class Long4 : public ::testing::TestWithParam<LongRow> {};

TEST_P(Long4, EncodesLowestByteFirstAndDecodesBack)
{
    const LongRow& row = GetParam();
    EXPECT_EQ(PrLong4(row.value), row.bytes);
    int pos = 1;
    EXPECT_EQ(PrGetLong(row.bytes, pos), row.value);
    EXPECT_EQ(pos, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Long4,
    ::testing::Values(LongRow{"zero", 0, QByteArray(4, '\0')},
                      LongRow{"twoHundredFiftyEight", 258, QByteArray("\x02\x01\x00\x00", 4)},
                      LongRow{"twipsOfA4Height", 16838, QByteArray("\xC6\x41\x00\x00", 4)},
                      LongRow{"largest", 2147483647, QByteArray("\xFF\xFF\xFF\x7F", 4)}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Str4, LengthThenBytes)
{
    const QString text(300, u'a');
    const QByteArray s = PrStr4(text);
    EXPECT_EQ(s.left(4), QByteArray("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(s.mid(4), QByteArray(300, 'a'));
    int pos = 1;
    EXPECT_EQ(PrGetStr(s, pos), text);
    EXPECT_EQ(pos, 305);
}

TEST(Str4, MarkerCharactersKeepTheirBytes)
{
    const QString text = QStringLiteral("a") + QChar(227) + QChar(254) + QChar(0x20AC);
    EXPECT_EQ(PrStr4(text), QByteArray("\x04\x00\x00\x00" "a\xE3\xFE\x80", 8));
}

TEST(Str4, DecodingPastTheEndOrAHighFourthByteFails)
{
    int pos = 1;
    EXPECT_THROW(PrGetLong(QByteArray("\x01\x02\x03", 3), pos), InvalidArgumentError);
    pos = 1;
    EXPECT_THROW(PrGetLong(QByteArray("\x00\x00\x00\x80", 4), pos), OverflowError);
    pos = 1;
    EXPECT_THROW(PrGetStr(QByteArray("\x05\x00\x00\x00" "abc", 7), pos), InvalidArgumentError);
}

TEST(Long4, NegativeValuesHaveNoEncoding)
{
    EXPECT_THROW(PrLong4(-1), InvalidArgumentError);
}

} // namespace
