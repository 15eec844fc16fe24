#pragma once
// How wide a grid column is shown: the width its window gives it, and at
// least what it holds in the grid's own font (the windows' widths were
// measured in another font): its whole title, and a full date or time,
// whether the column's type or the texts of its first rows make it one.

#include "platform/ui/DataSetModel.h"

class QTableView;

namespace ui {

int fittedColumnWidth(const QTableView& grid, int column, const GridColumn& c, const data::Field* field);

// The width a grid needs to show its visible columns side by side, with its
// row marks, frame and vertical scroll bar.
int columnsWidth(const QTableView& grid);

}  // namespace ui
