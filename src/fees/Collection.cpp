#include "fees/Collection.h"

#include "fees/CarryOver.h"
#include "fees/FeeLock.h"
#include "fees/Money.h"
#include "platform/data/ColumnWidth.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QDateTime>

namespace fees {

using data::Decimal;

namespace {

const QString kRowColumns = QStringLiteral(
    "SELECT rid, RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, inDate, FeeName, BYFee, WYqk, ZNJ, BYHJ, "
    "flag, FeeID FROM Fee ");

RoomKey roomOf(const QSqlQuery& q)
{
    return {q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
            q.value(4).toString(), q.value(5).toString(), q.value(6).toString()};
}

CollectionItem itemOf(const QSqlQuery& q)
{
    CollectionItem it;
    it.rid = q.value(0).toLongLong();
    it.feeId = q.value(14).toString();
    it.feeName = q.value(8).toString();
    it.charge = money(q.value(9));
    it.arrears = money(q.value(10));
    it.lateFee = money(q.value(11));
    it.total = money(q.value(12));
    return it;
}

// The receipt row takes the room key as it is; a value longer than its SFSJ
// column is refused before anything is written.
void checkReceiptKey(const RoomKey& k)
{
    const std::pair<const char*, const QString*> parts[] = {
        {"RegionId", &k.regionId}, {"BuildId", &k.buildId}, {"UnitName", &k.unitName},
        {"RoomNum", &k.roomNum},   {"ownerId", &k.ownerId}, {"ownerName", &k.ownerName}};
    const char* labels[] = {"小区编号", "楼宇编号", "单元", "房号", "业主编号", "业主名称"};
    for (int i = 0; i < 6; ++i) {
        const int width = data::columnWidth(QStringLiteral("SFSJ"), QLatin1String(parts[i].first));
        if (width > 0 && data::characterCount(*parts[i].second) > width)
            throw data::Error(QStringLiteral("%1“%2”超过收据可以记录的 %3 个字符，无法出据。可以只收费，不出据。")
                                  .arg(QString::fromUtf8(labels[i]), *parts[i].second)
                                  .arg(width));
    }
}

QString laterMonthOf(data::Connection& c, const RoomKey& room, const QString& period, const CollectionItem& it)
{
    return carriedInto(c, {room, it.feeId, it.feeName}, period);
}

// Marks a planned row collected if it is still there, uncollected, with the
// total that was listed. The test is part of the update, so a cashier at
// another workstation who marks the row first makes this update find nothing.
bool markCollected(data::Connection& c, const CollectionItem& it)
{
    const QVariant total = it.total.toVariant();
    QSqlQuery& q = c.execCached(QStringLiteral("UPDATE Fee SET SSJE = ?, flag = ? WHERE rid = ? AND BYHJ = ? AND %1 <> ?")
                                    .arg(c.dialect().trimmedSql(QStringLiteral("flag"))),
                                {total, kCollected, it.rid, total, kCollected});
    return q.numRowsAffected() == 1;
}

Receipt insertReceipt(data::Connection& c, QSqlQuery& q, const CollectionPlan& plan, const QDate& today)
{
    const data::Dialect& d = c.dialect();
    const RoomKey& k = plan.room;
    if (!q.prepare(QStringLiteral("INSERT INTO SFSJ (RegionId, BuildId, UnitName, RoomNum, ownerId, ownerName, "
                                  "KPDate, SFzy, FSje) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                   + d.returningRowId()))
        data::throwQueryError(q);
    const QVariantList values{k.regionId, k.buildId, k.unitName, k.roomNum, k.ownerId, k.ownerName,
                              d.dateTimeValue(QDateTime(today, QTime(0, 0))), receiptSummary(plan.summary),
                              plan.total.toVariant()};
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        data::throwQueryError(q);
    const qint64 rid = d.insertedRowId(q);
    QSqlQuery back = c.exec(QStringLiteral("SELECT SJNum, KPDate, SFzy, FSje FROM SFSJ WHERE rid = ?"), {rid});
    if (!back.next() || back.value(0).isNull())
        throw data::Error(QStringLiteral("收据号码未能生成。"));
    Receipt r;
    r.number = back.value(0).toLongLong();
    r.date = back.value(1).toDate().isValid() ? back.value(1).toDate()
                                              : QDate::fromString(back.value(1).toString().left(10), Qt::ISODate);
    r.room = k;
    r.summary = back.value(2).toString();
    r.amount = money(back.value(3));
    return r;
}

}  // namespace

QString CollectionPlan::message() const
{
    switch (outcome) {
    case Outcome::Ready:
        return QString();
    case Outcome::NothingDue:
        return QStringLiteral("该用户本月无应收项目！");
    case Outcome::EmptyItem:
        return QStringLiteral("你选择的是空项，无法操作！");
    case Outcome::AlreadyCollected:
        return QStringLiteral("该项费用已收取！请仔细核对！");
    case Outcome::NoAmount:
        return QStringLiteral("该项费用无金额！请仔细核对！");
    case Outcome::CarriedForward:
        return carriedIntoMessage(laterMonth);
    }
    return QString();
}

QString CollectionResult::message() const
{
    switch (outcome) {
    case Outcome::Collected:
        return QString();
    case Outcome::NotReady:
        return QStringLiteral("没有可以收取的费用。");
    case Outcome::Changed:
        return QStringLiteral("费用已被收取或修改，请重新选择后再收费。");
    }
    return QString();
}

QString receiptSummary(const QString& summary)
{
    return data::cutToCharacters(summary, data::columnWidth(QStringLiteral("SFSJ"), QStringLiteral("SFzy")));
}

CollectionPlan planCollection(data::Connection& c, const RoomKey& room, const QString& period)
{
    CollectionPlan p;
    p.mode = CollectMode::All;
    p.room = room;
    p.period = period;
    QSqlQuery q = c.exec(kRowColumns + QStringLiteral("WHERE RegionId = ? AND BuildID = ? AND UnitName = ? AND "
                                                      "RoomNum = ? AND ownerID = ? AND ownerName = ? AND inDate = ? "
                                                      "ORDER BY rid"),
                         {room.regionId, room.buildId, room.unitName, room.roomNum, room.ownerId, room.ownerName,
                          period});
    // The rows are read before any other statement runs: the server's driver
    // streams a result, and a second statement would cut it.
    std::vector<CollectionItem> unpaid;
    while (q.next())
        if (!isCollected(q.value(13)) && !q.value(12).isNull())
            unpaid.push_back(itemOf(q));
    bool anyListed = false;
    for (CollectionItem& it : unpaid) {
        if (!laterMonthOf(c, room, period, it).isEmpty())
            continue;
        it.listed = !it.total.isZero();
        if (it.listed) {
            anyListed = true;
            p.total += it.total;
            p.summary += it.feeName + QStringLiteral("、");
        }
        p.items.push_back(it);
    }
    if (!anyListed || p.total.isZero()) {
        p.items.clear();
        p.total = Decimal(0);
        p.summary.clear();
        p.outcome = CollectionPlan::Outcome::NothingDue;
        return p;
    }
    p.total = p.total.quantize(2);
    p.outcome = CollectionPlan::Outcome::Ready;
    return p;
}

CollectionPlan planSingleCollection(data::Connection& c, qint64 feeRowId)
{
    using Outcome = CollectionPlan::Outcome;
    CollectionPlan p;
    p.mode = CollectMode::Single;
    QSqlQuery q = c.exec(kRowColumns + QStringLiteral("WHERE rid = ?"), {feeRowId});
    if (!q.next() || q.value(12).isNull()) {
        p.outcome = Outcome::EmptyItem;
        return p;
    }
    if (isCollected(q.value(13))) {
        p.outcome = Outcome::AlreadyCollected;
        return p;
    }
    const CollectionItem it = itemOf(q);
    if (it.total.isZero()) {
        p.outcome = Outcome::NoAmount;
        return p;
    }
    p.room = roomOf(q);
    p.period = q.value(7).toString();
    p.laterMonth = laterMonthOf(c, p.room, p.period, it);
    if (!p.laterMonth.isEmpty()) {
        p.outcome = Outcome::CarriedForward;
        return p;
    }
    p.items.push_back(it);
    p.total = it.total;
    p.summary = it.feeName;
    p.outcome = Outcome::Ready;
    return p;
}

CollectionResult collect(data::Connection& c, const CollectionPlan& plan, bool writeReceipt, const QDate& today)
{
    using Outcome = CollectionResult::Outcome;
    CollectionResult r;
    if (!plan.ready() || plan.items.empty())
        return r;
    if (writeReceipt)
        checkReceiptKey(plan.room);

    QSqlQuery receipt = c.newQuery();  // released after the guard has rolled back a failure
    data::Transaction tx(c);
    lockFees(c);
    for (const CollectionItem& it : plan.items) {
        if (!laterMonthOf(c, plan.room, plan.period, it).isEmpty() || !markCollected(c, it)) {
            r.outcome = Outcome::Changed;
            r.marked = 0;
            return r;
        }
        ++r.marked;
    }
    if (writeReceipt)
        r.receipt = insertReceipt(c, receipt, plan, today);
    tx.commit();
    r.outcome = Outcome::Collected;
    return r;
}

}  // namespace fees
