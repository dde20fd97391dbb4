#pragma once
#include <QString>
#include <functional>

// Runs an operation killed at every crash point, each in a process of its own:
// the child test (a DISABLED_ test of the running executable) reads the folder
// it works in and the crash point from the environment, arms the crash points,
// runs the operation and writes the number of operations it passed into the
// file "operations" of its folder.
namespace testutil {

struct CrashRuns {
    int operations = 0; // crash points of the operation
    int runs = 0;       // child processes run, the run without a crash included
};

// In the child: the folder to work in (TARN_CRASH_DIR).
QString crashFolder();
// In the child: resets the count and arms the crash point of TARN_CRASH_AT.
void armCrashPointFromEnvironment();
// In the child, after the operation: writes the count into "operations".
void noteCrashOperations();

// In the parent: a run without a crash in copyOf("whole") counts the
// operations; then every crash point n runs in copyOf("crash<n>"), a few at a
// time. check(folder, n) judges each folder afterwards (n = 0 for the whole
// run). Stops at the first failure.
CrashRuns runEveryCrashPoint(const QString& childTest, const std::function<QString(const QString& name)>& copyOf,
                             const std::function<void(const QString& folder, int n)>& check);

} // namespace testutil
