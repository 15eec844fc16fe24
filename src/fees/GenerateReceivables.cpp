#include "fees/GenerateReceivables.h"

#include "fees/ChargingSettings.h"
#include "fees/ColumnWidth.h"
#include "fees/Money.h"
#include "platform/data/Connection.h"
#include "platform/data/Error.h"

#include <QHash>
#include <QSqlError>
#include <array>

namespace fees {

using data::Decimal;

namespace {

// The key columns of a room's item, as FeeSet and Fee spell them.
constexpr std::array<const char*, 8> kFeeSetKey{"RegionId", "BuildID", "UnitName", "RoomNum",
                                                "OwnerId", "OwnerName", "FeeId", "FeeName"};
constexpr std::array<const char*, 8> kFeeKey{"RegionId", "BuildID", "UnitName", "RoomNum",
                                             "ownerID", "ownerName", "FeeID", "FeeName"};

struct BaseRow {
    std::array<Decimal, 3> start;  // the next month's start readings
    bool unpaid = false;
    Decimal total;                 // the base month's total; 0 when null
};

// The eight key values of a row joined into one text. A null part gives no
// key: the database's equality never matches a null, so such a row has no
// base row, as a look-up by key would find none.
bool keyOf(const QSqlQuery& q, QString& key)
{
    key.clear();
    for (int i = 0; i < 8; ++i) {
        const QVariant v = q.value(i);
        if (v.isNull())
            return false;
        key += v.toString();
        key += QChar(0x1f);
    }
    return true;
}

// One read of the base month. Where a room's item has several rows, the
// first one (lowest row identity) counts.
QHash<QString, BaseRow> readBaseMonth(data::Connection& c, const QString& base)
{
    QHash<QString, BaseRow> rows;
    QSqlQuery q = c.exec(QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, "
                                        "FeeName, BCNum1, BCNum2, BCNum3, BMNum1, BMNum2, BMNum3, flag, BYHJ "
                                        "FROM Fee WHERE inDate = ? ORDER BY rid"),
                         {base});
    QString key;
    while (q.next()) {
        if (!keyOf(q, key) || rows.contains(key))
            continue;
        BaseRow b;
        for (int i = 0; i < 3; ++i) {
            const Decimal end = money(q.value(11 + i));
            b.start[i] = end.isNull() ? money(q.value(8 + i)) : end;
        }
        b.unpaid = q.value(14).toString().trimmed() == kUncollected;
        b.total = money(q.value(15)).orZero();
        rows.insert(key, b);
    }
    return rows;
}

// Refuses, before anything is written, a room item whose key does not fit the
// Fee columns (an item code longer than Fee.FeeID, for one).
void checkKeyWidths(data::Connection& c)
{
    QStringList tooLong;
    QVariantList widths;
    for (size_t i = 0; i < kFeeKey.size(); ++i) {
        const int target = columnWidth(QStringLiteral("Fee"), QLatin1String(kFeeKey[i]));
        const int source = columnWidth(QStringLiteral("FeeSet"), QLatin1String(kFeeSetKey[i]));
        if (target > 0 && source > target) {
            tooLong << QStringLiteral("length(%1) > ?").arg(QLatin1String(kFeeSetKey[i]));
            widths << target;
        }
    }
    if (tooLong.isEmpty())
        return;
    QSqlQuery q = c.exec(QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, FeeId, FeeName FROM FeeSet "
                                        "WHERE %1 ORDER BY rid")
                             .arg(tooLong.join(QStringLiteral(" OR "))),
                         widths);
    if (q.next())
        throw data::Error(QStringLiteral("房间 %1-%2-%3-%4 的费用项目“%5 %6”的编号或名称超过应收款表的宽度，"
                                         "请先修改该项目，再生成应收款。")
                              .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                   q.value(3).toString(), q.value(4).toString(), q.value(5).toString()));
}

QVariant bindable(const Decimal& d)
{
    return d.toVariant();
}

}  // namespace

QString regenerateQuestion()
{
    return QStringLiteral("该月的费用帐单已生成，要重新生成吗？");
}

std::optional<int> parseMonthCount(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 1 || t[0] < u'1' || t[0] > u'9')
        return std::nullopt;
    return t[0].unicode() - u'0';
}

QString GenerationResult::message() const
{
    switch (outcome) {
    case Outcome::Generated:
        return QStringLiteral("生成数据成功，可以进行收费操作。");
    case Outcome::Regenerated:
        return QStringLiteral("重新生成数据成功，可以进行收费操作。");
    case Outcome::InvalidMonth:
        return QStringLiteral("表单日期不正确，请重新选择年份和月份。");
    case Outcome::InvalidMonthCount:
        return QStringLiteral("收取月数必须是1至9之间的数字。");
    case Outcome::CollectedRowsExist:
        return QStringLiteral("该月已有 %1 项费用已收取，不能重新生成。").arg(collectedRows);
    case Outcome::NeedsConfirmation:
        return regenerateQuestion();
    }
    return QString();
}

GenerationResult GenerateReceivables(data::Connection& c, const GenerationRequest& request)
{
    using Outcome = GenerationResult::Outcome;
    GenerationResult r;
    if (!request.month.isValid()) {
        r.outcome = Outcome::InvalidMonth;
        return r;
    }
    r.period = request.month.text();
    if (request.months < 1 || request.months > 9) {
        r.outcome = Outcome::InvalidMonthCount;
        return r;
    }
    r.basePeriod = request.month.monthsBefore(request.months).text();

    // The statements outlive the transaction guard, so that a failed run is
    // rolled back before they are released.
    QSqlQuery insert = c.newQuery();
    QSqlQuery items = c.newQuery();
    data::Transaction tx(c);
    {
        QSqlQuery q = c.exec(QStringLiteral("SELECT count(*), "
                                            "coalesce(sum(CASE WHEN trim(flag) = ? THEN 1 ELSE 0 END), 0) "
                                            "FROM Fee WHERE inDate = ?"),
                             {kCollected, r.period});
        q.next();
        r.existingRows = q.value(0).toInt();
        r.collectedRows = q.value(1).toInt();
    }
    if (r.collectedRows > 0) {
        r.outcome = Outcome::CollectedRowsExist;
        return r;
    }
    if (r.existingRows > 0 && !request.replaceExisting) {
        r.outcome = Outcome::NeedsConfirmation;
        return r;
    }
    checkKeyWidths(c);

    const Decimal rate = readChargingSettings(c).lateFeeRate;
    const QHash<QString, BaseRow> base = readBaseMonth(c, r.basePeriod);

    if (!insert.prepare(QStringLiteral("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, "
                                       "FeeID, FeeName, BCNum1, BCNum2, BCNum3, inDate, FTFee, WYqk, ZNJ, DL) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        data::throwQueryError(insert);
    // The embedded database reads FeeSet row by row while the inserts go on;
    // the server's driver must hold the whole result first, since a second
    // statement on the connection would cut a result still being streamed.
    items.setForwardOnly(c.backend() == data::Backend::SQLite);

    if (r.existingRows > 0)
        r.deleted = c.exec(QStringLiteral("DELETE FROM Fee WHERE inDate = ?"), {r.period}).numRowsAffected();

    if (!items.exec(QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, OwnerId, OwnerName, FeeId, FeeName, "
                                   "BDS1, BDS2, BDS3, DL FROM FeeSet ORDER BY rid")))
        data::throwQueryError(items);

    const QVariant zero = bindable(Decimal(0).quantize(2));
    QString key;
    while (items.next()) {
        std::array<Decimal, 3> start;
        Decimal arrears(0), lateFee(0);
        const auto found = keyOf(items, key) ? base.constFind(key) : base.constEnd();
        if (found != base.constEnd()) {
            ++r.carried;
            start = found->start;
            if (found->unpaid) {
                arrears = found->total;
                lateFee = (arrears * rate).quantize(2, data::Rounding::HalfAwayFromZero);
                ++r.withArrears;
            }
        } else {
            for (int i = 0; i < 3; ++i)
                start[i] = money(items.value(8 + i));
        }
        for (int i = 0; i < 8; ++i)
            insert.bindValue(i, items.value(i));
        for (int i = 0; i < 3; ++i)
            insert.bindValue(8 + i, bindable(start[i]));
        insert.bindValue(11, r.period);
        insert.bindValue(12, zero);
        insert.bindValue(13, bindable(arrears.quantize(2)));
        insert.bindValue(14, bindable(lateFee));
        insert.bindValue(15, items.value(11));
        if (!insert.exec())
            data::throwQueryError(insert);
        ++r.inserted;
    }
    if (items.lastError().isValid())
        data::throwQueryError(items);

    tx.commit();
    r.outcome = r.existingRows > 0 ? Outcome::Regenerated : Outcome::Generated;
    return r;
}

}  // namespace fees
