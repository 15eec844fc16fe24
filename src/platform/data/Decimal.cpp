#include "platform/data/Decimal.h"

#include "platform/data/Error.h"

#include <QLocale>
#include <cmath>

namespace data {

namespace {
// Largest magnitude we accept for a mantissa; keeps products of two values
// far inside the 128-bit range.
constexpr __int128 kLimit = static_cast<__int128>(1000000000000000000LL) * 1000000000000000000LL;

__int128 checked(__int128 v)
{
    if (v >= kLimit || v <= -kLimit)
        throw Error(QStringLiteral("数值超出范围。"));
    return v;
}
}  // namespace

Decimal::Wide Decimal::pow10(int n)
{
    Wide r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

namespace {
int digitCount(__int128 v)
{
    int n = 0;
    for (; v != 0; v /= 10)
        ++n;
    return n;
}
}  // namespace

int Decimal::integerDigits() const
{
    return m_null ? 0 : digitCount(m_mant / pow10(m_scale));
}

int Decimal::significantDigits() const
{
    Wide m = m_mant;
    if (m_null || m == 0)
        return 0;
    while (m % 10 == 0)
        m /= 10;
    return digitCount(m);
}

Decimal Decimal::fromMantissa(long long mantissa, int scale)
{
    if (scale < 0 || scale > kMaxScale)
        throw Error(QStringLiteral("小数位数超出范围。"));
    return Decimal(Wide(mantissa), scale, true);
}

std::optional<Decimal> Decimal::parse(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Decimal();
    int i = 0;
    bool neg = false;
    if (t[0] == u'-' || t[0] == u'+') {
        neg = t[0] == u'-';
        i = 1;
    }
    Wide mant = 0;
    int scale = 0;
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.') {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (point) {
            if (scale == kMaxScale)
                return std::nullopt;
            ++scale;
        }
        mant = mant * 10 + (c.unicode() - u'0');
        if (mant >= kLimit)
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return Decimal(neg ? -mant : mant, scale, true);
}

Decimal Decimal::fromString(const QString& text)
{
    auto d = parse(text);
    if (!d)
        throw Error(QStringLiteral("“%1”不是有效的数字。").arg(text));
    return *d;
}

Decimal Decimal::fromDouble(double v)
{
    if (!std::isfinite(v))
        throw Error(QStringLiteral("数值超出范围。"));
    // Shortest text that reads back as the same double, without exponent.
    QString s = QString::number(v, 'g', QLocale::FloatingPointShortest);
    if (s.contains(u'e') || s.contains(u'E')) {
        // Expand the exponent form; small or huge values are rare here.
        s = QString::number(v, 'f', kMaxScale);
        auto d = fromString(s);
        return d.normalizedScale(kMaxScale);
    }
    return fromString(s);
}

Decimal Decimal::fromVariant(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return Decimal();
    if (v.metaType() == QMetaType::fromType<Decimal>())
        return v.value<Decimal>();
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Decimal(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(v.toDouble());
    case QMetaType::Bool:
        return Decimal(v.toBool() ? 1 : 0);
    default:
        return fromString(v.toString());
    }
}

Decimal::Wide Decimal::roundDiv(Wide num, Wide den, Rounding rule)
{
    // den > 0
    Wide q = num / den;
    Wide r = num % den;
    if (r == 0 || rule == Rounding::Truncate)
        return q;
    const Wide twice = (r < 0 ? -r : r) * 2;
    const int sign = num < 0 ? -1 : 1;
    bool up = false;
    if (twice > den)
        up = true;
    else if (twice == den)
        up = rule == Rounding::HalfAwayFromZero || (q % 2 != 0);
    return up ? q + sign : q;
}

Decimal Decimal::quantize(int scale, Rounding rule) const
{
    if (m_null)
        return *this;
    if (scale < 0 || scale > kMaxScale)
        throw Error(QStringLiteral("小数位数超出范围。"));
    if (scale >= m_scale)
        return Decimal(checked(m_mant * pow10(scale - m_scale)), scale, true);
    return Decimal(roundDiv(m_mant, pow10(m_scale - scale), rule), scale, true);
}

Decimal Decimal::normalizedScale(int maxScale) const
{
    if (m_null || m_scale <= maxScale)
        return *this;
    return quantize(maxScale, Rounding::HalfEven);
}

void Decimal::align(const Decimal& a, const Decimal& b, Wide& ma, Wide& mb, int& scale)
{
    scale = std::max(a.m_scale, b.m_scale);
    ma = checked(a.m_mant * pow10(scale - a.m_scale));
    mb = checked(b.m_mant * pow10(scale - b.m_scale));
}

Decimal Decimal::operator+(const Decimal& o) const
{
    if (m_null || o.m_null)
        return Decimal();
    Wide a, b;
    int s;
    align(*this, o, a, b, s);
    return Decimal(checked(a + b), s, true);
}

Decimal Decimal::operator-(const Decimal& o) const
{
    if (m_null || o.m_null)
        return Decimal();
    Wide a, b;
    int s;
    align(*this, o, a, b, s);
    return Decimal(checked(a - b), s, true);
}

Decimal Decimal::operator-() const
{
    if (m_null)
        return *this;
    return Decimal(-m_mant, m_scale, true);
}

Decimal Decimal::operator*(const Decimal& o) const
{
    if (m_null || o.m_null)
        return Decimal();
    // Both mantissas are below 1e36 only in theory; real values are far
    // smaller, but guard the product against wrapping all the same.
    const Wide a = m_mant < 0 ? -m_mant : m_mant;
    const Wide b = o.m_mant < 0 ? -o.m_mant : o.m_mant;
    if (a != 0 && b > (kLimit * 100) / a)
        throw Error(QStringLiteral("数值超出范围。"));
    Decimal r(m_mant * o.m_mant, m_scale + o.m_scale, true);
    if (r.m_scale > kMaxScale)
        r = Decimal(roundDiv(r.m_mant, pow10(r.m_scale - kMaxScale), Rounding::HalfEven), kMaxScale, true);
    r.m_mant = checked(r.m_mant);
    return r;
}

Decimal Decimal::divide(const Decimal& divisor, int scale, Rounding rule) const
{
    if (m_null || divisor.m_null)
        return Decimal();
    if (divisor.m_mant == 0)
        throw Error(QStringLiteral("除数不能为零。"));
    // this / divisor = (m1 / 10^s1) / (m2 / 10^s2); scaled to 10^scale:
    // q = m1 * 10^(scale + s2 - s1) / m2
    Wide num = m_mant;
    Wide den = divisor.m_mant;
    int shift = scale + divisor.m_scale - m_scale;
    if (shift >= 0)
        num = checked(num * pow10(shift));
    else
        den = checked(den * pow10(-shift));
    if (den < 0) {
        den = -den;
        num = -num;
    }
    return Decimal(roundDiv(num, den, rule), scale, true);
}

bool Decimal::operator==(const Decimal& o) const
{
    return (*this <=> o) == std::strong_ordering::equal;
}

std::strong_ordering Decimal::operator<=>(const Decimal& o) const
{
    if (m_null || o.m_null) {
        if (m_null && o.m_null)
            return std::strong_ordering::equal;
        return m_null ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    Wide a, b;
    int s;
    align(*this, o, a, b, s);
    if (a < b)
        return std::strong_ordering::less;
    if (a > b)
        return std::strong_ordering::greater;
    return std::strong_ordering::equal;
}

namespace {
QString wideToString(__int128 v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    bool neg = v < 0;
    if (neg)
        v = -v;
    while (v > 0) {
        s.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    }
    if (neg)
        s.prepend(u'-');
    return s;
}
}  // namespace

QString Decimal::toFixed(int scale) const
{
    if (m_null)
        return QString();
    const Decimal q = quantize(scale, Rounding::HalfEven);
    Wide m = q.m_mant;
    const bool neg = m < 0;
    if (neg)
        m = -m;
    QString digits = wideToString(m);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits = QString(scale - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - scale, u'.');
    }
    return neg ? QStringLiteral("-") + digits : digits;
}

QString Decimal::toString() const
{
    if (m_null)
        return QString();
    QString s = toFixed(m_scale);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == QStringLiteral("-0"))
        s = QStringLiteral("0");
    return s;
}

double Decimal::toDouble() const
{
    if (m_null)
        return 0.0;
    return toString().toDouble();
}

long long Decimal::toLongLong() const
{
    if (m_null)
        return 0;
    const Wide whole = m_mant / pow10(m_scale);
    if (whole > Wide(INT64_MAX) || whole < Wide(INT64_MIN))
        throw Error(QStringLiteral("数值超出范围。"));
    return static_cast<long long>(whole);
}

QVariant Decimal::toVariant() const
{
    if (m_null)
        return QVariant();
    return QVariant(toString());
}

}  // namespace data
