#pragma once
// Calls a function now and then while long statements run, so that one
// statement (a copy of a table of millions of rows, an index built over it,
// a table emptied) does not keep the window from being painted on the one
// user-interface thread. The function must not use the connection. If it
// throws, the running statement is interrupted and fails.
//
// On the embedded database the engine calls back every so many of its steps
// in every statement of the connection while the ticker lives. Statements
// given to run() are covered also where one step of the engine takes long
// (emptying a table is one): they run on a thread of their own while this
// one calls the function. On a server the statements given to run() are
// covered: the server works on them while this side waits for its answer.

#include <QString>
#include <functional>
#include <thread>

struct sqlite3;

namespace data {

class Connection;
class Transaction;

class StatementTicker {
public:
    StatementTicker(Connection& c, std::function<void()> tick);
    // On an embedded database handle the program opened itself (OwnFile).
    StatementTicker(sqlite3* db, std::function<void()> tick);
    ~StatementTicker();
    StatementTicker(const StatementTicker&) = delete;
    StatementTicker& operator=(const StatementTicker&) = delete;

    // Runs one statement, whose rows, if any, are not wanted. Throws
    // data::Error with the database's cause.
    void run(const QString& sql);
    // Ends the transaction with run() (a server unlinks the files of
    // emptied tables then; the embedded database writes its log).
    void commit(Transaction& tx);
    // After the transaction of a large write has ended: the embedded
    // database's log, grown as large as the write, is written into the
    // database file now, while the function is called, instead of in one
    // step at a later commit. Nothing to do on a server. Never throws: if
    // it cannot be done now, a later commit does it.
    void settle();

private:
    static int onProgress(void* self);
    void runOnServer(const QString& sql);
    void watch(sqlite3* db);

    Connection* m_c = nullptr;
    sqlite3* m_db = nullptr;
    std::function<void()> m_tick;
    std::thread::id m_owner = std::this_thread::get_id();
    int m_autoCheckpoint = 0;  // the embedded database's own setting, set aside meanwhile
};

}  // namespace data
