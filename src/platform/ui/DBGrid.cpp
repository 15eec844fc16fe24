#include "platform/ui/DBGrid.h"

#include "platform/ui/ColumnWidth.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Form.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

DBGrid::DBGrid(QWidget* parent) : DBGrid(nullptr, parent) {}

DBGrid::DBGrid(data::DataSource* source, QWidget* parent) : QTableView(parent), m_model(new DataSetModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(18);
    horizontalHeader()->setHighlightSections(false);
    connect(m_model, &DataSetModel::cursorMoved, this, &DBGrid::followCursor);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::applyColumns);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        const QVector<GridColumn> cols = columns();
        emit cellClicked(i.column(), i.column() < cols.size() ? cols[i.column()].field : QString());
    });
    setDataSource(source);
}

void DBGrid::setDataSource(data::DataSource* s)
{
    m_model->setDataSource(s);
}

void DBGrid::setColumns(const QVector<GridColumn>& cols)
{
    m_model->setColumns(cols);
}

void DBGrid::setReadOnly(bool on)
{
    m_model->setReadOnly(on);
}

void DBGrid::setRowSelect(bool on)
{
    m_rowSelect = on;
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    followCursor();
}

QString DBGrid::selectedField() const
{
    const QVector<GridColumn> cols = columns();
    const int c = currentIndex().column();
    return c >= 0 && c < cols.size() ? cols[c].field : QString();
}

void DBGrid::applyColumns()
{
    const QVector<GridColumn> cols = columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnHidden(i, !cols[i].visible);
        if (cols[i].width > 0)
            setColumnWidth(i, cols[i].visible ? fittedColumnWidth(*this, i, cols[i], m_model->fieldOf(i))
                                              : cols[i].width);
    }
}

void DBGrid::followCursor()
{
    data::DataSet* ds = m_model->dataSet();
    m_following = true;
    if (!ds || ds->recNo() == 0) {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    } else {
        int col = currentIndex().isValid() ? currentIndex().column() : 0;
        while (col < m_model->columnCount() && isColumnHidden(col))
            ++col;
        const QModelIndex target = m_model->index(ds->recNo() - 1, std::min(col, m_model->columnCount() - 1));
        const QItemSelectionModel::SelectionFlags how =
            QItemSelectionModel::ClearAndSelect | (m_rowSelect ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
        if (target != currentIndex())
            selectionModel()->setCurrentIndex(target, how);
        else
            selectionModel()->select(target, how);
        scrollTo(target);
    }
    m_following = false;
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Leaving a cell being typed writes it first; a refused value has been
    // told already and keeps the row, so the move is not tried.
    const int refusals = m_model->refusals();
    m_changingRow = true;
    QTableView::currentChanged(current, previous);
    m_changingRow = false;
    if (m_following || !current.isValid())
        return;
    data::DataSet* ds = m_model->dataSet();
    if (ds && current.row() + 1 != ds->recNo()) {
        if (m_model->refusals() == refusals)
            guarded([&] { ds->setRecNo(current.row() + 1); });
        // Back on the dataset's row, whether the move happened or not.
        followCursor();
    }
    if (previous.isValid() && current.column() != previous.column()) {
        const QVector<GridColumn> cols = columns();
        emit columnEntered(current.column(), current.column() < cols.size() ? cols[current.column()].field
                                                                            : QString());
    }
}

void DBGrid::commitData(QWidget* editor)
{
    const int refusals = m_model->refusals();
    QTableView::commitData(editor);
    m_lastCommitRefused = m_model->refusals() != refusals;
}

void DBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache)
        withdrawRefusedValue();
    // Enter in the editor commits with this hint; so does a move to another
    // row, which stores the row by itself.
    if (hint == QAbstractItemDelegate::SubmitModelCache && m_enterStoresRow && !m_changingRow
        && !m_lastCommitRefused)
        storeRow();
}

bool DBGrid::commitEditor()
{
    // A cell editor lives on the grid's viewport while it is open.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (editor->isHidden())  // closed, waiting to be deleted
            continue;
        const int refusals = m_model->refusals();
        QTableView::commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (m_model->refusals() != refusals)
            return false;
    }
    return true;
}

void DBGrid::storeRow()
{
    data::DataSet* ds = m_model->dataSet();
    if (ds && ds->isEditing())
        guarded([ds] { ds->post(); });
}

bool DBGrid::withdrawRefusedValue()
{
    data::DataSet* ds = m_model->dataSet();
    if (!ds || !ds->hasRefusedValue())
        return false;
    ds->revertRefusedValues();
    return true;
}

void DBGrid::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        emit entered();
}

void DBGrid::mousePressEvent(QMouseEvent* e)
{
    // When leaving another control was refused (its on-exit check took the
    // focus back), the click does not go on to move the cursor.
    if (isActiveWindow() && (focusPolicy() & Qt::ClickFocus) && !hasFocus()) {
        e->accept();
        return;
    }
    QTableView::mousePressEvent(e);
}

void DBGrid::keyPressEvent(QKeyEvent* e)
{
    // Rows are added and deleted by the window's buttons, never by the grid.
    if (e->key() == Qt::Key_Insert || (e->key() == Qt::Key_Delete && (e->modifiers() & Qt::ControlModifier))) {
        e->accept();
        return;
    }
    if (m_enterStoresRow && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
        e->accept();
        storeRow();
        return;
    }
    if (e->key() == Qt::Key_Escape && state() != EditingState && withdrawRefusedValue()) {
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

}  // namespace ui
