#pragma once
// The files of the embedded database the program works on. Writing a backup
// over them, or restoring from them, would destroy or read half-written data.

#include <QString>

namespace data { class Connection; }

namespace app {

// Whether the path names the connection's database file or one of the files
// the embedded database keeps beside it (-wal, -shm, -journal). Always false
// for a server database.
bool isLiveDatabaseFile(const data::Connection& c, const QString& path);

}  // namespace app
