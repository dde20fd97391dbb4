#include "component_entry/eingabebauteil.h"
#include "frame/workslots.h"
#include "entrytestutil.h"

namespace {

const QString kHg = QStringLiteral("btx\\bac#hg");

class ComponentEntry : public etest::EntryTest {
protected:
    QString run()
    {
        QString Ret;
        EingabeBauteil(Ret);
        return Ret;
    }
    // The filled rows of side panel 1.
    static QStringList panel()
    {
        QStringList rows = frmBEProgEin::state().QbSdTxt[1];
        rows.removeAll(QString());
        return rows;
    }
    bool wasAsked(const QString& key)
    {
        for (const Question& q : ui().asked)
            if (q.key == key)
                return true;
        return false;
    }
};

// ---- class menu, technology, reference check

TEST_F(ComponentEntry, CancelInTheClassMenu)
{
    list() = QStringLiteral("Bac=9999");
    cancelMenu(kHg);
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(list().isEmpty());
}

TEST_F(ComponentEntry, ShortClassCodeIsFilledAndUnknownClassGoesBackToTheClassMenu)
{
    menu(kHg, QStringLiteral("21"));
    ui().expect(QuestionKind::Message, QStringLiteral("96"), [this](const Question& q) {
        EXPECT_EQ(list(), QStringLiteral("Bac=2100,Tec=0000"));
        EXPECT_TRUE(q.text.contains(QStringLiteral("Bac = 2100")));
        EXPECT_TRUE(q.text.contains(QStringLiteral("Tec = 0000")));
        return Answer::button(Mb::OK);
    });
    // "0000" has no value: the back rule takes the class menu, with an empty list.
    menu(kHg, [this](const Question&) {
        EXPECT_TRUE(list().isEmpty());
        EXPECT_TRUE(panel().isEmpty());
        return Answer::cancel();
    });
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, FiveDigitClassIsCutToFour)
{
    menu(kHg, QStringLiteral("12345"));
    cancelMenu(QStringLiteral("btx\\tec#s1"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=1234"));
}

TEST_F(ComponentEntry, BackFromTheTechnologyEmptiesTheData)
{
    menu(kHg, QStringLiteral("2110"));
    backMenu(QStringLiteral("btx\\tec#211"));
    menu(kHg, [this](const Question&) {
        EXPECT_TRUE(list().isEmpty());
        return Answer::cancel();
    });
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, RefusedTechnologyIsAskedAgainAndItsCodeDropped)
{
    menu(kHg, QStringLiteral("2110"));
    menu(QStringLiteral("btx\\tec#211"), QStringLiteral("3")); // no row 2110 3000
    message(QStringLiteral("96"));
    // "3000" has a value: back to the technology.
    menu(QStringLiteral("btx\\tec#211"), [](const Question&) {
        EXPECT_TRUE(prog().WorkStr[Slot::F].contains(QStringLiteral("Err=BacFit")));
        return Answer::word(QStringLiteral("1"));
    });
    ui().expect(QuestionKind::Menu, QStringLiteral("GECRTH#Art"), Answer::cancel());
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=2110,Tec=1000"));
    // The models must not skip the component for the first, refused attempt.
    EXPECT_FALSE(prog().WorkStr[Slot::F].contains(QStringLiteral("BacFit")));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, ClassesOf69AskNoRate)
{
    menu(kHg, QStringLiteral("6910"));
    const QString Ret = run();
    EXPECT_NE(Ret, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=6910,Tec=0000"));
    EXPECT_EQ(ui().asked.size(), 1);
}

// ---- individual failure rate: field data without a data code, else individual

struct RateCase {
    const char* technology; // code of menu "711"
    const char* chapter;
    const char* key;
};

class IndividualRate : public ComponentEntry, public ::testing::WithParamInterface<RateCase> {};

TEST_P(IndividualRate, ScreenChosenByTheDataCode)
{
    menu(kHg, QStringLiteral("7110"));
    menu(QStringLiteral("btx\\tec#711"), QString::fromLatin1(GetParam().technology));
    screen(QStringLiteral("btx\\vftbzf#") + QString::fromLatin1(GetParam().chapter), {QStringLiteral("33 ")});
    edit(QStringLiteral("Pin"), QString()); // class 71 asks the pins; none given
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=7110,Tec=") + QString::fromLatin1(GetParam().technology) +
                          QStringLiteral("000,") + QString::fromLatin1(GetParam().key) + QStringLiteral("=33"));
    EXPECT_TRUE(ui().allUsed());
}

// Row 7110 1000 has Dcode "0", row 7110 2000 Dcode "5"; both without rates.
INSTANTIATE_TEST_SUITE_P(Cases, IndividualRate,
                         ::testing::Values(RateCase{"1", "are", "Are"}, RateCase{"2", "ari", "Ari"}));

// ---- microcircuits

TEST_F(ComponentEntry, ComplexityBeyondTheTableWarnsAndAsksTheIndividualRate)
{
    menu(kHg, QStringLiteral("1310"));
    menu(QStringLiteral("btx\\tec#s1"), QStringLiteral("4"));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("5")); // 100K/1Mg, the table ends at 10 000 gates
    ui().expect(QuestionKind::Message, QStringLiteral("97"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("K1 = 10000g,"))) << q.text.toStdString();
        EXPECT_TRUE(q.text.contains(QStringLiteral("K1 = 100K/1Mg !"))) << q.text.toStdString();
        return Answer::button(Mb::OK);
    });
    screen(QStringLiteral("btx\\vftbzf#ari"), {QStringLiteral("250")});
    // 100K gates: the chip area is asked.
    screen(QStringLiteral("btx\\kom#asac"), {QStringLiteral(" 12"), QStringLiteral("3")});
    menu(QStringLiteral("GECRTH#Art"), [](const Question&) {
        const QStringList rows = panel();
        EXPECT_TRUE(rows.contains(QStringLiteral("K1=100K/1Mg")));
        EXPECT_TRUE(rows.contains(QStringLiteral("Ari=250")));
        EXPECT_TRUE(rows.contains(QStringLiteral("Sac=3")));
        return Answer::word(QStringLiteral("TO"));
    });
    menu(QStringLiteral("GECRTH#Gec"), QStringLiteral("TO92"));
    menu(QStringLiteral("GECRTH#Pin"), QStringLiteral("3"));
    screen(QStringLiteral("btx\\tsabrth#rth"), {QStringLiteral("95")});
    menu(QStringLiteral("btx\\div#tumax"), QStringLiteral("?"));
    screen(QStringLiteral("btx\\hl#tumaxe"), {QStringLiteral("70")});
    menu(QStringLiteral("btx\\div#ndat"), QStringLiteral("2"));
    screen(QStringLiteral("btx\\div#nmax"), {QStringLiteral("10")});
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    // The housing's Her "2" (non-hermetic) is the fourth character of Tec.
    EXPECT_EQ(list(), QStringLiteral("Bac=1310,Tec=4002,K1=100K/1Mg,Ari=250,Achip=12,Sac=3,Gec=TO92,Pin=3,Rte=95,"
                                     "Tumax=70,Ntyp=8"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, SmallGateArrayAsksNoChipArea)
{
    menu(kHg, QStringLiteral("1310"));
    menu(QStringLiteral("btx\\tec#s1"), QStringLiteral("4"));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("3")); // 1K/10Kg: within the table
    cancelMenu(QStringLiteral("GECRTH#Art"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=1310,Tec=4000,K1=1K/10Kg"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, LargeAsicAsksItsRange)
{
    menu(kHg, QStringLiteral("1310"));
    menu(QStringLiteral("btx\\tec#s1"), QStringLiteral("4"));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("7")); // 10M/100Mg
    message(QStringLiteral("97"));
    screen(QStringLiteral("btx\\vftbzf#ari"), {QString()});
    screen(QStringLiteral("btx\\kom#asac"), {QString(), QString()});
    ui().expect(QuestionKind::Menu, QStringLiteral("btx\\tec#asic"), Answer::word(QStringLiteral("HELP")));
    ui().expect(QuestionKind::TextPage, QStringLiteral("btx1\\asic.txt"), Answer::word(QString()));
    menu(QStringLiteral("btx\\tec#asic"), QStringLiteral("1"));
    screen(QStringLiteral("btx\\kom#asice"), {QString(), QString()});         // both empty: again
    screen(QStringLiteral("btx\\kom#asice"), {QStringLiteral("20"), QStringLiteral("0")}); // upper 0: again
    screen(QStringLiteral("btx\\kom#asice"), {QString(), QStringLiteral("5")});
    cancelMenu(QStringLiteral("GECRTH#Art"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=1310,Tec=4000,K1=10M/100Mg,Asic=0/5"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, ChipHousingAsksNoResistanceAndNoPower)
{
    menu(kHg, QStringLiteral("1610"));
    menu(QStringLiteral("btx\\tec#s1opver"), QStringLiteral("1"));
    menu(QStringLiteral("btx\\kom#kom6"), QStringLiteral("2"));
    housingChip();
    menu(QStringLiteral("btx\\div#tumax"), QStringLiteral("0"));
    screen(QStringLiteral("btx\\uif#ubmax"), {QStringLiteral(" 15 ")});
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=1610,Tec=1003,K1=30/300t,Gec=CHIP,Umax=15"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, BackFromTheHousingAsksTheComplexityAgain)
{
    menu(kHg, QStringLiteral("1310"));
    menu(QStringLiteral("btx\\tec#s1"), QStringLiteral("4"));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("3"));
    backMenu(QStringLiteral("GECRTH#Art"));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("2"));
    cancelMenu(QStringLiteral("GECRTH#Art"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=1310,Tec=4000,K1=100/1Kg"));
    EXPECT_TRUE(ui().allUsed());
}

// ---- discrete semiconductors

TEST_F(ComponentEntry, PowerTransistorWithoutJunctionLimit)
{
    menu(kHg, QStringLiteral("2140"));
    menu(QStringLiteral("btx\\tec#214"), QStringLiteral("1"));
    menu(QStringLiteral("GECRTH#Art"), QStringLiteral("TO"));
    menu(QStringLiteral("GECRTH#Gec"), QStringLiteral("TO18"));
    menu(QStringLiteral("GECRTH#Pin"), QStringLiteral("3"));
    screen(QStringLiteral("btx\\tsabrth#rth"), {QString()});
    menu(QStringLiteral("btx\\div#tjmax"), QStringLiteral("0"));
    screen(QStringLiteral("btx\\uif#ubmax"), {QStringLiteral("45")});
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=2140,Tec=1001,Gec=TO18,Pin=3,Umax=45"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, DiodeOutside21AsksOnlyTheHousing)
{
    menu(kHg, QStringLiteral("2210"));
    housingTO92();
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=2210,Tec=0002,Gec=TO92,Pin=3"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

// ---- optoelectronics

TEST_F(ComponentEntry, OptocouplerAsksFactorPinsLimitsAndCurrent)
{
    menu(kHg, QStringLiteral("3222"));
    screen(QStringLiteral("btx\\vftbzf#vf"), {QStringLiteral("4")});
    edit(QStringLiteral("Pin"), QStringLiteral("6"));
    menu(QStringLiteral("btx\\div#tumax"), QStringLiteral("0"));
    screen(QStringLiteral("btx\\tsabrth#rth"), {QString()});
    screen(QStringLiteral("btx\\uif#ibmax"), {QStringLiteral(" 0.5")});
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=3222,Tec=0000,Vf=4,Pin=6,Imax=0.5"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, FactorHelpIsNotAvailable)
{
    menu(kHg, QStringLiteral("3222"));
    screen(QStringLiteral("btx\\vftbzf#vf"), {QStringLiteral("h")});
    message(QStringLiteral("95"));
    ui().expect(QuestionKind::Value, QStringLiteral("Pin"), Answer::cancel());
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=3222,Tec=0000"));
}

class DisplayFactor : public ComponentEntry {
protected:
    void SetUp() override
    {
        ComponentEntry::SetUp();
        // A technology menu of class 343 of our own: the data have none.
        QByteArray pop = testutil::readFile(d.dir.filePath(QStringLiteral("dd/btx/tec.pop")));
        pop += mtest::ansiFile({QStringLiteral("@343"), QStringLiteral("I     Anzeige"), QStringLiteral("A12   LED"),
                                QStringLiteral("A0    LCD")});
        d.write(QStringLiteral("dd/btx/tec.pop"), pop);
    }
};

TEST_F(DisplayFactor, OnlyWithTechnology12)
{
    menu(kHg, QStringLiteral("3430"));
    menu(QStringLiteral("btx\\tec#343"), QStringLiteral("12"));
    screen(QStringLiteral("btx\\vftbzf#vf"), {QStringLiteral("7")});
    menu(QStringLiteral("btx\\div#tumax"), QStringLiteral("0"));
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=3430,Tec=1200,Vf=7"));
    EXPECT_TRUE(ui().allUsed());

    menu(kHg, QStringLiteral("3430"));
    menu(QStringLiteral("btx\\tec#343"), QStringLiteral("0"));
    menu(QStringLiteral("btx\\div#tumax"), QStringLiteral("0"));
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=3430,Tec=0000"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, BackFromTheTestVoltageOfGlowLampsGoesToTheClassMenu)
{
    menu(kHg, QStringLiteral("3720"));
    screenWord(QStringLiteral("btx\\uif#unen"), QStringLiteral("BACK"));
    cancelMenu(kHg);
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ComponentEntry, BackFromTheTestVoltageOfLampsGoesToTheTechnology)
{
    menu(kHg, QStringLiteral("3710"));
    menu(QStringLiteral("btx\\tec#371"), QStringLiteral("0"));
    screenWord(QStringLiteral("btx\\uif#unen"), QStringLiteral("BACK"));
    cancelMenu(QStringLiteral("btx\\tec#371"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=3710"));
    EXPECT_TRUE(ui().allUsed());
}

// ---- passive components and boards

TEST_F(ComponentEntry, NetworkOfKind2IsSmtWithPinsAndTemperature)
{
    menu(kHg, QStringLiteral("4310"));
    menu(QStringLiteral("btx\\tec#431"), QStringLiteral("1"));
    menu(QStringLiteral("btx\\div#gec"), QStringLiteral("2"));
    edit(QStringLiteral("Pin"), QStringLiteral("8"));
    screen(QStringLiteral("btx\\vftbzf#tbmax"), {QStringLiteral("85")});
    EXPECT_NE(run(), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(list(), QStringLiteral("Bac=4310,Tec=1000,Gec=SMT,Pin=8,Tbmax=85"));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

TEST_F(ComponentEntry, BackFromTheTemperatureAsksTheKindAgain)
{
    menu(kHg, QStringLiteral("4310"));
    menu(QStringLiteral("btx\\tec#431"), QStringLiteral("2"));
    menu(QStringLiteral("btx\\div#gec"), QStringLiteral("1"));
    edit(QStringLiteral("Pin"), QStringLiteral("8"));
    screenWord(QStringLiteral("btx\\vftbzf#tbmax"), QStringLiteral("BACK"));
    cancelMenu(QStringLiteral("btx\\div#gec"));
    EXPECT_EQ(run(), QStringLiteral("ABBRUCH"));
    // The kind step removed what it asks.
    EXPECT_EQ(list(), QStringLiteral("Bac=4310,Tec=2000"));
    EXPECT_TRUE(ui().allUsed());
}

} // namespace
