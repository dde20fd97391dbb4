#include "qldbtest.h"
#include "qlist/qldbselect.h"

namespace {

// The numbers of every row of a set, in its order.
QStringList numbers(const std::shared_ptr<QldbRows>& rows)
{
    QStringList out;
    if (!rows)
        return out;
    for (const QVariantList& r : rows->fetch(0, rows->recordCount()))
        out << r.value(0).toString();
    return out;
}

class SelectDb : public QlRootFixture {
protected:
    SelectDb()
    {
        addRow(QStringLiteral("00000"), QStringLiteral("BC547"), QStringLiteral("123456-12345-1234"), QStringLiteral(" 3"));
        addRow(QStringLiteral("00001"), QStringLiteral("BC337"), QStringLiteral("123456-12345-1234"), QStringLiteral(" 1"));
        addRow(QStringLiteral("00002"), {}, QStringLiteral("123456-12999-0001"), QStringLiteral("01"), QStringLiteral("U7"));
        addRow(QStringLiteral("00003"), {}, {}, {}, {}, QStringLiteral("1"));
        addRow(QStringLiteral("00004"), QStringLiteral("XBC1"));
        addRow(QStringLiteral("00005"), QStringLiteral("O'NEIL"));
        addRow(QStringLiteral("00006"), QStringLiteral("50%OFF"));
        addRow(QStringLiteral("00007"), QStringLiteral("50X"));
        addRow(QStringLiteral("00008"), QStringLiteral("BC_1"));
        addRow(QStringLiteral("00009"), QStringLiteral("BCX1"));
        slot = Open_Db(folder());
    }
    struct Result {
        QStringList rows;
        long count = -1;
        long first = -1;
        QString filter;
    };
    Result select(int view, const QString& filter, long known = 0)
    {
        Result r;
        r.filter = filter;
        std::shared_ptr<QldbRows> rows;
        Select_Db(slot, rows, r.filter, r.count, view, r.first, known);
        r.rows = numbers(rows);
        return r;
    }
    int slot = 0;
};

TEST_F(SelectDb, TypePrefixSortedByTypeWithoutDeletedOnes)
{
    const Result r = select(0, QStringLiteral("BC"));
    EXPECT_EQ(r.rows, QStringList({"00001", "00000", "00008", "00009"})); // BC337, BC547, BC_1, BCX1
    EXPECT_EQ(r.count, 4);
}

TEST_F(SelectDb, NoFilterLeavesOutQlistsWithoutTheColumn)
{
    const Result r = select(0, QString());
    EXPECT_FALSE(r.rows.contains("00002")); // no type
    EXPECT_FALSE(r.rows.contains("00003")); // deleted
    EXPECT_EQ(r.count, 8);
}

TEST_F(SelectDb, ItemNumberWithStandAsksThatStandOnly)
{
    Result r = select(1, QStringLiteral("123456-12345-1234-3"));
    EXPECT_EQ(r.rows, QStringList({"00000"})); // stand " 3": the one character gets its blank in front
    EXPECT_EQ(r.filter, QStringLiteral("123456-12345-1234"));
    r = select(1, QStringLiteral("123456-12"));
    EXPECT_EQ(r.rows, QStringList({"00001", "00000", "00002"})); // every stand, by item number and stand
}

TEST_F(SelectDb, NumbersFromThePaddedNumberWithoutDeletedOnes)
{
    for (int n = 10; n <= 45; ++n)
        addRow(QStringLiteral("%1").arg(n, 5, 10, QChar(u'0')), QStringLiteral("T%1").arg(n), {}, {}, {},
               n == 43 ? QStringLiteral("1") : QStringLiteral("0"));
    const Result r = select(3, QStringLiteral("42"));
    EXPECT_EQ(r.filter, QStringLiteral("00042"));
    EXPECT_EQ(r.rows, QStringList({"00042", "00044", "00045"}));
    EXPECT_EQ(select(3, QString()).count, 44); // 46 rows, 00003 and 00043 deleted
}

TEST_F(SelectDb, AllNumbersStartAtTheGivenNumberWithinTheKnownCount)
{
    Result r = select(4, QStringLiteral("17"), 40);
    EXPECT_EQ(r.count, 40);
    EXPECT_EQ(r.first, 17);
    EXPECT_TRUE(r.rows.contains("00003")); // deleted rows are listed
    r = select(4, QStringLiteral("50"), 40);
    EXPECT_EQ(r.first, -1);
}

TEST_F(SelectDb, NoRowsGiveCountZeroAndKeepThePreviousSet)
{
    auto previous = std::make_shared<QldbRows>(slot, QStringLiteral("select ln from qldb"), QVariantList());
    std::shared_ptr<QldbRows> rows = previous;
    QString filter = QStringLiteral("ZZZ");
    long count = -1, first = -1;
    qlDbState().DbAenderung = true;
    Select_Db(slot, rows, filter, count, 0, first, 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(rows, previous);
    EXPECT_FALSE(qlDbState().DbAenderung);
}

// The filter is a value, never statement text: a quote is a plain character and
// SQLite's own wildcards mean themselves.
TEST_F(SelectDb, FilterCharactersAreTextNotStatement)
{
    EXPECT_EQ(select(0, QStringLiteral("O'NEIL")).rows, QStringList({"00005"}));
    EXPECT_EQ(select(0, QStringLiteral("50%")).rows, QStringList({"00006"}));
    EXPECT_EQ(select(0, QStringLiteral("BC_")).rows, QStringList({"00008"}));
    // The wildcards of the tool tip work.
    EXPECT_EQ(select(0, QStringLiteral("B?5")).rows, QStringList({"00000"}));
    EXPECT_EQ(select(0, QStringLiteral("50#")).rows, QStringList());
    EXPECT_EQ(select(0, QStringLiteral("*BC")).rows, QStringList({"00001", "00000", "00008", "00009", "00004"}));
}

TEST_F(SelectDb, RowsAreReadPageByPageInQueryOrder)
{
    std::shared_ptr<QldbRows> rows;
    QString filter;
    long count = 0, first = -1;
    Select_Db(slot, rows, filter, count, 4, first, 10);
    ASSERT_TRUE(rows);
    const std::vector<QVariantList> page = rows->fetch(2, 3);
    ASSERT_EQ(page.size(), 3u);
    EXPECT_EQ(page[0].value(0).toString(), QStringLiteral("00002"));
    EXPECT_EQ(page[0].value(4).toString(), QStringLiteral("U7"));
    EXPECT_TRUE(page[1].value(1).isNull());
    EXPECT_EQ(page[1].value(9).toString(), QStringLiteral("1"));
    EXPECT_EQ(rows->fetch(9, 5).size(), 1u); // cut at the end of the set
}

} // namespace
