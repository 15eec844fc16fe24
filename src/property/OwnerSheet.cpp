#include "property/OwnerSheet.h"

#include "platform/report/PageWriter.h"
#include "platform/report/PrintHelpers.h"

#include <algorithm>

using report::PageWriter;

namespace {

// Inches from the page's top-left corner.
constexpr double kLeft = 0.4;
constexpr double kRight = 7.8;
constexpr double kTop = 1.7;
constexpr double kBottom = 9.7;
constexpr double kCaptionX = 0.75;  // the one-character-a-line captions
constexpr double kLineX = 1.25;     // member and room lines
constexpr double kMemberStep = 0.25;
constexpr double kFirstMemberY = 4.8;

// A label and its value on one line of the particulars.
struct Particular {
    double y;
    double labelX;
    const char* label;
    double valueX;
    const char* column;
};

const Particular kParticulars[] = {
    {2.0, 0.65, "业主编号", 1.9, "ownerId"},   {2.4, 0.65, "民    族", 1.9, "Folk"},
    {2.8, 0.65, "文化程度", 1.9, "Xueli"},     {3.2, 0.65, "政治面貌", 1.9, "Zhz"},
    {3.6, 0.65, "证件类型", 1.9, "ZhjType"},   {4.0, 0.65, "使用类型", 1.9, "UseType"},
    {4.4, 0.65, "认购证书", 1.9, "RGNum"},     {2.0, 3.4, "业主姓名", 4.5, "ownerName"},
    {2.4, 3.4, "出生日期", 4.5, "Birth"},      {2.0, 5.85, "性    别", 6.8, "Sex"},
    {2.4, 5.85, "联系电话", 6.8, "Phone"},     {2.8, 4.15, "工作单位", 5.3, "Factory"},
    {3.2, 4.15, "籍    贯", 5.3, "Native"},    {3.6, 4.15, "证件号码", 5.3, "ZhjNum"},
    {4.0, 4.15, "房产证书", 5.3, "FCNum"},     {4.4, 4.08, "购房合同号", 5.3, "GFNum"},
};

// The first line of the particulars (id, name, sex) ends at this rule.
constexpr double kFirstRowRule = 2.1;

void line(PageWriter& w, double x1, double y1, double x2, double y2)
{
    w.MoveTo(x1, y1);
    w.LineTo(x2, y2);
}

void printAt(PageWriter& w, double x, double y, const QString& text)
{
    w.GotoXY(x, y);
    w.Print(text);
}

// A caption written down the left column, one character a line.
void caption(PageWriter& w, const QString& text, std::initializer_list<double> ys)
{
    int i = 0;
    for (double y : ys)
        printAt(w, kCaptionX, y, text.mid(i++, 1));
}

void heading(PageWriter& w, const OwnerSheetValues& v)
{
    w.SetSectionTop(0.65);
    w.SetFont(QStringLiteral("楷体_GB2312"), 28);
    w.SetUnderline(true);
    w.Home();
    w.SetYPos(1.0);
    w.PrintCenter(v.heading, w.PageWidth() / 2);
    w.Home();
    w.SetFont(QStringLiteral("宋体"), 20);
    w.NewLine();
    w.PrintCenter(QStringLiteral("业主信息表"), w.PageWidth() / 2);
    w.SetFont(QStringLiteral("宋体"), 12);
    w.NewLine();
    w.SetXPos(0.4);
    w.PrintLn(QStringLiteral("打印日期：") + report::shortDate(v.printDate));
    w.SetTopOfPage();
    w.Home();
    w.SetOriginX(0);
    w.SetOriginY(0);
}

void outerFrame(PageWriter& w)
{
    w.MoveTo(kLeft, kTop);
    w.LineTo(kRight, kTop);
    w.LineTo(kRight, kBottom);
    w.LineTo(kLeft, kBottom);
    w.LineTo(kLeft, kTop);
}

// The particulars whose line is at or above lastY.
void particulars(PageWriter& w, const OwnerSheetValues& v, double lastY)
{
    for (const Particular& p : kParticulars) {
        if (p.y > lastY)
            continue;
        printAt(w, p.labelX, p.y, QString::fromUtf8(p.label));
        printAt(w, p.valueX, p.y, v.owner(QString::fromLatin1(p.column)));
    }
}

void footer(PageWriter& w)
{
    w.SetFont(QStringLiteral("宋体"), 14);
    w.SetSectionBottom(10.65);
    w.PrintFooter(QStringLiteral(" 第 ") + QString::number(w.CurrentPage()) + QStringLiteral("页"), report::pjCenter);
}

QString memberLine(const OwnerSheetMember& m)
{
    return QStringLiteral("姓名：  ") + m.name + QStringLiteral("    性别： ") + m.sex + QStringLiteral("   成员关系： ") +
           m.nexus;
}

void members(PageWriter& w, const QVector<OwnerSheetMember>& all, qsizetype from, qsizetype count, double firstY)
{
    for (qsizetype i = 0; i < count; ++i) {
        w.GotoXY(kLineX, firstY + kMemberStep * double(i));
        w.PrintLn(memberLine(all[from + i]));
    }
}

void firstPage(PageWriter& w, const OwnerSheetValues& v)
{
    heading(w, v);
    outerFrame(w);
    w.SetFont(QStringLiteral("宋体"), 13);
    particulars(w, v, kBottom);

    line(w, 1.8, kTop, 1.8, 4.5);
    for (double x : {3.3, 4.4, 5.7, 6.7})
        line(w, x, kTop, x, 2.5);
    for (double x : {3.9, 5.2})
        line(w, x, 2.5, x, 4.5);
    for (double y : {2.1, 2.5, 2.9, 3.3, 3.7, 4.1, 4.5})
        line(w, kLeft, y, kRight, y);

    caption(w, QStringLiteral("家庭成员"), {5.0, 5.4, 5.8, 6.2});
    members(w, v.members, 0, std::min<qsizetype>(v.members.size(), kOwnerSheetBoxMembers), kFirstMemberY);

    caption(w, QStringLiteral("入住房间"), {7.2, 7.5, 7.8, 8.2});
    printAt(w, kLineX, 7.05,
            QStringLiteral("楼宇名称：  ") + v.owner(QStringLiteral("BuildName")) + QStringLiteral("    单元名： ") +
                v.owner(QStringLiteral("UnitName")) + QStringLiteral("  房间号：  ") +
                v.owner(QStringLiteral("RoomNum")));

    caption(w, QStringLiteral("备注"), {9.0, 9.3});

    line(w, kLeft, 6.8, kRight, 6.8);
    line(w, kLeft, 8.6, kRight, 8.6);
    line(w, 1.2, 4.5, 1.2, kBottom);
    footer(w);
}

// A page for the members the first page's box cannot hold: the same heading,
// the owner's first line of particulars, and one box of members.
void morePage(PageWriter& w, const OwnerSheetValues& v, qsizetype from, qsizetype count)
{
    w.NewPage();
    heading(w, v);
    outerFrame(w);
    w.SetFont(QStringLiteral("宋体"), 13);
    particulars(w, v, 2.0);
    for (double x : {1.8, 3.3, 4.4, 5.7, 6.7})
        line(w, x, kTop, x, kFirstRowRule);
    line(w, kLeft, kFirstRowRule, kRight, kFirstRowRule);
    line(w, 1.2, kFirstRowRule, 1.2, kBottom);
    // The caption at the middle of the box, spaced as on the first page.
    const double mid = (kFirstRowRule + kBottom) / 2;
    caption(w, QStringLiteral("家庭成员"), {mid - 0.5, mid - 0.1, mid + 0.3, mid + 0.7});
    members(w, v.members, from, count, kFirstRowRule + 0.3);
    footer(w);
}

}  // namespace

void drawOwnerSheet(PageWriter& w, const OwnerSheetValues& v)
{
    firstPage(w, v);
    for (qsizetype from = kOwnerSheetBoxMembers; from < v.members.size(); from += kOwnerSheetMoreMembersPerPage)
        morePage(w, v, from, std::min<qsizetype>(v.members.size() - from, kOwnerSheetMoreMembersPerPage));
}

void printOwnerSheet(PageWriter& w, const data::DataSet& owners)
{
    drawOwnerSheet(w, OwnerSheetValues::fromRow(owners));
}

bool printOwnerSheet(PageWriter& w, const QString& ownerId)
{
    const std::optional<OwnerSheetValues> v = OwnerSheetValues::read(ownerId);
    if (!v)
        return false;
    drawOwnerSheet(w, *v);
    return true;
}
