#include "common/testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace testutil {

QString sourceDir() { return QStringLiteral(TARN_SOURCE_DIR); }
QString fixturesDir() { return QStringLiteral(TARN_FIXTURES_DIR); }
QString distDir() { return QStringLiteral(TARN_DIST_DIR); }
QString tarnBinary() { return QStringLiteral(TARN_BINARY); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

bool copyTree(const QString& from, const QString& to)
{
    QDir src(from);
    if (!src.exists())
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        const QString p = it.next();
        const QString rel = src.relativeFilePath(p);
        const QString target = QDir(to).filePath(rel);
        if (QFileInfo(p).isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else {
            QDir().mkpath(QFileInfo(target).path());
            QFile::remove(target);
            if (!QFile::copy(p, target))
                return false;
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
    }
    return true;
}

ScriptedProgram::ScriptedProgram() : mOldCwd(QDir::currentPath())
{
    mUi.onUnexpected = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
    mScope.program().ui = &mUi;
}

ScriptedProgram::~ScriptedProgram()
{
    QDir::setCurrent(mOldCwd);
}

TempInstallation::TempInstallation()
{
    if (!mDir.isValid())
        return;
    const QDir dist(distDir());
    mOk = true;
    for (const QString& entry : dist.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        mOk = mOk && copyTree(dist.filePath(entry), mDir.filePath(entry));
}

} // namespace testutil

QProcessEnvironment testutil::childTestEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("GTEST_TOTAL_SHARDS"));
    env.remove(QStringLiteral("GTEST_SHARD_INDEX"));
    return env;
}
