#pragma once
// The caption a clerk reads for a control: the label beside it on the screen,
// as messages about its field quote it.

#include <QString>

class QWidget;

namespace ui {

// The label whose buddy the control is; else the label before it in its
// layout (to its left in a grid row or a row of widgets, above it in a
// column), looking outwards through the layouts that hold it; else the
// nearest label to its left on the same line. As captionText() gives it;
// "" when there is none.
QString controlLabel(const QWidget* control);

// A label's or a column title's text as a message quotes it: without the
// mnemonic '&', the blanks that space it out and the closing colon.
QString captionText(const QString& text);

}  // namespace ui
