#pragma once
// Formatting the printouts share.
//
// A null value prints "--" (or what the printout says), an empty text prints
// nothing. Numbers print in the general format, dates in the short format
// "yyyy-MM-dd". Printouts that cut text "to N bytes" count display width
// here: 1 for an ASCII character, 2 for any other, and never split a character.

#include "platform/data/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace report {

inline const QString kNullText = QStringLiteral("--");

// A database value as printed: null → nullText; decimals and floating numbers
// in the general format; dates and date-times as the short date; text as it is.
QString printable(const QVariant& value, const QString& nullText = kNullText);

// The general number format: no thousands separator, no trailing zeros.
QString generalNumber(const data::Decimal& value);

QString shortDate(const QDate& date);
QString shortDate(const QDateTime& dateTime);

// 1 for an ASCII character, 2 for any other (a surrogate pair is one character).
int displayWidth(const QString& text);

// The longest beginning of text that fits in width; a character that would
// cross the limit is left out whole.
QString cutToWidth(const QString& text, int width);

// Consecutive pieces of text, each as long as fits in width, at most maxLines
// of them; a character is never split between two pieces. Empty pieces at the
// end are left out.
QStringList splitToWidth(const QString& text, int width, int maxLines);

// The longest beginning of text that splitToWidth(text.trimmed(), width,
// maxLines) prints whole: what a printed block of maxLines lines can hold.
// Blanks before the text and after the last line cost nothing, since they
// are trimmed before printing.
QString fitToLines(const QString& text, int width, int maxLines);

}  // namespace report
