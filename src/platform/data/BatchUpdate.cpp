#include "platform/data/BatchUpdate.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"

namespace data {

BatchUpdate::BatchUpdate(Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch)
    : m_arrays(c.dialect().batchesAsArrays()),
      m_batch(!m_arrays ? 1 : rowsPerBatch > 0 ? rowsPerBatch : 2000),
      m_columnCount(int(columns.size())),
      m_update(c.newQuery()),
      m_values(m_arrays ? columns.size() + 1 : 0)
{
    if (!m_arrays) {
        m_names << u':' + QLatin1String(kRowIdColumn);
        for (const QString& col : columns)
            m_names << u':' + col;
    }
    if (!m_update.prepare(c.dialect().batchUpdateSql(table, columns)))
        throwQueryError(m_update);
}

void BatchUpdate::add(qint64 rid, const QVariantList& values)
{
    if (values.size() != m_columnCount)
        throw Error(QStringLiteral("更新的值与列数不符。"));
    if (m_arrays) {
        m_values[0].append(rid);
        for (int i = 0; i < m_columnCount; ++i)
            m_values[i + 1].append(values[i]);
    } else {
        m_update.bindValue(m_names[0], rid);
        for (int i = 0; i < m_columnCount; ++i)
            m_update.bindValue(m_names[i + 1], values[i]);
    }
    if (++m_held == m_batch)
        write();
}

void BatchUpdate::flush()
{
    if (m_held > 0)
        write();
}

void BatchUpdate::write()
{
    for (size_t i = 0; i < m_values.size(); ++i)
        m_update.bindValue(int(i), m_values[i].take());
    if (!m_update.exec())
        throwQueryError(m_update);
    m_changed += m_update.numRowsAffected();
    m_held = 0;
}

}  // namespace data
