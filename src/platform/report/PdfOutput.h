#pragma once
// A recorded document written as a PDF file, one PDF page per page, paper the
// document's size, drawing from the paper's corner.

#include "platform/report/DisplayList.h"

#include <QString>

namespace report {

// False when the file cannot be written.
bool writePdf(const Document& doc, const QString& path);

}  // namespace report
