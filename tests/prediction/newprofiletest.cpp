#include "common/answers.h"
#include "common/testutil.h"
#include "frame/workslots.h"
#include "dialogue/dia.h"
#include "frame/inifile.h"
#include "frame/launcher.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/ausgabewahl.h"
#include "prediction/paramwahl.h"
#include "prediction/prognoseqsl.h"
#include "prediction/profiles.h"
#include "prediction/runparams.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// The dialogs of a new prediction profile, answered screen by screen from a
// script, on the installation's own dialogue files and demo data.
namespace {

using testutil::ScriptedProgram;
using testutil::TempInstallation;

// One scripted answer: question kind, key (file#chapter), answer.
struct Step {
    QuestionKind kind;
    const char* key;
    Answer answer;
};

using answers::enter;
using answers::fields;
using answers::key;
using answers::toggles;

class NewProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        QDir(inst.path("results")).removeRecursively();
        QDir(inst.path("archiv")).removeRecursively();
        setLauncher(&launcher);
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        p().HwNwKonfig = false;
        p().SonderArKonfig = false;
        p().YkBewFaktor = 0;
    }
    void TearDown() override
    {
        EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(" ").toStdString();
        setLauncher(nullptr);
    }
    Program& p() { return sp.program(); }
    void script(const std::vector<Step>& steps)
    {
        for (const Step& s : steps)
            sp.ui().expect(s.kind, QString::fromLatin1(s.key), s.answer);
    }
    QString ini(const char* section, const char* name)
    {
        return GetProfileStr(QString::fromLatin1(section), QString::fromLatin1(name), 1024, p().IniFile);
    }

    TempInstallation inst;
    ScriptedProgram sp;
    RecordingLauncher launcher;
};

// ---- the method dialog of a Q-list run

struct MethodCase {
    const char* name;
    std::vector<Step> steps;
    QString methods; // the method list afterwards
    QString ret;
};
void PrintTo(const MethodCase& c, std::ostream* os)
{
    *os << c.name;
}

class MethodDialog : public NewProfile, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(MethodDialog, BuildsTheMethodList)
{
    const MethodCase& c = GetParam();
    SyPar() = QStringLiteral("Pw=ProQs");
    GlPar().clear();
    script(c.steps);
    QString ret = QStringLiteral("old");
    ParamWahl(ret, false);
    EXPECT_EQ(GlPar(), c.methods);
    EXPECT_EQ(ret, c.ret);
}

const QString Pi(PiMark);

INSTANTIATE_TEST_SUITE_P(
    Cases, MethodDialog,
    ::testing::Values(
        // The factor screen writes its result word: no longer "Standard".
        MethodCase{"normAndMilStandardConditionsWithClasses",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'2', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("1")},
                    {QuestionKind::Screen, "btx\\glob#zfgl", enter()},
                    {QuestionKind::Screen, "btx\\milq#milqvgl", key("1")},
                    {QuestionKind::Screen, "btx\\milq#qkl1", key("2")},
                    {QuestionKind::Screen, "btx\\milq#qkl2", key("1")},
                    {QuestionKind::Screen, "btx\\milq#qkl4", key("6")},
                    {QuestionKind::Screen, "btx\\milq#qkl5", key("1")}},
                   "Norm=12000,Tu=40,Vl=0,Env=Gb,Envm=Gb,Zf=100%,Qk1m=B,Qk2m=JANTXV,Qk4m=Lower,Qk5m=MIL",
                   ""},
        MethodCase{"milAloneHasNoFactorAndStaysStandard",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'1', 0}, {'2', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("1")},
                    {QuestionKind::Screen, "btx\\milq#milqvgl", key("0")}},
                   "Norm=02000,Tu=40,Vl=0,Env=Gb,Envm=Gb",
                   "Standard"},
        MethodCase{"userListBlankTemperatureIecDust",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'1', 0}, {'3', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("3")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", fields({"  ", "2"})},
                    {QuestionKind::Menu, "btx\\div#env", key("2")},
                    {QuestionKind::Menu, "btx\\div#enviec", key("3")},
                    {QuestionKind::Menu, "btx\\div#enviecstaub", key("1")},
                    {QuestionKind::Screen, "btx\\glob#zfgl", fields({"80  "})}},
                   "Norm=00300,Tu=0,Vl=2,Env=IEStGm,Zf=80%",
                   ""},
        MethodCase{"normEnvironmentOfTheNorm",
                   {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                    {QuestionKind::Menu, "btx\\div#menu", key("3")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", fields({"55", "1"})},
                    {QuestionKind::Menu, "btx\\div#env", key("1")},
                    {QuestionKind::Menu, "btx\\div#envsn", key("HELP")},
                    {QuestionKind::TextPage, "btx\\envsn.txt", enter()},
                    {QuestionKind::Menu, "btx\\div#envsn", key("2")},
                    {QuestionKind::Screen, "btx\\glob#zfgl", enter()}},
                   "Norm=10000,Tu=55,Vl=1,Env=YKKfz,Zf=100%",
                   ""},
        MethodCase{"detailedMilEnvironmentAndPiFactors",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'1', 0}, {'2', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("3")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", enter()},
                    {QuestionKind::Screen, "btx\\envm#grob", key("HELP")},
                    {QuestionKind::TextPage, "btx\\envmg.txt", enter()},
                    {QuestionKind::Screen, "btx\\envm#grob", key("4")},
                    {QuestionKind::Screen, "btx\\envm#menu", key("2")},
                    {QuestionKind::Screen, "btx\\envm#air", key("3")},
                    {QuestionKind::Screen, "btx\\milq#milqvgl", key("2")},
                    {QuestionKind::Screen, "btx\\milq#piqegl", fields({"1.5", " 2 ", "", ""})}},
                   "Norm=02000,Tu=40,Vl=0,Envm=Auc," + Pi + "q1em=1.5," + Pi + "q2em=2," + Pi + "q4em=," + Pi +
                       "q5em=",
                   ""},
        // A cancelled MIL environment is left to be asked again, not taken from
        // an earlier choice.
        MethodCase{"cancelledMilEnvironmentStaysAbsent",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'1', 0}, {'2', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("3")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", enter()},
                    {QuestionKind::Screen, "btx\\envm#grob", Answer::cancel()},
                    {QuestionKind::Screen, "btx\\milq#milqvgl", key("0")}},
                   "Norm=02000,Tu=40,Vl=0",
                   ""},
        // A value that is no number of its field's kind is told and the screen
        // asked again with what was typed; nothing of it reaches the method list.
        MethodCase{"temperatureWithALetterIsAskedAgain",
                   {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                    {QuestionKind::Menu, "btx\\div#menu", key("2")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", fields({"4o", "0"})},
                    {QuestionKind::Message, "426", Answer::button(Mb::OK)},
                    {QuestionKind::Screen, "btx\\glob#tuvl", fields({"40", "0"})},
                    {QuestionKind::Screen, "btx\\glob#zfgl", enter()}},
                   "Norm=10000,Tu=40,Vl=0,Env=Gb,Zf=100%",
                   ""},
        MethodCase{"timeFactorThatIsNoNumberIsAskedAgain",
                   {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                    {QuestionKind::Menu, "btx\\div#menu", key("1")},
                    {QuestionKind::Screen, "btx\\glob#zfgl", fields({"abc"})},
                    {QuestionKind::Message, "426", Answer::button(Mb::OK)},
                    {QuestionKind::Screen, "btx\\glob#zfgl", fields({"80"})}},
                   "Norm=10000,Tu=40,Vl=0,Env=Gb,Zf=80%",
                   ""},
        MethodCase{"piFactorWithADecimalCommaIsAskedAgain",
                   {{QuestionKind::Screen, "btx\\glob#norm", toggles({{'1', 0}, {'2', 1}})},
                    {QuestionKind::Menu, "btx\\div#menu", key("1")},
                    {QuestionKind::Screen, "btx\\milq#milqvgl", key("2")},
                    {QuestionKind::Screen, "btx\\milq#piqegl", fields({"1,5", "", "", ""})},
                    {QuestionKind::Message, "426", Answer::button(Mb::OK)},
                    {QuestionKind::Screen, "btx\\milq#piqegl", fields({"1.5", "", "", ""})}},
                   "Norm=02000,Tu=40,Vl=0,Env=Gb,Envm=Gb," + Pi + "q1em=1.5," + Pi + "q2em=," + Pi + "q4em=," + Pi +
                       "q5em=",
                   ""},
        MethodCase{"cancelledMethodScreen", {{QuestionKind::Screen, "btx\\glob#norm", Answer::cancel()}}, "", "ABBRUCH"},
        MethodCase{"cancelledTemperature",
                   {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                    {QuestionKind::Menu, "btx\\div#menu", key("2")},
                    {QuestionKind::Screen, "btx\\glob#tuvl", Answer::cancel()}},
                   ",Norm=10000",
                   "ABBRUCH"},
        MethodCase{"cancelledFactor",
                   {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                    {QuestionKind::Menu, "btx\\div#menu", key("1")},
                    {QuestionKind::Screen, "btx\\glob#zfgl", Answer::cancel()}},
                   ",Norm=10000,Tu=40,Vl=0,Env=Gb",
                   "ABBRUCH"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(NewProfile, SingleComponentRunWithAFullListAsksNothing)
{
    SyPar() = QStringLiteral("Pw=ProBt");
    GlPar() = QStringLiteral("Norm=12000,Tu=40,Vl=0,Env=Gb,Envm=Gb");
    QString ret;
    ParamWahl(ret, true);
    EXPECT_EQ(GlPar(), QStringLiteral("Norm=12000,Tu=40,Vl=0,Env=Gb,Envm=Gb"));
    EXPECT_TRUE(sp.ui().asked.isEmpty());
}

// Both kinds of menu window: one of its own (Q-list run) and the open
// selection-menu window (single-component run).
class EnvironmentMenus : public NewProfile, public ::testing::WithParamInterface<bool> {};

TEST_P(EnvironmentMenus, IecHelpOpensTheDocumentAndBackReturnsToTheFirstMenu)
{
    script({{QuestionKind::Menu, "btx\\div#env", key("2")},
            {QuestionKind::Menu, "btx\\div#enviec", key("HELP")},
            {QuestionKind::Menu, "btx\\div#enviec", key("BACK")},
            {QuestionKind::Menu, "btx\\div#env", key("2")},
            {QuestionKind::Menu, "btx\\div#enviec", key("2")},
            {QuestionKind::Menu, "btx\\div#enviecstaub", key("2")}});
    GlPar() = QStringLiteral("Norm=10000");
    EXPECT_EQ(EnvWahl(GetParam()), QString());
    EXPECT_EQ(GlPar(), QStringLiteral("Norm=10000,Env=IEGf"));
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(launcher.opened[0].endsWith(QStringLiteral("IEC61709Env.pdf"))) << launcher.opened[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, EnvironmentMenus, ::testing::Values(false, true),
                         [](const auto& i) { return std::string(i.param ? "selectionWindow" : "ownWindow"); });

// ---- the output dialog

struct OutputCase {
    const char* name;
    bool resultFile;
    std::vector<Step> steps;
    QString control; // the control list afterwards
    QString ret;
};
void PrintTo(const OutputCase& c, std::ostream* os)
{
    *os << c.name;
}

class OutputDialog : public NewProfile, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(OutputDialog, BuildsTheControlList)
{
    const OutputCase& c = GetParam();
    SyPar().clear();
    script(c.steps);
    QString ret;
    AusgabeWahl(ret, c.resultFile);
    EXPECT_EQ(SyPar(), c.control);
    EXPECT_EQ(ret, c.ret);
}

Answer cancelWith(std::initializer_list<std::pair<char, int>> t)
{
    Answer a = toggles(t);
    a.text = QStringLiteral("ABBRUCH");
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputDialog,
    ::testing::Values(
        OutputCase{"presetsWithoutResultFile",
                   false,
                   {{QuestionKind::Screen, "qsl\\para#teil", enter()},
                    {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
                    {QuestionKind::Screen, "qsl\\para#var", enter()}},
                   ",Qpdr=12300000,Qpbt=12340,Ld=1,Re=Ref",
                   ""},
        OutputCase{"componentRankingWithoutTable",
                   false,
                   {{QuestionKind::Screen, "qsl\\para#teil", toggles({{'3', 0}, {'4', 1}, {'6', 1}})},
                    {QuestionKind::Screen, "qsl\\para#prozqs", fields({"2"})},
                    {QuestionKind::Screen, "qsl\\para#prozbt", fields({"10"})},
                    {QuestionKind::Screen, "qsl\\para#btlist", toggles({{'2', 0}})},
                    {QuestionKind::Screen, "qsl\\para#var", enter()}},
                   ",Qpdr=12040600,Qs%=2,Bt%=10,Qpbt=10340,Ld=1,Re=Ref",
                   ""},
        // Toggles 3, 4 and 7 of the result file are alternatives.
        OutputCase{"resultFileAndEveryOption",
                   true,
                   {{QuestionKind::Screen, "qsl\\para#teil", enter()},
                    {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
                    {QuestionKind::Screen, "qsl\\para#teilsp", toggles({{'4', 1}})},
                    {QuestionKind::Screen, "qsl\\para#var", toggles({{'1', 1}, {'2', 1}, {'3', 1}, {'4', 1}})}},
                   ",Qpdr=12300000,Qpbt=12340,Qpsp=1204000,Ld=2,Re=Ber,Mmax=-1",
                   "SPEICH"},
        OutputCase{"cancelledSectionsScreenGoesOn",
                   false,
                   {{QuestionKind::Screen, "qsl\\para#teil", cancelWith({{'2', 0}})},
                    {QuestionKind::Screen, "qsl\\para#btqrm", Answer::cancel()},
                    {QuestionKind::Screen, "qsl\\para#var", enter()}},
                   ",Qpdr=10300000,Qpbt=12340,Ld=1,Re=Ref",
                   ""},
        OutputCase{"cancelledLastScreen",
                   false,
                   {{QuestionKind::Screen, "qsl\\para#teil", toggles({{'3', 0}})},
                    {QuestionKind::Screen, "qsl\\para#var", Answer::cancel()}},
                   ",Qpdr=12000000",
                   "ABBRUCH"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(NewProfile, CalculationFilesSectionResetsTheSecondScratchDirectory)
{
    p().WorkStr[Slot::Tp2] = QStringLiteral("C:\\elsewhere");
    SetParam(p().Cf, QStringLiteral("Tp2"), QStringLiteral("C:\\elsewhere"));
    script({{QuestionKind::Screen, "qsl\\para#teil", toggles({{'1', 0}, {'2', 0}, {'3', 0}, {'7', 1}})},
            {QuestionKind::Screen, "qsl\\para#var", enter()}});
    SyPar().clear();
    QString ret;
    AusgabeWahl(ret, false);
    EXPECT_EQ(GetParam(SyPar(), QStringLiteral("Qpdr")), QStringLiteral("00000070"));
    EXPECT_EQ(p().WorkStr[Slot::Tp2], QStringLiteral("tp2"));
    EXPECT_EQ(GetParam(p().Cf, QStringLiteral("Tp2")), QStringLiteral("tp2"));
}

} // namespace

// ---- the whole run on the new-profile path

namespace {

const std::vector<Step> normOnlyStandard = {{QuestionKind::Screen, "btx\\glob#norm", enter()},
                                            {QuestionKind::Menu, "btx\\div#menu", key("1")},
                                            {QuestionKind::Screen, "btx\\glob#zfgl", enter()},
                                            {QuestionKind::TextPage, "#7", enter()}};

class NewProfileRun : public NewProfile {
protected:
    QStringList resultFiles() { return QDir(inst.path("results")).entryList({"*.slk"}, QDir::Files); }
};

TEST_F(NewProfileRun, StoredResultFileProfileIsSavedAndRuns)
{
    script({{QuestionKind::Screen, "btx\\glob#norm", enter()},
            {QuestionKind::Menu, "btx\\div#menu", key("1")},
            {QuestionKind::Screen, "btx\\glob#zfgl", fields({"90"})}});
    // The parameter page lists what was asked before the output options.
    QString page;
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("#7"), [&](const Question& q) {
        page = textPageOf(q)->records.join(QChar(10));
        return Answer::word(QString());
    });
    script({{QuestionKind::Screen, "qsl\\para#teil", enter()},
            {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
            {QuestionKind::Screen, "qsl\\para#teilsp", enter()},
            {QuestionKind::Screen, "qsl\\para#var", toggles({{'4', 1}})},
            {QuestionKind::Profile, "save", Answer::word(QStringLiteral("Neu"))},
            {QuestionKind::Preview, "frmPreview", Answer::cancel()}});
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("newprofspstd.ql"), false);

    // One method: no choice window, and it is the stored one.
    const QString methods = QStringLiteral("Norm=10000,Tu=40,Vl=0,Env=Gb,Zf=90%,Spnorm=1");
    const QString control = QStringLiteral("Pw=ProQs,Qpdr=12300000,Qpbt=12340,Qpsp=1230000,Ld=1,Re=Ref,File=Std");
    EXPECT_EQ(GlPar(), methods);
    EXPECT_EQ(ini("profil-gl", "Neu"), methods);
    // The profile holds no Q-list keys; the run's list has them after it.
    EXPECT_EQ(ini("profil-sy", "Neu"), control);
    EXPECT_TRUE(SyPar().contains(QStringLiteral(",Qz=A,Qlnr=0"))) << SyPar().toStdString();
    EXPECT_EQ(GetParam(SyPar(), QStringLiteral("Pw")), QStringLiteral("Hmenu"));
    // The name was made after the run.
    EXPECT_EQ(resultFiles(), QStringList{QStringLiteral("A0000000.slk")});
    EXPECT_TRUE(page.contains(QStringLiteral("Norm: YK"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("90% der System-Betriebszeit"))) << page.toStdString();
}

TEST_F(NewProfileRun, PlainNewProfileStoresNothingAndHasNoResultFile)
{
    script(normOnlyStandard);
    script({{QuestionKind::Screen, "qsl\\para#teil", enter()},
            {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
            {QuestionKind::Screen, "qsl\\para#var", enter()},
            {QuestionKind::Preview, "frmPreview", Answer::cancel()}});
    const QStringList before = profileNames();
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("newprof.ql"), false);
    EXPECT_EQ(GlPar(), QStringLiteral("Norm=10000,Tu=40,Vl=0,Env=Gb,Zf=100%"));
    EXPECT_TRUE(GetParam(SyPar(), QStringLiteral("File")).isEmpty());
    EXPECT_EQ(profileNames(), before);
    EXPECT_TRUE(resultFiles().isEmpty());
}

TEST_F(NewProfileRun, CancelledMethodChoiceEndsWithoutOutput)
{
    script({{QuestionKind::Screen, "btx\\glob#norm", toggles({{'2', 1}})},
            {QuestionKind::Menu, "btx\\div#menu", key("1")},
            {QuestionKind::Screen, "btx\\glob#zfgl", enter()},
            {QuestionKind::Screen, "btx\\milq#milqvgl", key("0")}});
    QStringList offered;
    sp.ui().expect(QuestionKind::NormChoice, QStringLiteral("NormWahl"), [&](const Question& q) {
        offered = paramsOf<NormChoiceParams>(q).marks;
        return Answer::cancel();
    });
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("newprofspwahl.ql"), false);
    EXPECT_EQ(offered, (QStringList{"1", "3"}));
    EXPECT_TRUE(resultFiles().isEmpty());
    EXPECT_FALSE(QFile::exists(inst.path("results")) && !QDir(inst.path("results")).isEmpty());
}

// The special list holds norm rates only: the other methods leave the profile,
// and the profile stored afterwards holds the reduced list. The profile is
// stored before the Q-list is asked, so cancelling the Q-list keeps it.
TEST_F(NewProfileRun, SpecialListReducesTheStoredProfileToTheNorm)
{
    p().SonderArKonfig = true;
    p().HwNwKonfig = true;
    p().YkBewFaktor = 1.5;
    script({{QuestionKind::Screen, "btx\\glob#norm", toggles({{'2', 1}, {'3', 1}})},
            {QuestionKind::Menu, "btx\\div#menu", key("1")},
            {QuestionKind::Screen, "btx\\glob#zfgl", enter()},
            {QuestionKind::Screen, "btx\\milq#milqvgl", key("1")},
            {QuestionKind::Screen, "btx\\milq#qkl1", key("1")},
            {QuestionKind::Screen, "btx\\milq#qkl2", key("1")},
            {QuestionKind::Screen, "btx\\milq#qkl4", key("1")},
            {QuestionKind::Screen, "btx\\milq#qkl5", key("1")}});
    sp.ui().expect(QuestionKind::NormChoice, QStringLiteral("NormWahl"), Answer::button(3));
    script({{QuestionKind::TextPage, "#7", enter()},
            {QuestionKind::Screen, "qsl\\para#teil", enter()},
            {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
            {QuestionKind::Screen, "qsl\\para#teilsp", enter()},
            {QuestionKind::Screen, "qsl\\para#var", toggles({{'4', 1}})},
            {QuestionKind::Message, "490", Answer::button(Mb::Yes)},
            {QuestionKind::Message, "526", Answer::button(Mb::Yes)},
            {QuestionKind::Message, "528", Answer::button(Mb::OK)},
            {QuestionKind::Message, "527", Answer::button(Mb::No)},
            {QuestionKind::Profile, "save", Answer::word(QStringLiteral("Sonder"))},
            {QuestionKind::Screen, "qsl\\kopfpos#suchqz", Answer::cancel()}});
    PrognoseQsl(QString(), QStringLiteral("newprofspstd.ql"), false);

    EXPECT_EQ(ini("profil-gl", "Sonder"), QStringLiteral("Norm=10000,Tu=40,Vl=0,Env=Gb,Zf=100%,Spnorm=1"));
    EXPECT_EQ(ini("profil-sy", "Sonder"),
              QStringLiteral("Pw=ProQs,Qpdr=12300000,Qpbt=12340,Qpsp=1230000,Ld=1,Re=Ref,HwNw=-1,ARSoList=-1,File=Std"));
}

// A profile that cannot be written must not pass for stored.
TEST_F(NewProfileRun, AProfileThatCannotBeStoredIsReported)
{
    p().IniFile = inst.path("missing-directory/tarn.ini");
    script(normOnlyStandard);
    script({{QuestionKind::Screen, "qsl\\para#teil", enter()},
            {QuestionKind::Screen, "qsl\\para#btqrm", enter()},
            {QuestionKind::Screen, "qsl\\para#var", toggles({{'4', 1}})},
            {QuestionKind::Profile, "save", Answer::word(QStringLiteral("Neu"))},
            {QuestionKind::Message, "profilsave", Answer::button(Mb::OK)},
            {QuestionKind::Screen, "qsl\\kopfpos#suchqz", Answer::cancel()}});
    PrognoseQsl(QString(), QStringLiteral("newprof.ql"), false);
    EXPECT_FALSE(QFile::exists(p().IniFile));
}

} // namespace
