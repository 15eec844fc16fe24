#include "platform/data/Dialect.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "platform/data/ServerArray.h"

#include <QDateTime>
#include <QRegularExpression>

namespace data {

int integerBytes(const QString& typeName)
{
    const QString t = typeName.trimmed().toLower();
    if (t.startsWith(u"smallint") || t.startsWith(u"int2"))
        return 2;
    if (t.startsWith(u"bigint") || t.startsWith(u"int8"))
        return 8;
    return 4;
}

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
        c.width = integerBytes(t);
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
    QStringList emptyTablesSql(const QStringList& tables) const override
    {
        QStringList out;
        for (const QString& t : tables)
            out << emptyTableSql(t);
        return out;
    }
    QString attachFileSql(const QString& alias) const override
    {
        return QStringLiteral("ATTACH DATABASE ? AS %1").arg(alias);
    }
    QString detachFileSql(const QString& alias) const override { return QStringLiteral("DETACH DATABASE %1").arg(alias); }
    QStringList scratchFileSql() const override
    {
        return {QStringLiteral("PRAGMA journal_mode = OFF"), QStringLiteral("PRAGMA synchronous = OFF"),
                QStringLiteral("PRAGMA cache_size = -65536"), QStringLiteral("PRAGMA threads = 4")};
    }
    QStringList standaloneFileSql() const override { return {QStringLiteral("PRAGMA journal_mode = DELETE")}; }
    QStringList snapshotSql() const override { return {}; }
    QString dateTimeAsTextSql(const QString& column) const override { return column; }
    // Row identities continue from the largest one stored: nothing to reset.
    QString resetIdentitySql(const QString&, const QString&) const override { return QString(); }
    int otherClientSessions(Connection&) const override { return 0; }
    QList<IndexDef> secondaryIndexes(Connection& c, const QString& table) const override
    {
        // Indexes SQLite makes for a constraint have no statement.
        QList<IndexDef> out;
        QSqlQuery q = c.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' "
                                            "AND tbl_name = ? COLLATE NOCASE AND sql IS NOT NULL ORDER BY name"),
                             {table});
        while (q.next())
            out << IndexDef{q.value(0).toString(), q.value(1).toString()};
        return out;
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
    QStringList writeLockSql(const QString& table) const override
    {
        // A write, even of no row, takes the file's one write lock; the wait
        // is the connection's busy timeout.
        return {QStringLiteral("UPDATE %1 SET rid = rid WHERE 0 = 1").arg(table)};
    }
    bool isLockTimeout(const QSqlError& e) const override
    {
        // SQLITE_BUSY, with or without an extended code.
        return (e.nativeErrorCode().toInt() & 0xff) == 5;
    }
    bool batchesAsArrays() const override { return false; }
    QString batchInsertSql(const QString& table, const QStringList& columns) const override
    {
        QStringList names;
        for (const QString& col : columns)
            names << u':' + col;
        return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, columns.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")));
    }
    QString batchUpdateSql(const QString& table, const QStringList& columns) const override
    {
        QStringList sets;
        for (const QString& col : columns)
            sets << QStringLiteral("%1 = :%1").arg(col);
        return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :%3")
            .arg(table, sets.join(QStringLiteral(", ")), QLatin1String(kRowIdColumn));
    }
    QString rowLockClause() const override { return QString(); }
    QString tableLockSql(const QString&) const override { return QString(); }
    QString sumCentsSql(const QString& column) const override
    {
        return QStringLiteral("sum(cast(round(%1*100) as integer))").arg(column);
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
    QStringList emptyTablesSql(const QStringList& tables) const override
    {
        return {QStringLiteral("TRUNCATE TABLE %1 RESTART IDENTITY").arg(tables.join(QStringLiteral(", ")))};
    }
    QString attachFileSql(const QString&) const override { return QString(); }
    QStringList scratchFileSql() const override { return {}; }
    QStringList standaloneFileSql() const override { return {}; }
    QString detachFileSql(const QString&) const override { return QString(); }
    QStringList snapshotSql() const override
    {
        return {QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY"),
                QStringLiteral("SET LOCAL DateStyle = ISO")};
    }
    QString dateTimeAsTextSql(const QString& column) const override
    {
        return QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS')").arg(column);
    }
    QString resetIdentitySql(const QString& table, const QString& column) const override
    {
        return QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), COALESCE(MAX(%2), 0) + 1, false) "
                              "FROM %1")
            .arg(table.toLower(), column.toLower());
    }
    int otherClientSessions(Connection& c) const override
    {
        // Only client connections count: the server's own workers (autovacuum
        // and the like) show in the same list.
        return c.scalar(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() "
                                       "AND pid <> pg_backend_pid() AND backend_type = 'client backend'"))
            .toInt();
    }
    QList<IndexDef> secondaryIndexes(Connection& c, const QString& table) const override
    {
        QList<IndexDef> out;
        QSqlQuery q = c.exec(
            QStringLiteral("SELECT ic.relname, pg_get_indexdef(i.indexrelid) FROM pg_index i "
                           "JOIN pg_class ic ON ic.oid = i.indexrelid JOIN pg_class tc ON tc.oid = i.indrelid "
                           "JOIN pg_namespace n ON n.oid = tc.relnamespace "
                           "WHERE n.nspname = current_schema() AND tc.relname = ? AND NOT i.indisprimary "
                           "AND NOT EXISTS (SELECT 1 FROM pg_constraint k WHERE k.conindid = i.indexrelid) "
                           "ORDER BY ic.relname"),
            {table.toLower()});
        while (q.next())
            out << IndexDef{q.value(0).toString(), q.value(1).toString()};
        return out;
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
                ci.type = ColType::Integer, ci.width = integerBytes(t);
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
    QStringList writeLockSql(const QString& table) const override { return {tableLockSql(table)}; }
    bool isLockTimeout(const QSqlError& e) const override
    {
        return e.nativeErrorCode() == QStringLiteral("55P03");
    }
    QString rowLockClause() const override { return QStringLiteral(" FOR UPDATE"); }
    QString tableLockSql(const QString& table) const override
    {
        // Conflicts with itself and with row writes, not with readers.
        return QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(table);
    }
    bool batchesAsArrays() const override { return true; }
    QString batchInsertSql(const QString& table, const QStringList& columns) const override
    {
        return QStringLiteral("INSERT INTO %1 (%2) SELECT * FROM unnest(%3)")
            .arg(table, columns.join(QStringLiteral(", ")), arrayParameters(table, columns));
    }
    QString batchUpdateSql(const QString& table, const QStringList& columns) const override
    {
        const QString rid = QLatin1String(kRowIdColumn);
        QStringList sets;
        for (const QString& col : columns)
            sets << QStringLiteral("%1 = u.%1").arg(col);
        const QStringList names = QStringList{rid} + columns;
        return QStringLiteral("UPDATE %1 SET %2 FROM unnest(%3) AS u(%4) WHERE %1.%5 = u.%5")
            .arg(table, sets.join(QStringLiteral(", ")), arrayParameters(table, names),
                 names.join(QStringLiteral(", ")), rid);
    }
    QString sumCentsSql(const QString& column) const override
    {
        return QStringLiteral("sum(round(%1*100))").arg(column);
    }

private:
    // One positional parameter per column, cast to the column's array type.
    static QString arrayParameters(const QString& table, const QStringList& columns)
    {
        QStringList out;
        for (const QString& col : columns)
            out << QStringLiteral("CAST(? AS %1)").arg(serverArrayType(table, col));
        return out.join(QStringLiteral(", "));
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
