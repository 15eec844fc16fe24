#include "fees/AnnualReport.h"

#include "platform/data/DataSet.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PrintHelpers.h"
#include "platform/report/TextFit.h"

namespace fees {

using report::PageWriter;

namespace {

const QString kKai = QStringLiteral("楷体_GB2312");
const QString kSong = QStringLiteral("宋体");

// The frame of the sections, and the columns inside it.
constexpr double kLeft = 0.5;
constexpr double kRight = 7.7;
constexpr double kTop = 3.0;
constexpr double kBottom = 10.35;
constexpr double kColumnRules[] = {3.1, 4.1, 5.7};
constexpr double kLineStep = 0.25;
// A rule lies this far under the text of its line.
constexpr double kRuleBelow = 0.05;
// Values keep clear of the rule that ends their column.
constexpr double kGap = 0.02;

constexpr double kLabelX = 1.1;
constexpr double kPartLabelX = 1.3;
constexpr double kCodeX = 3.45;
constexpr double kCountX = 4.75;
constexpr double kValueX = 6.9;
// The company particulars stand in two columns above the frame.
constexpr double kRightColumnX = 5.8;

const std::vector<AnnualParticular> kParticulars = {
    {"QYmc", "企业名称：", "企业名称： ", 48, 0.6, 1.9},
    {"FRdb", "法人代表：", "法人代表： ", 18, kRightColumnX, 1.9},
    {"XXdz", "详细地址：", "详细地址： ", 48, 0.6, 2.1},
    {"YB", "邮政编码：", "邮政编码： ", 8, kRightColumnX, 2.1},
    {"Phone", "联系电话：", "联系电话： ", 16, kRightColumnX, 2.4},
    {"Fax", "传真：", "传    真： ", 16, kRightColumnX, 2.6},
    {"mail", "企业邮箱：", "企业邮箱： ", 0, 0.6, 2.4},
    {"WZ", "企业网址：", "企业网址： ", 0, 0.6, 2.6},
    {kFoundedColumn, "成立日期：", "成立日期： ", 0, kRightColumnX, 2.9},
    {"ZClx", "登记注册类型代码：", "企业登记注册类型代码：", 4, 0.6, 2.9},
};

const std::vector<AnnualSection> kSections = {
    {"一、管理物业项目情况", "                       注意： 101=102+104+105+106+107", 1, "个", 0, nullptr,
     3.2, 3.3, 3.5, 3.55, 3.75,
     {{"101", "项目合计：", "项目合计", "XMhj1", 4, "XMhj2", 8},
      {"102", "住宅", "住  宅", "ZZ1", 4, "ZZ2", 8},
      {"103", "其中：5万平米以上的", "其中：5万平米以上的", "QZ1", 4, "QZ2", 8},
      {"104", "办公楼或写字楼", "办公、写字楼", "BG1", 4, "BG2", 8},
      {"105", "商业用房", "商业用房", "SY1", 4, "SY2", 8},
      {"106", "工业用房", "工业用房", "GY1", 4, "GY2", 8},
      {"107", "其它", "其  它", "QT1", 4, "QT2", 8}}},
    {"二、企业从业人员情况", "", 2, "人", 4.75, "数  量", 5.5, 5.55, 5.75, 5.8, 6.0,
     {{"201", "企业从业人员总数", "从业人员总数", "RYzs", 4},
      {"202", "经营管理人员", "企业管理人员", "JGry", 4},
      {"203", "其中：管理处主任（经理）", "其中：管理处主任(经理)", "JL", 4}}},
    {"三、企业经营情况", "", 2, "万元", 4.7, "金  额", 6.8, 6.85, 7.05, 7.1, 7.3,
     {{"301", "注册资本", "注册资本", "ZCzb", 0},
      {"302", "营业收入", "营业收入", "YYsr", 0},
      {"303", "营业成本", "营业成本", "YYcb", 0},
      {"304", "营业税金及附加", "营业税金及附加", "SJ", 0},
      {"305", "利润", "利  润", "LR", 0}}},
    {"四、业主会情况", "", 3, "个", 4.75, "数  量", 8.55, 8.6, 8.8, 8.85, 9.05,
     {{"401", "业主会数量", "业主会数量", "YZh", 3}}},
    {"五、企业代管维修金情况", "", 3, "万元", 4.7, "金  额", 9.3, 9.35, 9.55, 9.6, 9.8,
     {{"501", "企业代管维修金总额", "维修金总额", "WXJze", 8},
      {"502", "企业代管维修金余额", "维修金余额", "WXJye", 8},
      {"503", "维修金支出", "维修金支出", "WXJzc", 8}}},
};

const std::vector<AnnualParticular> kSignatures = {
    {"DWfz", "单位负责人：", "     单位负责人：", 18, 0, 0},
    {"TJfz", "统计负责人：", "     统计负责人：", 18, 0, 0},
    {"TBr", "填报人：", "填报人：", 18, 0, 0},
    {kFilledColumn, "填报日期：", "填报日期： ", 0, 0, 0},
};

void at(PageWriter& w, double x, double y, const QString& text)
{
    w.GotoXY(x, y);
    w.Print(text);
}

// A figure at x, shrunk when it would cross the end of its column.
void figureAt(PageWriter& w, double x, double y, const QString& text, double columnEnd)
{
    w.GotoXY(x, y);
    report::PrintFitted(w, text, columnEnd - x - kGap);
}

void rule(PageWriter& w, double y)
{
    w.MoveTo(kLeft, y);
    w.LineTo(kRight, y);
}

void drawHeading(PageWriter& w, const QString& heading, const QString& filled)
{
    const double middle = w.PageWidth() / 2;
    w.SetSectionTop(0.75);
    w.SetFont(kKai, 28);
    w.SetUnderline(true);
    w.Home();
    w.SetYPos(1.0);
    w.PrintCenter(heading, middle);
    w.Home();
    w.SetFont(kKai, 14);
    w.NewLine();
    w.SetFont(kKai, 18);
    w.PrintCenter(QStringLiteral("物业年终报表"), middle);
    w.SetFont(kSong, 14);
    w.NewLine();
    w.SetFont(kSong, 11);
    w.PrintCenter(QStringLiteral("填报日期： ") + filled, middle);
    w.SetTopOfPage();
    w.Home();
    w.SetOriginX(0);
    w.SetOriginY(0);
}

void drawParticulars(PageWriter& w, const AnnualValues& values)
{
    w.SetFont(kSong, 11);
    for (const AnnualParticular& p : kParticulars) {
        // Label and value are one text; a long name or address is printed
        // smaller rather than into the other column or off the frame.
        const double end = p.x < kRightColumnX ? kRightColumnX : kRight;
        const QString text = QString::fromUtf8(p.printLabel) +
                             report::printable(values(QString::fromLatin1(p.column)));
        w.GotoXY(p.x, p.y);
        report::PrintFitted(w, text, end - p.x - kGap, report::FitWords::Shrink);
    }
}

void drawSection(PageWriter& w, const AnnualSection& s, const AnnualValues& values, bool last)
{
    const auto text = [](const char* t) { return QString::fromUtf8(t); };
    const auto value = [&](const char* column) {
        return report::printable(values(QString::fromLatin1(column)));
    };
    at(w, 0.6, s.captionY, text(s.title) + text(s.printNote));
    rule(w, s.captionRule);

    at(w, 1.05, s.headingY, QStringLiteral("指标名称"));
    at(w, 3.35, s.headingY, QStringLiteral("代  码"));
    if (s.valueTitle) {
        at(w, 4.5, s.headingY, QStringLiteral("计量单位"));
        at(w, 6.5, s.headingY, text(s.valueTitle));
    } else {
        at(w, 4.4, s.headingY, QStringLiteral("项目个数(个)"));
        at(w, 5.95, s.headingY, QStringLiteral("房屋建筑面积(万平米)"));
    }
    rule(w, s.headingRule);

    double y = s.firstLineY;
    for (size_t i = 0; i < s.items.size(); ++i, y += kLineStep) {
        const AnnualItem& item = s.items[i];
        at(w, item.isPart() ? kPartLabelX : kLabelX, y, text(item.printLabel));
        at(w, kCodeX, y, text(item.code));
        if (item.areaColumn) {
            figureAt(w, kCountX, y, value(item.column), kColumnRules[2]);
            figureAt(w, kValueX, y, value(item.areaColumn), kRight);
        } else {
            figureAt(w, kValueX, y, value(item.column), kRight);
        }
        if (i == 0 && s.unitX > 0)
            at(w, s.unitX, y, text(s.unit));
        // The frame closes the form's last line.
        if (!(last && i + 1 == s.items.size()))
            rule(w, y + kRuleBelow);
    }
    const double bottom = y - kLineStep + kRuleBelow;
    for (double x : kColumnRules) {
        w.MoveTo(x, s.captionRule);
        w.LineTo(x, bottom);
    }
}

}  // namespace

bool AnnualItem::isPart() const
{
    return QString::fromUtf8(printLabel).startsWith(QStringLiteral("其中："));
}

const std::vector<AnnualParticular>& annualParticulars()
{
    return kParticulars;
}

const std::vector<AnnualSection>& annualSections()
{
    return kSections;
}

const std::vector<AnnualParticular>& annualSignatures()
{
    return kSignatures;
}

AnnualValues currentReport(const data::DataSet& reports)
{
    return [&reports](const QString& column) {
        if (!reports.isActive() || reports.isEmpty())
            return QVariant();
        return reports.fieldValue(column);
    };
}

void drawAnnualReport(PageWriter& w, const AnnualValues& values, const QString& heading)
{
    const auto value = [&](const char* column) {
        return report::printable(values(QString::fromLatin1(column)));
    };
    drawHeading(w, heading, value(kFilledColumn));
    drawParticulars(w, values);

    w.SetPen(Qt::black, report::psSolid, 4, report::pmCopy);
    w.MoveTo(kLeft, kTop);
    w.LineTo(kRight, kTop);
    w.LineTo(kRight, kBottom);
    w.LineTo(kLeft, kBottom);
    w.LineTo(kLeft, kTop);
    w.SetPen(Qt::black, report::psSolid, 2, report::pmCopy);
    for (size_t i = 0; i < kSections.size(); ++i)
        drawSection(w, kSections[i], values, i + 1 == kSections.size());

    w.SetFont(kSong, 14);
    w.SetSectionBottom(10.68);
    const auto signature = [&](size_t i) {
        return QString::fromUtf8(kSignatures[i].printLabel) + value(kSignatures[i].column);
    };
    w.PrintFooter(signature(0), report::pjLeft);
    w.PrintFooter(signature(1), report::pjCenter);
    w.PrintFooter(signature(2) + QString(9, QLatin1Char(' ')), report::pjRight);
}

}  // namespace fees
