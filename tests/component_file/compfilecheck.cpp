#include "compfilecheck.h"
#include "component_file/btdatei.h"
#include "component_file/btrecord.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/paramstring.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>
#include <set>

namespace {

QByteArray readAll(const QString& file, bool* ok = nullptr)
{
    QFile f(file);
    const bool opened = f.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? f.readAll() : QByteArray();
}

struct Walk {
    QString dir;
    QStringList problems;
    std::set<QString> pagesSeen;
    std::map<QString, QStringList> leafEntries; // key -> block addresses
    int highestLeaf = 0;
    int highestSecond = 0;
};

const QString FreeEntry = QString(EntryLength, EndeZeichen);
const QString FreeKey = QString(KeyLength, EndeZeichen);

// The used entries of a page (the sentinel included), checked for order.
QStringList entriesOf(Walk& w, const QString& name)
{
    bool ok = false;
    const QString page = fromAnsi(readAll(w.dir + u'/' + name, &ok));
    if (!ok || page.size() != PageLength) {
        w.problems << QStringLiteral("page %1 missing or not %2 characters").arg(name).arg(PageLength);
        return {};
    }
    if (!w.pagesSeen.insert(name).second)
        w.problems << QStringLiteral("page %1 is reached twice").arg(name);
    QStringList used;
    bool freeSeen = false;
    for (int k = 0; k < EntriesPerPage; ++k) {
        const QString e = page.mid(k * EntryLength, EntryLength);
        if (e == FreeEntry) {
            freeSeen = true;
            continue;
        }
        if (freeSeen)
            w.problems << QStringLiteral("page %1: entry %2 behind a free entry").arg(name).arg(k + 1);
        if (!used.isEmpty() && QString::compare(used.last().left(KeyLength), e.left(KeyLength)) >= 0)
            w.problems << QStringLiteral("page %1: entry %2 out of order").arg(name).arg(k + 1);
        used << e;
    }
    return used;
}

void checkRange(Walk& w, const QString& name, const QStringList& entries, const QString& low, const QString& high)
{
    for (const QString& e : entries) {
        const QString key = e.left(KeyLength);
        if (key == FreeKey)
            continue;
        if ((!low.isEmpty() && QString::compare(key, low) <= 0) || QString::compare(key, high) > 0)
            w.problems << QStringLiteral("page %1: key %2 outside its parent's range").arg(name, key);
    }
}

void walkIndex(Walk& w)
{
    const QStringList top = entriesOf(w, QStringLiteral("i/hi"));
    QString lowTop;
    for (const QString& t : top) {
        const QString ssName = QStringLiteral("i/ss/") + t.right(2);
        w.highestSecond = qMax(w.highestSecond, t.right(2).toInt());
        const QStringList second = entriesOf(w, ssName);
        checkRange(w, ssName, second, lowTop, t.left(KeyLength));
        QString lowSecond = lowTop;
        for (const QString& s : second) {
            const QString number = s.right(4);
            const QString leafName = QStringLiteral("i/") + number.left(2) + u'/' + number.right(2);
            w.highestLeaf = qMax(w.highestLeaf, number.toInt());
            const QStringList leaf = entriesOf(w, leafName);
            checkRange(w, leafName, leaf, lowSecond, s.left(KeyLength));
            for (const QString& e : leaf)
                w.leafEntries[e.left(KeyLength)].append(e.right(5));
            lowSecond = s.left(KeyLength);
        }
        lowTop = t.left(KeyLength);
    }
}

// Block address -> records.
std::map<QString, QStringList> blocksOf(const QString& dir)
{
    static const QRegularExpression blockPath(QStringLiteral("/b([0-9])/([0-9])([0-9])/([0-9]{2})$"));
    std::map<QString, QStringList> blocks;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const auto m = blockPath.match(file.mid(dir.size()));
        if (!m.hasMatch())
            continue;
        const QString address = m.captured(1) + m.captured(2) + m.captured(3) + m.captured(4);
        QStringList records;
        for (const QString& line : blockLines(fromAnsi(readAll(file))))
            if (!line.trimmed().isEmpty())
                records << line.trimmed();
        blocks[address] = records;
    }
    return blocks;
}

} // namespace

QStringList allRecords(const QString& nativeDir)
{
    QStringList out;
    for (const auto& [address, records] : blocksOf(nativeDir))
        out << records;
    return out;
}

QStringList checkComponentFile(const QString& nativeDir)
{
    Walk w;
    w.dir = nativeDir;
    if (QFile::exists(nativeDir + QStringLiteral("/journal")))
        w.problems << QStringLiteral("a journal is left");
    QDirIterator it(nativeDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (f.endsWith(QLatin1String(".jnew")))
            w.problems << QStringLiteral("new content left beside its target: %1").arg(f.mid(nativeDir.size()));
    }
    walkIndex(w);

    const std::map<QString, QStringList> blocks = blocksOf(nativeDir);
    std::map<QString, std::set<QString>> keysOfBlock;
    std::set<QString> keysStored;
    for (const auto& [address, records] : blocks) {
        for (const QString& record : records) {
            TsaTable t;
            UmfoBtTsa(record, 1, t, true);
            for (int i = 1; i <= t.AnzTsa[1]; ++i) {
                const QString key = t.Tsa[1][i].left(KeyLength);
                if (!keySortsBelowFree(key))
                    continue;
                if (!keysStored.insert(key).second)
                    w.problems << QStringLiteral("designation %1 stored in more than one record").arg(key);
                keysOfBlock[address].insert(key);
                const auto found = w.leafEntries.find(key);
                if (found == w.leafEntries.end())
                    w.problems << QStringLiteral("record not in the index: %1 (block %2)").arg(key, address);
                else if (found->second != QStringList{address})
                    w.problems << QStringLiteral("key %1 of block %2 is indexed as %3")
                                      .arg(key, address, found->second.join(u' '));
            }
        }
    }
    for (const auto& [key, addresses] : w.leafEntries) {
        if (key == FreeKey)
            continue;
        if (addresses.size() != 1)
            w.problems << QStringLiteral("key %1 is indexed %2 times").arg(key).arg(addresses.size());
        for (const QString& a : addresses)
            if (!keysOfBlock[a].count(key))
                w.problems << QStringLiteral("index entry %1 points at block %2 without that record").arg(key, a);
    }

    const QString header = fromAnsi(readAll(nativeDir + QStringLiteral("/abi")));
    if (GetParam(header, QStringLiteral("Ib")).toInt() < w.highestLeaf)
        w.problems << QStringLiteral("header counter Ib %1 below leaf page %2")
                          .arg(GetParam(header, QStringLiteral("Ib")))
                          .arg(w.highestLeaf);
    if (GetParam(header, QStringLiteral("Ss")).toInt() < w.highestSecond)
        w.problems << QStringLiteral("header counter Ss %1 below second-level page %2")
                          .arg(GetParam(header, QStringLiteral("Ss")))
                          .arg(w.highestSecond);
    // A page beyond a counter that holds data stops the next split.
    static const QRegularExpression pagePath(QStringLiteral("^/i/(ss/[0-9]{2}|[0-9]{2}/[0-9]{2})$"));
    QDirIterator pages(nativeDir + QStringLiteral("/i"), QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString f = pages.next();
        const auto m = pagePath.match(f.mid(nativeDir.size()));
        if (!m.hasMatch() || QFileInfo(f).size() == 0)
            continue;
        const bool second = m.captured(1).startsWith(QLatin1String("ss"));
        const int number = QString(m.captured(1)).remove(QStringLiteral("ss")).remove(u'/').toInt();
        const int counter = GetParam(header, second ? QStringLiteral("Ss") : QStringLiteral("Ib")).toInt();
        if (number > counter)
            w.problems << QStringLiteral("page %1 beyond the header's counter %2").arg(m.captured(1)).arg(counter);
    }
    for (const auto& [address, records] : blocks) {
        const QString counter = GetParam(header, address.left(2));
        if (counter.isEmpty() || counter.toInt() < address.right(3).toInt())
            w.problems << QStringLiteral("header counter of group %1 (%2) below block %3")
                              .arg(address.left(2), counter, address);
    }
    return w.problems;
}
