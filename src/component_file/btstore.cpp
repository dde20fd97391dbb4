#include "component_file/btstore.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btlock.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

namespace {

QString storedForm(const QString& record)
{
    QString r = record.trimmed();
    r.replace(PiChar, PiMark);
    return r;
}

bool blank(const QString& record)
{
    return std::all_of(record.begin(), record.end(), [](QChar c) { return c.isSpace(); });
}

// A record that reads back from a block text as it is: no line end inside, no
// blank at its ends.
bool splitsBack(const QString& record)
{
    return !record.contains(u'\n') && !record.front().isSpace() && !record.back().isSpace();
}

// The block last written within the open change, with the records it was made
// of: a merge adds record after record to the same block, and splitting its
// text anew for every record, or making it anew from all its records, would
// cost more than the record itself.
} // namespace

// Held by the Program, with the change it belongs to.
struct WrittenBlock {
    QString file;
    QString text;
    QStringList records;
    int count = 0;
    bool encodesBack = false; // the text reads back the same from its bytes
};

namespace {

WrittenBlock& lastWritten()
{
    Program& p = prog();
    if (!p.LastBlock)
        p.LastBlock = std::make_shared<WrittenBlock>();
    return *p.LastBlock;
}

// The records of a block text as ZerlegBtBlock gives them; from the block last
// written when the text is that block's.
void splitBlock(const QString& file, QString& text, QStringList& records, int& count)
{
    const WrittenBlock& w = lastWritten();
    if (changeOpen() && w.file == file && w.text == text) {
        records = w.records;
        count = w.count;
        prog().BtSatzNr = 1;
        text.clear();
        return;
    }
    ZerlegBtBlock(text, records, count);
}

// True when records 1..w.count are the records of the block last written.
bool startsWithWritten(const QStringList& records, const WrittenBlock& w)
{
    for (int i = 1; i <= w.count; ++i)
        if (!records[i].isSharedWith(w.records[i]) && records[i] != w.records[i])
            return false;
    return true;
}

// Drops the empty records and writes the block whole; a block without records
// is deleted.
bool writeBlock(const QString& blockAddress, QStringList& records, int& count)
{
    const QString file = blockFilePath(prog().BinDir, blockAddress);
    WrittenBlock& w = lastWritten();
    // Records appended to the block last written: its text grows by them.
    if (changeOpen() && w.file == file && count > w.count && records.size() == count + 1 &&
        startsWithWritten(records, w)) {
        bool appendable = true;
        for (int i = w.count + 1; i <= count && appendable; ++i)
            appendable = !blank(records[i]) && splitsBack(records[i]);
        if (appendable) {
            QString text = QStringView(w.text).chopped(2).toString();
            bool encodesBack = w.encodesBack;
            for (int i = w.count + 1; i <= count; ++i) {
                text += records[i];
                text += QLatin1String("\r\n");
                encodesBack = encodesBack && textReadsBack(records[i]);
            }
            text += QLatin1String("\r\n");
            if (!writeTextAtomic(file, text, encodesBack)) {
                w = WrittenBlock();
                return false;
            }
            w = WrittenBlock{file, text, records, count, encodesBack};
            return true;
        }
    }
    w = WrittenBlock();
    qsizetype length = 2;
    int pos = 1;
    while (pos <= count) {
        if (blank(records[pos])) {
            records.removeAt(pos);
            --count;
            continue;
        }
        length += records[pos].size() + 2;
        ++pos;
    }
    while (records.size() < count + 1)
        records.append(QString());
    QString text;
    text.reserve(length);
    bool parsesBack = true;
    for (int i = 1; i <= count; ++i) {
        parsesBack = parsesBack && splitsBack(records[i]);
        text += records[i];
        text += QLatin1String("\r\n");
    }
    if (text.isEmpty())
        return removeFile(file);
    text += QLatin1String("\r\n");
    // Only a change in progress keeps the text (and this block) as text.
    const bool encodesBack = changeOpen() && textReadsBack(text);
    if (!writeTextAtomic(file, text, encodesBack))
        return false;
    if (parsesBack && changeOpen())
        w = WrittenBlock{file, text, records.mid(0, count + 1), count, encodesBack};
    return true;
}

bool readBlock(const QString& file, QString& text)
{
    text.clear();
    if (fileSize(file) < 0)
        return true;
    // Within a change the block is kept in memory once it was read or written.
    if (const QString* known = unitText(file)) {
        text = *known;
        return true;
    }
    int lock = -1, data = -1, minimum = 0;
    if (!OpenBtFile(BtFlags::ReadHoldingLock, text, file, prog().BinDir, BtKind::Internal, 0, 0, 0, true, minimum,
                    lock, data))
        return false;
    rememberText(file, text);
    return true;
}

// Adds the record to the group's current block, or to the next block when it
// does not fit any more.
bool addToBlock(const QString& stored, const QString& group, QString& blockAddress, QStringList& records, int& count,
                int& recordIndex)
{
    Program& p = prog();
    QString header;
    if (!readHeader(p.BinDir, BtKind::Internal, BtFlags::ReadHoldingLock, header))
        return false;
    QString current = GetParam(header, group);
    if (current.isEmpty()) {
        current = QStringLiteral("000");
        SetParam(header, group, current);
        if (!writeHeader(p.BinDir, header))
            return false;
    }
    for (int number = current.toInt();; ++number) {
        if (number > 999) {
            btMessage(QStringLiteral("btgroupfull"),
                      QStringLiteral("Die Bauelemente-Gruppe @1 ist voll: alle Blöcke bis 999 sind belegt."),
                      QStringLiteral("Component group @1 is full: all blocks up to 999 are in use."), {group});
            return false;
        }
        const QString candidate = group + QString::number(number).rightJustified(3, u'0');
        const QString file = blockFilePath(p.BinDir, candidate);
        const qint64 size = fileSize(file);
        if (size < 0)
            QDir().mkpath(nativePath(blockFolderPath(p.BinDir, candidate)));
        const qint64 length = qMax<qint64>(0, size);
        if (stored.size() + length >= BlockLimit)
            continue;
        if (number != current.toInt()) {
            SetParam(header, group, candidate.right(3));
            if (!writeHeader(p.BinDir, header))
                return false;
        }
        QString text;
        if (!readBlock(file, text))
            return false;
        splitBlock(file, text, records, count);
        records.append(stored);
        ++count;
        recordIndex = count;
        blockAddress = candidate;
        return true;
    }
}

// Replaces or deletes a record in the block as it is on disk now: another user
// may have changed the block since the caller read it.
bool changeInBlock(const QString& stored, const QString& blockAddress, const QString& old, QStringList& records,
                   int& count, int& recordIndex)
{
    QString text;
    const QString file = blockFilePath(prog().BinDir, blockAddress);
    if (!readBlock(file, text))
        return false;
    QStringList fresh;
    int freshCount = 0;
    splitBlock(file, text, fresh, freshCount);
    int position = 0;
    if (recordIndex <= freshCount && fresh[recordIndex] == old)
        position = recordIndex;
    for (int i = 1; i <= freshCount && position == 0; ++i)
        if (fresh[i] == old)
            position = i;
    if (position == 0) {
        btMessage(QStringLiteral("btchanged"),
                  QStringLiteral("Der Bauelemente-Eintrag wurde inzwischen von einem anderen Benutzer geändert "
                                 "oder gelöscht. Bitte neu lesen."),
                  QStringLiteral("The component record has been changed or deleted by another user meanwhile. "
                                 "Please read it again."));
        return false;
    }
    fresh[position] = stored;
    records = fresh;
    count = freshCount;
    recordIndex = position;
    return true;
}

} // namespace

namespace {

// The writer behind AddBt and MoveBt. With moving, record recordIndex of
// blockAddress leaves its block and the changed record goes to the last block of
// its group, in the same unit.
// The change of one record: a unit of its own under the exclusive lock, or a
// part of the unit that a merge holds open already (then a refused record drops
// only its own part). Kept only when committed; dropped however else the write
// ends, and the cached index pages are read afresh.
class RecordChange {
public:
    explicit RecordChange(const QString& bin)
        : mBin(bin), mJoined(changeOpen() && sameFolder(changeDirectory(), bin)), mMark(mJoined ? changeMark() : 0),
          mUncaught(std::uncaught_exceptions())
    {
    }
    // Throws on a normal exit like the write itself would; while an error unwinds,
    // a second failure of the rollback is swallowed so that the first reaches
    // the user instead of ending the program.
    ~RecordChange() noexcept(false)
    {
        if (std::uncaught_exceptions() == mUncaught) {
            end(false);
            return;
        }
        try {
            end(false);
        } catch (const std::exception&) {
        }
    }
    RecordChange(const RecordChange&) = delete;
    RecordChange& operator=(const RecordChange&) = delete;

    // Takes the exclusive lock and opens the unit (a joined change holds both
    // already); false when the lock was refused.
    bool open()
    {
        if (mJoined)
            return true;
        mLock = takeWriteLock(mBin, BtKind::Internal);
        if (mLock < 0) {
            mDone = true;
            return false;
        }
        openChange(mBin);
        return true;
    }
    // True when the change is durable (or kept in the merge's unit).
    bool commit() { return end(true); }
    void drop() { end(false); }

private:
    bool end(bool success)
    {
        if (std::exchange(mDone, true))
            return success;
        if (mJoined) {
            if (success)
                keepChangeSoFar();
            else
                rollbackChange(mMark);
        } else if (success) {
            success = commitChange();
        } else {
            abandonChange();
        }
        forgetCachedPages(BtKind::Internal);
        // The page as it is, without the dropped change; while an error unwinds,
        // the next reader loads it instead.
        if (!success && std::uncaught_exceptions() == mUncaught)
            loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock);
        if (mLock >= 0)
            FClose(mLock);
        return success;
    }

    QString mBin;
    bool mJoined;
    int mMark;
    int mUncaught;
    int mLock = -1;
    bool mDone = false;
};

// What one write of a record works with.
struct RecordWrite {
    bool moving = false;
    bool adding = false; // the record goes to a block of its group
    QString old;         // the record as its block holds it, or empty
    QString stored;      // the new record as it is stored, or empty
    QString group;
    // Keys of old (column 1) and of stored (column 2); the character after a key
    // says what becomes of it: '*' both records have it, 'D' another record has it.
    TsaTable t;
};

// The record's block as it will be, and where the record stands in it.
struct BlockEdit {
    QStringList records;
    int count = 0;
    int index = 0;
    QString address;
};

// The checks of the arguments and of the record that need no lock. False when
// the record cannot be written.
bool acceptRecord(RecordWrite& w, const QString& blockAddress, int recordIndex, const QString& record,
                  const QStringList& records, int count)
{
    if (blockAddress.isEmpty() && record.isEmpty())
        return false;
    if (w.moving && (blockAddress.isEmpty() || record.isEmpty()))
        return false;
    w.adding = blockAddress.isEmpty() || w.moving;
    if (!blockAddress.isEmpty() && (recordIndex < 1 || recordIndex > count || recordIndex >= records.size()))
        return false;
    w.old = blockAddress.isEmpty() ? QString() : records[recordIndex].trimmed();
    // The keys come from the record as it is stored: a leading blank must not
    // hide its first designation from the index.
    w.stored = record.isEmpty() ? QString() : storedForm(record);
    UmfoBtTsa(w.old, 1, w.t, false);
    UmfoBtTsa(w.stored, 2, w.t, false);
    if (w.t.AnzTsa[1] < 0 || w.t.AnzTsa[2] < 0)
        return false;
    // A record longer than a block can hold would never find a block: refused
    // whole, never cut.
    if (!w.stored.isEmpty() && w.stored.size() >= BlockLimit) {
        btMessage(QStringLiteral("btlong"),
                  QStringLiteral("Der Bauelemente-Eintrag ist mit @1 Zeichen zu lang für einen BE-Block "
                                 "(höchstens @2). Bitte Beschreibung kürzen."),
                  QStringLiteral("The component record is too long for a component block with @1 characters "
                                 "(at most @2). Please shorten the description."),
                  {QString::number(w.stored.size()), QString::number(BlockLimit - 1)});
        return false;
    }
    w.group = GetParam(record, QStringLiteral("Bac")).left(2);
    const QString& g = w.group;
    if (w.adding && (g.size() != 2 || !g[0].isDigit() || !g[1].isDigit() || g.toInt() < 11)) {
        btMessage(QStringLiteral("btgroup"), QStringLiteral("Bauelement ohne gültige Gruppe: Bac=@1"),
                  QStringLiteral("Component without a valid group: Bac=@1"), {GetParam(record, QStringLiteral("Bac"))});
        return false;
    }
    return true;
}

// Marks the keys that both the old and the new record have.
void markKeptKeys(TsaTable& t)
{
    for (int i = 1; i <= t.AnzTsa[1]; ++i)
        for (int k = 1; k <= t.AnzTsa[2]; ++k)
            if (t.Tsa[1][i].left(KeyLength) == t.Tsa[2][k].left(KeyLength)) {
                t.Tsa[1][i][KeyLength] = u'*';
                t.Tsa[2][k][KeyLength] = u'*';
            }
}

// False, after a message, when a new key holds a character the index cannot take.
bool newKeysAllowed(const TsaTable& t)
{
    for (int k = 1; k <= t.AnzTsa[2]; ++k)
        if (t.Tsa[2][k][KeyLength] == u'N' && !keySortsBelowFree(t.Tsa[2][k].left(KeyLength))) {
            btMessage(QStringLiteral("btchar"),
                      QStringLiteral("Die Bezeichnung  '@1'  enthält ein unzulässiges Zeichen."),
                      QStringLiteral("The designation  '@1'  holds a character that is not allowed."),
                      {t.Tsa[2][k].left(DesignationLength).trimmed()});
            return false;
        }
    return true;
}

// Reads the index afresh and marks the new keys that another record holds
// already; duplicateKey and duplicateBlock name the last of them. False when the
// index cannot be read.
bool findDuplicates(TsaTable& t, QString& duplicateKey, QString& duplicateBlock)
{
    forgetCachedPages(BtKind::Internal);
    if (!loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock))
        return false;
    for (int k = 1; k <= t.AnzTsa[2]; ++k) {
        if (t.Tsa[2][k][KeyLength] != u'N')
            continue;
        int m = 0;
        QString entry;
        if (!SuchInh(t.Tsa[2][k].left(KeyLength), 2, m, entry, BtKind::Internal, BtFlags::ReadHoldingLock))
            return false;
        if (m > 0) {
            t.Tsa[2][k][KeyLength] = u'D';
            duplicateKey = t.Tsa[2][k].left(KeyLength);
            duplicateBlock = entry.right(5);
        }
    }
    return true;
}

// Puts the record into its block and writes the block; a moved record leaves
// its old block first.
bool writeRecordBlocks(const RecordWrite& w, BlockEdit& b)
{
    if (w.moving) {
        // Out of the old block first (within the unit, nothing is on disk yet),
        // so that a new block of the same file sees the block without it.
        if (!changeInBlock(QString(), b.address, w.old, b.records, b.count, b.index) ||
            !writeBlock(b.address, b.records, b.count))
            return false;
        b.address.clear();
        b.index = 0;
    }
    const bool changed = w.adding ? addToBlock(w.stored, w.group, b.address, b.records, b.count, b.index)
                                  : changeInBlock(w.stored, b.address, w.old, b.records, b.count, b.index);
    return changed && writeBlock(b.address, b.records, b.count);
}

// Removes the entries of the designations the record lost and enters those it
// gained, with the record's block address.
bool updateIndexEntries(const RecordWrite& w, const QString& address)
{
    const TsaTable& t = w.t;
    // A moved record keeps its designations, but their entries name the old
    // block: all of them are entered anew.
    for (int i = 1; i <= t.AnzTsa[1]; ++i)
        if ((t.Tsa[1][i][KeyLength] == u'G' || (w.moving && t.Tsa[1][i][KeyLength] == u'*')) &&
            !EntfInh(t.Tsa[1][i].left(KeyLength)))
            return false;
    for (int k = 1; k <= t.AnzTsa[2]; ++k) {
        if (t.Tsa[2][k][KeyLength] != u'N' && !(w.moving && t.Tsa[2][k][KeyLength] == u'*'))
            continue;
        int n = 0;
        QString entry;
        if (!InsInh(t.Tsa[2][k].left(KeyLength) + address, n, entry) && n <= 0)
            return false;
    }
    return true;
}

QString writeRecord(QString& blockAddress, int& recordIndex, int& source, const QString& record, QStringList& records,
                    int& count, bool noMessage, bool moving)
{
    Program& p = prog();
    RecordWrite w;
    w.moving = moving;
    // 1. Checks that need no lock
    if (!acceptRecord(w, blockAddress, recordIndex, record, records, count))
        return QStringLiteral("no");
    markKeptKeys(w.t);
    if (!newKeysAllowed(w.t))
        return QStringLiteral("no");

    // 2. From here on the internal file is locked exclusively. The index and the
    // block are read again under the lock, so that the duplicate test and the
    // change see what other users wrote before. The change is one unit: it is
    // made durable and put in place at the end, or not at all. Inside a merge
    // batch (a unit open already, with the lock held) it joins that unit, and a
    // refused record drops only its own part.
    RecordChange change(p.BinDir);
    if (!change.open())
        return QStringLiteral("no");
    // 3. Designations another record has already
    QString duplicateKey, duplicateBlock;
    if (!findDuplicates(w.t, duplicateKey, duplicateBlock))
        return QStringLiteral("no");
    if (!duplicateKey.isEmpty()) {
        change.drop(); // the lock is not held while the message waits for the user
        if (!noMessage)
            MsgBoxRes(QStringLiteral("92"), 0, p.LangNr, oemArgs({duplicateKey, QStringLiteral("B") + duplicateBlock}));
        return QStringLiteral("dop");
    }
    // 4. The blocks, then the index
    BlockEdit b{records, count, recordIndex, blockAddress};
    if (!writeRecordBlocks(w, b) || !updateIndexEntries(w, b.address))
        return QStringLiteral("no");
    // 5. The caller's copy of the block changes only with the stored one.
    if (!change.commit())
        return QStringLiteral("no");
    records = b.records;
    count = b.count;
    recordIndex = b.index;
    blockAddress = b.address;
    if (w.adding)
        source = 1;
    return QStringLiteral("ok");
}

} // namespace

QString AddBt(QString& blockAddress, int& recordIndex, int& source, const QString& record, QStringList& records,
              int& count, bool noMessage)
{
    return writeRecord(blockAddress, recordIndex, source, record, records, count, noMessage, false);
}

QString MoveBt(QString& blockAddress, int& recordIndex, int& source, const QString& record, QStringList& records,
               int& count, bool noMessage)
{
    return writeRecord(blockAddress, recordIndex, source, record, records, count, noMessage, true);
}
