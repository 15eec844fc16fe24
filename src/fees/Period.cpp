#include "fees/Period.h"

#include "platform/data/Connection.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QDateTime>

namespace fees {

bool Period::isValid() const
{
    return year >= 1900 && year <= 9999 && month >= 1 && month <= 12;
}

QString Period::text() const
{
    return QStringLiteral("%1%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

Period Period::monthsBefore(int n) const
{
    if (month - n > 0)
        return {year, month - n};
    return {year - 1, month + 12 - n};
}

std::optional<Period> Period::fromText(const QString& sixDigits)
{
    const QString t = sixDigits.trimmed();
    if (t.size() != 6)
        return std::nullopt;
    for (QChar ch : t)
        if (!ch.isDigit() || ch.unicode() > 0x7f)
            return std::nullopt;
    const Period p{t.left(4).toInt(), t.mid(4).toInt()};
    if (!p.isValid())
        return std::nullopt;
    return p;
}

Period serverPeriod(data::Connection& c)
{
    const QVariant v = c.scalar(c.dialect().serverNowSql());
    QDateTime dt = v.toDateTime();
    if (!dt.isValid())
        dt = QDateTime::fromString(v.toString().left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        throw data::Error(QStringLiteral("无法读取服务器日期。"));
    return {dt.date().year(), dt.date().month()};
}

QString chargeDateText(const Period& p)
{
    return QStringLiteral("记费日期： %1年%2月").arg(p.year).arg(p.month);
}

}  // namespace fees
