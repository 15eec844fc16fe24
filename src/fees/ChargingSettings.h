#pragma once
// The charging settings row (table SFSet) as the billing reads it.

#include "platform/data/Decimal.h"

#include <QString>
#include <optional>

namespace data { class Connection; }

namespace fees {

struct ChargingSettings {
    bool exists = false;                 // false while SFSet is empty
    std::optional<int> nextMonthDay;     // JSDate1: settled on this day of the following month
    std::optional<int> thisMonthDay;     // JSDate2: settled on this day of the billing month
    data::Decimal lateFeeRate{0};        // ZNJ with its six decimals; 0 when null or no row
};

// The first settings row (lowest row identity); an empty table gives the
// defaults above.
ChargingSettings readChargingSettings(data::Connection& c);

// The note the generation dialog shows under its inputs:
// "说明：你没设置应收款结算日期" when neither day is set, otherwise the day of
// the month in use. Empty when both days are 0.
QString settlementNote(const ChargingSettings& s);

}  // namespace fees
