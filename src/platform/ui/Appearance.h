#pragma once
// How the program presents itself beyond its own windows: the standard
// dialogs and buttons of the toolkit (files, printing, preview) speak Chinese
// through the toolkit's own translation, and every window carries the
// program's icon rather than the toolkit's logo.

#include <QIcon>

namespace ui {

// Loads the toolkit's Chinese translation and installs it in the
// application; false (and a line on standard error) when it is not
// installed on this machine, in which case the standard dialogs stay English.
bool installToolkitTranslation();

// The program's icon: a house, drawn at the sizes window frames use.
QIcon programIcon();

}  // namespace ui
