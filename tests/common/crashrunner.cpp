#include "common/crashrunner.h"
#include "common/testutil.h"
#include "frame/durablefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QProcess> startChild(const QString& childTest, const QString& folder, int n)
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = testutil::childTestEnvironment();
    env.insert(QStringLiteral("TARN_CRASH_DIR"), folder);
    env.insert(QStringLiteral("TARN_CRASH_AT"), QString::number(n));
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->start(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=") + childTest});
    return p;
}

} // namespace

QString testutil::crashFolder()
{
    return qEnvironmentVariable("TARN_CRASH_DIR");
}

void testutil::armCrashPointFromEnvironment()
{
    crashpoint::reset();
    crashpoint::arm(qEnvironmentVariableIntValue("TARN_CRASH_AT"));
}

void testutil::noteCrashOperations()
{
    writeFile(crashFolder() + QStringLiteral("/operations"), QByteArray::number(crashpoint::count()));
}

testutil::CrashRuns testutil::runEveryCrashPoint(const QString& childTest,
                                                 const std::function<QString(const QString&)>& copyOf,
                                                 const std::function<void(const QString&, int)>& check)
{
    CrashRuns counts;
    const QString whole = copyOf(QStringLiteral("whole"));
    auto dry = startChild(childTest, whole, 0);
    EXPECT_TRUE(dry->waitForFinished(120000));
    EXPECT_EQ(dry->exitCode(), 0) << dry->readAll().toStdString();
    counts.operations = readFile(whole + QStringLiteral("/operations")).toInt();
    counts.runs = 1;
    EXPECT_GT(counts.operations, 3) << "the operation passed no crash points";
    check(whole, 0);
    if (::testing::Test::HasFailure())
        return counts;

    struct Child {
        int n;
        QString folder;
        std::unique_ptr<QProcess> process;
    };
    const int parallel = qMax(2, qMin(3, QThread::idealThreadCount()));
    for (int first = 1; first <= counts.operations; first += parallel) {
        std::vector<Child> children;
        for (int n = first; n < first + parallel && n <= counts.operations; ++n) {
            const QString folder = copyOf(QStringLiteral("crash%1").arg(n));
            children.push_back({n, folder, startChild(childTest, folder, n)});
        }
        for (Child& c : children) {
            EXPECT_TRUE(c.process->waitForFinished(120000));
            EXPECT_EQ(c.process->exitCode(), crashpoint::ExitCode)
                << "crash at " << c.n << ": " << c.process->readAll().toStdString();
            ++counts.runs;
            check(c.folder, c.n);
            QDir(c.folder).removeRecursively();
        }
        if (::testing::Test::HasFailure())
            break;
    }
    return counts;
}
