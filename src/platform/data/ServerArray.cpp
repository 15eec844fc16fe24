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
    if (v.isNull()) {
        appendNull();
        return;
    }
    const QByteArray text = v.toString().toUtf8();
    appendUtf8(text.constData(), int(text.size()));
}

void ServerArray::appendNull()
{
    m_text += m_text.isEmpty() ? '{' : ',';
    m_text += "NULL";
}

void ServerArray::appendUtf8(const char* text, int bytes)
{
    m_text += m_text.isEmpty() ? '{' : ',';
    // Quoted, with quotes and backslashes escaped: any text, "NULL" included,
    // is read back as itself. Both are single bytes that no multi-byte
    // character contains.
    m_text += '"';
    const char* end = text + bytes;
    for (const char* run = text; run < end;) {
        const char* stop = run;
        while (stop < end && *stop != '"' && *stop != '\\')
            ++stop;
        m_text.append(run, stop - run);
        if (stop < end) {
            m_text += '\\';
            m_text += *stop++;
        }
        run = stop;
    }
    m_text += '"';
}

QString ServerArray::take()
{
    QString out = m_text.isEmpty() ? QStringLiteral("{}") : QString::fromUtf8(m_text) + u'}';
    m_text.clear();
    return out;
}

}  // namespace data
