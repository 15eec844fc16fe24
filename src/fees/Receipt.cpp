#include "fees/Receipt.h"

#include "fees/AmountToCapitals.h"
#include "fees/SlipHeading.h"
#include "platform/data/DataSet.h"
#include "platform/data/Error.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PrintHelpers.h"

namespace fees {

using report::PageWriter;

namespace {

const QString kSong = QStringLiteral("宋体");

// A line of the frame: its caption and value at x 1.2, underlined from x
// 2.0 (a baseline 0.03 inch above the rule).
void ruledLine(PageWriter& w, double y, const QString& text)
{
    w.GotoXY(1.2, y);
    w.Print(text);
    w.MoveTo(2.0, y + 0.03);
    w.LineTo(7.05, y + 0.03);
}

}  // namespace

ReceiptValues ReceiptValues::of(const Receipt& r)
{
    ReceiptValues v;
    v.number = r.number;
    v.date = r.date.isValid() ? QVariant(r.date) : QVariant();
    v.ownerName = r.room.ownerName;
    v.buildId = r.room.buildId;
    v.unitName = r.room.unitName;
    v.roomNum = r.room.roomNum;
    v.summary = r.summary;
    v.amount = r.amount.isNull() ? QVariant() : QVariant::fromValue(r.amount);
    return v;
}

ReceiptValues ReceiptValues::fromRow(const data::DataSet& receipts)
{
    auto value = [&](const char* column) { return receipts.fieldValue(QString::fromLatin1(column)); };
    ReceiptValues v;
    v.number = value("SJNum");
    v.date = value("KPDate");
    v.ownerName = value("ownerName");
    v.buildId = value("BuildId");
    v.unitName = value("UnitName");
    v.roomNum = value("RoomNum");
    v.summary = value("SFzy");
    v.amount = value("FSje");
    return v;
}

std::optional<QString> ReceiptValues::capitals() const
{
    const std::optional<QString> text = AmountToCapitals(data::Decimal::fromVariant(amount));
    if (text && text->isEmpty())
        return QStringLiteral("零");
    return text;
}

void drawReceipt(PageWriter& w, const ReceiptValues& v, const QString& heading)
{
    const std::optional<QString> capitals = v.capitals();
    if (!capitals)
        throw data::Error(amountTooLargeMessage());
    const double middle = w.PageWidth() / 2;

    drawSlipHeading(w, heading, QStringLiteral("收款收据"));
    w.SetXPos(6.0);
    w.Print(QStringLiteral("收据号码： ") + report::printable(v.number));
    w.PrintCenter(QStringLiteral("日期：") + report::printable(v.date), middle);

    w.SetTopOfPage();
    w.Home();
    w.SetPen(Qt::black, report::psSolid, 4, report::pmCopy);
    w.SetOriginX(0);
    w.SetOriginY(0);
    w.Rectangle(0.5, 1.2, 7.7, 3.22);
    w.SetPen(Qt::black, report::psSolid, 2, report::pmCopy);
    w.Rectangle(0.55, 1.25, 7.64, 3.17);

    w.SetFont(kSong, 12);
    ruledLine(w, 1.75, QStringLiteral("今 收 到    ") + report::printable(v.ownerName));
    ruledLine(w, 2.1,
              QStringLiteral("房屋编号    ") + report::printable(v.buildId) + QStringLiteral("→") +
                  report::printable(v.unitName) + QStringLiteral("→") + report::printable(v.roomNum));
    const QString summary = report::cutToWidth(report::printable(v.summary), kReceiptSummaryWidth);
    ruledLine(w, 2.45, QStringLiteral("交    来    ") + summary);

    w.GotoXY(1.2, 2.8);
    w.Print(QStringLiteral("人民币(大写)  ") + *capitals);
    w.MoveTo(2.3, 2.83);
    w.LineTo(6.05, 2.83);
    w.GotoXY(6.1, 2.8);
    w.Print(QStringLiteral("￥ ") + report::printable(v.amount));
    w.MoveTo(6.25, 2.83);
    w.LineTo(7.05, 2.83);

    w.SetSectionBottom(3.5);
    w.PrintFooter(QStringLiteral("      核准               会计 "), report::pjLeft);
    w.PrintFooter(QStringLiteral("                记帐               出纳              "), report::pjCenter);
    w.PrintFooter(QStringLiteral("经手人                 "), report::pjRight);
}

}  // namespace fees
