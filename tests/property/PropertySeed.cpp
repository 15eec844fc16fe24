#include "PropertySeed.h"

#include <QStringList>

namespace testsupport {

namespace {

void room(data::Connection& c, const QString& region, const QString& build, const QString& buildName,
          const QString& unit, int floor, int index)
{
    c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, LCNum, FXNum) VALUES (?, ?, ?, ?, ?, ?, ?)",
           {region, build, buildName, unit, QStringLiteral("%1%2").arg(floor).arg(index, 2, 10, QLatin1Char('0')),
            floor, index});
}

void unit(data::Connection& c, const QString& region, const QString& build, const QString& buildName,
          const QString& name, int kl, int jl, int kf, int jf)
{
    c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName, KLNum, JLNum, KFNum, JFNum) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
           {region, build, buildName, name, kl, jl, kf, jf});
}

}  // namespace

void seedPropertyTree(data::Connection& c)
{
    c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '东区'), ('2', '西区')");
    c.exec("INSERT INTO Build (RegionID, BuildId, BuildName, Csum, KFShang) VALUES "
           "('1', '1', '一号楼', 12, '开发一'), ('1', '2', '二号楼', 6, ''), ('2', '1', '一号楼', 6, '')");
    unit(c, "1", "1", "一号楼", "1", 1, 2, 1, 3);
    unit(c, "1", "1", "一号楼", "2", 1, 6, 1, 2);
    unit(c, "1", "2", "二号楼", "1", 1, 1, 1, 2);
    unit(c, "2", "1", "一号楼", "1", 1, 1, 1, 1);
    for (int f = 1; f <= 2; ++f)
        for (int x = 1; x <= 3; ++x)
            room(c, "1", "1", "一号楼", "1", f, x);
    room(c, "1", "2", "二号楼", "1", 1, 1);
    room(c, "1", "2", "二号楼", "1", 1, 2);
    room(c, "2", "1", "一号楼", "1", 1, 1);
    c.exec("UPDATE Rooms SET UserId = 'o1', Users = '张三', UState = 'B', inDate = '20241', HXName = '两室一厅', "
           "JZm = 90.5 WHERE RegionID = '1' AND BuildId = '1' AND UnitName = '1' AND RoomNum = '102'");
    c.exec("UPDATE Rooms SET HXName = '三室两厅', JZm = 120.25, SYm = 100, SS = '电梯' "
           "WHERE RegionID = '1' AND BuildId = '1' AND UnitName = '1' AND RoomNum = '103'");
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName) VALUES ('o1', '张三', '东区', '一号楼')");
    c.exec("INSERT INTO roomType (roomId, roomName) VALUES (1, '两室一厅'), (2, '三室两厅')");
}

void refuseRoomNumber(data::Connection& c, const QString& roomNum)
{
    // The number is part of the trigger's text: it is a fixed test value.
    if (c.backend() == data::Backend::SQLite) {
        c.exec(QStringLiteral("CREATE TRIGGER refuse_room BEFORE INSERT ON Rooms WHEN NEW.RoomNum = '%1' "
                              "BEGIN SELECT RAISE(ABORT, 'room refused'); END")
                   .arg(roomNum));
        return;
    }
    c.exec(QStringLiteral("CREATE FUNCTION refuse_room() RETURNS trigger AS $$ BEGIN "
                          "IF NEW.RoomNum = '%1' THEN RAISE EXCEPTION 'room refused'; END IF; RETURN NEW; END $$ "
                          "LANGUAGE plpgsql")
               .arg(roomNum));
    c.exec(QStringLiteral("CREATE TRIGGER refuse_room BEFORE INSERT ON Rooms FOR EACH ROW EXECUTE FUNCTION refuse_room()"));
}

void refuseDeletesFrom(data::Connection& c, const QString& table)
{
    if (c.backend() == data::Backend::SQLite) {
        c.exec(QStringLiteral("CREATE TRIGGER refuse_delete BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                   .arg(table));
        return;
    }
    c.exec(QStringLiteral("CREATE FUNCTION refuse_delete() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'refused'; END $$ "
                          "LANGUAGE plpgsql"));
    c.exec(QStringLiteral("CREATE TRIGGER refuse_delete BEFORE DELETE ON %1 FOR EACH ROW EXECUTE FUNCTION refuse_delete()")
               .arg(table));
}

int countOf(data::Connection& c, const QString& sql, const QVariantList& params)
{
    return c.scalar(sql, params).toInt();
}

QStringList roomNumbers(data::Connection& c, const QString& region, const QString& build, const QString& unit)
{
    QStringList out;
    QSqlQuery q = c.exec("SELECT RoomNum FROM Rooms WHERE RegionID = ? AND BuildId = ? AND UnitName = ? ORDER BY rid",
                         {region, build, unit});
    while (q.next())
        out << q.value(0).toString();
    return out;
}

}  // namespace testsupport
