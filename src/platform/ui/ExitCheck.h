#pragma once
// On-exit checks: code that runs when the user leaves a control.
//
// A check runs only when the focus moves from the control to another control
// of the same window (form): not when the window loses the activation, not
// when a message box or another window opens, not when a popup opens. Checks
// do not nest: while one runs (and perhaps shows a box or moves the focus
// back), leaving other controls runs nothing. Tool and speed buttons take no
// focus, so pressing them runs no check; buttons marked exempt (Cancel,
// Close) do not trigger checks either, so a check can never stand in the way
// of leaving the window.
//
// Checks of one control run in the order they were added. A check that
// throws stops the rest: data::Abort silently, anything else through the
// error box.

#include <QWidget>
#include <functional>

namespace ui {

// `owner` tags the check so that it can be removed again.
void onExit(QWidget* control, std::function<void()> check, const void* owner = nullptr);
// Removes the checks of a control that an owner added.
void clearExitChecks(QWidget* control, const void* owner);

// Moving the focus to this widget runs no on-exit check.
void setExitExempt(QWidget* w, bool exempt = true);
bool isExitExempt(const QWidget* w);

// True while an on-exit check runs.
bool exitCheckRunning();

}  // namespace ui
