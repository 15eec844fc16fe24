#pragma once
// "报表统计-应收款" / "报表统计-已收款": the month rows of a district or a
// building over a range of months, still due or collected, summed per
// household for one fee item (RB_1) or per item for the building (RB_2).
//
// Two openers share the window. It prints the kind it was opened as, or last
// brought forward as by an opener, whatever other window opened since.

#include "fees/ReportDialog.h"

class TfrmBBYSK : public fees::ReportDialog {
    Q_OBJECT
public:
    explicit TfrmBBYSK(QWidget* parent = nullptr);

    // The opener's key: "BBYSK" is the due kind, any other the collected one.
    void setKind(const QString& moduleKey);
    fees::ReceivableKind kind() const { return m_kind; }

protected:
    bool gather() override;
    void RvSystemPrint(report::PageWriter& w) override;

private:
    fees::ReceivableKind m_kind = fees::ReceivableKind::Collected;
    bool m_perHousehold = true;
    fees::ReportScope m_scope;
    std::vector<fees::HouseholdSum> m_households;
    std::vector<fees::ItemSum> m_items;
};

extern TfrmBBYSK* frmBBYSK;
