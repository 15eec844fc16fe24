#include "fees/ComputeCharge.h"

namespace fees {

using data::Decimal;
using data::Rounding;

Decimal monthTotal(const Decimal& charge, const Decimal& apportioned, const Decimal& arrears, const Decimal& lateFee)
{
    return (charge.orZero() + apportioned.orZero() + arrears.orZero() + lateFee.orZero()).quantize(2);
}

QString missingStartMessage()
{
    return QStringLiteral("请先输入表初数！");
}

QString missingPriceMessage(const QString& itemName)
{
    return QStringLiteral("该收费项目没有设置单价！（%1）").arg(itemName);
}

MeterCharge ComputeCharge(const MeterChargeInput& in)
{
    MeterCharge r;
    Decimal usage(0);
    for (int i = 0; i < 3; ++i) {
        if (in.endReadings[i].isNull())
            continue;
        const Decimal start = in.startReadings[i];
        if (start.isNull()) {
            r.warning = missingStartMessage();
            return r;
        }
        if (in.endReadings[i] < start) {
            r.warning = QStringLiteral("表末数[%1]不能小于表初数[%1]！请仔细核对！").arg(i + 1);
            return r;
        }
        usage += in.endReadings[i] - start;
    }
    const Decimal quota = in.quota.orZero();
    const bool overQuota = quota > Decimal(0) && usage > quota;
    if ((usage > Decimal(0) && in.withinPrice.isNull()) || (overQuota && in.overPrice.isNull())) {
        r.warning = missingPriceMessage(in.itemName);
        return r;
    }
    Decimal charge;
    if (quota <= Decimal(0) || usage < quota)
        charge = usage * in.withinPrice.orZero();
    else
        charge = quota * in.withinPrice + (usage - quota) * in.overPrice.orZero();
    r.ok = true;
    r.usage = usage.quantize(2);
    r.charge = charge.quantize(2, Rounding::HalfEven);
    r.total = monthTotal(r.charge, in.apportioned, in.arrears, in.lateFee);
    return r;
}

}  // namespace fees
