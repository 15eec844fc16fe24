#include "operations/affairs/ComplaintList.h"

#include "platform/data/Query.h"
#include "platform/report/PrintHelpers.h"
#include "platform/report/ReportSystem.h"
#include "templates/ReportHeading.h"
#include "templates/SearchForm.h"

using report::pjCenter;
using report::pjLeft;

ListLayout complaintListLayout(const QString& heading, const QDate& printed)
{
    ListLayout l;
    l.heading = heading;
    l.sectionTop = 0.75;
    l.headingSize = 32;
    l.headingY = 1.0;
    l.title = QStringLiteral("客户投诉清单");
    l.titleFace = QStringLiteral("宋体");
    l.titleSize = 20;
    l.dateLine = QStringLiteral("打印日期：") + report::shortDate(printed);
    l.headY = report::NA;
    l.heavyHeadTops = false;
    l.lineHeight = 0.27;
    l.columns = {{QStringLiteral("投诉编号"), 0.76, pjLeft},     {QStringLiteral("投诉人"), 0.7, pjCenter},
                 {QStringLiteral("投诉内容摘要"), 2.85, pjLeft}, {QStringLiteral("投诉日期"), 0.8, pjCenter},
                 {QStringLiteral("解决状态"), 0.76, pjCenter},   {QStringLiteral("解决人"), 0.7, pjCenter},
                 {QStringLiteral("审核人"), 0.7, pjCenter}};
    l.rowsPerPage = 29;
    return l;
}

std::vector<QStringList> complaintListRows(const data::DataSet& complaints)
{
    std::vector<QStringList> rows;
    if (!complaints.isActive())
        return rows;
    auto column = [&](const char* name) { return complaints.fieldByName(QLatin1String(name))->index(); };
    const int id = column("AppealId"), man = column("AppealMan"), gut = column("AppGut"), date = column("AppDate"),
              state = column("AppState"), dman = column("AppMan"), sman = column("AppMan2");
    rows.reserve(size_t(complaints.recordCount()));
    for (int r = 0; r < complaints.recordCount(); ++r) {
        auto cell = [&](int c) { return report::printable(complaints.valueAt(r, c)); };
        rows.push_back({cell(id), cell(man), report::cutToWidth(cell(gut), 42), cell(date), cell(state), cell(dman),
                        cell(sman)});
    }
    return rows;
}

void printComplaintList(SearchForm& search)
{
    auto* RvSystem = search.findChild<report::ReportSystem*>(QStringLiteral("RvSystem"));
    if (!RvSystem) {
        RvSystem = new report::ReportSystem(&search);
        RvSystem->setObjectName(QStringLiteral("RvSystem"));
        RvSystem->SetTitle(QStringLiteral("客户投诉清单"));
        QObject::connect(RvSystem, &report::ReportSystem::OnPrint, &search, [&search](report::PageWriter& w) {
            drawListReport(w, complaintListLayout(ReportHeading(), QDate::currentDate()),
                           complaintListRows(*search.result()));
        });
    }
    RvSystem->Execute();
}
