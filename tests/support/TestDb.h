#pragma once
// Fresh databases for tests.
//
// By default each fresh database is a new SQLite file in a temporary folder.
// When WYGL_TEST_CONN holds a PostgreSQL connection line (the text of a
// conn.udl connection line), tests run on that server instead: the process
// gets its own database there, emptied and re-created for every fresh one.

#include "platform/data/Connection.h"

#include <QString>
#include <memory>

namespace testsupport {

// True when the tests run on PostgreSQL.
bool onPostgres();
QString backendName();
// Drops this process's database on the server, if it made one: each test
// process makes its own, and the server keeps them until they are dropped.
void dropServerDatabase();

// A database with the system's schema and nothing else in it.
std::unique_ptr<data::Connection> freshDatabase();
// An empty database without any tables.
std::unique_ptr<data::Connection> emptyDatabase();
// The target of the database most recently made by freshDatabase()/emptyDatabase().
const data::ConnectionSpec& lastSpec();
// Writes a conn.udl in dir naming that database; returns its path.
QString writeConnFile(const QString& dir);

// Makes the database refuse a statement: a trigger raises "injected failure"
// for the rows matching the condition (written with NEW.column).
void failWhen(data::Connection& c, const QString& table, const QString& event, const QString& condition);

}  // namespace testsupport
