#pragma once
// "房产资源": the vacant rooms of a district or a building (RB_1), or per
// building of the district its rooms, occupied and vacant, with the rates
// (RB_2).

#include "fees/ReportDialog.h"

class TfrmWRZ : public fees::ReportDialog {
    Q_OBJECT
public:
    explicit TfrmWRZ(QWidget* parent = nullptr);

protected:
    bool gather() override;
    void RvSystemPrint(report::PageWriter& w) override;

private:
    bool m_vacantList = true;
    std::vector<fees::RoomLine> m_rooms;
    fees::Occupancy m_occupancy;
};

extern TfrmWRZ* frmWRZ;
