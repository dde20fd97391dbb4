#pragma once
#include "common/scriptedinteraction.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testutil {

QString sourceDir();
QString fixturesDir();
QString distDir();   // the laid-out installation of the build
QString tarnBinary();

// The environment for a child process that runs one test of this executable:
// this process's environment without the sharding of the suite, which would
// make the child skip its test when the test falls in another shard.
QProcessEnvironment childTestEnvironment();

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Copies a folder tree; returns false on failure.
bool copyTree(const QString& from, const QString& to);

// A fresh Program with a ScriptedInteraction whose unexpected questions fail the
// test. Restores the previous Program and current directory when destroyed.
class ScriptedProgram {
public:
    ScriptedProgram();
    ~ScriptedProgram();
    Program& program() { return mScope.program(); }
    ScriptedInteraction& ui() { return mUi; }

private:
    ProgramScope mScope;
    ScriptedInteraction mUi;
    QString mOldCwd;
};

// A temporary installation: the System directory (ini, vg, databases) and the
// language directories of build/dist copied into a temporary program directory.
class TempInstallation {
public:
    TempInstallation();
    bool ok() const { return mOk; }
    QString dir() const { return mDir.path(); }
    QString path(const QString& relative) const { return mDir.filePath(relative); }
    // The program file path that start-up is given.
    QString programFile() const { return mDir.filePath(QStringLiteral("tarn")); }

private:
    QTemporaryDir mDir;
    bool mOk = false;
};

} // namespace testutil
