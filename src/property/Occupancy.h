#pragma once
// How a room records its occupant, and how an owner records its rooms.
//
// A placed room holds the owner's id and name, the move-in month and the
// state "B"; a vacant room the state "A". The owner keeps the unit names and
// room numbers of its rooms joined without a separator.

#include "platform/data/Decimal.h"

#include <QDate>
#include <QString>

namespace data { class Connection; }

namespace occupancy {

inline const QString kVacant = QStringLiteral("A");
inline const QString kOccupied = QStringLiteral("B");

// The move-in month as rooms store it: the year, then the month without a
// leading zero (May 2003 is "20035", December 2003 "200312").
QString monthText(const QDate& date);

// The joined list without the first occurrence of part (unchanged when part
// is empty or absent).
QString removeFirst(const QString& joined, const QString& part);

// What an occupant still owes for a room: the fee rows (Fee) of every month
// kept under the room and the occupant that are not collected. A row whose
// total a later month's row of the same item took over as arrears is paid
// through that row and counts there only; a row not yet charged counts 0.
struct Uncollected {
    int rows = 0;
    data::Decimal total{0};
};
Uncollected uncollectedFees(data::Connection& c, const QString& regionId, const QString& buildId,
                            const QString& unitName, const QString& roomNum, const QString& ownerId,
                            const QString& ownerName);

// An owner who leaves takes their fee items (FeeSet) of the rooms left with
// them, so the month's generation bills neither the departed owner nor the
// next occupant twice; the receivables made (Fee) and the receipts (SFSJ)
// stay. Run inside the transaction that frees the rooms.
// One room moved out of:
void removeRoomItems(data::Connection& c, const QString& regionId, const QString& buildId, const QString& unitName,
                     const QString& roomNum, const QString& ownerId);
// Every room of the owner in a building (the owner deleted):
void removeBuildingItems(data::Connection& c, const QString& regionId, const QString& buildId,
                         const QString& ownerId);

}  // namespace occupancy
