// A whole Q-list prediction under the profile "Standard" (YK 70412, MIL-HDBK-217F
// and the user list; every report section, the SYLK result file, printed to a
// PDF file) of 10,000 positions in four nesting levels over 2,000 distinct
// components: the root refers to 10 lists, each of those to 10, each of those
// to 10 lists of 10 positions (1,111 Q-lists). Works on a copy of the laid-out
// installation (build/dist); prints the time of the run alone and the peak
// resident memory of the process.
#include "component_file/btdatei.h"
#include "component_file/mixbt.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/prognoseqsl.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
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

// Class codes of the demo components, cycled over the 2,000 components.
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
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dist = QStringLiteral(TARN_DIST_DIR);
    QTemporaryDir inst;
    if (!copyTree(dist, inst.path())) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(dist));
        return 1;
    }
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
        for (int i = 0; i < 2000; ++i)
            blk.write(QStringLiteral("Typ=B%1,Q,Bac=%2\r\n").arg(i, 4, 10, QChar(u'0')).arg(QLatin1String(Classes[i % 8])).toLatin1());
    }
    MixBt(QStringLiteral("be.mixbl"), QStringLiteral("bench.blk"), std::nullopt);
    QDir(nativePath(program.WorkStr[15] + QStringLiteral("A"))).removeRecursively();
    QDir().mkpath(nativePath(program.WorkStr[15] + QStringLiteral("A")));
    Create_Db(program.WorkStr[15] + QStringLiteral("A"));
    const int slot = Open_Db(program.WorkStr[15] + QStringLiteral("A"), 0);
    int component = 0;
    auto positions = [&](int n) {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << QStringLiteral("Stck=%1,Typ=B%2").arg(1 + component % 3).arg(component++ % 2000, 4, 10, QChar(u'0'));
        return l;
    };
    // 1,000 leaves of 10 positions below 100 and 10 lists of references and the root.
    QStringList rootLines;
    for (int a = 0; a < 10; ++a) {
        QStringList l1;
        for (int b = 0; b < 10; ++b) {
            QStringList l2;
            for (int c = 0; c < 10; ++c) {
                const QString typ = QStringLiteral("L3-%1-%2-%3").arg(a).arg(b).arg(c);
                makeList(slot, typ, positions(10));
                l2 << QStringLiteral("Stck=1,Typ=%1,Qm=Qsl").arg(typ);
            }
            const QString typ = QStringLiteral("L2-%1-%2").arg(a).arg(b);
            makeList(slot, typ, l2);
            l1 << QStringLiteral("Stck=1,Typ=%1,Qm=Qsl").arg(typ);
        }
        const QString typ = QStringLiteral("L1-%1").arg(a);
        makeList(slot, typ, l1);
        rootLines << QStringLiteral("Stck=1,Typ=%1,Qm=Qsl").arg(typ);
    }
    const QString root = makeList(slot, QStringLiteral("ROOT"), rootLines);
    Close_Db(slot);
    const long setupKiB = peakKiB();
    std::printf("setup: %lld ms (2,000 components merged, 1,111 Q-lists, %d positions)\n",
                static_cast<long long>(setup.elapsed()), component);

    QElapsedTimer run;
    run.start();
    PrognoseQsl(QStringLiteral("Ln=") + root, QStringLiteral("Standard"), true);
    const qint64 ms = run.elapsed();
    std::printf("prediction: %lld ms, peak resident memory %ld KiB (after setup %ld KiB)\n",
                static_cast<long long>(ms), peakKiB(), setupKiB);
    const QStringList results = QDir(QStringLiteral("results")).entryList(QDir::Files);
    std::printf("results: %s\n", qPrintable(results.join(QStringLiteral(", "))));
    installProgram(nullptr);
    return 0;
}
