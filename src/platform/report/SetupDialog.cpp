#include "platform/report/SetupDialog.h"

#include "platform/ui/Msg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace report {

SetupDialog::SetupDialog(const SetupChoice& proposed, const QStringList& printers, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" 打印设置"));

    auto* where = new QGroupBox(QStringLiteral("输出到"), this);
    auto* grid = new QGridLayout(where);
    m_preview = new QRadioButton(QStringLiteral("打印预览"), where);
    m_printer = new QRadioButton(QStringLiteral("打印机"), where);
    m_pdf = new QRadioButton(QStringLiteral("PDF 文件"), where);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_printer->setObjectName(QStringLiteral("printer"));
    m_pdf->setObjectName(QStringLiteral("pdf"));
    m_printerName = new QComboBox(where);
    m_printerName->setObjectName(QStringLiteral("printerName"));
    m_printerName->addItems(printers);
    m_pdfPath = new QLineEdit(where);
    m_pdfPath->setObjectName(QStringLiteral("pdfPath"));
    auto* browse = new QPushButton(QStringLiteral("浏览…"), where);
    browse->setAutoDefault(false);
    grid->addWidget(m_preview, 0, 0);
    grid->addWidget(m_printer, 1, 0);
    grid->addWidget(m_printerName, 1, 1, 1, 2);
    grid->addWidget(m_pdf, 2, 0);
    grid->addWidget(m_pdfPath, 2, 1);
    grid->addWidget(browse, 2, 2);

    auto* copiesBox = new QGroupBox(QStringLiteral("份数"), this);
    auto* form = new QFormLayout(copiesBox);
    m_copies = new QSpinBox(copiesBox);
    m_copies->setObjectName(QStringLiteral("copies"));
    m_copies->setRange(1, 999);
    m_collate = new QCheckBox(QStringLiteral("逐份打印"), copiesBox);
    m_duplex = new QCheckBox(QStringLiteral("双面打印"), copiesBox);
    form->addRow(QStringLiteral("打印份数："), m_copies);
    form->addRow(m_collate);
    form->addRow(m_duplex);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(copiesBox);
    layout->addWidget(m_buttons);

    const bool havePrinter = !printers.isEmpty();
    m_printer->setEnabled(havePrinter);
    if (havePrinter) {
        const int at = m_printerName->findText(proposed.printerName);
        if (at >= 0)
            m_printerName->setCurrentIndex(at);
    }
    m_pdfPath->setText(proposed.pdfPath);
    m_copies->setValue(qMax(1, proposed.copies));
    m_collate->setChecked(proposed.collate);
    m_duplex->setChecked(proposed.duplex);
    switch (proposed.destination) {
    case SetupChoice::Printer:
        (havePrinter ? m_printer : m_preview)->setChecked(true);
        break;
    case SetupChoice::PdfFile:
        m_pdf->setChecked(true);
        break;
    default:
        m_preview->setChecked(true);
        break;
    }

    for (QRadioButton* b : {m_preview, m_printer, m_pdf})
        connect(b, &QRadioButton::toggled, this, &SetupDialog::updateState);
    connect(m_pdfPath, &QLineEdit::textChanged, this, &SetupDialog::updateState);
    connect(browse, &QPushButton::clicked, this, &SetupDialog::browsePdf);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateState();
}

SetupChoice SetupDialog::choice() const
{
    SetupChoice c;
    c.destination = m_printer->isChecked() ? SetupChoice::Printer
                    : m_pdf->isChecked()   ? SetupChoice::PdfFile
                                           : SetupChoice::Preview;
    c.printerName = m_printerName->currentText();
    c.pdfPath = m_pdfPath->text().trimmed();
    c.copies = m_copies->value();
    c.collate = m_collate->isChecked();
    c.duplex = m_duplex->isChecked();
    return c;
}

bool SetupDialog::canAccept() const
{
    return !m_pdf->isChecked() || !m_pdfPath->text().trimmed().isEmpty();
}

void SetupDialog::updateState()
{
    m_printerName->setEnabled(m_printer->isChecked());
    m_pdfPath->setEnabled(m_pdf->isChecked());
    // Copies mean sheets of paper; a preview prints with them later.
    const bool paper = !m_pdf->isChecked();
    m_copies->setEnabled(paper);
    m_collate->setEnabled(paper);
    m_duplex->setEnabled(paper);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(canAccept());
}

void SetupDialog::accept()
{
    const SetupChoice c = choice();
    if (c.destination == SetupChoice::PdfFile && QFileInfo::exists(c.pdfPath)
        && !ui::Msg::confirmWarning(QFileInfo(c.pdfPath).fileName() + QStringLiteral("已经存在，要替换它吗？"),
                                    QStringLiteral("保存为 PDF 文件")))
        return;
    QDialog::accept();
}

void SetupDialog::browsePdf()
{
    // The file is written, and replacing it asked about, on OK.
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存为 PDF 文件"), m_pdfPath->text(),
                                                      QStringLiteral("PDF 文件 (*.pdf)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    m_pdfPath->setText(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + ".pdf");
    m_pdf->setChecked(true);
}

SetupChoice SetupDialog::ask(const SetupChoice& proposed, QWidget* parent)
{
    SetupDialog dlg(proposed, QPrinterInfo::availablePrinterNames(), parent);
    if (dlg.exec() != QDialog::Accepted) {
        SetupChoice cancel = proposed;
        cancel.destination = SetupChoice::Cancel;
        return cancel;
    }
    return dlg.choice();
}

}  // namespace report
