#include "calculation/calcinterface.h"
#include "frame/workslots.h"
#include "calculation/shippeddb.h"
#include "calculation/systdb.h"
#include "frame/database.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <set>

// A prediction answers the look-ups in the reference data from memory after the
// first time. These tests put every class and technology of the shipped data
// through the look-ups twice, once straight from the database and once with the
// answers kept, and ask for the same answers.
namespace {

class LookupCache : public ShippedDb {
protected:
    void TearDown() override
    {
        db().setLookupCache(false);
        p().AwsDb->setLookupCache(false);
        ShippedDb::TearDown();
    }
    void setCaches(bool on)
    {
        db().setLookupCache(on);
        p().AwsDb->setLookupCache(on);
    }
    // The BacTec keys of ARMILQRM in a database.
    static QStringList keys(Database& d)
    {
        QStringList out;
        Snapshot s = d.snapshot(QStringLiteral("SELECT DISTINCT [BacTec] FROM [ARMILQRM] ORDER BY [BacTec]"));
        for (s.moveFirst(); !s.eof(); s.moveNext())
            out << s.text(0);
        return out;
    }
    // The complexities worth asking for a key: none, each bound of its rows,
    // one between two bounds and one above all.
    QStringList complexities(const QString& bacTec)
    {
        QStringList out{QString()};
        double highest = 0;
        for (const QString& k : column(QStringLiteral("SELECT DISTINCT [K1] FROM [ARMILQRM] WHERE [BacTec] = ? "
                                                      "AND [K1] IS NOT NULL ORDER BY [K1]"),
                                       {bacTec})) {
            out << k;
            const double v = QLocale::c().toDouble(k);
            if (v > 0)
                out << QString::number(v - 1, 'g', 17);
            highest = std::max(highest, v);
        }
        out << QString::number(highest + 1000, 'g', 17);
        return out;
    }

    // Every answer of the look-ups of one component, as text: result, the four
    // values and the codes appended to slot 7, for each way a caller asks.
    QStringList answers(const QString& component)
    {
        struct Ask {
            int userList;
            QString columns;
            std::optional<int> mode;
        };
        const Ask asks[] = {{0, "Armin,Armax,Tref,Dcode", {}}, {0, "Armin,Armax,Tref,Dcode", 1},
                            {1, "Armin,Armax,Tref,Dcode", 1},  {0, "Bacm", {}},
                            {0, "Bacm", 1},                    {0, "QRM", 1},
                            {0, "Tref", 1},                    {0, "", 2},
                            {0, "Parameter", 3}};
        QStringList out;
        for (const Ask& a : asks) {
            p().WorkStr[Slot::F].clear();
            QString v[4] = {"x", "x", "x", "x"};
            const QString result = LesSin(component, a.userList, a.columns, v[0], v[1], v[2], v[3], a.mode);
            out << QStringList{a.columns, result, v[0], v[1], v[2], v[3], p().WorkStr[Slot::F]}.join(u'|');
        }
        double number = -1;
        LesSin(component, 1, "Armax", number);
        out << QString::number(number, 'g', 17);
        return out;
    }
};

TEST_F(LookupCache, EveryClassAndTechnologyGivesTheAnswersOfTheDirectQueries)
{
    std::set<QString> bacTecs;
    for (const QString& k : keys(db()))
        bacTecs.insert(k);
    for (const QString& k : keys(*p().AwsDb))
        bacTecs.insert(k);
    ASSERT_GT(bacTecs.size(), 50u);

    // Components of every key, with each technology variant the key's group
    // folds together and each complexity that picks another row.
    QStringList components;
    for (const QString& bacTec : bacTecs) {
        const QString bac = bacTec.left(4);
        const QString tec = bacTec.mid(4);
        for (const QString& k1 : complexities(bacTec)) {
            QString c = QStringLiteral("Bac=") + bac + QStringLiteral(",Tec=") + tec;
            if (!k1.isEmpty())
                c += QStringLiteral(",K1=") + k1;
            components << c;
        }
        // A technology that is not stored: the first row of the class serves.
        components << QStringLiteral("Bac=") + bac + QStringLiteral(",Tec=") + tec.left(3) + u'9' +
                          QStringLiteral(",K1=1");
    }

    setCaches(false);
    QList<QStringList> direct;
    for (const QString& c : components)
        direct << answers(c);

    setCaches(true);
    for (int round = 0; round < 2; ++round) {
        const int before = db().statementsRun() + p().AwsDb->statementsRun();
        for (int i = 0; i < components.size(); ++i)
            ASSERT_EQ(answers(components[i]), direct[i]) << components[i].toStdString() << " round " << round;
        const int after = db().statementsRun() + p().AwsDb->statementsRun();
        // The second round asks nothing new: every answer comes from memory.
        if (round == 1)
            EXPECT_EQ(after, before);
        else
            EXPECT_GT(after, before);
    }
}

// The keyed look-ups of the other tables: every key of the shipped data, asked
// with the answers kept, gives what the database gives.
TEST_F(LookupCache, KeyedTablesGiveTheAnswersOfTheDirectQueries)
{
    const std::pair<const char*, const char*> tables[] = {{"SINDAT", "Dcode"},   {"SINNAME", "BacTec"},
                                                          {"MILFITNAME", "Bacm"}, {"MILFUNKT", "Kl"},
                                                          {"GECRTH", "Gec"},      {"ERWA", "Fecode"},
                                                          {"AbkTxt", "Abk"}};
    for (const auto& [table, key] : tables) {
        const QString sql = QStringLiteral("SELECT * FROM [%1] WHERE [%2] = ?").arg(table, key);
        QStringList values = column(QStringLiteral("SELECT DISTINCT [%1] FROM [%2]").arg(key, table));
        ASSERT_FALSE(values.isEmpty()) << table;
        values << QStringLiteral("no such key");
        for (const QString& v : values) {
            db().setLookupCache(false);
            const Snapshot plain = db().snapshot(sql, {v});
            db().setLookupCache(true);
            for (int round = 0; round < 2; ++round) {
                const Snapshot kept = db().snapshot(sql, {v});
                EXPECT_EQ(kept.fields(), plain.fields()) << table;
                EXPECT_EQ(kept.rows(), plain.rows()) << table << " " << v.toStdString();
            }
        }
    }
}

// ---- The condition on the key column: the rows of the indexed range and
// JETLIKE are exactly those of the JETLIKE scan, for patterns with and without
// a fixed prefix, in every database of the installation.
struct PatternRow {
    const char* name;
    QString pattern;
    bool usesRange;
};
void PrintTo(const PatternRow& r, std::ostream* os) { *os << r.name; }

class BacTecCondition : public LookupCache, public ::testing::WithParamInterface<PatternRow> {};

TEST_P(BacTecCondition, SelectsTheRowsOfTheScan)
{
    const PatternRow& row = GetParam();
    QVariantList params;
    const QString where = bacTecCondition(row.pattern, params);
    EXPECT_EQ(where.contains(QLatin1String(">=")), row.usesRange) << where.toStdString();
    for (Database* d : {&db(), p().AwsDb.get()}) {
        const QString order = QStringLiteral(" ORDER BY [BacTec],[K1],[Armin]");
        const Snapshot scan = d->snapshot(
            QStringLiteral("SELECT [BacTec],[K1],[Armin] FROM [ARMILQRM] WHERE JETLIKE([BacTec], ?)") + order,
            {row.pattern});
        const Snapshot ranged =
            d->snapshot(QStringLiteral("SELECT [BacTec],[K1],[Armin] FROM [ARMILQRM] WHERE ") + where + order, params);
        EXPECT_EQ(ranged.rows(), scan.rows()) << d->path().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, BacTecCondition,
    ::testing::Values(PatternRow{"classAndTechnology", "4211123?", true},
                      PatternRow{"classOnly", "4211*", true},
                      // The last fixed character is the highest digit: the range
                      // ends at the character after it.
                      PatternRow{"lastFixedNine", "1419????", true}, PatternRow{"allNines", "9999*", true},
                      PatternRow{"wholeKey", "41110000", true}, PatternRow{"digitWildcard", "42#1*", true},
                      PatternRow{"setAfterPrefix", "4[12]11*", true},
                      // No fixed prefix, or one with letters (which match in
                      // either case): scanned.
                      PatternRow{"wildcardFirst", "?211*", false}, PatternRow{"starOnly", "*", false},
                      PatternRow{"setFirst", "[45]1*", false}, PatternRow{"letters", "abc*", false},
                      PatternRow{"quote", "42'1*", true}, PatternRow{"empty", "", false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(LookupCache, ShortAndUnknownClassesFindNothingAsBefore)
{
    for (const char* c : {"Bac=4999", "Bac=9", "Bac=42'1,Tec=1231", "Bac=0000,Tec=0000"}) {
        setCaches(false);
        const QStringList direct = answers(c);
        setCaches(true);
        EXPECT_EQ(answers(c), direct) << c;
        EXPECT_EQ(answers(c), direct) << c;
    }
}

} // namespace
