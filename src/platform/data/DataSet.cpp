#include "platform/data/DataSet.h"

#include "platform/data/Connection.h"
#include "platform/data/DataSource.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QSqlField>
#include <QSqlRecord>

#include <optional>

namespace data {

DataSet::DataSet(Connection* conn, QObject* parent) : QObject(parent), m_conn(conn) {}

DataSet::~DataSet()
{
    for (DataSource* s : m_sources)
        s->setDataSet(nullptr);
}

// --- fields ----------------------------------------------------------------

void DataSet::addField(const QString& name, ColType type, int width, int scale, int precision)
{
    m_fields.push_back(std::make_unique<Field>(this, int(m_fields.size()), name, type, width, scale, precision));
}

void DataSet::clearFields()
{
    m_fields.clear();
}

Field* DataSet::findField(const QString& name) const
{
    for (const auto& f : m_fields)
        if (f->name().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field* DataSet::fieldByName(const QString& name) const
{
    Field* f = findField(name);
    if (!f)
        throw Error(QStringLiteral("%1：找不到字段“%2”。").arg(objectName(), name));
    return f;
}

// --- opening ---------------------------------------------------------------

void DataSet::open()
{
    if (isActive())
        return;
    if (!m_conn)
        throw Error(QStringLiteral("%1 没有数据库连接。").arg(objectName()));
    readRows(true);
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty() && !m_rowsPending;
    setState(DataSetState::Browse);
    if (afterOpen)
        afterOpen(*this);
    notifyData();
    notifyDetails();
}

void DataSet::close()
{
    if (!isActive())
        return;
    if (isEditing())
        discardEdits();
    m_rowsPending = false;
    m_all.clear();
    m_visible.clear();
    m_packed.clear();
    m_cur = 0;
    m_bof = m_eof = true;
    setState(DataSetState::Inactive);
    notifyData();
    notifyDetails();
}

void DataSet::readRows(bool whenNeeded)
{
    QString sql;
    QVariantList params;
    buildSelect(sql, params);
    m_all.clear();
    m_visible.clear();
    m_packed.clear();
    m_rowsPending = whenNeeded && m_readOnDemand && fieldsBeforeRows();
    if (m_rowsPending) {
        m_pendingSql = sql;
        m_pendingParams = params;
        return;
    }
    fetchAll(sql, params);
}

void DataSet::showVisibleRows()
{
    m_visible.clear();
    m_visible.reserve(m_all.size());
    for (size_t i = 0; i < m_all.size(); ++i)
        if (rowVisible(m_all[i]))
            m_visible.push_back(int(i));
}

void DataSet::readPendingRows()
{
    // Should the read fail, its error is told once and the dataset stays
    // empty until it is read again (Refresh), as after an open that failed.
    m_rowsPending = false;
    m_cur = 0;
    m_bof = true;
    m_eof = true;
    fetchAll(m_pendingSql, m_pendingParams);
    m_eof = m_visible.empty();
}

void DataSet::reloadVisibleRows(const QString& sql, const QVariantList& params)
{
    ensureRows();
    checkBrowseMode();
    QSqlQuery q = executed(sql, params);
    std::vector<Row> fresh;
    fetchRows(q, fresh);
    std::vector<bool> visible(m_all.size(), false);
    for (int i : m_visible)
        visible[size_t(i)] = true;
    // The hidden rows keep their place; the fresh ones are merged in by identity.
    std::vector<Row> all;
    all.reserve(m_all.size() - m_visible.size() + fresh.size());
    m_visible.clear();
    size_t f = 0;
    auto takeFresh = [&] {
        if (rowVisible(fresh[f]))
            m_visible.push_back(int(all.size()));
        all.push_back(std::move(fresh[f++]));
    };
    for (size_t i = 0; i < m_all.size(); ++i) {
        if (visible[i])
            continue;
        while (f < fresh.size() && fresh[f].rid() < m_all[i].rid())
            takeFresh();
        all.push_back(std::move(m_all[i]));
    }
    while (f < fresh.size())
        takeFresh();
    m_all = std::move(all);
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty();
    afterMove();
}

void DataSet::requery()
{
    if (!isActive()) {
        open();
        return;
    }
    checkBrowseMode();
    readRows();
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty();
    afterMove();
}

void DataSet::reloadAfterRollback()
{
    if (!isActive())
        return;
    const qint64 keep = m_state == DataSetState::Insert ? 0 : rowId();
    if (isEditing()) {
        m_insertPlaceholder = false;
        m_modified = false;
        m_refused.clear();
        m_state = DataSetState::Browse;
        notifyState();
    }
    readRows();
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty();
    for (size_t i = 0; keep && i < m_visible.size(); ++i)
        if (m_all[size_t(m_visible[i])].rid() == keep) {
            m_cur = int(i);
            m_bof = i == 0;
        }
    notifyData();
    notifyDetails();
}

void DataSet::refilter()
{
    if (!isActive())
        return;
    ensureRows();
    if (isEditing())
        discardEdits();
    showVisibleRows();
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty();
    notifyData();
    notifyDetails();
}

// --- cursor ----------------------------------------------------------------

QVariant DataSet::currentValue(int index) const
{
    if (m_state == DataSetState::Inactive || index < 0 || index >= fieldCount())
        return QVariant();
    ensureRows();
    if (isEditing())
        return m_fields[size_t(index)]->fromDatabase(m_buffer.v[index]);
    if (m_visible.empty())
        return QVariant();
    return m_fields[size_t(index)]->fromDatabase(rawValue(m_all[size_t(m_visible[size_t(m_cur)])], index));
}

QVariant DataSet::storedValue(int index) const
{
    ensureRows();
    if (m_state == DataSetState::Inactive || m_visible.empty() || m_state == DataSetState::Insert)
        return QVariant();
    const Row& r = m_all[size_t(m_visible[size_t(m_cur)])];
    return m_fields[size_t(index)]->fromDatabase(rawValue(r, index));
}

QVariant DataSet::valueAt(int row, int fieldIndex) const
{
    ensureRows();
    if (row < 0 || row >= int(m_visible.size()) || fieldIndex < 0 || fieldIndex >= fieldCount())
        return QVariant();
    if (isEditing() && row == m_cur)
        return m_fields[size_t(fieldIndex)]->fromDatabase(m_buffer.v[fieldIndex]);
    return m_fields[size_t(fieldIndex)]->fromDatabase(rawValue(m_all[size_t(m_visible[size_t(row)])], fieldIndex));
}

QVariant DataSet::storedValueAt(int row, int fieldIndex) const
{
    if (row < 0 || row >= int(m_visible.size()) || fieldIndex < 0 || fieldIndex >= fieldCount())
        return QVariant();
    return m_fields[size_t(fieldIndex)]->fromDatabase(rawValue(m_all[size_t(m_visible[size_t(row)])], fieldIndex));
}

qint64 DataSet::rowId() const
{
    ensureRows();
    if (m_state == DataSetState::Inactive || m_visible.empty())
        return 0;
    if (m_state == DataSetState::Insert)
        return 0;
    return m_all[size_t(m_visible[size_t(m_cur)])].rid();
}

void DataSet::afterMove()
{
    if (afterScroll)
        afterScroll(*this);
    notifyData();
    notifyDetails();
}

void DataSet::first()
{
    ensureRows();
    checkBrowseMode();
    m_cur = 0;
    m_bof = true;
    m_eof = m_visible.empty();
    afterMove();
}

void DataSet::last()
{
    ensureRows();
    checkBrowseMode();
    m_cur = m_visible.empty() ? 0 : int(m_visible.size()) - 1;
    m_eof = true;
    m_bof = m_visible.empty();
    afterMove();
}

int DataSet::moveBy(int distance)
{
    ensureRows();
    checkBrowseMode();
    if (m_visible.empty() || distance == 0)
        return 0;
    if ((distance > 0 && m_eof) || (distance < 0 && m_bof))
        return 0;
    m_bof = m_eof = false;
    const int target = m_cur + distance;
    int moved;
    if (target > int(m_visible.size()) - 1) {
        moved = int(m_visible.size()) - 1 - m_cur;
        m_cur = int(m_visible.size()) - 1;
        m_eof = true;
    } else if (target < 0) {
        moved = -m_cur;
        m_cur = 0;
        m_bof = true;
    } else {
        moved = distance;
        m_cur = target;
    }
    afterMove();
    return moved;
}

void DataSet::next()
{
    moveBy(1);
}

void DataSet::prior()
{
    moveBy(-1);
}

void DataSet::setRecNo(int n)
{
    ensureRows();
    checkBrowseMode();
    if (m_visible.empty())
        return;
    n = std::clamp(n, 1, int(m_visible.size()));
    if (n - 1 == m_cur)
        return;
    m_cur = n - 1;
    m_bof = m_eof = false;
    afterMove();
}

bool DataSet::gotoRowId(qint64 rid)
{
    ensureRows();
    checkBrowseMode();
    for (size_t i = 0; i < m_visible.size(); ++i)
        if (m_all[size_t(m_visible[i])].rid() == rid) {
            m_cur = int(i);
            m_bof = m_eof = false;
            afterMove();
            return true;
        }
    return false;
}

bool DataSet::locate(const QStringList& fields, const QVariantList& values, bool caseInsensitive, bool partialKey)
{
    ensureRows();
    checkBrowseMode();
    std::vector<Field*> fs;
    for (const QString& n : fields)
        fs.push_back(fieldByName(n));
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    // Text wanted exactly is compared where it lies, without unpacking each row's.
    std::vector<QString> exact(fs.size());
    for (size_t k = 0; k < fs.size(); ++k) {
        const QVariant want = values.value(int(k));
        const bool text = fs[k]->type() == ColType::String || fs[k]->type() == ColType::Memo;
        if (text && !caseInsensitive && !partialKey && want.isValid() && !want.isNull())
            exact[k] = variantToText(want);
    }
    for (size_t i = 0; i < m_visible.size(); ++i) {
        const Row& r = m_all[size_t(m_visible[i])];
        bool match = true;
        for (size_t k = 0; k < fs.size() && match; ++k) {
            if (!exact[k].isNull() && PackedRows::textIs(r.packed, fs[k]->index(), exact[k], &match))
                continue;
            match = true;
            const QVariant have = fs[k]->fromDatabase(rawValue(r, fs[k]->index()));
            const QVariant want = k < size_t(values.size()) ? values[int(k)] : QVariant();
            const bool haveNull = !have.isValid() || have.isNull();
            const bool wantNull = !want.isValid() || want.isNull();
            if (haveNull || wantNull) {
                match = haveNull && wantNull;
                continue;
            }
            const ColType t = fs[k]->type();
            if (t == ColType::String || t == ColType::Memo) {
                const QString a = have.toString();
                const QString b = variantToText(want);
                match = partialKey ? a.startsWith(b, cs) : a.compare(b, cs) == 0;
            } else {
                try {
                    match = fs[k]->normalize(want) == have;
                    if (t == ColType::Decimal)
                        match = have.value<Decimal>() == fs[k]->normalize(want).value<Decimal>();
                } catch (const Error&) {
                    match = false;
                }
            }
        }
        if (match) {
            m_cur = int(i);
            m_bof = m_eof = false;
            afterMove();
            return true;
        }
    }
    return false;
}

// --- editing ---------------------------------------------------------------

void DataSet::setState(DataSetState s)
{
    if (m_state == s)
        return;
    m_state = s;
    notifyState();
}

void DataSet::updateRecord()
{
    if (!isEditing())
        return;
    const auto sources = m_sources;
    for (DataSource* s : sources)
        s->updateRecordEvent();
}

void DataSet::checkBrowseMode()
{
    if (!isEditing())
        return;
    updateRecord();
    if (m_modified || !m_refused.isEmpty())
        post();
    else
        cancel();
}

void DataSet::edit()
{
    if (!isActive())
        throw Error(QStringLiteral("%1 未打开。").arg(objectName()));
    if (isEditing())
        return;
    ensureRows();
    if (m_visible.empty()) {
        insert();
        return;
    }
    if (m_updateTable.isEmpty())
        throw Error(QStringLiteral("%1 的数据不能修改。").arg(objectName()));
    const Row& r = m_all[size_t(m_visible[size_t(m_cur)])];
    m_buffer.rid = r.rid();
    m_buffer.v.resize(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        m_buffer.v[i] = rawValue(r, i);
    m_assigned.assign(m_fields.size(), false);
    m_modified = false;
    m_refused.clear();
    setState(DataSetState::Edit);
}

void DataSet::startInsert(int position)
{
    if (!isActive())
        throw Error(QStringLiteral("%1 未打开。").arg(objectName()));
    ensureRows();
    checkBrowseMode();
    if (m_updateTable.isEmpty())
        throw Error(QStringLiteral("%1 的数据不能修改。").arg(objectName()));
    m_savedBof = m_bof;
    m_savedEof = m_eof;
    m_savedCur = m_cur;
    m_buffer = Buffer();
    m_buffer.v.resize(int(m_fields.size()));
    m_assigned.assign(m_fields.size(), false);
    m_refused.clear();
    // A placeholder row makes the new row visible in grids while it is typed.
    m_all.push_back(Row{m_packed.pack(0, m_buffer.v)});
    position = std::clamp(position, 0, int(m_visible.size()));
    m_visible.insert(m_visible.begin() + position, int(m_all.size()) - 1);
    m_insertPlaceholder = true;
    m_cur = position;
    m_bof = m_eof = false;
    if (position == int(m_visible.size()) - 1 && position > 0)
        m_eof = true;
    m_modified = false;
    m_state = DataSetState::Insert;
    initNewRow();
    if (onNewRecord)
        onNewRecord(*this);
    m_modified = false;
    notifyState();
    notifyData();
    notifyDetails();
}

void DataSet::insert()
{
    ensureRows();
    startInsert(m_cur);
}

void DataSet::append()
{
    ensureRows();
    startInsert(int(m_visible.size()));
}

void DataSet::setFieldValue(int index, const QVariant& v)
{
    if (!isEditing())
        throw Error(QStringLiteral("%1 不在编辑状态，不能修改字段“%2”。")
                        .arg(objectName(), m_fields[size_t(index)]->name()));
    m_buffer.v[index] = v;
    m_assigned[size_t(index)] = true;
    m_modified = true;
    m_refused.remove(index);
    notifyData(m_fields[size_t(index)].get());
    notifyDetails();
}

void DataSet::noteRefusedValue(int index, const QString& message)
{
    if (isEditing())
        m_refused.insert(index, message);
}

void DataSet::revertRefusedValues()
{
    if (m_refused.isEmpty())
        return;
    if (m_state == DataSetState::Edit) {
        const Row& stored = m_all[size_t(m_visible[size_t(m_cur)])];
        for (auto it = m_refused.cbegin(); it != m_refused.cend(); ++it)
            m_buffer.v[it.key()] = rawValue(stored, it.key());
    }
    m_refused.clear();
    notifyData();
}

void DataSet::touch()
{
    QPointer<DataSet> self(this);
    m_conn->noteWrite(this, [self] {
        if (self)
            self->reloadAfterRollback();
    });
}

void DataSet::writeInsert()
{
    QStringList cols, marks;
    QVariantList values;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (!m_assigned[i])
            continue;
        cols << m_fields[i]->name();
        marks << QStringLiteral("?");
        const QVariant v = m_fields[i]->fromDatabase(m_buffer.v[int(i)]);
        values << (m_fields[i]->type() == ColType::DateTime ? m_conn->dialect().dateTimeValue(v.toDateTime())
                   : m_fields[i]->type() == ColType::Decimal ? v.value<Decimal>().toVariant()
                                                             : v);
    }
    QString sql = cols.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_updateTable)
                                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(m_updateTable, cols.join(QStringLiteral(", ")),
                                            marks.join(QStringLiteral(", ")));
    sql += m_conn->dialect().returningRowId();
    QSqlQuery& q = m_conn->execCached(sql, values);
    const qint64 rid = m_conn->dialect().insertedRowId(q);
    q.finish();
    touch();
    // Read the row back: database defaults and identities fill the rest.
    QStringList names;
    for (const auto& f : m_fields)
        names << f->name();
    QSqlQuery& back = m_conn->execCached(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                            .arg(names.join(QStringLiteral(", ")), m_updateTable, kRowIdColumn),
                                        {rid});
    m_buffer.rid = rid;
    if (back.next())
        for (int i = 0; i < int(m_fields.size()); ++i)
            m_buffer.v[i] = back.value(i);
    back.finish();
}

void DataSet::writeUpdate()
{
    QStringList sets;
    QVariantList values;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (!m_assigned[i])
            continue;
        sets << QStringLiteral("%1 = ?").arg(m_fields[i]->name());
        const QVariant v = m_fields[i]->fromDatabase(m_buffer.v[int(i)]);
        values << (m_fields[i]->type() == ColType::DateTime ? m_conn->dialect().dateTimeValue(v.toDateTime())
                   : m_fields[i]->type() == ColType::Decimal ? v.value<Decimal>().toVariant()
                                                             : v);
    }
    if (sets.isEmpty())
        return;
    values << m_buffer.rid;
    QSqlQuery& q = m_conn->execCached(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                   .arg(m_updateTable, sets.join(QStringLiteral(", ")), kRowIdColumn),
                               values);
    if (q.numRowsAffected() == 0)
        throw Error(QStringLiteral("要保存的记录已被删除或修改，请刷新后重试。"));
    touch();
}

void DataSet::writeDelete(qint64 rid)
{
    QSqlQuery& q = m_conn->execCached(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_updateTable, kRowIdColumn),
                                     {rid});
    if (q.numRowsAffected() == 0)
        throw Error(QStringLiteral("要删除的记录已被删除或修改，请刷新后重试。"));
    touch();
}

void DataSet::post()
{
    if (!isEditing())
        return;
    updateRecord();
    if (!m_refused.isEmpty())
        throw Error(m_refused.begin().value());
    std::optional<Transaction> tx;
    if (m_postInTransaction)
        tx.emplace(*m_conn);
    if (beforePost)
        beforePost(*this);
    if (m_state == DataSetState::Insert) {
        writeInsert();
        if (tx)
            tx->commit();
        m_all[size_t(m_visible[size_t(m_cur)])] = Row{m_packed.pack(m_buffer.rid, m_buffer.v)};
        m_insertPlaceholder = false;
    } else {
        writeUpdate();
        if (tx)
            tx->commit();
        m_all[size_t(m_visible[size_t(m_cur)])] = Row{m_packed.pack(m_buffer.rid, m_buffer.v)};
    }
    m_modified = false;
    m_state = DataSetState::Browse;
    notifyState();
    if (afterPost)
        afterPost(*this);
    notifyData();
    notifyDetails();
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    if (m_state == DataSetState::Insert && m_insertPlaceholder) {
        const int idx = m_visible[size_t(m_cur)];
        m_visible.erase(m_visible.begin() + m_cur);
        m_all.erase(m_all.begin() + idx);
        for (int& v : m_visible)
            if (v > idx)
                --v;
        m_insertPlaceholder = false;
        m_cur = std::clamp(m_savedCur, 0, std::max(0, int(m_visible.size()) - 1));
        m_bof = m_savedBof;
        m_eof = m_savedEof;
        if (m_visible.empty())
            m_bof = m_eof = true;
    }
    m_modified = false;
    m_refused.clear();
    m_state = DataSetState::Browse;
    notifyState();
    notifyData();
    notifyDetails();
}

void DataSet::discardEdits()
{
    cancel();
}

void DataSet::remove()
{
    if (!isActive())
        throw Error(QStringLiteral("%1 未打开。").arg(objectName()));
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    ensureRows();
    if (m_visible.empty())
        throw Error(QStringLiteral("没有可删除的记录。"));
    if (m_updateTable.isEmpty())
        throw Error(QStringLiteral("%1 的数据不能修改。").arg(objectName()));
    if (m_state == DataSetState::Edit)
        cancel();
    std::optional<Transaction> tx;
    if (m_deleteInTransaction)
        tx.emplace(*m_conn);
    if (beforeDelete)
        beforeDelete(*this);
    const int idx = m_visible[size_t(m_cur)];
    writeDelete(m_all[size_t(idx)].rid());
    if (tx)
        tx->commit();
    m_visible.erase(m_visible.begin() + m_cur);
    m_all.erase(m_all.begin() + idx);
    for (int& v : m_visible)
        if (v > idx)
            --v;
    if (m_cur >= int(m_visible.size()))
        m_cur = std::max(0, int(m_visible.size()) - 1);
    m_bof = m_eof = m_visible.empty();
    if (afterDelete)
        afterDelete(*this);
    if (afterDeleteDone)
        afterDeleteDone(*this);
    notifyData();
    notifyDetails();
}

// --- events ----------------------------------------------------------------

void DataSet::attachSource(DataSource* s)
{
    if (std::find(m_sources.begin(), m_sources.end(), s) == m_sources.end())
        m_sources.push_back(s);
}

void DataSet::detachSource(DataSource* s)
{
    m_sources.erase(std::remove(m_sources.begin(), m_sources.end(), s), m_sources.end());
}

void DataSet::notifyState()
{
    if (m_disableCount > 0) {
        m_pendingState = true;
        return;
    }
    const auto sources = m_sources;
    for (DataSource* s : sources)
        s->stateEvent();
}

void DataSet::notifyData(Field* f)
{
    if (m_disableCount > 0) {
        m_pendingChange = true;
        return;
    }
    const auto sources = m_sources;
    for (DataSource* s : sources)
        s->dataEvent(f);
}

void DataSet::disableControls()
{
    ++m_disableCount;
}

void DataSet::enableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0) {
        if (m_pendingState) {
            m_pendingState = false;
            notifyState();
        }
        m_pendingChange = false;
        notifyData();
    }
}

void DataSet::addDetail(DataSet* d)
{
    m_details.emplace_back(d);
}

void DataSet::removeDetail(DataSet* d)
{
    m_details.erase(std::remove_if(m_details.begin(), m_details.end(),
                                   [d](const QPointer<DataSet>& p) { return !p || p == d; }),
                    m_details.end());
}

void DataSet::sourceEnabledChanged(DataSource*)
{
    notifyDetails();
}

void DataSet::notifyDetails()
{
    const auto details = m_details;
    for (const auto& d : details)
        if (d)
            d->masterChanged();
}

}  // namespace data
