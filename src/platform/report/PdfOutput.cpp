#include "platform/report/PdfOutput.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/PaperSize.h"

#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {
constexpr int kPdfDotsPerInch = 600;
}

bool writePdf(const Document& doc, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(doc.title);
    writer.setCreator(QStringLiteral("物业管理"));
    writer.setPageLayout(QPageLayout(pageSizeOf(doc), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0 && !writer.newPage())
            return false;
        renderPage(painter, doc.pages[std::size_t(i)]);
    }
    return painter.end();
}

}  // namespace report
