#pragma once
// The property generator "房产资源生成": the tree of one district (its
// buildings, the units of each building, the rooms of each unit) in three
// linked grids under a drop-down of districts, with Add, Delete and Modify
// for each level, the room-number generator, the unit copy and the
// whole-building copy.
//
// It works on the data module's linked datasets AT_Reg -> AT_Buid ->
// AT_Units -> AT_Room; deleting a building or unit takes its children with
// it (the data module's cascades). The selection fields follow the current
// building and unit rows however the cursor moved; the dialogs read them.
// While one of its dialogs is open the window takes no input.

#include "platform/ui/Form.h"
#include "property/PropertyKeys.h"

#include <functional>

class QCheckBox;
class QPushButton;
class DialogHold;
namespace ui {
class DBGrid;
class DBLookupComboBox;
class SpeedButton;
}

class TfrmFCBuild : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFCBuild(QWidget* parent = nullptr);

    // --- selection, read by the dialogs ---------------------------------------
    QString EditMode;        // "ADD" or "Modi"
    QString ChosenRegionId;  // the district chosen in the drop-down
    QString SelRegionId, SelBuildId, SelBuildName, SelCsum;
    QString SelUnitName;
    int SelKLNum = 0, SelJLNum = 0, SelKFNum = 0, SelJFNum = 0;

    property::BuildingKey selectedBuilding() const { return {SelRegionId, SelBuildId, SelBuildName}; }
    property::UnitKey selectedUnit() const { return {selectedBuilding(), SelUnitName}; }

    // --- components -----------------------------------------------------------
    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    QCheckBox* CheckBox = nullptr;
    ui::SpeedButton* SB_Open = nullptr;
    ui::DBGrid* DBG_buid = nullptr;
    ui::SpeedButton *SB_Add = nullptr, *SB_Delete = nullptr, *SB_Modi = nullptr, *SB_ZDF = nullptr;
    ui::DBGrid* DBG_Units = nullptr;
    ui::SpeedButton *SB_Add1 = nullptr, *SB_Delete1 = nullptr, *SB_Modi1 = nullptr, *SB_Build = nullptr,
                    *SB_Unit = nullptr;
    ui::DBGrid* DBG_Room = nullptr;
    ui::SpeedButton *SB_Add2 = nullptr, *SB_Delete2 = nullptr, *SB_Modi2 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // --- handlers -------------------------------------------------------------
    void CheckBoxClick();
    void DBLC_RegDropDown();
    void DBLC_RegCloseUp(const QVariant& key);
    void DBG_buidCellClick();
    void DBG_UnitsCellClick();
    void DBG_RoomCellClick();
    void SB_OpenClick();
    void SB_AddClick();
    void SB_ModiClick();
    void SB_DeleteClick();
    void SB_ZDFClick();
    void SB_Add1Click();
    void SB_Modi1Click();
    void SB_Delete1Click();
    void SB_BuildClick();
    void SB_UnitClick();
    void SB_Add2Click();
    void SB_Modi2Click();
    void SB_Delete2Click();
    void BitBtn1Click();

    // The dialog that holds the window, or nullptr.
    QWidget* openDialog() const;
    // A dialog went away.
    void dialogDone(QWidget* dialog);
    // Re-reads the buildings, units and rooms after the tree was written.
    void reloadTree();

protected:
    void formCreate() override;
    bool formCloseQuery() override;
    void formClose(ui::CloseAction& action) override;
    void formDestroy() override;

private:
    void buildLayout();
    bool editable() const;
    void followBuilding();
    void followUnit();
    void updateButtons();
    // Opens a dialog in a mode ("ADD" or "Modi"), unless one is open; the
    // focus goes to `focusAfterSave` once it saved its row.
    template <class T>
    void openGeneratorDialog(T*& variable, const QString& mode, QWidget* focusAfterSave,
                             const std::function<void(T&)>& prepare = {});

    DialogHold* m_hold = nullptr;
    // Which grids have their buttons engaged (clicked or entered, not left).
    bool m_buildOn = false;      // SB_Add, SB_Delete, SB_Modi, SB_ZDF
    bool m_unitAddOn = false;    // SB_Add1: a building was chosen
    bool m_unitOn = false;       // SB_Delete1, SB_Modi1, SB_Build, SB_Unit
    bool m_roomAddOn = false;    // SB_Add2: a unit or room was chosen
    bool m_roomOn = false;       // SB_Delete2, SB_Modi2
};

extern TfrmFCBuild* frmFCBuild;
