#include "common/testutil.h"
#include "dialogue/chapterfile.h"
#include "dialogue/dia.h"
#include "dialogue/menufile.h"
#include "frame/textlib.h"
#include "frame/paramstring.h"
#include "frame/inifile.h"
#include "report/bewertung.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// Proves the manifests of tests/data/manifest against the installation data in
// data/install, in both language directories.
namespace {

struct Item {
    QString origin; // manifest file and line, for messages
    QString kind;   // "dia" or "txt"
    QString file;
    QString chapter;
    QString screen; // "input" or "keychoice"
    QMap<QString, QString> wants;
};

[[maybe_unused]] void PrintTo(const Item& i, std::ostream* os) { *os << i.origin.toStdString(); }

std::vector<Item> readManifests()
{
    std::vector<Item> items;
    const QDir dir(testutil::sourceDir() + QStringLiteral("/tests/data/manifest"));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (name == QLatin1String("README.txt"))
            continue;
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        int lineNo = 0;
        while (!f.atEnd()) {
            ++lineNo;
            const QString line = QString::fromUtf8(f.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
            Item it;
            it.origin = QStringLiteral("%1:%2").arg(name).arg(lineNo);
            it.kind = parts.value(0);
            it.file = parts.value(1);
            int next = 2;
            if (it.kind == QLatin1String("dia")) {
                it.chapter = parts.value(2);
                it.screen = parts.value(3);
                next = 4;
            } else if (it.kind == QLatin1String("pop")) {
                it.chapter = parts.value(2);
                next = 3;
            }
            for (int i = next; i < parts.size(); ++i) {
                const qsizetype eq = parts[i].indexOf(u'=');
                it.wants.insert(parts[i].left(eq), parts[i].mid(eq + 1));
            }
            items.push_back(it);
        }
    }
    return items;
}

struct Case {
    Item item;
    QString lang;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.item.origin.toStdString() << " " << c.lang.toStdString(); }

std::vector<Case> allCases()
{
    std::vector<Case> out;
    for (const Item& i : readManifests())
        for (const char* lang : {"dd", "de"})
            out.push_back({i, QString::fromLatin1(lang)});
    return out;
}

class InstallationData : public ::testing::TestWithParam<Case> {};

// Walks a menu chapter and every submenu it reaches: each chapter exists, keeps
// to 30 rows with all five standard rows, and every item has a code of at most
// four characters without two adjacent blanks. Collects the code paths of the
// items that end a choice.
void walkMenu(const QString& file, const QString& kap, const QString& path, QStringList& leaves, int depth)
{
    ASSERT_LT(depth, 8) << "submenus nest in a loop at " << kap.toStdString();
    const MenuChapter c = readMenuChapter(file, kap);
    ASSERT_TRUE(c.found) << "chapter " << kap.toStdString() << " (reached by " << path.toStdString() << ")";
    const MenuRows rows = buildMenuRows(c.lines, {7, QStringLiteral("&H"), QStringLiteral("&B"), QStringLiteral("&C")});
    EXPECT_LE(rows.last(), 30) << "chapter " << kap.toStdString();
    EXPECT_FALSE(rows.rows.size() < 2 || rows.rows[1].text.isEmpty()) << "chapter " << kap.toStdString() << " has no title";
    for (const QString& raw : c.lines) {
        const MenuLine l = splitMenuLine(raw);
        if (l.kind != u'A')
            continue;
        EXPECT_FALSE(l.code.isEmpty()) << raw.toStdString();
        EXPECT_FALSE(l.code.contains(QLatin1String("  "))) << raw.toStdString();
    }
    for (const MenuRow& r : rows.rows) {
        if (r.state != QString() || r.hotKey.isEmpty() || r.text.startsWith(u'&'))
            continue;
        const QString code = menuRowCode(r.text);
        if (r.submenu.isEmpty()) {
            leaves << path + code;
            continue;
        }
        const QString sub = r.submenu != QLatin1String(">") ? r.submenu
                            : kap == QLatin1String("hg") ? code
                                                          : kap + code;
        walkMenu(file, sub, path + code, leaves, depth + 1);
    }
}

void checkMenu(const QString& fileName, const Item& it, const QString& lang)
{
    QStringList leaves;
    walkMenu(fileName, it.chapter, QString(), leaves, 0);
    EXPECT_FALSE(leaves.isEmpty()) << "nothing to choose in " << it.chapter.toStdString();
    for (const QString& code : it.wants.value(QStringLiteral("codes")).split(u',', Qt::SkipEmptyParts))
        EXPECT_TRUE(leaves.contains(code)) << "no item " << code.toStdString() << " in " << lang.toStdString();
    if (it.wants.contains(QStringLiteral("classes"))) {
        // Class codes: four digits, whose group is configured (class-group key of "vg").
        const QString vg = QString::fromLatin1(
            testutil::readFile(testutil::sourceDir() + QStringLiteral("/data/install/System/vg")));
        for (const QString& code : leaves) {
            EXPECT_TRUE(code.size() == 4 && code.toInt() > 0) << code.toStdString();
            EXPECT_TRUE(vg.contains(u',' + code.left(2) + QStringLiteral("G=")))
                << "group of " << code.toStdString() << " missing in vg";
        }
    }
}

TEST_P(InstallationData, ItemExistsAndParses)
{
    const Item& it = GetParam().item;
    const QString root = testutil::sourceDir() + QStringLiteral("/data/install/") + GetParam().lang + u'/';
    const QString path = root + QString(it.file).replace(u'\\', u'/');

    // OEM text files: CR LF line ends throughout.
    const QString fileName = it.kind == QLatin1String("dia")   ? path + QStringLiteral(".dia")
                             : it.kind == QLatin1String("pop") ? path + QStringLiteral(".pop")
                                                               : path;
    const QByteArray bytes = testutil::readFile(fileName);
    ASSERT_FALSE(bytes.isEmpty()) << fileName.toStdString() << " is missing or empty";
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;
        }

    if (it.kind == QLatin1String("pop")) {
        checkMenu(fileName, it, GetParam().lang);
        return;
    }
    if (it.kind == QLatin1String("txt")) {
        ASSERT_TRUE(readOemLines(fileName).has_value());
        return;
    }
    ASSERT_EQ(it.kind, QStringLiteral("dia"));
    ASSERT_EQ(readChapter(fileName, it.chapter).status, ChapterStatus::Found) << "chapter " << it.chapter.toStdString();

    std::optional<DiaScreen> s;
    if (it.screen == QLatin1String("input")) {
        ASSERT_NO_THROW(s = loadInputScreen(path, it.chapter));
    } else {
        ASSERT_EQ(it.screen, QStringLiteral("keychoice"));
        s = loadKeyChoiceScreen(path, it.chapter);
    }
    ASSERT_TRUE(s.has_value());
    EXPECT_FALSE(s->caption.isEmpty()) << "the chapter gives its screen no title";
    for (const QChar k : it.wants.value(QStringLiteral("keys")))
        EXPECT_TRUE(s->keyString.contains(k)) << "key " << QString(k).toStdString();
    for (const QChar d : it.wants.value(QStringLiteral("fields")))
        EXPECT_GE(s->fieldOfIndex(d.digitValue()), 0) << "entry field " << QString(d).toStdString();
    for (const QChar k : it.wants.value(QStringLiteral("toggles")))
        EXPECT_NE(s->toggleOfKey(k), nullptr) << "toggle " << QString(k).toStdString();
    const QString tags = it.wants.value(QStringLiteral("tags"));
    for (const QString& tag : tags.split(u',', Qt::SkipEmptyParts))
        EXPECT_GE(s->buttonIndex(tag), 0) << "button " << tag.toStdString();
    // Every screen must be answerable: by a key, a field, a toggle or a button.
    EXPECT_TRUE(!s->keyString.isEmpty() || !s->actions.isEmpty() || !s->fields.isEmpty() || !s->toggles.isEmpty() ||
                !s->buttons.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Manifest, InstallationData, ::testing::ValuesIn(allCases()), [](const auto& i) {
    QString n = i.param.item.origin + u'_' + i.param.lang;
    for (QChar& c : n)
        if (!c.isLetterOrNumber())
            c = u'_';
    return n.toStdString();
});

// The System data of the report's evaluation and feedback form.
TEST(InstallationSystemData, EvaluationAndFeedbackFormData)
{
    const QString system = testutil::sourceDir() + QStringLiteral("/data/install/System/");
    const QString ini = system + QStringLiteral("tarn.ini");
    const QString resbs2pro = GetProfileStr(QStringLiteral("fewe"), QStringLiteral("Resbs2pro"), 128, ini);
    EXPECT_TRUE(resbs2pro == QLatin1String("True") || resbs2pro == QLatin1String("False")) << resbs2pro.toStdString();

    const QStringList keys = GetProfileStr(QStringLiteral("qrmadr"), std::nullopt, 1024, ini)
                                 .split(QChar(0), Qt::SkipEmptyParts);
    EXPECT_EQ(keys, QStringList({QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3")}));
    for (const QString& k : keys)
        EXPECT_NE(GetProfileStr(QStringLiteral("qrmadr"), k, 128, ini), QStringLiteral("leer"));

    // Named classes with a range each, in rising order without gaps.
    const std::vector<BewKlasse> classes =
        readClasses(QString::fromLatin1(testutil::readFile(system + QStringLiteral("bew.an"))));
    ASSERT_GE(classes.size(), 2u);
    for (size_t i = 0; i < classes.size(); ++i) {
        EXPECT_FALSE(classes[i].name.isEmpty());
        EXPECT_LT(classes[i].low, classes[i].high) << classes[i].name.toStdString();
        if (i > 0) {
            EXPECT_EQ(classes[i].low, classes[i - 1].high) << classes[i].name.toStdString();
        }
    }
}

TEST(InstallationDataManifest, IsNotEmpty)
{
    EXPECT_FALSE(readManifests().empty());
}

} // namespace
