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
                   const std::vector<QStringList>& rows)
{
    ListLayout layout;
    layout.heading = heading;
    layout.title = title;
    layout.dateLine = QStringLiteral("打印日期：2024-03-05");
    layout.columns = columns;
    drawListReport(w, layout, rows);
}

}  // namespace reporttest
