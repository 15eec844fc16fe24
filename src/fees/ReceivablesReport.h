#pragma once
// The figures of the receivables and collections report: the month rows of a
// district (or one building) over a range of months, either still due or
// collected, summed per household for one item, or per item over all
// households. Every month of the range counts on its own, so a month's
// unpaid total carried into the next month's arrears is counted in both.

#include "fees/ReportScope.h"

#include <vector>

namespace fees {

struct MonthRange {
    QString first;  // "yyyyMM"
    QString last;
};

// Sums of a group of fee rows; a sum is null when the rows hold no value.
struct FeeAmounts {
    data::Decimal byfee, ftfee, wyqk, znj, byhj;
};

struct HouseholdSum {
    QString buildId, unitName, roomNum, ownerId, ownerName;
    QString feeId, feeName;
    FeeAmounts sums;
};

struct ItemSum {
    QString feeId;
    QString feeName;  // as the item's fee rows name it
    FeeAmounts sums;
};

// One item's rows with that flag, per household, ordered by building, unit,
// room and occupant.
std::vector<HouseholdSum> householdSums(data::Connection& c, const QString& flag, const ReportScope& scope,
                                        const QString& feeId, const MonthRange& months);

// Every item's rows with that flag, one entry per fee item in the items'
// order, for the items that have at least one month total; nulls count as
// nothing in the sums.
std::vector<ItemSum> itemSums(data::Connection& c, const QString& flag, const ReportScope& scope,
                              const MonthRange& months);

}  // namespace fees
