// The receivables window driven as the office would: choosing the room and
// month, the details page by the item's kind, and printing the notice, also
// while the collection window is open on another room.

#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/AmountToCapitals.h"
#include "fees/YSKgl.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>

using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

// The desk's register, with water and electricity metered, cleaning not,
// and gas no item at all.
void receivables(data::Connection& c)
{
    deskRegister(c);
    insertRow(c, "FeeType1", {{"FeeId", "01"}, {"FeeName", "水费 "}, {"JLFlag", "A"}});
    insertRow(c, "FeeType1", {{"FeeId", "02"}, {"FeeName", "电费"}, {"JLFlag", "A "}});
    insertRow(c, "FeeType1", {{"FeeId", "05"}, {"FeeName", "卫生费"}, {"JLFlag", "F"}});
}

TfrmYSKgl* openReceivables()
{
    // Shown, so that its lists can be clicked.
    mdiForm->show();
    runOpener(*findOpener("YSkgl"), mdiForm);
    return frmYSKgl;
}

QStringList feeNames(TfrmYSKgl* w)
{
    return column(w->DBG_YSxm, "FeeName");
}

bool meteredShown(TfrmYSKgl* w)
{
    const bool metered = w->PC_1->currentWidget() == w->TS_KJL;
    return metered && !w->GBox1->isHidden() && w->GBox2->isHidden();
}

bool amountsShown(TfrmYSKgl* w)
{
    return w->PC_1->currentWidget() == w->TS_FJL && w->GBox1->isHidden() && !w->GBox2->isHidden();
}

}  // namespace

class TestYSKgl : public QObject {
    Q_OBJECT
private slots:
    void chooseARoomAndSeeItsItems()
    {
        AppFixture app("2", receivables);
        QVERIFY(!openReceivables());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"用户权限不足，无法进行该操作！"}));
        app.setLevel("1");
        TfrmYSKgl* w = openReceivables();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("应收款管理"));
        QVERIFY(!w->PC_1->isEnabled());
        QVERIFY(!w->DBLC_Build->isEnabled());
        QCOMPARE(w->SpeedButton2->toolTip(), QString("离开当前窗口"));

        QVERIFY(choose(w->DBLC_Reg, "翠苑小区"));
        QVERIFY(w->DBLC_Build->isEnabled());
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101"));
        QCOMPARE(feeNames(w), QStringList({"水费", "电费", "燃气费", "物业费", "卫生费"}));
        QCOMPARE(w->period(), QString("202405"));
        // The first item is water: metered, by its name trimmed.
        QVERIFY(meteredShown(w));
        testsupport::saveScreenshot(w->frameWidget(), "receivables_window");

        // The page follows the item clicked: an item of another kind, one
        // whose kind has blanks, and one not among the items at all.
        const QList<std::pair<QString, bool>> items{
            {"卫生费", false}, {"电费", true}, {"燃气费", false}, {"水费", true}};
        for (const auto& [name, metered] : items) {
            QVERIFY(clickRow(w->DBG_YSxm, "FeeName", name));
            QVERIFY2(metered ? meteredShown(w) : amountsShown(w), qPrintable(name));
        }

        // The finder chooses a room as a click does.
        testsupport::typeInto(w->E_D, "102");
        w->SpeedButton1->click();
        QCOMPARE(w->chosenRoom()->ownerName, QString("李四"));
        QCOMPARE(feeNames(w), QStringList({"水费"}));
        QVERIFY(meteredShown(w));

        w->SpeedButton2->click();
        QVERIFY(!frmYSKgl);
    }

    void theNoticeOfTheRoomOnTheScreen()
    {
        AppFixture app("1", receivables);
        TfrmYSKgl* w = openReceivables();
        PrintCatcher printed;
        w->N1->trigger();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList({"不能打印空记录！"}));

        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101"));
        w->N1->trigger();
        QCOMPARE(printed.documents().size(), size_t(1));
        QStringList texts = printed.lastTexts();
        for (const char* t : {"欠费催缴通知单", "房屋编号：1 2 1 101", "张三", "水费", "电费", "燃气费", "卫生费",
                              "人民币 肆拾柒元伍角整", "￥ 47.5元"})
            QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
        QVERIFY(!texts.contains("物业费"));

        // The collection window, open at the same time, loads another room
        // into the lists both windows share: the notice still prints this
        // window's room.
        TfrmSk* desk = openDesk();
        QVERIFY(chooseRoom(desk, "翠苑小区", "2号楼", 2024, 5, "102"));
        QCOMPARE(column(desk->DBG_YSxm, "BYHJ"), QStringList({"8"}));
        w->N1->trigger();
        texts = printed.lastTexts();
        QVERIFY(texts.contains("房屋编号：1 2 1 101"));
        QVERIFY(texts.contains("张三") && !texts.contains("李四"));
        QVERIFY(texts.contains("￥ 47.5元"));

        // Another month keeps the room: its notice of that month.
        setMonth(w, 2024, 4);
        w->N1->trigger();
        texts = printed.lastTexts();
        QVERIFY(texts.contains("房屋编号：1 2 1 101") && texts.contains("￥ 9元"));

        // Collected in the meantime: what is still owed.
        app.db().exec("UPDATE Fee SET flag = '已收取' WHERE RoomNum = '101' AND FeeID IN ('01', '05')");
        w->N1->trigger();
        texts = printed.lastTexts();
        QVERIFY(texts.contains("￥ 0元") && texts.contains("人民币 "));
        QVERIFY(!texts.contains("水费"));
        QCOMPARE(printed.documents().size(), size_t(4));
    }

    void noticesThatCannotBeMadeAreNotPrinted()
    {
        AppFixture app("1", [](data::Connection& c) {
            receivables(c);
            addFee(c, room("104", "王五"), "01", "202405", {{"BYHJ", "99999999.99"}});
            addFee(c, room("104", "王五"), "02", "202405", {{"BYHJ", "0.01"}});
            // Occupied, but listed without the occupant's id.
            insertRow(c, "Rooms",
                      {{"RegionID", "1"}, {"BuildId", "2"}, {"BuildName", "2号楼"}, {"UnitName", "1"},
                       {"RoomNum", "105"}, {"UserId", QVariant()}, {"Users", "孙八"}, {"UState", "B"}});
        });
        TfrmYSKgl* w = openReceivables();
        PrintCatcher printed;
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "104"));
        w->N1->trigger();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({fees::amountTooLargeMessage()}));

        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "105"));
        w->N1->trigger();
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList({"不能打印空记录！"}));
        QVERIFY(printed.documents().empty());
    }
};

WYGL_TEST(TestYSKgl)
#include "tst_YSKgl.moc"
