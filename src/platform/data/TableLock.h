#pragma once
// Two workstations on one database: an operation that rewrites or settles the
// rows of a table takes, as the first step of its transaction, the lock that
// makes the other workstation's writers of that table wait until it ends. A
// wait longer than the connection's lock wait (Connection::lockWaitMs()) is
// refused with the operation's own message instead of the database's.

#include <QString>

namespace data {

class Connection;

// Needs an open transaction with nothing read in it yet. Throws data::Error:
// `busyMessage` when the wait was too long, the database's message otherwise.
void lockTable(Connection& c, const QString& table, const QString& busyMessage);

}  // namespace data
