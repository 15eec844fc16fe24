#include "operations/SearchWindows.h"

#include "operations/affairs/AffairsSearches.h"
#include "operations/affairs/ComplaintList.h"
#include "operations/documents/DocumentSearches.h"
#include "operations/equipment/EquipmentSearches.h"
#include "operations/fieldwork/FieldSearches.h"
#include "platform/data/Error.h"
#include "templates/ConfiguredWindow.h"

namespace {

using Fields = QVector<SearchField>;
using Columns = QVector<ui::GridColumn>;

const QStringList kTwoOperators = {QStringLiteral("="), QStringLiteral("<>")};

QVector<QPair<QString, SearchConfig>> makeTable()
{
    QVector<QPair<QString, SearchConfig>> t;
    t.append({QStringLiteral("TfrmAppFind"),
              searchRow(QStringLiteral("Appeal"),
                     {{QStringLiteral("投诉编号"), QStringLiteral("AppealID")},
                      {QStringLiteral("投诉人"), QStringLiteral("AppealMan")},
                      {QStringLiteral("投诉日期"), QStringLiteral("AppDate")},
                      {QStringLiteral("调查人员"), QStringLiteral("AppMan")},
                      {QStringLiteral("审核人员"), QStringLiteral("AppMan2")},
                      {QStringLiteral("解决状态"), QStringLiteral("AppState")}},
                     fourOperators(), {QStringLiteral("投诉日期")},
                     {{QStringLiteral("AppealId"), QStringLiteral("投诉编号"), 50},
                      {QStringLiteral("AppealMan"), QStringLiteral("投诉人"), 95},
                      {QStringLiteral("AppDate"), QStringLiteral("投诉日期"), 65},
                      {QStringLiteral("AppMan"), QStringLiteral("调查人员"), 61},
                      {QStringLiteral("AppMan2"), QStringLiteral("审核人员"), 60},
                      {QStringLiteral("AppState"), QStringLiteral("解决状态"), 60},
                      {QStringLiteral("AppGut"), QStringLiteral("投诉内容"), 200},
                      {QStringLiteral("AppResult"), QStringLiteral("处理结果"), 200},
                      {QStringLiteral("AppYiJ"), QStringLiteral("投诉人意见"), 200}},
                     printComplaintList)});
    t.append({QStringLiteral("TfrmEmpFind"),
              searchRow(QStringLiteral("Employee"),
                     {{QStringLiteral("员工姓名"), QStringLiteral("ETName")},
                      {QStringLiteral("性别"), QStringLiteral("ETSex")},
                      {QStringLiteral("民族"), QStringLiteral("Folk")},
                      {QStringLiteral("婚姻状况"), QStringLiteral("ETMarr")},
                      {QStringLiteral("文化程度"), QStringLiteral("ETxueli")},
                      {QStringLiteral("政治面貌"), QStringLiteral("ETZhz")},
                      {QStringLiteral("工种"), QStringLiteral("EmpType")},
                      {QStringLiteral("职称"), QStringLiteral("ETZhC")},
                      {QStringLiteral("所在部门"), QStringLiteral("ETBumen")}},
                     kTwoOperators, {},
                     {{QStringLiteral("EmpID"), QStringLiteral("员工编号"), 60},
                      {QStringLiteral("ETName"), QStringLiteral("员工姓名"), 70},
                      {QStringLiteral("ETSex"), QStringLiteral("性别"), 40},
                      {QStringLiteral("ETXueli"), QStringLiteral("文化程度"), 70},
                      {QStringLiteral("ETBumen"), QStringLiteral("所在部门"), 80},
                      {QStringLiteral("EmpType"), QStringLiteral("工种"), 50},
                      {QStringLiteral("ETZhC"), QStringLiteral("职称"), 70},
                      {QStringLiteral("ETAddress"), QStringLiteral("家庭住址"), 150},
                      {QStringLiteral("ETPhone"), QStringLiteral("联系电话"), 100}})});
    return t;
}

}  // namespace

SearchConfig searchRow(const QString& table, const QVector<SearchField>& fields, const QStringList& operators,
                       const QStringList& dateCaptions, const QVector<ui::GridColumn>& columns,
                       std::function<void(SearchForm&)> print)
{
    SearchConfig c;
    c.caption = QStringLiteral("查找。。。");
    c.statement.head = QStringLiteral("SELECT * FROM %1 WHERE ").arg(table);
    c.statement.table = table;
    c.statement.fields = fields;
    c.statement.operators = operators;
    c.dateCaptions = dateCaptions;
    c.gridColumns = columns;
    c.findOnlyWhenShown = true;
    c.print = std::move(print);
    return c;
}

const QStringList& fourOperators()
{
    static const QStringList ops = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral(">"),
                                    QStringLiteral("<")};
    return ops;
}

const QVector<QPair<QString, SearchConfig>>& searchConfigs()
{
    static const QVector<QPair<QString, SearchConfig>> table = makeTable() + affairsSearches() + equipmentSearches() +
                                                                     fieldSearches() + documentSearches();
    return table;
}

const SearchConfig& searchConfig(const char* windowClass)
{
    for (const auto& row : searchConfigs())
        if (row.first == QLatin1String(windowClass))
            return row.second;
    throw data::Error(QStringLiteral("%1 不是查找窗口。").arg(QLatin1String(windowClass)));
}

CONFIGURED_WINDOW(AppFind, SearchForm, searchConfig)
CONFIGURED_WINDOW(EmpFind, SearchForm, searchConfig)
