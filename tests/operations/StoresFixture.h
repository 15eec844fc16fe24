#pragma once
// Facts about the store's tables that the stock tests check.

#include <QString>

namespace data {
class Connection;
}

namespace storestest {

struct StockRow {
    bool exists = false;
    QString category;
    qint64 start = 0, in = 0, out = 0, storage = 0;
};

// The goods' first row by identity.
StockRow stockOf(data::Connection& c, const QString& goods);
int stockRows(data::Connection& c, const QString& goods);

// Every row of repertory as text, to tell whether anything changed.
QString stockSnapshot(data::Connection& c);

// For every goods name of the stock: every row keeps storage = startNum +
// inputNum - outputNum >= 0, and the rows together hold what the receipts
// and issues of that name add up to (startNum being what was there before
// any voucher). "" when all holds, else the first breach.
QString stockBreach(data::Connection& c);

}  // namespace storestest
