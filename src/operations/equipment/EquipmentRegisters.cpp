#include "operations/equipment/EquipmentRegisters.h"

#include "operations/RegisterWindows.h"
#include "operations/equipment/EquipmentSearches.h"
#include "platform/ui/OpenChildForm.h"
#include "templates/ConfiguredWindow.h"

namespace {

using K = RegisterControl;

const char* const kDateTimeMask = "!0000/90/90;1";

// The equipment register "设备台帐": system and category come from their code
// tables; the dates are date-time columns without the text-date check.
RegisterConfig fixing()
{
    RegisterConfig r;
    r.windowClass = QStringLiteral("TfrmFixing");
    RecordEditorConfig& c = r.record;
    c = registerDefaults();
    c.switchCaption = QStringLiteral("进入编辑状态");
    c.caption = QStringLiteral("设备台帐");
    c.key = QStringLiteral("Fixing");
    c.dataSet = QStringLiteral("AT_Fixing");
    c.dataSource = QStringLiteral("DS_Fixing");
    c.table = QStringLiteral("fixing");
    c.keyFields = {QStringLiteral("fixId")};
    c.emptyMessage = QStringLiteral("编号不能为空！");
    c.existsOnSave = c.existsOnExit = QStringLiteral("该编号记录已存在！重新输入。");
    c.hasGrid = false;
    c.findCaption = QStringLiteral("浏览");
    c.saveOffersModify = true;
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.addDefaults = {{QStringLiteral("setupDate"), AddDefault::Today, {}},
                     {QStringLiteral("runDate"), AddDefault::Today, {}}};
    c.size = QSize(799, 588);
    r.controls = {
        {K::Edit, "DBE_ID", "fixId", "设备编号：", 0, K::Key | K::Required},
        {K::TypeList, "DBC_SysName", "fixSysName", "系统类别：", 0, K::ListOnly, {"fixSys", "fixsysName"}},
        {K::TypeList, "DBC_FixName", "fixName", "设备类别：", 0, K::ListOnly, {"fixtype", "fixName"}},
        {K::Edit, "DBE_Fix", "fixtureName", "设备名称：", 0, K::Cleared},
        {K::Edit, "DBE_Type", "fixtureNum", "设备型号：", 0},
        {K::Edit, "DBE_State", "fixState", "设备状态：", 0},
        {K::MaskedDate, "DBE_SDate", "setupDate", "安装日期：", 0, 0, {}, kDateTimeMask},
        {K::MaskedDate, "DBE_RDate", "runDate", "启用日期：", 0, 0, {}, kDateTimeMask},
        {K::Edit, "DBE_Longe", "longevity", "估计使用年限：", 0, 0, {}, {}, "年"},
        {K::Edit, "DBE_Posit", "posit", "安装位置：", 0},
        {K::Edit, "DBE_Begetter", "begetter", "生产厂商：", 0},
        {K::Edit, "DBE_Provider", "provider", "销售厂商：", 0},
    };
    r.search = [](QWidget* owner) { ui::openChildForm(frmFixFind, owner); };
    return r;
}

// What the two orders share: the number and the person who ordered are
// required and fixed once saved; the order's date and time are those of Add
// and are never typed; the grid shows the number alone.
RegisterConfig order(const char* windowClass, const char* caption, const char* stem, const char* keyField,
                     const char* keyTitle, const char* emptyMessage)
{
    RegisterConfig r;
    r.windowClass = QLatin1String(windowClass);
    RecordEditorConfig& c = r.record;
    c = registerDefaults();
    c.caption = QString::fromUtf8(caption);
    c.key = QLatin1String(stem);
    c.dataSet = QStringLiteral("AT_%1").arg(QLatin1String(stem));
    c.dataSource = QStringLiteral("DS_%1").arg(QLatin1String(stem));
    c.table = QLatin1String(stem);
    c.keyFields = {QLatin1String(keyField)};
    c.emptyMessage = QString::fromUtf8(emptyMessage);
    c.focusKeyOnRequired = false;
    c.existsOnSave = c.existsOnExit = QStringLiteral("该编号记录已存在！重新输入。");
    c.gridColumns = {{QLatin1String(keyField), QString::fromUtf8(keyTitle), 90}};
    c.printButton = RecordEditorConfig::PrintButton::Enabled;
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.addDefaults = {{QStringLiteral("XiadDate"), AddDefault::Today, {}},
                     {QStringLiteral("XiadTime"), AddDefault::Now, {}}};
    c.size = QSize(815, 588);
    return r;
}

QVector<RegisterControl> orderHead(const char* keyName, const char* keyField, const char* keyLabel)
{
    return {
        {K::Edit, keyName, keyField, keyLabel, 0, K::Key | K::Required | K::Locked},
        {K::Edit, "DBE_Fixname", "Fixname", "设备名称：", 0},
        {K::Edit, "DBE_XiadMan", "XiadMan", "下单人员：", 0, K::Required | K::Locked},
        {K::MaskedDate, "DBE_XiadDate", "XiadDate", "下单日期：", 0, K::Shown, {}, kDateTimeMask},
        {K::Time, "DBE_XiadTime", "XiadTime", "下单时间：", 0, K::Shown},
    };
}

RegisterConfig repairs()
{
    RegisterConfig r = order("TfrmMend", "设备维修记录", "Mend", "MendId", "维修单号", "维修单号、下单人员均不能为空！");
    r.controls = orderHead("DBE_MendID", "MendId", "维修单号：");
    r.controls += {
        {K::TextDate, "DBE_HitchDate", "hitchDate", "故障日期：", 0},
        {K::Memo, "DBM_HitchTale", "hitchTale", "故障描述：", 0},
        {K::Edit, "DBE_Mender", "mender", "维修人员：", 0},
        {K::Edit, "DBE_Judge", "judge", "鉴定人员：", 0},
        {K::Combo, "DBC_Result", "result", "维修鉴定结果：", 0, 0, {"", "完全修复", "部分修复", "未修复", "无法修复"}},
        {K::TextDate, "DBE_StartDate", "StartDate", "维修开始时间：", 0},
        {K::TextDate, "DBE_EndDate", "EndDate", "维修结束时间：", 0},
        {K::Memo, "DBM_Cause", "Cause", "故障原因：", 1},
        {K::Memo, "DBM_Gut", "MendGut", "维修内容：", 1},
        {K::Memo, "DBM_JudgeResult", "judgeResult", "维修鉴定：", 1},
        {K::Memo, "DBM_Materiel", "materiel", "所耗物料：", 1},
    };
    // Five memos of three printed lines each do not fit one page of the
    // panel beside the edits: the work done goes on a second page.
    r.record.pages = {QStringLiteral("基本信息"), QStringLiteral("维修情况")};
    r.search = [](QWidget* owner) { ui::openChildForm(frmMendFind, owner); };
    return r;
}

RegisterConfig maintenance()
{
    RegisterConfig r = order("TfrmEgis", "设备保养记录", "Egis", "EgisId", "保养单号", "保养单号、下单人员均不能为空！");
    r.controls = orderHead("DBE_EgisID", "EgisId", "保养单号：");
    r.controls += {
        {K::TextDate, "DBE_PlanDate", "PlanDate", "计划保养日期：", 0},
        {K::Memo, "DBM_EgisJudge", "EgisJudge", "保养鉴定：", 0},
        {K::Edit, "DBE_EgisMan", "EgisMan", "保养人员：", 0},
        {K::Edit, "DBE_Judge", "Judge", "鉴定人员：", 0},
        {K::Combo, "DBC_Result", "Result", "保养鉴定结果：", 0, 0, {"", "完成保养", "尚未保养"}},
        {K::Memo, "DBM_Materiel", "Materiel", "所耗物料：", 0},
    };
    r.search = [](QWidget* owner) { ui::openChildForm(frmEgisFind, owner); };
    return r;
}

}  // namespace

QVector<RegisterConfig> equipmentRegisters()
{
    return {fixing(), repairs(), maintenance()};
}

CONFIGURED_WINDOW(Fixing, RegisterEditor, ::registerConfig)
