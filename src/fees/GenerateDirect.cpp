#include "fees/GenerateDirect.h"

#include "fees/CarryOver.h"
#include "fees/Money.h"
#include "platform/data/DirectStatement.h"

#include <QHash>
#include <QSet>
#include <array>
#include <vector>

namespace fees {

using data::Decimal;
using data::DirectStatement;
using data::DirectValue;

namespace {

struct BaseRow {
    qint64 rid = 0;
    std::array<DirectValue, 3> start;  // the next month's start readings, as stored
    bool unpaid = false;
    Decimal total;                     // the base month's total, when unpaid
};

// The rows in the order read, and where each room item's row is; the index
// is small, so looking up keeps to little memory.
struct BaseMonth {
    std::vector<BaseRow> rows;
    QHash<QByteArray, int> at;
};

// The eight key columns from `first` on, joined into `key`; false when one of
// them is null: such a row finds no base row, as a look-up by key would find
// none.
bool keyOf(const DirectStatement& q, int first, QByteArray& key)
{
    key.clear();
    for (int i = first; i < first + 8; ++i) {
        if (q.isNull(i))
            return false;
        int bytes = 0;
        const char* p = q.utf8(i, &bytes);
        key.append(p, size_t(bytes));
        key.append('\x1f');
    }
    return true;
}

// One read of the base month: for each room item the row with the lowest
// identity.
BaseMonth readBaseMonth(data::Connection& c, const QString& base)
{
    if (base.isEmpty())
        return {};
    DirectStatement q(c, QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, "
                                        "FeeName, rid, COALESCE(BMNum1, BCNum1), COALESCE(BMNum2, BCNum2), "
                                        "COALESCE(BMNum3, BCNum3), flag, BYHJ FROM Fee WHERE inDate = ?"));
    q.bindText(0, base);
    const QByteArray uncollected = kUncollected.toUtf8();
    BaseMonth month;
    QByteArray key;
    while (q.step()) {
        if (!keyOf(q, 0, key))
            continue;
        const qint64 rid = q.integer(8);
        auto it = month.at.find(key);
        const bool fresh = it == month.at.end();
        if (fresh) {
            it = month.at.insert(key, int(month.rows.size()));
            month.rows.emplace_back();
        }
        BaseRow& b = month.rows[size_t(*it)];
        if (!fresh && b.rid < rid)
            continue;
        b.rid = rid;
        for (int i = 0; i < 3; ++i)
            b.start[i] = DirectValue(q, 9 + i);
        b.unpaid = q.textIs(12, uncollected);
        b.total = b.unpaid && !q.isNull(13) ? money(q.text(13)) : Decimal();
    }
    return month;
}

// The room items that still have a row in the month (the collected ones).
QSet<QByteArray> keptItems(data::Connection& c, const QString& period)
{
    DirectStatement q(c, QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, "
                                        "FeeName FROM Fee WHERE inDate = ?"));
    q.bindText(0, period);
    QSet<QByteArray> kept;
    QByteArray key;
    while (q.step())
        if (keyOf(q, 0, key))
            kept.insert(key);
    return kept;
}

// 0 is by far the most frequent amount: bound from the text made once.
void bindAmount(DirectStatement& insert, int i, const Decimal& amount, const QByteArray& zero)
{
    if (amount.isZero())
        insert.bindUtf8(i, zero.constData(), int(zero.size()));
    else
        insert.bindText(i, amount.toString());
}

}  // namespace

GeneratedCounts writeMonthDirect(data::Connection& c, const QString& period, const QString& basePeriod,
                                 const Decimal& lateFeeRate)
{
    const BaseMonth base = readBaseMonth(c, basePeriod);
    const QSet<QByteArray> kept = keptItems(c, period);
    DirectStatement items(c, QStringLiteral("SELECT RegionId, BuildID, UnitName, RoomNum, OwnerId, OwnerName, FeeId, "
                                            "FeeName, BDS1, BDS2, BDS3, DL FROM FeeSet ORDER BY rid"));
    DirectStatement insert(c, QStringLiteral("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, "
                                             "FeeID, FeeName, BCNum1, BCNum2, BCNum3, inDate, FTFee, WYqk, ZNJ, DL) "
                                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // A binding stays until it is replaced: the month and the apportioned
    // charge are the same on every row.
    const QByteArray zero = Decimal(0).quantize(2).toString().toUtf8();
    insert.bindText(11, period);
    insert.bindUtf8(12, zero.constData(), int(zero.size()));
    const CarriedAmounts nothing = carryOver(false, Decimal(), lateFeeRate);
    GeneratedCounts n;
    QByteArray key;
    while (items.step()) {
        const bool keyed = keyOf(items, 0, key);
        if (keyed && kept.contains(key))
            continue;
        for (int i = 0; i < 8; ++i)
            insert.bindColumn(i, items, i);
        const auto found = keyed ? base.at.constFind(key) : base.at.constEnd();
        CarriedAmounts carried = nothing;
        if (found == base.at.constEnd()) {
            for (int i = 0; i < 3; ++i)
                insert.bindColumn(8 + i, items, 8 + i);
        } else {
            const BaseRow& b = base.rows[size_t(*found)];
            ++n.carried;
            for (int i = 0; i < 3; ++i)
                insert.bindValue(8 + i, b.start[i]);
            n.withArrears += b.unpaid ? 1 : 0;
            carried = carryOver(b.unpaid, b.total, lateFeeRate);
        }
        bindAmount(insert, 13, carried.arrears, zero);
        bindAmount(insert, 14, carried.lateFee, zero);
        insert.bindColumn(15, items, 11);
        insert.run();
        ++n.inserted;
    }
    return n;
}

}  // namespace fees
