// Saving a Q-list writes its file and its database row as one unit: a run
// killed at any write, flush, rename or database write leaves, after the next
// start, the old file with the old row or the new file with the new row, and
// the Q-list is found by its type.
#include "common/testlinks.h"
#include "common/crashrunner.h"
#include "common/testutil.h"
#include "frame/durablefile.h"
#include "frame/database.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "frame/workslots.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"
#include "qlist/qslsave.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

namespace {

using testutil::readFile;

const QString Letter = QStringLiteral("A");
const QString Saved = QStringLiteral("00001");
const QString Other = QStringLiteral("00000");

const QStringList OldLines{QStringLiteral("Typ=OLDTYPE,An=OLDAN"), QStringLiteral("Be=old description"),
                           QStringLiteral("Stck=1,Typ=R1")};
const QStringList NewLines{QStringLiteral("Typ=NEWTYPE,An=NEWAN"), QStringLiteral("Be=new description"),
                           QStringLiteral("Stck=2,Typ=R1"), QStringLiteral("Stck=1,Typ=C4")};

// The Q-list root of folder, database A.
void useRoot(Program& p, const QString& root)
{
    p.LangNr = 1;
    fillQslFieldTables();
    p.WorkStr[Slot::Vql] = root;
    p.WorkStr[Slot::VqlDir] = root + u'\\';
    p.WorkStr[Slot::VqlDbase] = p.WorkStr[Slot::VqlDir] + QStringLiteral("dbase_");
    p.WorkStr[Slot::Qz] = Letter;
}

QString dbFolder()
{
    return prog().WorkStr[Slot::VqlDbase] + Letter;
}

QString fileOf(const QString& ln)
{
    return nativePath(QslPfad(Letter, ln));
}

// The row a save of these lines writes, as the editor fills it.
void recordOf(const QString& ln, const QString& typ, const QString& an, const QString& be)
{
    auto& rec = prog().QslRec;
    rec = {};
    rec[1] = ln;
    rec[2] = typ;
    rec[5] = an;
    rec[9] = be;
}

// Q-list number of a type (kind 2) or user number (kind 4), or empty.
QString found(int kind, const QString& key)
{
    const int slot = Open_Db(dbFolder());
    EXPECT_GT(slot, 0);
    if (slot < 1)
        return QString();
    const QString n = SuchLn_Db(Letter, slot, kind, key, QStringLiteral("2")).found;
    Close_Db(slot);
    return n;
}

// The files a save keeps while it runs: journals and hidden new contents.
QStringList unitFiles(const QString& root)
{
    QStringList out;
    QDirIterator it(root, {QStringLiteral("*.journal"), QStringLiteral(".*.new")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    return out;
}

TEST(QslSaveCrashChild, DISABLED_SaveUpToItsCrashPoint)
{
    const QString root = testutil::crashFolder();
    ASSERT_FALSE(root.isEmpty());
    ProgramScope scope;
    useRoot(scope.program(), root);
    crashpoint::watchDatabases();
    recordOf(Saved, QStringLiteral("NEWTYPE"), QStringLiteral("NEWAN"), QStringLiteral("new description"));
    testutil::armCrashPointFromEnvironment();
    const int result = saveQslWithRecord(dbFolder(), QslPfad(Letter, Saved), NewLines);
    testutil::noteCrashOperations();
    if (result != 0)
        testutil::writeFile(root + QStringLiteral("/reported"), "saved");
}

class QslSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        base = tmp.filePath(QStringLiteral("base"));
        useRoot(program.program(), base);
        QDir().mkpath(base + QStringLiteral("/dbase_A"));
        QDir().mkpath(base + QStringLiteral("/A0/00"));
        Create_Db(dbFolder());
        const QStringList otherLines{QStringLiteral("Typ=OTHER,An=OTHERAN"), QStringLiteral("Be=")};
        for (const auto& [ln, lines] : {std::pair{Other, otherLines}, std::pair{Saved, OldLines}}) {
            const int slot = Open_Db(dbFolder());
            ASSERT_EQ(allocateQslNumber(Letter, slot), ln);
            Close_Db(slot);
            writeQslFile(QslPfad(Letter, ln), lines);
            ASSERT_TRUE(KopfToRec(QslPfad(Letter, ln)));
            ASSERT_EQ(SaveRec_Db(Letter, dbFolder()), 1);
        }
        oldBytes = readFile(fileOf(Saved));
        newBytes = qslFileBytes(NewLines);
    }

    QString copyOfBase(const QString& name)
    {
        const QString dir = tmp.filePath(name);
        EXPECT_TRUE(testutil::copyTree(base, dir));
        return dir;
    }

    // What the next start finds after a kill at crash point n.
    void checkAfterCrash(const QString& root, int n)
    {
        SCOPED_TRACE(QStringLiteral("crash at operation %1").arg(n).toStdString());
        testutil::ScriptedProgram next;
        useRoot(next.program(), root);
        ReplacedLinks testLinks;
        StartProcedures start;
        start.RecoverQslSaves = [] { recoverAllQslSaves(); };
        testLinks.edit<StartProcedures>() = start;
        recoverAllQslSaves();

        EXPECT_EQ(unitFiles(root), QStringList()) << "left over after the start";
        const QByteArray bytes = readFile(fileOf(Saved));
        const bool isNew = bytes == newBytes;
        EXPECT_TRUE(isNew || bytes == oldBytes) << "the file is neither the old nor the new one";
        EXPECT_EQ(found(2, QStringLiteral("NEWTYPE")), isNew ? Saved : QString());
        EXPECT_EQ(found(4, QStringLiteral("NEWAN")), isNew ? Saved : QString());
        EXPECT_EQ(found(2, QStringLiteral("OLDTYPE")), isNew ? QString() : Saved);
        EXPECT_EQ(found(2, QStringLiteral("OTHER")), Other);
        if (QFileInfo::exists(root + QStringLiteral("/reported")) || n == 0) {
            EXPECT_TRUE(isNew) << "reported saved";
        }
        if (isNew)
            ++outcomes.second;
        else
            ++outcomes.first;

        // The next save goes through.
        recordOf(Saved, QStringLiteral("NEXTTYPE"), QString(), QString());
        EXPECT_EQ(saveQslWithRecord(dbFolder(), QslPfad(Letter, Saved), {QStringLiteral("Typ=NEXTTYPE"),
                                                                          QStringLiteral("Be=")}),
                  1);
        EXPECT_EQ(found(2, QStringLiteral("NEXTTYPE")), Saved);
    }

    testutil::ScriptedProgram program;
    QTemporaryDir tmp;
    QString base;
    QByteArray oldBytes, newBytes;
    std::pair<int, int> outcomes; // runs that ended old, new
};

TEST_F(QslSave, EveryCrashPointLeavesTheOldOrTheNewQListFoundByItsType)
{
    const testutil::CrashRuns runs = testutil::runEveryCrashPoint(
        QStringLiteral("QslSaveCrashChild.DISABLED_SaveUpToItsCrashPoint"),
        [&](const QString& name) { return copyOfBase(name); },
        [&](const QString& folder, int n) { checkAfterCrash(folder, n); });
    RecordProperty("operations", runs.operations);
    RecordProperty("runs", runs.runs);
    RecordProperty("old", outcomes.first);
    RecordProperty("new", outcomes.second);
    // Both outcomes occur: the unit has a point before which it is undone and
    // after which it is finished.
    EXPECT_GT(outcomes.first, 0);
    EXPECT_GT(outcomes.second, 1);
}

// A save of a run that still works is left alone; once its run is gone, the
// next start undoes it.
TEST_F(QslSave, AJournalIsSettledOnlyWhenItsRunIsGone)
{
    const QString dir = nativePath(dbFolder());
    const QString journal = dir + QStringLiteral("/qslsave-1-1.journal");
    const QString temp = QFileInfo(fileOf(Saved)).dir().filePath(QStringLiteral(".01.1-1.new"));
    WriterMark running;
    ASSERT_TRUE(running.create(journal));
    testutil::writeFile(journal, "TARN Q-list save 1\n");
    testutil::writeFile(temp, newBytes);

    EXPECT_EQ(recoverQslSaves(dbFolder()), 0);
    EXPECT_TRUE(QFileInfo::exists(journal));
    EXPECT_TRUE(QFileInfo::exists(temp));

    running.release();
    EXPECT_EQ(recoverQslSaves(dbFolder()), 1);
    EXPECT_FALSE(QFileInfo::exists(journal));
    EXPECT_EQ(readFile(fileOf(Saved)), oldBytes);
    EXPECT_EQ(found(2, QStringLiteral("OLDTYPE")), Saved);
}

// A locked database stores neither the file nor the row.
TEST_F(QslSave, ALockedDatabaseLeavesTheFileAsItWas)
{
    setDatabaseBusyTimeout(50);
    auto holder = Database::open(dbFolder() + QStringLiteral("\\qldb.sqlite"), false);
    holder->execute(QStringLiteral("BEGIN IMMEDIATE"));
    program.ui().expect(QuestionKind::Message, QStringLiteral("429"), Answer::button(Mb::OK));
    recordOf(Saved, QStringLiteral("NEWTYPE"), QStringLiteral("NEWAN"), QStringLiteral("new description"));
    EXPECT_EQ(saveQslWithRecord(dbFolder(), QslPfad(Letter, Saved), NewLines), 0);
    holder->execute(QStringLiteral("ROLLBACK"));
    holder.reset();
    setDatabaseBusyTimeout(5000);
    EXPECT_EQ(readFile(fileOf(Saved)), oldBytes);
    EXPECT_EQ(found(2, QStringLiteral("OLDTYPE")), Saved);
    EXPECT_EQ(unitFiles(base), QStringList());
}

} // namespace
