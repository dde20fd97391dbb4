#include "qldbtest.h"
#include "qlist/fehlqsbt.h"
#include "qlist/neuposeingabe.h"
#include "dialogue/dia.h"
#include "dialogue/screen.h"

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;
const QString NeuPos = QStringLiteral("qsl\\kopfpos#neupos");
const QString NeuBe = QStringLiteral("qsl\\kopfpos#neube");

// The open editor's grid as the entry sees it: appended rows only.
struct Grid : QslEditGrid {
    QStringList rows{QStringLiteral("Typ=X"), QStringLiteral("Be=")};
    int rowCount() const override { return int(rows.size()); }
    int currentRow() const override { return 1; }
    void setCurrentRow(int) override {}
    QString currentText() const override { return {}; }
    void setTag(const QString&) override {}
    void appendRow(const QString& text) override { rows << text; }
};

// The screen filled in: field 1 the entry, 2 Sl, 3 the comment.
Answer typed(const QString& entry, const QString& sl = {}, const QString& comment = {})
{
    Answer a;
    a.values = QStringList{QString(), entry, sl, comment};
    a.code = 13;
    return a;
}

class NeuPosTest : public QlRootFixture {
protected:
    NeuPosTest()
    {
        prog().LangNr = 2;
        prog().LangDir = QStringLiteral("dd\\");
        QDir::setCurrent(testutil::distDir());
        prog().QslEdit = &grid;
    }
    ~NeuPosTest() override { prog().QslEdit = nullptr; }
    QStringList added() const { return grid.rows.mid(2); }
    ScriptedInteraction& ui = program.ui();
    Grid grid;
};

struct LineCase {
    const char* name;
    const char* entry;
    const char* sl;
    const char* comment;
    const char* line;
};
void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class NeuPosLines : public NeuPosTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(NeuPosLines, EntryBecomesOneLine)
{
    const LineCase& c = GetParam();
    ui.expect(QuestionKind::Screen, NeuPos,
              typed(QString::fromUtf8(c.entry), QString::fromUtf8(c.sl), QString::fromUtf8(c.comment)));
    ui.expect(QuestionKind::Screen, NeuPos, Answer::cancel());
    EXPECT_TRUE(NeuPosEingabe());
    EXPECT_EQ(added(), QStringList{QString::fromUtf8(c.line)});
    EXPECT_TRUE(ui.allUsed());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NeuPosLines,
    ::testing::Values(LineCase{"TypeWithSl", "2,BC847,T", "R1", "", "Stck=2,Typ=BC847,Sl=R1"},
                      LineCase{"SubListWithComment", "1,NETZTEIL,T,Q", "", "spare", "Stck=1,Typ=NETZTEIL,Qm=Qsl! spare"},
                      LineCase{"ItemNumberInUpperCase", "3,abc,s", "", "", "Stck=3,Yk=ABC"},
                      LineCase{"LockedPosition", "-1,ABC,T", "", "", "Stck=-1,Typ=ABC"},
                      LineCase{"QuantityKeptAsTyped", "2.5,ABC,T", "", "", "Stck=2.5,Typ=ABC"},
                      LineCase{"UserNumberFlagInLowerCase", "1,x,a,q", "", "", "Stck=1,An=X,Qm=Qsl"}),
    [](const auto& i) { return std::string(i.param.name); });

struct RefusalCase {
    const char* name;
    const char* entry;
    const char* sl;
    const char* message; // empty: the screen comes again without one
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class NeuPosRefusals : public NeuPosTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(NeuPosRefusals, FaultyEntryShowsTheScreenAgainAndAddsNothing)
{
    const RefusalCase& c = GetParam();
    ui.expect(QuestionKind::Screen, NeuPos, typed(QString::fromUtf8(c.entry), QString::fromUtf8(c.sl)));
    if (*c.message)
        ui.expect(Msg, QString::fromLatin1(c.message), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Screen, NeuPos, Answer::cancel());
    EXPECT_FALSE(NeuPosEingabe());
    EXPECT_TRUE(added().isEmpty());
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NeuPosRefusals,
    ::testing::Values(RefusalCase{"NoSecondComma", "2,ABC", "", "200"}, RefusalCase{"NoQuantity", ",ABC,T", "", "201"},
                      RefusalCase{"ZeroQuantity", "0,ABC,T", "", "201"},
                      RefusalCase{"QuantityNoNumber", "X,ABC,T", "", "201"},
                      RefusalCase{"UnknownKind", "2,ABC,X", "", "202"},
                      RefusalCase{"NoKind", "2,ABC,", "", "202"},
                      RefusalCase{"EmptyDesignation", "2,,T", "", "10"},
                      RefusalCase{"SlWithComma", "2,ABC,T", "R1,R2", ""},
                      RefusalCase{"SlWithEquals", "2,ABC,T", "R1=R2", ""},
                      RefusalCase{"SlWithComment", "2,ABC,T", "R1!x", ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(NeuPosTest, CancelAfterTwoEntriesKeepsBothAndReportsThem)
{
    ui.expect(QuestionKind::Screen, NeuPos, typed(QStringLiteral("1,A,T")));
    // The screen comes again with the texts of the entry before it.
    ui.expect(QuestionKind::Screen, NeuPos, [](const Question& q) {
        (void)q;
        return typed(QStringLiteral("2,B,S"));
    });
    ui.expect(QuestionKind::Screen, NeuPos, Answer::cancel());
    EXPECT_TRUE(NeuPosEingabe());
    EXPECT_EQ(added(), (QStringList{QStringLiteral("Stck=1,Typ=A"), QStringLiteral("Stck=2,Yk=B")}));
}

TEST_F(NeuPosTest, CancelAtOnceReturnsFalse)
{
    ui.expect(QuestionKind::Screen, NeuPos, Answer::cancel());
    EXPECT_FALSE(NeuPosEingabe());
    ui.expect(QuestionKind::Screen, NeuBe, Answer::cancel());
    EXPECT_FALSE(NeuPosEingabe(QStringLiteral("Typ=BC847")));
    EXPECT_TRUE(added().isEmpty());
}

TEST_F(NeuPosTest, ComponentFormTakesTheWholeQuantity)
{
    ui.expect(QuestionKind::Screen, NeuBe, typed(QString()));      // empty: asked again, no message
    ui.expect(QuestionKind::Screen, NeuBe, typed(QStringLiteral("0")));
    ui.expect(Msg, QStringLiteral("201"), Answer::button(Mb::OK));
    ui.expect(QuestionKind::Screen, NeuBe, typed(QStringLiteral("2.5"), QStringLiteral("R7"), QStringLiteral("spare")));
    EXPECT_TRUE(NeuPosEingabe(QStringLiteral("Typ=BC847")));
    EXPECT_EQ(added(), QStringList{QStringLiteral("Stck=2,Typ=BC847,Sl=R7! spare")});
    EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString();
}

TEST_F(NeuPosTest, NothingIsAskedWithoutAnOpenEditor)
{
    prog().QslEdit = nullptr;
    EXPECT_FALSE(NeuPosEingabe());
    EXPECT_FALSE(NeuPosEingabe(QStringLiteral("Typ=A")));
}

} // namespace

namespace {
// Everything the screen draws, as one text.
QString screenTextOf(const Question& q)
{
    QStringList out;
    if (const DiaScreen* s = screenOf(q))
        for (const DrawnText& t : s->texts)
            out << t.text;
    return out.join(u' ');
}

// The screen comes back with the last entry still in its fields, so Enter alone
// adds that position once more: the screen says how many positions were added
// and which one last, so that a repeated Enter is seen, not found later.
TEST_F(NeuPosTest, ScreenSaysWhatWasAdded)
{
    QStringList shown;
    auto record = [&](const Answer& a) {
        return [&shown, a](const Question& q) {
            shown << screenTextOf(q);
            return a;
        };
    };
    ui.expect(QuestionKind::Screen, NeuPos, record(typed(QStringLiteral("2,BC847,T"), QStringLiteral("R1"))));
    ui.expect(QuestionKind::Screen, NeuPos, record(typed(QStringLiteral("2,BC847,T"), QStringLiteral("R1"))));
    ui.expect(QuestionKind::Screen, NeuPos, record(Answer::cancel()));
    EXPECT_TRUE(NeuPosEingabe());
    ASSERT_EQ(shown.size(), 3);
    EXPECT_FALSE(shown[0].contains(QStringLiteral("added"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].contains(QStringLiteral("1 position(s) added, the last:  Stck=2,Typ=BC847,Sl=R1")))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[2].contains(QStringLiteral("2 position(s) added, the last:  Stck=2,Typ=BC847,Sl=R1")))
        << shown[2].toStdString();
    EXPECT_EQ(added().size(), 2);
}
} // namespace
