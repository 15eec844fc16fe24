#pragma once
// An amount of money in Chinese capital numerals, as receipts and arrears
// notices write it: 1234.56 gives "壹仟贰佰叁拾肆元伍角陆分".

#include "platform/data/Decimal.h"

#include <QString>
#include <optional>

namespace fees {

// The largest amount that can be written: ten integer digits are not.
inline constexpr const char* kLargestCapitalAmount = "99999999.99";

// The amount is rounded to cents first (ties to even). 0 (and a null) gives
// the empty text; a negative amount gives "负" and the capitals of its size.
// An amount whose size is above 99,999,999.99 gives nullopt: the caller shows
// amountTooLargeMessage() instead of printing a wrong text.
std::optional<QString> AmountToCapitals(const data::Decimal& amount);

QString amountTooLargeMessage();

}  // namespace fees
