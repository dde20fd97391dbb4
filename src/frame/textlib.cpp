#include "frame/textlib.h"
#include "frame/paths.h"

#include <QDir>
#include <QFileInfo>

QString ParseString(int& position, const QString& text, const QString& separators)
{
    if (position < 1 || position > text.size()) {
        position = 0;
        return QString();
    }
    const int start = position - 1;
    int i = start;
    while (i < text.size() && !separators.contains(text[i]))
        ++i;
    const QString token = text.mid(start, i - start);
    // After the last token the position is 0; a final separator leaves one empty
    // token to deliver, which callers take as the end too.
    position = (i >= text.size()) ? 0 : i + 2;
    return token;
}

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

bool Exist(const QString& path)
{
    return QFileInfo::exists(nativePath(path));
}

static QStringList matchEntries(const QString& pattern, QDir::Filters filters)
{
    const QString native = nativePath(pattern);
    QFileInfo fi(native);
    QString dir = fi.path();
    QString name = fi.fileName();
    if (name == QLatin1String("*.*"))
        name = QStringLiteral("*");
    QDir d(dir);
    if (!d.exists())
        return {};
    if (!name.contains(u'*') && !name.contains(u'?')) {
        QFileInfo one(d.filePath(name));
        if (!one.exists())
            return {};
        if ((filters & QDir::Dirs) && one.isDir())
            return {name};
        if ((filters & QDir::Files) && one.isFile())
            return {name};
        return {};
    }
    return d.entryList({name}, filters | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

int DCount(const QString& path)
{
    return int(matchEntries(path, QDir::Dirs).size());
}
