#pragma once
// Screenshots written by tests, for a person to look at.

#include <QString>

class QWidget;

namespace testsupport {

// Where screenshots go: $WYGL_SCREENSHOT_DIR, else <build>/screenshots; made
// when missing.
QString screenshotDir();
// Grabs a widget into <screenshotDir>/<name>.png; returns the path ("" when
// it could not be written).
QString saveScreenshot(QWidget* w, const QString& name);

}  // namespace testsupport
