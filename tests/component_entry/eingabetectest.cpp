#include "component_entry/eingabetec.h"
#include "frame/workslots.h"
#include "entrytestutil.h"

#include <utility>
#include <vector>

namespace {

using Steps = std::vector<std::pair<const char*, const char*>>; // menu chapter of "btx\tec", answer

struct TecCase {
    const char* name;
    const char* bac;
    Steps steps;
    const char* tec;
    int result = 0;
};

class TechnologyCode : public etest::EntryTest, public ::testing::WithParamInterface<TecCase> {};

TEST_P(TechnologyCode, MenusBuildTheCode)
{
    const TecCase& c = GetParam();
    list() = QStringLiteral("Bac=") + QString::fromLatin1(c.bac);
    for (const auto& [chapter, answer] : c.steps) {
        const QString a = QString::fromLatin1(answer);
        if (a == QLatin1String("ABBRUCH"))
            cancelMenu(QStringLiteral("btx\\tec#") + QString::fromLatin1(chapter));
        else
            menu(QStringLiteral("btx\\tec#") + QString::fromLatin1(chapter), a);
    }
    QString Tec = QStringLiteral("given");
    EXPECT_EQ(EingabeTec(QString::fromLatin1(c.bac), Tec), c.result);
    EXPECT_EQ(Tec, QString::fromLatin1(c.tec));
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TechnologyCode,
    ::testing::Values(
        // Group 1: one code, filled with "0" to four characters.
        TecCase{"HighFrequencyFixed", "1683", {}, "6000"},
        TecCase{"HighFrequencyMenu", "1330", {{"s1hfhv", "7"}}, "7000"},
        TecCase{"OperationalAmplifier", "1610", {{"s1opver", "5"}}, "5000"},
        TecCase{"MemoryCyclesSecondCode", "1120", {{"s1", "4"}, {"s3zyk", "1"}}, "4010"},
        TecCase{"MemoryBipolarNoCycles", "1120", {{"s1", "2"}}, "2000"},
        TecCase{"BackOnCyclesAsksAgain", "1120", {{"s1", "4"}, {"s3zyk", "BACK"}, {"s1", "5"}, {"s3zyk", "2"}}, "5020"},
        TecCase{"ProgrammableLogic", "1370", {{"s1", "4"}, {"s2pld", "3"}}, "4300"},
        TecCase{"LogicFamily", "1410", {{"s1", "4"}, {"s2t4", "5"}}, "4500"},
        TecCase{"LogicWithoutFamily", "1410", {{"s1", "3"}}, "3000"},
        TecCase{"BackOnFirstMenu", "1110", {{"s1", "BACK"}}, "", 2},
        TecCase{"Cancel", "1110", {{"s1", "ABBRUCH"}}, "", 1},
        // Group 2: only the transistors of 21 ask.
        TecCase{"Transistor", "2110", {{"211", "3"}}, "3000"},
        TecCase{"TransistorFixed", "2170", {}, "6000"},
        TecCase{"UsesMenuOf216", "2180", {{"216", "2"}}, "2000"},
        TecCase{"ArrayGetsOneFirst", "2120", {{"212", "3"}}, "1300"},
        TecCase{"OutsideGroup21", "2300", {}, "0000"},
        // Group 3: codes into the positions of "0000".
        TecCase{"OptoPositions1And4", "3120", {{"t4", "2"}}, "1002"},
        TecCase{"OptoTwoCharacterCode", "3121", {{"3121", "12"}, {"t4", "1"}}, "1201"},
        TecCase{"OptoBackOnT4AsksAgain", "3121", {{"3121", "3"}, {"t4", "BACK"}, {"3121", "2"}, {"t4", "2"}}, "2002"},
        TecCase{"Position2", "3210", {{"321", "4"}}, "0400"},
        TecCase{"Only3227Asks", "3227", {{"3227", "2"}}, "2000"},
        TecCase{"Class3222AsksNothing", "3222", {}, "0000"},
        TecCase{"LampSplitsItsCode", "3710", {{"371", "21"}}, "2100"},
        TecCase{"Class325SetsPosition4", "3250", {{"3250", "2"}}, "2001"},
        // Group 4 without the MIL method: the class menu only.
        TecCase{"CapacitorDielectric", "4110", {{"411", "2"}, {"411t2", "1"}}, "2100"},
        TecCase{"CapacitorOtherDielectric", "4110", {{"411", "1"}}, "1000"},
        TecCase{"CapacitorT4", "4120", {{"412", "1"}, {"t4", "2"}}, "1002"},
        TecCase{"ClassWithoutMenu", "4130", {}, "0000"},
        // Group 5.
        TecCase{"RelayOneDigitGetsTwo", "5310", {{"531", "2"}, {"5t3", "1"}}, "2210"},
        TecCase{"RelayTwoDigits", "5310", {{"531", "12"}, {"5t3", "2"}}, "1220"},
        TecCase{"RelayBackOn5t3AsksAgain", "5310", {{"531", "4"}, {"5t3", "BACK"}, {"531", "3"}, {"5t3", "1"}}, "3210"},
        TecCase{"RelayShared532", "5320", {{"532", "13"}, {"5t3", "2"}}, "1320"},
        TecCase{"Switch", "5210", {{"52", "3"}}, "3000"},
        TecCase{"Connector58", "5810", {{"5810", "2"}, {"5t", "3"}, {"5t3", "1"}}, "2310"},
        TecCase{"Class59", "5910", {{"5910", "2"}}, "2000"},
        TecCase{"Class51AsksNothing", "5110", {}, "0000"},
        // Groups 6 and 7.
        TecCase{"Group6", "6110", {{"611", "2"}}, "2000"},
        TecCase{"Group7", "7110", {{"711", "3"}}, "3000"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(TechnologyCode, ClassesOutsideTheGroupsKeepTheCode)
{
    for (const char* bac : {"8100", "9100", "0000"}) {
        QString Tec = QStringLiteral("1234");
        EXPECT_EQ(EingabeTec(QString::fromLatin1(bac), Tec), 0);
        EXPECT_EQ(Tec, QStringLiteral("1234"));
    }
    EXPECT_TRUE(ui().asked.isEmpty());
}

TEST_F(TechnologyCode, SidePanelShowsTheCodeSoFar)
{
    list() = QStringLiteral("Bac=1120");
    menu(QStringLiteral("btx\\tec#s1"), QStringLiteral("4"));
    menu(QStringLiteral("btx\\tec#s3zyk"), [](const Question&) {
        const QStringList rows = frmBEProgEin::state().QbSdTxt[1];
        EXPECT_TRUE(rows.contains(QStringLiteral("Bac=1120")));
        EXPECT_TRUE(rows.contains(QStringLiteral("Tec=4")));
        return Answer::word(QStringLiteral("3"));
    });
    QString Tec;
    EXPECT_EQ(EingabeTec(QStringLiteral("1120"), Tec), 0);
    EXPECT_EQ(Tec, QStringLiteral("4030"));
}

TEST_F(TechnologyCode, MilScreenOnlyWhenTheRunComputesMil)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
    list() = QStringLiteral("Bac=4110");
    menu(QStringLiteral("btx\\tec#411"), QStringLiteral("3"));
    menu(QStringLiteral("btx\\tec#411t2"), QStringLiteral("1"));
    ui().expect(QuestionKind::Screen, QStringLiteral("btx\\tecm#411"), Answer::word(QStringLiteral("BACK")));
    // Back in the MIL screen asks the class again.
    menu(QStringLiteral("btx\\tec#411"), QStringLiteral("2"));
    menu(QStringLiteral("btx\\tec#411t2"), QStringLiteral("0"));
    ui().expect(QuestionKind::Screen, QStringLiteral("btx\\tecm#411"), Answer::word(QStringLiteral("2")));
    QString Tec;
    EXPECT_EQ(EingabeTec(QStringLiteral("4110"), Tec), 0);
    EXPECT_EQ(Tec, QStringLiteral("2000"));
    EXPECT_TRUE(ui().allUsed());

    // Class 426 goes back to the class menu from its MIL screen.
    list() = QStringLiteral("Bac=4260");
    menu(QStringLiteral("btx\\tec#426"), QStringLiteral("1"));
    ui().expect(QuestionKind::Screen, QStringLiteral("btx\\tecm#426"), Answer::word(QStringLiteral("BACK")));
    EXPECT_EQ(EingabeTec(QStringLiteral("4260"), Tec), 2);
    EXPECT_TRUE(Tec.isEmpty());

    // Without method 2 no MIL screen.
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=13");
    menu(QStringLiteral("btx\\tec#426"), QStringLiteral("3"));
    EXPECT_EQ(EingabeTec(QStringLiteral("4260"), Tec), 0);
    EXPECT_EQ(Tec, QStringLiteral("3000"));
    EXPECT_TRUE(ui().allUsed());
}

} // namespace
