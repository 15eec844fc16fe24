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

// How text that is too wide is fitted: numbers always shrink; words are cut,
// or shrink too where a cut would lose what the text says (a name, an address).
enum class FitWords { Cut, Shrink };

// Prints text where the writer stands (or into the cell the last Tab moved
// to), fitted into `inches` in the writer's font. The font is left as it was.
void PrintFitted(PageWriter& w, const QString& text, double inches, FitWords words = FitWords::Cut);

}  // namespace report
