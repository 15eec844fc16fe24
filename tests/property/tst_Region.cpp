#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/Region.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

void twoDistrictTrees(data::Connection& c)
{
    for (QString r : {"1", "2"}) {
        c.exec("INSERT INTO Region (RegionId, RegionName) VALUES (?, ?)", {r, "区" + r});
        for (QString b : {"1", "2"}) {
            c.exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES (?, ?, ?)", {r, b, "楼" + b});
            for (QString u : {"1", "2"}) {
                c.exec("INSERT INTO Units (RegionId, BuildId, BuildName, UnitName) VALUES (?, ?, ?, ?)",
                       {r, b, "楼" + b, u});
                for (QString n : {"101", "102"})
                    c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum) VALUES (?, ?, ?, ?, ?)",
                           {r, b, "楼" + b, u, n});
            }
        }
    }
    // District 2 is lived in; district 1 is still empty.
    c.exec("UPDATE Rooms SET UserId = 'o1', Users = '张三', UState = 'B' WHERE RegionID = '2'");
    c.exec("INSERT INTO Owner (ownerId, ownerName, RegionName, BuildName) VALUES ('o1', '张三', '区2', '楼1')");
    c.exec("INSERT INTO Fee (RegionId, BuildID, UnitName, RoomNum, inDate) VALUES ('1', '1', '1', '101', '202401')");
}

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

TfrmRegion* openRegion()
{
    runOpener(*findOpener("Region"), mdiForm);
    return frmRegion;
}

}  // namespace

class TestRegion : public QObject {
    Q_OBJECT
private slots:
    void addSaveAndTheKeyChecks()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        QVERIFY(w);
        w->CheckBox->click();
        QVERIFY(w->TB_Add->isEnabled());
        QVERIFY(!w->DBE_ID->isEnabled());  // the switch alone enables no edit

        w->TB_AddClick();
        QCOMPARE(w->ModeFlag(), QString("N"));
        QVERIFY(w->DBE_ID->isEnabled());
        QVERIFY(w->TB_Save->isEnabled());
        // Empty key or name.
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号和名称均不能为空！"});
        QCOMPARE(DM->AT_Region->state(), data::DataSetState::Insert);
        // A key that exists: on leaving the key edit and on Save.
        Msg::clearLog();
        w->DBE_ID->setText("1");
        w->DBE_IDExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该小区编号已存在！重新输入。"});
        QVERIFY(w->DBE_ID->text().isEmpty());
        Msg::clearLog();
        w->DBE_ID->setText("2");
        w->DBE_Name->setText("新区");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该小区编号记录已存在！重新输入。"});
        QCOMPARE(count(app, "SELECT count(*) FROM Region"), 2);
        // Corrected, it saves.
        Msg::clearLog();
        w->DBE_ID->setText("3");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Region WHERE RegionId = '3' AND RegionName = '新区'"), 1);
        QCOMPARE(DM->AT_Region->state(), data::DataSetState::Browse);
        QVERIFY(!w->DBE_ID->isEnabled());
        QVERIFY(w->TB_Add->isEnabled());
    }

    void modifyKeepsItsOwnKeyAndRefusesAnothersKey()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        w->DBGrid1Enter();
        QVERIFY(w->TB_Modi->isEnabled());
        w->TB_ModiClick();
        QCOMPARE(w->ModeFlag(), QString("M"));
        // A failed Save in modify mode can be corrected and saved.
        testsupport::typeInto(w->DBE_Name, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号和名称均不能为空！"});
        QCOMPARE(w->ModeFlag(), QString("M"));
        Msg::clearLog();
        w->DBE_ID->setText("1");
        w->DBE_Name->setText("改名");
        w->DBE_IDExit();
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), "the row's own key was taken for a duplicate");
        QCOMPARE(app.db().scalar("SELECT RegionName FROM Region WHERE RegionId = '1'").toString(), QString("改名"));
        QCOMPARE(w->ModeFlag(), QString("N"));
        // Changing the key to another district's key is refused.
        w->TB_ModiClick();
        testsupport::typeInto(w->DBE_ID, "2");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该小区编号记录已存在！重新输入。"});
        QCOMPARE(count(app, "SELECT count(*) FROM Region WHERE RegionId = '2'"), 1);
        w->TB_CancelClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Region WHERE RegionId = '1'"), 1);
    }

    void aMoveRunsTheSameChecks()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        w->TB_ModiClick();
        testsupport::typeInto(w->DBE_Name, "");
        w->TB_NextClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号和名称均不能为空！"});
        QCOMPARE(DM->AT_Region->recNo(), 1);
        QCOMPARE(app.db().scalar("SELECT RegionName FROM Region WHERE RegionId = '1'").toString(), QString("区1"));
        // Entering the grid drops the change.
        w->DBGrid1Enter();
        QCOMPARE(DM->AT_Region->state(), data::DataSetState::Browse);
        QCOMPARE(DM->AT_Region->fieldByName("RegionName")->asString(), QString("区1"));
    }

    void deleteTakesExactlyOneTree()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"删除该记录与其关联的数据也将被删除！"});
        QCOMPARE(count(app, "SELECT count(*) FROM Region"), 2);
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Region"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE RegionId = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 8);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Fee"), 1);
    }

    void deleteWhileAddingOnlyDropsTheNewRow()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        w->TB_AddClick();
        w->DBE_ID->setText("1");
        w->TB_DeleteClick();
        QVERIFY(Msg::texts(MsgKind::Confirm).isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Region"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '1'"), 2);
    }

    void failedDeleteChangesNothing()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        // The rooms cannot be deleted: the buildings and units deleted before
        // them must come back.
        app.db().exec("ALTER TABLE Rooms RENAME TO RoomsGone");
        Msg::queueAnswer(true);
        QVERIFY_THROWS_EXCEPTION(data::Error, w->TB_DeleteClick());
        app.db().exec("ALTER TABLE RoomsGone RENAME TO Rooms");
        QCOMPARE(count(app, "SELECT count(*) FROM Region"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 4);
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), 8);
        QCOMPARE(DM->AT_Region->recordCount(), 2);
    }

    void browseOnlyUserChangesNothing()
    {
        AppFixture app("2", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        QVERIFY(!w->CheckBox->isVisible());
        QVERIFY(!w->TB_Add->isEnabled());
        QVERIFY(!w->TB_Save->isEnabled());
        QVERIFY(w->TB_Refresh->isEnabled());
        QVERIFY(w->DBE_Name->isReadOnly());
    }

    void closingDropsUnsavedTyping()
    {
        AppFixture app("1", twoDistrictTrees);
        TfrmRegion* w = openRegion();
        w->CheckBox->click();
        w->TB_ModiClick();
        testsupport::typeInto(w->DBE_Name, "半截");
        w->TB_CloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmRegion);
        QCOMPARE(DM->AT_Region->state(), data::DataSetState::Browse);
        DM->AT_Region->next();
        QCOMPARE(app.db().scalar("SELECT RegionName FROM Region WHERE RegionId = '1'").toString(), QString("区1"));
    }

    void generatorTreeCascades()
    {
        AppFixture app("1", twoDistrictTrees);
        DM->DS_Buid->setEnabled(true);
        DM->DS_Units->setEnabled(true);
        // Deleting a unit takes its rooms only.
        DM->AT_Units->remove();
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 14);
        // A building its units and their rooms.
        DM->AT_Buid->remove();
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 3);
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), 6);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 12);
        // A district all three levels, even with the detail sources disabled.
        DM->DS_Buid->setEnabled(false);
        DM->DS_Units->setEnabled(false);
        DM->AT_Reg->remove();
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE RegionId = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 8);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 1);
        QCOMPARE(DM->AT_Buid->recordCount(), 2);
    }
};

WYGL_TEST(TestRegion)
#include "tst_Region.moc"
