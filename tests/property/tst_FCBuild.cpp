#include "PropertySeed.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/FCBuild.h"
#include "property/LouCopy.h"
#include "property/Louyu.h"
#include "property/Region.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using namespace testsupport;
using ui::Msg;
using ui::MsgKind;

namespace {

TfrmFCBuild* openGenerator()
{
    mdiForm->show();
    mdiForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mdiForm))
        qWarning("the frame did not become the active window");
    runOpener(*findOpener("FCBuild"), mdiForm);
    return frmFCBuild;
}

// The generator with the switch on and building 1, unit 1 of district 1 chosen.
TfrmFCBuild* chooseUnit(const QString& building = "1", const QString& unit = "1")
{
    TfrmFCBuild* w = openGenerator();
    w->CheckBox->click();
    DM->AT_Buid->locate("BuildId", building);
    w->DBG_buidCellClick();
    DM->AT_Units->locate("UnitName", unit);
    w->DBG_UnitsCellClick();
    return w;
}

// The tree after its one owner has moved out: every part of it may be deleted.
void seedVacantTree(data::Connection& c)
{
    seedPropertyTree(c);
    c.exec("UPDATE Rooms SET UState = 'A', UserId = NULL, Users = NULL");
}

int count(AppFixture& app, const QString& sql)
{
    return countOf(app.db(), sql);
}

QStringList enabledButtons(TfrmFCBuild* w)
{
    QStringList on;
    for (ui::SpeedButton* b : w->findChildren<ui::SpeedButton*>())
        if (b->isEnabled())
            on << b->objectName();
    on.sort();
    return on;
}

}  // namespace

class TestFCBuild : public QObject {
    Q_OBJECT
private slots:
    void theGridsFollowEachOther()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = openGenerator();
        QCOMPARE(w->ChosenRegionId, QString("1"));
        QCOMPARE(w->DBLC_Reg->currentText(), QString("东区"));
        QCOMPARE(DM->AT_Buid->recordCount(), 2);
        QCOMPARE(DM->AT_Units->recordCount(), 2);
        QCOMPARE(DM->AT_Room->recordCount(), 6);
        // Choosing the other district shows its tree.
        w->DBLC_Reg->setCurrentIndex(w->DBLC_Reg->findText("西区"));
        emit w->DBLC_Reg->activated(w->DBLC_Reg->currentIndex());
        QCOMPARE(w->ChosenRegionId, QString("2"));
        QCOMPARE(DM->AT_Buid->recordCount(), 1);
        QCOMPARE(w->SelRegionId, QString("2"));
        QCOMPARE(DM->AT_Room->recordCount(), 1);
        // A district added meanwhile appears when the list opens, and the
        // chosen one stays chosen.
        app.db().exec("INSERT INTO Region (RegionId, RegionName) VALUES ('3', '北区')");
        w->DBLC_Reg->showPopup();
        w->DBLC_Reg->hidePopup();
        QVERIFY(w->DBLC_Reg->findText("北区") >= 0);
        QCOMPARE(w->DBLC_Reg->currentText(), QString("西区"));
        QCOMPARE(DM->AT_Buid->recordCount(), 1);
    }

    void theSelectionFollowsTheCursorAndTheKeyboard()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = chooseUnit();
        QCOMPARE(w->SelUnitName, QString("1"));
        QCOMPARE(w->SelJFNum, 3);
        QVERIFY(w->SB_Build->isEnabled());
        // The keyboard moves to unit 2; the generator works on it.
        w->DBG_Units->setFocus();
        QTest::keyClick(w->DBG_Units, Qt::Key_Down);
        QCOMPARE(w->SelUnitName, QString("2"));
        QCOMPARE(w->SelJLNum, 6);
        w->SB_BuildClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '1' AND UnitName = '2'"), 12);
        QCOMPARE(DM->AT_Room->recordCount(), 12);
        saveScreenshot(w->frameWidget(), "FCBuild");
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1' AND BuildId = '1' AND UnitName = '1'"), 6);
        // Another building: its key is the one chosen.
        DM->AT_Buid->locate("BuildId", "2");
        QCOMPARE(w->SelBuildName, QString("二号楼"));
        QCOMPARE(w->SelCsum, QString("6"));
        QCOMPARE(w->SelUnitName, QString("1"));
    }

    void theSwitchAndTheGridsDecideTheButtons()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = openGenerator();
        QVERIFY(w->CheckBox->isVisible());
        QVERIFY(enabledButtons(w).isEmpty());
        w->CheckBox->click();
        QCOMPARE(enabledButtons(w), (QStringList{"SB_Add", "SB_Delete", "SB_Modi", "SB_Open"}));
        w->DBG_buidCellClick();
        QCOMPARE(enabledButtons(w), (QStringList{"SB_Add", "SB_Add1", "SB_Delete", "SB_Modi", "SB_Open", "SB_ZDF"}));
        w->DBG_UnitsCellClick();
        QVERIFY(w->SB_Build->isEnabled() && w->SB_Unit->isEnabled() && w->SB_Add2->isEnabled());
        w->DBG_RoomCellClick();
        QVERIFY(w->SB_Delete2->isEnabled() && w->SB_Modi2->isEnabled());
        // Leaving the unit grid for another control takes its buttons away.
        w->DBG_Units->setFocus();
        w->DBG_Room->setFocus();
        QVERIFY(!w->SB_Build->isEnabled());
        QVERIFY(!w->SB_Add1->isEnabled());
        QVERIFY(w->SB_Add2->isEnabled());
        w->CheckBox->click();
        QVERIFY(enabledButtons(w).isEmpty());

        // A building without a name offers no unit buttons.
        app.db().exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES ('1', '3', '')");
        DM->AT_Buid->requery();
        w->CheckBox->click();
        DM->AT_Buid->locate("BuildId", "3");
        w->DBG_buidCellClick();
        QVERIFY(!w->SB_Add1->isEnabled());
        QVERIFY(!w->SB_ZDF->isEnabled());
        QVERIFY(!w->DBG_Units->isEnabled());
    }

    void aRoomRowOffersAddWhicheverGridCameFirst_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("from the unit grid") << "DBG_Units";
        QTest::newRow("from the building grid") << "DBG_buid";
    }
    void aRoomRowOffersAddWhicheverGridCameFirst()
    {
        QFETCH(QString, from);
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = openGenerator();
        w->CheckBox->click();
        auto clickRow = [](ui::DBGrid* g, int row) {
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, 0)).center());
        };
        clickRow(w->findChild<ui::DBGrid*>(from), 0);
        clickRow(w->DBG_Room, 1);
        QVERIFY(w->DBG_Room->hasFocus());
        QCOMPARE(DM->AT_Room->recNo(), 2);
        QVERIFY(w->SB_Delete2->isEnabled() && w->SB_Modi2->isEnabled());
        QVERIFY(w->SB_Add2->isEnabled());
    }

    void aBrowseOnlyUserChangesNothing()
    {
        AppFixture app("2", seedPropertyTree);
        TfrmFCBuild* w = openGenerator();
        QVERIFY(!w->CheckBox->isVisible());
        w->DBG_buidCellClick();
        w->DBG_UnitsCellClick();
        QVERIFY(enabledButtons(w).isEmpty());
    }

    void deletesRemoveExactlyOneSubtree()
    {
        AppFixture app("1", seedVacantTree);
        TfrmFCBuild* w = chooseUnit();
        Msg::queueAnswer(false);
        w->SB_Delete1Click();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"删除该记录与其关联的数据也将被删除！"});
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), 4);
        // A unit with its rooms.
        w->SB_Delete1Click();
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE RegionId = '1' AND BuildId = '1'"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1' AND BuildId = '1'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 3);
        // A room.
        DM->AT_Buid->locate("BuildId", "2");
        Msg::clearLog();
        w->SB_Delete2Click();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确定要删除该记录？"});
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '2'"), 1);
        // A building with its units and rooms; the same id in district 2 stays.
        w->SB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '1'"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE BuildId = '2'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '2'"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '2'"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 1);
    }

    void aFailedDeleteLeavesTheTreeAsBefore()
    {
        AppFixture app("1", seedVacantTree);
        TfrmFCBuild* w = chooseUnit();
        // The units and rooms go first; the building itself is refused.
        refuseDeletesFrom(app.db(), "Build");
        QVERIFY(!ui::guarded([w] { w->SB_DeleteClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 3);
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), 4);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 9);
        QCOMPARE(DM->AT_Buid->recordCount(), 2);
        QCOMPARE(DM->AT_Units->recordCount(), 2);
    }

    void unitCopy_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("rooms");
        QTest::newRow("cancelled") << false << "3" << true << "" << 0;
        QTest::newRow("blank") << true << "  " << true << "" << 0;
        QTest::newRow("over-long") << true << QString(21, u'单') << true << "单元名称不能超过 20 个字符！" << 0;
        QTest::newRow("not confirmed") << true << "3" << false << "" << 0;
        QTest::newRow("name used") << true << "2" << true << "该单元已存在！重新输入。" << 0;
        QTest::newRow("copied") << true << "3" << true << "" << 6;
    }
    void unitCopy()
    {
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(bool, confirm);
        QFETCH(QString, warning);
        QFETCH(int, rooms);
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = chooseUnit();
        const int units = count(app, "SELECT count(*) FROM Units");
        Msg::queueInput(ok, name);
        Msg::queueAnswer(confirm);
        w->SB_UnitClick();
        QCOMPARE(Msg::log().first().caption, QString("单元复制"));
        QCOMPARE(Msg::log().first().text, QString("请输入单元名称。\r字符长度不可超过 3 个字符.  "));
        QCOMPARE(Msg::texts(MsgKind::Warning), warning.isEmpty() ? QStringList() : QStringList{warning});
        if (ok && name == "3")
            QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"你将要创建的是一号楼(楼)3单元\r创建吗？"});
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), units + (rooms ? 1 : 0));
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '1' AND UnitName = '3'"), rooms);
        // Layouts, areas and facilities come along; occupants do not.
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE UnitName = '3' AND UserId IS NOT NULL"), 0);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE UnitName = '3' AND RoomNum = '103' AND SS = '电梯' "
                            "AND JZm = 120.25"),
                 rooms ? 1 : 0);
        QCOMPARE(DM->AT_Units->recordCount(), 2 + (rooms ? 1 : 0));
        if (rooms) {
            QVERIFY(DM->AT_Units->locate("UnitName", "3"));
            QCOMPARE(DM->AT_Room->recordCount(), 6);
        }
    }

    void namesWithBlanksAtTheEndsKeepTheirRooms()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = openGenerator();
        w->CheckBox->click();
        // Typed with blanks at both ends; stored as the program writes text.
        auto add = [](data::DataSet* ds, const QVariantList& values) {
            ds->append();
            for (int i = 0; i < values.size(); i += 2)
                ds->fieldByName(values[i].toString())->setValue(values[i + 1]);
            ds->post();
        };
        add(DM->AT_Buid, {"BuildId", "01", "BuildName", " 1号楼 ", "Csum", 12});
        w->DBG_buidCellClick();
        add(DM->AT_Units, {"UnitName", " 1单元 ", "KLNum", 1, "JLNum", 2, "KFNum", 1, "JFNum", 2});
        w->DBG_UnitsCellClick();
        w->SB_BuildClick();
        QCOMPARE(DM->AT_Room->recordCount(), 4);
        // The unit copy and the building copy: every room lands in a unit of its building.
        Msg::queueInput(true, "2");
        Msg::queueAnswer(true);
        w->SB_UnitClick();
        QCOMPARE(DM->AT_Room->recordCount(), 4);
        w->SB_ZDFClick();
        frmLouCopy->E_ID->setText("02");
        frmLouCopy->BB_OkClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms r WHERE BuildId IN ('01', '02') AND EXISTS (SELECT 1 FROM Units u "
                            "WHERE u.RegionId = r.RegionID AND u.BuildId = r.BuildId AND u.BuildName = r.BuildName "
                            "AND u.UnitName = r.UnitName)"),
                 16);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE BuildId = '02' AND UnitName = ' 1单元'"), 1);
    }

    void aDialogHoldsTheGeneratorOnly()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = chooseUnit();
        w->SB_AddClick();
        QVERIFY(frmLouyu);
        QCOMPARE(w->openDialog(), static_cast<QWidget*>(frmLouyu));
        QCOMPARE(DM->AT_Buid->state(), data::DataSetState::Insert);
        // Clicks on the generator are held back.
        QTest::mouseClick(w->SB_Delete1, Qt::LeftButton);
        QVERIFY(Msg::log().isEmpty());
        QVERIFY(!w->close());
        QVERIFY(frmFCBuild);
        // The rest of the program is usable.
        runOpener(*findOpener("Region"), mdiForm);
        QVERIFY(frmRegion);
        // Closing the dialog by its caption button is a Cancel.
        frmLouyu->close();
        QVERIFY(!frmLouyu);
        QVERIFY(!w->openDialog());
        QCOMPARE(DM->AT_Buid->state(), data::DataSetState::Browse);
        QCOMPARE(count(app, "SELECT count(*) FROM Build"), 3);
        QTest::mouseClick(w->SB_Delete1, Qt::LeftButton);
        QCOMPARE(Msg::texts(MsgKind::Confirm).size(), 1);
    }

    void freeingTheGeneratorDropsTheDialogsRow()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = chooseUnit();
        w->SB_Add2Click();
        QCOMPARE(DM->AT_Room->state(), data::DataSetState::Insert);
        ui::freeAllMdiChildren();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmFCBuild);
        QCOMPARE(DM->AT_Room->state(), data::DataSetState::Browse);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), 9);
    }
};

WYGL_TEST(TestFCBuild)
#include "tst_FCBuild.moc"
