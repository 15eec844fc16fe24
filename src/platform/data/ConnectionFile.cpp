#include "platform/data/ConnectionFile.h"

#include "platform/data/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace data {

namespace {

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        auto decoder = QStringDecoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                                    : QStringConverter::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF"))
        b = b.mid(3);
    return QString::fromUtf8(b);
}

QString unquote(QString v)
{
    v = v.trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return v;
}

}  // namespace

ConnectionSpec parseConnectionLine(const QString& line, const QString& baseDir)
{
    QString provider, source, catalog, port;
    ConnectionSpec target;
    for (const QString& part : line.split(u';', Qt::SkipEmptyParts)) {
        const int eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed().toLower();
        const QString value = unquote(part.mid(eq + 1));
        if (key == u"provider")
            provider = value;
        else if (key == u"data source" || key == u"server" || key == u"host")
            source = value;
        else if (key == u"initial catalog" || key == u"database")
            catalog = value;
        else if (key == u"port")
            port = value;
        else if (key == u"user id" || key == u"uid" || key == u"user")
            target.user = value;
        else if (key == u"password" || key == u"pwd")
            target.password = value;
    }
    const QString p = provider.toLower();
    if (p == u"sqlite") {
        target.backend = Backend::SQLite;
        if (source.isEmpty())
            throw Error(QStringLiteral("连接文件没有给出数据库文件（Data Source）。"));
        target.database = QFileInfo(source).isAbsolute() ? source : QDir(baseDir).filePath(source);
    } else if (p == u"postgresql" || p == u"postgres" || p == u"psql") {
        target.backend = Backend::PostgreSQL;
        target.host = source.isEmpty() ? QStringLiteral("localhost") : source;
        target.database = catalog.isEmpty() ? QStringLiteral("Region") : catalog;
        if (!port.isEmpty()) {
            bool ok = false;
            target.port = port.toInt(&ok);
            if (!ok || target.port <= 0 || target.port > 65535)
                throw Error(QStringLiteral("连接文件的端口“%1”不正确。").arg(port));
        }
    } else if (provider.isEmpty()) {
        throw Error(QStringLiteral("连接文件没有给出数据库类型（Provider）。"));
    } else {
        throw Error(QStringLiteral("连接文件的数据库类型“%1”不受支持（可用 SQLite 或 PostgreSQL）。").arg(provider));
    }
    return target;
}

ConnectionSpec readConnectionFile(const QString& path)
{
    QFile f(path);
    if (!f.exists())
        throw Error(QStringLiteral("找不到连接文件 %1。").arg(QDir::toNativeSeparators(path)));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("无法读取连接文件 %1：%2").arg(QDir::toNativeSeparators(path), f.errorString()));
    const QString text = decode(f.readAll());
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'['))
            continue;
        if (line.contains(QStringLiteral("provider="), Qt::CaseInsensitive)
            || line.contains(QStringLiteral("provider ="), Qt::CaseInsensitive))
            return parseConnectionLine(line, QFileInfo(path).absolutePath());
    }
    throw Error(QStringLiteral("连接文件 %1 中没有连接串（Provider=...）。").arg(QDir::toNativeSeparators(path)));
}

QString connectionFileText(const ConnectionSpec& target)
{
    QString line;
    if (target.backend == Backend::SQLite) {
        line = QStringLiteral("Provider=SQLite;Data Source=%1").arg(target.database);
    } else {
        line = QStringLiteral("Provider=PostgreSQL;Data Source=%1;Port=%2;Initial Catalog=%3")
                   .arg(target.host).arg(target.port).arg(target.database);
        if (!target.user.isEmpty())
            line += QStringLiteral(";User ID=%1").arg(target.user);
        if (!target.password.isEmpty())
            line += QStringLiteral(";Password=%1").arg(target.password);
    }
    return QStringLiteral("[oledb]\n; Everything after this line is a connection string\n") + line + u'\n';
}

}  // namespace data
