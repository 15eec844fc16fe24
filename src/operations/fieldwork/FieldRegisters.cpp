#include "operations/fieldwork/FieldRegisters.h"

#include "operations/RegisterWindows.h"
#include "operations/fieldwork/FieldSearches.h"
#include "templates/ConfiguredWindow.h"

namespace {

using K = RegisterControl;

const char* const kDateTimeMask = "!0000/90/90;1";

// What every record of the field has: the window's frame, sizes and the
// navigator's delete.
RegisterConfig fieldRecord(const char* windowClass, const char* caption, const char* stem, const char* table)
{
    const QByteArray at = "AT_" + QByteArray(stem), ds = "DS_" + QByteArray(stem);
    RegisterConfig r = registerRow(windowClass, caption, stem, at.constData(), ds.constData(), table);
    RecordEditorConfig& c = r.record;
    c.switchCaption = QStringLiteral("进入编辑状态");
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.size = QSize(799, 588);
    c.maximized = true;
    return r;
}

// The names of one register of visits.
struct Visit {
    const char* windowClass;
    const char* caption;
    const char* stem;
    const char* table;
    const char* number;  // column, label, grid title
    const char* numberLabel;
    const char* numberTitle;
    const char* date;  // the date and time columns and their labels
    const char* time;
    const char* dateLabel;
    const char* timeLabel;
    const char* dateTitle;
    const char* person;
    const char* personLabel;
    const char* route;  // only patrols have one
    const char* content;
    const char* contentLabel;
    const char* result;
    const char* resultLabel;
};

// A visit: number and person are required, and a failed save empties what
// was typed, but never the number once it is fixed.
RegisterConfig visit(const Visit& v)
{
    RegisterConfig r = fieldRecord(v.windowClass, v.caption, v.stem, v.table);
    RecordEditorConfig& c = r.record;
    c.keyFields = {QLatin1String(v.number)};
    c.emptyMessage = QStringLiteral("编号和人员均不能为空！");
    c.existsOnSave = c.existsOnExit = QStringLiteral("该编号记录已存在！重新输入。");
    c.gridColumns = {{QLatin1String(v.number), QString::fromUtf8(v.numberTitle), 80},
                     {QLatin1String(v.date), QString::fromUtf8(v.dateTitle), 80}};
    c.addDefaults = {{QLatin1String(v.date), AddDefault::Today, {}}, {QLatin1String(v.time), AddDefault::Now, {}}};
    r.controls = {
        {K::Edit, "DBE_ID", v.number, v.numberLabel, 0, K::Key | K::Required | K::Cleared | K::Locked},
        {K::MaskedDate, "DBE_Data", v.date, v.dateLabel, 0, K::Shown, {}, kDateTimeMask},
        {K::Time, "DBE_Time", v.time, v.timeLabel, 0, K::Shown},
        {K::Edit, "DBE_Ren", v.person, v.personLabel, 0, K::Required | K::Cleared},
    };
    if (v.route)
        r.controls.append({K::Edit, "DBE_Luxian", v.route, "巡检路线：", 0, K::Cleared});
    r.controls.append({K::Memo, "DBM_Gut", v.content, v.contentLabel, 0, K::Cleared});
    r.controls.append({K::Memo, "DBM_Result", v.result, v.resultLabel, 0, K::Cleared});
    return r;
}

RegisterConfig patrols()
{
    RegisterConfig r = visit({"TfrmPatrol", "巡检记录", "Patrol", "patrol", "patrolId", "巡检编号：", "巡检编号",
                              "patrolDate", "patrolTime", "巡检日期：", "巡检时间：", "巡检日期", "patrolMan",
                              "巡检人员：", "patrolluxian", "patrolGut", "巡检内容：", "patrolResult", "巡检结果："});
    opensSearch(r, frmPatFind);
    return r;
}

// Sanitation work: a click on the grid only offers Modify and Delete; moving
// to another column leaves the record as entering the grid does.
RegisterConfig sanitation()
{
    RegisterConfig r = visit({"TfrmBojeWork", "环卫工作记录", "BojeWork", "BojeWork", "BjWorkId", "编号：", "编号",
                              "BjDate", "BjTime", "日期：", "时间：", "日期", "BjMan", "人员：", nullptr, "BjGut",
                              "保洁内容：", "BjResult", "保洁结果："});
    r.record.gridTriggers = RecordEditorConfig::GridEnter | RecordEditorConfig::GridClick |
                            RecordEditorConfig::GridColumn;
    r.record.gridClickOffersOnly = true;
    opensSearch(r, frmBojeFind);
    return r;
}

RegisterConfig fireChecks()
{
    RegisterConfig r = visit({"TfrmFirCheck", "消防检查记录", "FirCheck", "FirCheck", "CheckId", "编号：", "编号",
                              "CheckDate", "CheckTime", "日期：", "时间：", "检查日期", "CheckMan", "人员：", nullptr,
                              "CheckGut", "检查内容：", "CheckResult", "检查结果："});
    opensSearch(r, frmFirFind);
    return r;
}

// Security incidents: named, not numbered; the name may be changed freely.
RegisterConfig incidents()
{
    RegisterConfig r = fieldRecord("TfrmBoanAffair", "事件记录", "BoanAffair", "BoanAffair");
    RecordEditorConfig& c = r.record;
    c.emptyMessage = QStringLiteral("事件和人员均不能为空！");
    c.requiredFocusField = QStringLiteral("BoanAffName");
    c.gridColumns = {{QStringLiteral("BoanAffName"), QStringLiteral("事件编号"), 100},
                     {QStringLiteral("BoanDate"), QStringLiteral("发生日期"), 80}};
    c.addDefaults = {{QStringLiteral("BoanDate"), AddDefault::Today, {}},
                     {QStringLiteral("BoanTime"), AddDefault::Now, {}}};
    r.controls = {
        {K::Edit, "DBE_Name", "BoanAffName", "事件名称：", 0, K::Required | K::Cleared},
        {K::MaskedDate, "DBE_Date", "BoanDate", "发生日期：", 0, K::Shown, {}, kDateTimeMask},
        {K::Time, "DBE_Time", "BoanTime", "发生时间：", 0, K::Shown},
        {K::Edit, "DBE_Di", "BoanDi", "发生地点：", 0, K::Cleared},
        {K::Edit, "DBE_Ren", "BoanRen", "处理人员：", 0, K::Required | K::Cleared},
        {K::Edit, "DBE_Jieguo", "BoanJieguo", "处理结果：", 0, K::Cleared},
        {K::Memo, "DBM_Jianshu", "BoanJianshu", "事件简述：", 0, K::Cleared},
        {K::Memo, "DBM_Chuli", "BoanChuli", "处理情况：", 0, K::Cleared},
    };
    opensSearch(r, frmAffFind);
    return r;
}

}  // namespace

QVector<RegisterConfig> fieldRegisters()
{
    return {patrols(), incidents(), sanitation(), fireChecks()};
}

CONFIGURED_WINDOW(Patrol, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(BoanAffair, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(BojeWork, RegisterEditor, ::registerConfig)
CONFIGURED_WINDOW(FirCheck, RegisterEditor, ::registerConfig)
