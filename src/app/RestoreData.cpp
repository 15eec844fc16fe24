#include "app/RestoreData.h"

#include "app/SoleSession.h"
#include "platform/data/BatchInsert.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"

namespace app {

namespace {

// Rows sent to the server per statement.
constexpr int kWriteBatch = 5000;

const QLatin1String kAlias("bak");

QStringList storedTables()
{
    QStringList out;
    for (const data::TableDef& t : data::systemTables())
        if (!t.isView)
            out << QLatin1String(t.name);
    return out;
}

// The row identity first, then the columns of the schema.
QStringList columnsOf(const data::TableDef& t)
{
    QStringList out{QLatin1String(data::kRowIdColumn)};
    for (const data::ColumnDef& c : t.columns)
        out << QLatin1String(c.name);
    return out;
}

void beginReplacing(data::Connection& c)
{
    for (const QString& sql : c.dialect().lockTimeoutSql())
        c.exec(sql);
    // Checked again inside the transaction: someone may have connected since
    // the user was asked.
    refuseOtherSessions(c);
    for (const QString& sql : c.dialect().emptyTablesSql(storedTables()))
        c.exec(sql);
}

// The file is attached to the connection and copied table to table inside
// the database itself.
void restoreByAttaching(data::Connection& c, const QString& file, const QString& attachSql,
                        const DataProgress& progress)
{
    c.exec(attachSql, {file});
    try {
        data::Transaction tx(c);
        beginReplacing(c);
        for (const data::TableDef& t : data::systemTables()) {
            if (t.isView)
                continue;
            const QString cols = columnsOf(t).join(QStringLiteral(", "));
            c.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3.%1 ORDER BY %4")
                       .arg(QLatin1String(t.name), cols, kAlias, QLatin1String(data::kRowIdColumn)));
            if (progress)
                progress(QLatin1String(t.name));
        }
        tx.commit();
    } catch (...) {
        // Detached only after the transaction has ended: the database keeps
        // the file open while a transaction has read it.
        try {
            c.exec(c.dialect().detachFileSql(kAlias));
        } catch (const data::Error&) {
        }
        throw;
    }
    c.exec(c.dialect().detachFileSql(kAlias));
}

void copyTableIn(data::DirectStatement& read, data::BatchInsert& write, int columns, const QString& table,
                 const DataProgress& progress)
{
    QVariantList row;
    row.reserve(columns);
    int held = 0;
    while (read.step()) {
        row.clear();
        for (int i = 0; i < columns; ++i)
            row << (read.isNull(i) ? QVariant() : QVariant(read.text(i)));
        write.add(row);
        if (++held == kWriteBatch) {
            held = 0;
            if (progress)
                progress(table);
        }
    }
    write.flush();
    if (progress)
        progress(table);
}

// The rows are read from the file and sent to the server in batches.
void restoreThroughProgram(data::Connection& c, const QString& file, const DataProgress& progress)
{
    auto source = data::Connection::openSqliteReadOnly(file);
    data::Transaction tx(c);
    beginReplacing(c);
    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        const QString table = QLatin1String(t.name);
        const QStringList cols = columnsOf(t);
        data::DirectStatement read(*source, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                                .arg(cols.join(QStringLiteral(", ")), table,
                                                     QLatin1String(data::kRowIdColumn)));
        data::BatchInsert write(c, table, cols, kWriteBatch);
        copyTableIn(read, write, int(cols.size()), table, progress);
        for (const data::ColumnDef& col : t.columns)
            if (col.identity)
                if (const QString sql = c.dialect().resetIdentitySql(table, QLatin1String(col.name)); !sql.isEmpty())
                    c.exec(sql);
        if (const QString sql = c.dialect().resetIdentitySql(table, QLatin1String(data::kRowIdColumn)); !sql.isEmpty())
            c.exec(sql);
    }
    tx.commit();
}

}  // namespace

void restoreDatabase(data::Connection& c, const QString& file, const DataProgress& progress)
{
    const QString attachSql = c.dialect().attachFileSql(kAlias);
    if (!attachSql.isEmpty())
        restoreByAttaching(c, file, attachSql, progress);
    else
        restoreThroughProgram(c, file, progress);
}

}  // namespace app
