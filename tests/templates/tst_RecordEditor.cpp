// The record template's register options, on a window of its own over the
// staff table: what the plain record windows never use.

#include "app/Main.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMaskDateEdit.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"
#include "templates/RecordEditor.h"

#include <QCheckBox>
#include <QMdiSubWindow>

using testsupport::AppFixture;
using ui::Msg;
using ui::MsgKind;

namespace {

RecordEditorConfig g_cfg;

RecordEditorConfig staffConfig()
{
    RecordEditorConfig c;
    c.caption = QStringLiteral("登记");
    c.key = QStringLiteral("Trial");
    c.dataSet = QStringLiteral("AT_Employee");
    c.dataSource = QStringLiteral("DS_Employee");
    c.table = QStringLiteral("Employee");
    c.keyFields = {QStringLiteral("EmpID")};
    c.emptyMessage = QStringLiteral("编号和姓名不能为空！");
    c.existsOnSave = QStringLiteral("该编号记录已存在！重新输入。");
    c.existsOnExit = c.existsOnSave;
    c.gridColumns = {{QStringLiteral("EmpID"), QStringLiteral("编号"), 60}};
    c.pages = {QStringLiteral("基本")};
    c.maximized = true;
    c.modifyWithSwitch = true;
    c.modifyStartsEdit = true;
    c.lockedInModify = {QStringLiteral("EmpID")};
    c.requiredFields = {QStringLiteral("EmpID"), QStringLiteral("ETName")};
    c.clearOnRequired = {QStringLiteral("EmpID"), QStringLiteral("ETAddress")};
    c.addDefaults = {{QStringLiteral("ETBumen"), AddDefault::Text, QStringLiteral("办公室")},
                     {QStringLiteral("ETBirth"), AddDefault::TodayText, {}}};
    return c;
}

class TrialWindow : public RecordEditor {
public:
    explicit TrialWindow(QWidget* parent = nullptr) : RecordEditor(g_cfg, parent)
    {
        DBE_ID = addEdit(0, QStringLiteral("编号："), QStringLiteral("EmpID"), QStringLiteral("DBE_ID"));
        DBE_Name = addEdit(0, QStringLiteral("姓名："), QStringLiteral("ETName"), QStringLiteral("DBE_Name"));
        address = addEdit(0, QStringLiteral("住址："), QStringLiteral("ETAddress"));
        dept = addEdit(0, QStringLiteral("部门："), QStringLiteral("ETBumen"));
        birth = addDateEdit(0, QStringLiteral("生日："), QStringLiteral("ETBirth"), QStringLiteral("DBE_Birth"));
        xueli = addTypeList(0, QStringLiteral("文化程度："), QStringLiteral("ETXueli"), QStringLiteral("DBC_Xueli"),
                            QStringLiteral("cultureType"), QStringLiteral("cultureName"));
        auto* sex = new ui::DBEdit(dataSource(), QStringLiteral("ETSex"));
        addShown(0, QStringLiteral("性别："), sex);
    }
    ui::DBEdit* address = nullptr;
    ui::DBEdit* dept = nullptr;
    ui::DBMaskDateEdit* birth = nullptr;
    ui::DBComboBox* xueli = nullptr;
    QString afterSave;  // a statement run inside the post

protected:
    void beforeSave() override
    {
        if (!afterSave.isEmpty())
            DM->connection()->exec(afterSave);
    }
};
TrialWindow* trial = nullptr;

void twoStaff(data::Connection& c)
{
    c.exec("INSERT INTO cultureType (cultureId, cultureName) VALUES ('1', '大学'), ('2', '中学')");
    const char* sql = "INSERT INTO Employee (EmpID, ETName, ETSex, ETXueli, ETAddress) VALUES (?, ?, ?, ?, ?)";
    c.exec(sql, {"1", "张三", "男", "大学", "一路"});
    c.exec(sql, {"2", "李四", "女", "私塾", "二路"});
}

TrialWindow* openTrial(const std::function<void(RecordEditorConfig&)>& change = {})
{
    g_cfg = staffConfig();
    if (change)
        change(g_cfg);
    ui::openChildForm(trial, mdiForm);
    trial->CheckBox->click();
    return trial;
}

int count(AppFixture& app, const QString& sql)
{
    return app.db().scalar(sql).toInt();
}

QString stored(AppFixture& app, const QString& column, const QString& id)
{
    return app.db().scalar(QStringLiteral("SELECT %1 FROM Employee WHERE EmpID = ?").arg(column), {id}).toString();
}

}  // namespace

class TestRecordEditor : public QObject {
    Q_OBJECT
private slots:
    void withoutAGridMaximised()
    {
        AppFixture app("1", twoStaff);
        TrialWindow* w = openTrial([](RecordEditorConfig& c) { c.hasGrid = false; });
        QCOMPARE(w->mdiSubWindow()->windowState() & Qt::WindowMaximized, Qt::WindowMaximized);
        QVERIFY(!w->DBGrid1 && !w->TB_Print);
        w->TB_AddClick();
        QVERIFY(!w->controlOf("ETSex")->isEnabled());  // shown, never typed into
        QVERIFY(!w->TB_Modi->isEnabled());  // Add withdraws Modify
    }

    void aLockedKeyIsNeverCleared()
    {
        AppFixture app("1", twoStaff);
        TrialWindow* w = openTrial();
        // Modify: the key is locked; a failure clears only what is open.
        w->TB_ModiClick();
        QVERIFY(!w->DBE_ID->isEnabled());
        QVERIFY(w->DBE_Name->isEnabled());
        testsupport::typeInto(w->DBE_Name, "");
        w->TB_SaveClick();
        QCOMPARE(Msg::texts(MsgKind::Warning), QStringList{"编号和姓名不能为空！"});
        QCOMPARE(w->DBE_ID->text(), QString("1"));
        QVERIFY(!w->DBE_ID->isEnabled());
        QVERIFY(w->address->text().isEmpty());
        QCOMPARE(w->ModeFlag(), QString("M"));
        // Corrected, it saves; the row's own key is no duplicate.
        Msg::clearLog();
        w->DBE_Name->setText("张三丰");
        w->TB_SaveClick();
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(stored(app, "ETName", "1"), QString("张三丰"));
        QCOMPARE(stored(app, "ETAddress", "1"), QString());
        QCOMPARE(w->ModeFlag(), QString("N"));

        // A new row opens the key again.
        w->TB_AddClick();
        QVERIFY(w->DBE_ID->isEnabled());
    }

    void addDefaultsAndTextDates()
    {
        AppFixture app("1", twoStaff);
        TrialWindow* w = openTrial();
        // Opening writes nothing.
        QCOMPARE(DM->AT_Employee->state(), data::DataSetState::Browse);
        QVERIFY(w->birth->text().remove('-').trimmed().isEmpty());
        w->TB_AddClick();
        QCOMPARE(w->dept->text(), QString("办公室"));
        QCOMPARE(DM->AT_Employee->fieldByName("ETBirth")->asString(),
                 QDate::currentDate().toString("yyyy-MM-dd"));
        w->DBE_ID->setText("3");
        w->DBE_Name->setText("王五");
        // Typed dates are stored zero-padded; an impossible one never is.
        w->birth->setText("2024-2-3");
        w->TB_SaveClick();
        QCOMPARE(stored(app, "ETBirth", "3"), QString("2024-02-03"));
        w->TB_ModiClick();
        testsupport::typeInto(w->birth, "20241301");
        try {
            w->TB_SaveClick();
            QFAIL("an impossible date was posted");
        } catch (const data::Error& e) {
            QCOMPARE(e.message(), data::dateErrorText());
        }
        QCOMPARE(stored(app, "ETBirth", "3"), QString("2024-02-03"));
        QCOMPARE(DM->AT_Employee->state(), data::DataSetState::Edit);
        w->TB_CancelClick();
        QVERIFY(!w->birth->blankAllowed());  // the date check refuses a blank on leaving
    }

    void typeListsKeepStoredNames()
    {
        AppFixture app("1", twoStaff);
        // A code-table window may be typing a new row: filling the list
        // leaves it alone.
        DM->DS_Culture->setEnabled(true);
        DM->AT_culture->append();
        DM->AT_culture->fieldByName("cultureName")->setAsString("小学");
        TrialWindow* w = openTrial();
        QCOMPARE(DM->AT_culture->state(), data::DataSetState::Insert);
        QCOMPARE(w->xueli->items(), (QStringList{"大学", "中学"}));
        QCOMPARE(w->xueli->currentText(), QString("大学"));
        // A name no longer in the table shows, and an untouched list keeps it.
        w->TB_NextClick();
        QCOMPARE(w->xueli->currentText(), QString("私塾"));
        w->TB_ModiClick();
        w->address->setText("新路");
        w->TB_SaveClick();
        QCOMPARE(stored(app, "ETXueli", "2"), QString("私塾"));
        // A choice is written.
        w->TB_ModiClick();
        w->xueli->setCurrentIndex(1);
        emit w->xueli->activated(1);
        w->TB_SaveClick();
        QCOMPARE(stored(app, "ETXueli", "2"), QString("中学"));
        QCOMPARE(w->xueli->count(), 2);
        DM->AT_culture->cancel();
    }

    void theHookStandsOrFallsWithThePost()
    {
        AppFixture app("1", twoStaff);
        TrialWindow* w = openTrial([](RecordEditorConfig& c) { c.postInTransaction = true; });
        w->afterSave = "INSERT INTO Award (EmpName) VALUES ('张三')";
        w->TB_ModiClick();
        w->DBE_Name->setText("张三丰");
        app.db().exec("ALTER TABLE Employee RENAME TO EmployeeGone");
        QVERIFY_THROWS_EXCEPTION(data::Error, w->TB_SaveClick());
        app.db().exec("ALTER TABLE EmployeeGone RENAME TO Employee");
        QCOMPARE(count(app, "SELECT count(*) FROM Award"), 0);
        w->TB_SaveClick();
        QCOMPARE(count(app, "SELECT count(*) FROM Award"), 1);
        QCOMPARE(stored(app, "ETName", "1"), QString("张三丰"));
    }

};

WYGL_TEST(TestRecordEditor)
#include "tst_RecordEditor.moc"
