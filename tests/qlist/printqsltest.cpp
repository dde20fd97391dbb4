#include "qlist/printqsl.h"
#include "printing/previewstate.h"
#include "qlprintfixture.h"

#include <QLocale>

namespace {

struct PositionRow {
    const char* name;
    int qslDruck;
    QString line;
    QString printed;
};
void PrintTo(const PositionRow& r, std::ostream* os) { *os << r.name; }

class PrintedPosition : public ::testing::TestWithParam<PositionRow> {};

TEST_P(PrintedPosition, ColumnsOfTheSetting)
{
    EXPECT_EQ(printedPositionLine(GetParam().line, GetParam().qslDruck), GetParam().printed);
}

const QString Spare = QStringLiteral("Stck=2,Typ=BC847,Sl=R1,S,Rw=1 ! spare");

INSTANTIATE_TEST_SUITE_P(
    Table, PrintedPosition,
    ::testing::Values(
        PositionRow{"bothColumns", 3, Spare,
                    "      2,Bt ,R1          ,Typ=BC847" + QString(15, ' ') + ",S,Rw=1 ! spare"},
        PositionRow{"neitherColumn", 0, Spare, "      2,Bt ,S,Rw=1 ! spare"},
        PositionRow{"slOnly", 2, Spare, "      2,Bt ,R1          ,S,Rw=1 ! spare"},
        PositionRow{"designationsInOrder", 1, "Stck=1,An=U7,Yk=A1-B2-C3,Typ=T,S,Rw=1",
                    "      1,Bt ,Typ=T" + QString(19, ' ') + ",Yk =A1-B2-C3" + QString(12, ' ') + ",An =U7" +
                        QString(18, ' ') + ",S,Rw=1"},
        PositionRow{"subList", 0, "Stck=1,Typ=SUB,Qm=Qsl,S,Dtu=5", "      1,Qsl,S,Dtu=5"},
        PositionRow{"module", 0, "Stck=1,Typ=M,Qm=Mod", "      1,Mod"},
        PositionRow{"noSSectionKeepsComment", 2, "Stck=3,Typ=R ! c", "      3,Bt ,            ! c"},
        PositionRow{"longValuesAreCut", 3, "Stck=123456789,Typ=" + QString(25, 'T') + ",Sl=" + QString(14, 'S'),
                    "1234567,Bt ," + QString(12, 'S') + ",Typ=" + QString(20, 'T')}),
    [](const auto& i) { return std::string(i.param.name); });

class PrintQslTest : public QlPrintFixture {
protected:
    QStringList body() const
    {
        QStringList b;
        bool inBody = false;
        for (const QString& t : printed) {
            if (t.startsWith(QLatin1String("===")))
                inBody = false;
            else if (t.startsWith(QLatin1String("Yk:  ")) || t.startsWith(QLatin1String("Typ:  ")) ||
                     t.startsWith(QLatin1String("An:  ")))
                inBody = true; // the head's right-hand text comes last in the page head
            else if (inBody && t != QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat) &&
                     !t.trimmed().isEmpty() && t.trimmed().toInt() == 0)
                b << t;
        }
        return b;
    }
};

TEST_F(PrintQslTest, PrintsEveryLineUnderAHeadThatNamesTheItemNumber)
{
    prog().QslDruckNr = 1;
    addList(QStringLiteral("00001"), {"Typ=BOARD,Yk=A1-B2-C3,Code=X", "Be=Board", "* a text line",
                                      "Stck=2,Typ=R1,Sl=R1,S,Rw=1"});
    expectPreview();
    EXPECT_EQ(PrintQSL(QStringLiteral("Typ=board"), false), QString());
    EXPECT_TRUE(printed.contains("TARN 4.2      Quality Parts List"));
    EXPECT_TRUE(printed.contains("Yk:  A1-B2-C3          A    1"));
    EXPECT_EQ(body(), QStringList({"Typ=BOARD,Yk=A1-B2-C3,Code=X", "Be=Board", "* a text line",
                                   "      2,Bt ,Typ=R1" + QString(18, ' ') + ",S,Rw=1"}));
}

TEST_F(PrintQslTest, HeadNamesTheTypeWhenThereIsNoOtherDesignation)
{
    addList(QStringLiteral("00001"), {"Typ=BOARD", "Be=Board"});
    expectPreview();
    PrintQSL(QStringLiteral("Ln=00001"), false);
    EXPECT_TRUE(printed.contains("Typ:  BOARD          A    1"));
}

TEST_F(PrintQslTest, LongLinesGoOnAtABreakCharacter)
{
    // 9 pt on the fake printer: 108 twips a character, 94 to the line.
    const QString words = QStringLiteral("Be=") + QString(60, 'a') + QStringLiteral(" ") + QString(40, 'b') +
                          QStringLiteral("-") + QString(60, 'c');
    addList(QStringLiteral("00001"), {"Typ=BOARD", words});
    expectPreview();
    PrintQSL(QStringLiteral("Ln=1"), false);
    const QStringList b = body();
    ASSERT_GE(b.size(), 3);
    EXPECT_EQ(b[1], QStringLiteral("Be=") + QString(60, 'a'));
    EXPECT_TRUE(b[2].startsWith(QString(40, 'b') + u'-')) << b[2].toStdString();
    EXPECT_EQ((b.mid(1).join(QString())), QStringLiteral("Be=") + QString(60, 'a') + QString(40, 'b') +
                                              QStringLiteral("-") + QString(60, 'c'));
}

TEST_F(PrintQslTest, ManyLinesContinueOnANewPageWithTheHead)
{
    QStringList lines = {"An=U-1", "Be=Long"};
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("Stck=1,Typ=R%1").arg(i);
    addList(QStringLiteral("00001"), lines);
    expectPreview();
    PrintQSL(QStringLiteral("An=U-1"), false);
    EXPECT_GE(printed.count("An:  U-1          A    1"), 2);
    EXPECT_EQ(body().size(), 122);
}

TEST_F(PrintQslTest, ArchivedKindWritesTheArchivePagesAndOffersTheArchive)
{
    printState().ArchivAktiv = true;
    printState().ArchivArt = QStringLiteral("PROGQL,QSL");
    addList(QStringLiteral("00003"), {"Typ=BOARD,An=U-9", "Be=Board", "Stck=1,Typ=R1"});
    program.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [](const Question& q) {
        EXPECT_TRUE(modelOf<PreviewState>(q)->ArchivJa);
        EXPECT_EQ(pageCount(PageSource::Archive), 1);
        return Answer::cancel();
    });
    PrintQSL(QStringLiteral("Ln=3"), false);
    EXPECT_TRUE(program.ui().allUsed());
}

TEST_F(PrintQslTest, KindNotArchivedWritesNoArchivePages)
{
    printState().ArchivAktiv = true;
    printState().ArchivArt = QStringLiteral("PROGQL");
    addList(QStringLiteral("00003"), {"Typ=BOARD,An=U-9", "Be=Board", "Stck=1,Typ=R1"});
    program.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [](const Question& q) {
        EXPECT_FALSE(modelOf<PreviewState>(q)->ArchivJa);
        EXPECT_EQ(pageCount(PageSource::Archive), 0);
        return Answer::cancel();
    });
    PrintQSL(QStringLiteral("Ln=3"), false);
    EXPECT_TRUE(program.ui().allUsed());
}

TEST_F(PrintQslTest, UnknownQslGivesMessage162AndNoPrintout)
{
    program.ui().expect(QuestionKind::Message, QStringLiteral("162"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QLatin1String("Ln=00077  not found in  QL database  -A-"))) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    PrintQSL(QStringLiteral("Ln=00077"), true);
    EXPECT_TRUE(program.ui().allUsed());
    EXPECT_EQ(printer->begun, 0);
}

TEST_F(PrintQslTest, MalformedItemNumberGivesMessages140And162)
{
    program.ui().expect(QuestionKind::Message, QStringLiteral("140"), Answer::button(Mb::OK));
    program.ui().expect(QuestionKind::Message, QStringLiteral("162"), Answer::button(Mb::OK));
    PrintQSL(QStringLiteral("Yk=A1234567-B1-C1"), true);
    EXPECT_TRUE(program.ui().allUsed());
}

TEST_F(PrintQslTest, EmptyFileGivesMessage112AndAJobWithoutPages)
{
    addList(QStringLiteral("00001"), {"Typ=BOARD", "Be=Board"});
    testutil::writeFile(QString(QslPfad("A", "00001")).replace(u'\\', u'/'), QByteArray());
    program.ui().expect(QuestionKind::Message, QStringLiteral("112"), Answer::button(Mb::OK));
    PrintQSL(QStringLiteral("Ln=00001"), false);
    EXPECT_TRUE(program.ui().allUsed()) << "no preview for a job without pages";
}

TEST_F(PrintQslTest, DirectPrintGoesToThePrinter)
{
    addList(QStringLiteral("00001"), {"Typ=BOARD", "Be=Board"});
    PrintQSL(QStringLiteral("Ln=00001"), true);
    EXPECT_EQ(printer->begun, 1);
    EXPECT_EQ(printer->ended, 1);
}

} // namespace
