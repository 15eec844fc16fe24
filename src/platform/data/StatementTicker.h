#pragma once
// Calls a function now and then while statements of the embedded database
// run (every so many steps of its engine), so that one long statement (a
// copy of a table of millions of rows) does not keep the window from being
// painted on the one user-interface thread. The function must not use the
// connection. If it throws, the running statement is interrupted and fails.
// On a server nothing is called: work there goes in short batches.

#include <functional>

struct sqlite3;

namespace data {

class Connection;

class StatementTicker {
public:
    StatementTicker(Connection& c, std::function<void()> tick);
    ~StatementTicker();
    StatementTicker(const StatementTicker&) = delete;
    StatementTicker& operator=(const StatementTicker&) = delete;

private:
    static int onProgress(void* self);

    sqlite3* m_db = nullptr;
    std::function<void()> m_tick;
};

}  // namespace data
