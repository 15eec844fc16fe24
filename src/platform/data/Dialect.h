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
    int width = 0;
    int precision = 0;
    int scale = 0;
};

class Dialect {
public:
    virtual ~Dialect() = default;
    virtual Backend backend() const = 0;

    // A statement returning the server's current date-time as one value.
    virtual QString serverNowSql() const = 0;
    // Empties a table and restarts its identities.
    virtual QStringList emptyTableSql(const QString& table) const = 0;
    // Text appended to an INSERT so the new row's identity can be read back.
    virtual QString returningRowId() const = 0;
    // The identity of the row an INSERT just wrote.
    virtual qint64 insertedRowId(QSqlQuery& q) const = 0;
    // The columns of a table as the database declares them; empty when the
    // table does not exist.
    virtual QList<ColumnInfo> columns(Connection& c, const QString& table) const = 0;
    // Binds a date-time the way the backend stores it.
    virtual QVariant dateTimeValue(const QDateTime& dt) const = 0;

    // An expression for the text of `expr` trimmed as data::trimmed() trims it.
    virtual QString trimmedSql(const QString& expr) const = 0;
    // Significant digits a decimal column keeps exactly, whatever its declared
    // precision; 0 when the declared precision is the only limit. (The
    // embedded database keeps decimals as binary floating point.)
    virtual int exactDigits() const = 0;
    // Statements that take, as the first step of a transaction, the lock on a
    // table that other writers of it wait for until the transaction ends;
    // a wait longer than waitMs fails with an error isLockTimeout() knows.
    virtual QStringList lockTableSql(const QString& table, int waitMs) const = 0;
    virtual bool isLockTimeout(const QSqlError& e) const = 0;

    static std::unique_ptr<Dialect> create(Backend b);
};

// Maps a declared SQL type ("varchar(20)", "numeric(18,2)", "timestamp") to a
// column kind with its width and scale.
ColumnInfo columnInfoFromTypeName(const QString& name, const QString& typeName);

}  // namespace data
