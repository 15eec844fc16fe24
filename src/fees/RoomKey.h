#pragma once
// The key that fee rows, receipts and room items carry for their room: the
// district, building, unit and room number with the occupant's id and name.

#include <QString>

namespace fees {

struct RoomKey {
    QString regionId;
    QString buildId;
    QString unitName;
    QString roomNum;
    QString ownerId;
    QString ownerName;

    bool operator==(const RoomKey&) const = default;
};

}  // namespace fees
