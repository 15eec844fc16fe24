#pragma once
// A small property tree for the property tests, and a way to make the
// database refuse one room.
//
// District 1 "东区": building 1 "一号楼" (12 floors) with unit 1 (floors 1-2,
// indexes 1-3, rooms 101-203 generated; 102 occupied by owner o1, 103 with a
// layout and areas) and unit 2 (floors 1-6, indexes 1-2, no rooms yet);
// building 2 "二号楼" (6 floors) with unit 1 (floors 1-1, indexes 1-2, rooms
// 101 and 102). District 2 "西区": building 1 "一号楼" with unit 1 and room 101.
// Code table roomType: 两室一厅, 三室两厅.

#include "platform/data/Connection.h"

namespace testsupport {

void seedPropertyTree(data::Connection& c);

// From now on inserting a room with this number fails with a database error.
void refuseRoomNumber(data::Connection& c, const QString& roomNum);
// From now on deleting a row of the table fails with a database error.
void refuseDeletesFrom(data::Connection& c, const QString& table);

// count(*) of a statement.
int countOf(data::Connection& c, const QString& sql, const QVariantList& params = {});

// The room numbers of a unit in insertion order.
QStringList roomNumbers(data::Connection& c, const QString& region, const QString& build, const QString& unit);

}  // namespace testsupport
