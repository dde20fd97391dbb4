#include "app/procedures.h"
#include "common/testutil.h"
#include "main_window/frmtarn.h"
#include "frame/launcher.h"
#include "main_window/menutarn.h"
#include "frame/restext.h"
#include "frame/tarnstart.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace testutil;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        setLauncher(&launcher);
    }
    void TearDown() override { setLauncher(nullptr); }
    TempInstallation inst;
    ScriptedProgram sp;
    RecordingLauncher launcher;
};

TEST_F(MainWindowTest, EveryItemHasItsCaptionAndKeyInBothLanguages)
{
    for (int lang : {1, 2}) {
        prog().LangNr = lang;
        frmTARN w;
        int commands = 0;
        for (const MenuEntry& e : menuTree()) {
            const DesignCaption d = parseDesignCaption(e.designCaption);
            if (!d.numbered || (e.array == 0 && e.submenu > 0))
                continue;
            QAction* a = w.actionForKey(d.key);
            ASSERT_NE(a, nullptr) << e.designCaption.toStdString();
            EXPECT_EQ(a->text(), ResStr(1557, d.number, lang).trimmed()) << e.designCaption.toStdString();
            ++commands;
        }
        EXPECT_EQ(commands, 38); // captions 2..43 without the five drop-down titles of the bar
        EXPECT_EQ(w.barActions().size(), 6);
        EXPECT_EQ(w.actionForKey("exit")->shortcut(), QKeySequence("F5"));
        EXPECT_EQ(w.actionForKey("ql.del")->shortcut(), QKeySequence("Ctrl+F5"));
    }
}

TEST_F(MainWindowTest, KeyDuringACommandOnlyBeeps)
{
    frmTARN w;
    int inner = 0;
    w.dispatcher().setCommand("config", [&] {
        EXPECT_FALSE(w.barActions().front()->isEnabled());
        w.dispatcher().MenuTARN("exit"); // arrives while "config" runs
        ++inner;
    });
    bool exited = false;
    w.dispatcher().setCommand("exit", [&] { exited = true; });
    w.dispatcher().MenuTARN("config");
    EXPECT_EQ(inner, 1);
    EXPECT_FALSE(exited);
    EXPECT_EQ(sp.ui().beeps, 1);
    EXPECT_TRUE(w.barActions().front()->isEnabled());
    EXPECT_FALSE(prog().MenuRunning);
}

TEST_F(MainWindowTest, MenusComeBackAfterACommandThatThrows)
{
    frmTARN w;
    w.dispatcher().setCommand("yk", [] { throw std::runtime_error("broken"); });
    sp.ui().expect(QuestionKind::Error, "frmTARN.MenuTARN", Answer::button(1));
    w.dispatcher().MenuTARN("yk");
    EXPECT_TRUE(sp.ui().allUsed());
    for (QAction* a : w.barActions())
        EXPECT_TRUE(a->isEnabled());
    EXPECT_FALSE(prog().MenuRunning);
    EXPECT_FALSE(w.dispatcher().menuBusy());
}

TEST_F(MainWindowTest, SubmenuKeyHidesPictureForGood)
{
    frmTARN w;
    EXPECT_TRUE(w.pictureVisible());
    w.dispatcher().MenuTARN("12");
    EXPECT_FALSE(w.pictureVisible());
}

TEST_F(MainWindowTest, WebAndMailWithoutAddressSaySo)
{
    frmTARN w;
    sp.ui().expect(QuestionKind::Message, "0", Answer::button(Mb::OK));
    w.dispatcher().MenuTARN("www");
    EXPECT_TRUE(launcher.opened.isEmpty());
}

TEST_F(MainWindowTest, DocumentsOpenAfterTheProtocol)
{
    frmTARN w;
    w.dispatcher().MenuTARN("hdbk");
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(launcher.opened.front().endsWith("dd/hdbk.pdf"));
}

TEST_F(MainWindowTest, MissingDocumentIsSaidNotOpened)
{
    frmTARN w;
    ASSERT_TRUE(QFile::remove(inst.path("dd/tarn-start.pdf")));
    const QString entry = ResStr(1557, 38, 1).remove(u'&').trimmed();
    sp.ui().expect(QuestionKind::Message, "0", [&](const Question& q) {
        EXPECT_TRUE(q.text.contains("nicht installiert")) << q.text.toStdString();
        EXPECT_TRUE(q.text.contains(entry)) << q.text.toStdString();
        EXPECT_TRUE(q.text.contains("tarn-start.pdf")) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    w.dispatcher().MenuTARN("short");
    EXPECT_TRUE(launcher.opened.isEmpty());
    EXPECT_TRUE(sp.ui().allUsed());
}

// A document the desktop has no viewer for is said, naming the file, instead
// of nothing happening after the click.
TEST_F(MainWindowTest, DocumentWithoutViewerIsSaid)
{
    frmTARN w;
    launcher.result = false;
    sp.ui().expect(QuestionKind::Message, "482", [&](const Question& q) {
        EXPECT_TRUE(q.text.contains("hdbk.pdf")) << q.text.toStdString();
        EXPECT_TRUE(q.text.contains("Anzeigeprogramm")) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    w.dispatcher().MenuTARN("hdbk");
    EXPECT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(sp.ui().allUsed());
}

// "be.add" starts the batch designation matching: it first asks for the
// workbook, and a cancelled choice ends it with a beep and no message.
TEST_F(MainWindowTest, BeAddAsksForTheWorkbook)
{
    for (int lang : {1, 2}) {
        prog().LangNr = lang;
        frmTARN w;
        installEntryProcedures(w.dispatcher());
        const int beeps = sp.ui().beeps;
        sp.ui().expect(QuestionKind::OpenFile, "be.add", [&](const Question& q) {
            EXPECT_EQ(q.text, ResStr(1707, 0, lang));
            return Answer::cancel();
        });
        w.dispatcher().MenuTARN("be.add");
        EXPECT_TRUE(sp.ui().allUsed());
        EXPECT_EQ(sp.ui().beeps, beeps + 1);
    }
}

// "ql.view" opens the browser of the current Q-list database.
TEST_F(MainWindowTest, QlViewOpensTheDatabaseBrowser)
{
    frmTARN w;
    installEntryProcedures(w.dispatcher());
    bool asked = false;
    sp.ui().expect(QuestionKind::QlDbList, "frmQldbList", [&](const Question& q) {
        asked = q.hasModel();
        Answer a;
        a.applied = true;
        return a;
    });
    w.dispatcher().MenuTARN("ql.view");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(MainWindowTest, BeDbAnsweredNoDoesNothing)
{
    frmTARN w;
    installEntryProcedures(w.dispatcher());
    sp.ui().expect(QuestionKind::Message, "33", Answer::button(Mb::No));
    w.dispatcher().MenuTARN("be.db");
    EXPECT_TRUE(sp.ui().allUsed());
}
} // namespace
