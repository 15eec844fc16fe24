#include "operations/RegisterWindows.h"

#include "operations/SearchWindows.h"
#include "operations/affairs/AffairsRegisters.h"
#include "operations/documents/DocumentRegisters.h"
#include "operations/equipment/EquipmentRegisters.h"
#include "operations/fieldwork/FieldRegisters.h"
#include "operations/parking/Car.h"
#include "operations/staff/Award.h"
#include "platform/data/Error.h"
#include "platform/ui/OpenChildForm.h"
#include "templates/ConfiguredWindow.h"

namespace {

using K = RegisterControl;

// The complaints register "投诉管理": date and time are those of the
// complaint's creation and are never typed; the grid leaves the edits open.
RegisterConfig appeal()
{
    RegisterConfig r = registerRow("TfrmAppeal", "投诉管理", "Appeal", "AT_Appeal", "DS_Appeal", "Appeal", "AppealId");
    RecordEditorConfig& c = r.record;
    c.emptyMessage = QStringLiteral("投诉编号、人员和状态均不能为空！");
    c.existsOnSave = c.existsOnExit = QStringLiteral("该编号记录已存在！重新输入。");
    c.gridColumns = {{QStringLiteral("AppealId"), QStringLiteral("编号"), 80},
                     {QStringLiteral("AppDate"), QStringLiteral("投诉日期"), 80, false}};
    c.gridDisablesEdits = false;
    c.printButton = RecordEditorConfig::PrintButton::Disabled;
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.addDefaults = {{QStringLiteral("AppDate"), AddDefault::Today, {}},
                     {QStringLiteral("AppTime"), AddDefault::Now, {}},
                     {QStringLiteral("AppState"), AddDefault::Text, QStringLiteral("未解决")}};
    c.size = QSize(815, 588);
    r.controls = {
        {K::Edit, "DBE_AppId", "AppealId", "投诉编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_AppMan", "AppealMan", "投诉人：", 0, K::Required | K::Cleared},
        {K::MaskedDate, "DBE_AppDate", "AppDate", "投诉日期：", 0, K::Shown, {}, "!0000/99/99;1"},
        {K::Time, "DBE_AppTime", "AppTime", "投诉时间：", 0, K::Shown},
        {K::Edit, "DBE_State", "AppState", "解决状态：", 0, K::Required},
        {K::Edit, "DBE_AppDMan", "AppMan", "调查人：", 0, K::Cleared},
        {K::Edit, "DBE_AppSMan", "AppMan2", "审核人：", 0, K::Cleared},
        {K::Memo, "DBM_Gut", "AppGut", "投诉内容：", 0, K::Cleared},
        {K::Memo, "DBM_DiaoC", "AppDiaoC", "调查情况：", 0, K::Cleared},
        {K::Memo, "DBM_Result", "AppResult", "处理结果：", 0, K::Cleared},
        {K::Memo, "DBM_YiJ", "AppYiJ", "投诉人意见：", 0, K::Cleared},
    };
    opensSearch(r, frmAppFind);
    return r;
}

// The staff register "员工信息": the work type decides which staff lists and
// dispatch windows see an employee.
RegisterConfig employee()
{
    RegisterConfig r =
        registerRow("TfrmEmployee", "员工信息", "Employee", "AT_Employee", "DS_Employee", "Employee", "EmpID");
    RecordEditorConfig& c = r.record;
    c.emptyMessage = QStringLiteral("员工编号、姓名和工种不能为空！");
    c.focusKeyOnRequired = false;
    c.existsOnSave = c.existsOnExit = QStringLiteral("该员工编号已存在！重新输入。");
    c.deleteQuestion = QStringLiteral("确定要删除该记录吗?");
    c.gridColumns = {{QStringLiteral("ETName"), QStringLiteral("员工姓名"), 70},
                     {QStringLiteral("EmpType"), QStringLiteral("工种"), 50}};
    c.modifyStartsEdit = false;
    c.pages = {QStringLiteral("基本"), QStringLiteral("简历")};
    c.size = QSize(815, 588);
    c.maximized = true;
    const QStringList types = {"", "保安", "保洁", "工程", "管理", "其他"};
    r.controls = {
        {K::Edit, "DBE_EmpId", "EmpID", "员工编号：", 0, K::Key | K::Required},
        {K::Combo, "DBC_Type", "EmpType", "工种：", 0, K::Required, types},
        {K::Edit, "DBE_Name", "ETName", "员工姓名：", 0, K::Required},
        {K::Edit, "DBE_Sex", "ETSex", "性别：", 0},
        {K::Edit, "DBE_Height", "ETHeight", "身高：", 0},
        {K::Edit, "DBE_Weight", "ETWeight", "体重：", 0},
        {K::TypeList, "DBC_Xueli", "ETXueli", "文化程度：", 0, 0, {"cultureType", "cultureName"}},
        {K::TypeList, "DBC_ZhZ", "ETZhz", "政治面貌：", 0, 0, {"ZhZType", "ZhZName"}},
        {K::Combo, "DBC_Marr", "ETMarr", "婚姻状况：", 0, K::ListOnly, {"", "已婚", "未婚"}},
        {K::Edit, "DBE_Address", "ETAddress", "家庭住址：", 0},
        {K::Edit, "DBE_Bumen", "ETBumen", "所在部门：", 0},
        {K::TypeList, "DBC_ZhjType", "ETZhjType", "证件类型：", 0, 0, {"ZhJType", "ZhJName"}},
        {K::Edit, "DBE_ZhjNum", "ETZhjNum", "证件号码：", 0},
        {K::TypeList, "DBC_ZhC", "ETZhC", "职称：", 0, 0, {"jobType", "jobName"}},
        {K::Edit, "DBE_Phone", "ETPhone", "联系电话：", 0},
        {K::TypeList, "DBC_Folk", "Folk", "民族：", 0, 0, {"folkType", "folkName"}},
        {K::TextDate, "DBE_Birth", "ETBirth", "生日：", 0},
        {K::Memo, "DBR_Details", "Detials", "", 1},
    };
    opensSearch(r, frmEmpFind);
    return r;
}

}  // namespace

RegisterConfig registerRow(const char* windowClass, const char* caption, const char* moduleKey,
                           const char* dataSet, const char* dataSource, const char* table, const char* keyField)
{
    RegisterConfig r;
    r.windowClass = QString::fromUtf8(windowClass);
    r.record = registerDefaults();
    r.record.caption = QString::fromUtf8(caption);
    r.record.key = QString::fromUtf8(moduleKey);
    r.record.dataSet = QString::fromUtf8(dataSet);
    r.record.dataSource = QString::fromUtf8(dataSource);
    r.record.table = QString::fromUtf8(table);
    if (keyField)
        r.record.keyFields = {QString::fromUtf8(keyField)};
    return r;
}

const QVector<RegisterConfig>& registerConfigs()
{
    static const QVector<RegisterConfig> table =
        QVector<RegisterConfig>{appeal(), employee(), awardRegister()} + affairsRegisters() + equipmentRegisters() +
        fieldRegisters() + documentRegisters() + QVector<RegisterConfig>{carRegister()};
    return table;
}

const RegisterConfig& registerConfig(const char* windowClass)
{
    for (const RegisterConfig& r : registerConfigs())
        if (r.windowClass == QLatin1String(windowClass))
            return r;
    throw data::Error(QStringLiteral("%1 不是登记窗口。").arg(QLatin1String(windowClass)));
}

CONFIGURED_WINDOW(Appeal, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Employee, RegisterEditor, ::registerConfig)
