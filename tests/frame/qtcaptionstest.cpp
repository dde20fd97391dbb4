#include "common/testutil.h"
#include "frame/qtcaptions.h"
#include "frame/restext.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

TEST(LoadCaption, ButtonGetsTextTagAndToolTip)
{
    ScriptedProgram sp;
    QPushButton cancel(QStringLiteral("0 #can"));
    LoadCaption(&cancel, 1501);
    EXPECT_EQ(cancel.text(), QStringLiteral("&Abbrechen"));
    EXPECT_EQ(cancel.property("tag").toString(), QStringLiteral("can"));

    QLabel plant(QStringLiteral("Anl \\19"));
    plant.setProperty("tag", QStringLiteral("keep"));
    LoadCaption(&plant, 1532);
    EXPECT_EQ(plant.text(), QStringLiteral("Anl "));
    EXPECT_EQ(plant.toolTip(), QStringLiteral("Sortieren/Suchen nach Anl-Bezeichnung"));
    EXPECT_EQ(plant.property("tag").toString(), QStringLiteral("keep"));
}

TEST(LoadCaption, MissingEnglishToolTipLeavesTheOldOne)
{
    ScriptedProgram sp;
    sp.program().LangNr = 2;
    QPushButton b(QStringLiteral("Anl \\25"));
    b.setToolTip(QStringLiteral("before"));
    LoadCaption(&b, 1500);
    EXPECT_EQ(b.text(), QStringLiteral("Anl "));
    EXPECT_EQ(b.toolTip(), QStringLiteral("before"));
}

TEST(LoadCaption, FormTitleAndMenuArray)
{
    ScriptedProgram sp;
    sp.program().LangNr = 2;
    QWidget form;
    form.setWindowTitle(QStringLiteral("1"));
    LoadCaption(&form, 1499);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("&Ok"));
    EXPECT_EQ(form.property("tag").toString(), QStringLiteral("1"));

    QAction ok(QStringLiteral("0 #ok")), separator(QStringLiteral("-")), cancel(QStringLiteral("1 #can"));
    LoadCaptions({&ok, &separator, &cancel}, 1500);
    EXPECT_EQ(ok.text(), QStringLiteral("&Ok"));
    EXPECT_EQ(ok.property("tag").toString(), QStringLiteral("ok"));
    EXPECT_EQ(separator.text(), QStringLiteral("-"));
    EXPECT_EQ(cancel.text(), QStringLiteral("&Cancel"));
}

TEST(LoadCaption, GapInArrayAndMissingTextThrow)
{
    ScriptedProgram sp;
    QAction a(QStringLiteral("0 #ok"));
    EXPECT_THROW(LoadCaptions({&a, nullptr}, 1500), TarnError);
    QPushButton b(QStringLiteral("1 #x"));
    EXPECT_THROW(LoadCaption(&b, 0), ResourceNotFoundError);
    EXPECT_EQ(b.text(), QStringLiteral("1 #x"));
}

} // namespace
