#pragma once
// The files of an embedded database: the database file and the ones SQLite
// keeps beside it (-wal, -shm, -journal).
//
// Nothing but the database's own connection may open them while it is open:
// a process's POSIX record locks on a file all go when any descriptor of that
// file is closed, and with them the connection's claim on the database.

#include <QString>

namespace data {

// Whether `path` names a file of the embedded database `database`, with
// links, "." and ".." resolved (also for a file that does not exist yet).
bool isFileOfDatabase(const QString& database, const QString& path);

// Whether `path` names a file of an embedded database this process has open.
bool isOpenDatabaseFile(const QString& path);

}  // namespace data
