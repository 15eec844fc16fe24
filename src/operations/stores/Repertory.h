#pragma once
// The stock browser "库存浏览": the rows of repertory, optionally only those
// of one goods name and one category (each compared exactly as typed).
//
// The two filter values belong to the unit and outlive the window. Clearing
// the condition box empties them, so remembered values mean the box was
// ticked: the window then opens with the box ticked and the values shown.

#include "operations/stores/StoresBrowser.h"

class QCheckBox;
class QLineEdit;

class TfrmRepertory : public StoresBrowser {
    Q_OBJECT
public:
    explicit TfrmRepertory(QWidget* parent = nullptr);
    ~TfrmRepertory() override;

    QCheckBox* CheckBox = nullptr;
    QLineEdit* E_Name = nullptr;
    QLineEdit* E_Reper = nullptr;

    void CheckBoxClick();
    void TB_FindClick() override;

protected:
    void formCreate() override;
};

extern TfrmRepertory* frmRepertory;
