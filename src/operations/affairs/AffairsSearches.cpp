#include "operations/affairs/AffairsSearches.h"

#include "operations/SearchWindows.h"
#include "templates/ConfiguredWindow.h"

namespace {

// The dates of the affairs are text "yyyy-MM-dd", which the date captions
// write too, so they compare in date order.
const QStringList kDates = {QStringLiteral("开始日期"), QStringLiteral("结束日期")};

QVector<SearchField> withDates(QVector<SearchField> fields)
{
    fields.append({QStringLiteral("开始日期"), QStringLiteral("startDate")});
    fields.append({QStringLiteral("结束日期"), QStringLiteral("EndDate")});
    return fields;
}

SearchConfig affairSearch(const char* table, const QVector<SearchField>& fields,
                          const QVector<ui::GridColumn>& columns)
{
    return searchRow(QLatin1String(table), withDates(fields), fourOperators(), kDates, columns);
}

}  // namespace

QVector<QPair<QString, SearchConfig>> affairsSearches()
{
    QVector<QPair<QString, SearchConfig>> t;
    t.append({QStringLiteral("TfrmPlanFind"),
              affairSearch("Plans",
                           {{"计划编号", "PlanID"}, {"计划名称", "PlanName"}, {"审批人", "taster"}},
                           {{"planId", "计划编号", 50},
                            {"planName", "计划名称", 95},
                            {"startDate", "开始日期", 65},
                            {"EndDate", "结束日期", 61},
                            {"taster", "审批人", 60},
                            {"planGut", "计划内容", 288}})});
    t.append({QStringLiteral("TfrmPeixFind"),
              affairSearch("PeiXun",
                           {{"培训编号", "PeixID"},
                            {"培训类别", "PeixTName"},
                            {"培训名称", "PeixName"},
                            {"主题", "motif"},
                            {"审批人", "taster"},
                            {"主讲人", "lecture"}},
                           {{"PeixId", "培训编号", 50},
                            {"PeixTName", "培训类别", 60},
                            {"PeixName", "培训名称", 70},
                            {"motif", "培训主题", 160},
                            {"startDate", "开始日期", 50},
                            {"endDate", "结束日期", 50},
                            {"taster", "审批人", 50},
                            {"lecture", "主讲人", 55},
                            {"attendee", "受训人员", 220}})});
    t.append({QStringLiteral("TfrmCampFind"),
              affairSearch("Campaign",
                           {{"活动编号", "HuodID"},
                            {"活动类别", "HuodTName"},
                            {"活动名称", "HuodName"},
                            {"主题", "motif"},
                            {"审批人", "taster"},
                            {"主持人", "emcee"}},
                           {{"HuodId", "活动编号", 50},
                            {"HuodTName", "活动类别", 60},
                            {"HuodName", "活动名称", 70},
                            {"motif", "活动主题", 160},
                            {"startDate", "开始日期", 50},
                            {"endDate", "结束日期", 50},
                            {"taster", "审批人", 50},
                            {"emcee", "主持人", 55},
                            {"attendee", "参与人员", 220}})});
    t.append({QStringLiteral("TfrmMeetFind"),
              affairSearch("meeting",
                           {{"会议编号", "meetID"},
                            {"会议类别", "meetTName"},
                            {"会议名称", "meetName"},
                            {"主题", "motif"},
                            {"审批人", "taster"},
                            {"主讲人", "lecture"},
                            {"主持人", "emcee"}},
                           {{"meetId", "会议编号", 50},
                            {"meetTName", "会议类别", 60},
                            {"meetName", "会议名称", 70},
                            {"motif", "会议主题", 160},
                            {"startDate", "开始日期", 50},
                            {"endDate", "结束日期", 50},
                            {"taster", "审批人", 50},
                            {"lecture", "主讲人", 55},
                            {"emcee", "主持人", 55},
                            {"attendee", "参会人员", 220}})});
    t.append({QStringLiteral("TfrmPrjFind"),
              affairSearch("project",
                           {{"工程编号", "prjID"},
                            {"工程类别", "prjTName"},
                            {"工程名称", "prjName"},
                            {"施工单位", "BUnit"},
                            {"负责人", "BHead"},
                            {"联系人", "linkman"}},
                           {{"prjId", "工程编号", 50},
                            {"prjTName", "工程类别", 50},
                            {"prjName", "工程名称", 80},
                            {"startDate", "开始日期", 50},
                            {"EndDate", "结束日期", 50},
                            {"BUnit", "施工单位", 120},
                            {"BHead", "负责人", 55},
                            {"linkman", "联系人", 60},
                            {"phone", "联系电话", 60}})});
    return t;
}

CONFIGURED_WINDOW(PlanFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(PeixFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(CampFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(MeetFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(PrjFind, SearchForm, searchConfig)
