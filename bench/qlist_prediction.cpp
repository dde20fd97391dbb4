// A whole Q-list prediction under the profile "Standard" (YK 70412, MIL-HDBK-217F
// and the user list; every report section, the SYLK result file, printed to a
// PDF file) of 1,000, 10,000 or 100,000 positions over at most 2,000 distinct
// components, in nesting levels of ten: the root refers to 10 lists, each of
// those to 10, ... down to lists of 10 positions (10,000 positions: four levels,
// 1,111 Q-lists). Works on a copy of the laid-out installation (build/dist).
//
//   qlist_prediction [1k|10k|100k] [--no-sl] [--keep <dir>]
//
// Each position carries its reference designators ("Sl=R1 R2", one per piece),
// as the positions of real lists do; --no-sl leaves them out, for comparison.
//
// Prints the time of each phase of the run (wall clock and CPU of the process),
// and the floor measured in the same process right after the run: reading each
// referenced component record once through the index, and writing the bytes of
// qpo and of the result file once. The ratio of the run without its PDF output
// to the floor is the figure that machines of different speed and load agree
// on. --keep copies the result file into <dir>, for comparing runs byte by byte,
// and the printout's pages as the PDF stage begins (<dir>/pages, for pdf_floor).
// The last line gives the run's start and end on the monotonic clock, so that
// a profile taken with perf can be cut to the run.
#include "app/links.h"
#include "benchsupport.h"
#include "component_file/btdatei.h"
#include "component_file/btsuch.h"
#include "component_file/mixbt.h"
#include "frame/database.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/runphases.h"
#include "frame/tarnstart.h"
#include "prediction/prognoseqsl.h"
#include "printing/printjob.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"
#include "report/reporttext.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

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

// Class codes of the demo components, cycled over the components.
const char* const Classes[] = {"4110,Tec=1000,Vf=0,Pin=2", "4510,Tec=0000,Vf=0,Pin=2", "2110,Tec=1000,Vf=1,Pin=3",
                               "3110,Tec=0000,Vf=1,Pin=2", "1310,Tec=1000,K1=50,Pin=8", "5810,Tec=1000,Pin=8",
                               "4620,Tec=0000,Vf=0,Pin=2", "5210,Tec=1000,Pin=10"};

QString makeList(int slot, const QString& typ, const QStringList& positions)
{
    const QString ln = allocateQslNumber(QStringLiteral("A"), slot);
    const QString path = QslPfad(QStringLiteral("A"), ln);
    QDir().mkpath(QString(path.left(path.lastIndexOf(u'\\'))).replace(u'\\', u'/'));
    writeQslFile(path, QStringList{QStringLiteral("Typ=") + typ, QStringLiteral("Be=List ") + typ} + positions);
    KopfToRec(path);
    NewRec_Db(slot);
    return ln;
}

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

using bench::Clock;

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeOnce(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// The least work any prediction of the Q-list has to do: every distinct component
// record read once through the index, qpo and the result file written once.
Clock floorOnce(int components, const QByteArray& qpo, const QByteArray& result, const QString& dir)
{
    Program& p = prog();
    const Clock start = Clock::read();
    QString blockFile, blockText, record;
    for (int i = 0; i < components; ++i) {
        p.WorkStr[2] = QStringLiteral("Typ=B%1").arg(i, 4, 10, QChar(u'0'));
        if (SuchBtTsa(0, blockFile, blockText, record) != 1 || record.isEmpty())
            std::fprintf(stderr, "floor: component %d not found\n", i);
    }
    if (!writeOnce(QDir(dir).filePath(QStringLiteral("qpo.floor")), qpo) ||
        !writeOnce(QDir(dir).filePath(QStringLiteral("result.floor")), result))
        std::fprintf(stderr, "floor: cannot write in %s\n", qPrintable(dir));
    return Clock::read() - start;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Dates in the result file are fixed, so that runs compare byte by byte.
    if (qEnvironmentVariableIsEmpty("TARN_FIXED_CLOCK"))
        qputenv("TARN_FIXED_CLOCK", "2024-03-07T10:00:00");
    QGuiApplication app(argc, argv);

    int levels = 4; // 10,000 positions
    QString keepDir;
    bool designators = true;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("1k"))
            levels = 3;
        else if (a == QLatin1String("10k"))
            levels = 4;
        else if (a == QLatin1String("100k"))
            levels = 5;
        else if (a == QLatin1String("--no-sl"))
            designators = false;
        else if (a == QLatin1String("--keep") && i + 1 < argc)
            keepDir = QString::fromLocal8Bit(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [1k|10k|100k] [--no-sl] [--keep <dir>]\n", argv[0]);
            return 2;
        }
    }
    int positionsWanted = 1;
    for (int l = 0; l < levels; ++l)
        positionsWanted *= 10;
    const int components = std::min(2000, positionsWanted);

    const QString dist = QStringLiteral(TARN_DIST_DIR);
    QTemporaryDir inst;
    if (!copyTree(dist, inst.path())) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(dist));
        return 1;
    }
    const LinkSet links = wireLinks();
    const LinkSet::Installation linksInstalled(links);
    Program program;
    installProgram(&program);
    BatchInteraction ui(QDir(inst.path()).filePath(QStringLiteral("bench.err")));
    program.ui = &ui;
    if (Main(QDir(inst.path()).filePath(QStringLiteral("tarn")), QString()).action == StartAction::End)
        return 1;

    QElapsedTimer setup;
    setup.start();
    {
        QFile blk(QStringLiteral("bench.blk"));
        blk.open(QIODevice::WriteOnly);
        for (int i = 0; i < components; ++i)
            blk.write(QStringLiteral("Typ=B%1,Q,Bac=%2\r\n").arg(i, 4, 10, QChar(u'0')).arg(QLatin1String(Classes[i % 8])).toLatin1());
    }
    MixBt(QStringLiteral("be.mixbl"), QStringLiteral("bench.blk"), std::nullopt);
    QDir(nativePath(program.WorkStr[15] + QStringLiteral("A"))).removeRecursively();
    QDir().mkpath(nativePath(program.WorkStr[15] + QStringLiteral("A")));
    Create_Db(program.WorkStr[15] + QStringLiteral("A"));
    const int slot = Open_Db(program.WorkStr[15] + QStringLiteral("A"), 0);
    int component = 0;
    int designator = 1;
    int lists = 0;
    // The list of level `level` (0 the root) at the path `at` ("-3-7" for the
    // eighth list below the fourth list below the root) and its lists below; the
    // deepest level holds the positions. Lists are made deepest first.
    std::function<QString(int, const QString&)> makeTree = [&](int level, const QString& at) {
        QStringList lines;
        for (int i = 0; i < 10; ++i) {
            if (level == levels - 1) {
                const int pieces = 1 + component % 3;
                QString line = QStringLiteral("Stck=%1,Typ=B%2").arg(pieces).arg(component % components, 4, 10, QChar(u'0'));
                if (designators) {
                    QStringList sl;
                    for (int k = 0; k < pieces; ++k)
                        sl << QStringLiteral("R%1").arg(designator++);
                    line += QStringLiteral(",Sl=") + sl.join(u' ');
                }
                lines << line;
                ++component;
            } else {
                const QString below = at + u'-' + QString::number(i);
                makeTree(level + 1, below);
                lines << QStringLiteral("Stck=1,Typ=L%1%2,Qm=Qsl").arg(level + 1).arg(below);
            }
        }
        ++lists;
        return makeList(slot, level == 0 ? QStringLiteral("ROOT") : QStringLiteral("L%1%2").arg(level).arg(at), lines);
    };
    const QString root = makeTree(0, QString());
    Close_Db(slot);
    const long setupKiB = peakKiB();
    std::printf("setup: %.1f s (%d components merged, %d Q-lists in %d levels, %d positions%s)\n",
                double(setup.elapsed()) / 1000, components, lists, levels, component,
                designators ? " with designators" : ", no designators");

    // qpo as the calculation passes leave it: the run empties the work folders
    // at its end, so it is read when the report begins.
    QByteArray qpoBytes;
    // With --keep, the printout's pages as the PDF stage finds them, for the
    // floor of that stage (bench/pdf_floor).
    runPhases().onBegin = [&qpoBytes, &keepDir](const QString& phase) {
        if (phase == QLatin1String("report"))
            qpoBytes = readAll(nativePath(scratchFile(11, QStringLiteral("qpo"))));
        if (phase == QLatin1String("PDF") && !keepDir.isEmpty()) {
            QDir().mkpath(keepDir);
            const QString target = QDir(keepDir).filePath(QStringLiteral("pages"));
            QFile::remove(target);
            QFile::copy(pageFilePath(), target);
        }
    };
    const Clock before = Clock::read();
    PrognoseQsl(QStringLiteral("Ln=") + root, QStringLiteral("Standard"), true);
    const Clock after = Clock::read();
    const Clock run = after - before;
    const int statements = program.SystDb ? program.SystDb->statementsRun() : -1;

    const QStringList results = QDir(QStringLiteral("results")).entryList({QStringLiteral("*.slk")}, QDir::Files);
    if (results.size() != 1) {
        std::fprintf(stderr, "expected one result file, found: %s\n", qPrintable(results.join(u' ')));
        return 1;
    }
    const QString resultFile = QDir(QStringLiteral("results")).filePath(results.first());
    const QByteArray resultBytes = readAll(resultFile);
    runPhases().onBegin = nullptr;
    if (qpoBytes.isEmpty()) {
        std::fprintf(stderr, "qpo was not found when the report began\n");
        return 1;
    }
    if (!keepDir.isEmpty()) {
        QDir().mkpath(keepDir);
        const QString target = QDir(keepDir).filePath(QStringLiteral("qlist_prediction-%1.slk").arg(component));
        QFile::remove(target);
        QFile::copy(resultFile, target);
    }

    // The floor, three times; the least of them counts (the first one also finds
    // the index pages cold, as the run did).
    Clock floor{};
    for (int i = 0; i < 3; ++i) {
        const Clock f = floorOnce(components, qpoBytes, resultBytes, inst.path());
        if (i == 0 || f.cpuNs < floor.cpuNs)
            floor.cpuNs = f.cpuNs;
        if (i == 0 || f.wallNs < floor.wallNs)
            floor.wallNs = f.wallNs;
    }

    std::printf("\n%-14s %10s %10s %14s\n", "phase", "wall ms", "CPU ms", "CPU us/pos");
    Clock inPhases{};
    Clock pdf{};
    for (const PhaseTime& t : runPhases().times()) {
        std::printf("%-14s %10.1f %10.1f %14.2f\n", qPrintable(t.name), ms(t.wallNs), ms(t.cpuNs),
                    double(t.cpuNs) / 1e3 / component);
        inPhases.wallNs += t.wallNs;
        inPhases.cpuNs += t.cpuNs;
        if (t.name == QLatin1String("PDF"))
            pdf = {t.wallNs, t.cpuNs};
    }
    const Clock other = run - inPhases;
    const Clock work = run - pdf;
    std::printf("%-14s %10.1f %10.1f %14.2f\n", "(rest)", ms(other.wallNs), ms(other.cpuNs),
                double(other.cpuNs) / 1e3 / component);
    std::printf("%-14s %10.1f %10.1f %14.2f\n", "run", ms(run.wallNs), ms(run.cpuNs), double(run.cpuNs) / 1e3 / component);
    std::printf("%-14s %10.1f %10.1f %14.2f\n", "run w/o PDF", ms(work.wallNs), ms(work.cpuNs),
                double(work.cpuNs) / 1e3 / component);
    std::printf("%-14s %10.1f %10.1f   (%d records read through the index; qpo %lld bytes and result file %lld "
                "bytes written once)\n",
                "floor", ms(floor.wallNs), ms(floor.cpuNs), components, static_cast<long long>(qpoBytes.size()),
                static_cast<long long>(resultBytes.size()));
    std::printf("ratio run w/o PDF / floor: wall %.1f, CPU %.1f\n",
                floor.wallNs > 0 ? double(work.wallNs) / double(floor.wallNs) : 0.0,
                floor.cpuNs > 0 ? double(work.cpuNs) / double(floor.cpuNs) : 0.0);
    std::printf("statements on the system database: %d; peak resident memory %ld KiB (after setup %ld KiB)\n",
                statements, peakKiB(), setupKiB);
    std::printf("result file: %s, %lld bytes\n", qPrintable(results.first()), static_cast<long long>(resultBytes.size()));
    // For a profile of the run alone: perf record -k CLOCK_MONOTONIC, then
    // perf report --time <from>,<to>.
    std::printf("run on the monotonic clock: %.6f,%.6f\n", double(before.wallNs) / 1e9, double(after.wallNs) / 1e9);
    installProgram(nullptr);
    return 0;
}
