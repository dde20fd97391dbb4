#include "component_entry/belastein.h"
#include "frame/workslots.h"
#include "component_entry/pruefqkbelast.h"
#include "frame/paramstring.h"
#include "listingtestutil.h"

namespace {

class StressEntry : public etest::ListingTest {
protected:
    void SetUp() override
    {
        ListingTest::SetUp();
        prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
        prog().WorkStr[Slot::S].clear();
    }
    void q(const QString& list) { prog().WorkStr[Slot::Q] = list; }
    QString& S() { return prog().WorkStr[Slot::S]; }
    void key(const QString& k, const QString& letter) { ui().expect(QuestionKind::Screen, k, Answer::word(letter)); }
    void field(const QString& k, const QString& value) { screen(k, {value}); }
    QString run(const QString& mode = QStringLiteral("QSL"))
    {
        QString Ret;
        BelastEin(mode, Ret);
        EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u',').toStdString();
        return Ret;
    }
    // The answers of the worked example for the small-signal transistor BC847.
    void bc847Answers(const QString& tei = QStringLiteral("10"))
    {
        field(QStringLiteral("qsl\\kopfpos#dtu"), QStringLiteral("5"));
        key(QStringLiteral("btx\\milq#milqv"), QStringLiteral("1"));
        key(QStringLiteral("btx\\milq#qkl2"), QStringLiteral("2"));
        field(QStringLiteral("btx\\hl#teie"), tei);
        field(QStringLiteral("btx\\uif#ub"), QStringLiteral("5"));
        menu(QStringLiteral("btx\\div#drift"), QStringLiteral("2"));
        menu(QStringLiteral("btx\\div#zf"), QStringLiteral("2"));
        field(QStringLiteral("btx\\vftbzf#zfe"), QStringLiteral("50"));
    }
};

TEST_F(StressEntry, SmallSignalTransistorOfAQListPosition)
{
    q(QStringLiteral("Bac=2110,Tec=1000"));
    bc847Answers();
    run();
    EXPECT_EQ(S(), QStringLiteral("Dtu=5,Qkm=JANTX,Tei=10,Ub=5,Drift=1,Zf=50%"));
    QStringList panel = frmBEProgEin::state().QbSdTxt[2];
    panel.removeAll(QString());
    EXPECT_EQ(panel.join(u','), S()) << "side panel 2 shows the list";

    PruefQkBelast();
    const QStringList s = screenLines();
    const QStringList expected = {u'I' + msg(340),
                                  QStringLiteral("*"),
                                  QStringLiteral("*"),
                                  u'*' + msg(342),
                                  u'*' + msg(346, {QStringLiteral("JANTX")}),
                                  u'*' + msg(367, {QStringLiteral("10")}),
                                  u'*' + msg(370, {QStringLiteral("5")}),
                                  u'*' + msg(373),
                                  u'*' + msg(376, {QStringLiteral("50%")})};
    EXPECT_EQ(s, expected);
    EXPECT_EQ(printLines().value(1), u'U' + msg(341)) << "the heading on paper only";
}

TEST_F(StressEntry, SingleComponentRunAsksNoOffset)
{
    q(QStringLiteral("Bac=2110,Tec=1000"));
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    field(QStringLiteral("btx\\hl#teie"), QString());
    field(QStringLiteral("btx\\hl#nmw"), QStringLiteral("120"));
    field(QStringLiteral("btx\\uif#ub"), QString());
    menu(QStringLiteral("btx\\div#drift"), QStringLiteral("1"));
    cancelMenu(QStringLiteral("btx\\div#zf"));
    run(QStringLiteral("EBT"));
    EXPECT_EQ(S(), QStringLiteral("Nmw=120,Drift=0"));
}

TEST_F(StressEntry, OffsetIsNotAskedForLampsAndForContactGroupsButRelays)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=3710,Tec=1100"));
    field(QStringLiteral("btx\\uif#ub"), QStringLiteral("24"));
    run();
    q(QStringLiteral("Bac=5410,Tec=3000"));
    run();
    q(QStringLiteral("Bac=5310,Tec=112"));
    field(QStringLiteral("qsl\\kopfpos#dtu"), QStringLiteral(" 7"));
    field(QStringLiteral("btx\\div#tei"), QString());
    menu(QStringLiteral("btx\\div#lab"), QStringLiteral("0"));
    field(QStringLiteral("btx\\div#sh"), QString());
    menu(QStringLiteral("btx\\div#akr"), QStringLiteral("0"));
    run();
    EXPECT_EQ(S(), QStringLiteral("Ub=24,Dtu=7"));
}

TEST_F(StressEntry, NoMilQualityWithoutTheMethodOrForItsExceptions)
{
    for (const char* bac : {"3250", "3770", "3430"}) {
        prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
        q(QStringLiteral("Bac=") + QLatin1String(bac) + QStringLiteral(",Tec=1000"));
        S().clear();
        ui().always(QuestionKind::Screen, QStringLiteral("btx\\uif#ub"), Answer::word(QString()));
        ui().always(QuestionKind::Screen, QStringLiteral("btx\\uif#ib"), Answer::word(QString()));
        ui().always(QuestionKind::Screen, QStringLiteral("btx\\hl#teie"), Answer::word(QString()));
        ui().always(QuestionKind::Screen, QStringLiteral("btx\\div#degr"), Answer::word(QString()));
        ui().always(QuestionKind::Menu, QStringLiteral("btx\\div#zf"), Answer::cancel());
        run(QStringLiteral("EBT"));
        for (const Question& asked : ui().asked)
            EXPECT_FALSE(asked.key.startsWith(QLatin1String("btx\\milq"))) << bac;
    }
    ui().asked.clear();
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=13");
    q(QStringLiteral("Bac=6910,Tec=0000"));
    run(QStringLiteral("EBT"));
    EXPECT_TRUE(ui().asked.isEmpty());
}

TEST_F(StressEntry, MilQualityAsAFactor)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=2");
    q(QStringLiteral("Bac=6910,Tec=0000"));
    key(QStringLiteral("btx\\milq#milqv"), QStringLiteral("2"));
    field(QStringLiteral("btx\\milq#piqe"), QStringLiteral("2.5 "));
    run(QStringLiteral("EBT"));
    EXPECT_EQ(S(), QString(PiMark) + QStringLiteral("qem=2.5"));
}

struct ZenerCase {
    const char* answer;
    double Tref; // 0: the class has no row
    const char* tei; // "-": the self-heating question follows, answered empty
    const char* list;
};

class Zener : public StressEntry, public ::testing::WithParamInterface<ZenerCase> {};

TEST_P(Zener, ChoiceGivesTheSelfHeating)
{
    const ZenerCase& c = GetParam();
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    if (c.Tref > 0) {
        prog().SystDb.reset();
        Database::open(QStringLiteral("SYST_DB.sqlite"), false)
            ->execute(QStringLiteral("INSERT INTO ARMILQRM (BacTec, Armin, Armax, Tref, Dcode) VALUES ('22301000', 1, 2, ?, 'D22')"),
                      {c.Tref});
        prog().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
    }
    q(QStringLiteral("Bac=2230,Tec=1000"));
    if (QLatin1String(c.answer) == QLatin1String("cancel"))
        cancelMenu(QStringLiteral("btx\\div#zener"));
    else
        menu(QStringLiteral("btx\\div#zener"), QString::fromLatin1(c.answer));
    if (QLatin1String(c.tei) != QLatin1String("-")) {
        field(QStringLiteral("btx\\hl#teie"), QString::fromLatin1(c.tei));
        if (QLatin1String(c.tei).isEmpty())
            field(QStringLiteral("btx\\hl#nmw"), QString());
    }
    run(QStringLiteral("EBT"));
    EXPECT_EQ(S(), QString::fromLatin1(c.list));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Zener,
    ::testing::Values(ZenerCase{"0", 55, "-", "Tei=0/15"},
                      // Reference temperature 40: the difference 0 is taken as 30.
                      ZenerCase{"0", 40, "-", "Tei=0/30"},
                      // No reference temperature at all: as for 40, not -40.
                      ZenerCase{"0", 0, "-", "Tei=0/30"}, ZenerCase{"1", 55, "-", "Tei=0"},
                      // Answer 2 derives a value that an entered self-heating replaces.
                      ZenerCase{"2", 55, "", "Tei=15"}, ZenerCase{"2", 55, "8", "Tei=8"},
                      ZenerCase{"cancel", 55, "", ""}));

TEST_F(StressEntry, UnitsLargerThanTheMultipleFactorAreRefusedUntilTheyFit)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=5510,Tec=3000,Vf=4"));
    ui().expect(QuestionKind::Screen, QStringLiteral("btx\\vftbzf#vfi"), [](const Question&) {
        EXPECT_EQ(frmBEProgEin::state().EingabeFelder.value(1), QStringLiteral("4")) << "preset with Vf";
        Answer a;
        a.values = QStringList{QString(), QStringLiteral("6")};
        return a;
    });
    ui().expect(QuestionKind::Message, QStringLiteral("74"), Answer::button(Mb::OK));
    field(QStringLiteral("btx\\vftbzf#vfi"), QStringLiteral("h"));
    message(QStringLiteral("95"));
    field(QStringLiteral("btx\\vftbzf#vfi"), QStringLiteral("2"));
    field(QStringLiteral("btx\\div#sh"), QStringLiteral(" 12 "));
    field(QStringLiteral("btx\\uif#ub"), QString());
    field(QStringLiteral("btx\\uif#ib"), QString());
    EXPECT_EQ(run(), QStringLiteral("")) << "the last screen's result word";
    EXPECT_EQ(S(), QStringLiteral("Vfi=2,Sh=12"));
}

TEST_F(StressEntry, RelayCancelledMenusFollowTheirRules)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=5320,Tec=112,Vf=2"));
    field(QStringLiteral("qsl\\kopfpos#dtu"), QString());
    field(QStringLiteral("btx\\vftbzf#vfi"), QStringLiteral("2"));
    field(QStringLiteral("btx\\div#tei"), QStringLiteral("4"));
    cancelMenu(QStringLiteral("btx\\div#lab"));
    cancelMenu(QStringLiteral("btx\\div#acdc"));
    field(QStringLiteral("btx\\div#sh"), QString());
    cancelMenu(QStringLiteral("btx\\div#akr"));
    cancelMenu(QStringLiteral("btx\\div#zf"));
    run();
    // As designed: an empty menu answer is not "0" and is stored; no kind of load
    // is asked after it; the cancelled duty cycle appends nothing.
    EXPECT_EQ(S(), QStringLiteral("Tei=4,Lab=,Acdc=,Akr="));
}

TEST_F(StressEntry, RelayLoadDataAndTheirListing)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=5320,Tec=112"));
    field(QStringLiteral("qsl\\kopfpos#dtu"), QString());
    field(QStringLiteral("btx\\div#tei"), QString());
    menu(QStringLiteral("btx\\div#lab"), QStringLiteral("2"));
    menu(QStringLiteral("btx\\div#trcl"), QStringLiteral("R"));
    menu(QStringLiteral("btx\\div#acdc"), QStringLiteral("D"));
    field(QStringLiteral("btx\\div#sh"), QStringLiteral("1"));
    menu(QStringLiteral("btx\\div#akr"), QStringLiteral("S"));
    run();
    EXPECT_EQ(S(), QStringLiteral("Lab=2,Kl=R,Acdc=D,Sh=1,Akr=S"));
    PruefQkBelast();
    const QStringList s = screenLines().mid(3);
    EXPECT_EQ(s, (QStringList{u'*' + msg(342), u'*' + msg(355),
                              u'*' + msg(357, {QStringLiteral("2")}) + QStringLiteral("U > 0,5 V, I <= 100 mA  ")
                                  + msg(359) + QStringLiteral("  DC"),
                              u'*' + msg(364)}));
}

TEST_F(StressEntry, DutyCycleOfPassivePartsNeedsASelfHeatingAlsoAnOldOne)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=4310,Tec=1000"));
    field(QStringLiteral("qsl\\kopfpos#dtu"), QString());
    field(QStringLiteral("btx\\div#tei"), QString());
    run();
    EXPECT_TRUE(S().isEmpty()) << "an empty list stays empty";
    S() = QStringLiteral("Tei=3");
    field(QStringLiteral("qsl\\kopfpos#dtu"), QString());
    field(QStringLiteral("btx\\div#tei"), QString());
    menu(QStringLiteral("btx\\div#zf"), QStringLiteral("2"));
    field(QStringLiteral("btx\\vftbzf#zfe"), QStringLiteral("30"));
    run();
    EXPECT_EQ(S(), QStringLiteral("Tei=3,Zf=30%"));
}

TEST_F(StressEntry, DriftHelpShowsItsPageAndAsksAgain)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=1");
    q(QStringLiteral("Bac=1610,Tec=1000,Gec=CHIP"));
    field(QStringLiteral("btx\\hl#teie"), QString());
    field(QStringLiteral("btx\\uif#ub"), QString());
    menu(QStringLiteral("btx\\div#drift"), QStringLiteral("HELP"));
    ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\drift.txt"), Answer::word(QString()));
    cancelMenu(QStringLiteral("btx\\div#drift"));
    cancelMenu(QStringLiteral("btx\\div#zf"));
    run(QStringLiteral("EBT"));
    EXPECT_EQ(S(), QStringLiteral("Drift=0/1")) << "no power asked for a bare chip; a cancelled drift menu is 0/1";
}

struct QualityListCase {
    const char* bac;
    const char* norm;
    const char* stress;
    std::vector<std::pair<int, std::vector<const char*>>> lines; // message and arguments after the head
};

class QualityListing : public StressEntry, public ::testing::WithParamInterface<QualityListCase> {};

TEST_P(QualityListing, Lines)
{
    const QualityListCase& c = GetParam();
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=") + QLatin1String(c.norm);
    q(QStringLiteral("Bac=") + QLatin1String(c.bac) + QStringLiteral(",Vf=4"));
    S() = QString::fromLatin1(c.stress);
    PruefQkBelast();
    QStringList expected;
    for (const auto& [id, args] : c.lines) {
        QStringList a;
        for (const char* x : args)
            a << QString::fromLatin1(x);
        if (id == 149)
            expected << QString(QChar(149)) + msg(348, {QString(PiMark), a.value(0)});
        else if (id < 0)
            expected << QStringLiteral("*Deg: ") + msg(-id, a);
        else
            expected << u'*' + msg(id, a);
    }
    EXPECT_EQ(screenLines().mid(3), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QualityListing,
    ::testing::Values(
        QualityListCase{"2110", "1", "", {{342, {}}, {375, {"100%"}}}},
        QualityListCase{"2110", "13", "Drift=0/1", {{342, {}}, {345, {}}, {374, {}}, {375, {"100%"}}}},
        QualityListCase{"2110", "2", "\xe3qem=3", {{347, {}}, {149, {"3"}}, {375, {"100%"}}}},
        QualityListCase{"4110", "2", "Qkm=S,Tei=5", {{346, {"S"}}, {351, {"S", "MIL-M-38510 Class C"}}, {368, {"5"}}, {375, {"100%"}}}},
        QualityListCase{"4110", "2", "Qkm=P/M", {{346, {"P/M"}}, {350, {"P/M"}}, {375, {"100%"}}}},
        QualityListCase{"5110", "1", "Tei=3,Ub=5", {{342, {}}}},
        QualityListCase{"3250", "1", "Degr=5,Ib=2", {{342, {}}, {-349, {"5"}}, {371, {"2"}}, {375, {"100%"}}}}));

TEST_F(StressEntry, UnitsLineNamesPinsContactsOrStandsAlone)
{
    prog().WorkStr[Slot::GlPar] = QStringLiteral("Norm=3");
    const std::pair<const char*, QString> cases[] = {{"5210", msg(352) + msg(353, {QStringLiteral("2")})},
                                                     {"5310", msg(352) + msg(354, {QStringLiteral("2")})},
                                                     {"5510", msg(352)}};
    for (const auto& [bac, line] : cases) {
        q(QStringLiteral("Bac=") + QLatin1String(bac) + QStringLiteral(",Vf=4"));
        S() = QStringLiteral("Vfi=2");
        ErgLf(-1, -1);
        PruefQkBelast();
        EXPECT_EQ(screenLines().mid(3), (QStringList{u'*' + msg(345), u'*' + line})) << bac;
    }
    q(QStringLiteral("Bac=5510,Vf=2"));
    ErgLf(-1, -1);
    PruefQkBelast();
    EXPECT_EQ(screenLines().mid(3), (QStringList{u'*' + msg(345)})) << "all units in use: no line";
}

} // namespace
