#include "report/listing.h"
#include "frame/workslots.h"
#include "report/reportstate.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QFile>
#include <limits>

namespace {
std::unique_ptr<QFile>& listFile(int fileNumber)
{
    return listingFileSlot(fileNumber);
}

QFile& openListFile(int fileNumber)
{
    return openListingFile(fileNumber);
}

void writeRecord(int fileNumber, int16_t& counter, const QString& record)
{
    QFile& f = openListFile(fileNumber);
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
    QFile& f = openListFile(fileNumber);
    f.seek(0);
}

void recreate(int fileNumber, const QString& name)
{
    std::unique_ptr<QFile>& f = listFile(fileNumber);
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

void InitDruck()
{
    Program& p = prog();
    p.LangDir = GetParam(p.Cf, QStringLiteral("De")).toLower();
    if (p.LangDir == QLatin1String("dd\\"))
        p.LangNr = 1;
    else if (p.LangDir == QLatin1String("de\\"))
        p.LangNr = 2;
    p.WorkStr[Slot::AwsDir] = GetParam(p.Cf, QStringLiteral("Aws"));
    p.WorkStr[Slot::Tp1] = GetParam(p.Cf, QStringLiteral("Tp1"));
    p.WorkStr[Slot::Tp2] = GetParam(p.Cf, QStringLiteral("Tp2"));
    resetGroupTable();
    recreateListingFiles();
}

void recreateListingFiles()
{
    recreate(7, QStringLiteral("c.tmp"));
    recreate(6, QStringLiteral("t.tmp"));
}
