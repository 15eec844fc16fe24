#include "operations/stores/VoucherPrint.h"

#include "platform/data/DataSet.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PrintHelpers.h"
#include "platform/report/TextFit.h"

namespace stores {

using report::PageWriter;

namespace {

const QString kKai = QStringLiteral("楷体_GB2312");
const QString kSong = QStringLiteral("宋体");

// The frame and the rows of the table inside it.
constexpr double kLeft = 0.35, kRight = 7.78, kTop = 1.4, kBottom = 3.3;
constexpr double kRowsBottom = 2.85;
constexpr double kHeadY = 1.72, kValueY = 2.06, kRemarkY = 3.18, kSignY = 3.64;
// Room kept between a value and the rule that ends its box.
constexpr double kGap = 0.05;

QVariant valueOf(const data::DataSet& vouchers, const QString& field)
{
    if (!vouchers.isActive() || vouchers.isEmpty())
        return QVariant();
    const data::Field* f = vouchers.findField(field);
    return f ? f->value() : QVariant();
}

QString timeText(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return report::kNullText;
    return v.toDateTime().toString(QStringLiteral("HH:mm:ss"));
}

void printAt(PageWriter& w, const QString& text, double x, double y, double right)
{
    w.GotoXY(x, y);
    report::PrintFitted(w, text, right - kGap - x);
}

}  // namespace

const VoucherForm& receiptForm()
{
    static const VoucherForm f{
        QStringLiteral("入库单"),
        QStringLiteral("入库单号："),
        1.65,
        {2.95, 4.6, 5.24, 5.88},
        {{QStringLiteral("物资类别"), 0.55},
         {QStringLiteral("商品名称"), 1.85},
         {QStringLiteral("规格型号"), 3.35},
         {QStringLiteral("单位"), 4.75},
         {QStringLiteral("数量"), 5.35},
         {QStringLiteral("生产厂商"), 6.3}},
        QStringLiteral("备   注"),
        0.65,
        {{QStringLiteral("reperName"), 0.45, 1.65},
         {QStringLiteral("GoodsName"), 1.75, 2.95},
         {QStringLiteral("GType"), 3.0, 4.6},
         {QStringLiteral("ioNum"), 5.3, 5.88},
         {QStringLiteral("SccS"), 5.95, kRight}},
        {QStringLiteral("note"), 1.75, kRight},
        QStringLiteral("            入库人：              "),
    };
    return f;
}

const VoucherForm& issueForm()
{
    static const VoucherForm f{
        QStringLiteral("出库单"),
        QStringLiteral("出库单号："),
        1.85,
        {3.25, 6.5, 7.14},
        {{QStringLiteral("物资类别"), 0.7},
         {QStringLiteral("商品名称"), 2.15},
         {QStringLiteral("摘                    要"), 3.45},
         {QStringLiteral("单位"), 6.58},
         {QStringLiteral("数量"), 7.22}},
        QStringLiteral("备     注"),
        0.7,
        {{QStringLiteral("reperName"), 0.45, 1.85},
         {QStringLiteral("GoodsName"), 1.9, 3.25},
         {QStringLiteral("ZY"), 3.3, 6.5},
         {QStringLiteral("ioNum"), 7.22, kRight}},
        {QStringLiteral("note"), 2.0, kRight},
        QStringLiteral("            领用人：              "),
    };
    return f;
}

void drawVoucher(PageWriter& w, const VoucherForm& form, const data::DataSet& vouchers, const QString& heading)
{
    auto value = [&](const QString& field) { return report::printable(valueOf(vouchers, field)); };
    const double middle = w.PageWidth() / 2;

    w.SetSectionTop(0.35);
    w.SetFont(kKai, 20);
    w.SetUnderline(true);
    w.Home();
    w.SetYPos(0.6);
    w.PrintCenter(heading, middle);

    w.Home();
    w.SetFont(kKai, 24);
    w.NewLine();
    w.PrintCenter(form.title, middle);

    w.SetFont(kSong, 16);
    w.NewLine();
    w.SetFont(kSong, 11);
    w.PrintLeft(form.numberCaption + value(QStringLiteral("ioputID")), 0.35);
    w.PrintLeft(QStringLiteral("日期：") + value(QStringLiteral("ioDate")) + QStringLiteral("  时间:") +
                    timeText(valueOf(vouchers, QStringLiteral("ioTime"))),
                5.3);

    w.SetTopOfPage();
    w.Home();
    w.SetPen(Qt::black, report::psSolid, 4, report::pmCopy);
    w.SetOriginX(0);
    w.SetOriginY(0);
    w.MoveTo(kLeft, kTop);
    w.LineTo(kRight, kTop);
    w.LineTo(kRight, kBottom);
    w.LineTo(kLeft, kBottom);
    w.LineTo(kLeft, kTop);

    w.SetPen(Qt::black, report::psSolid, 2, report::pmCopy);
    w.MoveTo(form.fullRule, kTop);
    w.LineTo(form.fullRule, kBottom);
    for (double x : form.rules) {
        w.MoveTo(x, kTop);
        w.LineTo(x, kRowsBottom);
    }

    w.SetFont(kSong, 14);
    w.SetBold(true);
    for (const VoucherForm::Text& h : form.heads) {
        w.GotoXY(h.x, kHeadY);
        w.Print(h.text);
    }
    w.GotoXY(form.remarkHeadX, kRemarkY);
    w.Print(form.remarkHead);
    w.SetBold(false);

    w.MoveTo(kLeft, 1.85);
    w.LineTo(kRight, 1.85);

    w.SetFont(kSong, 11);
    for (const VoucherForm::Cell& c : form.cells)
        printAt(w, value(c.field), c.x, kValueY, c.right);
    printAt(w, value(form.remark.field), form.remark.x, kRemarkY, form.remark.right);

    for (double y : {2.1, 2.35, 2.6, 2.85}) {
        w.MoveTo(kLeft, y);
        w.LineTo(kRight, y);
    }

    // The two names stand behind their captions of the signature line, each
    // up to where the next caption begins.
    const QString keeperCaption = QStringLiteral("保管员：");
    const QString chiefCaption = QStringLiteral("部门负责人：               ");
    w.SetFont(kSong, 12);
    w.SetSectionBottom(3.65);
    printAt(w, value(QStringLiteral("useMan")), 1.65, kSignY, middle - w.TextWidth(keeperCaption) / 2);
    printAt(w, value(QStringLiteral("keeper")), 4.44, kSignY, w.PageWidth() - w.TextWidth(chiefCaption));
    w.PrintFooter(form.footerLeft, report::pjLeft);
    w.PrintFooter(keeperCaption, report::pjCenter);
    w.PrintFooter(chiefCaption, report::pjRight);
}

}  // namespace stores
