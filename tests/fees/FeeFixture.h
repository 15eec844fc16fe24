#pragma once
// Rows for the fee tests: rooms, room items, fee rows and settings written
// straight into a fresh database, and read back.

#include "fees/RoomKey.h"
#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"

#include <QString>
#include <QVariantMap>

namespace feetest {

// The room most tests use.
fees::RoomKey room(const QString& roomNum = QStringLiteral("101"), const QString& owner = QStringLiteral("张三"));

// Inserts one row; the values are bound as given. Returns the row identity.
qint64 insertRow(data::Connection& c, const QString& table, const QVariantMap& values);
// A room's item with base readings and quota.
qint64 addItem(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& feeName,
               const QVariantMap& extra = {});
// A fee row of a month for a room's item; `extra` sets further columns.
qint64 addFee(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& feeName,
              const QString& period, const QVariantMap& extra = {});
// An occupied room with its areas.
void addRoom(data::Connection& c, const fees::RoomKey& k, const QVariant& floorArea, const QVariant& usableArea);
void setLateFeeRate(data::Connection& c, const QString& rate);

// One column of one row, as a decimal (two places) or as text.
data::Decimal decimalAt(data::Connection& c, const QString& table, const QString& column, qint64 rid);
QString textAt(data::Connection& c, const QString& table, const QString& column, qint64 rid);
int count(data::Connection& c, const QString& table, const QString& where = QString(),
          const QVariantList& params = {});

// Makes the database refuse a statement: a trigger on the table raises an
// error for rows matching the condition (written with NEW.column).
void failWhen(data::Connection& c, const QString& table, const QString& event, const QString& condition);

}  // namespace feetest
