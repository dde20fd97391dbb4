// An archive entry (its number, its search row and its data row) is one unit:
// a run killed at any write of either database leaves, after the next start,
// the entry whole or absent, and no number is handed out twice.
#include "common/crashrunner.h"
#include "common/testutil.h"
#include "frame/database.h"
#include "frame/durablefile.h"
#include "frame/program.h"
#include "frame/workslots.h"
#include "printing/archiv.h"
#include "printing/printjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <map>
#include <set>

namespace {

using testutil::readFile;

// The program of a run in folder, the archive in folder/archiv.
void useFolder(Program& p, const QString& folder)
{
    p.LangNr = 1;
    p.IniFile = folder + QStringLiteral("/tarn.ini");
    p.WorkStr[Slot::ProgramDir] = folder;
    testutil::writeFile(p.IniFile, QStringLiteral("[archive]\r\nArchivFlag=1\r\nArchivArt=QSL\r\nArchivNr=1\r\n"
                                                  "ProgTyp=PRT\r\nArchivDir=%1/archiv\r\n")
                                       .arg(folder)
                                       .toLatin1());
}

// A document whose bytes tell its designation.
QString document(const QString& folder, const QString& designation)
{
    const QString file = folder + u'/' + QString(designation).replace(u',', u'_');
    testutil::writeFile(file, designation.toLatin1().repeated(20));
    return file;
}

const QString NewEntry = QStringLiteral("QSL,An,NEW,A3");

TEST(ArchivCrashChild, DISABLED_StoreUpToItsCrashPoint)
{
    const QString folder = testutil::crashFolder();
    ASSERT_FALSE(folder.isEmpty());
    ProgramScope scope;
    useFolder(scope.program(), folder);
    crashpoint::watchDatabases();
    ArchivStart();
    ASSERT_TRUE(printState().ArchivAktiv);
    const QString file = document(folder, NewEntry);
    testutil::armCrashPointFromEnvironment();
    const bool stored = ArchivSpeichern(NewEntry, file, QStringLiteral("pdf"));
    testutil::noteCrashOperations();
    if (stored)
        testutil::writeFile(folder + QStringLiteral("/reported"), "stored");
}

class ArchiveEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        base = tmp.filePath(QStringLiteral("base"));
        QDir().mkpath(base);
        testutil::ScriptedProgram sp;
        useFolder(sp.program(), base);
        ArchivStart();
        for (const QString& d : {QStringLiteral("QSL,An,FIRST,A1"), QStringLiteral("QSL,An,SECOND,A2")})
            ASSERT_TRUE(ArchivSpeichern(d, document(base, d), QStringLiteral("pdf")));
    }

    // Every search row with its data: designation -> (number, bytes). Fails on
    // a number that two rows share or a search row whose data is missing.
    std::map<QString, std::pair<qint64, QByteArray>> entries()
    {
        std::map<QString, std::pair<qint64, QByteArray>> out;
        const PrintState& s = printState();
        std::set<qint64> numbers;
        const Snapshot search =
            s.ArchivSuchDb->snapshot(QStringLiteral("SELECT [Ref],[Doku],[Art],[Bezeichnung],[Lnr] FROM [ArchivSuche]"));
        for (const QVariantList& row : search.rows()) {
            const qint64 ref = row[0].toLongLong();
            EXPECT_TRUE(numbers.insert(ref).second) << "number " << ref << " twice";
            const auto data = s.ArchivDatDb->snapshot(QStringLiteral("SELECT [Datei] FROM [Daten] WHERE [Ref]=?"),
                                                      {ref}).rows();
            EXPECT_EQ(data.size(), 1u) << "data rows of number " << ref;
            const QString designation = QStringList{row[1].toString(), row[2].toString(), row[3].toString(),
                                                    row[4].toString()}.join(u',');
            out[designation] = {ref, data.empty() ? QByteArray() : data[0][0].toByteArray()};
        }
        const auto all = s.ArchivDatDb->snapshot(QStringLiteral("SELECT count(*) FROM [Daten]")).rows();
        EXPECT_EQ(all[0][0].toLongLong(), qint64(out.size())) << "data rows without a search row";
        return out;
    }

    void checkAfterCrash(const QString& folder, int n)
    {
        SCOPED_TRACE(QStringLiteral("crash at operation %1").arg(n).toStdString());
        testutil::ScriptedProgram next;
        useFolder(next.program(), folder);
        ArchivStart();
        ASSERT_TRUE(printState().ArchivAktiv);
        auto before = entries();
        const bool stored = before.count(NewEntry) == 1;
        EXPECT_EQ(before.size(), stored ? 3u : 2u);
        if (QFileInfo::exists(folder + QStringLiteral("/reported")) || n == 0) {
            EXPECT_TRUE(stored) << "reported stored";
        }
        for (const auto& [designation, entry] : before)
            EXPECT_EQ(entry.second, designation.toLatin1().repeated(20)) << designation.toStdString();
        (stored ? outcomes.second : outcomes.first)++;

        // The next entry gets a number of its own.
        const QString later = QStringLiteral("QSL,An,LATER,A4");
        ASSERT_TRUE(ArchivSpeichern(later, document(folder, later), QStringLiteral("pdf")));
        const auto after = entries();
        ASSERT_EQ(after.count(later), 1u);
        for (const auto& [designation, entry] : before)
            EXPECT_NE(after.at(later).first, entry.first) << "the number of " << designation.toStdString();
        EXPECT_EQ(after.at(later).second, later.toLatin1().repeated(20));
    }

    QTemporaryDir tmp;
    QString base;
    std::pair<int, int> outcomes; // runs without and with the new entry
};

TEST_F(ArchiveEntry, EveryCrashPointLeavesTheEntryWholeOrAbsent)
{
    const testutil::CrashRuns runs = testutil::runEveryCrashPoint(
        QStringLiteral("ArchivCrashChild.DISABLED_StoreUpToItsCrashPoint"),
        [&](const QString& name) {
            const QString dir = tmp.filePath(name);
            EXPECT_TRUE(testutil::copyTree(base, dir));
            return dir;
        },
        [&](const QString& folder, int n) { checkAfterCrash(folder, n); });
    RecordProperty("operations", runs.operations);
    RecordProperty("runs", runs.runs);
    RecordProperty("absent", outcomes.first);
    RecordProperty("whole", outcomes.second);
    EXPECT_GT(outcomes.first, 0);
    EXPECT_GT(outcomes.second, 1);
}

// An archive that an earlier run left with a data row whose search row was
// lost never hands out that row's number again.
TEST_F(ArchiveEntry, TheNumberOfADataRowWithoutSearchRowIsNotHandedOutAgain)
{
    {
        auto daten = Database::open(base + QStringLiteral("/archiv/Archiv1.sqlite"), false);
        daten->execute(QStringLiteral("INSERT INTO [Daten] ([Ref],[Datei]) VALUES (3, ?)"), {QByteArray("lost")});
    }
    testutil::ScriptedProgram next;
    useFolder(next.program(), base);
    ArchivStart();
    const QString d = QStringLiteral("QSL,An,THIRD,A3");
    ASSERT_TRUE(ArchivSpeichern(d, document(base, d), QStringLiteral("pdf")));
    const auto rows = printState().ArchivSuchDb->snapshot(
        QStringLiteral("SELECT [Ref] FROM [ArchivSuche] WHERE [Bezeichnung]='THIRD'")).rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].toLongLong(), 4);
}

// The hidden parts of the archive's PDF that killed runs left go at the next
// start; the part of a run that still writes stays.
TEST_F(ArchiveEntry, LeftOverPartsOfTheArchivePdfGoWhenTheirWriterIsGone)
{
    const QString folder = tmp.filePath(QStringLiteral("program"));
    QDir().mkpath(folder + QStringLiteral("/TPArch"));
    const QString gone = folder + QStringLiteral("/TPArch/.PDFtemp.pdf.2147483646-0000abcd.part");
    const QString running = folder + QStringLiteral("/TPArch/.PDFtemp.pdf.%1-0000abcd.part")
                                         .arg(QCoreApplication::applicationPid());
    for (const QString& f : {gone, running})
        testutil::writeFile(f, "%PDF-cut");
    testutil::ScriptedProgram run;
    useFolder(run.program(), folder);
    ArchivStart();
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_TRUE(QFileInfo::exists(running));
}

} // namespace
