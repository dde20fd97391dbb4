// The dialogue screens of the installation as the user sees them, in both
// languages: what the window places must not cover what it draws, fields are
// as long as their entry, and the window fits a small laptop screen.
#include "common/testutil.h"
#include "dialogue/dia.h"
#include "dialogue/frmdia.h"
#include "dialogue/screen.h"
#include "frame/program.h"
#include "frame/tarnstart.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

struct ScreenCase {
    const char* name;
    const char* file; // below the language directory, without ".dia"
    const char* chapter;
    int lang; // 1 German (dd), 2 English (de)
};

std::ostream& operator<<(std::ostream& os, const ScreenCase& c)
{
    return os << c.file << ", " << c.chapter << " (" << (c.lang == 1 ? "dd" : "de") << ")";
}

class InstalledScreen : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        prog().LangNr = GetParam().lang;
        prog().LangDir = GetParam().lang == 2 ? QStringLiteral("de\\") : QStringLiteral("dd\\");
        const QString adia = prog().LangDir + QString::fromLatin1(GetParam().file);
        screen = loadInputScreen(adia, QString::fromLatin1(GetParam().chapter));
        ASSERT_TRUE(screen.has_value()) << GetParam();
        window.start(*screen);
        // Look at them: TARN_SCREENSHOT_DIR keeps a picture of every screen.
        const QString shots = qEnvironmentVariable("TARN_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            window.grab().save(QDir(shots).filePath(QStringLiteral("%1-%2.png")
                                                        .arg(QString::fromLatin1(GetParam().name))
                                                        .arg(GetParam().lang == 2 ? "en" : "de")));
    }

    testutil::TempInstallation inst;
    testutil::ScriptedProgram sp;
    std::optional<DiaScreen> screen;
    frmDiaWindow window;
};

TEST_P(InstalledScreen, CheckBoxesLeaveTheirLabelsReadable)
{
    int boxes = 0;
    for (const ToggleControl& t : screen->toggles) {
        QCheckBox* box = window.checkBox(t.number);
        if (!box)
            continue;
        ++boxes;
        const QRect r = box->geometry();
        // The key beside the box is shown whole...
        EXPECT_LE(box->sizeHint().width(), r.width()) << GetParam() << ": key " << QString(t.key).toStdString();
        // ...and no text of the line runs under the box.
        for (int i = 0; i < screen->texts.size(); ++i) {
            const DrawnText& text = screen->texts[i];
            if (text.row != t.row || text.text.trimmed().isEmpty())
                continue;
            EXPECT_FALSE(window.drawnTextInk(i).intersects(r))
                << GetParam() << ": box of key " << QString(t.key).toStdString() << " covers \""
                << text.text.toStdString() << "\"";
        }
    }
    if (std::string(GetParam().name).rfind("check", 0) == 0) {
        EXPECT_GT(boxes, 0) << GetParam();
    }
}

TEST_P(InstalledScreen, FieldsAreAsLongAsTheirEntryAndStandInOneColumn)
{
    std::set<int> columns;
    for (int i = 0; i < screen->fields.size(); ++i) {
        const EntryField& f = screen->fields[i];
        QLineEdit* edit = window.entryField(f.index);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->maxLength(), f.width - 2) << GetParam();
        EXPECT_GE(edit->width(), int(std::floor(edit->maxLength() * window.cellWidth()))) << GetParam();
        columns.insert(f.col);
    }
    // The labels in front of the fields of the Q-list head are padded to one
    // width, so the fields and the colons before them line up.
    if (std::string(GetParam().name) == "qlisthead") {
        EXPECT_EQ(columns.size(), 1u) << GetParam();
        EXPECT_EQ(screen->fields.size(), 5) << GetParam();
    }
}

TEST_P(InstalledScreen, WindowFitsASmallLaptopScreen)
{
    const QRect laptop(0, 0, 1366, 768);
    // The frame and title bar of the window manager need about 40 pixels.
    EXPECT_LE(window.width(), laptop.width()) << GetParam();
    EXPECT_LE(window.height() + 40, laptop.height()) << GetParam();
    // Buttons stand fully inside the window, none is cut at the bottom.
    for (int i = 0; window.button(i); ++i)
        EXPECT_TRUE(window.rect().contains(window.button(i)->geometry())) << GetParam() << ": button " << i;
}

const ScreenCase kScreens[] = {
    {"check-methods", "btx\\glob", "norm", 1},         {"check-methods", "btx\\glob", "norm", 2},
    {"check-printout", "qsl\\para", "teil", 1},        {"check-printout", "qsl\\para", "teil", 2},
    {"check-componentline", "qsl\\para", "btlist", 1}, {"check-componentline", "qsl\\para", "btlist", 2},
    {"check-further", "qsl\\para", "var", 1},          {"check-further", "qsl\\para", "var", 2},
    {"qlisthead", "qsl\\kopfpos", "suchqz", 1},        {"qlisthead", "qsl\\kopfpos", "suchqz", 2},
    {"copyrename", "qsl\\kopie", "edsuch", 1},         {"copyrename", "qsl\\kopie", "edsuch", 2},
};
INSTANTIATE_TEST_SUITE_P(Installed, InstalledScreen, ::testing::ValuesIn(kScreens),
                         [](const auto& i) {
                             std::string n = std::string(i.param.name) + (i.param.lang == 2 ? "_en" : "_de");
                             for (char& c : n)
                                 if (c == '-')
                                     c = '_';
                             return n;
                         });

// The key-choice fields: Down and Up move between the entry fields, the focus
// starts in the first field that is still empty, and a field takes no more
// characters than its entry has.
TEST(DialogueFields, DownUpMoveAndTheEntryLengthHolds)
{
    testutil::ScriptedProgram sp;
    const QString Mk(QChar(char16_t(175))), Cl(QChar(char16_t(174)));
    DiaScreen s;
    s.buildInput({"*Db  " + Mk + "E01" + Cl + ".", "*Nr  " + Mk + "E1xxxx1" + Cl + ".", "*Typ " + Mk + "E2xxx1" + Cl + "."},
                 QString(), {QStringLiteral("A"), QString(), QString()}, QString(), std::nullopt);
    frmDiaWindow w;
    w.start(s);
    QApplication::setActiveWindow(&w);
    QLineEdit* db = w.entryField(0);
    QLineEdit* nr = w.entryField(1);
    QLineEdit* typ = w.entryField(2);
    ASSERT_TRUE(db && nr && typ);
    EXPECT_TRUE(nr->hasFocus()); // the database letter is already there
    QTest::keyClick(nr, Qt::Key_Down);
    EXPECT_TRUE(typ->hasFocus());
    QTest::keyClick(typ, Qt::Key_Down); // the last field keeps the focus
    EXPECT_TRUE(typ->hasFocus());
    QTest::keyClick(typ, Qt::Key_Up);
    QTest::keyClick(nr, Qt::Key_Up);
    EXPECT_TRUE(db->hasFocus());
    db->selectAll();
    QTest::keyClicks(db, QStringLiteral("B1"));
    EXPECT_EQ(db->text(), QStringLiteral("B"));
    QTest::keyClicks(nr, QStringLiteral("1234567"));
    EXPECT_EQ(nr->text(), QStringLiteral("12345"));
}

} // namespace
