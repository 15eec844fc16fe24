#include "app/LiveDatabase.h"

#include "platform/data/Connection.h"

#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

// The path with links and "." / ".." resolved, also for a file that does not
// exist yet (its folder is resolved instead).
QString resolved(const QString& path)
{
    const QFileInfo fi(path);
    const QString whole = fi.canonicalFilePath();
    if (!whole.isEmpty())
        return whole;
    const QString dir = QFileInfo(fi.absolutePath()).canonicalFilePath();
    return dir.isEmpty() ? fi.absoluteFilePath() : QDir(dir).filePath(fi.fileName());
}

}  // namespace

bool isLiveDatabaseFile(const data::Connection& c, const QString& path)
{
    if (c.backend() != data::Backend::SQLite || path.isEmpty())
        return false;
    const QString live = resolved(c.target().database);
    const QString chosen = resolved(path);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        if (chosen == live + QLatin1String(suffix))
            return true;
    return false;
}

}  // namespace app
