#pragma once
// The rows of a data source's dataset as a table model, for the grid.
//
// Columns are named fields with a title, a width and flags; with no columns
// set, every field of the dataset is a column under its own name. Fields are
// looked up by name each time, as queries make new fields when they open.
// While the data source is disabled or the dataset closed, there are no rows.

#include "platform/data/DataSource.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>
#include <functional>

namespace ui {

struct GridColumn {
    QString field;
    QString title;     // none when empty
    int width = 0;     // pixels; 0 for the grid's default
    bool visible = true;
    bool readOnly = false;
    bool currency = false;  // a decimal shown as money: "¥" and two places
    QString format = {};    // a date-time shown in this format ("hh:mm:ss" for a time of day)
    Qt::Alignment alignment = {};  // of the cells; the view's default when none
    // When set, whether the cell of a row (0-based) of a column that is not
    // read-only can be typed into.
    std::function<bool(int row)> editableAt = {};
};

class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);

    data::DataSource* dataSource() const { return m_source; }
    void setDataSource(data::DataSource* s);
    void setColumns(const QVector<GridColumn>& cols);
    // The columns shown: those set, or one per field.
    QVector<GridColumn> columns() const;
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }

    data::DataSet* dataSet() const;
    data::Field* fieldOf(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes a cell of the current row (the dataset enters edit state through
    // the data source). A value the field refuses shows the error box and
    // returns false; the row then stays unpostable until the cell takes a
    // value or the edit is cancelled (DataSet::noteRefusedValue).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Counts the values refused so far: a caller compares it before and after
    // a commit to learn whether the user has been told already.
    int refusals() const { return m_refusals; }

signals:
    // The dataset's cursor or rows changed; the view follows.
    void cursorMoved();

private:
    void dataChanged(data::Field* f);
    void resetRows();

    QPointer<data::DataSource> m_source;
    QVector<GridColumn> m_columns;
    bool m_readOnly = false;
    int m_rows = 0;
    int m_cols = 0;
    int m_refusals = 0;
    QMetaObject::Connection m_c1, m_c2;
};

}  // namespace ui
