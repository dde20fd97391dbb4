#include "common/testlinks.h"
#include "component_entry/classparameters.h"
#include "component_entry/posstress.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
#include "component_file/dosfile.h"
#include "frame/workslots.h"
#include "listingtestutil.h"

namespace {

// A position line of a Q-list whose component BC847 is in a small internal
// component file.
class PositionStress : public etest::ListingTest {
protected:
    void SetUp() override
    {
        ListingTest::SetUp();
        lockWait() = LockWait{};
        lockWait().pauseMs = 5;
        Program& p = prog();
        bin = d.dir.filePath(QStringLiteral("int"));
        QDir().mkpath(bin);
        p.Cf = QStringLiteral("De=dd\\,Bin=") + bin + QStringLiteral(",G21=2");
        QString header;
        ASSERT_TRUE(InitInh(bin, header));
        ASSERT_TRUE(InitBtDatei());
        block("21000", "Typ=BC847,Q,Bac=2110,Tec=1000\r\n\r\n");
        index("BC847", "21000");
        p.WorkStr[Slot::GlPar] = QStringLiteral("Norm=12");
        testLinks.edit<ComponentEditorLink>() = ComponentEditorLink{};
    }
    void TearDown() override { lockWait() = LockWait{}; }
    void block(const char* address, const QByteArray& text)
    {
        testutil::writeFile(QString(blockFilePath(bin, QLatin1String(address))).replace(u'\\', u'/'), text);
    }
    void index(const char* type, const char* address)
    {
        const int lock = takeWriteLock(bin, 1);
        ASSERT_GT(lock, 0);
        int n = 0;
        QString found;
        ASSERT_TRUE(InsInh(QString::fromLatin1(type).leftJustified(18) + u'T' + QLatin1String(address), n, found));
        forgetCachedPages(1);
        FClose(lock);
    }
    // The screen listing shown next, recorded when it is shown.
    void listing(QStringList* shown, const QString& word = QString())
    {
        ui().expect(QuestionKind::TextPage, QStringLiteral("#7"), [shown, word](const Question&) {
            if (shown)
                *shown = screenLines();
            return Answer::word(word);
        });
    }
    void answers(const QString& tei)
    {
        screen(QStringLiteral("qsl\\kopfpos#dtu"), {QStringLiteral("5")});
        ui().expect(QuestionKind::Screen, QStringLiteral("btx\\milq#milqv"), Answer::word(QStringLiteral("1")));
        ui().expect(QuestionKind::Screen, QStringLiteral("btx\\milq#qkl2"), Answer::word(QStringLiteral("2")));
        screen(QStringLiteral("btx\\hl#teie"), {tei});
        screen(QStringLiteral("btx\\uif#ub"), {QStringLiteral("5")});
        menu(QStringLiteral("btx\\div#drift"), QStringLiteral("2"));
        menu(QStringLiteral("btx\\div#zf"), QStringLiteral("2"));
        screen(QStringLiteral("btx\\vftbzf#zfe"), {QStringLiteral("50")});
    }
    // A message expected with its text holding part.
    void messageWith(const char* id, const QString& part, int button = Mb::OK)
    {
        ui().expect(QuestionKind::Message, QString::fromLatin1(id), [part, button](const Question& q) {
            EXPECT_TRUE(q.text.contains(part)) << q.text.toStdString();
            return Answer::button(button);
        });
    }
    QString bin;
    ReplacedLinks testLinks;
};

TEST_F(PositionStress, StressCommandRebuildsTheLineAndAnEntryAgainReplacesItsItems)
{
    QString pos = QStringLiteral("Stck=2,Typ=BC847,Sl=R1! spare  ");
    QStringList first, second;
    listing(&first);
    answers(QStringLiteral("10"));
    listing(&second);
    PosStressEingabe(pos, false);
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u',').toStdString();
    EXPECT_EQ(pos, QStringLiteral("Stck=2,Typ=BC847,Sl=R1,S,Dtu=5,Qkm=JANTX,Tei=10,Ub=5,Drift=1,Zf=50%! spare"));
    EXPECT_EQ(first.value(0), u'I' + msg(300));
    EXPECT_TRUE(first.contains(QStringLiteral("*Code       : Bac = 2110  Tec = 1000")));
    EXPECT_EQ(second.value(0), u'I' + msg(340)) << "the screen listing was rewound after the first showing";
    EXPECT_TRUE(second.contains(u'*' + msg(376, {QStringLiteral("50%")})));

    listing(nullptr);
    answers(QStringLiteral("20"));
    listing(nullptr);
    PosStressEingabe(pos, false);
    EXPECT_EQ(pos, QStringLiteral("Stck=2,Typ=BC847,Sl=R1,S,Dtu=5,Qkm=JANTX,Tei=20,Ub=5,Drift=1,Zf=50%! spare"))
        << "the items asked again take their old places";
}

TEST_F(PositionStress, ItemsNotAskedStayAndOtherSectionsAreDropped)
{
    QString pos = QStringLiteral("Stck=1,Typ=BC847,Qm=X,Q,Bac=2110,S,Tei=3,Rw=1,F,Err=Kom,R,Fit=1/2");
    listing(nullptr);
    answers(QStringLiteral("10"));
    listing(nullptr);
    PosStressEingabe(pos, false);
    EXPECT_EQ(pos, QStringLiteral("Stck=1,Typ=BC847,S,Tei=10,Rw=1,Dtu=5,Qkm=JANTX,Ub=5,Drift=1,Zf=50%"));
}

TEST_F(PositionStress, RefusalsLeaveTheLine)
{
    struct Case {
        QString line;
        const char* id;
        QString part;
    };
    const Case cases[] = {
        {QStringLiteral("Lnr=A00001,Typ=Head"), "51", ResText(QStringLiteral("52"), 1, true)},
        {QStringLiteral("Typ=X,Stck=1"), "51", ResText(QStringLiteral("52"), 1, true)},
        {QStringLiteral("Stck=1,Qm=Qsl,Lnr=A00002"), "57", QStringLiteral("Lnr=A00002  ist kein Bauelement")},
        {QStringLiteral("Stck=1,Typ=UNKNOWN"), "53", QStringLiteral("Typ=UNKNOWN wurde")},
    };
    for (const Case& c : cases) {
        QString pos = c.line;
        messageWith(c.id, c.part);
        PosStressEingabe(pos, false);
        EXPECT_EQ(pos, c.line);
        EXPECT_TRUE(ui().allUsed()) << c.id;
    }
}

TEST_F(PositionStress, ADamagedComponentFileIsReportedNotPassedOverSilently)
{
    index("BROKEN", "21000"); // the block holds no such record
    QString pos = QStringLiteral("Stck=1,Typ=BROKEN");
    ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), Answer::button(Mb::OK));
    messageWith("53", QStringLiteral("Typ=BROKEN"));
    PosStressEingabe(pos, false);
    EXPECT_TRUE(ui().allUsed());
    EXPECT_EQ(pos, QStringLiteral("Stck=1,Typ=BROKEN"));
}

TEST_F(PositionStress, CancelInTheFirstListingOrTheMethodMenuEnds)
{
    const QString line = QStringLiteral("Stck=1,Typ=BC847");
    QString pos = line;
    listing(nullptr, QStringLiteral("ABBRUCH"));
    PosStressEingabe(pos, false);
    EXPECT_EQ(pos, line);

    prog().WorkStr[Slot::GlPar].clear();
    ErgLf(-1, -1);
    listing(nullptr);
    cancelMenu(QStringLiteral("btx\\div#sdmil"));
    PosStressEingabe(pos, false);
    EXPECT_EQ(pos, line);
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(PositionStress, MethodMenuWithoutNormChoosesTheMethods)
{
    prog().WorkStr[Slot::GlPar].clear();
    QString pos = QStringLiteral("Stck=1,Typ=BC847");
    listing(nullptr);
    menu(QStringLiteral("btx\\div#sdmil"), QStringLiteral("1"));
    screen(QStringLiteral("qsl\\kopfpos#dtu"), {QString()});
    screen(QStringLiteral("btx\\hl#teie"), {QStringLiteral("7")});
    screen(QStringLiteral("btx\\uif#ub"), {QString()});
    menu(QStringLiteral("btx\\div#drift"), QStringLiteral("1"));
    cancelMenu(QStringLiteral("btx\\div#zf"));
    listing(nullptr);
    PosStressEingabe(pos, false);
    EXPECT_TRUE(ui().allUsed()) << ui().unused().join(u',').toStdString();
    EXPECT_EQ(prog().WorkStr[Slot::GlPar], QStringLiteral("Norm=13")) << "no MIL quality was asked";
    EXPECT_EQ(pos, QStringLiteral("Stck=1,Typ=BC847,S,Tei=7,Drift=0"));
}

TEST_F(PositionStress, EditModeOpensTheEditorAndRewritesOnlyAReplacedDesignation)
{
    QStringList calls;
    ComponentEditorLink& editor = testLinks.edit<ComponentEditorLink>();
    editor.Show0 = [&calls](QString& Adr, const QString& MSuch) {
        calls << Adr + u'|' + MSuch;
        if (MSuch == QLatin1String("replace"))
            Adr = QStringLiteral("A1-B2-C3").leftJustified(18) + QStringLiteral("10");
    };
    editor.hideQslEditor = [&calls] { calls << QStringLiteral("hide"); };
    editor.showQslEditor = [&calls] { calls << QStringLiteral("show"); };
    editor.setQslLine = [&calls](const QString& t) { calls << t; };

    QString pos = QStringLiteral("Stck=1,Typ=BC847,Sl=R1! c");
    PosStressEingabe(pos, true);
    EXPECT_EQ(pos, QStringLiteral("Stck=1,Typ=BC847,Sl=R1! c"));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("hide"), QStringLiteral("BC847").leftJustified(18) + QStringLiteral("00|"),
                                  QStringLiteral("show")}));

    calls.clear();
    pos = QStringLiteral("Stck=3,Typ=NEW1,Sl=R2,Q,Bac=2110,S,Ub=5! c");
    messageWith("53", QStringLiteral("nach anderem BE suchen"), Mb::Yes);
    PosStressEingabe(pos, true);
    EXPECT_EQ(pos, QStringLiteral("Stck=3,Yk=A1-B2-C3,Sl=R2,S,Ub=5! c"));
    EXPECT_EQ(calls.value(0), QStringLiteral("Qsl:  Stck=3,Typ=NEW1,Sl=R2,Q,Bac=2110,S,Ub=5! c"));
    EXPECT_EQ(calls.value(2), QStringLiteral("NEW1").leftJustified(18) + QStringLiteral("00|replace"));

    calls.clear();
    const QString line = QStringLiteral("Stck=3,Typ=NEW1");
    pos = line;
    messageWith("53", QStringLiteral("NEW1"), Mb::No);
    PosStressEingabe(pos, true);
    EXPECT_EQ(pos, line);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(PositionStress, ClassLookUpOfAnotherComponentLeavesThePositionInHand)
{
    auto& w = prog().WorkStr;
    const QStringList position{QStringLiteral("Typ=R7"), QStringLiteral("Bac=4111"), QStringLiteral("Z1"),
                               QStringLiteral("Be=mine"), QStringLiteral("Ub=5"), QStringLiteral("Err=X"),
                               QStringLiteral("Tu=40")};
    for (int i = Slot::Ident; i <= Slot::R; ++i)
        w[i] = position[i - Slot::Ident];
    // Without reference data the list itself is not read; the look-up still is.
    ui().expect(QuestionKind::Message, QStringLiteral("473"), Answer::button(Mb::OK));
    QString bac, tec;
    ClassParameterList(QStringLiteral("Typ=BC847"), bac, tec);
    EXPECT_EQ(bac, QStringLiteral("2110"));
    EXPECT_EQ(tec, QStringLiteral("1000"));
    for (int i = Slot::Ident; i <= Slot::R; ++i)
        EXPECT_EQ(w[i], position[i - Slot::Ident]) << "slot " << i;
}

} // namespace
