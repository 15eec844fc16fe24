#include "platform/report/TextMeasure.h"

#include "platform/report/FontMap.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <memory>

namespace report {

namespace {

constexpr int kMeasureDpi = 1200;

const QImage& measureDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return device;
}

QString fontKey(const FontSpec& f)
{
    // Underline does not change widths.
    return f.name + QLatin1Char('|') + QString::number(f.size) + (f.bold ? QLatin1String("|b") : QLatin1String(""));
}

const QFontMetricsF& metricsFor(const FontSpec& f)
{
    static QHash<QString, std::shared_ptr<QFontMetricsF>> cache;
    static QString lastKey;
    static const QFontMetricsF* last = nullptr;
    const QString key = fontKey(f);
    if (last && key == lastKey)
        return *last;
    auto& slot = cache[key];
    if (!slot)
        slot = std::make_shared<QFontMetricsF>(makeFont(f), &measureDevice());
    lastKey = key;
    last = slot.get();
    return *last;
}

}  // namespace

double textWidth(const FontSpec& font, const QString& text)
{
    if (text.isEmpty())
        return 0;
    return metricsFor(font).horizontalAdvance(text) / kMeasureDpi;
}

}  // namespace report
