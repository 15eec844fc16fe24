#pragma once
// The few statements that differ between the embedded and the server database.

#include "platform/data/ConnectionFile.h"
#include "platform/data/SchemaCatalog.h"

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <memory>

namespace data {

class Connection;

struct ColumnInfo {
    QString name;
    ColType type = ColType::String;
    int width = 0;  // as ColumnDef::width
    int precision = 0;
    int scale = 0;
};

// An index of a table as the database holds it, with the statement that
// creates it again.
struct IndexDef {
    QString name;
    QString createSql;
};

class Dialect {
public:
    virtual ~Dialect() = default;
    virtual Backend backend() const = 0;

    // A statement returning the server's current date-time as one value.
    virtual QString serverNowSql() const = 0;
    // Empties a table and restarts its identities.
    virtual QStringList emptyTableSql(const QString& table) const = 0;
    // Empties several tables and restarts their identities; run inside one
    // transaction, so that either all of them are emptied or none.
    virtual QStringList emptyTablesSql(const QStringList& tables) const = 0;

    // --- whole-database copies (backup, restore, clearing) -------------------
    // Makes a database file readable under the alias in the statements
    // that follow (the file bound as the one parameter), or "" when the
    // backend cannot and the rows are copied through the program.
    virtual QString attachFileSql(const QString& alias) const = 0;
    virtual QString detachFileSql(const QString& alias) const = 0;
    // Statements that let a connection write a new database file fastest,
    // without a log: for a file that is thrown away if the work fails.
    virtual QStringList scratchFileSql() const = 0;
    // Statements that leave such a file whole in itself, with no log file
    // beside it that a copy could miss.
    virtual QStringList standaloneFileSql() const = 0;
    // Statements run first in a transaction that only reads, so that every
    // table is read as of one moment while other workstations go on writing.
    virtual QStringList snapshotSql() const = 0;
    // A date-time column read as the text the embedded database stores for
    // it ("yyyy-MM-dd HH:mm:ss"), whatever the session's date style.
    virtual QString dateTimeAsTextSql(const QString& column) const = 0;
    // Makes the next value the database assigns to an identity column follow
    // the largest one stored; "" where the backend does so by itself.
    virtual QString resetIdentitySql(const QString& table, const QString& column) const = 0;
    // The indexes of a table other than its row identity's and those behind
    // a constraint: a bulk load drops them and builds them again afterwards,
    // which is much faster than keeping them up to date row by row.
    virtual QList<IndexDef> secondaryIndexes(Connection& c, const QString& table) const = 0;
    // The number of other client connections to the same database; 0 where
    // the database has no other workstations (the embedded one).
    virtual int otherClientSessions(Connection& c) const = 0;
    // Text appended to an INSERT so the new row's identity can be read back.
    virtual QString returningRowId() const = 0;
    // The identity of the row an INSERT just wrote.
    virtual qint64 insertedRowId(QSqlQuery& q) const = 0;
    // The columns of a table as the database declares them; empty when the
    // table does not exist.
    virtual QList<ColumnInfo> columns(Connection& c, const QString& table) const = 0;
    // Binds a date-time the way the backend stores it.
    virtual QVariant dateTimeValue(const QDateTime& dt) const = 0;
    // Appended to a SELECT inside a transaction so that the rows it reads stay
    // locked against other writers until the transaction ends. Empty on the
    // embedded database: one writer at a time holds the whole file, and a
    // transaction that read rows another has changed since cannot write.
    virtual QString rowLockClause() const = 0;
    // Locks a table against other writers until the transaction ends, before
    // inserting a row whose value the database does not keep unique; empty
    // where writers are serialised anyway.
    virtual QString tableLockSql(const QString& table) const = 0;
    // An aggregate summing a money column of two decimals exactly, as a whole
    // number of cents; null when every value is null. (The embedded database
    // sums decimals as binary floats: 619246.870000001.)
    virtual QString sumCentsSql(const QString& column) const = 0;

    // Many-row writes (BatchInsert, BatchUpdate). A server takes a batch of
    // rows as one array per column (ServerArray), bound by position, so a
    // batch is one round trip; the embedded database writes one row per
    // prepared statement, bound by name (":column"), which costs little there.
    virtual bool batchesAsArrays() const = 0;
    virtual QString batchInsertSql(const QString& table, const QStringList& columns) const = 0;
    // Sets the columns of the row whose identity comes first (":rid", or the
    // first array).
    virtual QString batchUpdateSql(const QString& table, const QStringList& columns) const = 0;

    // An expression for the text of `expr` trimmed as data::trimmed() trims it.
    virtual QString trimmedSql(const QString& expr) const = 0;
    // Significant digits a decimal column keeps exactly, whatever its declared
    // precision; 0 when the declared precision is the only limit. (The
    // embedded database keeps decimals as binary floating point.)
    virtual int exactDigits() const = 0;
    // Statements that take, as the first step of a transaction, the lock on a
    // table that other writers of it wait for until the transaction ends (on
    // the embedded database the file's one write lock, so that the
    // transaction reads what the one before it wrote); a wait longer than the
    // connection's lock wait fails with an error isLockTimeout() knows.
    virtual QStringList writeLockSql(const QString& table) const = 0;
    virtual bool isLockTimeout(const QSqlError& e) const = 0;

    static std::unique_ptr<Dialect> create(Backend b);
};

// Maps a declared SQL type ("varchar(20)", "numeric(18,2)", "timestamp") to a
// column kind with its width (a whole number's: its bytes) and scale.
ColumnInfo columnInfoFromTypeName(const QString& name, const QString& typeName);
// The bytes of a whole-number type: 2 for smallint, 8 for bigint, else 4.
int integerBytes(const QString& typeName);

}  // namespace data
