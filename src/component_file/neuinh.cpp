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

} // namespace

void NeuInh()
{
    ErrPtnr::CallStack(QStringLiteral("[Bauteile_funktionen] Sub NeuInh()"));
    Program& p = prog();
    const int language = p.LangNr;
    int faulty = 0;
    InitBtDatei(false);
    const QString bin = p.BinDir;
    const QString sinSetting = p.SinDir;
    QDir().mkpath(nativePath(bin));
    const int lock = takeWriteLock(bin, BtKind::Internal);
    if (lock < 0)
        return;

    const QString temp = bin + QStringLiteral("\\neuinh.tmp");
    auto restore = [&] {
        p.BinDir = bin;
        p.SinDir = sinSetting;
        forgetCachedPages(BtKind::Internal);
        if (QFileInfo::exists(nativePath(bin + QStringLiteral("\\i\\hi"))))
            loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock);
        else
            p.InhSeiteInt.fill(QString());
    };
    auto msg = [&](const char* id, const QStringList& args = {}) {
        return ResText(QLatin1String(id), language, true, args);
    };
    QFile errLog;
    try {
        // The new index grows in a private folder; the index in use stays as it
        // is until the new one is complete.
        removeTree(temp);
        QDir().mkpath(nativePath(temp));
        p.BinDir = temp;
        p.SinDir.clear();
        DirectPageWrites direct;
        QString header;
        if (!InitInh(temp, header)) {
            removeTree(temp);
            restore();
            FClose(lock);
            return;
        }
        InfoList& list = ui().infoList();
        list.Begin(msg("189"));
        list.Add(QString());
        list.Wait(2);

        errLog.setFileName(nativePath(QStringLiteral("NeuInhBE.err")));
        QFile::remove(errLog.fileName());
        errLog.open(QIODevice::WriteOnly | QIODevice::Truncate);
        auto fault = [&](const QString& line) {
            errLog.write(toAnsi(line) + "\r\n");
            ++faulty;
            list.Add(line);
        };

        QElapsedTimer clock;
        clock.start();
        int entries = 0;
        bool stopped = false;
        for (int gg = 11; gg <= 99 && !stopped; ++gg) {
            const QString group = QString::number(gg);
            if (GetParam(header, group).isEmpty())
                continue;
            list.Add(msg("34") + group);
            int lastBlock = -1;
            for (int d = 0; d <= 9 && !stopped; ++d) {
                const QString folder = bin + QStringLiteral("\\b") + group[0] + u'\\' + group[1] + QString::number(d);
                for (const QString& name : blockFilesIn(folder)) {
                    if (list.Canceled()) {
                        errLog.close();
                        removeTree(temp);
                        restore();
                        list.Wait(-1);
                        list.Finish();
                        FClose(lock);
                        return;
                    }
                    const QString address = group + QString::number(d) + name;
                    const QString path = folder + u'\\' + name;
                    list.Add(msg("190", {path}) + QStringLiteral(" (") + QString::number(entries + 1) +
                             QStringLiteral("...)"));
                    QByteArray bytes;
                    readWholeFile(path, bytes);
                    lastBlock = qMax(lastBlock, (QString::number(d) + name).toInt());
                    for (const QString& record : recordsOf(bytes)) {
                        if (!record.contains(QLatin1String(",Q,"))) {
                            fault(msg("32", {path}));
                            continue;
                        }
                        // What the merge refuses is not indexed either, and said so.
                        if (const QString reason = recordRefusal(record, p.Cf); !reason.isEmpty()) {
                            fault(btText(QStringLiteral("Nicht eingetragen (@1): @2, Block: @3"),
                                         QStringLiteral("Not indexed (@1): @2, Block: @3"),
                                         {reason, record.left(200), path}));
                            continue;
                        }
                        const QString bac = GetParam(record, QStringLiteral("Bac"));
                        TsaTable t;
                        QString zulang;
                        const bool tooLong = UmfoBtTsa(record, 1, t, true, &zulang);
                        if (t.AnzTsa[1] > 0 && bac.left(2) != group)
                            fault(msg("35", {t.Tsa[1][1].left(KeyLength)}));
                        if (tooLong)
                            fault(msg("522", {zulang + QStringLiteral(", Block: ") + path}));
                        for (int i = 1; i <= t.AnzTsa[1]; ++i) {
                            const QString key = t.Tsa[1][i].left(KeyLength);
                            if (!keySortsBelowFree(key)) {
                                fault(btText(QStringLiteral("Bezeichnung mit unzulässigem Zeichen nicht eingetragen:  "
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
                                ++entries;
                            } else if (n > 0) {
                                fault(msg("191", {key, address, found.right(5)}));
                            } else {
                                stopped = true;
                                break;
                            }
                        }
                        if (stopped)
                            break;
                    }
                    if (stopped)
                        break;
                }
            }
            if (lastBlock >= 0)
                SetParam(header, group, QString::number(lastBlock).rightJustified(3, u'0'));
        }
        // Blocks of groups that are not configured get no index entries: every
        // record in them is listed, so that none goes missing without a word.
        for (int gg = 11; gg <= 99 && !stopped; ++gg) {
            const QString group = QString::number(gg);
            if (!GetParam(header, group).isEmpty())
                continue;
            for (int d = 0; d <= 9; ++d) {
                const QString folder = bin + QStringLiteral("\\b") + group[0] + u'\\' + group[1] + QString::number(d);
                for (const QString& name : blockFilesIn(folder)) {
                    const QString path = folder + u'\\' + name;
                    QByteArray bytes;
                    readWholeFile(path, bytes);
                    for (const QString& record : recordsOf(bytes))
                        fault(btText(QStringLiteral("Nicht eingetragen (Bauelemente-Gruppe @1 ist nicht "
                                                    "konfiguriert): @2, Block: @3"),
                                     QStringLiteral("Not indexed (component group @1 is not configured): @2, "
                                                    "Block: @3"),
                                     {group, record.left(200), path}));
                }
            }
        }
        errLog.close();

        bool installed = false;
        if (!stopped) {
            QString counters;
            readHeader(temp, BtKind::Internal, BtFlags::ReadHoldingLock, counters);
            SetParam(header, QStringLiteral("Ss"), GetParam(counters, QStringLiteral("Ss")));
            SetParam(header, QStringLiteral("Ib"), GetParam(counters, QStringLiteral("Ib")));
            installed = installIndex(bin, temp, header, sinSetting);
        }
        if (!installed) {
            removeTree(temp);
            list.Add(btText(QStringLiteral("Das Inhaltsverzeichnis wurde nicht ersetzt; das bisherige bleibt gültig."),
                            QStringLiteral("The index was not replaced; the previous one stays in use.")));
        }
        restore();
        list.Clear();
        list.Add(QString());
        list.Add(msg("193", {QString::number(qRound(clock.elapsed() / 1000.0))}));
        list.Add(QString());
        list.Add(msg("36", {QString::number(entries)}));
        if (faulty != 0) {
            list.Add(QString());
            list.Add(msg("192", {QString::number(faulty), QStringLiteral("NeuInhBE.err")}));
        }
        list.Wait(0, true);
        FClose(lock);
    } catch (const TarnError& e) {
        errLog.close();
        removeTree(temp);
        restore();
        FClose(lock);
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
