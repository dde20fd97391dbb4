#include "app/procedures.h"
#include "common/testutil.h"
#include "main_window/frmtarn.h"
#include "frame/inifile.h"
#include "frame/launcher.h"
#include "frame/tarnstart.h"
#include "qlist_ui/qsledit.h"

#include <QAction>
#include <QProcess>
#include <gtest/gtest.h>

// A user imports the demo parts-list workbook through the main menu and then
// runs the batch prediction of the Q-list it became.
namespace {

using namespace testutil;

TEST(PartsListImportStory, MainMenuImportThenBatchPrediction)
{
    TempInstallation inst;
    ASSERT_TRUE(inst.ok());
    ASSERT_TRUE(QFile::copy(tarnBinary(), inst.programFile()));
    QDir(inst.path("results")).removeRecursively();
    QDir(inst.path("archiv")).removeRecursively();
    ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), QString("qpo-copy.txt"), inst.path("System/tarn.ini")));
    const QString workbook = inst.path("demo/stueckliste.xlsx");
    ASSERT_TRUE(QFile::exists(workbook));

    {
        ScriptedProgram sp;
        RecordingLauncher launcher;
        setLauncher(&launcher);
        ASSERT_EQ(Main(inst.programFile(), QString()).action, StartAction::ShowMain);
        // The file chooser offers workbooks and is answered with the demo workbook.
        sp.ui().expect(QuestionKind::OpenFile, "0kopie", [&](const Question& q) {
            EXPECT_TRUE(paramsOf<FileParams>(q).filter.startsWith("Excel-Dateien (*.xls;*.xlsx)|"));
            return Answer::word(workbook);
        });
        // The new Q-list is opened in the editor, which is closed at once.
        QString opened;
        sp.ui().expect(QuestionKind::QslEditor, "frmQslEdit", [&](const Question& q) {
            auto* editor = modelOf<QslEditModel>(q);
            opened = editor->QslLn;
            editor->MenuQSL("cancel");
            return Answer::cancel();
        });
        frmTARN w;
        installEntryProcedures(w.dispatcher());
        QAction* item = w.actionForKey("0kopie");
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(' ').toStdString();
        // The demo database holds Q-lists 0 to 7: the import is number 8.
        EXPECT_EQ(opened, "00008");
        setLauncher(nullptr);
    }

    // The batch prediction of Q-list 8 with the standard profile.
    writeFile(inst.path("pr.dat"), "8,Standard\r\n");
    QProcess tarn;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TARN_FIXED_CLOCK", "2024-03-07T10:00:00");
    env.remove("DISPLAY");
    tarn.setProcessEnvironment(env);
    tarn.setWorkingDirectory(inst.dir());
    tarn.start(inst.programFile(), {"/pr"});
    ASSERT_TRUE(tarn.waitForFinished(120000));
    EXPECT_EQ(tarn.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(inst.path("results/A0000800.slk")));
    QStringList qpo = QString::fromLatin1(readFile(inst.path("qpo-copy.txt"))).split("\r\n");
    while (!qpo.isEmpty() && qpo.back().trimmed().isEmpty())
        qpo.removeLast();
    ASSERT_FALSE(qpo.isEmpty());
    EXPECT_TRUE(qpo.first().startsWith("Lnr=A8,Typ=DEMO-IMPORT,")) << qpo.first().toStdString();
    // The positions of the workbook, computed: the resistors with their Sl value,
    // the capacitors with the comma of their Sl value turned into a point.
    const auto line = [&](const char* start) {
        for (const QString& l : qpo)
            if (l.startsWith(QString::fromLatin1(start)))
                return l;
        return QString();
    };
    EXPECT_TRUE(line("Stck=4,Typ=R-10K,Sl=R1-R4").contains(",Fit=")) << qpo.join('\n').toStdString();
    EXPECT_TRUE(line("Stck=2,Typ=C-100N,Sl=C1.C2").contains(",Fit=")) << qpo.join('\n').toStdString();
}

} // namespace
