#pragma once
// Paper sizes between the display list (inches) and Qt's page sizes.

#include "platform/report/DisplayList.h"

#include <QPageSize>
#include <QSizeF>

namespace report {

// The page size of a document, named (A4, Letter, ...) when it is one.
QPageSize pageSizeOf(const Document& doc);

// The paper of a page size in inches, portrait.
QSizeF paperInches(const QPageSize& size);

}  // namespace report
