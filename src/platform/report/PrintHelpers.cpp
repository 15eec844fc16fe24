#include "platform/report/PrintHelpers.h"

namespace report {

namespace {

// Length in QChars of the character at i and its display width.
std::pair<qsizetype, int> charAt(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {2, 2};
    return {1, c.unicode() < 0x80 ? 1 : 2};
}

// QChars of text from `from` that fit in width.
qsizetype fittingLength(const QString& text, qsizetype from, int width)
{
    int used = 0;
    qsizetype i = from;
    while (i < text.size()) {
        const auto [len, w] = charAt(text, i);
        if (used + w > width)
            break;
        used += w;
        i += len;
    }
    return i - from;
}

}  // namespace

QString printable(const QVariant& value, const QString& nullText)
{
    if (!value.isValid() || value.isNull())
        return nullText;
    if (value.metaType() == QMetaType::fromType<data::Decimal>()) {
        const data::Decimal d = value.value<data::Decimal>();
        return d.isNull() ? nullText : generalNumber(d);
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return generalNumber(data::Decimal::fromDouble(value.toDouble()));
    case QMetaType::QDate:
        return shortDate(value.toDate());
    case QMetaType::QDateTime:
        return shortDate(value.toDateTime());
    default:
        return value.toString();
    }
}

QString generalNumber(const data::Decimal& value)
{
    return value.toString();
}

QString shortDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString shortDate(const QDateTime& dateTime)
{
    return dateTime.isValid() ? shortDate(dateTime.date()) : QString();
}

int displayWidth(const QString& text)
{
    int w = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [len, cw] = charAt(text, i);
        w += cw;
        i += len;
    }
    return w;
}

QString cutToWidth(const QString& text, int width)
{
    if (width <= 0)
        return {};
    return text.left(fittingLength(text, 0, width));
}

QStringList splitToWidth(const QString& text, int width, int maxLines)
{
    QStringList pieces;
    if (width <= 0)
        return pieces;
    qsizetype at = 0;
    while (at < text.size() && pieces.size() < maxLines) {
        qsizetype len = fittingLength(text, at, width);
        if (len == 0)  // a character wider than the line: it goes alone
            len = charAt(text, at).first;
        pieces << text.mid(at, len);
        at += len;
    }
    return pieces;
}

QString fitToLines(const QString& text, int width, int maxLines)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    for (int line = 0; line < maxLines && at < text.size() && width > 0; ++line) {
        qsizetype len = fittingLength(text, at, width);
        if (len == 0)
            len = charAt(text, at).first;
        at += len;
    }
    qsizetype rest = at;
    while (rest < text.size() && text.at(rest).isSpace())
        ++rest;
    return rest == text.size() ? text : text.left(at);
}

}  // namespace report
