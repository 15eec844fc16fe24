// wygl-setup: creates a new database for the property office system.
//
//   wygl-setup [--if-new] [conn.udl]
//
// With --if-new, a database that already has tables is left alone quietly
// (the start script uses this to create the database only on first use).
// Reads the data-link file (default: conn.udl in the current folder). When the
// file does not exist, writes one for an embedded database "Region.db" beside
// it. Creates the tables, the first account and the company row, and refuses
// to touch a database that already has tables.

#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "session/DatabaseSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const bool ifNew = args.removeAll(QStringLiteral("--if-new")) > 0;
    const QString udl = !args.isEmpty() ? args[0] : QDir::current().filePath(QStringLiteral("conn.udl"));
    try {
        if (!QFileInfo::exists(udl)) {
            data::ConnectionSpec target;
            target.backend = data::Backend::SQLite;
            target.database = QStringLiteral("Region.db");
            QFile f(udl);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw data::Error(QStringLiteral("无法写入连接文件 %1：%2").arg(udl, f.errorString()));
            f.write(data::connectionFileText(target).toUtf8());
            f.close();
            out << "Wrote " << QDir::toNativeSeparators(QFileInfo(udl).absoluteFilePath())
                << " for the embedded database Region.db\n";
        }
        const data::ConnectionSpec target = data::readConnectionFile(udl);
        auto conn = data::Connection::openForSetup(target);
        if (ifNew && !conn->tableNames().isEmpty())
            return 0;
        session::setupNewDatabase(*conn);
        out << "Created the database " << target.database << " with the first account \""
            << QString::fromUtf16(session::kFirstUserName) << "\" (password \""
            << QString::fromUtf16(session::kFirstUserPassword) << "\").\n";
        return 0;
    } catch (const data::Error& e) {
        err << "wygl-setup: " << e.message() << "\n";
        return 1;
    }
}
