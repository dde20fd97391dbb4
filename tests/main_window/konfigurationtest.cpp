#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "main_window/konfiguration.h"
#include "frame/launcher.h"
#include "frame/paramstring.h"
#include "frame/tarnstart.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

const QByteArray kIni =
    "; user settings\r\n[fewe]\r\nDe=dd\r\nAws=aws\r\nBin=bt\\int\r\nBex=bt\\ext\r\nTsa=tas\r\nQslDruck=1\r\n"
    "ResDir=res\r\nPaf=0\r\nVql=qsl\r\nQz=A\r\nRand0=2\r\nRand1=1.5 cm\r\n; keep me\r\nOther=" +
    QByteArray(200, 'v') + ",with,commas\r\n\r\n[einheiten]\r\nUnits=cm=1440/2.54,in=1440/1\r\nDefUnit=cm\r\n"
    "[usertitel]\r\nTitel=Demo\r\n";

class KonfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        writeFile(inst.path("System/tarn.ini"), kIni);
        QDir().mkpath(inst.path("qsl/dbase_A"));
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        model.LoadKonfig();
    }
    QByteArray ini() const { return readFile(inst.path("System/tarn.ini")); }

    TempInstallation inst;
    ScriptedProgram sp;
    KonfigModel model;
};

TEST_F(KonfigTest, LoadShowsStateAndA4Sizes)
{
    EXPECT_EQ(model.lang, 1);
    EXPECT_EQ(model.be[1], "bt\\int");
    EXPECT_EQ(model.qsl, "A");
    EXPECT_EQ(model.paper, 0);
    // 9638 twips = 17.0 cm, 15080 twips = 26.6 cm: two decimals would exceed four characters.
    EXPECT_EQ(model.rand[2], "17.0");
    EXPECT_EQ(model.rand[3], "26.6");
    EXPECT_EQ(model.rand[0], "2");
    model.paperChosen(1); // Letter: 14060 twips = 24.8 cm
    EXPECT_EQ(model.rand[3], "24.8");
    model.typedInPrintSize();
    EXPECT_EQ(model.paper, 2);
}

TEST_F(KonfigTest, LetterField)
{
    EXPECT_TRUE(model.typedInQsl(u'b'));
    EXPECT_EQ(model.qsl, "B");
    for (QChar c : {QChar(u'1'), QChar(u' '), QChar(8)})
        EXPECT_FALSE(model.typedInQsl(c));
    EXPECT_EQ(model.qsl, "B");
}

TEST_F(KonfigTest, BadMarginTakesNothingOverAndSaysWhy)
{
    const double before = prog().Raender[1];
    model.rand[1] = "2 furlong";
    model.lang = 2;
    // Not a bare beep: message 539 names the field's text and the units known.
    QStringList text;
    sp.ui().expect(QuestionKind::Message, "539", [&](const Question& q) {
        text << q.text;
        return Answer::button(Mb::OK);
    });
    const KonfigModel::Result r = model.CopyKonfigToCf();
    EXPECT_EQ(r.check, KonfigModel::Check::BadMargin);
    EXPECT_EQ(r.field, 1);
    EXPECT_EQ(prog().Raender[1], before);
    EXPECT_EQ(prog().LangNr, 1);
    ASSERT_EQ(text.size(), 1);
    EXPECT_TRUE(text[0].contains("2 furlong")) << text[0].toStdString();
    EXPECT_TRUE(text[0].contains("cm, in")) << text[0].toStdString();
}

TEST_F(KonfigTest, PrintAreaThePrinterCannotHoldTakesNothingOver)
{
    const auto before = prog().Raender;
    model.rand[2] = "100 cm"; // wider than any paper
    model.lang = 2;
    sp.ui().expect(QuestionKind::Message, "442", Answer::button(Mb::OK));
    EXPECT_EQ(model.CopyKonfigToCf().check, KonfigModel::Check::PrintArea);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(prog().Raender, before);
    EXPECT_EQ(prog().LangNr, 1);
}

TEST_F(KonfigTest, RefusedLetterChangesNothing)
{
    const QString cfBefore = prog().Cf;
    model.qsl = "Q";
    model.lang = 2;
    model.be[1] = "elsewhere";
    sp.ui().expect(QuestionKind::Message, "131", Answer::button(Mb::OK));
    EXPECT_EQ(model.CopyKonfigToCf().check, KonfigModel::Check::NoDatabase);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(prog().Cf, cfBefore);
    EXPECT_EQ(prog().LangNr, 1);
    EXPECT_EQ(prog().BinDir, "bt\\int");
}

TEST_F(KonfigTest, OkTakesOverWithoutForcingTsa)
{
    model.lang = 2;
    model.be[0] = "New title";
    model.rand[0] = "1 in";
    ASSERT_EQ(model.CopyKonfigToCf().check, KonfigModel::Check::Ok);
    EXPECT_EQ(prog().LangNr, 2);
    EXPECT_EQ(prog().LangDir, "de\\");
    EXPECT_EQ(GetParam(prog().Cf, "De"), "de\\");
    EXPECT_EQ(GetParam(prog().Cf, "Tsa"), "TAS");
    EXPECT_EQ(GetParam(prog().Cf, "Rand0"), "1 in");
    EXPECT_DOUBLE_EQ(prog().Raender[0], 1440);
    EXPECT_EQ(prog().TitelAnw, QString("New title").leftJustified(30, u' '));
}

TEST_F(KonfigTest, SaveChangesExactlyTheEditedKeys)
{
    model.be[2] = "";           // emptied: saved empty
    model.rand[1] = "2 cm";     // changed
    model.be[3] = "results\\a,b"; // holds a comma: written whole
    ASSERT_TRUE(model.SaveKonfig());
    QByteArray expected = kIni;
    expected.replace("Bex=bt\\ext\r\n", "Bex=\r\n");
    expected.replace("ResDir=res\r\n", "ResDir=results\\a,b\r\n");
    expected.replace("Rand1=1.5 cm\r\n", "Rand1=2 cm\r\n");
    // Rand2 and Rand3 were not in the file: they are added with the sizes shown.
    expected.replace("Rand1=2 cm\r\n; keep me\r\nOther=" + QByteArray(200, 'v') + ",with,commas\r\n",
                     "Rand1=2 cm\r\n; keep me\r\nOther=" + QByteArray(200, 'v') +
                         ",with,commas\r\nRand2=17.0\r\nRand3=26.6\r\n");
    EXPECT_EQ(ini(), expected);
    // Saving again without change leaves the file as it is.
    ASSERT_TRUE(model.SaveKonfig());
    EXPECT_EQ(ini(), expected);
}
} // namespace


#include "main_window/frmkonfiguration.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
TEST_F(KonfigTest, DialogTypingAndOk)
{
    frmKonfiguration dlg;
    dlg.show();
    EXPECT_EQ(dlg.paperList()->currentIndex(), 0);
    EXPECT_EQ(dlg.randField(2)->text(), "17.0");
    QTest::keyClicks(dlg.randField(2), "5");
    EXPECT_EQ(dlg.paperList()->currentIndex(), 2); // typing into the print size makes it user-defined
    dlg.qslField()->setFocus();
    QTest::keyClicks(dlg.qslField(), "b1 ");
    EXPECT_EQ(dlg.qslField()->text(), "B");
    // Letter B has no database folder: message 131, the dialog stays open, nothing taken over.
    sp.ui().expect(QuestionKind::Message, "131", Answer::button(Mb::OK));
    QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(prog().WorkStr[Slot::Qz], "A");
    QDir().mkpath(inst.path("qsl/dbase_B"));
    QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(prog().WorkStr[Slot::Qz], "B");
    EXPECT_EQ(GetParam(prog().Cf, "Paf"), "2");
}
} // namespace

namespace {
// Enter takes the configuration over like OK; it does not print a test page
// (the first button of the row).
TEST_F(KonfigTest, EnterIsOk)
{
    frmKonfiguration dlg;
    dlg.show();
    dlg.randField(0)->setFocus();
    QTest::keyClick(dlg.randField(0), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(sp.ui().allUsed());
}
} // namespace

namespace {
struct PrintSizeRow {
    const char* name;
    int field;         // 2 print width, 3 print height
    const char* value; // as typed
};

class KonfigPrintSize : public KonfigTest, public ::testing::WithParamInterface<PrintSizeRow> {};

// "Ok" with an output size no printer holds: message 442, the dialog stays open
// and nothing is taken over. A size so large that its lines and columns outgrow
// the print job's counters (50000 cm) once ended the program from the click.
TEST_P(KonfigPrintSize, SizeNoPaperHoldsGetsMessage442)
{
    const auto before = prog().Raender;
    frmKonfiguration dlg;
    dlg.show();
    QLineEdit* field = dlg.randField(GetParam().field);
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(GetParam().value));
    sp.ui().expect(QuestionKind::Message, "442", Answer::button(Mb::OK));
    EXPECT_NO_THROW(QTest::mouseClick(dlg.okButton(), Qt::LeftButton));
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(prog().Raender, before);
    EXPECT_EQ(::GetParam(prog().Cf, "Rand2"), QString());
}

INSTANTIATE_TEST_SUITE_P(Sizes, KonfigPrintSize,
                         ::testing::Values(PrintSizeRow{"height10000cm", 3, "10000 cm"},
                                           PrintSizeRow{"height50000cm", 3, "50000 cm"},
                                           PrintSizeRow{"width50000cm", 2, "50000 cm"},
                                           PrintSizeRow{"heightBeyondTheJobsCounters", 3, "9999999999"}),
                         [](const auto& i) { return std::string(i.param.name); });

// The test page's fields are checked the same way as "Ok"'s.
TEST_F(KonfigTest, TestPageWithABadMarginSaysWhy)
{
    frmKonfiguration dlg;
    dlg.show();
    dlg.randField(0)->setText("links");
    sp.ui().expect(QuestionKind::Message, "539", Answer::button(Mb::OK));
    QTest::mouseClick(dlg.testButton(), Qt::LeftButton);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(dlg.focusWidget(), dlg.randField(0));
}
} // namespace
