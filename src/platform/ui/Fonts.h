#pragma once
// The windows and printouts name the Chinese faces of the office's old
// workstations ("楷体_GB2312", "宋体"). They are not installed here; this maps
// each of them, and their usual Latin names, to an installed Kai or Song/Ming
// face, so that a font asked for by that name draws with the right style.

#include <QString>
#include <QStringList>

namespace ui {

// Call once at start-up (ui::Application does).
void installFontSubstitutions();

// The installed faces tried, in order, for a Kai and for a Song name.
QStringList kaiFaces();
QStringList songFaces();

}  // namespace ui
