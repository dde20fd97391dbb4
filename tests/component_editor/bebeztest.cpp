#include "bteditfixture.h"
#include "common/xlsxbuilder.h"
#include "component_editor/bebez.h"
#include "frame/restext.h"
#include "workbook/workbook.h"

namespace {

// The matching workbook of these tests: the head row a to e, marked and
// unmarked rows, and a second sheet that the run must leave alone.
std::vector<testutil::XlsxSheet> matchingBook()
{
    testutil::XlsxSheet t{QStringLiteral("Tabelle1"),
                          {{"s:a", "s:b", "s:c", "s:d", "s:e"},
                           {"s: bc847 ", "s:A12-B1-C1", "s:x"},
                           {"s:HEF4011", "s:A12-B1-C2", "s:X"},
                           {"s:BC847", "s:A12-B1-C1", "s:x"},
                           {"s:NOPE1", "s:A12-B1-C3"},
                           {"s:O'NEIL", "s:A12-B1-C4", "i:x"},
                           {"s:SN7400", "s:A12-B1-C5", "s:y", "s:keep"}}};
    testutil::XlsxSheet notes{QStringLiteral("Notes"), {{"s:written by hand", "n:2.5"}}};
    return {notes, t};
}

class BeBezTest : public BtEditTest {
protected:
    void SetUp() override
    {
        BtEditTest::SetUp();
        store(QStringLiteral("Typ=BC847,Q,Bac=211"));
        store(QStringLiteral("Typ=4011,Q,Bac=111"));
        store(QStringLiteral("Typ=7400,Q,Bac=111"));
        book = tmp.filePath(QStringLiteral("match.xlsx"));
        ASSERT_TRUE(testutil::writeXlsx(book, matchingBook()));
    }
    // Runs "be.add" on the workbook with the choices of the dialog.
    void run(int ref, int neu, int inEx, int ic)
    {
        sp.ui().expect(QuestionKind::OpenFile, QStringLiteral("be.add"), Answer::word(book));
        sp.ui().expect(QuestionKind::DesignationMatch, QStringLiteral("frmBEBez"), [=](const Question& q) {
            auto* m = modelOf<BeBezModel>(q);
            EXPECT_TRUE(m->DatNam.contains(QStringLiteral("match.xlsx"))) << m->DatNam.toStdString();
            m->RefOpt_Click(ref);
            m->NeuOpt_Click(neu);
            m->InExOpt_Click(inEx);
            if (ic > 0)
                m->ICOpt[ic] = true;
            return Answer::word(QStringLiteral("ok"));
        });
        frmBEBez::Run();
        EXPECT_TRUE(sp.ui().allUsed());
    }
    const Worksheet& sheet()
    {
        read = Workbook::open(book);
        EXPECT_TRUE(read.has_value());
        const Worksheet* s = read ? read->sheet(QStringLiteral("Tabelle1")) : nullptr;
        EXPECT_NE(s, nullptr);
        static const Worksheet none(QStringLiteral("none"));
        return s ? *s : none;
    }
    // Columns c to e of a row as another program reads the workbook: by
    // namespace, so a cell written outside the sheet's namespace is not there.
    QStringList cde(int row)
    {
        const auto cells = testutil::namespacedCells(book, QStringLiteral("Tabelle1"));
        auto at = [&](int column) {
            const auto it = cells.find({row, column});
            return it == cells.end() ? QString() : it->second;
        };
        return {at(3), at(4), at(5)};
    }
    QString logLine(const char* a, const char* b, const char* result, const char* d)
    {
        return QString::fromLatin1(a).leftJustified(20) + QString::fromLatin1(b).leftJustified(20) +
               QString::fromLatin1(result).leftJustified(8) + QString::fromLatin1(d);
    }

    QString book;
    std::optional<Workbook> read;
};

TEST_F(BeBezTest, EachMarkedRowGetsItsOwnResult)
{
    run(0, 1, 1, 2); // type designations, item numbers, internal file, all ICs
    EXPECT_EQ(cde(2), (QStringList{"ok", "in", " "}));
    // found again without its prefix: the short key goes to e
    EXPECT_EQ(cde(3), (QStringList{"ok", "in", "4011"}));
    // the same row once more: its own result, the designation is there already
    EXPECT_EQ(cde(4), (QStringList{"dop", "in", " "}));
    // unmarked rows keep what they hold
    EXPECT_EQ(cde(5), (QStringList{"", "", ""}));
    EXPECT_EQ(cde(7), (QStringList{"y", "keep", ""}));
    // a quote in a designation is a designation like any other
    EXPECT_EQ(cde(6), (QStringList{"nv", "", " "}));
    const Worksheet& s = sheet();
    EXPECT_EQ(s.text(2, 1), QStringLiteral(" bc847 "));
    EXPECT_EQ(s.text(6, 1), QStringLiteral("O'NEIL"));
    // the other sheet is untouched
    const Worksheet* notes = read->sheet(QStringLiteral("Notes"));
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->text(1, 1), QStringLiteral("written by hand"));
    EXPECT_EQ(notes->text(1, 2), QStringLiteral("2.5"));

    const QStringList& log = sp.ui().headlessList().lines;
    EXPECT_TRUE(log.contains(logLine("BC847", "A12-B1-C1", "ok", "in"))) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log.contains(logLine("HEF4011", "A12-B1-C2", "ok", "in")));
    EXPECT_TRUE(log.contains(logLine("O'NEIL", "A12-B1-C4", "nv", "")));
    for (const QString& line : log) {
        EXPECT_FALSE(line.startsWith(QStringLiteral("NOPE1"))) << "an unmarked row is not logged";
        EXPECT_FALSE(line.startsWith(QStringLiteral("SN7400")));
    }
    // The list's title and closing line are messages, shown with their umlauts.
    EXPECT_EQ(sp.ui().headlessList().title, QStringLiteral("Hinzuf\u00fcgen von Kelmora-Sachnummern"));
    EXPECT_EQ(log.value(log.size() - 1), QStringLiteral("Hinzuf\u00fcgen von Bezeichnungen ist beendet"));
    // The log's designations and results stand in columns: a font of fixed pitch.
    EXPECT_TRUE(sp.ui().headlessList().fixedPitch);

    // the components carry the new item numbers
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 1, QStringLiteral("A12-B1-C2")), QStringLiteral("ok"));
    EXPECT_TRUE(m.view().VarBox[1].rows.contains(QStringLiteral("Typ=4011"))) << m.view().VarBox[1].rows.join(u'|').toStdString();
    ASSERT_EQ(open(m, 1, QStringLiteral("A12-B1-C1")), QStringLiteral("ok"));
    EXPECT_TRUE(m.view().VarBox[1].rows.contains(QStringLiteral("Typ=BC847")));
}

TEST_F(BeBezTest, LogicFamilyRetryOnlyFor74And54)
{
    // row 3 (HEF4011) is not retried with the 74/54 option
    run(0, 1, 1, 1);
    EXPECT_EQ(cde(3), (QStringList{"nv", "", " "}));
    EXPECT_EQ(cde(2), (QStringList{"ok", "in", " "}));
}

TEST_F(BeBezTest, ItemNumbersAreNeverRetried)
{
    ASSERT_TRUE(testutil::writeXlsx(
        book, {{QStringLiteral("Tabelle1"),
                {{"s:a", "s:b", "s:c", "s:d", "s:e"}, {"s:X7400-B1-C1", "s:BLA1", "s:x"}}}}));
    store(QStringLiteral("Typ=X1,Yk=A7400-B1-C1,Q,Bac=111"));
    run(1, 2, 0, 2);
    EXPECT_EQ(cde(2), (QStringList{"nv", "", " "}));
}

TEST(BeBezKeys, ShortenedIcKey)
{
    struct Case {
        const char* key;
        int mode;
        const char* shortened; // nullptr: no retry
    };
    const Case cases[] = {{"HEF4011", 2, "4011"},   {"HEF4011", 1, nullptr}, {"SN7400", 1, "7400"},
                          {"SN54LS00", 1, "54LS00"}, {"SN74", 1, nullptr},    {"74HC00", 2, nullptr},
                          {"ABC", 2, nullptr},       {"SN7400", 0, nullptr},  {"MC-1488", 2, "1488"}};
    for (const Case& c : cases) {
        const std::optional<QString> k = shortenedIcKey(QString::fromLatin1(c.key), c.mode);
        if (c.shortened) {
            EXPECT_EQ(k.value_or(QStringLiteral("-")), QString::fromLatin1(c.shortened)) << c.key << " " << c.mode;
        } else {
            EXPECT_FALSE(k.has_value()) << c.key << " " << c.mode;
        }
    }
}

TEST_F(BeBezTest, CancelStopsBeforeTheNextRowAndKeepsWhatWasDone)
{
    // the empty line and the first row's line, then the cancel button
    sp.ui().headlessList().cancelAfterAdds = 2;
    run(0, 1, 1, 2);
    EXPECT_EQ(cde(2), (QStringList{"ok", "in", " "}));
    EXPECT_EQ(cde(3), (QStringList{"X", "", ""}));
    EXPECT_NE(sp.ui().headlessList().lines.value(sp.ui().headlessList().lines.size() - 1),
              ResText(QStringLiteral("8"), 1, true));
}

TEST_F(BeBezTest, KindsMustBeChosen)
{
    sp.ui().expect(QuestionKind::OpenFile, QStringLiteral("be.add"), Answer::word(book));
    sp.ui().expect(QuestionKind::DesignationMatch, QStringLiteral("frmBEBez"), Answer::word(QStringLiteral("ok")));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("11"), Answer::button(Mb::OK));
    sp.ui().expect(QuestionKind::DesignationMatch, QStringLiteral("frmBEBez"), Answer::cancel());
    const QByteArray before = testutil::readFile(book);
    frmBEBez::Run();
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(testutil::readFile(book), before);
}

TEST_F(BeBezTest, FailedWriteChangesNothing)
{
    // the temporary file beside the workbook cannot be made
    QDir().mkpath(book + QStringLiteral(".~tmp/x"));
    const QByteArray before = testutil::readFile(book);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    run(0, 1, 1, 0);
    EXPECT_EQ(testutil::readFile(book), before);
}

TEST_F(BeBezTest, UserItemNumbersTitleTheListInEnglishToo)
{
    sp.program().LangNr = 2;
    run(0, 2, 1, 0);
    EXPECT_EQ(sp.ui().headlessList().title, QStringLiteral("Adding user-specific item numbers"));
    sp.program().LangNr = 1;
    run(0, 2, 1, 0);
    EXPECT_EQ(sp.ui().headlessList().title, QStringLiteral("Hinzuf\u00fcgen von Anwender-Sachnummern"));
}

// A workbook that cannot be used is a database error of the run: message 473
// names its number, never 0.
struct WorkbookFailure {
    const char* name;
    void (*spoil)(const QString& book);
    const char* number;
};

class BeBezFailure : public BeBezTest, public ::testing::WithParamInterface<WorkbookFailure> {};

TEST_P(BeBezFailure, Message473CarriesTheErrorNumber)
{
    GetParam().spoil(book);
    QString shown;
    sp.ui().expect(QuestionKind::Message, QStringLiteral("473"), [&shown](const Question& q) {
        shown = q.text;
        return Answer::button(Mb::OK);
    });
    run(0, 1, 1, 0);
    EXPECT_TRUE(shown.contains(QStringLiteral("Fehler:   %1,").arg(QLatin1String(GetParam().number))))
        << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Prozedur    frmBEBez: SearchBez !"))) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BeBezFailure,
    ::testing::Values(
        WorkbookFailure{"missingFile", [](const QString& b) { QFile::remove(b); }, "3024"},
        WorkbookFailure{"notAWorkbook", [](const QString& b) { testutil::writeFile(b, "a;b;c\r\n"); }, "3274"},
        WorkbookFailure{"noSheetTabelle1",
                        [](const QString& b) { testutil::writeXlsx(b, {{QStringLiteral("Other"), {{"s:a"}}}}); },
                        "3011"},
        WorkbookFailure{"resultsNotWritten",
                        [](const QString& b) { QDir().mkpath(b + QStringLiteral(".~tmp/x")); }, "3027"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
