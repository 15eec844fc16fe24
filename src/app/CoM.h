#pragma once
// The company details window "企业基本信息": the one row of IncInfo, whose
// name heads every printout (see templates/ReportHeading.h).
//
// The edits open with the switch "进入编辑状态"; typing starts the edit (on an
// empty table, the first row). The data module's handler for DS_IncI enables
// Save and Cancel while the row is being edited. A browse-only user sees no
// switch and cannot change anything; closing the window drops unsaved typing.

#include "platform/ui/Form.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
namespace ui {
class DBEdit;
}

class TfrmCo : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmCo(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    ui::DBEdit* DBE_IncName = nullptr;
    ui::DBEdit* DBE_IncAddress = nullptr;
    ui::DBEdit* DBE_IncPhone = nullptr;
    ui::DBEdit* DBE_IncFax = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* BB_Save = nullptr;
    QPushButton* BB_Cancel = nullptr;

    void CheckBox1Click();
    void BB_SaveClick();
    void BB_CancelClick();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void setEditsEnabled(bool on);
};

extern TfrmCo* frmCo;
