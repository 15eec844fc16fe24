#pragma once
// Choosing a room and a month, as the collection window "收费管理" and the
// receivables window "应收款管理" both do: a district, a building and a month
// above, the building's occupied rooms in a list with a room finder below it,
// and the chosen room's rows of the month in the data module's AQ_SFeeM.
//
// The lookups cascade through the data module: the district list (AT_Regs),
// the district's buildings (AQ_Bud), the building's occupied rooms (AQ_SFee1)
// and the room's rows of the month (AQ_SFeeM). A change of district or
// building empties the fee rows and forgets the room until one is chosen
// again; a change of month keeps the room (found again in the list read anew)
// and shows its rows of the new month. The rows shown always belong to the
// room and month on the screen.
//
// The windows put the controls where they want them and add their own work
// through the signals: the collection window's receipts follow the room list.

#include "fees/RoomKey.h"

#include <QObject>
#include <QString>
#include <optional>

class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;
class QWidget;
namespace ui {
class DBGrid;
class DBLookupComboBox;
class SpeedButton;
}

namespace fees {

struct RoomPickerOptions {
    QString leaveCaption = QStringLiteral("离开");
    QString leaveHint;
    // The building lookup stays disabled until a district is chosen.
    bool buildingAfterDistrict = false;
};

class RoomPicker : public QObject {
    Q_OBJECT
public:
    RoomPicker(QWidget* form, const RoomPickerOptions& options = {});

    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    QDateEdit* DTP_Date = nullptr;
    ui::DBGrid* DBG_JBxx = nullptr;
    QLineEdit* E_D = nullptr;
    ui::SpeedButton* SpeedButton1 = nullptr;  // "查找房号"
    ui::SpeedButton* SpeedButton2 = nullptr;  // leave

    // Gives a window the picker's controls under the names the window has
    // for them (the same names).
    template <class Window>
    void lendControls(Window& w) const
    {
        w.DBLC_Reg = DBLC_Reg;
        w.DBLC_Build = DBLC_Build;
        w.DTP_Date = DTP_Date;
        w.DBG_JBxx = DBG_JBxx;
        w.E_D = E_D;
        w.SpeedButton1 = SpeedButton1;
        w.SpeedButton2 = SpeedButton2;
    }

    // The lookups and the month in a row, with their captions.
    QHBoxLayout* choiceRow() const { return m_choices; }
    // The room list over the finder and the leave button.
    QVBoxLayout* roomColumn() const { return m_rooms; }

    // The room whose rows of the month are shown, as the fee rows carry its
    // key; none until a room is chosen.
    const std::optional<RoomKey>& chosenRoom() const { return m_room; }
    // Whether the chosen room's list row gave every part of its key: a row
    // without its unit, number or occupant names no room a paper can go to.
    bool chosenRoomComplete() const { return m_room && m_roomComplete; }
    // The month of the rows shown ("yyyyMM").
    const QString& period() const { return m_period; }
    bool roomsListed() const;

    // The creation handler's part: the districts read again, no rooms, no rows.
    void open();

    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DTP_DateChange();
    // Reads the month of the room under the list's cursor into AQ_SFeeM.
    void SelectValue();
    // Moves the list to the room whose number E_D holds and reads its month;
    // false (nothing moved) when nothing is typed or no room has that number.
    bool findRoom();
    // Empties the fee rows and forgets the room.
    void clearFeeRows();

signals:
    // The room list is about to be read again, and has been (it may be empty).
    void roomsClosing();
    void roomsOpened();
    // A building was chosen from its lookup.
    void buildingChosen();

private:
    void loadRooms();
    // Moves the room list to the room with this key; false when it is not listed.
    bool moveToRoom(const RoomKey& room);

    RoomPickerOptions m_options;
    QHBoxLayout* m_choices = nullptr;
    QVBoxLayout* m_rooms = nullptr;
    QString m_regionKey;
    QString m_buildKey;
    QString m_period;
    std::optional<RoomKey> m_room;
    bool m_roomComplete = false;
};

}  // namespace fees
