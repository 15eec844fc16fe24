#include "fees/KZF.h"

#include "platform/data/Error.h"
#include "platform/ui/Msg.h"
#include "session/Session.h"

#include <QLineEdit>

TfrmKZF* frmKZF = nullptr;

TfrmKZF::TfrmKZF(QWidget* parent) : fees::ReportDialog(fees::reportDialogDef(QStringLiteral("KZF")), parent) {}

bool TfrmKZF::gather()
{
    if (E_1->text().isEmpty() || E_2->text().isEmpty()) {
        ui::Msg::warning(QStringLiteral("计算单价和统计月数均不能为空！"));
        return false;
    }
    const std::optional<data::Decimal> price = data::Decimal::parse(E_1->text());
    if (!price || price->isNull())
        throw data::Error(QStringLiteral("计算单价“%1”不是有效的数字。").arg(E_1->text()));
    bool ok = false;
    const int months = E_2->text().trimmed().toInt(&ok);
    if (!ok)
        throw data::Error(QStringLiteral("统计月数“%1”不是有效的整数。").arg(E_2->text()));
    m_rooms = fees::vacantRoomFees(*session::connection(), *price, months);
    return true;
}

void TfrmKZF::RvSystemPrint(report::PageWriter& w)
{
    fees::drawVacantRoomFees(w, pageHead(), m_rooms);
}
