#include "frame/listingfiles.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/program.h"

#include <QFile>

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
