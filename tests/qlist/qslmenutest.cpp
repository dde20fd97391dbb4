#include "common/testlinks.h"
#include "app/procedures.h"
#include "frame/workslots.h"
#include "qldbtest.h"
#include "main_window/menutarn.h"
#include "qlist/qslneu.h"
#include "qlist_ui/qsledit.h"

namespace {

class QuietView : public MainView {
public:
    void setMenusEnabled(bool) override {}
    void setStatusLine(const QString&) override {}
    void hidePicture() override {}
    void focusMain() override {}
    void showConfiguration() override {}
    void relocalize() override {}
    void endProgram() override { ended = true; }
    void showAbout(const QString&) override {}
    bool ended = false;
};

// The main menu's Q-list commands, run under the menu's busy protocol.
class QslMenu : public QlListsFixture {
protected:
    QslMenu()
    {
        prog().LangNr = 2;
        prog().LangDir = QStringLiteral("dd\\");
        QDir::setCurrent(testutil::distDir());
        addList(QStringLiteral("00000"), {QStringLiteral("Typ=ABC"), QStringLiteral("Be=")});
        installEntryProcedures(dispatcher);
    }
    QuietView view;
    MenuDispatcher dispatcher{view};
    ScriptedInteraction& ui = program.ui();
};

struct ModeCase {
    const char* name;
    const char* key;
    int mode;
    int copyKind = 0;
};
void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class QslMenuModes : public QslMenu, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(QslMenuModes, KeyOpensHeadDialogInItsMode)
{
    int mode = -1;
    int copyKind = -1;
    ui.expect(QuestionKind::NewQsl, QStringLiteral("frmQslNeu"), [&](const Question& q) {
        mode = modelOf<QslNeuModel>(q)->mode;
        copyKind = modelOf<QslNeuModel>(q)->copyKind;
        return Answer::cancel();
    });
    dispatcher.MenuTARN(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(mode, GetParam().mode);
    EXPECT_EQ(copyKind, GetParam().copyKind);
    EXPECT_TRUE(ui.allUsed());
}

INSTANTIATE_TEST_SUITE_P(Keys, QslMenuModes,
                         ::testing::Values(ModeCase{"New", "ql.new", 0}, ModeCase{"Edit", "ql.edit", 1},
                                           ModeCase{"Delete", "ql.del", 2}, ModeCase{"Copy", "4kopie", 4, 4},
                                           ModeCase{"ExportToFile", "5kopie", 5, 5},
                                           ModeCase{"ExportToDatabase", "3kopie", 5, 3}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(QslMenu, EditOpensHeadDialogThenTheEditor)
{
    ReplacedLinks testLinks;
    testLinks.edit<QslEditLinks>().progInit = [] { return true; };
    Answer typed;
    typed.values = {QStringLiteral("abc")};
    ui.expect(QuestionKind::NewQsl, QStringLiteral("frmQslNeu"), typed);
    QStringList rows;
    ui.expect(QuestionKind::QslEditor, QStringLiteral("frmQslEdit"), [&rows](const Question& q) {
        auto* editor = modelOf<QslEditModel>(q);
        rows = editor->rows;
        editor->MenuQSL(QStringLiteral("cancel"));
        return Answer::cancel();
    });
    dispatcher.MenuTARN(QStringLiteral("ql.edit"));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("Typ=ABC"), QStringLiteral("Be=")}));
    EXPECT_TRUE(ui.allUsed());
    EXPECT_FALSE(view.ended);
    EXPECT_EQ(prog().QslEdit, nullptr);
}

TEST_F(QslMenu, ImportedFileIsOpenedInTheEditor)
{
    const QString source = root.filePath(QStringLiteral("src.txt"));
    testutil::writeFile(source, QByteArray("Typ=IMP\r\nBe=x\r\n"));
    prog().WorkStr[Slot::ProgramDir] = testutil::distDir();
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), Answer::word(source));
    ReplacedLinks testLinks;
    testLinks.edit<QslEditLinks>().progInit = [] { return true; };
    QString opened;
    ui.expect(QuestionKind::QslEditor, QStringLiteral("frmQslEdit"), [&opened](const Question& q) {
        opened = modelOf<QslEditModel>(q)->QslLn;
        return Answer::cancel();
    });
    dispatcher.MenuTARN(QStringLiteral("1kopie"));
    EXPECT_EQ(opened, QStringLiteral("00001"));
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
}

TEST_F(QslMenu, CancelledImportOpensNothing)
{
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), Answer::cancel());
    dispatcher.MenuTARN(QStringLiteral("1kopie"));
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(QslMenu, DatabasePageRecreateRebuildsCurrentDatabase)
{
    ui.expect(QuestionKind::Screen, QStringLiteral("qsl\\isam#menu"), Answer::word(QStringLiteral("RECREATE")));
    QDir::setCurrent(root.path());
    // The page is read from the installation: the rebuild writes its reports here.
    prog().LangDir = testutil::distDir() + QStringLiteral("/dd\\");
    dispatcher.MenuTARN(QStringLiteral("ql.db"));
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
    EXPECT_EQ(ui.headlessBox().waited.value(0),
              QStringLiteral("Q-list database    A    recreated.      Last Q-list:    00000"));
}

TEST_F(QslMenu, DatabasePageCreateAsksTheLetter)
{
    ui.expect(QuestionKind::Screen, QStringLiteral("qsl\\isam#menu"), Answer::word(QStringLiteral("CREATE")));
    Answer letter;
    letter.values = {QStringLiteral("q")};
    ui.expect(QuestionKind::Screen, QStringLiteral("qsl\\isam#neuqz"), letter);
    ui.expect(QuestionKind::Message, QStringLiteral("3"), Answer::button(Mb::OK));
    dispatcher.MenuTARN(QStringLiteral("ql.db"));
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("dbase_Q/qldb.sqlite"))));
    EXPECT_EQ(prog().WorkStr[Slot::Qz], QStringLiteral("Q"));
}

} // namespace
