// The data module's shared lists: each holds exactly the rows it is for, in
// the order they were entered, however the database keeps them after updates,
// and its data source is on once it is loaded.

#include "reference/SharedLists.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

using testsupport::AppFixture;

namespace {

// Two districts; district 1 has buildings 3, 1, 2 entered in that order,
// building 3 has units and rooms entered out of number order, some occupied.
void register312(data::Connection& c)
{
    c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '东区'), ('2', '西区')");
    c.exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES "
           "('1', '3', '三号楼'), ('2', '9', '九号楼'), ('1', '1', '一号楼'), ('1', '2', '二号楼')");
    c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName) VALUES "
           "('1', '3', '三号楼', 'B'), ('1', '3', '三号楼', 'A'), ('1', '1', '一号楼', 'A')");
    c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, UState) VALUES "
           "('1', '3', '三号楼', 'A', '102', 'B'), ('1', '3', '三号楼', 'A', '101', 'A'), "
           "('1', '3', '三号楼', 'B', '201', 'B'), ('1', '3', '三号楼', 'A', '103', 'A'), "
           "('1', '1', '一号楼', 'A', '101', 'B')");
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName) VALUES "
           "('o2', '李四', '东区', '三号楼'), ('o1', '张三', '东区', '三号楼'), ('o3', '王五', '东区', '一号楼')");
    c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JLFlag) VALUES ('02', '物业费', 'F'), ('01', '水费', 'A'), "
           "('03', '卫生费', 'F')");
    // A server keeps updated rows elsewhere: the lists must not follow them.
    const std::pair<const char*, const char*> touched[] = {
        {"Build", "BuildName"}, {"Units", "UnitName"}, {"Rooms", "RoomNum"}, {"Owner", "ownerName"}, {"FeeType1", "FeeName"}};
    for (const auto& [table, column] : touched)
        c.exec(QStringLiteral("UPDATE %1 SET %2 = %2 WHERE rid = (SELECT min(rid) FROM %1)").arg(table, column));
}

QStringList column(data::DataSet* ds, const QString& field)
{
    QStringList out;
    for (int row = 0; row < ds->recordCount(); ++row)
        out << ds->valueAt(row, ds->fieldByName(field)->index()).toString();
    return out;
}

}  // namespace

class TestSharedLists : public QObject {
    Q_OBJECT
private slots:
    void eachListHoldsItsRowsInTheirOrder_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("buildings of a district") << "AQ_Bud" << "BuildId" << QStringList{"3", "1", "2"};
        QTest::newRow("units of a building") << "AQ_Units" << "UnitName" << QStringList{"B", "A"};
        QTest::newRow("occupied rooms of a building") << "AQ_SFee1" << "RoomNum" << QStringList{"102", "201"};
        QTest::newRow("vacant rooms of a unit") << "AQ_Rooms" << "RoomNum" << QStringList{"101", "103"};
        QTest::newRow("owners of a building") << "AQ_Man" << "ownerId" << QStringList{"o2", "o1"};
        QTest::newRow("non-metered fee items") << "AQ_FeeLx" << "FeeId" << QStringList{"02", "03"};
    }
    void eachListHoldsItsRowsInTheirOrder()
    {
        QFETCH(QString, list);
        QFETCH(QString, field);
        QFETCH(QStringList, rows);
        AppFixture app("1", register312);
        if (list == "AQ_Bud")
            lists::loadBuildings("1");
        else if (list == "AQ_Units")
            lists::loadUnits("1", "3", "三号楼");
        else if (list == "AQ_SFee1")
            lists::loadOccupiedRooms(DM->AQ_SFee1, DM->DS_SFee1, "1", "3", "三号楼");
        else if (list == "AQ_Rooms")
            lists::loadVacantRooms("1", "3", "三号楼", "A");
        else if (list == "AQ_Man")
            lists::loadOwners("东区", "三号楼");
        else
            lists::loadFeeItems("F");
        data::DataSet* ds = DM->dataSet(list);
        QCOMPARE(column(ds, field), rows);
        for (data::DataSource* s : {DM->DS_Bud, DM->DS_Unites, DM->DS_SFee1, DM->DS_Rooms, DM->DS_Man, DM->DS_FeeLx})
            if (s->dataSet() == ds)
                QVERIFY(s->enabled());
    }

    void aListLoadedAgainHoldsOnlyItsNewRows()
    {
        AppFixture app("1", register312);
        lists::loadBuildings("1");
        lists::loadBuildings("2");
        QCOMPARE(column(DM->AQ_Bud, "BuildId"), QStringList{"9"});
        lists::loadBuildings("7");
        QVERIFY(DM->AQ_Bud->isEmpty());
        QVERIFY(DM->DS_Bud->enabled());
    }
};

WYGL_TEST(TestSharedLists)
#include "tst_SharedLists.moc"
