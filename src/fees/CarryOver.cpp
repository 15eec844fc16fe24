#include "fees/CarryOver.h"

#include "fees/Money.h"
#include "platform/data/Connection.h"

namespace fees {

using data::Decimal;

CarriedAmounts carryOver(bool unpaid, const Decimal& baseTotal, const Decimal& lateFeeRate)
{
    if (!unpaid)
        return {Decimal(0).quantize(2), Decimal(0).quantize(2)};
    const Decimal total = baseTotal.orZero().quantize(2);
    return {total, (total * lateFeeRate.orZero()).quantize(2, data::Rounding::HalfAwayFromZero)};
}

QString carriedInto(data::Connection& c, const RoomItem& item, const QString& period)
{
    // Month by month, each look-up by the month and the room key, as the Fee
    // index holds them; an item added or dropped in between skips a month.
    const RoomKey& k = item.room;
    QString month = period;
    for (;;) {
        const QVariant next = c.scalar(QStringLiteral("SELECT min(inDate) FROM Fee WHERE inDate > ?"), {month});
        if (next.isNull())
            return QString();
        month = next.toString();
        QSqlQuery q = c.exec(QStringLiteral("SELECT WYqk FROM Fee WHERE inDate = ? AND RegionId = ? AND BuildID = ? "
                                            "AND UnitName = ? AND RoomNum = ? AND ownerID = ? AND ownerName = ? "
                                            "AND FeeID = ? AND FeeName = ? ORDER BY rid"),
                             {month, k.regionId, k.buildId, k.unitName, k.roomNum, k.ownerId, k.ownerName,
                              item.feeId, item.feeName});
        if (!q.next())
            continue;
        const Decimal arrears = money(q.value(0));
        return arrears.isNull() || arrears.isZero() ? QString() : month;
    }
}

QString carriedIntoMessage(const QString& laterMonth)
{
    return QStringLiteral("该项费用已转入 %1 月，请收取该月费用！").arg(laterMonth);
}

}  // namespace fees
