// The code-table window with a note and a Modify button.

#include "CodeWindows.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "reference/CodeTables.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

void twoKinds(data::Connection& c)
{
    for (const char* window : {"TfrmPrjType", "TfrmPeixType", "TfrmMeetType", "TfrmHuodType"}) {
        const CodeTableConfig& cfg = codeTableConfig(window);
        const QString table = QString::fromLatin1(window).mid(4);  // names are not case-sensitive
        const QString sql = QStringLiteral("INSERT INTO %1 (%2, %3, note) VALUES (?, ?, ?)")
                                .arg(table, cfg.codeField, cfg.nameField);
        c.exec(sql, {1, "土建", "旧注"});
        c.exec(sql, {2, "绿化", QVariant()});
    }
}

CodeNoteEditor* openNote(const QString& key)
{
    return qobject_cast<CodeNoteEditor*>(codetest::openByKey(key));
}

QString nameOf(AppFixture& app, const CodeTableConfig& cfg, int code)
{
    const QString table = qobject_cast<data::Table*>(DM->dataSet(cfg.dataSet))->tableName();
    return app.db()
        .scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(cfg.nameField, table, cfg.codeField), {code})
        .toString();
}

}  // namespace

class TestCodeNoteEditor : public QObject {
    Q_OBJECT
private slots:
    void saveStoresWithoutAName_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("afterSave");  // Add Modi, then name and note inputs
        QTest::newRow("projects: Modify at once, note still open") << "PrjType" << "11 01";
        QTest::newRow("training") << "PeixType" << "10 00";
        QTest::newRow("meetings") << "MeetType" << "10 00";
        QTest::newRow("activities") << "HuodType" << "10 00";
    }
    void saveStoresWithoutAName()
    {
        QFETCH(QString, key);
        QFETCH(QString, afterSave);
        AppFixture app("1", twoKinds);
        CodeNoteEditor* w = openNote(key);
        QVERIFY(w);
        w->CheckBox->click();
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi, w->TB_Delete}}), QString("111"));
        w->TB_AddClick();
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi}, {w->DBE_ID, w->DBE_Name, w->DBM_Note},
                                    {w->TB_Save, w->TB_Cancel, w->TB_Delete}}),
                 QString("00 011 111"));
        codetest::typeIntoMemo(w->DBM_Note, "note");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(codetest::rowCount(app.db(), w->config()), 3);
        QCOMPARE(nameOf(app, w->config(), 3), QString());
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi}, {w->DBE_Name, w->DBM_Note}}), afterSave);
        // Where Save offers no Modify, the grid does.
        emit w->DBGrid1->entered();
        QVERIFY(w->TB_Modi->isEnabled());
    }

    void typingIntoTheOpenNoteEditsTheRow()
    {
        AppFixture app("1", twoKinds);
        CodeNoteEditor* w = openNote("PrjType");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "安装");
        w->TB_SaveClick();
        codetest::typeIntoMemo(w->DBM_Note, "more");
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Edit);
        QVERIFY(w->TB_Save->isEnabled());
        w->TB_SaveClick();
        QCOMPARE(app.db().scalar("SELECT note FROM prjType WHERE prjTypeid = 3").toString(), QString("more"));
    }

    void modifyThenCancelRestores()
    {
        AppFixture app("1", twoKinds);
        CodeNoteEditor* w = openNote("MeetType");
        w->CheckBox->click();
        w->TB_ModiClick();
        QCOMPARE(codetest::enabled({{w->DBE_ID, w->DBE_Name, w->DBM_Note}, {w->TB_Save, w->TB_Cancel},
                                    {w->TB_Add, w->TB_Modi, w->TB_Delete}}),
                 QString("011 11 000"));
        typeInto(w->DBE_Name, "改名");
        codetest::typeIntoMemo(w->DBM_Note, "changed");
        w->TB_CancelClick();
        QCOMPARE(w->DBE_Name->text(), QString("土建"));
        QCOMPARE(w->DBM_Note->text(), QString("旧注"));
        QVERIFY(!w->TB_Modi->isEnabled());
        QVERIFY(w->TB_Add->isEnabled());
        // Modify and Save stores the change.
        emit w->DBGrid1->cellClicked(0, "meetTName");
        w->TB_ModiClick();
        typeInto(w->DBE_Name, "改名");
        w->TB_SaveClick();
        QCOMPARE(nameOf(app, w->config(), 1), QString("改名"));
    }

    void deleteWhileAddingAsksAndDropsTheNewRow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("inputsOpen");
        QTest::newRow("projects") << "PrjType" << false;
        QTest::newRow("training leaves the inputs") << "PeixType" << true;
    }
    void deleteWhileAddingAsksAndDropsTheNewRow()
    {
        QFETCH(QString, key);
        QFETCH(bool, inputsOpen);
        AppFixture app("1", twoKinds);
        CodeNoteEditor* w = openNote(key);
        w->CheckBox->click();
        w->TB_AddClick();
        Msg::queueAnswer(true);
        w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"Delete record?"});
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Browse);
        QCOMPARE(codetest::rowCount(app.db(), w->config()), 2);
        QCOMPARE(w->DBE_Name->isEnabled(), inputsOpen);
        QCOMPARE(w->DBM_Note->isEnabled(), inputsOpen);
    }

    void aRowWithoutACodeIsRefused()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO HuodType (HuodTName, note) VALUES ('旧活动', '旧注')");
        });
        CodeNoteEditor* w = openNote("HuodType");
        w->CheckBox->click();
        w->TB_ModiClick();
        typeInto(w->DBE_Name, "新活动");
        w->TB_NextClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号不能为空！"});
        QCOMPARE(w->DBE_Name->text() + w->DBM_Note->text(), QString());
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Edit);
        QCOMPARE(app.db().scalar("SELECT HuodTName FROM HuodType").toString(), QString("旧活动"));
    }

    void browseOnlyUserCannotModify()
    {
        AppFixture app("2", twoKinds);
        CodeNoteEditor* w = openNote("PrjType");
        QVERIFY(w->CheckBox->isHidden());
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi, w->TB_Delete, w->TB_Save, w->TB_Cancel}}),
                 QString("00000"));
        QVERIFY(w->DBM_Note->isReadOnly());
    }

    void screenshot()
    {
        AppFixture app("1", twoKinds);
        CodeNoteEditor* w = openNote("PrjType");
        w->CheckBox->click();
        w->TB_ModiClick();
        QVERIFY(!testsupport::saveScreenshot(w->frameWidget(), "code-table-projects").isEmpty());
    }
};

WYGL_TEST(TestCodeNoteEditor)
#include "tst_CodeNoteEditor.moc"
