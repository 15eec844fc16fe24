#pragma once
// The lists of the collection and receivables windows: grids that show rows
// and are never typed into, with pop-up menus of commands.

#include "platform/ui/DataSetModel.h"

#include <QString>
#include <QVector>

class QAction;
class QMenu;
class QWidget;
namespace data {
class DataSource;
}
namespace ui {
class DBGrid;
}

namespace fees {

ui::DBGrid* readOnlyGrid(data::DataSource* source, const char* name, const QVector<ui::GridColumn>& columns,
                         QWidget* parent);
// A page holding one widget, edge to edge.
void pageOf(QWidget* page, QWidget* content);
// A pop-up menu shown where the grid is right-clicked.
QMenu* popupOn(ui::DBGrid* grid, const char* name);
QAction* menuItem(QMenu* menu, const char* name, const QString& caption);

}  // namespace fees
