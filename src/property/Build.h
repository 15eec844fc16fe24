#pragma once
// The building window "楼宇信息": table Build on the record-window template.
// A building is kept under its district; its id is unique within the
// district. Buildings are not modified here (the property generator does
// that); deleting one deletes its units and rooms. A building with units or
// rooms keeps its district and id; a new name reaches its units, rooms and
// owners in the same transaction.

#include "property/PropertyKeys.h"
#include "templates/RecordEditor.h"

namespace ui {
class DBComboBox;
class DBMemo;
}

class TfrmBuild : public RecordEditor {
    Q_OBJECT
public:
    explicit TfrmBuild(QWidget* parent = nullptr);

    ui::DBComboBox* DBC_RegId = nullptr;  // the district id, with every district in its list
    ui::DBMemo* DBM_Note = nullptr;

    void DBGrid1CellClick();

protected:
    void afterCreate() override;
    bool validateRecord() override;
    void beforeSave() override;
    QStringList typedKey() const override;

private:
    property::BuildingKey storedBuilding() const;
};

extern TfrmBuild* frmBuild;
