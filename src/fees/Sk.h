#pragma once
// The collection window "收费管理", the cashier's desk: choose a district, a
// building and a month, click an occupied room, and see its fee rows of the
// month; collect one of them or all of them through the collection dialog
// (Shouqu.h) from the list's pop-up menu. The second page lists the room's
// receipts, any of which can be printed again.
//
// The room and month are chosen as in the receivables window (RoomPicker.h):
// a change of district, building or month empties the fee rows until a room
// is chosen again, so the rows shown, and the rows the dialog takes, always
// belong to the room and month on the screen. The receipts (AT_SFSJ) follow
// the room list.

#include "fees/Receipt.h"
#include "fees/RoomKey.h"
#include "platform/ui/Form.h"

#include <optional>

class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;
namespace report {
class PageWriter;
class ReportSystem;
}
namespace fees {
class RoomPicker;
}
namespace ui {
class DBGrid;
class DBLookupComboBox;
class SpeedButton;
}

struct CollectionRequest;

class TfrmSk : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSk(QWidget* parent = nullptr);

    fees::RoomPicker* picker = nullptr;
    // The picker's controls, under the names the window gives them.
    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    QDateEdit* DTP_Date = nullptr;
    ui::DBGrid* DBG_JBxx = nullptr;
    QLineEdit* E_D = nullptr;
    ui::SpeedButton* SpeedButton1 = nullptr;
    ui::SpeedButton* SpeedButton2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TS_YSxm = nullptr;
    QWidget* TS_SFjl = nullptr;
    ui::DBGrid* DBG_YSxm = nullptr;
    ui::DBGrid* DBG_SFJL = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* N5 = nullptr;
    report::ReportSystem* RvSystem = nullptr;

    // "All" or "Single": what the collection dialog takes.
    QString CollectMode;

    // The room whose rows of the month are shown, as the fee rows carry its
    // key; none until a room is chosen.
    const std::optional<fees::RoomKey>& chosenRoom() const;
    // The month of the rows shown ("yyyyMM").
    const QString& period() const;

    void DBG_JBxxCellClick();
    void PageControl1Change();
    void SpeedButton1Click();
    void N1Click();
    void N2Click();
    void N5Click();
    void SpeedButton2Click();

    // The collection dialog has changed rows or written a receipt: the fee
    // rows and the receipts are read again, keeping the rows selected.
    void collectionDone();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

private:
    void buildLayout();
    void openCollection(const QString& mode);
    CollectionRequest collectionRequest() const;
    void RvSystemPrint(report::PageWriter& w);

    fees::ReceiptValues m_reprint;  // the receipt being printed again
};

extern TfrmSk* frmSk;
