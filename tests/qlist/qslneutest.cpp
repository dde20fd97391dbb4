#include "common/testlinks.h"
#include "qldbtest.h"
#include "qlist/qslcommands.h"
#include "frame/clock.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "qlist/frmqslneu.h"
#include "qlist/qslneu.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QGroupBox>

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

struct KeyCase {
    const char* name;
    char16_t typed;
    int inserted; // -1 refused
    bool beep;
};
void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class HeadKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(HeadKeys, FieldKeyFilter)
{
    const KeyCase& c = GetParam();
    QslNeuModel m;
    bool beep = !c.beep;
    const std::optional<QChar> r = m.keyTyped(QChar(c.typed), beep);
    EXPECT_EQ(beep, c.beep);
    if (c.inserted < 0)
        EXPECT_FALSE(r.has_value());
    else
        EXPECT_EQ(r.value_or(QChar(0xFFFF)).unicode(), c.inserted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeadKeys,
    ::testing::Values(KeyCase{"Comma", u',', -1, true}, KeyCase{"Equals", u'=', -1, true},
                      KeyCase{"Letter", u'a', 'a', false}, KeyCase{"Copy", 3, 3, false},
                      KeyCase{"Backspace", 8, 8, false}, KeyCase{"CtrlPIsPiMark", 16, PiMarkCode, false},
                      KeyCase{"UmlautToOem", u'\u00e4', 0x84, false}, KeyCase{"Enter", 13, -1, true},
                      KeyCase{"Paste", 22, -1, true}, KeyCase{"Cut", 24, -1, true},
                      KeyCase{"ContinuationMark", 195, -1, true}, KeyCase{"EndMark", 254, -1, true},
                      KeyCase{"OutsideAnsi", u'\u0416', -1, true}),
    [](const auto& i) { return std::string(i.param.name); });

class HeadDialog : public QlListsFixture {
protected:
    HeadDialog()
    {
        // The editor belongs to the Q-list windows: here it only notes what it opens.
        testLinks.edit<QslCommandLinks>().openEditor = [this](const QString& Ln) { opened << Ln; };
        prog().LangNr = 2;
        for (int i = 0; i < 12; ++i)
            addList(LnFormat(i), {QStringLiteral("Typ=T%1").arg(i), QStringLiteral("Be=")});
        addList(QStringLiteral("00012"), {QStringLiteral("Typ=ABC,An=U12"), QStringLiteral("Be=")});
    }
    ReplacedLinks testLinks;
    QStringList opened; // the Q-lists handed to the editor
    // Runs the dialog with a person who does what act says, then closes it.
    void run(int mode, const std::function<void(QslNeuModel&)>& act)
    {
        ui.expect(QuestionKind::NewQsl, QStringLiteral("frmQslNeu"), [act](const Question& q) {
            auto& m = *modelOf<QslNeuModel>(q);
            act(m);
            m.CmdExit_Click();
            Answer a;
            a.applied = true;
            return a;
        });
        frmQslNeu::Run(mode);
        EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
    }
    ScriptedInteraction& ui = program.ui();
};

TEST_F(HeadDialog, HeadListKeepsDesignOrderUpperCaseAndPadsNumber)
{
    QslNeuModel m(1);
    m.fields[QslNeuModel::Ln] = QStringLiteral("12");
    m.fields[QslNeuModel::Be] = QStringLiteral("desc");
    m.fields[QslNeuModel::Typ] = QStringLiteral("abc");
    m.fields[QslNeuModel::Anlage] = QStringLiteral("x1");
    EXPECT_EQ(m.headList(), QStringLiteral("Typ=ABC,Anlage=X1,Be=DESC,Ln=00012"));
    // OEM text: the umlaut (132) becomes its capital (142); the pi mark (227) stays
    // and never turns into the continuation mark (195).
    m.fields[QslNeuModel::Typ] = QStringLiteral("r") + QChar(0x84) + PiMark;
    m.fieldLeft(QslNeuModel::Typ);
    EXPECT_EQ(m.fields[QslNeuModel::Typ], QStringLiteral("R") + QChar(0x8E) + PiMark);
}

TEST_F(HeadDialog, LoadLocalisesByModeAndDatesANewList)
{
    const ClockOverride clock(QDateTime(QDate(2026, 3, 4), QTime(9, 0)));
    QslNeuModel neu(0);
    neu.Form_Load();
    EXPECT_EQ(neu.title, QStringLiteral("Create new QL  <A>"));
    EXPECT_EQ(neu.commandCaption, QStringLiteral("C&reate"));
    EXPECT_EQ(neu.exitCaption, QStringLiteral("&Close"));
    EXPECT_EQ(neu.labels[QslNeuModel::Ln], QStringLiteral("&QL No"));
    // The date in the interface language, whatever the system's date format.
    EXPECT_EQ(neu.fields[QslNeuModel::Be], QStringLiteral("4 Mar 2026"));
    EXPECT_FALSE(neu.lnVisible());
    EXPECT_TRUE(neu.extrasVisible());

    QslNeuModel del(2);
    del.Form_Load();
    EXPECT_EQ(del.title, QStringLiteral("Delete QL  <A>"));
    EXPECT_EQ(del.commandCaption, QStringLiteral("&Delete"));
    EXPECT_TRUE(del.fields[QslNeuModel::Be].isEmpty());
    EXPECT_TRUE(del.lnVisible());
    EXPECT_FALSE(del.extrasVisible());

    EXPECT_EQ(QslNeuModel(9).mode, 0);
}

TEST_F(HeadDialog, NoDesignationOnlySaysSo)
{
    ui.expect(Msg, QStringLiteral("10"), Answer::button(Mb::OK));
    run(0, [](QslNeuModel& m) {
        m.fields[QslNeuModel::Be] = QStringLiteral("only a description");
        EXPECT_EQ(m.CmdQSL_Click(), -1);
        EXPECT_EQ(m.tag, QStringLiteral("0"));
    });
    EXPECT_EQ(direct()->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toInt(), 13);
}

TEST_F(HeadDialog, TakenTypeFocusesTypeAndKeepsEntries)
{
    ui.expect(Msg, QStringLiteral("157"), Answer::button(Mb::OK));
    run(0, [](QslNeuModel& m) {
        m.fields[QslNeuModel::Typ] = QStringLiteral("abc");
        m.fields[QslNeuModel::Tec] = QStringLiteral("XY");
        EXPECT_EQ(m.CmdQSL_Click(), int(QslNeuModel::Typ));
        EXPECT_EQ(m.fields[QslNeuModel::Typ], QStringLiteral("abc"));
        EXPECT_EQ(m.fields[QslNeuModel::Tec], QStringLiteral("XY"));
    });
}

// A new list's head that the editor's save would refuse is refused here, with
// the save's message and the focus in the field at fault; nothing is stored.
struct RefusedHeadRow {
    const char* name;
    int field;
    const char* value;
    const char* message;
};

class HeadDialogRefuses : public HeadDialog, public ::testing::WithParamInterface<RefusedHeadRow> {};

TEST_P(HeadDialogRefuses, WhatTheSaveWouldRefuse)
{
    const RefusedHeadRow& row = GetParam();
    ui.expect(Msg, QString::fromLatin1(row.message), Answer::button(Mb::OK));
    run(0, [&row](QslNeuModel& m) {
        m.fields[QslNeuModel::Typ] = QStringLiteral("NEU1");
        m.fields[row.field] = QString::fromLatin1(row.value);
        EXPECT_EQ(m.CmdQSL_Click(), row.field);
        EXPECT_EQ(m.fields[row.field], QString::fromLatin1(row.value)) << "the entry is kept for the correction";
    });
    EXPECT_EQ(direct()->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toInt(), 13);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, HeadDialogRefuses,
    ::testing::Values(RefusedHeadRow{"itemNumberBlockTooLong", QslNeuModel::Yk, "ABCDEFG-12", "120"},
                      RefusedHeadRow{"apostropheInTheType", QslNeuModel::Typ, "R'1", "31"},
                      RefusedHeadRow{"apostropheInTheDescription", QslNeuModel::Be, "O'Neil board", "31"},
                      RefusedHeadRow{"typeOverTwentyCharacters", QslNeuModel::Typ, "ABCDEFGHIJKLMNOPQRSTU", "504"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(HeadDialog, SeveralListsInARowEachOpenInTheEditor)
{
    run(0, [](QslNeuModel& m) {
        m.fields[QslNeuModel::Typ] = QStringLiteral("first");
        m.CmdQSL_Click();
        m.fields[QslNeuModel::Typ] = QStringLiteral("second");
        m.CmdQSL_Click();
    });
    EXPECT_EQ(QString::fromLatin1(testutil::readFile(QslPfad(QStringLiteral("A"), QStringLiteral("00014")).replace(u'\\', u'/')))
                  .section(QStringLiteral("\r\n"), 0, 0),
              QStringLiteral("Typ=SECOND"));
    EXPECT_EQ(opened, (QStringList{QStringLiteral("00013"), QStringLiteral("00014")}));
}

TEST_F(HeadDialog, OpenByNumberFindsIt)
{
    run(1, [](QslNeuModel& m) {
        m.fields[QslNeuModel::Ln] = QStringLiteral("12");
        m.CmdQSL_Click();
    });
    EXPECT_EQ(opened, QStringList{QStringLiteral("00012")});
}

TEST_F(HeadDialog, ConfirmedDeleteEmptiesIdentityFieldsOnly)
{
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::Yes));
    run(2, [](QslNeuModel& m) {
        m.fields[QslNeuModel::An] = QStringLiteral("u12");
        m.fields[QslNeuModel::Code] = QStringLiteral("KEPT");
        m.CmdQSL_Click();
        for (int i : {int(QslNeuModel::Ln), int(QslNeuModel::Typ), int(QslNeuModel::Yk), int(QslNeuModel::An)})
            EXPECT_TRUE(m.fields[i].isEmpty());
        EXPECT_EQ(m.fields[QslNeuModel::Code], QStringLiteral("KEPT"));
    });
}

TEST_F(HeadDialog, CloseBoxEndsTheDialog)
{
    QslNeuModel m(0);
    EXPECT_FALSE(m.Form_Unload());
    EXPECT_EQ(m.tag, QStringLiteral("1"));
}

// ---- the window

TEST_F(HeadDialog, WindowRefusesSeparatorsAndInsertsPiMark)
{
    QslNeuModel m(0);
    m.Form_Load();
    frmQslNeuWindow w(m, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QLineEdit* typ = w.field(QslNeuModel::Typ);
    typ->setFocus();
    QTest::keyClicks(typ, QStringLiteral("a,b=c"));
    QTest::keyClick(typ, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(typ->text(), QStringLiteral("abc") + oemToUnicode(PiMark));
    EXPECT_FALSE(w.field(QslNeuModel::Ln)->isVisibleTo(&w));
    // Delete and backspace edit; they insert nothing.
    QTest::keyClick(typ, Qt::Key_Home);
    QTest::keyClick(typ, Qt::Key_Delete, Qt::NoModifier);
    QTest::keyClick(typ, Qt::Key_End);
    QTest::keyClick(typ, Qt::Key_Backspace);
    QTest::keyClick(typ, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(typ->text(), QStringLiteral("bc") + oemToUnicode(PiMark));
    QTest::keyClick(typ, Qt::Key_Home);
    QTest::keyClicks(typ, QStringLiteral("a"));
    // Leaving the field stores it upper-cased, the pi mark with its OEM code.
    w.field(QslNeuModel::Yk)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(m.fields[QslNeuModel::Typ], QStringLiteral("ABC") + PiMark);
    QTest::mouseClick(w.cmdExit(), Qt::LeftButton);
    EXPECT_EQ(m.tag, QStringLiteral("1"));
}

// Escape leaves the head dialog like its close button, from any field: the
// fields see every typed character, but Escape is the dialog's.
TEST_F(HeadDialog, EscapeInAFieldClosesTheDialog)
{
    QslNeuModel m(0);
    m.Form_Load();
    frmQslNeuWindow w(m, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QLineEdit* typ = w.field(QslNeuModel::Typ);
    typ->setFocus();
    QTest::keyClicks(typ, QStringLiteral("ab"));
    QTest::keyClick(typ, Qt::Key_Escape);
    EXPECT_EQ(m.tag, QStringLiteral("1"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(HeadDialog, WindowRunsUntilClosedAndComesBackAfterACommand)
{
    QslNeuModel m(1);
    m.Form_Load();
    frmQslNeuWindow w(m, nullptr);
    bool shownAfterCommand = false;
    ui.expect(Msg, QStringLiteral("10"), Answer::button(Mb::OK));
    QTimer::singleShot(0, &w, [&] {
        QTest::mouseClick(w.cmdQsl(), Qt::LeftButton);
        shownAfterCommand = w.isVisible();
        w.close(); // the close box
    });
    w.run();
    EXPECT_TRUE(shownAfterCommand);
    EXPECT_EQ(m.tag, QStringLiteral("1"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.extras()->isVisibleTo(&w));
    EXPECT_TRUE(ui.allUsed());
}

} // namespace
