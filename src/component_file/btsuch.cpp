#include "component_file/btsuch.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
#include "component_file/btreads.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "frame/itemnumber.h"
#include "frame/codepage.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

namespace {

// The first record of the block whose identity items give the key. Records are
// compared item by item, so a designation inside a description or another key
// ("XTyp=") never matches.
bool findRecord(const KeptBlock& block, const QString& key, QString& record, int& position)
{
    for (int i = 1; i <= block.count; ++i)
        if (recordHasKey(block.records[i], key)) {
            record = block.records[i];
            position = i;
            return true;
        }
    position = 0;
    return false;
}

// A block that the index names but that is not there: the file is incomplete.
bool indexedBlockReadable(const QString& blockFile)
{
    if (fileSize(blockFile) >= 0) // staged by the open change or on disk
        return true;
    reportDamagedComponentFile(blockFile);
    return false;
}

// Reads the block that an index entry names from the component file in dir:
// from what the run kept, else from the disk under the shared lock. Returns 1
// when read, 0 when it could not be read, -1 when it is missing (the user was
// told).
int readIndexedBlock(const QString& dir, int kind, const QString& entry, QString& blockFile, KeptBlock& block)
{
    blockFile = blockFilePath(dir, entry.right(5));
    if (const KeptBlock* kept = keptBlock(blockFile)) {
        block = *kept;
        return 1;
    }
    if (!indexedBlockReadable(blockFile))
        return -1;
    QString text;
    if (!lockedReadWhole(blockFile, dir, kind, text))
        return 0;
    keepBlock(blockFile, text, block);
    return 1;
}

} // namespace

int HolBtInh(int kind, const QString& key, QString& blockFile, QString& blockText, QString& record, int* recordIndex)
{
    Program& p = prog();
    record.clear();
    int result = -1;
    int source = 0;
    QString entry;
    KeptBlock block;
    if (kind == 0 || kind == 1) {
        int n = 0;
        if (!p.BinDir.isEmpty()) {
            // An index that cannot be searched must not read as "not indexed".
            if (!SuchInh(key, 2, n, entry, BtKind::Internal, BtFlags::LockedRead))
                return 0;
            if (n > 0) {
                const int read = readIndexedBlock(p.BinDir, BtKind::Internal, entry, blockFile, block);
                if (read < 0)
                    return 0;
                if (read > 0)
                    source = 1;
                else
                    result = 0;
            }
        }
    }
    if (source == 0 && (kind == 0 || kind == 2) && !p.BexDir.isEmpty()) {
        int n = 0;
        if (!SuchInh(key, 2, n, entry, BtKind::External, BtFlags::LockedRead))
            return 0;
        if (n > 0) {
            const int read = readIndexedBlock(p.BexDir, BtKind::External, entry, blockFile, block);
            if (read < 0)
                return 0;
            if (read > 0)
                source = 2;
            else
                result = 0;
        }
    }
    if (source == 0)
        return result;
    blockText = block.text;
    int position = 0;
    if (!findRecord(block, entry.left(KeyLength), record, position)) {
        // The index names this block for the key: a block without the record
        // was cut or overwritten.
        reportDamagedComponentFile(blockFile);
        return -2;
    }
    if (recordIndex) {
        p.BtSatz = block.records;
        p.BtSatzAnz = block.count;
        p.BtSatzNr = 1;
        blockText.clear();
        *recordIndex = position;
    }
    return source;
}

QStringList componentSearchKeys(const QString& identity)
{
    QString rest = identity;
    QStringList keys;
    while (findParamKey(rest, QStringLiteral("Yk")) >= 0) {
        const QString value = GetParam(rest, QStringLiteral("Yk")).toUpper();
        SetParam(rest, QStringLiteral("Yk"), QString());
        const QString number = SachNrForm(value);
        if (isItemNumberError(number)) {
            keys << QString(); // the rejected item number ends the item numbers
            break;
        }
        keys << componentKey(number, u'S');
    }
    const std::pair<const char*, QChar> others[] = {{"An", u'A'}, {"Typ", u'T'}};
    for (const auto& [item, letter] : others) {
        while (findParamKey(rest, QLatin1String(item)) >= 0) {
            const QString value = GetParam(rest, QLatin1String(item)).toUpper();
            SetParam(rest, QLatin1String(item), QString());
            keys << componentKey(value, letter);
        }
    }
    return keys;
}

int SuchBtTsa(int kind, QString& blockFile, QString& blockText, QString& record)
{
    const QStringList keys = componentSearchKeys(prog().WorkStr[Slot::Ident]);
    blockFile.clear();
    blockText.clear();
    record.clear();
    bool nothingSearched = true;
    int result = 0;
    for (const QString& key : keys) {
        if (key.isEmpty()) {
            record = QStringLiteral("FehlerYk");
            continue;
        }
        nothingSearched = false;
        const int r = HolBtInh(kind, key, blockFile, blockText, record);
        if (r == -2 || r == 0)
            return r;
        result = 1;
        if (!record.isEmpty())
            return result;
    }
    return nothingSearched ? -3 : result;
}

int LiesBtBlock(const QString& blockAddress, int kind)
{
    Program& p = prog();
    int result = -1;
    const QString address = blockAddress.right(5);
    QString text;
    int source = 0;
    if ((kind == 0 || kind == 1) && !p.BinDir.isEmpty()) {
        const QString file = blockFilePath(p.BinDir, address);
        if (fileSize(file) >= 0) {
            if (lockedReadWhole(file, p.BinDir, BtKind::Internal, text))
                source = 1;
            else
                result = 0;
        }
    }
    if (source == 0 && (kind == 0 || kind == 2) && !p.BexDir.isEmpty()) {
        const QString file = blockFilePath(p.BexDir, address);
        if (fileSize(file) >= 0) {
            if (lockedReadWhole(file, p.BexDir, BtKind::External, text))
                source = 2;
            else
                result = 0;
        }
    }
    if (source == 0) {
        MsgBoxRes(QStringLiteral("27"), 0, p.LangNr, {blockAddress});
        return result;
    }
    p.BtSatzNr = 0;
    if (!text.contains(QLatin1String("Yk=")) && !text.contains(QLatin1String("Typ=")) &&
        !text.contains(QLatin1String("An="))) {
        MsgBoxRes(QStringLiteral("27"), 0, p.LangNr, {blockAddress});
        return -2;
    }
    // Lines are kept untrimmed here, as the editor shows them.
    p.BtSatz.clear();
    p.BtSatz.append(QString());
    p.BtSatzAnz = 0;
    p.BtSatzNr = 1;
    for (const QString& line : blockLines(text)) {
        p.BtSatz.append(line);
        ++p.BtSatzAnz;
    }
    return source;
}
