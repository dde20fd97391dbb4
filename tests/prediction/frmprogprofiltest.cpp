#include "common/testutil.h"
#include "prediction/frmprogprofil.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

Question profileQuestion(const QString& key, const QString& caption)
{
    Question q;
    q.kind = QuestionKind::Profile;
    q.key = key;
    q.choices = {QStringLiteral("Standard"), QStringLiteral("Baugruppe Netzteil")};
    q.params = ProfileParams{caption, QStringLiteral("OK"), QStringLiteral("Abbrechen"), QString(), false, 0};
    return q;
}

// Enter on a profile list picks the name the user pointed at; when deleting,
// Enter without a deliberate choice is a cancel, never a delete of "Standard".
TEST(ProfileWindow, EnterPicksForARunButCancelsADelete)
{
    testutil::ScriptedProgram sp;
    {
        frmProgProfil w(profileQuestion(QStringLiteral("delete"), QStringLiteral("Prognoseprofil zum Löschen angeben")),
                        nullptr);
        w.show();
        w.Namenlst->setFocus();
        QTest::keyClick(w.Namenlst, Qt::Key_Return);
        EXPECT_TRUE(w.result().cancelled);
    }
    {
        frmProgProfil w(profileQuestion(QStringLiteral("select"), QStringLiteral("Prognoseprofil für den Lauf angeben")),
                        nullptr);
        w.show();
        w.Namenlst->setFocus();
        w.Namenlst->setCurrentRow(1);
        QTest::keyClick(w.Namenlst, Qt::Key_Return);
        EXPECT_FALSE(w.result().cancelled);
        EXPECT_EQ(w.result().text, QStringLiteral("Baugruppe Netzteil"));
    }
}

// Delete and select differ at a glance: the whole caption stands in the window,
// and the window is wide enough for it in the title bar.
TEST(ProfileWindow, CaptionIsShownWhole)
{
    testutil::ScriptedProgram sp;
    const QString caption = QStringLiteral("Prognoseprofil zum Löschen angeben");
    frmProgProfil w(profileQuestion(QStringLiteral("delete"), caption), nullptr);
    w.show();
    auto* heading = w.findChild<QLabel*>(QStringLiteral("heading"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), caption);
    EXPECT_TRUE(heading->isVisible());
    EXPECT_GE(w.width(), QFontMetrics(w.font()).horizontalAdvance(caption));
    EXPECT_LE(w.width(), 1366);
}

// The close box is the cancel button, whatever the window is for: closing it
// never runs, stores or deletes the profile that happens to be marked.
TEST(ProfileWindow, CloseBoxCancels)
{
    testutil::ScriptedProgram sp;
    for (const char* key : {"delete", "select", "save"}) {
        Question q = profileQuestion(QString::fromLatin1(key), QStringLiteral("Prognoseprofil"));
        std::get<ProfileParams>(q.params).editable = QLatin1String(key) == QLatin1String("save");
        frmProgProfil w(q, nullptr);
        w.show();
        if (w.Namenlst)
            w.Namenlst->setCurrentRow(0);
        else
            w.Namencbo->setEditText(QStringLiteral("Standard"));
        w.close();
        EXPECT_TRUE(w.result().cancelled) << key;
        EXPECT_FALSE(w.isVisible()) << key;
    }
}

} // namespace
