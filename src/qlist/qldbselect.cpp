#include "qlist/qldbselect.h"
#include "frame/database.h"
#include "frame/numbers.h"
#include "frame/program.h"
#include "qlist/qldb.h"

#include <QHash>

namespace {
const QString Columns = QStringLiteral("ln,typ,yk,stand,an,tec,code,anl,be,deleted");
constexpr int ColumnCount = 10;
// SQLite refuses statements with more bound values than this; pages are smaller.
constexpr long KeysPerStatement = 500;

QString sortColumn(int view)
{
    switch (view) {
    case 0: return QStringLiteral("typ");
    case 1: return QStringLiteral("yk");
    case 2: return QStringLiteral("an");
    case 5: return QStringLiteral("code");
    case 6: return QStringLiteral("anl");
    case 7: return QStringLiteral("be");
    default: return QString();
    }
}
} // namespace

QldbRows::QldbRows(int slot, QString sql, QVariantList params)
    : mSlot(slot), mSql(std::move(sql)), mParams(std::move(params))
{
}

void QldbRows::requery()
{
    // Only the numbers: the keyset of the query in its order.
    const QString keysSql = QString(mSql).replace(QStringLiteral("select ") + Columns, QStringLiteral("select ln"));
    const Snapshot s = dbOfSlot(mSlot).snapshot(keysSql, mParams);
    QStringList keys;
    keys.reserve(s.recordCount());
    for (const QVariantList& row : s.rows())
        keys << row.value(0).toString();
    mKeys = std::move(keys);
}

std::vector<QVariantList> QldbRows::fetch(long first, long n) const
{
    std::vector<QVariantList> out;
    if (first < 0 || n <= 0 || first >= recordCount())
        return out;
    const long last = std::min(recordCount(), first + n);
    QHash<QString, QVariantList> byKey;
    for (long from = first; from < last; from += KeysPerStatement) {
        const long to = std::min(last, from + KeysPerStatement);
        QVariantList params;
        QStringList marks;
        for (long i = from; i < to; ++i) {
            params << mKeys[i];
            marks << QStringLiteral("?");
        }
        const Snapshot s = dbOfSlot(mSlot).snapshot(
            QStringLiteral("select %1 from qldb where ln in (%2)").arg(Columns, marks.join(u',')), params);
        for (const QVariantList& row : s.rows())
            byKey.insert(row.value(0).toString(), row);
    }
    out.reserve(std::size_t(last - first));
    for (long i = first; i < last; ++i) {
        // A row removed behind the browser's back reads as an empty row.
        QVariantList row = byKey.value(mKeys[i]);
        while (row.size() < ColumnCount)
            row << QVariant(QMetaType::fromType<QString>());
        out.push_back(std::move(row));
    }
    return out;
}

void Select_Db(int slot, std::shared_ptr<QldbRows>& rows, QString& filter, long& count, int view, long& firstRow,
               long knownCount)
{
    const QString column = sortColumn(view);
    QString stand;
    if (view == 1 && filter.count(u'-') >= 3) {
        qsizetype at = -1;
        for (int k = 0; k < 3; ++k)
            at = filter.indexOf(u'-', at + 1);
        stand = filter.mid(at + 1);
        filter = filter.left(at);
        // Stands are stored right-aligned in two characters.
        if (stand.size() == 1)
            stand.prepend(u' ');
    }
    qlDbState().DbAenderung = false;

    const QString head = QStringLiteral("select %1 from qldb").arg(Columns);
    QString sql;
    QVariantList params;
    if (view == 3) {
        if (!filter.isEmpty()) {
            filter = (QStringLiteral("00000") + filter).right(5);
            sql = head + QStringLiteral(" where deleted='0' and ln >= ? order by ln asc");
            params << filter;
        } else {
            sql = head + QStringLiteral(" where deleted='0' order by ln asc");
        }
    } else if (view == 4) {
        sql = head + QStringLiteral(" order by ln asc");
    } else if (!filter.isEmpty()) {
        // The filter is a prefix pattern; JETLIKE keeps "%" and "_" plain.
        sql = head + QStringLiteral(" where jetlike(%1, ?) and deleted='0'").arg(column);
        params << filter + u'*';
        if (!stand.isEmpty()) {
            sql += QStringLiteral(" and stand = ?");
            params << stand;
        }
        sql += QStringLiteral(" order by %1,stand asc").arg(column);
    } else {
        sql = head + QStringLiteral(" where deleted='0' and %1 <>'' order by %1,stand asc").arg(column);
    }

    auto set = std::make_shared<QldbRows>(slot, sql, params);
    set->requery();
    if (view == 4) {
        count = knownCount;
        if (!filter.isEmpty()) {
            const long n = long(readLeadingNumber(filter));
            if (n + 1 >= 1 && n + 1 <= count)
                firstRow = n;
        }
    } else {
        count = set->recordCount();
    }
    if (count > 0)
        rows = std::move(set);
}
