#include "component_file/mixbt.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btlock.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/recordcheck.h"
#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

MergeBatch& mergeBatch()
{
    static MergeBatch b;
    return b;
}

bool readImportProfile(const QString& name, ImportProfile& profile)
{
    QString value = GetProfileStr(QStringLiteral("Sonder-Formate"), name, 512, prog().IniFile);
    if (value == Leer)
        return false;
    profile = ImportProfile();
    profile.headerLines = int(readLeadingNumber(GetParam(value, QStringLiteral("Kopfz"))));
    profile.skipMarker = GetParam(value, QStringLiteral("Leerz"));
    profile.startColumn = int(readLeadingNumber(GetParam(value, QStringLiteral("StartCol"))));
    profile.separator = GetParam(value, QStringLiteral("Trenn"));
    SetParam(value, QStringLiteral("Kopfz,Leerz,StartCol,Trenn"), QString());
    int position = 1;
    while (position != 0 && profile.columns.size() < MaxImportColumns) {
        const QString token = ParseString(position, value, QStringLiteral(","));
        if (token.isEmpty())
            break;
        profile.columns.append({token, QString()});
    }
    return !profile.columns.isEmpty();
}

QString UmfoSonderFormat(const QString& line, QList<ImportColumn>& columns, const QString& separator,
                         QString* refused)
{
    int position = 1;
    for (ImportColumn& c : columns) {
        c.value = ParseString(position, line, separator).trimmed();
        if (c.value == separator)
            c.value.clear();
    }
    for (const ImportColumn& c : columns)
        if (!c.name.startsWith(QLatin1String("Extra")) &&
            (c.value.contains(u',') || c.value.contains(u'='))) {
            if (refused)
                *refused = c.name + u'=' + c.value;
            return QString();
        }
    QString out;
    for (const char* key : {"Typ", "Yk", "An", "Bac", "Tec"}) {
        if (qstrcmp(key, "Bac") == 0)
            out += QStringLiteral(",Q");
        for (ImportColumn& c : columns)
            if (c.name == QLatin1String(key)) {
                SetParam(out, c.name, c.value);
                c.value.clear();
                break;
            }
    }
    for (const ImportColumn& c : columns) {
        if (c.value.isEmpty())
            continue;
        if (!c.name.startsWith(QLatin1String("Extra")))
            SetParam(out, c.name, c.value);
        else
            out += u',' + c.value;
    }
    if (out.startsWith(u','))
        out.remove(0, 1);
    return out;
}

namespace {

// Records merged into one change of the component file: it becomes durable with
// one flush at its end, and only then are its records reported merged.
class MergeRun {
public:
    MergeRun() : mLanguage(prog().LangNr), mInteractive(prog().Interaktiv), mList(ui().infoList()) {}
    ~MergeRun()
    {
        if (mLock >= 0) {
            abandonChange();
            forgetCachedPages(BtKind::Internal);
            FClose(mLock);
        }
    }
    MergeRun(const MergeRun&) = delete;
    MergeRun& operator=(const MergeRun&) = delete;

    bool openLog()
    {
        mLogPath = joinDesignPath(prog().WorkStr[Slot::Tp2], QStringLiteral("MixBT.log"));
        QFile::remove(nativePath(mLogPath));
        mLog.setFileName(nativePath(mLogPath));
        return mLog.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    void closeLog() { mLog.close(); }
    QString logPath() const { return QFileInfo(mLog.fileName()).absoluteFilePath(); }

    QString msg(const char* id, const QStringList& args = {}) const
    {
        return ResText(QLatin1String(id), mLanguage, true, args);
    }
    // While a batch is open, its lines wait for the batch to become durable.
    void log(const QString& line)
    {
        if (mLock >= 0) {
            mPending.append({line, QString()});
            return;
        }
        writeLog(line);
    }
    void writeLog(const QString& line)
    {
        if (mLog.isOpen()) {
            mLog.write(toAnsi(line) + "\r\n");
            mLog.flush();
        }
    }
    void add(const QString& line)
    {
        if (mInteractive)
            mList.Add(line);
    }
    void update(const QString& line, bool newLine = false)
    {
        if (mInteractive)
            mList.Update(line, newLine);
    }
    // A record or line that is not merged: logged, shown, and in a run without a
    // person also reported through the message channel (the batch log), because
    // the merge log lives in a work folder that the next start empties.
    void refuse(const QString& line)
    {
        ++mRefused;
        update(line.left(80));
        log(line);
        if (!ui().isInteractive())
            ui().messageBox(QStringLiteral("mixbt"), line.left(400) + QStringLiteral("   (") + mSource + u')', 0);
    }
    // A run that could not go on (a file missing, the index unreadable).
    void stop(const QString& line)
    {
        mStopped = true;
        add(line);
        log(line);
        if (!ui().isInteractive())
            ui().messageBox(QStringLiteral("mixbt"), line, 0);
    }

    // One record: form check, keys, duplicate test, AddBt. False stops the run
    // (the index could not be searched).
    bool recordStep(const QString& record, const QString& where = QString())
    {
        if (!record.contains(QLatin1String(",Q,"))) {
            ++mRefused;
            update(msg("23", {record.left(30)}));
            log(msg("23", {record}));
            if (!ui().isInteractive())
                ui().messageBox(QStringLiteral("23"), msg("23", {record.left(200)}) + QStringLiteral("   (") +
                                                          mSource + where + u')', 0);
            return true;
        }
        if (const QString reason = recordRefusal(record, prog().Cf); !reason.isEmpty()) {
            ++mRead;
            const QString shown = record.size() > 200 ? record.left(200) + QStringLiteral("...") : record;
            refuse(btText(QStringLiteral("Nicht übernommen (@1)@2: @3"), QStringLiteral("Not merged (@1)@2: @3"),
                          {reason, where, shown}));
            return true;
        }
        TsaTable t;
        QString zulang;
        const bool tooLong = UmfoBtTsa(record, 1, t, false, &zulang);
        if (t.AnzTsa[1] < 1) {
            refuse(btText(QStringLiteral("Nicht übernommen (keine gültige Bezeichnung)@1: @2"),
                          QStringLiteral("Not merged (no valid designation)@1: @2"), {where, record.left(200)}));
            return true;
        }
        ++mRead;
        if (mLock < 0)
            beginBatch();
        const int flags = mLock >= 0 ? BtFlags::ReadHoldingLock : BtFlags::LockedRead;
        if (tooLong) {
            ++mRefused;
            update(msg("504", {zulang}));
            log(msg("504", {zulang}));
            if (!ui().isInteractive())
                ui().messageBox(QStringLiteral("504"), msg("504", {zulang}) + where + QStringLiteral("   (") +
                                                           mSource + u')', 0);
            return true;
        }
        bool duplicate = false;
        for (int i = 1; i <= t.AnzTsa[1]; ++i) {
            int n = 0;
            QString entry;
            if (!SuchInh(t.Tsa[1][i].left(KeyLength), 2, n, entry, BtKind::Internal, flags)) {
                mStopped = true;
                settle(); // the lock is not held while the list waits for the user
                if (mInteractive)
                    mList.Wait(0, true);
                return false;
            }
            if (n > 0) {
                duplicate = true;
                const QString line = msg("187") + entry;
                update(line, true);
                log(line);
            } else if (n == 0) {
                settle();
                if (mInteractive) {
                    mList.Add(msg("188"));
                    mList.Wait(0, true);
                }
                log(msg("188"));
                mStopped = true;
                return false;
            }
        }
        if (duplicate)
            return true;
        QString block;
        int index = 0, source = 0;
        Program& p = prog();
        const QString result = AddBt(block, index, source, record, p.BtSatz, p.BtSatzAnz, false);
        // Only a record that is really in the file counts as merged: in a batch,
        // when the batch is durable.
        if (result == QLatin1String("ok")) {
            if (mLock >= 0) {
                mPending.append({msg("512", {record}), record});
            } else {
                ++mMerged;
                update(QString::number(mMerged));
                log(msg("512", {record}));
            }
        } else {
            refuse(notInserted(result, record));
        }
        if (mLock >= 0 && batchFull())
            settle();
        return true;
    }

    // Whether the open change has taken what one change should hold.
    bool batchFull()
    {
        const MergeBatch& bound = mergeBatch();
        ++mBatchCount;
        return stagedBytes() >= bound.bytes || (bound.records > 0 && mBatchCount >= bound.records) ||
               (bound.millis > 0 && mBatchClock.hasExpired(bound.millis));
    }

    // Takes the exclusive lock and opens a change for the next records; without
    // the lock the records go one by one.
    void beginBatch()
    {
        Program& p = prog();
        if (changeOpen())
            return;
        const int lock = takeWriteLock(p.BinDir, BtKind::Internal);
        if (lock < 0)
            return;
        mLock = lock;
        openChange(p.BinDir);
        mBatchCount = 0;
        mBatchClock.start();
    }

    // Makes the open batch durable and reports its records; a batch that could
    // not be made durable reports them not inserted.
    void settle()
    {
        if (mLock < 0)
            return;
        const bool durable = commitChange();
        forgetCachedPages(BtKind::Internal);
        if (!durable)
            loadTopPage(BtKind::Internal, BtFlags::ReadHoldingLock);
        FClose(mLock);
        mLock = -1;
        int merged = 0;
        // The batch's lines go to the log in one write.
        QByteArray lines;
        for (const auto& [line, record] : std::as_const(mPending)) {
            if (record.isEmpty() || durable) {
                if (!record.isEmpty())
                    ++merged;
                lines += toAnsi(line) + "\r\n";
            } else {
                ++mRefused;
                lines += toAnsi(notInserted(QStringLiteral("no"), record)) + "\r\n";
            }
        }
        mPending.clear();
        if (mLog.isOpen() && !lines.isEmpty()) {
            mLog.write(lines);
            mLog.flush();
        }
        if (merged > 0) {
            mMerged += merged;
            update(QString::number(mMerged));
        }
    }

    QString notInserted(const QString& result, const QString& record) const
    {
        return btText(QStringLiteral("Nicht eingefügt (@1):   @2"), QStringLiteral("Not inserted (@1):   @2"),
                      {result, record});
    }

    QString counts(int merged, int read) const
    {
        return msg("26", {u' ' + QString::number(merged), u' ' + QString::number(read)});
    }

    int mLanguage;
    bool mInteractive;
    InfoList& mList;
    int mRead = 0, mMerged = 0;
    int mRefused = 0;     // records of the whole run that were not merged
    bool mStopped = false; // the run could not go on
    QString mSource;       // the file or folder being merged, for the batch log

private:
    QString mLogPath;
    QFile mLog;
    int mLock = -1; // held while a batch is open
    int mBatchCount = 0;
    QElapsedTimer mBatchClock;
    // Log lines of the open batch; the record is set on the lines of merged records.
    QList<std::pair<QString, QString>> mPending;
};

// The lines of a text file as a line-input reader gives them: split at LF, a CR
// before it dropped; the empty piece behind a final line end is no line.
QStringList fileLines(const QByteArray& bytes)
{
    QString text = fromAnsi(bytes);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);
    return lines;
}

// Returns false when the run stopped early (no closing count).
bool mergeFile(MergeRun& run, const QString& file, const QString& profileName)
{
    QByteArray bytes;
    if (!readWholeFile(file, bytes)) {
        run.stop(run.msg("27", {file}));
        return false;
    }
    const QStringList lines = fileLines(bytes);
    auto lineText = [](qsizetype index) {
        return btText(QStringLiteral(" in Zeile @1"), QStringLiteral(" in line @1"), {QString::number(index + 1)});
    };
    if (profileName.isEmpty()) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (!run.recordStep(lines[i], lineText(i)))
                return false;
        return true;
    }
    ImportProfile profile;
    if (!readImportProfile(profileName, profile)) {
        const QString t = btText(QStringLiteral("Import-Profil  @1  fehlt im Abschnitt [Sonder-Formate] oder nennt "
                                                "keine Spalte."),
                                 QStringLiteral("Import profile  @1  is missing in section [Sonder-Formate] or names "
                                                "no column."),
                                 {profileName});
        run.stop(t);
        return false;
    }
    const int start = qMax(1, profile.startColumn);
    for (qsizetype i = profile.headerLines; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        // An empty marker marks no line.
        if (!profile.skipMarker.isEmpty() && line.startsWith(profile.skipMarker))
            continue;
        line = line.mid(start - 1);
        QString refused;
        const QString record = UmfoSonderFormat(line, profile.columns, profile.separator, &refused);
        if (!refused.isEmpty()) {
            const QString t = btText(QStringLiteral("Wert mit  ,  oder  =  nicht zulässig (@1) in Zeile: @2"),
                                     QStringLiteral("Value with  ,  or  =  not allowed (@1) in line: @2"),
                                     {refused, lines[i].trimmed()});
            run.refuse(t);
            continue;
        }
        if (!run.recordStep(record, lineText(i)))
            return false;
    }
    return true;
}

// Records of a block text, in order; empty lines inside the block are handed
// on (and logged by the record step), the empty end of the file is not.
QStringList blockRecords(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
        while (l.startsWith(u' '))
            l.remove(0, 1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

bool mergeDirectory(MergeRun& run, const QString& dir, const QString& header, int& totalRead, int& totalMerged)
{
    for (int gg = 11; gg <= 99; ++gg) {
        if (GetParam(prog().Cf, QStringLiteral("G%1").arg(gg)).isEmpty())
            continue;
        const QString group = QString::number(gg);
        const int last = int(readLeadingNumber(GetParam(header, group)));
        const int blocks = last + 1;
        for (int b = 0; b <= last; ++b) {
            const QString bbb = QString::number(b).rightJustified(3, u'0');
            run.add(run.msg("22", {QString(), group, bbb, QString::number(blocks).rightJustified(3, u'0'),
                                   QString::number(totalRead) + u'/' + QString::number(totalMerged)}));
            run.add(QString());
            const QString path = blockFilePath(dir, group + bbb);
            if (!Exist(path))
                continue;
            QString text;
            if (!lockedReadWhole(path, dir, BtKind::Other, text)) {
                const QString t = btText(QStringLiteral("Bauelemente-Block nicht lesbar:  @1"),
                                         QStringLiteral("Component block cannot be read:  @1"), {path});
                run.add(t);
                run.refuse(t);
                continue;
            }
            const QStringList records = blockRecords(text);
            bool going = true;
            for (const QString& r : records)
                if (!(going = run.recordStep(r, u' ' + path)))
                    break;
            totalRead = run.mRead;
            totalMerged = run.mMerged;
            if (!going)
                return false;
        }
    }
    return true;
}

// The file to merge and its import profile: given, or chosen by the user.
// False when the user chose none.
bool chooseMergeFile(const QString& mixMode, const std::optional<QString>& blAdr,
                     const std::optional<QString>& blFormat, QString& file, QString& profile)
{
    if (blAdr) {
        file = *blAdr;
        profile = blFormat ? blFormat->trimmed() : QString();
        return true;
    }
    Program& p = prog();
    Question q;
    q.key = mixMode;
    q.text = ResStr(1705, 0, p.LangNr);
    const Answer a = ui().askOpenFile(q, FileParams{QString(), QString(), QStringLiteral("Alle Dateien (*.*)|*.*")});
    if (a.cancelled || a.text.isEmpty() || a.text == QLatin1String("ABBRUCH"))
        return false;
    file = a.text;
    QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
    return true;
}

// Merges the records of one file, with the closing count when it went through.
void mergeRecordFile(MergeRun& run, const QString& file, const QString& profile)
{
    if (run.mInteractive)
        run.mList.Begin(run.msg("186"));
    run.mSource = file;
    const QFileInfo info(nativePath(file));
    if (!info.exists()) {
        run.stop(run.msg("27", {file}));
        run.add(QString());
        return;
    }
    if (info.size() == 0) {
        run.stop(run.msg("24", {file}));
        return;
    }
    run.add(run.msg("25", {file}));
    run.add(QString());
    const bool completed = mergeFile(run, file, profile);
    run.settle();
    if (completed) {
        run.add(run.counts(run.mMerged, run.mRead));
        run.log(run.counts(run.mMerged, run.mRead));
    }
}

// Merges the blocks of the component file in dir, whose header was read.
void mergeFolderBlocks(MergeRun& run, const QString& dir, const QString& header)
{
    if (run.mInteractive) {
        run.mList.Begin(run.msg("186"));
        run.mList.Add(run.msg("21", {dir}));
        run.mList.FixLines();
    }
    int totalRead = 0, totalMerged = 0;
    const bool completed = mergeDirectory(run, dir, header, totalRead, totalMerged);
    run.settle();
    totalRead = run.mRead;
    totalMerged = run.mMerged;
    if (completed) {
        run.add(QString());
        run.add(run.counts(totalMerged, totalRead));
        run.log(run.counts(totalMerged, totalRead));
    }
}

// Merges another component file, whose folder the user chooses. Neither the
// file in use nor a folder without a component file can be merged.
void mergeComponentFolder(MergeRun& run, const QString& mixMode)
{
    Program& p = prog();
    Question q;
    q.key = mixMode;
    q.text = ResStr(1706, 0, p.LangNr);
    const Answer a = ui().askDirectory(q, FileParams{p.WorkStr[Slot::ProgramDir], QString(), QString()});
    QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
    const QString dir = a.cancelled ? QStringLiteral("ABBRUCH") : a.text;
    QString header;
    run.mSource = dir;
    if (dir == QLatin1String("ABBRUCH") || dir.isEmpty()) {
        run.mStopped = true;
    } else if (sameFolder(dir, p.BinDir)) {
        MsgBoxRes(QStringLiteral("19"), 0, p.LangNr);
        run.mStopped = true;
    } else if (!Exist(dir + QStringLiteral("\\abi"))) {
        MsgBoxRes(QStringLiteral("20"), 0, p.LangNr, oemArgs({dir}));
        run.mStopped = true;
    } else if (lockedReadWhole(dir + QStringLiteral("\\abi"), dir, BtKind::Other, header)) {
        mergeFolderBlocks(run, dir, header);
    } else {
        run.mStopped = true;
    }
}

// Closes the list, after the user saw it when they chose what to merge, and
// the log.
void finishMerge(MergeRun& run, bool fileGiven)
{
    if (fileGiven) {
        if (run.mInteractive)
            run.mList.Finish();
    } else {
        if (run.mInteractive) {
            run.mList.Add(QString());
            run.mList.Add(run.msg("463", {run.logPath()}));
        }
        run.mList.Wait(0, true);
    }
    run.closeLog();
}

} // namespace

bool MixBt(const QString& MixMode, const std::optional<QString>& BlAdr, const std::optional<QString>& BlFormat)
{
    ErrPtnr::CallStack(
        QStringLiteral("[Bauteile_funktionen] Sub MixBt(MixMode As Variant, Optional BlAdr, Optional BlFormat)"));
    if (BlFormat)
        ErrPtnr::CallStackParam(QStringLiteral("BlFormat"), *BlFormat);
    if (BlAdr)
        ErrPtnr::CallStackParam(QStringLiteral("BlAdr"), *BlAdr);
    ErrPtnr::CallStackParam(QStringLiteral("MixMode"), MixMode);
    try {
        // 1. The component file; every page is read before the first record is
        // written: a merge that stopped half-way at a damaged page would leave
        // half a merge behind.
        if (!InitBtDatei())
            return false;
        if (!indexReadable(BtKind::Internal))
            return false;
        MergeRun run;
        run.openLog();
        const bool fileGiven = BlAdr.has_value();
        // 2. The records of a file, or the blocks of another component file
        if (MixMode == QLatin1String("be.mixbl")) {
            QString file;
            QString profile;
            if (!chooseMergeFile(MixMode, BlAdr, BlFormat, file, profile)) {
                run.closeLog();
                ui().beep();
                return false;
            }
            mergeRecordFile(run, file, profile);
        } else if (MixMode == QLatin1String("be.mixdat")) {
            mergeComponentFolder(run, MixMode);
        }
        // 3. The list and the log
        finishMerge(run, fileGiven);
        return !run.mStopped && run.mRefused == 0;
    } catch (const TarnError& e) {
        if (ErrPtnr::OnError(QStringLiteral("Bauteile_funktionen"), QStringLiteral("MixBt"), e) == 3)
            throw ProgramEndRequested();
        return false;
    }
}
