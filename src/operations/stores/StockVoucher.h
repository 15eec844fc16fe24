#pragma once
// The store's two voucher windows, "入库" (goods received) and "出库" (goods
// issued): one register window over a table of their differences (the
// register row, which way the goods move, the printed form).
//
// Saving a voucher moves its goods: the stock step and the voucher's post are
// one transaction, so a refused step or a failed post leaves both as they
// were. A modified voucher's stored goods and quantity (read again from the
// database, locked) are taken back and the edited ones applied; a deleted
// voucher's stored ones are taken back, never the texts on the screen; a
// voucher being added is only dropped. A quantity is a whole number above 0,
// checked before anything is written, and stock never falls below zero.
//
// A refused issue cancels the pending voucher; a refused receipt (an edit that
// would take back goods already issued) stays open to be corrected.

#include "operations/stores/Stock.h"
#include "templates/RegisterEditor.h"

namespace report {
class PageWriter;
class ReportSystem;
}
namespace stores {
struct VoucherForm;
}

struct VoucherKind {
    RegisterConfig reg;
    stores::Direction direction;
    const stores::VoucherForm* form;
    // Print returns the window to browsing (the issue window does).
    bool printEndsModify = false;
    // Edits that take fewer characters than their column.
    QVector<QPair<QString, int>> limits;
};

// The kind of a window class; throws data::Error for a class that has none.
const VoucherKind& voucherKind(const char* windowClass);
const QVector<VoucherKind>& voucherKinds();

class StockVoucher : public RegisterEditor {
    Q_OBJECT
public:
    StockVoucher(const VoucherKind& kind, QWidget* parent = nullptr);
    ~StockVoucher() override;

    const VoucherKind& kind() const { return m_kind; }
    report::ReportSystem* RvSystem = nullptr;

    void TB_SaveClick() override;
    void TB_CancelClick() override;
    void TB_DeleteClick() override;
    void TB_PrintClick() override;
    void RvSystemPrint(report::PageWriter& w);

protected:
    bool validateRecord() override;
    void beforeSave() override;
    void deleteDependants() override;

private:
    // The quantity typed, or nullopt after the warning.
    std::optional<qint64> typedQuantity();
    // The current voucher as the database holds it, locked until the end of
    // the transaction; refuses a voucher changed or deleted elsewhere.
    stores::StockLine storedVoucher();
    void refused(const stores::StockRefusal& r);

    VoucherKind m_kind;
};

class TfrmInput : public StockVoucher {
    Q_OBJECT
public:
    explicit TfrmInput(QWidget* parent = nullptr);
    ~TfrmInput() override;
};
extern TfrmInput* frmInput;

class TfrmOutput : public StockVoucher {
    Q_OBJECT
public:
    explicit TfrmOutput(QWidget* parent = nullptr);
    ~TfrmOutput() override;
};
extern TfrmOutput* frmOutput;
