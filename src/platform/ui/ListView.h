#pragma once
// The list view in report style: columns with titles and widths, rows of
// texts, whole-row selection, optional grid lines, never edited in place.

#include <QStringList>
#include <QTreeWidget>

namespace ui {

struct ListColumn {
    QString title;
    int width = 80;
    Qt::Alignment alignment = Qt::AlignLeft;
};

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void setColumns(const QVector<ListColumn>& cols);
    void setGridLines(bool on);
    bool gridLines() const { return m_gridLines; }

    // Appends a row; returns its index.
    int addRow(const QStringList& texts);
    void setRowText(int row, int column, const QString& text);
    QString rowText(int row, int column) const;
    QStringList row(int row) const;
    int rowCount() const { return topLevelItemCount(); }
    void removeRow(int row);
    void clearRows() { clear(); }

    // The selected row, -1 when none.
    int selectedRow() const;
    void selectRow(int row);

protected:
    void drawRow(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QVector<ListColumn> m_columns;
    bool m_gridLines = false;
};

}  // namespace ui
