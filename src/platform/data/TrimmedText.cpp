#include "platform/data/TrimmedText.h"

namespace data {

QString trimmed(QStringView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isTrimmedAway(text[from].unicode()))
        ++from;
    while (to > from && isTrimmedAway(text[to - 1].unicode()))
        --to;
    return text.sliced(from, to - from).toString();
}

bool trimmedEquals(QStringView text, QStringView what)
{
    return trimmed(text) == what;
}

}  // namespace data
