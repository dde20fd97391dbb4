#include "qlist/qslsave.h"
#include "frame/durablefile.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/workslots.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <exception>
#include <utility>

namespace {
// Runs the settling of a save once: when told, or when the save is left by an
// error.
template <class F>
class SettledOnExit {
public:
    explicit SettledOnExit(F& settle) : mSettle(settle), mErrorsAtStart(std::uncaught_exceptions()) {}
    ~SettledOnExit()
    {
        if (std::uncaught_exceptions() == mErrorsAtStart) {
            now();
            return;
        }
        // The save is left by an error: settle what can be settled, but a second
        // failure must not end the program while the first is on its way to the
        // user; the journal then stays and the next start settles it.
        try {
            now();
        } catch (const std::exception&) {
        }
    }
    SettledOnExit(const SettledOnExit&) = delete;
    SettledOnExit& operator=(const SettledOnExit&) = delete;
    void now()
    {
        if (!std::exchange(mDone, true))
            mSettle();
    }

private:
    F& mSettle;
    int mErrorsAtStart;
    bool mDone = false;
};


const QByteArray JournalHead = "TARN Q-list save 1\n";
const QString JournalPattern = QStringLiteral("qslsave-*.journal");

struct SaveJournal {
    QString target; // native
    QString temp;   // native
    qint64 size = 0;
    QByteArray sum;
    std::array<QString, 10> rec;
};

QByteArray field(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

QString unfield(const QByteArray& bytes)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

// Paths are kept relative to the database folder: other installations may
// reach the same folders by another path.
QByteArray encodeJournal(const QString& nativeFolder, const SaveJournal& j)
{
    const QDir dir(nativeFolder);
    QByteArray b = JournalHead;
    b += "F\t" + field(dir.relativeFilePath(j.target)) + '\t' + field(dir.relativeFilePath(j.temp)) + '\t' +
         QByteArray::number(j.size) + '\t' + j.sum + '\n';
    b += 'R';
    for (int i = 1; i <= 9; ++i)
        b += '\t' + field(j.rec[i]);
    b += '\n';
    b += "E\t" + contentSum(b) + '\n';
    return b;
}

// False when the journal is not whole (its writer was killed while writing it).
bool decodeJournal(const QString& nativeFolder, const QByteArray& bytes, SaveJournal& j)
{
    const qsizetype end = bytes.lastIndexOf("\nE\t") + 1;
    if (!bytes.startsWith(JournalHead) || end <= 0 || !bytes.endsWith('\n') ||
        bytes.mid(end + 2, 16) != contentSum(bytes.left(end)))
        return false;
    const QList<QByteArray> lines = bytes.left(end).mid(JournalHead.size()).split('\n');
    if (lines.size() < 2)
        return false;
    const QList<QByteArray> f = lines[0].split('\t');
    const QList<QByteArray> r = lines[1].split('\t');
    if (f.size() != 5 || f[0] != "F" || r.size() != 10 || r[0] != "R")
        return false;
    const QDir dir(nativeFolder);
    j.target = QDir::cleanPath(dir.absoluteFilePath(unfield(f[1])));
    j.temp = QDir::cleanPath(dir.absoluteFilePath(unfield(f[2])));
    j.size = f[3].toLongLong();
    j.sum = f[4];
    for (int i = 1; i <= 9; ++i)
        j.rec[i] = unfield(r[i]);
    return true;
}

bool readAll(const QString& nativeFile, QByteArray& bytes)
{
    QFile f(nativeFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}

bool holdsContent(const SaveJournal& j)
{
    QByteArray bytes;
    return readAll(j.target, bytes) && bytes.size() == j.size && contentSum(bytes) == j.sum;
}

// Thrown inside the row's transaction when the Q-list file no longer holds the
// journal's content (a later save replaced it): the row is left alone.
struct SavedSinceThen {};

// Writes the journal's row while the Q-list file holds the journal's content,
// checked under the database's write lock. True when the journal is done with
// (row written, or the file saved since); false when the database refused.
bool writeRowOfFile(const QString& folder, const SaveJournal& j)
{
    Program& p = prog();
    const std::array<QString, 10> kept = p.QslRec;
    p.QslRec = j.rec;
    bool done = false;
    if (const OpenQlDb db(folder, 0, false); db) {
        try {
            bool committed = false;
            NewRec_Db(
                db.slot(),
                [&] {
                    if (!holdsContent(j))
                        throw SavedSinceThen();
                },
                &committed);
            done = committed;
        } catch (const SavedSinceThen&) {
            done = true;
        } catch (...) {
            // The journal stays and is finished later.
        }
    }
    p.QslRec = kept;
    return done;
}

// Settles one journal whose run is gone (held by mark). True when it is gone.
bool settle(const QString& folder, const QString& nativeFolder, const QString& journal)
{
    QByteArray bytes;
    if (!readAll(journal, bytes))
        return false;
    SaveJournal j;
    if (decodeJournal(nativeFolder, bytes, j)) {
        if (QFileInfo::exists(j.temp)) {
            // The rename is the last step inside the transaction: the row never
            // counted, the file is the old one.
            removeRaw(j.temp);
        } else if (holdsContent(j) && !writeRowOfFile(folder, j)) {
            return false;
        }
    }
    // A journal that is not whole was cut while being written; nothing after it
    // had started.
    return removeRaw(journal);
}

QString runId()
{
    return QString::number(QCoreApplication::applicationPid());
}

} // namespace

int recoverQslSaves(const QString& folder)
{
    const QString nativeFolder = nativePath(folder);
    const QDir dir(nativeFolder);
    if (!dir.exists())
        return 0;
    int settled = 0;
    for (const QString& name : dir.entryList({JournalPattern}, QDir::Files)) {
        const QString journal = dir.filePath(name);
        WriterMark mark;
        if (!mark.takeOver(journal))
            continue; // its run is still at work
        if (settle(folder, nativeFolder, journal))
            ++settled;
    }
    return settled;
}

void recoverAllQslSaves()
{
    const Program& p = prog();
    const QString root = p.WorkStr[Slot::Vql];
    if (root.isEmpty())
        return;
    const QDir dir(nativePath(root));
    if (!dir.exists())
        return;
    for (const QString& name : dir.entryList({QStringLiteral("dbase_*")}, QDir::Dirs | QDir::NoDotAndDotDot))
        recoverQslSaves(p.WorkStr[Slot::VqlDbase] + name.mid(6));
}

int saveQslWithRecord(const QString& folder, const QString& designPath, const QStringList& lines)
{
    Program& p = prog();
    const QString nativeFolder = nativePath(folder);
    recoverQslSaves(folder);

    SaveJournal j;
    j.target = QFileInfo(nativePath(designPath)).absoluteFilePath();
    const QFileInfo target(j.target);
    const QByteArray bytes = qslFileBytes(lines);
    j.size = bytes.size();
    j.sum = contentSum(bytes);
    j.rec = p.QslRec;

    // The journal's name is this run's own, and so is the new content's.
    WriterMark mark;
    QString journal, own;
    for (int n = 1; n <= 20 && !mark.held(); ++n) {
        own = runId() + u'-' + QString::number(n);
        journal = QDir(nativeFolder).filePath(QStringLiteral("qslsave-%1.journal").arg(own));
        mark.create(journal);
    }
    j.temp = target.dir().filePath(u'.' + target.fileName() + u'.' + own + QStringLiteral(".new"));
    auto cannotWrite = [&](const QString& file) {
        return TarnError(QStringLiteral("Cannot write '%1'").arg(file), ErrNo::PathFileAccess);
    };
    if (!mark.held())
        throw cannotWrite(journal);
    // Before the transaction only the journal and the hidden new content exist.
    // Going back removes the content first and the journal last: a journal
    // whose content is neither beside the file nor in it is simply dropped.
    auto goBack = [&] {
        QFile::remove(j.temp);
        QFile::remove(journal);
    };
    if (!writeRaw(journal, encodeJournal(nativeFolder, j), true)) {
        QFile::remove(journal);
        throw cannotWrite(journal);
    }
    if (!writeRaw(j.temp, bytes, true)) {
        goBack();
        throw cannotWrite(designPath);
    }

    OpenQlDb db(folder, 0, false);
    if (!db) {
        goBack();
        return 0;
    }
    const int slot = db.slot();
    bool renamed = false;
    bool committed = false;
    int result = 0;
    // Whatever happened: the row counted, or the file is still the old one, or
    // the row is written once more for the new file.
    auto finish = [&] {
        db.close();
        if (committed) {
            removeRaw(journal);
        } else if (!renamed) {
            goBack();
        } else if (writeRowOfFile(folder, j)) {
            removeRaw(journal);
            committed = true;
        }
        // Otherwise the journal stays for the next start to finish.
    };
    SettledOnExit settled(finish);
    result = NewRec_Db(
        slot,
        [&] {
            if (!renameRaw(j.temp, j.target))
                throw cannotWrite(designPath);
            renamed = true;
            flushFolderRaw(target.path());
        },
        &committed);
    settled.now();
    return committed ? result : 0;
}
