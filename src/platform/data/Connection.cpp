#include "platform/data/Connection.h"

#include "platform/data/DatabaseError.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

namespace data {

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("wygl-%1").arg(counter.fetchAndAddRelaxed(1));
}
}  // namespace

void throwQueryError(const QSqlQuery& q, const QString& context)
{
    const QSqlError e = q.lastError();
    const bool server = q.driver() && q.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    logDatabaseError(e.nativeErrorCode(), context, q.lastQuery());
    throw Error(databaseErrorCause(server ? Backend::PostgreSQL : Backend::SQLite, e.nativeErrorCode(),
                                   e.databaseText()));
}

Connection::Connection(const ConnectionSpec& target, QSqlDatabase db)
    : m_spec(target), m_db(db), m_dialect(Dialect::create(target.backend))
{
}

Connection::~Connection()
{
    const QString name = m_db.connectionName();
    m_prepared.clear();
    if (m_db.isOpen()) {
        if (m_depth > 0)
            m_db.rollback();
        m_db.close();
    }
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

std::unique_ptr<Connection> Connection::open(const ConnectionSpec& target)
{
    return openImpl(target, false);
}

std::unique_ptr<Connection> Connection::openForSetup(const ConnectionSpec& target)
{
    return openImpl(target, true);
}

std::unique_ptr<Connection> Connection::openSqliteReadOnly(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("找不到文件 %1。").arg(path));
    ConnectionSpec target;
    target.backend = Backend::SQLite;
    target.database = path;
    const QString name = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kLockWaitMs));
    if (!db.open()) {
        const QString why = db.lastError().text().trimmed();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw Error(QStringLiteral("无法打开文件 %1：%2").arg(path, why));
    }
    return std::unique_ptr<Connection>(new Connection(target, db));
}

std::unique_ptr<Connection> Connection::openFile(const QString& udlPath)
{
    return open(readConnectionFile(udlPath));
}

std::unique_ptr<Connection> Connection::openImpl(const ConnectionSpec& target, bool create)
{
    const QString driver = target.backend == Backend::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw Error(QStringLiteral("缺少数据库驱动 %1。").arg(driver));
    if (target.backend == Backend::SQLite && !create && !QFileInfo::exists(target.database))
        throw Error(QStringLiteral("找不到数据库文件 %1。").arg(target.database));

    const QString name = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
    db.setDatabaseName(target.database);
    if (target.backend == Backend::PostgreSQL) {
        db.setHostName(target.host);
        db.setPort(target.port);
        db.setUserName(target.user);
        db.setPassword(target.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kLockWaitMs));
    }
    if (!db.open()) {
        const QString why = db.lastError().text().trimmed();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw Error(QStringLiteral("无法连接数据库：%1").arg(why));
    }
    std::unique_ptr<Connection> c(new Connection(target, db));
    if (target.backend == Backend::SQLite) {
        c->exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        // The journal mode is written into the file: only a new database or
        // the system's own is switched. Another program's file is refused
        // later, as it was found.
        if (c->isNewOrSystemDatabase())
            c->exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    } else {
        c->exec(QStringLiteral("SET client_min_messages TO WARNING"));
        c->setLockWaitMs(kLockWaitMs);
    }
    return c;
}

QSqlQuery Connection::newQuery() const
{
    QSqlQuery q(m_db);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.setForwardOnly(true);
    return q;
}

QSqlQuery Connection::exec(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = newQuery();
    if (params.isEmpty()) {
        if (!q.exec(sql))
            throwQueryError(q);
        return q;
    }
    if (!q.prepare(sql))
        throwQueryError(q);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throwQueryError(q);
    return q;
}

QSqlQuery& Connection::execCached(const QString& sql, const QVariantList& params)
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        if (m_prepared.size() > 200)
            m_prepared.clear();
        auto q = std::make_shared<QSqlQuery>(newQuery());
        if (!q->prepare(sql))
            throwQueryError(*q);
        it = m_prepared.insert(sql, q);
    }
    QSqlQuery& q = *it.value();
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throwQueryError(q);
    return q;
}

QVariant Connection::scalar(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = exec(sql, params);
    if (!q.next())
        return QVariant();
    return q.value(0);
}

QStringList Connection::tableNames() const
{
    return m_db.tables(QSql::Tables) + m_db.tables(QSql::Views);
}

bool Connection::isNewOrSystemDatabase() const
{
    QStringList own;
    for (const QString& t : tableNames())
        if (!t.startsWith(QLatin1String("sqlite_")))
            own << t;
    if (own.isEmpty())
        return true;
    for (const TableDef& t : systemTables())
        if (!own.contains(QLatin1String(t.name), Qt::CaseInsensitive))
            return false;
    return true;
}

bool Connection::hasTable(const QString& name) const
{
    for (const QString& t : tableNames())
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void Connection::setLockWaitMs(int ms)
{
    m_lockWaitMs = std::max(1, ms);
    exec(backend() == Backend::SQLite ? QStringLiteral("PRAGMA busy_timeout = %1").arg(m_lockWaitMs)
                                      : QStringLiteral("SET lock_timeout = %1").arg(m_lockWaitMs));
}

void Connection::begin()
{
    if (m_depth == 0)
        exec(QStringLiteral("BEGIN"));
    else
        exec(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Connection::commit(const std::function<void(const QString& sql)>& run)
{
    if (m_depth == 0)
        throw Error(QStringLiteral("没有进行中的事务。"));
    const QString sql = m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth - 1);
    if (run)
        run(sql);
    else
        exec(sql);
    if (m_depth == 1) {
        m_depth = 0;
        m_touched.clear();
    } else {
        --m_depth;
    }
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    if (m_depth == 1) {
        m_depth = 0;
        QSqlQuery q = newQuery();
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        --m_depth;
        QSqlQuery q = newQuery();
        q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(m_depth));
        q.exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth));
    }
    // Re-read what was written inside; the list stays until the outermost end,
    // since the outer work may still be rolled back too.
    auto touched = m_touched;
    if (m_depth == 0)
        m_touched.clear();
    for (auto& [who, reload] : touched)
        if (who)
            reload();
}

void Connection::noteWrite(QObject* who, std::function<void()> reload)
{
    if (m_depth == 0)
        return;
    for (auto& t : m_touched)
        if (t.first == who)
            return;
    m_touched.emplace_back(who, std::move(reload));
}

Transaction::~Transaction()
{
    if (!m_done)
        m_conn.rollback();
}

void Transaction::commit(const std::function<void(const QString& sql)>& run)
{
    m_conn.commit(run);
    m_done = true;
}

}  // namespace data
