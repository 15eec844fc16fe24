#include "fees/BulkCharge.h"

#include "fees/ComputeCharge.h"
#include "fees/Money.h"
#include "platform/data/BatchUpdate.h"
#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "platform/data/Field.h"

#include <QSet>
#include <vector>

namespace fees {

using data::Decimal;

namespace {

struct Target {
    qint64 rid;
    QString room;  // the room key, joined
    Decimal area;
    Decimal apportioned, arrears, lateFee;
};

struct MonthRows {
    bool alreadyCharged = false;  // a row of the item has a charge and a total
    std::vector<Target> targets;  // the rows to charge
};

// The month's rows of the item as the view v_feeset selects them (a Fee row
// with its room), with the columns the total needs. A Fee row that matches
// more than one room row counts once. The earlier charge is looked for by the
// item's code alone, the rows charged are those of the code and the name.
MonthRows readMonthRows(data::Connection& c, const BulkChargeRequest& req, BulkChargeResult& r)
{
    const int areaColumn = req.basis == ChargeBasis::UsableArea ? 2 : 1;
    QSqlQuery q = c.exec(QStringLiteral("SELECT v.rid, v.JZm, v.SYm, v.FeeName, v.BYFee, v.BYHJ, f.FTFee, f.WYqk, "
                                        "f.ZNJ, f.flag, f.RegionId, f.BuildID, f.UnitName, f.RoomNum "
                                        "FROM v_feeset v JOIN Fee f ON f.rid = v.rid "
                                        "WHERE v.inDate = ? AND v.FeeID = ?"),
                         {req.period, req.feeId});
    MonthRows m;
    QSet<qint64> seen;
    while (q.next()) {
        const Decimal charge = money(q.value(4)), total = money(q.value(5));
        if (!charge.isNull() && !charge.isZero() && !total.isNull() && !total.isZero())
            m.alreadyCharged = true;
        const qint64 rid = q.value(0).toLongLong();
        if (q.value(3).toString() != req.feeName || seen.contains(rid))
            continue;
        seen.insert(rid);
        if (isCollected(q.value(9))) {
            ++r.skippedCollected;
            continue;
        }
        const QString roomKey = QStringList{q.value(10).toString(), q.value(11).toString(), q.value(12).toString(),
                                            q.value(13).toString()}
                                    .join(QChar(0x1f));
        m.targets.push_back({rid, roomKey, money(q.value(areaColumn)), money(q.value(6)), money(q.value(7)),
                             money(q.value(8))});
    }
    return m;
}

}  // namespace

QString bulkChargeFailureMessage()
{
    return QStringLiteral("数据库操作失败！");
}

QString BulkChargeResult::message() const
{
    switch (outcome) {
    case Outcome::Charged:
        return withoutArea > 0 ? QStringLiteral("数据记入成功！\n%1 间房屋没有面积，未计费。").arg(withoutArea)
                               : QStringLiteral("数据记入成功！");
    case Outcome::InvalidPrice:
    case Outcome::InvalidMonths:
        return QStringLiteral("请输入正确的数字字符。");
    case Outcome::MonthsNotPositive:
        return QStringLiteral("计算期间值不能小于或等于0。");
    case Outcome::TooLarge:
        return tooLarge;
    case Outcome::NoItem:
        return QStringLiteral("请选择要计算的费用名称。");
    case Outcome::NoMonths:
        return QStringLiteral("请输入计算期间。");
    case Outcome::MonthNotGenerated:
        return QStringLiteral("上月费用余额尚未结转，请先生成。");
    case Outcome::AlreadyCharged:
        return QStringLiteral("本月该项费用已记入，不能进行操作。");
    }
    return QString();
}

std::optional<Decimal> bulkChargePrice(const QString& typed)
{
    const auto price = Decimal::parse(typed);
    if (!price || price->isNull())
        return std::nullopt;
    return price->quantize(2, data::Rounding::HalfAwayFromZero);
}

Decimal bulkChargeAmount(const Decimal& price, int months, const Decimal& area)
{
    return (price * Decimal(months) * area).quantize(2, data::Rounding::HalfAwayFromZero);
}

BulkChargeResult bulkCharge(data::Connection& c, const BulkChargeRequest& req)
{
    using Outcome = BulkChargeResult::Outcome;
    BulkChargeResult r;
    const auto price = bulkChargePrice(req.priceText);
    if (!price) {
        r.outcome = Outcome::InvalidPrice;
        return r;
    }
    const QString monthsText = req.monthsText.trimmed();
    if (monthsText.isEmpty()) {
        r.outcome = Outcome::NoMonths;
        return r;
    }
    bool isNumber = false;
    const int months = monthsText.toInt(&isNumber);
    if (!isNumber || months > 999) {
        r.outcome = Outcome::InvalidMonths;
        return r;
    }
    if (months <= 0) {
        r.outcome = Outcome::MonthsNotPositive;
        return r;
    }
    if (req.feeId.trimmed().isEmpty()) {
        r.outcome = Outcome::NoItem;
        return r;
    }

    // The prepared update is released after the guard has rolled back a failure.
    data::BatchUpdate update(c, QStringLiteral("Fee"), {QStringLiteral("BYFee"), QStringLiteral("BYHJ")});
    data::Transaction tx(c);
    if (!c.exec(QStringLiteral("SELECT 1 FROM v_feeset WHERE inDate = ? LIMIT 1"), {req.period}).next()) {
        r.outcome = Outcome::MonthNotGenerated;
        return r;
    }
    const MonthRows rows = readMonthRows(c, req, r);
    if (rows.alreadyCharged) {
        r.outcome = Outcome::AlreadyCharged;
        r.skippedCollected = 0;
        return r;
    }
    QSet<QString> withoutArea;
    for (const Target& t : rows.targets) {
        Decimal area(1);
        if (req.basis != ChargeBasis::PerRoom) {
            if (t.area.isNull()) {
                withoutArea.insert(t.room);
                continue;
            }
            area = t.area;
        }
        const Decimal charge = bulkChargeAmount(*price, months, area);
        const Decimal total = monthTotal(charge, t.apportioned, t.arrears, t.lateFee);
        // Refused before the write: the embedded database would keep what its
        // column cannot hold, and every window reading the row would fail.
        try {
            data::checkColumnFits(c, QStringLiteral("Fee"), QStringLiteral("BYFee"), charge,
                                  QStringLiteral("本月费用"));
            data::checkColumnFits(c, QStringLiteral("Fee"), QStringLiteral("BYHJ"), total,
                                  QStringLiteral("本月合计"));
        } catch (const data::Error& e) {
            r.outcome = Outcome::TooLarge;
            r.tooLarge = e.message();
            r.charged = 0;
            return r;
        }
        update.add(t.rid, {charge.toVariant(), total.toVariant()});
    }
    update.flush();
    r.charged = update.changed();
    r.withoutArea = int(withoutArea.size());
    tx.commit();
    r.outcome = Outcome::Charged;
    return r;
}

}  // namespace fees
