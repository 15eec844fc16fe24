#pragma once
// The meter-reading window "码表收费": a month's rows of one building and one
// item, where the end readings (or, for a non-metered item, the charge) are
// typed and each row's usage, charge and month total are computed the moment
// the row is stored.
//
// The prices are those of the item chosen in the window; the quota is the
// row's own. A row is stored when the user leaves it, or goes on past the
// last row, or changes the building, item or month.

#include "fees/ChargeLookups.h"
#include "fees/FeeRows.h"
#include "platform/ui/Form.h"

#include <QDate>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
namespace data {
class DataSource;
class Query;
}  // namespace data
namespace ui {
class DBGrid;
class DBLookupComboBox;
}  // namespace ui

class TfrmSFee : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSFee(QWidget* parent = nullptr);

    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    ui::DBLookupComboBox* DBLC_FeeType = nullptr;
    QDateEdit* DTP_Date = nullptr;
    QLineEdit* E_D = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SB_Exit = nullptr;
    ui::DBGrid* DBG_SFee = nullptr;
    QStatusBar* StatusBar = nullptr;
    // The status bar's panels: item, within-quota price, over-quota price,
    // quota, and the fixed text on the right.
    QLabel* panel[5] = {};

    data::Query* AQ_SFee = nullptr;
    data::DataSource* DS_SFee = nullptr;

    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DBLC_FeeTypeCloseUp();
    void DTP_DateChange();
    // True when the key was used up (see fees::gridKeyDown).
    bool DBG_SFeeKeyDown(int key);
    void DBG_SFeeKeyUp();
    void SpeedButton1Click();
    void SB_ExitClick();

    // Reads the rows shown again, after they were changed elsewhere.
    void refreshRows();

    // The period the month picker shows, "yyyyMM".
    QString period() const;

protected:
    void formCreate() override;
    bool formCloseQuery() override;
    void formClose(ui::CloseAction& action) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ComputeCharge(data::DataSet& ds);
    void reloadRows();
    void setEditableColumns(bool metered);

    fees::FeeRowsKey m_key;        // district, building, item; the period is the picker's
    fees::FeeItem m_item;          // the item chosen: prices and kind
    QDate m_shownMonth;            // the month the grid shows
};

extern TfrmSFee* frmSFee;
