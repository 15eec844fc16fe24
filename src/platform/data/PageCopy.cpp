#include "platform/data/PageCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"

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

}  // namespace

bool canCopyPages(Connection& c)
{
    return DirectStatement::available(c) && c.transactionDepth() == 0;
}

void copyPagesFrom(Connection& c, const QString& file, const std::function<void()>& tick)
{
    const auto source = Connection::openSqliteReadOnly(file);
    const int pages = std::clamp(source->scalar(QStringLiteral("PRAGMA page_count")).toInt() / kStretches, 1, kMostPages);
    sqlite3* to = embeddedHandle(c);
    sqlite3_backup* copy = sqlite3_backup_init(to, "main", embeddedHandle(*source), "main");
    if (!copy)
        fail(sqlite3_extended_errcode(to));
    int rc = SQLITE_OK;
    try {
        while ((rc = sqlite3_backup_step(copy, pages)) == SQLITE_OK)
            if (tick)
                tick();
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
    // The copy went into the log: moved into the database file now, the log
    // does not stay as large as the database until the program ends.
    c.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

}  // namespace data
