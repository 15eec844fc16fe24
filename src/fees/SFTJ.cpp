#include "fees/SFTJ.h"

#include "platform/ui/Msg.h"
#include "session/Session.h"

#include <QDateEdit>

TfrmSFTJ* frmSFTJ = nullptr;

TfrmSFTJ::TfrmSFTJ(QWidget* parent) : fees::ReportDialog(fees::reportDialogDef(QStringLiteral("SFTJ")), parent)
{
    setKind(QString());
}

void TfrmSFTJ::setKind(const QString& moduleKey)
{
    m_collection = moduleKey.trimmed() == QLatin1String("SFLTJ");
    setWindowTitle(m_collection ? QStringLiteral("分项费用回收情况") : QStringLiteral("月收费汇总"));
}

bool TfrmSFTJ::gather()
{
    if (!districtShown()) {
        ui::Msg::warning(QStringLiteral("小区名称不能为空！"));
        return false;
    }
    if (!allBuildings() && !buildingShown()) {
        ui::Msg::warning(QStringLiteral("楼宇名称不能为空！"));
        return false;
    }
    m_year = DTP_Date->date().year();
    m_month = DTP_Date->date().month();
    m_items = fees::feeStatistics(*session::connection(), period(DTP_Date), scope());
    return true;
}

void TfrmSFTJ::RvSystemPrint(report::PageWriter& w)
{
    if (m_collection)
        fees::drawCollectionStatistics(w, pageHead(), m_year, m_month, m_items);
    else
        fees::drawMonthlySummary(w, pageHead(), m_year, m_month, m_items);
}
