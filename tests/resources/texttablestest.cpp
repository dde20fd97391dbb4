#include "common/testutil.h"
#include "frame/restext.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

using namespace testutil;

namespace {

struct TableFile {
    const char* name;
    int firstId;
    int lastId;
};
const TableFile kFiles[] = {{"messages-de.txt", 2002, 2552},
                            {"messages-en.txt", 4002, 4552},
                            {"interface-de.txt", 3500, 3819},
                            {"interface-en.txt", 5500, 5819}};

QString resourcesDir() { return sourceDir() + QStringLiteral("/src/resources/"); }

// Ids of a table file; the test fails on any line that is not "id<TAB>text" in range.
std::set<int> idsOf(const TableFile& f)
{
    std::set<int> ids;
    const QByteArray bytes = readFile(resourcesDir() + QLatin1String(f.name));
    EXPECT_FALSE(bytes.isEmpty()) << f.name;
    int lineNo = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++lineNo;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        bool ok = false;
        const int id = tab > 0 ? line.left(tab).toInt(&ok) : 0;
        EXPECT_TRUE(ok) << f.name << ":" << lineNo << ": not \"id<TAB>text\"";
        EXPECT_FALSE(line.contains('\r')) << f.name << ":" << lineNo;
        if (!ok)
            continue;
        EXPECT_TRUE(id >= f.firstId && id <= f.lastId) << f.name << ":" << lineNo << ": id " << id << " out of range";
        EXPECT_TRUE(ids.insert(id).second) << f.name << ":" << lineNo << ": id " << id << " twice";
    }
    return ids;
}

TEST(TextTables, WellFormedAndCompiledIn)
{
    for (const TableFile& f : kFiles)
        for (int id : idsOf(f))
            EXPECT_TRUE(hasResourceText(id)) << "id " << id << " of " << f.name << " is not in the program";
}

TEST(TextTables, BothLanguagesHoldTheSameIds)
{
    for (int k : {0, 2}) {
        const std::set<int> de = idsOf(kFiles[k]);
        const std::set<int> en = idsOf(kFiles[k + 1]);
        for (int id : de) {
            // The English table has no tool tips 5792 to 5799 (German holds "-" there).
            if (id >= 3792 && id <= 3799)
                continue;
            EXPECT_TRUE(en.count(id + 2000)) << "German " << id << " has no English " << id + 2000;
        }
        for (int id : en)
            EXPECT_TRUE(de.count(id - 2000)) << "English " << id << " has no German " << id - 2000;
    }
}

TEST(TextTables, EveryTextExpands)
{
    // A "@[" or "@(" without its bracket, or a "@{id}" of a missing message, throws.
    ScriptedProgram sp;
    const QStringList args{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int language : {1, 2})
        for (int n = 2; n <= 1819; ++n) {
            const int id = n + language * 2000;
            if (!hasResourceText(id))
                continue;
            try {
                ExpandText(ResStr(0, n, language), args, language);
            } catch (const TarnError& e) {
                ADD_FAILURE() << "text " << id << ": " << e.message().toStdString();
            }
        }
}

TEST(TextTables, ToolTipReferencesExist)
{
    // A caption ending in "\k" shows tool tip 1770 + k; only the English tips 5792-5799 may be missing.
    ScriptedProgram sp;
    for (int language : {1, 2})
        for (int n = 1500; n <= 1769; ++n) {
            const int id = n + language * 2000;
            if (!hasResourceText(id))
                continue;
            const QString text = ResStr(0, n, language);
            const qsizetype slash = text.indexOf(u'\\', 1);
            if (slash < 0)
                continue;
            const QString digits = text.mid(slash + 1).trimmed();
            bool ok = false;
            const int k = digits.toInt(&ok);
            EXPECT_TRUE(ok) << "text " << id << " has no tool-tip number behind \\";
            if (ok) {
                EXPECT_TRUE(hasResourceText(1770 + k + language * 2000)) << "tool tip " << k << " of text " << id;
            }
        }
}

struct UsedId {
    QString kind;
    int number;
    int line;
};

std::vector<UsedId> manifest()
{
    std::vector<UsedId> used;
    const QByteArray bytes = readFile(sourceDir() + QStringLiteral("/tests/resources/usedids.txt"));
    EXPECT_FALSE(bytes.isEmpty());
    int lineNo = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        ++lineNo;
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        bool ok = false;
        const int n = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        EXPECT_TRUE(ok && (parts[0] == QLatin1String("msg") || parts[0] == QLatin1String("text")))
            << "usedids.txt:" << lineNo << ": " << line.toStdString();
        if (ok)
            used.push_back({parts[0], n, lineNo});
    }
    return used;
}

TEST(TextTables, EveryIdTheCodePassesExistsInBothLanguages)
{
    for (const UsedId& u : manifest()) {
        const bool message = u.kind == QLatin1String("msg");
        const int german = u.number + 2000;
        if (message)
            EXPECT_TRUE(german >= 2002 && german <= 2552) << "usedids.txt:" << u.line << ": not a message number";
        else
            EXPECT_TRUE(german >= 3500 && german <= 3819) << "usedids.txt:" << u.line << ": not an interface text";
        EXPECT_TRUE(hasResourceText(german)) << "usedids.txt:" << u.line << ": German " << german << " missing";
        EXPECT_TRUE(hasResourceText(german + 2000))
            << "usedids.txt:" << u.line << ": English " << german + 2000 << " missing";
    }
}

TEST(TextTables, MessageNumbersInTheSourcesAreInTheManifest)
{
    std::set<int> listed;
    for (const UsedId& u : manifest())
        if (u.kind == QLatin1String("msg"))
            listed.insert(u.number);
    const QRegularExpression call(
        QStringLiteral(R"((?:MsgBoxRes|ResText)\(\s*QStringLiteral\("\s*(\d+)\s*"\))"));
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString code = QString::fromUtf8(readFile(path));
        for (auto m = call.globalMatch(code); m.hasNext();) {
            const int n = m.next().captured(1).toInt();
            EXPECT_TRUE(listed.count(n)) << "message " << n << " used in " << path.toStdString()
                                         << " is not in tests/resources/usedids.txt";
        }
    }
}

} // namespace
