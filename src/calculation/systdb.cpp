#include "calculation/systdb.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace {
// Table and column names come from the code, never from data; refuse anything
// else rather than paste it into a statement.
bool isPlainName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}
} // namespace

QString DalesXls(const QString& Table, const QString& KeyColumn, const QString& KeyValue, const QString& Field)
{
    try {
        if (!isPlainName(Table) || !isPlainName(KeyColumn) || !isPlainName(Field))
            throw DbError(QStringLiteral("Invalid name in query"), 3075);
        Database* db = prog().SystDb.get();
        if (!db)
            throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
        const Snapshot s = db->snapshot(QStringLiteral("SELECT [%1] FROM [%2] WHERE [%3] = ?").arg(Field, Table, KeyColumn),
                                        {KeyValue});
        if (s.recordCount() == 0)
            return QString();
        return s.text(0);
    } catch (const DbError& e) {
        MsgBoxRes(QStringLiteral("473"), 0, prog().LangNr,
                  {QStringLiteral("  XHAP: DalesXls !   "), QString::number(e.nativeCode()), e.message()});
        throw;
    }
}
