#include "fees/FeeReportPages.h"

#include "platform/report/PrintHelpers.h"
#include "templates/ListReport.h"

using namespace report;

namespace fees {

namespace {

// "内部设施" keeps the first 30 columns of the room's notes.
constexpr int kFittingsWidth = 30;
// "房屋编号" keeps the first 42 characters of the room number.
constexpr int kRoomNumberLength = 42;

ListLayout layoutFor(const PageHead& head, const QString& title, double firstStop, std::vector<ListColumn> columns)
{
    ListLayout l;
    l.heading = head.company;
    l.title = title;
    l.dateLine = QStringLiteral("打印日期：") + shortDate(head.printed);
    l.firstStop = firstStop;
    l.columns = std::move(columns);
    return l;
}

// The statistics pages: the heading a little higher, a smaller title, and
// the month in place of the print date.
ListLayout statisticsLayout(const PageHead& head, const QString& title, int year, int month, double firstStop,
                            std::vector<ListColumn> columns)
{
    ListLayout l = layoutFor(head, title, firstStop, std::move(columns));
    l.headingY = 0.75;
    l.titleSize = 16;
    l.dateLine = QStringLiteral("统计月份：%1-%2").arg(year).arg(month);
    l.dateLineCentred = true;
    return l;
}

QString amount(const data::Decimal& d)
{
    return d.isNull() ? kNullText : generalNumber(d);
}

QString fittings(const QVariant& notes)
{
    return notes.isNull() ? kNullText : cutToWidth(notes.toString(), kFittingsWidth);
}

}  // namespace

void drawHouseholdReport(PageWriter& w, const PageHead& head, ReceivableKind kind, const QString& itemName,
                         const QString& regionName, const std::vector<HouseholdSum>& rows)
{
    const QString title = itemName + QStringLiteral("  ")
                          + (kind == ReceivableKind::Due ? QStringLiteral("分户应收费用报表")
                                                         : QStringLiteral("分户已收费用报表"));
    ListLayout l = layoutFor(head, title, 0.4,
                             {{"小区名称", 0.8, pjCenter}, {"房屋编号", 1.0, pjCenter}, {"客户名称", 2.3, pjCenter},
                              {"本期费用", 0.8, pjRight}, {"往月欠款", 0.8, pjRight}, {"滞纳金", 0.7, pjRight},
                              {"本期合计", 0.8, pjRight}});
    l.whenEmpty = EmptyList::HeadOnly;
    std::vector<QStringList> cells;
    for (const HouseholdSum& h : rows)
        cells.push_back({regionName, h.buildId + u' ' + h.unitName + u' ' + h.roomNum.left(kRoomNumberLength),
                         h.ownerName, amount(h.sums.byfee), amount(h.sums.wyqk), amount(h.sums.znj),
                         amount(h.sums.byhj)});
    drawListReport(w, l, cells);
}

void drawItemReport(PageWriter& w, const PageHead& head, const QString& regionName,
                    const std::optional<QString>& building, const std::vector<ItemSum>& items)
{
    ListLayout l = layoutFor(head, QStringLiteral("分栋全部费用统计表"), 0.5,
                             {{"小区名称", 0.9, pjCenter}, {"楼宇名称", 0.9, pjCenter}, {"费用名称", 0.9, pjCenter},
                              {"本月费用合计", 1.2, pjRight}, {"往月欠款合计", 1.2, pjRight},
                              {"滞纳金合计", 1.2, pjRight}, {"本月总计", 0.9, pjRight}});
    l.whenEmpty = EmptyList::HeadAndFooter;
    const QString buildingText = building ? *building : QStringLiteral("全部");
    std::vector<QStringList> cells;
    for (const ItemSum& i : items)
        cells.push_back({regionName, buildingText, i.feeName, amount(i.sums.byfee), amount(i.sums.wyqk),
                         amount(i.sums.znj), amount(i.sums.byhj)});
    drawListReport(w, l, cells);
}

void drawCollectionStatistics(PageWriter& w, const PageHead& head, int year, int month,
                              const std::vector<ItemStatistics>& items)
{
    ListLayout l = statisticsLayout(head, QStringLiteral("分项回收月统计表"), year, month, 0.4,
                                    {{"项目名称", 0.8, pjCenter}, {"应交户数", 0.8, pjCenter},
                                     {"应交金额", 0.8, pjRight}, {"已交户数", 0.8, pjCenter},
                                     {"已交金额", 0.8, pjRight}, {"回收率(%)", 0.85, pjCenter},
                                     {"未交户数", 0.8, pjCenter}, {"未交金额", 0.8, pjRight},
                                     {"欠收率(%)", 0.85, pjCenter}});
    l.fillEmptyRows = false;
    std::vector<QStringList> cells;
    for (const ItemStatistics& s : items)
        cells.push_back({s.feeName, QString::number(s.households()), generalNumber(s.due()),
                         QString::number(s.paidHouseholds), generalNumber(s.paid), generalNumber(s.collectionRate()),
                         QString::number(s.unpaidHouseholds), generalNumber(s.due() - s.paid),
                         generalNumber(s.arrearsRate())});
    drawListReport(w, l, cells);
}

void drawMonthlySummary(PageWriter& w, const PageHead& head, int year, int month,
                        const std::vector<ItemStatistics>& items)
{
    std::vector<ListColumn> columns;
    for (const char* title : {"项目名称", "往月欠款", "滞纳金", "本月分摊", "本月费用", "本月应收", "实收合计", "未收合计"})
        columns.push_back({QString::fromUtf8(title), 0.8, columns.empty() ? pjCenter : pjRight});
    ListLayout l = statisticsLayout(head, QStringLiteral("月收费统计表"), year, month, 0.8, std::move(columns));
    const auto amounts = [](const QString& name, const ItemStatistics& s) {
        return QStringList{name,
                           generalNumber(s.wyqk),
                           generalNumber(s.znj),
                           generalNumber(s.ftfee),
                           generalNumber(s.byfee),
                           generalNumber(s.byhj),
                           generalNumber(s.ssje),
                           generalNumber(s.outstanding())};
    };
    std::vector<QStringList> cells;
    ItemStatistics total;
    for (const ItemStatistics& s : items) {
        cells.push_back(amounts(s.feeName, s));
        total.add(s);
    }
    l.lastRow = amounts(QStringLiteral("总    计"), total);
    drawListReport(w, l, cells);
}

void drawVacantRooms(PageWriter& w, const PageHead& head, const std::vector<RoomLine>& rooms)
{
    ListLayout l = layoutFor(head, QStringLiteral("空置房间明细表"), 0.4,
                             {{"楼宇名称", 0.9, pjCenter}, {"单元名称", 0.8, pjCenter}, {"房间号", 0.7, pjCenter},
                              {"楼层", 0.6, pjCenter}, {"户型", 1.2, pjCenter}, {"面积", 0.7, pjCenter},
                              {"内部设施", 2.4, pjCenter}});
    l.titleY = 1.19;
    std::vector<QStringList> cells;
    for (const RoomLine& r : rooms)
        cells.push_back({printable(r.buildName), printable(r.unitName), printable(r.roomNum), printable(r.floor),
                         printable(r.layout), amount(r.area), fittings(r.fittings)});
    drawListReport(w, l, cells);
}

void drawOccupancy(PageWriter& w, const PageHead& head, const QString& regionName,
                   const std::vector<BuildingOccupancy>& buildings)
{
    ListLayout l = layoutFor(head, QStringLiteral("小区房间入住率统计表"), 1.2,
                             {{"小区名称", 0.9, pjCenter}, {"楼宇名称", 0.9, pjCenter}, {"房间数", 0.8, pjCenter},
                              {"入住户数", 0.8, pjCenter}, {"空置户数", 0.8, pjCenter}, {"入住率(%)", 0.85, pjCenter},
                              {"空置率(%)", 0.85, pjCenter}});
    l.titleY = 1.19;
    l.dateX = 1.2;
    std::vector<QStringList> cells;
    for (const BuildingOccupancy& b : buildings)
        cells.push_back({regionName, b.buildName, QString::number(b.rooms), QString::number(b.occupied),
                         QString::number(b.vacant()), generalNumber(b.occupancyRate()),
                         generalNumber(b.vacancyRate())});
    drawListReport(w, l, cells);
}

void drawVacantRoomFees(PageWriter& w, const PageHead& head, const std::vector<VacantRoomFee>& rooms)
{
    ListLayout l = layoutFor(head, QStringLiteral("空置房屋管理费统计表"), 0.4,
                             {{"楼宇名称", 0.8, pjCenter}, {"单元名称", 0.8, pjCenter}, {"房间号", 0.7, pjCenter},
                              {"户型", 1.2, pjCenter}, {"面积", 0.6, pjRight}, {"内部设施", 2.5, pjLeft},
                              {"管理费", 0.7, pjRight}});
    l.titleSize = 16;
    l.titleY = 1.19;
    std::vector<QStringList> cells;
    for (const VacantRoomFee& v : rooms)
        cells.push_back({printable(v.room.buildName), printable(v.room.unitName), printable(v.room.roomNum),
                         printable(v.room.layout), generalNumber(v.room.area.orZero()), fittings(v.room.fittings),
                         generalNumber(v.fee)});
    drawListReport(w, l, cells);
}

}  // namespace fees
