#include "platform/report/ReportSystem.h"

#include "platform/report/OutputSeam.h"
#include "platform/report/PageWriter.h"
#include "platform/report/PdfOutput.h"
#include "platform/report/PreviewDialog.h"
#include "platform/report/PrinterOutput.h"
#include "platform/report/ReadingNotice.h"
#include "platform/report/SetupDialog.h"
#include "platform/ui/Msg.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace report {

namespace {

std::unique_ptr<QPrinter> makePrinter(const SetupChoice& choice, const QString& title)
{
    const QPrinterInfo info =
        choice.printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(choice.printerName);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    applySetup(*printer, choice, title);
    return printer;
}

}  // namespace

ReportSystem::ReportSystem(QObject* parent) : QObject(parent) {}

QWidget* ReportSystem::dialogParent() const
{
    if (auto* w = qobject_cast<QWidget*>(parent()))
        return w->window();
    return QApplication::activeWindow();
}

void ReportSystem::warn(const QString& text) const
{
    if (outputSeam().warning)
        outputSeam().warning(text);
    else
        ui::Msg::warning(text, QStringLiteral("警告"));
}

bool ReportSystem::Execute()
{
    const OutputSeam& seam = outputSeam();
    const SetupChoice choice = seam.setup ? seam.setup(m_setup) : SetupDialog::ask(m_setup, dialogParent());
    if (choice.cancelled())
        return false;
    m_setup = choice;

    m_last = Document{};
    m_last.title = m_title;
    // The printer's paper decides the page size; everything else draws on A4.
    std::unique_ptr<QPrinter> printer;
    if (choice.destination == SetupChoice::Printer && !seam.printer) {
        printer = makePrinter(choice, m_title);
        if (!printer) {
            warn(QStringLiteral("没有可用的打印机。"));
            return false;
        }
        m_last.pageSize = printerPaperInches(*printer);
    }

    {
        ReadingNotice notice(dialogParent());
        PageWriter writer(m_last);
        emit OnPrint(writer);
    }

    switch (choice.destination) {
    case SetupChoice::Printer:
        return toPrinter(m_last, choice, printer.get());
    case SetupChoice::PdfFile:
        return toPdf(m_last, choice);
    case SetupChoice::Preview:
        return toPreview(m_last, choice);
    case SetupChoice::Cancel:
        break;
    }
    return false;
}

bool ReportSystem::toPrinter(const Document& doc, const SetupChoice& choice, QPrinter* ready)
{
    if (outputSeam().printer)
        return outputSeam().printer(doc, choice);
    std::unique_ptr<QPrinter> own;
    QPrinter* printer = ready;
    if (!printer) {
        own = makePrinter(choice, m_title);
        printer = own.get();
    }
    if (!printer) {
        warn(QStringLiteral("没有可用的打印机。"));
        return false;
    }
    if (!printDocument(doc, *printer)) {
        warn(QStringLiteral("打印机无法打印。"));
        return false;
    }
    return true;
}

bool ReportSystem::toPdf(const Document& doc, const SetupChoice& choice)
{
    if (writePdf(doc, choice.pdfPath))
        return true;
    warn(QStringLiteral("无法写入 PDF 文件：%1").arg(choice.pdfPath));
    return false;
}

bool ReportSystem::toPreview(const Document& doc, const SetupChoice& choice)
{
    const OutputSeam& seam = outputSeam();
    bool print = false;
    if (seam.preview) {
        print = seam.preview(doc);
    } else {
        const bool canPrint = bool(seam.printer) || !QPrinterInfo::availablePrinterNames().isEmpty();
        PreviewDialog dlg(doc, canPrint, dialogParent());
        dlg.exec();
        print = dlg.printRequested();
    }
    return !print || toPrinter(doc, choice);
}

}  // namespace report
