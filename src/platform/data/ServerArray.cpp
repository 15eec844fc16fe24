#include "platform/data/ServerArray.h"

#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"

namespace data {

QString serverArrayType(const QString& table, const QString& column)
{
    if (column.compare(QLatin1String(kRowIdColumn), Qt::CaseInsensitive) == 0)
        return QStringLiteral("bigint[]");
    if (const TableDef* t = findTable(table))
        for (const ColumnDef& c : t->columns)
            if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
                switch (c.type) {
                case ColType::Decimal:
                    return QStringLiteral("numeric[]");
                case ColType::Integer:
                    return QStringLiteral("bigint[]");
                case ColType::DateTime:
                    return QStringLiteral("timestamp[]");
                case ColType::String:
                case ColType::Memo:
                    return QStringLiteral("text[]");
                }
            }
    throw Error(QStringLiteral("表 %1 没有列 %2。").arg(table, column));
}

void ServerArray::append(const QVariant& v)
{
    m_text += m_text.isEmpty() ? u'{' : u',';
    if (v.isNull()) {
        m_text += QStringLiteral("NULL");
        return;
    }
    // Quoted, with quotes and backslashes escaped: any text, "NULL" included,
    // is read back as itself.
    m_text += u'"';
    for (QChar ch : v.toString()) {
        if (ch == u'"' || ch == u'\\')
            m_text += u'\\';
        m_text += ch;
    }
    m_text += u'"';
}

QString ServerArray::take()
{
    QString out = m_text.isEmpty() ? QStringLiteral("{}") : m_text + u'}';
    m_text.clear();
    return out;
}

}  // namespace data
