#include "fees/FeeStatistics.h"

#include "fees/Money.h"
#include "platform/data/Connection.h"

#include <QHash>

namespace fees {

data::Decimal ItemStatistics::collectionRate() const
{
    const data::Decimal d = due();
    if (d.isZero())
        return data::Decimal(0);
    return (paid * data::Decimal(100)).divide(d, 2, data::Rounding::HalfEven);
}

data::Decimal ItemStatistics::arrearsRate() const
{
    return data::Decimal(100) - collectionRate();
}

void ItemStatistics::add(const ItemStatistics& o)
{
    paidHouseholds += o.paidHouseholds;
    unpaidHouseholds += o.unpaidHouseholds;
    paid += o.paid;
    unpaid += o.unpaid;
    byfee += o.byfee;
    ftfee += o.ftfee;
    wyqk += o.wyqk;
    znj += o.znj;
    byhj += o.byhj;
    ssje += o.ssje;
}

std::vector<ItemStatistics> feeStatistics(data::Connection& c, const QString& period, const ReportScope& scope)
{
    QStringList sums;
    for (const char* name : {"BYFee", "FTFee", "WYqk", "ZNJ", "BYHJ", "SSJE"})
        sums << sumColumn(c, QString::fromLatin1(name), QString::fromLatin1(name));
    QVariantList params{period, scope.regionId};
    scope.bindTo(params);
    QSqlQuery q = c.exec(QStringLiteral("select FeeID, flag, count(*) as households, %1 from Fee"
                                        " where inDate=? and RegionID=?%2 group by FeeID, flag order by FeeID, flag")
                             .arg(sums.join(QStringLiteral(", ")), scope.buildingCondition(QStringLiteral("BuildID"))),
                         params);
    QHash<QString, ItemStatistics> byItem;
    while (q.next()) {
        ItemStatistics& s = byItem[q.value(0).toString()];
        const int rows = q.value(2).toInt();
        const data::Decimal total = summed(q.value(7)).orZero();
        if (q.value(1).toString().trimmed() == kUncollected) {
            s.unpaidHouseholds += rows;
            s.unpaid += total;
        } else {
            s.paidHouseholds += rows;
            s.paid += total;
        }
        s.byfee += summed(q.value(3)).orZero();
        s.ftfee += summed(q.value(4)).orZero();
        s.wyqk += summed(q.value(5)).orZero();
        s.znj += summed(q.value(6)).orZero();
        s.byhj += total;
        s.ssje += summed(q.value(8)).orZero();
    }
    std::vector<ItemStatistics> out;
    for (const ItemName& item : feeItems(c)) {
        ItemStatistics s = byItem.value(item.id);
        s.feeName = item.name;
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace fees
