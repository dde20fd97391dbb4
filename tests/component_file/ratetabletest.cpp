#include "app/procedures.h"
#include "frame/workslots.h"
#include "component_file/awsedit.h"
#include "frame/database.h"
#include "main_window/menutarn.h"
#include "frame/restext.h"
#include "common/testutil.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using testutil::ScriptedProgram;
using testutil::TempInstallation;

namespace {

// Every column of every row of the user table, in a stable order, as stored.
std::vector<QVariantList> allRows(const QString& path)
{
    auto db = Database::open(path, true);
    return db->snapshot(QStringLiteral("SELECT rowid, * FROM [ARMILQRM] ORDER BY rowid")).rows();
}

class RateTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        sp.program().WorkStr[Slot::AwsDir] = inst.path(QStringLiteral("System"));
        sp.program().WorkStr[Slot::SystemDir] = inst.path(QStringLiteral("System"));
        sp.program().LangNr = 1;
    }
    QString araws() const { return inst.path(QStringLiteral("System/ARAWS.sqlite")); }

    // Types a text into the current cell and ends it with Enter.
    static void type(AwsEditModel& m, const QString& text)
    {
        for (QChar c : text)
            m.keyPress(c);
        m.keyPress(QChar(13));
    }

    TempInstallation inst;
    ScriptedProgram sp;
};

TEST_F(RateTableTest, EditorLoadsTheFirstGroupWithTheValuesAsLoaded)
{
    AwsEditModel m;
    m.FormLoad();
    ASSERT_EQ(m.Tag, QStringLiteral("0"));
    EXPECT_EQ(m.AktGruppe, QStringLiteral("11"));
    EXPECT_EQ(m.groups, (QStringList{"11", "12", "13", "14", "16", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(m.titles.at(7), QStringLiteral("Name Bac"));
    EXPECT_EQ(m.widthKeys[7], 40);
    ASSERT_EQ(m.rowCount(), 90);
    EXPECT_EQ(m.cell(1, 0), QStringLiteral("1110"));
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("1000"));
    EXPECT_EQ(m.cell(1, 3), QStringLiteral("1,6E+4"));
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("3"));
    EXPECT_EQ(m.cell(3, 8), QStringLiteral("7,68"));
    EXPECT_FLOAT_EQ(m.AltWerte[2][0], 7.68f);
    EXPECT_EQ(m.Row, 1);
    EXPECT_EQ(m.Col, 8);
    ASSERT_NE(prog().AwsDb, nullptr);
    m.close();
    EXPECT_EQ(prog().AwsDb, nullptr);
}

// Saving changes exactly the edited rows' Armin and Armax; every other value of
// the table stays as it was. Row 3 has K1 256000, which the grid shows rounded
// ("2,6E+5"): the row must still be found.
TEST_F(RateTableTest, SaveWritesOnlyTheEditedValues)
{
    auto before = allRows(araws());
    {
        AwsEditModel m;
        m.FormLoad();
        ASSERT_EQ(m.cell(3, 3), QStringLiteral("2,6E+5"));
        m.click(3, 8);
        type(m, QStringLiteral("1.5"));
        EXPECT_EQ(m.cell(3, 8), QStringLiteral("1,5"));
        EXPECT_EQ(m.Col, 9);
        m.keyDown(AwsEditModel::KeyDelete);
        type(m, QStringLiteral("4"));
        EXPECT_EQ(m.cell(3, 9), QStringLiteral("4"));
        EXPECT_TRUE(m.Geaendert);
        m.MenuAWS(QStringLiteral("save"), true);
        EXPECT_EQ(m.updatesSent, 1);
        EXPECT_FALSE(m.Geaendert);
        // Reloaded from the database.
        EXPECT_EQ(m.cell(3, 8), QStringLiteral("1,5"));
        EXPECT_FLOAT_EQ(m.AltWerte[2][0], 1.5f);
        m.close();
    }
    auto after = allRows(araws());
    ASSERT_EQ(before.size(), after.size());
    auto db = Database::open(araws(), true);
    const Snapshot s = db->snapshot(QStringLiteral("SELECT rowid FROM [ARMILQRM] WHERE [BacTec] = ? AND [K1] = ?"),
                                    {QStringLiteral("11101000"), 256000.0});
    ASSERT_EQ(s.recordCount(), 1);
    const qint64 edited = s.rows()[0][0].toLongLong();
    const QStringList fields = db->snapshot(QStringLiteral("SELECT rowid, * FROM [ARMILQRM] LIMIT 1")).fields();
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i][0].toLongLong() != edited) {
            EXPECT_EQ(before[i], after[i]) << "row " << i;
            continue;
        }
        for (int f = 0; f < fields.size(); ++f) {
            const QString name = fields[f];
            if (name.compare(QLatin1String("Armin"), Qt::CaseInsensitive) == 0)
                EXPECT_DOUBLE_EQ(after[i][f].toDouble(), 1.5);
            else if (name.compare(QLatin1String("Armax"), Qt::CaseInsensitive) == 0)
                EXPECT_DOUBLE_EQ(after[i][f].toDouble(), 4.0);
            else
                EXPECT_EQ(before[i][f], after[i][f]) << name.toStdString();
        }
    }
}

TEST_F(RateTableTest, SaveWithoutChangedValuesSendsNothing)
{
    const QByteArray before = testutil::readFile(araws());
    AwsEditModel m;
    m.FormLoad();
    // An edit that puts the same value back is no change.
    type(m, QStringLiteral("3"));
    EXPECT_TRUE(m.Geaendert);
    m.MenuAWS(QStringLiteral("save"), false);
    EXPECT_EQ(m.updatesSent, 0);
    m.close();
    EXPECT_EQ(testutil::readFile(araws()), before);
}

// A maximum typed below the row's minimum is refused where it is typed
// (message 503 naming both and the row); a minimum raised above the maximum
// waits for its maximum, and the save refuses the pair while it stays so.
TEST_F(RateTableTest, MinimumAboveMaximumIsRefused)
{
    const QByteArray before = testutil::readFile(araws());
    AwsEditModel m;
    m.FormLoad();
    m.click(3, 8);
    type(m, QStringLiteral("90000"));
    EXPECT_EQ(m.Col, 9) << "a minimum above the old maximum is taken; its maximum follows";
    QString text;
    sp.ui().expect(QuestionKind::Message, QStringLiteral("503"), [&](const Question& q) {
        text = q.text;
        return Answer::button(Mb::OK);
    });
    m.keyDown(AwsEditModel::KeyDelete);
    type(m, QStringLiteral("20"));
    EXPECT_TRUE(text.contains(QStringLiteral("90000")) && text.contains(QStringLiteral("20"))) << text.toStdString();
    EXPECT_TRUE(m.EditAktiv) << "the refused maximum stays in editing";
    EXPECT_EQ(m.Row, 3);
    EXPECT_EQ(m.Col, 9);
    // Escape gives the old maximum back; the pair is still wrong, and neither
    // the save button nor closing with "save" writes it.
    m.keyPress(QChar(27));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("503"), Answer::button(Mb::OK));
    m.cmdClick(QStringLiteral("save"));
    EXPECT_TRUE(m.Geaendert);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("118"), Answer::button(Mb::Yes));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("503"), Answer::button(Mb::OK));
    m.cmdClick(QStringLiteral("can"));
    EXPECT_EQ(m.Tag, QStringLiteral("0")) << "the editor stays open for the correction";
    EXPECT_EQ(m.Row, 3);
    EXPECT_EQ(m.Col, 9);
    // A maximum above the minimum is taken and saved.
    m.keyDown(AwsEditModel::KeyDelete);
    type(m, QStringLiteral("99000"));
    m.cmdClick(QStringLiteral("save"));
    EXPECT_FALSE(m.Geaendert);
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
    EXPECT_NE(testutil::readFile(araws()), before);
}

struct TrimCase {
    const char* name;
    const char* typed;
    const char* cell;
    bool accepted;
};
void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.name; }

class CellCheckTest : public RateTableTest, public ::testing::WithParamInterface<TrimCase> {};

TEST_P(CellCheckTest, EnterChecksTheCell)
{
    const TrimCase& c = GetParam();
    AwsEditModel m;
    m.FormLoad();
    if (!c.accepted)
        sp.ui().expect(QuestionKind::Message, QStringLiteral("68"), Answer::button(Mb::OK));
    m.keyDown(AwsEditModel::KeyDelete);
    type(m, QString::fromLatin1(c.typed));
    EXPECT_EQ(m.cell(1, 8), QString::fromLatin1(c.cell));
    EXPECT_EQ(m.EditAktiv, !c.accepted);
    EXPECT_EQ(m.Geaendert, c.accepted);
    EXPECT_EQ(m.Col, c.accepted ? 9 : 8);
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
}

INSTANTIATE_TEST_SUITE_P(Cells, CellCheckTest,
                         ::testing::Values(TrimCase{"TrailingCommaDropped", "1,2,", "1,2", true},
                                           TrimCase{"PointTakenAsComma", "1.2", "1,2", true},
                                           TrimCase{"CommasAloneBecomeZero", ",,", "0", true},
                                           TrimCase{"EmptiedBecomesZero", "", "0", true},
                                           TrimCase{"SeventhCharacterIgnored", "1234567", "123456", true},
                                           TrimCase{"LettersDropped", "1a2", "12", true},
                                           TrimCase{"TwoCommasRefused", "1,2,3", "1,2,3", false}),
                         [](const auto& i) { return std::string(i.param.name); });

// A refused cell stays in editing and is never written.
TEST_F(RateTableTest, RefusedCellIsNotSaved)
{
    const QByteArray before = testutil::readFile(araws());
    AwsEditModel m;
    m.FormLoad();
    sp.ui().expect(QuestionKind::Message, QStringLiteral("68"), Answer::button(Mb::OK));
    type(m, QStringLiteral("1,2,3"));
    // The button asks the leave question; the check refuses again, so "save" is dropped.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("103"), Answer::button(Mb::Yes));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("68"), Answer::button(Mb::OK));
    m.cmdClick(QStringLiteral("save"));
    EXPECT_TRUE(m.EditAktiv);
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
    EXPECT_EQ(testutil::readFile(araws()), before);
}

TEST_F(RateTableTest, EscapeRestoresAndEnterWalksTheRows)
{
    AwsEditModel m;
    m.FormLoad();
    m.SeitenZeilen = 2;
    m.keyPress(QChar(u'9'));
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("9"));
    m.keyPress(QChar(27));
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("3"));
    EXPECT_FALSE(m.EditAktiv);
    m.keyPress(QChar(27));
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("3"));
    m.keyPress(QChar(13));
    m.keyPress(QChar(13));
    EXPECT_EQ(m.Row, 2);
    EXPECT_EQ(m.Col, 8);
    EXPECT_EQ(m.TopRow, 1);
    m.keyPress(QChar(13));
    m.keyPress(QChar(13));
    EXPECT_EQ(m.Row, 3);
    EXPECT_EQ(m.TopRow, 2); // row 3 was below the two visible rows
    m.cellMoved(m.rowCount(), 9);
    m.keyPress(QChar(13));
    EXPECT_EQ(m.Row, m.rowCount());
    EXPECT_EQ(m.Col, 9);
    EXPECT_FALSE(m.Geaendert);
    m.close();
}

// No to the leave question puts the old text back but marks the table changed,
// so closing asks whether to save.
TEST_F(RateTableTest, LeaveQuestionNoRestoresAndCloseAsks)
{
    AwsEditModel m;
    m.FormLoad();
    type(m, QString()); // Enter only: nothing edited
    m.cellMoved(1, 8);
    m.keyPress(QChar(u'7'));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("103"), Answer::button(Mb::No));
    m.click(2, 9);
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("3"));
    EXPECT_EQ(m.Row, 2);
    EXPECT_EQ(m.Col, 9);
    EXPECT_TRUE(m.Geaendert);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("118"), Answer::button(Mb::No));
    m.MenuAWS(QStringLiteral("can"), false);
    EXPECT_EQ(m.Tag, QStringLiteral("1"));
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
}

TEST_F(RateTableTest, ScrollAwayFromAnEditedCell)
{
    AwsEditModel m;
    m.FormLoad();
    m.SeitenZeilen = 5;
    m.keyPress(QChar(u'7'));
    m.scroll(1); // row 1 stays visible: nothing asked
    EXPECT_TRUE(m.EditAktiv);
    // Row 1 would vanish: No keeps the view on the edited cell with its old text.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("103"), Answer::button(Mb::No));
    m.scroll(2);
    EXPECT_EQ(m.TopRow, 1);
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("3"));
    EXPECT_FALSE(m.EditAktiv);
    // Yes with a valid text applies the scroll.
    m.keyPress(QChar(u'8'));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("103"), Answer::button(Mb::Yes));
    m.scroll(4);
    EXPECT_EQ(m.TopRow, 4);
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("8"));
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
}

TEST_F(RateTableTest, GroupWithoutRowsKeepsTheGrid)
{
    AwsEditModel m;
    m.FormLoad();
    m.groupText = QStringLiteral("99");
    sp.ui().expect(QuestionKind::Message, QStringLiteral("44"), Answer::button(Mb::OK));
    m.MenuAWS(QStringLiteral("load"), false);
    EXPECT_EQ(m.groupText, QStringLiteral("99"));
    EXPECT_EQ(m.rowCount(), 90);
    EXPECT_EQ(m.cell(1, 0), QStringLiteral("1110"));
    const int loads = m.reloads;
    m.MenuAWS(QStringLiteral("load"), false); // the group shown already
    EXPECT_EQ(m.reloads, loads);
    // The values as loaded are still known: only the edited row is sent.
    type(m, QStringLiteral("4"));
    m.MenuAWS(QStringLiteral("save"), false);
    EXPECT_EQ(m.updatesSent, 1);
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
}

TEST_F(RateTableTest, RowsWithoutDcodeAreNotShown)
{
    {
        auto db = Database::open(araws(), false);
        db->execute(QStringLiteral("INSERT INTO [ARMILQRM] ([BacTec],[K1],[Art],[Armin],[Armax],[Dcode]) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {QStringLiteral("11000000"), 1.0, QStringLiteral("B"), 1.0, 2.0, QString()});
    }
    AwsEditModel m;
    m.FormLoad();
    EXPECT_EQ(m.rowCount(), 90);
    m.close();
}

// Rows without K1 or values are still found and written.
TEST_F(RateTableTest, RowWithEmptyK1AndValuesIsSaved)
{
    {
        auto db = Database::open(araws(), false);
        db->execute(QStringLiteral("INSERT INTO [ARMILQRM] ([BacTec],[Art],[Dcode],[Txt]) VALUES (?, ?, ?, ?)"),
                    {QStringLiteral("11000000"), QStringLiteral("B"), QStringLiteral("1100"), QStringLiteral("x")});
    }
    AwsEditModel m;
    m.FormLoad();
    ASSERT_EQ(m.cell(1, 0) + m.cell(1, 1), QStringLiteral("11000000"));
    EXPECT_EQ(m.cell(1, 3), QString());
    EXPECT_EQ(m.cell(1, 8), QString());
    type(m, QStringLiteral("2"));
    m.MenuAWS(QStringLiteral("save"), false);
    m.close();
    auto db = Database::open(araws(), true);
    const Snapshot s = db->snapshot(QStringLiteral("SELECT [Armin],[Armax] FROM [ARMILQRM] WHERE [BacTec] = ?"),
                                    {QStringLiteral("11000000")});
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_DOUBLE_EQ(s.value(0).toDouble(), 2.0);
    EXPECT_FALSE(s.value(1).isNull()); // the empty cell was written as 0
    EXPECT_DOUBLE_EQ(s.value(1).toDouble(), 0.0);
}

TEST_F(RateTableTest, MissingUserDatabaseShowsMessage473)
{
    QFile::remove(araws());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    frmAWSedit::Show0();
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(prog().AwsDb, nullptr);
}

// A list that another program holds is refused with message 473, and a list the
// editor holds cannot be written by anyone else.
TEST_F(RateTableTest, TheListIsHeldExclusively)
{
    {
        auto other = Database::open(araws(), false);
        other->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
        AwsEditModel m;
        m.FormLoad();
        EXPECT_EQ(m.Tag, QStringLiteral("1"));
        EXPECT_TRUE(sp.ui().allUsed());
        other->execute(QStringLiteral("ROLLBACK"));
    }
    AwsEditModel m;
    m.FormLoad();
    ASSERT_EQ(m.Tag, QStringLiteral("0"));
    EXPECT_THROW(Database::open(araws(), true)->snapshot(QStringLiteral("SELECT COUNT(*) FROM [ARMILQRM]")), DbError);
    m.close();
    EXPECT_NO_THROW(Database::open(araws(), true)->snapshot(QStringLiteral("SELECT COUNT(*) FROM [ARMILQRM]")));
}

TEST_F(RateTableTest, ShowZeroHandsTheEditorToTheWindowAndClosesTheDatabase)
{
    bool shown = false;
    sp.ui().expect(QuestionKind::RateTableEdit, QStringLiteral("frmAWSedit"), [&](const Question& q) {
        auto* m = static_cast<AwsEditModel*>(modelOf<RateTableModel>(q));
        shown = m && m->rowCount() == 90 && prog().AwsDb != nullptr;
        m->MenuAWS(QStringLiteral("can"), false);
        return Answer();
    });
    frmAWSedit::Show0();
    EXPECT_TRUE(shown);
    EXPECT_EQ(prog().AwsDb, nullptr);
}

// "gr" cancelled keeps everything; a chosen group replaces unsaved edits
// without a question, and "can" still asks about them.
TEST_F(RateTableTest, GroupSelection)
{
    QDir::setCurrent(inst.dir()); // the program directory; restored by ScriptedProgram
    sp.program().LangDir = QStringLiteral("dd\\");
    AwsEditModel m;
    m.FormLoad();
    m.keyPress(QChar(u'7'));
    m.keyPress(QChar(13));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#aws"), Answer::cancel());
    m.MenuAWS(QStringLiteral("gr"), false);
    EXPECT_EQ(m.AktGruppe, QStringLiteral("11"));
    EXPECT_EQ(m.cell(1, 8), QStringLiteral("7"));
    sp.ui().expect(QuestionKind::Menu, QStringLiteral("btx\\bac#aws"), Answer::word(QStringLiteral("12")));
    m.MenuAWS(QStringLiteral("gr"), false);
    EXPECT_EQ(m.AktGruppe, QStringLiteral("12"));
    ASSERT_GT(m.rowCount(), 0);
    EXPECT_TRUE(m.cell(1, 0).startsWith(QStringLiteral("12")));
    EXPECT_EQ(m.AltWerte.size(), size_t(m.rowCount()));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("118"), Answer::button(Mb::No));
    m.MenuAWS(QStringLiteral("can"), false);
    EXPECT_TRUE(sp.ui().allUsed());
    m.close();
}

// The main menu's keys show the windows under its busy protocol.
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

TEST_F(RateTableTest, MainMenuStartsBothWindows)
{
    NoView view;
    MenuDispatcher d(view);
    installEntryProcedures(d);
    QStringList shown;
    for (const QuestionKind kind : {QuestionKind::RateTableEdit, QuestionKind::RateTableView}) {
        const QString k = questionKindWord(kind);
        sp.ui().expect(kind, kind == QuestionKind::RateTableEdit ? QStringLiteral("frmAWSedit") : QStringLiteral("frmYKedit"),
                       [&shown, k](const Question& q) {
                           EXPECT_TRUE(prog().MenuRunning);
                           shown << k;
                           modelOf<RateTableModel>(q)->Tag = QStringLiteral("1");
                           return Answer();
                       });
    }
    d.MenuTARN(QStringLiteral("aws"));
    d.MenuTARN(QStringLiteral("yk"));
    EXPECT_EQ(shown, (QStringList{"awsedit", "ykedit"}));
    EXPECT_FALSE(prog().MenuRunning);
    EXPECT_EQ(prog().AwsDb, nullptr);
}

// ----------------------------------------------------------------- viewer

struct ArtCase {
    const char* name;
    const char* group;
    const char* shown;
};
void PrintTo(const ArtCase& c, std::ostream* os) { *os << c.name; }

class ViewerArtTest : public RateTableTest, public ::testing::WithParamInterface<ArtCase> {};

TEST_P(ViewerArtTest, UnitLettersShowAsWords)
{
    const ArtCase& c = GetParam();
    YkViewModel m;
    m.FormLoad();
    ASSERT_EQ(m.Tag, QStringLiteral("0"));
    m.groupText = QString::fromLatin1(c.group);
    m.MenuYK(QStringLiteral("load"));
    ASSERT_GT(m.rowCount(), 0);
    EXPECT_EQ(m.cell(1, 4), QString::fromLatin1(c.shown));
    m.close();
}

INSTANTIATE_TEST_SUITE_P(Units, ViewerArtTest,
                         ::testing::Values(ArtCase{"BitFromB", "11101000", "Bit"},
                                           ArtCase{"GateFromG", "12601000", "Gate"},
                                           ArtCase{"TransFromT", "15100000", "Trans"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(RateTableTest, ViewerUsesItsOwnHandleAndLeavesSystDbOpen)
{
    sp.program().SystDb = Database::open(inst.path(QStringLiteral("System/SYST_DB.sqlite")), true);
    Database* systDb = sp.program().SystDb.get();
    sp.ui().expect(QuestionKind::RateTableView, QStringLiteral("frmYKedit"), [&](const Question& q) {
        auto* m = static_cast<YkViewModel*>(modelOf<RateTableModel>(q));
        EXPECT_EQ(m->widthKeys[7], 45);
        EXPECT_EQ(m->rowCount(), 90);
        m->MenuYK(QStringLiteral("save")); // no such command here
        EXPECT_EQ(m->Tag, QStringLiteral("0"));
        m->MenuYK(QStringLiteral("can"));
        return Answer();
    });
    frmYKedit::Show0();
    EXPECT_TRUE(sp.ui().allUsed());
    ASSERT_EQ(sp.program().SystDb.get(), systDb);
    EXPECT_GT(systDb->snapshot(QStringLiteral("SELECT COUNT(*) FROM [ARMILQRM]")).value(0).toInt(), 0);
}

TEST_F(RateTableTest, ViewerWithoutSystemDatabaseShowsMessage473)
{
    sp.program().WorkStr[Slot::SystemDir] = inst.path(QStringLiteral("nowhere"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    frmYKedit::Show0();
    EXPECT_TRUE(sp.ui().allUsed());
}

} // namespace
