#include "component_entry/eingabetypyk.h"
#include "frame/workslots.h"
#include "entrytestutil.h"

namespace {

const QString kTsa = QStringLiteral("btx\\tsabrth#tsa");

class IdentityEntry : public etest::EntryTest {
protected:
    QString Ident = QStringLiteral("old"), Key = QStringLiteral("old"), Ret = QStringLiteral("old");
};

struct IdentityCase {
    const char* name;
    QStringList fields; // type, item number, user number
    QString ident;
    QString key;
};

class IdentityFields : public IdentityEntry, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityFields, LastFilledFieldNamesTheComponent)
{
    const IdentityCase& c = GetParam();
    screen(kTsa, c.fields);
    EingabeTypYk(Ident, Key, Ret);
    EXPECT_EQ(Ident, c.ident);
    EXPECT_EQ(Key, c.key);
    EXPECT_NE(Ret, QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui().allUsed());
}

// The key: the designation padded with blanks or cut to 18 characters, then the
// letter of its kind; an item number in its 17-character normal form.
INSTANTIATE_TEST_SUITE_P(
    Cases, IdentityFields,
    ::testing::Values(
        IdentityCase{"AllEmpty", {QString(), QString(), QString()}, QString(), QString()},
        IdentityCase{"ShortTypeUpperCased",
                     {QStringLiteral("bc547"), QString(), QString()},
                     QStringLiteral("Typ=BC547"),
                     QStringLiteral("BC547") + QString(13, u' ') + u'T'},
        IdentityCase{"LongTypeKeepsEighteen",
                     {QStringLiteral("ABCDEFGHIJKLMNOPQRST"), QString(), QString()},
                     QStringLiteral("Typ=ABCDEFGHIJKLMNOPQRST"),
                     QStringLiteral("ABCDEFGHIJKLMNOPQRT").left(18) + u'T'},
        IdentityCase{"UserNumberOverridesType",
                     {QStringLiteral("BC547"), QString(), QStringLiteral("u-4711")},
                     QStringLiteral("An=U-4711"),
                     QStringLiteral("U-4711") + QString(12, u' ') + u'A'},
        IdentityCase{"ItemNumberNormalisedInTheKeyOnly",
                     {QStringLiteral("BC547"), QStringLiteral("a12-b3-c4"), QString()},
                     QStringLiteral("Yk=A12-B3-C4"),
                     // blocks of 6, 5 and 4 characters, digits right-aligned behind the letter,
                     // 17 characters padded to 18
                     QStringLiteral("A   12-B   3-C  4 S")}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(IdentityEntry, WrongItemNumberIsShownAgainAlone)
{
    screen(kTsa, {QStringLiteral("bc547"), QStringLiteral("a1234567-b1-c1"), QStringLiteral("u1")});
    message(QStringLiteral("67"));
    ui().expect(QuestionKind::Screen, kTsa, [](const Question&) {
        // Only the item number comes back, upper-cased.
        EXPECT_EQ(frmBEProgEin::state().EingabeFelder,
                  (QStringList{QString(), QString(), QStringLiteral("A1234567-B1-C1"), QString()}));
        Answer a;
        a.values = QStringList{QString(), QString(), QString(), QString()}; // the user clears it
        return a;
    });
    EingabeTypYk(Ident, Key, Ret);
    // The type of the first showing stays.
    EXPECT_EQ(Ident, QStringLiteral("Typ=BC547"));
    EXPECT_EQ(Key, QStringLiteral("BC547") + QString(13, u' ') + u'T');
    ASSERT_GE(ui().asked.size(), 2);
    EXPECT_TRUE(ui().asked[1].text.contains(QStringLiteral("A1234567-B1-C1")));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(IdentityEntry, CancelAfterWrongItemNumberKeepsTheType)
{
    screen(kTsa, {QStringLiteral("bc547"), QStringLiteral("a1234567-b1-c1")});
    message(QStringLiteral("67"));
    ui().expect(QuestionKind::Screen, kTsa, Answer::cancel());
    EingabeTypYk(Ident, Key, Ret);
    EXPECT_EQ(Ret, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(Ident, QStringLiteral("Typ=BC547"));
    EXPECT_EQ(Key, QStringLiteral("BC547") + QString(13, u' ') + u'T');
}

TEST_F(IdentityEntry, CancelAtOnceLeavesEverythingEmpty)
{
    prog().Cf = QStringLiteral("Tsa=7,Xy=1");
    ui().expect(QuestionKind::Screen, kTsa, Answer::cancel());
    EingabeTypYk(Ident, Key, Ret);
    EXPECT_EQ(Ret, QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(Ident.isEmpty());
    EXPECT_TRUE(Key.isEmpty());
    EXPECT_EQ(prog().WorkStr[Slot::TsaMode], QStringLiteral("7"));
}

} // namespace
