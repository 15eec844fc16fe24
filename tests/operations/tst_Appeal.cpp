// The register behaviours, once, on the complaints window as the user meets
// them through the frame.

#include "app/Main.h"
#include "app/Openers.h"
#include "operations/RegisterWindows.h"
#include "operations/SearchWindows.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Msg.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

const char* const kRequired = "投诉编号、人员和状态均不能为空！";
const char* const kDuplicate = "该编号记录已存在！重新输入。";

void twoComplaints(data::Connection& c)
{
    const char* sql = "INSERT INTO Appeal (AppealId, AppealMan, AppDate, AppTime, AppState, AppMan, AppGut) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?)";
    c.exec(sql, {"T1", "张三", "2023-12-31 00:00:00", "1899-12-30 09:15:00", "已解决", "李工", "噪音"});
    c.exec(sql, {"T2", "李四", "2024-01-01 00:00:00", "1899-12-30 16:40:00", "未解决", "王工", "漏水"});
}

struct Window {
    TfrmAppeal* w;
    ui::DBEdit* edit(const char* name) const { return w->findChild<ui::DBEdit*>(name); }
    ui::DBMemo* memo(const char* name) const { return w->findChild<ui::DBMemo*>(name); }
    data::DataSet* ds() const { return DM->AT_Appeal; }
};

Window openAppeal(bool tick = true)
{
    runOpener(*findOpener("Appeal"), mdiForm);
    if (tick)
        frmAppeal->CheckBox->click();
    return {frmAppeal};
}

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

QString stored(AppFixture& app, const QString& column, const QString& id)
{
    return app.db().scalar(QStringLiteral("SELECT %1 FROM Appeal WHERE AppealId = ?").arg(column), {id}).toString();
}

}  // namespace

class TestAppeal : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheStoredRecord()
    {
        AppFixture app("1", twoComplaints);
        Window a = openAppeal(false);
        QCOMPARE(a.w->windowTitle(), QString("投诉管理"));
        QVERIFY(a.w->CheckBox->isVisibleTo(a.w));
        QCOMPARE(a.ds()->state(), data::DataSetState::Browse);
        QCOMPARE(a.edit("DBE_AppDate")->text(), QString("2023-12-31"));
        QCOMPARE(a.edit("DBE_AppTime")->text(), QString("09:15:00"));
        QCOMPARE(stored(app, "AppState", "T1"), QString("已解决"));
        for (ui::ToolButton* b : {a.w->TB_Add, a.w->TB_Delete, a.w->TB_Modi, a.w->TB_Save, a.w->TB_Cancel})
            QVERIFY(!b->isEnabled());
        QVERIFY(!a.w->TB_Print->isEnabled());
        QVERIFY(a.w->TB_Find->isEnabled());
        // Find opens the complaint search, owned by the register.
        a.w->TB_FindClick();
        QVERIFY(frmAppFind);
        QCOMPARE(frmAppFind->parentWidget(), static_cast<QWidget*>(a.w));
        QVERIFY(!testsupport::saveScreenshot(a.w->mdiSubWindow(), "complaints").isEmpty());
    }

    void addingAComplaint()
    {
        AppFixture app("1", twoComplaints);
        Window a = openAppeal();
        const QTime before = QTime::currentTime().addSecs(-1);
        a.w->TB_AddClick();
        QCOMPARE(a.ds()->state(), data::DataSetState::Insert);
        QCOMPARE(a.edit("DBE_AppDate")->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        const QTime at = QTime::fromString(a.edit("DBE_AppTime")->text(), "hh:mm:ss");
        QVERIFY(at >= before && at <= QTime::currentTime());
        QCOMPARE(a.edit("DBE_State")->text(), QString("未解决"));
        QVERIFY(!a.edit("DBE_AppDate")->isEnabled() && !a.edit("DBE_AppTime")->isEnabled());
        QVERIFY(a.w->TB_Save->isEnabled() && a.w->TB_Cancel->isEnabled());  // through the data module
        QVERIFY(!a.w->TB_Modi->isEnabled() && !a.w->TB_Add->isEnabled());

        // An empty complainant: the people and the four memos are emptied,
        // key and state stay, the row stays open.
        a.edit("DBE_AppId")->setText("T3");
        a.edit("DBE_AppDMan")->setText("赵工");
        a.edit("DBE_AppSMan")->setText("钱经理");
        for (const char* m : {"DBM_Gut", "DBM_DiaoC", "DBM_Result", "DBM_YiJ"})
            a.memo(m)->setText("内容");
        a.w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kRequired});
        QCOMPARE(a.edit("DBE_AppId")->text(), QString("T3"));
        QCOMPARE(a.edit("DBE_State")->text(), QString("未解决"));
        QVERIFY(a.edit("DBE_AppDMan")->text().isEmpty() && a.edit("DBE_AppSMan")->text().isEmpty());
        for (const char* m : {"DBM_Gut", "DBM_DiaoC", "DBM_Result", "DBM_YiJ"})
            QVERIFY2(a.memo(m)->text().isEmpty(), m);
        QCOMPARE(a.ds()->state(), data::DataSetState::Insert);

        // A taken number: on leaving the key edit and on Save.
        Msg::clearLog();
        a.edit("DBE_AppMan")->setText("王五");
        a.edit("DBE_AppId")->setText("T1");
        a.w->DBE_IDExit();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kDuplicate});
        QVERIFY(a.edit("DBE_AppId")->text().isEmpty());
        a.edit("DBE_AppId")->setText("T2");
        a.w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), (QStringList{kDuplicate, kDuplicate}));
        QVERIFY(a.edit("DBE_AppId")->text().isEmpty());
        a.edit("DBE_AppId")->setText("T3");
        a.w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning).size(), 2);
        QCOMPARE(stored(app, "AppState", "T3"), QString("未解决"));
        QCOMPARE(app.db().scalar("SELECT AppDate FROM Appeal WHERE AppealId = 'T3'").toDateTime().date(),
                 QDate::currentDate());
        QCOMPARE(a.ds()->state(), data::DataSetState::Browse);
        QVERIFY(a.w->TB_Add->isEnabled());
    }

    void modifyingAComplaint()
    {
        AppFixture app("1", twoComplaints);
        Window a = openAppeal();
        // Saved unchanged key: no duplicate of itself.
        a.w->TB_ModiClick();
        QCOMPARE(a.ds()->state(), data::DataSetState::Edit);
        QVERIFY(a.edit("DBE_AppId")->isEnabled());
        QVERIFY(!a.edit("DBE_AppDate")->isEnabled());
        a.edit("DBE_AppMan")->setText("");
        a.w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kRequired});
        // The failed save kept the mode: corrected, it saves without a word.
        QCOMPARE(a.w->ModeFlag(), QString("M"));
        Msg::clearLog();
        a.edit("DBE_AppMan")->setText("张三丰");
        a.w->DBE_IDExit();
        a.w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stored(app, "AppealMan", "T1"), QString("张三丰"));
        QCOMPARE(a.w->ModeFlag(), QString("N"));
        // The date and time are not touched by a modification.
        QCOMPARE(app.db().scalar("SELECT AppDate FROM Appeal WHERE AppealId = 'T1'").toDateTime().date(),
                 QDate(2023, 12, 31));
        // A number changed to another complaint's is refused.
        a.w->TB_ModiClick();
        a.edit("DBE_AppId")->setText("T2");
        a.w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{kDuplicate});
        QCOMPARE(count(app, "SELECT count(*) FROM Appeal WHERE AppealId = 'T2'"), 1);
        a.edit("DBE_AppId")->setText("T9");
        a.w->TB_SaveClick();
        QCOMPARE(stored(app, "AppealMan", "T9"), QString("张三丰"));
    }

    void everyPathThatPostsChecks()
    {
        AppFixture app("1", twoComplaints);
        Window a = openAppeal();
        a.w->TB_ModiClick();
        a.edit("DBE_State")->setText("");
        a.w->TB_NextClick();
        a.w->TB_RefreshClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), (QStringList{kRequired, kRequired}));
        QCOMPARE(a.ds()->recNo(), 1);
        QCOMPARE(stored(app, "AppState", "T1"), QString("已解决"));
        // Closing drops what was typed.
        a.w->close();
        QCOMPARE(a.ds()->state(), data::DataSetState::Browse);
        QCOMPARE(stored(app, "AppState", "T1"), QString("已解决"));
    }

    void theGridLeavesTheRecord()
    {
        AppFixture app("1", twoComplaints);
        Window a = openAppeal();
        a.w->TB_AddClick();
        a.edit("DBE_AppId")->setText("T3");
        emit a.w->DBGrid1->cellClicked(0, "AppealId");
        QCOMPARE(a.ds()->state(), data::DataSetState::Browse);
        QCOMPARE(a.ds()->recordCount(), 2);
        // The complaints window leaves its edits open; Add, Modify and
        // Delete are offered.
        QVERIFY(a.edit("DBE_AppMan")->isEnabled());
        QVERIFY(a.w->TB_Add->isEnabled() && a.w->TB_Modi->isEnabled() && a.w->TB_Delete->isEnabled());
        QCOMPARE(count(app, "SELECT count(*) FROM Appeal"), 2);
    }

    void deleting()
    {
        AppFixture app("1", [](data::Connection& c) {
            twoComplaints(c);
            c.exec("INSERT INTO Appeal (AppealId, AppealMan) VALUES ('T2', '李四')");
        });
        Window a = openAppeal();
        // While adding, "确定要删除该记录吗？" drops only the new row.
        a.w->TB_AddClick();
        a.edit("DBE_AppId")->setText("T1");
        a.w->TB_DeleteClick();
        QCOMPARE(Msg::texts(MsgKind::Confirm), QStringList{"确定要删除该记录吗？"});
        QCOMPARE(count(app, "SELECT count(*) FROM Appeal WHERE AppealId = 'T1'"), 1);
        QCOMPARE(a.ds()->state(), data::DataSetState::Browse);
        // Of two complaints with one number, the one shown goes.
        a.w->TB_LastClick();
        a.w->TB_ModiClick();
        a.edit("DBE_AppMan")->setText("改");
        a.w->TB_DeleteClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Appeal WHERE AppealId = 'T2'"), 1);
        QCOMPARE(stored(app, "AppealMan", "T2"), QString("李四"));
        QVERIFY(!a.edit("DBE_AppMan")->isEnabled());
        // The switch turned off closes everything.
        a.w->CheckBox->click();
        for (ui::ToolButton* b : {a.w->TB_Add, a.w->TB_Delete, a.w->TB_Modi, a.w->TB_Save, a.w->TB_Cancel})
            QVERIFY(!b->isEnabled());
    }

};

WYGL_TEST(TestAppeal)
#include "tst_Appeal.moc"
