#include "frame/errptnr.h"
#include "qlist/fehlqsbt.h"
#include "qlprintfixture.h"

#include <QFileInfo>
#include <QLocale>

namespace {

using testutil::readFile;

class FehlQsBtTest : public QlPrintFixture {
protected:
    FehlQsBtTest()
    {
        addComponent(QStringLiteral("Typ=R1,Q,Bac=4111"));
        addComponent(QStringLiteral("Typ=C1,Q,Bac=2311"));
        addList(QStringLiteral("00001"), {"Typ=SUB", "Be=Sub-list", "Stck=1,Typ=R1"});
        addList(QStringLiteral("00002"), {"Yk=A1-B2-C3-03", "Be=Stand 03 only", "Stck=1,Typ=C1"});
    }
    // Checks Q-list 00009 with the given position lines below a head and a Be line.
    void check(const QStringList& positions, bool print = true, bool batch = false)
    {
        QStringList lines = {"Typ=BOARD,Code=X", "Be=Board"};
        lines += positions;
        addFile(QStringLiteral("00009"), lines);
        QString ln = QStringLiteral("9");
        FehlQsBt(ln, print, true, batch);
        EXPECT_EQ(ln, QStringLiteral("00009"));
    }
    QStringList listLines() { return program.ui().headlessList().lines; }
    // The lines the summary left in the window: everything after the last head.
    QStringList summary()
    {
        QStringList l = listLines();
        l.removeAll(QString());
        return l.mid(l.lastIndexOf(QStringLiteral("Typ:  BOARD")));
    }
    // The printed lines below the page head (page heads and feet left out).
    QStringList printedBody() const
    {
        QStringList body;
        for (const QString& t : printed)
            if (!t.startsWith(QLatin1String("===")) && !t.startsWith(QLatin1String("TARN 4.2")) &&
                !t.startsWith(QLatin1String("Typ:  BOARD")) && t.trimmed() != QLatin1String("1") &&
                t != QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat) && !t.trimmed().isEmpty())
                body << t;
        return body;
    }
};

TEST_F(FehlQsBtTest, AllFoundShowsTheSummaryWaitsAndPrintsNothing)
{
    check({"Stck=2,Typ=R1,Sl=R1", "Stck=1,Typ=SUB,Qm=Qsl"});
    EXPECT_EQ(summary(), QStringList({"Typ:  BOARD", "No parts lists missing", "No components missing"}));
    EXPECT_EQ(program.ui().headlessList().title, QStringLiteral("TARN 4.2  Missing Items in Quality ListA 9"));
    EXPECT_FALSE(program.ui().headlessList().visible) << "OK closes the window";
    EXPECT_TRUE(program.ui().asked.isEmpty()) << "no preview, no question";
}

TEST_F(FehlQsBtTest, OnlyHeadAndDescriptionReportsMissingComponents)
{
    check({});
    EXPECT_EQ(summary(), QStringList({"Typ:  BOARD", "Missing Components"}));
    EXPECT_TRUE(program.ui().asked.isEmpty());
}

TEST_F(FehlQsBtTest, PrintedListGroupsFaultsInFourPasses)
{
    expectPreview();
    check({
        "Stck=1,Typ=R1",                              // found
        "Stck=2,Typ=GONE,Sl=R7 ! spare part",         // missing component
        "Stck=1,Typ=GONE,Sl=R8",                      // the same fault again
        "Stck=1,Yk=A1234567-B2-C3",                   // malformed component number
        "Stck=1,Typ=NOSUB,Qm=Qsl",                    // missing sub-list
        "Stck=1,Yk=B1234567-C1-D1,Qm=Qsl",            // malformed sub-list number
        "Stck=1,Yk=A1-B2-C3-05,Qm=Qsl,S,Rw=1",        // sub-list only in stand 03
        "Stck=-1,Typ=SKIPPED",                        // not a position
        "Stck=0,Typ=ZERO",                            // examined
    });
    // On screen every fault, in file order, with its line number.
    const QStringList scan = listLines();
    EXPECT_TRUE(scan.contains("Pos.: 4,  GONE        BE missing"));
    EXPECT_TRUE(scan.contains("Pos.: 5,  GONE        BE missing"));
    EXPECT_TRUE(scan.contains("Pos.: 6,  A1234567-B2-C3        BE Erroneous item number "));
    EXPECT_TRUE(scan.contains("Pos.: 11,  ZERO        BE missing"));
    EXPECT_FALSE(scan.join('\n').contains("SKIPPED"));
    // The print step follows in the same list and says where the pages went:
    // the preview above was cancelled.
    EXPECT_EQ(summary(), QStringList({"Typ:  BOARD", "Missing Parts Lists", "Missing Components", "Cancelled"}));

    // Printed: the duplicate once; item-number faults first, without a heading.
    // (The page stream keeps no blanks at the end of a text.)
    EXPECT_EQ(printedBody(), QStringList({
                                 "A1234567-B2-C3        Yk     Erroneous item number",
                                 "B1234567-C1-D1        Yk     Erroneous item number",
                                 "Parts Lists    :",
                                 "A1-B2-C3-05           Yk     other release number existing:  A1-B2-C3-03",
                                 "Missing Parts Lists    :",
                                 "NOSUB" + QString(17, ' ') + "Typ",
                                 "Missing Components    :",
                                 "GONE" + QString(18, ' ') + "Typ    R7" + QString(13, ' ') + "! spare part",
                                 "ZERO" + QString(18, ' ') + "Typ",
                             }));
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_TRUE(printed.contains("TARN 4.2      Missing Items in Quality List"));
    EXPECT_TRUE(printed.contains("Typ:  BOARD          A 9"));
}

TEST_F(FehlQsBtTest, LongCommentKeepsItsFirstThirtyCharacters)
{
    expectPreview();
    const QString comment = QStringLiteral("!") + QString(40, u'c');
    check({"Stck=1,Typ=GONE " + comment});
    ASSERT_EQ(printedBody().size(), 2);
    EXPECT_EQ(printedBody()[1], "GONE" + QString(18, ' ') + "Typ" + QString(19, ' ') + comment.left(30));
}

// The list is a text file: proposed with ".txt", offered with a text-file
// filter, and a name typed without extension gets ".txt".
TEST_F(FehlQsBtTest, FileListNamedByTheUserHoldsTitleHeadingsAndEntries)
{
    const QString target = root.filePath(QStringLiteral("board_fehl"));
    program.ui().expect(QuestionKind::SaveFile, QStringLiteral("fehlliste"), [&](const Question& q) {
        EXPECT_EQ(paramsOf<FileParams>(q).file, QStringLiteral("BOARD_fehl.txt"));
        EXPECT_TRUE(paramsOf<FileParams>(q).filter.startsWith(QStringLiteral("Textdateien (*.txt)|*.txt")));
        return Answer::word(target);
    });
    check({"Stck=2,Typ=GONE,Sl=R7", "Stck=1,Typ=NOSUB,Qm=Qsl"}, false);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(readFile(target + QStringLiteral(".txt")), QByteArray("TARN 4.2  Missing Items in Quality ListA 9   Typ:  BOARD   A 9\r\n"
                                           "Missing Parts Lists    :\r\n"
                                           "NOSUB                 Typ                   \r\n"
                                           "Missing Components    :\r\n"
                                           "GONE                  Typ    R7             \r\n"));
    EXPECT_FALSE(program.ui().headlessList().visible);
}

TEST_F(FehlQsBtTest, CancelledSaveAsWritesNothing)
{
    program.ui().expect(QuestionKind::SaveFile, QStringLiteral("fehlliste"), Answer::cancel());
    check({"Stck=2,Typ=GONE"}, false);
    EXPECT_TRUE(QDir(root.path()).entryList({"*_fehl"}).isEmpty());
    EXPECT_FALSE(program.ui().headlessList().visible);
}

TEST_F(FehlQsBtTest, UnreadableBlockEndsTheCheckWithoutOutput)
{
    // The index names block 41000, whose file has become a folder.
    const QString block = QString(blockFilePath(bin, QStringLiteral("41000"))).replace(u'\\', u'/');
    ASSERT_TRUE(QFile::remove(block));
    ASSERT_TRUE(QDir().mkpath(block));
    program.ui().always(QuestionKind::Message, QStringLiteral("*"), Answer::button(Mb::OK));
    check({"Stck=1,Typ=GONE", "Stck=1,Typ=R1", "Stck=1,Typ=ALSO-GONE"});
    EXPECT_TRUE(listLines().contains("Pos.: 3,  GONE        BE missing"));
    EXPECT_FALSE(listLines().join('\n').contains("ALSO-GONE")) << "the scan stops at the unreadable block";
    EXPECT_FALSE(program.ui().headlessList().visible);
    EXPECT_TRUE(std::none_of(program.ui().asked.begin(), program.ui().asked.end(),
                             [](const Question& q) { return q.kind == QuestionKind::Preview; }));
    EXPECT_EQ(printer->begun, 0);
}

TEST_F(FehlQsBtTest, MissingQslFileGoesToTheErrorHandler)
{
    program.ui().expect(QuestionKind::Error, QStringLiteral("*"), Answer::button(ErrPtnr::LeaveProcedure));
    QString ln = QStringLiteral("42");
    FehlQsBt(ln, false, true, false);
    EXPECT_EQ(ln, QStringLiteral("00042"));
    EXPECT_TRUE(program.ui().allUsed());
}

TEST_F(FehlQsBtTest, ReadsTheLinesOfTheOpenEditor)
{
    struct Grid : QslEditGrid {
        QStringList rows;
        int current = 2;
        QString tag;
        int rowCount() const override { return int(rows.size()); }
        int currentRow() const override { return current; }
        void setCurrentRow(int row) override { current = row; }
        QString currentText() const override { return rows.value(current); }
        void setTag(const QString& t) override { tag = t; }
        void appendRow(const QString& text) override { rows << text; }
    } grid;
    grid.rows = {"An=U-77", "Be=Edited", "Stck=1,Typ=R1", "Stck=1,Typ=EDITED-ONLY"};
    prog().QslEdit = &grid;
    QString ln = QStringLiteral("7");
    FehlQsBt(ln, true, false, true);
    prog().QslEdit = nullptr;
    EXPECT_EQ(ln, QStringLiteral("7"));
    EXPECT_EQ(grid.current, 2) << "the editor's row is set back";
    EXPECT_EQ(grid.tag, QStringLiteral("1")) << "a batch check finishes the editor";
    EXPECT_TRUE(listLines().contains("Pos.: 4,  EDITED-ONLY        BE missing"));
    EXPECT_EQ(printer->begun, 1) << "printed at once";
}

} // namespace
