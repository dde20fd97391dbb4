#include "common/testlinks.h"
#include "common/testutil.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/launcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

const QDateTime kWhen(QDate(2024, 3, 5), QTime(14, 3, 22));
const QString Sep = QString(70, u'-');

class ErrPtnrTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Program& p = sp.program();
        p.ProgramFile = dir.filePath(QStringLiteral("tarn"));
        p.ProgramName = QStringLiteral("tarn");
        p.IniFile = dir.filePath(QStringLiteral("tarn.ini"));
        ErrPtnr::setClock([] { return kWhen; });
        ErrPtnr::setPlatform(ErrPtnr::PlatformInfo{QStringLiteral("Windows NT"), 5, 1, 0x10A28,
                                                   QStringLiteral("Service Pack 3") + QChar(0) + QStringLiteral("xx")});
        setLauncher(&rec);
        oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("userdata")).toLocal8Bit());
    }
    void TearDown() override
    {
        ErrPtnr::setClock({});
        ErrPtnr::setPlatform(std::nullopt);
        setLauncher(nullptr);
        qputenv("XDG_DATA_HOME", oldDataHome);
    }

    // A failure of PosFueg in XHAP at statement 50030, answered with `answer`.
    int failPosFueg(int answer = ErrPtnr::ContinueNext)
    {
        sp.ui().expect(QuestionKind::Error, "XHAP.PosFueg", Answer::button(answer));
        return ErrPtnr::OnError(QStringLiteral("XHAP"), QStringLiteral("PosFueg"),
                                TarnError(QStringLiteral("Datei nicht gefunden: Prüf.txt"), ErrNo::FileNotFound),
                                ErrPtnr::AllAnswers, 50030);
    }
    QString ept() const { return dir.filePath(QStringLiteral("tarn.EPT")); }

    ScriptedProgram sp;
    QTemporaryDir dir;
    RecordingLauncher rec;
    QByteArray oldDataHome;
    ReplacedLinks testLinks;
};

// Indented call-stack lines of a protocol.
QStringList callStackLines(const QString& protocol)
{
    const QStringList lines = protocol.split(QStringLiteral("\r\n"));
    const qsizetype from = lines.indexOf(QStringLiteral("CALLSTACK:")) + 1;
    QStringList out;
    for (qsizetype i = from; i < lines.size() && lines[i] != Sep; ++i)
        out << lines[i];
    return out;
}

TEST_F(ErrPtnrTest, ProtocolHoldsNewest40Of41Entries)
{
    for (int i = 0; i < 41; ++i)
        ErrPtnr::CallStack(QStringLiteral("[M] Sub P%1()").arg(i));
    const QStringList h = ErrPtnr::history();
    ASSERT_EQ(h.size(), 40);
    EXPECT_EQ(h.first(), "14:03:22 [M] Sub P40()");
    EXPECT_EQ(h.last(), "14:03:22 [M] Sub P1()");

    failPosFueg();
    const QStringList lines = callStackLines(fromAnsi(readFile(ept())));
    ASSERT_EQ(lines.size(), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(lines[i], QStringLiteral("          14:03:22 [M] Sub P%1()").arg(40 - i));
}

TEST_F(ErrPtnrTest, ParametersStandBelowTheirSignatureLastFirst)
{
    ErrPtnr::CallStack(QStringLiteral("[M] Sub Before()"));
    ErrPtnr::CallStack(QStringLiteral("[M] Sub P(a, b, c)"));
    ErrPtnr::CallStackParam(QStringLiteral("a"), 1);
    ErrPtnr::CallStackParam(QStringLiteral("b"), QStringLiteral("x"));
    ErrPtnr::CallStackParam(QStringLiteral("c"), true);
    EXPECT_EQ(ErrPtnr::history(), (QStringList{"14:03:22 [M] Sub P(a, b, c)", "\tc:\tTrue", "\tb:\tx", "\ta:\t1",
                                               "14:03:22 [M] Sub Before()"}));
}

TEST_F(ErrPtnrTest, ParameterEntriesCountTowardsTheLimit)
{
    ErrPtnr::CallStack(QStringLiteral("[M] Sub Old()"));
    for (int i = 0; i < 39; ++i)
        ErrPtnr::CallStack(QStringLiteral("[M] Sub P%1()").arg(i));
    ErrPtnr::CallStackParam(QStringLiteral("x"), 7);
    const QStringList h = ErrPtnr::history();
    ASSERT_EQ(h.size(), 40);
    EXPECT_EQ(h[1], "\tx:\t7");
    EXPECT_FALSE(h.contains("14:03:22 [M] Sub Old()"));
}

struct ValueRow {
    const char* name;
    std::function<QVariant(QObject*)> value;
    QString expected;
};
void PrintTo(const ValueRow& r, std::ostream* os) { *os << r.name; }
class ParamValueText : public ::testing::TestWithParam<ValueRow> {};

TEST_P(ParamValueText, DescribesTheValue)
{
    QTimer object;
    EXPECT_EQ(ErrPtnr::ParamText(GetParam().value(&object)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ParamValueText,
    ::testing::Values(
        ValueRow{"array", [](QObject*) { return QVariant(QVariantList{1, 2}); }, "[ARRAY]"},
        ValueRow{"textArray", [](QObject*) { return QVariant(QStringList{"a"}); }, "[ARRAY]"},
        ValueRow{"null", [](QObject*) { return QVariant::fromValue(nullptr); }, "[NULL]"},
        ValueRow{"empty", [](QObject*) { return QVariant(); }, "[EMPTY]"},
        ValueRow{"integer", [](QObject*) { return QVariant(-12); }, "-12"},
        ValueRow{"text", [](QObject*) { return QVariant(QStringLiteral("A,B")); }, "A,B"},
        ValueRow{"emptyText", [](QObject*) { return QVariant(QString()); }, ""},
        ValueRow{"double", [](QObject*) { return QVariant(2.5); }, "2.5"},
        ValueRow{"falseValue", [](QObject*) { return QVariant(false); }, "False"},
        ValueRow{"nothing", [](QObject*) { return QVariant::fromValue<QObject*>(nullptr); }, "[NOTHING]"},
        ValueRow{"object", [](QObject* o) { return QVariant::fromValue(o); }, "[OBJECT:QTimer]"}),
    [](const auto& i) { return std::string(i.param.name); });

struct ZeroRow {
    const char* name;
    QString text;
    QString expected;
};
void PrintTo(const ZeroRow& r, std::ostream* os) { *os << r.name; }
class ZeroTerminated : public ::testing::TestWithParam<ZeroRow> {};

TEST_P(ZeroTerminated, CutsAtTheFirstZero)
{
    EXPECT_EQ(ErrPtnr::LPSTRToVBString(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ZeroTerminated,
    ::testing::Values(ZeroRow{"cut", QStringLiteral("SP2") + QChar(0) + QStringLiteral("junk"), "SP2"},
                      ZeroRow{"noZeroGivesEmpty", QStringLiteral("SP2"), ""},
                      ZeroRow{"leadingZero", QString(QChar(0)) + QStringLiteral("SP2"), ""},
                      ZeroRow{"empty", QString(), ""}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(ErrPtnrTest, ForcedErrorAppendsTheExactProtocol)
{
    sp.program().ProgInfo = QStringLiteral("TARN  V2.5.10");
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PosFueg(Stc$, Pos$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), QStringLiteral("S1"));
    ErrPtnr::CallStackParam(QStringLiteral("Pos"), 7);
    EXPECT_EQ(failPosFueg(), ErrPtnr::ContinueNext);

    const QString s = Sep + QStringLiteral("\r\n");
    const QString expected =
        s + "F E H L E R P R O T O K O L L vom ErrorPartner\r\n" + s + "TARN  V2.5.10 - Fehlermeldung\r\n" + s +
        "FEHLERBESCHREIBUNG:\r\n"
        "          Fehler-Nr:\t53 (Datei nicht gefunden: Prüf.txt)\r\n"
        "          Modul:\tXHAP\r\n"
        "          Prozedur:\tPosFueg\r\n"
        "          Zeilen-Nr.:\t50030\r\n"
        "          Datum/Uhrzeit:\t03-05-2024 / 14:03:22\r\n" +
        s +
        "CALLSTACK:\r\n"
        "          14:03:22 [XHAP] Sub PosFueg(Stc$, Pos$)\r\n"
        "          \tPos:\t7\r\n"
        "          \tStc:\tS1\r\n" +
        s +
        "SYSTEMINFO:\r\n"
        "          Plattform:\tWindows NT\r\n"
        "          Version:\t5.1\r\n"
        "          Build:\t2600   Service Pack 3\r\n" + // 0x10A28: the low 16 bits are 2600
        s + "\r\n";
    const QByteArray bytes = readFile(ept());
    EXPECT_EQ(bytes, toAnsi(expected));
    EXPECT_TRUE(bytes.contains("Pr\xFC" "f.txt")); // ANSI, one byte per character

    // The dialog received the same protocol, and a beep.
    ASSERT_EQ(sp.ui().asked.size(), 1);
    EXPECT_EQ(paramsOf<ErrorParams>(sp.ui().asked[0]).protocol + "\r\n", expected);
    EXPECT_EQ(sp.ui().beeps, 1);
}

TEST_F(ErrPtnrTest, TwoErrorsAreSeparatedByAnEmptyLine)
{
    failPosFueg();
    const QByteArray first = readFile(ept());
    failPosFueg();
    const QByteArray both = readFile(ept());
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_TRUE(both.startsWith(first));
    EXPECT_EQ(both.count((Sep + "\r\n\r\n" + Sep + "\r\nF E H L E R").toLatin1()), 1);
    EXPECT_TRUE(both.endsWith((Sep + "\r\n\r\n").toLatin1()));
}

TEST_F(ErrPtnrTest, FirstErrorNamesTheProgramAndLaterErrorsKeepIt)
{
    failPosFueg();
    const QString info = sp.program().ProgInfo;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tarn  V\\d+\\.\\d+\\.\\d+$")).match(info).hasMatch())
        << info.toStdString();
    sp.program().ProgramName = QStringLiteral("other");
    failPosFueg();
    EXPECT_EQ(sp.program().ProgInfo, info);
    EXPECT_TRUE(paramsOf<ErrorParams>(sp.ui().asked[1]).protocol.contains(info + " - Fehlermeldung\r\n"));
}

TEST_F(ErrPtnrTest, UnwritableProgramDirectoryUsesTheUserDataDirectoryWithoutASecondError)
{
    // A plain file where the program directory should be: nothing can be
    // created there, whatever the rights of the test user.
    writeFile(dir.filePath("blocker"), "x");
    sp.program().ProgramFile = dir.filePath("blocker/tarn");
    QString comment;
    sp.ui().expect(QuestionKind::Error, "XHAP.PosFueg", [&](const Question& q) {
        comment = modelOf<ErrPtnr::ErrorDialogContent>(q)->comment;
        return Answer::button(1);
    });
    EXPECT_EQ(ErrPtnr::OnError("XHAP", "PosFueg", TarnError("x", 5)), 1);
    EXPECT_EQ(sp.ui().asked.size(), 1);
    const QString fallback = comment.section('\'', 1, 1);
    EXPECT_TRUE(fallback.startsWith(dir.filePath("userdata"))) << comment.toStdString();
    EXPECT_TRUE(fallback.endsWith("tarn.EPT"));
    EXPECT_TRUE(readFile(fallback).contains("F E H L E R P R O T O K O L L"));
}

TEST_F(ErrPtnrTest, NoWritableDirectoryAtAllOnlySaysSo)
{
    writeFile(dir.filePath("blocker"), "x");
    sp.program().ProgramFile = dir.filePath("blocker/tarn");
    qputenv("XDG_DATA_HOME", dir.filePath("blocker").toLocal8Bit());
    QString comment;
    sp.ui().expect(QuestionKind::Error, "*", [&](const Question& q) {
        comment = modelOf<ErrPtnr::ErrorDialogContent>(q)->comment;
        return Answer::button(3);
    });
    EXPECT_EQ(ErrPtnr::OnError("XHAP", "PosFueg", TarnError("x", 5)), 3);
    EXPECT_EQ(comment, "Das Fehlerprotokoll konnte in keine Datei geschrieben werden.");
}

TEST_F(ErrPtnrTest, ProtocolFileOverTheCapKeepsTheNewestWholeProtocols)
{
    ErrPtnr::ErrorDialogContent c;
    c.when = kWhen;
    auto protocolNo = [&](int i) {
        c.values[0] = QStringLiteral("error %1").arg(i);
        return ErrPtnr::BuildProtocol(c);
    };
    const qint64 one = protocolNo(0).size() + 2;
    const qint64 cap = 4 * one;
    writeFile(ept(), "not a protocol\r\n");
    for (int i = 1; i <= 9; ++i)
        ASSERT_EQ(ErrPtnr::AppendProtocolTo(ept(), protocolNo(i), cap).file, ept());
    const QByteArray bytes = readFile(ept());
    EXPECT_LE(bytes.size(), cap);
    EXPECT_TRUE(bytes.startsWith((Sep + "\r\nF E H L E R").toLatin1()));
    EXPECT_TRUE(bytes.endsWith(toAnsi(protocolNo(9) + "\r\n")));
    EXPECT_TRUE(bytes.contains("error 8"));
    EXPECT_FALSE(bytes.contains("error 1\r\n"));
    EXPECT_FALSE(bytes.contains("not a protocol"));
}

struct ContRow {
    const char* name;
    int contBits;
    std::array<bool, 4> shown;
};
void PrintTo(const ContRow& r, std::ostream* os) { *os << r.name; }
class ContinueButtons : public ::testing::TestWithParam<ContRow> {};

TEST_P(ContinueButtons, FollowBitsTwoAndEight)
{
    ErrPtnr::ErrorDialogContent c;
    c.contBits = GetParam().contBits;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(c.showsButton(i), GetParam().shown[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Bits, ContinueButtons,
                         ::testing::Values(ContRow{"all", 255, {false, true, false, true}},
                                           ContRow{"continueOnly", 2, {false, true, false, false}},
                                           ContRow{"endOnly", 8, {false, false, false, true}},
                                           ContRow{"repeatAndLeaveBitsIgnored", 1 | 4, {false, false, false, false}}),
                         [](const auto& i) { return std::string(i.param.name); });

struct GuardRow {
    const char* name;
    std::optional<int> answer; // nullopt: no person (cancelled)
    int expected;              // result of the guarded procedure; -99: program ends
    int runs;
};
void PrintTo(const GuardRow& r, std::ostream* os) { *os << r.name; }
class GuardedProcedure : public ::testing::TestWithParam<GuardRow> {
protected:
    ScriptedProgram sp;
};

TEST_P(GuardedProcedure, ActsOnTheAnswer)
{
    QTemporaryDir dir;
    sp.program().ProgramFile = dir.filePath("tarn");
    const GuardRow& row = GetParam();
    sp.ui().expect(QuestionKind::Error, "M.P", row.answer ? Answer::button(*row.answer) : Answer::cancel());
    int runs = 0;
    auto body = [&] {
        if (++runs == 1)
            throw TarnError("first run fails", 5);
        return 42;
    };
    if (row.expected == -99) {
        EXPECT_THROW(ErrPtnr::guarded(QStringLiteral("M"), QStringLiteral("P"), -1, body), ProgramEndRequested);
    } else {
        EXPECT_EQ(ErrPtnr::guarded(QStringLiteral("M"), QStringLiteral("P"), -1, body), row.expected);
    }
    EXPECT_EQ(runs, row.runs);
}

INSTANTIATE_TEST_SUITE_P(Answers, GuardedProcedure,
                         ::testing::Values(GuardRow{"repeat", 0, 42, 2}, GuardRow{"continueReturnsFailure", 1, -1, 1},
                                           GuardRow{"leaveReturnsFailure", 2, -1, 1},
                                           GuardRow{"endUnwinds", 3, -99, 1},
                                           GuardRow{"noPersonLeaves", std::nullopt, -1, 1}),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- protocol buttons

struct SaveRow {
    const char* name;
    bool exists;
    std::optional<int> overwrite; // the answer to the overwrite question
    bool replaced;
};
void PrintTo(const SaveRow& r, std::ostream* os) { *os << r.name; }
class SaveProtocol : public ErrPtnrTest, public ::testing::WithParamInterface<SaveRow> {};

TEST_P(SaveProtocol, WritesTheSavedProtocol)
{
    const SaveRow& row = GetParam();
    const QString err = dir.filePath("tarn.ERR");
    if (row.exists)
        writeFile(err, "old");
    if (row.overwrite)
        sp.ui().expect(QuestionKind::Message, "ErrPtnr.overwrite", Answer::button(*row.overwrite));
    if (row.replaced)
        sp.ui().expect(QuestionKind::Message, "ErrPtnr.saved", Answer::button(Mb::OK));
    ErrPtnr::SaveProtocol(QStringLiteral("line 1\r\nÄ\r\n"));
    EXPECT_EQ(readFile(err), row.replaced ? QByteArray("line 1\r\n\xC4\r\n\r\n") : QByteArray("old"));
    EXPECT_TRUE(sp.ui().allUsed());
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveProtocol,
                         ::testing::Values(SaveRow{"new", false, std::nullopt, true},
                                           SaveRow{"existingKeptOnNo", true, Mb::No, false},
                                           SaveRow{"existingReplacedOnYes", true, Mb::Yes, true}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(ErrPtnrTest, SaveFailureIsReportedNotRaised)
{
    writeFile(dir.filePath("blocker"), "x");
    sp.program().ProgramFile = dir.filePath("blocker/tarn");
    QString text;
    sp.ui().expect(QuestionKind::Message, "ErrPtnr.saved", [&](const Question& q) {
        text = q.text;
        return Answer::button(Mb::OK);
    });
    EXPECT_NO_THROW(ErrPtnr::SaveProtocol(QStringLiteral("p\r\n")));
    EXPECT_TRUE(text.contains("konnte nicht")) << text.toStdString();
}

struct MailRow {
    const char* name;
    QByteArray ini;
    QString address;
};
void PrintTo(const MailRow& r, std::ostream* os) { *os << r.name; }
class HotlineMail : public ErrPtnrTest, public ::testing::WithParamInterface<MailRow> {};

TEST_P(HotlineMail, ChoosesTheAddress)
{
    writeFile(sp.program().IniFile, GetParam().ini);
    EXPECT_EQ(ErrPtnr::HotlineAddress(), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HotlineMail,
    ::testing::Values(MailRow{"given", "[fewe]\r\nHotlineMail=help@tarn.test\r\n", "help@tarn.test"},
                      MailRow{"trimmed", "[fewe]\r\nHotlineMail=  help@tarn.test  \r\n", "help@tarn.test"},
                      MailRow{"blankGivesDefault", "[fewe]\r\nHotlineMail=   \r\n", ErrPtnr::DefaultHotlineMail},
                      // Mended: the reader's "leer" of a missing key is no address.
                      MailRow{"missingKeyGivesDefault", "[fewe]\r\nWebSite=x\r\n", ErrPtnr::DefaultHotlineMail},
                      MailRow{"missingFileGivesDefault", QByteArray(), ErrPtnr::DefaultHotlineMail}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(ErrPtnrTest, MailPutsTheProtocolOnTheClipboardAndOpensTheMailProgram)
{
    writeFile(sp.program().IniFile, "[fewe]\r\nHotlineMail=help@tarn.test\r\n");
    QString shown;
    sp.ui().expect(QuestionKind::Message, "ErrPtnr.mail", [&](const Question& q) {
        shown = q.text;
        return Answer::button(Mb::OK);
    });
    ErrPtnr::MailProtocol(QStringLiteral("the protocol\r\n"));
    EXPECT_EQ(shown.split("\r\n").size(), 6);
    EXPECT_TRUE(shown.startsWith("Es wird jetzt Ihr Standard-Email-Programm aufgerufen."));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the protocol\r\n");
    EXPECT_EQ(rec.opened, QStringList{"mailto:help@tarn.test"});
}

struct WrapRow {
    const char* name;
    QString protocol;
    QStringList printed;
};
void PrintTo(const WrapRow& r, std::ostream* os) { *os << r.name; }
class PrintWrap : public ::testing::TestWithParam<WrapRow> {};

TEST_P(PrintWrap, WrapsAt73Columns)
{
    EXPECT_EQ(ErrPtnr::PrintLines(GetParam().protocol), GetParam().printed);
}

const QString Word9 = QStringLiteral("abcdefgh"); // with its blank: 9 columns
const QString Indent20 = QString(20, u' ');

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintWrap,
    ::testing::Values(
        // The final line break and the added one give an empty last line: one blank.
        WrapRow{"shortLine", "a b\r\n", {"a b ", " "}},
        // 8 words of 9 columns are 72; the 9th would reach 81 and starts a continuation line.
        WrapRow{"wrapsWithIndent20",
                QStringList(9, Word9).join(' ') + "\r\n",
                {QStringList(8, Word9).join(' ') + ' ', Indent20 + Word9 + ' ', " "}},
        // A continuation line counts from 0: eight more words fit behind the 20 blanks (93 columns).
        WrapRow{"continuationReaches93",
                QStringList(16, Word9).join(' ') + "\r\n",
                {QStringList(8, Word9).join(' ') + ' ', Indent20 + QStringList(8, Word9).join(' ') + ' ', " "}},
        WrapRow{"longWordStandsAlone", QString(80, u'x') + " y\r\n", {Indent20 + QString(80, u'x') + ' ', Indent20 + "y ", " "}},
        WrapRow{"emptyProtocolLine", "a\r\n\r\nb\r\n", {"a ", " ", "b ", " "}}),
    [](const auto& i) { return std::string(i.param.name); });

class RecordingPrinter : public ErrPtnr::ProtocolPrinter {
public:
    bool printLines(const QStringList& l, QString* error) override
    {
        lines = l;
        if (!fails.isEmpty())
            *error = fails;
        return fails.isEmpty();
    }
    QStringList lines;
    QString fails;
};

TEST_F(ErrPtnrTest, PrintHandsTheWrappedLinesToThePrinter)
{
    const auto printer = std::make_shared<RecordingPrinter>();
    testLinks.edit<ErrPtnr::ProtocolPrinting>().printer = printer;
    ErrPtnr::PrintProtocol(QStringLiteral("x\r\n"));
    EXPECT_EQ(printer->lines, (QStringList{"x ", " "}));
    EXPECT_TRUE(sp.ui().asked.isEmpty());
}

TEST_F(ErrPtnrTest, AFailedPrintoutIsToldInTheInterfaceLanguage)
{
    const auto printer = std::make_shared<RecordingPrinter>();
    printer->fails = QStringLiteral("no paper");
    testLinks.edit<ErrPtnr::ProtocolPrinting>().printer = printer;
    for (const auto& [language, text] : {std::pair{1, "Das Fehlerprotokoll konnte nicht gedruckt werden: no paper"},
                                         std::pair{2, "The error protocol could not be printed: no paper"}}) {
        sp.program().LangNr = language;
        sp.ui().expect(QuestionKind::Message, "ErrPtnr.print", Answer::button(Mb::OK));
        ErrPtnr::PrintProtocol(QStringLiteral("x\r\n"));
        ASSERT_TRUE(sp.ui().allUsed());
        EXPECT_EQ(sp.ui().asked.last().text, QString::fromUtf8(text));
    }
}

} // namespace
