#pragma once
// The figures of the vacant-room fee list: every vacant room of every
// district with the management fee it would owe over a number of months,
// building area x (months x unit price), to the cent, ties to even.

#include "fees/PropertyResources.h"

namespace fees {

// The fee of one room; a room without an area owes nothing.
data::Decimal vacantRoomFee(const data::Decimal& area, const data::Decimal& price, int months);

struct VacantRoomFee {
    RoomLine room;
    data::Decimal fee;
};

// The vacant rooms of all districts, ordered by district, building, unit and room.
std::vector<VacantRoomFee> vacantRoomFees(data::Connection& c, const data::Decimal& price, int months);

}  // namespace fees
