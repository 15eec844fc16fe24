#pragma once
// How a room records its occupant, and how an owner records its rooms.
//
// A placed room holds the owner's id and name, the move-in month and the
// state "B"; a vacant room the state "A". The owner keeps the unit names and
// room numbers of its rooms joined without a separator.

#include <QDate>
#include <QString>

namespace occupancy {

inline const QString kVacant = QStringLiteral("A");
inline const QString kOccupied = QStringLiteral("B");

// The move-in month as rooms store it: the year, then the month without a
// leading zero (May 2003 is "20035", December 2003 "200312").
QString monthText(const QDate& date);

// The joined list without the first occurrence of part (unchanged when part
// is empty or absent).
QString removeFirst(const QString& joined, const QString& part);

}  // namespace occupancy
