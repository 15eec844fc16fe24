#pragma once
// A billing month, written as six digits: the four-digit year and the
// two-digit month ("202403"). Fee.inDate holds this text.

#include <QString>
#include <optional>

namespace data { class Connection; }

namespace fees {

struct Period {
    int year = 0;
    int month = 0;

    // Years 1900-9999, months 1-12: the range the month pickers offer and the
    // range whose text is always six digits.
    bool isValid() const;
    QString text() const;
    // The month n months earlier: year Y and month M - n when M - n > 0,
    // otherwise year Y - 1 and month M + 12 - n (n from 0 to 12).
    Period monthsBefore(int n) const;

    static std::optional<Period> fromText(const QString& sixDigits);
    bool operator==(const Period&) const = default;
};

// The month of the database server's clock: the non-metered charges always
// bill the server's current month.
Period serverPeriod(data::Connection& c);

// The label of the month the non-metered windows charge.
QString chargeDateText(const Period& p);

}  // namespace fees
