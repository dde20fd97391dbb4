#include "calculation/shippeddb.h"
#include "frame/codepage.h"
#include "frame/inifile.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <set>

// The shipped system database holds what the code reads: a model record for every
// MIL-HDBK-217F model name with the keys its family reads, the factor tables those
// records name, a text for every code the program writes, a text for every
// abbreviation of the ini lists, a norm record for every data code, and names that
// match the failure-rate list.
namespace {

std::string txt(const QString& s) { return s.toStdString(); }

// The source text of the program, every .cpp and .h under src/.
QString programSource()
{
    QString all;
    QDirIterator it(testutil::sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        all += QString::fromUtf8(testutil::readFile(it.next())) + u'\n';
    return all;
}

QString calculationSource()
{
    QString all;
    QDirIterator it(testutil::sourceDir() + QStringLiteral("/src/calculation"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
    while (it.hasNext())
        all += QString::fromUtf8(testutil::readFile(it.next())) + u'\n';
    return all;
}

std::set<QString> matches(const QString& text, const QString& pattern, int group = 1)
{
    std::set<QString> out;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        out.insert(it.next().captured(group));
    return out;
}

const QStringList Environments = {"Gb", "Gf", "Gm", "Ns", "Nu", "Aic", "Aif", "Auc", "Auf", "Arw", "Sf", "Mf", "Ml"};

class Records : public ShippedDb {
protected:
    QString fit(const QString& model) const
    {
        return field(QStringLiteral("SELECT Fit FROM MILFITNAME WHERE Bacm = ?"), {model});
    }
    QString table(const QString& kl) const
    {
        return field(QStringLiteral("SELECT Param FROM MILFUNKT WHERE Kl = ?"), {kl});
    }
    // The keys a family reads from the record of `model` when a component of class
    // `bac` uses it (empty bac: a name the code knows, used by no class).
    QStringList keysRead(const QString& model, const QString& bac, const QString& rec) const
    {
        const QChar family = model.front();
        const QString bac2 = bac.left(2);
        if (family == u'1')
            return model == u"1HYBTRARRAY" ? QStringList{"Ar", "Ct", "Qc", "Ec"} : QStringList{"Ar", "Qc", "Ec"};
        if (family == u'2' || family == u'3') {
            if (model.startsWith(u"3LASERDIO"))
                return {"Ar", "Ct", "Ec"};
            static const QStringList fixed = {"3LAMPS", "3CRT", "3VIDICONSB", "3VIDICONSI", "3NEONLAMPS",
                                              "3FIBERCON", "3FIBERCABLE"};
            if (fixed.contains(model))
                return {"Ar", "Ec"};
            return {"Ar", "Ct", "Qc", "Ec"};
        }
        QStringList keys{"Ec"};
        if (family == u'4') {
            if (GetParam(rec, QStringLiteral("Pq")).isEmpty())
                keys << "Qc";
            if (model.startsWith(u"4C"))
                keys << QStringList{"C1", "Sref", "Tr", "Ps", "Ct", "Pt"};
            else if (model == u"4RZ")
                keys << QStringList{"Ar", "Ct"};
            else if (model.startsWith(u"4R") && !model.startsWith(u"4RTH"))
                keys << QStringList{"C1", "Ct", "Tb", "Pt", "Sref", "Ps1", "Ps2"};
            else if (!model.startsWith(u"4I"))
                keys << "Ar";
            return keys;
        }
        // family 5: the model follows the class
        const bool needsQuality = GetParam(rec, QStringLiteral("Pq")).isEmpty();
        if (bac2 == u"52")
            keys << (model == u"5ICSOCKET" ? QStringList{"Ar"} : QStringList{"C1", "Ct", "T0", "Pot"});
        else if (bac2 == u"53" || bac2 == u"55")
            keys << QStringList{"C1", "T0", "Pot", "Pf"} << (needsQuality ? QStringList{"Qc"} : QStringList{});
        else if (bac2 == u"54")
            keys << (GetParam(rec, QStringLiteral("Ar")).isEmpty() ? QStringList{"Ar1", "Ar2"} : QStringList{"Ar"})
                 << (needsQuality ? QStringList{"Qc"} : QStringList{})
                 // a class LOWER takes the lower-quality rates
                 << (!needsQuality                                   ? QStringList{}
                     : GetParam(rec, QStringLiteral("Ar")).isEmpty() ? QStringList{"Ar1L", "Ar2L"}
                                                                     : QStringList{"ArL"});
        else if (model == u"5ICSOCKET" || bac2 == u"51" || bac2 == u"56" || bac.isEmpty())
            keys << "Ar";
        return keys;
    }
    // The default quality classes the code takes for the model when nothing names one.
    QStringList defaultClasses(const QString& model, const QString& bac, const QString& qc) const
    {
        const QChar family = model.front();
        if (family == u'1')
            return {"B", "CSH", "CSP"};
        // plastic parts count as lower quality where a table has no plastic level
        if (family == u'2' || family == u'3')
            return {"JANTX", "LOWER"};
        if (family == u'4')
            return qc == u"4Q3"   ? QStringList{"M", "MIL"}
                   : qc == u"4Q4" ? QStringList{"R", "L"}
                   : qc == u"4Q7" ? QStringList{"MIL"}
                   : (qc == u"4Q8" || qc == u"4Q11") ? QStringList{"S", "MIL"}
                                                      : QStringList{"R", "MIL"};
        const QString bac2 = bac.left(2);
        if (bac2 == u"53" || bac2 == u"55")
            return {"R", "P", "U", "M", "L", "MIL"};
        return {"MIL"};
    }
    // Every table the record names exists and holds what the code looks up in it.
    void checkTables(const QString& model, const QString& bac, const QString& rec)
    {
        const QString ec = GetParam(rec, QStringLiteral("Ec"));
        if (!ec.isEmpty()) {
            const QString envs = table(ec);
            EXPECT_FALSE(envs.isEmpty()) << txt(model) << " names the missing table " << txt(ec);
            for (const QString& e : Environments)
                EXPECT_GT(readLeadingNumber(GetParam(envs, e)), 0) << txt(ec) << " lacks " << txt(e);
        }
        const QString qc = GetParam(rec, QStringLiteral("Qc"));
        if (qc.isEmpty())
            return;
        const QString classes = table(qc).toUpper();
        EXPECT_FALSE(classes.isEmpty()) << txt(model) << " names the missing table " << txt(qc);
        if (!GetParam(rec, QStringLiteral("Pq")).isEmpty())
            return;
        for (const QString& c : defaultClasses(model, bac, qc))
            EXPECT_GT(readLeadingNumber(GetParam(classes, c)), 0)
                << txt(qc) << " lacks the default class " << txt(c) << " of " << txt(model);
    }
};

// Names the families recognise by text, found in the calculation's source: string
// literals that begin with a family digit and a letter; those passed to startsWith
// are prefixes. Quality-table keys (4Q3, 4Q11) are no model names.
TEST_F(Records, EveryModelNameTheCodeRecognisesHasItsRecord)
{
    const QString src = calculationSource();
    const std::set<QString> prefixes = matches(src, QStringLiteral("startsWith\\(u\"([1-5][A-Z0-9]*)\"\\)"));
    std::set<QString> names = matches(src, QStringLiteral("u\"([1-5][A-Z][A-Z0-9]+)\""));
    for (const QString& n : matches(src, QStringLiteral("QStringLiteral\\(\"([1-5][A-Z][A-Z0-9]+)\"\\)")))
        names.insert(n);
    const QStringList models = column(QStringLiteral("SELECT Bacm FROM MILFITNAME"));
    ASSERT_GT(names.size(), 20u) << "the scan of the source found too few model names";
    for (const QString& n : names) {
        if (prefixes.count(n) || QRegularExpression(QStringLiteral("^[1-5]Q\\d+$")).match(n).hasMatch())
            continue;
        const QString rec = fit(n);
        EXPECT_FALSE(rec.isEmpty()) << "no MILFITNAME record for " << txt(n);
        for (const QString& key : keysRead(n, QString(), rec))
            EXPECT_FALSE(GetParam(rec, key).isEmpty()) << txt(n) << " lacks " << txt(key);
        checkTables(n, QString(), rec);
    }
    for (const QString& prefix : prefixes) {
        if (prefix.size() < 2)
            continue;
        EXPECT_TRUE(std::any_of(models.begin(), models.end(), [&](const QString& m) { return m.startsWith(prefix); }))
            << "no model record begins with " << txt(prefix);
    }
}

// Every model that a class of the failure-rate list names has its record with the
// keys its family reads for that class, and the tables it names.
TEST_F(Records, EveryModelOfTheFailureRateListHasItsKeysAndTables)
{
    Snapshot s = db().snapshot(QStringLiteral("SELECT DISTINCT BacTec, Bacm FROM ARMILQRM WHERE Bacm <> ''"));
    ASSERT_GT(s.recordCount(), 50);
    for (s.moveFirst(); !s.eof(); s.moveNext()) {
        const QString bac = s.text(0).left(4);
        for (const QString& model : s.text(1).toUpper().split(u'/')) {
            const QString rec = fit(model);
            ASSERT_FALSE(rec.isEmpty()) << txt(s.text(0)) << " names the model " << txt(model) << " without record";
            for (const QString& key : keysRead(model, bac, rec))
                EXPECT_FALSE(GetParam(rec, key).isEmpty()) << txt(model) << " of " << txt(bac) << " lacks " << txt(key);
            checkTables(model, bac, rec);
        }
    }
}

// The parameter listing shows the environment of the run by the rows "Env" +
// code + language digit.
TEST_F(Records, EveryEnvironmentHasItsTextInBothLanguages)
{
    for (const QString& e : Environments + QStringList{"Cl"})
        for (const char* lang : {"1", "2"})
            EXPECT_FALSE(table(QStringLiteral("Env") + e + QLatin1String(lang)).trimmed().isEmpty()) << txt(e) << lang;
}

// Codes written as ",Err=" or ",Warn=" anywhere in the program, and the codes of
// the run and the component file that the listings must name as well.
TEST_F(Records, EveryCodeTheProgramWritesHasTextsInBothLanguages)
{
    const QString src = programSource();
    std::set<QString> codes;
    for (const QString& call : matches(src, QStringLiteral("append(?:Err|Warn)\\(([^;]*)\\);")))
        for (const QString& c : matches(call, QStringLiteral("QStringLiteral\\(\"([A-Za-z0-9]+)\"\\)")))
            codes.insert(c);
    for (const QString& c : matches(src, QStringLiteral("(?:Err|Warn)=([A-Z][A-Za-z0-9]+)")))
        codes.insert(c);
    for (const QString& c : matches(src, QStringLiteral("Code = QStringLiteral\\(\"([A-Za-z0-9]+)\"\\)")))
        codes.insert(c);
    // warnings handed to the stress-ratio step of the norm model
    for (const QString& c : matches(src, QStringLiteral("QStringLiteral\\(\"([A-Za-z0-9]+)\"\\), record,")))
        codes.insert(c);
    ASSERT_GT(codes.size(), 30u) << "the scan of the source found too few codes";
    for (const char* c : {"Bac", "Bt", "Btd", "FehlerYk", "Stand"})
        codes.insert(QLatin1String(c));
    for (const QString& code : codes) {
        const Snapshot s = db().snapshot(QStringLiteral("SELECT M1, M2 FROM ERWA WHERE Fecode = ?"), {code});
        ASSERT_EQ(s.recordCount(), 1) << "no ERWA row for " << txt(code);
        EXPECT_FALSE(s.text(0).trimmed().isEmpty()) << txt(code);
        EXPECT_FALSE(s.text(1).trimmed().isEmpty()) << txt(code);
        EXPECT_NE(s.text(0), s.text(1)) << txt(code) << " has the same text in both languages";
    }
}

TEST_F(Records, EveryAbbreviationOfTheIniListsHasItsText)
{
    const QString ini = distFile(QStringLiteral("System/tarn.ini"));
    int count = 0;
    for (const char* list : {"Bebez", "Bedat", "Zubedat", "Qslkopf", "Qslstress", "MilParam", "InfoParam", "QslParam",
                             "SonderParam"}) {
        const QString items = GetProfileStr(QStringLiteral("abbreviations"), QLatin1String(list), 512, ini);
        ASSERT_NE(items, QStringLiteral("leer")) << list;
        for (const QString& item : items.split(u',', Qt::SkipEmptyParts)) {
            const QString abk = item.section(u'=', 0, 0).trimmed();
            const Snapshot s = db().snapshot(QStringLiteral("SELECT Z0D, Z0E FROM AbkTxt WHERE Abk = ?"), {abk});
            ++count;
            ASSERT_EQ(s.recordCount(), 1) << "no AbkTxt row for " << txt(abk) << " of " << list;
            EXPECT_FALSE(s.text(0).isEmpty()) << txt(abk);
            EXPECT_FALSE(s.text(1).isEmpty()) << txt(abk);
        }
    }
    EXPECT_GT(count, 60);
}

// The value-input dialog reads the record by field position: 1/2 title, 3..6 the
// help lines, 7 the unit.
TEST_F(Records, AbbreviationFieldsStandWhereTheDialogReadsThem)
{
    Snapshot s = db().snapshot(QStringLiteral("SELECT * FROM AbkTxt WHERE Abk = ?"), {QStringLiteral("Umax")});
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_EQ(txt(s.text(1)), "Grenzspannung");
    EXPECT_EQ(txt(s.text(2)), "Maximum voltage");
    EXPECT_EQ(txt(s.text(7)), "V");
}

// Every data code of the list has its norm record, and every composed record the
// norm model builds a key for exists.
TEST_F(Records, EveryDataCodeHasItsNormRecord)
{
    QStringList codes = column(QStringLiteral("SELECT DISTINCT Dcode FROM ARMILQRM WHERE Dcode <> ''"));
    codes << QStringList{"530R1", "530R2", "540R1", "540R2", "530T1", "530T2", "580T1", "580T2"};
    for (const char* g : {"53", "54", "58", "59"})
        for (const char* family : {"IE", "YK"})
            codes << QLatin1String(g) + u'E' + QLatin1String(family);
    for (const QString& c : codes)
        EXPECT_FALSE(field(QStringLiteral("SELECT Daten FROM SINDAT WHERE Dcode = ?"), {c}).isEmpty())
            << "no SINDAT record " << txt(c);
}

// The component entry reads the data code as a number: a positive one marks a
// class with norm data.
TEST_F(Records, DataCodesOfTheListAreNumbers)
{
    for (const QString& c : column(QStringLiteral("SELECT DISTINCT Dcode FROM ARMILQRM WHERE Dcode <> ''")))
        EXPECT_GT(readLeadingNumber(c), 0) << txt(c);
}

// Names and rates describe the same classes: every row has a name, and every name
// belongs to a row of the list.
TEST_F(Records, NamesAndFailureRateRowsMatch)
{
    const QStringList rowKeys = column(QStringLiteral("SELECT DISTINCT BacTec FROM ARMILQRM"));
    const QStringList nameKeys = column(QStringLiteral("SELECT BacTec FROM SINNAME"));
    for (const QString& row : rowKeys) {
        const QString bac = row.left(4);
        const QString expected = row.left(7);
        // groups whose name key leaves out technology characters
        const bool shared = bac.startsWith(u"37") || bac.startsWith(u"53") || bac.startsWith(u"54") ||
                            bac.startsWith(u"58");
        const bool named = shared ? std::any_of(nameKeys.begin(), nameKeys.end(),
                                                [&](const QString& k) { return k.left(4) == bac; })
                                  : nameKeys.contains(expected);
        EXPECT_TRUE(named) << "no name for the row " << txt(row);
    }
    for (const QString& key : nameKeys) {
        const QString bac = key.left(4);
        EXPECT_TRUE(std::any_of(rowKeys.begin(), rowKeys.end(), [&](const QString& r) { return r.left(4) == bac; }))
            << "the name " << txt(key) << " has no class in the list";
    }
}

} // namespace

namespace {

// The classes offered by the class chapter "hg" of the menu file "btx\bac": the
// item codes along each path of submenus, filled to four characters with "0" as
// the component entry does. Empty when the language directory has no such file.
QStringList menuClasses(const QString& language)
{
    const QString path = distFile(language + QStringLiteral("/btx/bac.pop"));
    if (!QFile::exists(path))
        return {};
    QMap<QString, QStringList> chapters; // chapter -> item lines
    QString current;
    for (const QString& line : fromAnsi(testutil::readFile(path)).split(u'\n')) {
        const QString l = line.trimmed();
        if (l.startsWith(u'@'))
            current = l.mid(1).trimmed();
        else if (l.startsWith(u'A') && !current.isEmpty())
            chapters[current] << l.mid(1);
    }
    QStringList classes;
    std::function<void(const QString&, const QString&)> walk = [&](const QString& chapter, const QString& prefix) {
        for (const QString& item : chapters.value(chapter)) {
            const QString code = item.section(u' ', 0, 0);
            const QString code4 = (prefix + code).leftJustified(4, u'0', true);
            if (item.contains(QStringLiteral("§>")))
                walk(chapter == u"hg" ? code : chapter + code, prefix + code);
            else
                classes << code4;
        }
    };
    walk(QStringLiteral("hg"), QString());
    return classes;
}

TEST_F(Records, EveryClassOfTheClassMenuHasRatesAndANameInBothLanguages)
{
    bool any = false;
    for (const QString& language : {QStringLiteral("dd"), QStringLiteral("de")}) {
        for (const QString& bac : menuClasses(language)) {
            any = true;
            EXPECT_FALSE(column(QStringLiteral("SELECT BacTec FROM ARMILQRM WHERE BacTec LIKE ?"), {bac + u'%'})
                             .isEmpty())
                << "class " << txt(bac) << " of the " << txt(language) << " class menu has no failure-rate row";
            EXPECT_FALSE(column(QStringLiteral("SELECT BacTec FROM SINNAME WHERE BacTec LIKE ?"), {bac + u'%'})
                             .isEmpty())
                << "class " << txt(bac) << " of the " << txt(language) << " class menu has no name";
        }
    }
    EXPECT_TRUE(any) << "the installation has no class menu";
}

} // namespace
