#include "app/links.h"
#include "app/procedures.h"
#include "app/windows.h"
#include "frame/errors.h"
#include "main_window/frmtarn.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/qtapplication.h"
#include "frame/qtinteraction.h"
#include "frame/tarnstart.h"
#include "printing/qtprinting.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString commandLineOf(int argc, char** argv)
{
    QStringList parts;
    for (int i = 1; i < argc; ++i)
        parts << QString::fromLocal8Bit(argv[i]);
    return parts.join(u' ');
}
} // namespace

int main(int argc, char** argv)
{
    const QString cmd = commandLineOf(argc, argv).trimmed().toLower();
    const bool batch = cmd == QLatin1String("/fl") || cmd == QLatin1String("/dr") || cmd == QLatin1String("/pr") ||
                       cmd == QLatin1String("/mb");
    if (!haveDisplay()) {
        if (!batch) {
            std::fprintf(stderr, "tarn: no display (DISPLAY is not set); the window cannot be shown.\n"
                                 "Run a batch job (/pr, /fl, /dr, /mb) or start under a display.\n");
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TarnApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARN"));

    const LinkSet links = wireLinks(makeSystemPrinter);
    const LinkSet::Installation linksInstalled(links);
    Program program;
    installProgram(&program);
    QtInteraction qtUi;
    registerWindows(qtUi);
    BatchInteraction batchUi;
    program.ui = batch ? static_cast<Interaction*>(&batchUi) : static_cast<Interaction*>(&qtUi);

    const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
    // A batch run logs from the first step of the start on: a start that fails
    // (configuration, system database) must leave its reason in "<switch>.err".
    const QString batchLog = QFileInfo(programFile).absolutePath() + u'/' + cmd.mid(1) + QStringLiteral(".err");
    if (batch)
        batchUi.setLogFile(batchLog);
    const StartResult start = Main(programFile, commandLineOf(argc, argv));
    int rc = 0;
    // "End the program" in an error dialog unwinds to here; the program state
    // closes its databases and files on the way out.
    try {
        switch (start.action) {
        case StartAction::End:
            rc = 1;
            if (batch) {
                batchUi.log(QStringLiteral("Meldung start: ") +
                            (program.LangNr == 2 ? QStringLiteral("The batch run could not start (see above); %1 "
                                                                  "is left as it was.")
                                                 : QStringLiteral("Der Batch-Lauf konnte nicht starten (siehe oben); "
                                                                  "%1 bleibt unverändert."))
                                .arg(cmd.mid(1) + QStringLiteral(".dat")));
                rc = BatchCannotStart;
            }
            break;
        case StartAction::Batch:
            rc = RunBatch(start.batchSwitch);
            break;
        case StartAction::ConfigThenMain:
        case StartAction::ShowMain: {
            frmTARN window;
            installEntryProcedures(window.dispatcher());
            qtUi.setOwner(&window);
            if (start.action == StartAction::ConfigThenMain)
                window.showConfiguration();
            window.show();
            rc = app.exec();
            break;
        }
        }
    } catch (const ProgramEndRequested&) {
        rc = 1;
    }
    installProgram(nullptr);
    return rc;
}
