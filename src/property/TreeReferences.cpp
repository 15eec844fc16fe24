#include "property/TreeReferences.h"

#include "platform/data/Connection.h"

namespace property {

namespace {

bool any(data::Connection& c, const QString& sql, const QVariantList& values)
{
    return c.scalar(sql, values).toInt() > 0;
}

}  // namespace

bool districtHasChildren(data::Connection& c, const QString& regionId)
{
    const QVariantList id{regionId};
    return any(c, QStringLiteral("SELECT count(*) FROM Build WHERE RegionID = ?"), id)
        || any(c, QStringLiteral("SELECT count(*) FROM Units WHERE RegionId = ?"), id)
        || any(c, QStringLiteral("SELECT count(*) FROM Rooms WHERE RegionID = ?"), id);
}

bool buildingHasChildren(data::Connection& c, const BuildingKey& b)
{
    const QVariantList key{b.regionId, b.buildId, b.buildName};
    return any(c, QStringLiteral("SELECT count(*) FROM Units WHERE RegionId = ? AND BuildId = ? AND BuildName = ?"), key)
        || any(c, QStringLiteral("SELECT count(*) FROM Rooms WHERE RegionID = ? AND BuildId = ? AND BuildName = ?"), key);
}

void renameDistrict(data::Connection& c, const QString& oldName, const QString& newName)
{
    if (oldName == newName)
        return;
    c.exec(QStringLiteral("UPDATE Owner SET RegionName = ? WHERE RegionName = ?"), {newName, oldName});
}

void renameBuilding(data::Connection& c, const BuildingKey& old, const QString& newName)
{
    if (old.buildName == newName)
        return;
    const QVariantList key{newName, old.regionId, old.buildId, old.buildName};
    c.exec(QStringLiteral("UPDATE Units SET BuildName = ? WHERE RegionId = ? AND BuildId = ? AND BuildName = ?"), key);
    c.exec(QStringLiteral("UPDATE Rooms SET BuildName = ? WHERE RegionID = ? AND BuildId = ? AND BuildName = ?"), key);
    // Owners know their district by name only.
    c.exec(QStringLiteral("UPDATE Owner SET BuildName = ? WHERE BuildName = ? AND RegionName IN "
                          "(SELECT RegionName FROM Region WHERE RegionId = ?)"),
           {newName, old.buildName, old.regionId});
}

}  // namespace property
