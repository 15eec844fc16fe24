#include "platform/report/TabStops.h"

#include <algorithm>

namespace report {

double TabStop::anchor() const
{
    switch (justify) {
    case pjCenter:
        return pos + width / 2;
    case pjRight:
        return width > 0 ? right() - margin : pos;
    case pjLeft:
        break;
    }
    return width > 0 ? pos + margin : pos;
}

void TabStops::append(double pos, Justify justify, double width, double margin, double lines, double shade)
{
    TabStop s;
    s.pos = !isNA(pos) ? pos : m_stops.empty() ? 0.0 : m_stops.back().right();
    s.justify = justify;
    s.width = isNA(width) ? 0.0 : std::max(0.0, width);
    s.margin = isNA(margin) ? kDefaultMargin : std::max(0.0, margin);
    s.lines = isNA(lines) ? 0 : int(lines) & BoxAll;
    s.shade = isNA(shade) ? 0 : std::clamp(int(shade), 0, 100);
    m_stops.push_back(s);
}

void TabStops::clear()
{
    m_stops.clear();
    m_cursor = 0;
}

const TabStop* TabStops::next()
{
    if (m_cursor >= count())
        return nullptr;
    return &m_stops[std::size_t(m_cursor++)];
}

}  // namespace report
