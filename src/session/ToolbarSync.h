#pragma once
// The data module's handlers that keep the record windows' tool buttons in
// step with their datasets, and the deletes that take a row's detail rows
// with it.
//
// Each handled data source belongs to one window and one key. Its handlers
// act only while the frame's ModuleKey names that key and the window is open:
// on a change of record the navigation buttons follow the dataset's begin
// and end flags; on a change of state Save and Cancel follow whether a row is
// being edited, and a browse-only user's Add, Delete, Save (and Modify) stay
// disabled.

#include <QString>
#include <QStringList>

class QAbstractButton;
class QWidget;
class TDM;

// Installs the handlers and the cascading deletes on the data module.
void installToolbarSync(TDM& dm);

// The open window of a class (by its class name), or nullptr.
QWidget* openWindow(const char* className);
// A button of a window by its name, or nullptr.
QAbstractButton* windowButton(QWidget* window, const QString& name);
