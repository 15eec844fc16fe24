#pragma once
// Text widths of the fee tables, as the schema catalogue declares them.
// Widths count characters; a value that does not fit is refused before
// anything is written, never cut silently.

#include <QString>

namespace data {

// The declared width of a text column; 0 when the column is not text or unknown.
int columnWidth(const QString& table, const QString& column);

// Characters in a text (a character outside the basic plane counts once).
int characterCount(const QString& text);

// The longest start of the text that fits the given number of characters,
// never splitting a character.
QString cutToCharacters(const QString& text, int width);

}  // namespace data
