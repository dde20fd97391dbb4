#include "calculation/shippeddb.h"
#include "frame/workslots.h"

QString distFile(const QString& relative)
{
    return testutil::distDir() + u'/' + relative;
}

void ShippedDb::SetUp()
{
    p().SystDb = Database::open(distFile(QStringLiteral("System/SYST_DB.sqlite")), true);
    p().BacTecListe = std::make_unique<Snapshot>(
        p().SystDb->snapshot(QStringLiteral("SELECT DISTINCT [BacTec],[Parameter] FROM [ARMILQRM]")));
    p().AwsDb = Database::open(distFile(QStringLiteral("System/ARAWS.sqlite")), true);
    p().LangNr = 1;
    p().LangDruck = 1;
}

void ShippedDb::TearDown()
{
    p().AwsDb.reset();
    p().BacTecListe.reset();
    p().SystDb.reset();
}

QStringList ShippedDb::column(const QString& sql, const QVariantList& params) const
{
    QStringList out;
    Snapshot s = prog().SystDb->snapshot(sql, params);
    for (s.moveFirst(); !s.eof(); s.moveNext())
        out << s.text(0);
    return out;
}

QString ShippedDb::field(const QString& sql, const QVariantList& params) const
{
    const Snapshot s = prog().SystDb->snapshot(sql, params);
    return s.recordCount() == 0 ? QString() : s.text(0);
}

void ShippedDb::setComponent(const QString& control, const QString& methods, const QString& q, const QString& s,
                             const QString& r)
{
    auto& w = p().WorkStr;
    for (int k = 0; k <= 8; ++k)
        w[k].clear();
    w[Slot::SyPar] = control;
    w[Slot::GlPar] = methods;
    w[Slot::Q] = q;
    w[Slot::S] = s;
    w[Slot::R] = r;
}
