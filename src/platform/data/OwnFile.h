#pragma once
// An embedded database file written in bulk on a handle the program opens
// itself, beside the Qt driver, for a scratch file that is of use only when
// complete (a backup being written): the handle is not guarded against other
// threads (one thread at a time uses it), and the file keeps no rollback
// journal, is not synced and is held by this handle alone. After a failure
// the file is of no use: the caller removes it.
//
// The Qt driver and the program must use the same SQLite library (see
// DirectStatement.h). Errors throw data::Error with the database's message.

#include <QString>
#include <atomic>
#include <thread>

struct sqlite3;

namespace data {

class OwnFile {
public:
    // Opens an existing file, its schema in place.
    explicit OwnFile(const QString& path);
    // Closes the file; what was not committed is lost.
    ~OwnFile();
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    sqlite3* handle() const { return m_db; }
    // Runs one statement, whose rows, if any, are not wanted.
    void exec(const QString& sql);
    // Has the system start writing what is written so far to the disk,
    // without waiting for it: a later sync of the file has less to do.
    void startWritingOut();
    // Waits for the writing out started last, which may take a while: call
    // it beside the window (the destructor waits otherwise).
    void waitForWritingOut();

private:
    QString m_path;
    sqlite3* m_db = nullptr;
    std::thread m_writer;
    std::atomic<bool> m_written{true};
};

}  // namespace data
