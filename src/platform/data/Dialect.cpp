#include "platform/data/Dialect.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"

#include <QDateTime>
#include <QRegularExpression>

namespace data {

ColumnInfo columnInfoFromTypeName(const QString& name, const QString& typeName)
{
    ColumnInfo c;
    c.name = name;
    const QString t = typeName.trimmed().toLower();
    static const QRegularExpression args(QStringLiteral("\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)"));
    const auto m = args.match(t);
    const int a = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int b = m.hasMatch() && !m.captured(2).isEmpty() ? m.captured(2).toInt() : 0;
    if (t.startsWith(u"varchar") || t.startsWith(u"character varying") || t.startsWith(u"char")
        || t.startsWith(u"nvarchar") || t.startsWith(u"nchar")) {
        c.type = ColType::String;
        c.width = a;
    } else if (t.startsWith(u"numeric") || t.startsWith(u"decimal")) {
        c.type = ColType::Decimal;
        c.precision = a;
        c.scale = b;
    } else if (t.contains(u"int")) {
        c.type = ColType::Integer;
    } else if (t.startsWith(u"datetime") || t.startsWith(u"timestamp") || t == u"date") {
        c.type = ColType::DateTime;
    } else if (t == u"text" || t.isEmpty()) {
        c.type = ColType::Memo;
    } else {
        c.type = ColType::Memo;
    }
    return c;
}

namespace {

class SqliteDialect : public Dialect {
public:
    Backend backend() const override { return Backend::SQLite; }
    QString serverNowSql() const override
    {
        return QStringLiteral("SELECT datetime('now','localtime')");
    }
    QStringList emptyTableSql(const QString& table) const override
    {
        // Without AUTOINCREMENT the row identity restarts once the table is empty.
        return {QStringLiteral("DELETE FROM %1").arg(table)};
    }
    QString returningRowId() const override { return QString(); }
    qint64 insertedRowId(QSqlQuery& q) const override { return q.lastInsertId().toLongLong(); }
    QList<ColumnInfo> columns(Connection& c, const QString& table) const override
    {
        QList<ColumnInfo> out;
        QSqlQuery q = c.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (q.next())
            out << columnInfoFromTypeName(q.value(1).toString(), q.value(2).toString());
        return out;
    }
    QVariant dateTimeValue(const QDateTime& dt) const override
    {
        if (!dt.isValid())
            return QVariant();
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    QString trimmedSql(const QString& expr) const override
    {
        static const QString chars = [] {
            QStringList codes;
            for (int c = 1; c <= 0x20; ++c)
                codes << QString::number(c);
            return QStringLiteral("char(%1)").arg(codes.join(u','));
        }();
        return QStringLiteral("trim(%1, %2)").arg(expr, chars);
    }
    int exactDigits() const override { return 15; }
    QStringList lockTableSql(const QString& table, int) const override
    {
        // A write, even of no row, takes the database's one write lock; the
        // wait is the connection's busy timeout.
        return {QStringLiteral("UPDATE %1 SET rid = rid WHERE 0 = 1").arg(table)};
    }
    bool isLockTimeout(const QSqlError& e) const override
    {
        // SQLITE_BUSY, with or without an extended code.
        return (e.nativeErrorCode().toInt() & 0xff) == 5;
    }
};

class PostgresDialect : public Dialect {
public:
    Backend backend() const override { return Backend::PostgreSQL; }
    QString serverNowSql() const override { return QStringLiteral("SELECT LOCALTIMESTAMP(0)"); }
    QStringList emptyTableSql(const QString& table) const override
    {
        return {QStringLiteral("TRUNCATE TABLE %1 RESTART IDENTITY").arg(table)};
    }
    QString returningRowId() const override { return QStringLiteral(" RETURNING rid"); }
    qint64 insertedRowId(QSqlQuery& q) const override
    {
        if (!q.next())
            return 0;
        return q.value(0).toLongLong();
    }
    QList<ColumnInfo> columns(Connection& c, const QString& table) const override
    {
        QList<ColumnInfo> out;
        QSqlQuery q = c.exec(
            QStringLiteral("SELECT column_name, data_type, character_maximum_length, numeric_precision, "
                           "numeric_scale FROM information_schema.columns "
                           "WHERE table_schema = current_schema() AND table_name = ? ORDER BY ordinal_position"),
            {table.toLower()});
        while (q.next()) {
            ColumnInfo ci;
            ci.name = q.value(0).toString();
            const QString t = q.value(1).toString();
            if (t.startsWith(u"character"))
                ci.type = ColType::String, ci.width = q.value(2).toInt();
            else if (t == u"numeric")
                ci.type = ColType::Decimal, ci.precision = q.value(3).toInt(), ci.scale = q.value(4).toInt();
            else if (t.contains(u"int"))
                ci.type = ColType::Integer;
            else if (t.startsWith(u"timestamp") || t == u"date")
                ci.type = ColType::DateTime;
            else
                ci.type = ColType::Memo;
            out << ci;
        }
        return out;
    }
    QVariant dateTimeValue(const QDateTime& dt) const override
    {
        if (!dt.isValid())
            return QVariant();
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    QString trimmedSql(const QString& expr) const override
    {
        static const QString chars = [] {
            QString octal;
            for (int c = 1; c <= 0x20; ++c)
                octal += QStringLiteral("\\%1").arg(c, 3, 8, QLatin1Char('0'));
            return QStringLiteral("E'%1'").arg(octal);
        }();
        return QStringLiteral("btrim(%1, %2)").arg(expr, chars);
    }
    int exactDigits() const override { return 0; }
    QStringList lockTableSql(const QString& table, int waitMs) const override
    {
        return {QStringLiteral("SET LOCAL lock_timeout = %1").arg(std::max(1, waitMs)),
                QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(table)};
    }
    bool isLockTimeout(const QSqlError& e) const override
    {
        return e.nativeErrorCode() == QStringLiteral("55P03");
    }
};

}  // namespace

std::unique_ptr<Dialect> Dialect::create(Backend b)
{
    if (b == Backend::SQLite)
        return std::make_unique<SqliteDialect>();
    return std::make_unique<PostgresDialect>();
}

}  // namespace data
