#pragma once
// Fitting text into a cell of a printout, measured in inches in the font it
// is printed with.
//
// Words are cut: a name wider than its cell keeps its beginning, cut between
// two characters (never inside one). Numbers are never cut, since a cut
// amount would print a different amount: they are printed in a smaller size
// instead, just small enough to fit.

#include "platform/report/DisplayList.h"

#include <QString>

namespace report {

class PageWriter;

// The longest beginning of text that is at most `inches` wide in font.
QString fitText(const FontSpec& font, const QString& text, double inches);

// A size, at most font.size, at which text is at most `inches` wide.
double fittingSize(const FontSpec& font, const QString& text, double inches);

// Whether text is a number as printouts write them: an optional sign, digits,
// an optional fraction ("-12.5", "0", "33.33").
bool isNumberText(const QString& text);

// Prints text where the writer stands (a position or a tab cell) in at most
// `inches`: a word cut, a number in the size that fits; the font stays.
void printFitted(PageWriter& w, const QString& text, double inches);

}  // namespace report
