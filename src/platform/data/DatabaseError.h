#pragma once
// What a clerk is told when the database refuses a statement: the cause in
// Chinese, never the statement nor the values bound to it (the database's own
// message can quote both, as a server does when it cannot parse a value). A
// message that a rule in the database raises on purpose is its own cause and
// is shown as it is.
//
// The statement, with its placeholders and never its values, goes to
// standard error for whoever looks after the program.

#include "platform/data/ConnectionFile.h"

#include <QString>

namespace data {

// `code` is the database's own error code (a server's SQLSTATE, or the
// embedded database's extended result code); `databaseText` its message.
QString databaseErrorCause(Backend backend, const QString& code, const QString& databaseText);

// Writes a failed statement to standard error: the code, where it came from
// and the statement's text as written, with "?" or ":name" for its values.
void logDatabaseError(const QString& code, const QString& where, const QString& statement);

}  // namespace data
