#pragma once
#include "frame/errors.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QHash>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

// The databases of the program are SQLite files opened through QtSql. This layer
// offers what the code expects of the old engine: read-only snapshots (all rows
// in memory), statements with bound parameters only, and Jet's LIKE with "*", "?"
// and "#" as the SQL function JETLIKE(value, pattern), case-insensitive.

class DbError : public TarnError {
public:
    DbError(const QString& text, int nativeCode)
        : TarnError(text, ErrNo::Database), mNativeCode(nativeCode) {}
    int nativeCode() const noexcept { return mNativeCode; }

private:
    int mNativeCode;
};

// A static copy of the rows of a query: move first/next/previous, find.
class Snapshot {
public:
    Snapshot() = default;
    Snapshot(QStringList fields, std::vector<QVariantList> rows);

    int recordCount() const { return int(mRows.size()); }
    bool eof() const { return mPos >= int(mRows.size()) || mRows.empty(); }
    bool bof() const { return mPos < 0 || mRows.empty(); }
    void moveFirst() { mPos = 0; }
    void moveLast() { mPos = int(mRows.size()) - 1; }
    void moveNext() { if (mPos < int(mRows.size())) ++mPos; }
    void movePrevious() { if (mPos >= 0) --mPos; }
    int position() const { return mPos; }
    void setPosition(int row) { mPos = row; }

    const QStringList& fields() const { return mFields; }
    int fieldIndex(const QString& name) const; // case-insensitive; -1
    QVariant value(const QString& name) const; // of the current row; throws on unknown field
    QVariant value(int index) const;
    // Text of a field: Null gives the empty text.
    QString text(const QString& name) const;
    QString text(int index) const;

    // Moves to the first (next) row for which pred holds; returns false and keeps
    // no row current (noMatch) when none does.
    bool findFirst(const std::function<bool(const Snapshot&)>& pred);
    bool findNext(const std::function<bool(const Snapshot&)>& pred);
    // Convenience: field equals value, compared case-insensitively as the engine did.
    bool findFirst(const QString& field, const QString& value);
    bool noMatch() const { return mNoMatch; }

    const std::vector<QVariantList>& rows() const { return mRows; }

private:
    QStringList mFields;
    std::vector<QVariantList> mRows;
    int mPos = 0;
    bool mNoMatch = false;
};

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file (design path); throws DbError when missing
    // or unreadable. Read-only opens never write the file.
    static std::unique_ptr<Database> open(const QString& path, bool readOnly);
    // Opens or creates a database file for writing.
    static std::unique_ptr<Database> create(const QString& path);

    Snapshot snapshot(const QString& sql, const QVariantList& params = {}) const;
    // Executes one statement; returns the number of rows changed.
    int execute(const QString& sql, const QVariantList& params = {});
    // Executes a statement and returns the new row's id.
    qint64 insert(const QString& sql, const QVariantList& params = {});
    // Executes a script of statements separated by ";" at line ends.
    void executeScript(const QString& script);

    void beginTransaction();
    void commit();
    void rollback();

    bool readOnly() const { return mReadOnly; }
    const QString& path() const { return mPath; }
    QSqlDatabase connection() const;

    // While on, snapshot() of a read-only database answers a statement it has
    // already run with the same parameters from memory: during a prediction the
    // reference data cannot change, and the same few questions are asked for
    // every position. Switching it off forgets every answer; any statement that
    // may write forgets them too.
    void setLookupCache(bool on);
    bool lookupCache() const { return mCacheOn; }
    // Statements answered by the database itself since the cache was last
    // switched on (or since the database was opened).
    int statementsRun() const { return mStatementsRun; }

private:
    Database(QString connectionName, QString path, bool readOnly);
    Snapshot query(const QString& sql, const QVariantList& params) const;
    void forgetAnswers();
    QString mConnection;
    QString mPath;
    bool mReadOnly;
    bool mCacheOn = false;
    mutable int mStatementsRun = 0;
    mutable QHash<QString, Snapshot> mAnswers;
};

// Rolls back unless committed.
class DbTransaction {
public:
    explicit DbTransaction(Database& db) : mDb(db) { mDb.beginTransaction(); }
    ~DbTransaction()
    {
        if (!mDone) {
            try { mDb.rollback(); } catch (...) {}
        }
    }
    void commit() { mDb.commit(); mDone = true; }

private:
    Database& mDb;
    bool mDone = false;
};

// How long an open or a statement waits for another process's lock on the
// database file before it fails (5 s unless set). Tests that provoke a lock
// set it short; a connection takes the value current when it is opened.
void setDatabaseBusyTimeout(int milliseconds);
int databaseBusyTimeout();

// Jet LIKE pattern match ("*" any run, "?" one character, "#" one digit,
// "[...]" a set), case-insensitive.
bool jetLikeMatch(const QString& value, const QString& pattern);
