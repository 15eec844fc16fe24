#include "platform/data/OwnFile.h"

#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"

#include <sqlite3.h>

namespace data {

OwnFile::OwnFile(const QString& path)
{
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const QString why = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close(m_db);
        throw Error(QStringLiteral("无法打开文件 %1：%2").arg(path, why));
    }
    for (const char* sql : {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF", "PRAGMA locking_mode = EXCLUSIVE",
                            "PRAGMA cache_size = -65536"})
        exec(QLatin1String(sql));
}

OwnFile::~OwnFile()
{
    sqlite3_close_v2(m_db);
}

void OwnFile::exec(const QString& sql)
{
    DirectStatement(m_db, sql).run();
}

}  // namespace data
