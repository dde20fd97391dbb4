#include "qldbtest.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/restext.h"
#include "qlist/qslimport.h"

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;
const QString Rename = QStringLiteral("qsl\\kopie#edsuch");

// Stored Q-list lines: "*", text, end mark.
QByteArray stored(const char* text)
{
    return QByteArray("*") + text + char(254) + "\r\n";
}

class QslImportTest : public QlListsFixture {
protected:
    QslImportTest()
    {
        prog().LangNr = 2;
        prog().LangDir = QStringLiteral("dd\\");
        prog().WorkStr[Slot::ProgramDir] = testutil::distDir();
        QDir::setCurrent(testutil::distDir());
        QDir(root.path()).mkpath(QStringLiteral("in"));
        addList(QStringLiteral("00000"), {QStringLiteral("Typ=ABC,Tec=T0"), QStringLiteral("Be=first")});
    }
    ScriptedInteraction& ui = program.ui();
    QString inPath(const QString& name) const { return root.filePath(QStringLiteral("in/") + name); }
    QString fileOf(const QString& letter, const QString& ln) const
    {
        return QslPfad(letter, ln).replace(u'\\', u'/');
    }
    long rows(const QString& letter = QStringLiteral("A"))
    {
        auto db = Database::open(folder(letter) + QStringLiteral("\\qldb.sqlite"), true);
        return long(db->snapshot(QStringLiteral("select count(*) from qldb")).value(0).toLongLong());
    }
    QString typOf(const QString& ln, const QString& letter = QStringLiteral("A"))
    {
        auto db = Database::open(folder(letter) + QStringLiteral("\\qldb.sqlite"), true);
        Snapshot s = db->snapshot(QStringLiteral("select typ from qldb where ln=?"), {ln});
        return s.eof() ? QStringLiteral("none") : s.text(0).trimmed();
    }
    // The file dialog moves the current folder, as the real one does.
    ScriptedInteraction::Responder choose(const QString& path)
    {
        return [this, path](const Question&) {
            QDir::setCurrent(root.path());
            return Answer::word(path);
        };
    }
    QString text(const char* id, const QStringList& args = {})
    {
        return ResText(QString::fromLatin1(id), prog().LangNr, true, args);
    }
    void expectDone() { EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString(); }
};

// ---- one file

TEST_F(QslImportTest, FileIsStoredUnderNextNumberWithIdentityFirstAndBodyUnchanged)
{
    const QByteArray body = stored("Be=Supply") + stored("Pos=1,Typ=R1,Anz=2");
    testutil::writeFile(inPath(QStringLiteral("list.txt")), stored("Tec=T1,Typ=NEW,Code=C1") + body);
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("list.txt"))));
    EXPECT_EQ(QslImport(1), QStringLiteral("Ln=00001"));
    expectDone();
    EXPECT_EQ(testutil::readFile(fileOf(QStringLiteral("A"), QStringLiteral("00001"))),
              QByteArray("Typ=NEW,Tec=T1,Code=C1\r\n") + body);
    EXPECT_EQ(typOf(QStringLiteral("00001")), QStringLiteral("NEW"));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(testutil::distDir()).canonicalPath());
}

TEST_F(QslImportTest, ContinuedHeadLineIsReplacedWhole)
{
    QByteArray first = QByteArray("*Typ=LONG,Tec=T1") + char(195) + "\r\n" + " ,Code=C9" + char(254) + "\r\n";
    testutil::writeFile(inPath(QStringLiteral("l.txt")), first + stored("Be=x"));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("l.txt"))));
    EXPECT_EQ(QslImport(1), QStringLiteral("Ln=00001"));
    const QByteArray written = testutil::readFile(fileOf(QStringLiteral("A"), QStringLiteral("00001")));
    EXPECT_TRUE(written.startsWith("Typ=LONG,Tec=T1")) << written.toStdString();
    EXPECT_TRUE(written.endsWith("\r\n" + stored("Be=x"))) << written.toStdString();
    EXPECT_FALSE(written.contains(" ,Code=C9")) << written.toStdString();
}

TEST_F(QslImportTest, ClashOffersRenameAndStoresTheNewDesignation)
{
    testutil::writeFile(inPath(QStringLiteral("dup.txt")), stored("Typ=ABC") + stored("Be=dup"));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("dup.txt"))));
    ui.expect(Msg, QStringLiteral("108"), Answer::button(Mb::OK));
    Answer renamed;
    renamed.values = {QStringLiteral("abc2")};
    ui.expect(QuestionKind::Screen, Rename, renamed);
    EXPECT_EQ(QslImport(1), QStringLiteral("Ln=00001"));
    expectDone();
    EXPECT_TRUE(ui.asked[1].text.contains(QStringLiteral("Typ=ABC"))) << ui.asked[1].text.toStdString();
    EXPECT_EQ(testutil::readFile(fileOf(QStringLiteral("A"), QStringLiteral("00001"))),
              QByteArray("Typ=ABC2\r\n") + stored("Be=dup"));
    EXPECT_EQ(typOf(QStringLiteral("00001")), QStringLiteral("ABC2"));
}

TEST_F(QslImportTest, RenameTooLongIsRefusedAndAskedAgain)
{
    testutil::writeFile(inPath(QStringLiteral("dup.txt")), stored("Typ=ABC") + stored("Be=dup"));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("dup.txt"))));
    ui.expect(Msg, QStringLiteral("108"), Answer::button(Mb::OK));
    Answer tooLong;
    tooLong.values = {QStringLiteral("ABCDEFGHIJKLMNOPQRSTU")};
    ui.expect(QuestionKind::Screen, Rename, tooLong);
    ui.expect(Msg, QStringLiteral("504"), Answer::button(Mb::OK));
    Answer fits;
    fits.values = {QStringLiteral("ABCDEFGHIJKLMNOPQRST")};
    ui.expect(QuestionKind::Screen, Rename, fits);
    EXPECT_EQ(QslImport(1), QStringLiteral("Ln=00001"));
    expectDone();
    EXPECT_EQ(typOf(QStringLiteral("00001")), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
}

TEST_F(QslImportTest, CancelledRenameLeavesNothingBehind)
{
    testutil::writeFile(inPath(QStringLiteral("dup.txt")), stored("Typ=ABC") + stored("Be=dup"));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("dup.txt"))));
    ui.expect(Msg, QStringLiteral("108"), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Screen, Rename, Answer::cancel());
    EXPECT_EQ(QslImport(1), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(QFileInfo::exists(fileOf(QStringLiteral("A"), QStringLiteral("00001"))));
}

TEST_F(QslImportTest, ItemNumberWithoutStandClashesWithItsStoredStand)
{
    addList(QStringLiteral("00001"), {QStringLiteral("Yk=a12-345-6789-b1"), QStringLiteral("Be=")});
    testutil::writeFile(inPath(QStringLiteral("yk.txt")), stored("Yk=A12-345-6789") + stored("Be="));
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("yk.txt"))));
    ui.expect(Msg, QStringLiteral("108"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("Yk=A12-345-6789"))) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    ui.expect(QuestionKind::Screen, Rename, Answer::cancel());
    EXPECT_EQ(QslImport(1), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(rows(), 2);
}

TEST_F(QslImportTest, UnwritableFileGivesTheNumberBack)
{
    testutil::writeFile(inPath(QStringLiteral("ok.txt")), stored("Typ=NEW") + stored("Be="));
    QDir().mkpath(fileOf(QStringLiteral("A"), QStringLiteral("00001"))); // a folder where the file should go
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("ok.txt"))));
    EXPECT_THROW(QslImport(1), TarnError);
    auto db = Database::open(folder() + QStringLiteral("\\qldb.sqlite"), true);
    Snapshot s = db->snapshot(QStringLiteral("select deleted, typ from qldb where ln='00001'"));
    ASSERT_FALSE(s.eof());
    EXPECT_EQ(s.text(0), QStringLiteral("1"));
    EXPECT_TRUE(s.value(1).isNull());
}

TEST_F(QslImportTest, CancelledFileDialogBeepsAndStoresNothing)
{
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), Answer::cancel());
    EXPECT_EQ(QslImport(1), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(rows(), 1);
}

struct RefusedCase {
    const char* name;
    QByteArray content;
    const char* message;
};
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}
class RefusedFile : public QslImportTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFile, IsReportedAndNothingIsStored)
{
    testutil::writeFile(inPath(QStringLiteral("bad.txt")), GetParam().content);
    ui.expect(QuestionKind::OpenFile, QStringLiteral("1kopie"), choose(inPath(QStringLiteral("bad.txt"))));
    ui.expect(Msg, QString::fromLatin1(GetParam().message), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(1), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(QFileInfo::exists(fileOf(QStringLiteral("A"), QStringLiteral("00001"))));
}
INSTANTIATE_TEST_SUITE_P(
    Sources, RefusedFile,
    ::testing::Values(RefusedCase{"EmptyFile", QByteArray(), "106"},
                      RefusedCase{"DeletedList", stored("Typ=FREI"), "106"},
                      RefusedCase{"TypOver20", stored("Typ=ABCDEFGHIJKLMNOPQRSTU") + stored("Be="), "504"},
                      RefusedCase{"MalformedItemNumber", stored("Yk=ABCDEFGHIJKL-345-6789") + stored("Be="), "120"},
                      RefusedCase{"NoDesignation", stored("Tec=T1") + stored("Be="), "10"},
                      RefusedCase{"QuoteInHead", stored("Typ=A'B") + stored("Be="), "113"}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- a folder

TEST_F(QslImportTest, FolderStoresEachFileAndReportsRefusedOnes)
{
    testutil::writeFile(inPath(QStringLiteral("a.txt")), stored("Typ=ABC") + stored("Be=clash"));
    testutil::writeFile(inPath(QStringLiteral("b.txt")), stored("Typ=B1") + stored("Be=b"));
    testutil::writeFile(inPath(QStringLiteral("c.txt")), QByteArray());
    testutil::writeFile(inPath(QStringLiteral("d.txt")), stored("An=D1") + stored("Be=d"));
    ui.expect(QuestionKind::DirectoryOrFile, text("296"), [this](const Question&) {
        QDir::setCurrent(root.path());
        return Answer::word(root.filePath(QStringLiteral("in")));
    });
    ui.always(Msg, QStringLiteral("107"), Answer::button(Mb::OK));
    ui.always(Msg, QStringLiteral("106"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(2), QStringLiteral("ok"));
    EXPECT_EQ(rows(), 3);
    QStringList refused;
    for (const Question& q : ui.asked)
        if (q.kind == QuestionKind::Message)
            refused << q.key;
    refused.sort();
    EXPECT_EQ(refused, (QStringList{QStringLiteral("106"), QStringLiteral("107")}));
    // No file is lost or taken twice whatever the listing order.
    QStringList typs{typOf(QStringLiteral("00001")), typOf(QStringLiteral("00002"))};
    typs.sort();
    EXPECT_EQ(typs, (QStringList{QString(), QStringLiteral("B1")}));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(testutil::distDir()).canonicalPath());
}

TEST_F(QslImportTest, FolderWithNothingStoredGivesNo)
{
    testutil::writeFile(inPath(QStringLiteral("a.txt")), stored("Typ=ABC") + stored("Be=clash"));
    ui.expect(QuestionKind::DirectoryOrFile, text("296"), Answer::word(root.filePath(QStringLiteral("in"))));
    ui.expect(Msg, QStringLiteral("107"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(2), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(rows(), 1);
}

TEST_F(QslImportTest, CancelledFolderChooserSetsTheFolderBack)
{
    ui.expect(QuestionKind::DirectoryOrFile, text("296"), [this](const Question&) {
        QDir::setCurrent(root.path());
        return Answer::cancel();
    });
    EXPECT_EQ(QslImport(2), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(testutil::distDir()).canonicalPath());
}

// ---- copy within the database

TEST_F(QslImportTest, CopyRenamesAtOnceAndAgainAfterASecondClash)
{
    addList(QStringLiteral("00001"), {QStringLiteral("Typ=TAKEN"), QStringLiteral("Be=")});
    Answer taken;
    taken.values = {QStringLiteral("taken")};
    Answer fresh;
    fresh.values = {QStringLiteral("copy")};
    ui.expect(QuestionKind::Screen, Rename, taken);
    ui.expect(Msg, QStringLiteral("108"), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Screen, Rename, fresh);
    ui.expect(Msg, QStringLiteral("109"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(4, QStringLiteral("Typ=ABC")), QStringLiteral("ok"));
    expectDone();
    EXPECT_EQ(ui.asked.back().text, text("109", {QStringLiteral("A00002")}));
    EXPECT_EQ(testutil::readFile(fileOf(QStringLiteral("A"), QStringLiteral("00002"))),
              QByteArray("Typ=COPY,Tec=T0\r\n") + stored("Be=first"));
    EXPECT_EQ(typOf(QStringLiteral("00002")), QStringLiteral("COPY"));
}

// ---- copy into another database

TEST_F(QslImportTest, OtherDatabaseLetterIsAskedUntilValid)
{
    QDir(root.path()).mkpath(QStringLiteral("dbase_B"));
    Create_Db(folder(QStringLiteral("B")));
    for (const char* wrong : {"AB", "1", "\u00c4", "a"})
        ui.expect(QuestionKind::Input, QStringLiteral("15"), Answer::word(QString::fromUtf8(wrong)));
    ui.expect(QuestionKind::Input, QStringLiteral("15"), Answer::word(QStringLiteral("C")));
    ui.expect(Msg, QStringLiteral("4"), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Input, QStringLiteral("15"), Answer::word(QStringLiteral(" b ")));
    ui.expect(Msg, QStringLiteral("109"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(3, QStringLiteral("Typ=ABC")), QStringLiteral("ok"));
    expectDone();
    EXPECT_EQ(ui.asked.back().text, text("109", {QStringLiteral("B00000")}));
    EXPECT_EQ(testutil::readFile(fileOf(QStringLiteral("B"), QStringLiteral("00000"))),
              QByteArray("Typ=ABC,Tec=T0\r\n") + stored("Be=first"));
    EXPECT_EQ(typOf(QStringLiteral("00000"), QStringLiteral("B")), QStringLiteral("ABC"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(QslImportTest, EmptyLetterEndsTheCopy)
{
    ui.expect(QuestionKind::Input, QStringLiteral("15"), Answer::cancel());
    EXPECT_EQ(QslImport(3, QStringLiteral("Typ=ABC")), QStringLiteral("no"));
    expectDone();
}

// ---- export

TEST_F(QslImportTest, ExportWritesTheSameLines)
{
    const QString out = root.filePath(QStringLiteral("out.txt"));
    ui.expect(QuestionKind::SaveFile, QStringLiteral("5kopie"), choose(out));
    ui.expect(Msg, QStringLiteral("110"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(5, QStringLiteral("Typ=abc")), QStringLiteral("ok"));
    expectDone();
    EXPECT_EQ(testutil::readFile(out), testutil::readFile(fileOf(QStringLiteral("A"), QStringLiteral("00000"))));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(testutil::distDir()).canonicalPath());
}

TEST_F(QslImportTest, CancelledExportWritesNothing)
{
    ui.expect(QuestionKind::SaveFile, QStringLiteral("5kopie"), Answer::cancel());
    EXPECT_EQ(QslImport(5, QStringLiteral("Typ=ABC")), QStringLiteral("no"));
    expectDone();
    EXPECT_EQ(ui.beeps, 1);
}

struct SourceCase {
    const char* name;
    int mode;
};
void PrintTo(const SourceCase& c, std::ostream* os)
{
    *os << c.name;
}
class MissingSource : public QslImportTest, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(MissingSource, EndsAfterTheSearchMessageBeforeAnyDialog)
{
    ui.expect(Msg, QStringLiteral("101"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(GetParam().mode, QStringLiteral("Typ=NONE")), QStringLiteral("no"));
    expectDone();
}

TEST_P(MissingSource, DeletedFileEndsBeforeAnyDialog)
{
    addFile(QStringLiteral("00000"), {QStringLiteral("Typ=FREI")});
    ui.expect(Msg, QStringLiteral("101"), Answer::button(Mb::OK));
    EXPECT_EQ(QslImport(GetParam().mode, QStringLiteral("Typ=ABC")), QStringLiteral("no"));
    expectDone();
}
INSTANTIATE_TEST_SUITE_P(Modes, MissingSource,
                         ::testing::Values(SourceCase{"OtherDatabase", 3}, SourceCase{"Copy", 4},
                                           SourceCase{"Export", 5}),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
