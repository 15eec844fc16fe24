#pragma once
// The program's one database connection.
//
// Transactions nest by save points: the outermost begin() starts a real
// transaction, inner ones set a save point. commit() of an inner level
// releases its save point; rollback() of an inner level returns to it, so a
// failed step can be undone without losing the outer work. Use the
// Transaction guard, which rolls back when it goes out of scope uncommitted.

#include "platform/data/ConnectionFile.h"

#include <QHash>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace data {

class Dialect;

class Connection {
public:
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the database the target names; throws data::Error with the cause.
    static std::unique_ptr<Connection> open(const ConnectionSpec& target);
    // Reads a data-link file and opens what it names.
    static std::unique_ptr<Connection> openFile(const QString& udlPath);
    // For the set-up tool only: a SQLite file that does not exist yet is created.
    static std::unique_ptr<Connection> openForSetup(const ConnectionSpec& target);
    // An SQLite file opened only to be read (a backup being checked or read
    // back): nothing is written to it, not even its journal mode.
    static std::unique_ptr<Connection> openSqliteReadOnly(const QString& path);

    QSqlDatabase& db() { return m_db; }
    const Dialect& dialect() const { return *m_dialect; }
    Backend backend() const { return m_spec.backend; }
    const ConnectionSpec& target() const { return m_spec; }

    // A query on this connection with exact decimals (numeric as text).
    QSqlQuery newQuery() const;
    // Prepares and runs one statement with positional '?' parameters.
    // Throws data::Error with the database's message on failure.
    QSqlQuery exec(const QString& sql, const QVariantList& params = {});
    // Like exec(), but keeps the prepared statement for the next call with the
    // same text. For statements whose result is read at once (writes by the
    // datasets); do not keep the returned query.
    QSqlQuery& execCached(const QString& sql, const QVariantList& params);
    // Runs a statement that returns one value (first column of first row);
    // a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Table and view names as the database reports them.
    QStringList tableNames() const;
    bool hasTable(const QString& name) const;
    // True for a database without tables, or one that holds every table and
    // view of the system.
    bool isNewOrSystemDatabase() const;

    // How long any statement of this connection waits for another
    // workstation's lock before it fails (the server's lock timeout, the
    // embedded database's busy timeout): kLockWaitMs from the moment the
    // connection opens; shorter only in tests.
    static constexpr int kLockWaitMs = 10000;
    int lockWaitMs() const { return m_lockWaitMs; }
    void setLockWaitMs(int ms);

    void begin();
    // `run`, when given, runs the statement that ends the level (so that a
    // long commit can be waited for while the window is painted).
    void commit(const std::function<void(const QString& sql)>& run = {});
    void rollback();
    int transactionDepth() const { return m_depth; }

    // A dataset that wrote inside the current transaction registers here;
    // if the transaction is rolled back, its reload runs so the rows in
    // memory match the database again.
    void noteWrite(QObject* who, std::function<void()> reload);

private:
    Connection(const ConnectionSpec& target, QSqlDatabase db);
    static std::unique_ptr<Connection> openImpl(const ConnectionSpec& target, bool create);

    ConnectionSpec m_spec;
    QSqlDatabase m_db;
    std::unique_ptr<Dialect> m_dialect;
    int m_depth = 0;
    int m_lockWaitMs = kLockWaitMs;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_touched;
};

// Scope guard: begins on construction, rolls back on destruction unless
// commit() was called.
class Transaction {
public:
    explicit Transaction(Connection& c) : m_conn(c) { m_conn.begin(); }
    ~Transaction();
    void commit(const std::function<void(const QString& sql)>& run = {});
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Connection& m_conn;
    bool m_done = false;
};

// Throws data::Error with the cause of the query's last error (see
// DatabaseError.h); `context` names where it happened, for standard error.
[[noreturn]] void throwQueryError(const QSqlQuery& q, const QString& context = QString());

}  // namespace data
