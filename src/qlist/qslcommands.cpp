#include "qlist/qslcommands.h"
#include "frame/workslots.h"
#include "dialogue/dia.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/itemnumber.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "qlist/qldb.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <utility>

namespace {

struct IdentityKey {
    const char* key;
    int kind; // search kind of SuchLn_Db
};
constexpr IdentityKey kNewKeys[] = {{"Typ", 2}, {"Yk", 7}, {"An", 4}};
constexpr IdentityKey kFindKeys[] = {{"Ln", 1}, {"Typ", 2}, {"Yk", 7}, {"An", 4}};

QString currentLetter()
{
    return prog().WorkStr[Slot::Qz];
}
QString currentFolder()
{
    return prog().WorkStr[Slot::VqlDbase] + currentLetter();
}

// One look-up in its own open and close of the database; nullopt when the
// database could not be opened (Open_Db has said why).
std::optional<SuchLnResult> lookUp(int kind, const QString& value, const QString& mode)
{
    const OpenQlDb db(currentFolder(), 0);
    if (!db)
        return std::nullopt;
    return SuchLn_Db(currentLetter(), db.slot(), kind, value, mode);
}

QString numberShown(const QString& ln)
{
    return u' ' + QString::number(qint64(readLeadingNumber(ln)));
}

void notFound(const QString& head)
{
    MsgBoxRes(QStringLiteral("162"), 0, prog().LangNr, oemArgs({head, currentLetter()}));
}

// The two head lines of a new Q-list, written as plain lines (CR LF, no marks);
// an older file of the number (a deleted Q-list) is replaced as a whole.
void writePlainHead(const QString& designPath, const QStringList& lines)
{
    QString native = nativePath(designPath);
    QSaveFile f(native);
    if (!f.open(QIODevice::WriteOnly))
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += toAnsi(l) + "\r\n";
    if (f.write(bytes) != bytes.size() || !f.commit())
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
}

// The progress box of a rebuild, closed however the rebuild ends.
class ShownBox {
public:
    explicit ShownBox(InfoBox& box) : mBox(box) {}
    ~ShownBox() { finish(); }
    ShownBox(const ShownBox&) = delete;
    ShownBox& operator=(const ShownBox&) = delete;
    void finish()
    {
        if (!std::exchange(mDone, true))
            mBox.Finish();
    }

private:
    InfoBox& mBox;
    bool mDone = false;
};

QString cleanField(const QString& v)
{
    const qsizetype nul = v.indexOf(QChar(0));
    return (nul >= 0 ? v.left(nul) : v).trimmed();
}

} // namespace

QString NeueQsl(const QString& head)
{
    Program& p = prog();
    bool anyIdentity = false;
    std::optional<SuchLnResult> last;
    for (const IdentityKey& k : kNewKeys) {
        const QString key = QString::fromLatin1(k.key);
        const QString value = GetParam(head, key);
        if (value.isEmpty())
            continue;
        anyIdentity = true;
        last = lookUp(k.kind, value, QStringLiteral("2"));
        if (!last)
            return QString();
        if (last->found.isEmpty())
            continue;
        if (last->found != QLatin1String("ERROR"))
            MsgBoxRes(QStringLiteral("157"), 0, p.LangNr, oemArgs({key, numberShown(last->found)}));
        return key;
    }
    // A Q-list that nothing but its number names could never be found again by
    // its designation; the head dialog refuses such a head, and so does this.
    if (!anyIdentity) {
        MsgBoxRes(QStringLiteral("10"), 0, p.LangNr);
        return QString();
    }

    QString number;
    {
        const OpenQlDb db(currentFolder(), 0);
        if (!db)
            return QString();
        const int slot = db.slot();
        number = allocateQslNumber(currentLetter(), slot);
        if (number.isEmpty())
            return QString();

        auto& alt = p.QslRecAlt;
        alt[1] = number;
        alt[2] = GetParam(head, QStringLiteral("Typ"));
        const QString ykWritten = GetParam(head, QStringLiteral("Yk"));
        alt[3].clear();
        alt[4].clear();
        if (!ykWritten.isEmpty())
            YkNorm(ykWritten, alt[3], alt[4]);
        alt[5] = GetParam(head, QStringLiteral("An"));
        alt[6] = GetParam(head, QStringLiteral("Tec"));
        alt[7] = GetParam(head, QStringLiteral("Code"));
        alt[8] = GetParam(head, QStringLiteral("Anlage"));
        alt[9] = GetParam(head, QStringLiteral("Be"));
        for (int i = 1; i <= 9; ++i)
            p.QslRec[i] = alt[i];

        QStringList items;
        for (const char* k : {"Typ", "Yk", "An", "Tec", "Code", "Anlage"}) {
            const QString key = QString::fromLatin1(k);
            const QString v = GetParam(head, key);
            if (!v.isEmpty())
                items << key + u'=' + v;
        }
        // The file first: when it cannot be written, the reserved number goes back
        // as deleted, so the numbers stay dense and every stored row has its file.
        QslNumberReservation reserved(slot, number);
        writePlainHead(QslPfad(currentLetter(), number),
                       {items.join(u','), QStringLiteral("Be=") + GetParam(head, QStringLiteral("Be"))});
        reserved.fileWritten();
        NewRec_Db(slot);
    }

    OeffneQsl(QStringLiteral("Ln=") + number + u',' + head);
    return number;
}

QString OeffneQsl(const QString& head)
{
    Program& p = prog();
    for (const IdentityKey& k : kFindKeys) {
        const QString value = GetParam(head, QString::fromLatin1(k.key));
        if (value.isEmpty())
            continue;
        const std::optional<SuchLnResult> r = lookUp(k.kind, value, QStringLiteral("0"));
        if (!r || r->found == QLatin1String("ERROR"))
            return QString();
        if (r->found.isEmpty())
            continue;
        if (!r->stands.isEmpty())
            MsgBoxRes(r->stands.contains(u',') ? QStringLiteral("123") : QStringLiteral("124"), 0, p.LangNr,
                      {r->stands});
        if (const auto& openEditor = links<QslCommandLinks>().openEditor)
            openEditor(r->found);
        return r->found;
    }
    notFound(head);
    return QString();
}

QString LoeschQsl(const QString& head)
{
    Program& p = prog();
    QString number;
    bool lastWasError = false;
    for (const IdentityKey& k : kFindKeys) {
        const QString value = GetParam(head, QString::fromLatin1(k.key)).toUpper();
        if (value.isEmpty())
            continue;
        const std::optional<SuchLnResult> r = lookUp(k.kind, value, QStringLiteral("2"));
        if (!r)
            return QString();
        lastWasError = r->found == QLatin1String("ERROR");
        if (!r->found.isEmpty() && !lastWasError) {
            number = r->found;
            break;
        }
    }
    if (lastWasError)
        return QString();
    if (number.isEmpty()) {
        notFound(head);
        return QString();
    }

    p.QslRec[1] = number;
    p.QslRec[2] = QStringLiteral("*");
    int answer = Mb::No;
    {
        const OpenQlDb db(currentFolder(), 0);
        if (!db)
            return QString();
        const int slot = db.slot();
        std::array<QString, 10> work;
        QString status;
        ReadRec_Db(slot, long(readLeadingNumber(number)) + 1, work, status);
        const QChar lf(10);
        QStringList texts{QStringLiteral("Ln=") + LnKurz(number) + lf, {}, {}, {}};
        const QString typ = cleanField(work[2]);
        if (!typ.isEmpty() && typ != QLatin1String("*"))
            texts[1] = QStringLiteral("Typ=") + typ + lf;
        const QString yk = cleanField(work[3]);
        if (!yk.isEmpty())
            texts[2] = QString(QStringLiteral("Yk=") + yk + u'-' + cleanField(work[4])).remove(u' ') + lf;
        const QString an = cleanField(work[5]);
        if (!an.isEmpty())
            texts[3] = QStringLiteral("An=") + an + lf;
        answer = MsgBoxRes(QStringLiteral("160"), Mb::YesNo | Mb::DefaultButton2, p.LangNr, texts);
        if (answer == Mb::Yes)
            NewRec_Db(slot);
    }
    if (answer != Mb::Yes)
        return QString();

    const QString path = QslPfad(currentLetter(), number);
    if (Exist(path)) {
        try {
            writeQslFile(path, {QStringLiteral("Typ=FREI")});
        } catch (const TarnError&) {
            // The record is what the program goes by; a file that could not be
            // rewritten is found deleted through it all the same.
        }
    }
    return QStringLiteral("T");
}

// ---- new database

void NeuQslDb(QString& param)
{
    Program& p = prog();
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    while (true) {
        param.clear();
        QStringList anEin{QString()};
        QString kz, startBis, ret;
        DiaDIN(p.LangDir + QStringLiteral("qsl\\isam"), QStringLiteral("neuqz"), kz, startBis, anEin, ret);
        if (ret == QLatin1String("ABBRUCH")) {
            param = QStringLiteral("ABBRUCH");
            return;
        }
        const QString letter = anEin.isEmpty() ? QString() : anEin[0].toUpper();
        if (letter.isEmpty() || !letters.contains(letter))
            continue;
        p.WorkStr[Slot::Qz] = letter;
        const QString folder = p.WorkStr[Slot::VqlDbase] + letter;
        if (DCount(folder) == 0) {
            const QFileInfo fi(nativePath(p.WorkStr[Slot::VqlDbase]));
            if (!QDir(fi.path()).mkdir(fi.fileName() + letter))
                throw TarnError(QStringLiteral("Path/File access error: %1").arg(folder), ErrNo::PathFileAccess);
        } else if (Exist(folder + QStringLiteral("\\qldb.sqlite"))) {
            MsgBoxRes(QStringLiteral("2"), 0, p.LangNr, {letter});
            continue;
        }
        param = QString::number(MsgBoxRes(QStringLiteral("3"), 0, p.LangNr, {letter}));
        Create_Db(folder);
        const QString top = p.WorkStr[Slot::VqlDir] + letter + u'0';
        for (const QString& dir : {top, top + QStringLiteral("\\00")}) {
            const QFileInfo fi(nativePath(dir));
            if (fi.exists() || !QDir(fi.path()).mkdir(fi.fileName()))
                throw TarnError(QStringLiteral("Path/File access error: %1").arg(dir), ErrNo::PathFileAccess);
        }
        return;
    }
}

// ---- rebuild

namespace {

// A report of the rebuild: begun (header written) at its first entry only, so an
// older report stays when a rebuild finds nothing to say.
class RebuildReport {
public:
    RebuildReport(const char* name, std::array<int, 4> headerIds) : mName(QString::fromLatin1(name)), mIds(headerIds) {}
    bool begun() const { return mBegun; }
    const QString& name() const { return mName; }
    void add(const QString& text)
    {
        if (!mBegun)
            begin();
        write(text + QStringLiteral("\r\n"));
    }
    void close() { mFile.close(); }

private:
    void begin()
    {
        mBegun = true;
        QFile::remove(mName);
        mFile.setFileName(mName);
        if (!mFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(mName, mFile.errorString()),
                            ErrNo::PathFileAccess);
        QString header = QStringLiteral("\r\n\r\n");
        for (int id : mIds)
            header += ResText(QString::number(id), prog().LangNr, true) + QStringLiteral("\r\n");
        header += QStringLiteral("\r\n\r\n");
        write(header);
    }
    void write(const QString& text)
    {
        const QByteArray bytes = toAnsi(text);
        if (mFile.write(bytes) != bytes.size() || !mFile.flush())
            throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(mName, mFile.errorString()),
                            ErrNo::PathFileAccess);
    }
    QString mName;
    std::array<int, 4> mIds;
    QFile mFile;
    bool mBegun = false;
};

// The line of a Q-list stored without its identity, from the record as the writer
// padded it: Typ from column 1 on, An from column 45, Yk from column 73.
QString duplicateLine(const std::array<QString, 10>& rec)
{
    QString line = QStringLiteral("Qsl-Nr=") + rec[1] + QStringLiteral("   Typ=") + rec[2];
    line = line.leftJustified(44, u' ');
    line += QStringLiteral("An=") + rec[5];
    line = line.leftJustified(72, u' ');
    line += QStringLiteral("Yk=");
    if (!rec[3].trimmed().isEmpty())
        line += rec[3] + u'-' + rec[4];
    return line;
}

// True when another program holds the database: it cannot be replaced then.
bool databaseInUse(const QString& file)
{
    if (!QFileInfo::exists(nativePath(file)))
        return false;
    try {
        std::unique_ptr<Database> db = Database::open(file, false);
        db->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        db->execute(QStringLiteral("COMMIT"));
        return false;
    } catch (const DbError&) {
        return true;
    }
}

bool removeIfThere(const QString& designPath)
{
    const QString native = nativePath(designPath);
    return !QFileInfo::exists(native) || QFile::remove(native);
}

// The old database removed with its side files. False when another program
// holds it or it cannot be removed (the user was told).
bool removeOldDatabase(const QString& dbFile)
{
    if (databaseInUse(dbFile) || !removeIfThere(dbFile)) {
        MsgBoxRes(QStringLiteral("284"), 0, prog().LangNr);
        return false;
    }
    for (const char* side : {"-journal", "-wal", "-shm"})
        removeIfThere(dbFile + QString::fromLatin1(side));
    return true;
}

// What the scan of the numbers shares.
struct RebuildScan {
    QString letter;
    int slot = 0;
    InfoBox& box;
    RebuildReport& errors;
    RebuildReport& duplicates;
    QString lastRead;
};

// One number entered in the database, from its file's head or as free. False
// ends the scan (cancel or end of the numbers).
bool scanNumber(RebuildScan& s, const QString& ln)
{
    auto& rec = prog().QslRec;
    s.box.yield();
    if (s.box.breakRequested())
        return false;
    const QString path = QslPfad(s.letter, ln);
    const QString status = QslDateiStatus(path);
    if (status == QLatin1String("FEHL"))
        return false;
    if (status == QLatin1String("LEER") || status == QLatin1String("FREI")) {
        RecLeeren(QStringLiteral("Del"), rec);
        rec[1] = ln;
        rec[2] = QStringLiteral("*");
    } else {
        QString faults;
        KopfToRec(path, &faults);
        if (!faults.isEmpty())
            s.errors.add(faults);
    }
    if (NewRec_Db(s.slot) == -1)
        s.duplicates.add(duplicateLine(rec));
    s.lastRead = ln;
    return true;
}

// How the scan goes on after a number.
enum class ScanStep { Next, End, Leave };

// One number, repeated or skipped as the error handler's answer says. Leave
// when the user ended the rebuild there; what it opened is closed then.
ScanStep scanWithRetry(RebuildScan& s, const QString& ln, OpenQlDb& db, ShownBox& shown)
{
    for (int attempt = 0;; ++attempt) {
        try {
            return scanNumber(s, ln) ? ScanStep::Next : ScanStep::End;
        } catch (const ProgramEndRequested&) {
            throw; // not a failure of this number: the program ends
        } catch (const std::exception& e) {
            const int answer = ErrPtnr::OnError(QStringLiteral("EQSL"), QStringLiteral("NeuDbInh"), e);
            if (answer == 0 && attempt < 3)
                continue; // repeat this number
            if (answer == 1)
                return ScanStep::Next;
            db.close();
            s.errors.close();
            s.duplicates.close();
            shown.finish();
            if (answer == 3)
                throw ProgramEndRequested();
            return ScanStep::Leave;
        }
    }
}

// Every number of the letter, counted by hundreds. False when the user ended
// the rebuild.
bool scanAllNumbers(RebuildScan& s, OpenQlDb& db, ShownBox& shown)
{
    bool scanning = true;
    for (int d1 = 0; d1 <= 9 && scanning; ++d1) {
        for (int d23 = 0; d23 <= 99 && scanning; ++d23) {
            const QString hundred = QString::number(d1) + QString::number(d23).rightJustified(2, u'0');
            s.box.Counter(QStringLiteral("Qsl-Nr.:  ") + hundred + QStringLiteral("00"));
            for (int d45 = 0; d45 <= 99 && scanning; ++d45) {
                const QString ln = hundred + QString::number(d45).rightJustified(2, u'0');
                const ScanStep step = scanWithRetry(s, ln, db, shown);
                if (step == ScanStep::Leave)
                    return false;
                scanning = step == ScanStep::Next;
            }
        }
    }
    return true;
}

// The end of the rebuild: the last number read and the reports written.
void showRebuildEnd(const RebuildScan& s)
{
    const int lang = prog().LangNr;
    s.box.setMsg(ResText(QStringLiteral("6"), lang, true, {s.letter, s.lastRead}));
    s.box.Counter(QString());
    s.box.setBreakCaption(ResStr(1500, 0, lang));
    if (s.errors.begun())
        s.box.setMsg1(ResText(QStringLiteral("552"), lang, true, oemArgs({s.errors.name()})));
    if (s.duplicates.begun())
        s.box.Counter(ResText(QStringLiteral("161"), lang, true, oemArgs({s.duplicates.name()})));
    s.box.waitForBreak();
}

} // namespace

void NeuDbInh()
{
    ErrPtnr::CallStack(QStringLiteral("[EQSL] Sub NeuDbInh()"));
    Program& p = prog();
    const QString letter = currentLetter();
    const QString folder = currentFolder();
    const QString dbFile = folder + QStringLiteral("\\qldb.sqlite");
    // 1. A new, empty database in place of the old one
    if (!removeOldDatabase(dbFile))
        return;
    Create_Db(folder);
    OpenQlDb db(folder, 0, true);
    if (!db)
        return;
    // 2. The progress box
    InfoBox& box = ui().infoBox();
    ShownBox shown(box);
    box.Begin(QString(), ResText(QStringLiteral("168"), p.LangNr, true, {letter}));
    box.EnableBreak(true);
    box.setMsg1(ResText(QStringLiteral("169"), p.LangNr, true));
    // 3. Every number scanned into the database, faults and duplicates reported
    RebuildReport errors(QslRebuildErrorLog, {548, 549, 550, 551});
    RebuildReport duplicates(QslRebuildDuplicateLog, {477, 478, 479, 480});
    RebuildScan scan{letter, db.slot(), box, errors, duplicates, QString()};
    if (!scanAllNumbers(scan, db, shown))
        return;
    // 4. Closed, and the end shown until the user leaves it
    db.close();
    errors.close();
    duplicates.close();
    showRebuildEnd(scan);
    shown.finish();
}
