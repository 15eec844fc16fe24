#pragma once
// Writes a backup of the database the program works on: an SQLite file with
// the system's schema, whichever backend the data lives on, so that one file
// can be restored into either.
//
// The file is first written under a temporary name in the target's folder and
// renamed over the target only when complete: a failed backup leaves an
// earlier file of the same name as it was, and no temporary file behind.

#include "app/DataProgress.h"

#include <QString>

namespace data { class Connection; }

namespace app {

// Throws data::Error with the cause (the database's or the file system's).
void writeBackup(data::Connection& c, const QString& target, const DataProgress& progress = {});

}  // namespace app
