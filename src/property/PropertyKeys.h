#pragma once
// The keys that tie the property tree together. Buildings, units and rooms
// carry copies of their parents' keys; the database declares no links.

#include <QString>

namespace property {

// A building: district id, building id and building name together.
struct BuildingKey {
    QString regionId;
    QString buildId;
    QString buildName;
    bool complete() const { return !regionId.isEmpty() && !buildId.isEmpty() && !buildName.isEmpty(); }
};

// A unit of a building.
struct UnitKey {
    BuildingKey building;
    QString unitName;
    bool complete() const { return building.complete() && !unitName.isEmpty(); }
};

// The widest unit name every table can hold (Rooms.UnitName).
inline constexpr int kUnitNameWidth = 20;

}  // namespace property
