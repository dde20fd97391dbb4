#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// The row set of one browser query on a Q-list database: the numbers of its rows
// in the query's order, read once, and the rows themselves read page by page by
// their numbers. Paging through tens of thousands of Q-lists thus reads only the
// rows shown; a row changed meanwhile shows its new values, and only a change of
// the set itself (a deletion, a new Q-list) needs the query again.
class QldbRows {
public:
    QldbRows(int slot, QString sql, QVariantList params);

    // Runs the query (again). Throws DbError.
    void requery();
    long recordCount() const { return long(mKeys.size()); }
    // Rows from index first (from 0), at most n of them, each with the ten columns
    // ln, typ, yk, stand, an, tec, code, anl, be, deleted (Null for an empty field).
    // Throws DbError.
    std::vector<QVariantList> fetch(long first, long n) const;
    int slot() const { return mSlot; }
    const QString& sql() const { return mSql; }
    const QVariantList& params() const { return mParams; }

private:
    int mSlot;
    QString mSql;
    QVariantList mParams;
    QStringList mKeys;
};

// The browser's query of one view on the database of slot:
//   view 0 type, 1 item number (a filter "item-stand" with three "-" also asks the
//   stand), 2 user number, 3 numbers from the filter's number on, 4 all numbers
//   with the deleted ones, 5 code, 6 plant, 7 description.
// The filter is a prefix in the database's pattern language ("*", "?", "#"); it
// reaches the database as a bound value, so any character in it is plain text.
// View 1 cuts the stand off the filter, view 3 pads it to five digits. count gets
// the number of rows (view 4: knownCount); rows is replaced only when count > 0.
// View 4 with a filter number n, 0 <= n < count, sets firstRow = n. Clears
// DbAenderung. Throws DbError.
void Select_Db(int slot, std::shared_ptr<QldbRows>& rows, QString& filter, long& count, int view, long& firstRow,
               long knownCount);
