// wygl-setup: creates a new database for the property office system.
//
//   wygl-setup [--if-new] [conn.udl]
//
// With --if-new, a database that already has tables is left alone quietly
// (the start script uses this to create the database only on first use).
// Reads the data-link file (default: conn.udl in the current folder). When the
// file does not exist, writes one for an embedded database "Region.db" beside
// it. Creates the tables, the first account and the company row, and refuses
// to touch a database that already has tables. --help prints the usage; an
// option it does not know is refused before anything is read or written.

#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "session/DatabaseSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char* const kUsage =
    "用法：wygl-setup [--if-new] [连接文件]\n"
    "为物业管理系统建立新的数据库：全部数据表、第一个帐户和公司信息。\n"
    "\n"
    "  连接文件     默认为当前文件夹中的 conn.udl；文件不存在时，写入一个\n"
    "               指向同一文件夹中内嵌数据库 Region.db 的连接文件\n"
    "  --if-new     数据库中已有数据表时什么也不做（首次使用时建库）\n"
    "  -h, --help   显示本说明\n"
    "  --           其后的参数都是文件名\n";

struct Arguments {
    bool help = false;
    bool ifNew = false;
    QString udl;
    QString error;  // why the arguments are refused
};

Arguments parse(const QStringList& args)
{
    Arguments a;
    bool optionsEnd = false;
    QStringList files;
    for (const QString& arg : args) {
        if (!optionsEnd && arg == u"--")
            optionsEnd = true;
        else if (!optionsEnd && (arg == u"--help" || arg == u"-h"))
            a.help = true;
        else if (!optionsEnd && arg == u"--if-new")
            a.ifNew = true;
        else if (!optionsEnd && arg.startsWith(u'-') && arg != u"-")
            a.error = QStringLiteral("不认识的选项“%1”。").arg(arg);
        else
            files << arg;
        if (!a.error.isEmpty())
            return a;
    }
    if (files.size() > 1)
        a.error = QStringLiteral("只能给出一个连接文件。");
    a.udl = files.value(0, QDir::current().filePath(QStringLiteral("conn.udl")));
    return a;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const Arguments a = parse(args);
    if (a.help) {
        out << QString::fromUtf8(kUsage);
        return 0;
    }
    if (!a.error.isEmpty()) {
        err << "wygl-setup: " << a.error << "\n\n" << QString::fromUtf8(kUsage);
        return 2;
    }
    const bool ifNew = a.ifNew;
    const QString udl = a.udl;
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
            out << QStringLiteral("已写入连接文件 %1，指向内嵌数据库 Region.db。\n")
                       .arg(QDir::toNativeSeparators(QFileInfo(udl).absoluteFilePath()));
        }
        const data::ConnectionSpec target = data::readConnectionFile(udl);
        auto conn = data::Connection::openForSetup(target);
        if (ifNew && !conn->tableNames().isEmpty())
            return 0;
        session::setupNewDatabase(*conn);
        out << QStringLiteral("已建立数据库 %1，第一个帐户为“%2”（密码“%3”）。\n")
                   .arg(target.database, QString::fromUtf16(session::kFirstUserName),
                        QString::fromUtf16(session::kFirstUserPassword));
        return 0;
    } catch (const data::Error& e) {
        err << "wygl-setup: " << e.message() << "\n";
        return 1;
    }
}
