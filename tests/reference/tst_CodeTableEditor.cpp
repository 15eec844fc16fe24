// The code-table template, driven through the education window and the few
// windows that differ from it.

#include "CodeWindows.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "reference/CodeTables.h"
#include "session/DMRegion.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

const QStringList kThree{"1:名1", "2:名2", "3:名3"};

void threeLevels(data::Connection& c)
{
    c.exec("INSERT INTO cultureType (cultureId, cultureName) VALUES (1, '名1'), (2, '名2'), (3, '名3')");
}

QStringList levels(AppFixture& app)
{
    return codetest::stored(app.db(), codeTableConfig("TfrmCulture"));
}

}  // namespace

class TestCodeTableEditor : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowTheWork_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("steps");     // c the switch, a Add, t type a name, s Save, x Cancel
        QTest::addColumn<QString>("expected");  // Add Delete Save Cancel, then the name input
        QTest::newRow("opened") << "1" << "" << "0000 0";
        QTest::newRow("switch on") << "1" << "c" << "1100 0";
        QTest::newRow("adding") << "1" << "ca" << "0111 1";
        QTest::newRow("saved") << "1" << "cats" << "1100 0";
        QTest::newRow("cancelled") << "1" << "catx" << "1100 0";
        QTest::newRow("switch off while adding") << "1" << "cac" << "0000 0";
        QTest::newRow("browse only") << "2" << "" << "0000 0";
    }
    void buttonsFollowTheWork()
    {
        QFETCH(QString, level);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        AppFixture app(level, threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        for (QChar s : steps) {
            switch (s.toLatin1()) {
            case 'c': w->CheckBox->click(); break;
            case 'a': w->TB_AddClick(); break;
            case 't': typeInto(w->DBE_Name, "硕士"); break;
            case 's': w->TB_SaveClick(); break;
            case 'x': w->TB_CancelClick(); break;
            default: break;
            }
        }
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Delete, w->TB_Save, w->TB_Cancel}, {w->DBE_Name}}), expected);
        QVERIFY(!w->DBE_ID->isEnabled());
        QCOMPARE(w->CheckBox->isHidden(), level == "2");
        QCOMPARE(w->DBE_Name->isReadOnly(), level == "2");
        if (steps == "cats")
            testsupport::saveScreenshot(w->frameWidget(), "code-table-culture");
    }

    void nextCodeIsTheLargestPlusOne_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("removed");  // deleted through the window first
        QTest::addColumn<QString>("next");
        QTest::newRow("last row is not the largest") << QStringList{"8", "7"} << "" << "9";
        QTest::newRow("after deleting the largest") << QStringList{"1", "5", "2"} << "5" << "3";
        QTest::newRow("after deleting the last row") << QStringList{"1", "5", "2"} << "2" << "6";
        QTest::newRow("after deleting every row") << QStringList{"4"} << "4" << "1";
    }
    void nextCodeIsTheLargestPlusOne()
    {
        QFETCH(QStringList, codes);
        QFETCH(QString, removed);
        QFETCH(QString, next);
        AppFixture app("1");
        codetest::seed(app.db(), codeTableConfig("TfrmCulture"), codes);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        if (!removed.isEmpty()) {
            QVERIFY(w->dataSet()->locate("cultureId", removed));
            w->TB_DeleteClick();
            QCOMPARE(levels(app).size(), codes.size() - 1);
        }
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), next);
    }

    void emptyNameIsRefusedOnEveryPost_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("Save") << "" << "save";
        QTest::newRow("Save, blanks only") << "   " << "save";
        QTest::newRow("first") << "" << "first";
        QTest::newRow("next") << "" << "next";
        QTest::newRow("switch off, then a move") << "" << "off prior";
    }
    void emptyNameIsRefusedOnEveryPost()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, name);
        for (const QString& step : path.split(u' ')) {
            if (step == "save") w->TB_SaveClick();
            if (step == "first") w->TB_FirstClick();
            if (step == "prior") w->TB_PrevClick();
            if (step == "next") w->TB_NextClick();
            if (step == "off") w->CheckBox->click();
        }
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号和名称均不能为空！"});
        QCOMPARE(levels(app), kThree);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QCOMPARE(w->DBE_ID->text(), QString("4"));
        // The name can be corrected at once, and then the row is stored.
        QVERIFY(w->DBE_Name->isEnabled());
        QVERIFY(w->DBE_Name->text().isEmpty());
        typeInto(w->DBE_Name, "硕士");
        w->TB_SaveClick();
        QCOMPARE(levels(app), kThree + QStringList{"4:硕士"});
    }

    void theGridDropsThePendingRow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<bool>("addOffered");
        QTest::newRow("entered") << "XL" << "enter" << true << true;
        QTest::newRow("column changed") << "XL" << "column" << true << true;
        QTest::newRow("a cell click where the column counts") << "XL" << "cell" << false << false;
        QTest::newRow("a cell click where it counts") << "Folk" << "cell" << true << true;
        QTest::newRow("use categories offer Delete only") << "UseType" << "enter" << true << false;
        QTest::newRow("fee types: no grid handler") << "FeeT" << "enter" << false << false;
    }
    void theGridDropsThePendingRow()
    {
        QFETCH(QString, key);
        QFETCH(QString, event);
        QFETCH(bool, dropped);
        QFETCH(bool, addOffered);
        AppFixture app("1");
        CodeTableEditor* w = codetest::openByKey(key);
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "新");
        if (event == "enter") emit w->DBGrid1->entered();
        if (event == "column") emit w->DBGrid1->columnEntered(1, w->config().nameField);
        if (event == "cell") emit w->DBGrid1->cellClicked(1, w->config().nameField);
        QCOMPARE(w->dataSet()->state(), dropped ? data::DataSetState::Browse : data::DataSetState::Insert);
        QCOMPARE(w->DBE_Name->isEnabled(), !dropped || w->config().editInPlace);
        QCOMPARE(w->TB_Add->isEnabled(), addOffered);
        QVERIFY(w->TB_Delete->isEnabled());
        QVERIFY(codetest::stored(app.db(), w->config()).isEmpty());
    }

    void deleteAsksFirstAndClosingDropsTheNewRow()
    {
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确定要删除该记录吗？"});
        QCOMPARE(levels(app), kThree);
        w->TB_DeleteClick();
        QCOMPARE(levels(app), kThree.mid(1));
        // While adding, OK drops only the new row.
        w->TB_AddClick();
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm).size(), 3);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        // Closing drops a row typed and not saved.
        w->TB_AddClick();
        typeInto(w->DBE_Name, "半截");
        w->TB_CloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmCulture);
        DM->AT_culture->last();
        QCOMPARE(levels(app), kThree.mid(1));
    }

    void aFailedAddLeavesTheWindowUsable()
    {
        // The next code does not fit the text column: nothing is added and
        // the window's data source is back on.
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO fixSys (fixsysId, fixsysName) VALUES ('9999', '给排水')");
        });
        CodeTableEditor* w = codetest::openByKey("FixS");
        w->CheckBox->click();
        QVERIFY(!ui::guarded([&] { w->TB_AddClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        QVERIFY(w->dataSource()->enabled());
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QCOMPARE(w->DBGrid1->model()->rowCount(), 1);
        QVERIFY(w->TB_Add->isEnabled());
    }

    void feeTypesAreEditedInPlace()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO feeType (feeID, feeName, feePrice) VALUES (1, '水费', 2.5)");
        });
        CodeTableEditor* w = codetest::openByKey("FeeT");
        QCOMPARE(w->DBGrid1->model()->index(0, 2).data().toString(), QString("¥2.50"));
        w->CheckBox->click();
        // Typing into the current row edits it; all three values are needed.
        typeInto(w->DBE_Extra, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"各项内容均不能为空！"});
        QCOMPARE(w->DBE_ID->text() + w->DBE_Name->text() + w->DBE_Extra->text(), QString());
        w->TB_CancelClick();
        QCOMPARE(w->DBE_Name->text(), QString("水费"));
        // A new row's code may be typed over; the inputs stay open after Save.
        w->TB_AddClick();
        typeInto(w->DBE_ID, "20");
        typeInto(w->DBE_Name, "电费");
        typeInto(w->DBE_Extra, "0.56");
        w->TB_SaveClick();
        QCOMPARE(codetest::stored(app.db(), w->config()), QStringList({"1:水费", "20:电费"}));
        QVERIFY(w->DBE_Name->isEnabled());
    }

    void hiddenAreaSurvivesARefusedSave()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO roomType (roomId, roomName, roomSize) VALUES (1, '两室', 90)");
        });
        CodeTableEditor* w = codetest::openByKey("RoomT");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "一室");
        w->TB_FirstClick();  // stores the new row; the name input stays open
        typeInto(w->DBE_Name, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).size(), 1);
        typeInto(w->DBE_Name, "三室");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT roomSize FROM roomType WHERE roomId = 1").toInt(), 90);
        QCOMPARE(codetest::stored(app.db(), w->config()), QStringList({"1:三室", "2:一室"}));
    }
};

WYGL_TEST(TestCodeTableEditor)
#include "tst_CodeTableEditor.moc"
