#include "fees/BBYSK.h"

#include "fees/Money.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Msg.h"
#include "session/Session.h"

#include <QDateEdit>
#include <QRadioButton>

TfrmBBYSK* frmBBYSK = nullptr;

TfrmBBYSK::TfrmBBYSK(QWidget* parent) : fees::ReportDialog(fees::reportDialogDef(QStringLiteral("BBYSK")), parent)
{
    // The item is chosen for the per-household report only.
    connect(RB_1, &QRadioButton::toggled, this, [this](bool on) { DBLC_Fee->setEnabled(on); });
    setKind(QString());
}

void TfrmBBYSK::setKind(const QString& moduleKey)
{
    const bool due = moduleKey.trimmed() == QLatin1String("BBYSK");
    m_kind = due ? fees::ReceivableKind::Due : fees::ReceivableKind::Collected;
    setWindowTitle(due ? QStringLiteral("报表统计-应收款") : QStringLiteral("报表统计-已收款"));
    RB_1->setText(due ? QStringLiteral("单项分户费用应收统计") : QStringLiteral("单项分户费用已收统计"));
    RB_2->setText(due ? QStringLiteral("分栋全部费用应收统计") : QStringLiteral("分栋全部费用已收统计"));
}

bool TfrmBBYSK::gather()
{
    const fees::MonthRange months{period(DTP_Date), period(DTP_Date1)};
    if (!districtShown()) {
        ui::Msg::warning(QStringLiteral("小区名称不能为空！"));
        return false;
    }
    const QString flag = m_kind == fees::ReceivableKind::Due ? fees::kUncollected : fees::kCollected;
    m_scope = scope();
    m_perHousehold = RB_1->isChecked();
    data::Connection& c = *session::connection();
    if (m_perHousehold)
        m_households = fees::householdSums(c, flag, m_scope, feeKey(), months);
    else
        m_items = fees::itemSums(c, flag, m_scope, months);
    return true;
}

void TfrmBBYSK::RvSystemPrint(report::PageWriter& w)
{
    if (m_perHousehold)
        fees::drawHouseholdReport(w, pageHead(), m_kind, feeName(), regionName(), m_households);
    else
        fees::drawItemReport(w, pageHead(), regionName(), m_scope.buildId, m_items);
}
