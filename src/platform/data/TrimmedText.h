#pragma once
// "Trimmed" text, the one meaning the system gives the word: leading and
// trailing characters up to U+0020 (blanks, tabs, line breaks and the other
// control characters) removed, and nothing else. An ideographic space U+3000
// or a no-break space is part of the text, so "未收取\u3000" is not "未收取".
// Flags and kinds stored as text are compared this way, in the program and
// (through Dialect::trimmedSql) in statements.

#include <QString>
#include <QStringView>

namespace data {

// True for the characters that trimming removes.
constexpr bool isTrimmedAway(char16_t c) { return c <= 0x20; }

QString trimmed(QStringView text);
// Whether the text, trimmed, equals `what` exactly.
bool trimmedEquals(QStringView text, QStringView what);

}  // namespace data
