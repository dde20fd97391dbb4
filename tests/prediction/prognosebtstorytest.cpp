#include "app/procedures.h"
#include "common/testutil.h"
#include "dialogue/beprogein.h"
#include "dialogue/frmbeprogein.h"
#include "common/widgets/windowtest.h"
#include "dialogue/frmdia.h"
#include "main_window/frmtarn.h"
#include "frame/program.h"
#include "frame/qtinteraction.h"
#include "frame/tarnstart.h"
#include "printing/printfixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// An engineer predicts one demo component from the main menu: reference
// conditions, the standard parameters, the type typed into the identity
// screen, the check pages, the stress data, the results; the printout goes to
// a PDF file; the next component is asked and the run is left with Escape.
// The menus and screens are the real windows, driven by keys.
namespace {

// The real windows, except for the preview and the Save dialog of the PDF,
// which are answered here: the preview asks for a PDF, the dialog names it.
class StoryUi : public QtInteraction {
public:
    Answer ask(const Question& q) override
    {
        current = questionKindWord(q.kind) + u' ' + q.key;
        log << current;
        ++asks;
        if (q.kind == QuestionKind::Preview) {
            Answer a = Answer::word(QStringLiteral("pr"));
            a.toPdf = true;
            return a;
        }
        if (q.kind == QuestionKind::SaveFile)
            return Answer::word(pdf);
        return QtInteraction::ask(q);
    }
    QString current, pdf;
    QStringList log;
    int asks = 0;
};

TEST(SingleComponentStory, FromTheMainMenuToAPdfAndOut)
{
    testutil::TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    testutil::ScriptedProgram sp;
    ASSERT_NE(Main(inst.programFile(), QString()).action, StartAction::End);
    auto fake = std::make_unique<FakePrinter>();
    printState().device = std::move(fake);

    StoryUi qt;
    qt.pdf = inst.path("story.pdf");
    registerDialogueWindows(qt);
    registerSelectionMenuWindows(qt);
    sp.program().ui = &qt;

    const QString shots = qEnvironmentVariable("TARN_STORY_SHOTS");
    int seen = 0, pages = 0, identities = 0;
    QStringList pageTexts;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (qt.asks == seen)
            return;
        const QString at = qt.current;
        auto menuKey = [](char k) {
            if (frmBEProgEinWindow* w = selectionMenuWindow())
                QTest::keyClick(w, k);
        };
        frmDiaWindow* screen = shownScreen();
        if (at.startsWith(QLatin1String("menu "))) {
            seen = qt.asks;
            if (at.endsWith(QLatin1String("#ret")))
                menuKey('2'); // the next component
            else
                menuKey('1'); // reference conditions, standard parameters
            return;
        }
        if (!screen || !screen->isVisible())
            return;
        seen = qt.asks;
        if (at == QLatin1String("textpage #7")) {
            ++pages;
            if (!shots.isEmpty())
                screen->grab().save(QStringLiteral("%1/page-%2.png").arg(shots).arg(pages));
            QTest::keyClick(screen, Qt::Key_Return);
        } else if (at.endsWith(QLatin1String("tsabrth#tsa"))) {
            if (++identities == 1) {
                QTest::keyClicks(screen->entryField(1), QStringLiteral("R-10K"));
                QTest::keyClick(screen->entryField(1), Qt::Key_Return);
            } else {
                QTest::keyClick(screen, Qt::Key_Escape);
            }
        } else {
            QTest::keyClick(screen, Qt::Key_Return); // what each screen proposes
        }
    });
    timer.start(20);

    frmTARN w;
    installEntryProcedures(w.dispatcher());
    QAction* item = w.actionForKey(QStringLiteral("calc.bt"));
    ASSERT_NE(item, nullptr);
    item->trigger();
    timer.stop();

    // Conditions, methods, standard parameters, the parameter page, the type,
    // its data page, ... the results, the printout, the next step, the type again.
    EXPECT_EQ(qt.log.value(0), QStringLiteral("menu btx\\div#refber")) << qt.log.join(' ').toStdString();
    EXPECT_EQ(identities, 2) << qt.log.join(' ').toStdString();
    EXPECT_GE(pages, 4) << qt.log.join(' ').toStdString();
    EXPECT_TRUE(qt.log.contains(QStringLiteral("preview frmPreview"))) << qt.log.join(' ').toStdString();
    EXPECT_TRUE(qt.log.contains(QStringLiteral("menu btx\\div#ret")));
    const QByteArray pdf = testutil::readFile(qt.pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF")) << qt.pdf.toStdString();
    if (!shots.isEmpty())
        testutil::writeFile(shots + QStringLiteral("/story.pdf"), pdf);
    // The loop is left: the selection window is gone.
    EXPECT_FALSE(frmBEProgEin::state().loaded);
}

} // namespace
