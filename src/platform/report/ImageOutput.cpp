#include "platform/report/ImageOutput.h"

#include "platform/report/PageRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QtMath>

namespace report {

QImage renderPageImage(const Document& doc, int index, double dotsPerInch)
{
    if (index < 0 || index >= doc.pageCount() || dotsPerInch <= 0)
        return {};
    const QSize size(qCeil(doc.pageSize.width() * dotsPerInch), qCeil(doc.pageSize.height() * dotsPerInch));
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    img.fill(Qt::white);
    QPainter painter(&img);
    renderPage(painter, doc.pages[std::size_t(index)]);
    painter.end();
    return img;
}

bool savePagePng(const Document& doc, int index, const QString& path, double dotsPerInch)
{
    const QImage img = renderPageImage(doc, index, dotsPerInch);
    if (img.isNull())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.save(path, "PNG");
}

}  // namespace report
