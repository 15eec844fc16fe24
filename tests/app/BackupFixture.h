#pragma once
// Data for the backup, restore and clearing tests: a database with values
// of every kind, and a dump that compares the stored rows of two databases
// (of either backend) value by value.

#include <QString>
#include <QStringList>

namespace data { class Connection; }

namespace testsupport {

// Accounts, the company, districts (one deleted, leaving a gap in the row
// identities), receivables with nulls and decimals, receipts and an annual
// report with identities assigned by the database, Chinese text and dates.
void seedEveryKind(data::Connection& c);

// Every row of every table, in row order, one line per row with the row
// identity first; decimals at their column's scale and dates as text, so
// that the two backends write the same lines for the same data.
QStringList dumpAll(data::Connection& c);

// A file name in a folder that lasts as long as the test process.
QString scratchPath(const QString& name);

}  // namespace testsupport
