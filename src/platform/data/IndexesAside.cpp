#include "platform/data/IndexesAside.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

namespace data {

void loadWithIndexesAside(Connection& c, const QString& table, const std::function<void()>& load,
                          const std::function<void()>& built)
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
    for (const IndexDef& ix : indexes) {
        c.exec(ix.createSql);
        if (built)
            built();
    }
}

}  // namespace data
