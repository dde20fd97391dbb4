#include "calculation/milfixture.h"
#include "frame/workslots.h"

namespace miltest {

MilFixture::MilFixture()
{
    auto created = Database::create(dir.filePath(QStringLiteral("SYST_DB.sqlite")));
    created->executeScript(
        QString::fromUtf8(testutil::readFile(testutil::fixturesDir() + QStringLiteral("/calculation/milschema.sql"))));
    db = created.get();
    prog().SystDb = std::move(created);
}

void MilFixture::record(const QString& model, const QString& fit)
{
    db->execute(QStringLiteral("INSERT INTO MILFITNAME (Bacm, Fit, Name) VALUES (?, ?, ?)"), {model, fit, model});
}

void MilFixture::table(const QString& kl, const QString& param)
{
    db->execute(QStringLiteral("INSERT INTO MILFUNKT (Kl, Param) VALUES (?, ?)"), {kl, param});
}

void MilFixture::normRow(const QString& bacTec, double k1, const QString& bacm, const QString& dcode)
{
    db->execute(QStringLiteral("INSERT INTO ARMILQRM (BacTec, K1, Armin, Armax, Tref, Dcode, Bacm) VALUES (?, ?, 1, 1, 40, ?, ?)"),
                {bacTec, k1, dcode, bacm});
}

void MilFixture::normData(const QString& dcode, const QString& daten)
{
    db->execute(QStringLiteral("INSERT INTO SINDAT (Dcode, Daten) VALUES (?, ?)"), {dcode, daten});
}

void MilFixture::work(const QString& q, const QString& s, const QString& r, const QString& methods,
                      const QString& control, const QString& f)
{
    auto& w = prog().WorkStr;
    auto marked = [](const QString& t) { return QString(t).replace(QChar(0x03C0), PiMark); };
    w[Slot::SyPar] = control;
    w[Slot::GlPar] = marked(methods);
    w[Slot::Q] = marked(q);
    w[Slot::S] = marked(s);
    w[Slot::F] = f;
    w[Slot::R] = marked(r);
}

} // namespace miltest
