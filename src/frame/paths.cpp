#include "frame/paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString nativePath(const QString& designPath)
{
    QString p = designPath;
    p.replace(u'\\', u'/');
    if (p.size() >= 2 && p[1] == u':' && p[0].isLetter())
        p = p.mid(2);
    if (p.isEmpty())
        return p;
    // Fast path: exact case exists.
    if (QFileInfo::exists(p))
        return p;
    // A missing name without letters has no other case, and when its folder
    // exists as written there is nothing else to resolve: the common case of a
    // file about to be made (a new block or index page), answered without
    // listing the folder.
    if (const qsizetype slash = p.lastIndexOf(u'/'); slash > 0 && slash + 1 < p.size()) {
        const QStringView last = QStringView(p).mid(slash + 1);
        const bool caseless = std::all_of(last.begin(), last.end(), [](QChar c) {
            return c.unicode() < 128 && !c.isLetter() && c != u'.';
        });
        if (caseless && QFileInfo::exists(p.left(slash)))
            return p;
    }
    const bool absolute = p.startsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::KeepEmptyParts);
    QString built = absolute ? QStringLiteral("/") : QString();
    bool resolving = true;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString& part = parts[k];
        if (part.isEmpty()) {
            continue;
        }
        QString candidate = built.isEmpty() ? part : (built.endsWith(u'/') ? built + part : built + u'/' + part);
        if (resolving && !QFileInfo::exists(candidate) && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QDir dir(built.isEmpty() ? QStringLiteral(".") : built);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            QString match;
            int count = 0;
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = e;
                    ++count;
                }
            if (count == 1)
                candidate = built.isEmpty() ? match : (built.endsWith(u'/') ? built + match : built + u'/' + match);
            else
                resolving = false; // the rest cannot exist either
        }
        built = candidate;
    }
    if (p.endsWith(u'/') && !built.endsWith(u'/'))
        built += u'/';
    return built;
}

QString joinDesignPath(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return name;
    if (dir.endsWith(u'\\') || dir.endsWith(u'/'))
        return dir + name;
    return dir + u'\\' + name;
}

QString withExtension(const QString& path, const QString& extension)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    const QString name = path.mid(slash + 1);
    if (name.isEmpty() || name.contains(u'.'))
        return path;
    return path + u'.' + extension;
}
