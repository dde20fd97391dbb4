#include "common/testutil.h"
#include "dialogue/dia.h"
#include "dialogue/frmdia.h"
#include "dialogue/oemtext.h"
#include "dialogue/textpage.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

// The help pages of the installation as the user reads them: the window title
// and one line of the page, written out here by hand in both languages. A page
// whose lines are not records of the engine (a type character in front, a flag
// character behind) loses its first and last character on screen.
struct HelpRow {
    const char* name;
    const char* lang; // language directory
    const char* file;
    const char* title;
    const char* line;
};

class HelpPage : public ::testing::TestWithParam<HelpRow> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString lang = QString::fromLatin1(GetParam().lang);
        ASSERT_TRUE(copyTree(sourceDir() + QStringLiteral("/data/install/") + lang, dir.filePath(lang)));
        QDir(dir.path()).mkpath(QStringLiteral("tp1"));
        QDir::setCurrent(dir.path());
        Program& p = sp.program();
        p.LangNr = lang == QLatin1String("de") ? 2 : 1;
        p.LangDir = lang + u'\\';
        p.Cf = QStringLiteral("Tp1=tp1");
    }
    QTemporaryDir dir;
    ScriptedProgram sp;
};

TEST_P(HelpPage, ShowsItsTitleAndWholeLines)
{
    const HelpRow& row = GetParam();
    QStringList shown;
    QString title;
    sp.ui().expect(QuestionKind::TextPage, QString::fromLatin1(row.file), [&](const Question& q) {
        const TextPage* page = textPageOf(q);
        title = screenText(page->caption);
        for (const DrawnText& t : page->texts)
            shown << screenText(t.text);
        return Answer::word(QString());
    });
    QString ret;
    frmDia::BTX(QString::fromLatin1(row.lang) + u'\\' + QString::fromLatin1(row.file), QString(), 0, ret);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(title, QString::fromUtf8(row.title));
    EXPECT_TRUE(shown.contains(QString::fromUtf8(row.line))) << shown.join(QStringLiteral(" / ")).toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(row.title))) << "the title also heads the page";
}

INSTANTIATE_TEST_SUITE_P(
    Installation, HelpPage,
    ::testing::Values(
        HelpRow{"envmgGerman", "dd", "btx\\envmg.txt", "Umgebungen nach MIL-HDBK-217F",
                "Gb  Ground, Benign: ortsfest, klimatisiert, leicht zugänglich"},
        HelpRow{"envmgEnglish", "de", "btx\\envmg.txt", "Environments to MIL-HDBK-217F",
                "Gb  Ground, Benign: stationary, air-conditioned, easy to reach"},
        HelpRow{"envsnGerman", "dd", "btx\\envsn.txt", "Umgebungen nach YK 70412", "Gb     ortsfest, geschützt"},
        HelpRow{"envsnEnglish", "de", "btx\\envsn.txt", "Environments to YK 70412", "Gb     stationary, protected"},
        HelpRow{"qklmGerman", "dd", "btx\\qklm.txt", "Qualität nach MIL-HDBK-217F",
                "Qualitätsklassen: eine Klasse je Bauelemente-Familie,"},
        HelpRow{"qklmEnglish", "de", "btx\\qklm.txt", "Quality to MIL-HDBK-217F",
                "Quality classes: one class per device family,"},
        HelpRow{"driftGerman", "dd", "btx\\drift.txt", "Einfluß der Drift",
                "Drift: die langsame Änderung eines Kennwerts des Bauelements"},
        HelpRow{"driftEnglish", "de", "btx\\drift.txt", "Influence of drift",
                "Drift: the slow change of a characteristic of the component"},
        HelpRow{"asicGerman", "dd", "btx1\\asic.txt", "ASIC: Bereich der Ausfallrate",
                "Nutzt ein ASIC nur einen Teil seiner Gatter, kann der"},
        HelpRow{"asicEnglish", "de", "btx1\\asic.txt", "ASIC: range of the failure rate",
                "When an ASIC uses only part of its gates, the range of"},
        HelpRow{"kom211German", "dd", "btx1\\kom211.txt", "Komplexität integrierter Schaltungen",
                "Die Komplexität K1 ist die Zahl der Gatter der Schaltung."},
        HelpRow{"kom211English", "de", "btx1\\kom211.txt", "Complexity of microcircuits",
                "The complexity K1 is the number of gates of the circuit."}),
    [](const auto& i) { return std::string(i.param.name); });

// On the screen the page's text lies inside the window: the window is as wide
// as the longest line of every shipped page, with the scroll bar beside it.
TEST(HelpPageWindow, LinesLieInsideTheWindow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(copyTree(sourceDir() + QStringLiteral("/data/install/dd"), dir.filePath(QStringLiteral("dd"))));
    QDir(dir.path()).mkpath(QStringLiteral("tp1"));
    QDir::setCurrent(dir.path());
    ScriptedProgram sp;
    sp.program().LangDir = QStringLiteral("dd\\");
    sp.program().Cf = QStringLiteral("Tp1=tp1");
    int checked = 0;
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\envmg.txt"), [&](const Question& q) {
        TextPage* page = textPageOf(q);
        frmDiaWindow w;
        w.start(*page);
        for (int i = 0; i < page->texts.size(); ++i) {
            const QRect ink = w.drawnTextInk(i);
            if (ink.isEmpty())
                continue;
            ++checked;
            EXPECT_TRUE(w.rect().contains(ink)) << "text " << i << " at " << ink.x() << "," << ink.y();
        }
        w.hide();
        return Answer::word(QString());
    });
    QString ret;
    frmDia::BTX(QStringLiteral("dd\\btx\\envmg.txt"), QString(), 0, ret);
    EXPECT_GT(checked, 3);
}

} // namespace
