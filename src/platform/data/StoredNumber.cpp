#include "platform/data/StoredNumber.h"

namespace data {

StoredNumber storedNumber(const char* text, int bytes)
{
    StoredNumber out;
    const char* p = text;
    const char* const end = text + bytes;
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const char* const whole = p;
    while (p < end && *p >= '0' && *p <= '9')
        ++p;
    const char* const wholeEnd = p;
    const char* fraction = end;
    if (p < end && *p == '.') {
        fraction = ++p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        if (p == fraction)
            return out;
    }
    if (whole == wholeEnd || p != end)
        return out;
    const char* first = whole;
    while (first < wholeEnd - 1 && *first == '0')
        ++first;
    // Beyond 15 digits the database's own reading drops digits or rounds:
    // left to it.
    if ((wholeEnd - first) + (end - fraction) > 15)
        return out;
    const char* last = end;
    while (last > fraction && last[-1] == '0')
        --last;
    qint64 digits = 0;
    for (const char* d = first; d < wholeEnd; ++d)
        digits = digits * 10 + (*d - '0');
    if (last == fraction || fraction == end) {
        out.kind = StoredNumber::Kind::Integer;
        out.integer = negative ? -digits : digits;
        return out;
    }
    long double scale = 1;
    for (const char* d = fraction; d < last; ++d) {
        digits = digits * 10 + (*d - '0');
        scale *= 10;
    }
    out.kind = StoredNumber::Kind::Real;
    out.real = double((long double)(negative ? -digits : digits) / scale);
    return out;
}

}  // namespace data
