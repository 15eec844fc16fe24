#include "platform/data/IndexesAside.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/data/StatementTicker.h"

namespace data {

void loadWithIndexesAside(Connection& c, const QString& table, const std::function<void()>& load,
                          StatementTicker& ticker)
{
    QList<IndexDef> indexes = c.dialect().secondaryIndexes(c, table);
    try {
        Transaction drop(c);
        for (const IndexDef& ix : indexes)
            c.exec(QStringLiteral("DROP INDEX %1").arg(ix.name));
        drop.commit();
    } catch (const Error&) {
        // Only the owner may drop an index on a server: a user who may write
        // the rows but not own the table loads with the indexes in place.
        indexes.clear();
    }
    load();
    for (const IndexDef& ix : indexes)
        ticker.run(ix.createSql);
}

}  // namespace data
