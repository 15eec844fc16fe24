#pragma once
// Text dates typed through an edit mask.
//
// The masks are written as the windows give them: "!9999/99/99;1" (every digit
// optional) or "!0000/90/90;1" ('0' a digit that must be typed, '9' one that
// may be left blank; '/' the date separator, shown as "-"; ";1" keeps the
// separators in the text; an optional third part is the blank character).
// A typed date is stored as "yyyy-MM-dd", month and day zero-padded; a date
// that does not exist ("2024-13-01") is refused with the date error.

#include <QString>

namespace ui {

// The Qt input mask for such a mask ("9999-99-99" style, blanks shown as '_').
QString qtInputMask(const QString& editMask);

// True when the text holds no digit (only separators and blanks).
bool isBlankMaskedDate(const QString& text);
// "yyyy-MM-dd" for a typed date, "" for a blank one; throws data::Error with
// the date error for anything else.
QString normalizeMaskedDate(const QString& text);

}  // namespace ui
