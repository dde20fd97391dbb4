// Adding 10,000 records to a fresh component file through the one writer
// (exclusive lock, duplicate test, block and index pages written atomically).
// Prints the total time, the median and the 90th percentile per record.
#include "component_file/btdatei.h"
#include "component_file/btstore.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
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
    InitBtDatei();

    std::vector<double> millis;
    millis.reserve(records);
    int ok = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < records; ++i) {
        // Designations in a scattered order, as a real list brings them.
        const int n = int((qint64(i) * 7919) % records);
        const QString record = QStringLiteral("Typ=BT%1,An=U%1,Q,Bac=4111,Tec=01,Gec=SO8,Pin=8,B,Widerstand")
                                   .arg(n, 6, 10, QChar(u'0'));
        QString address;
        int index = 0, source = 0, count = 0;
        QStringList list;
        QElapsedTimer one;
        one.start();
        if (AddBt(address, index, source, record, list, count, true) == QLatin1String("ok"))
            ++ok;
        millis.push_back(one.nsecsElapsed() / 1.0e6);
    }
    const double seconds = total.elapsed() / 1000.0;
    std::sort(millis.begin(), millis.end());
    std::printf("added %d of %d records in %.1f s: median %.2f ms, 90th percentile %.2f ms per record\n", ok, records,
                seconds, millis[millis.size() / 2], millis[millis.size() * 9 / 10]);
    return ok == records ? 0 : 1;
}
