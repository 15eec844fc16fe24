#pragma once
// The print set-up dialog " 打印设置": preview, printer or PDF file, and copies.

#include "platform/report/SetupChoice.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace report {

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from `proposed`; the printer choice is offered only when a printer
    // is installed (or `printers` names some).
    explicit SetupDialog(const SetupChoice& proposed, const QStringList& printers, QWidget* parent = nullptr);

    // What the controls say now.
    SetupChoice choice() const;
    bool canAccept() const;

    // Shows the dialog and waits; Cancel when the person cancels.
    static SetupChoice ask(const SetupChoice& proposed, QWidget* parent);

    // OK: a PDF file that exists already is replaced only when the person
    // says so; otherwise the dialog stays open.
    void accept() override;

private:
    void updateState();
    void browsePdf();

    QRadioButton* m_preview;
    QRadioButton* m_printer;
    QRadioButton* m_pdf;
    QComboBox* m_printerName;
    QLineEdit* m_pdfPath;
    QSpinBox* m_copies;
    QCheckBox* m_collate;
    QCheckBox* m_duplex;
    QDialogButtonBox* m_buttons;
};

}  // namespace report
