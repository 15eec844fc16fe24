// Renders a 100-page list of 38 boxed rows a page to PDF and prints how long
// drawing the pages and writing the file took. Goal: under 3 s in all.
//
//   bench_report_pdf [pages] [output.pdf]

#include "platform/report/PageWriter.h"
#include "platform/report/PdfOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

using namespace report;

namespace {

struct Column {
    const char* title;
    double width;
    Justify body;
};

const Column kColumns[] = {{"小区名称", 0.8, pjCenter}, {"房屋编号", 1.0, pjCenter}, {"客户名称", 2.3, pjCenter},
                           {"本期费用", 0.8, pjRight},  {"往月欠款", 0.8, pjRight},  {"滞纳金", 0.7, pjRight},
                           {"本期合计", 0.8, pjRight}};

void drawList(PageWriter& w, int pages)
{
    const QStringList names{"张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊", "赵敏", "黄晓明"};
    int row = 0;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            w.NewPage();
        w.SetSectionTop(0.55);
        w.SetFont("楷体_GB2312", 22);
        w.SetUnderline(true);
        w.Home();
        w.SetYPos(0.8);
        w.PrintCenter("翠苑物业管理有限公司", w.PageWidth() / 2);
        w.Home();
        w.SetFont("楷体_GB2312", 18);
        w.NewLine();
        w.PrintCenter("物业费  分户应收费用报表", w.PageWidth() / 2);
        w.SetFont("宋体", 11);
        w.NewLine();
        w.SetXPos(0.5);
        w.PrintLn("打印日期：2024-03-05");
        w.SetTopOfPage();
        w.SetYPos(1.6);
        w.ClearTabs();
        w.SetFont("宋体", 12.5);
        w.SetLineHeight(0.21);
        w.SetPen(Qt::black, psSolid, 1);
        for (const Column& c : kColumns)
            w.SetTab(&c == kColumns ? 0.4 : NA, pjCenter, c.width, NA, BoxAll, 0);
        for (const Column& c : kColumns) {
            w.Tab(&c == kColumns ? -2 : NA, &c == std::end(kColumns) - 1 ? -2 : NA, -2, NA, NA);
            w.Print(QString::fromUtf8(c.title));
        }
        w.NewLine();
        w.ClearTabs();
        w.SetFont("宋体", 9.5);
        for (const Column& c : kColumns)
            w.SetTab(&c == kColumns ? 0.4 : NA, c.body, c.width, NA, BoxAll, 0);
        for (int r = 0; r < 38; ++r, ++row) {
            const QString fee = QString::number(80 + row % 17) + (row % 3 ? ".5" : "");
            w.PrintLn(QStringLiteral("\t翠苑小区\tB%1 %2 %3\t%4\t%5\t0\t0\t%5")
                          .arg(row % 9 + 1)
                          .arg(row % 4 + 1)
                          .arg(101 + row)
                          .arg(names[row % names.size()], fee));
        }
        w.SetFont("宋体", 14);
        w.SetSectionBottom(10.75);
        w.PrintFooter(QStringLiteral("第  %1  页").arg(w.CurrentPage()), pjCenter);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? qMax(1, atoi(argv[1])) : 100;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::temp().filePath("bench_report.pdf");

    QElapsedTimer total;
    total.start();
    Document doc;
    PageWriter writer(doc);
    drawList(writer, pages);
    const qint64 drawMs = total.elapsed();
    if (!writePdf(doc, path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    const qint64 totalMs = total.elapsed();

    std::printf("pages: %d, rows a page: 38, output: %s (%lld KB)\n", doc.pageCount(), qPrintable(path),
                QFileInfo(path).size() / 1024);
    std::printf("draw: %lld ms, pdf: %lld ms, total: %.3f s\n", drawMs, totalMs - drawMs, totalMs / 1000.0);
    std::printf("pages per second: %.1f (goal: 100 pages under 3 s)\n", doc.pageCount() * 1000.0 / qMax<qint64>(1, totalMs));
    return 0;
}
