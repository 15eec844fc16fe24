// The collection dialog opened from the collection window: what it lists,
// what its buttons collect and write, the receipt it prints, and what
// happens when the rows or the database do not play along.

#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "fees/AmountToCapitals.h"
#include "fees/Shouqu.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>

using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

// Room 101's row of May for an item, as stored.
QString flagOf(AppFixture& app, const QString& feeName, const QString& roomNum = "101")
{
    return app.db()
        .scalar("SELECT flag FROM Fee WHERE RoomNum = ? AND FeeName = ? AND inDate = '202405'", {roomNum, feeName})
        .toString();
}

QVariant paidOf(AppFixture& app, const QString& feeName)
{
    return app.db().scalar("SELECT SSJE FROM Fee WHERE RoomNum = '101' AND FeeName = ? AND inDate = '202405'",
                           {feeName});
}

QList<QStringList> listed(TfrmShouqu* d)
{
    QList<QStringList> out;
    for (int r = 0; r < d->LV_Shq->rowCount(); ++r)
        out << d->LV_Shq->row(r);
    return out;
}

TfrmSk* deskAt101(AppFixture&)
{
    TfrmSk* w = openDesk();
    return w && chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101") ? w : nullptr;
}

void press(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

class TestShouqu : public QObject {
    Q_OBJECT
    // Receipts go to a preview that keeps them; no dialog waits for a click.
    std::unique_ptr<PrintCatcher> printed;

private slots:
    void init() { printed = std::make_unique<PrintCatcher>(); }
    void cleanup() { printed.reset(); }

    void allListsWhatIsDueAndCollectsTheMonth()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = deskAt101(app);
        QVERIFY(w);
        w->N2->trigger();
        TfrmShouqu* dlg = frmShouqu;
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QString("收取"));
        QCOMPARE(w->CollectMode, QString("All"));
        QCOMPARE(listed(dlg), (QList<QStringList>{{"水费", "30", "5.5", "0", "35.5", ""},
                                                {"卫生费", "12", "0", "0", "12", "47.5"}}));
        QVERIFY(dlg->BB_Ok->isDefault());
        QVERIFY(dlg->BB_CD->isHidden());
        testsupport::saveScreenshot(dlg, "collection_dialog");

        press(dlg->BB_Ok);
        QVERIFY(!frmShouqu);
        // The zero row is settled with the others; the uncharged row is not.
        for (const char* paid : {"水费", "电费", "卫生费"})
            QCOMPARE(flagOf(app, paid), QString("已收取"));
        QCOMPARE(data::Decimal::fromVariant(paidOf(app, "水费")), d("35.50"));
        QCOMPARE(data::Decimal::fromVariant(paidOf(app, "电费")), d("0"));
        QCOMPARE(flagOf(app, "燃气费"), QString("未收取"));
        QVERIFY(paidOf(app, "燃气费").isNull());
        QCOMPARE(flagOf(app, "水费", "102"), QString("未收取"));
        QCOMPARE(count(app.db(), "SFSJ"), 1);
        // The window shows the new flags.
        QCOMPARE(column(w->DBG_YSxm, "flag"), QStringList({"已收取", "已收取", "未收取", "已收取", "已收取"}));

        // The month is paid: nothing more to collect, by either command.
        w->N2->trigger();
        emit w->DBG_YSxm->doubleClicked(w->DBG_YSxm->model()->index(0, 0));
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"该用户本月无应收项目！", "该用户本月无应收项目！"}));
        QVERIFY(!frmShouqu);
    }

    void singleChecksTheSelectedRowInOrder_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("warning");
        QTest::newRow("not yet charged") << "燃气费" << "你选择的是空项，无法操作！";
        QTest::newRow("collected") << "物业费" << "该项费用已收取！请仔细核对！";
        QTest::newRow("no amount") << "电费" << "该项费用无金额！请仔细核对！";
        QTest::newRow("payable") << "卫生费" << "";
    }

    void singleChecksTheSelectedRowInOrder()
    {
        QFETCH(QString, item);
        QFETCH(QString, warning);
        AppFixture app("1", deskRegister);
        TfrmSk* w = deskAt101(app);
        QVERIFY(clickRow(w->DBG_YSxm, "FeeName", item));
        w->N1->trigger();
        QCOMPARE(w->CollectMode, QString("Single"));
        if (!warning.isEmpty()) {
            QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({warning}));
            QVERIFY(!frmShouqu);
            return;
        }
        TfrmShouqu* dlg = frmShouqu;
        QVERIFY(dlg);
        QCOMPARE(listed(dlg), (QList<QStringList>{{"卫生费", "12", "0", "0", "12", "12"}}));
        press(dlg->BB_Ok);
        QCOMPARE(flagOf(app, "卫生费"), QString("已收取"));
        QCOMPARE(flagOf(app, "水费"), QString("未收取"));
        QCOMPARE(flagOf(app, "电费"), QString("未收取"));
    }

    void receiptWrittenPrintedAndNotTwice()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = deskAt101(app);
        w->N2->trigger();
        TfrmShouqu* dlg = frmShouqu;
        press(dlg->SpeedButton1);

        // The engine's receipt row for what was listed (its columns are the
        // engine tests' business), its number read back for the print.
        QSqlQuery q = app.db().exec("SELECT ownerName, SFzy, FSje, KPDate, SJNum FROM SFSJ ORDER BY rid DESC");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString() + "|" + q.value(1).toString(), QString("张三|水费、卫生费、"));
        QCOMPARE(data::Decimal::fromVariant(q.value(2)).quantize(2), d("47.50"));
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QCOMPARE(q.value(3).toString().left(10), today);
        const QString number = q.value(4).toString();
        QCOMPARE(dlg->receipt()->number, q.value(4).toLongLong());

        // Printed once, with the number the database gave the row.
        QCOMPARE(printed->documents().size(), size_t(1));
        const QStringList texts = printed->lastTexts();
        for (const QString& t : {"收据号码： " + number, "日期：" + today, QString("交    来    水费、卫生费、"),
                                 QString("人民币(大写)  肆拾柒元伍角整"), QString("￥ 47.5")})
            QVERIFY2(texts.contains(t), qPrintable(t));

        // The dialog stays, with nothing left to press but 取消.
        QCOMPARE(frmShouqu, dlg);
        QVERIFY(dlg->isVisible());
        QVERIFY(!dlg->BB_Ok->isEnabled());
        QVERIFY(!dlg->SpeedButton1->isEnabled());
        press(dlg->SpeedButton1);
        QTest::keyClick(dlg, Qt::Key_Return);
        QCOMPARE(count(app.db(), "SFSJ"), 2);
        QCOMPARE(printed->documents().size(), size_t(1));
        // The window's receipts page has the new one.
        QCOMPARE(column(w->DBG_SFJL, "SFzy"), QStringList({"物业费、", "水费、卫生费、"}));
        QTest::keyClick(dlg, Qt::Key_Escape);
        QVERIFY(!frmShouqu);
    }

    void aFailureChangesNothing()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = deskAt101(app);
        failWhen(app.db(), "SFSJ", "INSERT", "NEW.FSje > 0");
        w->N2->trigger();
        TfrmShouqu* dlg = frmShouqu;
        press(dlg->SpeedButton1);
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        QVERIFY(Msg::texts(MsgKind::Error).first().contains("injected failure"));
        for (const char* item : {"水费", "电费", "卫生费"})
            QCOMPARE(flagOf(app, item), QString("未收取"));
        QCOMPARE(count(app.db(), "SFSJ"), 1);
        QVERIFY(printed->documents().empty());
        QCOMPARE(app.db().transactionDepth(), 0);

        // The dialog is still there to collect without a receipt.
        QCOMPARE(frmShouqu, dlg);
        QVERIFY(dlg->BB_Ok->isEnabled() && dlg->SpeedButton1->isEnabled());
        press(dlg->BB_Ok);
        QCOMPARE(flagOf(app, "卫生费"), QString("已收取"));
        QCOMPARE(count(app.db(), "SFSJ"), 1);
    }

    void anotherRoomInTheWindowChangesNothingTheDialogTakes()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = deskAt101(app);
        w->N2->trigger();
        TfrmShouqu* all = frmShouqu;
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "102"));
        QCOMPARE(column(w->DBG_YSxm, "FeeName"), QStringList({"水费"}));
        press(all->BB_Ok);
        QCOMPARE(flagOf(app, "卫生费"), QString("已收取"));
        QCOMPARE(flagOf(app, "水费", "102"), QString("未收取"));
        // The window still shows room 102, as read again.
        QCOMPARE(column(w->DBG_YSxm, "flag"), QStringList({"未收取"}));

        // One row of room 102 chosen, then room 301 of another building.
        w->N1->trigger();
        TfrmShouqu* single = frmShouqu;
        QVERIFY(single);
        QVERIFY(choose(w->DBLC_Build, "3号楼"));
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "301"));
        press(single->SpeedButton1);
        QCOMPARE(flagOf(app, "水费", "102"), QString("已收取"));
        QCOMPARE(flagOf(app, "水费", "301"), QString("未收取"));
        QCOMPARE(single->receipt()->room.roomNum, QString("102"));
        QCOMPARE(single->receipt()->summary, QString("水费"));
    }

    void refusedWhenTheAmountOrTheRowsWillNotDo()
    {
        AppFixture app("1", deskRegister);
        addFee(app.db(), room("104", "王五"), "01", "202405",
               {{"BYFee", "100000000"}, {"WYqk", "0"}, {"ZNJ", "0"}, {"BYHJ", "100000000"}});
        TfrmSk* w = openDesk();
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "104"));
        w->N2->trigger();
        TfrmShouqu* dlg = frmShouqu;
        // No receipt whose amount the capitals cannot write.
        press(dlg->SpeedButton1);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({fees::amountTooLargeMessage()}));
        QCOMPARE(flagOf(app, "水费", "104"), QString("未收取"));
        QVERIFY(dlg->SpeedButton1->isEnabled());

        // Another workstation changes the row meanwhile: nothing is collected.
        app.db().exec("UPDATE Fee SET BYHJ = 5 WHERE RoomNum = '104'");
        press(dlg->BB_Ok);
        QCOMPARE(Msg::texts(MsgKind::Warning).last(), QString("费用已被收取或修改，请重新选择后再收费。"));
        QVERIFY(!frmShouqu);
        QCOMPARE(flagOf(app, "水费", "104"), QString("未收取"));
        QCOMPARE(count(app.db(), "SFSJ"), 1);
        QCOMPARE(column(w->DBG_YSxm, "BYHJ"), QStringList({"5"}));
    }

    // The dialog takes what to collect from its request alone: no collection
    // window need be open, and it answers each attempt with collected().
    void theRequestAloneSaysWhatToCollect()
    {
        AppFixture app("1", deskRegister);
        int tries = 0;
        CollectionRequest request;
        request.room = room("101", "张三");
        request.period = "202405";
        TfrmShouqu* dlg = ui::openChildForm(frmShouqu, nullptr, [&](TfrmShouqu& d) {
            d.setRequest(request);
            connect(&d, &TfrmShouqu::collected, [&] { ++tries; });
        });
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(listed(dlg), (QList<QStringList>{{"水费", "30", "5.5", "0", "35.5", ""},
                                                {"卫生费", "12", "0", "0", "12", "47.5"}}));
        press(dlg->BB_Ok);
        QCOMPARE(tries, 1);
        QVERIFY(!frmShouqu);
        QCOMPARE(flagOf(app, "卫生费"), QString("已收取"));

        // No room in the request: nothing is due and nothing is tried.
        ui::openChildForm(frmShouqu, nullptr, [](TfrmShouqu& d) { d.setRequest({}); });
        QVERIFY(!frmShouqu);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"该用户本月无应收项目！"}));
        QCOMPARE(tries, 1);
    }
};

WYGL_TEST(TestShouqu)
#include "tst_Shouqu.moc"
