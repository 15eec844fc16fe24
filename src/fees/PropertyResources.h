#pragma once
// The figures of the property resource report: the vacant rooms of a
// district (or building), and per building of the district how many of its
// rooms are occupied and vacant. A room is vacant when its state is "A".

#include "fees/ReportScope.h"

#include <vector>

namespace fees {

// Rooms.UState of a vacant room.
const QString& vacantState();

// A room as the lists print it; null values stay null.
struct RoomLine {
    QVariant regionId, buildName, unitName, roomNum, floor, layout;
    data::Decimal area;
    QVariant fittings;
};

// Rooms read for the lists: "... where <condition> order by <order>".
std::vector<RoomLine> roomLines(data::Connection& c, const QString& condition, const QVariantList& params,
                                const QString& order);

// The vacant rooms, ordered by building, unit and room.
std::vector<RoomLine> vacantRooms(data::Connection& c, const ReportScope& scope);

struct BuildingOccupancy {
    QString buildName;
    int rooms = 0;
    int occupied = 0;

    int vacant() const { return rooms - occupied; }
    // Occupied (vacant) rooms as a share of all, to 0.01 (ties to even),
    // then as a percentage: 1 of 8 occupied is 12 and 88.
    data::Decimal occupancyRate() const;
    data::Decimal vacancyRate() const;
};

struct Occupancy {
    int roomCount = 0;  // every room in the scope, matched to a building or not
    std::vector<BuildingOccupancy> buildings;
};

// Rooms belong to the building of the chosen district whose key and name
// they carry; buildings in the order of their table, those without rooms
// left out. A room that matches no building counts nowhere.
Occupancy occupancy(data::Connection& c, const ReportScope& scope);

}  // namespace fees
