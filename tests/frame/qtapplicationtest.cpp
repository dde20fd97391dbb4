#include "common/testutil.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/qtapplication.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

// A button whose click handler fails the way a procedure's statement fails.
class FailingButton : public QPushButton {
public:
    FailingButton()
    {
        setObjectName(QStringLiteral("cmdFail"));
        connect(this, &QPushButton::clicked, this, [] { throw OverflowError(); });
    }
};

TarnApplication* app()
{
    return qobject_cast<TarnApplication*>(QCoreApplication::instance());
}

// An exception of an event handler becomes the error dialog with the window and
// the control that failed; the program goes on and the window stays usable.
TEST(EventErrors, AnExceptionOfAHandlerBecomesTheErrorDialog)
{
    ASSERT_NE(app(), nullptr) << "the window tests run under the program's application object";
    ScriptedProgram sp;
    QWidget window;
    window.setObjectName(QStringLiteral("frmSample"));
    auto* button = new FailingButton;
    button->setParent(&window);
    window.show();
    int dialogs = 0;
    sp.ui().always(QuestionKind::Error, QStringLiteral("*"), Answer::button(ErrPtnr::ContinueNext));
    for (int click = 0; click < 2; ++click)
        EXPECT_NO_THROW(QTest::mouseClick(button, Qt::LeftButton));
    for (const Question& q : sp.ui().asked) {
        if (q.kind != QuestionKind::Error)
            continue;
        ++dialogs;
        EXPECT_TRUE(q.key.startsWith(QStringLiteral("frmSample.cmdFail "))) << q.key.toStdString();
        EXPECT_EQ(paramsOf<ErrorParams>(q).number, ErrNo::Overflow);
    }
    EXPECT_EQ(dialogs, 2) << "every failing click is reported, and the window takes the next one";
    EXPECT_TRUE(window.isVisible());
}

// "End the program" in that dialog ends the running event loops instead of
// throwing through them; the run then returns from exec() with a failure.
TEST(EventErrors, EndTheProgramLeavesTheEventLoop)
{
    ASSERT_NE(app(), nullptr);
    ScriptedProgram sp;
    sp.ui().expect(QuestionKind::Error, QStringLiteral("*"), Answer::button(ErrPtnr::EndProgram));
    FailingButton button;
    button.show();
    QTimer::singleShot(0, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
    // A guard: a loop that did not end fails the test instead of hanging it.
    // It goes with the test, so that it never ends a later test's loop.
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        guardFired = true;
        QCoreApplication::exit(0);
    });
    guard.start(5000);
    // The application's own loop, as the program runs it (it also leaves the
    // loops of later tests free to run).
    const int rc = QApplication::exec();
    EXPECT_FALSE(guardFired);
    EXPECT_EQ(rc, 1);
    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(app()->endRequested());
}

} // namespace
