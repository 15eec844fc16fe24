#include "reference/SharedLists.h"

#include "session/DMRegion.h"

namespace lists {

namespace {

// Rooms.UState.
const QString kVacant = QStringLiteral("A");
const QString kOccupied = QStringLiteral("B");

void reload(data::Query* list, data::DataSource* source, const QString& sql,
            const QList<std::pair<QString, QVariant>>& values)
{
    source->setEnabled(false);
    list->reopen(sql, values);
    source->setEnabled(true);
}

}  // namespace

void reopenDistricts()
{
    DM->DS_Regs->setEnabled(false);
    DM->AT_Regs->close();
    DM->AT_Regs->open();
    DM->DS_Regs->setEnabled(true);
}

void loadBuildings(const QString& regionId)
{
    reload(DM->AQ_Bud, DM->DS_Bud, QStringLiteral("select * from Build where RegionID=:RegionID order by rid"),
           {{QStringLiteral("RegionID"), regionId}});
}

void loadUnits(const QString& regionId, const QString& buildId, const QString& buildName)
{
    reload(DM->AQ_Units, DM->DS_Unites,
           QStringLiteral("select * from Units where RegionID=:RegionID and BuildID=:BuildID and BuildName=:BuildName "
                          "order by rid"),
           {{QStringLiteral("RegionID"), regionId},
            {QStringLiteral("BuildID"), buildId},
            {QStringLiteral("BuildName"), buildName}});
}

void loadOccupiedRooms(data::Query* list, data::DataSource* source, const QString& regionId, const QString& buildId,
                       const QString& buildName)
{
    reload(list, source,
           QStringLiteral("select * from Rooms where RegionID=:RegionID and BuildID=:BuildID and "
                          "BuildName=:BuildName and Ustate=:Ustate order by rid"),
           {{QStringLiteral("RegionID"), regionId},
            {QStringLiteral("BuildID"), buildId},
            {QStringLiteral("BuildName"), buildName},
            {QStringLiteral("Ustate"), kOccupied}});
}

void loadVacantRooms(const QString& regionId, const QString& buildId, const QString& buildName,
                     const QString& unitName)
{
    reload(DM->AQ_Rooms, DM->DS_Rooms,
           QStringLiteral("select * from Rooms where RegionID=:RegionID and BuildID=:BuildID and "
                          "BuildName=:BuildName and UnitName=:UnitName and UState=:UState order by rid"),
           {{QStringLiteral("RegionID"), regionId},
            {QStringLiteral("BuildID"), buildId},
            {QStringLiteral("BuildName"), buildName},
            {QStringLiteral("UnitName"), unitName},
            {QStringLiteral("UState"), kVacant}});
}

void loadOwners(const QString& regionName, const QString& buildName)
{
    reload(DM->AQ_Man, DM->DS_Man,
           QStringLiteral("select * from Owner where RegionName=:RegionName and BuildName=:BuildName order by rid"),
           {{QStringLiteral("RegionName"), regionName}, {QStringLiteral("BuildName"), buildName}});
}

void loadFeeItems(const QString& kind)
{
    reload(DM->AQ_FeeLx, DM->DS_FeeLx, QStringLiteral("select * from feetype1 where JLFlag=:flag order by rid"),
           {{QStringLiteral("flag"), kind}});
}

}  // namespace lists
