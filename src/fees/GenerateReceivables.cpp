#include "fees/GenerateReceivables.h"

#include "fees/CarryOver.h"
#include "fees/ChargingSettings.h"
#include "fees/FeeLock.h"
#include "fees/GenerateDirect.h"
#include "fees/Money.h"
#include "platform/data/BatchInsert.h"
#include "platform/data/ColumnWidth.h"
#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/DirectStatement.h"
#include "platform/data/Error.h"
#include "platform/data/TrimmedText.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <array>
#include <optional>

namespace fees {

using data::Decimal;

namespace {

// The key columns of a room's item, as FeeSet and Fee spell them.
constexpr std::array<const char*, 8> kFeeSetKey{"RegionId", "BuildID", "UnitName", "RoomNum",
                                                "OwnerId", "OwnerName", "FeeId", "FeeName"};
constexpr std::array<const char*, 8> kFeeKey{"RegionId", "BuildID", "UnitName", "RoomNum",
                                             "ownerID", "ownerName", "FeeID", "FeeName"};

// A carried row: the values the new row takes, ready to bind.
struct BaseRow {
    qint64 rid = 0;
    std::array<QVariant, 3> start;  // the next month's start readings
    bool unpaid = false;
    Decimal total;                  // the base month's total
};

// The eight key values of a row, from column `first` on, joined into one
// text. A null value gives no key: the database's equality never matches a
// null, so such a row has no base row, as a look-up by key would find none.
bool keyOf(const QSqlQuery& q, int first, QString& key)
{
    key.clear();
    for (int i = first; i < first + 8; ++i) {
        const QVariant v = q.value(i);
        if (v.isNull())
            return false;
        key += v.toString();
        key += QChar(0x1f);
    }
    return true;
}

QString columnList(const std::array<const char*, 8>& columns)
{
    QStringList parts;
    for (const char* col : columns)
        parts << QLatin1String(col);
    return parts.join(QStringLiteral(", "));
}

// A reading or an amount as its column holds it, ready to bind.
QVariant bindable(const QVariant& databaseValue)
{
    return money(databaseValue).toVariant();
}

// One read of the base month. Where a room's item has several rows, the
// first one (lowest row identity) counts. The rows are not sorted by the
// database: an order would make it read the whole table instead of the
// month's entries in the Fee index.
QHash<QString, BaseRow> readBaseMonth(data::Connection& c, const QString& base)
{
    QHash<QString, BaseRow> rows;
    QSqlQuery q = c.exec(QStringLiteral("SELECT rid, %1, COALESCE(BMNum1, BCNum1), COALESCE(BMNum2, BCNum2), "
                                        "COALESCE(BMNum3, BCNum3), flag, BYHJ FROM Fee WHERE inDate = ?")
                             .arg(columnList(kFeeKey)),
                         {base});
    QString key;
    while (q.next()) {
        if (!keyOf(q, 1, key))
            continue;
        const qint64 rid = q.value(0).toLongLong();
        auto it = rows.find(key);
        if (it != rows.end() && it->rid < rid)
            continue;
        BaseRow& b = it != rows.end() ? *it : rows[key];
        b.rid = rid;
        for (int i = 0; i < 3; ++i)
            b.start[i] = bindable(q.value(9 + i));
        b.unpaid = isUncollected(q.value(12));
        b.total = money(q.value(13));
    }
    return rows;
}

// The room items that keep a collected row in the month: they get no new row.
QSet<QString> keptItems(data::Connection& c, const QString& period)
{
    QSet<QString> kept;
    QSqlQuery q = c.exec(QStringLiteral("SELECT %1 FROM Fee WHERE inDate = ?").arg(columnList(kFeeKey)), {period});
    QString key;
    while (q.next())
        if (keyOf(q, 0, key))
            kept.insert(key);
    return kept;
}

// Refuses, before anything is written, a room item whose key does not fit the
// Fee columns (an item code longer than Fee.FeeID, for one).
void checkKeyWidths(data::Connection& c)
{
    QStringList tooLong;
    QVariantList widths;
    for (size_t i = 0; i < kFeeKey.size(); ++i) {
        const int target = data::columnWidth(QStringLiteral("Fee"), QLatin1String(kFeeKey[i]));
        const int source = data::columnWidth(QStringLiteral("FeeSet"), QLatin1String(kFeeSetKey[i]));
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

QString isCollectedSql(const data::Connection& c)
{
    return c.dialect().trimmedSql(QStringLiteral("flag")) + QStringLiteral(" = ?");
}

// Counts the month's rows and its collected rows.
void readMonthState(data::Connection& c, GenerationResult& r)
{
    QSqlQuery q = c.exec(QStringLiteral("SELECT count(*), coalesce(sum(CASE WHEN %1 THEN 1 ELSE 0 END), 0) "
                                        "FROM Fee WHERE inDate = ?")
                             .arg(isCollectedSql(c)),
                         {kCollected, r.period});
    q.next();
    r.existingRows = q.value(0).toInt();
    r.collectedRows = q.value(1).toInt();
}

// One new row for every room item without a kept row, in FeeSet's order.
void insertRows(data::Connection& c, data::BatchInsert& out, const QHash<QString, BaseRow>& base,
                const QSet<QString>& kept, const Decimal& rate, GenerationResult& r)
{
    // The embedded database reads FeeSet row by row while the inserts go on;
    // the server's driver must hold the whole result first, since a second
    // statement on the connection would cut a result still being streamed.
    QSqlQuery items = c.newQuery();
    items.setForwardOnly(c.backend() == data::Backend::SQLite);
    if (!items.exec(QStringLiteral("SELECT %1, BDS1, BDS2, BDS3, DL FROM FeeSet ORDER BY rid")
                        .arg(columnList(kFeeSetKey))))
        data::throwQueryError(items);

    const QVariant zero = Decimal(0).quantize(2).toVariant();
    const CarriedAmounts nothing = carryOver(false, Decimal(), rate);
    QString key;
    QVariantList row;
    while (items.next()) {
        const bool keyed = keyOf(items, 0, key);
        if (keyed && kept.contains(key))
            continue;
        row.clear();
        for (int i = 0; i < 8; ++i)
            row << items.value(i);
        const auto found = keyed ? base.constFind(key) : base.constEnd();
        CarriedAmounts carried = nothing;
        if (found == base.constEnd()) {
            for (int i = 0; i < 3; ++i)
                row << bindable(items.value(8 + i));
        } else {
            ++r.carried;
            row << found->start[0] << found->start[1] << found->start[2];
            r.withArrears += found->unpaid ? 1 : 0;
            carried = carryOver(found->unpaid, found->total, rate);
        }
        row << r.period << zero << carried.arrears.toVariant() << carried.lateFee.toVariant() << items.value(11);
        out.add(row);
    }
    if (items.lastError().isValid())
        data::throwQueryError(items);
    out.flush();
    r.inserted = out.written();
}

}  // namespace

QString regenerateQuestion(int collectedRows)
{
    if (collectedRows > 0)
        return QStringLiteral("该月的费用帐单已生成，其中 %1 项已收取将保留，要重新生成其余项目吗？").arg(collectedRows);
    return QStringLiteral("该月的费用帐单已生成，要重新生成吗？");
}

std::optional<int> parseMonthCount(const QString& text)
{
    const QString t = data::trimmed(text);
    if (t.size() != 1 || t[0] < u'0' || t[0] > u'9')
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
        return QStringLiteral("收取月数必须是0至9之间的数字。");
    case Outcome::NeedsConfirmation:
        return regenerateQuestion(collectedRows);
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
    if (request.months < 0 || request.months > 9) {
        r.outcome = Outcome::InvalidMonthCount;
        return r;
    }
    r.basePeriod = request.month.monthsBefore(request.months).text();

    // The prepared insert outlives the transaction guard, so that a failed
    // run is rolled back before the statement is released; it is prepared
    // under the lock, as preparing an insert waits for it on a server. The
    // embedded database is written straight through its own interface instead.
    const bool direct = request.path == GenerationPath::Fastest && data::DirectStatement::available(c);
    std::optional<data::BatchInsert> out;
    data::Transaction tx(c);
    lockFees(c);
    if (!direct)
        out.emplace(c, QStringLiteral("Fee"),
                    QStringList{"RegionId", "BuildID", "UnitName", "RoomNum", "ownerID", "ownerName", "FeeID",
                                "FeeName", "BCNum1", "BCNum2", "BCNum3", "inDate", "FTFee", "WYqk", "ZNJ", "DL"});
    readMonthState(c, r);
    if (r.existingRows > 0 && !request.replaceExisting) {
        r.outcome = Outcome::NeedsConfirmation;
        return r;
    }
    checkKeyWidths(c);

    const Decimal rate = readChargingSettings(c).lateFeeRate;
    if (r.existingRows > 0)
        r.deleted = c.exec(QStringLiteral("DELETE FROM Fee WHERE inDate = ? AND NOT (%1)").arg(isCollectedSql(c)),
                           {r.period, kCollected})
                        .numRowsAffected();
    // With n = 0 the month is its own base: it carries nothing from itself.
    const bool hasBase = r.basePeriod != r.period;
    if (direct) {
        const GeneratedCounts n = writeMonthDirect(c, r.period, hasBase ? r.basePeriod : QString(), rate);
        r.inserted = n.inserted;
        r.carried = n.carried;
        r.withArrears = n.withArrears;
    } else {
        const QSet<QString> kept = r.collectedRows > 0 ? keptItems(c, r.period) : QSet<QString>();
        const QHash<QString, BaseRow> base = hasBase ? readBaseMonth(c, r.basePeriod) : QHash<QString, BaseRow>();
        insertRows(c, *out, base, kept, rate, r);
    }
    tx.commit();
    r.outcome = r.existingRows > 0 ? Outcome::Regenerated : Outcome::Generated;
    return r;
}

}  // namespace fees
