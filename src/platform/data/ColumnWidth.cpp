#include "platform/data/ColumnWidth.h"

#include "platform/data/SchemaCatalog.h"

namespace data {

int columnWidth(const QString& table, const QString& column)
{
    const TableDef* t = findTable(table);
    if (!t)
        return 0;
    for (const ColumnDef& c : t->columns)
        if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.type == ColType::String ? c.width : 0;
    return 0;
}

int characterCount(const QString& text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

QString cutToCharacters(const QString& text, int width)
{
    int n = 0;
    qsizetype i = 0;
    while (i < text.size() && n < width) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        i += pair ? 2 : 1;
        ++n;
    }
    return text.left(i);
}

}  // namespace data
