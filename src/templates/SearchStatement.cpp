#include "templates/SearchStatement.h"

#include "platform/data/Error.h"
#include "platform/data/Field.h"
#include "platform/data/Query.h"

namespace {

const data::ColumnDef* columnDef(const QString& table, const QString& column)
{
    if (const data::TableDef* t = data::findTable(table))
        for (const data::ColumnDef& c : t->columns)
            if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
                return &c;
    return nullptr;
}

}  // namespace

QString SearchStatement::columnOf(const QString& caption) const
{
    for (const SearchField& f : fields)
        if (f.caption == caption)
            return f.column;
    return QString();
}

QString SearchStatement::conditionText(const QVector<SearchCondition>& rows) const
{
    QString text;
    for (int i = 0; i < rows.size(); ++i) {
        const SearchCondition& r = rows[i];
        const QString column = columnOf(r.field);
        if (column.isEmpty())
            throw data::Error(QStringLiteral("查找字段“%1”不在可查找的字段之中。").arg(r.field));
        if (!operators.contains(r.op))
            throw data::Error(QStringLiteral("查找条件“%1”不在可用的条件之中。").arg(r.op));
        if (i > 0)
            text += r.relation == QStringLiteral("并且") ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
        text += column + r.op + QStringLiteral(":v%1").arg(i);
    }
    return text;
}

void SearchStatement::prepare(data::Query& q, const QVector<SearchCondition>& rows) const
{
    // Everything is checked before the query is touched, so a refused search
    // leaves the last result as it was.
    const QString line = conditionText(rows);
    QVector<data::ColType> types;
    for (const SearchCondition& r : rows) {
        const data::ColumnDef* c = columnDef(table, columnOf(r.field));
        types << (c ? c->type : data::ColType::String);
        data::normalizeValue(r.value, types.last(), 0, 6, QStringLiteral("“%1”").arg(r.field));
    }
    q.close();
    q.sql().clear();
    q.sql() << head << line << QStringLiteral("ORDER BY rid");
    for (int i = 0; i < rows.size(); ++i) {
        data::Param& p = q.param(QStringLiteral("v%1").arg(i));
        switch (types[i]) {
        case data::ColType::Integer: p.setInteger(rows[i].value); break;
        case data::ColType::Decimal: p.setDecimal(rows[i].value); break;
        case data::ColType::DateTime: p.setDateTime(rows[i].value); break;
        case data::ColType::String:
        case data::ColType::Memo: p.setString(rows[i].value); break;
        }
    }
}
