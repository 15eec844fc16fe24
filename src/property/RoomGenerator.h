#pragma once
// The room-number generator: one room for every floor and every index of a
// unit's ranges, numbered floor, "0", index (floor 3 index 2 is 302, floor 12
// index 1 is 1201, floor 3 index 12 is 3012).
//
// A vacant room that already holds a generated number on its own floor and
// index is regenerated: deleted and inserted again with only its key, so its
// layout, areas and facilities go. An occupied room (UState "B") is never
// touched, and no second room with a number the unit already has is made:
// such a number is left as it is.

#include "property/PropertyKeys.h"

namespace data {
class Connection;
}

namespace property {

QString roomNumber(int floor, int index);

struct RoomRanges {
    int firstFloor = 0;
    int lastFloor = 0;
    int firstIndex = 0;
    int lastIndex = 0;
};

struct GenerationResult {
    int inserted = 0;     // rooms that did not exist
    int regenerated = 0;  // vacant rooms deleted and inserted again
    int kept = 0;         // numbers left alone: occupied, or held by a room on another floor or index
};

// Generates the rooms of a unit in one transaction; an empty range does
// nothing. Throws data::Error (after rolling back) on a database error.
GenerationResult generateRooms(data::Connection& c, const UnitKey& unit, const RoomRanges& r);

}  // namespace property
