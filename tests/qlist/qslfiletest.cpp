#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "qlist/qslfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray End(1, char(254));
const QByteArray Cont(1, char(195));

class QslFileTest : public ::testing::Test {
protected:
    testutil::ScriptedProgram program;
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList readAll(const QByteArray& bytes)
    {
        const QString p = path("q");
        testutil::writeFile(p, bytes);
        return readQslFile(p);
    }
};

TEST_F(QslFileTest, ReadsMarkedLine)
{
    EXPECT_EQ(readAll("*Stck=1,Typ=R1" + End + "\r\n"), QStringList{QStringLiteral("Stck=1,Typ=R1")});
}

TEST_F(QslFileTest, JoinsContinuedLineWithoutMarks)
{
    const QStringList lines = readAll("*Stck=1,Typ=R1,S," + Cont + "\r\n*Rw=1" + End + "\r\n*Stck=2" + End + "\r\n");
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Stck=1,Typ=R1,S,Rw=1"), QStringLiteral("Stck=2")}));
}

TEST_F(QslFileTest, ContinuationOverThreeLines)
{
    const QStringList lines = readAll("*a" + Cont + "\r\n*b" + Cont + "\r\n*c" + End + "\r\n");
    EXPECT_EQ(lines, QStringList{QStringLiteral("abc")});
}

TEST_F(QslFileTest, LineWithoutStarKeepsFirstCharacter)
{
    EXPECT_EQ(readAll("Stck=1,Typ=R1" + End + "\r\n"), QStringList{QStringLiteral("Stck=1,Typ=R1")});
}

TEST_F(QslFileTest, LineWithoutAnyMarkReadsAsIs)
{
    EXPECT_EQ(readAll("Stck=1,Typ=R1\nStck=2\n"), (QStringList{QStringLiteral("Stck=1,Typ=R1"), QStringLiteral("Stck=2")}));
}

TEST_F(QslFileTest, ContinuationAtEndOfFileStaysInText)
{
    EXPECT_EQ(readAll("*abc" + Cont + "\r\n"), QStringList{QStringLiteral("abc") + QChar(195)});
}

TEST_F(QslFileTest, DeletedFormReadsAsFree)
{
    EXPECT_EQ(readAll("*Typ=FREI" + End + "\r\n"), QStringList{QStringLiteral("Typ=FREI")});
}

TEST_F(QslFileTest, AnsiTextRoundTrip)
{
    const QStringList lines{QStringLiteral("Typ=X,Tec=SMD"), QStringLiteral("Be=Stückliste für Netzteil"),
                            QStringLiteral("Stck=2,Typ=R1,Sl=C3 ! spare")};
    const QString p = path("rt");
    writeQslFile(p, lines);
    const QByteArray bytes = testutil::readFile(p);
    EXPECT_TRUE(bytes.startsWith("*Typ=X,Tec=SMD" + End + "\r\n*Be=St\xFC" "ckliste"));
    EXPECT_EQ(readQslFile(p), lines);
}

TEST_F(QslFileTest, WriteSkipsLinesWithoutQuantityAndCutsComment)
{
    const QString p = path("qpo");
    QslLineWriter out(p);
    QString head = QStringLiteral("Typ=BOARD,Code=17");
    EXPECT_FALSE(QslZeileSchreiben(out, head, QString(), QString()));
    QString pos = QStringLiteral("Stck=2,Typ=R1,Sl=C3 ! spare");
    EXPECT_FALSE(QslZeileSchreiben(out, pos, QString(), QString()));
    QString sub = QStringLiteral("Stck=1,Typ=PSU,Qm=Qsl!x");
    EXPECT_TRUE(QslZeileSchreiben(out, sub, QStringLiteral("1"), QStringLiteral("K")));
    QString inherit = QStringLiteral("Stck=1,Typ=C,B,b,S,Zf=2%");
    EXPECT_FALSE(QslZeileSchreiben(out, inherit, QStringLiteral("1"), QString()));
    out.close();
    EXPECT_EQ(testutil::readFile(p), QByteArray("Stck=2,Typ=R1,Sl=C3 \r\n"
                                                "Stck=1,Typ=PSU,Qm=Qsl\r\n"
                                                "Stck=1,Typ=C,S,Zf=2%,Rw=1,B,b\r\n"));
}

struct LnRow {
    const char* name;
    QString in, out;
};
void PrintTo(const LnRow& r, std::ostream* os) { *os << r.name; }
class LnKurzTable : public ::testing::TestWithParam<LnRow> {};
TEST_P(LnKurzTable, DropsLeadingZeros) { EXPECT_EQ(LnKurz(GetParam().in), GetParam().out); }
INSTANTIATE_TEST_SUITE_P(Cases, LnKurzTable,
                         ::testing::Values(LnRow{"zero", "00000", "0"}, LnRow{"hundredTwenty", "00120", "120"},
                                           LnRow{"empty", "", ""}, LnRow{"full", "12345", "12345"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LnFormatTest, PadsToFiveDigits)
{
    EXPECT_EQ(LnFormat(0), QStringLiteral("00000"));
    EXPECT_EQ(LnFormat(42), QStringLiteral("00042"));
    EXPECT_EQ(LnFormat(99998), QStringLiteral("99998"));
}

TEST_F(QslFileTest, PathOfNumber)
{
    prog().WorkStr[Slot::VqlDir] = QStringLiteral("C:\\ql\\");
    EXPECT_EQ(QslPfad(QStringLiteral("A"), QStringLiteral("01234")), QStringLiteral("C:\\ql\\A0\\12\\34"));
}

} // namespace
