#include "fees/AmountToCapitals.h"

namespace fees {

namespace {

const QString kDigits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
// Units by position from the right: cents, dimes, yuan, then the integer
// places up to thousands of ten-thousands.
const QString kUnits = QStringLiteral("分角元拾佰仟万拾佰仟");

}  // namespace

QString amountTooLargeMessage()
{
    return QStringLiteral("金额超出可以大写的范围（最大为 %1），无法转换。").arg(QLatin1String(kLargestCapitalAmount));
}

std::optional<QString> AmountToCapitals(const data::Decimal& amount)
{
    if (amount.isNull())
        return QString();
    const data::Decimal cents = amount.quantize(2, data::Rounding::HalfEven);
    const bool negative = cents.isNegative();
    const data::Decimal size = negative ? -cents : cents;
    if (size > data::Decimal::fromString(QLatin1String(kLargestCapitalAmount)))
        return std::nullopt;
    if (size.isZero())
        return QString();

    // The digits of the amount with two decimals, read from the right; the
    // rules for zeros keep one "零" between non-zero digits and none before
    // "元" or "万".
    QString digits = size.toFixed(2);
    digits.remove(u'.');
    QString r;
    for (int p = 1; p <= digits.size(); ++p) {
        const int d = digits[digits.size() - p].unicode() - u'0';
        const QChar unit = kUnits[p - 1];
        if (d != 0) {
            r = QString(kDigits[d]) + unit + r;
            continue;
        }
        switch (p) {
        case 1:
            r = QStringLiteral("整");
            break;
        case 2:
            if (r != QStringLiteral("整"))
                r = u'零' + r;
            break;
        case 3:
        case 7:
            r = unit + r;
            break;
        default:
            if (!r.startsWith(u'零') && !r.startsWith(u'元') && !r.startsWith(u'万'))
                r = u'零' + r;
        }
    }
    if (r.startsWith(u'元') || r.startsWith(u'零'))
        r.remove(0, 1);
    return negative ? QStringLiteral("负") + r : r;
}

}  // namespace fees
