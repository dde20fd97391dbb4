#include "frame/restext.h"
#include "common/testutil.h"
#include "frame/frminfo.h"
#include "frame/launcher.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sp.program().IniFile = dir.filePath(QStringLiteral("tarn.ini"));
        setLauncher(&rec);
    }
    void TearDown() override { setLauncher(nullptr); }

    // Shows the box modal and runs `action` once it is up; false when it did
    // not close within five seconds.
    bool closesBy(frmInfo& box, const std::function<void(frmInfo&)>& action)
    {
        QTimer::singleShot(0, &box, [&] { action(box); });
        QTimer::singleShot(5000, &box, [&] { box.done(99); });
        const int r = box.exec();
        return r != 99 && !box.isVisible();
    }

    ScriptedProgram sp;
    QTemporaryDir dir;
    RecordingLauncher rec;
};

struct WayOut {
    const char* name;
    std::function<void(frmInfo&)> action;
};
void PrintTo(const WayOut& r, std::ostream* os) { *os << r.name; }
class AboutBoxWayOut : public AboutBoxTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(AboutBoxWayOut, OpensAndCloses)
{
    for (const char* tag : {"TARN", "QE"}) {
        frmInfo box;
        box.setTag(QString::fromLatin1(tag));
        bool shown = false;
        EXPECT_TRUE(closesBy(box, [&](frmInfo& b) {
            shown = b.isVisible() && b.isModal();
            GetParam().action(b);
        })) << tag;
        EXPECT_TRUE(shown) << tag;
    }
    EXPECT_TRUE(rec.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxWayOut,
    ::testing::Values(WayOut{"closeButtonClick", [](frmInfo& b) { QTest::mouseClick(b.cmdclose, Qt::LeftButton); }},
                      WayOut{"closeButtonByKeyboard",
                             [](frmInfo& b) {
                                 b.cmdclose->setFocus();
                                 QTest::keyClick(b.cmdclose, Qt::Key_Space);
                             }},
                      WayOut{"enterOnTheDefaultButton", [](frmInfo& b) { QTest::keyClick(&b, Qt::Key_Return); }},
                      WayOut{"escapeKey", [](frmInfo& b) { QTest::keyClick(&b, Qt::Key_Escape); }},
                      WayOut{"windowClosed", [](frmInfo& b) { b.close(); }}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(AboutBoxTest, WebButtonKeepsTheBoxOpen)
{
    writeFile(sp.program().IniFile, "[fewe]\r\nHotlineMail=help@tarn.test\r\n");
    frmInfo box;
    box.setTag(QStringLiteral("TARN"));
    EXPECT_TRUE(closesBy(box, [](frmInfo& b) {
        QTest::mouseClick(b.cmdweb, Qt::LeftButton);
        EXPECT_TRUE(b.isVisible());
        QTest::mouseClick(b.cmdclose, Qt::LeftButton);
    }));
    EXPECT_EQ(rec.opened, QStringList{"mailto:help@tarn.test"});
}

struct PictureRow {
    const char* name;
    QString tag;
    int language;
    bool tarn, german, english;
    int webCaptionId; // resource id of the web button caption
};
void PrintTo(const PictureRow& r, std::ostream* os) { *os << r.name; }
class AboutBoxPicture : public AboutBoxTest, public ::testing::WithParamInterface<PictureRow> {};

TEST_P(AboutBoxPicture, ShowsExactlyOnePicture)
{
    const PictureRow& row = GetParam();
    sp.program().LangNr = row.language;
    frmInfo box;
    box.setTag(row.tag);
    box.show();
    EXPECT_EQ(box.TarnBild->isVisible(), row.tarn);
    EXPECT_EQ(box.QEBildD->isVisible(), row.german);
    EXPECT_EQ(box.QEBildE->isVisible(), row.english);
    EXPECT_EQ(box.cmdweb->text(), ResStr(0, row.webCaptionId, 0));
    EXPECT_EQ(box.cmdclose->text(), ResStr(1502, 0, row.language));
    EXPECT_EQ(box.TarnBild->pixmap().size(), QSize(800, 576));
}

INSTANTIATE_TEST_SUITE_P(Tags, AboutBoxPicture,
                         ::testing::Values(PictureRow{"program", "TARN", 1, true, false, false, 3507},
                                           PictureRow{"centreGerman", "QE", 1, false, true, false, 3506},
                                           PictureRow{"centreEnglish", "QE", 2, false, false, true, 5506}),
                         [](const auto& i) { return std::string(i.param.name); });

struct TargetRow {
    const char* name;
    QString tag;
    QByteArray ini;
    QString opened; // empty: the button is disabled
};
void PrintTo(const TargetRow& r, std::ostream* os) { *os << r.name; }
class AboutBoxTarget : public AboutBoxTest, public ::testing::WithParamInterface<TargetRow> {};

TEST_P(AboutBoxTarget, OpensTheIniTargetOrIsDisabled)
{
    const TargetRow& row = GetParam();
    writeFile(sp.program().IniFile, row.ini);
    frmInfo box;
    box.setTag(row.tag);
    box.show();
    EXPECT_EQ(box.cmdweb->isEnabled(), !row.opened.isEmpty());
    QTest::mouseClick(box.cmdweb, Qt::LeftButton);
    EXPECT_EQ(rec.opened, row.opened.isEmpty() ? QStringList() : QStringList{row.opened});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutBoxTarget,
    ::testing::Values(TargetRow{"mail", "TARN", "[fewe]\r\nHotlineMail=help@tarn.test\r\n", "mailto:help@tarn.test"},
                      TargetRow{"web", "QE", "[fewe]\r\nWebSite=https://dlv.example/\r\n", "https://dlv.example/"},
                      // Mended: a missing key read "leer" and opened "leer" or "mailto:leer".
                      TargetRow{"mailKeyMissing", "TARN", "[fewe]\r\nWebSite=x\r\n", ""},
                      TargetRow{"webKeyMissing", "QE", "[fewe]\r\nHotlineMail=x\r\n", ""},
                      TargetRow{"mailEmpty", "TARN", "[fewe]\r\nHotlineMail=\r\n", ""},
                      TargetRow{"webEmpty", "QE", "[fewe]\r\nWebSite=\r\n", ""}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
