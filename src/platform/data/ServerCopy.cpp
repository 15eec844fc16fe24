#include "platform/data/ServerCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/Error.h"

#include <QSqlDriver>
#include <cctype>
#include <utility>
#include <libpq-fe.h>

namespace data {

namespace {

// Bytes of rows gathered before they are sent: few calls, little memory.
constexpr qsizetype kSendBytes = 256 * 1024;
// Rows read ahead are handed over so many at a time, and so many of those
// batches at most wait for the reader of the rows.
constexpr int kRowsAtOnce = 2000;
constexpr size_t kRowsAhead = 16;

// Reads and frees whatever the server still has to say on the handle,
// ending a copy left open on the way, so that it is ready for a statement.
void dropResults(PGconn* conn)
{
    while (PGresult* r = PQgetResult(conn)) {
        const ExecStatusType status = PQresultStatus(r);
        PQclear(r);
        if (status == PGRES_COPY_IN) {
            PQputCopyEnd(conn, "stopped");
        } else if (status == PGRES_COPY_OUT) {
            char* line = nullptr;
            while (PQgetCopyData(conn, &line, 0) > 0)
                PQfreemem(line);
        } else if (status == PGRES_COPY_BOTH) {
            break;  // never started here
        }
    }
}

// Runs a statement that starts a copy; throws unless the server answers
// with the copy state expected.
void startCopy(PGconn* conn, const QString& sql, ExecStatusType expected)
{
    PGresult* r = PQexec(conn, sql.toUtf8().constData());
    if (PQresultStatus(r) != expected)
        failOnServer(conn, r, sql);
    PQclear(r);
}

// The value of a backslash sequence of the copy text at `p` (after the
// backslash); moves `p` past it.
char unescaped(const char*& p, const char* end)
{
    const char c = *p++;
    switch (c) {
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case 'x': {
        int v = 0, digits = 0;
        for (; digits < 2 && p < end && std::isxdigit(static_cast<unsigned char>(*p)); ++digits, ++p)
            v = v * 16 + (std::isdigit(static_cast<unsigned char>(*p)) ? *p - '0' : (*p | 0x20) - 'a' + 10);
        return digits ? char(v) : 'x';
    }
    default:
        if (c >= '0' && c <= '7') {
            int v = c - '0';
            for (int digits = 1; digits < 3 && p < end && *p >= '0' && *p <= '7'; ++digits, ++p)
                v = v * 8 + (*p - '0');
            return char(v);
        }
        return c;
    }
}

}  // namespace

bool serverCopyAvailable(const Connection& c)
{
    return c.backend() == Backend::PostgreSQL;
}

void stopOnServer(PGconn* conn)
{
    if (PGcancel* cancel = PQgetCancel(conn)) {
        char error[256];
        PQcancel(cancel, error, sizeof error);
        PQfreeCancel(cancel);
    }
    dropResults(conn);
}

PGconn* serverHandle(Connection& c)
{
    if (!serverCopyAvailable(c))
        throw Error(QStringLiteral("此操作只能在数据库服务器上执行。"));
    PGconn* conn = nullptr;
    const QVariant handle = c.db().driver()->handle();
    // The driver's type name as the compiler spells it, or as declared.
    if (qstrcmp(handle.typeName(), "pg_conn*") == 0 || qstrcmp(handle.typeName(), "PGconn*") == 0)
        conn = *static_cast<PGconn* const*>(handle.data());
    if (!conn)
        throw Error(QStringLiteral("无法取得数据库的连接句柄。"));
    // A query read only partly (a single value of several rows) leaves the
    // rest of its rows waiting on the connection.
    dropResults(conn);
    return conn;
}

void failOnServer(PGconn* conn, PGresult* result, const QString& what)
{
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QString code = QString::fromLatin1(state ? state : "");
    const QString text = QString::fromUtf8(result && *PQresultErrorMessage(result) ? PQresultErrorMessage(result)
                                                                                    : PQerrorMessage(conn));
    PQclear(result);
    dropResults(conn);
    logDatabaseError(code, QStringLiteral("server"), what);
    throw Error(databaseErrorCause(Backend::PostgreSQL, code, text));
}

std::vector<ServerColumn> describeSelect(Connection& c, const QString& select)
{
    // The server's numbers of the types whose values a copy writes as the Qt
    // driver reads them.
    enum : Oid { Char = 18, Name = 19, Int8 = 20, Int2 = 21, Int4 = 23, Text = 25, BpChar = 1042, VarChar = 1043,
                 Numeric = 1700 };
    PGconn* conn = serverHandle(c);
    const QString sql = QStringLiteral("SELECT * FROM (%1) AS described LIMIT 0").arg(select);
    PGresult* r = PQexec(conn, sql.toUtf8().constData());
    if (PQresultStatus(r) != PGRES_TUPLES_OK)
        failOnServer(conn, r, sql);
    std::vector<ServerColumn> out(size_t(PQnfields(r)));
    for (int i = 0; i < PQnfields(r); ++i) {
        out[size_t(i)].name = QString::fromUtf8(PQfname(r, i));
        switch (PQftype(r, i)) {
        case Char:
        case Name:
        case Text:
        case BpChar:
        case VarChar:
        case Numeric:
            out[size_t(i)].kind = ServerColumn::Kind::Text;
            break;
        case Int2:
        case Int4:
            out[size_t(i)].kind = ServerColumn::Kind::WholeNumber;
            break;
        case Int8:
            out[size_t(i)].kind = ServerColumn::Kind::LongWholeNumber;
            break;
        default:
            out[size_t(i)].kind = ServerColumn::Kind::Other;
        }
    }
    PQclear(r);
    return out;
}

// Rows as they came, their values unescaped one after another.
struct CopyOut::Rows {
    QByteArray text;
    std::vector<int> ends;  // where each value of `text` ends
    std::vector<bool> nulls;
    int count = 0;

    // Adds one line of the copy text: values separated by tabs, "\N" for
    // null, any other backslash starting an escaped character.
    void add(const char* line, int bytes);
};

void CopyOut::Rows::add(const char* line, int bytes)
{
    const char* end = line + bytes;
    if (end > line && end[-1] == '\n')
        --end;
    const char* p = line;
    for (;;) {
        const char* start = p;
        while (p < end && *p != '\t' && *p != '\\')
            ++p;
        if (p < end && *p == '\\' && p == start && p + 1 < end && p[1] == 'N' && (p + 2 == end || p[2] == '\t')) {
            nulls.push_back(true);
            p += 2;
        } else {
            nulls.push_back(false);
            text.append(start, p - start);
            while (p < end && *p != '\t') {
                if (*p == '\\' && p + 1 < end) {
                    ++p;
                    text.append(unescaped(p, end));
                } else {
                    const char* run = p;
                    while (p < end && *p != '\t' && *p != '\\')
                        ++p;
                    text.append(run, p - run);
                }
            }
        }
        ends.push_back(int(text.size()));
        if (p >= end)
            break;
        ++p;  // the tab
    }
    ++count;
}

CopyOut::CopyOut(Connection& c, const QString& select)
    : m_conn(serverHandle(c)), m_select(QStringLiteral("COPY (%1) TO STDOUT").arg(select))
{
    startCopy(m_conn, m_select, PGRES_COPY_OUT);
    m_reader = std::thread([this] { readAhead(); });
}

CopyOut::~CopyOut()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_reader.join();
}

void CopyOut::readAhead()
{
    // The only user of the handle until the copy ends.
    auto rows = std::make_unique<Rows>();
    const auto hand = [&](std::unique_ptr<Rows> full) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stop || m_ready.size() < kRowsAhead; });
        if (m_stop)
            return false;
        m_ready.push_back(std::move(full));
        m_changed.notify_all();
        return true;
    };
    try {
        for (;;) {
            char* line = nullptr;
            const int bytes = PQgetCopyData(m_conn, &line, 0);
            if (bytes <= 0) {
                PGresult* r = PQgetResult(m_conn);
                if (bytes != -1 || PQresultStatus(r) != PGRES_COMMAND_OK)
                    failOnServer(m_conn, r, m_select);
                PQclear(r);
                dropResults(m_conn);
                break;
            }
            rows->add(line, bytes);
            PQfreemem(line);
            if (rows->count == kRowsAtOnce) {
                if (!hand(std::exchange(rows, std::make_unique<Rows>()))) {
                    // Stopped before the last row: the server stops sending.
                    stopOnServer(m_conn);
                    return;
                }
            }
        }
        if (rows->count > 0 && !hand(std::move(rows)))
            return;
    } catch (...) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_failure = std::current_exception();
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_ended = true;
    m_changed.notify_all();
}

bool CopyOut::next()
{
    if (m_rows && ++m_row < m_rows->count)
        return true;
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return !m_ready.empty() || m_ended; });
    if (m_ready.empty()) {
        m_rows.reset();
        if (m_failure)
            std::rethrow_exception(std::exchange(m_failure, nullptr));
        return false;
    }
    m_rows = std::move(m_ready.front());
    m_ready.pop_front();
    m_changed.notify_all();
    m_row = 0;
    m_columns = m_rows->count > 0 ? int(m_rows->ends.size()) / m_rows->count : 0;
    return true;
}

bool CopyOut::isNull(int column) const
{
    return m_rows->nulls[size_t(m_row * m_columns + column)];
}

const char* CopyOut::utf8(int column, int* bytes) const
{
    const size_t i = size_t(m_row * m_columns + column);
    const int start = i == 0 ? 0 : m_rows->ends[i - 1];
    *bytes = m_rows->ends[i] - start;
    return m_rows->text.constData() + start;
}

CopyIn::CopyIn(Connection& c, const QString& table, const QStringList& columns)
    : m_conn(serverHandle(c)), m_table(table), m_columns(int(columns.size()))
{
    startCopy(m_conn, QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columns.join(QStringLiteral(", "))),
              PGRES_COPY_IN);
    m_open = true;
    m_out.reserve(kSendBytes + 4096);
}

CopyIn::~CopyIn()
{
    // Ended as failed: the server keeps none of its rows.
    if (m_open)
        dropResults(m_conn);
}

void CopyIn::addUtf8(const char* text, int bytes)
{
    if (m_column >= m_columns)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    if (m_column++ > 0)
        m_out += '\t';
    // Backslash, tab and line ends are escaped; every other byte is itself.
    const char* end = text + bytes;
    for (const char* run = text; run < end;) {
        const char* stop = run;
        while (stop < end && *stop != '\\' && *stop != '\t' && *stop != '\n' && *stop != '\r')
            ++stop;
        m_out.append(run, stop - run);
        if (stop < end) {
            m_out += '\\';
            m_out += *stop == '\\' ? '\\' : *stop == '\t' ? 't' : *stop == '\n' ? 'n' : 'r';
            ++stop;
        }
        run = stop;
    }
}

void CopyIn::addNull()
{
    if (m_column >= m_columns)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    if (m_column++ > 0)
        m_out += '\t';
    m_out += "\\N";
}

void CopyIn::endRow()
{
    if (m_column != m_columns)
        throw Error(QStringLiteral("插入的值与列数不符。"));
    m_column = 0;
    m_out += '\n';
    if (m_out.size() >= kSendBytes)
        send();
}

void CopyIn::send()
{
    if (!m_out.isEmpty() && PQputCopyData(m_conn, m_out.constData(), int(m_out.size())) != 1) {
        // The server refused a row sent earlier: its error is the result.
        m_open = false;
        PQputCopyEnd(m_conn, nullptr);
        failOnServer(m_conn, PQgetResult(m_conn), m_table);
    }
    m_out.resize(0);
}

void CopyIn::finish()
{
    send();
    m_open = false;
    PGresult* r = PQputCopyEnd(m_conn, nullptr) == 1 ? PQgetResult(m_conn) : nullptr;
    if (PQresultStatus(r) != PGRES_COMMAND_OK)
        failOnServer(m_conn, r, m_table);
    PQclear(r);
    dropResults(m_conn);
}

}  // namespace data
