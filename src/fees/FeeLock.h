#pragma once
// Generating a month and collecting fees rewrite and settle Fee rows; on a
// shared server two workstations must not do either at once. Each takes this
// lock first in its transaction: the other one waits, then sees what the
// first one committed.

namespace data { class Connection; }

namespace fees {

// Throws data::Error with "另一台电脑正在生成或收取费用，请稍后再试。" when the
// other workstation holds the lock too long.
void lockFees(data::Connection& c);

}  // namespace fees
