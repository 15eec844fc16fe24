#pragma once
// "空置房管理费统计": every vacant room of every district with the management
// fee it owes over a number of months at a unit price per square metre of
// building area.

#include "fees/ReportDialog.h"

class TfrmKZF : public fees::ReportDialog {
    Q_OBJECT
public:
    explicit TfrmKZF(QWidget* parent = nullptr);

protected:
    bool gather() override;
    void RvSystemPrint(report::PageWriter& w) override;

private:
    std::vector<fees::VacantRoomFee> m_rooms;
};

extern TfrmKZF* frmKZF;
