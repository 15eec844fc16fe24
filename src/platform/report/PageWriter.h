#pragma once
// The page writer every printout draws with.
//
// Positions are inches from the page's top-left corner (plus the origin,
// normally 0). YPos is the baseline of the current line. A line is a box of
// LineHeight inches around its baseline: three quarters above it, one quarter
// below, so rows printed one LineHeight apart abut exactly and boxed cells of
// one row meet those of the next. Without a fixed LineHeight a line is one em
// of the current font.
//
// Text runs, lines and frames go into the Document's display list; nothing is
// painted here. The section is the whole page width; its top and bottom are
// the printout's to set (Home, SetTopOfPage, footers use them).

#include "platform/report/DisplayList.h"
#include "platform/report/TabStops.h"

#include <QColor>
#include <QString>
#include <optional>

namespace report {

class PageWriter {
public:
    // Part of a line's box above the baseline.
    static constexpr double kAboveBaseline = 0.75;

    // Draws into doc, on a new first page when doc has none.
    explicit PageWriter(Document& doc);

    // --- pages
    double PageWidth() const { return m_doc.pageSize.width(); }
    double PageHeight() const { return m_doc.pageSize.height(); }
    int CurrentPage() const { return m_page + 1; }
    // Ends the page and starts the next: the position goes home and a fixed
    // line height is dropped; font, pen, tabs and section stay.
    void NewPage();

    // --- section and position
    double SectionTop() const { return m_sectionTop; }
    void SetSectionTop(double y) { m_sectionTop = y; }
    double SectionBottom() const { return m_sectionBottom; }
    void SetSectionBottom(double y) { m_sectionBottom = y; }
    double XPos() const { return m_x - m_originX; }
    void SetXPos(double x);
    double YPos() const { return m_y - m_originY; }
    // A new line position: the next Tab goes to the first stop again.
    void SetYPos(double y);
    void GotoXY(double x, double y);
    double OriginX() const { return m_originX; }
    void SetOriginX(double x) { m_originX = x; }
    double OriginY() const { return m_originY; }
    void SetOriginY(double y) { m_originY = y; }
    // Left edge; the first baseline one line below the section top.
    void Home();
    // The current line becomes the section top.
    void SetTopOfPage() { m_sectionTop = m_y; }

    // --- fonts and lines of text
    // Also clears Bold and Underline; set those after it.
    void SetFont(const QString& name, double size);
    const FontSpec& Font() const { return m_font; }
    bool Bold() const { return m_font.bold; }
    void SetBold(bool on) { m_font.bold = on; }
    bool Underline() const { return m_font.underline; }
    void SetUnderline(bool on) { m_font.underline = on; }
    // The line step in inches: the fixed one, or one em of the current font.
    double LineHeight() const;
    // Fixes the line step (it survives SetFont); 0 or NA returns to the font's.
    void SetLineHeight(double inches);
    // Top and bottom of the current line's box.
    double LineTop() const { return YPos() - kAboveBaseline * LineHeight(); }
    double LineBottom() const { return YPos() + (1 - kAboveBaseline) * LineHeight(); }
    // One line down, at the left edge, tabs from the first stop. Never starts a page.
    void NewLine();

    // --- text
    // At XPos, or in the cell the last Tab moved to; every tab character moves
    // to the next stop (drawing its sides) and the text after it fills that cell.
    void Print(const QString& text);
    void PrintLn(const QString& text);
    void PrintCenter(const QString& text, double x);
    void PrintLeft(const QString& text, double x);
    void PrintRight(const QString& text, double x);
    // On the section's bottom line: at the left edge, the centre or the right
    // edge of the page. The position does not move.
    void PrintFooter(const QString& text, Justify justify);
    double TextWidth(const QString& text) const;

    // --- tab stops
    void SetTab(double pos, Justify justify, double width, double margin = NA, double lines = 0, double shade = 0);
    void ClearTabs();
    int TabCount() const { return m_tabs.count(); }
    // To the next stop; draws its shade and enabled sides for the current line.
    // A side width other than NA overrides the pen for that side, a shade other
    // than NA the stop's shade. Past the last stop nothing happens.
    void Tab(double left = NA, double right = NA, double top = NA, double bottom = NA, double shade = NA);

    // --- pens and lines
    // A width of NA keeps the current width.
    void SetPen(const QColor& color, PenStyle style, double width, PenMode mode = pmCopy);
    const PenSpec& Pen() const { return m_pen; }
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Rectangle(double x1, double y1, double x2, double y2);

private:
    Page& page() { return m_doc.pages[std::size_t(m_page)]; }
    double printRun(const QString& text);
    void emitText(const QString& text, double x, Justify align);
    void addLine(double x1, double y1, double x2, double y2, const PenSpec& pen);
    void restartLine();

    Document& m_doc;
    int m_page = 0;
    double m_sectionTop = 0;
    double m_sectionBottom = 0;
    double m_x = 0, m_y = 0;  // page coordinates, origin applied
    double m_originX = 0, m_originY = 0;
    FontSpec m_font{QStringLiteral("宋体"), 10, false, false};
    double m_fixedLineHeight = 0;
    TabStops m_tabs;
    std::optional<TabStop> m_cell;  // the cell the last Tab moved to, until text fills it
    PenSpec m_pen;
    double m_penX = 0, m_penY = 0;
};

}  // namespace report
