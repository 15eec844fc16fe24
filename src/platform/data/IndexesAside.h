#pragma once
// Bulk loads of a whole table (restore, the backup file) go faster with the
// table's indexes set aside and built again afterwards than with every index
// kept up to date row by row. The indexes come back exactly as the database
// held them.

#include <QString>
#include <functional>

namespace data {

class Connection;
class StatementTicker;

// Drops the secondary indexes of the table, runs load, and creates them
// again through `ticker` (the window stays painted while the database
// builds them); inside the caller's transaction, so a failure leaves them in
// place. Where the indexes cannot be dropped (a server user who does not own
// them), the table is loaded with them in place.
void loadWithIndexesAside(Connection& c, const QString& table, const std::function<void()>& load,
                          StatementTicker& ticker);

}  // namespace data
