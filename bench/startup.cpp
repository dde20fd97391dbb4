// Start-up of a batch job against the start of a bare Qt application, both
// measured in this run on this machine.
//
//   startup [runs]
//
// The batch job is `tarn /fl` on a copy of the laid-out installation (build/dist)
// with one job line naming a Q-list that does not exist: the program starts in
// full (configuration, system database, component file, work folders, instance
// lock) and then opens its job file to take the first line. That moment is seen
// from outside, as the kernel reports the opening of the job file (inotify), so
// the program carries no measuring code. The bare application is this executable
// started again with --bare: a QApplication on the same platform that returns at
// once. Both are started alternately (default 15 times each); the medians of the
// start-up to the first job line and of the bare start, and their ratio, are
// printed, and beside them the whole job to its end (the line's fault list is
// printed, which loads the print system and the fonts).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

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

struct JobTimes {
    double firstLine = -1; // ms from the start to the opening of the job file
    double whole = -1;     // ms from the start to the end of the process
};

// Runs the batch job once; both times negative when it did not end as expected.
JobTimes timedJob(const QString& program, const QStringList& args, const QString& dir, const QString& jobFile,
                  int expectedExit)
{
    JobTimes r;
    const int fd = inotify_init1(IN_CLOEXEC);
    if (fd < 0)
        return r;
    if (inotify_add_watch(fd, QFile::encodeName(jobFile).constData(), IN_OPEN) < 0) {
        ::close(fd);
        return r;
    }
    QProcess p;
    p.setWorkingDirectory(dir);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    pollfd pfd{fd, POLLIN, 0};
    double opened = -1;
    if (::poll(&pfd, 1, 60000) == 1) {
        opened = t.nsecsElapsed() / 1e6;
        char buf[4096];
        (void)::read(fd, buf, sizeof buf);
    }
    ::close(fd);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != expectedExit)
        return r;
    r.whole = t.nsecsElapsed() / 1e6;
    r.firstLine = opened;
    return r;
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
    std::vector<double> job, whole, bare;
    for (int i = 0; i < runs; ++i) {
        QFile dat(inst + QStringLiteral("/fl.dat"));
        if (!dat.open(QIODevice::WriteOnly) || dat.write("99999\r\n") != 7)
            return 1;
        dat.close();
        // The unknown Q-list fails the job line: exit status 1.
        const JobTimes j = timedJob(tarn, {QStringLiteral("/fl")}, inst, dat.fileName(), 1);
        const double b = timed(QDir(QDir::currentPath()).absoluteFilePath(self), {QStringLiteral("--bare")},
                               QDir::currentPath(), 0);
        if (j.firstLine < 0 || j.whole < 0 || b < 0) {
            std::fprintf(stderr, "a run did not end as expected\n");
            return 1;
        }
        job.push_back(j.firstLine);
        whole.push_back(j.whole);
        bare.push_back(b);
    }
    const double mj = median(job), mw = median(whole), mb = median(bare);
    std::printf("runs %d\nbatch job (tarn /fl, one line) to its first line: median %.1f ms\n"
                "bare Qt application median %.1f ms\nratio %.2f\n"
                "(the whole job to its end, with the fault list printed: median %.1f ms, %.2f times the bare start)\n",
                runs, mj, mb, mb > 0 ? mj / mb : 0.0, mw, mb > 0 ? mw / mb : 0.0);
    return 0;
}
