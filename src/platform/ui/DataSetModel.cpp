#include "platform/ui/DataSetModel.h"

#include "platform/data/Error.h"
#include "platform/ui/ControlLabel.h"
#include "platform/ui/ErrorBox.h"

namespace ui {

DataSetModel::DataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataSetModel::setDataSource(data::DataSource* s)
{
    disconnect(m_c1);
    disconnect(m_c2);
    m_source = s;
    if (s) {
        m_c1 = connect(s, &data::DataSource::dataChanged, this, &DataSetModel::dataChanged);
        m_c2 = connect(s, &data::DataSource::stateChanged, this, [this] { dataChanged(nullptr); });
    }
    resetRows();
}

void DataSetModel::setColumns(const QVector<GridColumn>& cols)
{
    m_columns = cols;
    resetRows();
}

data::DataSet* DataSetModel::dataSet() const
{
    if (!m_source || !m_source->enabled())
        return nullptr;
    data::DataSet* ds = m_source->dataSet();
    return ds && ds->isActive() ? ds : nullptr;
}

QVector<GridColumn> DataSetModel::columns() const
{
    if (!m_columns.isEmpty())
        return m_columns;
    QVector<GridColumn> out;
    if (data::DataSet* ds = dataSet())
        for (int i = 0; i < ds->fieldCount(); ++i)
            out.push_back({ds->field(i)->name(), QString(), 0, true, false});
    return out;
}

data::Field* DataSetModel::fieldOf(int column) const
{
    data::DataSet* ds = dataSet();
    if (!ds)
        return nullptr;
    if (m_columns.isEmpty())
        return column >= 0 && column < ds->fieldCount() ? ds->field(column) : nullptr;
    if (column < 0 || column >= m_columns.size())
        return nullptr;
    return ds->findField(m_columns[column].field);
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole) {
        if (index.column() < m_columns.size() && m_columns[index.column()].alignment)
            return QVariant::fromValue(m_columns[index.column()].alignment | Qt::AlignVCenter);
        return QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    data::DataSet* ds = dataSet();
    data::Field* f = fieldOf(index.column());
    if (!ds || !f || index.row() >= ds->recordCount())
        return QVariant();
    const QVariant v = ds->valueAt(index.row(), f->index());
    if (role == Qt::DisplayRole && f->type() == data::ColType::Decimal && index.column() < m_columns.size()
        && m_columns[index.column()].currency && v.isValid()) {
        const data::Decimal d = v.value<data::Decimal>();
        if (!d.isNull())
            return (d.isNegative() ? QStringLiteral("-¥") : QStringLiteral("¥")) + (d.isNegative() ? -d : d).toFixed(2);
    }
    if (role == Qt::DisplayRole && f->type() == data::ColType::DateTime && index.column() < m_columns.size()
        && !m_columns[index.column()].format.isEmpty()) {
        const QDateTime dt = v.toDateTime();
        return dt.isValid() ? dt.toString(m_columns[index.column()].format) : QString();
    }
    return data::variantToText(v);
}

QVariant DataSetModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Vertical) {
        // The current row is marked, as record selectors do.
        if (role == Qt::DisplayRole) {
            data::DataSet* ds = dataSet();
            return ds && ds->recNo() == section + 1 ? QStringLiteral("▶") : QString();
        }
        return QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const QVector<GridColumn> cols = columns();
    if (section < 0 || section >= cols.size())
        return QVariant();
    // A column the window gives no title shows none; only a grid that shows
    // every field as it comes (no columns set) names them by field.
    return m_columns.isEmpty() ? cols[section].field : cols[section].title;
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const QVector<GridColumn> cols = columns();
    if (!m_readOnly && index.column() < cols.size() && !cols[index.column()].readOnly
        && (!cols[index.column()].editableAt || cols[index.column()].editableAt(index.row())))
        f |= Qt::ItemIsEditable;
    return f;
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    data::DataSet* ds = dataSet();
    if (!ds)
        return false;
    if (ds->recNo() != index.row() + 1)
        ds->setRecNo(index.row() + 1);
    data::Field* f = fieldOf(index.column());
    if (!f || !m_source->edit())
        return false;
    f = fieldOf(index.column());
    // Named as the column's title names it.
    if (const QString title = captionText(columns().value(index.column()).title); !title.isEmpty())
        f->setDisplayLabel(title);
    try {
        f->setValue(value);
    } catch (const data::Error&) {
        ++m_refusals;
        reportException(std::current_exception());
        return false;
    }
    return true;
}

void DataSetModel::resetRows()
{
    beginResetModel();
    data::DataSet* ds = dataSet();
    m_rows = ds ? ds->recordCount() : 0;
    m_cols = int(columns().size());
    endResetModel();
    emit cursorMoved();
}

void DataSetModel::dataChanged(data::Field* f)
{
    data::DataSet* ds = dataSet();
    const int rows = ds ? ds->recordCount() : 0;
    const int cols = int(columns().size());
    if (rows != m_rows || cols != m_cols) {
        resetRows();
        return;
    }
    if (rows > 0 && cols > 0) {
        if (f && ds) {
            const int r = ds->recNo() - 1;
            emit QAbstractTableModel::dataChanged(index(r, 0), index(r, cols - 1));
        } else {
            emit QAbstractTableModel::dataChanged(index(0, 0), index(rows - 1, cols - 1));
            emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
        }
    }
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, rows - 1));
    emit cursorMoved();
}

}  // namespace ui
