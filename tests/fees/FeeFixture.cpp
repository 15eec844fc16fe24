#include "FeeFixture.h"

#include "fees/Money.h"
#include "platform/data/Dialect.h"
#include "support/TestDb.h"

namespace feetest {

fees::RoomKey room(const QString& roomNum, const QString& owner)
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1"), roomNum, QStringLiteral("o") + roomNum,
            owner};
}

qint64 insertRow(data::Connection& c, const QString& table, const QVariantMap& values)
{
    QStringList marks(values.size(), QStringLiteral("?"));
    QSqlQuery q = c.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(table, values.keys().join(u','), marks.join(u','))
                             + c.dialect().returningRowId(),
                         values.values());
    return c.dialect().insertedRowId(q);
}

namespace {
QVariantMap keyColumns(const fees::RoomKey& k, const QString& feeId, const QString& feeName)
{
    return {{"RegionId", k.regionId}, {"BuildID", k.buildId}, {"UnitName", k.unitName}, {"RoomNum", k.roomNum},
            {"OwnerId", k.ownerId},   {"OwnerName", k.ownerName}, {"FeeId", feeId},     {"FeeName", feeName}};
}
}  // namespace

qint64 addItem(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& feeName,
               const QVariantMap& extra)
{
    QVariantMap v = keyColumns(k, feeId, feeName);
    v.insert(extra);
    return insertRow(c, QStringLiteral("FeeSet"), v);
}

qint64 addFee(data::Connection& c, const fees::RoomKey& k, const QString& feeId, const QString& feeName,
              const QString& period, const QVariantMap& extra)
{
    QVariantMap v = keyColumns(k, feeId, feeName);
    v.insert(QStringLiteral("inDate"), period);
    v.insert(extra);
    return insertRow(c, QStringLiteral("Fee"), v);
}

void addRoom(data::Connection& c, const fees::RoomKey& k, const QVariant& floorArea, const QVariant& usableArea)
{
    insertRow(c, QStringLiteral("Rooms"),
              {{"RegionID", k.regionId}, {"BuildId", k.buildId}, {"UnitName", k.unitName}, {"RoomNum", k.roomNum},
               {"UserId", k.ownerId}, {"Users", k.ownerName}, {"UState", QStringLiteral("B")},
               {"JZm", floorArea}, {"SYm", usableArea}});
}

void setLateFeeRate(data::Connection& c, const QString& rate)
{
    c.exec(QStringLiteral("DELETE FROM SFSet"));
    insertRow(c, QStringLiteral("SFSet"), {{"JSDate1", 10}, {"JSDate2", 0}, {"ZNJ", rate}});
}

data::Decimal decimalAt(data::Connection& c, const QString& table, const QString& column, qint64 rid)
{
    return fees::money(c.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE rid = ?").arg(column, table), {rid}));
}

QString textAt(data::Connection& c, const QString& table, const QString& column, qint64 rid)
{
    return c.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE rid = ?").arg(column, table), {rid}).toString();
}

int count(data::Connection& c, const QString& table, const QString& where, const QVariantList& params)
{
    QString sql = QStringLiteral("SELECT count(*) FROM %1").arg(table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return c.scalar(sql, params).toInt();
}

void failWhen(data::Connection& c, const QString& table, const QString& event, const QString& condition)
{
    static int n = 0;
    const QString name = QStringLiteral("test_fail_%1").arg(++n);
    if (testsupport::onPostgres()) {
        c.exec(QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger AS $$ BEGIN "
                              "RAISE EXCEPTION 'injected failure'; END $$ LANGUAGE plpgsql")
                   .arg(name));
        c.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW WHEN (%4) EXECUTE FUNCTION %1()")
                   .arg(name, event, table, condition));
    } else {
        c.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 WHEN %4 BEGIN "
                              "SELECT RAISE(ABORT, 'injected failure'); END")
                   .arg(name, event, table, condition));
    }
}

}  // namespace feetest
