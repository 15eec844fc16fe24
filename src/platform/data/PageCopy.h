#pragma once
// Embedded database files copied page by page, as stored: many times faster
// than copying their tables row by row and building their indexes again.
// A copy into the database in use (for a file that holds exactly its schema)
// is one write transaction of it: stopped or failed before its end, it
// leaves that database as it was.

#include <QString>
#include <functional>

namespace data {

class Connection;

// Whether the connection's database can take a page copy now: an embedded
// one with no transaction open (the copy is a transaction of its own).
bool canCopyPages(Connection& c);

// Replaces every page of the connection's database with the pages of the
// embedded database `file`, calling `tick` between stretches of pages; if
// `tick` throws, the copy is abandoned and the exception passes on.
// Throws data::Error.
void copyPagesFrom(Connection& c, const QString& file, const std::function<void()>& tick = {});

// Writes the connection's embedded database, as of the start of the copy,
// into the new or empty file `file`, calling `tick` between stretches of
// pages. Refused while the connection has a transaction open. Throws
// data::Error; the file is then left partly written.
void copyPagesInto(Connection& c, const QString& file, const std::function<void()>& tick = {});

}  // namespace data
