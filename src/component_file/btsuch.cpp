#include "component_file/btsuch.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
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
bool findRecord(const QString& blockText, const QString& key, QString& record, int& position)
{
    QString text = blockText;
    QStringList records;
    int count = 0;
    const int keepNr = prog().BtSatzNr;
    ZerlegBtBlock(text, records, count);
    prog().BtSatzNr = keepNr;
    for (int i = 1; i <= count; ++i)
        if (recordHasKey(records[i], key)) {
            record = records[i];
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

} // namespace

int HolBtInh(int kind, const QString& key, QString& blockFile, QString& blockText, QString& record, int* recordIndex)
{
    Program& p = prog();
    record.clear();
    int result = -1;
    int source = 0;
    QString entry;
    if (kind == 0 || kind == 1) {
        int n = 0;
        if (!p.BinDir.isEmpty()) {
            // An index that cannot be searched must not read as "not indexed".
            if (!SuchInh(key, 2, n, entry, BtKind::Internal, BtFlags::LockedRead))
                return 0;
            if (n > 0) {
                blockFile = blockFilePath(p.BinDir, entry.right(5));
                if (!indexedBlockReadable(blockFile))
                    return 0;
                if (lockedReadWhole(blockFile, p.BinDir, BtKind::Internal, blockText))
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
            blockFile = blockFilePath(p.BexDir, entry.right(5));
            if (!indexedBlockReadable(blockFile))
                return 0;
            if (lockedReadWhole(blockFile, p.BexDir, BtKind::External, blockText))
                source = 2;
            else
                result = 0;
        }
    }
    if (source == 0)
        return result;
    int position = 0;
    if (!findRecord(blockText, entry.left(KeyLength), record, position)) {
        // The index names this block for the key: a block without the record
        // was cut or overwritten.
        reportDamagedComponentFile(blockFile);
        return -2;
    }
    if (recordIndex) {
        ZerlegBtBlock(blockText, p.BtSatz, p.BtSatzAnz);
        *recordIndex = position;
    }
    return source;
}

int SuchBtTsa(int kind, QString& blockFile, QString& blockText, QString& record)
{
    QString identity = prog().WorkStr[Slot::Ident];
    blockFile.clear();
    blockText.clear();
    record.clear();
    bool nothingSearched = true;
    int result = 0;
    // One key: true when the search ends here.
    auto lookUp = [&](const QString& key) {
        const int r = HolBtInh(kind, key, blockFile, blockText, record);
        if (r == -2 || r == 0) {
            result = r;
            return true;
        }
        result = 1;
        return !record.isEmpty();
    };
    while (findParamKey(identity, QStringLiteral("Yk")) >= 0) {
        const QString value = GetParam(identity, QStringLiteral("Yk")).toUpper();
        SetParam(identity, QStringLiteral("Yk"), QString());
        const QString number = SachNrForm(value);
        if (isItemNumberError(number)) {
            record = QStringLiteral("FehlerYk");
            break;
        }
        nothingSearched = false;
        if (lookUp(componentKey(number, u'S')))
            return result;
    }
    const std::pair<const char*, QChar> others[] = {{"An", u'A'}, {"Typ", u'T'}};
    for (const auto& [item, letter] : others) {
        while (findParamKey(identity, QLatin1String(item)) >= 0) {
            nothingSearched = false;
            const QString value = GetParam(identity, QLatin1String(item)).toUpper();
            SetParam(identity, QLatin1String(item), QString());
            if (lookUp(componentKey(value, letter)))
                return result;
        }
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
