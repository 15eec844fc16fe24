#pragma once
// Driving the register windows and their searches as a user does, for the
// tests of the office registers.

#include <QString>
#include <QStringList>

class RegisterEditor;
class SearchForm;

namespace registertest {

// Opens a register through its opener in the frame; ticks the edit switch
// unless told not to.
RegisterEditor* openRegister(const char* windowClass, bool tick = true);
// The text of a data control (edit, memo or combo box) named as on the window.
QString textOf(RegisterEditor* w, const QString& control);
// Replaces a data control's text as the program does.
void setText(RegisterEditor* w, const QString& control, const QString& text);
// Adds a condition as the user does, leaving the value input first.
void addCondition(SearchForm* f, const QString& relation, const QString& field, const QString& op,
                  const QString& value);
// A column of the rows the last search found, as text.
QStringList found(SearchForm* f, const char* column);

}  // namespace registertest
