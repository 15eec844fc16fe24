#pragma once
// Queries and commands whose text is rebuilt at each use:
//
//   q.reopen("select * from Region where RegionId=:id", {{"ID", text}});
//
// or step by step, for a parameter that needs a type or a width:
//
//   q.close(); q.sql().clear(); q.sql() << "select * from Region where RegionId=:id";
//   q.param("ID").setString(text, 20); q.open();
//
// Parameters are written ":name" and match by name without regard to case; a
// ':' inside a quoted literal is text. Each parameter may carry a type, and a
// value is converted to it when bound: empty text bound to a number is NULL,
// text is right-trimmed, text that is not a number for a number parameter is
// refused with a clear message. A single-table "select * from T ..." result
// can be edited and posted like a table.

#include "platform/data/DataSet.h"

#include <QList>
#include <QStringList>
#include <utility>
#include <vector>

namespace data {

class Param {
public:
    explicit Param(const QString& name = QString()) : m_name(name) {}
    const QString& name() const { return m_name; }

    // Untyped: bound as given (text right-trimmed).
    void setValue(const QVariant& v) { m_value = v; m_typed = false; }
    void setString(const QString& s, int size = 0) { set(ColType::String, s, size); }
    void setInteger(const QVariant& v) { set(ColType::Integer, v); }
    void setDecimal(const QVariant& v, int scale = 6) { set(ColType::Decimal, v, 0, scale); }
    void setDateTime(const QVariant& v) { set(ColType::DateTime, v); }
    void setNull() { m_value = QVariant(); }
    const QVariant& value() const { return m_value; }

    // The value as it is sent to the database.
    QVariant bindValue(const class Dialect& d) const;

private:
    void set(ColType t, const QVariant& v, int size = 0, int scale = 0)
    {
        m_type = t;
        m_value = v;
        m_size = size;
        m_scale = scale;
        m_typed = true;
    }
    QString m_name;
    QVariant m_value;
    ColType m_type = ColType::String;
    int m_size = 0;
    int m_scale = 0;
    bool m_typed = false;
};

// Parameters of one statement, in order of first appearance.
class Params {
public:
    // Throws data::Error when the statement has no such parameter.
    Param& operator[](const QString& name) { return byName(name); }
    Param& byName(const QString& name);
    Param* find(const QString& name);
    int count() const { return int(m_list.size()); }
    // Re-reads the names from a statement, keeping values of names that stay.
    void parse(const QString& sql);
    // The statement with each ":name" replaced by '?', and the values in order.
    QString positional(const QString& sql, const Dialect& d, QVariantList& values) const;

private:
    std::vector<Param> m_list;
};

// Names of the parameters of a statement, in order, one per occurrence.
QStringList parameterOccurrences(const QString& sql);

class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(Connection* conn = nullptr, QObject* parent = nullptr);

    // The statement's lines; edit, then open() or execSql().
    QStringList& sql() { return m_sql; }
    void setSql(const QString& text);
    QString sqlText() const { return m_sql.join(u'\n'); }

    Param& param(const QString& name);
    Params& params();

    // Closes the query, replaces its statement, binds the values by parameter
    // name (as Param::setValue does) and opens it.
    void reopen(const QString& sql, const QList<std::pair<QString, QVariant>>& values = {});

    // Runs a statement that returns no rows; returns the rows affected.
    int execSql();

protected:
    void buildSelect(QString& sql, QVariantList& params) override;
    void prepareFields(const QSqlRecord& rec) override;

private:
    QStringList m_sql;
    QString m_parsedFor;
    Params m_params;
    QString m_fieldsFor;  // statement the fields were made for
};

// A statement run for its effect (insert, update, delete).
class Command : public QObject {
    Q_OBJECT
public:
    explicit Command(Connection* conn = nullptr, QObject* parent = nullptr);
    void setConnection(Connection* c) { m_conn = c; }
    void setSql(const QString& text);
    QString sqlText() const { return m_sql; }
    Param& param(const QString& name);
    Params& params();
    // Throws data::Error with the database's message; returns rows affected.
    int execute();

private:
    Connection* m_conn = nullptr;
    QString m_sql;
    QString m_parsedFor;
    Params m_params;
};

}  // namespace data
