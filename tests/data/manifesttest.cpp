#include "common/testutil.h"
#include "dialogue/chapterfile.h"
#include "dialogue/dia.h"
#include "frame/paramstring.h"

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

void PrintTo(const Item& i, std::ostream* os) { *os << i.origin.toStdString(); }

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

TEST_P(InstallationData, ItemExistsAndParses)
{
    const Item& it = GetParam().item;
    const QString root = testutil::sourceDir() + QStringLiteral("/data/install/") + GetParam().lang + u'/';
    const QString path = root + QString(it.file).replace(u'\\', u'/');

    // OEM text files: CR LF line ends throughout.
    const QString fileName = it.kind == QLatin1String("dia") ? path + QStringLiteral(".dia") : path;
    const QByteArray bytes = testutil::readFile(fileName);
    ASSERT_FALSE(bytes.isEmpty()) << fileName.toStdString() << " is missing or empty";
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n')
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;

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

TEST(InstallationDataManifest, IsNotEmpty)
{
    EXPECT_FALSE(readManifests().empty());
}

} // namespace
