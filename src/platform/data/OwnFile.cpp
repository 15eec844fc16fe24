#include "platform/data/OwnFile.h"

#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"

#include <QFile>
#include <sqlite3.h>
#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace data {

OwnFile::OwnFile(const QString& path) : m_path(path)
{
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const QString why = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close(m_db);
        throw Error(QStringLiteral("无法打开文件 %1：%2").arg(path, why));
    }
    const char* const settings[] = {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF",
                                    "PRAGMA locking_mode = EXCLUSIVE", "PRAGMA cache_size = -16384"};
    try {
        for (const char* sql : settings)
            exec(QLatin1String(sql));
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

OwnFile::~OwnFile()
{
    waitForWritingOut();
    sqlite3_close_v2(m_db);
}

void OwnFile::waitForWritingOut()
{
    if (m_writer.joinable())
        m_writer.join();
}

void OwnFile::exec(const QString& sql)
{
    DirectStatement(m_db, sql).run();
}

void OwnFile::startWritingOut()
{
#ifdef __linux__
    // On a thread of its own: the system may make the caller wait while it
    // queues a large write. One at a time; meanwhile a later call is moot.
    if (m_writer.joinable()) {
        if (!m_written)
            return;
        m_writer.join();
    }
    m_written = false;
    m_writer = std::thread([path = QFile::encodeName(m_path), this] {
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
        if (fd >= 0) {
            ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
            ::close(fd);
        }
        m_written = true;
    });
#endif
}

}  // namespace data
