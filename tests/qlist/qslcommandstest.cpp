#include "common/testlinks.h"
#include "qldbtest.h"
#include "frame/errors.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslcommands.h"

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

class QslCommands : public QlListsFixture {
protected:
    QslCommands()
    {
        prog().LangNr = 2;
        // The editor belongs to the Q-list windows: here it only notes what it opens.
        testLinks.edit<QslCommandLinks>().openEditor = [this](const QString& Ln) { opened << Ln; };
    }
    ReplacedLinks testLinks;
    QStringList opened; // the Q-lists handed to the editor
    ScriptedInteraction& ui = program.ui();
    QString fileOf(const QString& ln) const { return QslPfad(QStringLiteral("A"), ln).replace(u'\\', u'/'); }
    QByteArray bytesOf(const QString& ln) const { return testutil::readFile(fileOf(ln)); }
    // The stored row of ln as "typ|yk|stand|an|deleted" with NULL as "~".
    QString rowOf(const QString& ln)
    {
        Snapshot s = direct()->snapshot(QStringLiteral("select typ, yk, stand, an, deleted from qldb where ln=?"), {ln});
        if (s.eof())
            return QStringLiteral("none");
        QStringList parts;
        for (int i = 0; i < 5; ++i)
            parts << (s.value(i).isNull() ? QStringLiteral("~") : s.text(i));
        return parts.join(u'|');
    }
    long rows() { return long(direct()->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toLongLong()); }
    QString lastText(const QString& key) const
    {
        for (qsizetype i = ui.asked.size() - 1; i >= 0; --i)
            if (ui.asked[i].key == key)
                return ui.asked[i].text;
        return QStringLiteral("<not asked>");
    }
    QString yk(const QString& written)
    {
        QString n, st;
        YkNorm(written, n, st);
        return n;
    }
};

// ---- new

TEST_F(QslCommands, NewAllocatesNumberStoresRecordAndWritesPlainHead)
{
    addList(QStringLiteral("00000"), {QStringLiteral("Typ=FIRST"), QStringLiteral("Be=one")});
    const QString r = NeueQsl(QStringLiteral("Typ=ABC,Yk=a12-345-6789-b1,An=X1,Tec=ABC,Code=C1,Anlage=AN1,Be=Power supply"));
    EXPECT_EQ(r, QStringLiteral("00001"));
    EXPECT_EQ(bytesOf(r), QByteArray("Typ=ABC,Yk=a12-345-6789-b1,An=X1,Tec=ABC,Code=C1,Anlage=AN1\r\nBe=Power supply\r\n"));
    EXPECT_EQ(rowOf(r), QStringLiteral("ABC") + QString(17, u' ') + u'|' + yk(QStringLiteral("A12-345-6789")) + u'|' +
                            QStringLiteral("B1|X1") + QString(18, u' ') + QStringLiteral("|0"));
    EXPECT_EQ(prog().QslRecAlt[1], r);
    EXPECT_EQ(prog().QslRecAlt[9], QStringLiteral("Power supply"));
    // The editor opens the new list.
    EXPECT_EQ(opened, QStringList{QStringLiteral("00001")});
    EXPECT_TRUE(ui.allUsed());
    // The new head reads back as the record it was stored with.
    ASSERT_TRUE(KopfToRec(QslPfad(QStringLiteral("A"), r)));
    EXPECT_EQ(prog().QslRec[2], QStringLiteral("ABC"));
    EXPECT_EQ(prog().QslRec[6], QStringLiteral("ABC"));
}

TEST_F(QslCommands, NewWithTakenTypeSaysWhereAndCreatesNothing)
{
    for (int i = 0; i < 12; ++i)
        addList(LnFormat(i), {QStringLiteral("Typ=T%1").arg(i), QStringLiteral("Be=")});
    addList(QStringLiteral("00012"), {QStringLiteral("Typ=ABC"), QStringLiteral("Be=")});
    ui.expect(Msg, QStringLiteral("157"), Answer::button(Mb::OK));
    EXPECT_EQ(NeueQsl(QStringLiteral("Typ=ABC,An=NEW")), QStringLiteral("Typ"));
    EXPECT_EQ(lastText(QStringLiteral("157")), QStringLiteral("Typ  duplicate found in QL No   12 ! \nDuplicate designations not possible !"));
    EXPECT_EQ(rows(), 13);
    EXPECT_FALSE(QFileInfo::exists(fileOf(QStringLiteral("00013"))));
}

TEST_F(QslCommands, NewWithTakenUserNumberChecksAfterTypeAndItemNumber)
{
    addList(QStringLiteral("00000"), {QStringLiteral("An=U1"), QStringLiteral("Be=")});
    ui.expect(Msg, QStringLiteral("157"), Answer::button(Mb::OK));
    EXPECT_EQ(NeueQsl(QStringLiteral("Typ=FREE,Yk=A1-B1-C1,An=u1")), QStringLiteral("An"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(QslCommands, NewReusesLowestDeletedNumberAndOverwritesItsFile)
{
    for (int i = 0; i < 10; ++i)
        addList(LnFormat(i), {QStringLiteral("Typ=T%1").arg(i), QStringLiteral("Be=")});
    for (const char* del : {"00008", "00007"}) {
        prog().QslRec[1] = QString::fromLatin1(del);
        prog().QslRec[2] = QStringLiteral("*");
        ASSERT_EQ(SaveRec_Db(QStringLiteral("A"), folder()), 1);
        writeQslFile(QslPfad(QStringLiteral("A"), QString::fromLatin1(del)), {QStringLiteral("Typ=FREI")});
    }
    EXPECT_EQ(NeueQsl(QStringLiteral("An=ONLY")), QStringLiteral("00007"));
    EXPECT_EQ(opened, QStringList{QStringLiteral("00007")});
    EXPECT_EQ(bytesOf(QStringLiteral("00007")), QByteArray("An=ONLY\r\nBe=\r\n"));
    EXPECT_EQ(rowOf(QStringLiteral("00007")), QStringLiteral("~|~|~|ONLY") + QString(16, u' ') + QStringLiteral("|0"));
    EXPECT_EQ(rowOf(QStringLiteral("00008")), QStringLiteral("~|~|~|~|1"));
    EXPECT_EQ(rows(), 10);
}

TEST_F(QslCommands, NewWithMalformedItemNumberReturnsYk)
{
    ui.expect(Msg, QStringLiteral("140"), Answer::button(Mb::OK));
    EXPECT_EQ(NeueQsl(QStringLiteral("Yk=A1234567-B1")), QStringLiteral("Yk"));
    EXPECT_EQ(rows(), 0);
}

TEST_F(QslCommands, NewWithoutIdentityCreatesNothing)
{
    ui.expect(Msg, QStringLiteral("10"), Answer::button(Mb::OK));
    EXPECT_EQ(NeueQsl(QStringLiteral("Tec=ABC,Be=x")), QString());
    EXPECT_EQ(rows(), 0);
}

// ---- open

class QslOpen : public QslCommands {
protected:
    QslOpen()
    {
        addList(QStringLiteral("00000"), {QStringLiteral("Typ=ABC"), QStringLiteral("Be=")});
        addList(QStringLiteral("00001"), {QStringLiteral("Yk=A12345-B1234-C123-A1"), QStringLiteral("Be=")});
        addList(QStringLiteral("00002"), {QStringLiteral("Yk=A12345-B1234-C123-B1"), QStringLiteral("Be=")});
        addList(QStringLiteral("00003"), {QStringLiteral("Typ=OTHER,An=U7"), QStringLiteral("Be=")});
    }
};

struct OpenCase {
    const char* name;
    const char* head;
    const char* found;   // "" none
    const char* message; // the message shown before the editor, "" none
};
void PrintTo(const OpenCase& c, std::ostream* os)
{
    *os << c.name;
}

class QslOpenTable : public QslOpen, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(QslOpenTable, FindsByFirstKeyThatFinds)
{
    const OpenCase& c = GetParam();
    const QString found = QString::fromLatin1(c.found);
    if (*c.message)
        ui.expect(Msg, QString::fromLatin1(c.message), Answer::button(Mb::OK));
    EXPECT_EQ(OeffneQsl(QString::fromLatin1(c.head)), found);
    EXPECT_EQ(opened, found.isEmpty() ? QStringList() : QStringList{found});
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Heads, QslOpenTable,
    ::testing::Values(OpenCase{"NumberWins", "Ln=00003,Typ=ABC", "00003", ""},
                      OpenCase{"MissingNumberFallsBackToType", "Ln=00042,Typ=ABC", "00000", ""},
                      OpenCase{"UserNumber", "An=U7", "00003", ""},
                      OpenCase{"ExactStand", "Yk=A12345-B1234-C123-A1", "00001", ""},
                      OpenCase{"NoStandTakesHighestAndListsBoth", "Yk=A12345-B1234-C123", "00002", "123"},
                      OpenCase{"NothingFound", "Typ=NONE", "", "162"},
                      OpenCase{"MalformedItemNumberStops", "Yk=A1234567-B1,An=U7", "", "140"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(QslOpen, StandListAndNotFoundTexts)
{
    ui.expect(Msg, QStringLiteral("123"), Answer::button(Mb::OK));
    OeffneQsl(QStringLiteral("Yk=A12345-B1234-C123"));
    EXPECT_EQ(lastText(QStringLiteral("123")), QStringLiteral("Saved Versions:  A1, B1"));
    ui.expect(Msg, QStringLiteral("162"), Answer::button(Mb::OK));
    OeffneQsl(QStringLiteral("Typ=NONE,Be=X"));
    EXPECT_EQ(lastText(QStringLiteral("162")), QStringLiteral("Typ=NONE,Be=X  not found in  QL database  -A- "));
}

// ---- delete

TEST_F(QslOpen, DeleteConfirmedMarksRowAndFreesFile)
{
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::Yes));
    EXPECT_EQ(LoeschQsl(QStringLiteral("Yk=a12345-b1234-c123-b1")), QStringLiteral("T"));
    EXPECT_EQ(lastText(QStringLiteral("160")), QStringLiteral("Ln=2\nYk=A12345-B1234-C123-B1\n\ndelete?"));
    EXPECT_EQ(ui.asked.back().buttons, Mb::YesNo | Mb::DefaultButton2);
    EXPECT_EQ(rowOf(QStringLiteral("00002")), QStringLiteral("~|~|~|~|1"));
    EXPECT_EQ(bytesOf(QStringLiteral("00002")), QByteArray("*Typ=FREI\xFE\r\n"));
    EXPECT_EQ(QslDateiStatus(QslPfad(QStringLiteral("A"), QStringLiteral("00002"))), QStringLiteral("FREI"));
    // The freed number is the next one handed out.
    EXPECT_EQ(NeueQsl(QStringLiteral("Typ=NEXT")), QStringLiteral("00002"));
}

TEST_F(QslOpen, DeleteShowsTypeAndUserNumber)
{
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::No));
    EXPECT_EQ(LoeschQsl(QStringLiteral("Ln=00003")), QString());
    EXPECT_EQ(lastText(QStringLiteral("160")), QStringLiteral("Ln=3\nTyp=OTHER\nAn=U7\n\ndelete?"));
}

TEST_F(QslOpen, DeleteAnsweredNoChangesNothingButTheRecordBuffer)
{
    const QByteArray before = bytesOf(QStringLiteral("00000"));
    const QString rowBefore = rowOf(QStringLiteral("00000"));
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::No));
    EXPECT_EQ(LoeschQsl(QStringLiteral("Typ=abc")), QString());
    EXPECT_EQ(bytesOf(QStringLiteral("00000")), before);
    EXPECT_EQ(rowOf(QStringLiteral("00000")), rowBefore);
    EXPECT_EQ(prog().QslRec[1], QStringLiteral("00000"));
    EXPECT_EQ(prog().QslRec[2], QStringLiteral("*"));
}

TEST_F(QslOpen, DeleteBrokenOffByAnErrorFreesTheDatabaseAndKeepsTheRow)
{
    const QString rowBefore = rowOf(QStringLiteral("00003"));
    ui.expect(Msg, QStringLiteral("160"), [](const Question&) -> Answer {
        throw TarnError(QStringLiteral("the question failed"), ErrNo::PathFileAccess);
    });
    EXPECT_THROW(LoeschQsl(QStringLiteral("An=U7")), TarnError);
    EXPECT_EQ(rowOf(QStringLiteral("00003")), rowBefore);
    for (const QlDbSlot& s : qlDbState().DbTab)
        EXPECT_EQ(s.inUse, 0);
}

TEST_F(QslOpen, DeleteWithoutFileMarksRowAndWritesNoFile)
{
    QFile::remove(fileOf(QStringLiteral("00003")));
    ui.expect(Msg, QStringLiteral("160"), Answer::button(Mb::Yes));
    EXPECT_EQ(LoeschQsl(QStringLiteral("An=U7")), QStringLiteral("T"));
    EXPECT_EQ(rowOf(QStringLiteral("00003")), QStringLiteral("~|~|~|~|1"));
    EXPECT_FALSE(QFileInfo::exists(fileOf(QStringLiteral("00003"))));
}

TEST_F(QslOpen, DeleteOfUnknownOrMalformedDesignation)
{
    ui.expect(Msg, QStringLiteral("162"), Answer::button(Mb::OK));
    EXPECT_EQ(LoeschQsl(QStringLiteral("Typ=NONE")), QString());
    // A malformed item number as the last key given ends without message 162.
    ui.expect(Msg, QStringLiteral("140"), Answer::button(Mb::OK));
    EXPECT_EQ(LoeschQsl(QStringLiteral("Typ=NONE,Yk=A1234567-B1")), QString());
    EXPECT_TRUE(ui.allUsed());
    EXPECT_EQ(rows(), 4);
}

} // namespace

namespace {

TEST_F(QslCommands, NewWhoseFileCannotBeWrittenGivesItsNumberBack)
{
    // A folder where the file of number 00000 belongs: the file cannot be written.
    QDir().mkpath(fileOf(QStringLiteral("00000")));
    EXPECT_THROW(NeueQsl(QStringLiteral("Typ=ABC")), TarnError);
    EXPECT_EQ(rowOf(QStringLiteral("00000")), QStringLiteral("~|~|~|~|1"));
    EXPECT_EQ(qlDbState().DbTab[1].inUse, 0);
}

} // namespace
