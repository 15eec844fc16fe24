#include "platform/data/Query.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>

namespace data {

// --- parameters ------------------------------------------------------------

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Calls out(name, start, length) for each ":name" outside quotes.
template <typename F>
void scanParams(const QString& sql, F out)
{
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const QChar q = c;
            ++i;
            while (i < n) {
                if (sql[i] == q) {
                    if (i + 1 < n && sql[i + 1] == q) {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            continue;
        }
        if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
            continue;
        }
        if (c == u':') {
            if (i + 1 < n && sql[i + 1] == u':') {  // a server-side cast
                ++i;
                continue;
            }
            if (i + 1 < n && isNameStart(sql[i + 1])) {
                int j = i + 1;
                while (j < n && isNameChar(sql[j]))
                    ++j;
                out(sql.mid(i + 1, j - i - 1), i, j - i);
                i = j - 1;
            }
        }
    }
}

// The table of a single-table "select * from T ..." (any condition), or "".
QString singleTable(const QString& text)
{
    static const QRegularExpression single(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*(?:$|where\\b|order\\b)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = single.match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The rows of one table come in the table's order (the row identity) unless
// the statement orders them itself: a server otherwise returns them as it
// happens to keep them, which changes when a row is updated, and a list that
// reorders itself under the user's cursor leads to the wrong row.
QString withDefinedOrder(const QString& text)
{
    const QString table = singleTable(text);
    if (table.isEmpty() || !findTable(table))
        return text;
    static const QRegularExpression quoted(QStringLiteral("'[^']*'|\"[^\"]*\""));
    static const QRegularExpression ordered(
        QStringLiteral("\\b(?:order\\s+by|group\\s+by|union|limit|for\\s+update|for\\s+share)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    if (QString(text).remove(quoted).contains(ordered))
        return text;
    return text + QStringLiteral("\nORDER BY ") + QLatin1String(kRowIdColumn);
}

}  // namespace

QStringList parameterOccurrences(const QString& sql)
{
    QStringList names;
    scanParams(sql, [&](const QString& name, int, int) { names << name; });
    return names;
}

QVariant Param::bindValue(const Dialect& d) const
{
    const QString what = QStringLiteral("参数“%1”").arg(m_name);
    if (!m_typed) {
        if (!m_value.isValid() || m_value.isNull())
            return QVariant();
        if (m_value.metaType().id() == QMetaType::QString)
            return normalizeValue(m_value, ColType::Memo, 0, 0, what);
        if (m_value.metaType() == QMetaType::fromType<Decimal>())
            return m_value.value<Decimal>().toVariant();
        if (m_value.metaType().id() == QMetaType::QDateTime)
            return d.dateTimeValue(m_value.toDateTime());
        if (m_value.metaType().id() == QMetaType::QDate)
            return d.dateTimeValue(QDateTime(m_value.toDate(), QTime(0, 0)));
        return m_value;
    }
    const QVariant v = normalizeValue(m_value, m_type, 0, m_scale, what);
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (m_type) {
    case ColType::Decimal:
        return v.value<Decimal>().toVariant();
    case ColType::DateTime:
        return d.dateTimeValue(v.toDateTime());
    default:
        return v;
    }
}

Param* Params::find(const QString& name)
{
    for (Param& p : m_list)
        if (p.name().compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

Param& Params::byName(const QString& name)
{
    Param* p = find(name);
    if (!p)
        throw Error(QStringLiteral("语句中没有参数“%1”。").arg(name));
    return *p;
}

void Params::parse(const QString& sql)
{
    std::vector<Param> next;
    for (const QString& name : parameterOccurrences(sql)) {
        bool seen = false;
        for (const Param& p : next)
            seen = seen || p.name().compare(name, Qt::CaseInsensitive) == 0;
        if (seen)
            continue;
        Param* old = find(name);
        next.push_back(old ? *old : Param(name));
    }
    m_list = std::move(next);
}

QString Params::positional(const QString& sql, const Dialect& d, QVariantList& values) const
{
    QString out;
    int last = 0;
    scanParams(sql, [&](const QString& name, int start, int len) {
        out += sql.mid(last, start - last);
        out += u'?';
        last = start + len;
        const Param* p = nullptr;
        for (const Param& q : m_list)
            if (q.name().compare(name, Qt::CaseInsensitive) == 0)
                p = &q;
        values << (p ? p->bindValue(d) : QVariant());
    });
    out += sql.mid(last);
    return out;
}

// --- queries ---------------------------------------------------------------

Query::Query(Connection* conn, QObject* parent) : DataSet(conn, parent) {}

void Query::setSql(const QString& text)
{
    m_sql = text.split(u'\n');
}

Params& Query::params()
{
    const QString text = sqlText();
    if (text != m_parsedFor) {
        m_params.parse(text);
        m_parsedFor = text;
    }
    return m_params;
}

Param& Query::param(const QString& name)
{
    return params().byName(name);
}

void Query::buildSelect(QString& sql, QVariantList& values)
{
    const QString text = sqlText();
    if (text.trimmed().isEmpty())
        throw Error(QStringLiteral("%1 没有查询语句。").arg(objectName()));
    sql = params().positional(withDefinedOrder(text), connection()->dialect(), values);
}

void Query::reopen(const QString& sql, const QList<std::pair<QString, QVariant>>& values)
{
    close();
    setSql(sql);
    for (const auto& [name, value] : values)
        param(name).setValue(value);
    open();
}

int Query::execSql()
{
    if (isActive())
        close();
    QString sql;
    QVariantList values;
    buildSelect(sql, values);
    QSqlQuery q = connection()->exec(sql, values);
    return q.numRowsAffected();
}

void Query::prepareFields(const QSqlRecord& rec)
{
    const QString text = sqlText();
    // A single-table "select * from T" (with any condition) can be edited.
    static const QRegularExpression from(QStringLiteral("\\b(?:from|join)\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString table = singleTable(text);
    bool hasRid = false;
    for (int c = 0; c < rec.count(); ++c)
        hasRid = hasRid || rec.fieldName(c).compare(QLatin1String(kRowIdColumn), Qt::CaseInsensitive) == 0;
    setUpdateTable(hasRid && !table.isEmpty() && findTable(table) && !findTable(table)->isView ? table : QString());

    // Same statement, same columns: keep the fields (bound controls keep them).
    QStringList names;
    for (int c = 0; c < rec.count(); ++c)
        names << rec.fieldName(c);
    const QString signature = names.join(u'\x1f') + u'\x1e' + text;
    if (signature == m_fieldsFor && fieldCount() > 0)
        return;
    m_fieldsFor = signature;
    clearFields();

    std::vector<const TableDef*> tables;
    auto it = from.globalMatch(text);
    while (it.hasNext())
        if (const TableDef* t = findTable(it.next().captured(1)))
            tables.push_back(t);

    for (int c = 0; c < rec.count(); ++c) {
        const QString name = rec.fieldName(c);
        if (name.compare(QLatin1String(kRowIdColumn), Qt::CaseInsensitive) == 0)
            continue;
        const ColumnDef* def = nullptr;
        for (const TableDef* t : tables) {
            for (const ColumnDef& cd : t->columns)
                if (name.compare(QLatin1String(cd.name), Qt::CaseInsensitive) == 0) {
                    def = &cd;
                    break;
                }
            if (def)
                break;
        }
        if (def) {
            // Named as the catalogue spells it, whatever case the driver reports.
            addField(QString::fromLatin1(def->name), def->type, def->width, def->scale, def->precision);
            continue;
        }
        // A computed column: take the kind the driver reports.
        const QSqlField f = rec.field(c);
        switch (f.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
            addField(name, ColType::Integer);
            break;
        case QMetaType::Double:
            addField(name, ColType::Decimal, 0, Decimal::kMaxScale);
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            addField(name, ColType::DateTime);
            break;
        default:
            addField(name, ColType::Memo);
        }
    }
}

// --- commands --------------------------------------------------------------

Command::Command(Connection* conn, QObject* parent) : QObject(parent), m_conn(conn) {}

void Command::setSql(const QString& text)
{
    m_sql = text;
}

Params& Command::params()
{
    if (m_sql != m_parsedFor) {
        m_params.parse(m_sql);
        m_parsedFor = m_sql;
    }
    return m_params;
}

Param& Command::param(const QString& name)
{
    return params().byName(name);
}

int Command::execute()
{
    if (!m_conn)
        throw Error(QStringLiteral("%1 没有数据库连接。").arg(objectName()));
    QVariantList values;
    const QString sql = params().positional(m_sql, m_conn->dialect(), values);
    QSqlQuery q = m_conn->exec(sql, values);
    return q.numRowsAffected();
}

}  // namespace data
