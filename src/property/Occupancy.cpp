#include "property/Occupancy.h"

#include "platform/data/Connection.h"
#include "platform/data/TrimmedText.h"

#include <vector>

namespace occupancy {

QString monthText(const QDate& date)
{
    return QString::number(date.year()) + QString::number(date.month());
}

QString removeFirst(const QString& joined, const QString& part)
{
    if (part.isEmpty())
        return joined;
    const qsizetype at = joined.indexOf(part);
    if (at < 0)
        return joined;
    QString out = joined;
    out.remove(at, part.size());
    return out;
}

Uncollected uncollectedFees(data::Connection& c, const QString& regionId, const QString& buildId,
                            const QString& unitName, const QString& roomNum, const QString& ownerId,
                            const QString& ownerName)
{
    struct Row {
        QString item;
        QString month;
        data::Decimal arrears;
        data::Decimal total;
        bool collected;
    };
    std::vector<Row> rows;
    QSqlQuery q = c.exec(QStringLiteral("SELECT FeeID, FeeName, inDate, WYqk, BYHJ, flag FROM Fee WHERE RegionId = ? "
                                        "AND BuildID = ? AND UnitName = ? AND RoomNum = ? AND ownerID = ? AND "
                                        "ownerName = ? ORDER BY FeeID, FeeName, inDate, rid"),
                         {regionId, buildId, unitName, roomNum, ownerId, ownerName});
    auto money = [](const QVariant& v) { return data::Decimal::fromVariant(v).quantize(2); };
    while (q.next())
        rows.push_back({q.value(0).toString() + QChar(0) + q.value(1).toString(), q.value(2).toString(),
                        money(q.value(3)), money(q.value(4)),
                        data::trimmedEquals(q.value(5).toString(), QStringLiteral("已收取"))});
    Uncollected out;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (r.collected)
            continue;
        // The item's row of the next month it has, if any, and whether it took this total over.
        size_t next = i + 1;
        while (next < rows.size() && rows[next].item == r.item && rows[next].month == r.month)
            ++next;
        if (next < rows.size() && rows[next].item == r.item && !rows[next].arrears.orZero().isZero())
            continue;
        ++out.rows;
        out.total += r.total.orZero();
    }
    return out;
}

void removeRoomItems(data::Connection& c, const QString& regionId, const QString& buildId, const QString& unitName,
                     const QString& roomNum, const QString& ownerId)
{
    c.exec(QStringLiteral("DELETE FROM FeeSet WHERE RegionId = ? AND BuildID = ? AND UnitName = ? AND RoomNum = ? "
                          "AND OwnerId = ?"),
           {regionId, buildId, unitName, roomNum, ownerId});
}

void removeBuildingItems(data::Connection& c, const QString& regionId, const QString& buildId, const QString& ownerId)
{
    c.exec(QStringLiteral("DELETE FROM FeeSet WHERE RegionId = ? AND BuildID = ? AND OwnerId = ?"),
           {regionId, buildId, ownerId});
}

}  // namespace occupancy
