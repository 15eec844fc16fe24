#include "fees/FeeGrids.h"

#include "platform/ui/DBGrid.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

namespace fees {

ui::DBGrid* readOnlyGrid(data::DataSource* source, const char* name, const QVector<ui::GridColumn>& columns,
                         QWidget* parent)
{
    auto* g = new ui::DBGrid(source, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setColumns(columns);
    g->setReadOnly(true);
    g->setRowSelect(true);
    return g;
}

void pageOf(QWidget* page, QWidget* content)
{
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(content);
}

QMenu* popupOn(ui::DBGrid* grid, const char* name)
{
    auto* menu = new QMenu(grid);
    menu->setObjectName(QString::fromLatin1(name));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint& at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
    return menu;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace fees
