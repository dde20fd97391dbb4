// Start-up of a batch job against the start of a bare Qt application, both
// measured in this run on this machine.
//
//   startup [runs]
//
// The batch job is `tarn /fl` on a copy of the laid-out installation (build/dist)
// with one job line naming a Q-list that does not exist: the program starts in
// full (configuration, system database, component file, work folders, instance
// lock), handles the line at once and ends. The bare application is this
// executable started again with --bare: a QApplication on the same platform that
// returns at once. Both are started alternately (default 15 times each); the
// medians and their ratio are printed.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
bool copyTree(const QString& from, const QString& to)
{
    QDir src(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& e : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(e.fileName());
        if (e.isDir() ? !copyTree(e.filePath(), target) : !QFile::copy(e.filePath(), target))
            return false;
    }
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Wall time of one process run in ms, or a negative value when it did not end normally.
double timed(const QString& program, const QStringList& args, const QString& dir, int expectedExit)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != expectedExit)
        return -1;
    return t.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--bare")) {
        QApplication app(argc, argv);
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir tmp;
    const QString inst = tmp.path() + QStringLiteral("/inst");
    if (!tmp.isValid() || !copyTree(QStringLiteral(TARN_DIST_DIR), inst)) {
        std::fprintf(stderr, "cannot copy the installation %s\n", TARN_DIST_DIR);
        return 1;
    }
    const QString tarn = inst + QStringLiteral("/tarn");
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> job, bare;
    for (int i = 0; i < runs; ++i) {
        QFile dat(inst + QStringLiteral("/fl.dat"));
        if (!dat.open(QIODevice::WriteOnly) || dat.write("99999\r\n") != 7)
            return 1;
        dat.close();
        // The unknown Q-list fails the job line: exit status 1.
        const double j = timed(tarn, {QStringLiteral("/fl")}, inst, 1);
        const double b = timed(QDir(QDir::currentPath()).absoluteFilePath(self), {QStringLiteral("--bare")},
                               QDir::currentPath(), 0);
        if (j < 0 || b < 0) {
            std::fprintf(stderr, "a run did not end as expected\n");
            return 1;
        }
        job.push_back(j);
        bare.push_back(b);
    }
    const double mj = median(job), mb = median(bare);
    std::printf("runs %d\nbatch job (tarn /fl, one line) median %.1f ms\nbare Qt application median %.1f ms\n"
                "ratio %.2f\n",
                runs, mj, mb, mb > 0 ? mj / mb : 0.0);
    return 0;
}
