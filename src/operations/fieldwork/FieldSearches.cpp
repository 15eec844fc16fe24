#include "operations/fieldwork/FieldSearches.h"

#include "operations/SearchWindows.h"
#include "templates/ConfiguredWindow.h"

namespace {

const char* const kTime = "hh:mm:ss";

// Number, person and date of a visit, the date a date caption.
SearchConfig visitSearch(const char* table, const QVector<SearchField>& fields, const QVector<ui::GridColumn>& columns)
{
    return searchRow(QLatin1String(table), fields, fourOperators(), {fields.last().caption}, columns);
}

}  // namespace

QVector<QPair<QString, SearchConfig>> fieldSearches()
{
    QVector<QPair<QString, SearchConfig>> t;
    t.append({QStringLiteral("TfrmPatFind"),
              visitSearch("patrol", {{"巡检编号", "PatrolID"}, {"巡检人员", "patrolMan"}, {"巡检日期", "patrolDate"}},
                          {{"patrolId", "巡检编号", 60},
                           {"patrolMan", "巡检人员", 60},
                           {"patrolDate", "巡检日期", 70},
                           {"patrolTime", "巡检时间", 60, true, false, false, kTime},
                           {"patrolluxian", "巡检路线", 100},
                           {"patrolGut", "检查内容", 180},
                           {"patrolResult", "结果", 120}})});
    t.append({QStringLiteral("TfrmAffFind"),
              searchRow(QStringLiteral("BoanAffair"),
                        {{"事件名称", "BoanAffName"}, {"发生日期", "BoanDate"}, {"处理人员", "BoanRen"}},
                        fourOperators(), {QStringLiteral("发生日期")},
                        {{"BoanAffName", "事件名称", 90},
                         {"BoanDate", "发生日期", 70},
                         {"BoanTime", "发生时间", 60, true, false, false, kTime},
                         {"BoanRen", "处理人员", 60},
                         {"BoanDi", "发生地点", 90},
                         {"BoanJieguo", "处理结果", 60},
                         {"BoanJianshu", "事件简述", 220}})});
    t.append({QStringLiteral("TfrmBojeFind"),
              visitSearch("BojeWork", {{"工作编号", "BjWorkID"}, {"保洁人员", "BjMan"}, {"日期", "BjDate"}},
                          {{"BjWorkId", "工作编号", 60},
                           {"BjMan", "保洁人员", 60},
                           {"BjDate", "日期", 70},
                           {"BjTime", "时间", 60, true, false, false, kTime},
                           {"BjGut", "保洁内容", 200},
                           {"BjResult", "保洁结果", 150}})});
    t.append({QStringLiteral("TfrmFirFind"),
              visitSearch("firCheck", {{"检查编号", "CheckID"}, {"检查人员", "CheckMan"}, {"检查日期", "CheckDate"}},
                          {{"CheckId", "检查编号", 60},
                           {"CheckMan", "检查人员", 60},
                           {"CheckDate", "检查日期", 70},
                           {"CheckTime", "检查时间", 60, true, false, false, kTime},
                           {"CheckGut", "检查内容", 200},
                           {"CheckResult", "检查结果", 150}})});
    return t;
}

CONFIGURED_WINDOW(PatFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(AffFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(BojeFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(FirFind, SearchForm, searchConfig)
