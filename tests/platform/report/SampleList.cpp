#include "SampleList.h"

namespace reporttest {

using namespace report;

std::vector<ListColumn> feeColumns()
{
    return {{"小区名称", 0.8, pjCenter}, {"房屋编号", 1.0, pjCenter}, {"客户名称", 2.3, pjCenter},
            {"本期费用", 0.8, pjRight},  {"往月欠款", 0.8, pjRight},  {"滞纳金", 0.7, pjRight},
            {"本期合计", 0.8, pjRight}};
}

std::vector<QStringList> sampleRows(int count)
{
    static const QStringList names{"张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊", "赵敏", "黄晓明"};
    std::vector<QStringList> rows;
    for (int i = 0; i < count; ++i) {
        const QString fee = QString::number(80 + i % 17) + (i % 3 ? ".5" : "");
        rows.push_back({"翠苑小区", QStringLiteral("B%1 %2 %3").arg(i % 9 + 1).arg(i % 4 + 1).arg(101 + i),
                        names[i % names.size()], fee, i % 5 ? "0" : "12.3", i % 7 ? "0" : "1.2", fee});
    }
    return rows;
}

void drawBoxedList(PageWriter& w, const QString& heading, const QString& title, const std::vector<ListColumn>& columns,
                   const std::vector<QStringList>& rows, int rowsPerPage)
{
    size_t next = 0;
    do {
        if (next > 0)
            w.NewPage();
        w.SetSectionTop(0.55);
        w.SetFont("楷体_GB2312", 22);
        w.SetUnderline(true);
        w.Home();
        w.SetYPos(0.8);
        w.PrintCenter(heading, w.PageWidth() / 2);
        w.Home();
        w.SetFont("楷体_GB2312", 18);
        w.NewLine();
        w.PrintCenter(title, w.PageWidth() / 2);
        w.SetFont("宋体", 11);
        w.NewLine();
        w.SetXPos(0.5);
        w.PrintLn("打印日期：2024-03-05");
        w.SetTopOfPage();
        w.Home();

        w.SetYPos(1.6);
        w.ClearTabs();
        w.SetFont("宋体", 12.5);
        w.SetLineHeight(0.21);
        w.SetPen(Qt::black, psSolid, 1);
        for (size_t c = 0; c < columns.size(); ++c)
            w.SetTab(c == 0 ? 0.4 : NA, pjCenter, columns[c].width, NA, BoxAll, 0);
        for (size_t c = 0; c < columns.size(); ++c) {
            w.Tab(c == 0 ? -2 : NA, c + 1 == columns.size() ? -2 : NA, -2, NA, NA);
            w.Print(columns[c].title);
        }
        w.NewLine();

        w.SetBold(false);
        w.ClearTabs();
        w.SetFont("宋体", 9.5);
        for (size_t c = 0; c < columns.size(); ++c)
            w.SetTab(c == 0 ? 0.4 : NA, columns[c].body, columns[c].width, NA, BoxAll, 0);
        int printed = 0;
        for (; next < rows.size() && printed < rowsPerPage; ++next, ++printed) {
            w.Print("\t" + rows[next].join("\t"));
            w.NewLine();
        }
        for (; printed < rowsPerPage; ++printed) {
            w.Print(QString(qsizetype(columns.size()), QLatin1Char('\t')));
            w.NewLine();
        }
        w.SetFont("宋体", 14);
        w.SetSectionBottom(10.75);
        w.PrintFooter(QStringLiteral("第  %1  页").arg(w.CurrentPage()), pjCenter);
    } while (next < rows.size());
}

}  // namespace reporttest
