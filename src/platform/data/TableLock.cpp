#include "platform/data/TableLock.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

namespace data {

void lockTable(Connection& c, const QString& table, const QString& busyMessage)
{
    if (c.transactionDepth() == 0)
        throw Error(QStringLiteral("没有进行中的事务。"));
    for (const QString& sql : c.dialect().writeLockSql(table)) {
        QSqlQuery q = c.newQuery();
        if (q.exec(sql))
            continue;
        if (c.dialect().isLockTimeout(q.lastError()))
            throw Error(busyMessage);
        throwQueryError(q);
    }
}

}  // namespace data
