#pragma once
// Puts a backup's data in place of the data of the database the program
// works on: every table of the schema is emptied and refilled from the file,
// rows keeping their identities and order, in one transaction, so a failure
// leaves the data exactly as it was. Afterwards every identity continues
// after the largest one restored (the next receipt number follows the
// restored receipts).
//
// The schema of the database in use stays as it is (indexes, view, triggers):
// a file with exactly that schema is put in place page by page, any other
// has only its rows copied, so a backup taken before a schema addition
// restores.

#include "app/DataProgress.h"

#include <QString>

namespace data { class Connection; }

namespace app {

// The file must have passed checkBackupFile(). On a server the restore is
// refused while other workstations are connected. Throws data::Error.
void restoreDatabase(data::Connection& c, const QString& file, const DataProgress& progress = {});

}  // namespace app
