#pragma once
// Face names of the printouts mapped to fonts installed on this system.
//
// The printouts name the faces of the office's old workstations ("宋体",
// "楷体_GB2312"). Here a Kai face stands for the Kai names and a Song/Ming face
// for the Song names; any other name is used as given, with the Song face as
// the fallback for Chinese characters.

#include "platform/report/DisplayList.h"

#include <QFont>
#include <QString>

namespace report {

// The installed family that draws a face name; the name itself when nothing
// better is installed.
QString installedFamily(const QString& faceName);

// The font for a recorded font: mapped family, size in points, bold and
// underline, unhinted so that widths scale exactly with the resolution.
QFont makeFont(const FontSpec& style);

}  // namespace report
