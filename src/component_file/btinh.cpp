#include "component_file/btinh.h"
#include "component_file/btdatei.h"
#include "component_file/btjournal.h"
#include "component_file/btlock.h"
#include "component_file/btmessages.h"
#include "component_file/btreads.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool gDirectPageWrites = false;

struct Cache {
    std::array<QString, 3>& pages;
    QString& ssName;
    QString& ibName;
    QString dir;
    QString ssDir;
};

Cache cacheOf(int kind)
{
    Program& p = prog();
    if (kind == BtKind::External)
        return {p.InhSeiteExt, p.SsDateiExt, p.IbDateiExt, p.BexDir, secondLevelFolder(kind)};
    return {p.InhSeiteInt, p.SsDateiInt, p.IbDateiInt, p.BinDir, secondLevelFolder(BtKind::Internal)};
}

// A page that cannot be searched: cut short, zeroed or overwritten. Searching
// it would call indexed components "not in the file"; the reader must say that
// the file is damaged instead.
bool readPage(const QString& file, const QString& dir, int kind, int flags, QString& page)
{
    QString text;
    int lock = -1, data = -1, minimum = 0;
    // Within a change the page is kept in memory once it was read or written.
    bool trusted = false;
    if (const QString* known = unitText(file, &trusted)) {
        if (!trusted && !indexPageIsSound(*known)) {
            reportDamagedComponentFile(file);
            return false;
        }
        page = *known;
        return true;
    }
    // Within a run that keeps its reads, a page is read and checked once.
    if (const QString* kept = keptPage(file)) {
        page = *kept;
        return true;
    }
    // A page written by the open change exists only in what it staged.
    if (fileSize(file) < 0) {
        reportDamagedComponentFile(file);
        return false;
    }
    if (!OpenBtFile(flags, text, file, dir, kind, 0, 2, 2, true, minimum, lock, data))
        return false;
    if (!indexPageIsSound(text)) {
        reportDamagedComponentFile(file);
        return false;
    }
    rememberText(file, text);
    keepPage(file, text);
    page = text;
    return true;
}

bool writePage(const QString& file, const QString& page)
{
    return gDirectPageWrites ? writeFileDirect(file, toAnsi(page)) : writeTextAtomic(file, page);
}

bool pageFull(const QString& page)
{
    return page.mid((EntriesPerPage - 1) * EntryLength, EntryLength) != QString(EntryLength, EndeZeichen);
}

QString insertedAt(const QString& page, int position, const QString& entry)
{
    return (page.left((position - 1) * EntryLength) + entry + page.mid((position - 1) * EntryLength)).left(PageLength);
}

QString halfPage(const QString& page, bool lower)
{
    const int half = PageLength / 2;
    return (lower ? page.left(half) : page.mid(half, half)) + QString(half, EndeZeichen);
}

QString digits(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

void message(const char* id, const QStringList& args = {})
{
    MsgBoxRes(QLatin1String(id), 0, prog().LangNr, args);
}

// Takes a new page number from the header counter ("Ib" or "Ss"); refuses a
// number beyond the counter's width and a page file that already holds data.
bool newPageNumber(const char* counter, int width, const QString& folderName, QString& number, QString& file)
{
    Program& p = prog();
    QString header;
    if (!readHeader(p.BinDir, BtKind::Internal, BtFlags::ReadHoldingLock, header))
        return false;
    const int next = GetParam(header, QLatin1String(counter)).toInt() + 1;
    const int limit = width == 4 ? 9999 : 99;
    number = digits(next, width);
    if (width == 4) {
        file = p.BinDir + QStringLiteral("\\i\\") + number.left(number.size() - 2) + u'\\' + number.right(2);
        if (next <= limit && next % 100 == 0)
            QDir().mkpath(nativePath(p.BinDir + QStringLiteral("\\i\\") + number.left(2)));
    } else {
        file = folderName + u'\\' + number;
    }
    const QString shown = width == 4 ? QStringLiteral("i\\") + number.left(number.size() - 2) + u'\\' + number.right(2)
                                     : QStringLiteral("i\\ss\\") + number;
    if (next > limit || fileSize(file) > 0) {
        message("84", {shown});
        return false;
    }
    SetParam(header, QLatin1String(counter), number);
    return writeHeader(p.BinDir, header);
}

bool insertTop(const QString& entry)
{
    Program& p = prog();
    int n = 0;
    QString found;
    if (!SuchInh(entry.left(KeyLength), 0, n, found, BtKind::Internal, BtFlags::ReadHoldingLock))
        return false;
    QString& top = p.InhSeiteInt[0];
    if (n == 0 || pageFull(top)) {
        message("85");
        return false;
    }
    const QString changed = insertedAt(top, std::abs(n), entry);
    if (!writePage(p.BinDir + QStringLiteral("\\i\\hi"), changed))
        return false;
    top = changed;
    if (pageFull(top))
        message("85");
    return true;
}

bool writeSecondLevel(const QString& file, const QString& page)
{
    Program& p = prog();
    if (!writePage(file, page))
        return false;
    const QString standard = p.BinDir + QStringLiteral("\\i\\ss");
    if (secondLevelFolder(BtKind::Internal) != standard)
        return writePage(standard + u'\\' + file.right(2), page);
    return true;
}

bool insertSecondLevel(const QString& entry)
{
    Program& p = prog();
    int n = 0;
    QString found;
    if (!SuchInh(entry.left(KeyLength), 1, n, found, BtKind::Internal, BtFlags::ReadHoldingLock))
        return false;
    if (n == 0 || n > 0 || pageFull(p.InhSeiteInt[1])) {
        message("82");
        return false;
    }
    const QString page = insertedAt(p.InhSeiteInt[1], -n, entry);
    const QString oldFile = p.SsDateiInt;
    if (!pageFull(page)) {
        if (!writeSecondLevel(oldFile, page))
            return false;
        p.InhSeiteInt[1] = page;
        return true;
    }
    QString number, newFile;
    if (!newPageNumber("Ss", 2, secondLevelFolder(BtKind::Internal), number, newFile))
        return false;
    const QString lower = halfPage(page, true);
    if (!writeSecondLevel(newFile, lower))
        return false;
    if (!insertTop(lower.mid(1176, KeyLength) + QStringLiteral("000") + number))
        return false;
    p.SsDateiInt.clear();
    p.InhSeiteInt[1].clear();
    return writeSecondLevel(oldFile, halfPage(page, false));
}

// An index write that no change of the caller encloses is a change of its own:
// its pages (a split touches the new leaf, the second-level pages, the top page,
// the header and the old leaf) stay in memory while it runs and are written
// once each when it is done, all of them or none.
class OwnChange {
public:
    OwnChange() : mMine(!changeOpen() && !DirectPageWrites::active())
    {
        if (mMine)
            openChange(prog().BinDir);
    }
    ~OwnChange()
    {
        if (mMine)
            drop();
    }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;
    // True when what was staged is durable (or nothing was the change's own).
    bool commit()
    {
        if (!mMine)
            return true;
        mMine = false;
        if (commitChange())
            return true;
        forgetPages();
        return false;
    }

private:
    // The cached pages may hold what was staged and never written.
    static void forgetPages()
    {
        forgetCachedPages(BtKind::Internal);
        prog().InhSeiteInt[0].clear();
        loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock);
    }
    void drop()
    {
        mMine = false;
        const bool staged = stagedCount() > 0;
        abandonChange();
        if (staged)
            forgetPages();
    }
    bool mMine;
};

} // namespace

DirectPageWrites::DirectPageWrites() : mPrevious(gDirectPageWrites)
{
    gDirectPageWrites = true;
}

DirectPageWrites::~DirectPageWrites()
{
    gDirectPageWrites = mPrevious;
}

bool DirectPageWrites::active()
{
    return gDirectPageWrites;
}

bool indexPageIsSound(const QString& page)
{
    if (page.size() != PageLength)
        return false;
    const QString freeEntry(EntryLength, EndeZeichen);
    bool freeSeen = false;
    QStringView previous;
    for (int i = 0; i < EntriesPerPage; ++i) {
        const QStringView e = QStringView(page).mid(i * EntryLength, EntryLength);
        if (e == freeEntry) {
            freeSeen = true;
            continue;
        }
        // Used entries stand together at the front, in ascending order, each a
        // key without control characters and a five-digit tail.
        if (freeSeen)
            return false;
        for (QChar c : e.left(KeyLength))
            if (c.unicode() < 32 || c.unicode() == 127)
                return false;
        for (QChar c : e.mid(KeyLength))
            if (c < u'0' || c > u'9')
                return false;
        if (!previous.isEmpty() && previous.compare(e, Qt::CaseSensitive) >= 0)
            return false;
        previous = e;
    }
    return true;
}

void reportDamagedComponentFile(const QString& file)
{
    btMessage(QStringLiteral("btdefekt"),
              QStringLiteral("Die Bauelemente-Datei ist beschädigt oder unvollständig: @1 fehlt oder ist nicht "
                             "lesbar. Bitte das Inhaltsverzeichnis neu erstellen oder die Datei wiederherstellen."),
              QStringLiteral("The component file is damaged or incomplete: @1 is missing or cannot be read. Please "
                             "rebuild the index or restore the file."),
              {QDir::toNativeSeparators(nativePath(file))});
}

int searchPage(const QString& page, const QString& key, QString& entry)
{
    const qsizetype L = key.size();
    int lo = 1, hi = EntriesPerPage;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        if ((lo + hi) % 2 != 0 && mid % 2 != 0)
            ++mid; // a half rounds to the even neighbour
        const QStringView e = QStringView(page).mid((mid - 1) * EntryLength, EntryLength);
        if (e.left(L) == key) {
            entry = e.toString();
            return mid;
        }
        if (QStringView(key).compare(e, Qt::CaseSensitive) > 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    if (lo > EntriesPerPage) {
        entry.clear();
        return 0;
    }
    entry = page.mid((lo - 1) * EntryLength, EntryLength);
    return -lo;
}

bool loadTopPage(int kind, int flags)
{
    Cache c = cacheOf(kind);
    return readPage(c.dir + QStringLiteral("\\i\\hi"), c.dir, kind, flags, c.pages[0]);
}

bool indexReadable(int kind)
{
    Cache c = cacheOf(kind);
    if (c.dir.isEmpty())
        return true;
    forgetCachedPages(kind);
    QString top;
    if (!readPage(c.dir + QStringLiteral("\\i\\hi"), c.dir, kind, BtFlags::LockedRead, top))
        return false;
    c.pages[0] = top;
    auto usedEntries = [](const QString& page) {
        QStringList tails;
        const QString freeEntry(EntryLength, EndeZeichen);
        for (int i = 0; i < EntriesPerPage; ++i) {
            const QString e = page.mid(i * EntryLength, EntryLength);
            if (e != freeEntry)
                tails << e;
        }
        return tails;
    };
    for (const QString& upper : usedEntries(top)) {
        QString second;
        if (!readPage(c.ssDir + u'\\' + upper.right(2), c.dir, kind, BtFlags::LockedRead, second))
            return false;
        for (const QString& entry : usedEntries(second)) {
            QString leaf;
            const QString file = c.dir + QStringLiteral("\\i\\") + entry.mid(20, 2) + u'\\' + entry.right(2);
            if (!readPage(file, c.dir, kind, BtFlags::LockedRead, leaf))
                return false;
        }
    }
    return true;
}

void forgetCachedPages(int kind)
{
    Cache c = cacheOf(kind);
    c.ssName.clear();
    c.ibName.clear();
}

bool SuchInh(const QString& key, int levels, int& n, QString& entry, int kind, int flags)
{
    Cache c = cacheOf(kind);
    n = searchPage(c.pages[0], key, entry);
    if (levels == 0 || n == 0)
        return true;
    const QString ssFile = c.ssDir + u'\\' + entry.right(2);
    if (ssFile != c.ssName) {
        if (!readPage(ssFile, c.dir, kind, flags, c.pages[1]))
            return false;
        c.ssName = ssFile;
    }
    n = searchPage(c.pages[1], key, entry);
    if (levels == 1 || n == 0)
        return true;
    const QString ibFile = c.dir + QStringLiteral("\\i\\") + entry.mid(20, 2) + u'\\' + entry.right(2);
    if (ibFile != c.ibName) {
        if (!readPage(ibFile, c.dir, kind, flags, c.pages[2]))
            return false;
        c.ibName = ibFile;
    }
    n = searchPage(c.pages[2], key, entry);
    return true;
}

bool InsInh(const QString& Neuadr, int& n, QString& Iret)
{
    ErrPtnr::CallStack(QStringLiteral("[Bauteile_funktionen] Sub InsInh(Neuadr$, n%, Iret$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Iret"), Iret);
    ErrPtnr::CallStackParam(QStringLiteral("n"), n);
    ErrPtnr::CallStackParam(QStringLiteral("Neuadr"), Neuadr);
    Program& p = prog();
    n = 0;
    try {
        // A key that sorts above the free marker would break the page order.
        if (!keySortsBelowFree(Neuadr.left(KeyLength)))
            return false;
        OwnChange change;
        if (!SuchInh(Neuadr.left(KeyLength), 2, n, Iret, BtKind::Internal, BtFlags::ReadHoldingLock)) {
            n = 0;
            return false;
        }
        if (n == 0) {
            message("82");
            return false;
        }
        if (n > 0)
            return false;
        // A page left full by an earlier failed split takes nothing more: an
        // insert would push its last entry out.
        if (pageFull(p.InhSeiteInt[2])) {
            message("82");
            n = 0;
            return false;
        }
        const QString page = insertedAt(p.InhSeiteInt[2], -n, Neuadr);
        const QString oldFile = p.IbDateiInt;
        if (!pageFull(page)) {
            if (!writePage(oldFile, page)) {
                n = 0;
                return false;
            }
            p.InhSeiteInt[2] = page;
            if (!change.commit()) {
                n = 0;
                return false;
            }
            return true;
        }
        // Split: the lower half goes to a new page, its last key into the parent;
        // the old page keeps the upper half and its parent entry. The old page is
        // shrunk last, when the new page and the parent are on disk.
        QString number, newFile;
        const int keepN = n;
        if (!newPageNumber("Ib", 4, QString(), number, newFile)) {
            n = 0;
            return false;
        }
        const QString lower = halfPage(page, true);
        if (!writePage(newFile, lower) ||
            !insertSecondLevel(lower.mid(1176, KeyLength) + u'0' + number)) {
            n = 0;
            return false;
        }
        p.IbDateiInt.clear();
        p.InhSeiteInt[2].clear();
        if (!writePage(oldFile, halfPage(page, false)) || !change.commit()) {
            n = 0;
            return false;
        }
        n = keepN;
        return true;
    } catch (const TarnError& e) {
        const int answer = ErrPtnr::OnError(QStringLiteral("Bauteile_funktionen"), QStringLiteral("InsInh"), e);
        if (answer == 3)
            throw ProgramEndRequested();
        n = 0;
        return false;
    }
}

bool EntfInh(const QString& key, bool* removed)
{
    Program& p = prog();
    if (removed)
        *removed = false;
    int m = 0;
    QString entry;
    if (!SuchInh(key.left(KeyLength), 2, m, entry, BtKind::Internal, BtFlags::ReadHoldingLock))
        return false;
    if (m <= 0)
        return true;
    OwnChange change;
    const QString& leaf = p.InhSeiteInt[2];
    const QString page = leaf.left((m - 1) * EntryLength) + leaf.mid(m * EntryLength) + QString(EntryLength, EndeZeichen);
    if (!writePage(p.IbDateiInt, page))
        return false;
    p.InhSeiteInt[2] = page;
    if (!change.commit())
        return false;
    if (removed)
        *removed = true;
    return true;
}
