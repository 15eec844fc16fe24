#include "platform/ui/MaskedDate.h"

#include "platform/data/Error.h"
#include "platform/data/Field.h"

#include <QDate>
#include <QStringList>

namespace ui {

QString qtInputMask(const QString& editMask)
{
    const QStringList parts = editMask.split(u';');
    const QString body = parts.value(0);
    const QString blank = parts.size() > 2 && !parts[2].isEmpty() ? parts[2].left(1) : QStringLiteral("_");
    static const QString qtMeta = QStringLiteral("AaNnXx90DdHhBb#><![]{}\\");
    QString out;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'!' || c == u'>' || c == u'<')
            continue;
        if (c == u'0')
            out += u'9';  // a digit that must be typed
        else if (c == u'9')
            out += u'0';  // a digit that may stay blank
        else if (c == u'/')
            out += u'-';
        else if (c == u'\\' && i + 1 < body.size())
            out += QStringLiteral("\\") + body[++i];
        else if (qtMeta.contains(c))
            out += QStringLiteral("\\") + c;
        else
            out += c;
    }
    return out + u';' + blank;
}

namespace {
QString digitsOf(const QString& group)
{
    QString d;
    for (QChar c : group)
        if (c.isDigit())
            d += c;
        else if (c != u' ' && c != u'_')
            return QStringLiteral("x");  // anything else makes the group invalid
    return d;
}
}  // namespace

bool isBlankMaskedDate(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit())
            return false;
    return true;
}

QString normalizeMaskedDate(const QString& text)
{
    if (isBlankMaskedDate(text))
        return QString();
    const QStringList groups = text.trimmed().split(u'-');
    if (groups.size() != 3)
        throw data::Error(data::dateErrorText());
    const QString y = digitsOf(groups[0]), m = digitsOf(groups[1]), d = digitsOf(groups[2]);
    if (y.size() != 4 || m.isEmpty() || m.size() > 2 || d.isEmpty() || d.size() > 2)
        throw data::Error(data::dateErrorText());
    const QDate date(y.toInt(), m.toInt(), d.toInt());
    if (!date.isValid())
        throw data::Error(data::dateErrorText());
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

}  // namespace ui
