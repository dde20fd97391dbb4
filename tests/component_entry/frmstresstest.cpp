#include "component_entry/posstress.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
#include "component_file/dosfile.h"
#include "dialogue/frmbeprogein.h"
#include "common/widgets/windowtest.h"
#include "dialogue/frmdia.h"
#include "frame/qtinteraction.h"
#include "listingtestutil.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace {

// The stress command of the selection-menu window on a Q-list position, with the
// real windows, in the German and the English installation.
class StressWindows : public etest::ListingTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        ListingTest::SetUp();
        const QString lang = QString::fromLatin1(GetParam());
        QDir(d.dir.filePath(lang)).removeRecursively();
        ASSERT_TRUE(testutil::copyTree(testutil::sourceDir() + QStringLiteral("/data/install/") + lang,
                                       d.dir.filePath(lang)));
        Program& p = prog();
        p.LangDir = lang + u'\\';
        p.LangNr = lang == QLatin1String("de") ? 2 : 1;
        lockWait() = LockWait{};
        lockWait().pauseMs = 5;
        const QString bin = d.dir.filePath(QStringLiteral("int"));
        QDir().mkpath(bin);
        p.Cf = QStringLiteral("Bin=") + bin;
        QString header;
        ASSERT_TRUE(InitInh(bin, header));
        ASSERT_TRUE(InitBtDatei());
        testutil::writeFile(QString(blockFilePath(bin, QStringLiteral("21000"))).replace(u'\\', u'/'),
                            "Typ=BC847,Q,Bac=2110,Tec=1000\r\n\r\n");
        const int lock = takeWriteLock(bin, 1);
        ASSERT_GT(lock, 0);
        int n = 0;
        QString found;
        ASSERT_TRUE(InsInh(QStringLiteral("BC847").leftJustified(18) + QStringLiteral("T21000"), n, found));
        forgetCachedPages(1);
        FClose(lock);
        p.WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
        registerSelectionMenuWindows(qt);
        registerDialogueWindows(qt);
        sp.program().ui = &qt;
    }
    void TearDown() override
    {
        frmBEProgEin::Unload();
        lockWait() = LockWait{};
    }

    struct Step {
        QString key;
        std::function<void()> act;
    };
    void drive(std::vector<Step> steps)
    {
        mSteps = std::move(steps);
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

    RecordingQt qt;
    QObject mOwner;
    std::vector<Step> mSteps;
    size_t mNext = 0;
    int mSeen = 0;
};

TEST_P(StressWindows, StressCommandOnAPositionLine)
{
    const QString lang = QString::fromLatin1(GetParam());
    const QString shots = qEnvironmentVariable("TARN_SHOTS", QStringLiteral("/tmp"));
    auto menuKeys = [](const char* k) {
        return [k] { QTest::keyClicks(selectionMenuWindow(), QString::fromLatin1(k)); };
    };
    auto screenKey = [](char k) {
        return [k] {
            frmDiaWindow* w = shownScreen();
            ASSERT_NE(w, nullptr);
            QTest::keyClick(w, k);
        };
    };
    auto type = [](const char* text) {
        return [text] {
            frmDiaWindow* w = shownScreen();
            ASSERT_NE(w, nullptr);
            QTest::keyClicks(w->entryField(1), QString::fromLatin1(text));
            QTest::keyClick(w->entryField(1), Qt::Key_Return);
        };
    };
    QList<QStringList> pages;
    auto listing = [&pages, shots, lang](const char* name) {
        return [&pages, shots, lang, name] {
            pages << screenLines();
            frmDiaWindow* w = shownScreen();
            ASSERT_NE(w, nullptr);
            w->grab().save(QDir(shots).filePath(QStringLiteral("stress-%1-%2.png").arg(QLatin1String(name), lang)));
            QTest::keyClick(w, Qt::Key_Return);
        };
    };
    drive({
        {QStringLiteral("#7"), listing("component-data")},
        {QStringLiteral("qsl\\kopfpos#dtu"), type("5")},
        {QStringLiteral("btx\\milq#milqv"), screenKey('1')},
        {QStringLiteral("btx\\milq#qkl2"), screenKey('2')},
        {QStringLiteral("btx\\hl#teie"), type("10")},
        {QStringLiteral("btx\\uif#ub"), type("5")},
        {QStringLiteral("btx\\div#drift"), menuKeys("2")},
        {QStringLiteral("btx\\div#zf"), menuKeys("2")},
        {QStringLiteral("btx\\vftbzf#zfe"), type("50")},
        {QStringLiteral("#7"), listing("stress-data")},
    });
    QString line = QStringLiteral("Stck=2,Typ=BC847,Sl=R1! spare");
    frmBEProgEin::RunDiaStress(line, nullptr, 0);
    EXPECT_EQ(mNext, mSteps.size()) << "waited at " << qt.current.toStdString();
    EXPECT_EQ(line, QStringLiteral("Stck=2,Typ=BC847,Sl=R1,S,Dtu=5,Qkm=JANTX,Tei=10,Ub=5,Drift=1,Zf=50%! spare"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].value(0), u'I' + msg(300));
    EXPECT_EQ(pages[1].value(0), u'I' + msg(340));
    EXPECT_TRUE(pages[1].contains(u'*' + msg(346, {QStringLiteral("JANTX")})));
}

INSTANTIATE_TEST_SUITE_P(Languages, StressWindows, ::testing::Values("dd", "de"));

} // namespace
