#include "fees/ReportScope.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"

namespace fees {

QString ReportScope::buildingCondition(const QString& column) const
{
    return buildId ? QStringLiteral(" and %1=?").arg(column) : QString();
}

void ReportScope::bindTo(QVariantList& params) const
{
    if (buildId)
        params << *buildId;
}

QString sumColumn(const data::Connection& c, const QString& column, const QString& alias)
{
    return c.dialect().sumCentsSql(column) + QStringLiteral(" as ") + alias;
}

data::Decimal summed(const QVariant& cents)
{
    const data::Decimal d = data::Decimal::fromVariant(cents);
    if (d.isNull())
        return d;
    return data::Decimal::fromMantissa(d.quantize(0).toLongLong(), 2);
}

std::vector<ItemName> feeItems(data::Connection& c)
{
    std::vector<ItemName> items;
    QSqlQuery q = c.exec(QStringLiteral("select FeeID, FeeName from FeeType1 order by rid"));
    while (q.next())
        items.push_back({q.value(0).toString(), q.value(1).toString()});
    return items;
}

}  // namespace fees
