#include "app/procedures.h"
#include "common/testutil.h"
#include "frame/codepage.h"
#include "main_window/frmtarn.h"
#include "frame/paths.h"
#include "frame/markers.h"
#include "frame/tarnstart.h"
#include "qlist/qslfile.h"
#include "qlist_ui/frmqsledit.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

// A user edits the demo board of the demo installation: a stress value set
// through the popup of a position, a new position typed in, both saved.
namespace {

using namespace testutil;

// Opens Q-list 1 from the main menu and lets act work in the editor window.
void editDemoBoard(ScriptedProgram& sp, frmTARN& main, const std::function<void(frmQslEditWindow&)>& act)
{
    Answer number;
    number.values = QStringList(8);
    number.values[7] = QStringLiteral("1");
    sp.ui().expect(QuestionKind::NewQsl, "frmQslNeu", number);
    sp.ui().expect(QuestionKind::QslEditor, "frmQslEdit", [&](const Question& q) {
        auto* model = modelOf<QslEditModel>(q);
        frmQslEditWindow window(*model, nullptr);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        act(window);
        window.close();
        EXPECT_EQ(model->Tag, QStringLiteral("1"));
        model->view = nullptr;
        Answer a;
        a.applied = true;
        return a;
    });
    main.actionForKey("ql.edit")->trigger();
    EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(' ').toStdString();
}

TEST(QslEditStory, PopupValueAndNewItemAreSaved)
{
    TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    ScriptedProgram sp;
    ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
    prog().LangNr = 2;
    frmTARN main;
    installEntryProcedures(main.dispatcher());
    const QString file = nativePath(QslPfad(QStringLiteral("A"), QStringLiteral("00001")));

    QString position;
    editDemoBoard(sp, main, [&](frmQslEditWindow& w) {
        QTableWidget* grid = w.grid();
        ASSERT_GE(grid->rowCount(), 4);
        position = grid->item(3, 0)->text();
        // Right click on the position, "Tei" from the popup, value 15.
        sp.ui().expect(QuestionKind::QslPopup, "up", [](const Question& q) {
            for (const QString& tag : paramsOf<PopupParams>(q).tags)
                if (tag.startsWith("Tei,"))
                    return Answer::word(tag);
            return Answer::cancel();
        });
        Answer fifteen;
        fifteen.values = {QStringLiteral("15")};
        sp.ui().expect(QuestionKind::Value, "Tei", fifteen);
        const QRect cell = grid->visualItemRect(grid->item(3, 0));
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, cell.center());
        EXPECT_EQ(w.lineEditor()->toPlainText(), position + QStringLiteral(",S,Tei=15"));
        QTest::keyClick(w.lineEditor(), Qt::Key_Return);
        sp.ui().expect(QuestionKind::Message, "110", Answer::button(Mb::OK));
        QTest::keyClick(w.lineEditor(), Qt::Key_F8);
    });
    ASSERT_FALSE(position.isEmpty());
    const QByteArray stored = "*" + toAnsi(position) + ",S,Tei=15\xfe\r\n";
    EXPECT_TRUE(readFile(file).contains(stored)) << readFile(file).toStdString();

    editDemoBoard(sp, main, [&](frmQslEditWindow& w) {
        EXPECT_EQ(w.grid()->item(3, 0)->text(), position + QStringLiteral(",S,Tei=15"));
        Answer entry;
        entry.values = QStringList{QString(), QStringLiteral("2,BC847,T"), QString(), QString()};
        entry.code = 13;
        sp.ui().expect(QuestionKind::Screen, "qsl\\kopfpos#neupos", entry);
        sp.ui().expect(QuestionKind::Screen, "qsl\\kopfpos#neupos", Answer::cancel());
        QTest::mouseClick(w.button("new"), Qt::LeftButton);
        EXPECT_EQ(w.lineEditor()->toPlainText(), QStringLiteral("Stck=2,Typ=BC847"));
        sp.ui().expect(QuestionKind::Message, "110", Answer::button(Mb::OK));
        QTest::mouseClick(w.button("save"), Qt::LeftButton);
    });
    EXPECT_TRUE(readFile(file).endsWith("*Stck=2,Typ=BC847\xfe\r\n")) << readFile(file).toStdString();
}

} // namespace
