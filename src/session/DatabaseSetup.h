#pragma once
// Creating a new, empty database for the system: the tables, the first
// account and the company row. It never touches a database that has tables.

#include <QString>
#include <QStringList>

namespace data { class Connection; }

namespace session {

// The name and password of the account a new database starts with.
inline constexpr const char16_t* kFirstUserName = u"admin";
inline constexpr const char16_t* kFirstUserPassword = u"admin";

// The statements of the schema script for the connection's backend.
QStringList schemaStatements(const data::Connection& c);
// Splits a script into statements: a statement ends with ';' at the end of a
// line; lines starting with "--" are comments.
QStringList splitSqlScript(const QString& script);

// Creates every table and the view, in one transaction. Throws data::Error if
// the database already has tables, or if a statement fails (nothing is left).
void createSchema(data::Connection& c);
// createSchema() followed by the first account (level 0) and the company row.
void setupNewDatabase(data::Connection& c);

}  // namespace session
