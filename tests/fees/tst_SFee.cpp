#include "ChargeWindows.h"
#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/FJL.h"
#include "fees/SFee.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using namespace chargetest;
using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kMonth = "202405";

// Building 2's water rows of May: room 101 with three meters and arrears,
// 102 plain, 103 collected; beside them rows of another item, another month
// and another building that the grid must not show.
struct MayRows {
    qint64 r101 = 0, r102 = 0, r103 = 0;
};

MayRows addMayRows(data::Connection& c, const QVariant& quota = 10)
{
    MayRows m;
    m.r101 = addFee(c, room("101"), "01", kMonth,
                    {{"BCNum1", "100"}, {"BCNum2", "50"}, {"BCNum3", "20"}, {"DL", quota}, {"FTFee", "0"},
                     {"WYqk", "12.30"}, {"ZNJ", "0.62"}});
    m.r102 = addFee(c, room("102"), "01", kMonth, {{"BCNum1", "7"}, {"DL", 0}, {"FTFee", "0"}, {"WYqk", "0"}});
    m.r103 = addFee(c, room("103"), "01", kMonth,
                    {{"BCNum1", "9"}, {"BMNum1", "19"}, {"BYFee", "20"}, {"BYHJ", "20"}, {"SSJE", "20"},
                     {"flag", "已收取"}});
    addFee(c, room("101"), "02", kMonth);
    addFee(c, room("101"), "01", "202404");
    fees::RoomKey other = room("101");
    other.buildId = "3";
    addFee(c, other, "01", kMonth);
    return m;
}

TfrmSFee* openSFee()
{
    runOpener(*findOpener("SFee"), mdiForm);
    return frmSFee;
}

// District 1, building 2, the item, May 2024.
void showRows(TfrmSFee* w, const QString& item = "01")
{
    choose(w->DBLC_Reg, "1");
    choose(w->DBLC_Build, "2");
    w->DTP_Date->setDate(QDate(2024, 5, 1));
    choose(w->DBLC_FeeType, item);
}

QStringList shownRooms(TfrmSFee* w)
{
    QStringList rooms;
    for (int r = 0; r < w->DBG_SFee->model()->rowCount(); ++r)
        rooms << cell(w->DBG_SFee, r, "RoomNum");
    return rooms;
}

}  // namespace

class TestSFee : public QObject {
    Q_OBJECT
private slots:
    void init() { Msg::clearLog(); }

    void chargesTheRowWhenItIsStored_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QVariant>("quota");
        QTest::addColumn<QStringList>("ends");  // "" leaves a meter unread
        QTest::addColumn<QString>("apportioned");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("charge");
        // Start readings 100, 50, 20; water costs 2 within and 3 over the
        // quota; arrears and late fee 12.92.
        QTest::newRow("three meters, over quota") << "01" << QVariant(10) << QStringList{"105", "55", "25"} << ""
                                                  << "15" << "35";
        QTest::newRow("only meter 2, under quota") << "01" << QVariant(10) << QStringList{"", "58", ""} << "" << "8"
                                                   << "16";
        QTest::newRow("quota left empty") << "01" << QVariant() << QStringList{"140", "", ""} << "" << "40"
                                          << "80";
        QTest::newRow("apportioned") << "01" << QVariant(10) << QStringList{"110", "", ""} << "3.50" << "10"
                                     << "20";
        // 2.5 x 1.07 = 2.675: ties go to even on the exact value.
        QTest::newRow("tie") << "02" << QVariant(0) << QStringList{"102.5", "", ""} << "" << "2.5" << "2.68";
    }
    void chargesTheRowWhenItIsStored()
    {
        QFETCH(QString, item);
        QFETCH(QVariant, quota);
        QFETCH(QStringList, ends);
        QFETCH(QString, apportioned);
        QFETCH(QString, usage);
        QFETCH(QString, charge);
        AppFixture app("1", seedDistrict);
        const qint64 rid = addFee(app.db(), room("101"), item, kMonth,
                                  {{"BCNum1", "100"}, {"BCNum2", "50"}, {"BCNum3", "20"}, {"DL", quota},
                                   {"FTFee", "0"}, {"WYqk", "12.30"}, {"ZNJ", "0.62"}});
        TfrmSFee* w = openSFee();
        showRows(w, item);
        QCOMPARE(shownRooms(w), QStringList{"101"});
        for (int i = 0; i < 3; ++i)
            if (!ends[i].isEmpty())
                typeCell(w->DBG_SFee, 0, QString("BMNum%1").arg(i + 1), ends[i]);
        if (!apportioned.isEmpty())
            typeCell(w->DBG_SFee, 0, "FTFee", apportioned);
        QVERIFY(amount(app.db(), "BYHJ", rid).isNull());  // typed, not stored yet

        // Going on past the last row stores it.
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(Msg::log().size(), 0);
        QCOMPARE(w->AQ_SFee->state(), data::DataSetState::Browse);
        QCOMPARE(amount(app.db(), "Counts", rid), d(usage));
        QCOMPARE(amount(app.db(), "BYFee", rid), d(charge));
        QCOMPARE(amount(app.db(), "BYHJ", rid), d(charge) + d(apportioned.isEmpty() ? "0" : apportioned) + d("12.92"));
        QCOMPARE(cell(w->DBG_SFee, 0, "BYHJ"), amount(app.db(), "BYHJ", rid).toString());
    }

    void typingInACellAndLeavingTheRowStoresIt()
    {
        AppFixture app("1", seedDistrict);
        const MayRows m = addMayRows(app.db());
        mdiForm->resize(1100, 620);
        TfrmSFee* w = openSFee();
        showRows(w);
        // The user opens the cell's editor, types, and moves down a row.
        const QModelIndex at = w->DBG_SFee->model()->index(0, column(w->DBG_SFee, "BMNum1"));
        w->DBG_SFee->setCurrentIndex(at);
        w->DBG_SFee->edit(at);
        auto* editor = w->DBG_SFee->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "115");
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(w->AQ_SFee->recNo(), 2);
        QCOMPARE(amount(app.db(), "BYFee", m.r101), d("35"));
        QCOMPARE(amount(app.db(), "BYHJ", m.r101), d("47.92"));
        // A null arrears or late fee counts as nothing in the total.
        typeCell(w->DBG_SFee, 1, "BMNum1", "10.5");
        QTest::keyClick(w->DBG_SFee, Qt::Key_Up);
        QCOMPARE(amount(app.db(), "BYFee", m.r102), d("7"));
        QCOMPARE(amount(app.db(), "BYHJ", m.r102), d("7"));
        QVERIFY(!testsupport::saveScreenshot(mdiForm, "meter_readings").isEmpty());
    }

    void refusesAnEndReadingBelowItsStart()
    {
        AppFixture app("1", seedDistrict);
        const MayRows m = addMayRows(app.db());
        TfrmSFee* w = openSFee();
        showRows(w);
        typeCell(w->DBG_SFee, 0, "BMNum2", "49.99");
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);  // leaving the row tries to store it
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"表末数[2]不能小于表初数[2]！请仔细核对！"});
        QCOMPARE(w->AQ_SFee->recNo(), 1);
        QCOMPARE(w->AQ_SFee->state(), data::DataSetState::Edit);
        QVERIFY(amount(app.db(), "BMNum2", m.r101).isNull());
        // Nor can another month be shown while it is pending.
        Msg::clearLog();
        w->DTP_Date->setDate(QDate(2024, 4, 1));
        QCOMPARE(w->period(), kMonth);
        QCOMPARE(shownRooms(w).size(), 3);
        // Corrected, it is stored.
        typeCell(w->DBG_SFee, 0, "BMNum2", "51");
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(amount(app.db(), "Counts", m.r101), d("1"));
    }

    void aRowWithoutAStartReadingTakesOneFirst()
    {
        AppFixture app("1", seedDistrict);
        const qint64 bare = addFee(app.db(), room("101"), "01", kMonth, {{"DL", 10}, {"FTFee", "0"}});
        const qint64 started = addFee(app.db(), room("102"), "01", kMonth, {{"BCNum1", "7"}, {"DL", 0}});
        TfrmSFee* w = openSFee();
        showRows(w);
        auto editable = [w](int row, const char* field) {
            return bool(w->DBG_SFee->model()->flags(w->DBG_SFee->model()->index(row, column(w->DBG_SFee, field)))
                        & Qt::ItemIsEditable);
        };
        QVERIFY(editable(0, "BCNum1") && editable(0, "BCNum3"));
        QVERIFY(!editable(1, "BCNum1"));
        QVERIFY(editable(1, "BCNum2"));
        // An end reading alone would charge the whole meter: refused, nothing stored.
        typeCell(w->DBG_SFee, 0, "BMNum1", "12345");
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"请先输入表初数！"});
        QCOMPARE(w->AQ_SFee->state(), data::DataSetState::Edit);
        QVERIFY(amount(app.db(), "BMNum1", bare).isNull());
        // With its start reading typed the row is charged from it, and the
        // cell stays open to correct it until the row is stored.
        typeCell(w->DBG_SFee, 0, "BCNum1", "12340");
        QVERIFY(editable(0, "BCNum1"));
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(amount(app.db(), "BCNum1", bare), d("12340"));
        QCOMPARE(amount(app.db(), "BYFee", bare), d("10"));
        QVERIFY(!editable(0, "BCNum1"));
        QVERIFY(amount(app.db(), "BYFee", started).isNull());
    }

    void anItemWithoutPricesIsNotChargedAtZero()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedDistrict(c);
            c.exec("UPDATE FeeType1 SET JWPrice = NULL WHERE FeeId = '01'");
        });
        const MayRows m = addMayRows(app.db());
        TfrmSFee* w = openSFee();
        showRows(w);
        typeCell(w->DBG_SFee, 0, "BMNum1", "115");  // over the quota of 10
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该收费项目没有设置单价！（水费）"});
        QVERIFY(amount(app.db(), "BYFee", m.r101).isNull());
        typeCell(w->DBG_SFee, 0, "BMNum1", "105");  // within it the price is there
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(amount(app.db(), "BYFee", m.r101), d("10"));
    }

    void collectedRowsStayAsTheyAre()
    {
        AppFixture app("1", seedDistrict);
        const MayRows m = addMayRows(app.db());
        TfrmSFee* w = openSFee();
        showRows(w);
        w->AQ_SFee->setRecNo(3);
        QVERIFY(w->DBG_SFee->isReadOnly());
        w->AQ_SFee->setRecNo(2);
        QVERIFY(!w->DBG_SFee->isReadOnly());
        // Collected by the collection window while the row is shown here.
        typeCell(w->DBG_SFee, 1, "BMNum1", "17");
        app.db().exec("UPDATE Fee SET flag = '已收取', SSJE = 0 WHERE rid = ?", {m.r102});
        QTest::keyClick(w->DBG_SFee, Qt::Key_Up);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该费用已收取，不能修改。"});
        QVERIFY(amount(app.db(), "BMNum1", m.r102).isNull());
        QVERIFY(!w->AQ_SFee->isEditing());
        QCOMPARE(amount(app.db(), "BYHJ", m.r103), d("20"));
    }

    void showsOnlyTheChosenBuildingItemAndMonth()
    {
        AppFixture app("1", seedDistrict);
        addMayRows(app.db());
        TfrmSFee* w = openSFee();
        QVERIFY(!w->DBLC_Build->isEnabled() && !w->DBLC_FeeType->isEnabled());
        // A month with no item chosen shows nothing.
        choose(w->DBLC_Reg, "1");
        QVERIFY(w->DBLC_Build->isEnabled());
        QCOMPARE(w->DBLC_Build->count(), 2);
        choose(w->DBLC_Build, "2");
        QVERIFY(w->DBLC_FeeType->isEnabled());
        w->DTP_Date->setDate(QDate(2024, 5, 1));
        QCOMPARE(w->DBG_SFee->model()->rowCount(), 0);
        choose(w->DBLC_FeeType, "01");
        QCOMPARE(shownRooms(w), (QStringList{"101", "102", "103"}));
        w->DTP_Date->setDate(QDate(2024, 4, 1));
        QCOMPARE(shownRooms(w), QStringList{"101"});
        choose(w->DBLC_Build, "3");
        w->DTP_Date->setDate(QDate(2024, 5, 1));
        QCOMPARE(shownRooms(w), QStringList{"101"});
        QCOMPARE(w->AQ_SFee->fieldByName("BuildID")->asString(), QString("3"));
        // The status bar names the item and its prices.
        QCOMPARE(w->panel[0]->text(), QString("费用项目： 水费"));
        QCOMPARE(w->panel[1]->text(), QString("定额单价： 2"));
        QCOMPARE(w->panel[2]->text(), QString("超额单价： 3"));
    }

    void gridKeysAndTheRoomFinder()
    {
        AppFixture app("1", seedDistrict);
        addMayRows(app.db());
        TfrmSFee* w = openSFee();
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"不能对空记录进行操作！！"});
        w->E_D->setText("103");
        w->SpeedButton1Click();  // no item chosen yet: nothing happens
        Msg::clearLog();
        showRows(w);
        QTest::keyClick(w->DBG_SFee, Qt::Key_Right);
        QCOMPARE(w->panel[3]->text(), QString("额定量： 10"));
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(w->panel[3]->text(), QString("额定量： 无"));
        w->SpeedButton1Click();
        QCOMPARE(w->AQ_SFee->recNo(), 3);
        w->E_D->setText("999");
        w->SpeedButton1Click();
        QCOMPARE(w->AQ_SFee->recNo(), 3);
        QVERIFY(Msg::log().isEmpty());
    }

    void theItemListIsTheOneTheLastWindowLoaded()
    {
        AppFixture app("1", seedDistrict);
        const qint64 rid = addFee(app.db(), room("101"), "04", kMonth,
                                  {{"BYFee", "0"}, {"FTFee", "1.00"}, {"WYqk", "12.30"}});
        TfrmSFee* w = openSFee();
        QCOMPARE(w->DBLC_FeeType->count(), 2);  // the metered items
        runOpener(*findOpener("FJLJF"), mdiForm);
        QCOMPARE(w->DBLC_FeeType->count(), 2);
        QCOMPARE(w->DBLC_FeeType->itemText(0), QString("物业费"));
        // A non-metered item: the charge is typed, the readings are not.
        showRows(w, "04");
        QVERIFY(w->DBG_SFee->model()->flags(w->DBG_SFee->model()->index(0, column(w->DBG_SFee, "BYFee")))
                & Qt::ItemIsEditable);
        QVERIFY(!(w->DBG_SFee->model()->flags(w->DBG_SFee->model()->index(0, column(w->DBG_SFee, "BMNum1")))
                  & Qt::ItemIsEditable));
        typeCell(w->DBG_SFee, 0, "BYFee", "30");
        QTest::keyClick(w->DBG_SFee, Qt::Key_Down);
        QCOMPARE(amount(app.db(), "BYHJ", rid), d("43.30"));
    }

    void anEmptyItemListAsksForItems()
    {
        AppFixture app("1", [](data::Connection& c) {
            seedDistrict(c);
            c.exec("DELETE FROM FeeType1 WHERE JLFlag = 'A'");
        });
        TfrmSFee* w = openSFee();
        choose(w->DBLC_Reg, "1");
        choose(w->DBLC_Build, "2");
        w->DBLC_FeeType->showPopup();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"尚未设置费用项目，请先设置费用项目。"});
        QVERIFY(!w->DS_SFee->enabled());
    }
};

WYGL_TEST(TestSFee)
#include "tst_SFee.moc"
