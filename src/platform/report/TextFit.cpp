#include "platform/report/TextFit.h"

#include "platform/report/PageWriter.h"
#include "platform/report/TextMeasure.h"

namespace report {

namespace {

// The smallest size a number shrinks to; below it nothing is legible anyway,
// and a cell that narrow is a layout fault, not a long value.
constexpr double kSmallestSize = 1.0;

// Index just past the character that starts at i (a surrogate pair is one).
qsizetype nextBoundary(const QString& text, qsizetype i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return i + 2;
    return i + 1;
}

}  // namespace

QString fitText(const FontSpec& font, const QString& text, double inches)
{
    if (textWidth(font, text) <= inches)
        return text;
    // Widths grow with every character, so the longest fitting beginning is
    // found by bisecting over character boundaries.
    std::vector<qsizetype> ends;
    for (qsizetype i = 0; i < text.size();)
        ends.push_back(i = nextBoundary(text, i));
    qsizetype lo = 0, hi = qsizetype(ends.size());  // ends[0..lo) fit, ends[hi..) do not
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        if (textWidth(font, text.left(ends[size_t(mid)])) <= inches)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo == 0 ? QString() : text.left(ends[size_t(lo - 1)]);
}

double fittingSize(const FontSpec& font, const QString& text, double inches)
{
    const double width = textWidth(font, text);
    if (width <= inches || width <= 0)
        return font.size;
    // Widths scale with the size, except for rounding in the glyph advances:
    // start from the proportional size and step down until it fits.
    FontSpec smaller = font;
    smaller.size = std::max(kSmallestSize, std::floor(font.size * inches / width * 10) / 10);
    while (smaller.size > kSmallestSize && textWidth(smaller, text) > inches)
        smaller.size = std::max(kSmallestSize, smaller.size - 0.1);
    return smaller.size;
}

bool isNumberText(const QString& text)
{
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        ++i;
    qsizetype digits = 0, point = -1;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 0x80)
            ++digits;
        else if (c == u'.' && point < 0)
            point = i;
        else
            return false;
    }
    return digits > 0 && point != text.size() - 1;
}

void PrintFitted(PageWriter& w, const QString& text, double inches, FitWords words)
{
    if (text.isEmpty())
        return;
    const FontSpec font = w.Font();
    if (words == FitWords::Shrink || isNumberText(text)) {
        const double size = fittingSize(font, text, inches);
        if (size < font.size) {
            w.SetFont(font.name, size);
            w.SetBold(font.bold);
            w.SetUnderline(font.underline);
            w.Print(text);
            w.SetFont(font.name, font.size);
            w.SetBold(font.bold);
            w.SetUnderline(font.underline);
            return;
        }
    }
    w.Print(fitText(font, text, inches));
}

}  // namespace report
