#include "common/testlinks.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/restext.h"
#include "printfixture.h"
#include "printing/pagestream.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Compares bytes with a checked-in file; TARN_WRITE_GOLDEN=1 writes it instead
// (the new file is then checked by hand before it is committed).
void expectGolden(const QString& name, const QByteArray& bytes)
{
    const QString path = testutil::fixturesDir() + QStringLiteral("/printing/") + name;
    if (qEnvironmentVariableIsSet("TARN_WRITE_GOLDEN"))
        testutil::writeFile(path, bytes);
    const QByteArray golden = testutil::readFile(path);
    ASSERT_FALSE(golden.isEmpty()) << "missing " << path.toStdString();
    EXPECT_EQ(bytes.toHex(' ').toStdString(), golden.toHex(' ').toStdString());
}

// Text records of a stream: "x,y:text" per record.
QStringList textRecords(const QByteArray& stream)
{
    QStringList out;
    int pos = 1;
    while (pos <= stream.size()) {
        const char op = stream[pos - 1];
        ++pos;
        if (op == '3') {
            const int x = PrGetLong(stream, pos);
            const int y = PrGetLong(stream, pos);
            out << QStringLiteral("%1,%2:%3").arg(x).arg(y).arg(PrGetStr(stream, pos));
        } else if (op == '2') {
            out << QStringLiteral("font ") + PrGetStr(stream, pos);
        } else if (op == '1') {
            pos += 6;
        } else if (op == '6') {
            pos += 24;
        }
    }
    return out;
}

using PrintJob = PrintFixture;

TEST_F(PrintJob, InitWritesTheHeaderPageAndMeasuresCourier)
{
    ASSERT_TRUE(PrInit());
    expectGolden(QStringLiteral("header.bin"), testutil::readFile(pagesFile()));
    // Courier New 10 pt on the fixed printer: 230 high, 120 wide; the area of
    // 14740 x 10206 twips holds 64 lines of 85 characters before head and foot.
    EXPECT_EQ(state().PrZeilenHoehe, 230);
    EXPECT_FLOAT_EQ(state().PrZeichenBreite, 120);
    EXPECT_EQ(state().PrSpalten, 85);
    EXPECT_EQ(state().PrOben, 850 + 460);
    EXPECT_EQ(state().PrUnten, 850 + 14740 - 460);
    EXPECT_EQ(state().PrSeitenTab, PrLong4(43)); // behind the 42 bytes of the header page
    EXPECT_EQ(state().PrSeitenZahl, 1);
    EXPECT_TRUE(state().PrPuffer.isEmpty());
}

struct AreaRow {
    const char* name;
    double height;
    double width;
    bool accepted;
};
void PrintTo(const AreaRow& r, std::ostream* os) { *os << r.name; }
class PrintArea : public PrintFixture, public ::testing::WithParamInterface<AreaRow> {};

TEST_P(PrintArea, TooSmallRefusesWithMessage442AndOpensNothing)
{
    const AreaRow& row = GetParam();
    sp.program().Raender = {1134, 850, row.width, row.height};
    if (!row.accepted)
        sp.ui().expect(QuestionKind::Message, QStringLiteral("442"), Answer::button(Mb::OK));
    EXPECT_EQ(PrInit(), row.accepted);
    EXPECT_EQ(QFileInfo::exists(pagesFile()), row.accepted);
    EXPECT_TRUE(sp.ui().allUsed());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintArea,
    ::testing::Values(AreaRow{"fiftyLines", 50 * 230 + 229, 10206, false},
                      AreaRow{"fiftyOneLines", 51 * 230, 10206, true},
                      AreaRow{"sixtySixColumns", 14740, 66 * 120 + 119, false},
                      AreaRow{"sixtySevenColumns", 14740, 67 * 120, true},
                      AreaRow{"tallerThanPaper", 16838, 10206, false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(PrintJob, PageHeadRecordsMatchTheGoldenFile)
{
    ASSERT_TRUE(PrInit());
    PrKopf(QStringLiteral("Title"), QStringLiteral("Right"));
    expectGolden(QStringLiteral("kopf.bin"), state().PrPuffer);
    // Back in Courier New 10 pt, on the first line of the area.
    EXPECT_EQ(state().font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(state().font.size, 10);
    EXPECT_FALSE(state().font.bold);
    EXPECT_EQ(state().currentY, state().PrOben);
}

TEST_F(PrintJob, PiMarkRecordsMatchTheGoldenFile)
{
    ASSERT_TRUE(PrInit());
    PrTextZS(1, 0);
    PrText("x", PiMark, "y");
    PrFont(9.5, false, false, QStringLiteral("Arial"));
    PrTextSym(2000, 3000, "a", PiMark, "b");
    expectGolden(QStringLiteral("pitext.bin"), state().PrPuffer);
}

TEST_F(PrintJob, PiInCourierIsRaisedAndAdvancesOneCharacter)
{
    ASSERT_TRUE(PrInit());
    PrTextZS(1, 0);
    state().PrPuffer.clear();
    PrText("x", PiMark, "y");
    const int y = state().PrOben + 230;
    // 230 / 7 = 32.9: raised by 33 twips.
    EXPECT_EQ(textRecords(state().PrPuffer),
              (QStringList{QStringLiteral("1134,%1:x").arg(y), QStringLiteral("font Symbol"),
                           QStringLiteral("1254,%1:p").arg(y - 33), QStringLiteral("font Courier New"),
                           QStringLiteral("1374,%1:y").arg(y)}));
}

TEST_F(PrintJob, PiStaysAMarkerInOtherFontsOfPrText)
{
    ASSERT_TRUE(PrInit());
    PrFont(10, false, false, QStringLiteral("Arial"));
    state().PrPuffer.clear();
    PrText("x", PiMark, "y");
    EXPECT_EQ(textRecords(state().PrPuffer), QStringList{QStringLiteral("1134,0:x") + PiMark + u'y'});
}

struct JoinRow {
    const char* name;
    QString joined;
    QStringList records;
};
void PrintTo(const JoinRow& r, std::ostream* os) { *os << r.name; }
class TextLine : public PrintFixture, public ::testing::WithParamInterface<JoinRow> {};

TEST_P(TextLine, JoinsPartsAndTrimsOnTheRight)
{
    ASSERT_TRUE(PrInit());
    PrTextLine(GetParam().joined);
    EXPECT_EQ(textRecords(state().PrPuffer), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextLine,
                         ::testing::Values(JoinRow{"trailingBlanks", "ab  ", {"1134,0:ab"}},
                                           JoinRow{"onlyBlanks", "   ", {"1134,0:"}},
                                           JoinRow{"empty", "", {}},
                                           JoinRow{"leadingBlanksKept", "  a", {"1134,0:  a"}}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(PrintJob, PartsAreJoinedBeforeWriting)
{
    ASSERT_TRUE(PrInit());
    PrText("a", QString(), "b ");
    EXPECT_EQ(textRecords(state().PrPuffer), QStringList{QStringLiteral("1134,0:ab")});
}

TEST_F(PrintJob, PagesAreAppendedWithTheirOffsets)
{
    ASSERT_TRUE(PrInit());
    QList<int> printedNumbers;
    for (int k = 1; k <= 4; ++k) {
        printedNumbers << PrSeiteNr();
        PrText("page");
        PrNeueSeite(k == 2);
    }
    EXPECT_EQ(printedNumbers, (QList<int>{1, 2, 1, 2}));
    EXPECT_EQ(state().PrSeitenTab.size(), 20);
    EXPECT_EQ(state().PrSeitenZahl, 5);

    const QByteArray file = testutil::readFile(pagesFile());
    int pos = 9; // entry 3
    const int start = PrGetLong(state().PrSeitenTab, pos);
    const int end = PrGetLong(state().PrSeitenTab, pos);
    EXPECT_EQ(end, file.size() + 1 - (end - start)); // page 3 is followed by page 4 of the same size
    const QByteArray page3 = file.mid(start - 1, end - start);
    EXPECT_TRUE(page3.startsWith('3'));
    EXPECT_TRUE(page3.endsWith('5'));
}

TEST_F(PrintJob, AnEmptyPageIsNotClosedButMovesAndRestarts)
{
    ASSERT_TRUE(PrInit());
    PrText("one");
    PrNeueSeite();
    state().currentY = 9999;
    PrNeueSeite(true);
    EXPECT_EQ(state().PrSeitenZahl, 2);
    EXPECT_EQ(state().PrSeite, 1);
    EXPECT_EQ(state().currentY, state().PrOben);
    EXPECT_EQ(state().currentX, state().PrLinks);
}

TEST_F(PrintJob, ArchiveCopyGoesToTheArchivePageFileOnly)
{
    state().ArchivAktiv = true;
    ASSERT_TRUE(PrInit());
    PrText("both");
    PrNeueSeite(false, true);
    PrText("pages only");
    PrNeueSeite(false, false);
    EXPECT_EQ(state().PrSeitenTab.size(), 12);
    EXPECT_EQ(state().PrArchTab.size(), 8);
    EXPECT_EQ(testutil::readFile(archPageFilePath()).size() + 1, [&] {
        int pos = 5;
        return PrGetLong(state().PrArchTab, pos);
    }());
}

TEST_F(PrintJob, LineAndColumnMoves)
{
    ASSERT_TRUE(PrInit());
    PrTextZS(3, 10);
    EXPECT_EQ(state().currentY, state().PrOben + 3 * 230);
    EXPECT_TRUE(state().PrPuffer.isEmpty());
    PrTextZS(2, 10, "x");
    EXPECT_EQ(textRecords(state().PrPuffer), QStringList{QStringLiteral("2334,%1:x").arg(state().PrOben + 460)});
    // 143 x 230 leaves the 16-bit range.
    EXPECT_THROW(PrTextZS(143, 0, "x"), OverflowError);
}

TEST_F(PrintJob, LineFeedAndSpace)
{
    ASSERT_TRUE(PrInit());
    PrTextZS(0, 0);
    PrLf(2.5);
    EXPECT_EQ(state().currentY, state().PrOben + 575);
    PrLf(-0.5);
    EXPECT_EQ(state().currentY, state().PrOben + 460);
    state().currentY = state().PrUnten;
    EXPECT_FALSE(PrPlatz(0));
    state().currentY = state().PrUnten + 1;
    EXPECT_TRUE(PrPlatz(0));
    state().currentY = state().PrOben + 230;
    EXPECT_FALSE(PrPlatz(-1));
    EXPECT_TRUE(PrPlatz(-1.5));
}

TEST_F(PrintJob, HeadTextsRepeatOrReset)
{
    ASSERT_TRUE(PrInit());
    PrKopf(QStringLiteral("First"), QStringLiteral("Right"));
    PrKopf();
    EXPECT_EQ(state().PrKopfText, QStringLiteral("TARN 1.0      First"));
    EXPECT_EQ(state().PrKopfRechts, QStringLiteral("Right"));
    state().PrPuffer.clear();
    PrKopf(QStringLiteral("Second"));
    EXPECT_TRUE(state().PrKopfRechts.isEmpty());
    // Head text and the three foot texts only: no right text.
    const QStringList texts = textRecords(state().PrPuffer).filter(QRegularExpression(QStringLiteral("^\\d")));
    EXPECT_EQ(texts.size(), 4);
}

TEST_F(PrintJob, PagePlaceholderExpandsToThePageNumber)
{
    ASSERT_TRUE(PrInit());
    PrText("x");
    PrNeueSeite();
    EXPECT_EQ(ExpandText(QStringLiteral("Seite @P")), QStringLiteral("Seite 2"));
}

} // namespace

// The system printer is looked for when the printer is first needed, once; a
// device set before wins, and no system printer leaves the PDF device.
TEST_F(PrintJob, SystemPrinterIsMadeOnFirstUseOnly)
{
    int asked = 0;
    auto installed = [&asked]() -> std::unique_ptr<PrintDevice> {
        ++asked;
        return std::make_unique<FakePrinter>();
    };
    ReplacedLinks testLinks;
    printState().device = nullptr;
    testLinks.edit<PrinterLinks>().systemPrinter = installed;
    EXPECT_EQ(asked, 0);
    ASSERT_TRUE(PrInit());
    EXPECT_EQ(asked, 1);
    EXPECT_NE(dynamic_cast<FakePrinter*>(&currentPrinter()), nullptr);
    EXPECT_EQ(asked, 1);

    printState().device = nullptr;
    testLinks.edit<PrinterLinks>().systemPrinter = [&asked]() -> std::unique_ptr<PrintDevice> {
        ++asked;
        return nullptr;
    };
    EXPECT_TRUE(currentPrinter().writesPdf()) << "no printer installed: the PDF device";
    EXPECT_EQ(asked, 2);

    testLinks.edit<PrinterLinks>().systemPrinter = installed;
    printState().device = std::make_unique<FakePrinter>();
    currentPrinter();
    EXPECT_EQ(asked, 2) << "a device set before is not replaced";
}
