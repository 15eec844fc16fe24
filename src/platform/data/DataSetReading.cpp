// How a dataset reads its rows into its packed rows: through Qt's query, or
// for a table straight through the database's own interface, where text
// stays the UTF-8 it comes in instead of becoming a variant of UTF-16 per
// value. Either way the values unpack as the Qt driver gives them.

#include "platform/data/DataSet.h"

#include "platform/data/Connection.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/ServerCopy.h"

#include <QSqlRecord>

#include <charconv>

namespace data {

namespace {

// Parameters the embedded database takes straight as the Qt driver would
// bind them: null, text, whole numbers.
bool bindsDirectly(const QVariantList& params)
{
    for (const QVariant& v : params)
        if (!v.isNull()
            && !(v.metaType().id() == QMetaType::QString || v.metaType().id() == QMetaType::Int
                 || v.metaType().id() == QMetaType::LongLong))
            return false;
    return true;
}

// The digits of a whole number, as the server writes them.
qint64 wholeNumber(const char* text, int bytes)
{
    long long v = 0;
    std::from_chars(text, text + bytes, v);
    return v;
}

}  // namespace

void DataSet::fetchAll(const QString& sql, const QVariantList& params)
{
    m_all.clear();
    m_visible.clear();
    m_packed.clear();
    if (fieldsBeforeRows()) {
        bool read = false;
        try {
            read = fetchDirect(sql, params);
        } catch (...) {
            m_all.clear();
            m_packed.clear();
            throw;
        }
        if (read) {
            showVisibleRows();
            return;
        }
    }
    QSqlQuery q = executed(sql, params);
    prepareFields(q.record());
    fetchRows(q, m_all);
    showVisibleRows();
}

bool DataSet::fetchDirect(const QString& sql, const QVariantList& params)
{
    if (DirectStatement::available(*m_conn) && bindsDirectly(params)) {
        fetchEmbedded(sql, params);
        return true;
    }
    // A copy takes no parameters: only the linked rows of a detail have them.
    if (serverCopyAvailable(*m_conn) && params.isEmpty())
        return fetchServer(sql);
    return false;
}

QSqlQuery DataSet::executed(const QString& sql, const QVariantList& params) const
{
    QSqlQuery q = m_conn->newQuery();
    if (!q.prepare(sql))
        throwQueryError(q, objectName());
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throwQueryError(q, objectName());
    return q;
}

std::vector<int> DataSet::columnsOfFields(const QStringList& names, int* rowIdColumn) const
{
    std::vector<int> colOfField(m_fields.size(), -1);
    *rowIdColumn = -1;
    for (int c = 0; c < names.size(); ++c) {
        if (*rowIdColumn < 0 && names[c].compare(QLatin1String(kRowIdColumn), Qt::CaseInsensitive) == 0)
            *rowIdColumn = c;
        for (size_t i = 0; i < m_fields.size(); ++i)
            if (colOfField[i] < 0 && names[c].compare(m_fields[i]->name(), Qt::CaseInsensitive) == 0)
                colOfField[i] = c;
    }
    return colOfField;
}

void DataSet::listPackedRows(PackedRows::Mark from, size_t count, std::vector<Row>& out) const
{
    // Listed once all are read: the list grows once, to its size.
    out.reserve(out.size() + count);
    m_packed.rowsSince(from, fieldCount(), [&](const char* row) { out.push_back(Row{row}); });
}

void DataSet::fetchRows(QSqlQuery& q, std::vector<Row>& out)
{
    const QSqlRecord rec = q.record();
    QStringList names;
    for (int c = 0; c < rec.count(); ++c)
        names << rec.fieldName(c);
    int ridCol = -1;
    const std::vector<int> colOfField = columnsOfFields(names, &ridCol);
    const PackedRows::Mark from = m_packed.mark();
    size_t count = 0;
    while (q.next()) {
        for (const int c : colOfField)
            m_packed.add(c >= 0 ? q.value(c) : QVariant());
        m_packed.finishRow(ridCol >= 0 ? q.value(ridCol).toLongLong() : 0);
        ++count;
    }
    listPackedRows(from, count, out);
}

void DataSet::fetchEmbedded(const QString& sql, const QVariantList& params)
{
    DirectStatement st(*m_conn, sql);
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        if (v.isNull() || (v.metaType().id() == QMetaType::QString && v.toString().isNull())) {
            st.bindNull(i);
        } else if (v.metaType().id() == QMetaType::QString) {
            const QByteArray text = v.toString().toUtf8();
            st.bindUtf8(i, text.constData(), int(text.size()));
        } else {
            st.bindInteger(i, v.toLongLong());
        }
    }
    QStringList names;
    for (int c = 0; c < st.columnCount(); ++c)
        names << st.columnName(c);
    int ridCol = -1;
    const std::vector<int> colOfField = columnsOfFields(names, &ridCol);
    int bytes = 0;
    const PackedRows::Mark from = m_packed.mark();
    size_t count = 0;
    while (st.step()) {
        for (const int c : colOfField) {
            switch (c < 0 ? DirectStatement::Kind::Null : st.kind(c)) {
            case DirectStatement::Kind::Null:
                m_packed.addNull();
                break;
            case DirectStatement::Kind::Integer:
                m_packed.addInteger(st.integer(c));
                break;
            case DirectStatement::Kind::Real:
                m_packed.addReal(st.real(c));
                break;
            case DirectStatement::Kind::Text: {
                const char* text = st.utf8(c, &bytes);
                m_packed.addUtf8(text, bytes);
                break;
            }
            case DirectStatement::Kind::Blob:
                m_packed.add(QVariant(st.blob(c)));
                break;
            }
        }
        m_packed.finishRow(ridCol >= 0 ? st.integer(ridCol) : 0);
        ++count;
    }
    listPackedRows(from, count, m_all);
}

bool DataSet::fetchServer(const QString& sql)
{
    const std::vector<ServerColumn> cols = describeSelect(*m_conn, sql);
    QStringList names;
    for (const ServerColumn& c : cols)
        names << c.name;
    int ridCol = -1;
    const std::vector<int> colOfField = columnsOfFields(names, &ridCol);
    // Values read otherwise than as text or an int are left to the driver;
    // the identity is only ever a number.
    for (const int c : colOfField)
        if (c >= 0 && cols[size_t(c)].kind != ServerColumn::Kind::Text
            && cols[size_t(c)].kind != ServerColumn::Kind::WholeNumber)
            return false;
    if (ridCol >= 0 && cols[size_t(ridCol)].kind != ServerColumn::Kind::WholeNumber
        && cols[size_t(ridCol)].kind != ServerColumn::Kind::LongWholeNumber)
        return false;
    CopyOut copy(*m_conn, sql);
    int bytes = 0;
    const PackedRows::Mark from = m_packed.mark();
    size_t count = 0;
    while (copy.next()) {
        for (const int c : colOfField) {
            if (c < 0 || copy.isNull(c)) {
                m_packed.addNull();
                continue;
            }
            const char* text = copy.utf8(c, &bytes);
            if (cols[size_t(c)].kind == ServerColumn::Kind::WholeNumber)
                m_packed.add(QVariant(int(wholeNumber(text, bytes))));
            else
                m_packed.addUtf8(text, bytes);
        }
        qint64 rowId = 0;
        if (ridCol >= 0 && !copy.isNull(ridCol)) {
            const char* text = copy.utf8(ridCol, &bytes);
            rowId = wholeNumber(text, bytes);
        }
        m_packed.finishRow(rowId);
        ++count;
    }
    listPackedRows(from, count, m_all);
    return true;
}

}  // namespace data
