#include "qlist/qldb.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/itemnumber.h"
#include "frame/numbers.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "qlist/qslfile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <utility>

namespace {
const QString DbFile = QStringLiteral("qldb.sqlite");
const QString Columns = QStringLiteral("ln,typ,yk,stand,an,tec,code,anl,be,deleted");

// SQLite result codes (the low byte of an extended code).
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteConstraint = 19;

int primaryCode(const DbError& e)
{
    return e.nativeCode() & 0xff;
}
bool isBusy(const DbError& e)
{
    return primaryCode(e) == SqliteBusy || primaryCode(e) == SqliteLocked;
}

QString dbPath(const QString& folder)
{
    return joinDesignPath(folder, DbFile);
}

int fieldWidth(int i)
{
    const int w = prog().QslFeldTab[i].width;
    if (w > 0)
        return w;
    static const int fallback[] = {0, 5, 20, 17, 2, 20, 3, 12, 12, 148};
    return fallback[i];
}

QString padCut(const QString& s, int width)
{
    return s.size() >= width ? s.left(width) : s.leftJustified(width, u' ');
}

QVariant textOrNull(const QString& v)
{
    return v.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(v);
}

void showDbError(const DbError& e)
{
    MsgBoxRes(QStringLiteral("473"), 0, prog().LangNr,
              {qlDbState().DbOperation + QStringLiteral(" !"), QString::number(e.nativeCode()), AnsiToOem(e.message())});
}

// A write transaction that takes the write lock at once, so two programs never
// both read the state and then both write.
class WriteTransaction {
public:
    explicit WriteTransaction(Database& db) : mDb(db) { mDb.execute(QStringLiteral("BEGIN IMMEDIATE")); }
    ~WriteTransaction()
    {
        if (!mDone) {
            try {
                mDb.execute(QStringLiteral("ROLLBACK"));
            } catch (const DbError&) {
                // A connection that cannot roll back has lost the transaction with it.
            }
        }
    }
    void commit()
    {
        mDb.execute(QStringLiteral("COMMIT"));
        mDone = true;
    }

private:
    Database& mDb;
    bool mDone = false;
};
} // namespace

QlDbState& qlDbState()
{
    std::shared_ptr<QlDbState>& held = prog().Subsystems.held<QlDbState>();
    if (!held)
        held = std::make_shared<QlDbState>();
    return *held;
}

// ---- store

void Create_Db(const QString& folder)
{
    if (!QFileInfo(nativePath(folder)).isDir())
        throw TarnError(QStringLiteral("Path not found: %1").arg(folder), ErrNo::PathNotFound);
    const QString path = dbPath(folder);
    if (QFileInfo::exists(nativePath(path)))
        throw TarnError(QStringLiteral("Database '%1' already exists.").arg(path), ErrNo::Database);
    // nativePath of a missing file resolves the folder part only; build it by hand.
    const QString file = QDir(nativePath(folder)).filePath(DbFile);
    std::unique_ptr<Database> db = Database::create(file);
    // Jet compared and indexed text case-insensitively; NOCASE keeps that.
    const QStringList statements{
        QStringLiteral("create table qldb (LN text(5) collate nocase, TYP text(20) collate nocase, "
                       "YK text(17) collate nocase, STAND text(2) collate nocase, AN text(20) collate nocase, "
                       "TEC text(3) collate nocase, CODE text(12) collate nocase, ANL text(12) collate nocase, "
                       "BE text(148) collate nocase, DELETED text(1) collate nocase, "
                       "constraint mycon primary key (LN))"),
        QStringLiteral("create index qldbindexyk on qldb ([YK])"),
        QStringLiteral("create index qldbindexcode on qldb ([CODE])"),
        QStringLiteral("create index qldbindexanl on qldb ([ANL])"),
        QStringLiteral("create index qldbindexdeleted on qldb ([DELETED])"),
        QStringLiteral("create unique index qldbindexln on qldb ([LN])"),
        QStringLiteral("create unique index qldbindextyp on qldb ([TYP])"),
        QStringLiteral("create unique index qldbindexan on qldb ([AN])"),
        QStringLiteral("create unique index qldbindexykst on qldb ([YK],[STAND])")};
    for (const QString& s : statements)
        db->execute(s);
}

int Open_Db(const QString& folder, long& count, int check, bool exclusive)
{
    Program& p = prog();
    qlDbState().DbOperation = QStringLiteral("QLDB: Open_Db");
    count = 0;
    int slot = 0;
    for (int i = 1; i <= 30; ++i)
        if (qlDbState().DbTab[i].inUse == 0) {
            slot = i;
            break;
        }
    if (slot == 0) {
        MsgBoxRes(QStringLiteral("150"), 0, p.LangNr);
        return 0;
    }
    QlDbSlot& s = qlDbState().DbTab[slot];
    s.inUse = 1;
    try {
        if (!QFileInfo(nativePath(folder)).isDir() || !QFileInfo(nativePath(dbPath(folder))).isFile()) {
            s.inUse = 0;
            MsgBoxRes(QStringLiteral("48"), 0, p.LangNr, {folder.right(1)});
            return 0;
        }
        s.db = Database::open(dbPath(folder), false);
        if (exclusive) {
            // Held until the database is closed: other programs wait, then give up.
            s.db->execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
            s.db->execute(QStringLiteral("BEGIN EXCLUSIVE"));
            s.db->execute(QStringLiteral("COMMIT"));
        }
        Snapshot c = s.db->snapshot(QStringLiteral("select count(*) from qldb"));
        count = c.eof() ? 0 : long(c.value(0).toLongLong());
        if (check == 1) {
            Snapshot m = s.db->snapshot(QStringLiteral("select max(LN) from qldb"));
            const QVariant v = m.eof() ? QVariant() : m.value(0);
            const long highest = v.isNull() ? -1 : long(readLeadingNumber(v.toString()));
            if (highest != count - 1)
                MsgBoxRes(QStringLiteral("139"), 0, p.LangNr,
                          {u' ' + QString::number(std::labs(count - 1 - highest)), p.WorkStr[Slot::Qz]});
        }
        return slot;
    } catch (const DbError& e) {
        s.db.reset();
        s.inUse = 0;
        if (isBusy(e))
            MsgBoxRes(QStringLiteral("429"), 0, p.LangNr, {AnsiToOem(e.message())});
        else
            showDbError(e); // a look-up never ends the program: the caller gets slot 0
        return 0;
    }
}

int Open_Db(const QString& folder, int check, bool exclusive)
{
    long count = 0;
    return Open_Db(folder, count, check, exclusive);
}

void Close_Db(int slot)
{
    if (slot < 1 || slot > 30 || !qlDbState().DbTab[slot].db)
        throw TarnError(QStringLiteral("Object variable not set (Q-list database slot %1)").arg(slot), 91);
    QlDbSlot& s = qlDbState().DbTab[slot];
    s.db.reset();
    s.inUse = 0;
}

OpenQlDb::OpenQlDb(const QString& folder, int check, bool exclusive) : mSlot(Open_Db(folder, check, exclusive)) {}

OpenQlDb::OpenQlDb(const QString& folder, long& count, int check, bool exclusive)
    : mSlot(Open_Db(folder, count, check, exclusive))
{
}

OpenQlDb::OpenQlDb(OpenQlDb&& other) noexcept : mSlot(std::exchange(other.mSlot, 0)) {}

OpenQlDb::~OpenQlDb()
{
    close();
}

void OpenQlDb::close()
{
    const int slot = std::exchange(mSlot, 0);
    // Closing only frees the slot's connection; it never fails for a slot that is open.
    if (slot >= 1 && slot <= 30 && qlDbState().DbTab[slot].db)
        Close_Db(slot);
}

Database& dbOfSlot(int slot)
{
    if (slot < 1 || slot > 30 || !qlDbState().DbTab[slot].db)
        throw TarnError(QStringLiteral("Object variable not set (Q-list database slot %1)").arg(slot), 91);
    return *qlDbState().DbTab[slot].db;
}

// ---- records

int NewRec_Db(int slot, const std::function<void()>& beforeCommit, bool* committed)
{
    Program& p = prog();
    qlDbState().DbOperation = QStringLiteral("QLDB: NewRec_Db");
    qlDbState().DbAenderung = true;
    auto& rec = p.QslRec;
    QString deleted;
    if (rec[2].trimmed() == QLatin1String("*")) {
        rec[1] = padCut(rec[1], 5);
        for (int i = 2; i <= 9; ++i)
            rec[i].clear();
        deleted = QStringLiteral("1");
    } else {
        deleted = QStringLiteral("0");
        for (int i = 1; i <= 9; ++i) {
            QString v = withoutTrailingBlanks(rec[i]);
            if (i == 4) {
                const QString t = withoutLeadingBlanks(v);
                if (t == QLatin1String("0") || t == QLatin1String("*"))
                    v.clear();
                if (v.isEmpty() && !rec[3].isEmpty())
                    v = QStringLiteral("  ");
            }
            if (!v.isEmpty())
                v = padCut(v, fieldWidth(i));
            rec[i] = v;
        }
    }

    Database& db = dbOfSlot(slot);
    const QString insert = QStringLiteral("insert into qldb (%1) values (?,?,?,?,?,?,?,?,?,?)").arg(Columns);
    QVariantList values;
    for (int i = 1; i <= 9; ++i)
        values << textOrNull(rec[i]);
    values << deleted;
    try {
        WriteTransaction t(db);
        db.execute(QStringLiteral("delete from qldb where ln=?"), {rec[1]});
        int result = 1;
        try {
            db.insert(insert, values);
        } catch (const DbError& e) {
            if (primaryCode(e) != SqliteConstraint)
                throw;
            // The identity belongs to another Q-list: keep the rest of the head.
            QVariantList noIdentity = values;
            for (int i = 1; i <= 4; ++i)
                noIdentity[i] = textOrNull(QString());
            db.insert(insert, noIdentity);
            result = -1;
        }
        if (beforeCommit)
            beforeCommit();
        t.commit();
        if (committed)
            *committed = true;
        return result;
    } catch (const DbError& e) {
        if (isBusy(e)) {
            MsgBoxRes(QStringLiteral("429"), 0, p.LangNr, {AnsiToOem(e.message())});
            return -1;
        }
        showDbError(e);
        throw ProgramEndRequested();
    }
}

void ReadRec_Db(int slot, long position, std::array<QString, 10>& record, QString& status, int first, int last)
{
    const QString number = LnFormat(position - 1);
    Snapshot s = dbOfSlot(slot).snapshot(QStringLiteral("select %1 from qldb where ln=?").arg(Columns), {number});
    if (s.eof())
        throw DbError(QStringLiteral("No current record (Q-list %1)").arg(number), 3021);
    if (s.text(QStringLiteral("deleted")) == QLatin1String("1")) {
        record[1] = s.text(QStringLiteral("ln"));
        record[2] = QStringLiteral("*");
    } else {
        for (int i = std::max(first, 1); i <= std::min(last, 9); ++i)
            record[i] = s.text(i - 1);
    }
    status = QStringLiteral("T");
}

int SaveRec_Db(const QString&, const QString& folder)
{
    const OpenQlDb db(folder, 0, false);
    if (!db)
        return 0;
    return NewRec_Db(db.slot());
}

// ---- look-ups

int standRank(const QString& stand)
{
    const QString s = stand.leftJustified(2, u' ').left(2);
    const QChar a = s[0];
    const double last = readLeadingNumber(QStringView(s).mid(1, 1));
    if (a == u' ')
        return s[1] == u' ' ? 0 : int(last);
    const QChar up = a.toUpper();
    if (up >= u'A' && up <= u'Z')
        return 10 * (up.unicode() - u'A' + 1) + int(last);
    if (a.isDigit())
        return 10 * int(readLeadingNumber(s));
    return 0;
}

void StandMax(QString& bestStand, const QString& stand, QString& bestNumber, const QString& number)
{
    if (standRank(stand) > standRank(bestStand)) {
        bestStand = stand;
        bestNumber = number;
    }
}

SuchLnResult SuchLn_Db(const QString&, int slot, int kind, const QString& key, const QString& mode)
{
    SuchLnResult r;
    Database& db = dbOfSlot(slot);
    if (kind == 7) {
        QString yk, stand;
        YkNorm(key, yk, stand);
        if (isItemNumberError(yk)) {
            MsgBoxRes(QStringLiteral("140"), 0, prog().LangNr, oemArgs({key}));
            r.found = QStringLiteral("ERROR");
            return r;
        }
        yk = padCut(yk, 17);
        stand = padCut(stand, 2);
        Snapshot exact = db.snapshot(QStringLiteral("select ln from qldb where yk=? and stand=?"), {yk, stand});
        if (!exact.eof()) {
            r.found = exact.text(0);
            r.position = long(readLeadingNumber(r.found)) + 1;
        }
        const bool standAsked = !(stand == QLatin1String("  ") || stand == QLatin1String(" *"));
        if (r.found.isEmpty() && mode != QLatin1String("2")) {
            Snapshot rows = db.snapshot(QStringLiteral("select ln, stand from qldb where yk=? order by stand asc"), {yk});
            QString bestStand, bestNumber;
            QStringList stands;
            for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
                QString st = rows.text(1);
                if (st.trimmed().isEmpty())
                    st = QStringLiteral(" 0");
                if (stands.isEmpty()) {
                    bestStand = st;
                    bestNumber = rows.text(0);
                } else {
                    StandMax(bestStand, st, bestNumber, rows.text(0));
                }
                stands << withoutLeadingBlanks(st);
            }
            if (stands.isEmpty()) {
                r.shown = QString(key).remove(u' ');
            } else {
                r.stands = stands.join(QStringLiteral(", "));
                r.shown = QString(yk).remove(u' ');
                if (bestStand != QLatin1String(" 0"))
                    r.shown += u'-' + QString(bestStand).remove(u' ');
                if (!standAsked) {
                    r.found = bestNumber;
                } else if (mode == QLatin1String("1")) {
                    r.found.clear();
                    r.stands.clear();
                } else {
                    r.found = bestNumber;
                    r.standNote = QStringLiteral("Stand");
                }
            }
        }
        return r;
    }
    QString column;
    switch (kind) {
    case 1: column = QStringLiteral("ln"); break;
    case 2: column = QStringLiteral("typ"); break;
    case 4: column = QStringLiteral("an"); break;
    default: return r;
    }
    const int width = kind == 1 ? 5 : 20;
    const QString k = padCut(withoutLeadingBlanks(key), width);
    Snapshot s = db.snapshot(QStringLiteral("select ln from qldb where %1=?").arg(column), {k});
    if (!s.eof()) {
        r.found = s.text(0);
        r.position = long(readLeadingNumber(r.found)) + 1;
    }
    return r;
}

void QslNumberReservation::giveBack()
{
    mPending = false;
    Program& p = prog();
    p.QslRec[1] = mNumber;
    p.QslRec[2] = QStringLiteral("*");
    NewRec_Db(mSlot);
}

QslNumberReservation::~QslNumberReservation()
{
    if (!mPending)
        return;
    try {
        giveBack();
    } catch (const std::exception&) {
        // The error that left the file unwritten is on its way to the user; a
        // failure to give the number back (told by NewRec_Db) must not replace it.
    }
}

QString allocateQslNumber(const QString& letter, int slot)
{
    Program& p = prog();
    qlDbState().DbOperation = QStringLiteral("QLDB: NewRec_Db");
    Database& db = dbOfSlot(slot);
    try {
        WriteTransaction t(db);
        QString number;
        Snapshot del = db.snapshot(QStringLiteral("select min(ln) from qldb where deleted='1'"));
        if (!del.eof() && !del.value(0).isNull()) {
            number = del.text(0);
            db.execute(QStringLiteral("update qldb set deleted='0' where ln=?"), {number});
        } else {
            Snapshot mx = db.snapshot(QStringLiteral("select max(ln) from qldb"));
            const long next = (mx.eof() || mx.value(0).isNull()) ? 0 : long(readLeadingNumber(mx.text(0))) + 1;
            number = LnFormat(next);
            if (next >= 99999) {
                MsgBoxRes(QStringLiteral("141"), 0, p.LangNr, {letter});
                return QString();
            }
            if (number.endsWith(QLatin1String("00"))) {
                const QString top = p.WorkStr[Slot::VqlDir] + letter + number.left(1);
                const QString sub = top + u'\\' + number.mid(1, 2);
                if (DCount(sub) == 0 && !QDir().mkpath(nativePath(top) + u'/' + number.mid(1, 2)))
                    throw TarnError(QStringLiteral("Path/File access error: %1").arg(sub), ErrNo::PathFileAccess);
            }
            db.execute(QStringLiteral("insert into qldb (ln, deleted) values (?, '0')"), {number});
        }
        t.commit();
        qlDbState().DbAenderung = true;
        return number;
    } catch (const DbError& e) {
        if (isBusy(e))
            MsgBoxRes(QStringLiteral("429"), 0, p.LangNr, {AnsiToOem(e.message())});
        else
            showDbError(e);
        return QString();
    }
}
