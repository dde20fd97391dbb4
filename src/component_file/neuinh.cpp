#include "component_file/neuinh.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btlock.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "component_file/mixbt.h"
#include "component_file/recordcheck.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>


namespace {

// Records of a block file: lines split at LF (a CR before it dropped); empty and
// blank lines are no records; a last line without line end is one.
QStringList recordsOf(const QByteArray& bytes)
{
    QStringList out;
    for (QString line : fromAnsi(bytes).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            out.append(line.trimmed());
    }
    return out;
}

// The block files of one folder, by name: deleted blocks leave gaps that must
// not hide the blocks behind them.
QStringList blockFilesIn(const QString& folder)
{
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{2}$"));
    QStringList names = QDir(nativePath(folder)).entryList(QDir::Files, QDir::Name);
    names = names.filter(twoDigits);
    return names;
}

bool removeTree(const QString& designPath)
{
    QDir d(nativePath(designPath));
    return !d.exists() || d.removeRecursively();
}

// Puts the complete new index in place of the old one, as one change with the
// new header: a crash leaves the old index or the new one, never none. Its pages
// were written without flushing each; they reach the disk before the switch.
bool installIndex(const QString& bin, const QString& temp, const QString& header, const QString& sinSetting)
{
    crashpoint::reached();
    if (!diskFlush().flushFileSystem(nativePath(temp)))
        return false;
    ComponentFileChange change(bin);
    stageFolderSwap(bin + QStringLiteral("\\i"), temp + QStringLiteral("\\i"));
    writeFileAtomic(bin + QStringLiteral("\\abi"), toAnsi(header));
    if (!change.commit())
        return false;
    // A second-level folder of its own (setting Sin) gets the new pages too.
    const QString nativeBin = nativePath(bin);
    if (!sinSetting.isEmpty() && !sameFolder(sinSetting, bin + QStringLiteral("\\i\\ss"))) {
        QDir sin(nativePath(sinSetting));
        QDir().mkpath(sin.path());
        for (const QString& f : sin.entryList(QDir::Files))
            sin.remove(f);
        QDir ss(nativeBin + QStringLiteral("/i/ss"));
        for (const QString& f : ss.entryList(QDir::Files))
            QFile::copy(ss.filePath(f), sin.filePath(f));
    }
    // A switch that could not be finished keeps its new folder for the next opener.
    if (!journalPresent(bin))
        removeTree(temp);
    return true;
}

// What the steps of one rebuild share.
struct IndexRebuild {
    explicit IndexRebuild(Program& program) : p(program), language(program.LangNr) {}
    Program& p;
    const int language;
    QString bin;        // the component file, its index in use
    QString sinSetting; // a second-level folder of its own, or empty
    QString temp;       // the private folder of the new index
    int lock = -1;
    QString header;
    InfoList* list = nullptr;
    QFile errLog;
    QElapsedTimer clock;
    int faulty = 0;
    int entries = 0;
    bool stopped = false; // the new index took no more entries
};

QString rebuildText(const IndexRebuild& r, const char* id, const QStringList& args = {})
{
    return ResText(QLatin1String(id), r.language, true, args);
}

QString groupFolder(const IndexRebuild& r, const QString& group, int d)
{
    return r.bin + QStringLiteral("\\b") + group[0] + u'\\' + group[1] + QString::number(d);
}

// Puts the settings back and reloads the top page of the index in use.
void restoreIndexInUse(IndexRebuild& r)
{
    r.p.BinDir = r.bin;
    r.p.SinDir = r.sinSetting;
    forgetCachedPages(BtKind::Internal);
    if (QFileInfo::exists(nativePath(r.bin + QStringLiteral("\\i\\hi"))))
        loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock);
    else
        r.p.InhSeiteInt.fill(QString());
}

// Drops the new index and goes back to the one in use.
void discardNewIndex(IndexRebuild& r)
{
    removeTree(r.temp);
    restoreIndexInUse(r);
}

void reportFault(IndexRebuild& r, const QString& line)
{
    r.errLog.write(toAnsi(line) + "\r\n");
    ++r.faulty;
    r.list->Add(line);
}

// The new index grows in a private folder; the index in use stays as it is
// until the new one is complete.
void openPrivateFolder(IndexRebuild& r)
{
    removeTree(r.temp);
    QDir().mkpath(nativePath(r.temp));
    r.p.BinDir = r.temp;
    r.p.SinDir.clear();
}

void startReport(IndexRebuild& r)
{
    r.list = &ui().infoList();
    r.list->Begin(rebuildText(r, "189"));
    r.list->Add(QString());
    r.list->Wait(2);

    r.errLog.setFileName(nativePath(QStringLiteral("NeuInhBE.err")));
    QFile::remove(r.errLog.fileName());
    r.errLog.open(QIODevice::WriteOnly | QIODevice::Truncate);
    r.clock.start();
}

// Enters every key of one record with the address of its block.
void indexRecord(IndexRebuild& r, const QString& record, const QString& group, const QString& address,
                 const QString& path)
{
    if (!record.contains(QLatin1String(",Q,"))) {
        reportFault(r, rebuildText(r, "32", {path}));
        return;
    }
    // What the merge refuses is not indexed either, and said so.
    if (const QString reason = recordRefusal(record, r.p.Cf); !reason.isEmpty()) {
        reportFault(r, btText(QStringLiteral("Nicht eingetragen (@1): @2, Block: @3"),
                              QStringLiteral("Not indexed (@1): @2, Block: @3"), {reason, record.left(200), path}));
        return;
    }
    const QString bac = GetParam(record, QStringLiteral("Bac"));
    TsaTable t;
    QString zulang;
    const bool tooLong = UmfoBtTsa(record, 1, t, true, &zulang);
    if (t.AnzTsa[1] > 0 && bac.left(2) != group)
        reportFault(r, rebuildText(r, "35", {t.Tsa[1][1].left(KeyLength)}));
    if (tooLong)
        reportFault(r, rebuildText(r, "522", {zulang + QStringLiteral(", Block: ") + path}));
    for (int i = 1; i <= t.AnzTsa[1]; ++i) {
        const QString key = t.Tsa[1][i].left(KeyLength);
        if (!keySortsBelowFree(key)) {
            reportFault(r, btText(QStringLiteral("Bezeichnung mit unzulässigem Zeichen nicht eingetragen:  "
                                                 "@1, Block: @2"),
                                  QStringLiteral("Designation with a character that is not allowed not "
                                                 "inserted:  @1, Block: @2"),
                                  {key.left(DesignationLength).trimmed(), path}));
            continue;
        }
        int n = 0;
        QString found;
        InsInh(key + address, n, found);
        if (n < 0) {
            ++r.entries;
        } else if (n > 0) {
            reportFault(r, rebuildText(r, "191", {key, address, found.right(5)}));
        } else {
            r.stopped = true;
            return;
        }
    }
}

// Indexes the records of one block file; lastBlock keeps the highest block
// number of the group seen so far.
void indexBlockFile(IndexRebuild& r, const QString& group, int d, const QString& name, int& lastBlock)
{
    const QString address = group + QString::number(d) + name;
    const QString path = groupFolder(r, group, d) + u'\\' + name;
    r.list->Add(rebuildText(r, "190", {path}) + QStringLiteral(" (") + QString::number(r.entries + 1) +
                QStringLiteral("...)"));
    QByteArray bytes;
    readWholeFile(path, bytes);
    lastBlock = qMax(lastBlock, (QString::number(d) + name).toInt());
    for (const QString& record : recordsOf(bytes)) {
        indexRecord(r, record, group, address, path);
        if (r.stopped)
            return;
    }
}

// Indexes the blocks of one configured group and notes its last block in the
// header. False when the user cancelled.
bool indexGroup(IndexRebuild& r, const QString& group)
{
    r.list->Add(rebuildText(r, "34") + group);
    int lastBlock = -1;
    for (int d = 0; d <= 9 && !r.stopped; ++d) {
        for (const QString& name : blockFilesIn(groupFolder(r, group, d))) {
            if (r.list->Canceled())
                return false;
            indexBlockFile(r, group, d, name, lastBlock);
            if (r.stopped)
                break;
        }
    }
    if (lastBlock >= 0)
        SetParam(r.header, group, QString::number(lastBlock).rightJustified(3, u'0'));
    return true;
}

// False when the user cancelled.
bool indexConfiguredGroups(IndexRebuild& r)
{
    for (int gg = 11; gg <= 99 && !r.stopped; ++gg) {
        const QString group = QString::number(gg);
        if (GetParam(r.header, group).isEmpty())
            continue;
        if (!indexGroup(r, group))
            return false;
    }
    return true;
}

// Blocks of groups that are not configured get no index entries: every record
// in them is listed, so that none goes missing without a word.
void listUnconfiguredGroups(IndexRebuild& r)
{
    if (r.stopped)
        return;
    for (int gg = 11; gg <= 99; ++gg) {
        const QString group = QString::number(gg);
        if (!GetParam(r.header, group).isEmpty())
            continue;
        for (int d = 0; d <= 9; ++d) {
            const QString folder = groupFolder(r, group, d);
            for (const QString& name : blockFilesIn(folder)) {
                const QString path = folder + u'\\' + name;
                QByteArray bytes;
                readWholeFile(path, bytes);
                for (const QString& record : recordsOf(bytes))
                    reportFault(r, btText(QStringLiteral("Nicht eingetragen (Bauelemente-Gruppe @1 ist nicht "
                                                         "konfiguriert): @2, Block: @3"),
                                          QStringLiteral("Not indexed (component group @1 is not configured): @2, "
                                                         "Block: @3"),
                                          {group, record.left(200), path}));
            }
        }
    }
}

// Puts a complete new index in place of the old one; otherwise the old one stays
// and the list says so.
void replaceIndex(IndexRebuild& r)
{
    bool installed = false;
    if (!r.stopped) {
        QString counters;
        readHeader(r.temp, BtKind::Internal, BtFlags::ReadHoldingLock, counters);
        SetParam(r.header, QStringLiteral("Ss"), GetParam(counters, QStringLiteral("Ss")));
        SetParam(r.header, QStringLiteral("Ib"), GetParam(counters, QStringLiteral("Ib")));
        installed = installIndex(r.bin, r.temp, r.header, r.sinSetting);
    }
    if (!installed) {
        removeTree(r.temp);
        r.list->Add(btText(QStringLiteral("Das Inhaltsverzeichnis wurde nicht ersetzt; das bisherige bleibt gültig."),
                           QStringLiteral("The index was not replaced; the previous one stays in use.")));
    }
}

void reportSummary(IndexRebuild& r)
{
    InfoList& list = *r.list;
    list.Clear();
    list.Add(QString());
    list.Add(rebuildText(r, "193", {QString::number(qRound(r.clock.elapsed() / 1000.0))}));
    list.Add(QString());
    list.Add(rebuildText(r, "36", {QString::number(r.entries)}));
    if (r.faulty != 0) {
        list.Add(QString());
        list.Add(rebuildText(r, "192", {QString::number(r.faulty), QStringLiteral("NeuInhBE.err")}));
    }
    list.Wait(0, true);
}

} // namespace

void NeuInh()
{
    ErrPtnr::CallStack(QStringLiteral("[Bauteile_funktionen] Sub NeuInh()"));
    Program& p = prog();
    IndexRebuild r(p);
    // 1. Lock the component file
    InitBtDatei(false);
    r.bin = p.BinDir;
    r.sinSetting = p.SinDir;
    QDir().mkpath(nativePath(r.bin));
    r.lock = takeWriteLock(r.bin, BtKind::Internal);
    if (r.lock < 0)
        return;
    r.temp = r.bin + QStringLiteral("\\neuinh.tmp");
    try {
        // 2. An empty new index in the private folder
        openPrivateFolder(r);
        DirectPageWrites direct;
        if (!InitInh(r.temp, r.header)) {
            discardNewIndex(r);
            FClose(r.lock);
            return;
        }
        // 3. The list and the error file
        startReport(r);
        // 4. Every record of the configured groups, until the user cancels
        if (!indexConfiguredGroups(r)) {
            r.errLog.close();
            discardNewIndex(r);
            r.list->Wait(-1);
            r.list->Finish();
            FClose(r.lock);
            return;
        }
        // 5. Records no group takes
        listUnconfiguredGroups(r);
        r.errLog.close();
        // 6. The new index in place of the old one
        replaceIndex(r);
        restoreIndexInUse(r);
        // 7. Time, entries and faults
        reportSummary(r);
        FClose(r.lock);
    } catch (const TarnError& e) {
        r.errLog.close();
        discardNewIndex(r);
        FClose(r.lock);
        if (ErrPtnr::OnError(QStringLiteral("Bauteile_funktionen"), QStringLiteral("NeuInh"), e) == 3)
            throw ProgramEndRequested();
    }
}

bool RunComponentFileCommand(const QString& key)
{
    if (key == QLatin1String("be.mixbl") || key == QLatin1String("be.mixdat")) {
        MixBt(key);
        return true;
    }
    if (key == QLatin1String("be.db")) {
        if (MsgBoxRes(QStringLiteral("33"), 4, prog().LangNr) == 6)
            NeuInh();
        return true;
    }
    return false;
}
