#include "listing/listingfiles.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/workslots.h"

#include <QFile>
#include <limits>

namespace {
constexpr int kBadFileNumber = 52;
}

std::unique_ptr<QFile>& listingFileSlot(int fileNumber)
{
    return fileNumber == 6 ? prog().ListFile6 : prog().ListFile7;
}

QFile& openListingFile(int fileNumber)
{
    std::unique_ptr<QFile>& f = listingFileSlot(fileNumber);
    if (!f || !f->isOpen())
        throw TarnError(QStringLiteral("Bad file name or number (%1)").arg(fileNumber), kBadFileNumber);
    return *f;
}

int listingRecordCount(int fileNumber)
{
    const std::unique_ptr<QFile>& f = listingFileSlot(fileNumber);
    if (!f || !f->isOpen())
        return 0;
    return int(f->size() / ListRecordLength);
}

QString readListingRecord(int fileNumber, int record)
{
    QFile& f = openListingFile(fileNumber);
    const qint64 keep = f.pos();
    f.seek(qint64(record - 1) * ListRecordLength);
    const QByteArray bytes = f.read(ListRecordLength);
    f.seek(keep);
    return fromBytes(bytes).leftJustified(ListRecordLength, u' ', true);
}

namespace {
void writeRecord(int fileNumber, int16_t& counter, const QString& record)
{
    QFile& f = openListingFile(fileNumber);
    if (counter == std::numeric_limits<int16_t>::max())
        throw OverflowError();
    const QByteArray bytes = toBytes(record.leftJustified(ListRecordLength, u' ', true));
    // Written through at once: readers open the file by name as well.
    if (f.write(bytes) != bytes.size() || !f.flush())
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(f.fileName(), f.errorString()), ErrNo::PathFileAccess);
    ++counter;
}

void rewind(int fileNumber, int16_t& counter)
{
    counter = 0;
    QFile& f = openListingFile(fileNumber);
    f.seek(0);
}

void recreate(int fileNumber, const QString& name)
{
    std::unique_ptr<QFile>& f = listingFileSlot(fileNumber);
    f.reset();
    const QString path = nativePath(joinDesignPath(prog().WorkStr[Slot::Tp1], name));
    if (QFile::exists(path))
        QFile::remove(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate))
        throw TarnError(QStringLiteral("Path not found: %1").arg(path), ErrNo::PathNotFound);
    f = std::move(file);
}
} // namespace

QString emptyListRecord()
{
    return (QStringLiteral("*") + EndeZeichen).leftJustified(ListRecordLength, u' ');
}

void ErgLf(int16_t& nC, int16_t& nT)
{
    Program& p = prog();
    if (nC > 0) {
        writeRecord(7, p.ErgZeilenC, p.WorkStr[Slot::Record]);
        --nC;
    }
    if (nT > 0) {
        writeRecord(6, p.ErgZeilenT, p.WorkStr[Slot::Record]);
        --nT;
    }
    p.WorkStr[Slot::Record] = emptyListRecord();
    while (nC > 0) {
        writeRecord(7, p.ErgZeilenC, p.WorkStr[Slot::Record]);
        --nC;
    }
    while (nT > 0) {
        writeRecord(6, p.ErgZeilenT, p.WorkStr[Slot::Record]);
        --nT;
    }
    if (nC < 0)
        rewind(7, p.ErgZeilenC);
    if (nT < 0)
        rewind(6, p.ErgZeilenT);
}

void ErgLf(int nC, int nT)
{
    int16_t c = int16_t(nC);
    int16_t t = int16_t(nT);
    ErgLf(c, t);
}

void recreateListingFiles()
{
    recreate(7, QStringLiteral("c.tmp"));
    recreate(6, QStringLiteral("t.tmp"));
}
