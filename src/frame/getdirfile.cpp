#include "frame/getdirfile.h"
#include "frame/interaction.h"
#include "frame/program.h"

QString GetDirFile(const QString& path, const QString& title, bool showFiles, bool followDirectory, int mode)
{
    Question q;
    q.key = title;
    q.text = title;
    const Answer a = ui().askDirectoryOrFile(q, DirectoryOrFileParams{path, showFiles, followDirectory, mode});
    if (a.cancelled || a.text == QLatin1String("ABBRUCH"))
        return QStringLiteral("ABBRUCH");
    if (mode == 2)
        return a.values.isEmpty() ? QString() : a.values.first().trimmed();
    if (mode == 3)
        return a.text.trimmed();
    return QString();
}
