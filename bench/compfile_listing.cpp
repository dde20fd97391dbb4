// The index listing and the whole-file data search of the component editor in
// a component file of 100,000 records (or the number given), each beside its
// floor: a plain read of the files it needs (every index page the listing
// reads; every block file the search reads), with no lock, check or parsing.
//
//   compfile_listing [records] [runs]
//
// The listing lists every type designation starting with "BT" (all records);
// the search looks for a Gec value that one record in a thousand has, over
// every block of group 41. Prints the least wall and CPU time of the runs
// (3 by default) of each and its ratio to its floor.
#include "component_editor/btedit.h"
#include "component_editor/btsearch.h"
#include "component_file/btdatei.h"
#include "component_file/neuinh.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include "benchsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using bench::Clock;

using bench::best;

// Reads every file below folder whose relative path passes wanted; returns the bytes read.
qint64 readAllBelow(const QString& folder, const std::function<bool(const QString&)>& wanted)
{
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!wanted(QDir(folder).relativeFilePath(file)))
            continue;
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            bytes += f.readAll().size();
    }
    return bytes;
}

void report(const char* what, const Clock& run, const Clock& floor, const QString& detail)
{
    std::printf("%-14s wall %8.1f ms  CPU %8.1f ms | floor wall %7.1f ms  CPU %7.1f ms | ratio wall %.1f, CPU %.1f  (%s)\n",
                what, run.wallNs / 1e6, run.cpuNs / 1e6, floor.wallNs / 1e6, floor.cpuNs / 1e6,
                floor.wallNs > 0 ? double(run.wallNs) / double(floor.wallNs) : 0.0,
                floor.cpuNs > 0 ? double(run.cpuNs) / double(floor.cpuNs) : 0.0, qPrintable(detail));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 3;
    QTemporaryDir tmp;
    ProgramScope scope;
    BatchInteraction batch;
    Program& p = scope.program();
    p.ui = &batch;
    p.LangNr = 1;
    const QString bin = tmp.filePath(QStringLiteral("int"));
    QDir().mkpath(bin);
    QDir::setCurrent(tmp.path());
    p.Cf = QStringLiteral("Tp1=tp1,Tp2=tp2,Bin=") + bin + QStringLiteral(",G41=1");
    p.AbkListen[2] = QStringLiteral("Bac=B,Tec=T,Gec=#10C,Pin=#4,Kfm,Tumax,{pi}qem");
    QString header;
    InitInh(bin, header);

    // Records of about 60 characters, 200 to a block, as the writer fills them;
    // one in a thousand has the housing the search looks for.
    const int block = bench::writeComponentBlocks(bin, records, [](int i) {
        return QStringLiteral("Typ=BT%1,Q,Bac=4111,Tec=01,Gec=%2,Pin=8,B,Widerstand\r\n")
            .arg(i, 6, 10, QChar(u'0'))
            .arg(i % 1000 == 7 ? QStringLiteral("TO92") : QStringLiteral("SO8"))
            .toLatin1();
    });
    NeuInh();
    InitBtDatei();

    // The index listing and its floor: the top page is in memory as for the
    // editor; every second-level and leaf page is read.
    size_t listed = 0;
    const Clock listing = best(runs, [&] {
        listed = listNameIndex(bin, 1, u'T', QStringLiteral("BT"), false, QString()).entries.size();
    });
    qint64 pageBytes = 0;
    const Clock pagesFloor = best(runs, [&] {
        pageBytes = readAllBelow(bin + QStringLiteral("/i"), [](const QString& rel) { return rel != QLatin1String("hi"); });
    });
    report("index listing", listing, pagesFloor,
           QStringLiteral("%1 entries listed; floor: %2 bytes of index pages").arg(listed).arg(pageBytes));

    // The whole-file search and its floor: every block file of the group.
    qint32 found = 0;
    const Clock search = best(runs, [&] {
        // As the editor's search command runs it: an expression over group 41.
        BtEditModel editor;
        editor.chkSuch_Click(0);
        editor.txAusg_Change(0, QStringLiteral("Gec=TO92"));
        editor.txAusg_Change(2, QStringLiteral("41"));
        editor.SearchStart(QStringLiteral("in"));
        found = qint32(editor.list().BEGrid.rows.size());
    });
    qint64 blockBytes = 0;
    const Clock blocksFloor = best(runs, [&] {
        blockBytes = readAllBelow(bin + QStringLiteral("/b4"), [](const QString&) { return true; });
    });
    report("data search", search, blocksFloor,
           QStringLiteral("%1 list rows for %2 records in %3 blocks; floor: %4 bytes of blocks")
               .arg(found)
               .arg(records)
               .arg(block)
               .arg(blockBytes));
    return listed == size_t(records) && found >= (records + 992) / 1000 ? 0 : 1;
}
