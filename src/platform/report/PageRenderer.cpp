#include "platform/report/PageRenderer.h"

#include "platform/report/FontMap.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <optional>

namespace report {

namespace {

Qt::PenStyle qtStyle(PenStyle s)
{
    switch (s) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
        break;
    }
    return Qt::SolidLine;
}

class PenCache {
public:
    explicit PenCache(double dpi) : m_dpi(dpi) {}
    const QPen& operator()(const PenSpec& style)
    {
        if (!m_spec || !(*m_spec == style)) {
            m_spec = style;
            m_pen = QPen(style.color, style.width * m_dpi, qtStyle(style.style), Qt::SquareCap, Qt::MiterJoin);
        }
        return m_pen;
    }

private:
    double m_dpi;
    std::optional<PenSpec> m_spec;
    QPen m_pen;
};

}  // namespace

void renderPage(QPainter& painter, const Page& page)
{
    const double dpi = painter.device()->logicalDpiY();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    painter.setPen(Qt::NoPen);
    for (const RectItem& r : page.rects) {
        if (r.shade <= 0)
            continue;
        const int grey = 255 - (255 * r.shade) / 100;
        painter.setBrush(QColor(grey, grey, grey));
        painter.drawRect(QRectF(QPointF(r.left * dpi, r.top * dpi), QPointF(r.right * dpi, r.bottom * dpi)));
    }

    PenCache pens(dpi);
    painter.setBrush(Qt::NoBrush);
    for (const RectItem& r : page.rects) {
        if (!r.frame)
            continue;
        painter.setPen(pens(r.pen));
        painter.drawRect(QRectF(QPointF(r.left * dpi, r.top * dpi), QPointF(r.right * dpi, r.bottom * dpi)));
    }
    for (const LineItem& l : page.lines) {
        painter.setPen(pens(l.pen));
        painter.drawLine(QPointF(l.x1 * dpi, l.y1 * dpi), QPointF(l.x2 * dpi, l.y2 * dpi));
    }

    painter.setPen(Qt::black);
    std::optional<FontSpec> current;
    std::optional<QFontMetricsF> metrics;
    for (const TextItem& t : page.texts) {
        if (!current || !(*current == t.font)) {
            current = t.font;
            painter.setFont(makeFont(t.font));
            metrics.emplace(painter.font(), painter.device());
        }
        double left = t.x * dpi;
        if (t.align != pjLeft) {
            // Aligned on this device's own advance, so centred and right-aligned
            // text sits exactly on its anchor whatever the resolution.
            const double w = metrics->horizontalAdvance(t.text);
            left -= t.align == pjCenter ? w / 2 : w;
        }
        painter.drawText(QPointF(left, t.y * dpi), t.text);
    }
    painter.restore();
}

}  // namespace report
