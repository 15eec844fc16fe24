#pragma once
// Rows for the fee tests written straight into a fresh database, and read back.

#include "fees/RoomKey.h"
#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"
#include "support/TestDb.h"

#include <QVariantMap>

namespace feetest {

inline data::Decimal d(const QString& text) { return data::Decimal::fromString(text); }

// A room of district 1, building 2, unit 1; the owner's id is "o" + the room.
fees::RoomKey room(const QString& roomNum = QStringLiteral("101"), const QString& owner = QStringLiteral("张三"));

// Inserts one row with the values bound as given; returns its identity.
qint64 insertRow(data::Connection& c, const QString& table, const QVariantMap& values);
// A room's item (FeeSet) and a fee row of a month (Fee), with further columns.
qint64 addItem(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QVariantMap& extra = {});
qint64 addFee(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& period,
              const QVariantMap& extra = {});

// A column of a Fee row, as an amount or as text.
data::Decimal amount(data::Connection& c, const QString& column, qint64 rid);
QString text(data::Connection& c, const QString& column, qint64 rid);
int count(data::Connection& c, const QString& table, const QString& where = QString());

using testsupport::failWhen;

}  // namespace feetest
