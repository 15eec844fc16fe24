#pragma once
// What the print set-up dialog decided: where the pages go and how many copies.

#include <QString>

namespace report {

struct SetupChoice {
    enum Destination { Preview, Printer, PdfFile, Cancel };

    Destination destination = Preview;
    QString printerName;  // empty: the default printer
    QString pdfPath;
    int copies = 1;
    bool collate = true;
    bool duplex = false;

    bool cancelled() const { return destination == Cancel; }

    // A short written answer, as tests and scripts give it: "preview",
    // "printer", "printer:<name>", "pdf:<path>", "cancel"; an optional
    // ",copies=<n>" after any of them. Anything else is a cancel.
    static SetupChoice fromAnswer(const QString& answer);
};

}  // namespace report
