// The fee items of rooms: assigning, removing, meter data, the batch copy
// from a sample room and the batch removal, driven as a user would.

#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/Cpsc.h"
#include "fees/Money.h"
#include "fees/XMSet.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Choice;
using ui::Msg;
using ui::MsgKind;

namespace {

void room(data::Connection& c, const QString& region, const QString& build, const QString& unit, const QString& num,
          const QString& owner, const QString& name, const QString& state, const QString& area)
{
    c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, UserId, Users, UState, JZm) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
           {region, build, build == "1" ? "一号楼" : "二号楼", unit, num, owner, name, state, area});
}

// District 1 with buildings 1 and 2, district 2 with a building 1 of its own.
// In district 1, building 1: unit 1 rooms 101 and 102, unit 2 room 101 with
// the same occupant as unit 1's room 101, and a vacant room 103.
void estate(data::Connection& c)
{
    c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '翠苑'), ('2', '金桥')");
    c.exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES ('1', '1', '一号楼'), ('1', '2', '二号楼'), "
           "('2', '1', '一号楼')");
    room(c, "1", "1", "1", "101", "o1", "张三", "B", "80");
    room(c, "1", "1", "1", "102", "o2", "李四", "B", "90.5");
    room(c, "1", "1", "2", "101", "o1", "张三", "B", "70");
    room(c, "1", "1", "2", "103", "", "", "A", "60");
    room(c, "1", "2", "1", "201", "o5", "王五", "B", "100");
    room(c, "2", "1", "1", "101", "o6", "赵六", "B", "85");
    c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JLFlag) VALUES ('01', '水费', 'A'), ('02', '电费', 'A'), "
           "('03', '物业费', 'F')");
}

fees::RoomKey key(const QString& unit, const QString& num, const QString& build = "1", const QString& region = "1")
{
    static const QHash<QString, QPair<QString, QString>> owners{
        {"101", {"o1", "张三"}}, {"102", {"o2", "李四"}}, {"201", {"o5", "王五"}}};
    const auto o = region == "2" ? QPair<QString, QString>("o6", "赵六") : owners.value(num);
    return {region, build, unit, num, o.first, o.second};
}

qint64 give(AppFixture& app, const fees::RoomKey& k, const QString& feeId, const QVariantMap& meters = {})
{
    return feetest::addItem(app.db(), k, feeId, meters);
}

QStringList itemsOf(AppFixture& app, const fees::RoomKey& k)
{
    QStringList out;
    QSqlQuery q = app.db().exec("SELECT FeeId FROM FeeSet WHERE RegionId = ? AND BuildID = ? AND UnitName = ? "
                                "AND RoomNum = ? AND OwnerId = ? AND OwnerName = ? ORDER BY FeeId",
                                {k.regionId, k.buildId, k.unitName, k.roomNum, k.ownerId, k.ownerName});
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString column(AppFixture& app, const QString& col, qint64 rid)
{
    return app.db().scalar("SELECT " + col + " FROM FeeSet WHERE rid = ?", {rid}).toString();
}

// The user picks an entry of a lookup list, or a row of a grid.
void choose(ui::DBLookupComboBox* c, const QString& key)
{
    const int i = c->findData(key);
    QVERIFY2(i >= 0, qPrintable(key));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void pick(ui::DBGrid* g, int row)
{
    g->dataSource()->dataSet()->setRecNo(row + 1);
    emit g->cellClicked(0, QString());
}

// The window with district 1, building 1 chosen and the switch on.
TfrmXMSet* openBuilding(bool switchOn = true)
{
    runOpener(*findOpener("XMSet"), mdiForm);
    TfrmXMSet* w = frmXMSet;
    choose(w->DBLC_Reg, "1");
    choose(w->DBLC_Build, "1");
    if (switchOn)
        w->CheckBox->click();
    return w;
}

// Rows of the building's room list: 0 is unit 1 room 101, 1 is room 102,
// 2 is unit 2 room 101 (the vacant room is not listed).
void pickRoom(TfrmXMSet* w, int row)
{
    pick(w->DBG_Room, row);
}

void addItem(TfrmXMSet* w, int itemRow)
{
    pick(w->DBG_Fee, itemRow);
    w->SB_Add->click();
}

}  // namespace

class TestXMSet : public QObject {
    Q_OBJECT
private slots:
    void assignsItemsAndKeepsTheirMeterData()
    {
        AppFixture app("1", estate);
        TfrmXMSet* w = openBuilding(false);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("项目设置"));
        // At least the given size, wider where the item lists need it.
        QVERIFY(w->mdiSubWindow()->width() >= 568);
        QCOMPARE(w->mdiSubWindow()->height(), 508);
        QCOMPARE(DM->AQ_Rooms->recordCount(), 3);  // occupied rooms only
        pickRoom(w, 0);
        pick(w->DBG_Fee, 0);
        QVERIFY2(!w->SB_Add->isEnabled(), "items are added only with the switch on");
        w->CheckBox->click();
        addItem(w, 0);
        addItem(w, 0);  // an item the room has already: nothing, and no message
        addItem(w, 2);
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(itemsOf(app, key("1", "101")), QStringList({"01", "03"}));
        QCOMPARE(DM->AQ_FeeSet->recordCount(), 2);
        QCOMPARE(fees::money(app.db().scalar("SELECT JZm FROM FeeSet WHERE FeeId = '01'")), feetest::d("80"));

        // The room's first item: its meters typed and saved.
        pick(w->DBG_FeeSet, 0);
        QVERIFY(w->DBE_BNum1->isEnabled() && w->DBE_DL->isEnabled() && w->SB_Delete->isEnabled());
        QVERIFY(!w->P_fjl->isVisibleTo(w));
        typeInto(w->DBE_BNum1, "W-0001");
        typeInto(w->DBE_BDS1, "1234");
        typeInto(w->DBE_DL, "12");
        QVERIFY(w->TB_Save->isEnabled() && w->TB_Cancel->isEnabled());
        w->TB_SaveClick();
        QVERIFY(!w->DBE_BNum1->isEnabled());
        const qint64 water = app.db().scalar("SELECT rid FROM FeeSet WHERE FeeId = '01'").toLongLong();
        QCOMPARE(column(app, "BNum1", water), QString("W-0001"));
        QCOMPARE(column(app, "BDS1", water).toInt(), 1234);
        QCOMPARE(column(app, "DL", water).toInt(), 12);

        // The non-metered item is marked; removing it asks nothing.
        pick(w->DBG_FeeSet, 1);
        QVERIFY(w->P_fjl->isVisibleTo(w));
        testsupport::saveScreenshot(w->frameWidget(), "room_fee_items");
        w->SB_Delete->click();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(itemsOf(app, key("1", "101")), QStringList({"01"}));
        QCOMPARE(column(app, "BDS1", water).toInt(), 1234);
        QVERIFY(!w->DBE_BNum1->isEnabled());
    }

    void batchCopyOfAllItemsAddsOnlyWhatEachRoomLacks()
    {
        AppFixture app("1", estate);
        const qint64 sampleWater = give(app, key("1", "101"), "01", {{"BNum1", "S1"}, {"BDS1", 500}, {"DL", 9}});
        give(app, key("1", "101"), "03");
        const qint64 kept = give(app, key("1", "102"), "01", {{"BNum1", "M2"}, {"BDS1", 55}, {"DL", 7}});
        give(app, key("1", "102"), "02");
        TfrmXMSet* w = openBuilding();
        pickRoom(w, 0);
        QVERIFY(w->B_CZ->isEnabled() && !w->B_CA->isEnabled() && !w->B_CP->isEnabled());
        w->B_CZ->click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"你已选择了样本，请在点击全选后进行成批复制。"});
        QCOMPARE(w->SampleState, QString("C"));
        w->B_CA->click();
        QVERIFY(w->B_CP->isEnabled());
        Msg::clearLog();
        Msg::queueChoice(Choice::Yes);
        w->B_CP->click();
        QCOMPARE(Msg::texts(MsgKind::Question),
                 QStringList{"[是]-复制所有项目，\r[否]-仅复制当前项。\r 数据复制需要几分钟，请稍候。"});
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"成功！"});
        QCOMPARE(w->SampleState, QString("A"));

        QCOMPARE(itemsOf(app, key("1", "101")), QStringList({"01", "03"}));
        // Room 102 keeps its own row of the item and its meter data, and keeps
        // the item the sample lacks.
        QCOMPARE(itemsOf(app, key("1", "102")), QStringList({"01", "02", "03"}));
        QCOMPARE(column(app, "BNum1", kept), QString("M2"));
        QCOMPARE(column(app, "BDS1", kept).toInt(), 55);
        QCOMPARE(column(app, "DL", kept).toInt(), 7);
        QCOMPARE(column(app, "BDS1", sampleWater).toInt(), 500);
        // Unit 2's room 101 has the sample's number and occupant; it is another room.
        QCOMPARE(itemsOf(app, key("2", "101")), QStringList({"01", "03"}));
        QCOMPARE(fees::money(app.db().scalar("SELECT JZm FROM FeeSet WHERE UnitName = '2'")), feetest::d("70"));
        // Other buildings and the vacant room are left alone.
        QCOMPARE(feetest::count(app.db(), "FeeSet"), 7);
    }

    void batchCopyOfTheCurrentItem_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("sampleHasItems");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QStringList>("information");
        QTest::newRow("no: the current item") << int(Choice::No) << true << 4 << QStringList{"成功！"};
        QTest::newRow("no, sample without items") << int(Choice::No) << false << 1 << QStringList();
        QTest::newRow("cancel") << int(Choice::Cancel) << true << 3 << QStringList();
    }
    void batchCopyOfTheCurrentItem()
    {
        QFETCH(int, choice);
        QFETCH(bool, sampleHasItems);
        QFETCH(int, rowsAfter);
        QFETCH(QStringList, information);
        AppFixture app("1", estate);
        if (sampleHasItems) {
            give(app, key("1", "101"), "01", {{"BDS1", 500}});
            give(app, key("1", "101"), "03", {{"DL", 4}});
        }
        const qint64 own = give(app, key("1", "102"), "03", {{"BNum1", "X"}, {"DL", 2}});
        TfrmXMSet* w = openBuilding();
        pickRoom(w, 0);
        w->B_CZ->click();
        w->B_CA->click();
        if (sampleHasItems)
            pick(w->DBG_FeeSet, 1);  // the sample's current item: 03
        Msg::clearLog();
        Msg::queueChoice(Choice(choice));
        w->B_CP->click();
        QCOMPARE(Msg::texts(MsgKind::Information), information);
        QCOMPARE(feetest::count(app.db(), "FeeSet"), rowsAfter);
        QCOMPARE(feetest::count(app.db(), "FeeSet", "FeeId IS NULL"), 0);
        QCOMPARE(column(app, "DL", own).toInt(), 2);
        QCOMPARE(column(app, "BNum1", own), QString("X"));
        QVERIFY(!w->B_CP->isEnabled());
        // A new sample must be chosen before the next copy.
        Msg::clearLog();
        w->B_CPClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"请先选择一个样本"});
    }

    void aFailedCopyChangesNothing()
    {
        AppFixture app("1", estate);
        give(app, key("1", "101"), "01");
        give(app, key("1", "101"), "02");
        feetest::failWhen(app.db(), "FeeSet", "INSERT", "NEW.UnitName = '2'");
        TfrmXMSet* w = openBuilding();
        pickRoom(w, 0);
        w->B_CZ->click();
        w->B_CA->click();
        Msg::clearLog();
        Msg::queueChoice(Choice::Yes);
        QVERIFY_THROWS_EXCEPTION(data::Error, w->B_CPClick());
        QVERIFY(Msg::texts(MsgKind::Information).isEmpty());
        QCOMPARE(feetest::count(app.db(), "FeeSet"), 2);
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    void choosingAnotherPlaceStartsAgain()
    {
        AppFixture app("1", estate);
        TfrmXMSet* w = openBuilding();
        pickRoom(w, 0);
        w->B_CZ->click();
        pickRoom(w, 1);  // another room: the sample must be chosen again
        QVERIFY(w->B_CZ->isEnabled() && !w->B_CA->isEnabled() && !w->B_CP->isEnabled());
        QCOMPARE(w->SampleState, QString("A"));

        // Another district: its buildings, and no room of the old list is
        // given an item under the new district's key.
        choose(w->DBLC_Reg, "2");
        QVERIFY(!DM->DS_Rooms->enabled());
        QVERIFY(!w->B_CZ->isEnabled() && !w->B_CD->isEnabled());
        pick(w->DBG_Fee, 0);
        w->SB_AddClick();
        QCOMPARE(feetest::count(app.db(), "FeeSet"), 0);
        choose(w->DBLC_Build, "1");
        QCOMPARE(DM->AQ_Rooms->recordCount(), 1);
        pickRoom(w, 0);
        addItem(w, 0);
        QCOMPARE(itemsOf(app, key("1", "101", "1", "2")), QStringList{"01"});
    }

    void batchRemovalTakesTheItemFromOneBuilding()
    {
        AppFixture app("1", estate);
        for (const fees::RoomKey& k : {key("1", "101"), key("1", "102"), key("2", "101")}) {
            give(app, k, "01");
            give(app, k, "02");
        }
        give(app, key("1", "201", "2"), "01");
        give(app, key("1", "101", "1", "2"), "01");  // district 2 has a building "1" too
        TfrmXMSet* w = openBuilding();
        pickRoom(w, 0);
        w->B_CD->click();
        QVERIFY(!w->B_CD->isEnabled());
        TfrmCpsc* d = frmCpsc;
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QString("成批删除"));
        QCOMPARE(d->mdiSubWindow()->size(), QSize(317, 237));

        d->BB_ok->click();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"请选择要删除的项目。"});
        pick(d->DBG_Type, 0);
        testsupport::saveScreenshot(d->frameWidget(), "batch_removal");
        Msg::queueAnswer(false);
        d->BB_ok->click();
        QCOMPARE(feetest::count(app.db(), "FeeSet"), 8);
        QVERIFY(frmCpsc);
        d->BB_ok->click();
        QCOMPARE(Msg::texts(MsgKind::Confirm).size(), 2);
        QVERIFY(Msg::texts(MsgKind::Confirm).back().contains("一号楼"));
        QCOMPARE(feetest::count(app.db(), "FeeSet", "FeeId = '01'"), 2);
        QCOMPARE(feetest::count(app.db(), "FeeSet", "FeeId = '02'"), 3);
        QCOMPARE(itemsOf(app, key("1", "201", "2")), QStringList{"01"});
        QCOMPARE(itemsOf(app, key("1", "101", "1", "2")), QStringList{"01"});
        // The room shown lists what it has now.
        QCOMPARE(DM->AQ_FeeSet->recordCount(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmCpsc);
    }

    void browseOnlyUserChangesNothing()
    {
        AppFixture app("2", estate);
        give(app, key("1", "101"), "01", {{"BDS1", 5}});
        TfrmXMSet* w = openBuilding(false);
        QVERIFY(w->CheckBox->isHidden());
        pickRoom(w, 0);
        QCOMPARE(DM->AQ_FeeSet->recordCount(), 1);  // the items can be looked at
        QVERIFY(!w->B_CZ->isEnabled() && !w->B_CD->isEnabled());
        pick(w->DBG_Fee, 1);
        pick(w->DBG_FeeSet, 0);
        QVERIFY(!w->SB_Add->isEnabled() && !w->SB_Delete->isEnabled());
        QVERIFY(w->DBE_BDS1->isReadOnly());
        w->SB_AddClick();
        w->SB_DeleteClick();
        QCOMPARE(itemsOf(app, key("1", "101")), QStringList{"01"});
    }

    void closingEmptiesTheModuleKeyAndDropsTyping()
    {
        AppFixture app("1", estate);
        const qint64 water = give(app, key("1", "101"), "01", {{"BNum1", "OLD"}});
        TfrmXMSet* w = openBuilding();
        QCOMPARE(mdiForm->ModuleKey, QString("XMSet"));
        pickRoom(w, 0);
        pick(w->DBG_FeeSet, 0);
        typeInto(w->DBE_BNum1, "NEW");
        w->TB_CloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmXMSet);
        QCOMPARE(mdiForm->ModuleKey, QString());
        QCOMPARE(DM->AQ_FeeSet->state(), data::DataSetState::Browse);
        QCOMPARE(column(app, "BNum1", water), QString("OLD"));
    }
};

WYGL_TEST(TestXMSet)
#include "tst_XMSet.moc"
