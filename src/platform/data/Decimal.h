#pragma once
// Exact fixed-point decimal for money, readings, prices and rates.
//
// A value is an integer mantissa and a scale (digits after the point), so
// 0.1 + 0.2 is exactly 0.3 and 2.675 stays 2.675. Arithmetic keeps every digit
// (the scale of a product is the sum of the scales); quantize() rounds to a
// column's scale with an explicit tie rule. A Decimal may be null, like a
// database NULL: arithmetic with a null gives null, and orZero() turns a null
// into 0 where a missing amount counts as nothing.

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace data {

enum class Rounding {
    HalfEven,          // ties to the even neighbour: computed charges
    HalfAwayFromZero,  // ties away from zero: how the old server rounded
    Truncate,          // drop the extra digits
};

class Decimal {
public:
    static constexpr int kMaxScale = 18;  // products beyond this are rounded half even

    Decimal() = default;  // null
    Decimal(int v) : m_mant(v), m_scale(0), m_null(false) {}
    Decimal(long long v) : m_mant(v), m_scale(0), m_null(false) {}
    static Decimal fromMantissa(long long mantissa, int scale);

    // Parses "12", "-0.015", "+3.", ".5", "1e3" is refused. Surrounding blanks
    // are ignored; empty text is a null. Returns nullopt for anything else.
    static std::optional<Decimal> parse(const QString& text);
    // Like parse() but throws data::Error with a clear message on bad text.
    static Decimal fromString(const QString& text);
    // The shortest decimal that reads back as the same double (15-17 digits);
    // used for values that the embedded database hands back as binary floats.
    static Decimal fromDouble(double v);
    // A database value: null, integer, double, or decimal text.
    static Decimal fromVariant(const QVariant& v);

    bool isNull() const { return m_null; }
    bool isZero() const { return !m_null && m_mant == 0; }
    bool isNegative() const { return !m_null && m_mant < 0; }
    int scale() const { return m_scale; }
    // Digits before the point (0 for a value below 1), and digits from the
    // first to the last that is not 0 (0 for zero and null).
    int integerDigits() const;
    int significantDigits() const;

    Decimal orZero() const { return m_null ? Decimal(0) : *this; }

    // Rounds (or pads) to the given scale.
    Decimal quantize(int scale, Rounding rule = Rounding::HalfEven) const;

    Decimal operator+(const Decimal& o) const;
    Decimal operator-(const Decimal& o) const;
    Decimal operator*(const Decimal& o) const;
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& o) { return *this = *this + o; }
    Decimal& operator-=(const Decimal& o) { return *this = *this - o; }
    // Quotient rounded to the given scale. Division by zero throws data::Error.
    Decimal divide(const Decimal& divisor, int scale, Rounding rule = Rounding::HalfEven) const;

    // Nulls compare equal to each other and below every number.
    bool operator==(const Decimal& o) const;
    std::strong_ordering operator<=>(const Decimal& o) const;

    // The general number format: no thousands separator, no trailing zeros,
    // "." as the point. A null gives "".
    QString toString() const;
    // Exactly `scale` digits after the point (rounded half even if needed).
    QString toFixed(int scale) const;
    double toDouble() const;
    // Whole part, truncated toward zero; throws if it does not fit.
    long long toLongLong() const;
    // Text for binding to a database parameter; null gives a null QVariant.
    QVariant toVariant() const;

private:
    using Wide = __int128;
    Decimal(Wide mant, int scale, bool) : m_mant(mant), m_scale(scale), m_null(false) {}
    static Wide pow10(int n);
    static void align(const Decimal& a, const Decimal& b, Wide& ma, Wide& mb, int& scale);
    static Wide roundDiv(Wide num, Wide den, Rounding rule);
    Decimal normalizedScale(int maxScale) const;

    Wide m_mant = 0;
    int m_scale = 0;
    bool m_null = true;
};

}  // namespace data

Q_DECLARE_METATYPE(data::Decimal)
