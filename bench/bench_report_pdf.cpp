// Renders a 100-page list of 38 boxed rows a page to PDF and prints how long
// drawing the pages and writing the file took. Goal: under 3 s in all.
//
//   bench_report_pdf [pages] [output.pdf]

#include "platform/report/PageWriter.h"
#include "platform/report/PdfOutput.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"
#include "templates/ListReport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

using namespace report;

namespace {

std::vector<QStringList> sampleRows(int count)
{
    const QStringList names{"张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊", "赵敏", "黄晓明"};
    std::vector<QStringList> rows;
    for (int row = 0; row < count; ++row) {
        const QString fee = QString::number(80 + row % 17) + (row % 3 ? ".5" : "");
        rows.push_back({"翠苑小区", QStringLiteral("B%1 %2 %3").arg(row % 9 + 1).arg(row % 4 + 1).arg(101 + row),
                        names[row % names.size()], fee, "0", "0", fee});
    }
    return rows;
}

void drawList(PageWriter& w, int pages)
{
    ListLayout layout;
    layout.heading = QStringLiteral("翠苑物业管理有限公司");
    layout.title = QStringLiteral("物业费  分户应收费用报表");
    layout.dateLine = QStringLiteral("打印日期：2024-03-05");
    layout.columns = {{"小区名称", 0.8, pjCenter}, {"房屋编号", 1.0, pjCenter}, {"客户名称", 2.3, pjCenter},
                      {"本期费用", 0.8, pjRight},  {"往月欠款", 0.8, pjRight},  {"滞纳金", 0.7, pjRight},
                      {"本期合计", 0.8, pjRight}};
    drawListReport(w, layout, sampleRows(pages * layout.rowsPerPage));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pages = argc > 1 ? qMax(1, atoi(argv[1])) : 100;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QDir::temp().filePath(bench::runName(QStringLiteral("bench_report")) + ".pdf");

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
    std::printf("pages per second: %.1f\n", doc.pageCount() * 1000.0 / qMax<qint64>(1, totalMs));
    if (argc <= 2 && !qEnvironmentVariableIsSet("WYGL_BENCH_KEEP"))
        QFile::remove(path);
    bench::report(QStringLiteral("list report drawn and written to PDF"), QStringLiteral("%1 pages").arg(doc.pageCount()),
                  double(totalMs), bench::Goal::under(pages >= 100 ? 3000 : 30.0 * pages));
    return bench::exitStatus();
}
