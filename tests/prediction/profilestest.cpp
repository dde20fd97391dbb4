#include "common/testutil.h"
#include "frame/inifile.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "prediction/profiles.h"
#include "prediction/runparams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using testutil::readFile;
using testutil::writeFile;

namespace {

class ProfilesTest : public ::testing::Test {
protected:
    ProfilesTest()
    {
        sp.program().IniFile = dir.filePath(QStringLiteral("tarn.ini"));
        sp.program().LangNr = 1;
    }
    void ini(const QByteArray& text) { writeFile(sp.program().IniFile, text); }
    QString iniText() { return QString::fromLatin1(readFile(sp.program().IniFile)); }
    ScriptedInteraction& ui() { return sp.ui(); }

    QTemporaryDir dir;
    testutil::ScriptedProgram sp;
};

TEST_F(ProfilesTest, StoredMethodListKeepsThePiMarkerAsBraceText)
{
    const QString methods = QStringLiteral("Norm=12000,Tu=40,") + PiMark + QStringLiteral("q2em=3");
    ASSERT_TRUE(storeProfile(QStringLiteral("Mil"), {methods, QStringLiteral("Qpdr=10000000,Ld=1")}));
    EXPECT_TRUE(iniText().contains(QStringLiteral("[profil-gl]\r\nMil=Norm=12000,Tu=40,{pi}q2em=3\r\n")));
    EXPECT_TRUE(iniText().contains(QStringLiteral("[profil-sy]\r\nMil=Qpdr=10000000,Ld=1\r\n")));

    const auto back = readProfile(QStringLiteral("mil")); // ini keys ignore letter case
    ASSERT_TRUE(back);
    EXPECT_EQ(back->methods, methods);
    EXPECT_EQ(back->control, QStringLiteral("Qpdr=10000000,Ld=1"));
}

TEST_F(ProfilesTest, UnknownNameOrLeerValueIsNoProfile)
{
    ini("[profil-gl]\r\nA=Norm=10000\r\nEmpty=leer\r\n[profil-sy]\r\nOnlySy=Qpdr=1\r\n");
    EXPECT_FALSE(readProfile(QStringLiteral("Missing")));
    EXPECT_FALSE(readProfile(QStringLiteral("Empty")));
    EXPECT_FALSE(readProfile(QStringLiteral("OnlySy")));
    EXPECT_FALSE(readProfile(QString()));
    EXPECT_TRUE(readProfile(QStringLiteral("A")));
}

TEST_F(ProfilesTest, LongListIsReadWhole)
{
    // A buffer of 256 would cut this list inside the value of the last key.
    const QString control = QStringLiteral("Qpdr=12345670,") + QString(260, u'x') + QStringLiteral(",File=Std");
    ini(QStringLiteral("[profil-gl]\r\nLong=Norm=10000\r\n[profil-sy]\r\nLong=%1\r\n").arg(control).toLatin1());
    const auto p = readProfile(QStringLiteral("Long"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->control, control);
}

TEST_F(ProfilesTest, NamesInFileOrderAndDeleteFromBothSections)
{
    ini("[profil-gl]\r\nStandard=Norm=10000\r\nB=Norm=1\r\n[profil-sy]\r\nB=Qpdr=1\r\nStandard=Qpdr=2\r\n");
    EXPECT_EQ(profileNames(), QStringList({"Standard", "B"}));
    ASSERT_TRUE(deleteProfile(QStringLiteral("B")));
    EXPECT_EQ(profileNames(), QStringList({"Standard"}));
    EXPECT_FALSE(iniText().contains(QStringLiteral("B=")));
    EXPECT_EQ(profileNames().size(), 1);
}

TEST_F(ProfilesTest, NoSectionGivesNoNames)
{
    ini("[fewe]\r\nDe=dd\r\n");
    EXPECT_TRUE(profileNames().isEmpty());
}

TEST_F(ProfilesTest, SelectRefusesAnEmptyChoiceThenReturnsTheName)
{
    ini("[profil-gl]\r\nStandard=Norm=10000\r\n");
    ui().expect(QuestionKind::Profile, QStringLiteral("select"), Answer::word(QString()));
    ui().expect(QuestionKind::Message, QStringLiteral("178"), Answer::button(Mb::OK));
    ui().expect(QuestionKind::Profile, QStringLiteral("select"), [](const Question& q) {
        EXPECT_EQ(q.choices, QStringList({"Standard"}));
        return Answer::word(QStringLiteral(" Standard "));
    });
    EXPECT_EQ(frmProgProfil::SelProfile(2), QStringLiteral("Standard"));
    EXPECT_TRUE(ui().allUsed());
}

TEST_F(ProfilesTest, SelectCancelled)
{
    ui().expect(QuestionKind::Profile, QStringLiteral("delete"), Answer::cancel());
    EXPECT_EQ(frmProgProfil::SelProfile(1), QStringLiteral("ABBRUCH"));
}

TEST_F(ProfilesTest, SaveChecksLengthAndExistingNames)
{
    ini("[profil-gl]\r\nStandard=Norm=10000\r\n");
    const QString thirty(30, u'n');
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(thirty + u'x'));
    ui().expect(QuestionKind::Message, QStringLiteral("183"), Answer::button(Mb::OK));
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(thirty));
    EXPECT_EQ(frmProgProfil::SaveProfile(), thirty);

    // Existing name: Cancel asks again, No stores nothing, Yes overwrites.
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("Standard")));
    ui().expect(QuestionKind::Message, QStringLiteral("181"), Answer::button(Mb::Cancel));
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("Standard")));
    ui().expect(QuestionKind::Message, QStringLiteral("181"), Answer::button(Mb::No));
    EXPECT_EQ(frmProgProfil::SaveProfile(), QString());
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("Standard")));
    ui().expect(QuestionKind::Message, QStringLiteral("181"), Answer::button(Mb::Yes));
    EXPECT_EQ(frmProgProfil::SaveProfile(), QStringLiteral("Standard"));
    EXPECT_TRUE(ui().allUsed());
}

// A comma or an equals sign would split the name where it is stored (an ini key,
// a value of the run's lists): such a name is refused, not changed, and the
// user types another.
TEST_F(ProfilesTest, SaveRefusesANameWithACommaOrAnEqualsSign)
{
    ini("[profil-gl]\r\nStandard=Norm=10000\r\n");
    for (const char* bad : {"Netzteil,neu", "Tu=55"}) {
        ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QString::fromLatin1(bad)));
        ui().expect(QuestionKind::Message, QStringLiteral("505"), Answer::button(Mb::OK));
    }
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("Netzteil neu")));
    EXPECT_EQ(frmProgProfil::SaveProfile(), QStringLiteral("Netzteil neu"));
    EXPECT_TRUE(ui().allUsed());
}

// Deleting asks first, naming the profile; No keeps it and offers the list again.
TEST_F(ProfilesTest, DeleteAsksFirst)
{
    ini("[profil-gl]\r\nStandard=Norm=10000\r\nB=Norm=1\r\n[profil-sy]\r\nB=Qpdr=1\r\nStandard=Qpdr=2\r\n");
    ui().expect(QuestionKind::Profile, QStringLiteral("delete"), Answer::word(QStringLiteral("Standard")));
    ui().expect(QuestionKind::Message, QStringLiteral("506"), [](const Question& q) {
        EXPECT_TRUE(q.text.contains(QStringLiteral("Standard"))) << q.text.toStdString();
        return Answer::button(Mb::No);
    });
    ui().expect(QuestionKind::Profile, QStringLiteral("delete"), Answer::word(QStringLiteral("B")));
    ui().expect(QuestionKind::Message, QStringLiteral("506"), Answer::button(Mb::Yes));
    ui().expect(QuestionKind::Profile, QStringLiteral("delete"), [](const Question& q) {
        EXPECT_EQ(q.choices, QStringList({"Standard"}));
        return Answer::cancel();
    });
    frmProgProfil::DeleteProfiles();
    EXPECT_TRUE(ui().allUsed());
    EXPECT_EQ(profileNames(), QStringList({"Standard"}));
    EXPECT_TRUE(iniText().contains(QStringLiteral("Standard=Qpdr=2")));
}

TEST_F(ProfilesTest, SaveWithFiftyProfilesOffersOnlyOverwriting)
{
    QByteArray text = "[profil-gl]\r\n";
    for (int i = 0; i < 50; ++i)
        text += "P" + QByteArray::number(i) + "=Norm=10000\r\n";
    ini(text);
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("New")));
    ui().expect(QuestionKind::Message, QStringLiteral("182"), Answer::button(Mb::Yes));
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("P7")));
    ui().expect(QuestionKind::Message, QStringLiteral("181"), Answer::button(Mb::Yes));
    EXPECT_EQ(frmProgProfil::SaveProfile(), QStringLiteral("P7"));
    ui().expect(QuestionKind::Profile, QStringLiteral("save"), Answer::word(QStringLiteral("New")));
    ui().expect(QuestionKind::Message, QStringLiteral("182"), Answer::button(Mb::No));
    EXPECT_EQ(frmProgProfil::SaveProfile(), QString());
}

TEST(RunParams, FlagsAreNumeric)
{
    const QString sy = QStringLiteral("HwNw=-1,ARSoList=0,ARBewert=x,Mmax=-1");
    EXPECT_TRUE(flagSet(sy, QStringLiteral("HwNw")));
    EXPECT_FALSE(flagSet(sy, QStringLiteral("ARSoList")));
    EXPECT_FALSE(flagSet(sy, QStringLiteral("ARBewert")));
    EXPECT_FALSE(flagSet(sy, QStringLiteral("Missing")));
    EXPECT_TRUE(maxOnly(sy));
    EXPECT_FALSE(maxOnly(QStringLiteral("Mmax=1")));
}

} // namespace

namespace {
// The shipped "Standard" profile names no report language, so that it prints
// in the language of whoever runs it (an English user gets an English report).
TEST(ShippedProfiles, StandardFollowsTheUsersLanguage)
{
    testutil::ScriptedProgram sp;
    sp.program().IniFile = testutil::distDir() + QStringLiteral("/System/tarn.ini");
    const auto standard = readProfile(QStringLiteral("Standard"));
    ASSERT_TRUE(standard);
    EXPECT_FALSE(standard->control.isEmpty());
    EXPECT_TRUE(GetParam(standard->control, QStringLiteral("Ld")).isEmpty()) << standard->control.toStdString();
}
} // namespace
