#pragma once
// The receipt "收款收据": the company name, the receipt number and date, and a
// double frame holding the payer, the room, what was paid and the amount in
// capitals and in figures, with the signature line below the frame.
//
// The collection dialog prints it for the receipt it has just written, the
// collection window prints a stored receipt again; both draw the same page.

#include "fees/Collection.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace data {
class DataSet;
}
namespace report {
class PageWriter;
}

namespace fees {

// What a receipt shows, as stored: a null value prints "--".
struct ReceiptValues {
    QVariant number;     // SJNum
    QVariant date;       // KPDate
    QVariant ownerName;
    QVariant buildId;
    QVariant unitName;
    QVariant roomNum;
    QVariant summary;    // SFzy
    QVariant amount;     // FSje

    static ReceiptValues of(const Receipt& r);
    // The current row of a dataset over table SFSJ.
    static ReceiptValues fromRow(const data::DataSet& receipts);

    // The amount in capitals, "零" for an amount of 0 or none; nullopt when
    // the amount is too large to be written (see AmountToCapitals).
    std::optional<QString> capitals() const;
};

// Summaries are printed to this many display columns (a Chinese character
// takes two).
inline constexpr int kReceiptSummaryWidth = 30;

// Draws the receipt on the writer's page under the company name `heading`.
// Throws data::Error when the amount cannot be written in capitals; callers
// check capitals() first and warn instead.
void drawReceipt(report::PageWriter& w, const ReceiptValues& v, const QString& heading);

}  // namespace fees
