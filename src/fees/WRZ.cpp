#include "fees/WRZ.h"

#include "platform/ui/Msg.h"
#include "session/Session.h"

#include <QRadioButton>

TfrmWRZ* frmWRZ = nullptr;

TfrmWRZ::TfrmWRZ(QWidget* parent) : fees::ReportDialog(fees::reportDialogDef(QStringLiteral("WRZ")), parent) {}

bool TfrmWRZ::gather()
{
    data::Connection& c = *session::connection();
    m_vacantList = RB_1->isChecked();
    int found = 0;
    if (m_vacantList) {
        m_rooms = fees::vacantRooms(c, scope());
        found = int(m_rooms.size());
    } else {
        m_occupancy = fees::occupancy(c, scope());
        found = m_occupancy.roomCount;
    }
    if (found == 0) {
        ui::Msg::information(QStringLiteral("该小区无信息提供！"));
        return false;
    }
    return true;
}

void TfrmWRZ::RvSystemPrint(report::PageWriter& w)
{
    if (m_vacantList)
        fees::drawVacantRooms(w, pageHead(), m_rooms);
    else
        fees::drawOccupancy(w, pageHead(), regionName(), m_occupancy.buildings);
}
