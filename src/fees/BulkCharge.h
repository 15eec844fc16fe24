#pragma once
// Charging one non-metered item to every room of a month at once: a unit
// price times a number of months, times the room's floor area, its usable
// area, or once per room. The price is taken to 0.01 first and the charge is
// rounded to 0.01, both with ties away from zero, as the old server rounded
// these charges. A room without the area charged by keeps its charge empty.
//
// The rows charged are the month's rows of the item that have a room (the
// rows the view v_feeset shows), except collected ones; each gets its charge
// and its month total in one transaction (data::Error is rethrown, nothing
// changed).

#include "platform/data/Decimal.h"

#include <QString>
#include <optional>

namespace data { class Connection; }

namespace fees {

enum class ChargeBasis {
    FloorArea,   // Rooms.JZm: "按建筑面积计算"
    UsableArea,  // Rooms.SYm: "按实用面积计算"
    PerRoom,     // "按房号计算"
};

struct BulkChargeRequest {
    QString feeId;       // the chosen item; empty when none is chosen
    QString feeName;
    QString priceText;   // as typed
    QString monthsText;  // as typed
    ChargeBasis basis = ChargeBasis::PerRoom;
    QString period;      // the month charged (the server's current month)
};

struct BulkChargeResult {
    enum class Outcome {
        Charged,            // information
        InvalidPrice,       // warning; the window clears the price
        InvalidMonths,      // warning
        MonthsNotPositive,  // warning
        NoItem,             // information
        NoMonths,           // information
        MonthNotGenerated,  // information
        AlreadyCharged,     // information
        TooLarge,           // warning: a charge its column cannot hold; nothing written
    };
    Outcome outcome = Outcome::NoItem;
    int charged = 0;           // rows written
    int skippedCollected = 0;  // collected rows left as they were
    int withoutArea = 0;       // rooms without the area charged by: not charged
    QString tooLarge;          // TooLarge: the refusal, naming the column

    bool succeeded() const { return outcome == Outcome::Charged; }
    QString message() const;
};

// The message a database failure in the bulk charge is shown with.
QString bulkChargeFailureMessage();

// The price as the charge uses it: typed text to 0.01, half away from zero;
// nothing when the text is not a number.
std::optional<data::Decimal> bulkChargePrice(const QString& typed);
// The charge of one room: price x months (x area), rounded half away from zero.
data::Decimal bulkChargeAmount(const data::Decimal& price, int months, const data::Decimal& area);

BulkChargeResult bulkCharge(data::Connection& c, const BulkChargeRequest& request);

}  // namespace fees
