#include "FeeFixture.h"

#include "fees/Money.h"
#include "platform/data/Dialect.h"
#include "support/TestDb.h"

namespace feetest {

fees::RoomKey room(const QString& roomNum, const QString& owner)
{
    return {"1", "2", "1", roomNum, "o" + roomNum, owner};
}

qint64 insertRow(data::Connection& c, const QString& table, const QVariantMap& values)
{
    const QStringList marks(values.size(), "?");
    QSqlQuery q = c.exec(QString("INSERT INTO %1 (%2) VALUES (%3)").arg(table, values.keys().join(u','), marks.join(u','))
                             + c.dialect().returningRowId(),
                         values.values());
    return c.dialect().insertedRowId(q);
}

namespace {
// Item names follow the code: "01" is water, "02" electricity and so on.
QVariantMap keyed(const fees::RoomKey& k, const QString& feeId, const QVariantMap& extra)
{
    static const QStringList names{"水费", "电费", "燃气费", "物业费", "卫生费", "停车费"};
    QVariantMap v{{"RegionId", k.regionId}, {"BuildID", k.buildId},    {"UnitName", k.unitName},
                  {"RoomNum", k.roomNum},   {"OwnerId", k.ownerId},    {"OwnerName", k.ownerName},
                  {"FeeId", feeId},         {"FeeName", names.value(feeId.toInt() - 1, "费用" + feeId)}};
    v.insert(extra);
    return v;
}
}  // namespace

qint64 addItem(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QVariantMap& extra)
{
    return insertRow(c, "FeeSet", keyed(k, feeId, extra));
}

qint64 addFee(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& period,
              const QVariantMap& extra)
{
    QVariantMap v = keyed(k, feeId, extra);
    v.insert("inDate", period);
    return insertRow(c, "Fee", v);
}

data::Decimal amount(data::Connection& c, const QString& column, qint64 rid)
{
    return fees::money(c.scalar(QString("SELECT %1 FROM Fee WHERE rid = ?").arg(column), {rid}));
}

QString text(data::Connection& c, const QString& column, qint64 rid)
{
    return c.scalar(QString("SELECT %1 FROM Fee WHERE rid = ?").arg(column), {rid}).toString();
}

int count(data::Connection& c, const QString& table, const QString& where)
{
    return c.scalar(QString("SELECT count(*) FROM %1").arg(table) + (where.isEmpty() ? "" : " WHERE " + where)).toInt();
}

}  // namespace feetest
