#pragma once
// The INI file beside the program: section Database, key Initial Catalog
// names the database a backup saves ("Region" when the file, the section or
// the key is missing). Backup and restore always work on the database the
// program is connected to; the name is what the backup file is offered as.

#include <QString>

namespace app {

// The program's own path with its extension replaced by ".INI".
QString iniFilePath();
// The value of Initial Catalog in section Database of the file; sections
// and keys match without regard to case.
QString iniDatabaseName(const QString& iniPath);

}  // namespace app
