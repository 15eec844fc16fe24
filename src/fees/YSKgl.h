#pragma once
// The receivables window "应收款管理": the room and month are chosen as in
// the collection window (RoomPicker.h); the room's items of the month are
// listed with the details of the selected item (readings and usage for a
// metered item, the amounts for another), and the list's pop-up menu prints
// the arrears notice for the room (ArrearsNotice.h). Nothing here changes a
// row.

#include "fees/ArrearsNotice.h"
#include "platform/ui/Form.h"

#include <optional>

class QAction;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;
namespace data {
class Table;
}
namespace report {
class PageWriter;
class ReportSystem;
}
namespace ui {
class DBGrid;
class DBLookupComboBox;
class SpeedButton;
}
namespace fees {
class RoomPicker;
}

class TfrmYSKgl : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmYSKgl(QWidget* parent = nullptr);

    fees::RoomPicker* picker = nullptr;
    // The picker's controls, under the names the window gives them.
    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    QDateEdit* DTP_Date = nullptr;
    ui::DBGrid* DBG_JBxx = nullptr;
    QLineEdit* E_D = nullptr;
    ui::SpeedButton* SpeedButton1 = nullptr;
    ui::SpeedButton* SpeedButton2 = nullptr;

    ui::DBGrid* DBG_YSxm = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;  // "打印欠费催缴单"
    QTabWidget* PC_1 = nullptr;
    QWidget* TS_KJL = nullptr;  // metered
    QWidget* TS_FJL = nullptr;  // not metered
    QGroupBox* GBox1 = nullptr;
    QGroupBox* GBox2 = nullptr;
    data::Table* AT_cFeetype = nullptr;
    report::ReportSystem* RvSystem = nullptr;

    const std::optional<fees::RoomKey>& chosenRoom() const;
    const QString& period() const;

    void DBG_JBxxCellClick();
    void DBG_YSxmCellClick();
    void SpeedButton1Click();
    void N1Click();
    void SpeedButton2Click();
    // Shows the details page of the selected item's kind.
    void ShowItemPage();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;

private:
    void buildLayout();
    QWidget* meteredDetails();
    QWidget* amountDetails();
    void RvSystemPrint(report::PageWriter& w);

    fees::ArrearsNotice m_notice;  // the notice being printed
};

extern TfrmYSKgl* frmYSKgl;
