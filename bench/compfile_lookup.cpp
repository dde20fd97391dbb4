// Look-up of a designation in a component file of 100,000 records: the block
// files are written directly, the index is built by the rebuild, then random
// designations are looked up through the index (page cache, shared lock, block
// read and record match). Prints the median and the 90th percentile per look-up.
#include "component_file/btdatei.h"
#include "component_file/btlock.h"
#include "component_file/btsuch.h"
#include "component_file/neuinh.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include "benchsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int lookups = 5000;
    QTemporaryDir tmp;
    ProgramScope scope;
    BatchInteraction batch;
    scope.program().ui = &batch;
    const QString bin = tmp.filePath(QStringLiteral("int"));
    QDir().mkpath(bin);
    QDir::setCurrent(tmp.path());
    scope.program().Cf = QStringLiteral("Tp1=tp1,Tp2=tp2,Bin=") + bin + QStringLiteral(",G41=1");
    QString header;
    InitInh(bin, header);

    // Records of about 60 characters, 200 to a block, as the writer fills them.
    QElapsedTimer clock;
    clock.start();
    const int block = bench::writeComponentBlocks(bin, records, [](int i) {
        return QStringLiteral("Typ=BT%1,Q,Bac=4111,Tec=01,Gec=SO8,Pin=8,B,Widerstand\r\n")
            .arg(i, 6, 10, QChar(u'0'))
            .toLatin1();
    });
    const double writeSeconds = clock.elapsed() / 1000.0;
    clock.restart();
    NeuInh();
    const double rebuildSeconds = clock.elapsed() / 1000.0;
    InitBtDatei();

    QRandomGenerator rng(11);
    std::vector<double> micros;
    micros.reserve(lookups);
    int found = 0;
    for (int k = 0; k < lookups; ++k) {
        const int i = int(rng.bounded(records));
        scope.program().WorkStr[2] = QStringLiteral("Typ=BT%1").arg(i, 6, 10, QChar(u'0'));
        QString file, blockText, record;
        QElapsedTimer one;
        one.start();
        const int r = SuchBtTsa(0, file, blockText, record);
        micros.push_back(one.nsecsElapsed() / 1000.0);
        if (r == 1 && !record.isEmpty())
            ++found;
    }
    std::sort(micros.begin(), micros.end());
    std::printf("records %d in %d blocks (written in %.1f s), index rebuilt in %.1f s\n", records, block,
                writeSeconds, rebuildSeconds);
    std::printf("look-ups %d, found %d: median %.0f us, 90th percentile %.0f us\n", lookups, found,
                micros[micros.size() / 2], micros[micros.size() * 9 / 10]);
    return found == lookups ? 0 : 1;
}
