#include "qldbtest.h"
#include "qlist/qslaufloesen.h"

namespace {

class Expansion : public QlListsFixture {
protected:
    ScriptedInteraction& ui = program.ui();
    HeadlessInfoList& info = program.ui().headlessList();
    bool noQpoh() const { return !QFileInfo::exists(root.filePath(QStringLiteral("qpoh"))); }
};

TEST_F(Expansion, WorkedExampleByteForByte)
{
    const QString board = addList(QStringLiteral("00012"), {"Typ=BOARD,Code=17", "Be=Main board", "Stck=2,Typ=R1K",
                                                            "Stck=1,Typ=PSU,Qm=Qsl"});
    addList(QStringLiteral("00034"), {"Typ=PSU,Tec=ABC", "Be=Supply", "Stck=3,Typ=C100N"});
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    EXPECT_EQ(QslAufloesen(QStringLiteral("00012"), board), QString());
    EXPECT_EQ(testutil::readFile(qpoPath()), QByteArray("Lnr=A12,Typ=BOARD,B,Code=17,Be=Main board\r\n"
                                                        "Stck=2,Typ=R1K\r\n"
                                                        "Lnr=A34,Stck=1,Typ=PSU,Qm=Qsl,Aufl=ja,B,Tec=ABC,Be=Supply\r\n"
                                                        "Stck=3,Typ=C100N\r\n"
                                                        "Lnr=A34,Qm=Ende\r\n"));
    EXPECT_TRUE(noQpoh());
    EXPECT_EQ(info.lines, QStringList{QStringLiteral("Hierarchiestufe:   1")});
}

TEST_F(Expansion, ListWithoutReferencesRunsNoPass)
{
    const QString path = addList(QStringLiteral("00012"), {"Tec=SMD", "Be=Plain", "Stck=1,Typ=X ! spare", "Text line",
                                                           "Stck=2,Typ=Y,S,Zf=50%"});
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    EXPECT_EQ(QslAufloesen(QStringLiteral("00012"), path), QString());
    EXPECT_EQ(qpoLines(), (QStringList{"Lnr=A12,,B,Tec=SMD,Be=Plain", "Stck=1,Typ=X ", "Stck=2,Typ=Y,S,Zf=50%"}));
    EXPECT_EQ(info.lines, QStringList{QString()}); // the current line stays as it was
    EXPECT_TRUE(noQpoh());
}

TEST_F(Expansion, NestedLevelsInheritOnlyTheirOwnHead)
{
    const QString top = addList(QStringLiteral("00000"), {"Typ=TOP,Rw=1", "Be=Top", "Stck=1,Typ=T1", "Stck=2,Typ=MID,Qm=Qsl"});
    addList(QStringLiteral("00001"), {"Typ=MID,Chpf=K2", "Be=Mid", "Stck=1,Typ=M1", "Stck=1,Typ=LOW,Qm=Qsl"});
    addList(QStringLiteral("00002"), {"Typ=LOW", "Be=Low", "Stck=4,Typ=L1,S,Rw=0"});
    prog().LangNr = 2;
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), top), QString());
    EXPECT_EQ(qpoLines(), (QStringList{"Lnr=A0,Typ=TOP,B,Rw=1,Be=Top",
                                       "Stck=1,Typ=T1,S,Rw=1",
                                       "Lnr=A1,Stck=2,Typ=MID,Qm=Qsl,Aufl=ja,B,Chpf=K2,Be=Mid",
                                       "Stck=1,Typ=M1,S,Chpfg=K2",
                                       "Lnr=A2,Stck=1,Typ=LOW,Qm=Qsl,Aufl=ja,B,Be=Low",
                                       "Stck=4,Typ=L1,S,Rw=0",
                                       "Lnr=A2,Qm=Ende",
                                       "Lnr=A1,Qm=Ende"}));
    EXPECT_EQ(info.lines, QStringList{QStringLiteral("hierarchy:   2")}); // the line is overwritten per level
    EXPECT_TRUE(noQpoh());
}

TEST_F(Expansion, TwoListCycleStopsWithErrorCode)
{
    const QString a = addList(QStringLiteral("00000"), {"Typ=A", "Be=a", "Stck=1,Typ=B,Qm=Qsl", "Stck=1,Typ=C,Qm=Qsl"});
    addList(QStringLiteral("00001"), {"Typ=B", "Be=b", "Stck=1,Typ=A,Qm=Qsl"});
    addList(QStringLiteral("00002"), {"Typ=C", "Be=c", "Stck=1,Typ=B,Qm=Qsl"});
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    ui.expect(QuestionKind::Message, QStringLiteral("QslZyklus"), Answer::button(Mb::OK));
    QStringList cycles;
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), a, &cycles), QString());
    // B inside C is no cycle (only A is), so it expands once more there.
    EXPECT_EQ(qpoLines(), (QStringList{"Lnr=A0,Typ=A,B,Be=a",
                                       "Lnr=A1,Stck=1,Typ=B,Qm=Qsl,Aufl=ja,B,Be=b",
                                       "Stck=1,Typ=A,Qm=Qsl,F,Err=QslZyklus,Zyklus=A (A0) > B (A1) > A (A0)",
                                       "Lnr=A1,Qm=Ende",
                                       "Lnr=A2,Stck=1,Typ=C,Qm=Qsl,Aufl=ja,B,Be=c",
                                       "Lnr=A1,Stck=1,Typ=B,Qm=Qsl,Aufl=ja,B,Be=b",
                                       "Stck=1,Typ=A,Qm=Qsl,F,Err=QslZyklus,Zyklus=A (A0) > C (A2) > B (A1) > A (A0)",
                                       "Lnr=A1,Qm=Ende",
                                       "Lnr=A2,Qm=Ende"}));
    EXPECT_EQ(cycles, (QStringList{"A (A0) > B (A1) > A (A0)", "A (A0) > C (A2) > B (A1) > A (A0)"}));
    EXPECT_TRUE(ui.allUsed());
    EXPECT_TRUE(noQpoh());
}

// A circle that does not pass the Q-list itself (3 -> 6 -> 3 below 1), met in
// each of the three places it is referred to: every reference is marked with
// the circle's path, the user is told once per path, and every other position
// of every list is there.
TEST_F(Expansion, CycleBelowTheTopIsMarkedWhereverItIsMet)
{
    const QString board = addList(QStringLiteral("00001"), {"Typ=BOARD", "Be=board", "Stck=2,Typ=R1",
                                                            "Stck=1,Typ=IO,Qm=Qsl", "Stck=3,Typ=R9"});
    addList(QStringLiteral("00003"), {"Typ=IO", "Be=io", "Stck=4,Typ=OPTO", "Stck=1,Typ=CHANNEL,Qm=Qsl",
                                      "Stck=1,Typ=CHANNEL,Qm=Qsl", "Stck=1,Typ=C10"});
    addList(QStringLiteral("00006"), {"Typ=CHANNEL", "Be=ch", "Stck=1,Typ=R1K", "Stck=1,Typ=IO,Qm=Qsl", "Stck=2,Typ=D1"});
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    ui.expect(QuestionKind::Message, QStringLiteral("QslZyklus"), Answer::button(Mb::OK));
    QStringList cycles;
    EXPECT_EQ(QslAufloesen(QStringLiteral("00001"), board, &cycles), QString());
    const QStringList channel{"Lnr=A6,Stck=1,Typ=CHANNEL,Qm=Qsl,Aufl=ja,B,Be=ch", "Stck=1,Typ=R1K",
                              "Stck=1,Typ=IO,Qm=Qsl,F,Err=QslZyklus,Zyklus=IO (A3) > CHANNEL (A6) > IO (A3)",
                              "Stck=2,Typ=D1", "Lnr=A6,Qm=Ende"};
    EXPECT_EQ(qpoLines(), QStringList({"Lnr=A1,Typ=BOARD,B,Be=board", "Stck=2,Typ=R1",
                                       "Lnr=A3,Stck=1,Typ=IO,Qm=Qsl,Aufl=ja,B,Be=io", "Stck=4,Typ=OPTO"}) +
                              channel + channel + QStringList({"Stck=1,Typ=C10", "Lnr=A3,Qm=Ende", "Stck=3,Typ=R9"}));
    EXPECT_EQ(cycles, QStringList{"IO (A3) > CHANNEL (A6) > IO (A3)"});
    ASSERT_TRUE(ui.allUsed());
    EXPECT_TRUE(ui.asked.value(0).text.contains(QStringLiteral("IO (A3) > CHANNEL (A6) > IO (A3)")))
        << ui.asked.value(0).text.toStdString();
    EXPECT_EQ(info.lines, QStringList{QStringLiteral("Hierarchiestufe:   3")});
}

TEST_F(Expansion, CancelGivesAbbruchAndKeepsExpandedPart)
{
    const QString top = addList(QStringLiteral("00000"), {"Typ=TOP", "Be=Top", "Stck=1,Typ=S1,Qm=Qsl", "Stck=1,Typ=S2,Qm=Qsl"});
    addList(QStringLiteral("00001"), {"Typ=S1", "Be=s1", "Stck=1,Typ=X"});
    addList(QStringLiteral("00002"), {"Typ=S2", "Be=s2", "Stck=1,Typ=Y"});
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    info.cancelAfterAdds = 1;
    info.Add(QStringLiteral("cancel pressed"));
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), top), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(qpoLines(), (QStringList{"Lnr=A0,Typ=TOP,B,Be=Top", "Lnr=A1,Stck=1,Typ=S1,Qm=Qsl,Aufl=ja,B,Be=s1",
                                       "Stck=1,Typ=X", "Lnr=A1,Qm=Ende"}));
    EXPECT_TRUE(noQpoh());
}

// The database the references are looked up in stays open through the levels of
// one expansion and is closed at its end, however it ends.
TEST_F(Expansion, LeavesNoDatabaseSlotOpen)
{
    auto openSlots = [] {
        int n = 0;
        for (const QlDbSlot& s : qlDbState().DbTab)
            n += s.inUse != 0 || s.db != nullptr;
        return n;
    };
    const QString top = addList(QStringLiteral("00000"), {"Typ=TOP", "Be=Top", "Stck=1,Typ=S1,Qm=Qsl", "Stck=1,Typ=S2,Qm=Qsl",
                                                          "Stck=1,Typ=NONE,Qm=Qsl"});
    addList(QStringLiteral("00001"), {"Typ=S1", "Be=s1", "Stck=1,Typ=S2,Qm=Qsl"});
    addList(QStringLiteral("00002"), {"Typ=S2", "Be=s2", "Stck=1,Typ=Y"});
    info.Begin();
    info.Add(QString());
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), top), QString());
    EXPECT_EQ(openSlots(), 0);
    EXPECT_EQ(qpoLines(), (QStringList{"Lnr=A0,Typ=TOP,B,Be=Top", "Lnr=A1,Stck=1,Typ=S1,Qm=Qsl,Aufl=ja,B,Be=s1",
                                       "Lnr=A2,Stck=1,Typ=S2,Qm=Qsl,Aufl=ja,B,Be=s2", "Stck=1,Typ=Y", "Lnr=A2,Qm=Ende",
                                       "Lnr=A1,Qm=Ende", "Lnr=A2,Stck=1,Typ=S2,Qm=Qsl,Aufl=ja,B,Be=s2", "Stck=1,Typ=Y",
                                       "Lnr=A2,Qm=Ende", "Stck=1,Typ=NONE,Qm=Qsl,F,Err=QslFehlt"}));

    info.cancelAfterAdds = 1;
    info.Add(QStringLiteral("cancel pressed"));
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), top), QStringLiteral("ABBRUCH"));
    EXPECT_EQ(openSlots(), 0);
}

TEST_F(Expansion, MissingListFileStops)
{
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    ui.expect(QuestionKind::Message, QStringLiteral("134"), Answer::button(Mb::OK));
    EXPECT_EQ(QslAufloesen(QStringLiteral("00005"), QslPfad(QStringLiteral("A"), QStringLiteral("00005"))),
              QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui.allUsed());
}

// One reference in the root list 00000 (Typ=BOARD) and the lines it becomes.
struct RefRow {
    const char* name;
    QString reference;
    QStringList expected; // qpo lines behind the head line
    QString message;      // expected message id, if any
};
void PrintTo(const RefRow& r, std::ostream* os) { *os << r.name; }

class References : public Expansion, public ::testing::WithParamInterface<RefRow> {};

TEST_P(References, ExpandOrMark)
{
    const RefRow& row = GetParam();
    addList(QStringLiteral("00001"), {"Typ=PSU,Tec=ABC", "Be=Supply", "Stck=3,Typ=C100N"});
    addList(QStringLiteral("00002"), {"Typ=GONE", "Be=x"});
    writeQslFile(QslPfad(QStringLiteral("A"), QStringLiteral("00002")), {"Typ=FREI"});
    addList(QStringLiteral("00003"), {"Yk=A12345-B1234-C123-A1", "Be=A1", "Stck=1,Typ=RA"});
    addList(QStringLiteral("00004"), {"Yk=A12345-B1234-C123-B1", "Be=B1", "Stck=1,Typ=RB"});
    addList(QStringLiteral("00005"), {"Typ=EMPTY", "Be=x"});
    testutil::writeFile(root.filePath(QStringLiteral("A0/00/05")), QByteArray());
    addList(QStringLiteral("00006"), {"Typ=NOFILE", "Be=x"});
    QFile::remove(root.filePath(QStringLiteral("A0/00/06")));
    addList(QStringLiteral("00007"), {"An=U7,Rw=1,Chpf=K9", "Be=user", "Stck=2,Typ=RR"});
    addList(QStringLiteral("00008"), {"Yk=B12345-B1234-C123", "Be=plain", "Stck=1,Typ=RP"});
    const QString rootPath = addList(QStringLiteral("00000"), {"Typ=BOARD", "Be=Root", row.reference});

    if (!row.message.isEmpty())
        ui.expect(QuestionKind::Message, row.message, Answer::button(Mb::OK));
    info.Begin();
    info.Add(QString()); // the run's current line, which the level display overwrites
    EXPECT_EQ(QslAufloesen(QStringLiteral("00000"), rootPath), QString());
    QStringList expected{QStringLiteral("Lnr=A0,Typ=BOARD,B,Be=Root")};
    expected << row.expected;
    EXPECT_EQ(qpoLines(), expected);
    EXPECT_TRUE(ui.allUsed());
    EXPECT_TRUE(noQpoh());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, References,
    ::testing::Values(
        RefRow{"byType", "Stck=1,Typ=psu,Qm=Qsl",
               {"Lnr=A1,Stck=1,Typ=psu,Qm=Qsl,Aufl=ja,B,Tec=ABC,Be=Supply", "Stck=3,Typ=C100N", "Lnr=A1,Qm=Ende"}, ""},
        RefRow{"unknownType", "Stck=1,Typ=NONE,Qm=Qsl", {"Stck=1,Typ=NONE,Qm=Qsl,F,Err=QslFehlt"}, ""},
        RefRow{"deletedList", "Stck=1,Typ=GONE,Qm=Qsl", {"Stck=1,Typ=GONE,Qm=Qsl,F,Err=QslFehlt"}, ""},
        RefRow{"emptyFile", "Stck=1,Typ=EMPTY,Qm=Qsl", {"Stck=1,Typ=EMPTY,Qm=Qsl,F,Err=QslFehlt"}, ""},
        RefRow{"missingFile", "Stck=1,Typ=NOFILE,Qm=Qsl", {"Stck=1,Typ=NOFILE,Qm=Qsl,F,Err=QslFehlt"}, ""},
        RefRow{"noDesignationMarked", "Stck=1,Qm=Qsl", {"Stck=1,Qm=Qsl,F,Err=QslFehlt"}, ""},
        RefRow{"malformedItemNumber", "Stck=1,Yk=A1234567-B1,Qm=Qsl", {"Stck=1,Yk=A1234567-B1,Qm=Qsl,F,Err=QslFehlt"}, "140"},
        RefRow{"itemWithoutStandTakesHighest", "Stck=1,Yk=A12345-B1234-C123,Qm=Qsl",
               {"Lnr=A4,Stck=1,Yk=A12345-B1234-C123-B1,Qm=Qsl,Aufl=ja,B,Be=B1", "Stck=1,Typ=RB", "Lnr=A4,Qm=Ende"}, ""},
        RefRow{"itemWithUnknownStandWarns", "Stck=1,Yk=A12345-B1234-C123-C1,Qm=Qsl",
               {"Lnr=A4,Stck=1,Yk=A12345-B1234-C123-B1,Qm=Qsl,F,Warn=Stand,Aufl=ja,B,Be=B1", "Stck=1,Typ=RB", "Lnr=A4,Qm=Ende"}, ""},
        RefRow{"itemExactStand", "Stck=1,Yk=A12345-B1234-C123-A1,Qm=Qsl",
               {"Lnr=A3,Stck=1,Yk=A12345-B1234-C123-A1,Qm=Qsl,Aufl=ja,B,Be=A1", "Stck=1,Typ=RA", "Lnr=A3,Qm=Ende"}, ""},
        RefRow{"itemStoredWithoutStandUnchanged", "Stck=1,Yk=B12345-B1234-C123,Qm=Qsl",
               {"Lnr=A8,Stck=1,Yk=B12345-B1234-C123,Qm=Qsl,Aufl=ja,B,Be=plain", "Stck=1,Typ=RP", "Lnr=A8,Qm=Ende"}, ""},
        RefRow{"userNumberHeadInheritance", "Stck=1,An=U7,Qm=Qsl",
               {"Lnr=A7,Stck=1,An=U7,Qm=Qsl,Aufl=ja,B,Rw=1,Chpf=K9,Be=user", "Stck=2,Typ=RR,S,Rw=1,Chpfg=K9", "Lnr=A7,Qm=Ende"}, ""},
        RefRow{"illegalQmLeftOut", "Stck=1,Typ=PSU,Qm=Mod", {}, "130"},
        RefRow{"negativeQuantityNotExpanded", "Stck=-1,Typ=PSU,Qm=Qsl", {"Stck=-1,Typ=PSU,Qm=Qsl"}, ""},
        RefRow{"selfReference", "Stck=1,Typ=BOARD,Qm=Qsl",
               {"Stck=1,Typ=BOARD,Qm=Qsl,F,Err=QslZyklus,Zyklus=BOARD (A0) > BOARD (A0)"}, "QslZyklus"}),
    [](const auto& i) { return std::string(i.param.name); });

struct StatusRow {
    const char* name;
    QByteArray content; // null: no file
    QString status;
};
void PrintTo(const StatusRow& r, std::ostream* os) { *os << r.name; }
class FileStatus : public ::testing::TestWithParam<StatusRow> {
protected:
    testutil::ScriptedProgram program;
    QTemporaryDir dir;
};
TEST_P(FileStatus, Classifies)
{
    const QString path = dir.filePath(QStringLiteral("34"));
    if (!GetParam().content.isNull())
        testutil::writeFile(path, GetParam().content);
    EXPECT_EQ(QslDateiStatus(path), GetParam().status);
}
INSTANTIATE_TEST_SUITE_P(Cases, FileStatus,
                         ::testing::Values(StatusRow{"missing", QByteArray(), "FEHL"}, StatusRow{"empty", QByteArray(""), "LEER"},
                                           StatusRow{"deleted", "*Typ=FREI\xFE\r\n", "FREI"},
                                           StatusRow{"deletedWithoutMark", "*Typ=FREI\r\n", "FREI"},
                                           StatusRow{"inUse", "*Typ=ABC\xFE\r\n*Be=x\xFE\r\n", ""}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(RecLeerenTest, OnlyDelClears)
{
    std::array<QString, 10> rec;
    rec.fill(QStringLiteral("v"));
    RecLeeren(QStringLiteral("del"), rec);
    EXPECT_EQ(rec[3], QStringLiteral("v"));
    RecLeeren(QStringLiteral("Del"), rec);
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(rec[i].isEmpty());
    EXPECT_EQ(rec[0], QStringLiteral("v"));
}

} // namespace
