#pragma once
// The reading and writing of a month's generation on the embedded database,
// straight through its own interface (see platform/data/DirectStatement.h):
// the same rows as the general path in GenerateReceivables.cpp, several times
// faster. Readings, keys and quotas are copied exactly as stored; arrears and
// late fees are computed as exact decimals.
//
// Runs inside the caller's transaction; the caller has deleted the month's
// old rows but the collected ones, and checked that the keys fit. A room item
// that has a row left in the month gets no new one. An empty base period
// means no base month.

#include "platform/data/Decimal.h"

#include <QString>

namespace data { class Connection; }

namespace fees {

struct GeneratedCounts {
    int inserted = 0;
    int carried = 0;
    int withArrears = 0;
};

GeneratedCounts writeMonthDirect(data::Connection& c, const QString& period, const QString& basePeriod,
                                 const data::Decimal& lateFeeRate);

}  // namespace fees
