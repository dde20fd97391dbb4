#include "frame/database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A read-only database may keep the answers to the statements it was asked
// while its look-up cache is on. A second connection that writes the file shows
// what is answered from memory and what from the file.
namespace {

class LookupCacheDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writer = Database::create(dir.filePath("t.sqlite"));
        writer->executeScript("CREATE TABLE T (K TEXT, V INTEGER);\n"
                              "INSERT INTO T VALUES ('1', 10);\n"
                              "INSERT INTO T VALUES ('a', 20);\n");
        reader = Database::open(dir.filePath("t.sqlite"), true);
    }
    // V of the row with key k, as the reader answers; -1 when there is none.
    int value(Database& d, const QVariant& k)
    {
        const Snapshot s = d.snapshot("SELECT V FROM T WHERE K = ?", {k});
        return s.recordCount() == 0 ? -1 : s.value(0).toInt();
    }
    QTemporaryDir dir;
    std::unique_ptr<Database> writer;
    std::unique_ptr<Database> reader;
};

TEST_F(LookupCacheDb, AnswersRepeatedQuestionsFromMemoryUntilSwitchedOff)
{
    reader->setLookupCache(true);
    EXPECT_EQ(value(*reader, "1"), 10);
    EXPECT_EQ(value(*reader, "a"), 20);
    EXPECT_EQ(reader->statementsRun(), 2);
    writer->execute("UPDATE T SET V = 11 WHERE K = '1'");
    // Asked before: the kept answer, without a statement.
    EXPECT_EQ(value(*reader, "1"), 10);
    EXPECT_EQ(reader->statementsRun(), 2);
    // Switching off forgets every answer.
    reader->setLookupCache(false);
    EXPECT_EQ(value(*reader, "1"), 11);
    reader->setLookupCache(true);
    EXPECT_EQ(value(*reader, "1"), 11);
}

TEST_F(LookupCacheDb, ParametersOfOtherTypesOrOtherStatementsAreOtherQuestions)
{
    reader->setLookupCache(true);
    EXPECT_EQ(value(*reader, "1"), 10);
    writer->execute("UPDATE T SET V = 12 WHERE K = '1'");
    // The number 1 and the text "1" are different questions, and so is a
    // statement that differs only in its text.
    EXPECT_EQ(value(*reader, 1), 12);
    const Snapshot other = reader->snapshot("SELECT V FROM T WHERE K = ? ", {"1"});
    EXPECT_EQ(other.value(0).toInt(), 12);
    EXPECT_EQ(value(*reader, QVariant()), -1);
    EXPECT_EQ(reader->statementsRun(), 4);
}

TEST_F(LookupCacheDb, StatementThatMayWriteForgetsTheAnswers)
{
    reader->setLookupCache(true);
    EXPECT_EQ(value(*reader, "1"), 10);
    writer->execute("UPDATE T SET V = 13 WHERE K = '1'");
    reader->execute("PRAGMA cache_size = 100");
    EXPECT_EQ(value(*reader, "1"), 13);
}

TEST_F(LookupCacheDb, DatabaseOpenForWritingAnswersFromTheFile)
{
    writer->setLookupCache(true);
    EXPECT_EQ(value(*writer, "1"), 10);
    writer->execute("UPDATE T SET V = 14 WHERE K = '1'");
    EXPECT_EQ(value(*writer, "1"), 14);
    std::unique_ptr<Database> second = Database::open(dir.filePath("t.sqlite"), false);
    second->setLookupCache(true);
    EXPECT_EQ(value(*second, "1"), 14);
    writer->execute("UPDATE T SET V = 15 WHERE K = '1'");
    EXPECT_EQ(value(*second, "1"), 15);
}

// A kept answer is a copy: moving through one does not move the next.
TEST_F(LookupCacheDb, KeptAnswerStartsAtItsFirstRow)
{
    reader->setLookupCache(true);
    Snapshot first = reader->snapshot("SELECT K FROM T ORDER BY K");
    first.moveLast();
    EXPECT_EQ(first.text(0), "a");
    const Snapshot again = reader->snapshot("SELECT K FROM T ORDER BY K");
    EXPECT_EQ(again.position(), 0);
    EXPECT_EQ(again.text(0), "1");
}

} // namespace
