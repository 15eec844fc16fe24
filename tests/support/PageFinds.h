#pragma once
// Finding what a printout drew on a page of the display list.

#include "platform/report/DisplayList.h"

#include <QStringList>
#include <vector>

namespace testsupport {

// Positions on a page match to a thousandth of an inch.
bool sameInches(double a, double b);

// The texts of a page in the order they were drawn.
QStringList pageTexts(const report::Page& p);
// Every text item with exactly this text.
std::vector<const report::TextItem*> textsNamed(const report::Page& p, const QString& text);
// The text anchored at (x, y), or nullptr.
const report::TextItem* textAt(const report::Page& p, double x, double y);
// The lines from (x1, y1) to (x2, y2), either way round.
std::vector<const report::LineItem*> linesBetween(const report::Page& p, double x1, double y1, double x2, double y2);
bool hasLine(const report::Page& p, double x1, double y1, double x2, double y2);

}  // namespace testsupport
