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

}  // namespace

class TestCodeNoteEditor : public QObject {
    Q_OBJECT
private slots:
    void saveStoresWithoutAName_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("afterSave");  // Add Modify, then the name and note inputs
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
        w->CheckBox->click();
        w->TB_AddClick();
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi}, {w->DBE_ID, w->DBE_Name, w->DBM_Note}}),
                 QString("00 011"));
        codetest::typeIntoMemo(w->DBM_Note, "note");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(codetest::stored(app.db(), w->config()), QStringList({"1:土建", "2:绿化", "3:"}));
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi}, {w->DBE_Name, w->DBM_Note}}), afterSave);
        // Where Save offers no Modify, the grid does.
        emit w->DBGrid1->cellClicked(0, w->config().nameField);
        QVERIFY(w->TB_Modi->isEnabled());
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
        QCOMPARE(w->DBE_Name->text() + w->DBM_Note->text(), QString("土建旧注"));
        QCOMPARE(codetest::enabled({{w->TB_Add, w->TB_Modi}}), QString("10"));
        // Modify and Save stores the change.
        emit w->DBGrid1->entered();
        w->TB_ModiClick();
        typeInto(w->DBE_Name, "改名");
        w->TB_SaveClick();
        QCOMPARE(codetest::stored(app.db(), w->config()), QStringList({"1:改名", "2:绿化"}));
        testsupport::saveScreenshot(w->frameWidget(), "code-table-meetings");
    }

    void aRowWithoutACodeIsRefusedOnAMove()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO HuodType (HuodTName, note) VALUES ('旧活动', '旧注')");
        });
        CodeNoteEditor* w = openNote("HuodType");
        w->CheckBox->click();
        w->TB_ModiClick();
        typeInto(w->DBE_Name, "新活动");
        w->TB_NextClick();
        QCOMPARE(Msg::texts(ui::MsgKind::Warning), QStringList{"编号不能为空！"});
        QCOMPARE(w->DBE_Name->text() + w->DBM_Note->text(), QString());
        QCOMPARE(w->dataSet()->state(), data::DataSetState::Edit);
        QCOMPARE(codetest::stored(app.db(), w->config()), QStringList{":旧活动"});
    }
};

WYGL_TEST(TestCodeNoteEditor)
#include "tst_CodeNoteEditor.moc"
