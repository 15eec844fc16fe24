#pragma once
// The non-metered charge window "非计量记费": one non-metered item charged to
// every room of the current month at once, a unit price times a number of
// months, by floor area, by usable area or once per room (fees::bulkCharge).
// The month is the database server's. "个人计费" opens the per-room window.

#include "fees/Period.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace ui { class DBLookupComboBox; }

class TfrmFJL : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFJL(QWidget* parent = nullptr);

    QLabel* lbl_date = nullptr;
    ui::DBLookupComboBox* DBLC_FeeType = nullptr;
    QLineEdit* E_dj = nullptr;
    QLineEdit* ME_sj = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RB_1 = nullptr;
    QRadioButton* RB_2 = nullptr;
    QRadioButton* RB_3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* SB_GR = nullptr;

    void DBLC_FeeTypeCloseUp();
    void BitBtn1Click();
    void BitBtn2Click();
    void SB_GRClick();

    // The month charged: the server's month when the window was created.
    const fees::Period& chargedPeriod() const { return m_period; }

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    fees::Period m_period;
    QString m_feeId;
    QString m_feeName;
};

extern TfrmFJL* frmFJL;
