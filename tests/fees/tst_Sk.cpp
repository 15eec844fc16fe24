// The collection window driven as a cashier would: the cascade of district,
// building, month and room, the room finder, the receipts page and reprints.

#include "CollectionDesk.h"
#include "FeeFixture.h"
#include "fees/AmountToCapitals.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/Shouqu.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>

using namespace feetest;
using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

QStringList entries(ui::DBLookupComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList feeNames(TfrmSk* w)
{
    return column(w->DBG_YSxm, "FeeName");
}

QStringList rooms(TfrmSk* w)
{
    return column(w->DBG_JBxx, "RoomNum");
}

}  // namespace

class TestSk : public QObject {
    Q_OBJECT
private slots:
    void lookupsCascadeAndEveryChangeClearsTheRows()
    {
        AppFixture app("2", deskRegister);
        QVERIFY(!openDesk());
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"用户权限不足，无法进行该操作！"}));
        app.setLevel("1");
        TfrmSk* w = openDesk();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("收费管理"));
        QCOMPARE(w->mdiSubWindow()->size(), QSize(663, 418));
        QVERIFY(!w->PageControl1->isEnabled());
        QCOMPARE(entries(w->DBLC_Reg), QStringList({"翠苑小区", "西湖小区"}));
        QVERIFY(entries(w->DBLC_Build).isEmpty());

        QVERIFY(choose(w->DBLC_Reg, "翠苑小区"));
        QCOMPARE(entries(w->DBLC_Build), QStringList({"2号楼", "3号楼"}));
        QVERIFY(rooms(w).isEmpty());

        // Occupied rooms only; the receipts follow the room under the cursor.
        QVERIFY(choose(w->DBLC_Build, "2号楼"));
        QVERIFY(w->PageControl1->isEnabled());
        QCOMPARE(rooms(w), QStringList({"101", "102", "104"}));
        QCOMPARE(column(w->DBG_JBxx, "Users"), QStringList({"张三", "李四", "王五"}));
        QCOMPARE(column(w->DBG_SFJL, "SFzy"), QStringList({"物业费、"}));
        QVERIFY(feeNames(w).isEmpty());

        setMonth(w, 2024, 5);
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "101"));
        QCOMPARE(feeNames(w), QStringList({"水费", "电费", "燃气费", "物业费", "卫生费"}));
        QCOMPARE(column(w->DBG_YSxm, "BYHJ").first(), QString("35.5"));
        QCOMPARE(w->period(), QString("202405"));
        testsupport::saveScreenshot(w->frameWidget(), "collection_window");

        // A new month keeps the room, not the list's cursor, and shows its rows.
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "102"));
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "101"));
        setMonth(w, 2024, 4);
        QCOMPARE(rooms(w), QStringList({"101", "102", "104"}));
        QCOMPARE(feeNames(w), QStringList({"水费"}));
        QVERIFY(w->chosenRoom() && w->chosenRoom()->ownerName == "张三");
        QCOMPARE(w->period(), QString("202404"));

        // Turning the page reads the chosen room again and chooses none.
        w->PageControl1->setCurrentIndex(1);
        w->PageControl1->setCurrentIndex(0);
        QCOMPARE(feeNames(w), QStringList({"水费"}));

        QVERIFY(choose(w->DBLC_Build, "3号楼"));
        QVERIFY(feeNames(w).isEmpty());
        QCOMPARE(rooms(w), QStringList({"301"}));
        w->PageControl1->setCurrentIndex(1);
        w->PageControl1->setCurrentIndex(0);
        QVERIFY(feeNames(w).isEmpty());

        // Another district takes the building and its rooms away.
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "301"));
        QVERIFY(choose(w->DBLC_Reg, "西湖小区"));
        QVERIFY(feeNames(w).isEmpty());
        QVERIFY(rooms(w).isEmpty());
        QVERIFY(column(w->DBG_SFJL, "SFzy").isEmpty());
        QCOMPARE(w->DBLC_Build->currentIndex(), -1);
        QCOMPARE(entries(w->DBLC_Build), QStringList({"7号楼"}));
        QVERIFY(choose(w->DBLC_Build, "7号楼"));
        QCOMPARE(rooms(w), QStringList({"701"}));

        w->SpeedButton2->click();
        QVERIFY(!frmSk);
    }

    void columnsShowTheirTitlesOrNoneAndTheWindowTheProgramsIcon()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = openDesk();
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101"));
        for (ui::DBGrid* grid : w->findChildren<ui::DBGrid*>()) {
            const QVector<ui::GridColumn> cols = grid->columns();
            for (int c = 0; c < cols.size(); ++c) {
                const QString title = grid->model()->headerData(c, Qt::Horizontal).toString();
                QVERIFY2(title == cols[c].title, qPrintable(grid->objectName() + ": " + title));
            }
        }
        QCOMPARE(column(w->DBG_YSxm, "flag").first(), QString("未收取"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(w->mdiSubWindow()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        testsupport::saveScreenshot(w->frameWidget(), "collection_window_titles");
    }

    void roomFinder()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = openDesk();
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101"));
        testsupport::typeInto(w->E_D, "102");
        w->SpeedButton1->click();
        QCOMPARE(DM->AQ_SFee1->fieldValue("RoomNum").toString(), QString("102"));
        QCOMPARE(feeNames(w), QStringList({"水费"}));
        QCOMPARE(w->chosenRoom()->ownerName, QString("李四"));

        // No such room (the vacant one is not listed), or nothing typed: nothing moves.
        for (const QString& text : {QString("999"), QString("10"), QString("103"), QString()}) {
            testsupport::typeInto(w->E_D, text);
            w->SpeedButton1->click();
            QCOMPARE(DM->AQ_SFee1->fieldValue("RoomNum").toString(), QString("102"));
            QCOMPARE(w->chosenRoom()->roomNum, QString("102"));
        }
    }

    void receiptsOfEveryMonthAndReprint()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = openDesk();
        PrintCatcher printed;
        w->N5->trigger();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"不能打印空记录！"}));

        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "101"));
        w->PageControl1->setCurrentIndex(1);
        QCOMPARE(column(w->DBG_SFJL, "SFzy"), QStringList({"物业费、"}));
        QCOMPARE(column(w->DBG_SFJL, "KPDate"), QStringList({"2024-03-15"}));
        const QString number = column(w->DBG_SFJL, "SJNum").value(0);
        QVERIFY(!number.isEmpty());

        w->N5->trigger();
        QCOMPARE(printed.documents().size(), size_t(1));
        const QStringList texts = printed.lastTexts();
        for (const char* t : {"翠苑物业管理有限公司", "收款收据", "日期：2024-03-15", "今 收 到    张三",
                                 "房屋编号    2→1→101", "交    来    物业费、", "人民币(大写)  陆拾元整", "￥ 60"})
            QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
        QVERIFY(texts.contains("收据号码： " + number));

        // A room without receipts has nothing to print again.
        Msg::clearLog();
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "104"));
        QVERIFY(column(w->DBG_SFJL, "SFzy").isEmpty());
        w->N5->trigger();
        // Nor one whose amount cannot be written in capitals.
        insertRow(app.db(), "SFSJ", {{"RegionId", "1"}, {"BuildId", "2"}, {"UnitName", "1"}, {"RoomNum", "104"},
                                     {"ownerId", "o104"}, {"ownerName", "王五"}, {"FSje", "100000000"}});
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "104"));
        w->N5->trigger();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList({"不能打印空记录！", fees::amountTooLargeMessage()}));
        QCOMPARE(printed.documents().size(), size_t(1));
    }

    void aRoomWithoutRowsOfTheMonth()
    {
        AppFixture app("1", deskRegister);
        TfrmSk* w = openDesk();
        // Nothing chosen yet, then a room with no rows.
        w->N2->trigger();
        QVERIFY(chooseRoom(w, "翠苑小区", "2号楼", 2024, 5, "104"));
        QVERIFY(feeNames(w).isEmpty());
        w->N2->trigger();
        w->N1->trigger();
        QCOMPARE(Msg::texts(MsgKind::Warning),
                 QStringList({"该用户本月无应收项目！", "该用户本月无应收项目！", "你选择的是空项，无法操作！"}));
        QVERIFY(!frmShouqu);
        QCOMPARE(w->CollectMode, QString("Single"));
    }
};

WYGL_TEST(TestSk)
#include "tst_Sk.moc"
