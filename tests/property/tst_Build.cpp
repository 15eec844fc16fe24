#include "PropertySeed.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "property/Build.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace testsupport;
using ui::Msg;
using ui::MsgKind;

namespace {

TfrmBuild* openBuild()
{
    runOpener(*findOpener("Build"), mdiForm);
    return frmBuild;
}

// Types a district id into the combo box's edit.
void typeDistrict(TfrmBuild* w, const QString& id)
{
    typeInto(w->DBC_RegId->lineEdit(), id);
}

int count(AppFixture& app, const QString& sql)
{
    return countOf(app.db(), sql);
}

}  // namespace

class TestBuild : public QObject {
    Q_OBJECT
private slots:
    void addKeepsIdsUniqueWithinADistrict()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmBuild* w = openBuild();
        QCOMPARE(w->windowTitle(), QString("楼宇信息"));
        QVERIFY(!w->TB_Modi->isVisibleTo(w));
        QCOMPARE(w->DBC_RegId->items(), (QStringList{"1", "2"}));
        w->CheckBox->click();
        w->TB_AddClick();
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"小区编号和名称均不能为空！"});
        // Building 1 exists in district 1: refused on leaving the id and on Save.
        Msg::clearLog();
        typeDistrict(w, "1");
        typeInto(w->DBE_ID, "1");
        w->DBE_IDExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该楼宇编号已存在！重新输入。"});
        QVERIFY(w->DBE_ID->text().isEmpty());
        Msg::clearLog();
        typeInto(w->DBE_ID, "1");
        typeInto(w->DBE_Name, "新楼");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该楼宇编号已存在！重新输入。"});
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 3);
        // The same id in another district, and a district not yet in the list, are accepted.
        Msg::clearLog();
        typeDistrict(w, "2");
        typeInto(w->DBE_ID, "2");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '2' AND BuildId = '2' AND BuildName = '新楼'"),
                 1);
        w->TB_AddClick();
        typeDistrict(w, "7");
        typeInto(w->DBE_ID, "1");
        typeInto(w->DBE_Name, "外楼");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '7'"), 1);
        saveScreenshot(w->frameWidget(), "Build");
    }

    void deleteTakesTheBuildingsUnitsAndRoomsOnly()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedPropertyTree(c);
            // Same district and id, another name: another building's unit.
            c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName) VALUES ('1', '1', '别楼', '1')");
            // The owner has moved out: the building may go.
            c.exec("UPDATE Rooms SET UState = 'A', UserId = NULL, Users = NULL");
        });
        TfrmBuild* w = openBuild();
        w->CheckBox->click();
        QCOMPARE(DM->AT_Build->fieldByName("BuildName")->asString(), QString("一号楼"));
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 3);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm).last(), QString("删除该记录与其关联的数据也将被删除！"));
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE RegionId = '1' AND BuildId = '1'"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1' AND BuildId = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 3);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 1);
    }

    void aBrowseOnlyUserOnlyBrowses()
    {
        AppFixture app("2", seedPropertyTree);
        TfrmBuild* w = openBuild();
        QVERIFY(!w->CheckBox->isVisible());
        QVERIFY(!w->TB_Add->isEnabled());
        QVERIFY(!w->TB_Modi->isEnabled());
        QVERIFY(w->DBC_RegId->isReadOnly());
    }
};

WYGL_TEST(TestBuild)
#include "tst_Build.moc"
