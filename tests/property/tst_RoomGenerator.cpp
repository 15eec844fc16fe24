#include "PropertySeed.h"
#include "platform/data/Error.h"
#include "property/PropertyCopy.h"
#include "property/RoomGenerator.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

using namespace testsupport;
using property::RoomRanges;
using property::UnitKey;

Q_DECLARE_METATYPE(property::RoomRanges)

namespace {

const UnitKey kUnit2{{"1", "1", "一号楼"}, "2"};  // floors 1-6, indexes 1-2, no rooms
const UnitKey kUnit1{{"1", "1", "一号楼"}, "1"};  // rooms 101-203, 102 occupied

int rooms(data::Connection& c, const QString& where = "1 = 1")
{
    return countOf(c, "SELECT count(*) FROM Rooms WHERE " + where);
}

}  // namespace

class TestRoomGenerator : public QObject {
    Q_OBJECT
private slots:
    void numbering_data()
    {
        QTest::addColumn<RoomRanges>("ranges");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("two floors, three rooms") << RoomRanges{1, 2, 1, 3}
                                                 << QStringList{"101", "102", "103", "201", "202", "203"};
        QTest::newRow("floors 9 and 10") << RoomRanges{9, 10, 1, 1} << QStringList{"901", "1001"};
        QTest::newRow("index 12") << RoomRanges{3, 3, 12, 12} << QStringList{"3012"};
        QTest::newRow("floor 12") << RoomRanges{12, 12, 1, 1} << QStringList{"1201"};
        QTest::newRow("floors reversed") << RoomRanges{2, 1, 1, 3} << QStringList{};
        QTest::newRow("indexes reversed") << RoomRanges{1, 2, 3, 1} << QStringList{};
    }
    void numbering()
    {
        QFETCH(RoomRanges, ranges);
        QFETCH(QStringList, numbers);
        auto c = freshDatabase();
        seedPropertyTree(*c);
        property::generateRooms(*c, kUnit2, ranges);
        QCOMPARE(roomNumbers(*c, "1", "1", "2"), numbers);
        QCOMPARE(countOf(*c, "SELECT count(*) FROM Rooms WHERE UnitName = '2' AND UState = 'A'"), numbers.size());
    }

    void runningTwiceKeepsOneRowPerRoom()
    {
        auto c = freshDatabase();
        seedPropertyTree(*c);
        const int before = rooms(*c);
        const auto r = property::generateRooms(*c, kUnit1, {1, 2, 1, 3});
        QCOMPARE(rooms(*c), before);
        QCOMPARE(r.regenerated, 5);
        QCOMPARE(r.kept, 1);
        // A vacant room is regenerated: its layout and areas typed since go.
        QVERIFY(c->scalar("SELECT HXName FROM Rooms WHERE UnitName = '1' AND BuildId = '1' AND RoomNum = '103'").isNull());
        // The occupied room keeps its occupant and its data.
        QSqlQuery q = c->exec("SELECT UserId, Users, UState, inDate, HXName FROM Rooms WHERE RegionID = '1' AND "
                              "BuildId = '1' AND UnitName = '1' AND RoomNum = '102'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString() + q.value(1).toString() + q.value(2).toString() + q.value(3).toString()
                     + q.value(4).toString(),
                 QString("o1张三B20241两室一厅"));
        QVERIFY(!q.next());
        // Other units and buildings are untouched.
        QCOMPARE(rooms(*c, "BuildId = '2'"), 2);
    }

    void aNumberHeldElsewhereIsNotMadeTwice()
    {
        auto c = freshDatabase();
        seedPropertyTree(*c);
        // Room 101 of unit 2 was entered by hand on floor 3.
        c->exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, LCNum, FXNum, SS) "
                "VALUES ('1', '1', '一号楼', '2', '101', 3, 7, '手工')");
        property::generateRooms(*c, kUnit2, {1, 2, 1, 2});
        QCOMPARE(roomNumbers(*c, "1", "1", "2"), (QStringList{"101", "102", "201", "202"}));
        QCOMPARE(c->scalar("SELECT SS FROM Rooms WHERE UnitName = '2' AND RoomNum = '101'").toString(), QString("手工"));
    }

    void aFailureLeavesEverythingAsBefore()
    {
        auto c = freshDatabase();
        seedPropertyTree(*c);
        refuseRoomNumber(*c, "202");
        QVERIFY_THROWS_EXCEPTION(data::Error, property::generateRooms(*c, kUnit1, {1, 2, 1, 3}));
        QCOMPARE(roomNumbers(*c, "1", "1", "1"), (QStringList{"101", "102", "103", "201", "202", "203"}));
        QCOMPARE(c->scalar("SELECT SS FROM Rooms WHERE BuildId = '1' AND UnitName = '1' AND RoomNum = '103'").toString(),
                 QString("电梯"));
        QCOMPARE(c->transactionDepth(), 0);
    }

    void copiesMakeEachNumberOnceAndNoneEmpty()
    {
        auto c = freshDatabase();
        seedPropertyTree(*c);
        // Rooms entered twice, or without a number, in the source unit.
        c->exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, LCNum, FXNum) VALUES "
                "('1', '1', '一号楼', '1', '101', 1, 1), ('1', '1', '一号楼', '1', '', 1, 4)");
        const auto building = property::copyBuilding(*c, kUnit1.building, "9", "九号楼", 12, "");
        const auto unit = property::copyUnit(*c, kUnit1, "3");
        QCOMPARE(unit.rooms, 6);
        QCOMPARE(building.rooms, 6);
        QCOMPARE(roomNumbers(*c, "1", "1", "3"), (QStringList{"101", "102", "103", "201", "202", "203"}));
        QCOMPARE(roomNumbers(*c, "1", "9", "1"), roomNumbers(*c, "1", "1", "3"));
    }

    void aFailedCopyWritesNothing()
    {
        auto c = freshDatabase();
        seedPropertyTree(*c);
        refuseRoomNumber(*c, "203");
        QVERIFY_THROWS_EXCEPTION(data::Error, property::copyBuilding(*c, {"1", "1", "一号楼"}, "9", "九号楼", 12, ""));
        QVERIFY_THROWS_EXCEPTION(data::Error, property::copyUnit(*c, kUnit1, "3"));
        QCOMPARE(countOf(*c, "SELECT count(*) FROM Build WHERE BuildId = '9'"), 0);
        QCOMPARE(countOf(*c, "SELECT count(*) FROM Units WHERE BuildId = '9' OR UnitName = '3'"), 0);
        QCOMPARE(countOf(*c, "SELECT count(*) FROM Rooms WHERE BuildId = '9' OR UnitName = '3'"), 0);
    }
};

WYGL_TEST(TestRoomGenerator)
#include "tst_RoomGenerator.moc"
