#pragma once
// Widths of text in inches, the same on every output: measured once at a high
// resolution with unhinted fonts, so the writer's positions do not depend on
// the screen or printer that shows them.

#include "platform/report/DisplayList.h"

#include <QString>

namespace report {

double textWidth(const FontSpec& font, const QString& text);

}  // namespace report
