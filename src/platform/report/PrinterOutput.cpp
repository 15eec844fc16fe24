#include "platform/report/PrinterOutput.h"

#include "platform/report/PageRenderer.h"

#include <QPainter>
#include <QPrinter>

namespace report {

void applySetup(QPrinter& printer, const SetupChoice& choice, const QString& title)
{
    printer.setCopyCount(qMax(1, choice.copies));
    printer.setCollateCopies(choice.collate);
    printer.setDuplex(choice.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    printer.setDocName(title);
}

QSizeF printerPaperInches(const QPrinter& printer)
{
    return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

bool printDocument(const Document& doc, QPrinter& printer)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        renderPage(painter, doc.pages[std::size_t(i)]);
    }
    return painter.end();
}

}  // namespace report
