#pragma once
// The collection dialog "收取", opened by the collection window (Sk.h) with a
// request for the room and month it shows. In mode "All" it lists every
// uncollected item of the month with an amount, in mode "Single" the item
// selected in the window's list, with the total in the last row. It signals
// collected() after each attempt to collect, so the opener reads its rows again.
//
// What it lists is fixed when it opens: "收费" and "出据、收费" collect
// exactly those rows (re-checked, in one transaction), whatever the window
// shows meanwhile. "收费" collects and closes; "出据、收费" also writes the
// receipt row, prints "收款收据" once the collection is committed, and stays
// open with both collect buttons disabled.

#include "fees/Collection.h"
#include "fees/RoomKey.h"
#include "platform/ui/Form.h"

#include <optional>

class QPushButton;
namespace report {
class PageWriter;
class ReportSystem;
}
namespace ui {
class ListView;
class SpeedButton;
}

// What the opener asks to collect.
struct CollectionRequest {
    bool single = false;                 // the selected row only, else every item due
    std::optional<fees::RoomKey> room;   // the room shown; none: nothing is due
    QString period;                      // the month shown
    qint64 selectedRow = 0;              // single: the row identity selected (0: none)
};

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

    // Before the dialog opens (see ui::openChildForm's preparation).
    void setRequest(const CollectionRequest& request) { m_request = request; }

    // What was listed when the dialog opened.
    const fees::CollectionPlan& plan() const { return m_plan; }
    // The receipt written by "出据、收费", once it is committed.
    const std::optional<fees::Receipt>& receipt() const { return m_receipt; }

    void BB_OkClick();
    void SpeedButton1Click();
    void BB_CancelClick();

signals:
    // A collection was tried, whether or not it went through.
    void collected();

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    fees::CollectionPlan planFromRequest() const;
    void fillList();
    // Collects the plan; false (after telling the user why) when nothing was done.
    bool collect(bool writeReceipt);
    void RvSystemPrint(report::PageWriter& w);

    CollectionRequest m_request;
    fees::CollectionPlan m_plan;
    std::optional<fees::Receipt> m_receipt;
};

extern TfrmShouqu* frmShouqu;
