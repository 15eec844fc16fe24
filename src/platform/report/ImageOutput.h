#pragma once
// A recorded page as an image: for the preview, for screenshots and for
// checking a layout by eye.

#include "platform/report/DisplayList.h"

#include <QImage>
#include <QString>

namespace report {

// The whole paper of page `index` (0-based) on white, at the given resolution.
QImage renderPageImage(const Document& doc, int index, double dotsPerInch);

// Writes that image as PNG; false when the page does not exist or the file
// cannot be written.
bool savePagePng(const Document& doc, int index, const QString& path, double dotsPerInch = 150);

}  // namespace report
