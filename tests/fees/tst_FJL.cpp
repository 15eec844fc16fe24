#include "ChargeWindows.h"
#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/FJL.h"
#include "fees/FJL_dx.h"
#include "fees/Period.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace chargetest;
using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

// The management-fee rows ("04") of the server's month for rooms 101-103,
// 103 already collected, and a cleaning-fee row beside them.
struct MonthRows {
    QString period;
    qint64 r101 = 0, r102 = 0, r103 = 0, cleaning = 0;
};

MonthRows addMonthRows(data::Connection& c)
{
    MonthRows m;
    m.period = fees::serverPeriod(c).text();
    m.r101 = addFee(c, room("101"), "04", m.period, {{"FTFee", "0"}, {"WYqk", "12.30"}, {"ZNJ", "0.62"}});
    m.r102 = addFee(c, room("102"), "04", m.period, {{"FTFee", "1.00"}});
    m.r103 = addFee(c, room("103"), "04", m.period,
                    {{"BYFee", "0"}, {"BYHJ", "50"}, {"SSJE", "50"}, {"flag", "已收取"}});
    m.cleaning = addFee(c, room("101"), "05", m.period);
    return m;
}

TfrmFJL* openFJL()
{
    runOpener(*findOpener("FJLJF"), mdiForm);
    return frmFJL;
}

void fill(TfrmFJL* w, const QString& item, const QString& price, const QString& months)
{
    if (!item.isEmpty())
        choose(w->DBLC_FeeType, item);
    w->E_dj->setText(price);
    w->ME_sj->setText(months);
}

}  // namespace

class TestFJL : public QObject {
    Q_OBJECT
private slots:
    void init() { Msg::clearLog(); }

    void chargesEveryRoomOfTheMonth_data()
    {
        QTest::addColumn<QString>("basis");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("charge101");
        QTest::addColumn<QString>("charge102");
        QTest::newRow("floor area") << "RB_1" << "2.5" << "3" << "600" << "600.75";
        QTest::newRow("usable area") << "RB_2" << "2" << "1" << "120" << "120";
        QTest::newRow("per room") << "RB_3" << "30" << "2" << "60" << "60";
        // 80.10 x 0.25 = 20.025: these charges round ties away from zero.
        QTest::newRow("tie") << "RB_1" << "0.25" << "1" << "20" << "20.03";
    }
    void chargesEveryRoomOfTheMonth()
    {
        QFETCH(QString, basis);
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(QString, charge101);
        QFETCH(QString, charge102);
        AppFixture app("1", seedDistrict);
        const MonthRows m = addMonthRows(app.db());
        TfrmFJL* w = openFJL();
        const auto p = fees::Period::fromText(m.period);
        QCOMPARE(w->lbl_date->text(), QString("记费日期： %1年%2月").arg(p->year).arg(p->month));
        QVERIFY(w->RB_3->isChecked());
        w->findChild<QRadioButton*>(basis)->setChecked(true);
        fill(w, "04", price, months);
        QTest::keyClick(w->E_dj, Qt::Key_Return);
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"数据记入成功！"});
        QCOMPARE(amount(app.db(), "BYFee", m.r101), d(charge101));
        QCOMPARE(amount(app.db(), "BYHJ", m.r101), d(charge101) + d("12.92"));
        QCOMPARE(amount(app.db(), "BYHJ", m.r102), d(charge102) + d("1"));
        QCOMPARE(amount(app.db(), "BYHJ", m.r103), d("50"));  // collected: left alone
        QVERIFY(amount(app.db(), "BYFee", m.cleaning).isNull());
        // A second run of the item in the month is refused.
        Msg::clearLog();
        fill(w, "", "9", "1");
        w->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"本月该项费用已记入，不能进行操作。"});
        QCOMPARE(amount(app.db(), "BYFee", m.r101), d(charge101));
    }

    void refusesWhatCannotBeCharged_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("months");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        const int warning = int(MsgKind::Warning), information = int(MsgKind::Information);
        QTest::newRow("price not a number") << "04" << "2元" << "1" << warning << "请输入正确的数字字符。";
        QTest::newRow("price empty") << "04" << "" << "1" << warning << "请输入正确的数字字符。";
        QTest::newRow("months empty") << "04" << "2" << "" << information << "请输入计算期间。";
        QTest::newRow("months 0") << "04" << "2" << "0" << warning << "计算期间值不能小于或等于0。";
        QTest::newRow("no item") << "" << "2" << "1" << information << "请选择要计算的费用名称。";
    }
    void refusesWhatCannotBeCharged()
    {
        QFETCH(QString, item);
        QFETCH(QString, price);
        QFETCH(QString, months);
        QFETCH(int, kind);
        QFETCH(QString, message);
        AppFixture app("1", seedDistrict);
        addMonthRows(app.db());
        TfrmFJL* w = openFJL();
        fill(w, item, price, months);
        w->BitBtn1Click();
        QCOMPARE(Msg::log().size(), 1);
        QCOMPARE(int(Msg::log().first().kind), kind);
        QCOMPARE(Msg::log().first().text, message);
        if (message == "请输入正确的数字字符。")
            QVERIFY(w->E_dj->text().isEmpty());
        QCOMPARE(count(app.db(), "Fee", "BYFee IS NOT NULL AND flag <> '已收取'"), 0);
    }

    void refusesAMonthNotGenerated()
    {
        AppFixture app("1", seedDistrict);
        addFee(app.db(), room("101"), "04", "200001");
        TfrmFJL* w = openFJL();
        fill(w, "04", "2", "1");
        w->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"上月费用余额尚未结转，请先生成。"});
    }

    void aDatabaseFailureChangesNothing()
    {
        AppFixture app("1", seedDistrict);
        addMonthRows(app.db());
        failWhen(app.db(), "Fee", "UPDATE", "NEW.RoomNum = '102'");
        TfrmFJL* w = openFJL();
        fill(w, "04", "2", "1");
        w->BitBtn1Click();
        QCOMPARE(Msg::texts(MsgKind::Error), QStringList{"数据库操作失败！"});
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{});
        QCOMPARE(count(app.db(), "Fee", "BYFee IS NOT NULL AND flag <> '已收取'"), 0);
        QCOMPARE(app.db().transactionDepth(), 0);
    }

    void perRoomWindowTotalsTheRowsTypedInIt()
    {
        AppFixture app("1", seedDistrict);
        const MonthRows m = addMonthRows(app.db());
        mdiForm->resize(900, 560);
        TfrmFJL* w = openFJL();
        w->SB_GRClick();
        TfrmFJL_dx* dx = frmFJL_dx;
        QVERIFY(dx);
        QCOMPARE(dx->lbl_date->text(), w->lbl_date->text());
        QVERIFY(!dx->DBLC_Build->isEnabled());
        choose(dx->DBLC_Reg, "1");
        choose(dx->DBLC_Build, "2");
        choose(dx->DBLC_FeeType, "04");
        QCOMPARE(dx->DBG_SFee->model()->rowCount(), 3);
        typeCell(dx->DBG_SFee, 0, "BYFee", "45");
        typeCell(dx->DBG_SFee, 0, "FTFee", "5");
        QTest::keyClick(dx->DBG_SFee, Qt::Key_Down);
        QCOMPARE(amount(app.db(), "BYHJ", m.r101), d("62.92"));
        // Null arrears and late fee count as nothing.
        typeCell(dx->DBG_SFee, 1, "FTFee", "2");
        QTest::keyClick(dx->DBG_SFee, Qt::Key_Up);
        QCOMPARE(amount(app.db(), "BYHJ", m.r102), d("2"));
        // The collected row cannot be typed into, nor stored another way.
        dx->AQ_SFee->setRecNo(3);
        QVERIFY(dx->DBG_SFee->isReadOnly());
        dx->AQ_SFee->edit();
        dx->AQ_SFee->fieldByName("BYFee")->setAsString("99");
        QVERIFY_THROWS_EXCEPTION(data::Abort, dx->AQ_SFee->post());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该费用已收取，不能修改。"});
        QCOMPARE(amount(app.db(), "BYFee", m.r103), d("0"));

        // A bulk charge shows in the rows here, and a later change totals
        // the charge as stored.
        app.db().exec("UPDATE Fee SET BYFee = NULL, BYHJ = NULL WHERE rid = ?", {m.r101});
        fill(w, "04", "30", "1");
        w->BitBtn1Click();
        QCOMPARE(cell(dx->DBG_SFee, 1, "BYFee"), QString("30"));
        typeCell(dx->DBG_SFee, 1, "FTFee", "3");
        QTest::keyClick(dx->DBG_SFee, Qt::Key_Up);
        QCOMPARE(amount(app.db(), "BYHJ", m.r102), d("33"));
        QVERIFY(!testsupport::saveScreenshot(w->frameWidget(), "nonmetered_charge").isEmpty());
        QVERIFY(!testsupport::saveScreenshot(dx->frameWidget(), "nonmetered_per_room").isEmpty());
    }
};

WYGL_TEST(TestFJL)
#include "tst_FJL.moc"
