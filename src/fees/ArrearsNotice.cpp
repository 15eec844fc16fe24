#include "fees/ArrearsNotice.h"

#include "fees/AmountToCapitals.h"
#include "fees/Money.h"
#include "fees/SlipHeading.h"
#include "platform/data/Connection.h"
#include "platform/data/Error.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PrintHelpers.h"
#include "platform/report/TextFit.h"

#include <QSqlQuery>

namespace fees {

using report::PageWriter;

namespace {

const QString kBlank = QStringLiteral(" ");

// The frame of the table and the line of its column titles.
constexpr double kLeft = 0.3, kRight = 7.9, kTop = 1.2, kBottom = 4.35;
constexpr double kNameRule = 1.45;   // under the customer's name
constexpr double kTitleRule = 1.65;  // under the column titles
constexpr double kColumnsEnd = 4.05; // where the column lines stop, above the total
constexpr double kTitleY = 1.62;
constexpr double kRowStep = 0.2;
constexpr double kTotalY = 4.3;
// Values keep clear of the line that ends their column.
constexpr double kGap = 0.02;

struct Column {
    const char* title;
    double titleX;
    double valueX;
    double end;  // the line on the column's right
};

const Column kColumns[] = {
    {"项目名称", 0.4, 0.4, 1.1},   {"初数1", 1.15, 1.12, 1.6},    {"末数1", 1.65, 1.62, 2.1},
    {"初数2", 2.15, 2.12, 2.6},    {"末数2", 2.65, 2.62, 3.1},    {"初数3", 3.15, 3.12, 3.6},
    {"末数3", 3.65, 3.62, 4.1},    {"用量", 4.2, 4.12, 4.6},      {"分摊费用", 4.65, 4.62, 5.3},
    {"本次费用", 5.35, 5.32, 6.0}, {"往月欠款", 6.05, 6.02, 6.7}, {"滞纳金", 6.72, 6.72, 7.2},
    {"应交金额", 7.25, 7.22, kRight},
};

// The columns of Fee behind the cells, in the order of kColumns.
const char* const kCellColumns = "FeeName, BCNum1, BMNum1, BCNum2, BMNum2, BCNum3, BMNum3, Counts, FTFee, BYFee, "
                                 "WYqk, ZNJ, BYHJ";
constexpr int kCells = 13;
constexpr int kTotalCell = 12;
constexpr int kFlagCell = 13;

QString roomNumber(const RoomKey& k)
{
    return QStringList{k.regionId, k.buildId, k.unitName, k.roomNum}.join(QLatin1Char(' '));
}

void at(PageWriter& w, double x, double y, const QString& text)
{
    w.GotoXY(x, y);
    w.Print(text);
}

void line(PageWriter& w, double x1, double y1, double x2, double y2)
{
    w.MoveTo(x1, y1);
    w.LineTo(x2, y2);
}

void drawForm(PageWriter& w, const ArrearsNotice& n, const QString& heading, const QDate& printed)
{
    drawSlipHeading(w, heading, QStringLiteral("欠费催缴通知单"));
    at(w, 0.5, 1.1, QStringLiteral("房屋编号：") + roomNumber(n.room));
    at(w, 5.8, 1.1, QStringLiteral("打印日期：") + report::shortDate(printed));

    w.SetPen(Qt::black, report::psSolid, 4, report::pmCopy);
    w.SetOriginX(0);
    w.SetOriginY(0);
    w.Rectangle(kLeft, kTop, kRight, kBottom);
    w.SetPen(Qt::black, report::psSolid, 2, report::pmCopy);
    line(w, kLeft, kNameRule, kRight, kNameRule);

    at(w, 0.4, 1.4, QStringLiteral("客户名称"));
    at(w, 1.25, 1.4, n.room.ownerName);

    line(w, kColumns[0].end, kTop, kColumns[0].end, kBottom);
    for (size_t c = 1; c + 1 < std::size(kColumns); ++c)
        line(w, kColumns[c].end, kNameRule, kColumns[c].end, kColumnsEnd);
    line(w, kLeft, kTitleRule, kRight, kTitleRule);
    for (const Column& c : kColumns)
        at(w, c.titleX, kTitleY, QString::fromUtf8(c.title));
}

void drawRow(PageWriter& w, const QStringList& cells, int index)
{
    const double y = kTitleY + kRowStep * (index + 1);
    for (int c = 0; c < kCells; ++c) {
        w.GotoXY(kColumns[c].valueX, y);
        report::PrintFitted(w, cells.value(c), kColumns[c].end - kColumns[c].valueX - kGap);
    }
}

void drawTotal(PageWriter& w, const ArrearsNotice& n, const QString& capitals)
{
    at(w, 0.45, kTotalY, QStringLiteral("总  计"));
    at(w, 1.15, kTotalY, QStringLiteral("人民币 ") + capitals);
    w.GotoXY(6.8, kTotalY);
    report::PrintFitted(w, QStringLiteral("￥ ") + report::generalNumber(n.total) + QStringLiteral("元"),
                        kRight - 6.8 - kGap, report::FitWords::Shrink);
}

}  // namespace

std::optional<QString> ArrearsNotice::capitals() const
{
    return AmountToCapitals(total);
}

ArrearsNotice readArrearsNotice(data::Connection& c, const RoomKey& room, const QString& period)
{
    ArrearsNotice n;
    n.room = room;
    n.period = period;
    QSqlQuery q = c.exec(QStringLiteral("SELECT %1, flag FROM Fee WHERE RegionId = ? AND BuildID = ? AND "
                                        "UnitName = ? AND RoomNum = ? AND ownerID = ? AND ownerName = ? AND "
                                        "inDate = ? ORDER BY rid")
                             .arg(QString::fromLatin1(kCellColumns)),
                         {room.regionId, room.buildId, room.unitName, room.roomNum, room.ownerId, room.ownerName,
                          period});
    while (q.next()) {
        if (isCollected(q.value(kFlagCell)))
            continue;
        QStringList cells{report::printable(q.value(0), kBlank)};
        for (int i = 1; i < kCells; ++i)
            cells << (q.value(i).isNull() ? kBlank : report::generalNumber(money(q.value(i))));
        n.rows.push_back(cells);
        // A row not yet charged has no total; it owes nothing yet.
        if (!q.value(kTotalCell).isNull())
            n.total += money(q.value(kTotalCell));
    }
    n.total = n.total.quantize(2);
    return n;
}

void drawArrearsNotice(PageWriter& w, const ArrearsNotice& notice, const QString& heading, const QDate& printed)
{
    const std::optional<QString> capitals = notice.capitals();
    if (!capitals)
        throw data::Error(amountTooLargeMessage());
    const int rows = int(notice.rows.size());
    const int pages = std::max(1, (rows + kNoticeRowsPerPage - 1) / kNoticeRowsPerPage);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            w.NewPage();
        drawForm(w, notice, heading, printed);
        const int first = p * kNoticeRowsPerPage;
        for (int i = first; i < std::min(rows, first + kNoticeRowsPerPage); ++i)
            drawRow(w, notice.rows[size_t(i)], i - first);
        if (p + 1 == pages)
            drawTotal(w, notice, *capitals);
        w.SetSectionBottom(4.5);
    }
}

}  // namespace fees
