#include "app/BackupWriter.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/OwnFile.h"
#include "platform/data/PageCopy.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/ServerCopy.h"
#include "platform/data/StatementTicker.h"
#include "platform/data/StoredNumber.h"
#include "platform/data/WorkBeside.h"
#include "session/DatabaseSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>
#include <unistd.h>

namespace app {

namespace {

// Rows copied between two progress calls.
constexpr int kProgressRows = 5000;
// Rows written by one statement, as far as the parameters a statement may
// have allow (the embedded database's least limit).
constexpr int kRowsPerInsert = 32;
constexpr int kMostParameters = 999;

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

// The statement that inserts so many rows of the columns at once.
QString insertSql(const QString& table, const QStringList& names, int rows)
{
    const QString row = QStringLiteral("(?%1)").arg(QStringLiteral(", ?").repeated(names.size() - 1));
    QStringList values;
    for (int i = 0; i < rows; ++i)
        values << row;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
}

// Which of the columns keep a number for a text that reads as one (their
// declared type names an integer, or is not a text, a blob or a floating
// type: the embedded database's own rule).
std::vector<bool> storesNumbers(sqlite3* to, const QString& table, const QStringList& names)
{
    QHash<QString, QString> declared;
    data::DirectStatement info(to, QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (info.step())
        declared.insert(info.text(1).toLower(), info.text(2).toUpper());
    std::vector<bool> out;
    for (const QString& name : names) {
        const QString type = declared.value(name.toLower());
        const bool text = type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB"))
                          || type.contains(QLatin1String("TEXT"));
        const bool other = type.isEmpty() || type.contains(QLatin1String("BLOB"))
                           || type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
                           || type.contains(QLatin1String("DOUB"));
        out.push_back(type.contains(QLatin1String("INT")) || (!text && !other));
    }
    return out;
}

void copyTable(data::Connection& from, sqlite3* to, const data::TableDef& t, const DataProgress& progress)
{
    QStringList names{QLatin1String(data::kRowIdColumn)};
    for (const data::ColumnDef& c : t.columns)
        names << QLatin1String(c.name);
    const QString table = QLatin1String(t.name);
    const int columns = int(names.size());
    // The server streams the table's rows as the texts the embedded database
    // stores (dates "yyyy-MM-dd HH:mm:ss" in the snapshot's date style,
    // decimals with their digits as written) while this side writes the ones
    // it has, each value bound where it lies, several rows a statement.
    data::CopyOut read(from, QStringLiteral("SELECT %1 FROM %2").arg(names.join(QStringLiteral(", ")), table));
    const int perRun = std::clamp(kMostParameters / columns, 1, kRowsPerInsert);
    data::DirectStatement many(to, insertSql(table, names, perRun));
    data::DirectStatement one(to, insertSql(table, names, 1));
    const std::vector<bool> numbers = storesNumbers(to, table, names);
    const auto bind = [&](data::DirectStatement& insert, int first) {
        for (int i = 0; i < columns; ++i) {
            if (read.isNull(i)) {
                insert.bindNull(first + i);
                continue;
            }
            // Bound as stored: no trimming, the column's type decides. A
            // number the column would keep for the text is bound as that
            // number, sparing the database its conversion of each text.
            int bytes = 0;
            const char* text = read.utf8(i, &bytes);
            const data::StoredNumber n =
                numbers[size_t(i)] ? data::storedNumber(text, bytes) : data::StoredNumber();
            if (n.kind == data::StoredNumber::Kind::Integer)
                insert.bindInteger(first + i, n.integer);
            else if (n.kind == data::StoredNumber::Kind::Real)
                insert.bindReal(first + i, n.real);
            else
                insert.bindUtf8InPlace(first + i, text, bytes);
        }
    };
    int rows = 0;
    while (read.next()) {
        if (read.rowsAtHand() + 1 >= perRun) {
            // The rows bound stay where they lie until the statement ran.
            bind(many, 0);
            for (int r = 1; r < perRun; ++r) {
                read.next();
                bind(many, r * columns);
            }
            many.run();
            rows += perRun;
        } else {
            bind(one, 0);
            one.run();
            ++rows;
        }
        if (rows >= kProgressRows) {
            rows = 0;
            if (progress)
                progress(table);
        }
    }
    if (progress)
        progress(table);
}

// A new embedded database with the system's tables, view and triggers, and
// none of the secondary indexes: a backup holds what the database keeps,
// not what it works out from it. Like the server's own dump, which keeps an
// index's definition but not its entries, it leaves them to the restore: one
// into the embedded database builds the schema in use's indexes over the
// rows (the tables are then laid out otherwise than in the database in use),
// one into the server keeps the server's own. Building them here would take
// as long again as writing the rows.
void createSchemaWithoutIndexes(const QString& file, const DataProgress& progress)
{
    // The schema is many small statements: the window is painted between them.
    const auto tick = [&] {
        if (progress)
            progress(QString());
    };
    data::ConnectionSpec spec;
    spec.backend = data::Backend::SQLite;
    spec.database = file;
    auto to = data::Connection::openForSetup(spec);
    for (const QString& sql : to->dialect().scratchFileSql())
        to->exec(sql);
    session::createSchema(*to);
    tick();
    data::Transaction drop(*to);
    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        for (const data::IndexDef& ix : to->dialect().secondaryIndexes(*to, QLatin1String(t.name)))
            to->exec(QStringLiteral("DROP INDEX %1").arg(ix.name));
        tick();
    }
    drop.commit();
    // Whole in itself, as a file to be opened read-only later must be: not
    // in the log mode a new database is given.
    for (const QString& sql : to->dialect().standaloneFileSql())
        to->exec(sql);
}

// Every table of the schema, read as of one moment, into a new embedded
// database with the same tables. The rows are written on a handle of the
// file's own, outside the Qt driver: nothing is converted on the way.
void copyTableByTable(data::Connection& from, const QString& file, const DataProgress& progress)
{
    createSchemaWithoutIndexes(file, progress);
    data::OwnFile to(file);
    data::Transaction snapshot(from);
    for (const QString& sql : from.dialect().snapshotSql())
        from.exec(sql);
    QString table;
    data::StatementTicker ticker(to.handle(), [&] {
        if (progress)
            progress(table);
    });
    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        table = QLatin1String(t.name);
        to.exec(QStringLiteral("BEGIN"));
        copyTable(from, to.handle(), t, progress);
        ticker.run(QStringLiteral("COMMIT"));
        // The table's rows on their way to the disk while the next ones are read.
        to.startWritingOut();
    }
    snapshot.commit();
    // The last tables are read faster than the large one before them is
    // written out: the window is painted while the disk catches up.
    data::runBeside([&] { to.waitForWritingOut(); }, tickOf(progress));
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
