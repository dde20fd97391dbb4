// Merging 10,000 records with two designations each into a fresh component file
// (the merge of "/mb": duplicate test, AddBt, records grouped into durable
// changes with one flush each), against writing the same bytes (every file of
// the resulting component file) into a fresh folder with one flush, in the same
// run. Prints both times and their ratio, and the time of single adds (the
// editor's path: one durable change per record) into the merged file and into
// an empty one.
//
//   compfile_add [records]     (10,000 by default)
#include "component_file/btdatei.h"
#include "component_file/btstore.h"
#include "component_file/mixbt.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

QString recordText(const QString& prefix, int n)
{
    return QStringLiteral("Typ=%1%2,An=U%1%2,Q,Bac=4111,Tec=01,Gec=SO8,Pin=8,B,Widerstand")
        .arg(prefix)
        .arg(n, 6, 10, QChar(u'0'));
}

void freshComponentFile(ProgramScope& scope, const QString& root, const QString& name)
{
    const QString bin = root + u'/' + name;
    QDir().mkpath(bin);
    QDir().mkpath(root + QStringLiteral("/tp2"));
    scope.program().Cf = QStringLiteral("Tp1=tp1,Tp2=tp2,Bin=") + bin + QStringLiteral(",G41=1");
    QString header;
    InitInh(bin, header);
    InitBtDatei();
}

// Writes every file below from into a new tree below to, then flushes once.
qint64 copyWithOneFlush(const QString& from, const QString& to, qint64& bytes)
{
    std::vector<std::pair<QString, QByteArray>> files;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        QFile in(f);
        in.open(QIODevice::ReadOnly);
        files.emplace_back(to + f.mid(from.size()), in.readAll());
    }
    QElapsedTimer clock;
    clock.start();
    bytes = 0;
    for (const auto& [path, content] : files) {
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        bytes += content.size();
    }
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY | O_DIRECTORY);
    ::syncfs(fd);
    ::close(fd);
    return clock.nsecsElapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const int singles = 200;
    QTemporaryDir tmp;
    ProgramScope scope;
    BatchInteraction batch;
    scope.program().ui = &batch;
    QDir::setCurrent(tmp.path());

    // The merge input: designations in a scattered order, as a real list brings them.
    QByteArray input;
    for (int i = 0; i < records; ++i)
        input += recordText(QStringLiteral("BT"), int((qint64(i) * 7919) % records)).toLatin1() + "\r\n";
    const QString inputFile = tmp.filePath(QStringLiteral("merge.txt"));
    {
        QFile f(inputFile);
        f.open(QIODevice::WriteOnly);
        f.write(input);
    }

    freshComponentFile(scope, tmp.path(), QStringLiteral("int"));
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuStart = std::clock();
    MixBt(QStringLiteral("be.mixbl"), inputFile, QString());
    const double mergeSeconds = clock.nsecsElapsed() / 1.0e9;
    const double mergeCpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    // Merged: the records in the blocks of the component file.
    int merged = 0;
    for (QDirIterator it(tmp.filePath(QStringLiteral("int/b4")), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile block(it.next());
        block.open(QIODevice::ReadOnly);
        merged += int(block.readAll().count(",Q,Bac="));
    }

    qint64 bytes = 0;
    const double writeSeconds =
        copyWithOneFlush(tmp.filePath(QStringLiteral("int")), tmp.filePath(QStringLiteral("copy")), bytes) / 1.0e9;

    // Single adds, each its own durable change: into the merged file, then into
    // an empty one.
    struct Singles {
        std::vector<double> millis;
        int ok = 0;
    };
    auto addSingles = [&] {
        Singles r;
        for (int i = 0; i < singles; ++i) {
            QString address;
            int index = 0, source = 0, count = 0;
            QStringList list;
            QElapsedTimer one;
            one.start();
            if (AddBt(address, index, source, recordText(QStringLiteral("S"), i), list, count, true) == QLatin1String("ok"))
                ++r.ok;
            r.millis.push_back(one.nsecsElapsed() / 1.0e6);
        }
        std::sort(r.millis.begin(), r.millis.end());
        return r;
    };
    const Singles intoMerged = addSingles();
    freshComponentFile(scope, tmp.path(), QStringLiteral("single"));
    const Singles intoEmpty = addSingles();

    std::printf("merged %d records in %.2f s (%.2f s CPU, %.3f ms per record); the same %lld bytes written with one "
                "flush in %.3f s; ratio %.1f\n",
                merged, mergeSeconds, mergeCpu, mergeSeconds * 1000 / std::max(merged, 1),
                static_cast<long long>(bytes), writeSeconds, mergeSeconds / writeSeconds);
    for (const auto& [what, r] : {std::pair{"the merged file", &intoMerged}, std::pair{"an empty file", &intoEmpty}})
        std::printf("single adds into %s %d of %d: median %.2f ms, 90th percentile %.2f ms per record\n", what, r->ok,
                    singles, r->millis[r->millis.size() / 2], r->millis[r->millis.size() * 9 / 10]);
    const int ok = intoMerged.ok + intoEmpty.ok;
    return ok == 2 * singles ? 0 : 1;
}
