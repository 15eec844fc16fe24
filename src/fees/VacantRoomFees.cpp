#include "fees/VacantRoomFees.h"

namespace fees {

data::Decimal vacantRoomFee(const data::Decimal& area, const data::Decimal& price, int months)
{
    if (area.isNull())
        return data::Decimal(0);
    return (area * (data::Decimal(months) * price)).quantize(2, data::Rounding::HalfEven);
}

std::vector<VacantRoomFee> vacantRoomFees(data::Connection& c, const data::Decimal& price, int months)
{
    std::vector<VacantRoomFee> out;
    for (RoomLine& r : roomLines(c, QStringLiteral("UState=?"), {vacantState()},
                                 QStringLiteral("RegionID, BuildId, UnitName, RoomNum, rid"))) {
        const data::Decimal fee = vacantRoomFee(r.area, price, months);
        out.push_back({std::move(r), fee});
    }
    return out;
}

}  // namespace fees
