#include "platform/data/PageCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/StatementTicker.h"
#include "platform/data/WorkBeside.h"

#include <algorithm>
#include <sqlite3.h>

namespace data {

namespace {

// Pages per stretch: at most about 4 MB, a few milliseconds of copying; a
// small file still goes in several stretches.
constexpr int kMostPages = 1024;
constexpr int kStretches = 64;

[[noreturn]] void fail(int code)
{
    const QString text = QString::number(code);
    logDatabaseError(text, QStringLiteral("page copy"), QString());
    throw Error(databaseErrorCause(Backend::SQLite, text, QString::fromUtf8(sqlite3_errstr(code))));
}

// Pages a stretch for the database of `c`; reading the page count also
// starts the read transaction of an open one.
int stretchOf(Connection& c)
{
    return std::clamp(c.scalar(QStringLiteral("PRAGMA page_count")).toInt() / kStretches, 1, kMostPages);
}

// Copies every page of `from` into `to`, calling `tick` between stretches.
void copyAll(sqlite3* to, sqlite3* from, int pages, const std::function<void()>& tick)
{
    sqlite3_backup* copy = sqlite3_backup_init(to, "main", from, "main");
    if (!copy)
        fail(sqlite3_extended_errcode(to));
    int rc = SQLITE_OK;
    try {
        while ((rc = sqlite3_backup_step(copy, pages)) == SQLITE_OK && sqlite3_backup_remaining(copy) > pages)
            if (tick)
                tick();
        // The last stretch also commits the copy, writing what is held of it
        // in one step: it runs beside this thread. A stop asked for then
        // comes too late to keep the copy from being whole.
        if (rc == SQLITE_OK)
            runBeside([&] { rc = sqlite3_backup_step(copy, -1); }, !tick ? tick : [&tick] {
                try {
                    tick();
                } catch (...) {
                }
            });
    } catch (...) {
        // Finishing a copy that has not reached its end rolls its write
        // transaction back.
        sqlite3_backup_finish(copy);
        throw;
    }
    const int finished = sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        fail(rc);
    if (finished != SQLITE_OK)
        fail(finished);
}

}  // namespace

bool canCopyPages(Connection& c)
{
    return DirectStatement::available(c) && c.transactionDepth() == 0;
}

void copyPagesFrom(Connection& c, const QString& file, const std::function<void()>& tick)
{
    const auto source = Connection::openSqliteReadOnly(file);
    copyAll(embeddedHandle(c), embeddedHandle(*source), stretchOf(*source), tick);
    // The copy went into the log: moved into the database file now, the log
    // does not stay as large as the database until the program ends.
    StatementTicker(c, tick).settle();
}

void copyPagesInto(Connection& c, const QString& file, const std::function<void()>& tick)
{
    if (!canCopyPages(c))
        throw Error(QStringLiteral("数据库正有未完成的修改，无法复制。"));
    ConnectionSpec spec;
    spec.backend = Backend::SQLite;
    spec.database = file;
    const auto to = Connection::openForSetup(spec);
    for (const QString& sql : to->dialect().scratchFileSql())
        to->exec(sql);
    {
        // One read transaction across every stretch: the copy is the
        // database as it was at its start whatever others write meanwhile.
        // Read stretch by stretch on their own, it would start over after
        // each change made elsewhere, without end while others keep working.
        Transaction snapshot(c);
        copyAll(embeddedHandle(*to), embeddedHandle(c), stretchOf(c), tick);
        snapshot.commit();
    }
    // Whole in itself, as a file to be opened read-only later must be: the
    // log mode of the database in use does not come along.
    for (const QString& sql : to->dialect().standaloneFileSql())
        to->exec(sql);
}

}  // namespace data
