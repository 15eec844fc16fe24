#pragma once
// Reading amounts and flags of fee rows as the database hands them back.

#include "platform/data/Decimal.h"
#include "platform/data/TrimmedText.h"

#include <QString>
#include <QVariant>

namespace fees {

// Fee.flag of a row that has been paid, and of one that has not.
inline const QString kCollected = QStringLiteral("已收取");
inline const QString kUncollected = QStringLiteral("未收取");

// A money or reading column: exact, with the column's two decimals. The
// embedded database returns such values as binary floats, so the value is
// always brought back to two places here.
inline data::Decimal money(const QVariant& v)
{
    return data::Decimal::fromVariant(v).quantize(2);
}

// Fee.flag is compared trimmed (data::trimmed).
inline bool isCollected(const QVariant& flag)
{
    return data::trimmedEquals(flag.toString(), kCollected);
}
inline bool isUncollected(const QVariant& flag)
{
    return data::trimmedEquals(flag.toString(), kUncollected);
}

}  // namespace fees
