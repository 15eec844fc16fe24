#pragma once
// Whether a file is a backup this system can restore from: a sound SQLite
// file holding every table of the schema with its columns, and at least one
// account that can log in (a restore without one would lock everyone out).

#include "app/DataProgress.h"

#include <QString>

namespace app {

// Throws data::Error saying what is wrong; returns when the file will do.
// `progress` is called while the whole file is read.
void checkBackupFile(const QString& path, const DataProgress& progress = {});

}  // namespace app
