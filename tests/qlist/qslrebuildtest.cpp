#include "qldbtest.h"
#include "frame/workslots.h"
#include "frame/restext.h"
#include "qlist/qslcommands.h"


namespace {

constexpr QuestionKind Msg = QuestionKind::Message;
const QString LetterPage = QStringLiteral("qsl\\isam#neuqz");

Answer letter(const QString& text)
{
    Answer a;
    a.values = {text};
    return a;
}

// New databases below a temporary Q-list root, asked on the installed letter page.
class NewQslDatabase : public QlRootFixture {
protected:
    NewQslDatabase()
    {
        prog().LangNr = 2;
        prog().LangDir = QStringLiteral("dd\\");
        QDir::setCurrent(testutil::distDir());
    }
    bool dbExists(const QString& l) const { return QFileInfo::exists(root.filePath(QStringLiteral("dbase_%1/qldb.sqlite").arg(l))); }
    ScriptedInteraction& ui = program.ui();
};

TEST_F(NewQslDatabase, LowerCaseLetterCreatesFolderDatabaseAndNumberFolders)
{
    ui.expect(QuestionKind::Screen, LetterPage, letter(QStringLiteral("b")));
    bool existedAtMessage = true;
    ui.expect(Msg, QStringLiteral("3"), [&](const Question& q) {
        existedAtMessage = dbExists(QStringLiteral("B"));
        EXPECT_EQ(q.text, QStringLiteral("Q-list database  B  created"));
        return Answer::button(Mb::OK);
    });
    QString param;
    NeuQslDb(param);
    EXPECT_EQ(param, QStringLiteral("1"));
    EXPECT_FALSE(existedAtMessage);
    EXPECT_EQ(prog().WorkStr[Slot::Qz], QStringLiteral("B"));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("B0/00"))).isDir());
    long count = -1;
    const int slot = Open_Db(folder(QStringLiteral("B")), count, 1);
    EXPECT_GT(slot, 0);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(NewQslDatabase, EmptyAnswerOrDigitAsksAgainWithoutMessage)
{
    ui.expect(QuestionKind::Screen, LetterPage, letter(QString()));
    ui.expect(QuestionKind::Screen, LetterPage, letter(QStringLiteral("7")));
    ui.expect(QuestionKind::Screen, LetterPage, letter(QStringLiteral("c")));
    ui.expect(Msg, QStringLiteral("3"), Answer::button(Mb::OK));
    QString param;
    NeuQslDb(param);
    EXPECT_TRUE(dbExists(QStringLiteral("C")));
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(NewQslDatabase, ExistingDatabaseAsksAgainAndCancelKeepsItsLetter)
{
    prog().WorkStr[Slot::Qz] = QStringLiteral("Z");
    ui.expect(QuestionKind::Screen, LetterPage, letter(QStringLiteral("a")));
    ui.expect(Msg, QStringLiteral("2"), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Screen, LetterPage, Answer::cancel());
    QString param;
    NeuQslDb(param);
    EXPECT_EQ(param, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(prog().WorkStr[Slot::Qz], QStringLiteral("A"));
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(NewQslDatabase, FolderLeftWithoutDatabaseGetsOne)
{
    QDir(root.path()).mkpath(QStringLiteral("dbase_D"));
    ui.expect(QuestionKind::Screen, LetterPage, letter(QStringLiteral("D")));
    ui.expect(Msg, QStringLiteral("3"), Answer::button(Mb::OK));
    QString param;
    NeuQslDb(param);
    EXPECT_TRUE(dbExists(QStringLiteral("D")));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("D0/00"))).isDir());
}

// ---- rebuild

class RebuildQslDatabase : public QlListsFixture {
protected:
    RebuildQslDatabase()
    {
        prog().LangNr = 2;
        QDir::setCurrent(root.path());
    }
    QString rowOf(const QString& ln)
    {
        Snapshot s = direct()->snapshot(QStringLiteral("select typ, an, deleted from qldb where ln=?"), {ln});
        if (s.eof())
            return QStringLiteral("none");
        QStringList parts;
        for (int i = 0; i < 3; ++i)
            parts << (s.value(i).isNull() ? QStringLiteral("~") : s.text(i).trimmed());
        return parts.join(u'|');
    }
    long rows() { return long(direct()->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toLongLong()); }
    QStringList reportLines(const char* name) const
    {
        return QString::fromLatin1(testutil::readFile(root.filePath(QString::fromLatin1(name)))).split(QStringLiteral("\r\n"));
    }
    ScriptedInteraction& ui = program.ui();
    HeadlessInfoBox& box = ui.headlessBox();
};

TEST_F(RebuildQslDatabase, IndexesFilesUpToFirstGapWithReports)
{
    addFile(QStringLiteral("00000"), {QStringLiteral("Typ=ABC,An=U1"), QStringLiteral("Be=first")});
    addFile(QStringLiteral("00001"), {QStringLiteral("Typ=ABC,Yk=A12345-B1234-C123-A1"), QStringLiteral("Be=twin")});
    addFile(QStringLiteral("00002"), {QStringLiteral("Typ=FREI")});
    addFile(QStringLiteral("00003"), {});
    testutil::writeFile(root.filePath(QStringLiteral("A0/00/03")), QByteArray());
    addFile(QStringLiteral("00004"), {QStringLiteral("Typ=") + QString(21, u'X'), QStringLiteral("Be=")});
    addFile(QStringLiteral("00006"), {QStringLiteral("Typ=BEHIND"), QStringLiteral("Be=")});
    // A stale index: its rows must not survive the rebuild.
    addRow(QStringLiteral("00000"), QStringLiteral("STALE"));

    NeuDbInh();

    EXPECT_EQ(rows(), 5);
    EXPECT_EQ(rowOf(QStringLiteral("00000")), QStringLiteral("ABC|U1|0"));
    EXPECT_EQ(rowOf(QStringLiteral("00001")), QStringLiteral("~|~|0")); // stored without its identity
    EXPECT_EQ(rowOf(QStringLiteral("00002")), QStringLiteral("~|~|1"));
    EXPECT_EQ(rowOf(QStringLiteral("00003")), QStringLiteral("~|~|1"));
    EXPECT_EQ(rowOf(QStringLiteral("00004")), QStringLiteral("XXXXXXXXXXXXXXXXXXXX|~|0"));
    EXPECT_EQ(rowOf(QStringLiteral("00006")), QStringLiteral("none"));

    const QStringList dup = reportLines(QslRebuildDuplicateLog);
    ASSERT_GE(dup.size(), 10);
    EXPECT_EQ(dup[0], QString());
    EXPECT_EQ(dup[1], QString());
    EXPECT_EQ(dup[2], ResText(QStringLiteral("477"), 2, true));
    EXPECT_EQ(dup[5], ResText(QStringLiteral("480"), 2, true));
    // Typ from column 1, An from column 45, Yk from column 73, as the writer padded them.
    const QString expected = (QStringLiteral("Qsl-Nr=00001   Typ=ABC") + QString(17, u' ')).leftJustified(44, u' ') +
                             QStringLiteral("An=") + QString(25, u' ') + QStringLiteral("Yk=A12345-B1234-C123-A1");
    EXPECT_EQ(dup[8].toStdString(), expected.toStdString());

    const QStringList err = reportLines(QslRebuildErrorLog);
    ASSERT_GE(err.size(), 9);
    EXPECT_EQ(err[2], ResText(QStringLiteral("548"), 2, true));
    EXPECT_TRUE(err[8].endsWith(QStringLiteral("  in Qsl-Nr.: 00004"))) << err[8].toStdString();

    ASSERT_EQ(box.waited.size(), 3);
    EXPECT_EQ(box.waited[0], QStringLiteral("Q-list database    A    recreated.      Last Q-list:    00004"));
    EXPECT_EQ(box.waited[1], ResText(QStringLiteral("552"), 2, true, {QStringLiteral("NeuInhQsl.err")}));
    EXPECT_EQ(box.waited[2], ResText(QStringLiteral("161"), 2, true, {QStringLiteral("NeuInhDoppelQsl.err")}));
    EXPECT_EQ(box.title, QStringLiteral("Recreation of Q-List Database A"));
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(qlDbState().DbTab[1].inUse, 0);
}

TEST_F(RebuildQslDatabase, MissingFirstFileGivesEmptyIndexAndKeepsOldReports)
{
    testutil::writeFile(root.filePath(QStringLiteral("NeuInhQsl.err")), "older");
    addRow(QStringLiteral("00000"), QStringLiteral("STALE"));
    NeuDbInh();
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(box.waited.size(), 3);
    EXPECT_EQ(box.waited[0], QStringLiteral("Q-list database    A    recreated.      Last Q-list:    "));
    EXPECT_EQ(box.waited[1], ResText(QStringLiteral("169"), 2, true));
    EXPECT_EQ(box.waited[2], QString());
    EXPECT_EQ(testutil::readFile(root.filePath(QStringLiteral("NeuInhQsl.err"))), QByteArray("older"));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("NeuInhDoppelQsl.err"))));
}

TEST_F(RebuildQslDatabase, DuplicateLineOfTypeWithoutItemNumberEndsWithYk)
{
    addFile(QStringLiteral("00000"), {QStringLiteral("Typ=SAME"), QStringLiteral("Be=")});
    addFile(QStringLiteral("00001"), {QStringLiteral("Typ=SAME,An=OWN"), QStringLiteral("Be=")});
    NeuDbInh();
    const QStringList dup = reportLines(QslRebuildDuplicateLog);
    ASSERT_GE(dup.size(), 9);
    EXPECT_TRUE(dup[8].endsWith(QStringLiteral("Yk="))) << dup[8].toStdString();
    EXPECT_EQ(dup[8].indexOf(QStringLiteral("An=OWN")), 44);
}

} // namespace

namespace {

TEST_F(RebuildQslDatabase, CancelLeavesIndexOfNumbersBeforeAndShowsOutcomeAtOnce)
{
    addFile(QStringLiteral("00000"), {QStringLiteral("Typ=ONE"), QStringLiteral("Be=")});
    addFile(QStringLiteral("00001"), {QStringLiteral("Typ=TWO"), QStringLiteral("Be=")});
    // The cancel button is pressed before the first number is read.
    box.onYield = [this] { box.setBreak(true); };
    NeuDbInh();
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(box.waited.size(), 3);
    EXPECT_EQ(box.waited[0], QStringLiteral("Q-list database    A    recreated.      Last Q-list:    "));
    EXPECT_FALSE(box.visible);
}

TEST_F(RebuildQslDatabase, DatabaseInUseIsLeftUntouched)
{
    addRow(QStringLiteral("00000"), QStringLiteral("KEPT"));
    addFile(QStringLiteral("00000"), {QStringLiteral("Typ=OTHER"), QStringLiteral("Be=")});
    std::unique_ptr<Database> other = direct();
    other->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    program.ui().expect(QuestionKind::Message, QStringLiteral("284"), Answer::button(Mb::OK));
    NeuDbInh();
    other->execute(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(rowOf(QStringLiteral("00000")), QStringLiteral("KEPT|~|0"));
    EXPECT_TRUE(program.ui().allUsed());
}

} // namespace
