#pragma once
// The charging settings window "财务收费设置": the one row of SFSet. The
// settlement day (in the month after the billing month, or in the billing
// month itself) and the late-fee rate are read by the generation of
// receivables; the grace days and the rounding units are only kept.
//
// The day edit shows the stored day (5 when none is stored). With the edit
// switch on, OK checks the day (a whole number from 1 to 29), stores it in
// the column of the month chosen (the other column becomes 0) and closes. A
// browse-only user sees no switch, and OK only closes.

#include "platform/ui/Form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace ui {
class DBComboBox;
class DBEdit;
}  // namespace ui

class TfrmCWSet : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmCWSet(QWidget* parent = nullptr);

    QRadioButton* RB_1 = nullptr;  // next month
    QRadioButton* RB_2 = nullptr;  // this month
    QLineEdit* E_D = nullptr;      // the day
    ui::DBEdit* DBE_KXDate = nullptr;
    ui::DBEdit* DBE_BL = nullptr;
    ui::DBComboBox* CB_JL = nullptr;
    ui::DBComboBox* CB_FJL = nullptr;
    QCheckBox* CheckBox = nullptr;
    QPushButton* BB_Ok = nullptr;
    QPushButton* BB_Cancel = nullptr;

    void CheckBoxClick();
    void BB_OkClick();
    void BB_CancelClick();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

private:
    void setEditsEnabled(bool on);
};

extern TfrmCWSet* frmCWSet;
