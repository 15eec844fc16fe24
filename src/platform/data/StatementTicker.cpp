#include "platform/data/StatementTicker.h"

#include "platform/data/Connection.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/ServerCopy.h"
#include "platform/data/WorkBeside.h"

#include <libpq-fe.h>
#include <poll.h>
#include <sqlite3.h>
#include <thread>

namespace data {

namespace {
// Engine steps between calls: a few milliseconds of work.
constexpr int kSteps = 200000;
// Milliseconds waited for the server's answer between calls.
constexpr int kWaitMs = 50;
}  // namespace

StatementTicker::StatementTicker(Connection& c, std::function<void()> tick) : m_c(&c), m_tick(std::move(tick))
{
    if (!DirectStatement::available(c) || !m_tick)
        return;
    watch(embeddedHandle(c));
    // A commit would otherwise write the log into the database file in one
    // step, as long as the whole write took.
    DirectStatement setting(c, QStringLiteral("PRAGMA wal_autocheckpoint"));
    m_autoCheckpoint = setting.step() ? int(setting.integer(0)) : 0;
    sqlite3_wal_autocheckpoint(m_db, 0);
}

StatementTicker::StatementTicker(sqlite3* db, std::function<void()> tick) : m_tick(std::move(tick))
{
    if (m_tick)
        watch(db);
    else
        m_db = db;
}

void StatementTicker::watch(sqlite3* db)
{
    m_db = db;
    sqlite3_progress_handler(m_db, kSteps, &StatementTicker::onProgress, this);
}

StatementTicker::~StatementTicker()
{
    if (!m_db || !m_tick)
        return;
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    if (m_c)
        sqlite3_wal_autocheckpoint(m_db, m_autoCheckpoint);
}

int StatementTicker::onProgress(void* self)
{
    // Statements run beside this thread are covered by that thread's waiting.
    auto* ticker = static_cast<StatementTicker*>(self);
    if (std::this_thread::get_id() != ticker->m_owner)
        return 0;
    // Called from inside the database engine: nothing may be thrown through it.
    try {
        ticker->m_tick();
        return 0;
    } catch (...) {
        return 1;
    }
}

void StatementTicker::run(const QString& sql)
{
    if (m_c && !m_tick) {
        m_c->exec(sql);
    } else if (m_c && serverCopyAvailable(*m_c)) {
        runOnServer(sql);
    } else if (!m_tick) {
        DirectStatement(m_db, sql).run();
    } else {
        DirectStatement statement(m_db, sql);
        runBeside([&statement] { statement.run(); }, m_tick, [&statement] { statement.interrupt(); });
    }
}

void StatementTicker::commit(Transaction& tx)
{
    tx.commit([this](const QString& sql) { run(sql); });
}

void StatementTicker::settle()
{
    if (!m_c || !DirectStatement::available(*m_c))
        return;
    try {
        run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    } catch (...) {
        // The work itself is done and kept: stopped or failed here, the log
        // is written into the file by a later commit.
    }
}

void StatementTicker::runOnServer(const QString& sql)
{
    PGconn* conn = serverHandle(*m_c);
    if (!PQsendQuery(conn, sql.toUtf8().constData()))
        failOnServer(conn, nullptr, sql);
    try {
        for (;;) {
            pollfd wait{PQsocket(conn), POLLIN, 0};
            ::poll(&wait, 1, kWaitMs);
            if (!PQconsumeInput(conn))
                failOnServer(conn, nullptr, sql);
            if (!PQisBusy(conn))
                break;
            m_tick();
        }
    } catch (...) {
        stopOnServer(conn);
        throw;
    }
    while (PGresult* r = PQgetResult(conn)) {
        const ExecStatusType status = PQresultStatus(r);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            failOnServer(conn, r, sql);
        PQclear(r);
    }
}

}  // namespace data
