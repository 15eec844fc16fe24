#include "app/LiveDatabase.h"

#include "platform/data/Connection.h"
#include "platform/data/DatabaseFiles.h"

namespace app {

bool isLiveDatabaseFile(const data::Connection& c, const QString& path)
{
    return c.backend() == data::Backend::SQLite && data::isFileOfDatabase(c.target().database, path);
}

}  // namespace app
