#include "PropertySeed.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "property/FCBuild.h"
#include "property/LouCopy.h"
#include "property/Louyu.h"
#include "property/RoomEdit.h"
#include "property/RoomGenerator.h"
#include "property/Units.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace testsupport;
using ui::Msg;
using ui::MsgKind;

namespace {

// The generator on building 1 of district 1 and its unit (1 by default).
TfrmFCBuild* generatorOn(const QString& unit = "1")
{
    runOpener(*findOpener("FCBuild"), mdiForm);
    TfrmFCBuild* w = frmFCBuild;
    w->CheckBox->click();
    DM->AT_Units->locate("UnitName", unit);
    return w;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int count(AppFixture& app, const QString& sql)
{
    return countOf(app.db(), sql);
}

}  // namespace

class TestGeneratorDialogs : public QObject {
    Q_OBJECT
private slots:
    void buildingDialogAddsUnderTheDistrict()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn();
        w->SB_AddClick();
        TfrmLouyu* d = frmLouyu;
        QCOMPARE(d->windowTitle(), QString("楼宇设置"));
        QCOMPARE(d->DBE_RegId->text(), QString("1"));
        QVERIFY(!d->DBE_RegId->isEnabled());
        d->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning),
                 QStringList{"错误原因可能是以下各项：\r\n   小区编号为空\r\n   楼宇编号和楼宇名称为空\r\n   楼层为空\r请核对各项！"});
        Msg::clearLog();
        typeInto(d->DBE_ID, "2");
        typeInto(d->DBE_Name, "三号楼");
        typeInto(d->DBE_CSum, "十八");
        d->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"层数必须是数字，重新输入。"});
        Msg::clearLog();
        typeInto(d->DBE_CSum, "18");
        d->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该楼宇编号已存在！重新输入。"});
        QVERIFY(d->DBE_ID->text().isEmpty());
        Msg::clearLog();
        typeInto(d->DBE_ID, "3");
        d->BB_OkClick();
        QVERIFY(Msg::log().isEmpty());
        QVERIFY(!frmLouyu);
        QVERIFY(!w->openDialog());
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '1' AND BuildId = '3' AND BuildName = '三号楼' "
                            "AND Csum = 18"),
                 1);
    }

    void buildingDialogModifiesWithTheKeyLocked()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn();
        w->SB_ModiClick();
        TfrmLouyu* d = frmLouyu;
        QVERIFY(!d->DBE_ID->isEnabled());
        QVERIFY(!d->DBE_Name->isEnabled());
        QCOMPARE(d->DBE_RegId->text(), QString("1"));
        typeInto(d->DBE_KFS, "新开发商");
        d->BB_OkClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(app.db().scalar("SELECT KFShang FROM Build WHERE RegionID = '1' AND BuildId = '1'").toString(),
                 QString("新开发商"));
    }

    void unitDialogChecks_data()
    {
        QTest::addColumn<QStringList>("typed");  // name, first and last floor, first and last index
        QTest::addColumn<QString>("warning");
        QTest::newRow("floors reversed") << QStringList{"3", "3", "2", "1", "2"} << "开始楼层不能大于结束楼层，重新输入。";
        QTest::newRow("indexes reversed") << QStringList{"3", "1", "2", "3", "1"} << "开始房号不能大于结束房号，重新输入。";
        QTest::newRow("above the building") << QStringList{"3", "1", "13", "1", "2"} << "没有足够的楼层可供分配！重新输入。";
        QTest::newRow("not a number") << QStringList{"3", "1", "x", "1", "2"} << "结束楼层必须是数字，重新输入。";
        QTest::newRow("a number missing") << QStringList{"3", "", "2", "1", "2"} << "楼层和房号均不能为空！重新输入。";
        QTest::newRow("no name") << QStringList{"", "1", "2", "1", "2"} << "单元名不能为空！重新输入。";
        QTest::newRow("name used") << QStringList{"2", "1", "2", "1", "2"} << "该单元已存在！重新输入。";
        QTest::newRow("rooms on the first floor") << QStringList{"9", "1", "2", "1", "2"} << "该楼已分配！重新输入。";
        QTest::newRow("up to the top floor") << QStringList{"3", "1", "12", "1", "2"} << "";
    }
    void unitDialogChecks()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, warning);
        AppFixture app("1", [](data::Connection& c) {
            seedPropertyTree(c);
            // A room left under a unit name that has no unit row.
            c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, LCNum, FXNum) "
                   "VALUES ('1', '1', '一号楼', '9', '101', 1, 1)");
        });
        TfrmFCBuild* w = generatorOn();
        w->SB_Add1Click();
        TfrmUnits* d = frmUnits;
        const QList<ui::DBEdit*> edits{d->DBE_UnitName, d->DBE_KLNum, d->DBE_JLNum, d->DBE_KFNum, d->DBE_JFNum};
        for (int i = 0; i < edits.size(); ++i)
            typeInto(edits[i], typed[i]);
        d->BB_okClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(bool(frmUnits), !warning.isEmpty());
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE UnitName = '3'"), warning.isEmpty() ? 1 : 0);
        if (frmUnits)
            frmUnits->BB_CancelClick();
        QCOMPARE(DM->AT_Units->state(), data::DataSetState::Browse);
        QCOMPARE(count(app, "SELECT count(*) FROM Units"), warning.isEmpty() ? 5 : 4);
    }

    void leavingAFloorEditChecksIt()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn();
        w->SB_Add1Click();
        QVERIFY(QTest::qWaitForWindowActive(frmUnits));
        typeInto(frmUnits->DBE_JLNum, "13");
        frmUnits->DBE_KFNum->setFocus();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"没有足够的楼层可供分配！重新输入。"});
        QVERIFY(frmUnits->DBE_JLNum->text().isEmpty());
        frmUnits->BB_CancelClick();
        settle();
        Msg::clearLog();
        w->SB_Add2Click();
        QVERIFY(QTest::qWaitForWindowActive(frmRoomEdit));
        frmRoomEdit->DBE_LC->setFocus();
        frmRoomEdit->DBE_FX->setFocus();
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{"楼层不能为空"});
        QVERIFY(frmRoomEdit->DBE_LC->hasFocus());
        typeInto(frmRoomEdit->DBE_LC, "13");
        frmRoomEdit->DBE_FX->setFocus();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"没有足够高的楼层可供分配！重新输入。"});
    }

    void unitDialogLocksAGeneratedUnit()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn("1");
        w->SB_Modi1Click();
        QCOMPARE(Msg::texts(MsgKind::Warning),
                 QStringList{"该单元房间已生成，不能修改单元信息！\r若想修改，只能是先删除该单元再重新添加。"});
        QVERIFY(!frmUnits->BB_ok->isEnabled());
        QVERIFY(!frmUnits->DBE_JLNum->isEnabled());
        frmUnits->close();
        // A unit without rooms changes its ranges, never its name.
        Msg::clearLog();
        DM->AT_Units->locate("UnitName", "2");
        w->SB_Modi1Click();
        QVERIFY(Msg::log().isEmpty());
        QVERIFY(!frmUnits->DBE_UnitName->isEnabled());
        typeInto(frmUnits->DBE_JFNum, "4");
        frmUnits->BB_okClick();
        QVERIFY(!frmUnits);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE BuildId = '1' AND UnitName = '2' AND JFNum = 4"), 1);
    }

    void roomDialogChecks_data()
    {
        QTest::addColumn<QStringList>("typed");  // floor, index, number
        QTest::addColumn<QString>("message");
        QTest::addColumn<MsgKind>("kind");
        QTest::newRow("floor 0") << QStringList{"0", "1", "001"} << "楼层值不能为 0" << MsgKind::Information;
        QTest::newRow("above the building")
            << QStringList{"13", "1", "1301"} << "没有足够高的楼层可供分配！重新输入。" << MsgKind::Warning;
        QTest::newRow("no floor") << QStringList{"", "1", "301"} << "楼层不能为空" << MsgKind::Warning;
        QTest::newRow("no index") << QStringList{"3", "", "301"} << "房间序号不能为空" << MsgKind::Warning;
        QTest::newRow("index not a number") << QStringList{"3", "a", "301"} << "房间序号必须是数字，重新输入。"
                                            << MsgKind::Warning;
        QTest::newRow("no number") << QStringList{"3", "1", " "} << "房间号不能为空" << MsgKind::Warning;
        const QString same = "错误原因可能如下：\r房间号不正确\r楼层重复\r房间序号重复...\r请详细检查。";
        QTest::newRow("same room") << QStringList{"1", "1", "101"} << same << MsgKind::Warning;
        QTest::newRow("same number on another floor") << QStringList{"3", "1", "101"} << same << MsgKind::Warning;
        QTest::newRow("top floor") << QStringList{"12", "1", "1201"} << "" << MsgKind::Warning;
    }
    void roomDialogChecks()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(MsgKind, kind);
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn();
        w->SB_Add2Click();
        TfrmRoomEdit* d = frmRoomEdit;
        QCOMPARE(d->DBE_UnitName->text(), QString("1"));
        QCOMPARE(d->DBC_HX->items(), (QStringList{"两室一厅", "三室两厅"}));
        typeInto(d->DBE_LC, typed[0]);
        typeInto(d->DBE_FX, typed[1]);
        typeInto(d->DBE_RoomNum, typed[2]);
        d->DBC_HX->setText("两室一厅");
        typeInto(d->DBE_JZm, "88.5");
        d->BB_okClick();
        QCOMPARE(Msg::texts(kind), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(bool(frmRoomEdit), !message.isEmpty());
        if (frmRoomEdit)
            frmRoomEdit->close();
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '1' AND RegionID = '1' AND UnitName = '1'"),
                 message.isEmpty() ? 7 : 6);
        if (message.isEmpty())
            QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RoomNum = '1201' AND LCNum = 12 AND FXNum = 1 AND "
                                "HXName = '两室一厅' AND JZm = 88.5 AND UState = 'A'"),
                     1);
    }

    void roomDialogModifiesTheDetailsOnly()
    {
        AppFixture app("1", seedPropertyTree);
        TfrmFCBuild* w = generatorOn();
        DM->AT_Room->locate("RoomNum", "103");
        w->SB_Modi2Click();
        TfrmRoomEdit* d = frmRoomEdit;
        QVERIFY(!d->DBE_LC->isEnabled() && !d->DBE_FX->isEnabled() && !d->DBE_RoomNum->isEnabled());
        d->DBM_SS->moveCursor(QTextCursor::End);
        for (const QChar ch : QString("、燃气")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(d->DBM_SS, &press);
        }
        d->BB_okClick();
        QVERIFY(!frmRoomEdit);
        QCOMPARE(app.db().scalar("SELECT SS FROM Rooms WHERE RegionID = '1' AND BuildId = '1' AND RoomNum = '103'")
                     .toString(),
                 QString("电梯、燃气"));
    }

    void buildingCopy()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedPropertyTree(c);
            property::generateRooms(c, {{"1", "1", "一号楼"}, "2"}, {1, 3, 1, 2});
        });
        TfrmFCBuild* w = generatorOn();
        w->DBG_buidCellClick();
        w->SB_ZDFClick();
        TfrmLouCopy* d = frmLouCopy;
        QCOMPARE(d->windowTitle(), QString("楼宇复制"));
        QCOMPARE(d->E_Name->text(), QString("一号楼请输入"));
        QVERIFY(d->E_ID->text().isEmpty());
        // An id the district has: the dialog stays and nothing is written.
        d->E_ID->setText("2");
        d->E_Name->setText("九号楼");
        d->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该楼宇编号已存在！重新输入。"});
        QVERIFY(frmLouCopy);
        QVERIFY(d->E_ID->text().isEmpty());
        d->E_ID->setText("9");
        // Two units of six rooms each.
        Msg::clearLog();
        d->BB_OkClick();
        QVERIFY(!frmLouCopy);
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE RegionID = '1' AND BuildId = '9' AND BuildName = '九号楼' "
                            "AND Csum = 12"),
                 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Units WHERE RegionId = '1' AND BuildId = '9'"), 2);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE RegionID = '1' AND BuildId = '9' AND UserId IS NULL"), 12);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '9' AND RoomNum = '103' AND JZm = 120.25"), 1);
        QCOMPARE(DM->AT_Buid->recordCount(), 3);
        // Empty id or name: a warning, and the dialog closes.
        settle();
        w->SB_ZDFClick();
        Msg::clearLog();
        frmLouCopy->BB_OkClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"楼宇编号和名称不能为空。"});
        QVERIFY(!frmLouCopy);
    }

    // A dialog works from what its opener tells it, with no generator open,
    // and reports back by signal: the tree changed, and it went.
    void aDialogNeedsOnlyWhatItIsTold()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedPropertyTree(c);
            property::generateRooms(c, {{"1", "1", "一号楼"}, "2"}, {1, 3, 1, 2});
        });
        int changed = 0, gone = 0;
        ui::openChildForm(frmLouCopy, nullptr, [&](TfrmLouCopy& d) {
            d.setSource({"1", "1", "一号楼"}, "7");
            connect(&d, &TfrmLouCopy::treeChanged, [&] { ++changed; });
            connect(&d, &GeneratorDialog::done, [&] { ++gone; });
        });
        TfrmLouCopy* d = frmLouCopy;
        QVERIFY(d);
        QCOMPARE(d->E_reg->text(), QString("1"));
        QCOMPARE(d->E_Name->text(), QString("一号楼请输入"));
        d->E_ID->setText("9");
        d->E_Name->setText("九号楼");
        d->BB_OkClick();
        QCOMPARE(changed, 1);
        QCOMPARE(gone, 1);
        QVERIFY(!frmLouCopy);
        QCOMPARE(count(app, "SELECT count(*) FROM Build WHERE BuildId = '9' AND Csum = 7"), 1);
        QCOMPARE(count(app, "SELECT count(*) FROM Rooms WHERE BuildId = '9'"), 12);
    }
};

WYGL_TEST(TestGeneratorDialogs)
#include "tst_GeneratorDialogs.moc"
