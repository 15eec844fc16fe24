#include "app/BackupWriter.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/IndexesAside.h"
#include "platform/data/PageCopy.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/ServerCopy.h"
#include "platform/data/StatementTicker.h"
#include "platform/data/WorkBeside.h"
#include "session/DatabaseSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace app {

namespace {

// Rows copied between two progress calls.
constexpr int kProgressRows = 5000;

// An empty file with a name of its own beside the target (the embedded
// database writes a copy only into a file that is new or empty).
QString newFileBeside(const QString& target)
{
    const QFileInfo fi(target);
    QTemporaryFile tmp(fi.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(fi.fileName())));
    tmp.setAutoRemove(false);
    if (!tmp.open())
        throw data::Error(QStringLiteral("无法在文件夹 %1 中写入文件：%2").arg(fi.absolutePath(), tmp.errorString()));
    return tmp.fileName();
}

void removeWithCompanions(const QString& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

// Puts the finished file in the target's place in one step.
void replaceTarget(const QString& done, const QString& target)
{
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(done.toStdU16String()), std::filesystem::path(target.toStdU16String()),
                            ec);
    if (ec)
        throw data::Error(QStringLiteral("无法写入文件 %1：%2").arg(target, QString::fromLocal8Bit(ec.message())));
}

void copyTable(data::Connection& from, data::Connection& to, const data::TableDef& t, const DataProgress& progress)
{
    QStringList names{QLatin1String(data::kRowIdColumn)};
    QStringList marks{QStringLiteral("?")};
    for (const data::ColumnDef& c : t.columns) {
        names << QLatin1String(c.name);
        marks << QStringLiteral("?");
    }
    const QString table = QLatin1String(t.name);
    const QString list = names.join(QStringLiteral(", "));
    // The server streams the table's rows as the texts the embedded database
    // stores (dates "yyyy-MM-dd HH:mm:ss" in the snapshot's date style,
    // decimals with their digits as written) while this side writes the ones
    // it has; only one row is held at a time.
    data::CopyOut read(from, QStringLiteral("SELECT %1 FROM %2").arg(list, table));
    data::DirectStatement insert(to, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(table, list, marks.join(QStringLiteral(", "))));
    int rows = 0;
    while (read.next()) {
        for (int i = 0; i < names.size(); ++i) {
            if (read.isNull(i)) {
                insert.bindNull(i);
            } else {
                // Bound as stored: no trimming, the column's type decides.
                int bytes = 0;
                const char* text = read.utf8(i, &bytes);
                insert.bindUtf8(i, text, bytes);
            }
        }
        insert.run();
        if (++rows % kProgressRows == 0 && progress)
            progress(table);
    }
    if (progress)
        progress(table);
}

// Every table of the schema, read as of one moment, into a new embedded
// database with the same schema.
void copyTableByTable(data::Connection& from, const QString& file, const DataProgress& progress)
{
    data::ConnectionSpec spec;
    spec.backend = data::Backend::SQLite;
    spec.database = file;
    auto to = data::Connection::openForSetup(spec);
    for (const QString& sql : to->dialect().scratchFileSql())
        to->exec(sql);
    session::createSchema(*to);
    {
        data::Transaction snapshot(from);
        for (const QString& sql : from.dialect().snapshotSql())
            from.exec(sql);
        QString table;
        data::StatementTicker ticker(*to, [&] {
            if (progress)
                progress(table);
        });
        data::Transaction write(*to);
        for (const data::TableDef& t : data::systemTables()) {
            if (t.isView)
                continue;
            table = QLatin1String(t.name);
            data::loadWithIndexesAside(*to, table, [&] { copyTable(from, *to, t, progress); }, ticker);
        }
        ticker.commit(write);
        snapshot.commit();
    }
    for (const QString& sql : to->dialect().standaloneFileSql())
        to->exec(sql);
}

// On the disk before it takes the target's place, so that a crash never
// leaves a target that is only partly written. Writing out a file of
// hundreds of megabytes takes a while: the window is painted meanwhile.
void syncToDisk(const QString& path, const DataProgress& progress)
{
    QFile f(path);
    bool synced = false;
    if (f.open(QIODevice::ReadWrite))
        data::runBeside([&] { synced = ::fsync(f.handle()) == 0; },
                        tickOf(progress));
    if (!synced)
        throw data::Error(QStringLiteral("无法写入文件 %1：%2").arg(path, f.errorString()));
}

}  // namespace

void writeBackup(data::Connection& c, const QString& target, const DataProgress& progress)
{
    const QString part = newFileBeside(target);
    try {
        if (data::DirectStatement::available(c)) {
            data::copyPagesInto(c, part, tickOf(progress));
        } else {
            copyTableByTable(c, part, progress);
        }
        syncToDisk(part, progress);
        replaceTarget(part, target);
    } catch (...) {
        removeWithCompanions(part);
        throw;
    }
}

}  // namespace app
