#include "support/TestDb.h"

#include "platform/data/Error.h"
#include "session/DatabaseSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace testsupport {

namespace {

data::ConnectionSpec g_last;

QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

data::ConnectionSpec serverAdminSpec()
{
    return data::parseConnectionLine(qEnvironmentVariable("WYGL_TEST_CONN"), QDir::currentPath());
}

// The per-process database on the server, created once.
data::ConnectionSpec g_server;
bool g_serverMade = false;

data::ConnectionSpec serverTestSpec()
{
    data::ConnectionSpec& target = g_server;
    bool& made = g_serverMade;
    if (!made) {
        const data::ConnectionSpec admin = serverAdminSpec();
        target = admin;
        target.database = QStringLiteral("wygl_t%1").arg(QCoreApplication::applicationPid());
        auto c = data::Connection::open(admin);
        c->exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(target.database));
        c->exec(QStringLiteral("CREATE DATABASE %1").arg(target.database));
        made = true;
    }
    return target;
}

}  // namespace

void dropServerDatabase()
{
    if (!g_serverMade)
        return;
    // Connections the tests left open (the data module's) go with it.
    auto c = data::Connection::open(serverAdminSpec());
    c->exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(g_server.database));
    g_serverMade = false;
}

bool onPostgres()
{
    return qEnvironmentVariable("WYGL_TEST_CONN").contains(QStringLiteral("postgres"), Qt::CaseInsensitive);
}

QString backendName()
{
    return onPostgres() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

std::unique_ptr<data::Connection> emptyDatabase()
{
    static int counter = 0;
    if (onPostgres()) {
        g_last = serverTestSpec();
        auto c = data::Connection::open(g_last);
        c->exec(QStringLiteral("DROP SCHEMA IF EXISTS public CASCADE"));
        c->exec(QStringLiteral("CREATE SCHEMA public"));
        return c;
    }
    g_last = data::ConnectionSpec();
    g_last.backend = data::Backend::SQLite;
    g_last.database = tempDir().filePath(QStringLiteral("t%1.db").arg(++counter));
    QFile::remove(g_last.database);
    return data::Connection::openForSetup(g_last);
}

std::unique_ptr<data::Connection> freshDatabase()
{
    auto c = emptyDatabase();
    session::createSchema(*c);
    return c;
}

const data::ConnectionSpec& lastSpec()
{
    return g_last;
}

QString writeConnFile(const QString& dir)
{
    const QString path = QDir(dir).filePath(QStringLiteral("conn.udl"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw data::Error(QStringLiteral("cannot write ") + path);
    f.write(data::connectionFileText(g_last).toUtf8());
    return path;
}

void failWhen(data::Connection& c, const QString& table, const QString& event, const QString& condition)
{
    static int n = 0;
    const QString name = QString("test_fail_%1").arg(++n);
    if (onPostgres()) {
        c.exec(QString("CREATE FUNCTION %1() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'injected failure'; END $$ "
                       "LANGUAGE plpgsql").arg(name));
        c.exec(QString("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW WHEN (%4) EXECUTE FUNCTION %1()")
                   .arg(name, event, table, condition));
    } else {
        c.exec(QString("CREATE TRIGGER %1 BEFORE %2 ON %3 WHEN %4 BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                   .arg(name, event, table, condition));
    }
}

}  // namespace testsupport
