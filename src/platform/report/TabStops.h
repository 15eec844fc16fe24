#pragma once
// The tab stops of the page writer: cells across the line, each with a
// justification, a width, an inner margin, the box sides to draw and a shade.
// A stop whose position is NA starts where the previous one ends, so a table
// is one fixed first position and a chain of widths.

#include "platform/report/Units.h"

#include <cstddef>
#include <vector>

namespace report {

struct TabStop {
    double pos = 0;  // left edge, inches
    Justify justify = pjLeft;
    double width = 0;  // 0: a plain stop, text aligned on pos
    double margin = 0;  // gap between the box and left- or right-justified text
    int lines = 0;  // BoxSide mask
    int shade = 0;  // percent

    double right() const { return pos + width; }
    // Where text of this cell is anchored for its justification.
    double anchor() const;
};

class TabStops {
public:
    // A small gap, so that justified text does not touch the cell's sides.
    static constexpr double kDefaultMargin = 0.03;

    // NA values: position right after the previous stop (the left edge for the
    // first), width 0, the default margin, no sides, no shade.
    void append(double pos, Justify justify, double width, double margin, double lines, double shade);
    void clear();
    int count() const { return int(m_stops.size()); }
    const TabStop& at(int i) const { return m_stops[std::size_t(i)]; }

    // The next stop along the line, or nullptr past the last one.
    const TabStop* next();
    // The next call to next() gives the first stop again.
    void restart() { m_cursor = 0; }

private:
    std::vector<TabStop> m_stops;
    int m_cursor = 0;
};

}  // namespace report
