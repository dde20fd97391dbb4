#include "prediction/predfixture.h"
#include "frame/workslots.h"

#include <QFile>

namespace {
QString readText(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

std::unique_ptr<Database> build(const QString& path, const QString& sql)
{
    {
        std::unique_ptr<Database> db = Database::create(path);
        db->executeScript(readText(testutil::sourceDir() + QStringLiteral("/data/system/00-schema.sql")));
        db->executeScript(sql);
    }
    return Database::open(path, true);
}

// The summary position: solder joints, 0.1 fit each at 40 deg C.
const char* const SummaryClass = "INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode) VALUES "
                                 "('51120000', 0, 0.1, 0.1, 40, 'D5112');\n"
                                 "INSERT INTO SINDAT (Dcode, Daten) VALUES ('D5112', '');\n";
} // namespace

void PassTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    p().SystDb = build(dir.filePath(QStringLiteral("SYST_DB.sqlite")),
                       readText(testutil::fixturesDir() + QStringLiteral("/calculation/systdb.sql")) +
                           QString::fromLatin1(SummaryClass));
    p().BacTecListe = std::make_unique<Snapshot>(
        p().SystDb->snapshot(QStringLiteral("SELECT DISTINCT [BacTec],[Parameter] FROM [ARMILQRM]")));
    p().LangNr = 1;
    p().LangDruck = 1;
    p().WorkStr[Slot::Tp1] = dir.path();
    p().WorkStr[Slot::Tp2] = dir.path();
    p().IniFile = dir.filePath(QStringLiteral("tarn.ini"));
}

void PassTest::openUserList(const QString& insertSql)
{
    p().AwsDb = build(dir.filePath(QStringLiteral("ARAWS.sqlite")), insertSql);
}

void PassTest::writeQpo(const QStringList& lines)
{
    testutil::writeFile(dir.filePath(QStringLiteral("qpo")), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

QStringList PassTest::qpo()
{
    QStringList lines = QString::fromLatin1(testutil::readFile(dir.filePath(QStringLiteral("qpo")))).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}
