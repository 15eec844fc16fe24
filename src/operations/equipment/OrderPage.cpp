#include "operations/equipment/OrderPage.h"

#include "platform/report/PrintHelpers.h"

using report::PageWriter;

namespace {

const QString kKai = QStringLiteral("楷体_GB2312");
const QString kSong = QStringLiteral("宋体");

// The frame and its label column.
constexpr double kLeft = 0.5, kTop = 2.0, kRight = 7.7, kBottom = 10.0, kLabelRule = 1.6;
constexpr double kHeadY = 1.9;
// The signature rule and the footer above it.
constexpr double kSignFrom = 6.5, kSignY = 10.65;

std::vector<OrderText> headLine(const QString& numberCaption, const QString& numberField)
{
    return {{numberCaption, numberField, 0.5, kHeadY},
            {QStringLiteral("下单人： "), QStringLiteral("XiadMan"), 3.2, kHeadY},
            {QStringLiteral("下单时间： "), QStringLiteral("XiadDate"), 6.0, kHeadY}};
}

// A band of one line: a caption in the label column and its value.
OrderBand single(double top, double bottom, const QString& caption, const QString& field, double captionX = 0.7)
{
    const double y = bottom - 0.08;
    return {top, bottom, true, {}, {{caption, {}, captionX, y}, {{}, field, 1.65, y}}, {}, {}};
}

// A band of two captioned values side by side, split by two rules.
OrderBand pair(double top, double bottom, std::vector<double> rules, std::vector<OrderText> texts)
{
    return {top, bottom, true, std::move(rules), std::move(texts), {}, {}};
}

// A band of a memo: its caption at (0.7, captionY), the memo's lines at x 1.65.
OrderBand memo(double top, double bottom, const QString& caption, double captionY, const QString& field,
               std::vector<double> ys)
{
    return {top, bottom, true, {}, {{caption, {}, 0.7, captionY}}, OrderMemo{field, 1.65, std::move(ys)}, {}};
}

// A band of a memo whose label is written downwards at x 1.0.
OrderBand downwardsMemo(double top, double bottom, const QString& label, std::vector<double> labelYs,
                        const QString& field, std::vector<double> ys)
{
    return {top, bottom, true, {}, {}, OrderMemo{field, 1.65, std::move(ys)},
            OrderDownwards{label, 1.0, std::move(labelYs)}};
}

// The block at the foot of the frame, left empty for remarks.
OrderBand remarks(double top, double captionY)
{
    return {top, kBottom, false, {}, {{QStringLiteral("备  注"), {}, 0.85, captionY}}, {}, {}};
}

OrderLayout makeRepairOrder()
{
    OrderLayout l;
    l.title = QStringLiteral("设备维修单");
    l.head = headLine(QStringLiteral("维修单号： "), QStringLiteral("MendId"));
    l.wrapWidth = 72;
    l.bands = {
        single(2.0, 2.4, QStringLiteral("设备名称"), QStringLiteral("Fixname")),
        pair(2.4, 2.8, {2.9, 4.0},
             {{QStringLiteral("故障时间"), {}, 0.7, 2.72},
              {{}, QStringLiteral("hitchDate"), 1.65, 2.72},
              {QStringLiteral("维修人员"), {}, 3.1, 2.72},
              {{}, QStringLiteral("mender"), 4.05, 2.72}}),
        memo(2.8, 3.7, QStringLiteral("故障描述"), 3.3, QStringLiteral("hitchTale"), {3.02, 3.2, 3.4}),
        memo(3.7, 4.6, QStringLiteral("所耗物料"), 4.2, QStringLiteral("materiel"), {3.92, 4.1, 4.3}),
        pair(4.6, 5.0, {3.2, 4.4},
             {{QStringLiteral("开始维修日期"), {}, 0.6, 4.92},
              {{}, QStringLiteral("StartDate"), 1.65, 4.92},
              {QStringLiteral("结束维修日期"), {}, 3.3, 4.92},
              {{}, QStringLiteral("EndDate"), 4.45, 4.92}}),
        memo(5.0, 5.9, QStringLiteral("故障原因"), 5.5, QStringLiteral("Cause"), {5.22, 5.4, 5.6}),
        memo(5.9, 6.9, QStringLiteral("维修内容"), 6.4, QStringLiteral("MendGut"), {6.22, 6.4, 6.6}),
        memo(6.9, 7.9, QStringLiteral("维修鉴定"), 7.4, QStringLiteral("judgeResult"), {7.22, 7.4, 7.6}),
        pair(7.9, 8.3, {3.3, 4.5},
             {{QStringLiteral("鉴定人"), {}, 0.72, 8.22},
              {{}, QStringLiteral("judge"), 1.65, 8.22},
              {QStringLiteral("鉴定结果概要"), {}, 3.45, 8.22},
              {{}, QStringLiteral("result"), 4.55, 8.22}}),
        remarks(8.3, 9.0),
    };
    return l;
}

OrderLayout makeMaintenanceOrder()
{
    OrderLayout l;
    l.title = QStringLiteral("设备保养单");
    l.head = headLine(QStringLiteral("保养单号： "), QStringLiteral("EgisId"));
    l.wrapWidth = 60;
    l.bands = {
        single(2.0, 2.4, QStringLiteral("设备名称"), QStringLiteral("fixName")),
        pair(2.4, 2.8, {2.9, 4.0},
             {{QStringLiteral("保养日期"), {}, 0.7, 2.72},
              {{}, QStringLiteral("PlanDate"), 1.65, 2.72},
              {QStringLiteral("养护人员"), {}, 3.1, 2.72},
              {{}, QStringLiteral("EgisMan"), 4.05, 2.72}}),
        downwardsMemo(2.8, 4.6, QStringLiteral("所耗物料"), {3.3, 3.55, 3.8, 4.05}, QStringLiteral("Materiel"),
                      {3.1, 3.33, 3.53, 3.73, 3.93, 4.13}),
        downwardsMemo(4.6, 6.4, QStringLiteral("保养鉴定"), {5.2, 5.45, 5.7, 5.95}, QStringLiteral("EgisJudge"),
                      {4.82, 5.05, 5.25, 5.45, 5.65, 5.85}),
        pair(6.4, 6.8, {3.3, 4.5},
             {{QStringLiteral("鉴定人"), {}, 0.76, 6.72},
              {{}, QStringLiteral("Judge"), 1.65, 6.72},
              {QStringLiteral("鉴定结果概要"), {}, 3.45, 6.72},
              {{}, QStringLiteral("Result"), 4.55, 6.72}}),
        remarks(6.8, 8.0),
    };
    return l;
}

void put(PageWriter& w, const QString& text, double x, double y)
{
    if (text.isEmpty())
        return;
    w.GotoXY(x, y);
    w.Print(text);
}

}  // namespace

std::vector<std::pair<QString, int>> OrderLayout::memos() const
{
    std::vector<std::pair<QString, int>> out;
    for (const OrderBand& b : bands)
        if (b.memo)
            out.emplace_back(b.memo->field, int(b.memo->ys.size()));
    return out;
}

QString OrderLayout::memoFits(const QString& field, const QString& text) const
{
    for (const auto& [f, lines] : memos())
        if (f.compare(field, Qt::CaseInsensitive) == 0)
            return report::fitToLines(text, wrapWidth, lines);
    return text;
}

const OrderLayout& repairOrderLayout()
{
    static const OrderLayout l = makeRepairOrder();
    return l;
}

const OrderLayout& maintenanceOrderLayout()
{
    static const OrderLayout l = makeMaintenanceOrder();
    return l;
}

QStringList orderMemoLines(const QVariant& value, int width, int lines)
{
    if (!value.isValid() || value.isNull())
        return {report::kNullText};
    QString text = value.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return report::splitToWidth(text.trimmed(), width, lines);
}

void drawOrder(PageWriter& w, const OrderLayout& l, const OrderValue& value, const QString& heading)
{
    const double middle = w.PageWidth() / 2;
    w.SetSectionTop(0.75);
    w.SetFont(kKai, 32);
    w.SetUnderline(true);
    w.Home();
    w.SetYPos(1.0);
    w.PrintCenter(heading, middle);
    w.Home();
    w.SetFont(kSong, 20);
    w.NewLine();
    w.PrintCenter(l.title, middle);
    w.SetFont(kSong, 11);
    w.NewLine();
    w.SetTopOfPage();

    auto text = [&](const OrderText& t) {
        put(w, t.caption + (t.field.isEmpty() ? QString() : report::printable(value(t.field))), t.x, t.y);
    };
    for (const OrderText& t : l.head)
        text(t);

    w.SetPen(Qt::black, report::psSolid, 1);
    w.Rectangle(kLeft, kTop, kRight, kBottom);
    w.MoveTo(kLabelRule, kTop);
    w.LineTo(kLabelRule, kBottom);
    for (const OrderBand& b : l.bands) {
        if (b.closed) {
            w.MoveTo(kLeft, b.bottom);
            w.LineTo(kRight, b.bottom);
        }
        for (double x : b.rules) {
            w.MoveTo(x, b.top);
            w.LineTo(x, b.bottom);
        }
        for (const OrderText& t : b.texts)
            text(t);
        if (b.memo) {
            const QStringList lines = orderMemoLines(value(b.memo->field), l.wrapWidth, int(b.memo->ys.size()));
            for (qsizetype i = 0; i < lines.size(); ++i)
                put(w, lines[i], b.memo->x, b.memo->ys[size_t(i)]);
        }
        if (b.downwards)
            for (size_t i = 0; i < b.downwards->ys.size() && qsizetype(i) < b.downwards->text.size(); ++i)
                put(w, b.downwards->text.at(qsizetype(i)), b.downwards->x, b.downwards->ys[i]);
    }

    w.MoveTo(kSignFrom, kSignY);
    w.LineTo(kRight, kSignY);
    w.SetFont(kSong, 14);
    w.SetSectionBottom(kSignY);
    w.PrintFooter(QStringLiteral("主管签字") + QString(18, u' '), report::pjRight);
}
