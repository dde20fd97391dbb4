#include "frame/codepage.h"
#include "frame/markers.h"

#include <gtest/gtest.h>

namespace {

QString oem(std::initializer_list<int> codes)
{
    QString s;
    for (int c : codes)
        s += QChar(char16_t(c));
    return s;
}

TEST(CodePage, StuecklisteRoundTrip)
{
    const QString oemForm = QStringLiteral("St") + QChar(129) + QStringLiteral("ckliste");
    EXPECT_EQ(OemToAnsi(oemForm), QStringLiteral("Stückliste"));
    EXPECT_EQ(AnsiToOem(QStringLiteral("Stückliste")), oemForm);
    EXPECT_EQ(toBytes(AnsiToOem(QStringLiteral("Stückliste"))), QByteArray("St\x81" "ckliste"));
}

struct MarkerRow {
    const char* name;
    int ansi;
    int oem;
};
void PrintTo(const MarkerRow& r, std::ostream* os) { *os << r.name; }
class MarkerRoundTrip : public ::testing::TestWithParam<MarkerRow> {};
TEST_P(MarkerRoundTrip, ByteForByte)
{
    const QString ansi(QChar(char16_t(GetParam().ansi)));
    const QString toOem = AnsiToOem(ansi);
    EXPECT_EQ(toBytes(toOem), QByteArray(1, char(GetParam().oem)));
    EXPECT_EQ(toAnsi(OemToAnsi(toOem)), QByteArray(1, char(GetParam().ansi)));
}
INSTANTIATE_TEST_SUITE_P(Markers, MarkerRoundTrip,
                         ::testing::Values(MarkerRow{"endMark", EndeZeichenCode, 231},
                                           MarkerRow{"continuation", FolgeZeichenCode, 199},
                                           MarkerRow{"piMark", PiMarkCode, 198},
                                           MarkerRow{"hyphenFlag", TrennZeichenCode, 148},
                                           MarkerRow{"dialogueMarker", DiaMarkerCode, 238}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(CodePage, MarkersAreNotOemText)
{
    // A parameter string with its end mark and a pi key holds no OEM umlaut code,
    // so the conditional conversion leaves the markers alone.
    const QString line = QStringLiteral("Typ=BC107,") + PiMark + QStringLiteral("t=1.2") + EndeZeichen;
    EXPECT_EQ(OemToAnsiIfOem(line), line);
}

TEST(CodePage, OemBytesReadTheSameAsLatin1OrAnsiCharacters)
{
    // OEM 132 is "ä"; held as U+0084 (byte value) or as the ANSI character of code 132.
    EXPECT_EQ(OemToAnsi(oem({132})), QStringLiteral("ä"));
    EXPECT_EQ(OemToAnsi(QString(QChar(0x201E))), QStringLiteral("ä"));
}

TEST(CodePage, CharactersWithoutCounterpartBecomeSubstitute)
{
    EXPECT_EQ(OemToAnsi(oem({179, 65})), QStringLiteral("?A")); // box line has no ANSI form
    EXPECT_EQ(AnsiToOem(QString(QChar(0x20AC))), QStringLiteral("?")); // euro sign has no OEM form
    EXPECT_EQ(OemToAnsi(oem({9, 10, 13})), oem({9, 10, 13}));
}

TEST(CodePage, ScreenCharactersKeepBoxDrawing)
{
    // Unlike OemToAnsi, the single-character form keeps what only the screen can show.
    EXPECT_EQ(oemToUnicode(QChar(char16_t(179))), QChar(0x2502));
    EXPECT_EQ(oemToUnicode(QChar(char16_t(132))), QChar(u'ä'));
    EXPECT_EQ(oemToUnicode(QChar(0x03C0)), QChar(0x03C0)); // beyond the code page: unchanged
    EXPECT_TRUE(unicodeToOem(QChar(0x20AC)).isNull());
    // Every OEM code has its own Unicode character and comes back to itself.
    for (int code = 128; code < 256; ++code)
        EXPECT_EQ(unicodeToOem(oemToUnicode(QChar(char16_t(code)))), QChar(char16_t(code))) << code;
}

struct IfOemRow {
    const char* name;
    QString text;
    QString expected;
};
void PrintTo(const IfOemRow& r, std::ostream* os) { *os << r.name; }
class IfOem : public ::testing::TestWithParam<IfOemRow> {};
TEST_P(IfOem, ConvertsOnlyTextsWithOemUmlauts)
{
    EXPECT_EQ(OemToAnsiIfOem(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, IfOem,
    ::testing::Values(IfOemRow{"ascii", QStringLiteral("Widerstand 10k"), QStringLiteral("Widerstand 10k")},
                      IfOemRow{"oemUmlaut", oem({'G', 'r', 148, 225, 'e', 171}), QStringLiteral("Größe½")},
                      IfOemRow{"ansiWithoutOemCodes", QStringLiteral("Größe"), QStringLiteral("Größe")},
                      // ANSI "á" (225) is the OEM sharp s: the text counts as OEM.
                      IfOemRow{"ansiThatLooksOem", QStringLiteral("á"), QStringLiteral("ß")}),
    [](const auto& i) { return std::string(i.param.name); });

struct ReplaceRow {
    const char* name;
    QString text;
    QString find;
    QString replacement;
    int compare;
    QString expected;
};
void PrintTo(const ReplaceRow& r, std::ostream* os) { *os << r.name; }
class Replace : public ::testing::TestWithParam<ReplaceRow> {};
TEST_P(Replace, All)
{
    QString t = GetParam().text;
    ReplaceAll(t, GetParam().find, GetParam().replacement, GetParam().compare);
    EXPECT_EQ(t, GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Replace,
    ::testing::Values(
        ReplaceRow{"decimalComma", QStringLiteral("1,5"), QStringLiteral(","), QStringLiteral("."), 1,
                   QStringLiteral("1.5")},
        ReplaceRow{"caseInsensitiveByDefault", QStringLiteral("a={PI}t,b={pi}s"), QStringLiteral("{pi}"),
                   QString(PiMark), 1, QStringLiteral("a=") + PiMark + "t,b=" + PiMark + "s"},
        ReplaceRow{"exact", QStringLiteral("{PI}{pi}"), QStringLiteral("{pi}"), QStringLiteral("x"), 0,
                   QStringLiteral("{PI}x")},
        ReplaceRow{"replacementContainsFind", QStringLiteral("a.a"), QStringLiteral("a"), QStringLiteral("aa"), 1,
                   QStringLiteral("aa.aa")},
        ReplaceRow{"emptyFindChangesNothing", QStringLiteral("abc"), QString(), QStringLiteral("x"), 1,
                   QStringLiteral("abc")}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
