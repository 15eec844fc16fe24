#include "fees/ChargingSettings.h"

#include "platform/data/Connection.h"

namespace fees {

namespace {
std::optional<int> optionalInt(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    return int(data::Decimal::fromVariant(v).toLongLong());
}
}  // namespace

ChargingSettings readChargingSettings(data::Connection& c)
{
    ChargingSettings s;
    QSqlQuery q = c.exec(QStringLiteral("SELECT JSDate1, JSDate2, ZNJ FROM SFSet ORDER BY rid"));
    if (!q.next())
        return s;
    s.exists = true;
    s.nextMonthDay = optionalInt(q.value(0));
    s.thisMonthDay = optionalInt(q.value(1));
    s.lateFeeRate = data::Decimal::fromVariant(q.value(2)).quantize(6).orZero();
    return s;
}

QString settlementNote(const ChargingSettings& s)
{
    if (!s.nextMonthDay && !s.thisMonthDay)
        return QStringLiteral("说明：你没设置应收款结算日期");
    QString note;
    if (s.nextMonthDay.value_or(0) != 0)
        note = QStringLiteral("说明：应收款在下月 %1 日结算").arg(*s.nextMonthDay);
    if (s.thisMonthDay.value_or(0) != 0)
        note = QStringLiteral("说明：应收款在本月 %1 日结算").arg(*s.thisMonthDay);
    return note;
}

}  // namespace fees
