#pragma once
// The room dialog "房间资料编辑" of the property generator: adds a room to the
// current unit, or changes the current room's layout, areas and facilities
// (its floor, index and number are fixed once it exists). A unit never gets
// two rooms with the same number.

#include "property/GeneratorDialog.h"

namespace ui {
class DBComboBox;
class DBMemo;
}

class TfrmRoomEdit : public GeneratorDialog {
    Q_OBJECT
public:
    explicit TfrmRoomEdit(QWidget* parent = nullptr);

    ui::DBEdit *DBE_BuidName = nullptr, *DBE_UnitName = nullptr, *DBE_RoomNum = nullptr;
    DialogNumberEdit *DBE_LC = nullptr, *DBE_FX = nullptr, *DBE_JZm = nullptr, *DBE_SYm = nullptr;
    ui::DBComboBox* DBC_HX = nullptr;
    ui::DBMemo* DBM_SS = nullptr;
    QPushButton *BB_ok = nullptr, *BB_Cancel = nullptr;

    void DBE_LCExit();
    void BB_okClick();
    void BB_CancelClick();

protected:
    void formCreate() override;

private:
    QString key(const char* field) const;
    int buildingFloors() const;
    bool numberTaken(const QString& roomNum) const;
    void refuseFloor(const QString& message);
};

extern TfrmRoomEdit* frmRoomEdit;
