#include "component_entry/klassendialoge.h"
#include "entrytestutil.h"

namespace {

class ClassDialogues : public etest::EntryTest {
protected:
    void classCode(const char* bac, const char* more = "")
    {
        list() = QStringLiteral("Bac=") + QString::fromLatin1(bac) + QString::fromLatin1(more);
    }
};

// ---- complexity

struct ComplexityCase {
    const char* typed;
    const char* valid; // "" refused
};

class ComplexityEntry : public ::testing::TestWithParam<ComplexityCase> {};

TEST_P(ComplexityEntry, DigitsAndPointsThenOneUnitPrefix)
{
    EXPECT_EQ(validComplexity(QString::fromLatin1(GetParam().typed)), QString::fromLatin1(GetParam().valid));
}

INSTANTIATE_TEST_SUITE_P(Cases, ComplexityEntry,
                         ::testing::Values(ComplexityCase{"64k", "64K"}, ComplexityCase{"1.5", "1.5"},
                                           ComplexityCase{"2.5M", "2.5M"}, ComplexityCase{".5", ".5"},
                                           ComplexityCase{"  7 ", "7"}, ComplexityCase{"9", "9"},
                                           ComplexityCase{"0", ""}, ComplexityCase{"0K", ""},
                                           ComplexityCase{"K", ""}, ComplexityCase{"abc", ""},
                                           ComplexityCase{"1K5", ""}, ComplexityCase{"12X", ""},
                                           ComplexityCase{"", ""}));

TEST_F(ClassDialogues, MemoryComplexityIsTypedUntilValidAndGetsBits)
{
    classCode("1110");
    screen(QStringLiteral("btx\\kom#bite"), {QStringLiteral("1K5")});
    screen(QStringLiteral("btx\\kom#bite"), {QStringLiteral("64k")});
    QString K1;
    EXPECT_EQ(KomplexWahl(K1), 0);
    EXPECT_EQ(K1, QStringLiteral("64Kb"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ClassDialogues, BackInTheFreeEntryLeavesTheDialogue)
{
    classCode("1410");
    menu(QStringLiteral("btx\\kom#grobssi"), QStringLiteral("9"));
    screenWord(QStringLiteral("btx\\kom#gate"), QStringLiteral("BACK"));
    QString K1;
    EXPECT_EQ(KomplexWahl(K1), 2);
    EXPECT_TRUE(K1.isEmpty());
}

TEST_F(ClassDialogues, ComplexityMenusGiveTheirListValues)
{
    classCode("1410");
    menu(QStringLiteral("btx\\kom#grobssi"), QStringLiteral("2"));
    QString K1;
    EXPECT_EQ(KomplexWahl(K1), 0);
    EXPECT_EQ(K1, QStringLiteral("10/100g"));

    // Help shows the text page and the menu again.
    classCode("1310");
    ui().expect(QuestionKind::Menu, QStringLiteral("btx\\kom#groblsi"), Answer::word(QStringLiteral("HELP")));
    ui().expect(QuestionKind::TextPage, QStringLiteral("btx1\\kom211.txt"), Answer::word(QString()));
    menu(QStringLiteral("btx\\kom#groblsi"), QStringLiteral("7"));
    EXPECT_EQ(KomplexWahl(K1), 0);
    EXPECT_EQ(K1, QStringLiteral("10M/100Mg"));

    classCode("1610");
    menu(QStringLiteral("btx\\kom#kom6"), QStringLiteral("9"));
    screen(QStringLiteral("btx\\kom#tre"), {QStringLiteral("2k")});
    EXPECT_EQ(KomplexWahl(K1), 0);
    EXPECT_EQ(K1, QStringLiteral("2Kt"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ClassDialogues, ClassesWithoutComplexityAskNothing)
{
    for (const char* bac : {"1510", "1710", "2110"}) {
        classCode(bac);
        QString K1 = QStringLiteral("old");
        EXPECT_EQ(KomplexWahl(K1), 0);
        EXPECT_TRUE(K1.isEmpty());
    }
    EXPECT_TRUE(ui().asked.isEmpty());
}

// ---- typical power

struct PowerCase {
    const char* maximum;
    const char* typical; // 0.75 x maximum, rounded half to even
};

class TypicalPowerFromMaximum : public ClassDialogues, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(TypicalPowerFromMaximum, ThreeQuartersRoundedHalfToEven)
{
    menu(QStringLiteral("btx\\div#ndat"), QStringLiteral("2"));
    screen(QStringLiteral("btx\\div#nmax"), {QString::fromLatin1(GetParam().maximum)});
    QString Ntyp;
    EXPECT_EQ(NtypWahl(QStringLiteral("1310"), Ntyp), 0);
    EXPECT_EQ(Ntyp, QString::fromLatin1(GetParam().typical));
}

// 10 x 0.75 = 7.5 -> 8; 6 x 0.75 = 4.5 -> 4; 5 x 0.75 = 3.75 -> 4; 43 690 x 0.75
// = 32 767.5 -> 32 768 and 100 000 x 0.75 = 75 000, beyond a 16-bit count.
INSTANTIATE_TEST_SUITE_P(Cases, TypicalPowerFromMaximum,
                         ::testing::Values(PowerCase{"10", "8"}, PowerCase{"6", "4"}, PowerCase{"5", "4"},
                                           PowerCase{"43690", "32768"}, PowerCase{"100000", "75000"},
                                           PowerCase{"2.5 ", "2"}));

TEST_F(ClassDialogues, TypicalPowerTypedOrNone)
{
    QString Ntyp;
    menu(QStringLiteral("btx\\div#ndat"), QStringLiteral("1"));
    screen(QStringLiteral("btx\\div#ntyp"), {QStringLiteral("250  ")});
    EXPECT_EQ(NtypWahl(QStringLiteral("2110"), Ntyp), 0);
    EXPECT_EQ(Ntyp, QStringLiteral("250"));

    // Back in the screen shows the menu again; code 0 gives none.
    menu(QStringLiteral("btx\\div#ndat"), QStringLiteral("1"));
    screenWord(QStringLiteral("btx\\div#ntyp"), QStringLiteral("BACK"));
    menu(QStringLiteral("btx\\div#ndat"), QStringLiteral("0"));
    EXPECT_EQ(NtypWahl(QStringLiteral("2110"), Ntyp), 0);
    EXPECT_TRUE(Ntyp.isEmpty());

    cancelMenu(QStringLiteral("btx\\div#ndat"));
    EXPECT_EQ(NtypWahl(QStringLiteral("2110"), Ntyp), 1);
    EXPECT_TRUE(ui().allUsed());

    // Classes 11 and 16 ask nothing.
    const int before = int(ui().asked.size());
    EXPECT_EQ(NtypWahl(QStringLiteral("1610"), Ntyp), 0);
    EXPECT_EQ(NtypWahl(QStringLiteral("1110"), Ntyp), 0);
    EXPECT_EQ(ui().asked.size(), before);
}

// ---- thermal resistance

TEST_F(ClassDialogues, ThermalResistanceOnlyForRealHousingsOfClasses1And21)
{
    QString Rte = QStringLiteral("old");
    classCode("2210", ",Gec=TO92");
    EXPECT_EQ(RthGeh(Rte), 0);
    EXPECT_TRUE(Rte.isEmpty());
    classCode("2110", ",Gec=chip");
    EXPECT_EQ(RthGeh(Rte), 0);
    classCode("1310", ",Gec=???");
    EXPECT_EQ(RthGeh(Rte), 0);
    EXPECT_TRUE(ui().asked.isEmpty());

    classCode("2110", ",Gec=TO92");
    screen(QStringLiteral("btx\\tsabrth#rth"), {QStringLiteral("120 ")});
    EXPECT_EQ(RthGeh(Rte), 0);
    EXPECT_EQ(Rte, QStringLiteral("120"));
    classCode("1310");
    screenWord(QStringLiteral("btx\\tsabrth#rth"), QStringLiteral("BACK"));
    EXPECT_EQ(RthGeh(Rte), 2);
}

// ---- pin count

struct PinCase {
    const char* bac;
    bool asks;
};

class PinCount : public ::testing::TestWithParam<PinCase> {};

TEST_P(PinCount, ClassesThatNeedPins)
{
    EXPECT_EQ(classNeedsPins(QString::fromLatin1(GetParam().bac)), GetParam().asks) << GetParam().bac;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PinCount,
    ::testing::Values(PinCase{"3123", true}, PinCase{"3121", false}, PinCase{"3252", true}, PinCase{"3251", false},
                      PinCase{"3110", false}, PinCase{"3450", false}, PinCase{"3720", false},
                      PinCase{"3222", true}, PinCase{"3610", true}, PinCase{"4250", true}, PinCase{"4150", false},
                      PinCase{"4260", false}, PinCase{"4310", true}, PinCase{"4320", false},
                      PinCase{"4630", false}, PinCase{"5110", false}, PinCase{"5240", false},
                      PinCase{"5530", true}, PinCase{"5640", false}, PinCase{"7110", true},
                      PinCase{"2110", true}));

TEST_F(ClassDialogues, PinCountWithOtherCharactersIsRefused)
{
    classCode("3123");
    edit(QStringLiteral("Pin"), QStringLiteral("1.6"));
    message(QStringLiteral("99"));
    edit(QStringLiteral("Pin"), QStringLiteral("16"));
    QString Pin = QStringLiteral("old");
    EXPECT_EQ(BacKlasse(Pin), 0);
    EXPECT_EQ(Pin, QStringLiteral("16"));
    ASSERT_GE(ui().asked.size(), 2);
    EXPECT_TRUE(ui().asked[1].text.contains(QStringLiteral("1.6")));
    EXPECT_TRUE(ui().allUsed());

    ui().expect(QuestionKind::Value, QStringLiteral("Pin"), Answer::cancel());
    EXPECT_EQ(BacKlasse(Pin), 1);

    // A class without pins leaves the caller's value.
    classCode("3121");
    Pin = QStringLiteral("8");
    EXPECT_EQ(BacKlasse(Pin), 0);
    EXPECT_EQ(Pin, QStringLiteral("8"));
}

} // namespace
