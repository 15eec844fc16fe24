#pragma once
// The frame's openers: every menu item and tool button that opens a window.
//
// An opener records the window's key in the frame's ModuleKey (and, for the
// two staff rows, EmpKind), refuses a browse-only user where the row says so,
// and opens the window through OpenChildForm. A window class is opened by the
// function its unit registers; an opener whose window is not registered is
// shown disabled, so nothing half-built can be opened.

#include <QString>
#include <functional>
#include <vector>

class QMdiSubWindow;
class QWidget;

struct OpenerDef {
    const char* key;         // ModuleKey, compared exactly
    const char* empKind;     // "" or the staff kind the row sets
    const char* windowClass; // the form class it opens
    bool refusedForLevel2;
};

const std::vector<OpenerDef>& openerTable();
// The row for a target written "Key" or "Key/EmpKind"; nullptr if none.
const OpenerDef* findOpener(const QString& target);

using WindowOpener = std::function<void(QWidget* frame)>;
// Called by a window's unit: makes its openers usable.
void registerWindow(const QString& windowClass, WindowOpener open);
bool windowRegistered(const QString& windowClass);

// The refusal shown to a browse-only user.
QString refusalText();

// Runs an opener (see above); `frame` is the frame the window opens in.
void runOpener(const OpenerDef& row, QWidget* frame);

// The frame's child window in front changed: a window an opener opened puts
// that opener's keys back in the frame (without asking the rights again), so
// that its tool buttons follow it as they did when it was opened.
void followActiveWindow(QMdiSubWindow* active);
