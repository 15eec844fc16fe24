#include "platform/data/DatabaseFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>

namespace data {

namespace {

// The path with links and "." / ".." resolved, also for a file that does not
// exist yet (its folder is resolved instead). Nothing is opened to find it.
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

bool isFileOfDatabase(const QString& database, const QString& path)
{
    if (database.isEmpty() || path.isEmpty())
        return false;
    const QString live = resolved(database);
    const QString chosen = resolved(path);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        if (chosen == live + QLatin1String(suffix))
            return true;
    return false;
}

bool isOpenDatabaseFile(const QString& path)
{
    for (const QString& name : QSqlDatabase::connectionNames()) {
        const QSqlDatabase db = QSqlDatabase::database(name, /*open=*/false);
        if (db.driverName() == QLatin1String("QSQLITE") && db.isOpen() && isFileOfDatabase(db.databaseName(), path))
            return true;
    }
    return false;
}

}  // namespace data
