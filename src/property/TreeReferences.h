#pragma once
// Rows that refer to a district or a building. Buildings, units and rooms
// copy their parents' ids; owners name their district and building by name.
// So an id cannot change while anything hangs under it, and a new name has
// to reach every row that holds the old one.

#include "property/PropertyKeys.h"

namespace data {
class Connection;
}

namespace property {

// True when a building, unit or room carries the district id.
bool districtHasChildren(data::Connection& c, const QString& regionId);
// True when a unit or room carries the building's key.
bool buildingHasChildren(data::Connection& c, const BuildingKey& building);

// Writes a district's new name to the owners that name it.
void renameDistrict(data::Connection& c, const QString& oldName, const QString& newName);
// Writes a building's new name to its units and rooms (part of their key)
// and to the owners that name it in its district.
void renameBuilding(data::Connection& c, const BuildingKey& old, const QString& newName);

}  // namespace property
