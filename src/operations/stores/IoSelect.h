#pragma once
// The receipts-and-issues query "出入库查询": the receipt or the issue vouchers,
// optionally only those of one goods name, department and person (each
// compared exactly as typed).
//
// The three filter values belong to the unit: they outlive the window and
// are shown again when it is opened. Choosing 入库记录
// or 出库记录 lists that whole table at once; the filters apply at the next
// 查询, also while their box is unticked. The radio buttons always name the
// table whose rows are shown.

#include "operations/stores/StoresBrowser.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class TfrmIoSelect : public StoresBrowser {
    Q_OBJECT
public:
    explicit TfrmIoSelect(QWidget* parent = nullptr);
    ~TfrmIoSelect() override;

    QRadioButton* RB_input = nullptr;
    QRadioButton* RB_output = nullptr;
    QCheckBox* CheckBox = nullptr;
    QLineEdit* E_Name = nullptr;
    QComboBox* C_Dept = nullptr;
    QLineEdit* E_Man = nullptr;

    void RB_inputClick();
    void RB_outputClick();
    void CheckBoxClick();
    void TB_FindClick() override;

protected:
    void formCreate() override;

private:
    void showTable(const QString& table);
};

extern TfrmIoSelect* frmIoSelect;
