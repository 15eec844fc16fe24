#pragma once
// The data-aware grid: the rows of a data source in a table.
//
// The grid follows the dataset's cursor (the current row is the dataset's
// current row) and moves it when the user clicks a row or moves with the
// keys. A move that the dataset refuses (a pending row that cannot be posted)
// shows the error and leaves the grid on the dataset's row. The grid never
// inserts or deletes rows by itself. Cells of columns that are not read-only
// can be edited in place; with row select, whole rows are selected.
//
// Signals stand for the windows' handlers: cellClicked (a cell clicked),
// entered (the grid got the focus from another control of the window), and
// columnEntered (the user moved to another column).

#include "platform/ui/DataSetModel.h"
#include "platform/ui/FieldLink.h"

#include <QTableView>

namespace ui {

class DBGrid : public QTableView, public BoundControl {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);
    explicit DBGrid(data::DataSource* source, QWidget* parent = nullptr);

    data::DataSource* dataSource() const { return m_model->dataSource(); }
    void setDataSource(data::DataSource* s);
    void setColumns(const QVector<GridColumn>& cols);
    QVector<GridColumn> columns() const { return m_model->columns(); }
    DataSetModel* dataModel() const { return m_model; }

    // No cell can be edited.
    void setReadOnly(bool on) override;
    bool isReadOnly() const { return m_model->readOnly(); }
    void setRowSelect(bool on);
    // The grid has no field of its own; the link is unused.

    // The field of the current column.
    QString selectedField() const;

    // Enter, in a cell being typed or on the grid, stores the row being
    // edited, as leaving the row would (for windows that have no Save button).
    void setEnterStoresRow(bool on) { m_enterStoresRow = on; }
    // Escape, in a cell being typed or on the grid, withdraws a value the
    // field refused: the cell shows what is stored again and the row can be
    // left.
    // Writes what an open cell editor holds into the row and closes the
    // editor; false when the value was refused (the user has been told).
    bool commitEditor();

signals:
    void cellClicked(int column, const QString& fieldName);
    void entered();
    void columnEntered(int column, const QString& fieldName);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void followCursor();
    void applyColumns();
    void storeRow();
    bool withdrawRefusedValue();

    DataSetModel* m_model;
    bool m_following = false;
    bool m_rowSelect = false;
    bool m_enterStoresRow = false;
    bool m_changingRow = false;       // inside QTableView::currentChanged
    bool m_lastCommitRefused = false;
};

}  // namespace ui
