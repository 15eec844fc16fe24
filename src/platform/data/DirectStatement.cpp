#include "platform/data/DirectStatement.h"

#include "platform/data/Connection.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/Error.h"

#include <QSqlDriver>
#include <cstring>
#include <sqlite3.h>

namespace data {

DirectValue::DirectValue(const DirectStatement& from, int column)
{
    int bytes = 0;
    switch (from.kind(column)) {
    case DirectStatement::Kind::Integer:
        m_kind = Kind::Integer;
        m_number.integer = from.integer(column);
        break;
    case DirectStatement::Kind::Real:
        m_kind = Kind::Real;
        m_number.real = from.real(column);
        break;
    case DirectStatement::Kind::Text: {
        const char* p = from.utf8(column, &bytes);
        m_kind = Kind::Text;
        m_bytes = QByteArray(p, bytes);
        break;
    }
    case DirectStatement::Kind::Blob:
        m_kind = Kind::Blob;
        m_bytes = from.blob(column);
        break;
    case DirectStatement::Kind::Null:
        break;
    }
}

bool DirectStatement::available(const Connection& c)
{
    return c.backend() == Backend::SQLite;
}

sqlite3* embeddedHandle(Connection& c)
{
    if (!DirectStatement::available(c))
        throw Error(QStringLiteral("此操作只能在内嵌数据库上直接执行。"));
    sqlite3* db = nullptr;
    const QVariant handle = c.db().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") == 0)
        db = *static_cast<sqlite3* const*>(handle.data());
    if (!db)
        throw Error(QStringLiteral("无法取得数据库的连接句柄。"));
    return db;
}

DirectStatement::DirectStatement(Connection& c, const QString& sql) : DirectStatement(embeddedHandle(c), sql) {}

DirectStatement::DirectStatement(sqlite3* db, const QString& sql) : m_db(db)
{
    const QByteArray text = sql.toUtf8();
    check(sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_stmt, nullptr), "prepare");
}

DirectStatement::~DirectStatement()
{
    sqlite3_finalize(m_stmt);
}

void DirectStatement::fail(const char* what) const
{
    const QString code = QString::number(sqlite3_extended_errcode(m_db));
    logDatabaseError(code, QLatin1String(what), m_stmt ? QString::fromUtf8(sqlite3_sql(m_stmt)) : QString());
    throw Error(databaseErrorCause(Backend::SQLite, code, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

void DirectStatement::check(int rc, const char* what) const
{
    if (rc != SQLITE_OK)
        fail(what);
}

void DirectStatement::bindNull(int i)
{
    check(sqlite3_bind_null(m_stmt, i + 1), "bind");
}

void DirectStatement::bindText(int i, const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    const QByteArray bytes = QStringView(text).left(end).toUtf8();
    bindUtf8(i, bytes.constData(), int(bytes.size()));
}

void DirectStatement::bindUtf8(int i, const char* text, int bytes)
{
    check(sqlite3_bind_text(m_stmt, i + 1, text, bytes, SQLITE_TRANSIENT), "bind");
}

void DirectStatement::bindUtf8InPlace(int i, const char* text, int bytes)
{
    check(sqlite3_bind_text(m_stmt, i + 1, text, bytes, SQLITE_STATIC), "bind");
}

void DirectStatement::bindInteger(int i, qint64 v)
{
    check(sqlite3_bind_int64(m_stmt, i + 1, v), "bind");
}

void DirectStatement::bindReal(int i, double v)
{
    check(sqlite3_bind_double(m_stmt, i + 1, v), "bind");
}

void DirectStatement::bindColumn(int i, const DirectStatement& from, int column)
{
    check(sqlite3_bind_value(m_stmt, i + 1, sqlite3_column_value(from.m_stmt, column)), "bind");
}

void DirectStatement::bindValue(int i, const DirectValue& v)
{
    switch (v.m_kind) {
    case DirectValue::Kind::Null:
        bindNull(i);
        return;
    case DirectValue::Kind::Integer:
        bindInteger(i, v.m_number.integer);
        return;
    case DirectValue::Kind::Real:
        bindReal(i, v.m_number.real);
        return;
    case DirectValue::Kind::Text:
        bindUtf8(i, v.m_bytes.constData(), int(v.m_bytes.size()));
        return;
    case DirectValue::Kind::Blob:
        check(sqlite3_bind_blob(m_stmt, i + 1, v.m_bytes.constData(), int(v.m_bytes.size()), SQLITE_TRANSIENT),
              "bind");
        return;
    }
}

bool DirectStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        fail("step");
    return false;
}

void DirectStatement::run()
{
    while (step()) {
    }
}

void DirectStatement::interrupt() const
{
    sqlite3_interrupt(m_db);
}

int DirectStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString DirectStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

DirectStatement::Kind DirectStatement::kind(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return Kind::Integer;
    case SQLITE_FLOAT:
        return Kind::Real;
    case SQLITE_TEXT:
        return Kind::Text;
    case SQLITE_BLOB:
        return Kind::Blob;
    default:
        return Kind::Null;
    }
}

double DirectStatement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QByteArray DirectStatement::blob(int column) const
{
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                      sqlite3_column_bytes(m_stmt, column));
}

bool DirectStatement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 DirectStatement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QString DirectStatement::text(int column) const
{
    int bytes = 0;
    const char* p = utf8(column, &bytes);
    return QString::fromUtf8(p, bytes);
}

bool DirectStatement::textIs(int column, const QByteArray& text) const
{
    int bytes = 0;
    const char* p = utf8(column, &bytes);
    // Trimmed as data::trimmed() trims: in UTF-8 the characters up to U+0020
    // are exactly the bytes up to 0x20, which no longer character contains.
    int from = 0, to = bytes;
    while (from < to && static_cast<unsigned char>(p[from]) <= 0x20)
        ++from;
    while (to > from && static_cast<unsigned char>(p[to - 1]) <= 0x20)
        --to;
    return to - from == text.size() && memcmp(p + from, text.constData(), size_t(to - from)) == 0;
}

const char* DirectStatement::utf8(int column, int* bytes) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    *bytes = sqlite3_column_bytes(m_stmt, column);
    return p ? p : "";
}

}  // namespace data
