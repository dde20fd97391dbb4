#include "common/testutil.h"
#include "frame/frminfolist.h"
#include "frame/interaction.h"

#include <QTableWidget>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

// The window and the headless list keep the same rows for the same calls, so
// every ring rule is checked on both.
struct Headless {
    HeadlessInfoList list;
    const InfoListRing& ring() const { return list.ring; }
};
struct Window {
    frmInfoList list;
    const InfoListRing& ring() const { return list.ring(); }
};

template <class T>
class InfoListRingTest : public ::testing::Test {
protected:
    void SetUp() override { t.list.Begin(QStringLiteral("run")); }
    void TearDown() override { t.list.Finish(); }
    InfoList& list() { return t.list; }
    const InfoListRing& ring() const { return t.ring(); }
    QString row(int r) const { return ring().rows().value(r); }
    void addLines(const QString& prefix, int n)
    {
        for (int i = 0; i < n; ++i)
            list().Add(prefix + QString::number(i));
    }

    ScriptedProgram sp;
    T t;
};

using Lists = ::testing::Types<Headless, Window>;
class ListNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, Headless> ? "headless" : "window";
    }
};
TYPED_TEST_SUITE(InfoListRingTest, Lists, ListNames);

TYPED_TEST(InfoListRingTest, UpdateWithoutALineWritesNothing)
{
    this->list().Update(QStringLiteral("x"));
    EXPECT_EQ(this->ring().curRow(), -1);
    EXPECT_EQ(this->row(0), "");
    this->list().Update(QStringLiteral("y"), true);
    EXPECT_EQ(this->ring().curRow(), 0);
    EXPECT_EQ(this->row(0), "");
    EXPECT_TRUE(this->ring().shaded(0));
}

TYPED_TEST(InfoListRingTest, OnlyTheNewestLineIsShadedAndAnEmptyRowFollowsIt)
{
    this->addLines("L", 2);
    this->list().Update(QStringLiteral("L1 done"));
    EXPECT_EQ(this->ring().lastRow(), this->ring().fitRow());
    EXPECT_EQ(this->row(0), "L0");
    EXPECT_EQ(this->row(1), "L1 done");
    EXPECT_FALSE(this->ring().shaded(0));
    EXPECT_TRUE(this->ring().shaded(1));
}

TYPED_TEST(InfoListRingTest, WrapsToTheFirstRowWithoutFixedLines)
{
    const int fit = this->ring().fitRow();
    ASSERT_GE(fit, 3);
    this->addLines("L", fit + 1); // fills rows 0 .. fit
    EXPECT_EQ(this->row(fit), QStringLiteral("L%1").arg(fit));
    this->list().Add(QStringLiteral("next"));
    EXPECT_EQ(this->ring().curRow(), 0);
    EXPECT_EQ(this->row(0), "next");
    EXPECT_EQ(this->row(1), ""); // the row after the newest is emptied
    EXPECT_EQ(this->row(2), "L2");
    EXPECT_FALSE(this->ring().shaded(fit));
}

TYPED_TEST(InfoListRingTest, FixedLinesStayWhileTheRingRunsBelowThem)
{
    const int fit = this->ring().fitRow();
    this->list().Add(QStringLiteral("head 0"));
    this->list().Add(QStringLiteral("head 1"));
    this->list().FixLines();
    EXPECT_EQ(this->ring().fixRow(), 1);
    this->addLines("L", fit - 1); // rows 2 .. fit
    this->list().Add(QStringLiteral("wrapped"));
    EXPECT_EQ(this->ring().curRow(), 2);
    EXPECT_EQ(this->row(0), "head 0");
    EXPECT_EQ(this->row(1), "head 1");
    EXPECT_EQ(this->row(2), "wrapped");
    EXPECT_EQ(this->row(3), "");
}

TYPED_TEST(InfoListRingTest, ClearKeepsFixedLinesUnlessAskedToReleaseThem)
{
    this->list().Add(QStringLiteral("head"));
    this->list().FixLines();
    this->addLines("L", 3);
    this->list().Clear();
    EXPECT_EQ(this->row(0), "head");
    EXPECT_EQ(this->row(1), "");
    EXPECT_EQ(this->ring().curRow(), 0);
    this->list().Add(QStringLiteral("again"));
    EXPECT_EQ(this->row(1), "again");

    this->list().Clear(true);
    EXPECT_EQ(this->row(0), "");
    EXPECT_EQ(this->ring().fixRow(), -1);
    EXPECT_EQ(this->ring().curRow(), -1);
}

TYPED_TEST(InfoListRingTest, FixLinesWithACountFixesTheFirstRows)
{
    this->addLines("L", 4);
    this->list().FixLines(1);
    this->list().Add(QStringLiteral("x"));
    EXPECT_EQ(this->row(0), "L0");
    EXPECT_EQ(this->row(1), "x");
}

// Mended: fixing as many lines as the grid holds left the ring without a row
// and the next line was written outside the grid.
TYPED_TEST(InfoListRingTest, FixingTheWholeGridStillLeavesOneRingRow)
{
    const int fit = this->ring().fitRow();
    this->addLines("L", fit + 1);
    this->list().FixLines(fit + 5);
    this->list().Add(QStringLiteral("a"));
    this->list().Add(QStringLiteral("b"));
    EXPECT_EQ(this->ring().curRow(), fit);
    EXPECT_EQ(this->row(fit), "b");
    EXPECT_EQ(this->row(fit - 1), QStringLiteral("L%1").arg(fit - 1));
}

TYPED_TEST(InfoListRingTest, CancelButtonWaitsForNothingAndSettlesTheList)
{
    // Past the end of the ring: the newest line stands in row 2, older ones below it.
    const int fit = this->ring().fitRow();
    ASSERT_GE(fit, 5);
    this->addLines("L", fit + 4);
    EXPECT_EQ(this->row(5), "L5");
    EXPECT_FALSE(this->list().Wait(2).isValid());
    EXPECT_FALSE(this->ring().shaded(2));
    EXPECT_EQ(this->row(2), QStringLiteral("L%1").arg(fit + 3));
    EXPECT_EQ(this->row(5), "");
    EXPECT_FALSE(this->list().Canceled());
}

struct WaitRow {
    const char* name;
    QVariant aufwas;
    QVariant result;
};
void PrintTo(const WaitRow& r, std::ostream* os) { *os << r.name; }
class HeadlessWait : public ::testing::TestWithParam<WaitRow> {};

TEST_P(HeadlessWait, AnswersByTheKindOfArgument)
{
    ScriptedProgram sp;
    HeadlessInfoList list;
    list.Begin(QStringLiteral("run"));
    list.Add(QStringLiteral("line"));
    EXPECT_EQ(list.Wait(GetParam().aufwas), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HeadlessWait,
    ::testing::Values(WaitRow{"textWaitsAsIfPressed", QStringLiteral("Weiter"), QStringLiteral("1")},
                      WaitRow{"zeroIsOk", 0, QStringLiteral("1")}, WaitRow{"cancelDoesNotWait", 2, QVariant()},
                      WaitRow{"minusOneHides", -1, QVariant()}, WaitRow{"otherIntegerGivesZero", 7, 0},
                      WaitRow{"floatGivesZero", 1.5, 0}, WaitRow{"truthValueGivesZero", true, 0}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(HeadlessInfoListTest, WaitEndedKeepsCanceledUntilTheNextBegin)
{
    ScriptedProgram sp;
    HeadlessInfoList list;
    list.Begin();
    list.Add(QString());
    list.Wait(QStringLiteral("Weiter"));
    EXPECT_TRUE(list.Canceled());
    list.Begin(QStringLiteral("next"));
    EXPECT_FALSE(list.Canceled());
}

TEST(HeadlessInfoListTest, ScriptedCancelAfterLines)
{
    ScriptedProgram sp;
    HeadlessInfoList list;
    list.cancelAfterAdds = 2;
    list.Begin();
    list.Add(QStringLiteral("a"));
    EXPECT_FALSE(list.Canceled());
    list.Add(QStringLiteral("b"));
    EXPECT_TRUE(list.Canceled());
    EXPECT_EQ(list.lines, (QStringList{"a", "b"}));
}

// A batch job writes a line per position into its list; nobody reads them back,
// so they must not pile up in memory, while the rows shown and the scripted
// cancel work as in a window's list.
TEST(HeadlessInfoListTest, BatchListKeepsNoRecordOfItsLines)
{
    ScriptedProgram sp;
    BatchInteraction batch;
    auto* list = dynamic_cast<HeadlessInfoList*>(&batch.infoList());
    ASSERT_NE(list, nullptr);
    list->cancelAfterAdds = 3;
    list->Begin(QStringLiteral("run"));
    list->Add(QStringLiteral("a"));
    list->Add(QStringLiteral("b"));
    list->Update(QStringLiteral("b2"));
    EXPECT_TRUE(list->lines.isEmpty());
    EXPECT_TRUE(list->ring.rows().contains(QStringLiteral("b2")));
    EXPECT_FALSE(list->Canceled());
    list->Add(QStringLiteral("c"));
    EXPECT_TRUE(list->Canceled());
}

} // namespace
