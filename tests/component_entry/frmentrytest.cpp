#include "dialogue/frmbeprogein.h"
#include "common/widgets/windowtest.h"
#include "dialogue/frmdia.h"
#include "entrytestutil.h"
#include "frame/frmedit.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace {

// The label of the menu row whose caption begins with caption.
QLabel* menuRow(frmBEProgEinWindow* w, const QString& caption)
{
    const auto& rows = frmBEProgEin::state().Menu;
    for (int i = 3; i < int(rows.size()); ++i)
        if (rows[i].caption.trimmed().startsWith(caption))
            return w->menuLabel(i);
    return nullptr;
}

QStringList panelRows(frmBEProgEinWindow* w)
{
    QStringList rows;
    QTableWidget* t = w->panel(1);
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 0) && !t->item(r, 0)->text().isEmpty())
            rows << t->item(r, 0)->text();
    return rows;
}

class EntryWindows : public etest::EntryTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        // The installation's own language directory, with its own class tree.
        const QString lang = QString::fromLatin1(GetParam());
        QDir(d.dir.filePath(lang)).removeRecursively();
        ASSERT_TRUE(testutil::copyTree(testutil::sourceDir() + QStringLiteral("/data/install/") + lang,
                                       d.dir.filePath(lang)));
        prog().LangDir = lang + u'\\';
        prog().LangNr = lang == QLatin1String("de") ? 2 : 1;
        registerSelectionMenuWindows(qt);
        registerDialogueWindows(qt);
        registerEditWindow(qt);
        sp.program().ui = &qt;
    }
    void TearDown() override { frmBEProgEin::Unload(); }

    // One action per waiting question, in order: each waits for a new question
    // with its key and then acts on the window.
    struct Step {
        QString key;
        std::function<void()> act;
    };
    void drive(std::vector<Step> steps)
    {
        mSteps = std::move(steps);
        mNext = 0;
        mSeen = 0;
        auto* timer = new QTimer(&mOwner);
        QObject::connect(timer, &QTimer::timeout, [this, timer] {
            if (mNext >= mSteps.size()) {
                timer->stop();
                return;
            }
            if (qt.asks == mSeen || !qt.current.startsWith(mSteps[mNext].key))
                return;
            mSeen = qt.asks;
            mSteps[mNext++].act();
        });
        timer->start(20);
    }
    bool allDriven() const { return mNext == mSteps.size(); }

    RecordingQt qt;
    QObject mOwner;
    std::vector<Step> mSteps;
    size_t mNext = 0;
    int mSeen = 0;
    QList<QStringList> panels;
};

TEST_P(EntryWindows, TransistorEnteredWithKeysAndClicks)
{
    const QString lang = QString::fromLatin1(GetParam());
    auto menuWindow = [] { return selectionMenuWindow(); };
    auto keys = [menuWindow](const QString& k) {
        return [menuWindow, k] {
            for (const QChar c : k)
                QTest::keyClick(menuWindow(), c.toLatin1());
        };
    };
    auto click = [this, menuWindow](const QString& caption) {
        return [this, menuWindow, caption] {
            panels << panelRows(menuWindow());
            QLabel* row = menuRow(menuWindow(), caption);
            if (!row) {
                QStringList texts;
                for (int i = 0; QLabel* l = menuWindow()->menuLabel(i); ++i)
                    texts << QString::number(i) + u':' + l->text() + (l->isVisible() ? u'+' : u'-');
                ADD_FAILURE() << caption.toStdString() << " not among " << texts.join(u'|').toStdString();
                return;
            }
            QTest::mouseClick(row, Qt::LeftButton);
        };
    };
    auto type = [this, menuWindow](const QString& text) {
        return [this, menuWindow, text] {
            panels << panelRows(menuWindow());
            frmDiaWindow* w = shownScreen();
            ASSERT_NE(w, nullptr);
            QTest::keyClicks(w->entryField(1), text);
            QTest::keyClick(w->entryField(1), Qt::Key_Return);
        };
    };
    drive({
        {QStringLiteral("btx\\bac#hg"),
         [keys, menuWindow, lang] {
             menuWindow()->grab().save(QStringLiteral("/tmp/entry-class-menu-%1.png").arg(lang));
             keys(QStringLiteral("2"))(); // discrete semiconductors
         }},
        // Each submenu level is a question of its own: transistors, small-signal.
        {QStringLiteral("btx\\bac#"), keys(QStringLiteral("1"))},
        {QStringLiteral("btx\\bac#"), keys(QStringLiteral("1"))},
        {QStringLiteral("btx\\tec#211"), [this, keys, menuWindow] {
             panels << panelRows(menuWindow());
             keys(QStringLiteral("1"))();
         }},
        {QStringLiteral("GECRTH#Art"), click(QStringLiteral("TO"))},
        {QStringLiteral("GECRTH#Gec"), click(QStringLiteral("TO92"))},
        {QStringLiteral("GECRTH#Pin"), click(QStringLiteral("3"))},
        {QStringLiteral("btx\\tsabrth#rth"),
         [type, lang] {
             if (frmDiaWindow* w = shownScreen())
                 w->grab().save(QStringLiteral("/tmp/entry-rth-screen-%1.png").arg(lang));
             type(QStringLiteral("120"))();
         }},
        {QStringLiteral("btx\\uif#ubmax"), type(QStringLiteral("30"))},
    });

    EXPECT_EQ(frmBEProgEin::RunEingabe(), QString());
    EXPECT_TRUE(allDriven()) << "waited at " << qt.current.toStdString();
    EXPECT_EQ(list(), QStringLiteral("Bac=2110,Tec=1002,Gec=TO92,Pin=3,Rte=120,Umax=30"));
    // Side panel 1 grows with every answer.
    ASSERT_EQ(panels.size(), 6);
    EXPECT_EQ(panels[0], QStringList{QStringLiteral("Bac=2110")});
    EXPECT_EQ(panels[1], (QStringList{QStringLiteral("Bac=2110"), QStringLiteral("Tec=1000")}));
    EXPECT_EQ(panels[4].mid(0, 4), (QStringList{QStringLiteral("Bac=2110"), QStringLiteral("Tec=1002"),
                                               QStringLiteral("Gec=TO92"), QStringLiteral("Pin=3")}));
    EXPECT_TRUE(panels[5].contains(QStringLiteral("Rte=120")));
}

// German and English installation data.
INSTANTIATE_TEST_SUITE_P(Languages, EntryWindows, ::testing::Values("dd", "de"));

} // namespace
