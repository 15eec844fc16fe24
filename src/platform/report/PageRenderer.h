#pragma once
// Paints one recorded page on any paint device: image, PDF writer or printer.
//
// The painter's origin must be the paper's top-left corner. Inches become
// device units at the device's resolution, and fonts in points follow the same
// resolution, so one page looks the same on every device.

#include "platform/report/DisplayList.h"

class QPainter;

namespace report {

// Device units per inch are the device's logical resolution.
void renderPage(QPainter& painter, const Page& page);

}  // namespace report
