// The generation dialog, driven as a user would, and the road from fee
// items to a second month with arrears and late fees.

#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/CWSet.h"
#include "fees/Money.h"
#include "fees/SCYSK.h"
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
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;
using namespace feetest;

namespace {

const QString kGenerated = "生成数据成功，可以进行收费操作。";
const QString kRegenerated = "重新生成数据成功，可以进行收费操作。";

void twoRoomItems(data::Connection& c)
{
    c.exec("INSERT INTO SFSet (JSDate1, JSDate2, ZNJ) VALUES (10, 0, 0.05)");
    addItem(c, room("101"), "01", {{"BDS1", 100}});
    addItem(c, room("102"), "01", {{"BDS1", 200}});
}

TfrmSCYSK* openDialog(int year, int month, const QString& n = "1")
{
    runOpener(*findOpener("SCYSK"), mdiForm);
    TfrmSCYSK* w = frmSCYSK;
    if (!w)
        return nullptr;
    w->DTP_Year->setDate(QDate(year, 1, 1));
    w->DTP_Mouth->setDate(QDate(2000, month, 1));
    w->E_D->setText(n);
    return w;
}

bool closed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !frmSCYSK;
}

int monthRows(AppFixture& app, const QString& period)
{
    return count(app.db(), "Fee", "inDate = '" + period + "'");
}

}  // namespace

class TestSCYSK : public QObject {
    Q_OBJECT
private slots:
    void generatesAMonthAndSaysSo()
    {
        AppFixture app("1", twoRoomItems);
        TfrmSCYSK* w = openDialog(2024, 3);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("生成应收款"));
        QVERIFY(!w->isWindow() || w->parentWidget() == mdiForm);
        QCOMPARE(w->lbl->text(), QString("说明：应收款在下月 10 日结算"));
        testsupport::saveScreenshot(w, "generate_receivables");
        w->BB_OK->click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{kGenerated});
        QCOMPARE(monthRows(app, "202403"), 2);
        QCOMPARE(amount(app.db(), "BCNum1", app.db().scalar("SELECT rid FROM Fee WHERE RoomNum = '102'").toLongLong()),
                 d("200"));
        QVERIFY(closed());
    }

    void aMonthWithRowsIsReplacedOnlyWhenConfirmed()
    {
        AppFixture app("1", twoRoomItems);
        const qint64 typed = addFee(app.db(), room("101"), "01", "202404", {{"BMNum1", "150"}});
        TfrmSCYSK* w = openDialog(2024, 4);
        Msg::queueAnswer(false);
        w->BB_OKClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"该月的费用帐单已生成，要重新生成吗？"});
        QVERIFY(Msg::texts(MsgKind::Information).isEmpty());
        QVERIFY(closed());
        QCOMPARE(amount(app.db(), "BMNum1", typed), d("150"));

        Msg::clearLog();
        w = openDialog(2024, 4);
        Msg::queueAnswer(true);
        w->BB_OKClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{kRegenerated});
        QCOMPARE(monthRows(app, "202404"), 2);
        QCOMPARE(count(app.db(), "Fee", "BMNum1 IS NOT NULL"), 0);
        QVERIFY(closed());
    }

    void aMonthWithCollectionsKeepsThemWhenGeneratedAgain()
    {
        AppFixture app("1", twoRoomItems);
        const qint64 paid = addFee(app.db(), room("101"), "01", "202405", {{"flag", "已收取"}, {"SSJE", "30"}});
        TfrmSCYSK* w = openDialog(2024, 5);
        Msg::queueAnswer(true);
        w->BB_OKClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm),
                 QStringList{"该月的费用帐单已生成，其中 1 项已收取将保留，要重新生成其余项目吗？"});
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{kRegenerated});
        QCOMPARE(monthRows(app, "202405"), 2);
        QCOMPARE(amount(app.db(), "SSJE", paid), d("30"));
        QVERIFY(closed());
    }

    void aBadMonthCountIsReportedBeforeAnythingChanges_data()
    {
        QTest::addColumn<QString>("n");
        for (const char* n : {"a", "", "-"})
            QTest::newRow(n) << QString(n);
    }
    void aBadMonthCountIsReportedBeforeAnythingChanges()
    {
        QFETCH(QString, n);
        AppFixture app("1", twoRoomItems);
        const qint64 kept = addFee(app.db(), room("101"), "01", "202406", {{"BMNum1", "8"}});
        TfrmSCYSK* w = openDialog(2024, 6, n);
        w->BB_OKClick();
        QVERIFY(Msg::texts(MsgKind::Confirm).isEmpty());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"收取月数必须是0至9之间的数字。"});
        QCOMPARE(amount(app.db(), "BMNum1", kept), d("8"));
        QVERIFY(!closed());
        // Corrected, it runs.
        w->E_D->setText("2");
        w->BB_OKClick();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{kRegenerated});
    }

    void aFailureLeavesTheMonthAndShowsNoSuccess()
    {
        AppFixture app("1", twoRoomItems);
        failWhen(app.db(), "Fee", "INSERT", "NEW.RoomNum = '102'");
        TfrmSCYSK* w = openDialog(2024, 7);
        QVERIFY_THROWS_EXCEPTION(data::Error, w->BB_OKClick());
        QVERIFY(Msg::texts(MsgKind::Information).isEmpty());
        QCOMPARE(monthRows(app, "202407"), 0);
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    void browseOnlyUserIsRefused()
    {
        AppFixture app("2", twoRoomItems);
        QVERIFY(!openDialog(2024, 8));
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"用户权限不足，无法进行该操作！"});
        QCOMPARE(count(app.db(), "Fee"), 0);
    }

    void fromItemsToASecondMonthWithArrears()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO Region (RegionId, RegionName) VALUES ('1', '翠苑')");
            c.exec("INSERT INTO Build (RegionID, BuildId, BuildName) VALUES ('1', '2', '二号楼')");
            c.exec("INSERT INTO Rooms (RegionID, BuildId, BuildName, UnitName, RoomNum, UserId, Users, UState, JZm) "
                   "VALUES ('1', '2', '二号楼', '1', '101', 'o101', '张三', 'B', 80)");
            c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JNPrice) VALUES ('01', '水费', 2.5)");
        });
        // The item given to the room, with its meter's base reading.
        runOpener(*findOpener("XMSet"), mdiForm);
        TfrmXMSet* items = frmXMSet;
        for (auto [combo, key] : {std::pair{items->DBLC_Reg, "1"}, std::pair{items->DBLC_Build, "2"}}) {
            const int i = combo->findData(QString(key));
            combo->setCurrentIndex(i);
            emit combo->activated(i);
        }
        items->CheckBox->click();
        emit items->DBG_Room->cellClicked(0, QString());
        emit items->DBG_Fee->cellClicked(0, QString());
        items->SB_Add->click();
        emit items->DBG_FeeSet->cellClicked(0, QString());
        typeInto(items->DBE_BDS1, "300");
        items->TB_SaveClick();
        items->TB_CloseClick();

        // The late-fee rate.
        runOpener(*findOpener("CWSet"), mdiForm);
        frmCWSet->CheckBox->click();
        frmCWSet->RB_1->click();
        typeInto(frmCWSet->DBE_BL, "0.015");
        frmCWSet->BB_Ok->click();

        openDialog(2024, 1)->BB_OK->click();
        const qint64 january = app.db().scalar("SELECT rid FROM Fee WHERE inDate = '202401'").toLongLong();
        QCOMPARE(amount(app.db(), "BCNum1", january), d("300"));
        // The month is read and charged but not collected.
        app.db().exec("UPDATE Fee SET BMNum1 = 320, BYFee = 50, BYHJ = 50 WHERE rid = ?", {january});

        openDialog(2024, 2)->BB_OK->click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList({kGenerated, kGenerated}));
        const qint64 february = app.db().scalar("SELECT rid FROM Fee WHERE inDate = '202402'").toLongLong();
        QCOMPARE(amount(app.db(), "BCNum1", february), d("320"));
        QCOMPARE(amount(app.db(), "WYqk", february), d("50"));
        QCOMPARE(amount(app.db(), "ZNJ", february), d("0.75"));
        QCOMPARE(text(app.db(), "ownerName", february), QString("张三"));
    }
};

WYGL_TEST(TestSCYSK)
#include "tst_SCYSK.moc"
