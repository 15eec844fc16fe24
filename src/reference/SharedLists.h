#pragma once
// The data module's shared lists of the property register, each loaded one
// way, with a defined order: the rows in the order they were entered.
//
// A loader turns the list's data source off while it reads and on again
// after, so the controls on the list show the new rows once. The lists are
// shared: a window that loads one changes what every window on it shows.

#include <QString>

namespace data {
class DataSource;
class Query;
}  // namespace data

namespace lists {

// Every district (DM.AT_Regs), read again.
void reopenDistricts();
// The buildings of a district (DM.AQ_Bud).
void loadBuildings(const QString& regionId);
// The units of a building (DM.AQ_Units).
void loadUnits(const QString& regionId, const QString& buildId, const QString& buildName);
// The occupied rooms of a building, into one of the room lists
// (DM.AQ_SFee1 / DS_SFee1, DM.AQ_Rooms / DS_Rooms).
void loadOccupiedRooms(data::Query* list, data::DataSource* source, const QString& regionId, const QString& buildId,
                       const QString& buildName);
// The vacant rooms of a unit (DM.AQ_Rooms).
void loadVacantRooms(const QString& regionId, const QString& buildId, const QString& buildName,
                     const QString& unitName);
// The owners placed in a building, found by the names of the building and
// its district as owners keep them (DM.AQ_Man).
void loadOwners(const QString& regionName, const QString& buildName);
// The fee items of one kind, "A" metered or "F" non-metered (DM.AQ_FeeLx).
void loadFeeItems(const QString& kind);

}  // namespace lists
