#pragma once
// Collecting a room's fees of a month: what is due is listed first (a plan,
// holding the identities of the rows), then exactly those rows are marked
// collected, SSJE := BYHJ and flag := "已收取", and optionally a receipt row
// is written to SFSJ, all in one transaction.
//
// Rows not yet charged (null BYHJ) are neither listed nor marked. In "All"
// mode rows with a total of 0 are marked with the others but not listed.
// A row whose total a later month carries as arrears (CarryOver.h) is
// settled by collecting that month: it is neither listed nor marked.

#include "fees/RoomKey.h"
#include "platform/data/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace data { class Connection; }

namespace fees {

enum class CollectMode { All, Single };

struct CollectionItem {
    qint64 rid = 0;          // the Fee row
    QString feeId;
    QString feeName;
    data::Decimal charge;    // BYFee
    data::Decimal arrears;   // WYqk
    data::Decimal lateFee;   // ZNJ
    data::Decimal total;     // BYHJ
    bool listed = true;      // false for the zero rows "All" marks without listing
};

struct CollectionPlan {
    enum class Outcome {
        Ready,
        NothingDue,        // All: nothing payable this month
        EmptyItem,         // Single: the row has no total (or is gone)
        AlreadyCollected,  // Single
        NoAmount,          // Single: the total is 0
        CarriedForward,    // Single: a later month carries the row's total
    };
    Outcome outcome = Outcome::NothingDue;
    CollectMode mode = CollectMode::All;
    RoomKey room;                        // as the rows carry it
    QString period;
    std::vector<CollectionItem> items;   // in row order
    data::Decimal total{0};              // sum of the listed totals
    QString summary;                     // the items' names for the receipt
    QString laterMonth;                  // CarriedForward: the month that carries it

    bool ready() const { return outcome == Outcome::Ready; }
    // The warning for a plan that is not ready.
    QString message() const;
};

// Mode "All": the room's uncollected rows of the month with a total.
// NothingDue when no row would be listed, or when what would be listed sums
// to 0 (a credit and a charge that cancel out).
CollectionPlan planCollection(data::Connection& c, const RoomKey& room, const QString& period);
// Mode "Single": one Fee row, by its identity.
CollectionPlan planSingleCollection(data::Connection& c, qint64 feeRowId);

struct Receipt {
    qint64 number = 0;      // SJNum, as the database assigned it
    QDate date;             // KPDate
    RoomKey room;
    QString summary;        // SFzy as stored
    data::Decimal amount;   // FSje
};

struct CollectionResult {
    enum class Outcome {
        Collected,
        NotReady,  // the plan was not ready; nothing done
        Changed,   // a row was collected, changed or removed since it was listed; nothing done
    };
    Outcome outcome = Outcome::NotReady;
    int marked = 0;
    std::optional<Receipt> receipt;

    bool succeeded() const { return outcome == Outcome::Collected; }
    QString message() const;
};

// The summary as SFSJ.SFzy can hold it: cut to the column's width at a
// character boundary.
QString receiptSummary(const QString& summary);

// Marks the plan's rows, re-checking in the transaction (after taking the fee
// lock, FeeLock.h) that each is still uncollected with the total that was
// listed and not carried into a later month; with writeReceipt also writes
// the receipt row dated `today` and reads its number back. Throws data::Error
// on a database failure or when the room key does not fit SFSJ (checked
// before anything is written); nothing is changed then.
CollectionResult collect(data::Connection& c, const CollectionPlan& plan, bool writeReceipt,
                         const QDate& today = QDate::currentDate());

}  // namespace fees
