#pragma once
// The window "项目设置": which fee items each occupied room of a building is
// charged, and for each such item the room's meter numbers, base readings and
// monthly quota (table FeeSet, through the data module's AQ_FeeSet).
//
// The user chooses a district and a building; the building's occupied rooms
// are listed. Clicking a room lists its items; with the edit switch on, an
// item of the list of all items can be added to the room, a room's item
// removed, and its meter data typed and saved. A chosen room can serve as the
// sample whose items (all of them, or only its current one) are copied to
// every occupied room of the building that lacks them ("参照", "全选",
// "成批复制"); "成批删除" removes one item from the whole building.
//
// A browse-only user sees everything and changes nothing. Closing the window
// empties the frame's ModuleKey and drops unsaved meter data.

#include "fees/RoomItems.h"
#include "platform/ui/Form.h"

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolBar;
namespace ui {
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class SpeedButton;
class ToolButton;
}  // namespace ui

class TfrmXMSet : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmXMSet(QWidget* parent = nullptr);

    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    ui::DBGrid* DBG_Room = nullptr;
    ui::DBGrid* DBG_Fee = nullptr;     // "可供选择项目"
    ui::DBGrid* DBG_FeeSet = nullptr;  // "现有计费项目"
    ui::SpeedButton* SB_Add = nullptr;
    ui::SpeedButton* SB_Delete = nullptr;
    ui::DBEdit* DBE_BNum1 = nullptr;
    ui::DBEdit* DBE_BNum2 = nullptr;
    ui::DBEdit* DBE_BNum3 = nullptr;
    ui::DBEdit* DBE_BDS1 = nullptr;
    ui::DBEdit* DBE_BDS2 = nullptr;
    ui::DBEdit* DBE_BDS3 = nullptr;
    ui::DBEdit* DBE_DL = nullptr;
    QLabel* P_fjl = nullptr;  // "非计量类", shown for a non-metered item
    QPushButton* B_CZ = nullptr;  // 参照
    QPushButton* B_CA = nullptr;  // 全选
    QPushButton* B_CP = nullptr;  // 成批复制
    QPushButton* B_CD = nullptr;  // 成批删除
    QCheckBox* CheckBox = nullptr;
    ui::ToolButton* TB_Cancel = nullptr;
    ui::ToolButton* TB_Save = nullptr;
    ui::ToolButton* TB_Close = nullptr;

    // "C" once a sample room has been chosen, "A" otherwise ("" at first).
    QString SampleState;

    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DBG_RoomCellClick();
    void DBG_FeeCellClick();
    void DBG_FeeSetCellClick();
    void SB_AddClick();
    void SB_DeleteClick();
    void TB_SaveClick();
    void TB_CancelClick();
    void CheckBoxClick();
    void B_CZClick();
    void B_CAClick();
    void B_CPClick();
    void B_CDClick();
    void TB_CloseClick();

    // Lists the chosen room's items again (after a change made elsewhere).
    void showRoomItems();

    const QString& regionId() const { return m_regionId; }
    const QString& buildId() const { return m_buildId; }

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

private:
    void buildLayout(QToolBar* bar);
    QWidget* meterPanel();
    // Forgets the chosen room, its items and the sample.
    void forgetRoom();
    void setMeterEditsEnabled(bool on);
    // The switch is on and the user may change data.
    bool mayChange() const;
    std::vector<fees::AssignableRoom> buildingRooms() const;

    QString m_regionId;
    QString m_buildId;
    std::optional<fees::AssignableRoom> m_room;     // the room clicked
    std::optional<fees::ItemKey> m_item;            // the item chosen in the list of all items
    std::optional<fees::ItemKey> m_roomItem;        // the item chosen in the room's list
    std::optional<fees::AssignableRoom> m_sample;
};

extern TfrmXMSet* frmXMSet;
