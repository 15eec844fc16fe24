#pragma once
// The per-room non-metered window "非计量费用添加": the current month's rows of
// one building and one non-metered item, where the charge and the
// apportioned charge are typed room by room and the month total follows when
// a row is stored. Opened from the non-metered charge window.

#include "fees/FeeRows.h"
#include "fees/Period.h"
#include "platform/ui/Form.h"

class QLabel;
class QPushButton;
namespace data {
class DataSet;
class DataSource;
class Query;
}  // namespace data
namespace ui {
class DBGrid;
class DBLookupComboBox;
}  // namespace ui

class TfrmFJL_dx : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFJL_dx(QWidget* parent = nullptr);

    QLabel* lbl_date = nullptr;
    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    ui::DBLookupComboBox* DBLC_FeeType = nullptr;
    ui::DBGrid* DBG_SFee = nullptr;
    QPushButton* SB_Exit = nullptr;

    data::Query* AQ_SFee = nullptr;
    data::DataSource* DS_SFee = nullptr;

    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DBLC_FeeTypeCloseUp();
    // True when the key was used up (see fees::gridKeyDown).
    bool DBG_SFeeKeyDown(int key);
    void SB_ExitClick();

    // Reads the rows shown again, after they were changed elsewhere.
    void refreshRows();

protected:
    void formCreate() override;
    bool formCloseQuery() override;
    void formClose(ui::CloseAction& action) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void AQ_SFeeBeforePost(data::DataSet& ds);

    fees::Period m_period;
    fees::FeeRowsKey m_key;
};

extern TfrmFJL_dx* frmFJL_dx;
