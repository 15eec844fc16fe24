#include "platform/data/BatchInsert.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

namespace data {

BatchInsert::BatchInsert(Connection& c, const QString& table, const QStringList& columns, int rowsPerBatch)
    : m_arrays(c.dialect().batchesAsArrays()),
      m_batch(!m_arrays ? 1 : rowsPerBatch > 0 ? rowsPerBatch : 2000),
      m_columnCount(int(columns.size())),
      m_insert(c.newQuery()),
      m_values(m_arrays ? columns.size() : 0)
{
    if (!m_arrays)
        for (const QString& col : columns)
            m_names << u':' + col;
    if (!m_insert.prepare(c.dialect().batchInsertSql(table, columns)))
        throwQueryError(m_insert);
}

void BatchInsert::add(const QVariantList& row)
{
    if (row.size() != m_columnCount)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    for (int i = 0; i < m_columnCount; ++i) {
        if (m_arrays)
            m_values[i].append(row[i]);
        else
            m_insert.bindValue(m_names[i], row[i]);
    }
    if (++m_held == m_batch)
        write();
}

void BatchInsert::addUtf8(const char* text, int bytes)
{
    if (m_column >= m_columnCount)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    if (m_arrays)
        m_values[m_column].appendUtf8(text, bytes);
    else
        m_insert.bindValue(m_names[m_column], QString::fromUtf8(text, bytes));
    ++m_column;
}

void BatchInsert::addNull()
{
    if (m_column >= m_columnCount)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    if (m_arrays)
        m_values[m_column].appendNull();
    else
        m_insert.bindValue(m_names[m_column], QVariant());
    ++m_column;
}

void BatchInsert::endRow()
{
    if (m_column != m_columnCount)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    m_column = 0;
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
        throwQueryError(m_insert);
    m_written += m_held;
    m_held = 0;
}

}  // namespace data
