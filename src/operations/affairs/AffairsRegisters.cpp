#include "operations/affairs/AffairsRegisters.h"

#include "operations/RegisterWindows.h"
#include "operations/affairs/AffairsSearches.h"
#include "platform/ui/OpenChildForm.h"
#include "templates/ConfiguredWindow.h"

namespace {

using K = RegisterControl;

// What the five have in common: the number is the one required field and
// stays editable when modifying, Add dates the record today from start to
// end, the grid shows number and name, and Delete is the navigator's.
RegisterConfig affair(const char* windowClass, const char* caption, const char* key, const QString& stem,
                      const char* table, const char* keyField, const char* nameField, int nameWidth,
                      const char* endField)
{
    RegisterConfig r;
    r.windowClass = QLatin1String(windowClass);
    RecordEditorConfig& c = r.record;
    c = registerDefaults();
    c.switchCaption = QStringLiteral("进入编辑状态");
    c.caption = QString::fromUtf8(caption);
    c.key = QLatin1String(key);
    c.dataSet = QStringLiteral("AT_") + stem;
    c.dataSource = QStringLiteral("DS_") + stem;
    c.table = QLatin1String(table);
    c.keyFields = {QLatin1String(keyField)};
    c.emptyMessage = QStringLiteral("编号不能为空！");
    c.existsOnSave = c.existsOnExit = QStringLiteral("该编号记录已存在！重新输入。");
    c.gridColumns = {{QLatin1String(keyField), QStringLiteral("编号"), 60},
                     {QLatin1String(nameField), QStringLiteral("名称"), nameWidth}};
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.addDefaults = {{QStringLiteral("startDate"), AddDefault::TodayText, {}},
                     {QLatin1String(endField), AddDefault::TodayText, {}}};
    c.size = QSize(799, 588);
    return r;
}

RegisterConfig plans()
{
    RegisterConfig r = affair("TfrmPlans", "计划", "Plans", "Plans", "plans", "planId", "planName", 90, "EndDate");
    r.controls = {
        {K::Edit, "DBE_ID", "planId", "编号：", 0, K::Key | K::Required | K::Cleared},
        {K::Edit, "DBE_Name", "planName", "计划名称：", 0, K::Cleared},
        {K::TextDate, "DBE_SDate", "startDate", "开始日期：", 0},
        {K::TextDate, "DBE_EDate", "EndDate", "结束日期：", 0},
        {K::Edit, "DBE_Taster", "taster", "审批人：", 0, K::Cleared},
        {K::Memo, "DBM_Gut", "planGut", "计划内容：", 0, K::Cleared},
    };
    opensSearch(r, frmPlanFind);
    return r;
}

RegisterConfig training()
{
    RegisterConfig r = affair("TfrmPeix", "培训", "Peix", "Peix", "peixun", "peixId", "PeixName", 100, "endDate");
    r.controls = {
        {K::Edit, "DBE_ID", "PeixId", "培训编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_Name", "PeixName", "培训名称：", 0, K::Cleared},
        {K::TypeList, "DBC_PeixType", "PeixTName", "培训类型：", 0, K::ListOnly, {"PeixType", "peixTName"}},
        {K::Edit, "DBE_Motif", "motif", "培训主题：", 0},
        {K::TextDate, "DBE_SDate", "startDate", "开始日期：", 0},
        {K::TextDate, "DBE_EDate", "endDate", "结束日期：", 0},
        {K::Edit, "DBE_Lecture", "lecture", "主讲人：", 0},
        {K::Memo, "DBM_Attendee", "attendee", "受训人员：", 0},
        {K::Memo, "DBM_Test", "test", "考核情况：", 0},
        {K::Edit, "DBE_Taster", "taster", "审批人：", 0},
    };
    opensSearch(r, frmPeixFind);
    return r;
}

RegisterConfig activities()
{
    RegisterConfig r =
        affair("TfrmCampaign", "活动", "Campaign", "Campaign", "campaign", "HuodId", "HuodName", 100, "endDate");
    r.controls = {
        {K::Edit, "DBE_ID", "HuodId", "活动编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_Name", "HuodName", "活动名称：", 0, K::Cleared},
        {K::TypeList, "DBC_HuodType", "HuodTName", "活动类型：", 0, K::ListOnly, {"HuodType", "HuodTName"}},
        {K::Edit, "DBE_Motif", "motif", "活动主题：", 0},
        {K::TextDate, "DBE_SDate", "startDate", "开始日期：", 0},
        {K::TextDate, "DBE_EDate", "endDate", "结束日期：", 0},
        {K::Edit, "DBE_Emcee", "emcee", "主持人：", 0},
        {K::Memo, "DBM_Attendee", "attendee", "参与人员：", 0},
        {K::Edit, "DBE_Taster", "taster", "审批人：", 0},
    };
    opensSearch(r, frmCampFind);
    return r;
}

RegisterConfig meetings()
{
    RegisterConfig r =
        affair("TfrmMeeting", "会议", "Meeting", "Meeting", "Meeting", "MeetId", "meetName", 100, "endDate");
    r.controls = {
        {K::Edit, "DBE_ID", "meetId", "会议编号：", 0, K::Key | K::Required},
        {K::Edit, "DBE_Name", "meetName", "会议名称：", 0, K::Cleared},
        {K::TypeList, "DBC_MeetType", "meetTName", "会议类型：", 0, K::ListOnly, {"meetType", "meetTName"}},
        {K::Edit, "DBE_Motif", "motif", "会议主题：", 0},
        {K::TextDate, "DBE_SDate", "startDate", "开始日期：", 0},
        {K::TextDate, "DBE_EDate", "endDate", "结束日期：", 0},
        {K::Edit, "DBE_Emcee", "emcee", "主持人：", 0},
        {K::Edit, "DBE_Lecture", "lecture", "发言人：", 0},
        {K::Memo, "DBM_Attendee", "attendee", "参会人员：", 0},
        {K::Edit, "DBE_Taster", "taster", "审批人：", 0},
    };
    opensSearch(r, frmMeetFind);
    return r;
}

RegisterConfig projects()
{
    RegisterConfig r =
        affair("TfrmProject", "工程", "Projects", "Project", "project", "prjId", "prjName", 100, "EndDate");
    r.controls = {
        {K::Edit, "DBE_ID", "prjId", "工程编号：", 0, K::Key | K::Required},
        {K::TypeList, "DBC_PrjType", "prjTName", "工程类型：", 0, K::ListOnly, {"prjType", "prjTname"}},
        {K::Edit, "DBE_Name", "prjName", "工程名称：", 0, K::Cleared},
        {K::TextDate, "DBE_SDate", "startDate", "开始日期：", 0},
        {K::TextDate, "DBE_EDate", "EndDate", "结束日期：", 0},
        {K::Edit, "DBE_BUnit", "BUnit", "施工单位：", 0},
        {K::Edit, "DBE_BHead", "BHead", "负责人：", 0},
        {K::Edit, "DBE_Linkman", "linkman", "联系人：", 0},
        {K::Edit, "DBE_Phone", "phone", "联系电话：", 0},
        {K::Memo, "DBM_CAAccept", "CAAccept", "施工验收：", 0},
    };
    opensSearch(r, frmPrjFind);
    return r;
}

}  // namespace

QVector<RegisterConfig> affairsRegisters()
{
    return {plans(), training(), activities(), meetings(), projects()};
}

CONFIGURED_WINDOW(Plans, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Peix, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Campaign, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Meeting, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(Project, RegisterEditor, ::registerConfig)
