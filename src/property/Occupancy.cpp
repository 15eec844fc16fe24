#include "property/Occupancy.h"

#include "platform/data/Connection.h"

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
