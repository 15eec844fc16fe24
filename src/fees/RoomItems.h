#pragma once
// The fee items of rooms (table FeeSet): which items each room is charged,
// with the room's meter numbers, base readings and quota for each.
//
// A room's item is identified by the room key and the item's code and name.
// Adding never replaces: a room that has the item keeps its row, and with it
// its meters, base readings and quota.

#include "fees/RoomKey.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace data { class Connection; }

namespace fees {

struct ItemKey {
    QString feeId;
    QString feeName;
    bool operator==(const ItemKey&) const = default;
};

// An occupied room as the assignment takes it: its key and floor area.
struct AssignableRoom {
    RoomKey key;
    QVariant floorArea;  // Rooms.JZm, copied into each new row
};

bool roomHasItem(data::Connection& c, const RoomKey& room, const ItemKey& item);

// The room's items in the order they were given.
std::vector<ItemKey> itemsOf(data::Connection& c, const RoomKey& room);

// Gives the room the item unless it has it; true when a row was added.
// Throws data::Error when a key value does not fit its FeeSet column.
bool assignItem(data::Connection& c, const AssignableRoom& room, const ItemKey& item);

// Gives every room each of the items that it lacks, in one transaction;
// returns the rows added. Nothing is changed when any row fails.
int copyItems(data::Connection& c, const std::vector<AssignableRoom>& rooms, const std::vector<ItemKey>& items);

// Takes the item from the room; returns the rows removed.
int removeItem(data::Connection& c, const RoomKey& room, const ItemKey& item);

// Takes the item from every room of a building; returns the rows removed.
int removeItemFromBuilding(data::Connection& c, const QString& regionId, const QString& buildId,
                           const ItemKey& item);

}  // namespace fees
