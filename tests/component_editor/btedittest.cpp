#include "app/procedures.h"
#include "frame/workslots.h"
#include "bteditfixture.h"
#include "component_file/btmessages.h"
#include "dialogue/beprogein.h"
#include "frame/editvar.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "main_window/menutarn.h"

namespace {

Answer yes() { return Answer::button(Mb::Yes); }
Answer no() { return Answer::button(Mb::No); }
Answer ok() { return Answer::button(Mb::OK); }

// ---------------------------------------------------------------- window and dispatcher

TEST_F(BtEditTest, Show0WithoutArgumentsShowsAnEmptyEditorAndReturnsFalse)
{
    bool asked = false;
    sp.ui().expect(QuestionKind::ComponentEditor, QStringLiteral("frmBtEdit"), [&](const Question& q) {
        auto* m = modelOf<BtEditModel>(q);
        asked = true;
        EXPECT_TRUE(m->view().VarBox[1].rows.isEmpty());
        EXPECT_FALSE(m->commands()[0].enabled);
        EXPECT_FALSE(m->commands()[2].enabled);
        EXPECT_TRUE(m->window().caption.endsWith(QStringLiteral("Block:  neues BE      ")));
        EXPECT_TRUE(m->Form_QueryUnload()); // the close box ends the wait
        EXPECT_EQ(m->window().Tag, QStringLiteral("1"));
        Answer a;
        a.applied = true;
        return a;
    });
    EXPECT_FALSE(frmBtEdit::Show0());
    EXPECT_TRUE(asked);
}

TEST_F(BtEditTest, Show0OpensTheDesignationOrOnlyFillsItInPickMode)
{
    store(QStringLiteral("Typ=ABC,Q,Bac=4111,Tec=1000"));
    const QString adr = QStringLiteral("ABC").leftJustified(18) + QStringLiteral("00");
    for (const QString& mode : {QString(), QStringLiteral("replace")}) {
        sp.ui().expect(QuestionKind::ComponentEditor, QStringLiteral("frmBtEdit"), [&](const Question& q) {
            auto* m = modelOf<BtEditModel>(q);
            if (mode.isEmpty()) {
                EXPECT_EQ(m->view().VarBox[1].rows, QStringList{QStringLiteral("Typ=ABC")});
                EXPECT_EQ(m->record().AktBiBe, 1);
            } else {
                EXPECT_TRUE(m->view().VarBox[1].rows.isEmpty());
                EXPECT_EQ(m->view().BT[0], QStringLiteral("ABC"));
                EXPECT_EQ(m->record().AktMSuch, QStringLiteral("replace"));
            }
            m->cmd_Click(1); // Exit
            return Answer{};
        });
        QString a = adr;
        frmBtEdit::Show0(a, mode);
        EXPECT_EQ(a, adr) << "nothing taken over";
    }
}

TEST_F(BtEditTest, TransferInReplaceModeReturnsTheItemNumberAsAdr)
{
    sp.ui().expect(QuestionKind::ComponentEditor, QStringLiteral("frmBtEdit"), [&](const Question& q) {
        auto* m = modelOf<BtEditModel>(q);
        m->setGridRowsForTest(1, {QStringLiteral("Typ=T1"), QStringLiteral("Yk=K12345-B1234-C123")});
        m->VarBox_RowChange(1, 1);
        m->up0cmd_Click(QStringLiteral("trans"));
        EXPECT_EQ(m->window().Tag, QStringLiteral("1"));
        return Answer{};
    });
    QString adr = QStringLiteral("X").leftJustified(18) + QStringLiteral("00");
    frmBtEdit::Show0(adr, QStringLiteral("replace"));
    EXPECT_EQ(adr, QStringLiteral("K12345-B1234-C123 10"));
}

class NoView : public MainView {
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

TEST_F(BtEditTest, MainMenuKeyOpensTheEditor)
{
    NoView view;
    MenuDispatcher d(view);
    installEntryProcedures(d);
    bool shown = false;
    sp.ui().expect(QuestionKind::ComponentEditor, QStringLiteral("frmBtEdit"), [&](const Question& q) {
        EXPECT_TRUE(prog().MenuRunning);
        shown = true;
        modelOf<BtEditModel>(q)->MenuBT(QStringLiteral("can"));
        return Answer();
    });
    d.MenuTARN(QStringLiteral("be.edit"));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(prog().MenuRunning);
}

// The close box offers unsaved changes for saving, as "Exit" does.
TEST_F(BtEditTest, CloseBoxAsksToSaveChangesAndCancelKeepsTheEditorOpen)
{
    BtEditModel m;
    loaded(m);
    editGrid(m, 1, {QStringLiteral("Typ=Q1")});
    editGrid(m, 2, {QStringLiteral("Bac=4111")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), Answer::button(Mb::Cancel));
    EXPECT_FALSE(m.Form_QueryUnload());
    EXPECT_EQ(m.window().Tag, QStringLiteral("0"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), no());
    EXPECT_TRUE(m.Form_QueryUnload());
    EXPECT_EQ(m.window().Tag, QStringLiteral("1"));
}

TEST_F(BtEditTest, UnknownKeyChangesNothingAndEnableCmdTakesItsList)
{
    BtEditModel m;
    loaded(m);
    const auto before = m.commands();
    const QString caption = m.window().caption;
    m.MenuBT(QStringLiteral("bt.unknown"));
    m.MenuBT(QStringLiteral("BT.SAVE"));
    for (int i = 0; i < BtEditModel::CmdCount; ++i)
        EXPECT_EQ(m.commands()[i].enabled, before[i].enabled) << i;
    EXPECT_EQ(m.window().caption, caption);

    m.EnableCmd(QStringLiteral("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"), false);
    m.EnableCmd(QStringLiteral("0,6"), true);
    m.EnableCmd(QString(), true);
    for (int i = 0; i < BtEditModel::CmdCount; ++i)
        EXPECT_EQ(m.commands()[i].enabled, i == 0 || i == 6) << i;
}

TEST_F(BtEditTest, PredictionListsEveryDesignationInGridOrder)
{
    BtEditModel m;
    loaded(m);
    m.MenuBT(QStringLiteral("bt.prog")); // no designation: nothing asked
    m.setGridRowsForTest(1, {QStringLiteral("Typ=A"), QStringLiteral("Yk=K12345-B1234-C123"), QStringLiteral("An=U1")});
    QStringList listed;
    sp.ui().expect(QuestionKind::Selection, QStringLiteral("Selbox"), [&](const Question&) {
        listed = frmBEProgEin::state().Selbox;
        return Answer::cancel();
    });
    m.MenuBT(QStringLiteral("bt.prog"));
    EXPECT_EQ(listed, m.view().VarBox[1].rows);
    EXPECT_TRUE(m.window().shown) << "shown again after the prediction";
}

struct GroupRow {
    const char* name;
    const char* result;
    const char* field;
};
void PrintTo(const GroupRow& r, std::ostream* os) { *os << r.name; }
class GroupResult : public ::testing::TestWithParam<GroupRow> {};
TEST_P(GroupResult, GivesTheGroupField)
{
    EXPECT_EQ(BtEditModel::groupFieldText(QString::fromLatin1(GetParam().result)),
              QString::fromLatin1(GetParam().field));
}
INSTANTIATE_TEST_SUITE_P(Cases, GroupResult,
                         ::testing::Values(GroupRow{"mainGroup", "10", "1"}, GroupRow{"subGroup", "141", "141"},
                                           GroupRow{"cancel", "ABBRUCH", ""}, GroupRow{"zero", "0", ""},
                                           GroupRow{"twoDigits", "14", "14"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BtEditPrint, LongDescriptionIsBrokenToThePrintArea)
{
    const QString text = QStringLiteral("Ein Transistor (NPN) fuer Schaltanwendungen, gehaeuse-los und klein. ") +
                         QString(PiChar) + QStringLiteral("-Faktor nach Tabelle");
    const QStringList lines = BtEditModel::descriptionPrintLines(text, 20);
    ASSERT_GT(lines.size(), 3);
    QString original = text;
    original.replace(PiChar, PiMark);
    qsizetype pos = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString l = lines[i].trimmed();
        EXPECT_LE(lines[i].size(), 20) << lines[i].toStdString();
        while (pos < original.size() && original[pos] == u' ')
            ++pos;
        ASSERT_EQ(original.mid(pos, l.size()), l) << "nothing lost or changed";
        pos += l.size();
        if (i + 1 < lines.size()) {
            EXPECT_TRUE(original[pos] == u' ' || QStringLiteral("-.)").contains(original[pos - 1]))
                << "broken inside a word: " << l.toStdString();
        }
    }
    EXPECT_EQ(pos, original.size());
    EXPECT_EQ(BtEditModel::descriptionPrintLines(QStringLiteral("kurz"), 20), QStringList{QStringLiteral("kurz  ")});
}

// ---------------------------------------------------------------- opening

TEST_F(BtEditTest, LastFilledFieldDecidesAndItemNumbersAreNormalised)
{
    store(QStringLiteral("Typ=ABC,Q,Bac=4111"));
    store(QStringLiteral("An=X1,Q,Bac=4112"));
    store(QStringLiteral("Yk=A12-B1-C1,Q,Bac=4113"));
    BtEditModel m;
    loaded(m);
    type(m, {QStringLiteral("abc"), QString(), QStringLiteral("x1")});
    EXPECT_EQ(m.OpenBT(0, 0, false, true), QStringLiteral("ok"));
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("An=X1")});
    EXPECT_TRUE(sp.program().WorkStr[Slot::SyPar].contains(QStringLiteral(",Badr=")));

    EXPECT_EQ(open(m, 1, QStringLiteral("a12-b1-c1")), QStringLiteral("ok"));
    EXPECT_EQ(m.view().VarBox[2].rows, QStringList{QStringLiteral("Bac=4113")});
    EXPECT_EQ(m.commands()[6].enabled, true);

    type(m, {QStringLiteral("T"), QStringLiteral("123456"), QStringLiteral("U")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("67"), ok());
    EXPECT_EQ(m.OpenBT(0, 0, false, true), QString());
    EXPECT_EQ(m.view().BT, (std::array<QString, 3>{QString(), QStringLiteral("123456"), QString()}));
}

TEST_F(BtEditTest, IndexWithoutTheRecordGivesDbxWithMessageUnlessAdding)
{
    const QString file = QString(blockFilePath(bin, QStringLiteral("41000"))).replace(u'\\', u'/');
    QDir().mkpath(QFileInfo(file).path());
    testutil::writeFile(file, "Typ=REAL,Q,Bac=4111\r\n\r\n");
    {
        const int lock = takeWriteLock(sp.program().BinDir, 1);
        ASSERT_GT(lock, 0);
        int n = 0;
        QString found;
        ASSERT_TRUE(InsInh(QStringLiteral("GHOST").leftJustified(18) + QStringLiteral("T41000"), n, found));
        forgetCachedPages(1);
        FClose(lock);
    }
    BtEditModel m;
    loaded(m);
    // The file layer tells which block is damaged; the editor adds message 170.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), ok());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("170"), ok());
    EXPECT_EQ(open(m, 0, QStringLiteral("GHOST")), QStringLiteral("dbx"));
    EXPECT_TRUE(sp.ui().allUsed());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), ok());
    type(m, {QStringLiteral("GHOST"), QString(), QString()});
    EXPECT_EQ(m.OpenBT(1, 0, true, false), QStringLiteral("dbx"));
}

TEST_F(BtEditTest, NotFoundAsksToCreateExceptInTheExternalFile)
{
    makeExternal({QStringLiteral("Typ=EXT1,Q,Bac=4111")});
    BtEditModel m;
    loaded(m);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("53"), ok());
    EXPECT_EQ(open(m, 0, QStringLiteral("NONE"), 2), QStringLiteral("nv"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("194"), no());
    EXPECT_EQ(open(m, 0, QStringLiteral("NONE"), 0), QStringLiteral("nv"));
    EXPECT_EQ(open(m, 0, QStringLiteral("EXT1"), 0), QStringLiteral("ok"));
    EXPECT_EQ(m.record().AktBiBe, 2);
}

TEST_F(BtEditTest, BlockNumberOfABlockFilePath)
{
    EXPECT_EQ(BtEditModel::BtBlockNr(QStringLiteral("C:\\tarn\\bin\\b9\\99\\99")), QStringLiteral("99999"));
    EXPECT_EQ(BtEditModel::BtBlockNr(QStringLiteral("/x/int/b1/40/03")), QStringLiteral("14003"));
}

TEST_F(BtEditTest, OpeningByBlockNumberShowsItsFirstRecord)
{
    const QString block = store(QStringLiteral("Typ=B1,Q,Bac=1411"));
    store(QStringLiteral("Typ=B2,Q,Bac=1412"));
    BtEditModel m;
    loaded(m);
    m.BTBlock_Change(QStringLiteral("10999"));
    EXPECT_FALSE(m.commands()[2].enabled);
    m.BTBlock_Change(block);
    EXPECT_TRUE(m.commands()[2].enabled);
    EXPECT_EQ(m.window().focus, QStringLiteral("Cmd2"));
    m.MenuBT(QStringLiteral("open"));
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=B1")});
    EXPECT_TRUE(m.window().caption.endsWith(QStringLiteral("Block:  ") + block + QStringLiteral("      2/1")));
    EXPECT_TRUE(m.view().BtIScroll.visible && m.view().BtIScroll.enabled);
    m.BtIScroll_Change(2);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=B2")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("27"), ok());
    m.BTBlock_Change(QStringLiteral("41999"));
    m.MenuBT(QStringLiteral("open"));
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=B2")}) << "nothing else shown";
}

// ---------------------------------------------------------------- saving

TEST_F(BtEditTest, EmptyClassParametersAskToDeleteAStoredRecordAndRefuseANewOne)
{
    const QString block = store(QStringLiteral("Typ=D1,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("D1")), QStringLiteral("ok"));
    m.setGridRowsForTest(2, {});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("435"), no());
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_TRUE(blockExists(bin, block));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("435"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("41000   1/1")));
        return yes();
    });
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("ok"));
    EXPECT_FALSE(blockExists(bin, block)) << "the block's last record went";
    EXPECT_EQ(m.record().RecCount, 0);
    EXPECT_FALSE(m.view().BtIScroll.visible);
    m.BT_Change(0, QStringLiteral("D1"));
    EXPECT_EQ(m.OpenBT(1, 0, false, false), QStringLiteral("nv"));

    BtEditModel n;
    loaded(n);
    n.setGridRowsForTest(1, {QStringLiteral("Typ=NEU")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("436"), ok());
    n.MenuBT(QStringLiteral("bt.save"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("437"), ok());
    n.setGridRowsForTest(2, {QStringLiteral("Tec=1000")});
    n.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(n.record().SaveResult, QStringLiteral("no"));
}

// The delete question names the component by its stored designations, then
// its block and its place there, so that the user knows which one goes.
TEST_F(BtEditTest, DeleteQuestionNamesTheComponent)
{
    store(QStringLiteral("Typ=L1,Q,Bac=4111"));
    store(QStringLiteral("Typ=L2,An=U-7,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("L2")), QStringLiteral("ok"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("435"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("Typ=L2, An=U-7   (41000   2/2)"))) << q.text.toStdString();
        return no();
    });
    m.MenuBT(QStringLiteral("bt.del"));
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(m.record().RecCount, 2);
}

// Printing is offered only while a component is shown: at the start, and after
// the shown component was deleted, there is nothing to print.
TEST_F(BtEditTest, PrintIsOfferedOnlyForAShownComponent)
{
    store(QStringLiteral("Typ=P1,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    const int print = 6;
    ASSERT_EQ(m.commands()[print].key, QStringLiteral("bt.print"));
    EXPECT_FALSE(m.commands()[print].enabled);
    ASSERT_EQ(open(m, 0, QStringLiteral("P1")), QStringLiteral("ok"));
    EXPECT_TRUE(m.commands()[print].enabled);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("435"), yes());
    m.MenuBT(QStringLiteral("bt.del"));
    EXPECT_TRUE(m.view().VarBox[1].rows.isEmpty());
    EXPECT_FALSE(m.commands()[print].enabled);
}

// Deleting the last record of a block that holds others shows the record now last.
TEST_F(BtEditTest, DeletingTheLastRecordOfABlockShowsTheOneBefore)
{
    store(QStringLiteral("Typ=L1,Q,Bac=4111"));
    store(QStringLiteral("Typ=L2,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("L2")), QStringLiteral("ok"));
    ASSERT_EQ(m.record().RecIdx, 2);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("435"), yes());
    m.MenuBT(QStringLiteral("bt.del"));
    EXPECT_EQ(m.record().RecCount, 1);
    EXPECT_EQ(m.record().RecIdx, 1);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=L1")});
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")), QStringList{QStringLiteral("Typ=L1,Q,Bac=4111")});
}

TEST_F(BtEditTest, GroupChangeMovesTheRecordAndAChangeWithinTheGroupStaysInPlace)
{
    store(QStringLiteral("Typ=G0,Q,Bac=1411"));
    store(QStringLiteral("Typ=G1,Yk=A12-B1-C1,Q,Bac=1411,Tec=1000"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("G1")), QStringLiteral("ok"));
    editGrid(m, 2, {QStringLiteral("Bac=1421"), QStringLiteral("Tec=1000")});
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().AktBlAdr, QStringLiteral("14000"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("14000")).value(1), QStringLiteral("Typ=G1,Yk=A12-B1-C1,Q,Bac=1421,Tec=1000"));

    editGrid(m, 2, {QStringLiteral("Bac=1511"), QStringLiteral("Tec=1000")});
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("ok"));
    EXPECT_EQ(m.record().AktBlAdr, QStringLiteral("15000"));
    EXPECT_FALSE(m.commands()[0].enabled);
    EXPECT_EQ(blockOf(bin, QStringLiteral("14000")), QStringList{QStringLiteral("Typ=G0,Q,Bac=1411")});
    EXPECT_EQ(blockOf(bin, QStringLiteral("15000")), QStringList{QStringLiteral("Typ=G1,Yk=A12-B1-C1,Q,Bac=1511,Tec=1000")});
    // Every designation is indexed with the new block.
    BtEditModel again;
    loaded(again);
    ASSERT_EQ(open(again, 1, QStringLiteral("A12-B1-C1")), QStringLiteral("ok"));
    EXPECT_EQ(again.record().AktBlAdr, QStringLiteral("15000"));
    ASSERT_EQ(open(again, 0, QStringLiteral("G1")), QStringLiteral("ok"));
    EXPECT_EQ(again.record().AktBlAdr, QStringLiteral("15000"));
}

// A group change whose write is refused leaves the record in its old block.
TEST_F(BtEditTest, RefusedGroupChangeKeepsTheRecordAndTheChanges)
{
    store(QStringLiteral("Typ=TAKEN,Q,Bac=4111"));
    store(QStringLiteral("Typ=G1,Q,Bac=1411"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("G1")), QStringLiteral("ok"));
    editGrid(m, 1, {QStringLiteral("Typ=G1"), QStringLiteral("Typ=TAKEN")});
    editGrid(m, 2, {QStringLiteral("Bac=1511")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("92"), ok());
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("dop"));
    EXPECT_TRUE(m.commands()[0].enabled);
    EXPECT_EQ(m.view().VarBox[2].rows, QStringList{QStringLiteral("Bac=1511")});
    EXPECT_EQ(blockOf(bin, QStringLiteral("14000")), QStringList{QStringLiteral("Typ=G1,Q,Bac=1411")});
    EXPECT_FALSE(blockExists(bin, QStringLiteral("15000")));
    BtEditModel again;
    loaded(again);
    EXPECT_EQ(open(again, 0, QStringLiteral("G1")), QStringLiteral("ok"));
}

TEST_F(BtEditTest, DescriptionIsStoredWholeInOneItemAndPiSurvives)
{
    const QString pi = QString(PiMark);
    store(QStringLiteral("Typ=P1,Q,Bac=4111,") + pi + QStringLiteral("qem=2,B,Alt"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("P1")), QStringLiteral("ok"));
    EXPECT_EQ(m.view().VarBox[2].rows.value(1), QString(PiChar) + QStringLiteral("qem=2"));
    m.recordEdited();
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(testutil::readFile(QString(blockFilePath(bin, QStringLiteral("41000"))).replace(u'\\', u'/')),
              QByteArray("Typ=P1,Q,Bac=4111,\xe3qem=2,B,Alt\r\n\r\n"));

    QString longText;
    while (longText.size() < 1500)
        longText += QStringLiteral("Zeile %1 der Beschreibung\r\n").arg(longText.size());
    m.BTBe_Change(longText);
    m.recordEdited();
    m.MenuBT(QStringLiteral("bt.save"));
    QString joined = longText;
    joined.remove(u'\r').remove(u'\n');
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")),
              QStringList{QStringLiteral("Typ=P1,Q,Bac=4111,") + pi + QStringLiteral("qem=2,B,") + joined});
}

TEST_F(BtEditTest, RecordTooLongForABlockIsRefusedWithAMessage)
{
    store(QStringLiteral("Typ=LONG,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("LONG")), QStringLiteral("ok"));
    m.BTBe_Change(QString(13000, u'x'));
    m.recordEdited();
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btlong"), ok());
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("no"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")), QStringList{QStringLiteral("Typ=LONG,Q,Bac=4111")});
}

// A refused save stops the command that asked for it: the changes stay shown.
TEST_F(BtEditTest, CopySavedUnchangedIsRefusedAndTheSaveQuestionThenStops)
{
    store(QStringLiteral("Typ=ORIG,Q,Bac=4111"));
    store(QStringLiteral("Typ=OTHER,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("ORIG")), QStringLiteral("ok"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("164"), ok());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Typ"), Answer::word(QStringLiteral("ORIG")));
    m.MenuBT(QStringLiteral("bt.copy"));
    EXPECT_EQ(m.record().AktBlAdr, QString());
    EXPECT_TRUE(m.commands()[0].enabled);
    EXPECT_FALSE(m.commands()[7].enabled);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("92"), ok());
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("dop"));

    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), yes());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("92"), ok());
    m.BT_Change(0, QStringLiteral("OTHER"));
    EXPECT_EQ(m.OpenBT(0, 0, false, true), QString());
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=ORIG")}) << "the unsaved copy stays";

    sp.ui().expect(QuestionKind::Message, QStringLiteral("164"), ok());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Typ"), Answer::word(QStringLiteral("COPY")));
    m.BTNamenChange();
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("ok"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")),
              (QStringList{QStringLiteral("Typ=ORIG,Q,Bac=4111"), QStringLiteral("Typ=OTHER,Q,Bac=4111"),
                           QStringLiteral("Typ=COPY,Q,Bac=4111")}));
}

TEST_F(BtEditTest, NewComponentTakesTheFieldsUpperCasedAndItsDescription)
{
    frmBEProgEin::state().procedures.EingabeBauteil = [this](QString& Ret) {
        EXPECT_EQ(sp.program().WorkStr[Slot::Ident], QStringLiteral(",Yk=A12-B1-C1"));
        sp.program().WorkStr[Slot::Q] = QStringLiteral("Bac=4111,Tec=1000");
        Ret.clear();
    };
    BtEditModel m;
    loaded(m);
    m.BT_Change(1, QStringLiteral("a12-b1-c1"));
    EXPECT_TRUE(m.commands()[3].enabled);
    sp.ui().expect(QuestionKind::ComponentText, QStringLiteral("frmBtEdit"), [](const Question& q) {
        auto* e = modelOf<BtEditModel>(q);
        EXPECT_TRUE(e->record().BTBeWait);
        EXPECT_TRUE(e->view().descriptionPrompt);
        EXPECT_FALSE(e->window().frameVisible[BtEditModel::FrameCmd]);
        e->BTBe_Change(QStringLiteral("Neu"));
        bool beep = false;
        e->keyPress(BtEditModel::Description, QChar(u'\r'), beep);
        EXPECT_FALSE(e->record().BTBeWait) << "Enter ends the entry";
        e->BTBe_Change(e->view().BTBe + QStringLiteral("\n"));
        Answer a;
        a.applied = true;
        return a;
    });
    m.MenuBT(QStringLiteral("bt.new"));
    EXPECT_EQ(m.view().BTBe, QStringLiteral("Neu"));
    EXPECT_TRUE(m.commands()[0].enabled);
    EXPECT_TRUE(m.window().frameVisible[BtEditModel::FrameCmd]);
    m.MenuBT(QStringLiteral("bt.save"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("ok"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")),
              QStringList{QStringLiteral("Yk=A12-B1-C1,Q,Bac=4111,Tec=1000,B,Neu")});
    // Creating it again only shows it.
    type(m, {QString(), QStringLiteral("A12-B1-C1"), QString()});
    m.MenuBT(QStringLiteral("bt.new"));
    EXPECT_EQ(m.record().AktBlAdr, QStringLiteral("41000"));
}

// Closing the editor while a new component's description is asked offers the
// new component for saving instead of dropping it.
TEST_F(BtEditTest, CloseDuringTheDescriptionOffersTheNewComponent)
{
    frmBEProgEin::state().procedures.EingabeBauteil = [this](QString& Ret) {
        sp.program().WorkStr[Slot::Q] = QStringLiteral("Bac=4111");
        Ret.clear();
    };
    BtEditModel m;
    loaded(m);
    m.BT_Change(2, QStringLiteral("u9"));
    sp.ui().expect(QuestionKind::ComponentText, QStringLiteral("frmBtEdit"), [](const Question& q) {
        auto* e = modelOf<BtEditModel>(q);
        EXPECT_FALSE(e->Form_QueryUnload());
        Answer a;
        a.applied = true;
        return a;
    });
    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), yes());
    m.MenuBT(QStringLiteral("bt.new"));
    EXPECT_EQ(m.window().Tag, QStringLiteral("1"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")), QStringList{QStringLiteral("An=U9,Q,Bac=4111")});
}

TEST_F(BtEditTest, CopyIntoTheInternalFileAndBack)
{
    makeExternal({QStringLiteral("Typ=E1,Q,Bac=4111"), QStringLiteral("Typ=E2,Q,Bac=4111")});
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("E1"), 2), QStringLiteral("ok"));
    EXPECT_TRUE(m.commands()[4].visible);
    EXPECT_FALSE(m.window().frameEnabled[BtEditModel::FrameBT]) << "external records are read-only";
    m.VarBox_KeyDown(2, 46);
    EXPECT_EQ(m.view().VarBox[2].rows.size(), 1);
    m.MenuBT(QStringLiteral("bt.copyint"));
    EXPECT_EQ(m.record().SaveResult, QStringLiteral("ok"));
    EXPECT_EQ(m.record().AktBiBe, 1);
    EXPECT_TRUE(m.commands()[5].visible && m.commands()[5].enabled);
    EXPECT_FALSE(m.commands()[4].visible);
    EXPECT_EQ(m.record().InExWahl, 1);
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")), QStringList{QStringLiteral("Typ=E1,Q,Bac=4111")});
    m.MenuBT(QStringLiteral("bt.back"));
    EXPECT_EQ(m.record().AktBiBe, 2);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=E2")});
    // The same record again: the internal file has its type already.
    ASSERT_EQ(open(m, 0, QStringLiteral("E1"), 2), QStringLiteral("ok"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("92"), ok());
    m.MenuBT(QStringLiteral("bt.copyint"));
    EXPECT_EQ(m.record().AktBiBe, 2);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=E1")});
}

// ---------------------------------------------------------------- record display

TEST_F(BtEditTest, SubComponentsAreIndentedBehindTheirClassCode)
{
    BtEditModel m;
    loaded(m);
    const QStringList block{QString(),
                            QStringLiteral("Typ=K1,Q,Bac=4111,Tec=1000,Z,Bac=4112,Tec=2000,Bac=4113,B,Ein,Text")};
    m.setBlockForTest(block, 12, 1, QStringLiteral("41000"));
    m.ShowBT(1);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=K1")});
    EXPECT_EQ(m.view().VarBox[2].rows, (QStringList{QStringLiteral("Bac=4111"), QStringLiteral("Tec=1000")}));
    EXPECT_EQ(m.view().VarBox[3].rows,
              (QStringList{QStringLiteral("Bac=4112"), QStringLiteral(" Tec=2000"), QStringLiteral("Bac=4113")}));
    EXPECT_EQ(m.view().BTBe, QStringLiteral("EinText"));
    m.BTKopfZeile(3);
    EXPECT_TRUE(m.window().caption.endsWith(QStringLiteral("41000      12/3")));
    EXPECT_TRUE(m.window().caption.contains(QStringLiteral("Interne BE-Datei")));
    m.BTKopfZeile(0, QString(), 0);
    EXPECT_EQ(m.window().caption, QStringLiteral("Bauelement bearbeiten ") + QString(12, u' ') +
                             QStringLiteral("  Block:  neues BE      "));
    m.setBlockForTest(block, 1, 0, QString(), 1);
    m.ReloadBtBlock();
    EXPECT_TRUE(m.view().BtIScroll.visible);
    EXPECT_FALSE(m.view().BtIScroll.enabled);
    m.setBlockForTest(block, 0, 0, QString(), 1);
    m.ReloadBtBlock();
    EXPECT_FALSE(m.view().BtIScroll.visible);
}

TEST_F(BtEditTest, ScrollingWithUnsavedChangesAsksAndCancelKeepsTheRecord)
{
    store(QStringLiteral("Typ=S1,Q,Bac=4111"));
    store(QStringLiteral("Typ=S2,Q,Bac=4111"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("S1")), QStringLiteral("ok"));
    editGrid(m, 2, {QStringLiteral("Bac=4111"), QStringLiteral("Tec=1000")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), Answer::button(Mb::Cancel));
    m.BtIScroll_Change(2);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=S1")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("433"), no());
    m.BtIScroll_Change(2);
    EXPECT_EQ(m.view().VarBox[1].rows, QStringList{QStringLiteral("Typ=S2")});
    EXPECT_TRUE(m.commands()[0].enabled) << "No leaves the save button as it was";
}

// ---------------------------------------------------------------- popup and fields

TEST_F(BtEditTest, NewItemPopupMarksParametersAndTakesPi)
{
    BtEditModel m;
    loaded(m);
    m.setBlockForTest({QString(), QStringLiteral("Typ=M1,Q,Bac=1311")}, 1, 1, QString());
    m.ShowBT(1);
    QStringList captions;
    sp.ui().expect(QuestionKind::ComponentPopup, QStringLiteral("up0"), [&](const Question& q) {
        captions = paramsOf<PopupParams>(q).paramCaptions;
        EXPECT_EQ(paramsOf<PopupParams>(q).tags, QStringList{QStringLiteral("new")});
        return Answer::word(QStringLiteral("{pi}qem,{pi}qem"));
    });
    sp.ui().expect(QuestionKind::Value, QStringLiteral("{pi}qem"), Answer::word(QStringLiteral("2")));
    m.VarBox_MouseDownRight(2);
    ASSERT_EQ(captions.size(), 7);
    EXPECT_EQ(captions[5], QStringLiteral("Tumax\t   i         "));
    EXPECT_EQ(captions[4], QStringLiteral("Kfm\t  Mil       "));
    EXPECT_EQ(captions[0], QStringLiteral("Bac\t") + QString(13, u' '));
    EXPECT_EQ(m.view().VarBox[2].rows.last(), QString(PiChar) + QStringLiteral("qem=2"));
    EXPECT_TRUE(m.commands()[0].enabled);

    // A popup closed without a choice adds nothing.
    sp.ui().expect(QuestionKind::ComponentPopup, QStringLiteral("up0"), Answer::cancel());
    const qsizetype rows = m.view().VarBox[2].rows.size();
    m.VarBox_KeyDown(2, 45);
    EXPECT_EQ(m.view().VarBox[2].rows.size(), rows);
}

TEST_F(BtEditTest, PopupEditAndDeleteWorkOnTheCurrentRow)
{
    BtEditModel m;
    loaded(m);
    m.setBlockForTest({QString(), QStringLiteral("Typ=BC847,Q,Bac=2111,Pin=3,Kfm=1")}, 1, 1, QString());
    m.ShowBT(1);
    m.VarBox_RowChange(2, 1);
    sp.ui().expect(QuestionKind::ComponentPopup, QStringLiteral("up0"), [](const Question& q) {
        EXPECT_EQ(paramsOf<PopupParams>(q).tags,
                  (QStringList{QStringLiteral("edit"), QStringLiteral("del")}));
        return Answer::word(QStringLiteral("edit"));
    });
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Pin"), Answer::word(QStringLiteral("4")));
    m.VarBox_DblClick(2, true);
    EXPECT_EQ(m.view().VarBox[2].rows,
              (QStringList{QStringLiteral("Bac=2111"), QStringLiteral("Pin=4"), QStringLiteral("Kfm=1")}));
    // A value with a comma would become a further item: refused. A number is
    // refused in the value dialog, which asks again with the text as typed.
    const auto typed = [](const QString& text) {
        return [text](const Question& q) {
            modelOf<frmEdit::EditModel>(q)->input = text;
            modelOf<frmEdit::EditModel>(q)->tag = 0;
            Answer a;
            a.applied = true;
            return a;
        };
    };
    m.VarBox_RowChange(2, 2);
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Kfm"), typed(QStringLiteral("1,Tec=9")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("426"), ok());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Kfm"), [](const Question& q) {
        EXPECT_EQ(paramsOf<ValueParams>(q).value, QStringLiteral("1,Tec=9"));
        return Answer::cancel();
    });
    m.VarBox_KeyPress(2, u'=');
    EXPECT_EQ(m.view().VarBox[2].rows.value(2), QStringLiteral("Kfm=1"));
    // A text is refused when the dialog has closed.
    m.setGridRowsForTest(2, m.view().VarBox[2].rows + QStringList{QStringLiteral("K1=ab")});
    m.VarBox_RowChange(2, 3);
    sp.ui().expect(QuestionKind::Value, QStringLiteral("K1"), typed(QStringLiteral("a,Tec=9")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("btcomma"), ok());
    m.VarBox_KeyPress(2, u'=');
    EXPECT_EQ(m.view().VarBox[2].rows.value(3), QStringLiteral("K1=ab"));
    m.setGridRowsForTest(2, m.view().VarBox[2].rows.first(3));
    m.VarBox_RowChange(2, 2);
    m.VarBox_KeyDown(2, 46);
    EXPECT_EQ(m.view().VarBox[2].rows, (QStringList{QStringLiteral("Bac=2111"), QStringLiteral("Pin=4")}));
    EXPECT_EQ(m.view().VarBox[2].row, 1) << "the new last row is current";
    m.setGridRowsForTest(2, {QStringLiteral("Bac=2111")});
    m.VarBox_RowChange(2, 0);
    sp.ui().expect(QuestionKind::ComponentPopup, QStringLiteral("up0"), Answer::word(QStringLiteral("del")));
    m.VarBox_DblClick(2, true);
    EXPECT_TRUE(m.view().VarBox[2].rows.isEmpty());
}

TEST_F(BtEditTest, ExternalRecordOffersOnlyTheTransferInPickMode)
{
    BtEditModel m;
    loaded(m);
    m.setBlockForTest({QString(), QStringLiteral("Typ=X1,Q,Bac=2111")}, 1, 2, QString());
    m.ShowBT(1);
    m.VarBox_MouseDownRight(2);
    m.VarBox_KeyPress(2, u'=');
    m.VarBox_DblClick(2, true);
    m.VarBox_DblClick(1, true); // nothing to offer outside pick mode
    m.startWith(QString(), QStringLiteral("replace"));
    sp.ui().expect(QuestionKind::ComponentPopup, QStringLiteral("up0"), [](const Question& q) {
        EXPECT_EQ(paramsOf<PopupParams>(q).tags, QStringList{QStringLiteral("trans")});
        return Answer::cancel();
    });
    m.VarBox_DblClick(1, true);
}

TEST_F(BtEditTest, FieldFiltersForTypedAndPastedText)
{
    BtEditModel m;
    loaded(m);
    bool beep = false;
    EXPECT_FALSE(m.keyPress(0, u',', beep));
    EXPECT_TRUE(beep);
    EXPECT_EQ(m.keyPress(0, QChar(u'\u00e4'), beep), QChar(0x84)) << "stored in the OEM code page";
    EXPECT_FALSE(m.keyPress(0, QChar(u'\u00fe'), beep)) << "the end mark never enters";
    EXPECT_FALSE(m.keyPress(BtEditModel::Description, u'=', beep));
    EXPECT_EQ(m.keyPress(BtEditModel::Description, QChar(16), beep), PiChar);
    EXPECT_FALSE(m.keyPress(BtEditModel::Block, u'a', beep));
    EXPECT_FALSE(beep) << "the block field drops keys silently";
    EXPECT_EQ(m.filterPaste(0, QStringLiteral("A,B=C\u00c3D"), beep), QStringLiteral("ABCD"));
    EXPECT_TRUE(beep);
    EXPECT_EQ(m.filterPaste(BtEditModel::Description, QStringLiteral("x,y\r\nz"), beep), QStringLiteral("xy\r\nz"));
    EXPECT_EQ(m.filterPaste(BtEditModel::Block, QStringLiteral(" 14-003"), beep), QStringLiteral("14003"));
}

TEST_F(BtEditTest, ChangingTheCopysDesignationsDeletesCancelledOnes)
{
    BtEditModel m;
    loaded(m);
    m.setGridRowsForTest(1, {QStringLiteral("Typ=A"), QStringLiteral("Typ=B"), QStringLiteral("An=C")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("164"), ok());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Typ"), Answer::word(QStringLiteral("A2")));
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Typ"), Answer::cancel());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("An"), Answer::word(QStringLiteral("C2")));
    m.BTNamenChange();
    EXPECT_EQ(m.view().VarBox[1].rows, (QStringList{QStringLiteral("Typ=A2"), QStringLiteral("An=C2")}));
    EXPECT_FALSE(m.view().VarBox[1].highlighted);

    m.setGridRowsForTest(1, {QStringLiteral("Typ=ONLY")});
    sp.ui().expect(QuestionKind::Message, QStringLiteral("164"), ok());
    sp.ui().expect(QuestionKind::Value, QStringLiteral("Typ"), Answer::cancel());
    m.BTNamenChange();
    EXPECT_TRUE(m.view().VarBox[1].rows.isEmpty());
}

TEST_F(BtEditTest, CheckSaveWithOnlySubComponentsDisablesSaveWithoutAsking)
{
    BtEditModel m;
    loaded(m);
    editGrid(m, 3, {QStringLiteral("Bac=4111")});
    EXPECT_TRUE(m.CheckSaveBT(433));
    EXPECT_FALSE(m.commands()[0].enabled);
}

// ---------------------------------------------------------------- adding a designation

TEST_F(BtEditTest, AddingADesignationGivesItsResultWord)
{
    store(QStringLiteral("Typ=IN1,Yk=A12-B1-C1,Q,Bac=4111"));
    makeExternal({QStringLiteral("Typ=EX1,Q,Bac=4111"), QStringLiteral("Typ=IC1,Q,Bac=2111")});
    BtEditModel m;
    loaded(m);
    EXPECT_EQ(m.RunAddBez(QStringLiteral("NOPE"), 0, QStringLiteral("A12-B1-C1"), 1, 0, false), QStringLiteral("dopin"));
    EXPECT_EQ(m.RunAddBez(QStringLiteral("EX1"), 0, QStringLiteral("U5"), 2, 1, false), QStringLiteral("nv"));
    EXPECT_EQ(m.RunAddBez(QStringLiteral("IC1"), 0, QStringLiteral("U6"), 2, 0, true), QStringLiteral("nv"));
    EXPECT_EQ(m.RunAddBez(QStringLiteral("EX1"), 0, QStringLiteral("U5"), 2, 0, false), QStringLiteral("okex"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")).value(1), QStringLiteral("Typ=EX1,An=U5,Q,Bac=4111"));
    EXPECT_EQ(m.RunAddBez(QStringLiteral("IN1"), 0, QStringLiteral("U7"), 2, 0, false), QStringLiteral("okin"));
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")).value(0), QStringLiteral("Typ=IN1,Yk=A12-B1-C1,An=U7,Q,Bac=4111"));
    const QStringList before = blockOf(bin, QStringLiteral("41000"));
    EXPECT_EQ(m.RunAddBez(QString(), 0, QStringLiteral("U8"), 2, 0, false), QString());
    EXPECT_EQ(m.RunAddBez(QStringLiteral("IN1"), 0, QString(), 2, 0, false), QString());
    EXPECT_EQ(blockOf(bin, QStringLiteral("41000")), before) << "nothing written";
}

} // namespace
