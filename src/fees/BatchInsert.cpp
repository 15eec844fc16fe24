#include "fees/BatchInsert.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"

namespace fees {

BatchInsert::BatchInsert(data::Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch)
    : m_arrays(c.backend() == data::Backend::PostgreSQL),
      m_batch(!m_arrays ? 1 : rowsPerBatch > 0 ? rowsPerBatch : 2000),
      m_columnCount(int(columns.size())),
      m_insert(c.newQuery()),
      m_values(m_arrays ? columns.size() : 0)
{
    QStringList sources;
    for (const QString& col : columns) {
        if (m_arrays) {
            sources << QStringLiteral("CAST(? AS %1)").arg(serverArrayType(table, col));
        } else {
            // Bound by name: the driver's cheaper path for many executions.
            m_names << u':' + col;
            sources << m_names.back();
        }
    }
    const QString sql = m_arrays ? QStringLiteral("INSERT INTO %1 (%2) SELECT * FROM unnest(%3)")
                                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)");
    if (!m_insert.prepare(sql.arg(table, columns.join(QStringLiteral(", ")), sources.join(QStringLiteral(", ")))))
        data::throwQueryError(m_insert);
}

void BatchInsert::add(const QVariantList& row)
{
    if (row.size() != m_columnCount)
        throw data::Error(QStringLiteral("插入的值与列数不符。"));
    for (int i = 0; i < m_columnCount; ++i) {
        if (m_arrays)
            m_values[i].append(row[i]);
        else
            m_insert.bindValue(m_names[i], row[i]);
    }
    if (++m_held == m_batch)
        write();
}

void BatchInsert::flush()
{
    if (m_held > 0)
        write();
}

void BatchInsert::write()
{
    for (int i = 0; m_arrays && i < m_columnCount; ++i)
        m_insert.bindValue(i, m_values[i].take());
    if (!m_insert.exec())
        data::throwQueryError(m_insert);
    m_written += m_held;
    m_held = 0;
}

}  // namespace fees
