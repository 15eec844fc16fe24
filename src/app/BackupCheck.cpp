#include "app/BackupCheck.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/SchemaCatalog.h"
#include "platform/data/WorkBeside.h"

#include <QDebug>

namespace app {

namespace {

bool hasColumn(const QList<data::ColumnInfo>& columns, const QString& name)
{
    for (const data::ColumnInfo& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

}  // namespace

void checkBackupFile(const QString& path, const DataProgress& progress)
{
    auto file = data::Connection::openSqliteReadOnly(path);
    QString verdict;
    try {
        // One step of the database engine that reads the whole file.
        data::DirectStatement check(*file, QStringLiteral("PRAGMA quick_check"));
        data::runBeside([&] { verdict = check.step() ? check.text(0) : QString(); },
                        tickOf(progress),
                        [&] { check.interrupt(); });
    } catch (const data::Error& e) {
        throw data::Error(QStringLiteral("文件 %1 不是可用的备份文件：%2").arg(path, e.message()));
    }
    if (verdict != QLatin1String("ok")) {
        // The database's own diagnosis is for the log; the clerk is told the cause.
        qWarning().noquote() << QStringLiteral("wygl: backup file %1 failed its check: %2")
                                    .arg(path, QString(verdict).replace(u'\n', u' '));
        throw data::Error(QStringLiteral("备份文件已损坏，无法恢复。"));
    }

    for (const data::TableDef& t : data::systemTables()) {
        if (t.isView)
            continue;
        const QString table = QLatin1String(t.name);
        const QList<data::ColumnInfo> columns = file->dialect().columns(*file, table);
        if (columns.isEmpty())
            throw data::Error(QStringLiteral("备份文件中缺少数据表 %1。").arg(table));
        if (!hasColumn(columns, QLatin1String(data::kRowIdColumn)))
            throw data::Error(QStringLiteral("备份文件的数据表 %1 缺少列 %2。").arg(table, QLatin1String(data::kRowIdColumn)));
        for (const data::ColumnDef& c : t.columns)
            if (!hasColumn(columns, QLatin1String(c.name)))
                throw data::Error(QStringLiteral("备份文件的数据表 %1 缺少列 %2。").arg(table, QLatin1String(c.name)));
    }

    const int accounts =
        file->scalar(QStringLiteral("SELECT count(*) FROM users WHERE userPopedom IS NOT NULL")).toInt();
    if (accounts == 0)
        throw data::Error(QStringLiteral("备份文件中没有可以登录的用户，恢复后将无人能够登录。"));
}

}  // namespace app
