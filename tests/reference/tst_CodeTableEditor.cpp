// The code-table template, driven through the education window and the few
// windows that differ from it.

#include "CodeWindows.h"

#include "app/DMRegion.h"
#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Msg.h"
#include "reference/CodeTables.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kEmpty = QStringLiteral("编号和名称均不能为空！");

void threeLevels(data::Connection& c)
{
    for (auto [code, name] : {std::pair{1, "小学"}, {2, "中学"}, {3, "大学"}})
        c.exec("INSERT INTO cultureType (cultureId, cultureName) VALUES (?, ?)", {code, QString::fromUtf8(name)});
}

int levels(AppFixture& app)
{
    return app.db().scalar("SELECT count(*) FROM cultureType").toInt();
}

// Add, Delete, Save, Cancel, then the name input.
QString buttons(CodeTableEditor* w)
{
    return codetest::enabled({{w->TB_Add, w->TB_Delete, w->TB_Save, w->TB_Cancel}, {w->DBE_Name}});
}

}  // namespace

class TestCodeTableEditor : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowTheWork_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        // c tick or untick the switch, a Add, t type a name, s Save, x Cancel.
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
        QCOMPARE(buttons(w), expected);
        QCOMPARE(w->CheckBox->isHidden(), level == "2");
        QVERIFY(!w->DBE_ID->isEnabled());
    }

    void nextCodeIsTheLargestPlusOne_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("removed");  // code deleted through the window first
        QTest::addColumn<QString>("next");
        QTest::newRow("empty table") << QStringList{} << "" << "1";
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
        const CodeTableConfig& cfg = codeTableConfig("TfrmCulture");
        codetest::seed(app.db(), cfg, codes);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        if (!removed.isEmpty()) {
            QVERIFY(w->dataSet()->locate("cultureId", removed));
            w->TB_DeleteClick();
            QCOMPARE(codetest::rowCount(app.db(), cfg), codes.size() - 1);
        }
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), next);
    }

    void codesAddedElsewhereCount()
    {
        // Another workstation adds a code after the window opened.
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        app.db().exec("INSERT INTO cultureType (cultureId, cultureName) VALUES (40, '博士')");
        w->CheckBox->click();
        w->TB_AddClick();
        QCOMPARE(w->DBE_ID->text(), QString("41"));
    }

    void emptyNameIsRefusedOnEveryPost_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("Save") << "" << "save";
        QTest::newRow("Save, blanks only") << "   " << "save";
        QTest::newRow("first") << "" << "first";
        QTest::newRow("previous") << "" << "prior";
        QTest::newRow("next") << "" << "next";
        QTest::newRow("switch off, then a move") << "" << "off next";
    }
    void emptyNameIsRefusedOnEveryPost()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        w->TB_AddClick();
        if (!name.isEmpty())
            typeInto(w->DBE_Name, name);
        for (const QString& step : path.split(u' ')) {
            if (step == "save") w->TB_SaveClick();
            if (step == "first") w->TB_FirstClick();
            if (step == "prior") w->TB_PrevClick();
            if (step == "next") w->TB_NextClick();
            if (step == "off") w->CheckBox->click();
        }
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kEmpty});
        QCOMPARE(levels(app), 3);
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QCOMPARE(w->DBE_ID->text(), QString("4"));
        // The name can be corrected at once, and then the row is stored.
        QVERIFY(w->DBE_Name->isEnabled());
        QVERIFY(w->DBE_Name->text().isEmpty());
        typeInto(w->DBE_Name, "硕士");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT cultureName FROM cultureType WHERE cultureId = 4").toString(), QString("硕士"));
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
        QCOMPARE(w->DBE_Name->isEnabled(), !dropped);
        QCOMPARE(w->TB_Add->isEnabled(), addOffered);
        QCOMPARE(w->TB_Delete->isEnabled(), true);
        QCOMPARE(codetest::rowCount(app.db(), w->config()), 0);
    }

    void deleteAsksFirst()
    {
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        Msg::queueAnswer(false);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"Delete record?"});
        QCOMPARE(levels(app), 3);
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(levels(app), 2);
        QCOMPARE(app.db().scalar("SELECT count(*) FROM cultureType WHERE cultureId = 1").toInt(), 0);
        // While adding, OK drops only the new row.
        Msg::clearLog();
        w->TB_AddClick();
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"Delete record?"});
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QCOMPARE(levels(app), 2);
    }

    void browseOnlyUserOnlyMoves()
    {
        AppFixture app("2", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        QVERIFY(w->CheckBox->isHidden());
        QVERIFY(w->DBE_Name->isReadOnly());
        QVERIFY(w->TB_Next->isEnabled());
        w->TB_NextClick();
        QCOMPARE(w->DBE_Name->text(), QString("中学"));
        w->TB_LastClick();
        QVERIFY(!w->TB_Next->isEnabled());
        QVERIFY(w->TB_First->isEnabled());
    }

    void closingDropsWhatWasNotSaved()
    {
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "半截");
        w->TB_CloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmCulture);
        QCOMPARE(DM->AT_culture->state(), data::DataSetState::Browse);
        DM->AT_culture->last();
        QCOMPARE(levels(app), 3);
    }

    void aDatabaseErrorLeavesTheWindowUsable()
    {
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        // Add fails: the data source comes back and nothing is pending.
        app.db().exec("ALTER TABLE cultureType RENAME TO cultureGone");
        QVERIFY(!ui::guarded([&] { w->TB_AddClick(); }));
        QCOMPARE(Msg::texts(MsgKind::Error).size(), 1);
        QVERIFY(w->dataSource()->enabled());
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QVERIFY(w->TB_Add->isEnabled());
        app.db().exec("ALTER TABLE cultureGone RENAME TO cultureType");
        // Save fails: the row stays open with its buttons, and a retry stores it.
        w->TB_AddClick();
        typeInto(w->DBE_Name, "硕士");
        app.db().exec("ALTER TABLE cultureType RENAME TO cultureGone");
        QVERIFY(!ui::guarded([&] { w->TB_SaveClick(); }));
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Insert);
        QVERIFY(w->TB_Save->isEnabled());
        QVERIFY(w->DBE_Name->isEnabled());
        app.db().exec("ALTER TABLE cultureGone RENAME TO cultureType");
        w->TB_SaveClick();
        QCOMPARE(levels(app), 4);
    }

    void aCodeTooWideIsRefusedBeforeAnyRowIsAdded()
    {
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
    }

    void feeTypesAreEditedInPlace()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO feeType (feeID, feeName, feePrice) VALUES (1, '水费', 2.5)");
        });
        CodeTableEditor* w = codetest::openByKey("FeeT");
        QCOMPARE(w->DBGrid1->model()->index(0, 2).data().toString(), QString("¥2.50"));
        w->CheckBox->click();
        QCOMPARE(codetest::enabled({{w->DBE_ID, w->DBE_Name, w->DBE_Extra}}), QString("111"));
        // Typing into the current row edits it; all three values are needed.
        typeInto(w->DBE_Extra, "");
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Edit);
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"各项内容均不能为空！"});
        QCOMPARE(w->DBE_ID->text() + w->DBE_Name->text() + w->DBE_Extra->text(), QString());
        w->TB_CancelClick();
        QCOMPARE(w->DBE_Name->text(), QString("水费"));
        QCOMPARE(app.db().scalar("SELECT feeName FROM feeType").toString(), QString("水费"));
        // A new row's code may be typed over; the inputs stay open after Save.
        w->TB_AddClick();
        typeInto(w->DBE_ID, "20");
        typeInto(w->DBE_Name, "电费");
        typeInto(w->DBE_Extra, "0.56");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT feeName FROM feeType WHERE feeID = 20").toString(), QString("电费"));
        QVERIFY(w->DBE_Name->isEnabled());
        QCOMPARE(w->DBGrid1->model()->index(1, 2).data().toString(), QString("¥0.56"));
    }

    void hiddenAreaSurvivesARefusedSave()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO roomType (roomId, roomName, roomSize) VALUES (1, '两室', 90)");
        });
        CodeTableEditor* w = codetest::openByKey("RoomT");
        QVERIFY(w->DBE_Extra->isHidden());
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "一室");
        w->TB_FirstClick();  // stores the new row; the name input stays open
        typeInto(w->DBE_Name, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kEmpty});
        typeInto(w->DBE_Name, "三室");
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT roomSize FROM roomType WHERE roomId = 1").toInt(), 90);
        QCOMPARE(app.db().scalar("SELECT roomName FROM roomType WHERE roomId = 1").toString(), QString("三室"));
    }

    void politicalStatusWindow()
    {
        AppFixture app("1");
        CodeTableEditor* w = codetest::openByKey("ZHz");
        QVERIFY(!(w->mdiSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint));
        w->CheckBox->click();
        w->TB_AddClick();
        w->TB_CancelClick();
        QVERIFY(w->TB_Delete->isEnabled());
        QCOMPARE(codetest::rowCount(app.db(), w->config()), 0);
    }

    void screenshot()
    {
        AppFixture app("1", threeLevels);
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "硕士");
        QVERIFY(!testsupport::saveScreenshot(w->frameWidget(), "code-table-culture").isEmpty());
    }
};

WYGL_TEST(TestCodeTableEditor)
#include "tst_CodeTableEditor.moc"
