#pragma once
// The arrears notice "欠费催缴通知单": what a room still owes for a month,
// item by item with readings, usage and amounts, and the total due in
// figures and in Chinese capitals.
//
// The notice reads the room's rows itself, by the room's key and the month,
// so what it prints is always that room's month, whatever another window has
// loaded into the shared datasets since. Twelve items fill the form's table;
// more continue on further pages under the same heading, frame and column
// titles, and the total is printed once, on the last page.

#include "fees/RoomKey.h"
#include "platform/data/Decimal.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace data {
class Connection;
}
namespace report {
class PageWriter;
}

namespace fees {

struct ArrearsNotice {
    RoomKey room;
    QString period;                // "yyyyMM"
    std::vector<QStringList> rows; // the thirteen cells of each unpaid item, a null one blank
    data::Decimal total{0};        // the unpaid items' totals; an empty total counts 0

    // The total in capitals (empty for 0); nullopt when it is too large to
    // be written, and the notice is not printed.
    std::optional<QString> capitals() const;
};

// Items listed on one page of the form.
inline constexpr int kNoticeRowsPerPage = 12;

// Every item of the room's month that is not collected, in the order the
// rows were made, zero totals included.
ArrearsNotice readArrearsNotice(data::Connection& c, const RoomKey& room, const QString& period);

// Draws the notice from the writer's current page on, dated `printed`.
// Throws data::Error when the total cannot be written in capitals; callers
// check capitals() first and warn instead.
void drawArrearsNotice(report::PageWriter& w, const ArrearsNotice& notice, const QString& heading,
                       const QDate& printed = QDate::currentDate());

}  // namespace fees
