#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/program.h"
#include "report/listing.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kEmpty = QByteArray("*\xFE") + QByteArray(118, ' ');

QByteArray record(const QByteArray& content)
{
    return content + QByteArray(120 - content.size(), ' ');
}

class Listing : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(QStringLiteral("tp1"));
        sp.program().Cf = QStringLiteral("De=dd\\,Aws=aws,Tp1=tp1,Tp2=tp2");
        InitDruck();
    }
    QByteArray c() { return testutil::readFile(dir.filePath(QStringLiteral("tp1/c.tmp"))); }
    QByteArray t() { return testutil::readFile(dir.filePath(QStringLiteral("tp1/t.tmp"))); }
    void setLine(const QByteArray& bytes) { sp.program().WorkStr[Slot::Record] = fromBytes(bytes); }

    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
};

TEST_F(Listing, EmptyRecordByteForByte)
{
    EXPECT_EQ(toBytes(emptyListRecord()), kEmpty);
}

TEST_F(Listing, LineAndEmptyLineToBothFiles)
{
    setLine("IErgebnis \xC3\xFE"); // continuation mark and end mark keep their bytes
    int16_t nC = 2, nT = 2;
    ErgLf(nC, nT);
    const QByteArray expected = record("IErgebnis \xC3\xFE") + kEmpty;
    EXPECT_EQ(c(), expected);
    EXPECT_EQ(t(), expected);
    EXPECT_EQ(sp.program().ErgZeilenC, 2);
    EXPECT_EQ(sp.program().ErgZeilenT, 2);
    EXPECT_EQ(nC, 0); // positive counts are consumed
    EXPECT_EQ(nT, 0);
    EXPECT_EQ(toBytes(sp.program().WorkStr[Slot::Record]), kEmpty);
}

TEST_F(Listing, ScreenOnlyWithTwoEmptyLines)
{
    setLine("*Zeile\xFE");
    ErgLf(3, 0);
    EXPECT_EQ(c(), record("*Zeile\xFE") + kEmpty + kEmpty);
    EXPECT_EQ(t(), QByteArray());
    EXPECT_EQ(sp.program().ErgZeilenC, 3);
}

TEST_F(Listing, ZeroCountsOnlyEmptyTheBuffer)
{
    setLine("*Zeile\xFE");
    ErgLf(0, 0);
    EXPECT_EQ(c(), QByteArray());
    EXPECT_EQ(toBytes(sp.program().WorkStr[Slot::Record]), kEmpty);
}

TEST_F(Listing, RewindOverwritesWithoutTruncating)
{
    for (const char* line : {"*eins\xFE", "*zwei\xFE", "*drei\xFE"}) {
        setLine(line);
        ErgLf(1, 1);
    }
    int16_t nC = -1, nT = -1;
    ErgLf(nC, nT);
    EXPECT_EQ(nC, -1); // negative counts stay
    EXPECT_EQ(sp.program().ErgZeilenC, 0);
    setLine("*neu\xFE");
    ErgLf(1, 1);
    EXPECT_EQ(sp.program().ErgZeilenC, 1);
    EXPECT_EQ(c(), record("*neu\xFE") + record("*zwei\xFE") + record("*drei\xFE"));
    EXPECT_EQ(toBytes(readListingRecord(7, 1)), record("*neu\xFE"));
}

TEST_F(Listing, LongLineIsCutAt120)
{
    setLine("*" + QByteArray(130, 'x'));
    ErgLf(1, 0);
    EXPECT_EQ(c(), "*" + QByteArray(119, 'x'));
}

TEST_F(Listing, CounterOverflowIsAnError)
{
    sp.program().ErgZeilenC = 32767;
    EXPECT_THROW(ErgLf(1, 0), OverflowError);
}

TEST_F(Listing, InitDruckRecreatesAndTakesTheLanguage)
{
    setLine("*alt\xFE");
    ErgLf(1, 1);
    sp.program().Cf = QStringLiteral("De=DE\\,Aws=aws,Tp1=tp1,Tp2=tp2");
    sp.program().ErgZeilenC = 5;
    InitDruck();
    EXPECT_EQ(sp.program().LangDir, QStringLiteral("de\\"));
    EXPECT_EQ(sp.program().LangNr, 2);
    EXPECT_EQ(sp.program().WorkStr[Slot::AwsDir], QStringLiteral("aws"));
    EXPECT_EQ(sp.program().WorkStr[Slot::Tp2], QStringLiteral("tp2"));
    EXPECT_EQ(c(), QByteArray());
    EXPECT_EQ(t(), QByteArray());
    EXPECT_EQ(sp.program().ErgZeilenC, 5); // the next listing starts with a rewind
}

TEST_F(Listing, MissingScratchDirectoryIsAnError)
{
    sp.program().Cf = QStringLiteral("De=dd\\,Tp1=nosuch");
    EXPECT_THROW(InitDruck(), TarnError);
}

TEST(ListingNotOpen, WriteIsAnError)
{
    testutil::ScriptedProgram sp;
    EXPECT_THROW(ErgLf(1, 0), TarnError);
    EXPECT_EQ(listingRecordCount(7), 0);
}

} // namespace
