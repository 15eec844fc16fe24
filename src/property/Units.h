#pragma once
// The unit dialog "单元信息" of the property generator: adds a unit to the
// current building, or changes the floors and room indexes of the current
// unit. A unit's name is never changed here, and a unit whose rooms have been
// generated is shown locked.

#include "property/GeneratorDialog.h"
#include "property/PropertyKeys.h"

class TfrmUnits : public GeneratorDialog {
    Q_OBJECT
public:
    explicit TfrmUnits(QWidget* parent = nullptr);

    ui::DBEdit* DBE_UnitName = nullptr;
    DialogNumberEdit *DBE_KLNum = nullptr, *DBE_JLNum = nullptr, *DBE_KFNum = nullptr, *DBE_JFNum = nullptr;
    QPushButton *BB_ok = nullptr, *BB_Cancel = nullptr;

    void DBE_JLNumExit();
    void BB_okClick();
    void BB_CancelClick();

protected:
    void formCreate() override;

private:
    property::BuildingKey building() const;
    // The building's floor count (0 when it has none).
    int buildingFloors() const;
    bool roomsOnFloor(const QString& unitName, int floor) const;
};

extern TfrmUnits* frmUnits;
