#include "common/testutil.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/frmerrptnr.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

class ErrorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sp.program().ProgramFile = dir.filePath(QStringLiteral("tarn"));
        sp.program().ProgramName = QStringLiteral("tarn");
        sp.program().ui = &qt;
        qt.registerHandler(QuestionKind::Message, [this](const Question& q) {
            messages << q.key;
            return Answer::button(Mb::Yes);
        });
    }

    // Raises an error through OnError and runs `inDialog` on the dialog once shown.
    int raise(const std::function<void(frmErrPtnr&)>& inDialog)
    {
        QTimer::singleShot(0, &guard, [&] {
            auto* d = qobject_cast<frmErrPtnr*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            inDialog(*d);
        });
        // A dialog left open fails the test instead of blocking it.
        QTimer::singleShot(5000, &guard, [] {
            if (auto* d = qobject_cast<frmErrPtnr*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "error dialog still open";
                d->continueButton(1)->click();
            }
        });
        return ErrPtnr::OnError(QStringLiteral("XHAP"), QStringLiteral("PosFueg"),
                                TarnError(QStringLiteral("File not found"), ErrNo::FileNotFound));
    }

    ScriptedProgram sp;
    QTemporaryDir dir;
    QtInteraction qt;
    QStringList messages;
    QObject guard; // ends the test's timers with the test
};

TEST_F(ErrorDialogTest, ShowsTheErrorAndOnlyContinueAndEnd)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PosFueg(Stc$, Pos$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), QStringLiteral("S1"));
    std::array<bool, 4> visible{};
    QString title, error;
    int historyRows = 0;
    const int answer = raise([&](frmErrPtnr& d) {
        for (int i = 0; i < 4; ++i)
            visible[i] = d.continueButton(i)->isVisible();
        title = d.windowTitle();
        error = d.errorValue(0)->text();
        historyRows = d.callStack()->count();
        QTest::keyClick(&d, Qt::Key_Escape); // no way out but a continuation button
        d.close();
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(d.continueButton(3), Qt::LeftButton);
    });
    EXPECT_EQ(answer, ErrPtnr::EndProgram);
    EXPECT_EQ(visible, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_TRUE(title.endsWith(" - Fehlermeldung"));
    EXPECT_EQ(error, "53 (File not found)");
    EXPECT_EQ(historyRows, 2);
}

TEST_F(ErrorDialogTest, ProtocolButtonsWorkWhileTheDialogStaysOpen)
{
    const int answer = raise([&](frmErrPtnr& d) {
        QTest::mouseClick(d.protocolButton(1), Qt::LeftButton); // save
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(d.continueButton(1), Qt::LeftButton);
    });
    EXPECT_EQ(answer, ErrPtnr::ContinueNext);
    EXPECT_EQ(messages, QStringList{"ErrPtnr.saved"});
    // The saved protocol is the one appended to the protocol file.
    EXPECT_EQ(readFile(dir.filePath("tarn.ERR")), readFile(dir.filePath("tarn.EPT")));
}

} // namespace
