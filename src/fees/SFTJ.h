#pragma once
// "分项费用回收情况" / "月收费汇总": one month of a district or a building,
// per fee item, either how much of what was due has been collected, or the
// month's amounts with a total row.
//
// Two openers share the window; it prints the kind it was opened as, or
// last brought forward as by an opener.

#include "fees/ReportDialog.h"

class TfrmSFTJ : public fees::ReportDialog {
    Q_OBJECT
public:
    explicit TfrmSFTJ(QWidget* parent = nullptr);

    // The opener's key: "SFLTJ" is the collection report, any other the summary.
    void setKind(const QString& moduleKey);
    bool collectionKind() const { return m_collection; }

protected:
    bool gather() override;
    void RvSystemPrint(report::PageWriter& w) override;

private:
    bool m_collection = false;
    int m_year = 0;
    int m_month = 0;
    std::vector<fees::ItemStatistics> m_items;
};

extern TfrmSFTJ* frmSFTJ;
