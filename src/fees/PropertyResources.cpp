#include "fees/PropertyResources.h"

#include "fees/Money.h"
#include "platform/data/Connection.h"

#include <QHash>

namespace fees {

namespace {

data::Decimal percentOf(int part, int whole)
{
    return data::Decimal(part).divide(data::Decimal(whole), 2, data::Rounding::HalfEven) * data::Decimal(100);
}

QString buildingKey(const QVariant& id, const QVariant& name)
{
    return id.toString() + QChar(0) + name.toString();
}

}  // namespace

const QString& vacantState()
{
    static const QString vacant = QStringLiteral("A");
    return vacant;
}

data::Decimal BuildingOccupancy::occupancyRate() const
{
    return percentOf(occupied, rooms);
}

data::Decimal BuildingOccupancy::vacancyRate() const
{
    return percentOf(vacant(), rooms);
}

std::vector<RoomLine> roomLines(data::Connection& c, const QString& condition, const QVariantList& params,
                                const QString& order)
{
    QSqlQuery q = c.exec(QStringLiteral("select RegionID, BuildName, UnitName, RoomNum, LCNum, HXName, JZm, SS"
                                        " from Rooms where %1 order by %2")
                             .arg(condition, order),
                         params);
    std::vector<RoomLine> out;
    while (q.next())
        out.push_back({q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5),
                       q.value(6).isNull() ? data::Decimal() : money(q.value(6)), q.value(7)});
    return out;
}

std::vector<RoomLine> vacantRooms(data::Connection& c, const ReportScope& scope)
{
    QVariantList params{scope.regionId};
    scope.bindTo(params);
    params << vacantState();
    return roomLines(c, QStringLiteral("RegionID=?%1 and UState=?").arg(scope.buildingCondition(QStringLiteral("BuildID"))),
                     params, QStringLiteral("BuildId, UnitName, RoomNum, rid"));
}

Occupancy occupancy(data::Connection& c, const ReportScope& scope)
{
    QVariantList params{vacantState(), scope.regionId};
    scope.bindTo(params);
    QSqlQuery q = c.exec(QStringLiteral("select BuildId, BuildName, count(*) as rooms,"
                                        " sum(case when UState=? then 0 else 1 end) as occupied"
                                        " from Rooms where RegionID=?%1 group by BuildId, BuildName")
                             .arg(scope.buildingCondition(QStringLiteral("BuildID"))),
                         params);
    Occupancy out;
    QHash<QString, BuildingOccupancy> counted;
    while (q.next()) {
        const int rooms = q.value(2).toInt();
        out.roomCount += rooms;
        counted.insert(buildingKey(q.value(0), q.value(1)), {q.value(1).toString(), rooms, q.value(3).toInt()});
    }
    // Building keys repeat from district to district: only the chosen
    // district's buildings can hold its rooms.
    QSqlQuery b = c.exec(QStringLiteral("select BuildId, BuildName from Build where RegionID=? order by rid"),
                         {scope.regionId});
    while (b.next()) {
        const auto it = counted.constFind(buildingKey(b.value(0), b.value(1)));
        if (it != counted.constEnd())
            out.buildings.push_back(*it);
    }
    return out;
}

}  // namespace fees
