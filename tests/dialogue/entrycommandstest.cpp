#include "app/procedures.h"
#include "dialogue/beprogein.h"
#include "dialogue/menutestutil.h"
#include "frame/errptnr.h"
#include "main_window/menutarn.h"
#include "frame/restext.h"

#include <gtest/gtest.h>

using namespace frmBEProgEin;

namespace {

bool ErrPtnrHistoryHas(const QString& text)
{
    for (const QString& entry : ErrPtnr::history())
        if (entry.contains(text))
            return true;
    return false;
}

class EntryCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog().LangDir = QStringLiteral("dd\\");
        d.write(QStringLiteral("dd/btx/div.pop"),
                mtest::ansiFile({QStringLiteral("@menu"), QStringLiteral("I     Methode"), QStringLiteral("A1    Norm"),
                                 QStringLiteral("A2    MIL")}));
    }
    QString captionOf(int offset, const QString& a1 = QString())
    {
        return ExpandText(ResStr(offset, 0, 1), {a1});
    }

    testutil::ScriptedProgram sp;
    mtest::MenuDir d;
};

TEST_F(EntryCommands, QListPredictionRunsInTheSmallWindowAndUnloadsIt)
{
    QStringList calls;
    state().procedures.PrognoseQsl = [&](const QString& desc, const QString& mode, bool print) {
        calls << desc << mode << (print ? QStringLiteral("true") : QStringLiteral("false"));
        EXPECT_TRUE(state().loaded);
        EXPECT_TRUE(state().smallSize);
        EXPECT_EQ(state().caption, captionOf(1763));
        EXPECT_EQ(state().ZeilenAnz, 1);
    };
    RunPrognoseQSL(QStringLiteral("standardprof.ql"));
    EXPECT_EQ(calls, (QStringList{QString(), QStringLiteral("standardprof.ql"), QStringLiteral("false")}));
    EXPECT_FALSE(state().loaded);
}

TEST_F(EntryCommands, SingleComponentPredictionShowsTheKeyInTheCaption)
{
    QStringList keys;
    QStringList captions;
    state().procedures.PrognoseBt = [&](const QString& key) {
        keys << key;
        captions << state().caption;
        EXPECT_FALSE(state().smallSize);
    };
    QString ret = QStringLiteral("Typ=BC547");
    RunPrognoseBE(ret);
    ret.clear();
    RunPrognoseBE(ret);
    EXPECT_EQ(keys, (QStringList{QStringLiteral("Typ=BC547"), QString()}));
    EXPECT_EQ(captions.value(0), captionOf(1759, QStringLiteral("BC547")));
    EXPECT_TRUE(captions.value(1).endsWith(QStringLiteral("   ")));
    EXPECT_FALSE(state().loaded);
    EXPECT_TRUE(ErrPtnrHistoryHas(QStringLiteral("RunPrognoseBE")));
}

TEST_F(EntryCommands, SelectTakesTheChosenDesignation)
{
    QString started;
    state().procedures.PrognoseBt = [&](const QString& key) {
        started = key;
        EXPECT_TRUE(state().Selbox.isEmpty()); // emptied after the choice
        EXPECT_FALSE(state().selboxVisible);
    };
    state().Selbox = QStringList{QStringLiteral(" R1 "), QStringLiteral("R2")};
    sp.ui().expect(QuestionKind::Selection, QStringLiteral("Selbox"), [&](const Question& q) {
        EXPECT_EQ(q.choices.size(), 2);
        EXPECT_TRUE(state().selboxVisible);
        EXPECT_EQ(state().caption, captionOf(1759, QStringLiteral("Select")));
        EXPECT_TRUE(state().Vortext[0].bold);
        return Answer::word(QStringLiteral("R1"));
    });
    QString ret = QStringLiteral("Select");
    RunPrognoseBE(ret);
    EXPECT_EQ(started, QStringLiteral("R1"));
}

TEST_F(EntryCommands, SelectFromAnEmptyListIsACancel)
{
    bool started = false;
    state().procedures.PrognoseBt = [&](const QString&) { started = true; };
    QString ret = QStringLiteral("Select");
    RunPrognoseBE(ret);
    EXPECT_FALSE(started);
    EXPECT_EQ(ret, QStringLiteral("ABBRUCH"));
    EXPECT_FALSE(state().loaded);

    // A cancel (nobody at the screen) ends the wait too.
    state().Selbox = QStringList{QStringLiteral("R1")};
    sp.ui().expect(QuestionKind::Selection, QStringLiteral("Selbox"), Answer::cancel());
    ret = QStringLiteral("Select");
    RunPrognoseBE(ret);
    EXPECT_FALSE(started);
    EXPECT_EQ(ret, QStringLiteral("ABBRUCH"));
}

TEST_F(EntryCommands, AFailingPredictionGoesToTheErrorDialog)
{
    state().procedures.PrognoseBt = [](const QString&) { throw TarnError(QStringLiteral("kaputt")); };
    sp.ui().expect(QuestionKind::Error, QStringLiteral("frmBEProgEin.RunPrognoseBE"),
                   Answer::button(ErrPtnr::LeaveProcedure));
    QString ret = QStringLiteral("Typ=X");
    EXPECT_NO_THROW(RunPrognoseBE(ret));
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(EntryCommands, EntryAndStressHandBackTheirResults)
{
    state().procedures.EingabeBauteil = [](QString& r) {
        EXPECT_TRUE(r.isEmpty());
        EXPECT_EQ(state().caption, ResStr(1760, 0, 1));
        r = QStringLiteral("ABBRUCH");
    };
    EXPECT_EQ(RunEingabe(), QStringLiteral("ABBRUCH"));
    EXPECT_FALSE(state().loaded);

    state().procedures.PosStressEingabe = [](QString& pos, int mEdit) {
        EXPECT_EQ(mEdit, 3);
        pos += QStringLiteral(",S,Ub=5");
    };
    QString line = QStringLiteral("Stck=1,Q,Bac=4111");
    RunDiaStress(line, nullptr, 3);
    EXPECT_EQ(line, QStringLiteral("Stck=1,Q,Bac=4111,S,Ub=5"));
    EXPECT_FALSE(state().loaded);
}

TEST_F(EntryCommands, OneMenuChoiceInAWindowOfItsOwn)
{
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\div#menu"), [](const Question&) {
        EXPECT_TRUE(state().smallSize);
        EXPECT_EQ(state().Menu[3].left, 2000);
        EXPECT_EQ(state().Menu[0].top, 800);
        return Answer::word(QStringLiteral("2"));
    });
    EXPECT_EQ(RunWahlBacsonst(QStringLiteral("btx\\div"), QStringLiteral("menu"), 4, nullptr, 3), QStringLiteral("2"));
    EXPECT_FALSE(state().loaded);

    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\div#menu"), Answer::word(QStringLiteral("HELP")));
    EXPECT_EQ(RunWahlBacsonst(QStringLiteral("btx\\div"), QStringLiteral("menu"), 4, nullptr, 7), QStringLiteral("HELP"));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\div#menu"), Answer::cancel());
    EXPECT_EQ(RunWahlBacsonst(QStringLiteral("btx\\div"), QStringLiteral("menu"), 4, nullptr, 7),
              QStringLiteral("ABBRUCH"));
    // A chapter that does not exist: the empty text, nothing asked.
    EXPECT_EQ(RunWahlBacsonst(QStringLiteral("btx\\div"), QStringLiteral("nix"), 4, nullptr, 7), QString());
    EXPECT_FALSE(state().loaded);
    EXPECT_TRUE(sp.ui().allUsed());
}

} // namespace

namespace {

class QuietView : public MainView {
public:
    void setMenusEnabled(bool) override {}
    void setStatusLine(const QString&) override {}
    void hidePicture() override {}
    void focusMain() override {}
    void showConfiguration() override {}
    void relocalize() override {}
    void endProgram() override {}
    void showAbout(const QString&) override {}
};

TEST_F(EntryCommands, MainMenuStartsThePredictionsInTheWindow)
{
    QuietView view;
    MenuDispatcher dispatcher(view);
    installEntryProcedures(dispatcher);
    QStringList started;
    state().procedures.PrognoseQsl = [&](const QString& desc, const QString& mode, bool) { started << desc + u'|' + mode; };
    state().procedures.PrognoseBt = [&](const QString& key) { started << QStringLiteral("bt|") + key; };
    dispatcher.MenuTARN(QStringLiteral("selectprof.ql"));
    dispatcher.MenuTARN(QStringLiteral("calc.bt"));
    EXPECT_EQ(started, (QStringList{QStringLiteral("|selectprof.ql"), QStringLiteral("bt|")}));
    EXPECT_FALSE(state().loaded);
}

} // namespace
