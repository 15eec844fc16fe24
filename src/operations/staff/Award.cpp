#include "operations/staff/Award.h"

#include "operations/RegisterWindows.h"
#include "platform/data/Connection.h"
#include "platform/data/DataSet.h"
#include "platform/data/Dialect.h"
#include "session/DMRegion.h"
#include "templates/NextCode.h"

namespace {

using K = RegisterControl;

}  // namespace

RegisterConfig awardRegister()
{
    RegisterConfig r = registerRow("TfrmAward", "奖惩登记", "Award", "AT_Award", "DS_Award", "Award", "AwardId");
    RecordEditorConfig& c = r.record;
    c.switchCaption = QStringLiteral("进入编辑状态");
    c.findCaption.clear();
    c.hasNavigation = false;
    c.emptyMessage = QStringLiteral("序号和奖/罚类别不能为空！");
    c.focusKeyOnRequired = false;
    c.existsOnSave = c.existsOnExit = QStringLiteral("该员工编号已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("确定要删除该记录吗?");
    c.gridColumns = {{QStringLiteral("EmpName"), QStringLiteral("员工姓名"), 70},
                     {QStringLiteral("ADate"), QStringLiteral("日期"), 85},
                     {QStringLiteral("ACause"), QStringLiteral("原因"), 150},
                     {QStringLiteral("AGut"), QStringLiteral("内容"), 150},
                     {QStringLiteral("AFlag"), QStringLiteral("奖/罚"), 45}};
    c.pages = {QStringLiteral("登记")};
    c.addDefaults = {{QStringLiteral("ADate"), AddDefault::Today, {}}};
    // The serial is checked and taken again inside the post's transaction.
    c.postInTransaction = true;
    c.size = QSize(815, 588);
    c.detailsWidth = 329;
    c.maximized = true;
    r.controls = {
        {K::Edit, "DBE_ID", "AwardId", "序号：", 0, K::Key | K::Required | K::Shown},
        {K::Edit, "DBE_Name", "EmpName", "员工姓名：", 0},
        {K::MaskedDate, "DBE_Date", "ADate", "发生日期：", 0},
        {K::Memo, "DBM_Cause", "ACause", "奖/罚原因：", 0},
        {K::Memo, "DBM_Gut", "AGut", "奖/罚内容：", 0},
        {K::Combo, "DBC_Award", "AFlag", "奖/罚：", 0, K::Required, {"", "奖", "罚"}},
    };
    return r;
}

TfrmAward* frmAward = nullptr;

TfrmAward::TfrmAward(QWidget* parent) : RegisterEditor(::registerConfig("TfrmAward"), parent) {}

TfrmAward::~TfrmAward()
{
    if (frmAward == this)
        frmAward = nullptr;
}

void TfrmAward::takeNextSerial()
{
    dataSet()->fieldByName(QStringLiteral("AwardId"))
        ->setAsInteger(nextCode(*DM->connection(), QStringLiteral("Award"), QStringLiteral("AwardId")));
}

void TfrmAward::onAdd()
{
    takeNextSerial();
}

bool TfrmAward::validateRecord()
{
    if (dataSet()->state() == data::DataSetState::Insert) {
        // Another workstation may have taken the serial since Add: the table
        // stays locked against other writers until this row is written.
        data::Connection& conn = *DM->connection();
        if (const QString lock = conn.dialect().tableLockSql(QStringLiteral("Award")); !lock.isEmpty())
            conn.exec(lock);
        if (IdExists())
            takeNextSerial();
    }
    return RegisterEditor::validateRecord();
}
