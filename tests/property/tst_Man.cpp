#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Msg.h"
#include "property/Find.h"
#include "property/Occupancy.h"
#include "property/OwnerFixture.h"
#include "support/AppFixture.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

#include <QMdiSubWindow>
#include <QTabWidget>

using testsupport::AppFixture;
using testsupport::choose;
using testsupport::openBuilding;
using testsupport::openMan;
using testsupport::seedOwners;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kAddMissing = QStringLiteral(
    "错误原因可能是以下各项：\r\n   业主编号和姓名为空\r\n   未安排房间入住\r\n   小区编号和楼宇编号为空\r请核对各项！");
const QString kModiMissing =
    QStringLiteral("错误原因可能是以下各项：\r\n   业主编号和姓名为空\r\n   小区编号和楼宇编号为空\r请核对各项！");

QString text(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toString();
}

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

// The occupancy of a room of D01/B2 as "UState/UserId/Users/inDate", a null
// written as "~".
QString room(AppFixture& app, const QString& roomNum, const QString& region = "D01")
{
    return text(app, QString("SELECT coalesce(UState,'~')||'/'||coalesce(UserId,'~')||'/'||coalesce(Users,'~')||'/'||"
                             "coalesce(inDate,'~') FROM Rooms WHERE RegionID = '%1' AND RoomNum = '%2'")
                         .arg(region, roomNum));
}

QString owner(AppFixture& app, const QString& id)
{
    return text(app, QString("SELECT ownerName||'/'||coalesce(UnitName,'~')||'/'||coalesce(RoomNum,'~')||'/'||"
                             "RegionName||'/'||BuildName FROM Owner WHERE ownerId = '%1'")
                         .arg(id));
}

// Makes every insert or update of a table fail in the database.
void failWrites(data::Connection& c, const QString& table, const QString& event)
{
    if (testsupport::onPostgres()) {
        c.exec("CREATE OR REPLACE FUNCTION wygl_fail() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'refused'; END "
               "$$ LANGUAGE plpgsql");
        c.exec(QString("CREATE TRIGGER wygl_fail BEFORE %1 ON %2 FOR EACH ROW EXECUTE FUNCTION wygl_fail()")
                   .arg(event, table));
    } else {
        c.exec(QString("CREATE TRIGGER wygl_fail BEFORE %1 ON %2 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                   .arg(event, table));
    }
}

void stopFailing(data::Connection& c, const QString& table)
{
    c.exec(testsupport::onPostgres() ? QString("DROP TRIGGER wygl_fail ON %1").arg(table)
                                     : QString("DROP TRIGGER wygl_fail"));
}

}  // namespace

class TestMan : public QObject {
    Q_OBJECT
private slots:
    void occupancyTexts_data()
    {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        QTest::newRow("May: no leading zero") << occupancy::monthText(QDate(2003, 5, 1)) << "20035";
        QTest::newRow("December") << occupancy::monthText(QDate(2003, 12, 31)) << "200312";
        QTest::newRow("the only unit and room") << occupancy::removeFirst("1", "1") << "";
        QTest::newRow("the first occurrence only") << occupancy::removeFirst("302302", "302") << "302";
        QTest::newRow("absent: unchanged") << occupancy::removeFirst("12", "3") << "12";
        QTest::newRow("nothing chosen: unchanged") << occupancy::removeFirst("12", "") << "12";
    }
    void occupancyTexts()
    {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }

    void choosingTheDistrictAndTheBuilding()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("业主信息"));
        QVERIFY(w->mdiSubWindow()->isMaximized());
        QVERIFY(!w->CheckBox->isEnabled());
        QVERIFY(!w->DBGrid1->isEnabled());
        QVERIFY(!w->TB_Print->isEnabled());
        QVERIFY(!w->TB_First->isEnabled());
        QCOMPARE(w->DBC_Folk->items(), (QStringList{"汉族", "回族"}));
        QCOMPARE(w->DBC_MXueli->items(), QStringList{"大学"});
        QCOMPARE(w->DBC_nexus->items(), QStringList{"父子"});

        choose(w->DBLC_Reg, "阳光小区");
        QCOMPARE(w->regionId(), QString("D01"));
        QCOMPARE(w->DBLC_Build->count(), 2);
        w->DBLC_BuildCloseUp();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"楼宇不能为空！"});

        Msg::clearLog();
        choose(w->DBLC_Build, "三号楼");
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该栋楼宇尚未建立房间信息，请先添加房间信息"});
        QVERIFY(!w->CheckBox->isEnabled());

        Msg::clearLog();
        choose(w->DBLC_Build, "二号楼");
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(w->buildId(), QString("B2"));
        QCOMPARE(DM->AQ_Man->recordCount(), 2);
        QVERIFY(w->CheckBox->isEnabled());
        QVERIFY(w->DBGrid1->isEnabled());
        QVERIFY(w->TB_Next->isEnabled());
        QVERIFY(!w->TB_Prev->isEnabled());
        // The first owner's member, and the room the owner can move out of.
        QCOMPARE(DM->AT_Member->recordCount(), 1);
        QCOMPARE(w->DBLC_UnitNum1->count(), 1);
        // A unit with no vacant room.
        choose(w->DBLC_UnitNum, "3");
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该单元无可供分配的房间！"});
        QCOMPARE(w->DBLC_RoomNum->count(), 0);
    }

    void addingPlacesTheOwnerInTheChosenRoom()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        QVERIFY(w->TB_Print->isEnabled());
        w->TB_AddClick();
        QCOMPARE(w->DBE_OwnerId->text(), QString("D01-B2-"));
        QCOMPARE(TfrmMan::ModeFlag(), QString("N"));
        QVERIFY(w->DBE_OwnerId->isEnabled());
        QVERIFY(w->TB_Save->isEnabled());
        QVERIFY(!w->TB_Add->isEnabled() && !w->TB_Print->isEnabled());  // no sheet of an owner not yet stored
        // An id in use, on leaving the id edit.
        typeInto(w->DBE_OwnerId, "D01-B2-001");
        w->DBE_OwnerIdExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该业主编号已存在！重新输入。"});
        QVERIFY(w->DBE_OwnerId->text().isEmpty());

        // No room chosen: refused, nothing written.
        Msg::clearLog();
        typeInto(w->DBE_OwnerId, "D01-B2-003");
        typeInto(w->DBE_OwnerName, "王五");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kAddMissing});
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Insert);

        Msg::clearLog();
        choose(w->DBLC_UnitNum, "1");
        QCOMPARE(w->DBLC_RoomNum->count(), 2);
        choose(w->DBLC_RoomNum, "102");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(room(app, "102"), "B/D01-B2-003/王五/" + occupancy::monthText(QDate::currentDate()));
        QCOMPARE(owner(app, "D01-B2-003"), QString("王五/1/102/阳光小区/二号楼"));
        QCOMPARE(w->DBLC_RoomNum->count(), 1);  // no longer vacant
        QCOMPARE(TfrmMan::ModeFlag(), QString("N"));
        QVERIFY(!w->DBE_OwnerName->isEnabled());
        QVERIFY(w->TB_Add->isEnabled());
        QCOMPARE(DM->AQ_Man->recordCount(), 3);

        // An id in use is refused at Save too.
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "赵六");
        typeInto(w->DBE_OwnerId, "D01-B2-003");
        choose(w->DBLC_UnitNum, "2");
        choose(w->DBLC_RoomNum, "201");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该业主编号已存在！重新输入。"});
        QVERIFY(w->DBE_OwnerId->text().isEmpty());
        QCOMPARE(room(app, "201"), QString("A/~/~/~"));
    }

    void aMoveSavesANewOwnerTheSameWay()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "王五");
        typeInto(w->DBE_OwnerId, "D01-B2-003");
        // Without a room the move is refused like Save.
        w->TB_FirstClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kAddMissing});
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Insert);
        Msg::clearLog();
        choose(w->DBLC_UnitNum, "2");
        choose(w->DBLC_RoomNum, "201");
        w->TB_FirstClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(room(app, "201").left(13), QString("B/D01-B2-003/"));
        QCOMPARE(owner(app, "D01-B2-003"), QString("王五/2/201/阳光小区/二号楼"));
        QVERIFY(!w->DBE_OwnerId->isEnabled());  // an existing owner's id is not typed
    }

    void aFailedSaveLeavesTheRoomAsItWas()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "王五");
        typeInto(w->DBE_OwnerId, "D01-B2-009");
        choose(w->DBLC_UnitNum, "1");
        choose(w->DBLC_RoomNum, "101");
        failWrites(app.db(), "Owner", "INSERT");
        QVERIFY_THROWS_EXCEPTION(data::Error, w->TB_SaveClick());
        QCOMPARE(room(app, "101"), QString("A/~/~/~"));
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
        // The new owner is still there to be saved again, once only in its room.
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Insert);
        QCOMPARE(w->DBE_OwnerName->text(), QString("王五"));
        stopFailing(app.db(), "Owner");
        w->TB_SaveClick();
        QCOMPARE(owner(app, "D01-B2-009"), QString("王五/1/101/阳光小区/二号楼"));
        QCOMPARE(room(app, "101").left(13), QString("B/D01-B2-009/"));
    }

    void movingOut()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        choose(w->DBLC_UnitNum1, "1");
        QCOMPARE(w->DBLC_RoomNum1->count(), 1);
        choose(w->DBLC_RoomNum1, "302");
        QVERIFY(w->BB_Out->isEnabled());
        w->BB_OutClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(owner(app, "D01-B2-001"), QString("张三///阳光小区/二号楼"));
        QCOMPARE(room(app, "302"), QString("A///"));  // empty texts, not nulls
        QCOMPARE(room(app, "102", "D02").left(12), QString("B/D01-B2-001"));
        QVERIFY(!w->BB_Out->isEnabled());
        QCOMPARE(w->DBLC_UnitNum1->count(), 0);
        QVERIFY(w->TB_Add->isEnabled());
    }

    void movingOutWithUnpaidFeesAsksFirst()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedOwners(c);
            const char* fee = "INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, "
                              "FeeName, inDate, WYqk, BYHJ, flag) VALUES ('D01', 'B2', '1', ?, ?, ?, ?, ?, ?, ?, ?, ?)";
            // April's unpaid water went into May's total as arrears: owed once.
            c.exec(fee, {"302", "D01-B2-001", "张三", "01", "水费", "202404", 0, 10, "未收取"});
            c.exec(fee, {"302", "D01-B2-001", "张三", "01", "水费", "202405", 10, 30.5, "未收取"});
            c.exec(fee, {"302", "D01-B2-001", "张三", "04", "物业费", "202405", 0, 50, "已收取"});
            c.exec(fee, {"302", "D01-B2-001", "张三", "05", "清洁费", "202405", QVariant(), QVariant(), "未收取"});
            c.exec(fee, {"101", "D01-B2-001", "张三", "04", "物业费", "202405", 0, 7, "未收取"});
        });
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        choose(w->DBLC_UnitNum1, "1");
        choose(w->DBLC_RoomNum1, "302");
        Msg::queueAnswer(false);
        w->BB_OutClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"该业主尚有未收费用 30.50 元，确定要退房吗？"});
        QCOMPARE(room(app, "302"), QString("B/D01-B2-001/张三/20235"));
        QCOMPARE(owner(app, "D01-B2-001"), QString("张三/1/302/阳光小区/二号楼"));
        QVERIFY(w->BB_Out->isEnabled());
        w->BB_OutClick();
        QCOMPARE(room(app, "302"), QString("A///"));
    }

    void movingOutOfARoomThatIsNotTheOwners()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        // Freed elsewhere after the owner's units were read.
        app.db().exec("UPDATE Rooms SET UserId = NULL, Users = NULL, UState = 'A' WHERE RoomNum = '302'");
        choose(w->DBLC_UnitNum1, "1");
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该单元无该业主的房间！"});
        app.db().exec("UPDATE Rooms SET UserId = 'D01-B2-001', Users = '张三', UState = 'B' WHERE RoomNum = '302'");

        // Chosen for one owner, then another owner is shown: the choice goes
        // with the owner it was made for.
        Msg::clearLog();
        w->TB_FirstClick();
        w->DBGrid1CellClick();
        choose(w->DBLC_UnitNum1, "1");
        choose(w->DBLC_RoomNum1, "302");
        w->TB_NextClick();
        QVERIFY(!w->BB_Out->isEnabled());
        w->BB_OutClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该单元无该业主的房间！"});
        QCOMPARE(room(app, "302").left(12), QString("B/D01-B2-001"));
        QCOMPARE(owner(app, "D01-B2-002"), QString("李四///阳光小区/二号楼"));

        // An owner without a name cannot move out.
        Msg::clearLog();
        w->TB_FirstClick();
        choose(w->DBLC_UnitNum1, "1");
        choose(w->DBLC_RoomNum1, "302");
        w->TB_ModiClick();
        typeInto(w->DBE_OwnerName, "");
        w->BB_OutClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"业主名称不能为空！"});
        QCOMPARE(room(app, "302").left(12), QString("B/D01-B2-001"));
    }

    void aFailedMoveOutChangesNothing()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        choose(w->DBLC_UnitNum1, "1");
        choose(w->DBLC_RoomNum1, "302");
        failWrites(app.db(), "Rooms", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(data::Error, w->BB_OutClick());
        stopFailing(app.db(), "Rooms");
        QCOMPARE(owner(app, "D01-B2-001"), QString("张三/1/302/阳光小区/二号楼"));
        QCOMPARE(DM->AQ_Man->fieldByName("UnitName")->asString(), QString("1"));
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Browse);
        QCOMPARE(room(app, "302"), QString("B/D01-B2-001/张三/20235"));
    }

    void deletingAnOwnerFreesItsRoomsAndTakesItsMembers()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"删除该记录其家庭成员也将被删除"});
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Member"), 1);

        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Owner WHERE ownerId = 'D01-B2-001'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Member"), 0);
        QCOMPARE(room(app, "302"), QString("A/~/~/~"));  // nulls, not empty texts
        // Only the rooms of the chosen building.
        QCOMPARE(room(app, "102", "D02"), QString("B/D01-B2-001/张三/20235"));
        QCOMPARE(DM->AQ_Man->recordCount(), 1);
        QCOMPARE(DM->AQ_Man->fieldByName("ownerName")->asString(), QString("李四"));
    }

    void anOwnerWhoLeavesTakesTheirFeeItems_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<int>("keptInBuilding");
        // Moving out of room 302 takes that room's items; deleting the owner
        // takes the owner's items of every room in the building.
        QTest::newRow("moving out") << false << 1;
        QTest::newRow("deleting the owner") << true << 0;
    }
    void anOwnerWhoLeavesTakesTheirFeeItems()
    {
        QFETCH(bool, deleting);
        QFETCH(int, keptInBuilding);
        AppFixture app("1", [](data::Connection& c) {
            seedOwners(c);
            const char* item = "INSERT INTO FeeSet (RegionId, BuildID, UnitName, RoomNum, OwnerId, OwnerName, FeeId, "
                               "FeeName) VALUES (?, ?, ?, ?, ?, ?, ?, ?)";
            c.exec(item, {"D01", "B2", "1", "302", "D01-B2-001", "张三", "01", "水费"});
            c.exec(item, {"D01", "B2", "1", "302", "D01-B2-001", "张三", "04", "物业费"});
            c.exec(item, {"D01", "B2", "2", "201", "D01-B2-001", "张三", "04", "物业费"});
            c.exec(item, {"D02", "B2", "1", "102", "D01-B2-001", "张三", "04", "物业费"});
            c.exec(item, {"D01", "B2", "1", "101", "D01-B2-002", "李四", "04", "物业费"});
            c.exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, ownerID, ownerName, FeeID, FeeName, "
                   "inDate) VALUES ('D01', 'B2', '1', '302', 'D01-B2-001', '张三', '01', '水费', '202405')");
            c.exec("INSERT INTO SFSJ (RegionId, BuildId, UnitName, RoomNum, ownerId, ownerName, FSje) VALUES "
                   "('D01', 'B2', '1', '302', 'D01-B2-001', '张三', 10)");
        });
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        if (deleting) {
            Msg::queueAnswer(true);
            w->TB_DeleteClick();
        } else {
            choose(w->DBLC_UnitNum1, "1");
            choose(w->DBLC_RoomNum1, "302");
            w->BB_OutClick();
        }
        QCOMPARE(room(app, "302"), deleting ? QString("A/~/~/~") : QString("A///"));
        QCOMPARE(count(app, "SELECT count(*) FROM FeeSet WHERE RoomNum = '302'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM FeeSet WHERE RegionId = 'D01' AND OwnerId = 'D01-B2-001'"),
                 keptInBuilding);
        QCOMPARE(count(app, "SELECT count(*) FROM FeeSet WHERE RegionId = 'D02'"), 1);  // another district
        QCOMPARE(count(app, "SELECT count(*) FROM FeeSet WHERE OwnerId = 'D01-B2-002'"), 1);
        // What was billed and received stays.
        QCOMPARE(count(app, "SELECT count(*) FROM Fee"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM SFSJ"), 1);
    }

    void aFailedDeleteFreesNothing()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        failWrites(app.db(), "Owner", "DELETE");
        Msg::queueAnswer(true);
        QVERIFY_THROWS_EXCEPTION(data::Error, w->TB_DeleteClick());
        stopFailing(app.db(), "Owner");
        QCOMPARE(room(app, "302"), QString("B/D01-B2-001/张三/20235"));
        QCOMPARE(count(app, "SELECT count(*) FROM Member"), 1);
        QCOMPARE(DM->AQ_Man->recordCount(), 2);
        QCOMPARE(DM->AT_Member->recordCount(), 1);
    }

    void deleteWhileAddingOnlyDropsTheNewOwner()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "王五");
        w->TB_DeleteClick();
        QVERIFY(Msg::texts(MsgKind::Confirm).isEmpty());
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Browse);
        QCOMPARE(DM->AQ_Man->recordCount(), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
        QCOMPARE(room(app, "302"), QString("B/D01-B2-001/张三/20235"));
    }

    void modifyingKeepsTheModeAndRenamesTheRooms()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        w->TB_ModiClick();
        QCOMPARE(TfrmMan::ModeFlag(), QString("M"));
        QVERIFY(!w->DBE_OwnerId->isEnabled());
        QVERIFY(w->DBE_OwnerName->isEnabled());
        QVERIFY(!w->DBLC_UnitNum->isEnabled());
        typeInto(w->DBE_OwnerName, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kModiMissing});
        Msg::clearLog();
        typeInto(w->DBE_OwnerName, "张三丰");
        w->TB_RefreshClick();
        w->TB_PrintClick();
        w->TB_FindClick();
        QCOMPARE(TfrmMan::ModeFlag(), QString("M"));
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(TfrmMan::ModeFlag(), QString("N"));
        QCOMPARE(w->DBE_OwnerId->text(), QString("D01-B2-001"));
        QCOMPARE(owner(app, "D01-B2-001"), QString("张三丰/1/302/阳光小区/二号楼"));
        // Every room of the owner names the new name, so it can still move out.
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE UserId = 'D01-B2-001' AND Users = '张三丰'"), 2);
        w->DBGrid1CellClick();
        QCOMPARE(w->DBLC_UnitNum1->count(), 1);
    }

    void anOwnerEditedAfterAMoveIsModifiedNotAdded()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        w->TB_ModiClick();
        w->TB_NextClick();
        QCOMPARE(TfrmMan::ModeFlag(), QString("N"));
        typeInto(w->DBE_Factory, "第一机床厂");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(w->DBE_OwnerId->text(), QString("D01-B2-001"));  // back on the first owner
        QCOMPARE(text(app, "SELECT Factory FROM Owner WHERE ownerId = 'D01-B2-002'"), QString("第一机床厂"));
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
    }

    void changingTheDistrictEndsTheEditMode()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "王五");
        choose(w->DBLC_UnitNum, "1");
        choose(w->DBLC_RoomNum, "101");
        w->DBLC_RegClick();
        QVERIFY(!w->CheckBox->isChecked());
        QVERIFY(!w->CheckBox->isEnabled());
        QVERIFY(!w->TB_Add->isEnabled());
        QVERIFY(!w->TB_Save->isEnabled());
        QCOMPARE(DM->AQ_Man->state(), data::DataSetState::Browse);

        // The other district has a building with the same id: the room chosen
        // in the first one is not offered there.
        openBuilding(w, "月亮小区", "二号楼");
        QCOMPARE(w->regionId(), QString("D02"));
        QVERIFY(w->DBLC_RoomNum->keyValue().isNull());
        w->TB_AddClick();
        typeInto(w->DBE_OwnerName, "王五");
        typeInto(w->DBE_OwnerId, "D02-B2-001");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kAddMissing});
        QCOMPARE(room(app, "101"), QString("A/~/~/~"));
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 2);
    }

    void printingRunsTheOwnerSheet()
    {
        AppFixture app("1", seedOwners);
        QStringList printed;
        setOwnerSheetPrinter([&](TfrmMan& m) {
            QCOMPARE(&m, frmMan);
            printed << DM->AQ_Man->fieldByName("ownerName")->asString();
        });
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        QVERIFY(w->TB_Print->isEnabled());
        w->TB_PrintClick();
        setOwnerSheetPrinter({});
        QCOMPARE(printed, QStringList{"张三"});
    }

    void oneSearchWindowGoesWithTheOwnerWindow()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        w->TB_FindClick();
        TfrmFind* f = frmFind;
        QVERIFY(f);
        QCOMPARE(f->parentWidget(), static_cast<QWidget*>(w));
        QVERIFY(f->isWindow());
        w->TB_FindClick();
        QCOMPARE(frmFind, f);
        QCOMPARE(w->findChildren<TfrmFind*>().size(), 1);
        w->TB_CloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmMan);
        QVERIFY(!frmFind);
        QVERIFY(!DM->DS_Man->enabled());
    }

    void closingDropsUnsavedTyping()
    {
        AppFixture app("1", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        w->TB_ModiClick();
        typeInto(w->DBE_OwnerName, "半截");
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmMan);
        QCOMPARE(owner(app, "D01-B2-001"), QString("张三/1/302/阳光小区/二号楼"));
        QVERIFY(!DM->AQ_Man->isActive());
    }

    void browseOnlyUserOnlyLooks()
    {
        AppFixture app("2", seedOwners);
        TfrmMan* w = openMan();
        openBuilding(w);
        QVERIFY(w->CheckBox->isHidden());
        QCOMPARE(DM->AQ_Man->recordCount(), 2);
        w->DBGrid1CellClick();
        QVERIFY(w->TB_Print->isEnabled());
        for (QWidget* b : std::initializer_list<QWidget*>{w->TB_Add, w->TB_Modi, w->TB_Save, w->TB_Delete, w->SB_Add,
                                                          w->BB_Out, w->SB_ImgIn})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(w->DBE_OwnerName->isReadOnly());
        QVERIFY(w->DBE_MName->isReadOnly());
        w->SB_AddClick();
        QCOMPARE(DM->AT_Member->state(), data::DataSetState::Browse);
    }

    void screenshots()
    {
        AppFixture app("1", seedOwners);
        app.db().exec("UPDATE Owner SET Folk = '汉族', Birth = '1970-03-08', Phone = 13800000000, "
                      "Factory = '第一机床厂' WHERE ownerId = 'D01-B2-001'");
        mdiForm->resize(1100, 760);
        mdiForm->show();
        TfrmMan* w = openMan();
        openBuilding(w);
        w->DBGrid1CellClick();
        choose(w->DBLC_UnitNum, "1");
        choose(w->DBLC_UnitNum1, "1");
        QVERIFY(!testsupport::saveScreenshot(mdiForm, "owner-page").isEmpty());
        w->PageControl1->setCurrentWidget(w->TS_member);
        QVERIFY(!testsupport::saveScreenshot(mdiForm, "owner-members").isEmpty());
    }
};

WYGL_TEST(TestMan)
#include "tst_Man.moc"
