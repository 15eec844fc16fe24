#include "platform/data/IndexesAside.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"

namespace data {

void loadWithIndexesAside(Connection& c, const QString& table, const std::function<void()>& load,
                          const std::function<void()>& built)
{
    const QList<IndexDef> indexes = c.dialect().secondaryIndexes(c, table);
    for (const IndexDef& ix : indexes)
        c.exec(QStringLiteral("DROP INDEX %1").arg(ix.name));
    load();
    for (const IndexDef& ix : indexes) {
        c.exec(ix.createSql);
        if (built)
            built();
    }
}

}  // namespace data
