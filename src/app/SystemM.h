#pragma once
// The user accounts window "用户设置": the accounts of table users, added and
// deleted by the super administrator (level 0). Stored accounts are shown
// read-only, and a change to one is never written; a new account is typed
// with its password twice.
//
// A new account takes the largest account number + 1. The password and its
// confirmation must match, the level must be 0, 1 or 2, and the last super
// administrator cannot be deleted, so the office can never lock itself out.

#include "platform/ui/Form.h"

class QCheckBox;
class QLineEdit;
class QToolBar;
namespace ui {
class DBEdit;
class DBGrid;
class DBNavigator;
class ToolButton;
}  // namespace ui

class TfrmSystem : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSystem(QWidget* parent = nullptr);
    ~TfrmSystem() override;

    ui::DBGrid* DBGrid1 = nullptr;
    ui::DBEdit* DBE_Name = nullptr;
    ui::DBEdit* DBE_Pass = nullptr;
    ui::DBEdit* DBE_Popedom = nullptr;
    QLineEdit* E_Pass = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    ui::DBNavigator* DBNag = nullptr;
    ui::ToolButton *TB_Add = nullptr, *TB_Delete = nullptr, *TB_Cancel = nullptr, *TB_Save = nullptr;
    ui::ToolButton *TB_First = nullptr, *TB_Prev = nullptr, *TB_Next = nullptr, *TB_Last = nullptr;
    ui::ToolButton *TB_Refresh = nullptr, *TB_Exit = nullptr;

    void CheckBox1Click();
    void TB_AddClick();
    void TB_SaveClick();
    void TB_CancelClick();
    void TB_DeleteClick();
    void DBGrid1CellClick();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

private:
    void setEditsEnabled(bool on);
    // The checks every post of an account runs; false after a warning.
    bool accountIsValid();
    QToolBar* buildToolBar();
};

extern TfrmSystem* frmSystem;
