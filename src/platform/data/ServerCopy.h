#pragma once
// Whole tables moved to and from the database server with its own bulk
// protocol (COPY, as text), straight through the server's client library on
// the connection's own handle: rows stream both ways without a statement per
// batch, and the server parses plain column texts instead of SQL literals.
// Many times faster than reading rows through queries or writing them with
// inserts, and what the server's own dump and restore tools use.
//
// Only for a server connection (serverCopyAvailable() says so). It works on the
// connection's handle, so it takes part in the connection's current
// transaction. Errors throw data::Error with the cause.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct pg_conn;
typedef struct pg_conn PGconn;
struct pg_result;
typedef struct pg_result PGresult;

namespace data {

class Connection;

bool serverCopyAvailable(const Connection& c);

// The server connection's own handle; throws data::Error for an embedded one.
// Results the program left unread on it are dropped first, so it is ready
// for a statement.
PGconn* serverHandle(Connection& c);

// Asks the server to stop the statement running on the handle (it fails
// there, and its transaction with it) and drops what it still sends.
void stopOnServer(PGconn* conn);

// Throws data::Error with the cause of a failed result (or of the handle's
// last error when there is none), after freeing it and any result left on
// the handle; `what` names the work for standard error.
[[noreturn]] void failOnServer(PGconn* conn, PGresult* result, const QString& what);

// The columns a SELECT returns, asked of the server without reading a row:
// their names, and how a copy writes their values.
struct ServerColumn {
    // Text: exactly the text the Qt driver reads (character types, text,
    // numeric); whole number: digits the driver reads as an int (two and
    // four bytes); long whole number: eight bytes, which the driver reads as
    // unsigned unless negative; other: a form of its own (truth values,
    // bytes, floating numbers, dates not turned into text ...).
    enum class Kind { Text, WholeNumber, LongWholeNumber, Other };
    QString name;
    Kind kind = Kind::Other;
};
std::vector<ServerColumn> describeSelect(Connection& c, const QString& select);

// Reads the rows a SELECT returns, one at a time, each value as the text the
// server writes for it (dates in the session's date style). A thread of its
// own reads and unescapes the rows ahead while the caller works on the ones
// it has: the handle is not to be used otherwise until the copy is gone.
class CopyOut {
public:
    CopyOut(Connection& c, const QString& select);
    // Stops the server sending rows not read yet.
    ~CopyOut();
    CopyOut(const CopyOut&) = delete;
    CopyOut& operator=(const CopyOut&) = delete;

    // The next row; false after the last one. Throws data::Error with the
    // server's cause.
    bool next();
    int columns() const { return m_columns; }
    bool isNull(int column) const;
    // The value's UTF-8 bytes (not terminated), valid until the next row.
    const char* utf8(int column, int* bytes) const;

private:
    struct Rows;
    void readAhead();

    PGconn* m_conn;
    QString m_select;
    std::unique_ptr<Rows> m_rows;  // the rows at hand
    int m_row = 0;
    int m_columns = 0;

    std::thread m_reader;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Rows>> m_ready;  // read ahead, not handed out yet
    bool m_ended = false;
    bool m_stop = false;
    std::exception_ptr m_failure;
};

// Writes rows into one table, a value at a time, in the order given.
class CopyIn {
public:
    CopyIn(Connection& c, const QString& table, const QStringList& columns);
    // Ends the copy unfinished if finish() was not reached: nothing is kept.
    ~CopyIn();
    CopyIn(const CopyIn&) = delete;
    CopyIn& operator=(const CopyIn&) = delete;

    // The next column's value as UTF-8 text, or null; endRow() after the last.
    void addUtf8(const char* text, int bytes);
    void addNull();
    void endRow();
    // Sends what is held and waits for the server to take every row.
    void finish();

private:
    void send();

    PGconn* m_conn;
    QString m_table;
    int m_columns;
    int m_column = 0;
    bool m_open = false;
    QByteArray m_out;
};

}  // namespace data
