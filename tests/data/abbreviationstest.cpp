#include "common/testutil.h"
#include "frame/codepage.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// The component editor offers the keys of the lists "Bebez", "Bedat" and
// "Zubedat" of tarn.ini's section "abbreviations" with their texts from table
// AbkTxt, and marks those of "InfoParam", "SonderParam" and "MilParam": every
// such key needs its row, with a German and an English text.
namespace {

TEST(Abbreviations, EveryKeyOfTheEditorListsHasItsTextInBothLanguages)
{
    const QString ini = fromAnsi(testutil::readFile(testutil::sourceDir() + QStringLiteral("/data/install/System/tarn.ini")));
    const qsizetype start = ini.indexOf(QStringLiteral("[abbreviations]"));
    ASSERT_GE(start, 0);
    QString section = ini.mid(start + 15);
    section.remove(u'\r');
    if (const qsizetype end = section.indexOf(QStringLiteral("\n[")); end >= 0)
        section.truncate(end);
    const QString sql = QString::fromUtf8(testutil::readFile(testutil::sourceDir() + QStringLiteral("/data/system/70-abktxt.sql")));
    const QRegularExpression row(QStringLiteral(R"(\('([^']*)',\s*'([^']*)',\s*'([^']*)')"));
    QHash<QString, std::pair<QString, QString>> texts;
    for (auto m = row.globalMatch(sql); m.hasNext();) {
        const auto r = m.next();
        texts.insert(r.captured(1), {r.captured(2), r.captured(3)});
    }
    int keys = 0;
    for (const QString& line : section.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        const QString list = line.left(eq).trimmed();
        if (eq < 0 || !QStringList{"Bebez", "Bedat", "Zubedat", "InfoParam", "SonderParam", "MilParam"}.contains(list))
            continue;
        for (const QString& item : line.mid(eq + 1).trimmed().split(u',')) {
            const QString key = item.section(u'=', 0, 0);
            ++keys;
            ASSERT_TRUE(texts.contains(key)) << list.toStdString() << ": " << key.toStdString() << " has no AbkTxt row";
            EXPECT_FALSE(texts[key].first.isEmpty()) << key.toStdString();
            EXPECT_FALSE(texts[key].second.isEmpty()) << key.toStdString();
        }
    }
    EXPECT_GT(keys, 40);
}

} // namespace
