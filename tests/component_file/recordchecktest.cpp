#include "compfilefixture.h"
#include "frame/workslots.h"
#include "component_file/btinh.h"
#include "component_file/mixbt.h"
#include "component_file/neuinh.h"
#include "component_file/recordcheck.h"

// Records that must not go into a component file, and what the user is told.
namespace {

struct RefusalRow {
    const char* name;
    QString record;
    QString reason; // empty: accepted
};
void PrintTo(const RefusalRow& r, std::ostream* os) { *os << r.name; }
class Refusal : public ::testing::TestWithParam<RefusalRow> {
protected:
    void SetUp() override { sp.program().LangNr = 2; }
    testutil::ScriptedProgram sp;
};

const QString kCf = QStringLiteral("L=2,G11=1,G41=5");

TEST_P(Refusal, NamesTheReason)
{
    EXPECT_EQ(recordRefusal(GetParam().record, kCf), GetParam().reason);
}

// A record goes into a block while the block's length plus the record's stay
// below 12,800 characters: an empty block takes 12,800 - 1 = 12,799.
const int kLongest = 12800 - 1;
QString recordOfLength(int length)
{
    const QString head = QStringLiteral("Typ=LONG,Q,Bac=4111,B,");
    return head + QString(length - head.size(), u'x');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    ::testing::Values(
        RefusalRow{"plain", "Typ=R1,Q,Bac=4111,Pin=2,B,Resistor 1.5 kOhm", ""},
        RefusalRow{"emptyType", "Typ=,Q,Bac=4111", "Empty designation Typ= not allowed"},
        RefusalRow{"blankUserNumber", "Typ=R1,An=  ,Q,Bac=4111", "Empty designation An= not allowed"},
        RefusalRow{"noDesignation", "Sl=3,Q,Bac=4111", "No designation (Typ=, Yk= or An=)"},
        RefusalRow{"nulInDesignation", QStringLiteral("Typ=R") + QChar(0) + "1,Q,Bac=4111",
                   "Control character (code 0) at position 6 not allowed"},
        RefusalRow{"tabInValue", "Typ=R1,Q,Bac=4111,Gec=SO\t8", "Control character (code 9) at position 25 not allowed"},
        RefusalRow{"deleteCharacter", "Typ=R1\x7f,Q,Bac=4111", "Control character (code 127) at position 7 not allowed"},
        RefusalRow{"hugeNumber", "Typ=R1,Q,Bac=4111,K1=1E39", "Number out of range: K1=1E39"},
        RefusalRow{"hugeNegativeNumber", "Typ=R1,Q,Bac=4111,Pin=-99999999999999999999999999999999999999999",
                   "Number out of range: Pin=-99999999999999999999999999999999999999999"},
        // 3.4E38 is below the largest single-precision number (3.40282347E38).
        RefusalRow{"largestSingle", "Typ=R1,Q,Bac=4111,K1=3.4E38", ""},
        RefusalRow{"designationLikeANumberIsNoNumber", "Typ=1N4148,Q,Bac=1111", ""},
        RefusalRow{"descriptionIsFreeText", "Typ=R1,Q,Bac=4111,B,Lot=1E99", ""},
        RefusalRow{"groupNotConfigured", "Typ=PCB,Q,Bac=6911", "Component group 69 (Bac=6911) is not configured"},
        RefusalRow{"noClassCode", "Typ=R1,Q,Tec=1", "Component group  (Bac=) is not configured"},
        RefusalRow{"longestRecord", recordOfLength(kLongest), ""},
        RefusalRow{"recordTooLong", recordOfLength(kLongest + 1),
                   "Record too long: 12800 characters, a block holds at most 12799"},
        RefusalRow{"threeMegabyteRecord", recordOfLength(3 * 1024 * 1024),
                   "Record too long: 3145728 characters, a block holds at most 12799"}),
    [](const auto& i) { return std::string(i.param.name); });

class RefusedOnMerge : public CompFileTest {
protected:
    void SetUp() override
    {
        CompFileTest::SetUp();
        sp.program().IniFile = tmp.filePath(QStringLiteral("tarn.ini"));
        sp.program().WorkStr[Slot::ProgramDir] = tmp.path();
    }
    QStringList mergeLog()
    {
        QString text = QString::fromLatin1(testutil::readFile(tmp.filePath(QStringLiteral("tp2/MixBT.log"))));
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }
};

TEST_F(RefusedOnMerge, EachRefusalNamesReasonAndLineAndTheRestIsMerged)
{
    testutil::writeFile(tmp.filePath(QStringLiteral("in.txt")),
                        "Typ=,Q,Bac=4111\r\nTyp=OK1,Q,Bac=4111\r\nTyp=PCB,Q,Bac=6911\r\nTyp=X\x01Y,Q,Bac=4111\r\n"
                        "Typ=OK2,Q,Bac=1111\r\n");
    EXPECT_FALSE(MixBt(QStringLiteral("be.mixbl"), tmp.filePath(QStringLiteral("in.txt")), QString()))
        << "a run with refused records is no success";
    const QStringList log = mergeLog();
    ASSERT_EQ(log.size(), 6) << log.join('\n').toStdString();
    EXPECT_EQ(log[0], QStringLiteral("Nicht übernommen (Leere Bezeichnung Typ= nicht zulässig) in Zeile 1: "
                                     "Typ=,Q,Bac=4111"));
    EXPECT_TRUE(log[1].contains(QStringLiteral("OK1")));
    EXPECT_EQ(log[2], QStringLiteral("Nicht übernommen (Bauelemente-Gruppe 69 (Bac=6911) ist nicht konfiguriert) in "
                                     "Zeile 3: Typ=PCB,Q,Bac=6911"));
    EXPECT_TRUE(log[3].startsWith(QStringLiteral("Nicht übernommen (Steuerzeichen (Code 1) an Stelle 6 nicht "
                                                 "zulässig) in Zeile 4: ")));
    EXPECT_TRUE(log[4].contains(QStringLiteral("OK2")));
    EXPECT_EQ(log[5], QStringLiteral(" 2  Bauelemente von insgesamt   5  wurden eingemischt"));
    int n = 0;
    QString found;
    ASSERT_TRUE(SuchInh(QStringLiteral("PCB").leftJustified(18) + u'T', 2, n, found, BtKind::Internal, 59));
    EXPECT_LE(n, 0) << "the refused record is not indexed";
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b6/90/00")))) << "nor stored";
}

// The rebuild skips what the merge refuses, and lists every record it skips:
// a block of a group that is not configured included.
TEST_F(RefusedOnMerge, RebuildListsEveryRecordItSkips)
{
    testutil::writeFile(path(QStringLiteral("b6/90/00")), "Typ=PCB,Q,Bac=6911\r\nTyp=PCB2,Q,Bac=6912\r\n\r\n");
    testutil::writeFile(path(QStringLiteral("b4/10/00")), "Typ=R1,Q,Bac=4111\r\nTyp=,Q,Bac=4111\r\n\r\n");
    sp.ui().always(QuestionKind::Message, QStringLiteral("*"), Answer::button(1));
    NeuInh();
    const QStringList err = QString::fromLatin1(testutil::readFile(tmp.filePath(QStringLiteral("NeuInhBE.err"))))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(err.size(), 3) << err.join('\n').toStdString();
    EXPECT_TRUE(err[0].startsWith(QStringLiteral("Nicht eingetragen (Leere Bezeichnung Typ= nicht zulässig): "
                                                 "Typ=,Q,Bac=4111, Block: ")));
    EXPECT_TRUE(err[1].startsWith(QStringLiteral("Nicht eingetragen (Bauelemente-Gruppe 69 ist nicht konfiguriert): "
                                                 "Typ=PCB,Q,Bac=6911, Block: ")));
    EXPECT_TRUE(err[2].contains(QStringLiteral("Typ=PCB2,Q,Bac=6912")));
    int n = 0;
    QString found;
    ASSERT_TRUE(InitBtDatei());
    ASSERT_TRUE(SuchInh(QStringLiteral("R1").leftJustified(18) + u'T', 2, n, found, BtKind::Internal, 59));
    EXPECT_GT(n, 0) << "the sound record is indexed";
}

} // namespace
