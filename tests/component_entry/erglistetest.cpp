#include "component_entry/ergliste.h"
#include "frame/workslots.h"
#include "component_entry/kommerg.h"
#include "component_entry/weiterwahl.h"
#include "frame/formatters.h"

#include <QFile>
#include <cctype>
#include "listingtestutil.h"

namespace {

class ResultListing : public etest::ListingTest {
protected:
    void SetUp() override
    {
        ListingTest::SetUp();
        Program& p = prog();
        p.Cf = QStringLiteral("No1=YK 70412/2004-09,No2=MIL-HDBK-217F/Notice2,No3=Anwenderliste/Ver.1.0");
        p.WorkStr[Slot::GlPar] = QStringLiteral("Norm=13,Tu=40");
        for (int i = 3; i <= 8; ++i)
            p.WorkStr[size_t(i)].clear();
    }
    void addErwa(const QString& code, const QString& text)
    {
        prog().SystDb.reset();
        Database::open(QStringLiteral("SYST_DB.sqlite"), false)
            ->execute(QStringLiteral("INSERT INTO ERWA (Fecode, M1, M2) VALUES (?, ?, ?)"), {code, text, text});
        prog().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
    }
    static QString box(std::initializer_list<int> codes)
    {
        QString s;
        for (int c : codes)
            s += QChar(c);
        return s;
    }
};

TEST_F(ResultListing, TableOfNormAndUserListRates)
{
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=100/200,Fita=40/60");
    ErgTabelle(QStringLiteral("13"));
    const QChar v(179);
    const QString h20(20, QChar(196)), h9(9, QChar(196)), h12(12, QChar(196)), h5(5, QChar(196));
    // Means 150 and 50: one decimal (50 is below 100).
    const QStringList expected = {
        QStringLiteral("*"),
        u'U' + msg(393, {QStringLiteral("40")}),
        u'H' + QChar(218) + h20 + QChar(194) + h9 + QChar(194) + h12 + QChar(194) + h12 + QChar(194) + h12
            + QChar(194) + h5 + QChar(191),
        u'H' + v + QStringLiteral(" Norm bzw. Handbuch ") + v + QStringLiteral("  Stand  ") + v
            + QStringLiteral(" AR minimal ") + v + QStringLiteral(" AR maximal ") + v + QStringLiteral("  AR mittel ") + v
            + QStringLiteral("     ") + v,
        u'H' + QChar(195) + h20 + QChar(197) + h9 + QChar(197) + h12 + QChar(197) + h12 + QChar(197) + h12
            + QChar(197) + h5 + QChar(180),
        u'H' + v + QStringLiteral(" YK 70412           ") + v + QStringLiteral(" 2004-09 ") + v
            + QStringLiteral("      100   ") + v + QStringLiteral("      200   ") + v + QStringLiteral("      150   ")
            + v + QStringLiteral(" fit ") + v,
        u'H' + v + QStringLiteral(" Anwenderliste      ") + v + QStringLiteral(" Ver.1.0 ") + v
            + QStringLiteral("       40   ") + v + QStringLiteral("       60   ") + v + QStringLiteral("       50   ")
            + v + QStringLiteral(" fit ") + v,
        u'H' + QChar(192) + h20 + QChar(193) + h9 + QChar(193) + h12 + QChar(193) + h12 + QChar(193) + h12
            + QChar(193) + h5 + QChar(217)};
    EXPECT_EQ(screenLines(), expected);
    for (const QString& l : expected.mid(2))
        EXPECT_EQ(l.size(), 78) << "77 characters after the letter";
}

struct DecimalsCase {
    const char* results;
    const char* norm;
    const char* normMean;
};

class Decimals : public ResultListing, public ::testing::WithParamInterface<DecimalsCase> {};

TEST_P(Decimals, FollowTheSmallestMeans)
{
    prog().WorkStr[Slot::R] = QString::fromLatin1(GetParam().results);
    ErgTabelle(QString::fromLatin1(GetParam().norm));
    const QString row = screenLines().value(5);
    EXPECT_EQ(row.mid(60, 10), QString::fromLatin1(GetParam().normMean)) << row.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, Decimals,
                         ::testing::Values(
                             // 150 and 0.05: three decimals (0.05 is below 0.1).
                             DecimalsCase{"Fit=100/200,Fita=.04/.06", "13", "   150    "},
                             // 0.05 first sets three, the user list's 0.5 then two.
                             DecimalsCase{"Fit=.04/.06,Fita=.4/.6", "13", "      0.05"},
                             DecimalsCase{"Fit=100/200", "1", "       150"},
                             DecimalsCase{"Fit=10/20", "1", "      15  "}));

TEST_F(ResultListing, EditionColumnTakesTheLastSevenOfAZeroAndTheEdition)
{
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=1/3");
    prog().Cf = QStringLiteral("No1=YK/12345");
    ErgTabelle(QStringLiteral("1"));
    EXPECT_EQ(screenLines().value(5).mid(23, 9), QStringLiteral(" 012345 ") + QChar(179))
        << "a short edition makes the column narrower";
    ErgLf(-1, -1);
    prog().Cf = QStringLiteral("No1=YK/ABCDEFGH");
    ErgTabelle(QStringLiteral("1"));
    EXPECT_EQ(screenLines().value(5).mid(23, 10), QStringLiteral(" BCDEFGH ") + QChar(179));
}

TEST_F(ResultListing, NoRateGivesTheBreakOffHeadingAndAnEmptyTable)
{
    prog().WorkStr[Slot::R] = QStringLiteral("Nev=1");
    ErgTabelle(QStringLiteral("13"));
    const QStringList s = screenLines();
    ASSERT_EQ(s.size(), 6);
    EXPECT_EQ(s[1], u'U' + msg(394));
    EXPECT_TRUE(s[5].startsWith(u'H' + QChar(192)));
    // A minimum of 0 has no row even with a maximum.
    ErgLf(-1, -1);
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=0/5");
    ErgTabelle(QStringLiteral("1"));
    EXPECT_EQ(screenLines().size(), 6);
}

TEST_F(ResultListing, ErrorsWarningsAndALongWarningSplit)
{
    QString long79 = QStringLiteral("Warnung ");
    while (long79.size() < 79)
        long79 += QStringLiteral("abcd ");
    long79 = long79.left(79);
    ASSERT_NE(long79[78], u' ');
    addErwa(QStringLiteral("W1"), QStringLiteral("Erste Warnung"));
    addErwa(QStringLiteral("W2"), long79);
    prog().WorkStr[Slot::F] = QStringLiteral("Err=BacFit,Err=Other,Warn=W1,Warn=W2");
    prog().WorkStr[Slot::R] = QStringLiteral(",Nev=1,Fit=5/7");
    ErgFehlList();
    QString first = long79, rest;
    TextUmbruch(first, 78, QStringLiteral(" -,"), rest);
    const QStringList s = screenLines();
    ASSERT_GE(s.size(), 7);
    EXPECT_EQ(s.mid(0, 7), (QStringList{u'I' + msg(377), QStringLiteral("*"), u'U' + msg(378),
                                        QStringLiteral("*Klasse und Technologie fehlen"),
                                        QStringLiteral("*Erste Warnung"), u'*' + first,
                                        QStringLiteral("*          ") + rest}));
    EXPECT_EQ(prog().WorkStr[Slot::R], QStringLiteral("Nev=1,Fit=5/7")) << "the leading comma goes";
    EXPECT_FALSE(rest.isEmpty());
}

TEST_F(ResultListing, IntermediateResultsDefaultsAndRates)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
    prog().WorkStr[Slot::Q] = QStringLiteral("Bac=1610,Ntyp=30");
    prog().WorkStr[Slot::R] =
        QStringLiteral("Tj=55,Rtv=120,Qkvm=B,Acdcv=D,Nev=1,Tur=2,Ar=5,Tref=55,Fit=5/7,Bacm=M1,C1m=.01,Fitm=3/4");
    ErgFehlList();
    const QStringList s = screenLines();
    EXPECT_EQ(s.mid(2), (QStringList{QStringLiteral("*"), u'U' + msg(379), u'*' + msg(542, {QStringLiteral("120")}),
                                     u'*' + msg(383, {QStringLiteral("55"), QStringLiteral("Ntyp")}),
                                     u'*' + msg(387, {QStringLiteral("B")}),
                                     u'*' + msg(390, {QStringLiteral("DC")}), QStringLiteral("*YKA: Ar=5,Tref=55"),
                                     QStringLiteral("*MIL: Bacm=M1,C1m=.01")}));
    EXPECT_TRUE(printLines().contains(u'U' + msg(379)));
}

TEST_F(ResultListing, WithoutAnyRateTheMissingDataLine)
{
    prog().WorkStr[Slot::S] = QStringLiteral("Tei=5");
    prog().WorkStr[Slot::R] = QStringLiteral("Tj=60,Nev=1");
    ErgFehlList();
    EXPECT_EQ(screenLines().mid(2), (QStringList{QStringLiteral("*"), u'U' + msg(379),
                                                 u'*' + msg(380, {QStringLiteral("60")}), u'*' + msg(392)}));
}

// ---- comments

struct CondCase {
    const char* name;
    const char* norm;    // method list
    const char* results; // R section
    const char* q;       // Q section
    const char* s;       // S section
    const char* cond;
    bool holds;
};

class Condition : public ResultListing, public ::testing::WithParamInterface<CondCase> {};

TEST_P(Condition, Holds)
{
    const CondCase& c = GetParam();
    prog().WorkStr[Slot::GlPar] = QString::fromLatin1(c.norm);
    prog().WorkStr[Slot::R] = QString::fromLatin1(c.results);
    prog().WorkStr[Slot::Q] = QString::fromLatin1(c.q);
    prog().WorkStr[Slot::S] = QString::fromLatin1(c.s);
    QString cond = QString::fromLatin1(c.cond);
    bool result = !c.holds;
    KommBedingung(cond, result);
    EXPECT_EQ(result, c.holds) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Condition,
    ::testing::Values(
        CondCase{"user list without rate", "Norm=13", "Fit=10/20", "", "", "Norm=3", false},
        CondCase{"norm with rate", "Norm=13", "Fit=10/20", "", "", "Norm=3/1", false},
        CondCase{"any digit", "Norm=13", "Fit=10/20", "", "", "Norm=31", true},
        CondCase{"no result at all", "Norm=13", "", "", "", "", false},
        CondCase{"empty condition", "Norm=1", "Fit=1/1", "", "", "", true},
        CondCase{"class 3??", "Norm=1", "Fit=1/1", "Bac=31", "", "Bac=3??", true},
        CondCase{"class 31 against 319", "Norm=1", "Fit=1/1", "Bac=3190", "", "Bac=31", true},
        CondCase{"class 31 against 321", "Norm=1", "Fit=1/1", "Bac=3210", "", "Bac=31", false},
        CondCase{"-AB against AC", "Norm=1", "Fit=1/1", "Tec=AC", "", "Tec=-AB", false},
        CondCase{"-AB against CA", "Norm=1", "Fit=1/1", "Tec=CA", "", "Tec=-AB", true},
        CondCase{"Zf 100 without Zf", "Norm=1", "Fit=1/1", "", "", "Zf=100", true},
        CondCase{"Zf -100 without Zf", "Norm=1", "Fit=1/1", "", "", "Zf=-100", false},
        CondCase{"Zf -100 with 50%", "Norm=1", "Fit=1/1", "", "Zf=50%", "Zf=-100", true},
        CondCase{"Env -GB on GF", "Norm=1,Env=GF", "Fit=1/1", "", "", "Env=-GB", true},
        CondCase{"Env -GB on GB", "Norm=1,Env=GB", "Fit=1/1", "", "", "Env=-GB", false},
        CondCase{"Env NS on GB", "Norm=1,Env=GB", "Fit=1/1", "", "", "Env=NS", false},
        CondCase{"Arh 1 of 30 against 10", "Norm=13", "Fit=30/30,Fita=10/10", "", "", "Arh=1", true},
        CondCase{"Art 3 of 10 against 30 and 0", "Norm=13", "Fit=30/30,Fita=10/10", "", "", "Art=3", false},
        CondCase{"Arh untested with one result", "Norm=13", "Fit=30/30", "", "", "Arh=3", true},
        CondCase{"Arh outside 1 to 3", "Norm=13", "Fit=30/30,Fita=10/10", "", "", "Arh=4", false},
        CondCase{"Gec in any case", "Norm=1", "Fit=1/1", "Gec=to92", "", "Gec=TO92", true},
        CondCase{"Qklm absent in the component", "Norm=1", "Fit=1/1", "", "", "Qklm=B", true},
        CondCase{"Qklm differs", "Norm=1", "Fit=1/1", "", "Qklm=S", "Qklm=B", false},
        CondCase{"all keys pass", "Norm=12,Env=GB", "Fit=1/1,Fitm=5/5", "Bac=2110,Tec=1000,Gec=TO92", "Zf=50%",
                 "Norm=2,Env=GB,Bac=21,Tec=1,Gec=TO92,Zf=50", true}),
    [](const ::testing::TestParamInfo<CondCase>& i) {
        std::string n;
        for (const char* c = i.param.name; *c; ++c)
            n += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return n;
    });

class Comments : public ResultListing {
protected:
    void file(const QByteArray& lines) { d.write(QStringLiteral("dd/btx/kbn.txt"), lines); }
};

TEST_F(Comments, ActiveBlocksUnderOneHeadingUntilTheEndLine)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=1/1");
    prog().WorkStr[Slot::Q] = QStringLiteral("Bac=2110");
    file("*never listed\r\n"
         "\x10" "Bac=3" "\x11\r\n"
         "*not for this class\r\n"
         "x\x10" "Bac=2" "\x11 y\r\n"
         "*first\r\n"
         "Usecond   \r\n"
         "\x10" "Norm=1\r\n"
         "*third, the condition ran to the line's end\r\n"
         "\x10" "ENDE" "\x11\r\n"
         "*after the end\r\n");
    KommErg();
    EXPECT_EQ(screenLines(), (QStringList{QStringLiteral("ITARN  KOMMENTARE ZU DEN ERMITTELTEN ERGEBNISSEN"),
                                          QStringLiteral("*"), QStringLiteral("*first"), QStringLiteral("Usecond"),
                                          QStringLiteral("*third, the condition ran to the line's end")}));
    EXPECT_EQ(printLines().mid(0, 3), (QStringList{QStringLiteral("*"),
                                                   QStringLiteral("UKommentare zu den ermittelten Ergebnissen"),
                                                   QStringLiteral("*")}));
}

TEST_F(Comments, NothingWithoutActiveBlockOrWithoutFile)
{
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=1/1");
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    file("\x10" "Norm=2" "\x11\r\n*no\r\n");
    KommErg();
    EXPECT_EQ(prog().ErgZeilenC + prog().ErgZeilenT, 0);
    QFile::remove(d.dir.filePath(QStringLiteral("dd/btx/kbn.txt")));
    KommErg();
    EXPECT_EQ(prog().ErgZeilenC + prog().ErgZeilenT, 0);
}

TEST_F(Comments, InstalledFilesHaveTheirHeadingInEachLanguage)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    prog().WorkStr[Slot::R] = QStringLiteral("Fit=1/1");
    prog().WorkStr[Slot::Q] = QStringLiteral("Bac=1310");
    KommErg();
    EXPECT_EQ(screenLines().value(0), QStringLiteral("ITARN  KOMMENTARE ZU DEN ERMITTELTEN ERGEBNISSEN"));
    ASSERT_TRUE(testutil::copyTree(testutil::sourceDir() + QStringLiteral("/data/install/de"),
                                   d.dir.filePath(QStringLiteral("de"))));
    prog().LangDir = QStringLiteral("de\\");
    prog().LangNr = 2;
    ErgLf(-1, -1);
    KommErg();
    EXPECT_EQ(screenLines().value(0), QStringLiteral("ITARN  COMMENTS TO THE RESULTS"));
    EXPECT_GT(prog().ErgZeilenC, 2);
}

// ---- next step

struct NextCase {
    const char* ret;     // "" cancels the menu
    const char* beaprof; // "" cancels, "-" not asked
    const char* word;
    const char* methods; // WorkStr 1 afterwards
    bool control, position, stress, results;
};

class NextStep : public ResultListing, public ::testing::WithParamInterface<NextCase> {};

TEST_P(NextStep, PreparesTheWorkStrings)
{
    const NextCase& c = GetParam();
    Program& p = prog();
    p.WorkStr[Slot::SyPar] = QStringLiteral("Re=Ber");
    p.WorkStr[Slot::GlPar] = QStringLiteral("Norm=12,Env=GB,Envm=GB,Tu=40,Vl=0");
    for (int i = 2; i <= 8; ++i)
        p.WorkStr[size_t(i)] = QStringLiteral("x");
    auto answer = [this](const char* key, const char* code) {
        if (*code)
            menu(QString::fromLatin1(key), QString::fromLatin1(code));
        else
            cancelMenu(QString::fromLatin1(key));
    };
    answer("btx\\div#ret", c.ret);
    if (QLatin1String(c.beaprof) != QLatin1String("-"))
        answer("btx\\div#beaprof", c.beaprof);
    EXPECT_EQ(WeiterWahl(), QString::fromLatin1(c.word));
    EXPECT_TRUE(ui().allUsed());
    EXPECT_EQ(p.WorkStr[Slot::GlPar], QString::fromLatin1(c.methods));
    EXPECT_EQ(p.WorkStr[Slot::SyPar].isEmpty(), c.control);
    EXPECT_EQ(p.WorkStr[Slot::Ident].isEmpty(), c.position);
    EXPECT_EQ(p.WorkStr[Slot::S].isEmpty(), c.stress);
    EXPECT_EQ(p.WorkStr[Slot::F].isEmpty() && p.WorkStr[Slot::R].isEmpty(), c.results);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextStep,
    ::testing::Values(NextCase{"1", "-", "ABBRUCH", "", true, true, true, true},
                      NextCase{"2", "-", "KB", "Norm=12,Env=GB,Envm=GB,Tu=40,Vl=0", false, true, true, true},
                      NextCase{"3", "", "GL", "Norm=12,Env=GB,Envm=GB,Tu=40,Vl=0", false, false, false, true},
                      NextCase{"3", "1", "GL", "Norm=12,Tu=40,Vl=0", false, false, false, true},
                      NextCase{"3", "2", "GL", "Norm=12,Env=GB,Envm=GB", false, false, false, true},
                      NextCase{"4", "3", "SD", "Norm=12", false, false, true, true},
                      NextCase{"", "-", "", "Norm=12,Env=GB,Envm=GB,Tu=40,Vl=0", false, false, false, false}));

} // namespace
