#pragma once
// An embedded database file put in place of the connection's database page
// by page, as stored: many times faster than copying its tables row by row
// and building their indexes again, for a file that holds exactly the schema
// of the database in use. The copy is one write transaction of the database
// in use: stopped or failed before its end, it leaves that database as it
// was.

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

}  // namespace data
