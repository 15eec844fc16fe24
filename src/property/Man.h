#pragma once
// The owner window "业主信息": the owners of one building at a time, placed
// into a vacant room when they are added and moved out of their rooms, with
// their household members and a picture, a search over all owners and the
// printed owner sheet.
//
// The district and building are chosen in the two drop-downs on the left;
// the owner list, the move-in units and their vacant rooms follow them.
// Whatever path posts an owner (Save, a move, the picture's save) runs the
// same checks and, for a new owner, places the owner in the chosen room in
// the same transaction as the owner's own row. Renaming an owner renames the
// occupant of the owner's rooms with it. Moving out and deleting an owner
// are one transaction each too.
//
// Unit-level state: the mode ModeFlag ("N" browsing or adding, "M"
// modifying), the chosen district id and building id, and the picture path
// last chosen (kept only for the owner it was chosen for).

#include "platform/ui/Form.h"

#include <QStringList>
#include <QVector>
#include <functional>

class PicturePane;
class QCheckBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace data {
class Command;
class DataSet;
class DataSource;
class Query;
}
namespace ui {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBImage;
class DBLookupComboBox;
class DBMaskDateEdit;
class SpeedButton;
class ToolButton;
}

class TfrmMan : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmMan(QWidget* parent = nullptr);
    ~TfrmMan() override;

    // The window class's mode: "N" or "M" ("" before first use).
    static QString& ModeFlag();

    // --- components ----------------------------------------------------------
    ui::ToolButton *TB_Add = nullptr, *TB_Delete = nullptr, *TB_Modi = nullptr, *TB_Cancel = nullptr;
    ui::ToolButton *TB_Save = nullptr, *TB_First = nullptr, *TB_Prev = nullptr, *TB_Next = nullptr;
    ui::ToolButton *TB_Last = nullptr, *TB_Refresh = nullptr, *TB_Find = nullptr, *TB_Print = nullptr;
    ui::ToolButton* TB_Close = nullptr;
    QCheckBox* CheckBox = nullptr;

    ui::DBLookupComboBox *DBLC_Reg = nullptr, *DBLC_Build = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget *TS_Owner = nullptr, *TS_member = nullptr, *TS_Pic = nullptr;

    // Page "业主资料".
    ui::DBEdit *DBE_OwnerId = nullptr, *DBE_OwnerName = nullptr, *DBE_Native = nullptr, *DBE_Factory = nullptr;
    ui::DBEdit *DBE_Phone = nullptr, *DBE_ZhjNum = nullptr, *DBE_JoinDate = nullptr, *DBE_RGNum = nullptr;
    ui::DBEdit *DBE_GFNum = nullptr, *DBE_FCNum = nullptr;
    ui::DBMaskDateEdit* DBE_Birth = nullptr;
    ui::DBComboBox *DBC_Sex = nullptr, *DBC_Folk = nullptr, *DBC_Xueli = nullptr, *DBC_ZhZ = nullptr;
    ui::DBComboBox *DBC_ZhjType = nullptr, *DBC_UseType = nullptr;
    QGroupBox *GB_In = nullptr, *GB_Out = nullptr;
    ui::DBLookupComboBox *DBLC_UnitNum = nullptr, *DBLC_RoomNum = nullptr;
    ui::DBLookupComboBox *DBLC_UnitNum1 = nullptr, *DBLC_RoomNum1 = nullptr;
    ui::SpeedButton* BB_Out = nullptr;

    // Page "家庭成员".
    ui::SpeedButton *SB_Add = nullptr, *SB_Modi = nullptr, *SB_Delete = nullptr, *SB_Save = nullptr;
    ui::SpeedButton* SB_Cancel = nullptr;
    ui::DBEdit *DBE_MOwnerId = nullptr, *DBE_MemberId = nullptr, *DBE_MName = nullptr, *DBE_MZhjNum = nullptr;
    ui::DBEdit *DBE_MPhone = nullptr, *DBE_MFactory = nullptr;
    ui::DBComboBox *DBC_MSex = nullptr, *DBC_MXueli = nullptr, *DBC_nexus = nullptr;
    ui::DBGrid* DBGrid2 = nullptr;

    // Page "图片" (the pane's controls).
    PicturePane* TS_PicPane = nullptr;
    ui::DBImage* Img = nullptr;
    QLabel* lblImg = nullptr;
    ui::SpeedButton *SB_ImgIn = nullptr, *SB_ImgOut = nullptr;

    // The window's own statements.
    data::Query *AQ_TempMan = nullptr, *AQ_TUnit = nullptr, *AQ_TRoom = nullptr;
    data::DataSource *DS_TUnits = nullptr, *DS_TRoom = nullptr;
    data::Command* AC_Update = nullptr;

    // --- handlers ------------------------------------------------------------
    void CheckBoxClick();
    void TB_AddClick();
    void TB_SaveClick();
    void TB_CancelClick();
    void TB_DeleteClick();
    void TB_ModiClick();
    void TB_FirstClick();
    void TB_PrevClick();
    void TB_NextClick();
    void TB_LastClick();
    void TB_RefreshClick();
    void TB_FindClick();
    void TB_PrintClick();
    void TB_CloseClick();
    void DBE_OwnerIdExit();
    void DBLC_RegClick();
    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DBLC_UnitNumCloseUp();
    void DBLC_RoomNumCloseUp();
    void DBLC_UnitNum1CloseUp();
    void DBLC_RoomNum1CloseUp();
    void BB_OutClick();
    void DBGrid1CellClick();
    void DBGrid2ColEnter();
    void TS_memberShow();
    void SB_AddClick();
    void SB_DeleteClick();
    void SB_ModiClick();
    void SB_CancelClick();
    void SB_SaveClick();
    void DBE_MemberIdExit();
    void SB_ImgInClick();
    void SB_ImgOutClick();

    // The chosen district and building ids ("" until chosen).
    const QString& regionId() const { return m_regionId; }
    const QString& buildId() const { return m_buildId; }
    // The picture path chosen with 导入 and not yet saved ("" when none).
    const QString& importedPicture() const;

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (ManLayout.cpp).
    void buildToolBar(class QVBoxLayout* root);
    QWidget* buildLeftPanel();
    QWidget* buildOwnerPage();
    QWidget* buildMemberPage();
    QWidget* buildPicturePage();
    void fillCodeLists();

    // Owner rules (Man.cpp).
    void installChecks();
    void removeChecks();
    void ownerBeforePost();
    bool checkNewOwner();
    bool checkChangedOwner();
    bool ownerIdInUse(const QString& id);
    void setOwnerEditsEnabled(bool on);
    void setMoveInEnabled(bool on);
    void endEditMode();
    void setNavigationEnabled(bool on);
    QString storedOwner(const char* field) const;
    QString currentOwner(const char* field) const;
    bool hasOwner() const;

    // Rooms (ManRooms.cpp).
    bool locateChosenRoom();
    void placeOwner();
    void renameOwnerRooms();
    void freeOwnerRooms(const QString& ownerId);
    void resetMoveIn();
    void openOwnerRooms();
    void followOwner();
    void refreshVacantRooms();

    // Members (ManMembers.cpp).
    void memberBeforePost();
    bool memberIdInUse(const QString& memberId, const QString& ownerId);
    void setMemberEditsEnabled(bool on);
    void setMemberButtonsEnabled(bool on);
    bool ownerHasRoom() const;

    // Picture (ManPicture.cpp).
    void showPicture(const QString& path);
    void forgetImportedPicture();

    QVector<QWidget*> m_ownerEdits;
    QVector<QWidget*> m_memberEdits;
    QString m_regionId;
    QString m_buildId;
    qint64 m_ownerTag = 0;     // which owner row the window shows (see followOwner)
    QStringList m_roomsOf;     // stored id and name the move-out lists were read for
    bool m_placing = false;    // the post under way places a new owner
    bool m_holdFollow = false; // a move-out is writing; the lists stay as they are
};

extern TfrmMan* frmMan;

// Prints the owner sheet of the window's current owner. The owner-sheet unit
// sets it; until then 打印 prints nothing.
using OwnerSheetPrinter = std::function<void(TfrmMan&)>;
void setOwnerSheetPrinter(OwnerSheetPrinter print);
// Makes 打印 print the owner sheet (called when the windows are registered).
void installOwnerSheetPrinting();
