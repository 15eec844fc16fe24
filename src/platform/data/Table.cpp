#include "platform/data/Table.h"

#include "platform/data/Connection.h"
#include "platform/data/DataSource.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

namespace data {

namespace {
const char* kindName(ColType t)
{
    switch (t) {
    case ColType::String: return "文本";
    case ColType::Integer: return "整数";
    case ColType::Decimal: return "小数";
    case ColType::DateTime: return "日期时间";
    case ColType::Memo: return "长文本";
    }
    return "?";
}
}  // namespace

Table::Table(Connection* conn, QObject* parent) : DataSet(conn, parent) {}

Table::~Table()
{
    if (m_master && m_master->dataSet())
        m_master->dataSet()->removeDetail(this);
}

void Table::setTableName(const QString& name)
{
    if (isActive())
        throw Error(QStringLiteral("%1 已打开，不能更换数据表。").arg(objectName()));
    m_table = name;
    m_def = findTable(name);
    clearFields();
    setUpdateTable(name);
}

void Table::setMaster(DataSource* master, const QString& masterFields, const QString& detailFields)
{
    if (m_master && m_master->dataSet())
        m_master->dataSet()->removeDetail(this);
    m_master = master;
    m_masterFields = masterFields.split(u';', Qt::SkipEmptyParts);
    m_detailFields = detailFields.split(u';', Qt::SkipEmptyParts);
    if (m_masterFields.size() != m_detailFields.size())
        throw Error(QStringLiteral("%1：主从字段个数不一致。").arg(objectName()));
    if (m_master && m_master->dataSet())
        m_master->dataSet()->addDetail(this);
    m_linkOn = false;
    setLinkValues({});
    if (isActive())
        masterChanged();
}

bool Table::linkActive() const
{
    return m_master && m_master->enabled() && m_master->dataSet() && m_master->dataSet()->isActive();
}

QVariantList Table::masterValues() const
{
    QVariantList out;
    DataSet* m = m_master->dataSet();
    for (const QString& f : m_masterFields)
        out << (m->isEmpty() && !m->isEditing() ? QVariant() : m->fieldByName(f)->value());
    return out;
}

void Table::masterChanged()
{
    if (!isActive() || !m_master)
        return;
    const bool on = linkActive();
    const QVariantList values = on ? masterValues() : QVariantList();
    if (on == m_linkOn && values == m_linkValues)
        return;
    if (m_readLinkedOnly) {
        requery();  // the select takes the new values
        return;
    }
    checkBrowseMode();
    m_linkOn = on;
    setLinkValues(values);
    refilter();
}

void Table::requeryLinked()
{
    if (!isActive() || !m_linkOn) {
        requery();
        return;
    }
    QStringList where;
    for (const QString& f : m_detailFields)
        where << QStringLiteral("%1 = ?").arg(f);
    reloadVisibleRows(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 ORDER BY %1")
                          .arg(QLatin1String(kRowIdColumn), selectList(), m_table,
                               where.join(QStringLiteral(" AND "))),
                      m_linkValues);
}

void Table::checkColumns()
{
    const QList<ColumnInfo> cols = connection()->dialect().columns(*connection(), m_table);
    if (cols.isEmpty())
        throw Error(QStringLiteral("数据库中没有数据表 %1。").arg(m_table));
    if (!m_def) {
        // A table the system does not declare: take its columns as they are.
        for (const ColumnInfo& c : cols)
            if (c.name.compare(QLatin1String(kRowIdColumn), Qt::CaseInsensitive) != 0)
                addField(c.name, c.type, c.width, c.scale, c.precision);
        return;
    }
    for (const ColumnDef& want : m_def->columns) {
        auto it = std::find_if(cols.begin(), cols.end(), [&](const ColumnInfo& c) {
            return c.name.compare(QLatin1String(want.name), Qt::CaseInsensitive) == 0;
        });
        if (it == cols.end())
            throw Error(QStringLiteral("数据表 %1 缺少字段 %2。").arg(m_table, want.name));
        const bool textish = (want.type == ColType::String || want.type == ColType::Memo)
            && (it->type == ColType::String || it->type == ColType::Memo);
        if (it->type != want.type && !textish)
            throw Error(QStringLiteral("数据表 %1 的字段 %2 是%3类型，应为%4类型。")
                            .arg(m_table, want.name, kindName(it->type), kindName(want.type)));
        if (want.type == ColType::Decimal && it->scale != want.scale)
            throw Error(QStringLiteral("数据表 %1 的字段 %2 有 %3 位小数，应为 %4 位。")
                            .arg(m_table, want.name)
                            .arg(it->scale)
                            .arg(want.scale));
        addField(want.name, want.type, want.width, want.scale, want.precision);
    }
}

void Table::buildSelect(QString& sql, QVariantList& params)
{
    if (m_table.isEmpty())
        throw Error(QStringLiteral("%1 没有指定数据表。").arg(objectName()));
    clearFields();
    checkColumns();
    m_detailIdx.clear();
    for (const QString& f : m_detailFields)
        m_detailIdx.push_back(fieldByName(f)->index());
    m_linkOn = m_master && linkActive();
    setLinkValues(m_linkOn ? masterValues() : QVariantList());

    QString where;
    if (m_readLinkedOnly && m_linkOn) {
        // The rows the in-memory test would show, and no others: a master
        // without a current row, or with a null in a link column, has none.
        QStringList tests;
        for (int k = 0; k < m_detailFields.size(); ++k) {
            const QVariant& v = m_linkValues[k];
            if (!v.isValid() || v.isNull()) {
                tests = QStringList{QStringLiteral("1 = 0")};
                params.clear();
                break;
            }
            tests << field(m_detailIdx[size_t(k)])->name() + QStringLiteral(" = ?");
            if (v.metaType() == QMetaType::fromType<Decimal>())
                params << v.value<Decimal>().toVariant();
            else if (v.metaType().id() == QMetaType::QDateTime)
                params << connection()->dialect().dateTimeValue(v.toDateTime());
            else
                params << v;
        }
        where = QStringLiteral(" WHERE ") + tests.join(QStringLiteral(" AND "));
    }
    sql = QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY %1")
              .arg(QLatin1String(kRowIdColumn), selectList(), m_table, where);
}

QString Table::selectList() const
{
    // Dates and times are read as the text the embedded database keeps, which
    // the fields read as they are used: converting each of a large table's
    // dates as it is read is most of the time its reading takes.
    const Dialect& d = connection()->dialect();
    QStringList names;
    for (int i = 0; i < fieldCount(); ++i) {
        const QString name = field(i)->name();
        const QString text = field(i)->type() == ColType::DateTime ? d.dateTimeAsTextSql(name) : name;
        names << (text == name ? name : QStringLiteral("%1 AS %2").arg(text, name));
    }
    return names.join(QStringLiteral(", "));
}

void Table::prepareFields(const QSqlRecord&) {}

void Table::setLinkValues(const QVariantList& values)
{
    m_linkValues = values;
    m_linkTexts.clear();
    for (const QVariant& v : values)
        m_linkTexts << variantToText(v);
}

bool Table::rowVisible(const Row& r) const
{
    if (!m_linkOn)
        return true;
    for (size_t k = 0; k < m_detailIdx.size(); ++k) {
        const QVariant& want = m_linkValues[int(k)];
        if (!want.isValid() || want.isNull())
            return false;
        // Text is compared where it lies, without unpacking each row's.
        bool same = false;
        if (PackedRows::textIs(r.packed, m_detailIdx[k], m_linkTexts[int(k)], &same)) {
            if (!same)
                return false;
            continue;
        }
        const QVariant have = rawValue(r, m_detailIdx[k]);
        if (!have.isValid() || have.isNull() || variantToText(have) != m_linkTexts[int(k)])
            return false;
    }
    return true;
}

void Table::initNewRow()
{
    if (!m_linkOn)
        return;
    for (size_t k = 0; k < m_detailIdx.size(); ++k)
        setFieldValue(m_detailIdx[k], field(m_detailIdx[k])->normalize(m_linkValues[int(k)]));
}

}  // namespace data
