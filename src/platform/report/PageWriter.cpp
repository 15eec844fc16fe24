#include "platform/report/PageWriter.h"

#include "platform/report/TextMeasure.h"

#include <QStringList>
#include <algorithm>

namespace report {

PageWriter::PageWriter(Document& doc) : m_doc(doc)
{
    if (m_doc.pages.empty())
        m_doc.pages.emplace_back();
    m_page = int(m_doc.pages.size()) - 1;
    m_sectionBottom = PageHeight();
    Home();
}

void PageWriter::NewPage()
{
    m_doc.pages.emplace_back();
    m_page = int(m_doc.pages.size()) - 1;
    m_fixedLineHeight = 0;
    Home();
}

void PageWriter::restartLine()
{
    m_tabs.restart();
    m_cell.reset();
}

void PageWriter::SetXPos(double x)
{
    m_x = x + m_originX;
    m_cell.reset();
}

void PageWriter::SetYPos(double y)
{
    m_y = y + m_originY;
    restartLine();
}

void PageWriter::GotoXY(double x, double y)
{
    SetYPos(y);
    SetXPos(x);
}

void PageWriter::Home()
{
    m_x = 0;
    m_y = m_sectionTop + LineHeight();
    restartLine();
}

void PageWriter::SetFont(const QString& name, double size)
{
    m_font.name = name;
    if (!isNA(size) && size > 0)
        m_font.size = size;
    m_font.bold = false;
    m_font.underline = false;
}

double PageWriter::LineHeight() const
{
    return m_fixedLineHeight > 0 ? m_fixedLineHeight : m_font.size / 72.0;
}

void PageWriter::SetLineHeight(double inches)
{
    m_fixedLineHeight = (isNA(inches) || inches <= 0) ? 0 : inches;
}

void PageWriter::NewLine()
{
    m_y += LineHeight();
    m_x = 0;
    restartLine();
}

double PageWriter::TextWidth(const QString& text) const
{
    return textWidth(m_font, text);
}

void PageWriter::emitText(const QString& text, double x, Justify align)
{
    TextItem t;
    t.text = text;
    t.x = x;
    t.y = m_y;
    t.align = align;
    t.font = m_font;
    t.width = textWidth(m_font, text);
    page().texts.push_back(std::move(t));
}

// Prints one run without tab characters; answers where the text ends.
double PageWriter::printRun(const QString& text)
{
    if (text.isEmpty())
        return m_x;
    if (m_cell) {
        const TabStop cell = *m_cell;
        m_cell.reset();
        emitText(text, cell.anchor(), cell.justify);
        return page().texts.back().right();
    }
    emitText(text, m_x, pjLeft);
    return page().texts.back().right();
}

void PageWriter::Print(const QString& text)
{
    if (!text.contains(QLatin1Char('\t'))) {
        m_x = printRun(text);
        return;
    }
    const QStringList runs = text.split(QLatin1Char('\t'));
    m_x = printRun(runs.front());
    for (qsizetype i = 1; i < runs.size(); ++i) {
        Tab();
        m_x = printRun(runs[i]);
    }
}

void PageWriter::PrintLn(const QString& text)
{
    Print(text);
    NewLine();
}

void PageWriter::PrintCenter(const QString& text, double x)
{
    m_cell.reset();
    if (text.isEmpty())
        return;
    emitText(text, x + m_originX, pjCenter);
    m_x = page().texts.back().right();
}

void PageWriter::PrintLeft(const QString& text, double x)
{
    m_cell.reset();
    m_x = x + m_originX;
    if (text.isEmpty())
        return;
    emitText(text, m_x, pjLeft);
    m_x = page().texts.back().right();
}

void PageWriter::PrintRight(const QString& text, double x)
{
    m_cell.reset();
    m_x = x + m_originX;
    if (text.isEmpty())
        return;
    emitText(text, m_x, pjRight);
}

void PageWriter::PrintFooter(const QString& text, Justify justify)
{
    if (text.isEmpty())
        return;
    const double x = justify == pjLeft ? 0.0 : justify == pjCenter ? PageWidth() / 2 : PageWidth();
    const double keepY = m_y;
    m_y = m_sectionBottom - (1 - kAboveBaseline) * LineHeight();
    emitText(text, x, justify);
    m_y = keepY;
}

void PageWriter::SetTab(double pos, Justify justify, double width, double margin, double lines, double shade)
{
    m_tabs.append(isNA(pos) ? NA : pos + m_originX, justify, width, margin, lines, shade);
}

void PageWriter::ClearTabs()
{
    m_tabs.clear();
    m_cell.reset();
}

void PageWriter::Tab(double left, double right, double top, double bottom, double shade)
{
    m_cell.reset();
    const TabStop* stop = m_tabs.next();
    if (!stop)
        return;
    m_cell = *stop;
    m_x = stop->pos;
    if (stop->width <= 0)
        return;

    const double lh = LineHeight();
    const double boxTop = m_y - kAboveBaseline * lh;
    const double boxBottom = m_y + (1 - kAboveBaseline) * lh;
    const int fill = isNA(shade) ? stop->shade : std::clamp(int(shade), 0, 100);
    if (fill > 0) {
        RectItem r;
        r.left = stop->pos;
        r.top = boxTop;
        r.right = stop->right();
        r.bottom = boxBottom;
        r.frame = false;
        r.shade = fill;
        page().rects.push_back(r);
    }
    auto sidePen = [this](double width) {
        PenSpec p = m_pen;
        if (!isNA(width))
            p.width = penWidthInches(width);
        return p;
    };
    if (stop->lines & BoxLeft)
        addLine(stop->pos, boxTop, stop->pos, boxBottom, sidePen(left));
    if (stop->lines & BoxRight)
        addLine(stop->right(), boxTop, stop->right(), boxBottom, sidePen(right));
    if (stop->lines & BoxTop)
        addLine(stop->pos, boxTop, stop->right(), boxTop, sidePen(top));
    if (stop->lines & BoxBottom)
        addLine(stop->pos, boxBottom, stop->right(), boxBottom, sidePen(bottom));
}

void PageWriter::SetPen(const QColor& color, PenStyle style, double width, PenMode)
{
    m_pen.color = color;
    m_pen.style = style;
    if (!isNA(width))
        m_pen.width = penWidthInches(width);
}

void PageWriter::addLine(double x1, double y1, double x2, double y2, const PenSpec& pen)
{
    if (pen.style == psClear)
        return;
    page().lines.push_back(LineItem{x1, y1, x2, y2, pen});
}

void PageWriter::MoveTo(double x, double y)
{
    m_penX = x + m_originX;
    m_penY = y + m_originY;
}

void PageWriter::LineTo(double x, double y)
{
    const double toX = x + m_originX;
    const double toY = y + m_originY;
    addLine(m_penX, m_penY, toX, toY, m_pen);
    m_penX = toX;
    m_penY = toY;
}

void PageWriter::Rectangle(double x1, double y1, double x2, double y2)
{
    if (m_pen.style == psClear)
        return;
    RectItem r;
    r.left = std::min(x1, x2) + m_originX;
    r.right = std::max(x1, x2) + m_originX;
    r.top = std::min(y1, y2) + m_originY;
    r.bottom = std::max(y1, y2) + m_originY;
    r.pen = m_pen;
    page().rects.push_back(r);
}

}  // namespace report
