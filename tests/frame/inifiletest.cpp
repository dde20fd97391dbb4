#include "common/testutil.h"
#include "frame/inifile.h"
#include "frame/program.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using testutil::readFile;
using testutil::writeFile;

namespace {
class IniTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath("tarn.ini"); }
};

TEST_F(IniTest, ReadsCaseInsensitiveFirstMatchAndLeer)
{
    writeFile(file(), "; comment\r\n[Fewe]\r\nDe = de  \r\nde=xx\r\nEmpty=\r\n[fewe]\r\nLate=1\r\n");
    EXPECT_EQ(GetProfileStr("fewe", QString("DE"), 128, file()), "de");
    EXPECT_EQ(GetProfileStr("fewe", QString("Empty"), 128, file()), "");
    EXPECT_EQ(GetProfileStr("fewe", QString("Late"), 128, file()), "leer"); // only the first section counts
    EXPECT_EQ(GetProfileStr("none", QString("De"), 128, file()), "leer");
    EXPECT_EQ(GetProfileStr("fewe", QString("De"), 128, dir.filePath("missing.ini")), "leer");
}

TEST_F(IniTest, BufferCutsValue)
{
    writeFile(file(), "[fewe]\nLong=" + QByteArray(200, 'x') + "\n");
    EXPECT_EQ(GetProfileStr("fewe", QString("Long"), 128, file()).size(), 127);
}

TEST_F(IniTest, KeyNameListEndsWithNull)
{
    writeFile(file(), "[fewe]\nA=1\nB=2\n");
    const QString expected = QString("A") + QChar(0) + "B" + QChar(0);
    EXPECT_EQ(GetProfileStr("fewe", std::nullopt, 1024, file()), expected);
    EXPECT_EQ(GetProfileStr("none", std::nullopt, 1024, file()), QString("leer") + QChar(0));
}

TEST_F(IniTest, WriteKeepsEverythingElse)
{
    const QByteArray before = "; head comment\r\n[fewe]\r\nDe=dd\r\n; inner\r\nBin=c:\\bt\r\n\r\n[other]\r\nX=1\r\n";
    writeFile(file(), before);
    ASSERT_TRUE(WriteProfileStr("FEWE", QString("bin"), QString("d:\\x,y"), file()));
    EXPECT_EQ(readFile(file()),
              QByteArray("; head comment\r\n[fewe]\r\nDe=dd\r\n; inner\r\nBin=d:\\x,y\r\n\r\n[other]\r\nX=1\r\n"));
    // A new key goes to the end of its section, an empty value stays a key.
    ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), QString(""), file()));
    EXPECT_EQ(readFile(file()),
              QByteArray("; head comment\r\n[fewe]\r\nDe=dd\r\n; inner\r\nBin=d:\\x,y\r\nRes=\r\n\r\n[other]\r\nX=1\r\n"));
    EXPECT_EQ(GetProfileStr("fewe", QString("Res"), 128, file()), "");
    ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), std::nullopt, file()));
    EXPECT_EQ(GetProfileStr("fewe", QString("Res"), 128, file()), "leer");
    ASSERT_TRUE(WriteProfileStr("other", std::nullopt, std::nullopt, file()));
    EXPECT_FALSE(readFile(file()).contains("[other]"));
    ASSERT_TRUE(WriteProfileStr("new", QString("K"), QString("v"), file()));
    EXPECT_EQ(GetProfileStr("new", QString("K"), 128, file()), "v");
}

TEST_F(IniTest, FailedWriteReportsAndCreatesNothing)
{
    const QString inMissingDir = dir.filePath("no/such/dir/tarn.ini");
    EXPECT_FALSE(WriteProfileStr("fewe", QString("A"), QString("2"), inMissingDir));
    EXPECT_FALSE(QFile::exists(inMissingDir));
}

TEST_F(IniTest, Windows1252Values)
{
    writeFile(file(), "[usertitel]\nTitel=St\xfc" "ckliste \x80\n");
    EXPECT_EQ(GetProfileStr("usertitel", QString("Titel"), 80, file()), QString::fromUtf8("Stückliste €"));
}
// Start-up reads the file once: inside the scope the answers come from the copy
// read when the scope began, writes still land in the file (atomically, keeping
// the rest) and in the copy, and after the scope the file is read again.
TEST_F(IniTest, MemoryScopeReadsOnceAndWritesThrough)
{
    ProgramScope program;
    writeFile(file(), "; comment\r\n[fewe]\r\nDe=dd\r\nBin=bt\\int\r\n");
    {
        IniMemoryScope held(file());
        // Changed behind the program's back: the copy read at the start answers.
        writeFile(file(), "[fewe]\r\nDe=de\r\n");
        EXPECT_EQ(GetProfileStr("fewe", QString("De"), 128, file()), "dd");
        EXPECT_EQ(GetProfileStr("fewe", std::nullopt, 128, file()), QString("De") + QChar(0) + "Bin" + QChar(0));
        // Another file is read from disk as always.
        writeFile(dir.filePath("other.ini"), "[a]\r\nb=c\r\n");
        EXPECT_EQ(GetProfileStr("a", QString("b"), 128, dir.filePath("other.ini")), "c");

        // A write reads the file as it stands, saves it whole and refreshes the copy.
        ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), QString("x.txt"), file()));
        EXPECT_EQ(readFile(file()), QByteArray("[fewe]\r\nDe=de\r\nRes=x.txt\r\n"));
        EXPECT_EQ(GetProfileStr("fewe", QString("Res"), 128, file()), "x.txt");
        EXPECT_EQ(GetProfileStr("fewe", QString("De"), 128, file()), "de");
    }
    writeFile(file(), "[fewe]\r\nDe=en\r\n");
    EXPECT_EQ(GetProfileStr("fewe", QString("De"), 128, file()), "en");
}

} // namespace
