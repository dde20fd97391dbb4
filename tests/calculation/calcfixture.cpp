#include "calculation/calcfixture.h"
#include "frame/database.h"

#include <QFile>

namespace {
QString readText(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}
} // namespace

std::unique_ptr<Database> CalcTest::buildDatabase(const QString& name, const QString& sql)
{
    const QString path = dir.filePath(name);
    {
        std::unique_ptr<Database> db = Database::create(path);
        db->executeScript(readText(testutil::sourceDir() + QStringLiteral("/data/system/00-schema.sql")));
        db->executeScript(sql);
    }
    return Database::open(path, true);
}

void CalcTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    p().SystDb = buildDatabase(QStringLiteral("SYST_DB.sqlite"),
                               readText(testutil::fixturesDir() + QStringLiteral("/calculation/systdb.sql")));
    p().BacTecListe = std::make_unique<Snapshot>(
        p().SystDb->snapshot(QStringLiteral("SELECT DISTINCT [BacTec],[Parameter] FROM [ARMILQRM]")));
    p().LangNr = 1;
    p().LangDruck = 1;
}

void CalcTest::setPosition(const QString& q, const QString& s, const QString& r, const QString& glPar,
                           const QString& syPar)
{
    work(0) = syPar;
    work(1) = glPar;
    work(3) = q;
    work(4).clear();
    work(6) = s;
    work(7).clear();
    work(8) = r;
}

void CalcTest::openUserList(const QString& insertSql)
{
    p().AwsDb = buildDatabase(QStringLiteral("ARAWS.sqlite"), insertSql);
}
