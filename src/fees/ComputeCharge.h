#pragma once
// The charge of one metered Fee row, computed when the meter-reading window
// posts it, and the month total every fee row carries.
//
// Amounts are exact decimals. The charge is rounded to 0.01 with ties to
// even on the exact value (2.5 x 1.07 = 2.675 gives 2.68).

#include "platform/data/Decimal.h"

#include <QString>
#include <array>

namespace fees {

struct MeterChargeInput {
    QString itemName;                            // for the warning about a missing price
    std::array<data::Decimal, 3> startReadings;  // BCNum1..3
    std::array<data::Decimal, 3> endReadings;    // BMNum1..3; a null meter was not read
    data::Decimal quota;                         // the row's DL; null or 0 means no quota
    data::Decimal withinPrice;                   // the item's JNPrice
    data::Decimal overPrice;                     // the item's JWPrice
    data::Decimal apportioned;                   // FTFee
    data::Decimal arrears;                       // WYqk
    data::Decimal lateFee;                       // ZNJ
};

struct MeterCharge {
    bool ok = false;
    QString warning;        // why the row was refused, when not ok
    data::Decimal usage;    // Counts
    data::Decimal charge;   // BYFee
    data::Decimal total;    // BYHJ
};

// Usage is the sum of end - start over the meters that have an end reading
// (none read: usage 0). Without a quota all usage is charged at the
// within-quota price; below the quota likewise; at or over it the quota at
// the within-quota price and the rest at the over-quota price.
//
// Refused, with a warning: an end reading without a start reading (the whole
// meter would be charged), an end reading below its start reading, and a
// price the usage needs that the item does not have.
MeterCharge ComputeCharge(const MeterChargeInput& in);
QString missingStartMessage();
QString missingPriceMessage(const QString& itemName);

// BYHJ = BYFee + FTFee + WYqk + ZNJ, a null term counting as 0, so that no
// row is left with a total that can never be collected.
data::Decimal monthTotal(const data::Decimal& charge, const data::Decimal& apportioned,
                         const data::Decimal& arrears, const data::Decimal& lateFee);

}  // namespace fees
