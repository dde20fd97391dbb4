#include "common/testutil.h"
#include "frame/clock.h"
#include "frame/errors.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/tarnstart.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

const QString kDbError473De = QStringLiteral("Prozedur  XHAP Datenbankfehler !\nFehler:   3061,   zu wenig Parameter !");
const QString kDbError473En = QStringLiteral("Procedure  XHAP Database error !\nError:   3061,   zu wenig Parameter !");

TEST(ResText, BlankNumberGivesEmptyText)
{
    ScriptedProgram sp;
    EXPECT_EQ(ResText(QString(), 1, true), QString());
    EXPECT_EQ(ResText(QStringLiteral("   "), 2, false, {QStringLiteral("x")}), QString());
}

struct LanguageRow {
    const char* name;
    int language;
    QString expected;
};
void PrintTo(const LanguageRow& r, std::ostream* os) { *os << r.name; }

class DatabaseErrorMessage : public ::testing::TestWithParam<LanguageRow> {};
TEST_P(DatabaseErrorMessage, ExpandsArgumentsAndLineBreak)
{
    ScriptedProgram sp;
    const QStringList args{QStringLiteral("XHAP"), QStringLiteral("3061"), QStringLiteral("zu wenig Parameter")};
    EXPECT_EQ(ResText(QStringLiteral("473"), GetParam().language, true, args), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Languages, DatabaseErrorMessage,
                         ::testing::Values(LanguageRow{"german", 1, kDbError473De},
                                           LanguageRow{"english", 2, kDbError473En}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ResText, ConvertsFromOemOnlyWhenAsked)
{
    ScriptedProgram sp;
    // "muß" is stored as OEM 225 for the sharp s.
    const QString oem = ResText(QStringLiteral("288"), 1, false, {QStringLiteral("2")});
    EXPECT_EQ(oem, QStringLiteral("Fehler!  Block 2 mu") + QChar(225) + QStringLiteral(" mit einem Buchstaben beginnen"));
    EXPECT_EQ(ResText(QStringLiteral("288"), 1, true, {QStringLiteral("2")}),
              QStringLiteral("Fehler!  Block 2 muß mit einem Buchstaben beginnen"));
}

TEST(ResStr, MissingIdAndOverflow)
{
    ScriptedProgram sp;
    EXPECT_EQ(ResStr(1501, 0, 2), QStringLiteral("&Cancel"));
    try {
        ResStr(0, 1, 1);
        FAIL() << "id 2001 is not in the tables";
    } catch (const ResourceNotFoundError& e) {
        EXPECT_EQ(e.id(), 2001);
    }
    EXPECT_THROW(ResStr(30000, 800, 2), OverflowError);
    EXPECT_THROW(ResText(QStringLiteral("40000"), 1, true), OverflowError);
}

struct ExpandRow {
    const char* name;
    QString text;
    QStringList args;
    QString expected;
};
void PrintTo(const ExpandRow& r, std::ostream* os) { *os << r.name; }

class Expand : public ::testing::TestWithParam<ExpandRow> {};
TEST_P(Expand, Placeholders)
{
    ScriptedProgram sp;
    sp.program().TitelAnw = QStringLiteral("Werk Nord");
    sp.program().Cf = QStringLiteral("De=dd\\,Vers=7.2,Qz=A");
    EXPECT_EQ(ExpandText(GetParam().text, GetParam().args, 1), GetParam().expected);
}
const QStringList kX{QStringLiteral("X")};
INSTANTIATE_TEST_SUITE_P(
    Cases, Expand,
    ::testing::Values(
        ExpandRow{"oneDigitOnly", QStringLiteral("@12"), kX, QStringLiteral("X2")},
        ExpandRow{"doubleAtStays", QStringLiteral("@@1"), kX, QStringLiteral("@@1")},
        ExpandRow{"zeroStays", QStringLiteral("a@0b"), kX, QStringLiteral("a@0b")},
        ExpandRow{"unknownLetterStays", QStringLiteral("@x"), kX, QStringLiteral("@x")},
        ExpandRow{"finalAtStays", QStringLiteral("50 @"), kX, QStringLiteral("50 @")},
        ExpandRow{"argumentOutOfRange", QStringLiteral("[@1|@2|@9]"), kX, QStringLiteral("[X||]")},
        ExpandRow{"noArguments", QStringLiteral("@1@2"), {}, QString()},
        ExpandRow{"insertedArgumentNotRescanned", QStringLiteral("@1@2"),
                  QStringList{QStringLiteral("@2"), QStringLiteral("Y")}, QStringLiteral("@2Y")},
        ExpandRow{"lineBreak", QStringLiteral("a@/b"), {}, QStringLiteral("a\nb")},
        ExpandRow{"userTitleEitherCase", QStringLiteral("@U|@u"), {}, QStringLiteral("Werk Nord|Werk Nord")},
        ExpandRow{"version", QStringLiteral("TARN @V @v"), {}, QStringLiteral("TARN 7.2 7.2")},
        ExpandRow{"pageOfNoPrintJob", QStringLiteral("Seite @P"), {}, QStringLiteral("Seite 0")},
        ExpandRow{"blanks", QStringLiteral("@[10]@1"), kX, QStringLiteral("          X")},
        ExpandRow{"blanksHalfToEven", QStringLiteral("|@[2.5]|"), {}, QStringLiteral("|  |")},
        ExpandRow{"tab", QStringLiteral("a@(9)b"), {}, QStringLiteral("a\tb")},
        ExpandRow{"ansiCharacter", QStringLiteral("@(171)"), {}, QString(QChar(171))},
        ExpandRow{"ansiCharacterOfWindowsRange", QStringLiteral("@(128)"), {}, QString(QChar(0x20AC))},
        ExpandRow{"nestedMessageWithSameArguments", QStringLiteral(">@{473}<"),
                  QStringList{QStringLiteral("P"), QStringLiteral("1"), QStringLiteral("E")},
                  QStringLiteral(">Prozedur  P Datenbankfehler !\nFehler:   1,   E !<")},
        ExpandRow{"braceWithoutCloseStays", QStringLiteral("@{473 @1"), kX, QStringLiteral("@{473 X")}),
    [](const auto& i) { return std::string(i.param.name); });

// The date of the clock, written as the text's language writes dates, whatever
// the locale of the machine (German output on an English system stays German).
TEST(Expand, DateComesFromTheClockInTheTextsLanguage)
{
    ScriptedProgram sp;
    ClockOverride clock(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    const QLocale machine = QLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(ExpandText(QStringLiteral("Stand: @D / @d"), {}, 1), QStringLiteral("Stand: 05.03.2024 / 05.03.2024"));
    EXPECT_EQ(ExpandText(QStringLiteral("As of @D"), {}, 2), QStringLiteral("As of 5 Mar 2024"));
    QLocale::setDefault(machine);
}

TEST(Expand, LanguageZeroMeansUserInterfaceLanguage)
{
    ScriptedProgram sp;
    sp.program().LangNr = 2;
    EXPECT_EQ(ExpandText(QStringLiteral("@{473}"), {QStringLiteral("P"), QStringLiteral("1"), QStringLiteral("E")}),
              QStringLiteral("Procedure  P Database error !\nError:   1,   E !"));
}

struct BadRow {
    const char* name;
    QString text;
};
void PrintTo(const BadRow& r, std::ostream* os) { *os << r.name; }
class ExpandInvalid : public ::testing::TestWithParam<BadRow> {};
TEST_P(ExpandInvalid, Throws)
{
    ScriptedProgram sp;
    EXPECT_THROW(ExpandText(GetParam().text, {}, 1), InvalidArgumentError);
}
INSTANTIATE_TEST_SUITE_P(Cases, ExpandInvalid,
                         ::testing::Values(BadRow{"blanksWithoutBracket", QStringLiteral("@[10 x")},
                                           BadRow{"characterWithoutBracket", QStringLiteral("@(65")},
                                           BadRow{"negativeBlanks", QStringLiteral("@[-1]")},
                                           BadRow{"characterAbove255", QStringLiteral("@(256)")},
                                           BadRow{"negativeCharacter", QStringLiteral("@(-1)")}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(MsgBoxRes, ShowsConvertedTextKeyedByNumberAndReturnsTheButton)
{
    ScriptedProgram sp;
    Question seen;
    sp.ui().expect(QuestionKind::Message, "473", [&](const Question& q) {
        seen = q;
        return Answer::button(Mb::OK);
    });
    EXPECT_EQ(MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, 1, {QStringLiteral("XHAP")}), Mb::OK);
    // One argument: "@2" and "@3" become empty.
    EXPECT_EQ(seen.text, QStringLiteral("Prozedur  XHAP Datenbankfehler !\nFehler:   ,    !"));
    EXPECT_EQ(seen.buttons, Mb::OKOnly);
    EXPECT_EQ(paramsOf<MessageParams>(seen).title, QStringLiteral("TARN"));
}

TEST(MsgBoxRes, ConvertsInsertedArgumentsFromOemToo)
{
    ScriptedProgram sp;
    Question seen;
    sp.ui().expect(QuestionKind::Message, "290", [&](const Question& q) {
        seen = q;
        return Answer::button(Mb::OK);
    });
    // Arguments are expected in OEM: an ANSI "ü" (252) is the OEM superscript three.
    MsgBoxRes(QStringLiteral("290"), Mb::OKOnly, 1, {QString(QChar(252)), QStringLiteral("6")});
    EXPECT_EQ(seen.text, QStringLiteral("Fehler!  Block ³ darf nicht länger als 6 Zeichen sein"));
}

TEST(MsgBoxRes, SixthAndLaterArgumentsAreAlwaysEmpty)
{
    ScriptedProgram sp;
    Question seen;
    sp.ui().expect(QuestionKind::Message, "473", [&](const Question& q) {
        seen = q;
        return Answer::button(Mb::OK);
    });
    MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, 2,
              {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
               QStringLiteral("6")});
    EXPECT_EQ(seen.text, QStringLiteral("Procedure  1 Database error !\nError:   2,   3 !"));
}

TEST(MsgNoHelp, ShowsMessage95InTheUserLanguage)
{
    ScriptedProgram sp;
    sp.program().LangNr = 2;
    Question seen;
    sp.ui().expect(QuestionKind::Message, "95", [&](const Question& q) {
        seen = q;
        return Answer::button(Mb::OK);
    });
    MsgNoHelp();
    EXPECT_EQ(seen.text, QStringLiteral("HELP not yet available. Sorry"));
    EXPECT_EQ(seen.buttons, Mb::OKOnly);
}

struct CaptionRow {
    const char* name;
    int language;
    QString design;
    int offset;
    QString text;
    std::optional<QString> tag;
    std::optional<QString> toolTip;
};
void PrintTo(const CaptionRow& r, std::ostream* os) { *os << r.name; }
class Caption : public ::testing::TestWithParam<CaptionRow> {};
TEST_P(Caption, Localises)
{
    ScriptedProgram sp;
    sp.program().LangNr = GetParam().language;
    const LocalisedCaption c = localiseCaption(GetParam().design, GetParam().offset);
    EXPECT_EQ(c.text, GetParam().text);
    EXPECT_EQ(c.tag, GetParam().tag);
    EXPECT_EQ(c.toolTip, GetParam().toolTip);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Caption,
    ::testing::Values(
        CaptionRow{"cancelGerman", 1, QStringLiteral("0 #can"), 1501, QStringLiteral("&Abbrechen"), QStringLiteral("can"),
                   std::nullopt},
        CaptionRow{"cancelEnglish", 2, QStringLiteral("0 #can"), 1501, QStringLiteral("&Cancel"), QStringLiteral("can"),
                   std::nullopt},
        CaptionRow{"numberWithoutKeyIsTheTag", 1, QStringLiteral("1 ok"), 1499, QStringLiteral("&Ok"),
                   QStringLiteral("1"), std::nullopt},
        CaptionRow{"emptyIsNumberZero", 2, QString(), 1500, QStringLiteral("&Ok"), QStringLiteral("0"), std::nullopt},
        CaptionRow{"plainTextWithToolTip", 1, QStringLiteral("Anl \\19"), 1635, QStringLiteral("Anl "), std::nullopt,
                   QStringLiteral("Sortieren/Suchen nach Anl-Bezeichnung")},
        CaptionRow{"resourceTextWithToolTip", 1, QStringLiteral("14 #save"), 1601, QStringLiteral("&Speichern "),
                   QStringLiteral("save"), QStringLiteral("Speichern der Stückliste ")},
        CaptionRow{"missingArgumentIsEmpty", 2, QStringLiteral("0 Preview"), 1714, QStringLiteral("Page preview          pages:  "),
                   QStringLiteral("0"), std::nullopt},
        CaptionRow{"plainTextStays", 1, QStringLiteral("Block&Index"), 1557, QStringLiteral("Block&Index"), std::nullopt,
                   std::nullopt},
        CaptionRow{"separatorStays", 2, QStringLiteral("-"), 1557, QStringLiteral("-"), std::nullopt, std::nullopt},
        CaptionRow{"missingEnglishToolTipIsIgnored", 2, QStringLiteral("Anl \\25"), 1557, QStringLiteral("Anl "),
                   std::nullopt, std::nullopt}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Caption, ArgumentsFillThePlaceholders)
{
    ScriptedProgram sp;
    EXPECT_EQ(localiseCaption(QStringLiteral("0 qsl"), 1601, {QStringLiteral("A"), QStringLiteral("12")}).text,
              QStringLiteral("Qualitäts-Stückliste      A   12        Zeilen:"));
}

TEST(Caption, MissingTextThrows)
{
    ScriptedProgram sp;
    EXPECT_THROW(localiseCaption(QStringLiteral("1 #x"), 0, {}), ResourceNotFoundError);
}

} // namespace

namespace {
// A readable argument keeps its umlauts through the message when it is given in
// the OEM code page, as the whole message is converted from OEM once.
TEST(MsgBoxRes, ReadableArgumentsKeepTheirUmlautsThroughOemArgs)
{
    ScriptedProgram sp;
    QString shown;
    sp.ui().expect(QuestionKind::Message, "134", [&](const Question& q) {
        shown = q.text;
        return Answer::button(Mb::OK);
    });
    MsgBoxRes(QStringLiteral("134"), 0, 1, oemArgs({QStringLiteral("Prüfung\\Ä1")}));
    EXPECT_EQ(shown, QStringLiteral("Q-Sl  Prüfung\\Ä1  unter dieser DOS-Adresse nicht gefunden !"));
}
} // namespace
