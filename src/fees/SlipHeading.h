#pragma once
// The top of the fee office's slips (the receipt, the arrears notice): the
// company name underlined at the head of the page, the slip's title under it,
// and the writer left in "宋体" 11 pt on the line below, where each slip
// prints its number or room and its date.

#include <QString>

namespace report {
class PageWriter;
}

namespace fees {

void drawSlipHeading(report::PageWriter& w, const QString& heading, const QString& title);

}  // namespace fees
