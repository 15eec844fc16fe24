#include "fees/ReceivablesReport.h"

#include "platform/data/Connection.h"

#include <QHash>

namespace fees {

namespace {

QString amountColumns(const data::Connection& c)
{
    QStringList cols;
    for (const char* name : {"byfee", "ftfee", "wyqk", "znj", "byhj"})
        cols << sumColumn(c, QString::fromLatin1(name), QString::fromLatin1(name));
    return cols.join(QStringLiteral(", "));
}

FeeAmounts amountsAt(const QSqlQuery& q, int from)
{
    return {summed(q.value(from)), summed(q.value(from + 1)), summed(q.value(from + 2)), summed(q.value(from + 3)),
            summed(q.value(from + 4))};
}

data::Decimal addSkippingNull(const data::Decimal& sum, const data::Decimal& v)
{
    return v.isNull() ? sum : sum + v;
}

}  // namespace

std::vector<HouseholdSum> householdSums(data::Connection& c, const QString& flag, const ReportScope& scope,
                                        const QString& feeId, const MonthRange& months)
{
    QVariantList params{flag, scope.regionId, feeId, months.first, months.last};
    scope.bindTo(params);
    QSqlQuery q = c.exec(
        QStringLiteral("select BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, FeeName, %1 from Fee"
                       " where flag=? and RegionId=? and FeeID=? and inDate between ? and ?%2"
                       // grouped in the order printed: one sort does both
                       " group by BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, FeeName"
                       " order by BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, FeeName")
            .arg(amountColumns(c), scope.buildingCondition(QStringLiteral("BuildID"))),
        params);
    std::vector<HouseholdSum> out;
    while (q.next()) {
        HouseholdSum h;
        h.buildId = q.value(0).toString();
        h.unitName = q.value(1).toString();
        h.roomNum = q.value(2).toString();
        h.ownerId = q.value(3).toString();
        h.ownerName = q.value(4).toString();
        h.feeId = q.value(5).toString();
        h.feeName = q.value(6).toString();
        h.sums = amountsAt(q, 7);
        out.push_back(std::move(h));
    }
    return out;
}

std::vector<ItemSum> itemSums(data::Connection& c, const QString& flag, const ReportScope& scope,
                              const MonthRange& months)
{
    QVariantList params{flag, scope.regionId, months.first, months.last};
    scope.bindTo(params);
    QSqlQuery q = c.exec(QStringLiteral("select FeeID, FeeName, %1 from Fee"
                                        " where flag=? and RegionId=? and inDate between ? and ?%2"
                                        " group by FeeID, FeeName order by FeeID, FeeName")
                             .arg(amountColumns(c), scope.buildingCondition(QStringLiteral("BuildID"))),
                         params);
    QHash<QString, std::vector<ItemSum>> byItem;
    while (q.next())
        byItem[q.value(0).toString()].push_back({q.value(0).toString(), q.value(1).toString(), amountsAt(q, 2)});

    std::vector<ItemSum> out;
    for (const ItemName& item : feeItems(c)) {
        const auto groups = byItem.constFind(item.id);
        if (groups == byItem.constEnd())
            continue;
        ItemSum entry{item.id, QString(), {0, 0, 0, 0, 0}};
        bool totalled = false;
        for (const ItemSum& g : *groups) {
            entry.feeName = g.feeName;
            entry.sums.byfee = addSkippingNull(entry.sums.byfee, g.sums.byfee);
            entry.sums.ftfee = addSkippingNull(entry.sums.ftfee, g.sums.ftfee);
            entry.sums.wyqk = addSkippingNull(entry.sums.wyqk, g.sums.wyqk);
            entry.sums.znj = addSkippingNull(entry.sums.znj, g.sums.znj);
            entry.sums.byhj = addSkippingNull(entry.sums.byhj, g.sums.byhj);
            totalled = totalled || !g.sums.byhj.isNull();
        }
        if (totalled)
            out.push_back(std::move(entry));
    }
    return out;
}

}  // namespace fees
