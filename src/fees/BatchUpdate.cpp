#include "fees/BatchUpdate.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"

namespace fees {

BatchUpdate::BatchUpdate(data::Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch)
    : m_arrays(c.backend() == data::Backend::PostgreSQL),
      m_batch(!m_arrays ? 1 : rowsPerBatch > 0 ? rowsPerBatch : 2000),
      m_columnCount(int(columns.size())),
      m_update(c.newQuery()),
      m_values(m_arrays ? columns.size() + 1 : 0)
{
    const QString rid = QLatin1String(data::kRowIdColumn);
    QStringList sets, arrays, names{rid};
    for (const QString& col : columns) {
        // Bound by name on the embedded database: the driver's cheaper path.
        sets << QStringLiteral("%1 = %2").arg(col, (m_arrays ? QStringLiteral("u.") : QStringLiteral(":")) + col);
        names << col;
    }
    QString sql;
    if (m_arrays) {
        for (const QString& col : names)
            arrays << QStringLiteral("CAST(? AS %1)").arg(serverArrayType(table, col));
        sql = QStringLiteral("UPDATE %1 SET %2 FROM unnest(%3) AS u(%4) WHERE %1.%5 = u.%5")
                  .arg(table, sets.join(QStringLiteral(", ")), arrays.join(QStringLiteral(", ")),
                       names.join(QStringLiteral(", ")), rid);
    } else {
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :%3").arg(table, sets.join(QStringLiteral(", ")), rid);
        m_names = names;
        for (QString& n : m_names)
            n.prepend(u':');
    }
    if (!m_update.prepare(sql))
        data::throwQueryError(m_update);
}

void BatchUpdate::add(qint64 rid, const QVariantList& values)
{
    if (values.size() != m_columnCount)
        throw data::Error(QStringLiteral("更新的值与列数不符。"));
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
        data::throwQueryError(m_update);
    m_changed += m_update.numRowsAffected();
    m_held = 0;
}

}  // namespace fees
