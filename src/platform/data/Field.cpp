#include "platform/data/Field.h"

#include "platform/data/Connection.h"
#include "platform/data/DataSet.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"

#include <QRegularExpression>
#include <limits>

namespace data {

QString dateErrorText()
{
    return QStringLiteral("日期格式不正确！请输入正确格式。\r\n如：1999-01-30 。");
}

QString dateErrorText(const QString& what)
{
    return QStringLiteral("%1的").arg(what) + dateErrorText();
}

QDateTime parseDateTimeText(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})(?:[ T](\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.\\d+)?)?)?$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return QDateTime();
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid())
        return QDateTime();
    QTime t(0, 0);
    if (!m.captured(4).isEmpty()) {
        t = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
        if (!t.isValid())
            return QDateTime();
    }
    return QDateTime(d, t);
}

QDate toDateStrict(const QString& text)
{
    const QDateTime dt = parseDateTimeText(text);
    if (!dt.isValid())
        throw Error(dateErrorText());
    return dt.date();
}

QString variantToText(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    if (v.metaType() == QMetaType::fromType<Decimal>())
        return v.value<Decimal>().toString();
    if (v.metaType().id() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("yyyy-MM-dd"));
        return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.metaType().id() == QMetaType::Double)
        return Decimal::fromDouble(v.toDouble()).toString();
    return v.toString();
}

namespace {
QString rtrim(const QString& s)
{
    int n = s.size();
    while (n > 0 && s[n - 1].isSpace())
        --n;
    return s.left(n);
}

// The values a whole-number column of `bytes` bytes holds (bigint's when 0).
std::pair<qlonglong, qlonglong> integerRange(int bytes)
{
    if (bytes == 2)
        return {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    if (bytes == 4)
        return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    return {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()};
}

QString integerRangeText(const QString& value, int bytes, const QString& what)
{
    const auto [low, high] = integerRange(bytes);
    return QStringLiteral("“%1”超出了%2能存放的范围（%3 至 %4）。").arg(value, what).arg(low).arg(high);
}

qlonglong checkIntegerFits(qlonglong n, int bytes, const QString& what)
{
    const auto [low, high] = integerRange(bytes);
    if (n < low || n > high)
        throw Error(integerRangeText(QString::number(n), bytes, what));
    return n;
}

}  // namespace

QVariant normalizeValue(const QVariant& v, ColType type, int width, int scale, const QString& what)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (type) {
    case ColType::String:
    case ColType::Memo: {
        const QString s = rtrim(variantToText(v));
        // No database keeps a NUL inside a text as text.
        if (s.contains(QChar(0)))
            throw Error(QStringLiteral("%1中含有不能保存的字符。").arg(what));
        if (type == ColType::String && width > 0 && s.size() > width)
            throw Error(QStringLiteral("“%1”的长度超过了%2允许的 %3 个字符。").arg(s, what).arg(width));
        return s;
    }
    case ColType::Integer: {
        if (v.metaType().id() == QMetaType::LongLong || v.metaType().id() == QMetaType::Int
            || v.metaType().id() == QMetaType::UInt || v.metaType().id() == QMetaType::Short
            || v.metaType().id() == QMetaType::UShort)
            return QVariant(checkIntegerFits(v.toLongLong(), width, what));
        if (v.metaType().id() == QMetaType::Bool)
            return QVariant(qlonglong(v.toBool()));
        if (v.metaType() == QMetaType::fromType<Decimal>() || v.metaType().id() == QMetaType::Double) {
            const Decimal d = Decimal::fromVariant(v);
            if (d.quantize(0) != d)
                throw Error(QStringLiteral("“%1”不是%2需要的整数。").arg(d.toString(), what));
            if (d.integerDigits() > 18)
                throw Error(integerRangeText(d.toString(), width, what));
            return QVariant(checkIntegerFits(d.toLongLong(), width, what));
        }
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (!ok) {
            static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
            throw Error(digits.match(s).hasMatch() ? integerRangeText(s, width, what)
                                                   : QStringLiteral("“%1”不是%2需要的整数。").arg(s, what));
        }
        return QVariant(checkIntegerFits(n, width, what));
    }
    case ColType::Decimal: {
        Decimal d;
        if (v.metaType().id() == QMetaType::QString) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            auto p = Decimal::parse(s);
            if (!p)
                throw Error(QStringLiteral("“%1”不是%2需要的数字。").arg(s, what));
            d = *p;
        } else {
            d = Decimal::fromVariant(v);
        }
        return QVariant::fromValue(d.quantize(scale, Rounding::HalfAwayFromZero));
    }
    case ColType::DateTime: {
        if (v.metaType().id() == QMetaType::QDateTime)
            return v.toDateTime().isValid() ? v : QVariant();
        if (v.metaType().id() == QMetaType::QDate)
            return QVariant(QDateTime(v.toDate(), QTime(0, 0)));
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        const QDateTime dt = parseDateTimeText(s);
        if (!dt.isValid())
            throw Error(dateErrorText(what));
        return QVariant(dt);
    }
    }
    return v;
}

void checkDecimalFits(const Decimal& d, int precision, int scale, int exactDigits, const QString& what)
{
    if (precision > 0 && d.integerDigits() > precision - scale)
        throw Error(QStringLiteral("“%1”的整数部分超过了%2允许的 %3 位。").arg(d.toString(), what).arg(precision - scale));
    if (exactDigits > 0 && d.significantDigits() > exactDigits)
        throw Error(QStringLiteral("“%1”的有效数字超过了%2允许的 %3 位。").arg(d.toString(), what).arg(exactDigits));
}

void checkColumnFits(const Connection& c, const QString& table, const QString& column, const Decimal& d,
                     const QString& label)
{
    const TableDef* t = findTable(table);
    if (!t)
        throw Error(QStringLiteral("未知的表“%1”。").arg(table));
    for (const ColumnDef& def : t->columns)
        if (column.compare(QLatin1String(def.name), Qt::CaseInsensitive) == 0) {
            checkDecimalFits(d, def.precision, def.scale, c.dialect().exactDigits(),
                             QStringLiteral("字段“%1”").arg(label));
            return;
        }
    throw Error(QStringLiteral("表“%1”没有字段“%2”。").arg(table, column));
}

Field::Field(DataSet* owner, int index, const QString& name, ColType type, int width, int scale, int precision)
    : m_owner(owner), m_index(index), m_name(name), m_type(type), m_width(width), m_scale(scale),
      m_precision(precision)
{
}

QVariant Field::fromDatabase(const QVariant& raw) const
{
    if (!raw.isValid() || raw.isNull())
        return QVariant();
    switch (m_type) {
    case ColType::String:
    case ColType::Memo:
        return raw.metaType().id() == QMetaType::QString ? raw : QVariant(variantToText(raw));
    case ColType::Integer:
        if (raw.metaType().id() == QMetaType::LongLong)
            return raw;
        {
            bool ok = false;
            const qlonglong n = raw.toLongLong(&ok);
            if (ok)
                return QVariant(n);
            return QVariant(Decimal::fromVariant(raw).toLongLong());
        }
    case ColType::Decimal:
        return QVariant::fromValue(Decimal::fromVariant(raw).quantize(m_scale, Rounding::HalfAwayFromZero));
    case ColType::DateTime:
        if (raw.metaType().id() == QMetaType::QDateTime)
            return raw;
        {
            const QDateTime dt = parseDateTimeText(raw.toString());
            return dt.isValid() ? QVariant(dt) : QVariant();
        }
    }
    return raw;
}

QString Field::what() const
{
    return QStringLiteral("字段“%1”").arg(displayLabel());
}

QVariant Field::normalize(const QVariant& v) const
{
    const QString what = this->what();
    QVariant n = normalizeValue(v, m_type, m_width, m_scale, what);
    if (m_type == ColType::Decimal && n.isValid()) {
        const Connection* c = m_owner ? m_owner->connection() : nullptr;
        checkDecimalFits(n.value<Decimal>(), m_precision, m_scale, c ? c->dialect().exactDigits() : 0, what);
    }
    return n;
}

QVariant Field::value() const
{
    return m_owner->currentValue(m_index);
}

QVariant Field::oldValue() const
{
    return m_owner->storedValue(m_index);
}

bool Field::isNull() const
{
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}

QString Field::asString() const
{
    return variantToText(value());
}

qlonglong Field::asInteger() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return 0;
    if (m_type == ColType::Integer)
        return v.toLongLong();
    return normalizeValue(v, ColType::Integer, 0, 0, what()).toLongLong();
}

Decimal Field::asDecimal() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return Decimal();
    if (v.metaType() == QMetaType::fromType<Decimal>())
        return v.value<Decimal>();
    if (v.metaType().id() == QMetaType::QString) {
        auto d = Decimal::parse(v.toString());
        if (!d)
            throw Error(QStringLiteral("“%1”不是有效的数字。").arg(v.toString()));
        return *d;
    }
    return Decimal::fromVariant(v);
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return QDateTime();
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    return parseDateTimeText(v.toString());
}

void Field::setValue(const QVariant& v)
{
    QVariant n;
    try {
        n = normalize(v);
    } catch (const Error& e) {
        m_owner->noteRefusedValue(m_index, e.message());
        throw;
    }
    m_owner->setFieldValue(m_index, n);
}

void Field::setAsString(const QString& text)
{
    setValue(QVariant(text));
}

}  // namespace data
