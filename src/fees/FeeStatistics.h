#pragma once
// The figures of the fee statistics: for one month and one district (or
// building), per fee item in the items' order, how many households were due
// and paid and how much, and the month's amounts of each item. An item with
// no rows in the month gives zeros; amounts not yet charged count as 0, the
// row still counts as a household.

#include "fees/ReportScope.h"

#include <vector>

namespace fees {

struct ItemStatistics {
    QString feeName;
    // Collection: a row whose flag is "未收取" is unpaid, any other paid;
    // the amounts are its month total.
    int paidHouseholds = 0;
    int unpaidHouseholds = 0;
    data::Decimal paid{0};
    data::Decimal unpaid{0};
    // The month's amounts.
    data::Decimal byfee{0}, ftfee{0}, wyqk{0}, znj{0}, byhj{0}, ssje{0};

    int households() const { return paidHouseholds + unpaidHouseholds; }
    data::Decimal due() const { return paid + unpaid; }
    // Paid as a percentage of due, to 0.01 (ties to even); 0 when nothing is due.
    data::Decimal collectionRate() const;
    // 100 less the collection rate.
    data::Decimal arrearsRate() const;
    // The month total not collected.
    data::Decimal outstanding() const { return byhj - ssje; }

    // Adds another item's amounts (for a total row).
    void add(const ItemStatistics& o);
};

std::vector<ItemStatistics> feeStatistics(data::Connection& c, const QString& period, const ReportScope& scope);

}  // namespace fees
