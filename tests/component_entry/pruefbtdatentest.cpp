#include "component_entry/pruefbtdaten.h"
#include "frame/workslots.h"
#include "listingtestutil.h"

namespace {

class CheckListing : public etest::ListingTest {
protected:
    void SetUp() override
    {
        ListingTest::SetUp();
        prog().SystDb.reset();
        auto db = Database::open(QStringLiteral("SYST_DB.sqlite"), false);
        db->executeScript(QStringLiteral(
            "INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5310112', 'Relais', 'Relay'),"
            " ('3221000', 'Optokoppler', 'Optocoupler'), ('2110100', 'Kleinsignaltransistor', 'Transistor');\n"
            "INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2)"
            " VALUES ('SPEZ', 'EXTRA', 'Sonder', 3, 0, 0, 0, '', '1', 'Sondergehäuse', 'special');"));
        db.reset();
        prog().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
    }
    void component(const QString& q, const QString& identity = QStringLiteral("Typ=X1"))
    {
        Program& p = prog();
        p.WorkStr[Slot::Ident] = identity;
        p.WorkStr[Slot::Q] = q;
        p.WorkStr[Slot::Z].clear();
        p.WorkStr[Slot::B].clear();
    }
};

TEST_F(CheckListing, RelayProtectionContactTypeAndConstructionFollowTheTechnology)
{
    component(QStringLiteral("Bac=5310,Tec=112"));
    PruefBtDaten();
    const QStringList s = screenLines();
    EXPECT_TRUE(s.contains(u'*' + msg(412) + msg(414))) << s.join(u'\n').toStdString();
    EXPECT_TRUE(s.contains(u'*' + msg(324, {msg(326)})));
    EXPECT_TRUE(s.contains(u'*' + msg(334, {msg(337)})));
    EXPECT_EQ(s.value(0), u'I' + msg(300));
    EXPECT_EQ(s.value(1), QStringLiteral("*")) << "an empty line below the title on the screen";
    EXPECT_TRUE(s.contains(QStringLiteral("*Code       : Bac = 5310  Tec = 112")));
}

TEST_F(CheckListing, OptocouplerMultipleFactorNamesTheLedElements)
{
    component(QStringLiteral("Bac=3221,Tec=000,Vf=4"));
    PruefBtDaten();
    EXPECT_TRUE(screenLines().contains(u'*' + msg(310, {QStringLiteral("4")}) + msg(311)));
    component(QStringLiteral("Bac=3225,Tec=000,Vf=4"));
    ErgLf(-1, -1);
    PruefBtDaten();
    EXPECT_TRUE(screenLines().contains(u'*' + msg(310, {QStringLiteral("4")})));
}

TEST_F(CheckListing, LongNameTakesTwoScreenLinesAndIsFramedByRulesOnPaper)
{
    // A name of 100 characters: words of 9 letters and a blank.
    QString name;
    for (int i = 0; i < 10; ++i)
        name += QStringLiteral("Abcdefgh") + QChar(u'0' + i) + u' ';
    name.chop(1);
    name += u'Z';
    ASSERT_EQ(name.size(), 100);
    prog().SystDb.reset();
    Database::open(QStringLiteral("SYST_DB.sqlite"), false)
        ->execute(QStringLiteral("UPDATE SINNAME SET N1 = ? WHERE BacTec = '2110100'"), {name});
    prog().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
    component(QStringLiteral("Bac=2110,Tec=1000"));
    PruefBtDaten();
    // Character 79 is no blank: the line is broken at the last blank before it.
    const QString first = name.left(69);
    const QString second = name.mid(70);
    const QString rule(first.size(), QChar(196));
    const QStringList t = printLines();
    ASSERT_GE(t.size(), 4);
    EXPECT_EQ(t.mid(0, 4), (QStringList{u'F' + rule, u'F' + first, u'F' + second, u'F' + rule}));
    const QStringList s = screenLines();
    EXPECT_EQ(s.mid(2, 2), (QStringList{u'F' + first, u'F' + second}));
    EXPECT_FALSE(s.contains(u'F' + rule));
}

TEST_F(CheckListing, HeadingNamesTheBlockAddressOfAStoredComponent)
{
    component(QStringLiteral("Bac=6910,Tec=0000"));
    prog().WorkStr[Slot::SyPar] = QStringLiteral("Badr=21007");
    PruefBtDaten();
    EXPECT_TRUE(printLines().contains(u'U' + msg(302, {QStringLiteral("21007")})));
    prog().WorkStr[Slot::SyPar].clear();
    ErgLf(-1, -1);
    PruefBtDaten();
    EXPECT_TRUE(printLines().contains(u'U' + msg(301)));
}

TEST_F(CheckListing, IdentityWithOnlyAUserNumberHasNoComma)
{
    component(QStringLiteral("Bac=6910,Tec=0000"), QStringLiteral("An=U-4711"));
    PruefBtDaten();
    EXPECT_TRUE(screenLines().contains(u'*' + msg(445) + QStringLiteral(" U-4711")));
    component(QStringLiteral("Bac=6910,Tec=0000"), QStringLiteral("Typ=BC847,An=U-4711"));
    ErgLf(-1, -1);
    PruefBtDaten();
    EXPECT_TRUE(screenLines().contains(u'*' + msg(445) + QStringLiteral(" BC847, U-4711")));
}

struct HousingCase {
    const char* gec;
    const char* tec;
    const char* description; // German texts of the fixture and of messages 402 to 404, 440
};

class Housing : public CheckListing, public ::testing::WithParamInterface<HousingCase> {};

TEST_P(Housing, DescriptionAndHermeticity)
{
    EXPECT_EQ(GehText(QString::fromLatin1(GetParam().gec), QString::fromLatin1(GetParam().tec)),
              QString::fromUtf8(GetParam().description));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Housing,
    ::testing::Values(
        // In the table: text, comment, and the table's Her (2) whatever the technology says.
        HousingCase{"TO92", "1001", "Transistor Outline, Kunststoff, nicht hermetisch"},
        // Missing, but its letters name a kind: the kind's text without comment and the
        // hermeticity of the technology's last digit.
        HousingCase{"TO99", "1001", "Transistor Outline, hermetisch"},
        HousingCase{"TO99", "1002", "Transistor Outline, nicht hermetisch"},
        // Missing without trailing digits, or digits only: not found.
        HousingCase{"XYZ", "1002", "in der Datenbank nicht vorhanden, nicht hermetisch"},
        HousingCase{"123", "1000", "in der Datenbank nicht vorhanden"},
        // A quote in the code is data, not statement text.
        HousingCase{"TO'92", "1000", "in der Datenbank nicht vorhanden"},
        HousingCase{"", "1001", "nicht angegeben, hermetisch"},
        // A special housing has no text of its own; its comment stands alone.
        HousingCase{"SPEZ", "1000", "Sondergehäuse, hermetisch"},
        // A bare chip gets its text only while there is no description.
        HousingCase{"CHIP", "1003", "Chip"}));

TEST_F(CheckListing, HousingLineOfADiodeIsInTheListing)
{
    component(QStringLiteral("Bac=2110,Tec=1002,Gec=to99"));
    PruefBtDaten();
    EXPECT_TRUE(screenLines().contains(u'*' + msg(306, {QStringLiteral("Transistor Outline, nicht hermetisch")})))
        << screenLines().join(u'\n').toStdString();
}

} // namespace

namespace {
// Every housing of the installation's database names its hermeticity once in
// the data check listing, in both languages: the listing adds it from the
// housing's Her, so the housing's own description must not name it too.
TEST(ShippedHousings, HermeticityIsNamedOnce)
{
    testutil::ScriptedProgram sp;
    Program& p = sp.program();
    p.SystDb = Database::open(testutil::distDir() + QStringLiteral("/System/SYST_DB.sqlite"), true);
    const Snapshot housings = p.SystDb->snapshot(QStringLiteral("SELECT DISTINCT [Gec] FROM [GECRTH] WHERE [Gec] <> [Art]"));
    ASSERT_GT(housings.recordCount(), 10);
    int checked = 0;
    for (const QVariantList& row : housings.rows()) {
        const QString gec = row.value(0).toString();
        for (const int lang : {1, 2}) {
            p.LangNr = lang;
            const QString text = GehText(gec, QStringLiteral("1000"));
            const QString word = lang == 1 ? QStringLiteral("hermetisch") : QStringLiteral("hermetic");
            EXPECT_LE(text.count(word, Qt::CaseInsensitive), 1) << gec.toStdString() << ": " << text.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
    p.SystDb.reset();
}
} // namespace
