// The fee-item window, driven as a user would.

#include "app/Main.h"
#include "app/Openers.h"
#include "fees/FeeType1.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

void twoItems(data::Connection& c)
{
    c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JNPrice, JWPrice, FeeD, JLFlag) "
           "VALUES ('01', '水费', 2.5, 3.8, '吨', 'A')");
    c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JNPrice, JWPrice, FeeD, JLFlag) "
           "VALUES ('02', '物业费', 0, 0, '平方米', 'F')");
}

void threeItems(data::Connection& c)
{
    twoItems(c);
    c.exec("INSERT INTO FeeType1 (FeeId, FeeName, JNPrice, JWPrice, FeeD, JLFlag) "
           "VALUES ('03', '电费', 0.6, 0.9, '度', 'A')");
}

// The frame shown and active, so that focus moves as it does for a user.
TfrmFeeType1* openShown()
{
    mdiForm->show();
    mdiForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mdiForm))
        qWarning("the frame did not become the active window");
    runOpener(*findOpener("FeeType"), mdiForm);
    return frmFeeType1;
}

QString currentItem()
{
    return DM->AT_FeeType1->fieldByName("FeeId")->asString();
}

TfrmFeeType1* openFeeItems()
{
    runOpener(*findOpener("FeeType"), mdiForm);
    return frmFeeType1;
}

QString stored(AppFixture& app, const QString& column, const QString& feeId)
{
    return app.db().scalar("SELECT " + column + " FROM FeeType1 WHERE FeeId = ?", {feeId}).toString();
}

int items(AppFixture& app)
{
    return app.db().scalar("SELECT count(*) FROM FeeType1").toInt();
}

// Add, with the edit switch turned on first.
TfrmFeeType1* adding(AppFixture&)
{
    TfrmFeeType1* w = openFeeItems();
    w->CheckBox->click();
    w->TB_AddClick();
    return w;
}

}  // namespace

class TestFeeType1 : public QObject {
    Q_OBJECT
private slots:
    void anItemSavedWithoutTheBoxIsMetered()
    {
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = openFeeItems();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString(" 费用设置"));
        QCOMPARE(w->mdiSubWindow()->size(), QSize(461, 432));
        for (ui::ToolButton* b : {w->TB_First, w->TB_Next, w->TB_Refresh})
            QVERIFY(!b->isVisible());
        QVERIFY(!w->TB_Add->isEnabled() && !w->TB_Modi->isEnabled());
        w->CheckBox->click();
        QVERIFY(w->TB_Add->isEnabled() && w->TB_Delete->isEnabled() && w->TB_Modi->isEnabled());

        w->TB_AddClick();
        QVERIFY(w->DBE_ID->isEnabled() && w->DBE_JNFee->isEnabled() && w->CB_JLFlag->isEnabled());
        QVERIFY(!w->DBE_DL->isVisible());
        typeInto(w->DBE_ID, "03");
        typeInto(w->DBE_Name, "电费");
        QVERIFY(w->TB_Save->isEnabled() && w->TB_Cancel->isEnabled());
        w->DBC_FeeD->setText("度");
        w->TB_SaveClick();
        QVERIFY2(Msg::log().isEmpty(), "code and name alone are enough before the box is clicked");
        QCOMPARE(stored(app, "FeeName", "03"), QString("电费"));
        QCOMPARE(stored(app, "FeeD", "03"), QString("度"));
        QCOMPARE(stored(app, "JLFlag", "03"), QString("A"));
        QVERIFY(!w->DBE_ID->isEnabled() && !w->CB_JLFlag->isEnabled());
        QVERIFY(w->TB_Add->isEnabled());
        testsupport::saveScreenshot(w->frameWidget(), "fee_items");
    }

    void thePriceIsRequiredOnceTheBoxOpensIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("clicks");  // on "非计量类" before Save
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("kind");  // stored once corrected
        QTest::newRow("never clicked") << "燃气费" << 0 << "" << "A";
        QTest::newRow("no name") << "" << 0 << "项目编号及名称不能为空！" << "A";
        QTest::newRow("ticked: non-metered") << "燃气费" << 1 << "" << "F";
        QTest::newRow("ticked and cleared") << "燃气费" << 2 << "项目编号、名称及单价不能为空！" << "A";
    }
    void thePriceIsRequiredOnceTheBoxOpensIt()
    {
        QFETCH(QString, name);
        QFETCH(int, clicks);
        QFETCH(QString, warning);
        QFETCH(QString, kind);
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = adding(app);
        typeInto(w->DBE_ID, "05");
        typeInto(w->DBE_Name, name);
        for (int i = 0; i < clicks; ++i)
            w->CB_JLFlag->click();
        QCOMPARE(w->DBE_JNFee->isEnabled(), clicks % 2 == 0);
        w->TB_SaveClick();
        if (!warning.isEmpty()) {
            QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{warning});
            // Refused: what was typed stays, still being added, ready to correct.
            QCOMPARE(w->DBE_ID->text(), QString("05"));
            QCOMPARE(w->DBE_Name->text(), name);
            QCOMPARE(DM->AT_FeeType1->state(), data::DataSetState::Insert);
            QCOMPARE(w->ModeFlag(), QString("N"));
            QCOMPARE(items(app), 2);
            typeInto(w->DBE_Name, "燃气费");
            typeInto(w->DBE_JNFee, "1.25");
            w->TB_SaveClick();
        }
        QCOMPARE(items(app), 3);
        QCOMPARE(stored(app, "JLFlag", "05"), kind);
        // The next item starts afresh: the box and the price rule do not carry over.
        Msg::clearLog();
        w->TB_AddClick();
        QVERIFY(!w->CB_JLFlag->isChecked());
        QVERIFY(w->DBE_JNFee->isEnabled());
        typeInto(w->DBE_ID, "06");
        typeInto(w->DBE_Name, "卫生费");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stored(app, "JLFlag", "06"), QString("A"));
    }

    void modifyShowsTheStoredKindAndSaveWritesTheBox_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("shownTicked");
        QTest::addColumn<QString>("afterClick");
        QTest::newRow("metered made non-metered") << 1 << false << "F";
        QTest::newRow("non-metered made metered") << 2 << true << "A";
    }
    void modifyShowsTheStoredKindAndSaveWritesTheBox()
    {
        QFETCH(int, row);
        QFETCH(bool, shownTicked);
        QFETCH(QString, afterClick);
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = openFeeItems();
        w->CheckBox->click();
        DM->AT_FeeType1->setRecNo(row);
        const QString id = DM->AT_FeeType1->fieldByName("FeeId")->asString();
        w->DBGrid1Enter();
        w->TB_ModiClick();
        QCOMPARE(w->ModeFlag(), QString("M"));
        QVERIFY(!w->DBE_ID->isEnabled());
        QVERIFY(w->DBE_Name->isEnabled());
        QCOMPARE(w->CB_JLFlag->isChecked(), shownTicked);
        QCOMPARE(w->DBE_JNFee->isEnabled(), !shownTicked);

        // Saved untouched, the kind stays; the row's own code is no duplicate.
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stored(app, "JLFlag", id), QString(shownTicked ? "F" : "A"));

        w->TB_ModiClick();
        w->CB_JLFlag->click();
        if (afterClick == "A")
            typeInto(w->DBE_JNFee, "1.5");  // a metered item needs its price once opened
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stored(app, "JLFlag", id), afterClick);
        QCOMPARE(items(app), 2);
    }

    void aCodeInUseIsRefusedOnLeavingTheEditAndOnSave()
    {
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = adding(app);
        typeInto(w->DBE_ID, "02");
        w->DBE_IDExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该项目编号已存在！重新输入。"});
        QCOMPARE(w->DBE_ID->text(), QString("02"));
        Msg::clearLog();
        typeInto(w->DBE_Name, "重复");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"该项目编号已存在！重新输入。"});
        QCOMPARE(items(app), 2);
        QCOMPARE(DM->AT_FeeType1->state(), data::DataSetState::Insert);
        typeInto(w->DBE_ID, "07");
        w->TB_SaveClick();
        QCOMPARE(stored(app, "FeeName", "07"), QString("重复"));
    }

    void enteringTheTickedBoxZeroesThePrices()
    {
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = adding(app);
        typeInto(w->DBE_ID, "08");
        typeInto(w->DBE_Name, "停车费");
        typeInto(w->DBE_JNFee, "50");
        typeInto(w->DBE_JWFee, "60");
        w->CB_JLFlag->click();  // ticking keeps the typed prices
        QCOMPARE(w->DBE_JNFee->text(), QString("50"));
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(w->CB_JLFlag, &in);  // entered while ticked
        QCOMPARE(w->DBE_JNFee->text(), QString("0"));
        QCOMPARE(w->DBE_JWFee->text(), QString("0"));
        w->TB_SaveClick();
        QCOMPARE(stored(app, "JLFlag", "08"), QString("F"));
        QCOMPARE(data::Decimal::fromVariant(app.db().scalar("SELECT JWPrice FROM FeeType1 WHERE FeeId = '08'")),
                 data::Decimal(0));
    }

    void cancelDropsTheRowAndTurnsTheSwitchOff()
    {
        AppFixture app("1", twoItems);
        TfrmFeeType1* w = adding(app);
        typeInto(w->DBE_ID, "09");
        w->TB_CancelClick();
        QCOMPARE(items(app), 2);
        QVERIFY(!w->CheckBox->isChecked());
        for (ui::ToolButton* b : {w->TB_Add, w->TB_Delete, w->TB_Modi, w->TB_Save, w->TB_Cancel})
            QVERIFY(!b->isEnabled());
        QVERIFY(w->TB_Close->isEnabled());
        QVERIFY(!w->DBE_Name->isEnabled());
    }

    void theBoxShowsTheKindOfTheItemShownAndSaveEndsTheEdit()
    {
        AppFixture app("1", threeItems);
        TfrmFeeType1* w = openShown();
        QStringList kinds;
        for (int i = 0; i < 3; ++i, DM->AT_FeeType1->next())
            kinds << (w->CB_JLFlag->isChecked() ? "非计量" : "计量");
        QCOMPARE(kinds, (QStringList{"计量", "非计量", "计量"}));
        DM->AT_FeeType1->locate("FeeId", "02");
        w->CheckBox->click();
        w->DBGrid1Enter();
        QVERIFY(w->CB_JLFlag->isChecked());
        w->TB_ModiClick();
        typeInto(w->DBE_Name, "管理费");
        w->TB_SaveClick();
        QCOMPARE(stored(app, "FeeName", "02"), QString("管理费"));
        QCOMPARE(stored(app, "JLFlag", "02"), QString("F"));
        QVERIFY(!w->TB_Save->isEnabled());
        QVERIFY(!w->TB_Cancel->isEnabled());
        QVERIFY(w->CB_JLFlag->isChecked());
        DM->AT_FeeType1->first();
        QVERIFY(!w->CB_JLFlag->isChecked());
    }

    void aCancelledDeleteChangesNothing()
    {
        AppFixture app("1", threeItems);
        TfrmFeeType1* w = openFeeItems();
        w->CheckBox->click();
        DM->AT_FeeType1->locate("FeeId", "03");
        w->DBGrid1Enter();
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(items(app), 3);
        QCOMPARE(currentItem(), QString("03"));
        QStringList order;
        for (int row = 0; row < DM->AT_FeeType1->recordCount(); ++row)
            order << DM->AT_FeeType1->valueAt(row, DM->AT_FeeType1->fieldByName("FeeId")->index()).toString();
        QCOMPARE(order, (QStringList{"01", "02", "03"}));
        // The next confirmed delete takes the item still chosen.
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(app.db().scalar("SELECT count(*) FROM FeeType1 WHERE FeeId IN ('01', '02')").toInt(), 2);
        QCOMPARE(items(app), 2);
    }

    void browseOnlyUserChangesNothing()
    {
        AppFixture app("2", twoItems);
        TfrmFeeType1* w = openFeeItems();
        QVERIFY(!w->CheckBox->isVisible());
        for (ui::ToolButton* b : {w->TB_Add, w->TB_Delete, w->TB_Save, w->TB_Cancel, w->TB_Modi})
            QVERIFY(!b->isEnabled());
        QVERIFY(w->DBE_Name->isReadOnly());
        QVERIFY(w->DBE_JNFee->isReadOnly());
    }
};

WYGL_TEST(TestFeeType1)
#include "tst_FeeType1.moc"
