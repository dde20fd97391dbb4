#include "compfilefixture.h"
#include "frame/workslots.h"
#include "component_file/btinh.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/mixbt.h"
#include "frame/restext.h"

#include <QProcess>

namespace {

using testutil::readFile;

QString msg(const char* id, const QStringList& args = {})
{
    return ResText(QLatin1String(id), 1, true, args);
}

class MergeTest : public CompFileTest {
protected:
    void SetUp() override
    {
        CompFileTest::SetUp();
        sp.program().IniFile = tmp.filePath(QStringLiteral("tarn.ini"));
        sp.program().WorkStr[Slot::ProgramDir] = tmp.path();
    }
    QStringList logLines()
    {
        QString text = QString::fromLatin1(readFile(tmp.filePath(QStringLiteral("tp2/MixBT.log"))));
        if (!text.endsWith(QStringLiteral("\r\n")))
            return {QStringLiteral("<no final line end>")};
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }
    QString addDirect(const QString& record)
    {
        QString a;
        int i = 0, s = 0, c = 0;
        QStringList r;
        return AddBt(a, i, s, record, r, c, true);
    }
    QString entryOf(const QString& designation, char kind)
    {
        int n = 0;
        QString entry;
        EXPECT_TRUE(SuchInh(designation.leftJustified(18) + QChar(kind), 2, n, entry, 1, 59));
        return n > 0 ? entry : QString();
    }
    QString file(const QString& name, const QByteArray& text)
    {
        testutil::writeFile(tmp.filePath(name), text);
        return tmp.filePath(name);
    }
};

TEST_F(MergeTest, NineRecordsWithTwoDuplicatesMergeSevenAndLogEachStep)
{
    ASSERT_EQ(addDirect(QStringLiteral("Typ=OLD,Q,Bac=4111")), QStringLiteral("ok"));
    const QStringList r = {
        "Typ=M1,Q,Bac=4111", "Typ=M2,An=U2,Q,Bac=4111", "Typ=M3,Typ=OLD,Q,Bac=4111", "Typ=M4,Q,Bac=1211",
        "Typ=M5,Q,Bac=1211", "Yk=A1-B2-C3,Q,Bac=1111", "An=U2,Q,Bac=4111", "Typ=M8,Q,Bac=4112", "Typ=M9,Q,Bac=4113"};
    const QString f = file("nine.txt", (r.join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
    MixBt(QStringLiteral("be.mixbl"), f, QString());

    const QString oldEntry = QStringLiteral("OLD").leftJustified(18) + QStringLiteral("T41000");
    const QString u2Entry = QStringLiteral("U2").leftJustified(18) + QStringLiteral("A41000");
    const QStringList expected = {msg("512", {r[0]}), msg("512", {r[1]}), msg("187") + oldEntry,
                                  msg("512", {r[3]}), msg("512", {r[4]}), msg("512", {r[5]}),
                                  msg("187") + u2Entry, msg("512", {r[7]}), msg("512", {r[8]}),
                                  msg("26", {" 7", " 9"})};
    EXPECT_EQ(logLines(), expected);
    EXPECT_EQ(logLines().last(), QStringLiteral(" 7  Bauelemente von insgesamt   9  wurden eingemischt"));
    EXPECT_FALSE(entryOf("M1", 'T').isEmpty());
    EXPECT_TRUE(entryOf("M3", 'T').isEmpty()) << "a refused record leaves all its keys out";
    EXPECT_EQ(entryOf("M4", 'T').right(5), QStringLiteral("12000"));
    EXPECT_EQ(readFile(path("b4/10/00")),
              QByteArray("Typ=OLD,Q,Bac=4111\r\nTyp=M1,Q,Bac=4111\r\nTyp=M2,An=U2,Q,Bac=4111\r\n"
                         "Typ=M8,Q,Bac=4112\r\nTyp=M9,Q,Bac=4113\r\n\r\n"));
    // A file given by the caller (the batch) closes the list without waiting.
    EXPECT_FALSE(sp.ui().headlessList().visible);
    EXPECT_EQ(sp.ui().headlessList().title, msg("186"));
}

TEST_F(MergeTest, FaultyLinesAreLoggedAndNotCounted)
{
    const QString long19 = QStringLiteral("ABCDEFGHIJKLMNOPQRS");
    const QString f = file("faulty.txt", QByteArray("Typ=A,Bac=4111\r\n\r\nSl=1,Q,Bac=4111\r\nTyp=") +
                                             long19.toLatin1() + ",Q,Bac=4111\r\nTyp=B,Q,Tec=1\r\nTyp=C,Q,Bac=4111\r\n");
    EXPECT_FALSE(MixBt(QStringLiteral("be.mixbl"), f, QString()));
    EXPECT_EQ(logLines(),
              (QStringList{msg("23", {"Typ=A,Bac=4111"}), msg("23", {""}),
                           QStringLiteral("Nicht übernommen (Keine Bezeichnung (Typ=, Yk= oder An=)) in Zeile 3: "
                                          "Sl=1,Q,Bac=4111"),
                           msg("504", {",Typ=" + long19}),
                           QStringLiteral("Nicht übernommen (Bauelemente-Gruppe  (Bac=) ist nicht konfiguriert) in "
                                          "Zeile 5: Typ=B,Q,Tec=1"),
                           msg("512", {"Typ=C,Q,Bac=4111"}), msg("26", {" 1", " 4"})}));
}

TEST_F(MergeTest, MissingAndEmptyFilesAreReported)
{
    MixBt(QStringLiteral("be.mixbl"), tmp.filePath(QStringLiteral("none.txt")), QString());
    EXPECT_EQ(logLines(), (QStringList{msg("27", {tmp.filePath(QStringLiteral("none.txt"))})}));
    const QString empty = file("empty.txt", "");
    MixBt(QStringLiteral("be.mixbl"), empty, QString());
    EXPECT_EQ(logLines(), (QStringList{msg("24", {empty})})) << "the log is new at every call";
}

TEST_F(MergeTest, MenuMergeAsksForTheFileAndWaitsAtTheEnd)
{
    const QString f = file("one.txt", "Typ=X1,Q,Bac=4111\r\n");
    sp.ui().expect(QuestionKind::OpenFile, QStringLiteral("be.mixbl"), Answer::word(f));
    MixBt(QStringLiteral("be.mixbl"));
    EXPECT_EQ(logLines(), (QStringList{msg("512", {"Typ=X1,Q,Bac=4111"}), msg("26", {" 1", " 1"})}));
    const QStringList lines = sp.ui().headlessList().lines;
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), msg("463", {QFileInfo(tmp.filePath(QStringLiteral("tp2/MixBT.log"))).absoluteFilePath()}));

    sp.ui().expect(QuestionKind::OpenFile, QStringLiteral("be.mixbl"), Answer::cancel());
    const int beeps = sp.ui().beeps;
    MixBt(QStringLiteral("be.mixbl"));
    EXPECT_EQ(sp.ui().beeps, beeps + 1);
}

TEST_F(MergeTest, BatchWithoutQuestionsStillWritesTheLog)
{
    sp.program().Interaktiv = false;
    sp.ui().headlessList().lines.clear();
    const QString f = file("one.txt", "Typ=X1,Q,Bac=4111\r\nTyp=X1,Q,Bac=4111\r\n");
    MixBt(QStringLiteral("be.mixbl"), f, QString());
    EXPECT_EQ(logLines().size(), 3);
    EXPECT_TRUE(sp.ui().headlessList().lines.isEmpty());
}

TEST_F(MergeTest, ImportProfileTurnsColumnsIntoRecords)
{
    testutil::writeFile(sp.program().IniFile,
                        "[Sonder-Formate]\r\nListe1=Kopfz=2,Leerz=#,StartCol=3,Trenn=;,Typ,Yk,Bac,Tec,Extra1\r\n");
    const QString f = file("list.txt", "head one\r\nhead two\r\n# comment\r\n\r\n  xxT1;;4111;22;Pin=8\r\n"
                                       "xxT2;A1-B1-C1;4111;;Gec=5,Pin=14\r\n");
    MixBt(QStringLiteral("be.mixbl"), f, QStringLiteral(" Liste1 "));
    EXPECT_EQ(logLines(), (QStringList{msg("512", {"Typ=T1,Q,Bac=4111,Tec=22,Pin=8"}),
                                       msg("512", {"Typ=T2,Yk=A1-B1-C1,Q,Bac=4111,Gec=5,Pin=14"}),
                                       msg("26", {" 2", " 2"})}));
}

TEST_F(MergeTest, ProfileWithoutSkipMarkerSkipsNothingAndCommaValuesAreRefused)
{
    testutil::writeFile(sp.program().IniFile, "[Sonder-Formate]\r\nP=Kopfz=0,StartCol=1,Trenn=;,Typ,Bac,Ub\r\n");
    const QString f = file("list.txt", "T1;4111;5\r\nT2;4111;5=6\r\n");
    MixBt(QStringLiteral("be.mixbl"), f, QStringLiteral("P"));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], msg("512", {"Typ=T1,Q,Bac=4111,Ub=5"}));
    EXPECT_EQ(lines[1], QStringLiteral("Wert mit  ,  oder  =  nicht zulässig (Ub=5=6) in Zeile: T2;4111;5=6"));
    EXPECT_EQ(lines[2], msg("26", {" 1", " 1"}));
}

TEST_F(MergeTest, UnknownProfileIsReportedClearly)
{
    const QString f = file("list.txt", "T1;4111\r\n");
    MixBt(QStringLiteral("be.mixbl"), f, QStringLiteral("Nope"));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Nope")));
}

struct ConvRow {
    const char* name;
    QStringList columns;
    QString line;
    QString record;
};
void PrintTo(const ConvRow& r, std::ostream* os) { *os << r.name; }
class UmfoSonderFormatTable : public ::testing::TestWithParam<ConvRow> {};

TEST_P(UmfoSonderFormatTable, BuildsTheRecord)
{
    QList<ImportColumn> columns;
    for (const QString& c : GetParam().columns)
        columns.append({c, QString()});
    EXPECT_EQ(UmfoSonderFormat(GetParam().line, columns, QStringLiteral(";")), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UmfoSonderFormatTable,
    ::testing::Values(
        ConvRow{"workedExample", {"Typ", "Bac", "Tec", "Extra1"}, "T1;11;22;Pin=8", "Typ=T1,Q,Bac=11,Tec=22,Pin=8"},
        ConvRow{"emptyYkLeavesNoItem", {"Yk", "Typ", "Bac"}, ";T1;11", "Typ=T1,Q,Bac=11"},
        ConvRow{"secondTypReplacesFirst", {"Typ", "Typ", "Bac"}, "A;B;11", "Typ=B,Q,Bac=11"},
        ConvRow{"dataKeyBehindTec", {"Pin", "Tec", "Bac", "Typ"}, "8;22;11;T", "Typ=T,Q,Bac=11,Tec=22,Pin=8"},
        ConvRow{"extraWithTwoItems", {"Typ", "Bac", "Extra2"}, "T;11;Gec=5,Pin=14", "Typ=T,Q,Bac=11,Gec=5,Pin=14"},
        ConvRow{"missingFieldsAreEmpty", {"Typ", "Bac", "Tec", "Pin"}, "T;11", "Typ=T,Q,Bac=11"},
        ConvRow{"noBacColumnStillHasMarker", {"Typ"}, "T", "Typ=T,Q"},
        ConvRow{"refusedComma", {"Typ", "Bac"}, "T,X;11", ""}),
    [](const auto& i) { return std::string(i.param.name); });

// Another component file merged whole: blocks by the group numbers of its header.
class MergeDirectoryTest : public MergeTest {
protected:
    void SetUp() override
    {
        MergeTest::SetUp();
        other = tmp.filePath(QStringLiteral("other"));
        testutil::writeFile(other + QStringLiteral("/abi"), "Ss=00,Ib=0000,11=000,41=001");
        testutil::writeFile(other + QStringLiteral("/b1/10/00"), "Typ=G1,Q,Bac=1111\r\n\r\n");
        testutil::writeFile(other + QStringLiteral("/b4/10/00"),
                            "Typ=H1,Q,Bac=4111\r\n\r\n   Typ=H2,Q,Bac=4111\r\n\r\n");
        testutil::writeFile(other + QStringLiteral("/b4/10/01"), "Typ=H3,Q,Bac=4111\r\n\r\n");
        // Beyond the header's last block of group 41: never read.
        testutil::writeFile(other + QStringLiteral("/b4/10/02"), "Typ=H4,Q,Bac=4111\r\n\r\n");
    }
    QString other;
};

TEST_F(MergeDirectoryTest, MergesEveryBlockUpToTheHeadersNumber)
{
    sp.ui().expect(QuestionKind::Directory, QStringLiteral("be.mixdat"), Answer::word(other));
    MixBt(QStringLiteral("be.mixdat"));
    EXPECT_EQ(logLines(), (QStringList{msg("512", {"Typ=G1,Q,Bac=1111"}), msg("512", {"Typ=H1,Q,Bac=4111"}),
                                       msg("23", {""}), msg("512", {"Typ=H2,Q,Bac=4111"}),
                                       msg("512", {"Typ=H3,Q,Bac=4111"}), msg("26", {" 4", " 4"})}));
    EXPECT_TRUE(entryOf("H4", 'T').isEmpty());
}

TEST_F(MergeDirectoryTest, UnreadableBlockIsLoggedAndTheRunGoesOn)
{
    QFile::remove(other + QStringLiteral("/b4/10/00"));
    QDir().mkpath(other + QStringLiteral("/b4/10/00"));
    sp.ui().expect(QuestionKind::Directory, QStringLiteral("be.mixdat"), Answer::word(other));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("155"), Answer::button(1));
    MixBt(QStringLiteral("be.mixdat"));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Bauelemente-Block nicht lesbar:")));
    EXPECT_EQ(lines[3], msg("26", {" 2", " 2"}));
}

TEST_F(MergeDirectoryTest, TheInternalFileItselfIsRefused)
{
    sp.ui().expect(QuestionKind::Directory, QStringLiteral("be.mixdat"), Answer::word(bin));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("19"), Answer::button(1));
    MixBt(QStringLiteral("be.mixdat"));
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(readFile(tmp.filePath(QStringLiteral("tp2/MixBT.log"))).isEmpty());
    ASSERT_FALSE(sp.ui().headlessList().lines.isEmpty());
    EXPECT_EQ(sp.ui().headlessList().lines.last(),
              msg("463", {QFileInfo(tmp.filePath(QStringLiteral("tp2/MixBT.log"))).absoluteFilePath()}));
}

// The real program: "tarn /mb" with a line naming a block file.
TEST(MergeBatch, MbLineMergesTheNamedBlockFile)
{
    testutil::TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    ASSERT_TRUE(QFile::copy(testutil::tarnBinary(), inst.programFile()));
    QFile::setPermissions(inst.programFile(), QFile::permissions(inst.programFile()) | QFile::ExeOwner);
    {
        QFile vg(inst.path(QStringLiteral("System/vg")));
        ASSERT_TRUE(vg.open(QIODevice::Append));
        vg.write("\r\n,G41=Widerstaende\r\n");
    }
    {
        testutil::ScriptedProgram sp;
        sp.program().Cf = QStringLiteral("G41=1");
        QString header;
        // A fresh component file in place of the installation's demo file.
        QDir(inst.path(QStringLiteral("bt/int"))).removeRecursively();
        QDir().mkpath(inst.path(QStringLiteral("bt/int")));
        ASSERT_TRUE(InitInh(inst.path(QStringLiteral("bt/int")), header));
    }
    testutil::writeFile(inst.path(QStringLiteral("demo.blk")), "Typ=BR1,Q,Bac=4111\r\nTyp=BR2,Q,Bac=4112\r\n");
    testutil::writeFile(inst.path(QStringLiteral("mb.dat")), "@,demo.blk\r\n");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(inst.dir());
    p.start(inst.programFile(), {"/mb"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(readFile(inst.path(QStringLiteral("bt/int/b4/10/00"))),
              QByteArray("Typ=BR1,Q,Bac=4111\r\nTyp=BR2,Q,Bac=4112\r\n\r\n"));
    EXPECT_EQ(readFile(inst.path(QStringLiteral("bt/int/abi"))), QByteArray("Ss=00,Ib=0000,41=000"));
    const QByteArray log = readFile(inst.path(QStringLiteral("tp2/MixBT.log")));
    EXPECT_EQ(log.count("\r\n"), 3) << log.toStdString();
    EXPECT_FALSE(QFile::exists(inst.path(QStringLiteral("mb.dat"))));
}

} // namespace
