#include "session/DatabaseSetup.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"

#include <QFile>

namespace session {

QStringList splitSqlScript(const QString& script)
{
    QStringList out;
    QString current;
    for (const QString& raw : script.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral("--")))
            continue;
        current += raw + u'\n';
        if (line.endsWith(u';')) {
            QString stmt = current.trimmed();
            // A trigger body ends with "END;" and keeps its semicolon; any other
            // statement drops the terminator.
            if (!stmt.endsWith(QStringLiteral("END;"), Qt::CaseInsensitive))
                stmt.chop(1);
            out << stmt;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

QStringList schemaStatements(const data::Connection& c)
{
    const QString path = c.backend() == data::Backend::SQLite ? QStringLiteral(":/db/sqlite.sql")
                                                              : QStringLiteral(":/db/postgres.sql");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw data::Error(QStringLiteral("找不到建库脚本 %1。").arg(path));
    return splitSqlScript(QString::fromUtf8(f.readAll()));
}

void createSchema(data::Connection& c)
{
    QStringList own;
    for (const QString& t : c.tableNames())
        if (!t.startsWith(QStringLiteral("sqlite_")))
            own << t;
    if (!own.isEmpty())
        throw data::Error(QStringLiteral("数据库中已有数据表（%1 等 %2 个），为免损坏已有数据，不做任何改动。")
                              .arg(own.first())
                              .arg(own.size()));
    data::Transaction tx(c);
    for (const QString& stmt : schemaStatements(c))
        c.exec(stmt);
    tx.commit();
}

void setupNewDatabase(data::Connection& c)
{
    createSchema(c);
    data::Transaction tx(c);
    c.exec(QStringLiteral("INSERT INTO users (userID, userName, userPass, userPopedom) VALUES (?, ?, ?, ?)"),
           {1, QString::fromUtf16(kFirstUserName), QString::fromUtf16(kFirstUserPassword), 0});
    c.exec(QStringLiteral("INSERT INTO IncInfo (IncName) VALUES (?)"), {QString()});
    tx.commit();
}

}  // namespace session
