#include "component_file/btjournal.h"
#include "component_file/btreads.h"
#include "frame/codepage.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

// ---- the unit ----

const QByteArray JournalName = "journal";
const QByteArray JournalHead = "TARN change journal 1\n";
const QString NewSuffix = QStringLiteral(".jnew");

struct Staged {
    QString design; // the path as the caller gave it
    StagedFile file;
    // A write staged as text: file.bytes are made from it when someone needs
    // the bytes (a reader of bytes, the commit).
    QString text;
    bool textual = false;
    bool trusted = false;  // text given by the writer, not decoded from bytes
    bool encoded = true;   // file.bytes hold the text's bytes
};

struct Unit {
    bool open = false;
    QString directory;
    QString directoryKey; // with a trailing "/"
    std::map<QString, Staged> files; // by key
    // What was read from the folder while the unit holds its lock, by key.
    std::map<QString, QString> remembered;
    // Keys of the paths seen (in their "\" form), so that each path is cleaned once.
    QHash<QString, QString> keys;
    std::vector<std::pair<QString, QString>> folderSwaps; // design target, design source
    // Undo log for marks: key and what was staged before (nullopt: nothing).
    std::vector<std::pair<QString, std::optional<Staged>>> undo;
    qint64 bytes = 0; // of everything staged
};

} // namespace

// Held by the Program: a change in progress belongs to the run that opened it.
struct JournalUnit {
    Unit unit;
};

namespace {

Unit& unit()
{
    Program& p = prog();
    if (!p.Journal)
        p.Journal = std::make_shared<JournalUnit>();
    return p.Journal->unit;
}

// A cheap key for a design path: no look-up on disk, absolute, clean.
QString keyOf(const QString& design)
{
    QString p = design;
    p.replace(u'\\', u'/');
    if (p.size() >= 2 && p[1] == u':' && p[0].isLetter())
        p = p.mid(2);
    if (!p.startsWith(u'/'))
        p = QDir::currentPath() + u'/' + p;
    return QDir::cleanPath(p);
}

// keyOf through the unit's memo.
const QString& unitKey(Unit& u, const QString& design)
{
    auto it = u.keys.constFind(design);
    if (it == u.keys.cend())
        it = u.keys.insert(design, keyOf(design));
    return *it;
}

// The bytes a staged file writes (one byte per character of a text).
qint64 sizeOf(const Staged& s)
{
    if (s.file.removed)
        return 0;
    return s.textual && !s.encoded ? s.text.size() : s.file.bytes.size();
}

// Makes the bytes of a text staged write.
StagedFile& encoded(Staged& s)
{
    if (!s.encoded) {
        s.file.bytes = toAnsi(s.text);
        s.encoded = true;
    }
    return s.file;
}

bool readAll(const QString& nativeFile, QByteArray& bytes)
{
    QFile f(nativeFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}

// Paths in the journal are relative to the component file's folder when they
// lie inside it: other installations may reach the same folder by another path.
QByteArray journalPath(const QString& nativeDir, const QString& nativeFile)
{
    const QString abs = QFileInfo(nativeFile).absoluteFilePath();
    const QString base = QFileInfo(nativeDir).absoluteFilePath() + u'/';
    const QString rel = abs.startsWith(base) ? abs.mid(base.size()) : abs;
    return QFile::encodeName(rel);
}

QString fromJournalPath(const QString& nativeDir, const QByteArray& path)
{
    const QString p = QFile::decodeName(path);
    return p.startsWith(u'/') ? p : nativeDir + u'/' + p;
}

bool removeTreeCounted(const QString& nativeFolder)
{
    QDir d(nativeFolder);
    if (!d.exists())
        return true;
    crashpoint::reached();
    return d.removeRecursively();
}

// One line of a journal.
struct Entry {
    char kind = 0; // 'W' write, 'D' delete, 'R' folder swap
    QString target; // native
    QString source; // native: the new content or the new folder
    qint64 size = 0;
    QByteArray sum;
};

// Puts a checked journal's entries in place: renames what is still beside its
// target, deletes what goes, swaps folders whose new folder is still there.
bool applyEntries(const std::vector<Entry>& entries)
{
    bool ok = true;
    for (const Entry& e : entries) {
        if (e.kind == 'W') {
            if (QFileInfo::exists(e.source) && !renameRaw(e.source, e.target))
                ok = false;
        } else if (e.kind == 'D') {
            if (QFileInfo::exists(e.target) && !removeRaw(e.target))
                ok = false;
        } else if (e.kind == 'R') {
            const QString old = e.target + QStringLiteral(".alt");
            if (!QFileInfo::exists(e.source)) {
                removeTreeCounted(old); // swapped already; the old folder may be left
                continue;
            }
            if (!removeTreeCounted(old))
                ok = false;
            if (QFileInfo::exists(e.target) && !renameRaw(e.target, old)) {
                ok = false;
                continue;
            }
            if (!renameRaw(e.source, e.target))
                ok = false;
            removeTreeCounted(old);
        }
    }
    return ok;
}

// Puts a new content in place once the journal and the content are durable:
// the target goes first, then the content is renamed to its name. A file
// system that sees a file renamed over another one writes the new file's data
// out at once and makes the writer wait for it, for every page of every change;
// a rename to a free name does not. A crash between the two is finished by the
// next opener from the content beside the target.
bool moveIntoPlace(const Entry& e)
{
    return removeRaw(e.target) && renameRaw(e.source, e.target);
}

void logRepair(const QString& nativeDir, const QString& line)
{
    QFile log(nativeDir + QStringLiteral("/journal.log"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() + ' ' + line.toUtf8() + '\n');
}

} // namespace

bool changeOpen()
{
    return unit().open;
}

QString changeDirectory()
{
    return unit().directory;
}

void openChange(const QString& directory)
{
    Unit& u = unit();
    u = Unit();
    u.open = true;
    // What a run kept of the file may be changed now.
    forgetKeptReads();
    u.directory = directory;
    u.directoryKey = keyOf(directory) + u'/';
}

int changeMark()
{
    return int(unit().undo.size());
}

void rollbackChange(int mark)
{
    Unit& u = unit();
    while (int(u.undo.size()) > mark) {
        auto& [key, before] = u.undo.back();
        if (const auto now = u.files.find(key); now != u.files.end())
            u.bytes -= sizeOf(now->second);
        if (before) {
            u.bytes += sizeOf(*before);
            u.files[key] = *before;
        } else {
            u.files.erase(key);
        }
        u.undo.pop_back();
    }
}

void keepChangeSoFar()
{
    unit().undo.clear();
}

int stagedCount()
{
    return int(unit().files.size());
}

qint64 stagedBytes()
{
    return unit().bytes;
}

const StagedFile* stagedFile(const QString& file)
{
    Unit& u = unit();
    if (!u.open || u.files.empty())
        return nullptr;
    const auto it = u.files.find(unitKey(u, file));
    return it == u.files.end() ? nullptr : &encoded(it->second);
}

namespace {

void stage(const QString& file, const Staged& content)
{
    Unit& u = unit();
    const QString key = unitKey(u, file);
    const auto it = u.files.find(key);
    if (it == u.files.end()) {
        u.undo.emplace_back(key, std::nullopt);
    } else {
        u.bytes -= sizeOf(it->second);
        u.undo.emplace_back(key, std::move(it->second));
    }
    Staged& s = u.files[key];
    s = content;
    u.bytes += sizeOf(s);
    s.design = file;
}

// True when text reads back from its bytes as it is: every character has a
// byte of its own in Windows-1252 (undefined codes stay as they are).
bool readsBackSame(const QString& text)
{
    // Almost every text is Latin-1 outside the codes 0x80-0x9F (ASCII, or index
    // pages with their free mark 254), which reads back as it is; four
    // characters at a time tell, and only other texts are looked at closely.
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    quint64 others = 0;
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 x;
        std::memcpy(&x, chars + i, sizeof x);
        // A character above 0xFF, or one whose bits 5-7 are 100 (0x80-0x9F):
        // the lane of y is zero exactly there.
        const quint64 y = (x & 0x00E000E000E000E0ULL) ^ 0x0080008000800080ULL;
        others |= (x & 0xFF00FF00FF00FF00ULL) | ((y - 0x0001000100010001ULL) & ~y & 0x8000800080008000ULL);
    }
    for (; i < n; ++i)
        others |= quint64(chars[i] > 0xFF || (chars[i] >= 0x80 && chars[i] < 0xA0));
    if (others == 0)
        return true;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            continue;
        if (fromAnsi(toAnsi(QString(ch))) != QString(ch))
            return false;
    }
    return true;
}

} // namespace

void stageWrite(const QString& file, const QByteArray& bytes)
{
    Staged s;
    s.file = StagedFile{false, bytes};
    stage(file, s);
}

void stageRemove(const QString& file)
{
    Staged s;
    s.file = StagedFile{true, QByteArray()};
    stage(file, s);
}

bool textReadsBack(const QString& text)
{
    return readsBackSame(text);
}

void stageText(const QString& file, const QString& text, bool readsBack)
{
    if (!readsBack && !readsBackSame(text)) {
        stageWrite(file, toAnsi(text));
        return;
    }
    Staged s;
    s.text = text;
    s.textual = true;
    s.trusted = true;
    s.encoded = false;
    stage(file, s);
}

void rememberText(const QString& file, const QString& text)
{
    Unit& u = unit();
    if (!u.open)
        return;
    const QString& key = unitKey(u, file);
    if (key.startsWith(u.directoryKey) && u.files.find(key) == u.files.end())
        u.remembered[key] = text;
}

const QString* unitText(const QString& file, bool* trusted)
{
    Unit& u = unit();
    if (!u.open)
        return nullptr;
    const QString& key = unitKey(u, file);
    if (const auto it = u.files.find(key); it != u.files.end()) {
        Staged& s = it->second;
        if (s.file.removed)
            return nullptr;
        if (!s.textual) {
            s.text = fromAnsi(s.file.bytes);
            s.textual = true;
        }
        if (trusted)
            *trusted = s.trusted;
        return &s.text;
    }
    if (const auto it = u.remembered.find(key); it != u.remembered.end()) {
        if (trusted)
            *trusted = true;
        return &it->second;
    }
    return nullptr;
}

bool unitLength(const QString& file, qint64& length)
{
    Unit& u = unit();
    if (!u.open)
        return false;
    const QString& key = unitKey(u, file);
    if (const auto it = u.files.find(key); it != u.files.end()) {
        const Staged& s = it->second;
        // One byte per character.
        length = s.file.removed ? -1 : s.encoded ? s.file.bytes.size() : s.text.size();
        return true;
    }
    if (const auto it = u.remembered.find(key); it != u.remembered.end()) {
        length = it->second.size();
        return true;
    }
    return false;
}

void stageFolderSwap(const QString& target, const QString& source)
{
    unit().folderSwaps.emplace_back(target, source);
}

void abandonChange()
{
    unit() = Unit();
}

bool commitChange()
{
    Unit& u = unit();
    if (!u.open)
        return false;
    Unit work = std::move(u);
    u = Unit();
    if (work.files.empty() && work.folderSwaps.empty())
        return true;
    for (auto& entry : work.files)
        encoded(entry.second);
    const QString dir = nativePath(work.directory);
    std::vector<Entry> entries;
    std::vector<const QByteArray*> contents;
    QByteArray journal = JournalHead;
    for (const auto& [key, staged] : work.files) {
        Entry e;
        e.target = nativePath(staged.design);
        if (staged.file.removed) {
            e.kind = 'D';
            journal += "D\t" + journalPath(dir, e.target) + '\n';
        } else {
            e.kind = 'W';
            e.source = e.target + NewSuffix;
            e.size = staged.file.bytes.size();
            e.sum = contentSum(staged.file.bytes);
            journal += "W\t" + journalPath(dir, e.target) + '\t' + journalPath(dir, e.source) + '\t' +
                       QByteArray::number(e.size) + '\t' + e.sum + '\n';
        }
        entries.push_back(e);
        contents.push_back(&staged.file.bytes);
    }
    for (const auto& [target, source] : work.folderSwaps) {
        Entry e;
        e.kind = 'R';
        e.target = nativePath(target);
        e.source = nativePath(source);
        journal += "R\t" + journalPath(dir, e.target) + '\t' + journalPath(dir, e.source) + '\n';
        entries.push_back(e);
        contents.push_back(nullptr);
    }
    journal += "E\t" + contentSum(journal) + '\n';

    const QString journalFile = dir + u'/' + QString::fromLatin1(JournalName);
    auto dropNewContents = [&] {
        for (const Entry& e : entries)
            if (e.kind == 'W')
                QFile::remove(e.source);
        QFile::remove(journalFile);
    };
    if (!writeRaw(journalFile, journal)) {
        QFile::remove(journalFile);
        return false;
    }
    for (size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].kind != 'W')
            continue;
        QDir().mkpath(QFileInfo(entries[k].target).path());
        if (!writeRaw(entries[k].source, *contents[k])) {
            dropNewContents();
            return false;
        }
    }
    if (!flushFolderRaw(dir)) {
        dropNewContents();
        return false;
    }
    // Durable from here on: a failure below is finished by the next opener.
    bool applied = true;
    std::vector<Entry> rest;
    for (const Entry& e : entries) {
        if (e.kind == 'W')
            applied = moveIntoPlace(e) && applied;
        else
            rest.push_back(e);
    }
    applied = applyEntries(rest) && applied;
    if (applied && flushFolderRaw(dir))
        removeRaw(journalFile);
    return true;
}

bool journalPresent(const QString& directory)
{
    return !directory.isEmpty() &&
           QFileInfo::exists(nativePath(directory) + u'/' + QString::fromLatin1(JournalName));
}

Recovery recoverChange(const QString& directory)
{
    if (!journalPresent(directory))
        return Recovery::Nothing;
    const QString dir = nativePath(directory);
    const QString journalFile = dir + u'/' + QString::fromLatin1(JournalName);
    QByteArray journal;
    if (!readAll(journalFile, journal))
        return Recovery::Failed;

    // The journal counts only when it is whole: its last line holds the check
    // sum of everything before it.
    bool whole = false;
    std::vector<Entry> entries;
    const qsizetype endLine = journal.lastIndexOf("\nE\t") + 1;
    if (journal.startsWith(JournalHead) && endLine > 0 && journal.endsWith('\n') &&
        journal.mid(endLine + 2, 16) == contentSum(journal.left(endLine))) {
        whole = true;
        const QList<QByteArray> lines = journal.left(endLine).mid(JournalHead.size()).split('\n');
        for (const QByteArray& line : lines) {
            if (line.isEmpty())
                continue;
            const QList<QByteArray> f = line.split('\t');
            Entry e;
            e.kind = f[0].isEmpty() ? 0 : f[0][0];
            if (e.kind == 'W' && f.size() == 5) {
                e.target = fromJournalPath(dir, f[1]);
                e.source = fromJournalPath(dir, f[2]);
                e.size = f[3].toLongLong();
                e.sum = f[4];
            } else if (e.kind == 'D' && f.size() == 2) {
                e.target = fromJournalPath(dir, f[1]);
            } else if (e.kind == 'R' && f.size() == 3) {
                e.target = fromJournalPath(dir, f[1]);
                e.source = fromJournalPath(dir, f[2]);
            } else {
                whole = false;
                break;
            }
            entries.push_back(e);
        }
    }

    // Forward only when every new content is complete beside its target or is
    // in place already. The renames start only after the flush that made all
    // new contents durable, so a content that is missing or cut means that no
    // target has been touched yet.
    bool complete = whole;
    for (const Entry& e : entries) {
        if (!complete || e.kind != 'W')
            continue;
        QByteArray bytes;
        if (readAll(e.source, bytes)) {
            complete = bytes.size() == e.size && contentSum(bytes) == e.sum;
        } else {
            complete = readAll(e.target, bytes) && bytes.size() == e.size && contentSum(bytes) == e.sum;
        }
    }
    if (complete) {
        const bool ok = applyEntries(entries) && flushFolderRaw(dir);
        if (!ok) {
            logRepair(dir, QStringLiteral("a change left half done could not be finished; it stays in the journal"));
            return Recovery::Failed;
        }
        removeRaw(journalFile);
        logRepair(dir, QStringLiteral("finished a change left half done (%1 files)").arg(entries.size()));
        return Recovery::RolledForward;
    }
    for (const Entry& e : entries)
        if (e.kind == 'W')
            QFile::remove(e.source);
    removeRaw(journalFile);
    logRepair(dir, QStringLiteral("undid a change left half done (%1 files were not written completely)")
                       .arg(entries.size()));
    return Recovery::RolledBack;
}
