#include "frame/database.h"
#include "frame/paths.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <sqlite3.h>

namespace {
std::atomic<int> gConnectionCounter{0};
std::atomic<int> gBusyTimeout{5000};

bool likeAt(const QString& v, int vi, const QString& p, int pi)
{
    while (pi < p.size()) {
        const QChar c = p[pi];
        if (c == u'*') {
            while (pi < p.size() && p[pi] == u'*')
                ++pi;
            if (pi == p.size())
                return true;
            for (int k = vi; k <= v.size(); ++k)
                if (likeAt(v, k, p, pi))
                    return true;
            return false;
        }
        if (vi >= v.size())
            return false;
        if (c == u'?') {
            ++vi;
            ++pi;
        } else if (c == u'#') {
            if (!v[vi].isDigit())
                return false;
            ++vi;
            ++pi;
        } else if (c == u'[') {
            const int close = int(p.indexOf(u']', pi + 1));
            if (close < 0)
                return false;
            QString set = p.mid(pi + 1, close - pi - 1);
            bool negate = set.startsWith(u'!');
            if (negate)
                set.remove(0, 1);
            bool in = false;
            const QChar ch = v[vi].toUpper();
            for (int k = 0; k < set.size(); ++k) {
                if (k + 2 < set.size() && set[k + 1] == u'-') {
                    if (ch >= set[k].toUpper() && ch <= set[k + 2].toUpper())
                        in = true;
                    k += 2;
                } else if (set[k].toUpper() == ch) {
                    in = true;
                }
            }
            if (in == negate)
                return false;
            ++vi;
            pi = close + 1;
        } else {
            if (v[vi].toUpper() != c.toUpper())
                return false;
            ++vi;
            ++pi;
        }
    }
    return vi == v.size();
}

void jetLikeSql(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* v = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, jetLikeMatch(QString::fromUtf8(v), QString::fromUtf8(p)) ? 1 : 0);
}

[[noreturn]] void throwDb(const QString& what, const QSqlError& e)
{
    throw DbError(QStringLiteral("%1: %2").arg(what, e.text()), e.nativeErrorCode().toInt());
}

// Every value goes in as a bound parameter, never as SQL text.
void prepareAndRun(QSqlQuery& q, const QString& sql, const QVariantList& params)
{
    if (!q.prepare(sql))
        throwDb(sql, q.lastError());
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec())
        throwDb(sql, q.lastError());
}
} // namespace

bool jetLikeMatch(const QString& value, const QString& pattern)
{
    return likeAt(value, 0, pattern, 0);
}

// ---- Snapshot

Snapshot::Snapshot(QStringList fields, std::vector<QVariantList> rows)
    : mFields(std::move(fields)), mRows(std::move(rows))
{
}

int Snapshot::fieldIndex(const QString& name) const
{
    for (int i = 0; i < mFields.size(); ++i)
        if (mFields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Snapshot::value(int index) const
{
    if (mPos < 0 || mPos >= int(mRows.size()))
        throw DbError(QStringLiteral("No current record"), 3021);
    if (index < 0 || index >= mFields.size())
        throw DbError(QStringLiteral("Item not found in this collection"), 3265);
    return mRows[mPos][index];
}

QVariant Snapshot::value(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Item not found in this collection: %1").arg(name), 3265);
    return value(i);
}

QString Snapshot::text(const QString& name) const
{
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

QString Snapshot::text(int index) const
{
    const QVariant v = value(index);
    return v.isNull() ? QString() : v.toString();
}

bool Snapshot::findFirst(const std::function<bool(const Snapshot&)>& pred)
{
    mPos = -1;
    return findNext(pred);
}

bool Snapshot::findNext(const std::function<bool(const Snapshot&)>& pred)
{
    const int start = mPos;
    for (int i = start + 1; i < int(mRows.size()); ++i) {
        mPos = i;
        if (pred(*this)) {
            mNoMatch = false;
            return true;
        }
    }
    mPos = start < 0 ? 0 : start;
    mNoMatch = true;
    return false;
}

bool Snapshot::findFirst(const QString& field, const QString& value)
{
    const int idx = fieldIndex(field);
    if (idx < 0)
        throw DbError(QStringLiteral("Item not found in this collection: %1").arg(field), 3265);
    return findFirst([&](const Snapshot& s) {
        const QVariant v = s.mRows[s.mPos][idx];
        return !v.isNull() && v.toString().compare(value, Qt::CaseInsensitive) == 0;
    });
}

// ---- Database

Database::Database(QString connectionName, QString path, bool readOnly)
    : mConnection(std::move(connectionName)), mPath(std::move(path)), mReadOnly(readOnly)
{
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(mConnection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(mConnection);
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(mConnection, false);
}

void setDatabaseBusyTimeout(int milliseconds)
{
    gBusyTimeout = milliseconds;
}

int databaseBusyTimeout()
{
    return gBusyTimeout.load();
}

static std::unique_ptr<Database> openImpl(const QString& path, bool readOnly, bool mustExist,
                                          const std::function<std::unique_ptr<Database>(QString)>& make)
{
    const QString file = nativePath(path);
    if (mustExist && !QFileInfo(file).isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(path), 3024);
    const QString name = QStringLiteral("tarn_db_%1").arg(++gConnectionCounter);
    std::unique_ptr<Database> db = make(name);
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(file);
        const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=") + QString::number(gBusyTimeout.load());
        c.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") + busy : busy);
        if (!c.open())
            throwDb(QStringLiteral("Cannot open database '%1'").arg(path), c.lastError());
        const QVariant h = c.driver()->handle();
        if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0) {
            sqlite3* handle = *static_cast<sqlite3* const*>(h.data());
            if (handle)
                sqlite3_create_function(handle, "JETLIKE", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                        &jetLikeSql, nullptr, nullptr);
        }
        // Touch the schema so a file that is no database fails here, not later.
        QSqlQuery q(c);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            throwDb(QStringLiteral("Cannot open database '%1'").arg(path), q.lastError());
    }
    return db;
}

std::unique_ptr<Database> Database::open(const QString& path, bool readOnly)
{
    return openImpl(path, readOnly, true, [&](QString name) {
        return std::unique_ptr<Database>(new Database(std::move(name), path, readOnly));
    });
}

std::unique_ptr<Database> Database::create(const QString& path)
{
    return openImpl(path, false, false, [&](QString name) {
        return std::unique_ptr<Database>(new Database(std::move(name), path, false));
    });
}

void Database::setLookupCache(bool on)
{
    if (on && !mCacheOn)
        mStatementsRun = 0;
    mCacheOn = on;
    mAnswers.clear();
}

void Database::forgetAnswers()
{
    mAnswers.clear();
}

namespace {
// The question as one key: the statement and each parameter with its type, so
// that the number 1 and the text "1" stay different questions.
QString questionKey(const QString& sql, const QVariantList& params)
{
    QString key = sql;
    for (const QVariant& p : params) {
        key += QChar(0x1F);
        if (p.isNull()) {
            key += u'N';
            continue;
        }
        key += QString::number(p.typeId()) + u':';
        if (p.typeId() == QMetaType::Double)
            key += QString::number(p.toDouble(), 'g', 17);
        else
            key += p.toString();
    }
    return key;
}
} // namespace

Snapshot Database::snapshot(const QString& sql, const QVariantList& params) const
{
    if (!mCacheOn || !mReadOnly)
        return query(sql, params);
    const QString key = questionKey(sql, params);
    const auto known = mAnswers.constFind(key);
    if (known != mAnswers.constEnd())
        return *known;
    Snapshot answer = query(sql, params);
    mAnswers.insert(key, answer);
    return answer;
}

Snapshot Database::query(const QString& sql, const QVariantList& params) const
{
    ++mStatementsRun;
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    prepareAndRun(q, sql, params);
    QStringList fields;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i);
    std::vector<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i)
            row << q.value(i);
        rows.push_back(std::move(row));
    }
    return Snapshot(std::move(fields), std::move(rows));
}

int Database::execute(const QString& sql, const QVariantList& params)
{
    forgetAnswers();
    QSqlQuery q(connection());
    prepareAndRun(q, sql, params);
    return q.numRowsAffected();
}

qint64 Database::insert(const QString& sql, const QVariantList& params)
{
    forgetAnswers();
    QSqlQuery q(connection());
    prepareAndRun(q, sql, params);
    return q.lastInsertId().toLongLong();
}

void Database::executeScript(const QString& script)
{
    forgetAnswers();
    QString current;
    const QStringList lines = script.split(u'\n');
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("--")) && current.trimmed().isEmpty())
            continue;
        current += raw + u'\n';
        if (line.endsWith(u';')) {
            QSqlQuery q(connection());
            if (!q.exec(current))
                throwDb(current.trimmed(), q.lastError());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) {
        QSqlQuery q(connection());
        if (!q.exec(current))
            throwDb(current.trimmed(), q.lastError());
    }
}

void Database::beginTransaction()
{
    if (!connection().transaction())
        throwDb(QStringLiteral("BEGIN"), connection().lastError());
}

void Database::commit()
{
    if (!connection().commit())
        throwDb(QStringLiteral("COMMIT"), connection().lastError());
}

void Database::rollback()
{
    if (!connection().rollback())
        throwDb(QStringLiteral("ROLLBACK"), connection().lastError());
}
