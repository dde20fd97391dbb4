#include "frame/launcher.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
Launcher* gLauncher = nullptr;

// The desktop hands a file to the program set up for its kind. Where the
// desktop can tell that none is (xdg-mime answers nothing), the file is not
// handed on: the opener would fail without a word.
bool desktopHasViewerFor(const QString& file)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true; // nothing to ask: let the opener try
    const QString mime = QMimeDatabase().mimeTypeForFile(file).name();
    QProcess p;
    p.start(query, {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return true;
    }
    return p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 ||
           !p.readAllStandardOutput().trimmed().isEmpty();
}
} // namespace

bool Launcher::startCommand(const QString& commandLine)
{
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty())
        return false;
    const QString program = args.takeFirst();
    return QProcess::startDetached(nativePath(program), args);
}

bool Launcher::openUrl(const QString& urlOrPath)
{
    if (urlOrPath.contains(QLatin1String("://")) || urlOrPath.startsWith(QLatin1String("mailto:")))
        return QDesktopServices::openUrl(QUrl(urlOrPath));
    const QString file = QFileInfo(nativePath(urlOrPath)).absoluteFilePath();
    if (!desktopHasViewerFor(file))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool openDocument(const QString& path)
{
    if (launcher().openUrl(path))
        return true;
    const QString shown = QDir::toNativeSeparators(QFileInfo(nativePath(path)).absoluteFilePath());
    MsgBoxRes(QStringLiteral("482"), Mb::OKOnly | Mb::Exclamation, prog().LangNr, {unicodeTextToOem(shown)});
    return false;
}

Launcher& launcher()
{
    static Launcher desktop;
    return gLauncher ? *gLauncher : desktop;
}

void setLauncher(Launcher* l)
{
    gLauncher = l;
}
