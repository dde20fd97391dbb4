#include "frame/markers.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "report/posfile.h"
#include "report/poslist.h"
#include "report/positionen.h"
#include "report/reportfixture.h"
#include "report/reporttext.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testutil;

namespace {



QString pi(const char* key)
{
    return PiMark + QLatin1String(key);
}

class Positions : public ReportFixture {
protected:
    // Splits line into the work strings and writes its row at row 1, column 1.
    QStringList row(const QString& line, int16_t spnorm, bool mainPath = false, bool weighted = false)
    {
        QString Stc;
        PosTrenn(line, Stc);
        reportState().SlkY = 1;
        reportState().SlkX = 1;
        prog().WorkStr[Slot::SylkHead].clear();
        if (GetParam(line, "Qm") == "Qsl")
            AusFileQslPos(Stc, spnorm, mainPath, weighted);
        else
            AusFileBtDetail(Stc, spnorm, mainPath, weighted);
        return sylkCells(prog().WorkStr[Slot::SylkHead]);
    }
};

struct RowCase {
    const char* name;
    QString line;
    int16_t spnorm;
    bool mainPath;
    bool weighted;
    QStringList cells;
};
void PrintTo(const RowCase& r, std::ostream* os) { *os << r.name; }
class PositionRows : public Positions, public ::testing::WithParamInterface<RowCase> {};

TEST_P(PositionRows, CellsOfTheRow)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(row(c.line, c.spnorm, c.mainPath, c.weighted), c.cells);
    // Every row ends at column 1 of the next row.
    EXPECT_EQ(reportState().SlkY, 2);
    EXPECT_EQ(reportState().SlkX, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PositionRows,
    ::testing::Values(
        // The note stands in the first column after column 7; minimum, maximum and
        // total fall under the columns of the component rows (form N: 12).
        RowCase{"sublistIncompleteNorm",
                "Lnr=A2,Stck=4,Typ=SUB1,Qm=Qsl,Tec=T7,F,Warn=FepAll,R,Pos=3,Fein=1,Fit=2/6", 1, false, false,
                {"1,1=4", "1,3=\"SUB1\"", "1,4=\"Qsl   A2\"", "1,5=\"T7\"", "1,6=\"Pos=3\"",
                 "1,7=\"Fein=1\"", "1,8=\"incomplete !\"", "1,12=2", "1,13=6", "1,14=16"}},
        // A warning written before the condensing codes hides them.
        RowCase{"sublistFirstWarningFepQsl",
                "Lnr=A2,Stck=1,Yk=Y1,An=N1,Code=C5,Qm=Qsl,F,Warn=FepQsl,Warn=FepAll,R,Pos=3,Fein=0,Fit=2/6,Fit_Hw=3",
                1, true, true,
                {"1,1=1", "1,2=\"Y1\"", "1,3=\"C5\"", "1,4=\"Qsl   A2\"", "1,6=\"Pos=3\"", "1,7=\"Fein=0\"",
                 "1,13=2", "1,14=6", "1,15=4", "1,16=3"}},
        RowCase{"sublistMilWarningOnlyForMil",
                "Lnr=A2,Stck=.5,Qm=Qsl,F,Warn=FepMil,R,Fitm=10", 3, false, false,
                {"1,1=.5", "1,4=\"Qsl   A2\"", "1,6=\"Pos=\"", "1,7=\"Fein=\"",
                 "1,8=\"incomplete !\"", "1,17=10", "1,18=10", "1,19=5"}},
        // Missing temperatures give 0; a component row ends with the remarks.
        RowCase{"componentNormNoTemperature",
                "Stck=2,Typ=R1,Sl=R12,Q,Bac=4111,K1=10,Vf=5,R,Fit=2/4,Ar=1.5," + pi("t") + "=1.2," + pi("s") + "=.8", 1,
                false, false,
                {"1,1=2", "1,3=\"R1\"", "1,4=\"R12\"", "1,5=\"4111 0000\"", "1,6=\"10\"", "1,7=\"5  v\"",
                 "1,8=0", "1,9=\"1,5\"", "1,10=\"1,2\"", "1,11=\",8\"", "1,12=2", "1,13=4", "1,14=6"}},
        RowCase{"componentWeightedWithSideAndShare",
                "Stck=3,Yk=4711,Q,Bac=4211,Tec=0100,Ari=7,S,Tei=40,F,R,Fit=1/3,Tj=55,ARBew=1.2,Nbw=true", 1, true, true,
                {"1,1=3", "1,2=\"4711\"", "1,5=\"4211 0100\"", 
                 "1,8=55", "1,9=\"i  7\"", "1,12=\"1,2\"", "1,13=1", "1,14=3", "1,15=6",
                 "1,16=0", "1,17=\"Tei=40\""}},
        RowCase{"componentShareWithoutMainPath",
                "Stck=1,Typ=X,Q,Bac=4111,R,Fita=10/30,Proa=12.5,Tb=70", 2, false, false,
                {"1,1=1", "1,3=\"X\"", "1,5=\"4111 0000\"", "1,8=70",
                 "1,12=10", "1,13=30", "1,14=20", "1,15=12.5"}},
        // The summary position of a sub-list: its name, its total on the main
        // path scaled to the main-path connections.
        RowCase{"summaryPositionMainPath", "Stck=10,Q,Bac=5112,R,Fit=1,Stck_Hw=4", 1, true, false,
                {"1,1=10", "1,3=\"Connections of the module (summary position)\"", 
                 "1,5=\"5112 0000\"", "1,8=0", "1,12=1",
                 "1,13=1", "1,14=10", "1,15=4"}},
        // No connections counted: nothing on the main path, rather than a
        // division by zero.
        RowCase{"summaryPositionWithoutConnections", "Stck=0,Q,Bac=5112,R,Fit=1,Stck_Hw=4", 1, true, false,
                {"1,1=0", "1,3=\"Connections of the module (summary position)\"", "1,5=\"5112 0000\"", "1,8=0",
                 "1,12=1", "1,13=1", "1,14=0", "1,15=0"}},
        RowCase{"milMissingModel", "Stck=1,Typ=Q9,Q,Bac=4211,Vf=2,K2=7,F,Err=BacMil,R,Fitm=0", 3, false, false,
                {"1,1=1", "1,3=\"Q9\"", "1,5=\"4211 0000\"", "1,7=\"7\"",
                 "1,8=\"missing !\""}},
        // Factors of two models show their overall range; remarks gather the
        // factors left and the thermal resistance used.
        RowCase{"milTwoModelsAndRemarks",
                "Stck=.05,Typ=U1,Q,Bac=1111,Ntyp=2,Rte=40,R,Fitm=2/3,Bacm=1DIGBIP100/4CK,Tj=60,C1m=.5/1,C1m=1.5/2," +
                    pi("tm") + "=1.1," + pi("qm") + "=2," + pi("qem") + "=3," + pi("em") + "=.5," + pi("xm") +
                    "=9,Qkvm=B,Rtr=30",
                3, false, false,
                {"1,1=.05", "1,3=\"U1\"", "1,5=\"1111 0000\"", 
                 "1,8=\"1DIGBIP100/4CK\"", "1,9=60", "1,10=\"0,5/2  c\"", "1,12=\"1,1  t\"", 
                 "1,14=\"B\"", "1,15=\"2\"", "1,16=\",5\"", "1,17=2", "1,18=3", "1,19=.125",
                 "1,20=\"Pixm=9,Rtr=30,Rte=40\""}},
        // Stress data alone keep their markers as they are.
        RowCase{"milIndividualRateStressRemarks",
                "Stck=1,Typ=U2,Q,Bac=1111,Bacm=4ck,S,Arem=5," + pi("qem") + "=4,R,Fitm=5,Qkm=S", 3, false, false,
                {"1,1=1", "1,3=\"U2\"", "1,5=\"1111 0000\"", 
                 "1,8=\"4CK\"", "1,9=0", "1,10=\"e  5\"", "1,14=\"S\"",
                 "1,17=5", "1,18=5", "1,19=5", "1,20=\"" + pi("qem") + "=4\""}}),
    [](const auto& i) { return std::string(i.param.name); });

struct HeadCase {
    const char* name;
    int16_t spnorm;
    bool mainPath;
    bool weighted;
    bool maxOnly;
    QString lastTitle;
    QString lastUnit;
};
void PrintTo(const HeadCase& r, std::ostream* os) { *os << r.name; }
class PositionHead : public Positions, public ::testing::WithParamInterface<HeadCase> {};

TEST_P(PositionHead, TitleAndColumnRows)
{
    const HeadCase& c = GetParam();
    reportState().MaxWerte = c.maxOnly;
    prog().WorkStr[Slot::SylkHead].clear();
    writePositionTableHead(c.spnorm, c.mainPath, c.weighted);
    const QStringList all = sylkCells(prog().WorkStr[Slot::SylkHead]);
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(all[0], "1,1=\"Failure rates for all positions of the Quality-list:\"");
    if (c.lastTitle.isEmpty()) {
        EXPECT_EQ(all.size(), 1);
        return;
    }
    const QStringList titles = all.filter(QRegularExpression("^2,"));
    const QStringList units = all.filter(QRegularExpression("^3,"));
    EXPECT_EQ(titles.first(), "2,1=\"Quantity\"");
    EXPECT_EQ(titles.last(), c.lastTitle);
    EXPECT_EQ(units.last(), c.lastUnit);
    // The units row keeps its empty leading columns: degrees stand under Tj / Tb.
    const int tjColumn = c.spnorm == 3 ? 9 : 8;
    EXPECT_TRUE(units.contains(QStringLiteral("3,%1=\"°C\"").arg(tjColumn))) << units.join(" ").toStdString();
    EXPECT_TRUE(titles.contains(QStringLiteral("2,%1=\"Tj / Tb\"").arg(tjColumn)));
    EXPECT_EQ(reportState().SlkY, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PositionHead,
    ::testing::Values(HeadCase{"norm", 1, false, false, false, "2,14=\"FR total\"", "3,14=\"fit  (mean)\""},
                      HeadCase{"normMaximum", 2, false, false, true, "2,14=\"FR total\"", "3,14=\"fit  (max)\""},
                      HeadCase{"normMainPath", 1, true, false, false, "2,15=\"FR Main P.\"", "3,15=\"fit  (mean)\""},
                      HeadCase{"weighted", 1, false, true, false, "2,15=\"FR total\"", "3,15=\"fit  (mean)\""},
                      HeadCase{"weightedMainPath", 1, true, true, false, "2,16=\"FR Main P.\"", "3,16=\"fit  (mean)\""},
                      HeadCase{"mil", 3, false, false, false, "2,19=\"FR total\"", "3,19=\"fit  (mean)\""},
                      HeadCase{"milMainPathMaximum", 3, true, false, true, "2,20=\"FR Main P.\"", "3,19=\"fit  (max)\""},
                      HeadCase{"noStoredMethod", 4, false, false, false, "", ""}),
    [](const auto& i) { return std::string(i.param.name); });

struct TextCase {
    const char* name;
    QString line;
    QString qpbt;
    QString norm;
    QString text;
};
void PrintTo(const TextCase& r, std::ostream* os) { *os << r.name; }
class Description : public Positions, public ::testing::WithParamInterface<TextCase> {};

TEST_P(Description, TextOfAComponentPosition)
{
    const TextCase& c = GetParam();
    ::SetParam(prog().WorkStr[Slot::SyPar], "Qpbt", c.qpbt);
    ::SetParam(prog().WorkStr[Slot::GlPar], "Norm", c.norm);
    QString Stc;
    PosTrenn(c.line, Stc);
    EXPECT_EQ(BtBeschreibung(numParam(Stc, "Stck"), true).toStdString(), c.text.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Description,
    ::testing::Values(
        TextCase{"classDataHousingAndSubComponents",
                 "Stck=3,Sl=C1,Typ=CK05,Q,Bac=4110,Tec=1000,Gec=to92,Pin=3,K1=2,Z,Bac=4110,Tec=2000", "1", "1",
                 "         3 C1,CK05,Bac=4110,Tec=1000,Geh=TO92/3,Ceramic capacitor class 1 + Ceramic capacitor class 2,K1=2,"
                 "Bac=4110,Tec=2000"},
        TextCase{"milModelNamesOfTheResult", "Stck=.5,Typ=CK05,Q,Bac=4110,Tec=1000,R,Fitm=1,Bacm=4CK/4CC", "", "12",
                 "       0,5 CK05,Ceramic capacitor class 1,Capacitor, ceramic general purpose (CK)/Capacitor, ceramic "
                 "temperature compensating (CC, CCR)"},
        TextCase{"qualityListClass", "Stck=1,Typ=M1,Q,Bac=0000", "", "2", "         1 M1,Qsl,Quality List"},
        // The results keep everything but the totals.
        TextCase{"resultsWithoutTotals", "Stck=.05,Typ=R1,F,Warn=X,R,Fit=1/2,Fita=3,Fitm=4,Nev=1,Tur=2,Bacm=4RC,Tj=40",
                 "3", "1", "      0,05 R1,Warn=X,Bacm=4RC,Tj=40"},
        TextCase{"noClassDataNoFinalComma", "Stck=0,Typ=R1,S,Tei=40,B,Be=Note", "24", "1",
                 "         0 R1,Tei=40,Be=Note"}),
    [](const auto& i) { return std::string(i.param.name); });

struct MarkCase {
    const char* name;
    QString line;
    QStringList ends;
};
void PrintTo(const MarkCase& r, std::ostream* os) { *os << r.name; }
class Markers : public Positions, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(Markers, BehindTheFailureRateLines)
{
    PrFont(7.5, true, false, "Courier New");
    QString Stc;
    PosTrenn(GetParam().line, Stc);
    QStringList Poz{QString()};
    int16_t Apz = 0;
    AusBtPos(Stc, Poz, Apz);
    QStringList ends;
    for (int i = 1; i <= Apz; ++i)
        if (Poz[i].contains(" fit"))
            ends << Poz[i].mid(Poz[i].lastIndexOf(" fit") + 4);
    EXPECT_EQ(ends, GetParam().ends);
}

const QString raquo = QString(QChar(171));
INSTANTIATE_TEST_SUITE_P(
    Table, Markers,
    ::testing::Values(MarkCase{"plain", "Stck=1,Typ=R,Q,Bac=4111,R,Fit=2,Fita=3", {"", ""}},
                      MarkCase{"specialListBeatsWeighting", "Stck=1,Typ=R,Q,Bac=4111,S,Arx=5,R,Fit=2,ARBew=1.2",
                               {"#"}},
                      MarkCase{"weighted", "Stck=1,Typ=R,Q,Bac=4111,R,Fit=2,ARBew=1.2", {"*"}},
                      // Norm and MIL only: the second line carries the second marker.
                      MarkCase{"individualRatesTwoLines", "Stck=1,Typ=R,Q,Bac=4111,Ari=2,S,Tei=30,R,Fit=2,Fitm=3",
                               {raquo + "+", raquo + "+"}},
                      MarkCase{"individualMilRate", "Stck=1,Typ=R,Q,Bac=4111,Arem=3,R,Fit=2,Fita=3,Fitm=3",
                               {"", "", raquo}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Positions, SublistBlockShowsItsDataAndMarksIndividualData)
{
    PrFont(7.5, true, false, "Courier New");
    QString Stc;
    PosTrenn("Lnr=A7,Stck=2,Typ=SUB,Qm=Qsl,S,Tei=40,F,Warn=FepAll,R,Pos=3,Fein=1,Fit=2/4,Nev=1,B,Be=Power", Stc);
    QStringList Poz{QString()};
    int16_t Apz = 0;
    AusQsPos(Stc, Poz, Apz);
    ASSERT_GE(Apz, 2);
    EXPECT_TRUE(Poz[1].startsWith("         2 Lnr=A7,SUB,Tei=40,Warn=FepAll,Pos=3,Fein=1,Power"))
        << Poz[1].toStdString();
    EXPECT_FALSE(Poz[1].contains("Nev="));
    EXPECT_TRUE(Poz[1].endsWith("6 fit+")) << Poz[1].toStdString();
    // The warning of the condensed list follows as its own line.
    EXPECT_TRUE(Poz[Apz].contains(QChar(187))) << Poz[Apz].toStdString();
}

class PositionReport : public Positions {
protected:
    // The position list of nested.qpo with a locked position and a sub-list
    // with individual data added at the top level.
    void makePol()
    {
        QByteArray qpo = readFile(fixturesDir() + "/report/nested.qpo");
        qpo += "Stck=-1,Typ=LOCKED,Q,Bac=4111,R,Fit=99\r\n";
        qpo += "Stck=.05,Typ=C2,Sl=C7,Q,Bac=4110,Tec=0100,Ari=3,S,Tei=50,R,Fit=3/5,Fita=4\r\n";
        writeFile(tp2 + "/qpo", qpo);
        ASSERT_TRUE(PosList(false));
        ergfile.setFileName(tp1 + "/ergfile");
        ASSERT_TRUE(ergfile.open(QIODevice::WriteOnly));
    }
    QFile ergfile;
};

TEST_F(PositionReport, PrintedBlocksAndFileRows)
{
    SetParam(prog().WorkStr[Slot::SyPar], "Qpbt", "123");
    makePol();
    DruckPositionen(true, true, QString(), false, false, false, false, ergfile);
    ergfile.close();
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].isEmpty());
    PrNeueSeite();
    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "positions-pages.txt");
    EXPECT_FALSE(pages.contains("LOCKED"));
    EXPECT_TRUE(pages.contains("Failure rates for all positions of the Quality-list:"));
    const QString rows = QString::fromLatin1(readFile(tp1 + "/ergfile"));
    expectGolden(rows.toLatin1(), "positions-rows.txt");
    EXPECT_FALSE(rows.contains("LOCKED"));
    const QStringList c = sylkCells(rows);
    // Head rows 1 to 3, then the sub-list, the capacitor and the resistor.
    EXPECT_TRUE(c.contains("4,4=\"Qsl   A2\""));
    EXPECT_TRUE(c.contains("5,3=\"C1\""));
    EXPECT_TRUE(c.contains("6,1=.05"));
    EXPECT_TRUE(c.contains("6,9=\"i  3\""));
    EXPECT_EQ(reportState().SlkY, 7);
}

TEST_F(PositionReport, FileOnlyPrintsNothingAndSpecialFormatWritesNoSublistRow)
{
    makePol();
    // A format that is not printed: not even the font is set.
    DruckPositionen(false, true, "NichtDruck=1,Col=Typ", false, false, false, false, ergfile);
    ergfile.close();
    PrNeueSeite();
    EXPECT_EQ(dumpPages(), "");
    // No head and no sub-list row; the special-format text of a component comes
    // from its own writer.
    EXPECT_FALSE(readFile(tp1 + "/ergfile").contains("Qsl"));
    EXPECT_FALSE(readFile(tp1 + "/ergfile").contains("Failure rates for all positions"));
}

TEST_F(PositionReport, PrintOnlyWritesNoRows)
{
    makePol();
    DruckPositionen(true, false, QString(), false, false, false, false, ergfile);
    ergfile.close();
    EXPECT_TRUE(readFile(tp1 + "/ergfile").isEmpty());
    PrNeueSeite();
    EXPECT_TRUE(dumpPages().contains("Failure rates for all positions"));
}

} // namespace
