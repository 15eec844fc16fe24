#include "fees/ComputeCharge.h"

namespace fees {

using data::Decimal;
using data::Rounding;

Decimal monthTotal(const Decimal& charge, const Decimal& apportioned, const Decimal& arrears, const Decimal& lateFee)
{
    return (charge.orZero() + apportioned.orZero() + arrears.orZero() + lateFee.orZero()).quantize(2);
}

MeterCharge ComputeCharge(const MeterChargeInput& in)
{
    MeterCharge r;
    Decimal usage(0);
    for (int i = 0; i < 3; ++i) {
        if (in.endReadings[i].isNull())
            continue;
        const Decimal start = in.startReadings[i].orZero();
        if (in.endReadings[i] < start) {
            r.warning = QStringLiteral("表末数[%1]不能小于表初数[%1]！请仔细核对！").arg(i + 1);
            return r;
        }
        usage += in.endReadings[i] - start;
    }
    const Decimal quota = in.quota.orZero();
    const Decimal within = in.withinPrice.orZero();
    const Decimal over = in.overPrice.orZero();
    Decimal charge;
    if (quota <= Decimal(0) || usage < quota)
        charge = usage * within;
    else
        charge = quota * within + (usage - quota) * over;
    r.ok = true;
    r.usage = usage.quantize(2);
    r.charge = charge.quantize(2, Rounding::HalfEven);
    r.total = monthTotal(r.charge, in.apportioned, in.arrears, in.lateFee);
    return r;
}

}  // namespace fees
