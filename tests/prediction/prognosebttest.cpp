#include "common/answers.h"
#include "common/scriptedinteraction.h"
#include "common/testutil.h"
#include "frame/workslots.h"
#include "component_file/mixbt.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "dialogue/textpage.h"
#include "frame/database.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/prognosebt.h"
#include "printing/pageinterpreter.h"
#include "printing/printfixture.h"
#include "printing/printjob.h"

#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

// The single-component prediction run headless in a temporary installation:
// every question is answered from a script, the printer is the fixed-metric
// fake, and the components come from tests/fixtures/prediction/ (the rates of
// their classes from the hand-check rows of the system database and the user list).
namespace {

using answers::enter;
using answers::fields;
using answers::key;
using answers::toggles;

// The text of a page in the form the screen shows (one line per record).
QString pageText(const Question& q)
{
    QStringList lines;
    if (TextPage* t = textPageOf(q))
        for (const QString& r : t->records)
            lines << r;
    return lines.join(u'\n');
}

// The script, and every text page shown, in order.
class PageRecorder : public ScriptedInteraction {
public:
    Answer ask(const Question& q) override
    {
        if (q.kind == QuestionKind::TextPage) {
            pages << pageText(q);
            if (onPage)
                return onPage(pages.size(), pages.back());
        }
        return ScriptedInteraction::ask(q);
    }
    QStringList pages;
    // Answers the pages in place of the script: page number from 1 and its text.
    std::function<Answer(int, const QString&)> onPage;
};

class SingleComponentRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        QDir(inst.path("archiv")).removeRecursively();
        applyScript("System/SYST_DB.sqlite", "handcheck-systdb.sql");
        applyScript("System/ARAWS.sqlite", "handcheck-araws.sql");
        ASSERT_NE(Main(inst.programFile(), QString()).action, StartAction::End);
        merge("singlecomponent.blk");
        auto fake = std::make_unique<FakePrinter>();
        printer = fake.get();
        printState().device = std::move(fake);
        printState().today = [] { return QDate(2024, 3, 7); };
        opens = 0;
        awsOpener() = [this](const QString& path) {
            ++opens;
            return Database::open(path, true);
        };
        ui.onUnexpected = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
        ui.always(QuestionKind::TextPage, QStringLiteral("#7"), enter());
        sp.program().ui = &ui;
    }
    void TearDown() override
    {
        awsOpener() = [](const QString& path) { return Database::open(path, true); };
        EXPECT_TRUE(ui.allUsed()) << ui.unused().join(" ").toStdString();
    }

    void applyScript(const char* database, const char* script)
    {
        const auto db = Database::open(inst.path(database), false);
        db->executeScript(QString::fromUtf8(
            testutil::readFile(testutil::fixturesDir() + "/prediction/" + QString::fromLatin1(script))));
    }
    void merge(const char* blk)
    {
        BatchInteraction batch;
        Interaction* before = prog().ui;
        prog().ui = &batch;
        MixBt(QStringLiteral("be.mixbl"), testutil::fixturesDir() + "/prediction/" + QString::fromLatin1(blk),
              std::nullopt);
        prog().ui = before;
        for (const QString& line : batch.logged)
            ADD_FAILURE() << "merge: " << line.toStdString();
    }

    void step(QuestionKind kind, const char* k, Answer a)
    {
        ui.expect(kind, QString::fromLatin1(k), a);
    }
    void step(QuestionKind kind, const char* k, ScriptedInteraction::Responder r)
    {
        ui.expect(kind, QString::fromLatin1(k), r);
    }
    QStringList asked() const
    {
        QStringList out;
        for (const Question& q : ui.asked)
            out << questionKindWord(q.kind) + u' ' + q.key;
        return out;
    }

    PageRecorder ui; // outlives the program that points to it
    testutil::ScriptedProgram sp;
    testutil::TempInstallation inst;
    FakePrinter* printer = nullptr;
    int opens = 0;
};

// The norm's temperature scale.
double z(double celsius)
{
    return 11605 * (1.0 / 313 - 1.0 / (celsius + 273));
}

struct Pair {
    double min, max;
};

// Resistor HC-R1 (class 4211, norm 1/3 fit at Tref 70, user list 1.5/2.5, one
// Arrhenius term with Ea1 .4; MIL model 4RHC), no stress data, reference
// conditions, environment Gb (factor 1 in both), operating share 100 %:
//   body temperature Tu + (70 - 40); pi_t = exp(.4 (z(Tu + 30) - z(70)))
//   norm = 1/3 x pi_t, user list = 1.5/2.5 x pi_t
//   MIL: lambda_b = 4.5E-6 exp(12 (Tu+273)/343) exp((.5/.6) (Tu+273)/273), S .5
//        by default; pi_Q 3 as entered, pi_E Gb 1
struct Resistor {
    Pair norm, user, mil;
    explicit Resistor(double Tu)
    {
        const double piT = std::exp(.4 * (z(Tu + 30) - z(70)));
        norm = {1 * piT, 3 * piT};
        user = {1.5 * piT, 2.5 * piT};
        const double lambdaB =
            .0000045 * std::exp(12 * (Tu + 273) / (70 + 273)) * std::exp((.5 / .6) * ((Tu + 273) / 273));
        mil = {lambdaB * 3, lambdaB * 3};
    }
};

void expectRate(const QString& results, const char* key, const Pair& hand)
{
    const ParamPair p = GetParamPair(results, QString::fromLatin1(key));
    EXPECT_NEAR(p.valueMin, hand.min, 0.0006) << key << " in " << results.toStdString();
    EXPECT_NEAR(p.valueMax, hand.max, 0.0006) << key << " in " << results.toStdString();
}

// A table row of the listing: "<standard> | edition | min | max | mean | fit", the
// numbers with one decimal below 100 fit.
QString rowOf(const QString& page, const QString& standard)
{
    for (const QString& l : page.split(u'\n'))
        if (l.contains(standard))
            return l.simplified();
    return QString();
}
QString oneDecimal(double v)
{
    return QLocale::c().toString(v, 'f', 1);
}
void expectRow(const QString& page, const char* standard, const Pair& hand)
{
    const QString row = rowOf(page, QString::fromLatin1(standard));
    const QRegularExpression numbers(QStringLiteral("(\\d+\\.\\d)\\D+(\\d+\\.\\d)\\D+(\\d+\\.\\d)\\D*fit"));
    const auto m = numbers.match(row);
    ASSERT_TRUE(m.hasMatch()) << standard << ": " << row.toStdString();
    EXPECT_EQ(m.captured(1), oneDecimal(hand.min)) << row.toStdString();
    EXPECT_EQ(m.captured(2), oneDecimal(hand.max)) << row.toStdString();
}

// The texts of the pages of the open print job.
QStringList printedTexts()
{
    DrawnTexts t;
    for (int k = 1; k <= pageCount(PageSource::Pages); ++k)
        drawPageRecords(t, readPage(PageSource::Pages, k), 1.0);
    return t.texts;
}

class ResistorRun : public SingleComponentRun {
protected:
    // Conditions, the three methods (or the ones given), temperature Tu, then
    // the stress data of the resistor: MIL quality factor 3, no self-heating.
    void parameters(const char* Tu, Answer methods = toggles({{'2', 1}, {'3', 1}}))
    {
        step(QuestionKind::Menu, "btx\\div#refber", key("1"));
        step(QuestionKind::Screen, "btx\\glob#norm", methods);
        step(QuestionKind::Menu, "btx\\div#menu", key("2"));
        step(QuestionKind::Screen, "btx\\glob#tuvl", fields({QString::fromLatin1(Tu), "0"}));
    }
    void stress(bool withMil = true)
    {
        if (withMil) {
            step(QuestionKind::Screen, "btx\\milq#milqv", key("2"));
            step(QuestionKind::Screen, "btx\\milq#piqe", fields({"", "3"}));
        }
        step(QuestionKind::Screen, "btx\\div#tei", enter());
    }
    // The preview keeps the printed texts and closes.
    void preview()
    {
        step(QuestionKind::Preview, "frmPreview", [this](const Question&) {
            printed << printedTexts();
            return Answer::cancel();
        });
    }
    void next(const char* code) { step(QuestionKind::Menu, "btx\\div#ret", key(code)); }
    // The results of the component at each result page (the page with the rate table).
    void keepResults()
    {
        ui.onPage = [this](int, const QString& page) {
            if (page.contains(QStringLiteral("YK 70412")) || page.contains(QStringLiteral("MIL-HDBK-217F")))
                results << prog().WorkStr[Slot::R];
            return enter();
        };
    }
    QString resultPage(int n = 1) const
    {
        int seen = 0;
        for (const QString& p : ui.pages)
            if (rowOf(p, QStringLiteral("fit")).size() && ++seen == n)
                return p;
        return QString();
    }
    QList<QStringList> printed;
    QStringList results;
};

TEST_F(ResistorRun, EveryMethodGivesTheRateOfTheModelInTheTableAndOnThePrintedPage)
{
    parameters("50");
    stress();
    preview();
    next("1");
    keepResults();
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);

    const Resistor hand(50);
    ASSERT_EQ(results.size(), 1);
    expectRate(results[0], "Fit", hand.norm);
    expectRate(results[0], "Fita", hand.user);
    expectRate(results[0], "Fitm", hand.mil);
    const QString page = resultPage();
    expectRow(page, "YK 70412", hand.norm);
    expectRow(page, "Anwenderliste", hand.user);
    expectRow(page, "MIL-HDBK-217F", hand.mil);
    // The printout holds the same rows.
    ASSERT_EQ(printed.size(), 1);
    const QString print = printed[0].join(u'\n');
    expectRow(print, "YK 70412", hand.norm);
    expectRow(print, "MIL-HDBK-217F", hand.mil);
    EXPECT_TRUE(print.contains(QStringLiteral("Ausfallraten-Prognose"))) << print.toStdString();
    // The user list was open for this one component only.
    EXPECT_EQ(opens, 1);
    EXPECT_FALSE(prog().AwsDb);
}

TEST_F(ResistorRun, OnlyMilComputesOnlyMilAndNeverOpensTheUserList)
{
    parameters("50", toggles({{'1', 0}, {'2', 1}}));
    stress();
    preview();
    next("1");
    keepResults();
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    ASSERT_EQ(results.size(), 1);
    expectRate(results[0], "Fitm", Resistor(50).mil);
    EXPECT_EQ(GetParam(results[0], QStringLiteral("Fit")), QString());
    EXPECT_EQ(GetParam(results[0], QStringLiteral("Fita")), QString());
    EXPECT_EQ(opens, 0);
}

TEST_F(ResistorRun, AnItemNumberArgumentIsNormalisedAndAfterTheNextComponentChoiceTheIdentityIsAsked)
{
    parameters("50");
    stress();
    preview();
    next("2");
    // The next component is asked, never taken from the argument again.
    step(QuestionKind::Screen, "btx\\tsabrth#tsa", Answer::cancel());
    QString k = QStringLiteral("Yk=a12-b3-c4");
    PrognoseBt(k);
    ASSERT_GE(ui.pages.size(), 2);
    // Found by its normalised number: the record's type leads the identity, and
    // the data page names the block it came from.
    EXPECT_TRUE(ui.pages[1].contains(QStringLiteral("HC-Y1"))) << ui.pages[1].toStdString();
    EXPECT_TRUE(ui.pages[1].contains(QStringLiteral("bt\\int\\b"))) << ui.pages[1].toStdString();
}

TEST_F(ResistorRun, NewRunParametersKeepTheComponentAndItsStressDataAndRecompute)
{
    parameters("50");
    stress();
    preview();
    // "GL": new temperature only, then the same component is computed again.
    next("3");
    step(QuestionKind::Menu, "btx\\div#beaprof", key("2"));
    step(QuestionKind::Screen, "btx\\glob#tuvl", fields({"60", "0"}));
    preview();
    next("1");
    keepResults();
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    ASSERT_EQ(results.size(), 2);
    expectRate(results[1], "Fit", Resistor(60).norm);
    expectRate(results[1], "Fitm", Resistor(60).mil); // the entered pi_Q 3 is still there
    // No identity and no stress entry the second time.
    EXPECT_EQ(asked().count(QStringLiteral("screen btx\\div#tei")), 1);
}

TEST_F(ResistorRun, NewStressDataAskTheParametersAndTheStressDataAgain)
{
    parameters("50");
    stress();
    preview();
    next("4");
    step(QuestionKind::Menu, "btx\\div#beaprof", key("2"));
    step(QuestionKind::Screen, "btx\\glob#tuvl", fields({"60", "0"}));
    stress();
    preview();
    next("1");
    keepResults();
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    ASSERT_EQ(results.size(), 2);
    expectRate(results[1], "Fit", Resistor(60).norm);
    EXPECT_EQ(asked().count(QStringLiteral("screen btx\\tsabrth#tsa")), 0);
    EXPECT_EQ(asked().count(QStringLiteral("screen btx\\div#tei")), 2);
}

TEST_F(ResistorRun, ACancelledResultPageDropsThePrintoutButOffersTheNextStep)
{
    parameters("50");
    stress();
    next("1");
    ui.onPage = [](int, const QString& page) {
        return page.contains(QStringLiteral("YK 70412")) ? Answer::cancel() : enter();
    };
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    EXPECT_EQ(asked().count(QStringLiteral("preview frmPreview")), 0);
    EXPECT_EQ(printer->begun, 0);
}

// The user list cannot be opened: the message names the procedure, this
// component's printout is dropped, and the run goes on with the next step.
TEST_F(ResistorRun, AUserListThatCannotBeOpenedEndsOnlyThisComponent)
{
    awsOpener() = [this](const QString&) -> std::unique_ptr<Database> {
        ++opens;
        throw DbError(QStringLiteral("unable to open database file"), 14);
    };
    parameters("50");
    stress();
    QString shown;
    step(QuestionKind::Message, "473", [&shown](const Question& q) {
        shown = q.text;
        return Answer::button(Mb::OK);
    });
    next("1");
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    EXPECT_TRUE(shown.contains(QStringLiteral("XHAP: PrognoseBt"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("14"))) << shown.toStdString();
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(asked().count(QStringLiteral("preview frmPreview")), 0);
    EXPECT_FALSE(prog().AwsDb);
}

TEST_F(ResistorRun, ANonRelevantComponentEndsTheLoopWithItsMessage)
{
    step(QuestionKind::Menu, "btx\\div#refber", key("2"));
    step(QuestionKind::Screen, "btx\\glob#norm", enter());
    step(QuestionKind::Menu, "btx\\div#menu", key("1"));
    QString shown;
    step(QuestionKind::Message, "64", [&shown](const Question& q) {
        shown = q.text;
        return Answer::button(Mb::OK);
    });
    QString k = QStringLiteral("Typ=HC-NR");
    PrognoseBt(k);
    EXPECT_TRUE(shown.contains(QStringLiteral("HC-NR"))) << shown.toStdString();
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Re")), QStringLiteral("Ber"));
}

// Two components in a row: each data page names the block of its own record,
// and a component that the file lacks carries no block at all.
TEST_F(ResistorRun, EachComponentNamesItsOwnBlockAndOneEnteredByHandNone)
{
    parameters("50");
    stress();
    preview();
    next("2");
    step(QuestionKind::Screen, "btx\\tsabrth#tsa", fields({"", "SJ-WAVE"}));
    QStringList blocks;
    ui.onPage = [&blocks](int, const QString& page) {
        const QRegularExpression block(QStringLiteral("(bt\\\\\\S+):"));
        const auto m = block.match(page);
        if (m.hasMatch())
            blocks << m.captured(1);
        return enter();
    };
    step(QuestionKind::Screen, "btx\\milq#milqv", key("2"));
    step(QuestionKind::Screen, "btx\\milq#piqe", fields({"", "1"}));
    step(QuestionKind::Screen, "btx\\vftbzf#vfi", enter());
    preview();
    next("2");
    step(QuestionKind::Screen, "btx\\tsabrth#tsa", fields({"", "NOT-IN-FILE"}));
    // The user is told that the designation is not in the component file before
    // the entry of its data starts with the class menu; cancelled, the run ends.
    step(QuestionKind::Message, "53", Answer::button(Mb::OK));
    step(QuestionKind::Menu, "btx\\bac#hg", Answer::cancel());
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    ASSERT_EQ(blocks.size(), 2) << ui.pages.join("\n-----\n").toStdString();
    EXPECT_NE(blocks[0], blocks[1]);
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Badr")), QString());
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::Ident], QStringLiteral("Typ")), QStringLiteral("NOT-IN-FILE"));
}

// A microcircuit of the demo file gets the comment page of the norm; cancelling
// it ends the loop without a printout and without the next-step menu.
TEST_F(ResistorRun, ACancelledCommentPageEndsTheLoop)
{
    step(QuestionKind::Menu, "btx\\div#refber", key("1"));
    step(QuestionKind::Screen, "btx\\glob#norm", enter());
    step(QuestionKind::Menu, "btx\\div#menu", key("1"));
    ui.always(QuestionKind::Screen, QStringLiteral("*"), enter()); // the stress data as proposed
    step(QuestionKind::Menu, "btx\\div#drift", key("2"));
    step(QuestionKind::Menu, "btx\\div#zf", key("1"));
    bool commentsSeen = false;
    ui.onPage = [&commentsSeen](int, const QString& page) {
        if (!page.contains(QStringLiteral("die Ausfallrate gilt")))
            return enter();
        commentsSeen = true;
        return Answer::cancel();
    };
    QString k = QStringLiteral("Typ=IC-OPAMP2");
    PrognoseBt(k);
    EXPECT_TRUE(commentsSeen) << ui.pages.join("\n-----\n").toStdString();
    EXPECT_EQ(asked().count(QStringLiteral("preview frmPreview")), 0);
    EXPECT_EQ(asked().count(QStringLiteral("menu btx\\div#ret")), 0);
    EXPECT_EQ(printer->begun, 0);
}

// The engineer ends the printout as a PDF file from the preview.
TEST_F(ResistorRun, ThePrintoutEndsAsAPdfFile)
{
    parameters("50");
    stress();
    step(QuestionKind::Preview, "frmPreview", [](const Question&) {
        Answer a = Answer::word(QStringLiteral("pr"));
        a.toPdf = true;
        return a;
    });
    const QString pdf = inst.path("hc-r1.pdf");
    step(QuestionKind::SaveFile, "pdfdatei", Answer::word(pdf));
    next("1");
    QString k = QStringLiteral("Typ=HC-R1");
    PrognoseBt(k);
    const QByteArray bytes = testutil::readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF")) << pdf.toStdString();
    // Kept for a look when asked for (TARN_KEEP_PDF names the copy).
    if (qEnvironmentVariableIsSet("TARN_KEEP_PDF"))
        testutil::writeFile(qEnvironmentVariable("TARN_KEEP_PDF"), bytes);
}

} // namespace
