#pragma once
// The building dialog "楼宇设置" of the property generator: adds a building
// to the chosen district, or changes the current one. A building's id and
// name are its key (its units and rooms copy both), so they are locked while
// modifying.

#include "property/GeneratorDialog.h"

namespace ui {
class DBMemo;
}

class TfrmLouyu : public GeneratorDialog {
    Q_OBJECT
public:
    explicit TfrmLouyu(QWidget* parent = nullptr);

    ui::DBEdit *DBE_ID = nullptr, *DBE_Name = nullptr, *DBE_KFS = nullptr, *DBE_RegId = nullptr;
    DialogNumberEdit *DBE_ZDm = nullptr, *DBE_CSum = nullptr;
    ui::DBMemo* DBM_Note = nullptr;
    QPushButton *BB_Ok = nullptr, *BB_Cancal = nullptr;

    void DBE_IDExit();
    void BB_OkClick();
    void BB_CancalClick();
    // True when the district already has a building with the typed id.
    bool IdExists() const;

protected:
    void formCreate() override;
};

extern TfrmLouyu* frmLouyu;
