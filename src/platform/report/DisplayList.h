#pragma once
// The display list: what a printout drew, page by page, in inches.
//
// The page writer records into it; preview, printer, PDF and image output
// replay it, so a printout is drawn once and can be shown and printed from the
// same record, and tests read it instead of pixels. Replay paints shaded
// areas first, then lines and frames, then text, so text always stays legible.

#include "platform/report/Units.h"

#include <QColor>
#include <QSizeF>
#include <QString>
#include <vector>

namespace report {

struct FontSpec {
    QString name;  // the face name the printout asked for, e.g. "宋体"
    double size = 10;  // points
    bool bold = false;
    bool underline = false;

    bool operator==(const FontSpec&) const = default;
};

struct PenSpec {
    QColor color = Qt::black;
    PenStyle style = psSolid;
    double width = 1.0 / kPenDotsPerInch;  // inches

    bool operator==(const PenSpec&) const = default;
};

// One run of text on one baseline. x is the anchor: the left end, the centre
// or the right end of the text, as align says.
struct TextItem {
    QString text;
    double x = 0;
    double y = 0;  // baseline
    Justify align = pjLeft;
    FontSpec font;
    double width = 0;  // advance measured when recorded

    double left() const { return align == pjLeft ? x : align == pjCenter ? x - width / 2 : x - width; }
    double right() const { return left() + width; }
};

struct LineItem {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PenSpec pen;
};

// A rectangle: a frame drawn with its pen, a grey fill, or both.
struct RectItem {
    double left = 0, top = 0, right = 0, bottom = 0;
    PenSpec pen;
    bool frame = true;
    int shade = 0;  // percent of black filling the area; 0 leaves it empty
};

struct Page {
    std::vector<TextItem> texts;
    std::vector<LineItem> lines;
    std::vector<RectItem> rects;

    bool isEmpty() const { return texts.empty() && lines.empty() && rects.empty(); }
};

struct Document {
    QString title;
    QSizeF pageSize{kA4WidthInches, kA4HeightInches};  // inches
    std::vector<Page> pages;

    int pageCount() const { return int(pages.size()); }
};

}  // namespace report
