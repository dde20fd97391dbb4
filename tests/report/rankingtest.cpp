#include "frame/formatters.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "position_line/posline.h"
#include "report/btgruppen.h"
#include "report/druckqslprog.h"
#include "report/pfui.h"
#include "report/pfuidruck.h"
#include "report/reportfixture.h"
#include "report/reporttext.h"
#include "report/sonderformat.h"

#include <QBuffer>
#include <QLocale>
#include <gtest/gtest.h>

using namespace testutil;

namespace {


QStringList linesOf(const QString& path)
{
    const QString text = QString::fromLatin1(readFile(path));
    return text.split("\r\n", Qt::SkipEmptyParts);
}

class Ranking : public ReportFixture {
protected:
    QString tp2Path(const QString& name) const { return tp2 + "/" + name; }
    void totals(int m, double mean, double minimum, double maximum)
    {
        reportState().FitSumOk[size_t(m)] = {mean, minimum, maximum};
    }
};

TEST_F(Ranking, GroupFilesCarryTheEffectiveQuantity)
{
    useQpo("ranking.qpo");
    writeFile(tp2Path("gr.77"), "left over\r\n");
    double unassigned = -1;
    GruppenDateien(unassigned);
    // 2 x 3 x 4 inside both sub-lists; the missing sub-list changes no level, so
    // the next R1 counts with SUB1's 4; the locked line is left out.
    EXPECT_EQ(linesOf(tp2Path("gr.41")), QStringList({"Stck=24,Typ=R1,Q,Bac=4111,R,Fit=2/4",
                                                      "Stck=4,Typ=R1,Q,Bac=4111,R,Fit=2/4"}));
    EXPECT_EQ(linesOf(tp2Path("gr.31")), QStringList({"Stck=1,Typ=C1,Q,Bac=3111,R,Fit=10"}));
    EXPECT_FALSE(QFile::exists(tp2Path("gr.77")));
    EXPECT_EQ(unassigned, 2.0);
}

TEST_F(Ranking, DeepNestingAndUnsafeClassCodes)
{
    // Eight nested sub-lists of two each: 2^8 per component; there is no fixed
    // number of levels.
    QString qpo = "Lnr=A1,Typ=TOP\r\n";
    for (int level = 1; level <= 8; ++level)
        qpo += QString("Lnr=A%1,Stck=2,Typ=S%1,Qm=Qsl,Aufl=ja\r\n").arg(level + 1);
    qpo += "Stck=1,Typ=R1,Q,Bac=4111,R,Fit=1\r\n";
    // A class code that would name a file outside the work directory counts as
    // a position without a group.
    qpo += "Stck=1,Typ=R2,Q,Bac=./x,R,Fit=1\r\n";
    for (int level = 8; level >= 1; --level)
        qpo += QString("Lnr=A%1,Qm=Ende\r\n").arg(level + 1);
    writeFile(tp2Path("qpo"), qpo.toLatin1());
    double unassigned = 0;
    GruppenDateien(unassigned);
    EXPECT_EQ(linesOf(tp2Path("gr.41")), QStringList({"Stck=256,Typ=R1,Q,Bac=4111,R,Fit=1"}));
    EXPECT_EQ(unassigned, 256.0);
    EXPECT_EQ(QDir(tp2).entryList({"gr.*"}, QDir::Files), QStringList({"gr.41"}));
}

TEST_F(Ranking, MoreThanAThousandDistinctComponentsInAGroupAreAllKept)
{
    totals(1, 1001, 1001, 1001);
    QByteArray group;
    for (int i = 1; i <= 1001; ++i)
        group += QString("Stck=1,Typ=T%1,Q,Bac=4111,R,Fit=1\r\n").arg(i).toLatin1();
    group += "Stck=4,Typ=T1001,Q,Bac=4111,R,Fit=1\r\n";
    writeFile(tp2Path("gr.41"), group);
    ComponentRankingFiles files;
    files.open();
    PfuiBtDatei(tp2 + "/gr.41", files);
    files.close();
    const QStringList merged = linesOf(tp2Path("gr.41"));
    ASSERT_EQ(merged.size(), 1001);
    EXPECT_EQ(merged.last(), "Stck=5,Typ=T1001,Q,Bac=4111,R,Fit=1");
    EXPECT_EQ(linesOf(tp2Path("filebts")).size(), 1001);
}

TEST_F(Ranking, SublistFilesCarryOnlyTheirOwnMethodsShare)
{
    SetParam(prog().WorkStr[Slot::SyPar], "Qs%", "10");
    totals(1, 100, 80, 120);
    totals(3, 200, 150, 250);
    writeFile(tp2Path("pol"), "Lnr=A2,Stck=2,Typ=S1,Qm=Qsl,R,Fit=4/6,Fitm=10\r\n"
                              "Stck=1,Typ=R1,Q,Bac=4111,R,Fit=50\r\n"
                              "Lnr=A3,Stck=1,Typ=S2,Qm=Qsl,R,Fit=20,Fitm=2\r\n"
                              "Lnr=A4,Stck=-1,Typ=S3,Qm=Qsl,R,Fit=90\r\n");
    PfuiQsDatei();
    const QStringList norm = linesOf(tp2Path("pfuiqss"));
    ASSERT_EQ(norm.size(), 2); // 2 x 5 = 10 % (at the limit) and 20 %
    EXPECT_EQ(GetParam(norm[0], "Pros"), "10");
    EXPECT_EQ(GetParam(norm[1], "Pros"), "20");
    EXPECT_FALSE(norm[0].contains("Prom="));
    const QStringList mil = linesOf(tp2Path("pfuiqsm")); // 2 x 10 of 200 = 10 %, 1 %
    ASSERT_EQ(mil.size(), 1);
    EXPECT_EQ(GetParam(mil[0], "Prom"), "10");
    EXPECT_FALSE(mil[0].contains("Pros="));
    EXPECT_TRUE(readFile(tp2Path("pfuiqsa")).isEmpty());
    EXPECT_TRUE(sp.ui().headlessList().lines.contains("Sorting the relevant Q-lists according to percentage"));

    // No sub-list with a positive quantity: the files stay empty, also at limit 0.
    SetParam(prog().WorkStr[Slot::SyPar], "Qs%", "0");
    writeFile(tp2Path("pol"), "Lnr=A2,Stck=0,Typ=S1,Qm=Qsl,R,Fit=4/6\r\n");
    PfuiQsDatei();
    EXPECT_TRUE(readFile(tp2Path("pfuiqss")).isEmpty());
}

TEST_F(Ranking, MergedComponentsWithSharesAtAndAboveTheLimit)
{
    SetParam(prog().WorkStr[Slot::SyPar], "Bt%", "20");
    totals(1, 100, 80, 120);
    totals(3, 50, 50, 50); // no MIL-HDBK-217F results on the lines: share 0
    writeFile(tp2Path("gr.41"), "Stck=2,Typ=A,Q,Bac=4111,R,Fit=2/4\r\n"
                                "Stck=1,Yk=X1,Typ=B,Q,Bac=4111,S,Tei=40,R,Fit=15/25\r\n"
                                "Stck=3,Typ=A,Q,Bac=4111,R,Fit=2/4\r\n"
                                "Stck=1,Yk=X1,Typ=other,Q,Bac=4111,S,Tei=40,Xyz=1,R,Fit=15/25\r\n"
                                "Stck=1,Yk=X1,Q,Bac=4111,S,Tei=60,R,Fit=15/25\r\n");
    ComponentRankingFiles files;
    files.open();
    PfuiBtDatei(tp2 + "/gr.41", files);
    files.close();

    // A twice with 5 in all; B by its item number also from the line whose
    // stress data differ only in an uncompared key; the other Tei stays apart.
    EXPECT_EQ(linesOf(tp2Path("gr.41")),
              QStringList({"Stck=5,Typ=A,Q,Bac=4111,R,Fit=2/4", "Stck=2,Yk=X1,Typ=B,Q,Bac=4111,S,Tei=40,R,Fit=15/25",
                           "Stck=1,Yk=X1,Q,Bac=4111,S,Tei=60,R,Fit=15/25"}));
    // Shares of the mean: 5 x 3 = 15 %, 2 x 20 = 40 %, 1 x 20 = 20 % (at the limit).
    const QStringList all = linesOf(tp2Path("filebts"));
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(GetParam(all[0], "Pros"), "15");
    EXPECT_EQ(GetParam(all[1], "Pros"), "40");
    EXPECT_EQ(GetParam(all[2], "Pros"), "20");
    EXPECT_TRUE(all[0].startsWith("Stck=5,"));
    EXPECT_EQ(linesOf(tp2Path("pfuibts")), all.mid(1));
    EXPECT_TRUE(readFile(tp2Path("filebta")).isEmpty()); // no user-list total
    EXPECT_EQ(linesOf(tp2Path("filebtm")).size(), 3);
    EXPECT_FALSE(linesOf(tp2Path("filebtm"))[0].contains("Pros="));
}

TEST_F(Ranking, MaximumValuesUseTheMaximumTotal)
{
    reportState().MaxWerte = true;
    totals(1, 100, 80, 200);
    writeFile(tp2Path("gr.41"), "Stck=2,Typ=A,Q,Bac=4111,R,Fit=2/4\r\n");
    ComponentRankingFiles files;
    files.open();
    PfuiBtDatei(tp2 + "/gr.41", files);
    files.close();
    EXPECT_EQ(GetParam(linesOf(tp2Path("filebts"))[0], "Pros"), "4"); // 2 x 4 x 100 / 200
}

struct SameStress {
    const char* name;
    const char* stored;
    const char* current;
    bool same;
};
void PrintTo(const SameStress& c, std::ostream* os) { *os << c.name; }

class StressComparison : public Ranking, public ::testing::WithParamInterface<SameStress> {};

TEST_P(StressComparison, Result)
{
    prog().WorkStr[Slot::S] = QString::fromUtf8(GetParam().current);
    QString result;
    GleicheFeinDaten(QString::fromUtf8(GetParam().stored), result);
    EXPECT_EQ(result, GetParam().same ? "ja" : "nein");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StressComparison,
    ::testing::Values(SameStress{"BothEmpty", "", "", true},
                      SameStress{"UncomparedKeyDiffers", "Tei=40,Rw=1", "Tei=40", true},
                      SameStress{"EmptyNumberIsZero", "Dtu=0", "", true},
                      SameStress{"NumbersByValue", "Ub=5.0", "Ub=5", true},
                      SameStress{"TeiDiffers", "Tei=40", "Tei=60", false},
                      SameStress{"TextIsCaseSensitive", "Lab=a", "Lab=A", false},
                      SameStress{"TextEmptyIsNotZero", "Qkm=0", "", false},
                      SameStress{"PiQualityFactor", "\xC3\xA3qem=2", "\xC3\xA3qem=3", false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Ranking, SortDescendingAndStable)
{
    prog().WorkStr[Slot::GlPar] = "Norm=12,Spnorm=1";
    writeFile(tp2Path("pfuibts"), "Stck=1,Typ=A,R,Pros=5\r\nStck=1,Typ=B,R,Pros=30\r\nStck=1,Typ=C,R,Pros=5\r\n"
                                  "Stck=1,Typ=D,R,Pros=12.5\r\n");
    QStringList many;
    for (int i = 1; i <= 100; ++i)
        many << QString("Stck=1,Typ=P%1,R,Prom=%2").arg(i).arg(i % 7);
    writeFile(tp2Path("pfuibtm"), many.join("\r\n").toLatin1() + "\r\n");
    writeFile(tp2Path("pfuibta"), "Stck=1,Typ=A,R,Proa=1\r\nStck=1,Typ=B,R,Proa=2\r\n"); // not in Norm
    SortPfui("bt", false);
    EXPECT_EQ(linesOf(tp2Path("pfuibts")),
              QStringList({"Stck=1,Typ=B,R,Pros=30", "Stck=1,Typ=D,R,Pros=12.5", "Stck=1,Typ=A,R,Pros=5",
                           "Stck=1,Typ=C,R,Pros=5"}));
    const QStringList sorted = linesOf(tp2Path("pfuibtm"));
    ASSERT_EQ(sorted.size(), 100);
    EXPECT_EQ(sorted[0], "Stck=1,Typ=P6,R,Prom=6");
    EXPECT_EQ(sorted[1], "Stck=1,Typ=P13,R,Prom=6");
    EXPECT_EQ(linesOf(tp2Path("pfuibta"))[0], "Stck=1,Typ=A,R,Proa=1");
}

TEST_F(Ranking, TooLongFileIsReplacedAndStopsTheSort)
{
    prog().WorkStr[Slot::GlPar] = "Norm=123,Spnorm=1";
    QStringList many;
    for (int i = 1; i <= 101; ++i)
        many << QString("Stck=1,Typ=P%1,R,Pros=%2").arg(i).arg(i);
    writeFile(tp2Path("pfuiqss"), many.join("\r\n").toLatin1() + "\r\n");
    writeFile(tp2Path("pfuiqsm"), "Stck=1,R,Prom=1\r\nStck=1,R,Prom=2\r\n");
    sp.ui().expect(QuestionKind::Message, "438", Answer::button(Mb::OK));
    SortPfui("qs", false);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(readFile(tp2Path("pfuiqss")), "ABBRUCH100\r\n");
    EXPECT_EQ(linesOf(tp2Path("pfuiqsm"))[0], "Stck=1,R,Prom=1"); // left unsorted

    // Unattended: the same without a message box.
    writeFile(tp2Path("pfuiqss"), many.join("\r\n").toLatin1() + "\r\n");
    SortPfui("qs", true);
    EXPECT_EQ(readFile(tp2Path("pfuiqss")), "ABBRUCH100\r\n");
}

struct RateCase {
    const char* name;
    const char* fit;
    const char* quantity;
    bool maxOnly;
    const char* rate;
};
void PrintTo(const RateCase& c, std::ostream* os) { *os << c.name; }

class SublistRate : public Ranking, public ::testing::WithParamInterface<RateCase> {};

// The rate text stands behind the first w1 + 1 characters of line 1.
TEST_P(SublistRate, DecimalsFollowTheValue)
{
    const RateCase& c = GetParam();
    PrFont(7.5, true, false, "Courier New");
    QString Stc;
    PosTrenn(QString("Stck=%1,Lnr=A2,Typ=SUB,Qm=Qsl,R,Fit=%2").arg(c.quantity, c.fit), Stc);
    reportState().MaxWerte = c.maxOnly;
    ReportBlock block;
    int16_t count = 0;
    AusPfuiQslPos("YK ", Stc, block, count);
    ASSERT_EQ(count, 1);
    const int w1 = printState().PrSpalten - 37;
    EXPECT_EQ(block[1].mid(w1 + 1).toStdString(), c.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SublistRate,
    ::testing::Values(RateCase{"HalfFit", "0.25", "2", true, "YK  0.5 fit               "},
                      RateCase{"FiveFit", "5", "1", true, "YK  5 fit                 "},
                      RateCase{"JustBelowTen", "9.9995", "1", true, "YK  10 fit                "},
                      RateCase{"Fifty", "25", "2", true, "YK  50 fit                "},
                      RateCase{"JustBelowThousand", "999.9995", "1", true, "YK  1000 fit              "},
                      RateCase{"Thousands", "1500.4", "1", true, "YK  1500 fit              "},
                      RateCase{"RangeTimesQuantity", "0.125/1.5", "2", false, "YK  0.25/3 fit            "}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Ranking, SublistEntryWithShareErrorsAndWarnings)
{
    PrFont(7.5, true, false, "Courier New");
    QString Stc;
    PosTrenn("Stck=3,Lnr=A2,Typ=SUB1,Qm=Qsl,F,Warn=FepMil,Err=NullFitSin,Warn=FepAll,R,Fit=2/4,Pos=1,Pros=12.5,B,Be=Sub one",
             Stc);
    ReportBlock block;
    int16_t count = 0;
    AusPfuiQslPos("YK ", Stc, block, count);
    ASSERT_EQ(count, 3);
    const int w1 = printState().PrSpalten - 37;
    EXPECT_EQ(block[1].left(w1 + 1).trimmed(), "3 Lnr=A2,SUB1,Err=NullFitSin,Warn=FepAll,Pos=1,Sub one");
    EXPECT_EQ(block[1].mid(w1 + 1), "YK  6/12 fit               12,5 %");
    // The other method's warning is dropped; the error comes before the warning.
    EXPECT_TRUE(block[2].startsWith(QString(11, ' ') + QChar(149) + ' '));
    EXPECT_TRUE(block[3].startsWith(QString(11, ' ') + QChar(187)));
    EXPECT_FALSE(block[3].contains("#"));
    EXPECT_EQ(prog().WorkStr[Slot::F], "Err=NullFitSin,Warn=FepAll");

    // Quantity 0: no lines.
    PosTrenn("Stck=0,Lnr=A2,Typ=SUB1,Qm=Qsl,R,Fit=2/4", Stc);
    AusPfuiQslPos("YK ", Stc, block, count);
    EXPECT_EQ(count, 0);
}

TEST_F(Ranking, ComponentEntryTakesWeightingAndShareOutOfTheResults)
{
    PrFont(7.5, true, false, "Courier New");
    QString Stc;
    PosTrenn("Stck=2,Typ=R1,Q,Bac=4111,R,Fita=1/3,ARBew=2,Proa=40", Stc);
    ReportBlock block;
    int16_t count = 0;
    AusPfuiBtPos("AWS", Stc, block, count);
    ASSERT_GE(count, 1);
    const int w1 = printState().PrSpalten - 37;
    // The share in the report's number form, width 3 with one decimal.
    EXPECT_EQ(block[1].mid(w1 + 1), QString("AWS 2/6 fit").leftJustified(26) + FormZahl(40, 3, 1) + " %");
    EXPECT_EQ(prog().WorkStr[Slot::R], "Fita=1/3");

    // The norm keeps its weighting; a rate of 0 still gives an entry.
    PosTrenn("Stck=1,Typ=R1,Q,Bac=4111,R,Fit=0,ARBew=2,Pros=0", Stc);
    AusPfuiBtPos("YK ", Stc, block, count);
    ASSERT_GE(count, 1);
    EXPECT_EQ(block[1].mid(w1 + 1).toStdString(), QString("YK  0 fit").leftJustified(26).toStdString());
    EXPECT_EQ(prog().WorkStr[Slot::R], "Fit=0,ARBew=2");
}

class RankingReport : public Ranking {
protected:
    void run()
    {
        QString ergFile = dir.filePath("result.slk");
        QString errorFile;
        bool nurFehl = false;
        DruckQslProg(true, ergFile, errorFile, false, nurFehl, false, false);
    }
};

TEST_F(RankingReport, SublistAndComponentListsOfTheMethodsOfTheRun)
{
    useQpo("nested.qpo");
    // Norm 12: the norm list, then the MIL-HDBK-217F list (no results: none);
    // never a user-list list.
    prog().WorkStr[Slot::SyPar] = "Pw=ProQs,Ld=2,Qz=A,Qpdr=00045600,Qpsp=0000000,Qs%=5,Bt%=5,HwNw=0";
    prog().WorkStr[Slot::GlPar] = "Norm=12,Spnorm=1";
    run();
    const QString pages = dumpPages();
    expectGolden(pages.toUtf8(), "ranking-pages.txt");
    const qsizetype yk = pages.indexOf("Relevant Q-lists: >= 5 % of total failure rate using YK 70412");
    const qsizetype mil = pages.indexOf("Relevant Q-lists: >= 5 % of total failure rate using MIL HDBK 217F");
    EXPECT_GE(yk, 0);
    EXPECT_GT(mil, yk);
    EXPECT_FALSE(pages.contains("user-specific"));
    // SUB1 x4 holds 12/24 per unit: 48/96 of 58/106 (mean 82) is 87.8 %.
    EXPECT_TRUE(pages.contains("YK  48/96 fit")) << pages.toStdString();
    EXPECT_TRUE(pages.contains("87,8 %"));
    EXPECT_TRUE(pages.contains("Relevant Components: >= 5 % of total failure rate using YK 70412"));
}

TEST_F(RankingReport, ComponentListRowsOfTheResultFile)
{
    useQpo("nested.qpo");
    prog().WorkStr[Slot::SyPar] = "Pw=ProQs,Ld=2,Qz=A,Qpdr=00000000,Qpsp=0004000,Bt%=5,HwNw=0";
    run();
    const QByteArray slk = readFile(dir.filePath("result.slk"));
    expectGolden(slk, "ranking.slk");
    EXPECT_TRUE(slk.contains("C;K\"Failure rates for all components of the Quality-list:\""));
    EXPECT_TRUE(slk.contains("C;K\"fit  (mean)\""));
    EXPECT_TRUE(slk.contains("C;K\"%\""));
}

TEST_F(Ranking, ListsOfMethodsWithoutEntriesSayWhy)
{
    prog().WorkStr[Slot::GlPar] = "Norm=123,Spnorm=1";
    totals(1, 10, 5, 15);
    totals(3, 10, 5, 15); // the user list has no complete totals
    writeFile(tp2Path("pfuibts"), "");
    writeFile(tp2Path("pfuibtm"), "ABBRUCH100\r\n");
    DruckPfui("bt", false);
    PrNeueSeite(false, false);
    const QStringList texts = dumpPages().split('\n').filter("text ");
    auto indexOf = [&texts](const QString& part) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (texts[i].contains(part))
                return i;
        return qsizetype(-1);
    };
    const qsizetype yk = indexOf("Relevant Components: >= 0 % of total failure rate using YK 70412");
    const qsizetype aws = indexOf("Relevant Components: >= 0 % of total user-specific failure rate");
    const qsizetype mil = indexOf("Relevant Components: >= 0 % of total failure rate using MIL HDBK 217F");
    ASSERT_GE(yk, 0);
    EXPECT_TRUE(texts[yk + 1].endsWith(QString(11, ' ') + "None"));
    ASSERT_EQ(aws, yk + 2);
    EXPECT_TRUE(texts[aws + 1].contains("No results due to missing positions"));
    ASSERT_EQ(mil, aws + 2);
    EXPECT_TRUE(texts[mil + 1].contains("Not able to sort more than 100 items"));
    EXPECT_TRUE(texts[mil + 2].contains("Higher percentage-limit"));
}

TEST_F(RankingReport, ComponentListRowsWithoutResultFileNameWriteNothing)
{
    useQpo("nested.qpo");
    prog().WorkStr[Slot::SyPar] = "Pw=ProQs,Ld=2,Qz=A,Qpdr=00000000,Qpsp=0004000,Bt%=5,HwNw=0";
    QString ergFile;
    QString errorFile;
    bool nurFehl = false;
    DruckQslProg(true, ergFile, errorFile, false, nurFehl, false, false);
    EXPECT_FALSE(QFile::exists(tp1 + "/ergfile"));
    EXPECT_EQ(GetParam(prog().WorkStr[Slot::SyPar], "Pw"), "Hmenu"); // the report ran to its end
}

TEST_F(RankingReport, SpecialFormatWritesTheColumnsOfEveryComponentPosition)
{
    useQpo("nested.qpo");
    writeFile(prog().IniFile, "[Sonder-Formate]\r\nCols=Format=ASCII,NichtKopf=1,Typ=6,Stck=4,Ar=8\r\n");
    prog().WorkStr[Slot::SyPar] = "Pw=ProQs,Ld=2,Qz=A,Qpdr=00000000,Qpsp=0030000,Soform=Cols,HwNw=0";
    run();
    // The sub-list writes nothing; the top-level component C1 one row.
    const QByteArray result = readFile(dir.filePath("result.slk"));
    EXPECT_TRUE(result.endsWith("C1    1   10.00\r\n")) << result.toStdString();
    EXPECT_FALSE(result.startsWith("ID;"));
}

struct ListHead {
    const char* name;
    int spNorm;
    bool weighted;
    bool maxOnly;
    const char* firstExtraTitle; // the title behind "Vf"
    const char* lastUnit;        // the unit before "%"
};
void PrintTo(const ListHead& c, std::ostream* os) { *os << c.name; }

class ComponentListHead : public Ranking, public ::testing::WithParamInterface<ListHead> {};

TEST_P(ComponentListHead, TitlesAndUnitsOfTheStoredMethod)
{
    const ListHead& c = GetParam();
    prog().WorkStr[Slot::GlPar] = QString("Norm=123,Spnorm=%1").arg(c.spNorm);
    reportState().MaxWerte = c.maxOnly;
    totals(c.spNorm, 10, 5, 15);
    writeFile(tp2Path("filebt" + methodSuffix(c.spNorm)), "Stck=1,Typ=A,R,Fit=1\r\n");
    QBuffer erg;
    erg.open(QIODevice::WriteOnly);
    prog().WorkStr[Slot::SylkHead].clear();
    AusFileBtListe(c.weighted, erg);
    const QString rows = QString::fromLatin1(erg.data());
    EXPECT_TRUE(rows.contains(QString("C;K\"Vf\"\r\n")));
    const qsizetype vf = rows.indexOf("C;K\"Vf\"");
    const qsizetype next = rows.indexOf("C;K\"", vf + 6);
    EXPECT_EQ(rows.mid(next + 4, rows.indexOf('"', next + 4) - next - 4).toStdString(), c.firstExtraTitle);
    const qsizetype percent = rows.lastIndexOf("C;K\"%\"");
    const qsizetype unit = rows.lastIndexOf("C;K\"", percent - 1);
    EXPECT_EQ(rows.mid(unit + 4, rows.indexOf('"', unit + 4) - unit - 4).toStdString(), c.lastUnit);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, ComponentListHead,
    ::testing::Values(ListHead{"Norm", 1, false, false, "Tj / Tb", "fit  (mean)"},
                      ListHead{"NormMaxOnly", 1, false, true, "Tj / Tb", "fit  (max)"},
                      ListHead{"NormWeighted", 1, true, false, "Tj / Tb", "fit  (mean)"},
                      ListHead{"UserList", 2, true, false, "Tj / Tb", "fit  (mean)"},
                      ListHead{"MilWeighted", 3, true, false, "MIL-Bac", "fit  (mean)"},
                      ListHead{"MilMaxOnly", 3, false, true, "MIL-Bac", "fit  (max)"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Ranking, ComponentListWithoutCompleteTotalsSaysSo)
{
    prog().WorkStr[Slot::GlPar] = "Norm=1,Spnorm=1";
    writeFile(tp2Path("filebts"), "Stck=1,Typ=A,R,Fit=1\r\n");
    QBuffer erg;
    erg.open(QIODevice::WriteOnly);
    prog().WorkStr[Slot::SylkHead].clear();
    AusFileBtListe(false, erg);
    EXPECT_TRUE(erg.data().isEmpty());
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].contains("Failure rates for all components of the Quality-list:"));
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].contains("No results due to missing positions"));

    // With totals but an empty list file: no rows at all.
    totals(1, 10, 5, 15);
    writeFile(tp2Path("filebts"), "");
    prog().WorkStr[Slot::SylkHead].clear();
    AusFileBtListe(false, erg);
    EXPECT_TRUE(erg.data().isEmpty());
    EXPECT_TRUE(prog().WorkStr[Slot::SylkHead].isEmpty());
}

TEST_F(Ranking, GroupListFollowsTheGroupNumbers)
{
    writeFile(tp2Path("gr.31"), "Stck=1,Typ=THIRTYONE,Q,Bac=3111,R,Fit=1\r\n");
    writeFile(tp2Path("gr.12"), "Stck=2,Typ=TWELVE,Q,Bac=1211,R,Fit=1\r\n"
                                "Stck=0,Typ=NONE,Q,Bac=1211,R,Fit=1\r\n"
                                "Typ=NOQUANTITYFIRST,Stck=1,Q,Bac=1211,R,Fit=1\r\n");
    DruckBtGruppen(0, false, false, false);
    PrNeueSeite(false, false);
    const QString pages = dumpPages();
    const qsizetype twelve = pages.indexOf("TWELVE");
    const qsizetype thirtyOne = pages.indexOf("THIRTYONE");
    ASSERT_GE(twelve, 0);
    EXPECT_GT(thirtyOne, twelve);
    EXPECT_FALSE(pages.contains("NONE"));
    EXPECT_FALSE(pages.contains("NOQUANTITYFIRST"));
    EXPECT_FALSE(pages.contains("could not be assigned"));
}

TEST_F(Ranking, GroupListWithoutGroupsPrintsTheUnassignedQuantity)
{
    DruckBtGruppen(3, false, false, false);
    PrNeueSeite(false, false);
    const QString pages = dumpPages();
    EXPECT_TRUE(pages.contains("Component list sorted by groups:"));
    EXPECT_FALSE(pages.contains("Quantity Description")); // no column head without entries
    EXPECT_TRUE(pages.contains("3 Pcs Components could not be assigned to groups"));
}

struct SpecialCase {
    const char* name;
    const char* format;
    const char* position;
    const char* expected;
};
void PrintTo(const SpecialCase& c, std::ostream* os) { *os << c.name; }

class SpecialFormat : public Ranking, public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(SpecialFormat, PositionText)
{
    const SpecialCase& c = GetParam();
    QString Stc;
    PosTrenn(QString::fromUtf8(c.position), Stc);
    prog().WorkStr[Slot::SylkHead] = "before|";
    AusSonderFilePos(Stc, 1, QString::fromUtf8(c.format), "BE");
    EXPECT_EQ(prog().WorkStr[Slot::SylkHead].toStdString(), std::string("before|") + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SpecialFormat,
    ::testing::Values(
        SpecialCase{"Example", "Format=ASCII,NichtDruck=1,Typ=10,Stck=4,Ar=12", "Stck=3,Typ=ABC,R,Fit=2/4",
                    "ABC       3   9.00\r\n"},
        SpecialCase{"ControlKeysAnywhere", "Typ=4,FehlFile=1,Format=ASCII,NichtKopf=1,Ar=3", "Stck=1,Typ=AB,R,Fit=5",
                    "AB  5.00\r\n"},
        SpecialCase{"NotAscii", "Format=CSV,Typ=10,Ar=12", "Stck=3,Typ=ABC,R,Fit=2/4", ""},
        SpecialCase{"NoFormat", "Typ=10,Ar=12", "Stck=3,Typ=ABC,R,Fit=2/4", ""},
        SpecialCase{"UnknownColumnWritesNothing", "Format=ASCII,Bac=5,Typ=4,Ar=1", "Stck=1,Typ=AB,R,Fit=1",
                    "AB  1.00\r\n"},
        SpecialCase{"LongerValueIsCut", "Format=ASCII,Yk=3,Ar=1", "Stck=1,Yk=123456,R,Fit=1", "1231.00\r\n"},
        SpecialCase{"NoDesignationNoText", "Format=ASCII,Stck=3,Ar=1", "Stck=1,Q,Bac=4111,R,Fit=1", ""},
        SpecialCase{"WithoutArOneLine", "Format=ASCII,Typ=3", "Stck=1,Typ=AB,R,Fit=1", "AB "},
        SpecialCase{"ArInTheMiddleEndsTheRow", "Format=ASCII,Typ=3,Ar=1,Sl=2", "Stck=1,Typ=AB,Sl=K1,R,Fit=1",
                    "AB 1.00\r\nK1"},
        SpecialCase{"MissingResultKey", "Format=ASCII,Typ=3,Ar=1", "Stck=2,Typ=AB,R,Fitm=1", "AB 0.00\r\n"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Ranking, SpecialFormatDecimalPointUnderGermanSettings)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QString Stc;
    PosTrenn("Stck=1,Typ=AB,R,Fita=10/15", Stc);
    prog().WorkStr[Slot::SylkHead].clear();
    AusSonderFilePos(Stc, 2, "Format=ASCII,Ar=1", "BE");
    QLocale::setDefault(before);
    EXPECT_EQ(prog().WorkStr[Slot::SylkHead], "12.50\r\n");
}

} // namespace
