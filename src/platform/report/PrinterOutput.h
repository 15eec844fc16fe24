#pragma once
// A recorded document sent to a printer, drawing from the paper's corner.

#include "platform/report/DisplayList.h"
#include "platform/report/SetupChoice.h"

#include <QSizeF>

class QPrinter;

namespace report {

// Copies, collation, duplex and the document name from the set-up.
void applySetup(QPrinter& printer, const SetupChoice& choice, const QString& title);

// The printer's paper in inches (portrait or as the printer is turned).
QSizeF printerPaperInches(const QPrinter& printer);

// False when the printer cannot be opened.
bool printDocument(const Document& doc, QPrinter& printer);

}  // namespace report
