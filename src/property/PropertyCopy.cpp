#include "property/PropertyCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/Decimal.h"
#include "platform/data/TrimmedText.h"

#include <QHash>
#include <QSet>
#include <QSqlRecord>
#include <QVector>

namespace property {

namespace {

const QString kBuildingWhere = QStringLiteral("RegionID = ? AND BuildId = ? AND BuildName = ?");

QVariantList keyOf(const BuildingKey& b)
{
    return {b.regionId, b.buildId, b.buildName};
}

// Every row of a statement, read before anything else runs on the connection.
QVector<QVariantList> allRows(data::Connection& c, const QString& sql, const QVariantList& params)
{
    QVector<QVariantList> out;
    QSqlQuery q = c.exec(sql, params);
    const int n = q.record().count();
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        out << row;
    }
    return out;
}

QVariant area(const QVariant& v)
{
    return data::Decimal::fromVariant(v).quantize(2).toVariant();
}

// Inserts rooms into the units of one target building, each number once per unit.
class RoomCopier {
public:
    RoomCopier(data::Connection& c, const BuildingKey& target) : m_c(c), m_target(target) {}

    // Copies the source rooms that `where` selects (with its parameters).
    int copy(const QString& where, const QVariantList& params, const QString& renameUnitTo = QString())
    {
        const auto source = allRows(m_c,
                                    QStringLiteral("SELECT UnitName, RoomNum, LCNum, FXNum, HXName, JZm, SYm, SS "
                                                   "FROM Rooms WHERE %1 ORDER BY rid")
                                        .arg(where),
                                    params);
        int n = 0;
        for (const QVariantList& r : source) {
            // Unit names and numbers as stored: a copy is found by the same keys as its source.
            const QString unit = renameUnitTo.isEmpty() ? r[0].toString() : renameUnitTo;
            const QString num = r[1].toString();
            if (data::trimmed(num).isEmpty() || !claim(unit, num))
                continue;
            m_c.execCached(QStringLiteral("INSERT INTO Rooms (BuildId, BuildName, RegionID, UnitName, RoomNum, "
                                          "LCNum, FXNum, HXName, JZm, SYm, SS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           {m_target.buildId, m_target.buildName, m_target.regionId, unit, num, r[2], r[3], r[4],
                            area(r[5]), area(r[6]), r[7]});
            ++n;
        }
        return n;
    }

private:
    // True the first time a number is seen in a unit of the target, and only
    // when the unit does not hold it already.
    bool claim(const QString& unit, const QString& num)
    {
        if (!m_numbers.contains(unit)) {
            QSet<QString>& have = m_numbers[unit];
            const auto rows = allRows(m_c, QStringLiteral("SELECT RoomNum FROM Rooms WHERE %1 AND UnitName = ?")
                                                     .arg(kBuildingWhere),
                                      keyOf(m_target) << unit);
            for (const QVariantList& r : rows)
                have.insert(r[0].toString());
        }
        QSet<QString>& have = m_numbers[unit];
        if (have.contains(num))
            return false;
        have.insert(num);
        return true;
    }

    data::Connection& m_c;
    BuildingKey m_target;
    QHash<QString, QSet<QString>> m_numbers;
};

}  // namespace

bool unitExists(data::Connection& c, const BuildingKey& b, const QString& unitName)
{
    return c.scalar(QStringLiteral("SELECT count(*) FROM Units WHERE RegionId = ? AND BuildId = ? AND BuildName = ? "
                                   "AND UnitName = ?"),
                    keyOf(b) << unitName)
               .toInt()
        > 0;
}

bool buildingIdExists(data::Connection& c, const QString& regionId, const QString& buildId)
{
    return c.scalar(QStringLiteral("SELECT count(*) FROM Build WHERE RegionID = ? AND BuildId = ?"), {regionId, buildId})
               .toInt()
        > 0;
}

CopyResult copyUnit(data::Connection& c, const UnitKey& source, const QString& newName)
{
    CopyResult out;
    const BuildingKey& b = source.building;
    data::Transaction tx(c);
    const auto units = allRows(c, QStringLiteral("SELECT KLNum, JLNum, KFNum, JFNum FROM Units WHERE RegionId = ? AND "
                                                 "BuildId = ? AND BuildName = ? AND UnitName = ? ORDER BY rid"),
                               keyOf(b) << source.unitName);
    // One row per unit name, even if the source unit was entered twice.
    if (!units.isEmpty()) {
        const QVariantList& u = units.first();
        c.exec(QStringLiteral("INSERT INTO Units (BuildId, BuildName, RegionId, UnitName, KLNum, JLNum, KFNum, JFNum) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {b.buildId, b.buildName, b.regionId, newName, u[0], u[1], u[2], u[3]});
        ++out.units;
    }
    RoomCopier rooms(c, b);
    out.rooms = rooms.copy(kBuildingWhere + QStringLiteral(" AND UnitName = ?"), keyOf(b) << source.unitName, newName);
    tx.commit();
    return out;
}

CopyResult copyBuilding(data::Connection& c, const BuildingKey& source, const QString& newId, const QString& newName,
                        const QVariant& floors, const QString& note)
{
    CopyResult out;
    const BuildingKey target{source.regionId, newId, newName};
    data::Transaction tx(c);
    c.exec(QStringLiteral("INSERT INTO Build (BuildId, BuildName, RegionID, Csum, note) VALUES (?, ?, ?, ?, ?)"),
           {newId, newName, source.regionId, floors, note});
    out.buildings = 1;
    const auto units = allRows(c, QStringLiteral("SELECT UnitName, KLNum, JLNum, KFNum, JFNum FROM Units WHERE "
                                                 "RegionId = ? AND BuildId = ? AND BuildName = ? ORDER BY rid"),
                               keyOf(source));
    QSet<QString> names;
    for (const QVariantList& u : units) {
        const QString name = u[0].toString();
        if (names.contains(name))
            continue;
        names.insert(name);
        c.execCached(QStringLiteral("INSERT INTO Units (BuildId, BuildName, RegionId, UnitName, KLNum, JLNum, KFNum, "
                                    "JFNum) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     {newId, newName, source.regionId, name, u[1], u[2], u[3], u[4]});
        ++out.units;
    }
    RoomCopier rooms(c, target);
    out.rooms = rooms.copy(kBuildingWhere, keyOf(source));
    tx.commit();
    return out;
}

}  // namespace property
