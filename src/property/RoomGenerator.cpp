#include "property/RoomGenerator.h"

#include "platform/data/BatchInsert.h"
#include "platform/data/Connection.h"

#include <QHash>
#include <QSet>
#include <QVector>
#include <climits>

namespace property {

namespace {

struct ExistingRoom {
    qint64 rid;
    bool vacant;
    int floor;
    int index;
};

}  // namespace

QString roomNumber(int floor, int index)
{
    return QString::number(floor) + QLatin1Char('0') + QString::number(index);
}

GenerationResult generateRooms(data::Connection& c, const UnitKey& unit, const RoomRanges& r)
{
    GenerationResult out;
    if (r.firstFloor > r.lastFloor || r.firstIndex > r.lastIndex)
        return out;
    const BuildingKey& b = unit.building;
    const QVariantList key{b.regionId, b.buildId, b.buildName, unit.unitName};

    // The new rooms go in batches (one round trip for many rooms on a
    // server), in the order they are numbered. The insert outlives the
    // transaction guard, so that a failed run is rolled back before it is
    // released.
    data::BatchInsert ins(c, QStringLiteral("Rooms"),
                          {"BuildId", "BuildName", "RegionID", "UnitName", "RoomNum", "LCNum", "FXNum"});
    data::Transaction tx(c);
    // The unit's rooms as they stand, by number.
    QHash<QString, QVector<ExistingRoom>> byNumber;
    {
        QSqlQuery q = c.exec(QStringLiteral("SELECT rid, RoomNum, LCNum, FXNum, UState FROM Rooms "
                                            "WHERE RegionID = ? AND BuildId = ? AND BuildName = ? AND UnitName = ?"),
                             key);
        while (q.next()) {
            const QString state = q.value(4).toString().trimmed();
            bool okF = false, okX = false;
            const int f = q.value(2).toInt(&okF);
            const int x = q.value(3).toInt(&okX);
            byNumber[q.value(1).toString().trimmed()].push_back(
                {q.value(0).toLongLong(), state != QLatin1String("B"), okF ? f : INT_MIN, okX ? x : INT_MIN});
        }
    }

    const QString del = QStringLiteral("DELETE FROM Rooms WHERE rid = ?");
    QSet<QString> done;
    for (qint64 fl = r.firstFloor; fl <= r.lastFloor; ++fl) {
        for (qint64 ix = r.firstIndex; ix <= r.lastIndex; ++ix) {
            const int f = int(fl), x = int(ix);
            const QString num = roomNumber(f, x);
            if (done.contains(num))
                continue;  // a number two floor/index pairs spell alike is made once
            done.insert(num);
            const auto it = byNumber.constFind(num);
            if (it != byNumber.constEnd()) {
                bool regenerate = true;
                for (const ExistingRoom& e : *it)
                    regenerate = regenerate && e.vacant && e.floor == f && e.index == x;
                if (!regenerate) {
                    ++out.kept;
                    continue;
                }
                for (const ExistingRoom& e : *it)
                    c.execCached(del, {e.rid});
                ++out.regenerated;
            } else {
                ++out.inserted;
            }
            ins.add({b.buildId, b.buildName, b.regionId, unit.unitName, num, f, x});
        }
    }
    ins.flush();
    tx.commit();
    return out;
}

}  // namespace property
