#include "frame/launcher.h"
#include "frame/paths.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {
Launcher* gLauncher = nullptr;
}

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
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(nativePath(urlOrPath)).absoluteFilePath()));
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
