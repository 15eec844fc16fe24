#pragma once
// The report system of a printing window.
//
// Execute asks the set-up dialog where the pages go, then raises OnPrint once
// with a page writer; the printout draws everything into the writer's display
// list, and the pages go to the preview, the printer or a PDF file. The preview
// prints the pages it shows, so a printout is never drawn twice.
//
//     connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmX::RvSystemPrint);
//     RvSystem->Execute();

#include "platform/report/DisplayList.h"
#include "platform/report/SetupChoice.h"

#include <QObject>

class QPrinter;
class QWidget;

namespace report {

class PageWriter;

class ReportSystem : public QObject {
    Q_OBJECT
public:
    explicit ReportSystem(QObject* parent = nullptr);

    // The document's name on the printer and in the PDF.
    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // What the set-up dialog proposes; after Execute, the last choice made.
    const SetupChoice& Setup() const { return m_setup; }
    void SetSetup(const SetupChoice& choice) { m_setup = choice; }

    // Set-up, drawing, output. False when the set-up was cancelled (nothing is
    // drawn) or the output failed (a warning says why).
    bool Execute();

    // The pages drawn by the last Execute.
    const Document& LastDocument() const { return m_last; }

signals:
    // Raised once per Execute, after the set-up: draw the printout into writer.
    void OnPrint(report::PageWriter& writer);

private:
    QWidget* dialogParent() const;
    bool toPrinter(const Document& doc, const SetupChoice& choice, QPrinter* ready = nullptr);
    bool toPdf(const Document& doc, const SetupChoice& choice);
    bool toPreview(const Document& doc, const SetupChoice& choice);
    void warn(const QString& text) const;

    QString m_title;
    SetupChoice m_setup;
    Document m_last;
};

}  // namespace report
