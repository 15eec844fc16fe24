#pragma once
// Units and constants of the page writer.
//
// Positions and sizes are inches from the page's top-left corner. NA stands
// for a value a caller does not give ("no change", "right after the previous
// stop", "use the pen"). Pen and box-side widths follow one rule everywhere:
// a positive width is in device pixels taken at 300 dots per inch, so preview,
// PDF and paper show the same thickness; -n is n hundredths of an inch; 0 is
// the thinnest line, one such pixel.

namespace report {

inline constexpr double NA = -32768;
inline constexpr bool isNA(double v) { return v == NA; }

inline constexpr double kPenDotsPerInch = 300.0;

// Inches of a pen or side width given by the rule above.
inline constexpr double penWidthInches(double width)
{
    if (width < 0)
        return -width / 100.0;
    if (width == 0)
        return 1.0 / kPenDotsPerInch;
    return width / kPenDotsPerInch;
}

// Justification of text in a tab cell and of footers.
enum Justify { pjLeft, pjCenter, pjRight };

// Sides of a boxed tab cell, combined as a mask.
enum BoxSide { BoxLeft = 1, BoxRight = 2, BoxTop = 4, BoxBottom = 8, BoxAll = 15 };

enum PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// Paper knows one way of putting ink down; the mode is kept for callers that
// pass it, and every line is drawn as a plain copy.
enum PenMode { pmCopy };

// A4 paper, the page size unless the printer says otherwise.
inline constexpr double kA4WidthInches = 210.0 / 25.4;
inline constexpr double kA4HeightInches = 297.0 / 25.4;

}  // namespace report
