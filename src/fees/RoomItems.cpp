#include "fees/RoomItems.h"

#include "platform/data/ColumnWidth.h"
#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "platform/data/Query.h"

namespace fees {

namespace {

const QString kRoomWhere = QStringLiteral(
    "RegionId=:RegionId and buildId=:buildId and UnitName=:UnitName and RoomNum=:RoomNum "
    "and OwnerID=:OwnerID and OwnerName=:OwnerName");
const QString kItemWhere = QStringLiteral(" and FeeId=:FeeId and FeeName=:FeeName");

template <class Statement>
void bindRoom(Statement& s, const RoomKey& k)
{
    s.param(QStringLiteral("RegionId")).setValue(k.regionId);
    s.param(QStringLiteral("buildId")).setValue(k.buildId);
    s.param(QStringLiteral("UnitName")).setValue(k.unitName);
    s.param(QStringLiteral("RoomNum")).setValue(k.roomNum);
    s.param(QStringLiteral("OwnerID")).setValue(k.ownerId);
    s.param(QStringLiteral("OwnerName")).setValue(k.ownerName);
}

template <class Statement>
void bindItem(Statement& s, const ItemKey& item)
{
    s.param(QStringLiteral("FeeId")).setValue(item.feeId);
    s.param(QStringLiteral("FeeName")).setValue(item.feeName);
}

// A key value that FeeSet cannot hold is refused before anything is written.
void checkFits(const QString& column, const QString& value, const RoomKey& room)
{
    const int width = data::columnWidth(QStringLiteral("FeeSet"), column);
    if (width > 0 && data::characterCount(value) > width)
        throw data::Error(QStringLiteral("房间 %1-%2-%3-%4 的“%5”超过 %6 个字符，无法设置收费项目。")
                              .arg(room.regionId, room.buildId, room.unitName, room.roomNum, value)
                              .arg(width));
}

void checkFits(const AssignableRoom& r, const ItemKey& item)
{
    const RoomKey& k = r.key;
    const std::pair<const char*, const QString*> values[] = {
        {"RegionId", &k.regionId}, {"BuildID", &k.buildId},     {"UnitName", &k.unitName},
        {"RoomNum", &k.roomNum},   {"OwnerId", &k.ownerId},     {"OwnerName", &k.ownerName},
        {"FeeId", &item.feeId},    {"FeeName", &item.feeName}};
    for (const auto& [column, value] : values)
        checkFits(QString::fromLatin1(column), *value, k);
}

void insertItem(data::Connection& c, const AssignableRoom& r, const ItemKey& item)
{
    checkFits(r, item);
    data::Command insert(&c);
    insert.setSql(QStringLiteral(
        "insert into FeeSet (RegionId,buildId,UnitName,RoomNum,OwnerID,OwnerName,JZm,FeeId,FeeName) "
        "values (:RegionId,:buildId,:UnitName,:RoomNum,:OwnerID,:OwnerName,:JZm,:FeeId,:FeeName)"));
    bindRoom(insert, r.key);
    insert.param(QStringLiteral("JZm")).setDecimal(r.floorArea, 2);
    bindItem(insert, item);
    insert.execute();
}

}  // namespace

bool roomHasItem(data::Connection& c, const RoomKey& room, const ItemKey& item)
{
    data::Query q(&c);
    q.sql() << QStringLiteral("select * from FeeSet where ") + kRoomWhere + kItemWhere;
    bindRoom(q, room);
    bindItem(q, item);
    q.open();
    return !q.isEmpty();
}

std::vector<ItemKey> itemsOf(data::Connection& c, const RoomKey& room)
{
    data::Query q(&c);
    q.sql() << QStringLiteral("select * from FeeSet where ") + kRoomWhere + QStringLiteral(" order by rid");
    bindRoom(q, room);
    q.open();
    std::vector<ItemKey> out;
    for (q.first(); !q.eof(); q.next())
        out.push_back({q.fieldValue(QStringLiteral("FeeId")).toString(), q.fieldValue(QStringLiteral("FeeName")).toString()});
    return out;
}

bool assignItem(data::Connection& c, const AssignableRoom& room, const ItemKey& item)
{
    if (roomHasItem(c, room.key, item))
        return false;
    insertItem(c, room, item);
    return true;
}

int copyItems(data::Connection& c, const std::vector<AssignableRoom>& rooms, const std::vector<ItemKey>& items)
{
    data::Transaction tx(c);
    int added = 0;
    for (const ItemKey& item : items)
        for (const AssignableRoom& room : rooms)
            added += assignItem(c, room, item) ? 1 : 0;
    tx.commit();
    return added;
}

int removeItem(data::Connection& c, const RoomKey& room, const ItemKey& item)
{
    data::Command del(&c);
    del.setSql(QStringLiteral("delete from FeeSet where ") + kRoomWhere + kItemWhere);
    bindRoom(del, room);
    bindItem(del, item);
    return del.execute();
}

int removeItemFromBuilding(data::Connection& c, const QString& regionId, const QString& buildId,
                           const ItemKey& item)
{
    data::Command del(&c);
    del.setSql(QStringLiteral("delete from FeeSet where RegionId=:RegionId and buildId=:buildId") + kItemWhere);
    del.param(QStringLiteral("RegionId")).setValue(regionId);
    del.param(QStringLiteral("buildId")).setValue(buildId);
    bindItem(del, item);
    return del.execute();
}

}  // namespace fees
