#pragma once
// What several benchmarks share: a wall-and-CPU clock, and a component file
// of synthetic records laid out as the writer lays out its blocks.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <ctime>
#include <functional>

namespace bench {

struct Clock {
    qint64 wallNs = 0;
    qint64 cpuNs = 0;
    static qint64 now(clockid_t c)
    {
        timespec t{};
        clock_gettime(c, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    static Clock read() { return {now(CLOCK_MONOTONIC), now(CLOCK_PROCESS_CPUTIME_ID)}; }
    Clock operator-(const Clock& o) const { return {wallNs - o.wallNs, cpuNs - o.cpuNs}; }
};

// The least wall and the least CPU time of runs calls of work.
inline Clock best(int runs, const std::function<void()>& work)
{
    Clock least{};
    for (int i = 0; i < runs; ++i) {
        const Clock a = Clock::read();
        work();
        const Clock d = Clock::read() - a;
        if (i == 0 || d.cpuNs < least.cpuNs)
            least.cpuNs = d.cpuNs;
        if (i == 0 || d.wallNs < least.wallNs)
            least.wallNs = d.wallNs;
    }
    return least;
}

// Writes records (record(i) gives the i-th, ending in "\r\n") into the block
// files of group 41 below bin, about 200 records of 60 characters to a block,
// as the component file's writer fills them. Gives the number of blocks.
inline int writeComponentBlocks(const QString& bin, int records, const std::function<QByteArray(int)>& record)
{
    int block = 0;
    QByteArray text;
    auto flush = [&] {
        const QString file =
            QStringLiteral("%1/b4/1%2/%3").arg(bin).arg(block / 100).arg(block % 100, 2, 10, QChar(u'0'));
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(text + "\r\n");
        text.clear();
        ++block;
    };
    for (int i = 0; i < records; ++i) {
        text += record(i);
        if (text.size() > 12600)
            flush();
    }
    if (!text.isEmpty())
        flush();
    return block;
}

} // namespace bench
