#include "support/PageFinds.h"

#include <cmath>

namespace testsupport {

bool sameInches(double a, double b)
{
    return std::abs(a - b) < 1e-3;
}

QStringList pageTexts(const report::Page& p)
{
    QStringList out;
    for (const report::TextItem& t : p.texts)
        out << t.text;
    return out;
}

std::vector<const report::TextItem*> textsNamed(const report::Page& p, const QString& text)
{
    std::vector<const report::TextItem*> out;
    for (const report::TextItem& t : p.texts)
        if (t.text == text)
            out.push_back(&t);
    return out;
}

const report::TextItem* textAt(const report::Page& p, double x, double y)
{
    for (const report::TextItem& t : p.texts)
        if (sameInches(t.x, x) && sameInches(t.y, y))
            return &t;
    return nullptr;
}

std::vector<const report::LineItem*> linesBetween(const report::Page& p, double x1, double y1, double x2, double y2)
{
    std::vector<const report::LineItem*> out;
    for (const report::LineItem& l : p.lines) {
        const bool forward = sameInches(l.x1, x1) && sameInches(l.y1, y1) && sameInches(l.x2, x2) && sameInches(l.y2, y2);
        const bool backward = sameInches(l.x1, x2) && sameInches(l.y1, y2) && sameInches(l.x2, x1) && sameInches(l.y2, y1);
        if (forward || backward)
            out.push_back(&l);
    }
    return out;
}

bool hasLine(const report::Page& p, double x1, double y1, double x2, double y2)
{
    return !linesBetween(p, x1, y1, x2, y2).empty();
}

}  // namespace testsupport
