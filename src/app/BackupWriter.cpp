#include "app/BackupWriter.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/IndexesAside.h"
#include "platform/data/PageCopy.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/StatementTicker.h"
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
    const data::Dialect& d = from.dialect();
    QStringList names{QLatin1String(data::kRowIdColumn)};
    QStringList read{QLatin1String(data::kRowIdColumn)};
    QStringList marks{QStringLiteral("?")};
    for (const data::ColumnDef& c : t.columns) {
        names << QLatin1String(c.name);
        read << d.columnAsTextSql(QLatin1String(c.name));
        marks << QStringLiteral("?");
    }
    const QString table = QLatin1String(t.name);
    // One statement a table: the server goes on sending rows while this side
    // writes the ones it has, and only one row is held at a time.
    const QString select = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                               .arg(read.join(QStringLiteral(", ")), table, QLatin1String(data::kRowIdColumn));
    data::DirectStatement insert(to, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    QSqlQuery q = from.exec(select);
    int rows = 0;
    while (q.next()) {
        insert.bindInteger(0, q.value(0).toLongLong());
        for (int i = 1; i < names.size(); ++i) {
            const QVariant v = q.value(i);
            if (v.isNull()) {
                insert.bindNull(i);
            } else {
                // Bound as stored: no trimming, the column's type decides.
                const QByteArray text = v.toString().toUtf8();
                insert.bindUtf8(i, text.constData(), int(text.size()));
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
        const auto tick = [&] {
            if (progress)
                progress(table);
        };
        const data::StatementTicker ticker(*to, tick);
        data::Transaction write(*to);
        for (const data::TableDef& t : data::systemTables()) {
            if (t.isView)
                continue;
            table = QLatin1String(t.name);
            data::loadWithIndexesAside(*to, table, [&] { copyTable(from, *to, t, progress); }, tick);
        }
        write.commit();
        snapshot.commit();
    }
    for (const QString& sql : to->dialect().standaloneFileSql())
        to->exec(sql);
}

// On the disk before it takes the target's place, so that a crash never
// leaves a target that is only partly written.
void syncToDisk(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || ::fsync(f.handle()) != 0)
        throw data::Error(QStringLiteral("无法写入文件 %1：%2").arg(path, f.errorString()));
}

}  // namespace

void writeBackup(data::Connection& c, const QString& target, const DataProgress& progress)
{
    const QString part = newFileBeside(target);
    try {
        if (data::DirectStatement::available(c)) {
            data::copyPagesInto(c, part, [&progress] {
                if (progress)
                    progress(QString());
            });
        } else {
            copyTableByTable(c, part, progress);
        }
        syncToDisk(part);
        replaceTarget(part, target);
    } catch (...) {
        removeWithCompanions(part);
        throw;
    }
}

}  // namespace app
