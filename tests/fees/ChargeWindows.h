#pragma once
// Driving the charge windows as a user would: a district with two buildings,
// rooms and fee items to choose from, lookups picked, grid cells typed.

#include "platform/data/Connection.h"

#include <QString>

namespace ui {
class DBGrid;
class DBLookupComboBox;
}  // namespace ui

namespace chargetest {

// District "1" 翠苑 with buildings "2" and "3"; rooms 101-103 of building 2,
// unit 1 (floor areas 80.00, 80.10, 90.00); items 01 水费 (2 within the quota,
// 3 over it) and 02 电费 (1.07 / 2), metered; 04 物业费 and 05 卫生费,
// non-metered.
void seedDistrict(data::Connection& c);

// The user drops the list down and picks the entry with that key.
void choose(ui::DBLookupComboBox* lookup, const QString& key);

int column(ui::DBGrid* grid, const QString& field);
QString cell(ui::DBGrid* grid, int row, const QString& field);
// Clicks the cell and types the text into it (committed, row not yet stored).
void typeCell(ui::DBGrid* grid, int row, const QString& field, const QString& text);

}  // namespace chargetest
