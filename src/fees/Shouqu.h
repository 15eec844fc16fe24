#pragma once
// The collection dialog "收取", opened by the collection window (Sk.h) for the
// room and month it shows. In mode "All" it lists every uncollected item of
// the month with an amount, in mode "Single" the item selected in the
// window's list, with the total in the last row.
//
// What it lists is fixed when it opens: "收费" and "出据、收费" collect
// exactly those rows (re-checked, in one transaction), whatever the window
// shows meanwhile. "收费" collects and closes; "出据、收费" also writes the
// receipt row, prints "收款收据" once the collection is committed, and stays
// open with both collect buttons disabled.

#include "fees/Collection.h"
#include "platform/ui/Form.h"

class QPushButton;
namespace report {
class PageWriter;
class ReportSystem;
}
namespace ui {
class ListView;
class SpeedButton;
}

class TfrmShouqu : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmShouqu(QWidget* parent = nullptr);

    ui::ListView* LV_Shq = nullptr;
    QPushButton* BB_Ok = nullptr;
    ui::SpeedButton* SpeedButton1 = nullptr;
    QPushButton* BB_Cancel = nullptr;
    QPushButton* BB_CD = nullptr;
    report::ReportSystem* RvSystem = nullptr;

    // What was listed when the dialog opened.
    const fees::CollectionPlan& plan() const { return m_plan; }
    // The receipt written by "出据、收费", once it is committed.
    const std::optional<fees::Receipt>& receipt() const { return m_receipt; }

    void BB_OkClick();
    void SpeedButton1Click();
    void BB_CancelClick();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    fees::CollectionPlan planFromWindow() const;
    void fillList();
    // Collects the plan; false (after telling the user why) when nothing was done.
    bool collect(bool writeReceipt);
    void RvSystemPrint(report::PageWriter& w);

    fees::CollectionPlan m_plan;
    std::optional<fees::Receipt> m_receipt;
};

extern TfrmShouqu* frmShouqu;
