// The district and building windows as one family: what a clerk types is
// kept across their pages, their keys cannot be changed from under their
// children, and a delete never takes an occupied room.

#include "PropertySeed.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "platform/ui/ErrorBox.h"
#include "property/Build.h"
#include "property/FCBuild.h"
#include "property/Region.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

using namespace testsupport;
using ui::Msg;
using ui::MsgKind;

// Every way a clerk can delete a part of the property tree.
enum class DeletePath { DistrictWindow, BuildingWindow, GeneratorBuilding, GeneratorUnit, GeneratorRoom, DistrictTree };
Q_DECLARE_METATYPE(DeletePath)

namespace {

// Opens a window with the frame shown and active, so that focus moves as it
// does for a user.
void openShown(const QString& key)
{
    mdiForm->show();
    mdiForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mdiForm))
        qWarning("the frame did not become the active window");
    runOpener(*findOpener(key), mdiForm);
}

RecordEditor* openRecordWindow(const QString& key)
{
    openShown(key);
    return key == "Region" ? static_cast<RecordEditor*>(frmRegion) : static_cast<RecordEditor*>(frmBuild);
}


// Deletes, answering OK, the part of the tree that holds room 102 of unit 1,
// building 1, district 1.
void deleteAlong(DeletePath path)
{
    Msg::queueAnswer(true);
    if (path == DeletePath::DistrictWindow || path == DeletePath::BuildingWindow) {
        RecordEditor* w = openRecordWindow(path == DeletePath::DistrictWindow ? "Region" : "Build");
        w->CheckBox->click();
        w->TB_DeleteClick();
        return;
    }
    if (path == DeletePath::DistrictTree) {
        ui::guarded([] { DM->AT_Reg->remove(); });
        return;
    }
    openShown("FCBuild");
    TfrmFCBuild* w = frmFCBuild;
    w->CheckBox->click();
    w->DBG_buidCellClick();
    w->DBG_UnitsCellClick();
    DM->AT_Room->locate("RoomNum", "102");
    w->DBG_RoomCellClick();
    if (path == DeletePath::GeneratorBuilding)
        w->SB_DeleteClick();
    else if (path == DeletePath::GeneratorUnit)
        w->SB_Delete1Click();
    else
        w->SB_Delete2Click();
}

QList<int> treeCounts(data::Connection& c)
{
    QList<int> out;
    for (const char* table : {"Region", "Build", "Units", "Rooms", "Owner"})
        out << countOf(c, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    return out;
}

void clickPage(RecordEditor* w, int index)
{
    QTabBar* bar = w->findChild<QTabWidget*>()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void typeKeys(QWidget* w, const QString& text)
{
    w->setFocus();
    QTest::keyClicks(w, text);
}

int count(AppFixture& app, const QString& sql)
{
    return countOf(app.db(), sql);
}

}  // namespace

class TestRegisterWindows : public QObject {
    Q_OBJECT
private slots:
    void pagesAreViewsOfOneRecord_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("otherControl");  // a control of the second page
        QTest::addColumn<QString>("stored");        // how the saved row is found with the typed value
        QTest::newRow("district") << "Region" << "DBE_ZDm"
                                  << "SELECT count(*) FROM Region WHERE RegionId = '9' AND ZDm = 1234";
        QTest::newRow("building") << "Build" << "DBM_Note"
                                  << "SELECT count(*) FROM Build WHERE BuildId = '9' AND note = '1234'";
    }
    void pagesAreViewsOfOneRecord()
    {
        QFETCH(QString, key);
        QFETCH(QString, otherControl);
        QFETCH(QString, stored);
        AppFixture app("1", seedPropertyTree);
        RecordEditor* w = openRecordWindow(key);
        w->CheckBox->click();
        w->TB_AddClick();
        if (auto* build = qobject_cast<TfrmBuild*>(w))
            typeInto(build->DBC_RegId->lineEdit(), "2");
        typeInto(w->DBE_ID, "9");
        typeInto(w->DBE_Name, "南区");
        clickPage(w, 1);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        typeKeys(w->findChild<QWidget*>(otherControl), "1234");
        saveScreenshot(w->frameWidget(), key + "_second_page_while_adding");
        clickPage(w, 0);
        QCOMPARE(w->DBE_ID->text(), QString("9"));
        QVERIFY(w->TB_Save->isEnabled());
        QVERIFY(!w->TB_Add->isEnabled());
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::texts(MsgKind::Warning).join(" / ")));
        QCOMPARE(count(app, stored), 1);
    }

    void keysStayAndNamesTravel_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");  // "" when the change is saved
        QTest::addColumn<QStringList>("checks");  // statements that count 1 afterwards
        QTest::newRow("district id") << "Region" << "DBE_ID" << "9" << "该小区已有楼宇，不能修改编号！"
                                     << QStringList{"SELECT count(*) FROM Region WHERE RegionId = '1'",
                                                    "SELECT 1 - count(*) FROM Region WHERE RegionId = '9'"};
        QTest::newRow("district name")
            << "Region" << "DBE_Name" << "东苑" << ""
            << QStringList{"SELECT count(*) FROM Region WHERE RegionId = '1' AND RegionName = '东苑'",
                           "SELECT count(*) FROM Owner WHERE ownerId = 'o1' AND RegionName = '东苑'"};
        QTest::newRow("building id") << "Build" << "DBE_ID" << "9" << "该楼宇已有房间，不能修改编号！"
                                     << QStringList{"SELECT count(*) FROM Build WHERE RegionID = '1' AND BuildId = '1'",
                                                    "SELECT 1 - count(*) FROM Build WHERE BuildId = '9'"};
        QTest::newRow("building's district")
            << "Build" << "DBC_RegId" << "7" << "该楼宇已有房间，不能修改编号！"
            << QStringList{"SELECT 1 - count(*) FROM Build WHERE RegionID = '7'"};
        QTest::newRow("building name")
            << "Build" << "DBE_Name" << "甲楼" << ""
            << QStringList{"SELECT count(*) / 2 FROM Units WHERE RegionId = '1' AND BuildName = '甲楼'",
                           "SELECT count(*) / 6 FROM Rooms WHERE RegionID = '1' AND BuildName = '甲楼'",
                           "SELECT count(*) FROM Owner WHERE ownerId = 'o1' AND BuildName = '甲楼'",
                           // District 2's building of the same name is another building.
                           "SELECT count(*) FROM Rooms WHERE RegionID = '2' AND BuildName = '一号楼'"};
    }
    void keysStayAndNamesTravel()
    {
        QFETCH(QString, key);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(QStringList, checks);
        AppFixture app("1", seedPropertyTree);
        RecordEditor* w = openRecordWindow(key);
        w->CheckBox->click();
        if (w->TB_Modi->isVisibleTo(w)) {
            w->DBGrid1Enter();
            w->TB_ModiClick();
        } else {
            // No Modify here: the edits Add opened stay open on the row moved to.
            w->TB_AddClick();
            w->TB_FirstClick();
        }
        QWidget* edit = w->findChild<QWidget*>(control);
        if (auto* combo = qobject_cast<QComboBox*>(edit))
            edit = combo->lineEdit();
        typeInto(qobject_cast<QLineEdit*>(edit), typed);
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), warning.isEmpty() ? QStringList{} : QStringList{warning});
        for (const QString& sql : checks)
            QVERIFY2(count(app, sql) == 1, qPrintable(sql));
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1' AND BuildId = '1'"), 6);
    }

    void noDeleteTakesAnOccupiedRoom_data()
    {
        QTest::addColumn<DeletePath>("path");
        QTest::addColumn<int>("roomsLeft");  // after the delete, once the room is vacant
        QTest::newRow("district window") << DeletePath::DistrictWindow << 1;
        QTest::newRow("building window") << DeletePath::BuildingWindow << 3;
        QTest::newRow("generator: building") << DeletePath::GeneratorBuilding << 3;
        QTest::newRow("generator: unit") << DeletePath::GeneratorUnit << 3;
        QTest::newRow("generator: room") << DeletePath::GeneratorRoom << 8;
        QTest::newRow("district with its tree") << DeletePath::DistrictTree << 1;
    }
    void noDeleteTakesAnOccupiedRoom()
    {
        QFETCH(DeletePath, path);
        QFETCH(int, roomsLeft);
        AppFixture app("1", seedPropertyTree);
        const QList<int> before = treeCounts(app.db());
        deleteAlong(path);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该记录下有已入住的房间，不能删除！"});
        QCOMPARE(treeCounts(app.db()), before);
        QVERIFY(Msg::texts(MsgKind::Error).isEmpty());

        // Once the owner has moved out, the same delete goes through.
        app.db().exec("UPDATE Rooms SET UState = 'A', UserId = NULL, Users = NULL WHERE RoomNum = '102'");
        Msg::clearLog();
        deleteAlong(path);
        QVERIFY(Msg::texts(MsgKind::Warning).isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms"), roomsLeft);
        QCOMPARE(count(app, "SELECT count(*) FROM Owner"), 1);
    }
};

WYGL_TEST(TestRegisterWindows)
#include "tst_RegisterWindows.moc"
