#include "app/RestoreData.h"

#include "app/SoleSession.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/IndexesAside.h"
#include "platform/data/PageCopy.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/ServerCopy.h"
#include "platform/data/StatementTicker.h"

#include <QSet>
#include <QSqlQuery>

namespace app {

namespace {

// Rows copied between two progress calls.
constexpr int kProgressRows = 5000;

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

void beginReplacing(data::Connection& c, data::StatementTicker& ticker)
{
    // Checked again inside the transaction: someone may have connected since
    // the user was asked.
    refuseOtherSessions(c);
    for (const QString& sql : c.dialect().emptyTablesSql(storedTables()))
        ticker.run(sql);
}

bool sameLayout(const QList<data::ColumnInfo>& a, const QList<data::ColumnInfo>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name.compare(b[i].name, Qt::CaseInsensitive) != 0 || a[i].type != b[i].type
            || a[i].width != b[i].width || a[i].precision != b[i].precision || a[i].scale != b[i].scale)
            return false;
    return true;
}

bool sameIndexes(const QList<data::IndexDef>& a, const QList<data::IndexDef>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name.compare(b[i].name, Qt::CaseInsensitive) != 0 || a[i].createSql != b[i].createSql)
            return false;
    return true;
}

// The tables the file lays out exactly as the database in use, columns and
// indexes: the database copies their rows and index entries whole, as
// stored, much faster than it would insert them one by one.
QSet<QString> tablesLaidOutAlike(data::Connection& c, const QString& file)
{
    QSet<QString> out;
    auto source = data::Connection::openSqliteReadOnly(file);
    const data::Dialect& d = c.dialect();
    for (const data::TableDef& t : data::systemTables()) {
        const QString table = QLatin1String(t.name);
        if (!t.isView && sameLayout(d.columns(c, table), d.columns(*source, table))
            && sameIndexes(d.secondaryIndexes(c, table), d.secondaryIndexes(*source, table)))
            out << table;
    }
    return out;
}

// Everything the database says it holds besides its rows: every table,
// index, view and trigger as written, and the settings of the file.
QStringList schemaOf(data::Connection& c)
{
    QStringList out;
    for (const char* setting : {"page_size", "encoding", "user_version", "application_id"})
        out << c.scalar(QStringLiteral("PRAGMA %1").arg(QLatin1String(setting))).toString();
    QSqlQuery q = c.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name"));
    while (q.next())
        for (int i = 0; i < 4; ++i)
            out << q.value(i).toString();
    return out;
}

// A file with exactly the schema of the database in use can be put in its
// place page by page: the same tables, indexes, view and triggers, and rows
// whose identities continue as they would after a copy row by row.
bool copiesWhole(data::Connection& c, const QString& file)
{
    auto source = data::Connection::openSqliteReadOnly(file);
    return schemaOf(c) == schemaOf(*source) && data::canCopyPages(c);
}

// The file is attached to the connection and copied table to table inside
// the database itself.
void restoreByAttaching(data::Connection& c, const QString& file, const QString& attachSql,
                        const DataProgress& progress)
{
    const QSet<QString> whole = tablesLaidOutAlike(c, file);
    c.exec(attachSql, {file});
    try {
        QString table;
        const auto tick = [&] {
            if (progress)
                progress(table);
        };
        data::StatementTicker ticker(c, tick);
        data::Transaction tx(c);
        beginReplacing(c, ticker);
        for (const data::TableDef& t : data::systemTables()) {
            if (t.isView)
                continue;
            table = QLatin1String(t.name);
            if (whole.contains(table)) {
                c.exec(QStringLiteral("INSERT INTO %1 SELECT * FROM %2.%1").arg(table, kAlias));
            } else {
                const QString cols = columnsOf(t).join(QStringLiteral(", "));
                data::loadWithIndexesAside(
                    c, table,
                    [&] {
                        c.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3.%1 ORDER BY %4")
                                   .arg(table, cols, kAlias, QLatin1String(data::kRowIdColumn)));
                    },
                    ticker);
            }
            tick();
        }
        ticker.commit(tx);
        table.clear();
        ticker.settle();
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

// The rows of one table, read from the file, streamed to the server.
void copyTableIn(data::DirectStatement& read, data::CopyIn& write, int columns, const QString& table,
                 const DataProgress& progress)
{
    int held = 0;
    while (read.step()) {
        for (int i = 0; i < columns; ++i) {
            if (read.isNull(i)) {
                write.addNull();
            } else {
                int bytes = 0;
                const char* text = read.utf8(i, &bytes);
                write.addUtf8(text, bytes);
            }
        }
        write.endRow();
        if (++held == kProgressRows) {
            held = 0;
            if (progress)
                progress(table);
        }
    }
    write.finish();
    if (progress)
        progress(table);
}

// The rows are read from the file and sent to the server with its bulk copy.
void restoreThroughProgram(data::Connection& c, const QString& file, const DataProgress& progress)
{
    auto source = data::Connection::openSqliteReadOnly(file);
    QString table;
    data::StatementTicker ticker(c, [&] {
        if (progress)
            progress(table);
    });
    data::Transaction tx(c);
    beginReplacing(c, ticker);
    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        table = QLatin1String(t.name);
        const QStringList cols = columnsOf(t);
        data::DirectStatement read(*source, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                                .arg(cols.join(QStringLiteral(", ")), table,
                                                     QLatin1String(data::kRowIdColumn)));
        data::loadWithIndexesAside(
            c, table,
            [&] {
                data::CopyIn write(c, table, cols);
                copyTableIn(read, write, int(cols.size()), table, progress);
            },
            ticker);
        for (const data::ColumnDef& col : t.columns)
            if (col.identity)
                if (const QString sql = c.dialect().resetIdentitySql(table, QLatin1String(col.name)); !sql.isEmpty())
                    c.exec(sql);
        if (const QString sql = c.dialect().resetIdentitySql(table, QLatin1String(data::kRowIdColumn)); !sql.isEmpty())
            c.exec(sql);
    }
    ticker.commit(tx);
}

}  // namespace

void restoreDatabase(data::Connection& c, const QString& file, const DataProgress& progress)
{
    const QString attachSql = c.dialect().attachFileSql(kAlias);
    if (!attachSql.isEmpty() && copiesWhole(c, file))
        data::copyPagesFrom(c, file, tickOf(progress));
    else if (!attachSql.isEmpty())
        restoreByAttaching(c, file, attachSql, progress);
    else
        restoreThroughProgram(c, file, progress);
}

}  // namespace app
