#pragma once
// Copies in the property tree: a unit within its building under a new name,
// and a whole building with its units and rooms under a new id and name in
// the same district.
//
// A copy takes the rooms' numbers, floors, indexes, layouts, areas and
// facilities; never their occupants, state or move-in date (copied rooms are
// vacant). A copy makes no room with an empty number and no second room with
// the same number in a unit. Each copy is one transaction.

#include "property/PropertyKeys.h"

#include <QVariant>

namespace data {
class Connection;
}

namespace property {

// True when the building already has a unit of that name.
bool unitExists(data::Connection& c, const BuildingKey& building, const QString& unitName);
// True when the district already has a building with that id.
bool buildingIdExists(data::Connection& c, const QString& regionId, const QString& buildId);

struct CopyResult {
    int buildings = 0;
    int units = 0;
    int rooms = 0;
};

// Copies a unit's row and rooms to a new unit of the same building.
CopyResult copyUnit(data::Connection& c, const UnitKey& source, const QString& newName);

// Copies a building's row (with the floor count and note given), its units
// and its rooms under a new id and name in the source's district.
CopyResult copyBuilding(data::Connection& c, const BuildingKey& source, const QString& newId,
                        const QString& newName, const QVariant& floors, const QString& note);

}  // namespace property
