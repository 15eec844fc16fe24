#include "app/BackupIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

QString iniFilePath()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString name = exe.suffix().isEmpty() ? exe.fileName() : exe.completeBaseName();
    return exe.dir().filePath(name + QStringLiteral(".INI"));
}

QString iniDatabaseName(const QString& iniPath)
{
    const QString fallback = QStringLiteral("Region");
    QFile f(iniPath);
    if (!f.open(QIODevice::ReadOnly))
        return fallback;
    QString section;
    for (QString line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'\uFEFF'))
            line.remove(0, 1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || section.compare(QStringLiteral("Database"), Qt::CaseInsensitive) != 0)
            continue;
        if (line.left(eq).trimmed().compare(QStringLiteral("Initial Catalog"), Qt::CaseInsensitive) == 0) {
            const QString value = line.mid(eq + 1).trimmed();
            return value.isEmpty() ? fallback : value;
        }
    }
    return fallback;
}

}  // namespace app
