#pragma once
// A small register for the fee reports, every figure computed by hand.
//
// Items in table order: "02" 电费, "01" 水费, "04" 物业费 (no rows).
// District "1" 翠苑小区, buildings in table order "2" 2号楼 and "1" 1号楼;
// district "2" 西湖小区 has a building "1" 1号楼 too.
//
// Fee rows of district 1:
//   1-1-101 张三  01 202312  1000 due (before the range)
//                 01 202401  10.10 due
//                 01 202402  10.20 + 10.10 arrears + 0.50 late = 20.80 due
//                 01 202403  10.00 collected
//                 02 202401  5 due
//   1-1-102 赵六  01 202401  30 collected
//   2-1-201 李四  01 202401  not charged (no amounts), due
//                 01 202402  7.35 due
//                 04 202401  not charged, due
// District 2:  1-1-101 王五 01 202401  99 due
//
// Rooms of district 1: building 1 has 8 rooms, 1 occupied; building 2 has 8,
// 3 occupied; one vacant room names building "9" (no such building) and one
// vacant room names building 1 as "一号楼" (not its name). District 2's
// building 1 has 2 rooms, 1 occupied.

#include <QString>

namespace data { class Connection; }

namespace feetest {

void reportRegister(data::Connection& c);

}  // namespace feetest
