#pragma once
// The number the embedded database keeps for a text written into a column
// that stores numbers (integer or numeric affinity), worked out on this side
// so that a bulk writer can bind the number itself and spare the database
// converting every text. Only the plain forms a server writes are taken
// ("-123", "12.50", at most 15 digits); for any other text the writer binds
// the text and the database decides as before. Bit for bit what the
// database would keep: a whole value as an integer, any other as the double
// its own conversion gives (the digits divided by a power of ten in
// extended precision, then rounded to a double).

#include <QtGlobal>

namespace data {

struct StoredNumber {
    enum class Kind { None, Integer, Real };
    Kind kind = Kind::None;
    qint64 integer = 0;
    double real = 0;
};

StoredNumber storedNumber(const char* text, int bytes);

}  // namespace data
