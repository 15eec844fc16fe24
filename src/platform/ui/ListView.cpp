#include "platform/ui/ListView.h"

#include <QHeaderView>
#include <QPainter>

namespace ui {

ListView::ListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListView::setColumns(const QVector<ListColumn>& cols)
{
    m_columns = cols;
    setColumnCount(int(cols.size()));
    QStringList titles;
    for (const ListColumn& c : cols)
        titles << c.title;
    setHeaderLabels(titles);
    for (int i = 0; i < cols.size(); ++i) {
        setColumnWidth(i, cols[i].width);
        headerItem()->setTextAlignment(i, cols[i].alignment | Qt::AlignVCenter);
    }
}

void ListView::setGridLines(bool on)
{
    m_gridLines = on;
    viewport()->update();
}

int ListView::addRow(const QStringList& texts)
{
    auto* item = new QTreeWidgetItem(this, texts);
    for (int i = 0; i < m_columns.size(); ++i)
        item->setTextAlignment(i, m_columns[i].alignment | Qt::AlignVCenter);
    return indexOfTopLevelItem(item);
}

void ListView::setRowText(int row, int column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setText(column, text);
}

QString ListView::rowText(int row, int column) const
{
    QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

QStringList ListView::row(int r) const
{
    QStringList out;
    if (QTreeWidgetItem* item = topLevelItem(r))
        for (int c = 0; c < columnCount(); ++c)
            out << item->text(c);
    return out;
}

void ListView::removeRow(int row)
{
    delete takeTopLevelItem(row);
}

int ListView::selectedRow() const
{
    const QList<QTreeWidgetItem*> sel = selectedItems();
    return sel.isEmpty() ? -1 : indexOfTopLevelItem(sel.first());
}

void ListView::selectRow(int row)
{
    clearSelection();
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
    }
}

void ListView::drawRow(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidget::drawRow(p, option, index);
    if (!m_gridLines)
        return;
    p->save();
    p->setPen(palette().color(QPalette::Mid));
    const QRect r = option.rect;
    p->drawLine(r.bottomLeft(), r.bottomRight());
    int x = r.left() - header()->offset();
    for (int c = 0; c < columnCount(); ++c) {
        x += header()->sectionSize(c);
        p->drawLine(x - 1, r.top(), x - 1, r.bottom());
    }
    p->restore();
}

}  // namespace ui
