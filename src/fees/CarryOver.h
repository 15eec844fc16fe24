#pragma once
// What a month's row takes over from the row of the same room item in its
// base month, and how to tell, later, that a row's total has been taken over.
//
// A room item is a room key with an item code and name: the eight columns
// that FeeSet and Fee share. When the base row is unpaid, the new row carries
// its whole total as arrears with a late fee on it, so the base row is then
// settled by collecting the later month, never by itself.

#include "fees/RoomKey.h"
#include "platform/data/Decimal.h"

#include <QString>

namespace data { class Connection; }

namespace fees {

struct RoomItem {
    RoomKey room;
    QString feeId;
    QString feeName;
};

struct CarriedAmounts {
    data::Decimal arrears;  // WYqk
    data::Decimal lateFee;  // ZNJ
};

// The arrears and late fee of a new row whose base row is `unpaid` with the
// total `baseTotal` (a null total counts as 0): the total, and the total times
// the rate rounded to the column's cents half away from zero; 0 and 0 for a
// paid base row.
CarriedAmounts carryOver(bool unpaid, const data::Decimal& baseTotal, const data::Decimal& lateFeeRate);

// The later month whose row of the same room item carries this row's total:
// the first month after `period` that has a row of the item, when that row's
// arrears are neither null nor 0. Empty when no later month has taken it (a
// later month generated while this row's total was still empty carries 0).
QString carriedInto(data::Connection& c, const RoomItem& item, const QString& period);

// The warning when such a row is collected by itself.
QString carriedIntoMessage(const QString& laterMonth);

}  // namespace fees
