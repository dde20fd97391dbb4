#include "qldbtest.h"
#include "frame/workslots.h"
#include "frame/restext.h"

namespace {

class Head : public QlRootFixture {
protected:
    QString file(const QStringList& lines, const QString& ln = QStringLiteral("01234"))
    {
        addFile(ln, lines);
        return QslPfad(QStringLiteral("A"), ln);
    }
    std::array<QString, 10>& rec = prog().QslRec;
};

TEST_F(Head, RecordFromHead)
{
    const QString path = file({"Typ=ABC,Tec=SMD,Code=17,Anlage=K5", "Be=Supply"});
    EXPECT_TRUE(path.endsWith(QStringLiteral("A0\\12\\34")));
    QString errors = QStringLiteral("stale");
    EXPECT_TRUE(KopfToRec(path, &errors));
    EXPECT_EQ(QStringList(rec.begin() + 1, rec.end()),
              (QStringList{"01234", "ABC", "", "", "", "SMD", "17", "K5", "Supply"}));
    EXPECT_EQ(errors, QString());
    EXPECT_EQ(prog().WorkStr[Slot::Line], QStringLiteral("Be=Supply"));
    EXPECT_EQ(prog().WorkStr[Slot::B], QStringLiteral("Supply"));
}

struct StandRow {
    const char* name;
    QString yk;
    QString stand;
};
void PrintTo(const StandRow& r, std::ostream* os) { *os << r.name; }
class HeadStand : public Head, public ::testing::WithParamInterface<StandRow> {};
TEST_P(HeadStand, ItemNumberAndStand)
{
    EXPECT_TRUE(KopfToRec(file({QStringLiteral("Yk=") + GetParam().yk, "Be=x"})));
    EXPECT_EQ(rec[3], QStringLiteral("A12345-B1234-C123"));
    EXPECT_EQ(rec[4], GetParam().stand);
}
INSTANTIATE_TEST_SUITE_P(Cases, HeadStand,
                         ::testing::Values(StandRow{"starStand", "A12345-B1234-C123-*", ""},
                                           StandRow{"letterStand", "a12345-b1234-c123-A1", "A1"},
                                           StandRow{"noStand", "A12345-B1234-C123", "  "}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(Head, OverlongDesignationsListedOnePerLine)
{
    const QString type21(21, u'T'), user21(21, u'U');
    QString errors;
    EXPECT_TRUE(KopfToRec(file({QStringLiteral("Typ=") + type21 + QStringLiteral(",An=") + user21, "Be=x"}), &errors));
    const QStringList lines = errors.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], ResText(QStringLiteral("504"), prog().LangNr, true, {type21}) + QStringLiteral("  in Qsl-Nr.: 01234"));
    EXPECT_EQ(lines[1], ResText(QStringLiteral("504"), prog().LangNr, true, {user21}) + QStringLiteral("  in Qsl-Nr.: 01234"));
    EXPECT_EQ(rec[2], type21); // not cut here: the record writer cuts
}

TEST_F(Head, MalformedItemNumberReported)
{
    QString errors;
    prog().LangNr = 1;
    EXPECT_TRUE(KopfToRec(file({"Yk=A1234567-B1", "Be=x"}), &errors));
    EXPECT_FALSE(errors.contains(QStringLiteral("\r\n")));
    // The item-number text keeps its umlaut through the message.
    EXPECT_TRUE(errors.contains(QStringLiteral("darf nicht l\u00e4nger als"))) << errors.toStdString();
}

TEST_F(Head, QuoteRefusedButRecordFilled)
{
    program.ui().expect(QuestionKind::Message, QStringLiteral("113"), Answer::button(Mb::OK));
    EXPECT_FALSE(KopfToRec(file({"Typ=ABC", "Be=Bob's board"})));
    EXPECT_EQ(rec[2], QStringLiteral("ABC"));
    EXPECT_EQ(rec[9], QStringLiteral("Bob's board"));
    EXPECT_TRUE(program.ui().allUsed());
}

TEST_F(Head, MissingFileThrows)
{
    EXPECT_THROW(KopfToRec(QslPfad(QStringLiteral("A"), QStringLiteral("00077"))), TarnError);
}

struct SplitRow {
    const char* name;
    QString line1, identity, rest;
};
void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }
class HeadSplit : public Head, public ::testing::WithParamInterface<SplitRow> {};
TEST_P(HeadSplit, IdentityAndRest)
{
    QString identity, rest;
    KopfTrenn(file({GetParam().line1, "Be=Supply"}), identity, rest);
    EXPECT_EQ(identity, GetParam().identity);
    EXPECT_EQ(rest, GetParam().rest);
    EXPECT_EQ(prog().WorkStr[Slot::Line], QStringLiteral("Be=Supply"));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HeadSplit,
    ::testing::Values(SplitRow{"reordered", "Tec=SMD,An=X,Typ=ABC", "Typ=ABC,An=X", "Tec=SMD,Be=Supply"},
                      SplitRow{"identityOnly", "Typ=ABC", "Typ=ABC", "Be=Supply"},
                      SplitRow{"allThree", "An=U,Yk=A1-B1-C1-A1,Typ=T,Code=5", "Typ=T,Yk=A1-B1-C1-A1,An=U", "Code=5,Be=Supply"},
                      SplitRow{"noIdentity", "Tec=SMD", "", "Tec=SMD,Be=Supply"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
