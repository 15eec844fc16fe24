#pragma once
// A statement run straight on the embedded database's own interface, for the
// few bulk operations (a month of receivables) where the general query path
// costs too much per row: values are bound and read without conversion to
// variants, and one prepared statement is stepped again and again.
//
// Only for an SQLite connection (available() says so); it works on the
// connection's own database handle, so it takes part in the connection's
// current transaction. The Qt driver and the program must use the same SQLite
// library (the system's, as the Debian packages have it). Errors throw data::Error with the database's message.
// Parameters and columns are numbered from 0.

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

class Connection;
class DirectStatement;

// The embedded database's own handle of the connection; throws data::Error
// for a server connection.
sqlite3* embeddedHandle(Connection& c);

// A copy of one stored value, kept after its statement moved on and bound
// again exactly as it was stored (no conversion on the way).
class DirectValue {
public:
    DirectValue() = default;  // null
    DirectValue(const DirectStatement& from, int column);
    bool isNull() const { return m_kind == Kind::Null; }

private:
    friend class DirectStatement;
    enum class Kind : unsigned char { Null, Integer, Real, Text, Blob };
    Kind m_kind = Kind::Null;
    union {
        qint64 integer;
        double real;
    } m_number{0};
    QByteArray m_bytes;  // text as UTF-8, or a blob
};

class DirectStatement {
public:
    static bool available(const Connection& c);

    DirectStatement(Connection& c, const QString& sql);
    // On a database handle the program opened itself (see OwnFile.h).
    DirectStatement(sqlite3* db, const QString& sql);
    ~DirectStatement();
    DirectStatement(const DirectStatement&) = delete;
    DirectStatement& operator=(const DirectStatement&) = delete;

    // --- parameters ------------------------------------------------------
    void bindNull(int i);
    void bindText(int i, const QString& text);         // right-trimmed, like every bound text
    void bindUtf8(int i, const char* text, int bytes);  // copied
    // Not copied: the bytes must stay as they are until the statement ran.
    void bindUtf8InPlace(int i, const char* text, int bytes);
    void bindInteger(int i, qint64 v);
    void bindReal(int i, double v);
    // Binds column `column` of another statement's current row as it is stored.
    void bindColumn(int i, const DirectStatement& from, int column);
    void bindValue(int i, const DirectValue& v);

    // Runs one step: true when a row is ready, false when the statement is
    // done. After false the statement is reset, ready to run again.
    bool step();
    // Runs a statement that returns no rows, then resets it for the next run.
    void run();
    // Stops the statement where it is running on another thread: its step
    // fails with an error there. May be called from any thread.
    void interrupt() const;

    // --- the current row -------------------------------------------------
    enum class Kind { Null, Integer, Real, Text, Blob };
    int columnCount() const;
    QString columnName(int column) const;
    Kind kind(int column) const;
    bool isNull(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QByteArray blob(int column) const;
    // The value as text (a number as the database writes it); "" for null.
    QString text(int column) const;
    // The value's UTF-8 bytes, valid until the next step.
    const char* utf8(int column, int* bytes) const;
    // Whether the value's text, trimmed (data::trimmed), is the given text
    // (UTF-8).
    bool textIs(int column, const QByteArray& text) const;

private:
    friend class DirectValue;
    [[noreturn]] void fail(const char* what) const;
    void check(int rc, const char* what) const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace data
