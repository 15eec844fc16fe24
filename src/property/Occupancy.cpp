#include "property/Occupancy.h"

namespace occupancy {

QString monthText(const QDate& date)
{
    return QString::number(date.year()) + QString::number(date.month());
}

QString removeFirst(const QString& joined, const QString& part)
{
    if (part.isEmpty())
        return joined;
    const qsizetype at = joined.indexOf(part);
    if (at < 0)
        return joined;
    QString out = joined;
    out.remove(at, part.size());
    return out;
}

}  // namespace occupancy
