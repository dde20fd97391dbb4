#include "bteditfixture.h"
#include "frame/workslots.h"
#include "component_editor/btsearch.h"
#include "frame/launcher.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/restext.h"
#include "printing/printfixture.h"

namespace {

Answer ok() { return Answer::button(Mb::OK); }

// ---------------------------------------------------------------- expressions

struct ExpressionCase {
    const char* typed;
    int message;
    const char* rebuiltOrInvalid; // the rebuilt text, or the argument of message 196
    const char* group;
};

void PrintTo(const ExpressionCase& c, std::ostream* os) { *os << "expr " << c.typed; }

class SearchExpressionTest : public ::testing::TestWithParam<ExpressionCase> {};

TEST_P(SearchExpressionTest, PreparesAsTyped)
{
    const ExpressionCase& c = GetParam();
    const SearchExpression e =
        prepareSearchExpression(QString::fromUtf8(c.typed), QStringLiteral("Bac=B,Tec=T,Gec=#10C,Pin=#4,{pi}qem,Bacm=C"));
    EXPECT_EQ(e.message, c.message);
    if (c.message == 196) {
        EXPECT_EQ(e.invalid, QString::fromUtf8(c.rebuiltOrInvalid));
        EXPECT_TRUE(e.terms.empty());
    } else if (c.message == 0) {
        EXPECT_EQ(e.rebuilt, QString::fromUtf8(c.rebuiltOrInvalid));
        EXPECT_EQ(e.group, QString::fromUtf8(c.group));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Terms, SearchExpressionTest,
    ::testing::Values(
        // a key takes the letter case of the key list, values go upper case
        ExpressionCase{"bac=11,GEC=sot", 0, "Bac=11,Gec=SOT", "11"},
        // pieces without "=", with "=" first, and the empty piece are listed as typed
        ExpressionCase{"Bac,=5,,Tec=1", 196, "Bac,=5,", ""},
        // keys not allowed keep their case, values are upper-cased, all are reported
        ExpressionCase{"Foo=1,Bar=2", 196, "Foo=1,Bar=2", ""},
        ExpressionCase{"Xyz=abc", 196, "Xyz=ABC", ""},
        ExpressionCase{"Xyz=?", 196, "Xyz=", ""},
        // rejected pieces come first, then the keys not allowed
        ExpressionCase{"Foo=1,Bac", 196, "Bac,Foo=1", ""},
        // a trailing comma changes nothing
        ExpressionCase{"Bac=2,", 0, "Bac=2", "2"},
        ExpressionCase{"Text=a,Text=b", 0, "Text1=A,Text2=B", ""},
        ExpressionCase{"Text=a,Text=b,Text=c", 525, "", ""},
        // a third text term fails while splitting, before the keys are tested
        ExpressionCase{"Foo=1,Text=a,Text=b,Text=c", 525, "", ""},
        ExpressionCase{"Text=a,Text=b,Text1=c", 0, "Text1=A,Text2=B,Text1=C", ""},
        ExpressionCase{"Bac=?", 0, "Bac=", ""},
        ExpressionCase{"Bac=?,Bac=3", 0, "Bac=,Bac=3", "3"},
        ExpressionCase{"{pi}qem=1", 0, "{pi}qem=1", ""},
        ExpressionCase{"", 0, "", ""}));

TEST(SearchExpression, PiKeysSearchTheStoredMarker)
{
    const SearchExpression e = prepareSearchExpression(QStringLiteral("{PI}QEM=2"), QStringLiteral("Bac,{pi}qem"));
    ASSERT_EQ(e.terms.size(), 1u);
    EXPECT_EQ(e.terms[0].key, QString(PiMark) + QStringLiteral("qem"));
    EXPECT_TRUE(searchTermsHold(e.terms, QStringLiteral("Typ=X"), QString(PiMark) + QStringLiteral("qem=25"), {}));
}

struct RecordCase {
    const char* expression;
    const char* identity;
    const char* q;
    const char* description;
    bool holds;
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.expression << " on " << c.q << " " << c.description; }

class SearchRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SearchRecordTest, AllTermsMustHold)
{
    const RecordCase& c = GetParam();
    const SearchExpression e =
        prepareSearchExpression(QString::fromUtf8(c.expression), QStringLiteral("Bac=B,Tec=T,Gec=#10C,Pin=#4,Typ"));
    ASSERT_EQ(e.message, 0);
    EXPECT_EQ(searchTermsHold(e.terms, QString::fromUtf8(c.identity), QString::fromUtf8(c.q),
                              QString::fromUtf8(c.description)),
              c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SearchRecordTest,
    ::testing::Values(
        // values are text prefixes, not numbers
        RecordCase{"Pin=1", "Typ=A", "Bac=141,Pin=1", "", true},
        RecordCase{"Pin=1", "Typ=A", "Bac=141,Pin=14", "", true},
        RecordCase{"Pin=1", "Typ=A", "Bac=141,Pin=100", "", true},
        RecordCase{"Pin=1", "Typ=A", "Bac=141,Pin=21", "", false},
        // stored housing codes are compared in upper case, other keys as stored
        RecordCase{"Gec=sot", "Typ=A", "Bac=141,Gec=sot23", "", true},
        RecordCase{"Gec=sot", "Typ=A", "Bac=141,Gec=SOT23", "", true},
        RecordCase{"Tec=ab", "Typ=A", "Bac=141,Tec=ab1", "", false},
        RecordCase{"Tec=ab", "Typ=A", "Bac=141,Tec=AB1", "", true},
        // "?" means present with any value
        RecordCase{"Bac=7,Pin=?", "Typ=A", "Bac=71,Pin=8", "", true},
        RecordCase{"Bac=7,Pin=?", "Typ=A", "Bac=71", "", false},
        // the first failing term ends the test
        RecordCase{"Bac=2,Pin=1", "Typ=A", "Bac=141,Pin=1", "", false},
        // the description in any letter case; "?" needs a description
        RecordCase{"Bac=2,Text=Diode", "Typ=A", "Bac=21", "Schottky-diode 40 V", true},
        RecordCase{"Text=Diode,Text=40 v", "Typ=A", "Bac=21", "Schottky-diode 40 V", true},
        RecordCase{"Text=Diode,Text=60", "Typ=A", "Bac=21", "Schottky-diode 40 V", false},
        RecordCase{"Text=?", "Typ=A", "Bac=21", "x", true},
        RecordCase{"Text=?", "Typ=A", "Bac=21", "", false},
        // a designation key is looked up in the identity part
        RecordCase{"Typ=BC8", "Typ=BC847,Yk=1", "Bac=21", "", true},
        RecordCase{"", "Typ=BC847", "", "", true}));

TEST(SearchGroups, RangeOfTheRestriction)
{
    using R = std::pair<int, int>;
    EXPECT_EQ(searchGroupRange(QString()), R(1, 99));
    EXPECT_EQ(searchGroupRange(QStringLiteral("1")), R(10, 19));
    EXPECT_EQ(searchGroupRange(QStringLiteral("7")), R(70, 79));
    EXPECT_EQ(searchGroupRange(QStringLiteral("11")), R(11, 11));
    EXPECT_EQ(searchGroupRange(QStringLiteral("115")), R(11, 11));
    EXPECT_EQ(searchGroupRange(QStringLiteral("141")), R(14, 14));
}

// ---------------------------------------------------------------- scan and lists on a component file

class BtSearchTest : public BtEditTest {
protected:
    void SetUp() override
    {
        BtEditTest::SetUp();
        useProgramSearch();
    }
    void setLastBlock(const QString& group, int last)
    {
        QString header;
        ASSERT_TRUE(readHeader(bin, 1, 59, header));
        SetParam(header, group, QStringLiteral("%1").arg(last, 3, 10, QLatin1Char('0')));
        ASSERT_TRUE(writeHeader(bin, header));
    }
    void search(BtEditModel& m, int area, const QString& key = QStringLiteral("search in"))
    {
        m.setInputAreaForTest(area);
        m.MenuBT(key);
    }
};

TEST_F(BtSearchTest, MessagesOfTheSearchStart)
{
    BtEditModel m;
    loaded(m);
    // nothing typed: 171 from the designation area, silence from the search area
    sp.ui().expect(QuestionKind::Message, QStringLiteral("171"), ok());
    search(m, 1);
    search(m, 2);
    m.chkSuch_Click(0);
    m.txAusg_Change(0, QStringLiteral("   "));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("180"), ok());
    search(m, 2);
    m.chkSuch_Click(1);
    for (const char* block : {"1400", "140030"}) {
        m.txAusg_Change(1, QString::fromLatin1(block));
        sp.ui().expect(QuestionKind::Message, QStringLiteral("54"), ok());
        search(m, 2);
        EXPECT_FALSE(m.window().frameVisible[BtEditModel::FrameList]) << block;
    }
    m.txAusg_Change(1, QStringLiteral("14077"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("235"), ok());
    search(m, 2);
    EXPECT_EQ(m.list().ListArt, 2);
    m.chkSuch_Click(0);
    m.txAusg_Change(0, QStringLiteral("Foo=1,Bar=2"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("196"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("Foo=1,Bar=2"))) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    search(m, 2);
    EXPECT_TRUE(sp.ui().allUsed());
}

TEST_F(BtSearchTest, ScanOfAGroupCountsAndShowsProgress)
{
    for (int i = 0; i < 25; ++i)
        store(QStringLiteral("Typ=D%1,Q,Bac=141,Gec=sot%2,B,diode").arg(i, 2, 10, QLatin1Char('0')).arg(i));
    store(QStringLiteral("Typ=R1,Q,Bac=121,Gec=SOT23"));
    store(QStringLiteral("Typ=X1,Q,Bac=151,Gec=SOT23,B,Diode"));
    setLastBlock(QStringLiteral("14"), 6); // blocks 14001 to 14006 do not exist
    BtEditModel m;
    loaded(m);
    QStringList shown;
    m.setYield([&] {
        if (!m.list().Info.isEmpty() && !shown.contains(m.list().Info))
            shown << m.list().Info;
    });
    m.chkSuch_Click(0);
    m.txAusg_Change(0, QStringLiteral("gec=sot,Text=DIODE"));
    m.txAusg_Change(2, QStringLiteral("1")); // groups 10 to 19
    search(m, 2);
    ASSERT_EQ(m.list().BEGrid.rows.size(), 26);
    EXPECT_TRUE(m.list().Label3[1].endsWith(QStringLiteral("Anzahl: 26/1"))) << m.list().Label3[1].toStdString();
    EXPECT_TRUE(m.list().Label3[1].contains(QStringLiteral("Gec=SOT,Text1=DIODE"))) << m.list().Label3[1].toStdString();
    EXPECT_EQ(m.list().SuchBegriffText, QStringLiteral("Suchbegriff: Gec=SOT,Text1=DIODE"));
    EXPECT_EQ(m.list().AnzGeprueft, 27);
    EXPECT_EQ(m.list().ListArt, 2);
    EXPECT_TRUE(m.list().BEGrid.visible);
    EXPECT_EQ(m.list().BEGrid.row, 0);
    const QString progress = QStringLiteral("Gefunden: ") + QString(20, u' ');
    EXPECT_TRUE(shown.contains(QStringLiteral("Block: 14000") + progress)) << shown.join(u'|').toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Block: 14005") + progress)) << shown.join(u'|').toStdString();
    EXPECT_EQ(m.list().Info, QString()); // emptied at the end

    // a Bac term restricts the groups; the group field is not used then
    m.chkSuch_Click(0);
    m.txAusg_Change(0, QStringLiteral("Bac=14"));
    m.txAusg_Change(2, QStringLiteral("12"));
    search(m, 2);
    EXPECT_EQ(m.list().BEGrid.rows.size(), 25);
    EXPECT_TRUE(m.list().Label3[1].endsWith(QStringLiteral("Anzahl: 25/1"))) << m.list().Label3[1].toStdString();
    EXPECT_EQ(m.list().ListGruppe, QStringLiteral("12"));
}

TEST_F(BtSearchTest, CancelledScanShowsNothing)
{
    for (int i = 0; i < 3; ++i)
        store(QStringLiteral("Typ=D%1,Q,Bac=141").arg(i));
    setLastBlock(QStringLiteral("14"), 9);
    BtEditModel m;
    loaded(m);
    int yields = 0;
    m.setYield([&] {
        if (++yields == 3)
            m.MenuBT(QStringLiteral("exit"));
    });
    m.chkSuch_Click(2);
    search(m, 2); // no message may come
    EXPECT_TRUE(m.list().BEGrid.rows.isEmpty());
    EXPECT_FALSE(m.list().BEGrid.visible);
    EXPECT_EQ(m.list().ListArt, 2);
    EXPECT_EQ(yields, 3);
    EXPECT_TRUE(m.window().frameEnabled[BtEditModel::FrameCmd]);
}

TEST_F(BtSearchTest, BlockListingInFileOrder)
{
    const QString a = store(QStringLiteral("Typ=B1,Q,Bac=141,") + QString(PiMark) + QStringLiteral("qem=2"));
    store(QStringLiteral("Typ=B2,Q,Bac=141"));
    BtEditModel m;
    loaded(m);
    m.chkSuch_Click(1);
    m.txAusg_Change(1, a);
    search(m, 2);
    ASSERT_EQ(m.list().BEGrid.rows.size(), 2);
    EXPECT_TRUE(m.list().BEGrid.rows[0].startsWith(QStringLiteral("Typ=B1")));
    EXPECT_TRUE(m.list().BEGrid.rows[0].contains(PiMark)); // as the split gives it
    EXPECT_EQ(m.list().AnzGeprueft, 0);
    EXPECT_EQ(m.list().SuchBegriffText, QStringLiteral("Block: ") + a);
}

TEST_F(BtSearchTest, NameIndexListing)
{
    for (const char* t : {"BCX51", "BC847", "BC807", "BC846", "BC817", "XBC847"})
        store(QStringLiteral("Typ=%1,Q,Bac=141").arg(QString::fromLatin1(t)));
    const QString r = store(QStringLiteral("Typ=BC850,Q,Bac=121"));
    store(QStringLiteral("Typ=S1,Yk=A12-B1-C1,Q,Bac=141"));
    BtEditModel m;
    loaded(m);
    auto list = [&](const QString& typed, const QString& group, int kind = 0) {
        std::array<QString, 3> fields;
        fields[kind] = typed;
        type(m, fields);
        m.txAusg_Change(2, group);
        search(m, 1);
        QStringList got;
        for (const auto& [d, b] : m.list().IdxList)
            got << d.trimmed();
        return got;
    };
    EXPECT_EQ(list(QStringLiteral("bc8"), QString()),
              (QStringList{"BC807", "BC817", "BC846", "BC847", "BC850"}));
    EXPECT_EQ(m.list().IdxCount, 5);
    EXPECT_EQ(m.list().BEGrid.rows.value(0), QStringLiteral("Typ\tBlock"));
    EXPECT_EQ(m.list().ListArt, 1);
    EXPECT_EQ(m.list().IdxList[0].first.size(), 18);
    EXPECT_EQ(list(QStringLiteral("BC8"), QStringLiteral("14")), (QStringList{"BC807", "BC817", "BC846", "BC847"}));
    EXPECT_EQ(list(QStringLiteral("BC8"), QStringLiteral("1")).size(), 5);
    EXPECT_EQ(list(QStringLiteral("BC8"), QStringLiteral("12")), QStringList{"BC850"});
    EXPECT_EQ(m.list().IdxList[0].second, r);
    EXPECT_EQ(list(QStringLiteral("*847"), QString()), (QStringList{"BC847", "XBC847"}));
    EXPECT_EQ(m.list().SuchBegriffText, QStringLiteral("*847"));
    EXPECT_EQ(list(QStringLiteral("*"), QString()).size(), 8);
    EXPECT_TRUE(m.list().Label3[1].contains(QStringLiteral("Typ:  *"))) << m.list().Label3[1].toStdString();
    // kind S lists only item numbers
    EXPECT_EQ(list(QStringLiteral("*"), QString(), 1).size(), 1);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("235"), ok());
    EXPECT_TRUE(list(QStringLiteral("ZZ"), QString()).isEmpty());
    EXPECT_EQ(m.list().ListArt, 1);
    EXPECT_FALSE(m.list().BEGrid.visible);
    EXPECT_TRUE(sp.ui().allUsed());
}

// The printed index listing ends with its count, a message that holds an umlaut
// in German: it is printed as the letter, not as its code page 850 byte.
struct CountLine {
    const char* name;
    int language;
    const char* expected;
};

class IndexListPrintout : public BtSearchTest, public ::testing::WithParamInterface<CountLine> {};

TEST_P(IndexListPrintout, CountLineReadsInTheInterfaceLanguage)
{
    Program& p = sp.program();
    p.LangNr = GetParam().language;
    store(QStringLiteral("Typ=BC847,Q,Bac=141"));
    store(QStringLiteral("Typ=BC807,Q,Bac=141"));
    BtEditModel m;
    loaded(m);
    type(m, {QStringLiteral("BC8"), QString(), QString()});
    search(m, 1);
    ASSERT_EQ(m.list().IdxCount, 2);

    p.WorkStr[Slot::Tp1] = tmp.filePath(QStringLiteral("tp1"));
    p.Raender = {1134, 850, 10206, 14740};
    printState().device = std::make_unique<FakePrinter>();
    QStringList printed;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&printed](const Question&) {
        printed = pageTexts();
        return Answer::cancel();
    });
    m.AusgabeListe(QStringLiteral("lst.print"), 1);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(printed.contains(QString::fromUtf8(GetParam().expected))) << printed.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, IndexListPrintout,
                         ::testing::Values(CountLine{"german", 1, "2 Einträge"}, CountLine{"english", 2, "2 Entries"}),
                         [](const auto& i) { return std::string(i.param.name); });

// The printed data list ends with its count: the entries of a block, or the
// components found of those checked by an expression.
struct DataCountCase {
    const char* name;
    int searchKind;   // check box of the search area: 0 expression, 1 block
    const char* expr; // the expression typed; for a block, its address is typed
    const char* countMessage;
    int checked;      // components the expression checked (unused for a block)
};

class DataListPrintout : public BtSearchTest, public ::testing::WithParamInterface<DataCountCase> {};

TEST_P(DataListPrintout, CountLineNamesWhatTheSearchFound)
{
    const DataCountCase& c = GetParam();
    Program& p = sp.program();
    const QString block = store(QStringLiteral("Typ=D1,Q,Bac=141,Gec=SOT23"));
    store(QStringLiteral("Typ=D2,Q,Bac=141,Gec=SOT23"));
    store(QStringLiteral("Typ=D3,Q,Bac=141,Gec=TO92"));
    BtEditModel m;
    loaded(m);
    m.chkSuch_Click(c.searchKind);
    m.txAusg_Change(c.searchKind, c.searchKind == 1 ? block : QString::fromLatin1(c.expr));
    m.txAusg_Change(2, QStringLiteral("14"));
    search(m, 2);
    const qsizetype rows = m.list().BEGrid.rows.size();
    ASSERT_EQ(rows, c.searchKind == 1 ? 3 : 2);
    EXPECT_EQ(m.list().AnzGeprueft, c.checked);

    p.WorkStr[Slot::Tp1] = tmp.filePath(QStringLiteral("tp1"));
    p.Raender = {1134, 850, 10206, 14740};
    printState().device = std::make_unique<FakePrinter>();
    QStringList printed;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&printed](const Question&) {
        printed = pageTexts();
        return Answer::cancel();
    });
    m.AusgabeListe(QStringLiteral("lst.print"), 2);
    EXPECT_TRUE(sp.ui().allUsed());
    const QStringList args = c.searchKind == 1 ? QStringList{QString::number(rows)}
                                               : QStringList{QString::number(c.checked), QString::number(rows)};
    const QString count = ResText(QString::fromLatin1(c.countMessage), p.LangNr, true, args);
    EXPECT_TRUE(printed.contains(count)) << count.toStdString() << " in " << printed.join(u'|').toStdString();
    EXPECT_TRUE(printed.join(u'|').contains(QStringLiteral("Typ=D2"))) << printed.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Searches, DataListPrintout,
                         ::testing::Values(DataCountCase{"block", 1, "", "179", 0},
                                           DataCountCase{"expression", 0, "Gec=SOT23", "39", 3}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(BtSearchTest, ListingKeepsThePageCacheOfTheLookUps)
{
    // Enough types for several leaf pages.
    for (int i = 0; i < 150; ++i)
        store(QStringLiteral("Typ=T%1,Q,Bac=141").arg(i, 3, 10, QLatin1Char('0')));
    store(QStringLiteral("Typ=BC847,Q,Bac=141"));
    BtEditModel m;
    loaded(m);
    ASSERT_EQ(open(m, 0, QStringLiteral("T149")), QStringLiteral("ok"));
    Program& p = sp.program();
    const QString ss = p.SsDateiInt, ib = p.IbDateiInt;
    const auto pages = p.InhSeiteInt;
    type(m, {QStringLiteral("BC8"), QString(), QString()});
    search(m, 1);
    ASSERT_EQ(m.list().IdxCount, 1);
    EXPECT_EQ(p.SsDateiInt, ss);
    EXPECT_EQ(p.IbDateiInt, ib);
    EXPECT_EQ(p.InhSeiteInt, pages);
    // a later look-up through the cache finds its own record
    EXPECT_EQ(open(m, 0, QStringLiteral("T148")), QStringLiteral("ok"));
    EXPECT_EQ(m.view().VarBox[1].rows.value(0), QStringLiteral("Typ=T148"));
}

// ---------------------------------------------------------------- the paged list

class PagedListTest : public BtEditTest {
protected:
    // An index listing of count types, each in block 14003, laid out for rows
    // rows; change may rename entries before it is shown.
    void fill(BtEditModel& m, int count, int rows,
              const std::function<void(std::vector<std::pair<QString, QString>>&)>& change = {})
    {
        useProgramSearch();
        std::vector<std::pair<QString, QString>> entries;
        for (int i = 1; i <= count; ++i)
            entries.emplace_back(entry(i), QStringLiteral("14003"));
        if (change)
            change(entries);
        m.setIndexListForTest(std::move(entries), 0, QStringLiteral("Typ"), 1, rows);
    }
    static QString entry(int k) { return QStringLiteral("E%1").arg(k, 6, 10, QLatin1Char('0')).leftJustified(18); }
};

TEST_F(PagedListTest, LongListIsScaledOntoTheBar)
{
    BtEditModel m;
    loaded(m);
    fill(m, 40000, 25);
    EXPECT_EQ(m.list().IdxRows, 25);
    EXPECT_EQ(m.list().IdxScale, 2);
    EXPECT_EQ(m.list().VS.maximum, 19988);
    m.VS_Change(m.list().VS.maximum);
    EXPECT_EQ(m.list().IdxTop, 39976);
    EXPECT_EQ(m.list().BEGrid.rows[1], entry(39977) + QStringLiteral("\t14003"));
    EXPECT_EQ(m.list().BEGrid.rows[24], entry(40000) + QStringLiteral("\t14003"));
    EXPECT_EQ(m.list().BEGrid.rows[25], QString());
    EXPECT_TRUE(m.BEGrid_KeyDown(40, 2));
    EXPECT_EQ(m.list().IdxTop, 39975);
    EXPECT_EQ(m.list().BEGrid.row, 25);
    EXPECT_EQ(m.list().BEGrid.rows[25], entry(40000) + QStringLiteral("\t14003"));
    EXPECT_TRUE(m.list().Label3[1].endsWith(QStringLiteral(" 40000/ 40000"))) << m.list().Label3[1].toStdString();
    // Ctrl+Up back to the top
    EXPECT_TRUE(m.BEGrid_KeyDown(38, 2));
    EXPECT_EQ(m.list().IdxTop, 0);
    EXPECT_EQ(m.list().BEGrid.row, 1);
}

TEST_F(PagedListTest, FilterFindsTheFirstMatchingEntry)
{
    BtEditModel m;
    loaded(m);
    fill(m, 40000, 25, [](std::vector<std::pair<QString, QString>>& entries) {
        entries[39].first = QStringLiteral("BC807").leftJustified(18);
        entries[40].first = QStringLiteral("BC817").leftJustified(18);
    });
    m.VS_Change(100);
    m.BEGrid_RowColChange(7);
    m.EdFilter_Change(QStringLiteral(" bc8"));
    EXPECT_TRUE(m.commands()[11].enabled);
    m.MenuBT(QStringLiteral("filt"));
    EXPECT_EQ(m.list().IdxTop, 39);
    EXPECT_EQ(m.list().BEGrid.row, 1);
    EXPECT_TRUE(m.list().BEGrid.rows[1].startsWith(QStringLiteral("BC807")));
    EXPECT_TRUE(m.list().Label3[1].endsWith(QStringLiteral("/ 40"))) << m.list().Label3[1].toStdString();
    // nothing matching: 235, nothing moves; paging goes on normally
    m.EdFilter_Change(QStringLiteral("ZZ"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("235"), ok());
    m.MenuBT(QStringLiteral("filt"));
    EXPECT_EQ(m.list().IdxTop, 39);
    EXPECT_EQ(m.list().IdxBusy, 0);
    EXPECT_TRUE(m.BEGrid_KeyDown(34, 0));
    EXPECT_EQ(m.list().IdxTop, 64);
}

TEST_F(PagedListTest, PagingKeys)
{
    BtEditModel m;
    loaded(m);
    fill(m, 100, 20);
    m.VS_Change(75);
    EXPECT_TRUE(m.BEGrid_KeyDown(34, 0));
    EXPECT_EQ(m.list().IdxTop, 80);
    EXPECT_TRUE(m.BEGrid_KeyDown(34, 1)); // Shift+PgDn pages like PgDn: nothing more here
    EXPECT_EQ(m.list().IdxTop, 80);
    EXPECT_TRUE(m.BEGrid_KeyDown(33, 0));
    EXPECT_EQ(m.list().IdxTop, 60);
    m.VS_Change(5);
    EXPECT_TRUE(m.BEGrid_KeyDown(33, 0));
    EXPECT_EQ(m.list().IdxTop, 0);
    // one entry on at the bottom edge
    m.BEGrid_RowColChange(20);
    EXPECT_TRUE(m.BEGrid_KeyDown(40, 0));
    EXPECT_EQ(m.list().IdxTop, 1);
    EXPECT_EQ(m.list().BEGrid.rows[20], entry(21) + QStringLiteral("\t14003"));
    EXPECT_EQ(m.list().BEGrid.rows[1], entry(2) + QStringLiteral("\t14003"));

    // a short list: nothing pages, Ctrl+Down goes to the last entry
    fill(m, 10, 20);
    EXPECT_EQ(m.list().VS.maximum, m.list().VS.minimum);
    EXPECT_EQ(m.list().BEGrid.rows[11], QString());
    EXPECT_TRUE(m.BEGrid_KeyDown(34, 0));
    EXPECT_EQ(m.list().IdxTop, 0);
    EXPECT_TRUE(m.BEGrid_KeyDown(40, 2));
    EXPECT_EQ(m.list().BEGrid.row, 10);

    // Up at the top edge with a scale of 2 never goes below the first entry
    fill(m, 40000, 25);
    m.BEGrid_RowColChange(25);
    EXPECT_TRUE(m.BEGrid_KeyDown(40, 0));
    ASSERT_EQ(m.list().IdxTop, 1);
    m.BEGrid_RowColChange(1);
    EXPECT_TRUE(m.BEGrid_KeyDown(38, 0));
    EXPECT_EQ(m.list().IdxTop, 0);
    EXPECT_EQ(m.list().BEGrid.rows[1], entry(1) + QStringLiteral("\t14003"));
}

TEST(PagedListArithmetic, ScaleAndBar)
{
    EXPECT_EQ(pagedScale(40000, 25, 1), 2);
    EXPECT_EQ(pagedScale(32792, 25, 1), 1);  // d = 32,767
    EXPECT_EQ(pagedScale(32793, 25, 1), 2);  // d = 32,768
    EXPECT_EQ(pagedScale(200000, 20, 1), 8); // 199,980 -> 99,990 -> 49,995 -> 24,997
    EXPECT_EQ(pagedBarMaximum(40000, 25, 2, 0), 19988);
    EXPECT_EQ(pagedBarMaximum(100, 20, 1, 0), 80);
    EXPECT_EQ(pagedBarMaximum(10, 20, 1, 0), 0);
}

// ---------------------------------------------------------------- list output

TEST(ListPrintLayout, ColumnsAndCount)
{
    const IndexPrintLayout three = indexPrintLayout(3, 110, 60);
    EXPECT_EQ(three.cols, 4);
    EXPECT_EQ(three.gap, 5);
    ASSERT_EQ(three.places.size(), 3u);
    EXPECT_EQ(three.places[2].line, 2);
    EXPECT_EQ(three.places[2].column, 0);
    EXPECT_EQ(three.countPage, 0);
    EXPECT_EQ(three.countLine, 59);
    EXPECT_EQ(three.countColumn, 87);
    const IndexPrintLayout full = indexPrintLayout(240, 110, 60);
    EXPECT_EQ(full.places[60].column, 29);
    EXPECT_EQ(full.places[120].column, 58);
    EXPECT_EQ(full.places[239].column, 87);
    EXPECT_EQ(full.places[239].line, 59);
    EXPECT_EQ(full.countPage, -1); // a full last page prints no count
    const IndexPrintLayout more = indexPrintLayout(241, 110, 60);
    EXPECT_EQ(more.places[240].page, 1);
    EXPECT_EQ(more.places[240].line, 0);
    // a narrow page prints one column
    const IndexPrintLayout narrow = indexPrintLayout(5, 40, 60);
    EXPECT_EQ(narrow.cols, 1);
    EXPECT_EQ(narrow.gap, 0);
}

TEST_F(BtEditTest, ListFileLinesAndSelection)
{
    BtEditModel m;
    loaded(m);
    m.setIndexListForTest({{QStringLiteral("BC847").leftJustified(18), QStringLiteral("14003")}}, 0,
                          QStringLiteral("Typ"), 1, 20);
    m.setSelectionForTest(QStringLiteral("BC8"), QStringLiteral("14"));
    const QStringList lines = m.listFileLines(1);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Interne BE-Datei     Typ \"BC8...\"   Gr 14"));
    EXPECT_EQ(lines[1], QStringLiteral("BC847") + QString(15, u' ') + QStringLiteral("T  14003"));
    EXPECT_EQ(lines[1].size(), 28);
    m.setSelectionForTest(QStringLiteral("*"), QString());
    EXPECT_EQ(m.selectionLine(1), QStringLiteral("Typ   Alle BE"));
    m.setSelectionForTest(QString(), QString());
    EXPECT_EQ(m.selectionLine(2), QStringLiteral("   Alle BE"));
    m.setSelectionForTest(QStringLiteral("Block: 14003"), QString());
    EXPECT_EQ(m.selectionLine(2), QStringLiteral("Block: 14003"));
}

TEST_F(BtEditTest, ListOpenWritesTheListFileWhole)
{
    BtEditModel m;
    loaded(m);
    RecordingLauncher rec;
    setLauncher(&rec);
    sp.program().WorkStr[Slot::ProgramDir] = tmp.path();
    m.setDataListForTest({QStringLiteral("Typ=A,Q,Bac=141,") + PiChar + QStringLiteral("qem=2")}, 2);
    m.up1cmd_Click(QStringLiteral("lst.open"));
    ASSERT_EQ(rec.opened.size(), 1);
    const QFileInfo file(rec.opened[0]);
    EXPECT_EQ(file.fileName(), QStringLiteral("BEList.txt"));
    EXPECT_EQ(file.dir().dirName().toLower(), QStringLiteral("tp2"));
    EXPECT_EQ(file.dir().absolutePath(), QDir(tmp.filePath(QStringLiteral("tp2"))).absolutePath());
    const QByteArray bytes = testutil::readFile(file.filePath());
    EXPECT_EQ(bytes, QByteArray("Externe BE-Datei        Alle BE\r\nTyp=A,Q,Bac=141,\xe3qem=2\r\n"));
    EXPECT_TRUE(rec.commands.isEmpty());
    EXPECT_EQ(m.list().Info, QString());

    // a folder that cannot take the file: a message, no file, nothing opened
    QDir().mkpath(tmp.filePath(QStringLiteral("bad")));
    testutil::writeFile(tmp.filePath(QStringLiteral("bad/Tp2")), "a file, not a folder");
    sp.program().WorkStr[Slot::ProgramDir] = tmp.filePath(QStringLiteral("bad"));
    sp.ui().expect(QuestionKind::Message, QStringLiteral("lstwrite"), ok());
    m.up1cmd_Click(QStringLiteral("lst.open"));
    EXPECT_EQ(rec.opened.size(), 1);
    EXPECT_TRUE(sp.ui().allUsed());
    setLauncher(nullptr);
}

TEST_F(BtEditTest, ListFileGoesWhereTheUserSaysAndIsNotOpened)
{
    BtEditModel m;
    loaded(m);
    RecordingLauncher rec;
    setLauncher(&rec);
    sp.program().WorkStr[Slot::ProgramDir] = tmp.path();
    m.setDataListForTest({QStringLiteral("Typ=A,Q,Bac=141")}, 2);
    const QString chosen = tmp.filePath(QStringLiteral("out/list.txt"));
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("lst.file"), Answer::word(chosen));
    m.up1cmd_Click(QStringLiteral("lst.file"));
    EXPECT_EQ(testutil::readFile(chosen), QByteArray("Externe BE-Datei        Alle BE\r\nTyp=A,Q,Bac=141\r\n"));
    EXPECT_TRUE(rec.opened.isEmpty());

    // a cancelled choice writes nothing
    QFile::remove(chosen);
    sp.ui().expect(QuestionKind::SaveFile, QStringLiteral("lst.file"), Answer::cancel());
    m.up1cmd_Click(QStringLiteral("lst.file"));
    EXPECT_FALSE(QFileInfo::exists(chosen));
    EXPECT_TRUE(sp.ui().allUsed());
    setLauncher(nullptr);
}

TEST_F(BtEditTest, LongRecordPrintsAllItsLines)
{
    QString record = QStringLiteral("Typ=LONG,Q,Bac=141");
    for (int i = 0; i < 60; ++i)
        record += QStringLiteral(",K%1=value%1").arg(i);
    const QStringList lines = BtEditModel::recordPrintLines(record, 0, 30);
    EXPECT_GT(lines.size(), 20);
    QString joined;
    for (const QString& l : lines)
        joined += l.trimmed();
    EXPECT_TRUE(joined.endsWith(QStringLiteral("K59=value59"))) << joined.toStdString();
    for (const QString& l : lines)
        EXPECT_LE(l.size(), 30) << l.toStdString();
}

} // namespace
